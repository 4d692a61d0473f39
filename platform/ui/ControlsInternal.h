// Internal to the platform: the control class procedures and their private messages.
#pragma once

#include "platform/CString.h"
#include "platform/ui/Messages.h"

namespace platform {

// Private class messages that stand for the user's use of a control's parts that have no
// window of their own here (a combo box's drop-down list).
const UINT kComboUserChoose = 0x7FE0;  // wParam: the item index
// The user sets a date and time picker's value (lParam: the SYSTEMTIME); FALSE when refused.
const UINT kDateTimeUserSet = 0x7FE1;

LRESULT ButtonClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT EditClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ComboClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ListBoxClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT StaticClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ListViewClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT HeaderClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT TreeViewClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT DateTimeClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ToolTipClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Registers the common controls' classes (list view, header, tree view, date and time picker,
// tooltip); called with the basic ones.
void RegisterCommonControlClasses();

// Sends WM_NOTIFY with `code` from a control to its parent, filling the header of `hdr` (a
// notification block that begins with an NMHDR); the parent's answer (0 without a parent).
LRESULT SendNotify(HWND control, UINT code, NMHDR* hdr);

// Reads an item's text of unknown length: `read(buffer, size)` copies it into `size` bytes and
// returns its length. The buffer doubles until the text surely fits (a copy may stop one byte
// short to keep a double-byte character whole), as MFC does.
template <class Read>
CString ReadGrowingText(Read read) {
  CString text;
  for (int size = 256;; size *= 2) {
    int len = read(text.GetBufferSetLength(size), size);
    if (len < size - 2) {
      text.ReleaseBuffer(len);
      return text;
    }
  }
}

}  // namespace platform
