#include "host/recording/AnswerScript.h"

namespace host {

void AnswerScript::Set(Channel channel, int code, int answer) { standing_[{channel, code}] = answer; }

void AnswerScript::Queue(Channel channel, int code, int answer) { once_[{channel, code}].push_back(answer); }

void AnswerScript::SetWriter(Channel channel, int code, AnswerWriter writer) {
  writers_[{channel, code}] = std::move(writer);
}

int AnswerScript::Answer(Channel channel, int code, void* block) {
  Key key{channel, code};
  int answer = 0;
  auto once = once_.find(key);
  if (once != once_.end() && !once->second.empty()) {
    answer = once->second.front();
    once->second.pop_front();
  } else if (auto standing = standing_.find(key); standing != standing_.end()) {
    answer = standing->second;
  }
  auto writer = writers_.find(key);
  if (block && writer != writers_.end()) writer->second(block, answer);
  return answer;
}

}  // namespace host
