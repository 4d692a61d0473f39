// Resources of the conference window's services: the templates of the conference window
// (IDD_DATACONF, a bare hidden frame until its own controls come) and of the information box
// (552), and the strings its answers load.
#pragma once

// Registers them; later calls change nothing.
void RegisterConfWindowResources();

// String ids.
constexpr unsigned IDS_MAX_MEMBERS_OVER_LIMIT = 37171;  // "最大成员数超过系统限制！"
