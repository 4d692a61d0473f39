// Scenario checks of what the module's lists and trees show, row by row and cell by cell:
//
//   expect-rows TITLE ID [under=ITEM] TEXT...  the rows of list ID (their first column), or the
//                                items of one level of tree ID, are exactly these, in this order
//                                (none: the list or level is empty); a tree's level is its root
//                                level, or with under=ITEM the children of the item ITEM (found
//                                as click-item finds it), which must be open
//   expect-no-item TITLE ID TEXT               no tree item or list row (name or number column)
//                                shows TEXT
//   expect-cell TITLE ID ROW COLUMN TEXT       the cell of list ID shows TEXT: ROW is the first
//                                row whose first column shows ROW, or [N] the row of index N
//                                (from 0); COLUMN a column index (from 0) or the column's heading
//
// The window and the control are found as the other checks find them; the control must be shown.
#pragma once

#include <string>

#include "host/scenario/ScenarioStep.h"

namespace host {

bool IsListVerb(const std::string& verb);
// "" when the step's words fit its verb, else the reason.
std::string CheckListStep(const ScenarioStep& step);
// Checks; "" when what the step expects holds, else what the user sees instead.
std::string PlayListStep(const ScenarioStep& step);

}  // namespace host
