#include "platform/gdi/TextFace.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cstring>
#include <tuple>

#include "platform/Charset.h"
#include "platform/Mbcs.h"

namespace gdi {

namespace {

const char kCjkFamily[] = "WenQuanYi Micro Hei";
// Sizes beyond this are drawn at this size: a hostile font record cannot make a glyph the
// size of a poster.
constexpr int kMaxPixelSize = 1000;
// A font of height 0 asks for the default size.
constexpr int kDefaultPixelSize = 12;
// Faces are kept for reuse; past this many distinct ones the cache starts over.
constexpr size_t kMaxCachedFaces = 64;

// The faces a Chinese system offers and the system faces, drawn with the CJK font.
const char* const kCjkAliases[] = {
    u8"宋体", u8"新宋体", u8"黑体", u8"楷体", u8"楷体_GB2312", u8"仿宋", u8"仿宋_GB2312", u8"隶书", u8"幼圆",
    u8"微软雅黑", "SimSun", "NSimSun", "SimHei", "KaiTi", "KaiTi_GB2312", "FangSong", "FangSong_GB2312",
    "Microsoft YaHei", "System", "MS Shell Dlg", "MS Shell Dlg 2", "MS Sans Serif", "Fixedsys", "Terminal"};

// The process's Pango state: one font map at 96 pixels per inch and one context whose font
// options make rendering binary and metrics whole pixels. Pango is not thread-safe; every use
// holds the lock.
struct PangoState {
  std::mutex lock;
  PangoFontMap* fontMap = nullptr;
  PangoContext* context = nullptr;
  std::map<TextFace::Key, std::shared_ptr<const TextFace>> faces;

