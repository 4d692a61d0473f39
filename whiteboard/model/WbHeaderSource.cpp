#include "whiteboard/model/WbHeaderSource.h"

namespace {

IWbHeaderSource* g_source = nullptr;

}  // namespace

void SetWbHeaderSource(IWbHeaderSource* source) { g_source = source; }

IWbHeaderSource* GetWbHeaderSource() { return g_source; }
