#include "common/TagReader.h"

#include <cstring>

#include "platform/Mbcs.h"

// A single pass over the text with an explicit stack of open elements, so that deeply nested
// input cannot exhaust the call stack.
class CTagReader::Parser {
 public:
  Parser(const char* text, std::vector<Element>& out) : p_(text), out_(out) {}

  bool Run() {
    while (*p_) {
      if (*p_ != '<') {
        ++p_;
      } else if (!Markup()) {
        return false;
      }
    }
    return open_.empty() && !out_.empty();
  }

 private:
  static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
  static bool IsNameChar(char c) {
    return c && !IsSpace(c) && c != '>' && c != '/' && c != '=' && c != '<' && c != '"' && c != '\'';
  }
  void SkipSpace() {
    while (IsSpace(*p_)) ++p_;
  }
  bool SkipPast(const char* end) {
    const char* hit = strstr(p_, end);
    if (!hit) return false;
    p_ = hit + strlen(end);
    return true;
  }
  std::string Name() {
    const char* start = p_;
    while (IsNameChar(*p_)) ++p_;
    return std::string(start, p_);
  }

  bool Markup() {
    if (!strncmp(p_, "<!--", 4)) return SkipPast("-->");
    if (!strncmp(p_, "<?", 2)) return SkipPast("?>");
    if (!strncmp(p_, "<!", 2)) return SkipPast(">");
    ++p_;
    if (*p_ == '/') return CloseTag();
    return OpenTag();
  }

  bool CloseTag() {
    ++p_;
    std::string name = Name();
    SkipSpace();
    if (*p_ != '>' || open_.empty() || out_[open_.back()].name != name) return false;
    ++p_;
    open_.pop_back();
    return true;
  }

  bool OpenTag() {
    Element element;
    element.name = Name();
    if (element.name.empty()) return false;
    for (;;) {
      SkipSpace();
      if (*p_ == '>' || !strncmp(p_, "/>", 2)) break;
      if (!Attribute(element)) return false;
    }
    bool empty = *p_ == '/';
    p_ += empty ? 2 : 1;
    int index = Append(std::move(element));
    if (!empty) open_.push_back(index);
    return true;
  }

  bool Attribute(Element& element) {
    std::string name = Name();
    if (name.empty()) return false;
    SkipSpace();
    std::string value;
    if (*p_ == '=') {
      ++p_;
      SkipSpace();
      if (!Value(&value)) return false;
    }
    element.attributes.emplace_back(std::move(name), std::move(value));
    return true;
  }

  bool Value(std::string* value) {
    if (*p_ == '"' || *p_ == '\'') {
      char quote = *p_++;
      const char* end = strchr(p_, quote);
      if (!end) return false;
      value->assign(p_, end);
      p_ = end + 1;
      return true;
    }
    const char* start = p_;
    while (*p_ && !IsSpace(*p_) && *p_ != '>' && strncmp(p_, "/>", 2)) ++p_;
    value->assign(start, p_);
    return true;
  }

  int Append(Element&& element) {
    int parent = open_.empty() ? -1 : open_.back();
    element.parent = parent;
    int index = (int)out_.size();
    out_.push_back(std::move(element));
    lastChild_.resize(out_.size() + 1, -1);
    int previous = lastChild_[parent + 1];
    if (previous >= 0)
      out_[previous].nextSibling = index;
    else if (parent >= 0)
      out_[parent].firstChild = index;
    lastChild_[parent + 1] = index;
    return index;
  }

  const char* p_;
  std::vector<Element>& out_;
  std::vector<int> open_;
  std::vector<int> lastChild_;  // per parent + 1
};

BOOL CTagReader::LoadText(const char* text) {
  m_elements.clear();
  m_iCursor = -1;
  if (!text) return FALSE;
  Parser parser(text, m_elements);
  if (!parser.Run()) {
    m_elements.clear();
    return FALSE;
  }
  m_iCursor = 0;
  return TRUE;
}

BOOL CTagReader::FindTag(const char* name) {
  if (!name) return FALSE;
  for (int i = m_iCursor; i >= 0; i = m_elements[i].nextSibling) {
    if (m_elements[i].name == name) {
      m_iCursor = i;
      return TRUE;
    }
  }
  return FALSE;
}

BOOL CTagReader::EnterTag() {
  if (m_iCursor < 0 || m_elements[m_iCursor].firstChild < 0) return FALSE;
  m_iCursor = m_elements[m_iCursor].firstChild;
  return TRUE;
}

BOOL CTagReader::NextTag() {
  if (m_iCursor < 0 || m_elements[m_iCursor].nextSibling < 0) return FALSE;
  m_iCursor = m_elements[m_iCursor].nextSibling;
  return TRUE;
}

void CTagReader::LeaveTag() {
  if (m_iCursor >= 0 && m_elements[m_iCursor].parent >= 0) m_iCursor = m_elements[m_iCursor].parent;
}

BOOL CTagReader::GetTagAttribute(const char* name, char* out, int outSize) {
  if (!out || outSize <= 0) return FALSE;
  out[0] = '\0';
  if (m_iCursor < 0 || !name) return FALSE;
  for (const auto& attribute : m_elements[m_iCursor].attributes) {
    if (attribute.first == name) {
      mbcs::CopyLimited(out, (size_t)outSize, attribute.second.c_str());
      return TRUE;
    }
  }
  return FALSE;
}
