// CDlgmmConfPreCreate: the start window of the conference user interface. A radio list on the
// left chooses one of five pages (defaults, create, book, join, records) shown to its right;
// a hint line tells that passwords are digits only; an information box reports the outcome
// of a create, book or join request. There is one start window: the module creates it on
// first use and keeps it, hidden or shown, until the module closes.
#pragma once

#include "platform/CString.h"
#include "platform/ui/Dialog.h"
#include "setup/SetupIds.h"

class CmmconfDefaultSet;
class CmmconfCreate;
class CmmconfPre;
class CmmconfJoin;
class CmmconfRecordList;
class CDlgInfoToolTip;

// WM_USER+100 hides the start window; its wParam tells who asks.
constexpr UINT WM_PRECREATE_HIDE = WM_USER + 100;
constexpr WPARAM kHideAfterSuccess = 1;  // the conference window: the conference started
constexpr WPARAM kHideFromCancel = 2;    // a page's Cancel

// The hint line's plain note: "注意：密码只能输入数字！".
extern const char kPasswordHint[];

// A window that could not be created: the box "系统资源不足,请关闭并重新启动客户端。" owned by
// owner, and the log line of the class name followed by " Create Failed!".
void ReportCreateFailure(CWnd* owner, const char* className);

// The pages by index (the radio group's values).
enum SetupPage {
  kPageDefaults = 0,
  kPageCreate = 1,
  kPageBook = 2,
  kPageJoin = 3,
  kPageRecords = 4,
  kNoPage = 5,
};

class CDlgmmConfPreCreate : public CDialog {
 public:
  explicit CDlgmmConfPreCreate(CWnd* pParent = nullptr);
  ~CDlgmmConfPreCreate() override;

  // Shows page nPage (0..4; any other value means the create page) and sets the hint line.
  void ShowPage(int nPage);
  // Enables or disables the OK and Cancel buttons of every page (FALSE while a create, book
  // or join request waits) and remembers the state.
  void EnablePageButtons(BOOL bEnable);
  BOOL ArePageButtonsEnabled() const { return m_bPageButtonsEnabled; }
  // Shows the information box over the window with the title and the text (OK only).
  void ShowInfoToolTip(CString csTitle, CString csText);
  // Sets the hint line; an empty text leaves it unchanged.
  void SetHint(CString csText);
  // The system's default password, a password of one digit.
  static const char kDefaultPassword[];
  CString GetDefaultPassword() const { return m_csDefaultPassword; }
  // The hint that says the system's default password is in use and names it.
  CString DefaultPasswordHint() const;
  int GetCurrentPage() const { return m_iCurrentPage; }

  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  BOOL PreTranslateMessage(MSG* msg) override;

  // The pages and the information box, NULL until created; the window owns them.
  CmmconfDefaultSet* m_pDefaultSet = nullptr;
  CmmconfCreate* m_pCreate = nullptr;
  CmmconfPre* m_pPre = nullptr;
  CmmconfJoin* m_pJoin = nullptr;
  CmmconfRecordList* m_pRecordList = nullptr;
  CDlgInfoToolTip* m_pInfoToolTip = nullptr;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnClose() override;

 private:
  BOOL CreatePages();
  BOOL CreateInfoToolTip();
  void SkinListControls();
  // Loads the saved conference list when it is not yet, and fills the records page from it.
  void FillRecordList();
  LRESULT OnHideRequest(WPARAM wParam, LPARAM lParam);
  // Esc and the close box: hide, unless a request waits.
  void CloseByUser();
  // Resets and hides every page, hides the box and the window, tells the host (20007).
  void HideWindow();
  BOOL PagePasswordsAreDefault(int nPage) const;
  CDialog* Page(int nPage) const;

  HICON m_hIcon = nullptr;
  BOOL m_bPageButtonsEnabled = TRUE;
  int m_iCurrentPage = kNoPage;
  CString m_csDefaultPassword;
};
