// Templates of the member dialogs (receiver chooser, member-right query) and the icon strip of
// the department trees.
#pragma once

void RegisterMemberResources();
