// The saved conference list: past conferences with their events, kept in "mmc.dat" in the
// user's folder.
//
// File: the marker "CharToCode", then the list text scrambled byte by byte (ScrambleBytes).
// The list text is lines ending in '\n':
//   "MMCLIST 1"                                         the format line
//   "C\t<title>\t<uri>\t<start>\t<end>\t<role>"          one conference
//   "E\t<event>"                                         one event of the conference above
// Inside fields '\\', '\t', '\r' and '\n' are written as "\\\\", "\\t", "\\r" and "\\n"
// (byte by byte: GBK trail bytes may equal '\\' and are escaped the same way).
#pragma once

#include <string>

#include "platform/CString.h"
#include "platform/Collections.h"
#include "platform/Win32Types.h"

struct DataConfInfo {
  CString csTitle;
  CString csURI;
  CString csStartTime;
  CString csEndTime;
  CString csStartRole;
  CStringArray saEvents;  // a 19-character time, one separator and the event text
};

typedef CArray<DataConfInfo> DataConfInfoList;

extern const char kDataConfFileName[];  // "mmc.dat"
extern const char kDataConfMarker[];    // "CharToCode"
// The largest file LoadDataConfListFile reads (16 MB); a larger one counts as damaged.
extern const size_t kDataConfFileLimit;

// The scrambler: byte i becomes byte i XOR (0xA7 + 13 * i) (mod 256). It only keeps the file
// from being read as plain text; applying it twice gives the input back.
std::string ScrambleBytes(const std::string& bytes);

std::string FormatDataConfList(const DataConfInfoList& list);
// FALSE (out untouched) when the text is not a well-formed list.
BOOL ParseDataConfList(const std::string& text, DataConfInfoList* out);

// Drops the oldest conferences (the end of the list) until the list's file fits
// kDataConfFileLimit; when the newest conference alone does not fit, its latest events go too.
// The number of conferences and events dropped (0: the list fits as it is).
int FitDataConfList(DataConfInfoList* list);

// Writes the list to path (through a temporary file, so a failed write leaves the old file).
BOOL SaveDataConfListFile(const char* path, const DataConfInfoList& list);
// Reads the list from path; FALSE (out untouched) when the file is missing, too large, lacks
// the marker or is damaged.
BOOL LoadDataConfListFile(const char* path, DataConfInfoList* out);
