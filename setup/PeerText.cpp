#include "setup/PeerText.h"

#include "common/UriParts.h"
#include "vezadazavo/VezadaZavo.h"

CString WithoutPauses(CString text) {
  CommaConvertSuf(&text, -1);
  return text;
}

CString PeerDisplayText(const CString& uri) {
  CString name = GetUserNameByPhone(uri, 0, 1);
  if (name != GetURIPart(uri, 1)) return WithoutPauses(name);
  return WithoutPauses(name) + "(" + WithoutPauses(GetURIPart(uri, 0)) + ")";
}
