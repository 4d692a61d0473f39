// Cursors and icons: handles that are recorded, never shown. Standard ones by their IDC_ / IDI_
// ids, the module's own by resource id.
#pragma once

#include "platform/Win32Types.h"

#define IDC_ARROW ((LPCTSTR)32512)
#define IDC_IBEAM ((LPCTSTR)32513)
#define IDC_WAIT ((LPCTSTR)32514)
#define IDC_CROSS ((LPCTSTR)32515)
#define IDC_SIZENWSE ((LPCTSTR)32642)
#define IDC_SIZENESW ((LPCTSTR)32643)
#define IDC_SIZEWE ((LPCTSTR)32644)
#define IDC_SIZENS ((LPCTSTR)32645)
#define IDC_SIZEALL ((LPCTSTR)32646)
#define IDC_NO ((LPCTSTR)32648)
#define IDC_HAND ((LPCTSTR)32649)

// A cursor handle for an IDC_ id or a resource id (the same id gives the same handle).
HCURSOR LoadCursor(HINSTANCE instance, LPCTSTR name);
// Sets the current cursor; returns the previous one.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
#define IDI_APPLICATION ((LPCTSTR)32512)
#define IDI_INFORMATION ((LPCTSTR)32516)
// An icon handle for an IDI_ id or a resource id (the same id gives the same handle).
HICON LoadIcon(HINSTANCE instance, LPCTSTR name);
BOOL DestroyIcon(HICON icon);
