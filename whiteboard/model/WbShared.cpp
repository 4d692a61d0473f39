#include "whiteboard/model/WbShared.h"

#include <cstring>

#include "platform/Guid.h"

char* MakeGuidText() {
  static char text[kGuidTextLength + 1];
  GUID guid;
  CoCreateGuid(&guid);
  CString full = platform::GuidToText(guid);
  int n = 0;
  for (int i = 0; i < full.GetLength() && n < kGuidTextLength; ++i)
    if (full[i] != '-') text[n++] = full[i];
  text[n] = '\0';
  return text;
}

CString PointsToPathText(const CArray<CPoint, CPoint>* points) {
  CString path;
  if (!points || points->IsEmpty()) return path;
  path = "M";
  for (int i = 0; i < points->GetSize(); ++i) {
    const CPoint& point = points->GetAt(i);
    path.AppendFormat(" %d %d", (int)point.x, (int)point.y);
    if (i < points->GetUpperBound()) path += " L";
  }
  return path;
}

CString GetIdPrefix(const char* id) {
  if (!id) return CString();
  const char* colon = strchr(id, ':');
  return colon ? CString(id, (int)(colon - id)) : CString(id);
}
