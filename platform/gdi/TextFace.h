// A LOGFONT resolved to a Pango font: its metrics, the advance of each character, and the
// pixels of a run of text. Text is GBK here and becomes UTF-8 only at Pango's door.
//
// Rendering is binary and deterministic: 96 pixels per inch, glyph metrics and positions
// rounded to whole pixels, no antialiasing, kerning and ligatures off, so a run's width is
// the sum of its characters' advances and what is measured is what is drawn. The Chinese
// faces ("宋体", "黑体" ...) and the system faces resolve to the installed CJK font; any other
// face is asked of fontconfig with the CJK font behind it.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/gdi/Font.h"
#include "platform/gdi/SpanSet.h"

typedef struct _PangoFontDescription PangoFontDescription;

namespace gdi {

class TextFace {
 public:
  // The face for a font, shared by every font with the same resolved description.
  static std::shared_ptr<const TextFace> Resolve(const LOGFONT& log);

  const TEXTMETRIC& Metrics() const { return metrics_; }
  // Advance in pixels of the character of len (1 or 2) bytes at gbk; control characters
  // (tab, CR, LF ...) advance 0.
  int Advance(const char* gbk, int len) const;
  // Sum of the advances of the characters of text[0, len).
  int Width(const char* gbk, int len) const;
  // The pixels of text[0, len) drawn with the top of its character cells at y and the start of
  // its first cell at x (device coordinates), underlined and struck out as the font asks, plus
  // an underline below the character at byte underlineAt when it is not negative. Only the part
  // inside window is rendered. Control characters are not drawn.
  SpanSet Glyphs(const char* gbk, int len, int x, int y, const RECT& window, int underlineAt = -1) const;

  TextFace(const TextFace&) = delete;
  TextFace& operator=(const TextFace&) = delete;
  ~TextFace();

  struct Key {
    std::string family;  // UTF-8, a Pango family list
    int pixelSize;
    int weight;
    bool italic;
    bool underline;
    bool strikeOut;
    bool operator<(const Key& o) const;
  };

 private:
  explicit TextFace(const Key& key, const LOGFONT& log);
  std::string Utf8(const char* gbk, int len) const;

  Key key_;
  PangoFontDescription* description_ = nullptr;
  TEXTMETRIC metrics_{};
  int pixelSize_ = 0;  // the em size the face is drawn at
  mutable std::map<unsigned, int> advances_;  // GBK code -> pixels
};

// The family (UTF-8) that a LOGFONT face name (GBK) is drawn with.
std::string ResolveFamily(const char* faceGbk);

}  // namespace gdi
