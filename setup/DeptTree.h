// CSetupDeptTree: the department tree of a set-up window (the create page, the book page, the
// invite dialog): the host's tree service and directory queries fill it; a click on a branch
// asks for what is missing, a click on a department watches its members' states, a click on a
// person lists the person's numbers as leaves, folding forgets those leaves again. The window
// keeps its own buttons and member list; this class tells it what the click allows.
#pragma once

#include "controls/TreeCtrlEx.h"
#include "platform/CString.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Wnd.h"

// Icons of the set-up trees (bitmap 133, 17 x 17 each).
enum DeptIcon {
  kIconCompany = 0,
  kIconAffiliation = 1,
  kIconDeptClosed = 2,
  kIconDeptOpen = 3,
  kIconPerson = 4,
  kIconSipLeaf = 16,    // the person's SIP address
  kIconThirdLeaf = 21,  // the person's third number
  kIconPhoneLeaf = 23,  // a short phone number, completed before use
};
constexpr int kDeptIconCount = 24;

// Item data of a number leaf under a person.
constexpr DWORD_PTR kNumberLeafData = (DWORD_PTR)-1;

// Sets a department item's folder image (open or closed; the selected image open while it is
// selected), and the same for every item above it.
void UpdateDeptItemImage(CTreeCtrl* tree, HTREEITEM item, BOOL selected);
void UpdateDeptItemImageUp(CTreeCtrl* tree, HTREEITEM item, BOOL selected);

// The log lines that name the window's handlers.
struct DeptTreeTexts {
  const char* clickRoot;       // a click on the province root
  const char* clickDeptError;  // a department without URI
  const char* dblclkRoot;      // a double click on the province root
};

class CSetupDeptTree {
 public:
  // ownNumberRule: the user's own SIP address is no leaf when GetCallMySelfType() is 3.
  CSetupDeptTree(CTreeCtrlEx& tree, int nTree, const DeptTreeTexts& texts, bool ownNumberRule);
  CSetupDeptTree(const CSetupDeptTree&) = delete;
  CSetupDeptTree& operator=(const CSetupDeptTree&) = delete;

  // The icons, the item height, an empty tree (the window's initialisation).
  void Init();
  // NM_CLICK: selects the item under the cursor and does what its kind asks for. TRUE when the
  // window's add button may be enabled (a person or a number leaf under one).
  BOOL OnClick();
  // NM_DBLCLK: selects the item under the cursor; TRUE when it is to be added (a person, or a
  // number leaf under one). The window then adds it and calls RefreshIcons.
  BOOL OnDblClick();
  void RefreshIcons();
  // Keys and mouse aimed at the tree: TRUE swallows the message (the directory is being
  // refreshed); the right-arrow key loads the selected department's next level.
  BOOL FilterInput(MSG* msg);
  // Depth first from item: every person is collapsed and loses its number leaves, so that they
  // are read again on the next click. Always 0.
  int Fold(HTREEITEM item);
  // Fold from the first root item, the current item forgotten before and after.
  void FoldAll();
  // Collapses every expanded company, affiliation and department below the province root
  // (the root stays open), the current item forgotten: the directory back to the shape the
  // fill gave it. People keep their number leaves, which a click reads again anyway.
  void CollapseBelowRoot();
  // Deletes every child of the root item (the root stays), or every item.
  void ClearBelowRoot();
  void Reset();

  HTREEITEM CurrentItem() const { return m_hCurrent; }
  // The kind of an item's directory record (1 company .. 4 person), 0 for none or a leaf.
  int RecordKind(HTREEITEM item) const;
  BOOL IsPersonLeaf(HTREEITEM item) const;
  CTreeCtrlEx& Tree() { return m_tree; }

 private:
  HTREEITEM HitAndSelect();
  void RefreshIcons(HTREEITEM previous, HTREEITEM item);
  void OnCompanyClick(HTREEITEM item);
  BOOL OnDepartmentClick(HTREEITEM item);
  void WatchDepartment(const CString& uri);
  void RebuildPersonLeaves(HTREEITEM person);
  void AddLeaf(HTREEITEM person, const CString& text, int icon);
  void CollapseBranches(HTREEITEM first);

  CTreeCtrlEx& m_tree;
  int m_nTree;
  DeptTreeTexts m_texts;
  bool m_bOwnNumberRule;
  CImageList m_images;
  HTREEITEM m_hCurrent = nullptr;
  HTREEITEM m_hPrevious = nullptr;
};
