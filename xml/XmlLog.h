// Library-internal: log lines of the XML library, on standard error, one per refused input that
// would otherwise look like a silent partial result.
#pragma once

void XmlLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
