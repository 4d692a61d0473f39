// Dialog templates of the invitation windows (537 and 801).
#pragma once

// Registers them; later calls change nothing.
void RegisterInviteResources();