  PangoState() {
    fontMap = pango_cairo_font_map_new();
    pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(fontMap), 96.0);
    context = pango_font_map_create_context(fontMap);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
    pango_context_set_round_glyph_positions(context, TRUE);
    pango_context_set_language(context, pango_language_from_string("zh-cn"));
  }
};

PangoState& State() {
  static PangoState* state = new PangoState;  // lives as long as the process
  return *state;
}

PangoFontDescription* NewDescription(const std::string& family, int pixelSize, int weight, bool italic) {
  PangoFontDescription* d = pango_font_description_new();
  pango_font_description_set_family(d, family.c_str());
  pango_font_description_set_absolute_size(d, (double)pixelSize * PANGO_SCALE);
  pango_font_description_set_weight(d, (PangoWeight)weight);
  pango_font_description_set_style(d, italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  return d;
}

// A layout of utf8 in d, kerning and ligatures off. The caller holds the lock.
PangoLayout* NewLayout(PangoFontDescription* d, const std::string& utf8, PangoAttrList* extra = nullptr) {
  PangoLayout* layout = pango_layout_new(State().context);
  pango_layout_set_font_description(layout, d);
  PangoAttrList* attrs = extra ? pango_attr_list_ref(extra) : pango_attr_list_new();
  pango_attr_list_insert(attrs, pango_attr_font_features_new("kern 0, liga 0, clig 0"));
  pango_layout_set_attributes(layout, attrs);
  pango_attr_list_unref(attrs);
  pango_layout_set_text(layout, utf8.data(), (int)utf8.size());
  return layout;
}

int LayoutWidth(PangoFontDescription* d, const std::string& utf8) {
  PangoLayout* layout = NewLayout(d, utf8);
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  g_object_unref(layout);
  return PANGO_PIXELS(logical.width);
}

// Cell height and ascent of a face (from a line of the Latin and CJK sample).
void CellMetrics(PangoFontDescription* d, int* height, int* ascent) {
  PangoLayout* layout = NewLayout(d, u8"x中");
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  *height = PANGO_PIXELS(logical.height);
  *ascent = PANGO_PIXELS(pango_layout_get_baseline(layout));
  g_object_unref(layout);
}

// The em size whose cell is at most cellHeight pixels high.
int EmForCellHeight(const std::string& family, int weight, bool italic, int cellHeight) {
  auto cellOf = [&](int em) {
    PangoFontDescription* d = NewDescription(family, em, weight, italic);
    int height = 0, ascent = 0;
    CellMetrics(d, &height, &ascent);
    pango_font_description_free(d);
    return height;
  };
  int reference = cellOf(cellHeight);
  int em = reference > 0 ? std::max(1, (int)((long long)cellHeight * cellHeight / reference)) : cellHeight;
  while (em < cellHeight && cellOf(em + 1) <= cellHeight) ++em;
  while (em > 1 && cellOf(em) > cellHeight) --em;
  return em;
}

}  // namespace

std::string ResolveFamily(const char* faceGbk) {
  std::string face = charset::GbkToUtf8(faceGbk ? faceGbk : "");
  // Commas separate the families of a Pango list: a face name cannot add families.
  face.erase(std::remove(face.begin(), face.end(), ','), face.end());
  if (face.empty()) return kCjkFamily;
  for (const char* alias : kCjkAliases)
    if (strcasecmp(face.c_str(), alias) == 0) return kCjkFamily;
  return face + "," + kCjkFamily;
}

bool TextFace::Key::operator<(const Key& o) const {
  return std::tie(family, pixelSize, weight, italic, underline, strikeOut) <
         std::tie(o.family, o.pixelSize, o.weight, o.italic, o.underline, o.strikeOut);
}

std::shared_ptr<const TextFace> TextFace::Resolve(const LOGFONT& log) {
  char face[LF_FACESIZE];
  memcpy(face, log.lfFaceName, sizeof(face));
  face[LF_FACESIZE - 1] = '\0';
  Key key;
  key.family = ResolveFamily(face);
  key.weight = log.lfWeight <= 0 ? FW_NORMAL : std::min<LONG>(std::max<LONG>(log.lfWeight, 100), 1000);
  key.italic = log.lfItalic != 0;
  key.underline = log.lfUnderline != 0;
  key.strikeOut = log.lfStrikeOut != 0;
  long long height = log.lfHeight;
  PangoState& state = State();
  std::lock_guard<std::mutex> hold(state.lock);
  if (height == 0) {
    key.pixelSize = kDefaultPixelSize;
  } else if (height < 0) {
    key.pixelSize = (int)std::min<long long>(-height, kMaxPixelSize);
  } else {
    key.pixelSize = EmForCellHeight(key.family, key.weight, key.italic, (int)std::min<long long>(height, kMaxPixelSize));
  }
  auto found = state.faces.find(key);
  if (found != state.faces.end()) return found->second;
  if (state.faces.size() >= kMaxCachedFaces) state.faces.clear();
  std::shared_ptr<const TextFace> made(new TextFace(key, log));
  state.faces.emplace(key, made);
  return made;
}

TextFace::TextFace(const Key& key, const LOGFONT& log) : key_(key), pixelSize_(key.pixelSize) {
  description_ = NewDescription(key.family, key.pixelSize, key.weight, key.italic);
  int height = 0, ascent = 0;
  CellMetrics(description_, &height, &ascent);
  TEXTMETRIC& tm = metrics_;
  tm.tmHeight = height;
  tm.tmAscent = ascent;
  tm.tmDescent = height - ascent;
  tm.tmInternalLeading = std::max(0, height - key.pixelSize);
  tm.tmExternalLeading = 0;
  tm.tmAveCharWidth = LayoutWidth(description_, "x");
  tm.tmMaxCharWidth = std::max({LayoutWidth(description_, "W"), LayoutWidth(description_, "M"),
                                LayoutWidth(description_, u8"中")});
  tm.tmWeight = key.weight;
  tm.tmDigitizedAspectX = tm.tmDigitizedAspectY = 96;
  tm.tmFirstChar = 0x20;
  tm.tmLastChar = 0xFE;
  tm.tmDefaultChar = 0x1F;
  tm.tmBreakChar = 0x20;
  tm.tmItalic = key.italic;
  tm.tmUnderlined = key.underline;
  tm.tmStruckOut = key.strikeOut;
  tm.tmPitchAndFamily = log.lfPitchAndFamily;
  tm.tmCharSet = log.lfCharSet;
}

TextFace::~TextFace() { pango_font_description_free(description_); }

std::string TextFace::Utf8(const char* gbk, int len) const {
  std::string kept;
  kept.reserve(len);
  for (int i = 0; i < len; ++i)
    if ((unsigned char)gbk[i] >= 0x20) kept += gbk[i];
  return charset::GbkToUtf8(kept);
}

int TextFace::Advance(const char* gbk, int len) const {
  if (len <= 0 || (unsigned char)gbk[0] < 0x20) return 0;
  unsigned code = len == 2 ? ((unsigned char)gbk[0] << 8 | (unsigned char)gbk[1]) : (unsigned char)gbk[0];
  std::lock_guard<std::mutex> hold(State().lock);
  auto found = advances_.find(code);
  if (found != advances_.end()) return found->second;
  int advance = LayoutWidth(description_, Utf8(gbk, len));
  advances_.emplace(code, advance);
  return advance;
}

int TextFace::Width(const char* gbk, int len) const {
  int width = 0;
  for (int i = 0; i < len;) {
    int n = (int)mbcs::CharLength(gbk, len, i);
    width += Advance(gbk + i, n);
    i += n;
  }
  return width;
}

namespace {

// The rows of an A8 mask as runs of pixels at least half covered, offset by (dx, dy).
SpanSet MaskSpans(cairo_surface_t* mask, int dx, int dy) {
  cairo_surface_flush(mask);
  const unsigned char* data = cairo_image_surface_get_data(mask);
  int stride = cairo_image_surface_get_stride(mask);
  int width = cairo_image_surface_get_width(mask), height = cairo_image_surface_get_height(mask);
  SpanSet::Builder out(dy);
  for (int y = 0; y < height; ++y) {
    const unsigned char* row = data + (size_t)y * stride;
    for (int x = 0; x < width;) {
      if (row[x] < 128) {
        ++x;
        continue;
      }
      int start = x;
      while (x < width && row[x] >= 128) ++x;
      out.Add(dx + start, dx + x);
    }
    out.NextRow();
  }
  return out.Finish();
}

}  // namespace

SpanSet TextFace::Glyphs(const char* gbk, int len, int x, int y, const RECT& window, int underlineAt) const {
  if (len <= 0) return SpanSet();
  int width = Width(gbk, len);
  int pad = pixelSize_ / 2 + 2;
  RECT box{std::max<LONG>((LONG)std::max<long long>((long long)x - pad, INT32_MIN), window.left),
           std::max<LONG>((LONG)std::max<long long>((long long)y - pad, INT32_MIN), window.top),
           std::min<LONG>((LONG)std::min<long long>((long long)x + width + pad, INT32_MAX), window.right),
           std::min<LONG>((LONG)std::min<long long>((long long)y + metrics_.tmHeight + pad, INT32_MAX), window.bottom)};
  if (box.left >= box.right || box.top >= box.bottom) return SpanSet();

  std::string utf8 = Utf8(gbk, len);
  PangoAttrList* attrs = pango_attr_list_new();
  if (key_.underline) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (key_.strikeOut) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
  if (underlineAt >= 0 && underlineAt < len) {
    int n = (int)mbcs::CharLength(gbk, len, underlineAt);
    PangoAttribute* mark = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
    mark->start_index = (guint)Utf8(gbk, underlineAt).size();
    mark->end_index = (guint)Utf8(gbk, underlineAt + n).size();
    pango_attr_list_insert(attrs, mark);
  }

  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, box.right - box.left, box.bottom - box.top);
  SpanSet pixels;
  if (cairo_surface_status(mask) == CAIRO_STATUS_SUCCESS) {
    std::lock_guard<std::mutex> hold(State().lock);
    PangoLayout* layout = NewLayout(description_, utf8, attrs);
    int baseline = PANGO_PIXELS(pango_layout_get_baseline(layout));
    cairo_t* cr = cairo_create(mask);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_translate(cr, -(double)box.left, -(double)box.top);
    // The baseline goes where the face's own ascent puts it, whatever fallback fonts the run uses.
    cairo_move_to(cr, x, (double)y + metrics_.tmAscent - baseline);
    pango_cairo_show_layout(cr, layout);
    cairo_destroy(cr);
    g_object_unref(layout);
    pixels = MaskSpans(mask, box.left, box.top);
  }
  cairo_surface_destroy(mask);
  pango_attr_list_unref(attrs);
  return pixels;
}

}  // namespace gdi
