// The conference defaults file "mmc_dfs.dat", kept in the user's folder: the hexadecimal form of
//   <mmc_dfs><data subject=".." maxnum=".." period=".." remaintime=".." mempwd=".." masterpwd=".."
//   visitorpwd=".." playstatussound=".."></data></mmc_dfs>
// Text values carry '&' and '"' as "&amp;" and "&quot;", so every subject loads back as typed;
// other bytes (Chinese text, '<', '\'') go in as they are, so a file without either is what
// earlier versions wrote. "mmc_dfs.bak" beside it is what an earlier version's failed write left.
#pragma once

#include <string>

#include "module/UserOptions.h"
#include "platform/Win32Types.h"

extern const char kConfDefaultsFileName[];    // "mmc_dfs.dat"
extern const char kConfDefaultsBackupName[];  // "mmc_dfs.bak"

// Where a read stopped; the numbers are the steps the module's log names.
enum class ConfDefaultsRead {
  kDone = 0,
  kUnreadable = 1,     // missing, not a file, or larger than the limit
  kNotHex = 6,         // empty, cut, or not a hexadecimal text
  kNotTagged = 7,      // not a tagged text
  kNoDataElement = 8,  // no mmc_dfs element with content
};

// The file's bytes for the record.
std::string FormatConfDefaultsFile(const ConfDefaultData& d);
// Reads a file's bytes into *d; the last data element wins. *d is unchanged unless kDone.
ConfDefaultsRead ParseConfDefaultsFile(const std::string& bytes, ConfDefaultData* d);

// Reads the file at path into *d, as ParseConfDefaultsFile. A file larger than 1 MB (a file holds
// a few hundred bytes), a device or a foreign file, is unreadable.
ConfDefaultsRead ReadConfDefaultsFile(const char* path, ConfDefaultData* d);
// Writes the record to path through a temporary file that replaces the old one only once it is
// whole; FALSE (the old file kept) when the write failed or was short.
BOOL WriteConfDefaultsFile(const char* path, const ConfDefaultData& d);
