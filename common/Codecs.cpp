#include "common/Codecs.h"

#include <cstdio>
#include <cstring>

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

const char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int Base64Value(BYTE c) {
  const char* hit = c ? strchr(kBase64, c) : nullptr;
  return hit ? (int)(hit - kBase64) : -1;
}

// The decoded length of a Base64 text, or -1 when it is not valid.
int Base64DecodedLength(const BYTE* in, int inLen) {
  int padding = 0;
  if (inLen >= 1 && in[inLen - 1] == '=') ++padding;
  if (inLen >= 2 && in[inLen - 2] == '=') ++padding;
  for (int i = 0; i < inLen - padding; ++i)
    if (Base64Value(in[i]) < 0) return -1;
  return inLen / 4 * 3 - padding;
}

}  // namespace

CString HexEncodeString(const char* text) {
  CString hex;
  if (!text) return hex;
  size_t len = strlen(text);
  char* out = hex.GetBufferSetLength((int)(len * 2));
  for (size_t i = 0; i < len; ++i) snprintf(out + i * 2, 3, "%02x", (unsigned char)text[i]);
  hex.ReleaseBuffer((int)(len * 2));
  return hex;
}

int HexDecodeString(CString hex, BYTE* out, int outSize) {
  int len = hex.GetLength();
  if (!out || len % 2 != 0 || len / 2 > outSize) return -1;
  for (int i = 0; i < len; ++i)
    if (HexValue(hex[i]) < 0) return -1;
  for (int i = 0; i < len / 2; ++i) out[i] = (BYTE)(HexValue(hex[2 * i]) * 16 + HexValue(hex[2 * i + 1]));
  return len / 2;
}

int drm_Base64Encode(const BYTE* in, int inLen, BYTE* out, DWORD* outLen) {
  if ((!in && inLen > 0) || !out || inLen < 0) return -1;
  DWORD n = 0;
  for (int i = 0; i < inLen; i += 3) {
    int left = inLen - i;
    DWORD group = (DWORD)in[i] << 16 | (left > 1 ? (DWORD)in[i + 1] << 8 : 0) | (left > 2 ? in[i + 2] : 0);
    out[n++] = kBase64[group >> 18 & 63];
    out[n++] = kBase64[group >> 12 & 63];
    out[n++] = left > 1 ? kBase64[group >> 6 & 63] : '=';
    out[n++] = left > 2 ? kBase64[group & 63] : '=';
  }
  if (outLen) *outLen = n;
  return 0;
}

int Base64Decode(const BYTE* in, int inLen, BYTE* out, DWORD* outLen, DWORD outSize) {
  if (!in || !out || inLen < 0 || inLen % 4 != 0) return -1;
  int total = Base64DecodedLength(in, inLen);
  if (total < 0 || (DWORD)total > outSize) return -1;
  DWORD n = 0;
  for (int i = 0; i < inLen; i += 4) {
    DWORD group = 0;
    for (int k = 0; k < 4; ++k) {
      int v = Base64Value(in[i + k]);
      group = group << 6 | (DWORD)(v < 0 ? 0 : v);
    }
    BYTE bytes[3] = {(BYTE)(group >> 16), (BYTE)(group >> 8), (BYTE)group};
    for (int k = 0; k < 3 && n < (DWORD)total; ++k) out[n++] = bytes[k];
  }
  if (outLen) *outLen = n;
  return 0;
}
