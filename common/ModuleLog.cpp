#include "common/ModuleLog.h"

namespace {

ModuleLogSink g_sink = nullptr;

}  // namespace

void SetModuleLogSink(ModuleLogSink sink) { g_sink = sink; }

void ModuleLog(const char* text, int level) {
  if (g_sink) g_sink(text, level);
}
