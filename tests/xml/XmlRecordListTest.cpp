// Record lists: positions, moves, parents and children, paths and payload arrays.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/xml/XmlRecordTestUtil.h"

using namespace xmltest;

namespace {

// r(1) with children a(2) and b(3); a has child c(4).
RecordList SmallTree() {
  RecordList list = NewRecordList();
  for (const XmlRecordPayload& p : {Payload(1, 0, "r"), Payload(2, 1, "a"), Payload(3, 1, "b", "x"), Payload(4, 2, "c", "y")}) {
    XmlRecordListAppend(list.get(), &p);
  }
  return list;
}

TEST(XmlRecordList, LayoutMatchesTheFixedRecord) {
  EXPECT_EQ(offsetof(XmlRecordPayload, id), 40u);
  EXPECT_EQ(offsetof(XmlRecordPayload, repeat), 52u);
  EXPECT_EQ(offsetof(XmlRecordPayload, name), 94u);
  EXPECT_EQ(offsetof(XmlRecordPayload, typeName), 134u);
  EXPECT_EQ(offsetof(XmlRecordPayload, text), 161u);
  XmlRecord r;
  EXPECT_EQ(reinterpret_cast<char*>(&r.mark) - reinterpret_cast<char*>(&r), 932);
}

TEST(XmlRecordList, ClearLeavesAnEmptyHeadThatCanBeFilledAgain) {
  RecordList list = SmallTree();
  XmlRecord* head = list.get();
  list->mark = 1;
  ASSERT_EQ(XmlRecordListClear(&head), 1);
  EXPECT_EQ(XmlRecordListCount(head), 0u);
  EXPECT_EQ(head->next, nullptr);
  EXPECT_EQ(head->tail, nullptr);
  EXPECT_EQ(head->mark, 0u);
  EXPECT_EQ(XmlRecordListIsEmpty(head), 1);
  XmlRecordPayload p = Payload(9, 0, "z");
  ASSERT_EQ(XmlRecordListAppend(head, &p), 1);
  EXPECT_EQ(Names(head), "z");
  EXPECT_EQ(head->tail, head->next);
}

TEST(XmlRecordList, NullHeadsAndPayloadsAreRefused) {
  XmlRecord* none = nullptr;
  XmlRecordPayload p = Payload(1, 0, "a");
  EXPECT_EQ(XmlRecordListNew(nullptr), 0);
  EXPECT_EQ(XmlRecordListFree(&none), 0);
  EXPECT_EQ(XmlRecordListClear(&none), 0);
  EXPECT_EQ(XmlRecordListAppend(nullptr, &p), 0);
  EXPECT_EQ(XmlRecordListPush(nullptr, &p), 0);
  EXPECT_EQ(XmlRecordListIsEmpty(nullptr), 0);
  RecordList list = NewRecordList();
  EXPECT_EQ(XmlRecordListAppend(list.get(), nullptr), 0);
  EXPECT_EQ(XmlRecordListGetAt(list.get(), 1, &p), 0);
  EXPECT_EQ(XmlRecordListTakeLast(list.get(), &p), 0);
  EXPECT_EQ(XmlRecordListPeekFirst(list.get(), &p), 0);
}

TEST(XmlRecordList, InsertPushTakeAndSetKeepOrderAndTail) {
  RecordList list = NewRecordList();
  XmlRecordPayload a = Payload(1, 0, "a"), b = Payload(2, 0, "b"), c = Payload(3, 0, "c"), d = Payload(4, 0, "d");
  XmlRecordListAppend(list.get(), &b);
  XmlRecordListPush(list.get(), &a);
  ASSERT_EQ(XmlRecordListInsertAfter(list.get(), 2, &d), 1);
  ASSERT_EQ(XmlRecordListInsertAfter(list.get(), 2, &c), 1);
  EXPECT_EQ(XmlRecordListInsertAfter(list.get(), 5, &c), 0);
  EXPECT_EQ(Names(list.get()), "a b c d");
  XmlRecordPayload out;
  ASSERT_EQ(XmlRecordListTakeAt(list.get(), 3, &out), 1);
  EXPECT_STREQ(out.name, "c");
  ASSERT_EQ(XmlRecordListTakeLast(list.get(), &out), 1);
  EXPECT_STREQ(out.name, "d");
  EXPECT_STREQ(list->tail->name, "b");
  ASSERT_EQ(XmlRecordListTakeFirst(list.get(), nullptr), 1);
  ASSERT_EQ(XmlRecordListSetAt(list.get(), 1, &d), 1);
  EXPECT_EQ(Names(list.get()), "d");
  ASSERT_EQ(XmlRecordListTakeLast(list.get(), nullptr), 1);
  EXPECT_EQ(list->next, nullptr);
  EXPECT_EQ(list->tail, nullptr);
}

TEST(XmlRecordList, MoveAfterEmptiesTheOtherList) {
  RecordList list = SmallTree();
  RecordList other = NewRecordList();
  XmlRecordPayload x = Payload(7, 0, "x"), y = Payload(8, 0, "y");
  XmlRecordListAppend(other.get(), &x);
  XmlRecordListAppend(other.get(), &y);
  ASSERT_EQ(XmlRecordListMoveAfter(list.get(), 1, other.get()), 1);
  EXPECT_EQ(Names(list.get()), "r x y a b=x c=y");
  EXPECT_EQ(XmlRecordListCount(other.get()), 0u);
  EXPECT_EQ(other->tail, nullptr);
  XmlRecordListAppend(other.get(), &x);
  ASSERT_EQ(XmlRecordListAppendAll(list.get(), other.get()), 1);
  EXPECT_STREQ(list->tail->name, "x");
  EXPECT_EQ(XmlRecordListCount(list.get()), 7u);
  EXPECT_EQ(XmlRecordListMoveAfter(list.get(), 1, list.get()), 0);
}

TEST(XmlRecordList, LookupsByIdNameAndRoot) {
  RecordList list = SmallTree();
  XmlRecordPayload out;
  ASSERT_EQ(XmlRecordListGetRoot(list.get(), &out), 1);
  EXPECT_STREQ(out.name, "r");
  ASSERT_EQ(XmlRecordListGetById(list.get(), 4, &out), 1);
  EXPECT_STREQ(out.text, "y");
  ASSERT_EQ(XmlRecordListGetByName(list.get(), "b", &out), 1);
  EXPECT_EQ(out.id, 3u);
  EXPECT_EQ(XmlRecordListGetByName(list.get(), "zz", &out), 0);
  EXPECT_EQ(XmlRecordListMaxId(list.get()), 4u);
  RecordList orphans = NewRecordList();
  XmlRecordPayload o = Payload(5, 2, "o");
  XmlRecordListAppend(orphans.get(), &o);
  EXPECT_EQ(XmlRecordListGetRoot(orphans.get(), &out), 0);
}

TEST(XmlRecordList, ChildrenParentsAndSubtrees) {
  RecordList list = SmallTree();
  RecordList out = NewRecordList();
  ASSERT_EQ(XmlRecordListChildrenOf(list.get(), 1, out.get()), 1);
  EXPECT_EQ(Names(out.get()), "a b=x");
  XmlRecord* head = out.get();
  XmlRecordListClear(&head);
  ASSERT_EQ(XmlRecordListChildrenOfAt(list.get(), 2, out.get()), 1);
  EXPECT_EQ(Names(out.get()), "c=y");
  XmlRecordPayload parent;
  ASSERT_EQ(XmlRecordListParentOfAt(list.get(), 4, &parent), 1);
  EXPECT_STREQ(parent.name, "a");
  EXPECT_EQ(XmlRecordListParentOfAt(list.get(), 1, &parent), 0);
  XmlRecordListClear(&head);
  ASSERT_EQ(XmlRecordListSubtree(list.get(), 1, out.get()), 1);
  EXPECT_EQ(Names(out.get()), "r a b=x c=y");
  EXPECT_EQ(XmlRecordListSubtree(list.get(), 99, out.get()), 0);
  XmlRecordListSetMark(list.get(), 4, 7);
  ASSERT_EQ(XmlRecordListRemoveSubtree(list.get(), 2), 1);
  EXPECT_EQ(Names(list.get()), "r b=x");
  EXPECT_STREQ(list->tail->name, "b");
}

TEST(XmlRecordList, MarksAreKeptPerItem) {
  RecordList list = SmallTree();
  ASSERT_EQ(XmlRecordListSetMark(list.get(), 2, UINT32_MAX), 1);
  EXPECT_EQ(XmlRecordListGetMark(list.get(), 2), UINT32_MAX);
  EXPECT_EQ(XmlRecordListGetMark(list.get(), 1), 0u);
  EXPECT_EQ(XmlRecordListSetMark(list.get(), 5, 1), 0);
  ASSERT_EQ(XmlRecordListRemoveSubtree(list.get(), 3), 1);  // a marked item is not taken for doomed
  EXPECT_EQ(Names(list.get()), "r a c=y");
}

TEST(XmlRecordList, PathsAndFindByPath) {
  RecordList list = SmallTree();
  char* path = nullptr;
  ASSERT_EQ(XmlRecordListPath(list.get(), 4, &path), 1);
  EXPECT_STREQ(path, "\\r\\a\\c");
  free(path);
  EXPECT_EQ(XmlRecordListPath(list.get(), 99, &path), 0);
  EXPECT_EQ(path, nullptr);
  XmlRecordPayload out;
  EXPECT_EQ(XmlRecordListFindByPath(list.get(), "\\r\\b", &out), 3u);
  EXPECT_STREQ(out.text, "x");
  EXPECT_EQ(XmlRecordListFindByPath(list.get(), "\\r", nullptr), 1u);
  EXPECT_EQ(XmlRecordListFindByPath(list.get(), "\\r\\c", nullptr), 0u);
  EXPECT_EQ(XmlRecordListFindByPath(list.get(), "r", nullptr), 0u);
  EXPECT_EQ(XmlRecordListFindByPath(list.get(), nullptr, nullptr), 0u);
}

TEST(XmlRecordList, RemoveByPathUsesSchemaPathsAndNames) {
  RecordList list = SmallTree();
  XmlRecordPayload typed = Payload(5, 0, "t");
  strcpy(typed.schemaPath, "\\T\\");
  XmlRecordListAppend(list.get(), &typed);
  ASSERT_EQ(XmlRecordListRemoveByPath(list.get(), "T"), 1);
  EXPECT_EQ(Names(list.get()), "r a b=x c=y");
  ASSERT_EQ(XmlRecordListRemoveByPath(list.get(), "a"), 1);
  EXPECT_EQ(Names(list.get()), "r b=x c=y");
  ASSERT_EQ(XmlRecordListRemoveByPath(list.get(), ""), 1);
  EXPECT_EQ(XmlRecordListCount(list.get()), 0u);
}

TEST(XmlRecordList, ArraysRoundTripAndIndex) {
  RecordList list = SmallTree();
  XmlRecordPayload* array = nullptr;
  uint32_t count = 0;
  ASSERT_EQ(XmlRecordListToArray(list.get(), &array, &count), 1);
  ASSERT_EQ(count, 4u);
  XmlRecordPayload out;
  EXPECT_EQ(XmlRecordArrayGetById(array, count, 3, &out), 3u);
  EXPECT_EQ(XmlRecordArrayGetAt(array, count, 5, &out), 0);
  XmlRecordPayload z = Payload(4, 2, "z");
  ASSERT_EQ(XmlRecordArraySetAt(array, count, 4, &z), 1);
  char* path = nullptr;
  ASSERT_EQ(XmlRecordArrayPath(array, count, 4, &path), 1);
  EXPECT_STREQ(path, "\\r\\a\\z");
  free(path);
  EXPECT_EQ(XmlRecordArrayFindByPath(array, count, "\\r\\a\\z", &out), 4u);
  RecordList copy = NewRecordList();
  ASSERT_EQ(XmlRecordListFromArray(array, count, copy.get()), 1);
  EXPECT_EQ(Names(copy.get()), "r a b=x z");
  free(array);
  RecordList empty = NewRecordList();
  ASSERT_EQ(XmlRecordListToArray(empty.get(), &array, &count), 1);
  EXPECT_EQ(array, nullptr);
  EXPECT_EQ(count, 0u);
}

TEST(XmlRecordList, UnterminatedPayloadsAreCutOnTheWayIn) {
  XmlRecordPayload p;
  memset(&p, 'x', sizeof p);
  p.parentId = 0;
  RecordList list = NewRecordList();
  ASSERT_EQ(XmlRecordListAppend(list.get(), &p), 1);
  EXPECT_EQ(strlen(list->next->name), sizeof p.name - 1);
  EXPECT_EQ(strlen(list->next->text), sizeof p.text - 1);
  char* path = nullptr;
  XmlRecordPayload array[1] = {p};  // an array handed in as it stands: paths read within the arrays
  ASSERT_EQ(XmlRecordArrayPath(array, 1, p.id, &path), 1);
  EXPECT_EQ(strlen(path), 1 + sizeof p.name);  // the backslash and all 40 bytes
  free(path);
}

TEST(XmlRecordList, ParentCyclesEndWalksAndHaveNoPath) {
  RecordList list = NewRecordList();
  XmlRecordPayload a = Payload(1, 2, "a"), b = Payload(2, 1, "b"), self = Payload(3, 3, "s");
  for (auto* p : {&a, &b, &self}) XmlRecordListAppend(list.get(), p);
  char* path = nullptr;
  ASSERT_EQ(XmlRecordListPath(list.get(), 1, &path), 1);
  free(path);
  EXPECT_EQ(XmlRecordListFindByPath(list.get(), "\\b\\a", nullptr), 0u);
  RecordList out = NewRecordList();
  ASSERT_EQ(XmlRecordListSubtree(list.get(), 1, out.get()), 1);
  EXPECT_EQ(XmlRecordListCount(out.get()), 2u);
  ASSERT_EQ(XmlRecordListRemoveSubtree(list.get(), 3), 1);
  EXPECT_EQ(Names(list.get()), "a b");
}

}  // namespace
