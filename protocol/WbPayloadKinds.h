// One description of each shape payload kind (layouts in WbRecords.h): its block size, the text
// and style record that hang from it, and its decimal fields. Whatever frees, copies, packs,
// prints or reads a payload walks these descriptions rather than switching on the object type.
#pragma once

#include <cstddef>
#include <cstring>
#include <initializer_list>

#include "protocol/WbRecords.h"

// X(object type, payload struct, readable name, offset of the text pointer (path, text or
// data URL), offset of the style-record pointer, (names of the decimal fields)). An offset of
// -1: the kind has no such pointer. The decimal fields, WB_NUMBER_LEN bytes each, follow the
// head in this order.
#define WB_PAYLOAD_KINDS(X)                                                                        \
  X(WB_OBJ_RECT, WbRectPayload, "rectangle", -1, offsetof(WbRectPayload, pStyle),                  \
    ("x", "y", "width", "height", "corner x", "corner y"))                                         \
  X(WB_OBJ_LINE, WbLinePayload, "line", -1, offsetof(WbLinePayload, pStyle), ("x1", "y1", "x2", "y2")) \
  X(WB_OBJ_CIRCLE, WbCirclePayload, "circle", -1, offsetof(WbCirclePayload, pStyle), ("cx", "cy", "r")) \
  X(WB_OBJ_ELLIPSE, WbEllipsePayload, "ellipse", -1, offsetof(WbEllipsePayload, pStyle),           \
    ("cx", "cy", "rx", "ry"))                                                                      \
  X(WB_OBJ_PATH, WbPathPayload, "path", offsetof(WbPathPayload, pszPath), offsetof(WbPathPayload, pStyle), ()) \
  X(WB_OBJ_TEXT, WbTextPayload, "text", offsetof(WbTextPayload, pszText), offsetof(WbTextPayload, pStyle), \
    ("x", "y", "width", "height"))                                                                 \
  X(WB_OBJ_IMAGE, WbImagePayload, "picture", offsetof(WbImagePayload, pszData), -1,                \
    ("x", "y", "width", "height"))                                                                 \
  X(WB_OBJ_DOCPAGE, WbDocPagePayload, "page background", offsetof(WbDocPagePayload, pszData), -1, ())

constexpr int kWbMaxNumberFields = 6;

struct WbPayloadKind {
  DWORD nObjType;                                // WbObjectType; 0 for the bare head
  const char* name;                              // "rectangle", "path", ...
  size_t size;                                   // bytes of the block
  int textOffset;                                // -1: no text pointer
  int styleOffset;                               // -1: no style-record pointer
  const char* numberNames[kWbMaxNumberFields];   // the decimal fields' names; NULL past the last

  constexpr int NumberCount() const {
    int n = 0;
    while (n < kWbMaxNumberFields && numberNames[n]) ++n;
    return n;
  }
  // Where the decimal fields end: at the first pointer, or at the block's end.
  constexpr size_t NumbersEnd() const { return sizeof(WbShapePayload) + NumberCount() * WB_NUMBER_LEN; }
};

#define WB_PAYLOAD_NAMES(...) {__VA_ARGS__}
#define WB_PAYLOAD_KIND_ROW(type, T, name, text, style, numbers) \
  {type, name, sizeof(T), text, style, WB_PAYLOAD_NAMES numbers},
inline constexpr WbPayloadKind kWbPayloadKinds[] = {WB_PAYLOAD_KINDS(WB_PAYLOAD_KIND_ROW)};
#undef WB_PAYLOAD_KIND_ROW
#undef WB_PAYLOAD_NAMES
constexpr size_t kWbPayloadKindCount = sizeof kWbPayloadKinds / sizeof kWbPayloadKinds[0];

// A type no kind has (0 until the builder sets it): the bare head, nothing hanging from it.
inline constexpr WbPayloadKind kWbUnknownPayloadKind = {0, "object", sizeof(WbShapePayload), -1, -1, {}};

constexpr const WbPayloadKind& WbPayloadKindOfType(DWORD type) {
  for (const WbPayloadKind& kind : kWbPayloadKinds)
    if (kind.nObjType == type) return kind;
  return kWbUnknownPayloadKind;
}

inline const WbPayloadKind& WbPayloadKindOf(const void* payload) {
  return WbPayloadKindOfType(static_cast<const WbShapePayload*>(payload)->nObjType);
}

// The pointer at offset of a payload (NULL for offset -1). Pointers inside packed blocks are not
// aligned: they move with memcpy.
inline void* WbPayloadPointer(const void* payload, int offset) {
  void* p = nullptr;
  if (offset >= 0) std::memcpy(&p, static_cast<const char*>(payload) + offset, sizeof p);
  return p;
}
inline void SetWbPayloadPointer(void* payload, int offset, const void* p) {
  if (offset >= 0) std::memcpy(static_cast<char*>(payload) + offset, &p, sizeof p);
}

// Calls visit with the payload as the struct of its kind (const WbRectPayload* ...), or as its
// bare head (const WbShapePayload*) for a type no kind has; returns what visit returns.
template <class Visitor>
auto VisitWbPayload(const void* payload, Visitor&& visit) {
  switch (static_cast<const WbShapePayload*>(payload)->nObjType) {
#define WB_PAYLOAD_VISIT_CASE(type, T, name, text, style, numbers) \
  case type: return visit(static_cast<const T*>(payload));
    WB_PAYLOAD_KINDS(WB_PAYLOAD_VISIT_CASE)
#undef WB_PAYLOAD_VISIT_CASE
    default: return visit(static_cast<const WbShapePayload*>(payload));
  }
}

// Each description agrees with its struct: the decimal fields run from the head to the first
// pointer, or to the end of a block without pointers.
constexpr bool WbPayloadKindsAgree() {
  for (const WbPayloadKind& kind : kWbPayloadKinds) {
    size_t firstPointer = kind.size;
    for (int offset : {kind.textOffset, kind.styleOffset})
      if (offset >= 0 && (size_t)offset < firstPointer) firstPointer = offset;
    if (kind.NumbersEnd() != firstPointer) return false;
  }
  return true;
}
static_assert(WbPayloadKindsAgree(), "payload kind descriptions");
