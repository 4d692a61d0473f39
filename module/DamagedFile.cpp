#include "module/DamagedFile.h"

#include "platform/Files.h"

CString SetDamagedFileAside(const CString& path) {
  const int kMaxCopies = 99;
  for (int copy = 1; copy <= kMaxCopies; ++copy) {
    CString aside = path + ".damaged";
    if (copy > 1) aside.AppendFormat("%d", copy);
    if (PathFileExists(aside)) continue;
    return MoveFile(path, aside) ? aside : CString();
  }
  return CString();
}
