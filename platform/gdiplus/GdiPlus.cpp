#include "platform/gdiplus/GdiPlus.h"

#include <algorithm>
#include <vector>

namespace Gdiplus {
namespace {

struct Sessions {
  ULONG_PTR lastToken = 0;
  std::vector<ULONG_PTR> open;
};

Sessions& TheSessions() {
  static Sessions sessions;
  return sessions;
}

}  // namespace

Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output) {
  if (!token || !input) return InvalidParameter;
  if (input->GdiplusVersion != 1) return UnsupportedGdiplusVersion;
  if (input->SuppressBackgroundThread && !output) return InvalidParameter;
  if (output) *output = GdiplusStartupOutput{nullptr, nullptr};  // there is no background thread
  Sessions& sessions = TheSessions();
  *token = ++sessions.lastToken;
  sessions.open.push_back(*token);
  return Ok;
}

void GdiplusShutdown(ULONG_PTR token) {
  std::vector<ULONG_PTR>& open = TheSessions().open;
  auto found = std::find(open.begin(), open.end(), token);
  if (found != open.end()) open.erase(found);
}

int GdiplusOpenSessions() { return (int)TheSessions().open.size(); }

}  // namespace Gdiplus
