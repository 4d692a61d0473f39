#include "common/UriParts.h"

namespace {

struct SplitUri {
  CString scheme, user, host, resource;
};

SplitUri Split(const CString& uri) {
  SplitUri parts;
  CString rest = uri;
  int colon = rest.Find(':');
  int at = rest.Find('@');
  // A ':' after the '@' belongs to the host (a port), not to a scheme.
  if (colon >= 0 && (at < 0 || colon < at)) {
    parts.scheme = rest.Left(colon);
    rest = rest.Mid(colon + 1);
  }
  int end = rest.FindOneOf(";/");
  if (end >= 0) {
    parts.resource = rest.Mid(end + 1);
    rest = rest.Left(end);
  }
  at = rest.Find('@');
  if (at >= 0) {
    parts.user = rest.Left(at);
    parts.host = rest.Mid(at + 1);
  } else {
    parts.user = rest;
  }
  return parts;
}

}  // namespace

CString GetURIPart(CString uri, int part) {
  SplitUri p = Split(uri);
  switch (part) {
    case kUriUserAtHost:
      return p.host.IsEmpty() ? p.user : p.user + "@" + p.host;
    case kUriUser:
      return p.user;
    case kUriHost:
      return p.host;
    case kUriResource:
      return p.resource;
    case kUriScheme:
      return p.scheme;
    case kUriSchemeUser:
      return (p.scheme.IsEmpty() ? CString("sip") : p.scheme) + ":" + p.user;
    default:
      return CString();
  }
}

BOOL IsTelNumber(CString text) {
  if (text.IsEmpty()) return FALSE;
  text.MakeLower();
  if (text.Left(4) == "tel:") text = text.Mid(4);
  return IsAllDigits(text);
}

BOOL IsAllDigits(CString text) {
  for (int i = 0; i < text.GetLength(); ++i)
    if (text[i] < '0' || text[i] > '9') return FALSE;
  return TRUE;
}
