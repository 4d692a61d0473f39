// Hexadecimal and Base64 text forms of byte strings.
#pragma once

#include "platform/CString.h"
#include "platform/Win32Types.h"

// Every byte of text as two lower-case hexadecimal digits, no separator.
CString HexEncodeString(const char* text);
// Decodes two hexadecimal digits (either case) per byte into out, which holds outSize bytes.
// Returns the byte count, or -1 (out unchanged) for an odd length, a character that is not a
// hexadecimal digit, or more bytes than outSize.
int HexDecodeString(CString hex, BYTE* out, int outSize);

// Standard Base64 (A-Z a-z 0-9 + /, '=' padding) of inLen bytes into out, which must hold
// 4 * ceil(inLen / 3) bytes; the length into *outLen. 0, or -1 for NULL arguments.
int drm_Base64Encode(const BYTE* in, int inLen, BYTE* out, DWORD* outLen);
// Decodes inLen Base64 characters into out, which holds outSize bytes; the byte count into
// *outLen when given. 0, or -1 (nothing written) when in or out is NULL, inLen is not a
// multiple of 4, a character is outside the alphabet, '=' stands anywhere but in the last
// two places, or the result would not fit.
int Base64Decode(const BYTE* in, int inLen, BYTE* out, DWORD* outLen, DWORD outSize);
