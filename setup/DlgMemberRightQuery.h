// CDlgMemberRightQuery: waits for the host's answer whether the user may add a member. It stays
// invisible (layered, no alpha) for its first second so that a quick answer never shows it,
// counts ten seconds down, shows a refusal or the time-out, and ends with IDOK only when the
// host allowed the member.
#pragma once

#include <functional>

#include "platform/ui/Dialog.h"
#include "platform/ui/Shell.h"

class CDlgMemberRightQuery : public CDialog {
 public:
  explicit CDlgMemberRightQuery(CWnd* parent = nullptr);
  ~CDlgMemberRightQuery() override;

  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnTimer(UINT_PTR id) override;
  // Makes the dialog drawn with this opacity (SetLayeredWindowAttributes when the system has it).
  void SetAlpha(BYTE alpha);

  int m_nSecondsLeft = 0;
  BOOL m_bAnswered = FALSE;
  // Run at the end of OnInitDialog: the query goes out once the dialog exists, so that an
  // answer the host gives within the query finds it.
  std::function<void()> m_sendQuery;

 private:
  void OnAnswer(const void* block);
  void OnClose() override;
  void ShowSecondsLeft();

  HMODULE m_hUser32 = nullptr;
};
