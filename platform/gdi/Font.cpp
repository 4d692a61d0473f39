#include "platform/gdi/Font.h"

#include <cstring>

#include "platform/Mbcs.h"

namespace {

LOGFONT MakeLogFont(LONG height, LONG weight, BYTE pitch, const char* face) {
  LOGFONT log{};
  log.lfHeight = height;
  log.lfWeight = weight;
  log.lfCharSet = GB2312_CHARSET;
  log.lfPitchAndFamily = pitch;
  mbcs::CopyLimited(log.lfFaceName, sizeof(log.lfFaceName), face);
  return log;
}

}  // namespace

BOOL CFont::CreateFontIndirect(const LOGFONT* log) {
  if (!log) return FALSE;
  log_ = *log;
  // A face name without its terminating zero is cut, never read past its field.
  size_t length = strnlen(log->lfFaceName, LF_FACESIZE);
  log_.lfFaceName[mbcs::SafeCut(log->lfFaceName, length, LF_FACESIZE - 1)] = '\0';
  created_ = true;
  return TRUE;
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR face, CDC* dc) {
  // Tenths of a point at 96 pixels per inch: pixels = points * 96 / 72, rounded.
  long long pixels = ((long long)pointSize * 96 + 360) / 720;
  LOGFONT log = MakeLogFont(-(LONG)pixels, FW_NORMAL, DEFAULT_PITCH, face ? face : "");
  log.lfCharSet = DEFAULT_CHARSET;
  return CreateFontIndirect(&log);
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCTSTR face) {
  LOGFONT log{height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
              outPrecision, clipPrecision, quality, pitchAndFamily, {}};
  mbcs::CopyLimited(log.lfFaceName, sizeof(log.lfFaceName), face ? face : "");
  return CreateFontIndirect(&log);
}

int CFont::GetLogFont(LOGFONT* log) const {
  if (!log || !created_) return 0;
  *log = log_;
  return (int)sizeof(LOGFONT);
}

BOOL CFont::CreateStockObject(int index) {
  auto* stock = dynamic_cast<CFont*>(GetStockFont(index));
  if (!stock) return FALSE;
  log_ = stock->log_;
  created_ = true;
  return TRUE;
}

CGdiObject* GetStockFont(int index) {
  static CFont fonts[3];
  static bool made = [] {
    // The system font of a Chinese system, the dialog font and the variable-pitch font.
    const LOGFONT logs[3] = {MakeLogFont(16, FW_BOLD, VARIABLE_PITCH, "System"),
                             MakeLogFont(-12, FW_NORMAL, VARIABLE_PITCH, "宋体"),
                             MakeLogFont(-12, FW_NORMAL, VARIABLE_PITCH, "宋体")};
    for (int i = 0; i < 3; ++i) {
      fonts[i].CreateFontIndirect(&logs[i]);
      fonts[i].stock_ = true;
    }
    return true;
  }();
  (void)made;
  switch (index) {
    case SYSTEM_FONT: return &fonts[0];
    case DEFAULT_GUI_FONT: return &fonts[1];
    case ANSI_VAR_FONT: return &fonts[2];
    default: return nullptr;
  }
}
