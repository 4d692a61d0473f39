// Fonts: LOGFONT and TEXTMETRIC with their Win32 layouts, the DrawText and TextOut constants,
// and CFont. A device context copies a font's LOGFONT when it is selected, as it does with
// pens and brushes, so deleting a selected font is safe.
#pragma once

#include "platform/gdi/GdiObjects.h"

enum { LF_FACESIZE = 32 };

// Weights.
enum { FW_DONTCARE = 0, FW_THIN = 100, FW_LIGHT = 300, FW_NORMAL = 400, FW_MEDIUM = 500, FW_SEMIBOLD = 600,
       FW_BOLD = 700, FW_HEAVY = 900 };
// Character sets and pitch.
enum { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, GB2312_CHARSET = 134, CHINESEBIG5_CHARSET = 136 };
enum { DEFAULT_PITCH = 0, FIXED_PITCH = 1, VARIABLE_PITCH = 2 };

// Stock fonts (GetStockObject).
enum { OEM_FIXED_FONT = 10, ANSI_FIXED_FONT = 11, ANSI_VAR_FONT = 12, SYSTEM_FONT = 13, DEFAULT_GUI_FONT = 17 };

// DrawText formats.
enum : UINT {
  DT_TOP = 0x0000,
  DT_LEFT = 0x0000,
  DT_CENTER = 0x0001,
  DT_RIGHT = 0x0002,
  DT_VCENTER = 0x0004,
  DT_BOTTOM = 0x0008,
  DT_WORDBREAK = 0x0010,
  DT_SINGLELINE = 0x0020,
  DT_EXPANDTABS = 0x0040,
  DT_TABSTOP = 0x0080,
  DT_NOCLIP = 0x0100,
  DT_EXTERNALLEADING = 0x0200,
  DT_CALCRECT = 0x0400,
  DT_NOPREFIX = 0x0800,
  DT_EDITCONTROL = 0x2000,
};

// Text alignment of TextOut (SetTextAlign).
enum : UINT {
  TA_LEFT = 0,
  TA_TOP = 0,
  TA_RIGHT = 2,
  TA_CENTER = 6,
  TA_BOTTOM = 8,
  TA_BASELINE = 24,
};

struct LOGFONT {
  LONG lfHeight;  // < 0: character height in pixels; > 0: cell height; 0: the default size
  LONG lfWidth;   // average character width; 0 keeps the face's proportions
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  CHAR lfFaceName[LF_FACESIZE];  // GBK, zero-terminated
};
typedef LOGFONT* LPLOGFONT;
static_assert(sizeof(LOGFONT) == 60, "LOGFONT layout");

struct TEXTMETRIC {
  LONG tmHeight;  // ascent + descent
  LONG tmAscent;
  LONG tmDescent;
  LONG tmInternalLeading;  // tmHeight - the character height
  LONG tmExternalLeading;
  LONG tmAveCharWidth;
  LONG tmMaxCharWidth;
  LONG tmWeight;
  LONG tmOverhang;
  LONG tmDigitizedAspectX;
  LONG tmDigitizedAspectY;
  BYTE tmFirstChar;
  BYTE tmLastChar;
  BYTE tmDefaultChar;
  BYTE tmBreakChar;
  BYTE tmItalic;
  BYTE tmUnderlined;
  BYTE tmStruckOut;
  BYTE tmPitchAndFamily;
  BYTE tmCharSet;
};
typedef TEXTMETRIC* LPTEXTMETRIC;

// The extra parameters of DrawTextEx; cbSize must be sizeof(DRAWTEXTPARAMS).
struct DRAWTEXTPARAMS {
  UINT cbSize;
  int iTabLength;     // tab stops in average character widths (0: 8)
  int iLeftMargin;    // pixels
  int iRightMargin;   // pixels
  UINT uiLengthDrawn; // out: the characters (bytes) processed
};
typedef DRAWTEXTPARAMS* LPDRAWTEXTPARAMS;

class CDC;

class CFont : public CGdiObject {
 public:
  CFont() = default;
  BOOL CreateFontIndirect(const LOGFONT* log);
  // A font of pointSize tenths of a point (96 pixels per inch) in face, otherwise defaults.
  BOOL CreatePointFont(int pointSize, LPCTSTR face, CDC* dc = nullptr);
  BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                  BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                  BYTE quality, BYTE pitchAndFamily, LPCTSTR face);
  int GetLogFont(LOGFONT* log) const;
  BOOL CreateStockObject(int index) override;
  operator HFONT() const { return created_ ? reinterpret_cast<HFONT>(const_cast<CFont*>(this)) : nullptr; }
  static CFont* FromHandle(HFONT handle) { return reinterpret_cast<CFont*>(handle); }
  const LOGFONT& Attrs() const { return log_; }

 private:
  void Reset() override { log_ = LOGFONT(); }
  LOGFONT log_{};
  friend CGdiObject* GetStockFont(int index);
};

// The stock fonts; NULL for another index. GetStockObject answers these indices with them.
CGdiObject* GetStockFont(int index);
