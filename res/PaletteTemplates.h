// Resources of the whiteboard's small controls: the colour palette bars (573, 805) and the
// line-width dialog (789).
#pragma once

// Registers them; later calls change nothing.
void RegisterPaletteResources();
