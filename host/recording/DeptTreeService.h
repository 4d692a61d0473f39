// The host's department-tree service (module requests to target 10) and its answers to the
// directory requests (event 20021), over the sibling library's data set: a registered set-up
// tree is filled at once and again when the module asks (115), forgotten when unregistered
// (114); a department's list request brings its people under the department's item.
#pragma once

#include <map>

#include "host/recording/HostEvent.h"
#include "platform/Win32Types.h"

class CTreeCtrl;

namespace host {

class DeptTreeService {
 public:
  // Acts on one recorded event of the module; other codes are left alone.
  void OnEvent(const HostEvent& event);

 private:
  struct Tree {
    CTreeCtrl* control;
    HWND window;  // checked before the control is used: a window may have gone unannounced
  };
  CTreeCtrl* Find(int number) const;
  void AnswerListRequest(const HostEvent& event);

  std::map<int, Tree> trees_;
};

}  // namespace host
