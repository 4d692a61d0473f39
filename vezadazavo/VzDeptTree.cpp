// The department trees of the set-up windows: filling a tree with the directory, loading a
// department's people, the province root and own affiliation items, and the department whose
// member states are watched.
#include <map>

#include "platform/ui/TreeCtrl.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

// Images of the directory items in the set-up trees' image list (bitmap 133).
enum DirImage { kImageCompany = 0, kImageAffiliation = 1, kImageDepartment = 2, kImagePerson = 4 };

struct FilledTree {
  CTreeCtrl* tree = nullptr;
  HTREEITEM root = nullptr;
  HTREEITEM myAffiliation = nullptr;
};

std::map<int, FilledTree>& Trees() {
  static std::map<int, FilledTree> trees;
  return trees;
}

HTREEITEM InsertRecord(CTreeCtrl* tree, const CString& text, int image, const void* record, HTREEITEM parent) {
  return tree->InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM, text, image, image, 0, 0,
                          (LPARAM)record, parent, TVI_LAST);
}

// The kind of an item's directory record, 0 for none (no data, or a number leaf).
int RecordKind(CTreeCtrl* tree, HTREEITEM item) {
  DWORD_PTR data = tree->GetItemData(item);
  if (data == 0 || data == (DWORD_PTR)-1) return 0;
  return *reinterpret_cast<const int*>(data);
}

void InsertDepartments(CTreeCtrl* tree, const CString& parentURI, HTREEITEM parent) {
  for (DEPARTMENT_INFO& dept : VzData().departments) {
    if (dept.csParentURI != parentURI) continue;
    HTREEITEM item = InsertRecord(tree, dept.csName, kImageDepartment, &dept, parent);
    InsertDepartments(tree, dept.csSuscribeURI, item);
  }
}

}  // namespace

void VzFillDeptTree(int nTree, CTreeCtrl* tree) {
  if (!tree || !tree->GetSafeHwnd()) return;
  tree->DeleteAllItems();
  VzDataSet& data = VzData();
  FilledTree filled;
  filled.tree = tree;
  filled.root = InsertRecord(tree, data.company.csName, kImageCompany, &data.company, TVI_ROOT);
  for (COMPANY_AFFILIA_INFO& affiliation : data.affiliations) {
    HTREEITEM item = InsertRecord(tree, affiliation.csName, kImageAffiliation, &affiliation, filled.root);
    if (affiliation.csURI == data.csMyAffiliationURI) filled.myAffiliation = item;
    InsertDepartments(tree, affiliation.csURI, item);
  }
  tree->Expand(filled.root, TVE_EXPAND);
  Trees()[nTree] = filled;
}

void VzForgetDeptTree(int nTree) { Trees().erase(nTree); }

void VzLoadDeptMembers(CTreeCtrl* tree, HTREEITEM department) {
  if (!tree || !department || RecordKind(tree, department) != kDirDepartment) return;
  const DEPARTMENT_INFO* dept = reinterpret_cast<const DEPARTMENT_INFO*>(tree->GetItemData(department));
  for (DEPT_ADDRESSLIST_INFO& person : VzData().deptPhoneBook)
    if (person.csDeptURI == dept->csSuscribeURI) InsertRecord(tree, person.csName, kImagePerson, &person, department);
}

HTREEITEM GetProvinceRootItem(int nTree) {
  auto it = Trees().find(nTree);
  return it == Trees().end() ? nullptr : it->second.root;
}

HTREEITEM GetMyAffiliationItem(int nTree) {
  auto it = Trees().find(nTree);
  return it == Trees().end() ? nullptr : it->second.myAffiliation;
}

BOOL IsTreeItemHasEmployor(CTreeCtrl* tree, HTREEITEM item) {
  if (!tree || !item) return FALSE;
  for (HTREEITEM child = tree->GetChildItem(item); child; child = tree->GetNextSiblingItem(child))
    if (RecordKind(tree, child) == kDirPerson) return TRUE;
  return FALSE;
}

void SubNewDeptTreeItem(CTreeCtrl* tree, HTREEITEM item) {
  if (!tree || !item) return;
  if (RecordKind(tree, item) == kDirDepartment && !tree->GetChildItem(item)) VzLoadDeptMembers(tree, item);
  tree->Expand(item, TVE_EXPAND);
}

CString GetSuscribeURIofDept() { return VzData().csSuscribeURIofDept; }
void SetSuscribeURIofDept(CString uri) { VzData().csSuscribeURIofDept = uri; }
