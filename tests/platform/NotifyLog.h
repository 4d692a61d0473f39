// A parent window for common-control tests: records each WM_NOTIFY it receives as a short
// readable line ("changed 2 sel+foc", "click 1", "expanding 甲" ...) and answers with `answer`.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/CommCtrl.h"
#include "platform/ui/Wnd.h"

namespace tavtest {

class NotifyLog : public CWnd {
 public:
  std::vector<std::string> lines;
  // The result of a notification (0 when unset); may act on the control.
  std::function<LRESULT(NMHDR*)> answer;
  // Codes left out of the record.
  std::vector<UINT> ignored;

  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  // Recorded as "contextmenu <control id>".
  void OnContextMenu(CWnd* wnd, CPoint point) override;
  static std::string States(UINT state);

 private:
  std::string Describe(NMHDR* hdr) const;
};

}  // namespace tavtest
