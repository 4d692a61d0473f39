// GUID creation and text. Fresh GUIDs are random version-4 values; tests can make them
// deterministic with SetGuidSeed.
#pragma once

#include "platform/CString.h"
#include "platform/Win32Types.h"

typedef LONG HRESULT;
#ifndef S_OK
#define S_OK ((HRESULT)0L)
#define S_FALSE ((HRESULT)1L)
#define E_FAIL ((HRESULT)0x80004005L)
#define E_INVALIDARG ((HRESULT)0x80070057L)
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)
#endif

HRESULT CoCreateGuid(GUID* guid);

namespace platform {
// From now on CoCreateGuid yields a fixed sequence determined by `seed`.
void SetGuidSeed(uint64_t seed);
// Back to random GUIDs.
void UseRandomGuids();
// "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx", lower-case, as UuidToString writes it.
CString GuidToText(const GUID& guid);
}  // namespace platform
