// The client's states: calls, signing out, directory refreshes, one-time requests.
#include "vezadazavo/VezadaZavo.h"

namespace {

VzStates& States() { return VzData().states; }

}  // namespace

BOOL GetTalking() { return States().bTalking; }
// The stand-in keeps one count of calls being set up or running, whatever kind is asked.
int GetCountAboveConnecting(int kind) { return States().iCountAboveConnecting; }
BOOL GetStartLogout() { return States().bStartLogout; }
BOOL GetIMSDirectApp() { return States().bIMSDirectApp; }
BOOL GetIMSRefreshStructThreadRun() { return States().bRefreshStructThreadRun; }
BOOL GetIMSRefreshEmployeeThreadRun() { return States().bRefreshEmployeeThreadRun; }
BOOL GetUpdateUserStatus() { return States().bUpdateUserStatus; }
int GetHaveGetBKSound() { return States().bHaveGetBKSound; }
void SetHaveGetBKSound(int have) { States().bHaveGetBKSound = have; }
int GetGetCallerNameType() { return States().iCallerNameType; }
void SetCurrentRClickTime(CTime time) { States().lastRClickTime = time; }
