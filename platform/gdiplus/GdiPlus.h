// The GDI+ stand-in: status codes, class ids and the start-up/shut-down token.
// Pictures are decoded with stb_image and encoded with stb_image_write (GpImage.h, GpEncoders.h).
#pragma once

#include "platform/Win32Types.h"

typedef GUID CLSID;
typedef uintptr_t ULONG_PTR;

namespace Gdiplus {

// Status codes with their GDI+ values.
enum Status {
  Ok = 0,
  GenericError = 1,
  InvalidParameter = 2,
  OutOfMemory = 3,
  ObjectBusy = 4,
  InsufficientBuffer = 5,
  NotImplemented = 6,
  Win32Error = 7,
  WrongState = 8,
  Aborted = 9,
  FileNotFound = 10,
  ValueOverflow = 11,
  AccessDenied = 12,
  UnknownImageFormat = 13,
  FontFamilyNotFound = 14,
  FontStyleNotFound = 15,
  NotTrueTypeFont = 16,
  UnsupportedGdiplusVersion = 17,
  GdiplusNotInitialized = 18,
};

typedef void (*DebugEventProc)(int level, char* message);

struct GdiplusStartupInput {
  UINT GdiplusVersion = 1;
  DebugEventProc DebugEventCallback = nullptr;
  BOOL SuppressBackgroundThread = FALSE;
  BOOL SuppressExternalCodecs = FALSE;
};

struct GdiplusStartupOutput {
  void* NotificationHook;
  void* NotificationUnhook;
};

// Starts a session: a fresh non-zero token in *token. Only version 1 exists; a caller that
// suppresses the background thread must take the notification hooks in *output.
Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output);
// Ends the session of the token; an unknown or already ended token is ignored.
void GdiplusShutdown(ULONG_PTR token);
// How many sessions are open.
int GdiplusOpenSessions();

}  // namespace Gdiplus
