#include "platform/Guid.h"

#include <random>

namespace {

struct GuidSource {
  std::mt19937_64 engine{std::random_device{}()};
};

GuidSource& Source() {
  static GuidSource source;
  return source;
}

}  // namespace

HRESULT CoCreateGuid(GUID* guid) {
  if (!guid) return E_INVALIDARG;
  GuidSource& s = Source();
  uint64_t hi = s.engine(), lo = s.engine();
  guid->Data1 = (DWORD)(hi >> 32);
  guid->Data2 = (WORD)(hi >> 16);
  guid->Data3 = (WORD)((hi & 0x0FFF) | 0x4000);  // version 4
  for (int i = 0; i < 8; ++i) guid->Data4[i] = (BYTE)(lo >> (56 - 8 * i));
  guid->Data4[0] = (BYTE)((guid->Data4[0] & 0x3F) | 0x80);  // variant 1
  return S_OK;
}

namespace platform {

void SetGuidSeed(uint64_t seed) {
  Source().engine.seed(seed);
}

void UseRandomGuids() {
  Source().engine.seed(std::random_device{}());
}

CString GuidToText(const GUID& g) {
  CString text;
  text.Format("%08x-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x", g.Data1, g.Data2, g.Data3, g.Data4[0],
              g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
  return text;
}

}  // namespace platform
