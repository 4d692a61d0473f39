// Library-internal: the memory functions the parsers give expat.
//
// Expat copies a whole document into one input buffer of its own. A buffer of several megabytes
// is mapped with 2 MB pages where the system offers them (transparent huge pages on request):
// a 40 MB document then costs the kernel some twenty page faults instead of ten thousand.
// Everything else goes to malloc.
#pragma once

#include <expat.h>

extern const XML_Memory_Handling_Suite kXmlParserMemory;
