// Resources of the assistance bar (template 798, icon menu 799), the small input dialogs
// (5000, 5001) and the conference properties dialog (540).
#pragma once

// Registers them; later calls change nothing.
void RegisterSmallDialogResources();
