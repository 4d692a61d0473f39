// Resources of the conference records: the detail dialog (778) and the records page's
// context menu (781). The page's own template (776) stands with the start window's.
#pragma once

// Registers them; later calls change nothing.
void RegisterRecordResources();
