#include "res/Resources.h"

#include "res/BookTemplates.h"
#include "res/InviteDialogTemplate.h"
#include "res/InviteTemplates.h"
#include "res/MemberTemplates.h"
#include "res/PaletteTemplates.h"
#include "res/RecordTemplates.h"
#include "res/SisterBoardTemplates.h"
#include "res/SmallDialogTemplates.h"
#include "res/WhiteboardTemplates.h"

void RegisterModuleResources() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterSetupResources();
  RegisterWhiteboardResources();
  RegisterInviteResources();
  RegisterRecordResources();
  RegisterBookResources();
  RegisterSmallDialogResources();
  RegisterMemberResources();
  RegisterPaletteResources();
  RegisterSisterBoardResources();
  RegisterInviteDialogResources();
}
