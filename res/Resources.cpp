#include "res/Resources.h"

void RegisterModuleResources() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterSetupResources();
}
