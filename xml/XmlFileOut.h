// Library-internal: writing a file so that a failed write leaves the previous file as it was.
//
// A regular file (or a path not yet taken) is written to a new file beside it, which replaces it
// only once every byte has been written, flushed and synced; a device or a pipe, and a directory
// where no file can be added, are written in place.
#pragma once

#include <cstdio>

#include "xml/XmlNode.h"

struct XmlFileOut {
  FILE* file;
  char* temporary;  // the new file beside the target, or NULL when writing in place
  const char* path;
};

// Opens the output for path; NULL when nothing can be written there.
FILE* XmlFileOutOpen(XmlFileOut* out, const char* path);
// Closes the output; `written` says whether every write succeeded. Answers 1 when the whole
// text reached the target, else 0 (a regular target then keeps its previous content).
int XmlFileOutClose(XmlFileOut* out, bool written);

// The node writer's file form (every element with both tags), escaped or raw (XmlNodesWriteFile).
int XmlNodesWriteFileAs(const char* path, XmlNode* list, bool escaped);
