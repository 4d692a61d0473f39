// Resources of the conference whiteboard: the window's template (570), its drawing surface's
// (572) and the surface's object menu (599).
#pragma once

// Registers them; later calls change nothing.
void RegisterWhiteboardResources();
