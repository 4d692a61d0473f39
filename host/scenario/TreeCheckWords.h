// A scenario check of a tree item as the user sees it: whether it shows its children.
//
//   expect-tree-item TITLE ID TEXT expanded|collapsed
//       the item showing TEXT in tree ID (depth first, the first) is shown, every item above
//       it open, and is open (expanded) or closed (collapsed)
//
// The window and the tree are found as the other steps find them; a tree the user cannot see
// fails the check.
#pragma once

#include <string>

#include "host/scenario/ScenarioStep.h"

namespace host {

bool IsTreeCheckVerb(const std::string& verb);
// "" when the step's words fit, else the reason.
std::string CheckTreeCheck(const ScenarioStep& step);
// "" when the item is as expected, else what the user sees.
std::string PlayTreeCheck(const ScenarioStep& step);

}  // namespace host
