#include "setup/DlgConfProperties.h"

#include "common/UriParts.h"
#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "protocol/ConfAttrRecord.h"

namespace {

constexpr int kVideoSubConf = 1;
// More digits than this can only be out of range (and would overflow an int).
constexpr int kMaxCountDigits = 4;

const CDlgDataConf* ConfWindow() {
  CTavorineModule* module = TavorineModule();
  return module ? module->m_pDlgDataConf : nullptr;
}

}  // namespace

CDlgConfProperties::CDlgConfProperties(CWnd* pParent) : CSmallInputDialog(IDD_CONF_PROPERTIES, pParent) {}

// While the video sub-conference runs the member count cannot grow.
BOOL CDlgConfProperties::OnInitDialog() {
  CSmallInputDialog::OnInitDialog();
  SetDlgItemInt(IDC_PROP_ADD_MEMBERS, m_nAddMembers);
  SetDlgItemInt(IDC_PROP_ADD_MINUTES, m_nAddMinutes);
  const CDlgDataConf* conf = ConfWindow();
  if (conf && conf->bSubConfStarted(kVideoSubConf, FALSE))
    if (CWnd* members = GetDlgItem(IDC_PROP_ADD_MEMBERS)) members->EnableWindow(FALSE);
  return TRUE;
}

BOOL CDlgConfProperties::ReadCount(int id, int max, const CountTexts& texts, int* value) {
  CString text = ItemText(id);
  if (text.IsEmpty()) {
    Refuse(texts.empty, id);
    return FALSE;
  }
  if (!IsAllDigits(text)) {
    Refuse(texts.notDigits, id);
    return FALSE;
  }
  CString digits = text;
  digits.TrimLeft('0');
  int number = digits.GetLength() > kMaxCountDigits ? max + 1 : atoi(text);
  if (number > max) {
    Refuse(texts.outOfRange, id);
    return FALSE;
  }
  *value = number;
  return TRUE;
}

void CDlgConfProperties::OnOK() {
  static const CountTexts kMembers = {"请输入会议增加人数！", "会议增加人数只能为数字！",
                                      "会议增加人数请输入1-99之间的数字！"};
  static const CountTexts kMinutes = {"请输入会议增加时间！", "会议增加时间只能为数字！",
                                      "会议增加时间请输入1-120之间的数字！"};
  int members = 0;
  int minutes = 0;
  if (!ReadCount(IDC_PROP_ADD_MEMBERS, kMaxAddMembers, kMembers, &members)) return;
  if (!ReadCount(IDC_PROP_ADD_MINUTES, kMaxAddMinutes, kMinutes, &minutes)) return;
  if (members == 0 && minutes == 0) {
    Refuse("会议增加时间和人数不能都为0！");
    return;
  }
  m_nAddMembers = members;
  m_nAddMinutes = minutes;
  const CDlgDataConf* conf = ConfWindow();
  ConfAttrRecord record;
  BuildConfAttrExtend(record, conf ? conf->GetConfURI() : CString(), minutes, members);
  bIMSConfMethod(kConfAttrMethod, &record);
  EndDialog(IDOK);
}
