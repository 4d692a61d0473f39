// Log lines of the XML library.
#include "xml/XmlLog.h"

#include <cstdarg>
#include <cstdio>

void XmlLog(const char* format, ...) {
  va_list args;
  va_start(args, format);
  fputs("xml: ", stderr);
  vfprintf(stderr, format, args);
  fputc('\n', stderr);
  va_end(args);
}
