#include "res/Resources.h"

#include "res/InviteTemplates.h"
#include "res/RecordTemplates.h"
#include "res/WhiteboardTemplates.h"

void RegisterModuleResources() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterSetupResources();
  RegisterWhiteboardResources();
  RegisterInviteResources();
  RegisterRecordResources();
}
