// The "删除(&D)" menu that the book page's notice list and the notice numbers dialog offer on a
// right click.
#pragma once

class CWnd;

// Shows the menu at the cursor for owner; true when "删除(&D)" was chosen.
bool DeleteChosenFromMenu(CWnd* owner);
