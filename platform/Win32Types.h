// Basic Win32 scalar types, handles and macros as the module's code uses them.
// The module is a 32-bit library: every type here has its Win32 size on i686.
#pragma once

#include <cstddef>
#include <cstdint>

typedef int BOOL;
typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef unsigned int UINT;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef int INT;
typedef char CHAR;
typedef char TCHAR;
typedef const char* LPCSTR;
typedef const char* LPCTSTR;
typedef char* LPSTR;
typedef char* LPTSTR;
typedef void* LPVOID;
typedef BYTE* LPBYTE;
typedef DWORD COLORREF;

typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef uintptr_t UINT_PTR;
typedef intptr_t INT_PTR;
typedef uintptr_t DWORD_PTR;
typedef uintptr_t ULONG_PTR;

static_assert(sizeof(void*) == 4, "the module is built for i686");
static_assert(sizeof(LONG) == 4 && sizeof(DWORD) == 4 && sizeof(WPARAM) == 4, "Win32 sizes");

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

// Opaque handle types: distinct pointer types so that overloads and mistakes are caught.
#define TAV_DECLARE_HANDLE(name) \
  struct name##__ {              \
    int unused;                  \
  };                             \
  typedef struct name##__* name
TAV_DECLARE_HANDLE(HWND);
TAV_DECLARE_HANDLE(HMENU);
TAV_DECLARE_HANDLE(HCURSOR);
TAV_DECLARE_HANDLE(HICON);
TAV_DECLARE_HANDLE(HBITMAP);
TAV_DECLARE_HANDLE(HFONT);
TAV_DECLARE_HANDLE(HINSTANCE);
TAV_DECLARE_HANDLE(HTREEITEM);
typedef void* HANDLE;
typedef struct __POSITION {
}* POSITION;

#define RGB(r, g, b) \
  ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) ((BYTE)(rgb))
#define GetGValue(rgb) ((BYTE)(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) ((BYTE)((rgb) >> 16))

#define MAKELONG(a, b) ((LONG)(((WORD)((DWORD)(a) & 0xffff)) | ((DWORD)((WORD)((DWORD)(b) & 0xffff))) << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#define LOWORD(l) ((WORD)((DWORD)(l) & 0xffff))
#define HIWORD(l) ((WORD)((DWORD)(l) >> 16))
#define GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))

struct POINT {
  LONG x;
  LONG y;
};
struct SIZE {
  LONG cx;
  LONG cy;
};
struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
typedef const RECT* LPCRECT;
typedef RECT* LPRECT;
typedef POINT* LPPOINT;

struct GUID {
  DWORD Data1;
  WORD Data2;
  WORD Data3;
  BYTE Data4[8];
};
static_assert(sizeof(GUID) == 16, "GUID layout");
