// Resources of the conference whiteboard: the window's template (570), its drawing surface's
// (572) and the surface's object menu (599).
#pragma once

#include <vector>

struct DialogItemTemplate;

// Adds the tool buttons and the new-page button of a whiteboard window to its template.
void AddBoardToolButtons(std::vector<DialogItemTemplate>& items);

// Registers them; later calls change nothing.
void RegisterWhiteboardResources();
