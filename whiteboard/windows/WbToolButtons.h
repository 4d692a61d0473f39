// The tool buttons of the whiteboard windows: one button per tool of the drawing surface, its
// control id and the tool number it gives the surface, and the new-page button.
#pragma once

#include "platform/Win32Types.h"

struct WbToolButton {
  int id;
  int tool;  // WbTool
  const char* caption;
};

// Every tool button in template order; the select tool's is IDC_WB_SELECT_TOOL.
extern const WbToolButton kWbToolButtons[];
extern const int kWbToolButtonCount;

enum {
  IDC_WB_NEW_PAGE = 1899,   // a new page after the last one
  IDC_WB_TOOL_FIRST = 1900,  // the tool buttons but select: IDC_WB_TOOL_FIRST + tool number
};
