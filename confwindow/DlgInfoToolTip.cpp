#include "confwindow/DlgInfoToolTip.h"

#include "platform/ui/DataExchange.h"
#include "res/DataConfTemplates.h"

namespace {

// Layout in pixels.
const int kMargin = 12;
const int kTextWidth = 300;
const int kLineHeight = 16;
const int kMinTextLines = 2;
const int kButtonWidth = 75;
const int kButtonHeight = 23;
const int kButtonGap = 16;

// The number of lines the message takes: its line breaks, and long lines wrapped at the
// text width with a character width of half the line height.
int CountLines(const CString& text) {
  const int charsPerLine = kTextWidth / (kLineHeight / 2);
  int lines = 0;
  int start = 0;
  while (start <= text.GetLength()) {
    int end = text.Find('\n', start);
    if (end < 0) end = text.GetLength();
    int length = end - start;
    if (length > 0 && text[end - 1] == '\r') --length;
    lines += length > 0 ? (length + charsPerLine - 1) / charsPerLine : 1;
    start = end + 1;
  }
  return lines < kMinTextLines ? kMinTextLines : lines;
}

}  // namespace

CDlgInfoToolTip::CDlgInfoToolTip(CWnd* pParent) : CDialog(IDD_INFO_TOOLTIP, pParent) {
  // Whoever creates the box first finds its template registered.
  RegisterConfWindowResources();
}

void CDlgInfoToolTip::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Text(dx, IDC_INFO_TEXT, m_csInfo);
}

void CDlgInfoToolTip::OnOK() { ShowWindow(SW_HIDE); }
void CDlgInfoToolTip::OnCancel() { ShowWindow(SW_HIDE); }

void CDlgInfoToolTip::AdjustLayout(BOOL bOK, BOOL bCancel) {
  if (!m_hWnd) return;
  const int textHeight = CountLines(m_csInfo) * kLineHeight;
  const int width = kTextWidth + 2 * kMargin;
  const int buttonsTop = kMargin + textHeight + kMargin;
  const int height = buttonsTop + kButtonHeight + kMargin;
  SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (CWnd* text = GetDlgItem(IDC_INFO_TEXT)) text->MoveWindow(kMargin, kMargin, kTextWidth, textHeight);

  const int shown = (bOK ? 1 : 0) + (bCancel ? 1 : 0);
  int x = (width - shown * kButtonWidth - (shown > 1 ? kButtonGap : 0)) / 2;
  const struct {
    int id;
    BOOL show;
  } buttons[] = {{IDOK, bOK}, {IDCANCEL, bCancel}};
  for (const auto& button : buttons) {
    CWnd* control = GetDlgItem(button.id);
    if (!control) continue;
    control->ShowWindow(button.show ? SW_SHOW : SW_HIDE);
    control->EnableWindow(button.show);
    if (!button.show) continue;
    control->MoveWindow(x, buttonsTop, kButtonWidth, kButtonHeight);
    x += kButtonWidth + kButtonGap;
  }
}
