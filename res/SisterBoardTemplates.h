// Resources of the point-to-point and shared-document whiteboards: their windows' templates
// (803, 764), their drawing surfaces' (804, 765) and the shared-document surface's object
// menu (766).
#pragma once

// Registers them; later calls change nothing.
void RegisterSisterBoardResources();
