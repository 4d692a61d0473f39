// Dialog template of the invite dialog (535).
#pragma once

// Registers it; later calls change nothing.
void RegisterInviteDialogResources();
