// CDlgConfProperties: the chair's dialog that extends a running conference by minutes and by
// room for members; OK sends conference method 5 (sub-type 6) and closes. The answer arrives
// later as a conference event.
#pragma once

#include "setup/SmallInputDialog.h"

constexpr UINT IDD_CONF_PROPERTIES = 540;
constexpr int IDC_PROP_ADD_MINUTES = 1965;
constexpr int IDC_PROP_ADD_MEMBERS = 1966;
constexpr int IDC_PROP_RECORD = 1470;
constexpr int IDC_PROP_SYNC_LAYOUT = 1718;
constexpr int IDC_PROP_VIDEO_POLL = 1719;
constexpr int IDC_PROP_FILE_TRANSFER = 1720;
constexpr int IDC_PROP_ADD_RESOURCES = 1104;
constexpr int IDC_PROP_BASIC = 1968;

constexpr int kMaxAddMembers = 99;
constexpr int kMaxAddMinutes = 120;

class CDlgConfProperties : public CSmallInputDialog {
 public:
  explicit CDlgConfProperties(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;

  int m_nAddMembers = 0;
  int m_nAddMinutes = 0;

 private:
  // Reads one count: TRUE with the value when the text is digits within 0..max, else shows the
  // matching refusal.
  struct CountTexts {
    const char* empty;
    const char* notDigits;
    const char* outOfRange;
  };
  BOOL ReadCount(int id, int max, const CountTexts& texts, int* value);
};
