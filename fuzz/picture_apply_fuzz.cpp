// Received picture and page-background payloads with arbitrary contents: the number fields
// unterminated and the data URL any text, a well-formed data URL around any bytes, or one of
// any format word. ApplyRecord loads or refuses without a fault, and the result draws.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "common/Codecs.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Surface.h"
#include "whiteboard/model/StrokeBitmap.h"
#include "whiteboard/model/StrokeDocPage.h"

namespace {

std::string Base64Of(const uint8_t* data, size_t size) {
  std::vector<BYTE> text((size + 2) / 3 * 4 + 1);
  DWORD length = 0;
  drm_Base64Encode(data, (int)size, text.data(), &length);
  return std::string((const char*)text.data(), length);
}

// The data URL of a payload, by the mode bits of the first byte: the bytes as text, or a
// well-formed URL of a format word around their Base64.
std::string DataUrl(uint8_t mode, const uint8_t* data, size_t size) {
  static const char* const kFormats[] = {"png", "bmp", "jpg", "JPEG", "gif", ""};
  if ((mode & 6) == 0) return std::string((const char*)data, size);
  if ((mode & 6) == 2) return "data:image/" + std::string((const char*)data, size);
  return std::string("data:image/") + kFormats[(mode >> 3) % 6] + ";base64," + Base64Of(data, size);
}

void DrawSmall(CStrokeBase& stroke) {
  gdi::SurfaceRef surface = gdi::SurfaceRef::CreateRgb(64, 64);
  CDC dc;
  if (!dc.AttachSurface(surface.Get())) return;
  stroke.Draw(&dc, &stroke.m_tracker.m_rect);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const size_t kFields = 4 * WB_NUMBER_LEN;
  if (size < 1 + kFields) return 0;
  uint8_t mode = data[0];
  std::string url = DataUrl(mode, data + 1 + kFields, size - 1 - kFields);
  char* text = (mode & 0x40) ? nullptr : const_cast<char*>(url.c_str());
  if (mode & 1) {
    WbDocPagePayload payload = {};
    payload.pszData = text;
    CStrokeDocPage docpage;
    docpage.ApplyRecord(&payload);
    DrawSmall(docpage);
    docpage.GetObjectRecord(WB_MSG_OBJECT_ADD, 0);
  } else {
    WbImagePayload payload = {};
    memcpy(payload.szX, data + 1, kFields);  // x, y, width, height without terminators
    payload.pszData = text;
    CStrokeBitmap bitmap;
    bitmap.ApplyRecord(&payload);
    DrawSmall(bitmap);
    bitmap.ToXmlImage();
  }
  return 0;
}
