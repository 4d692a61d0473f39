// The object node layer: node lists, record arrays and their operations, paths, and the queue.
#include <gtest/gtest.h>

#include <string>

#include "tests/xml/XmlTestUtil.h"

using namespace xmltest;

namespace {

XmlNodeRecord Make(uint32_t id, uint32_t parentId, const char* name, const char* text = nullptr) {
  XmlNodeRecord n;
  XmlNodeInit(&n);
  n.id = id;
  n.parentId = parentId;
  n.name = XmlStrDup(name);
  n.text = XmlStrDup(text);
  return n;
}

void Append(XmlNode* list, uint32_t id, uint32_t parentId, const char* name, const char* text = nullptr) {
  XmlNodeRecord n = Make(id, parentId, name, text);
  XmlNodeListAppend(list, &n);
  XmlNodeClear(&n);
}

std::string Ids(XmlNode* list) {
  std::string ids;
  for (XmlNode* n = list->next; n; n = n->next) ids += std::to_string(n->id) + " ";
  return ids + "(" + std::to_string(XmlNodeListCount(list)) + ")";
}

// xwb(1) > page(2) > [line(4), line(5)], page(3) > line(6) > x(7)
XmlNode* Board() {
  XmlNode* list = XmlNodeListNew();
  Append(list, 1, 0, "xwb");
  Append(list, 2, 1, "page");
  Append(list, 3, 1, "page");
  Append(list, 4, 2, "line", "a");
  Append(list, 5, 2, "line", "b");
  Append(list, 6, 3, "line");
  Append(list, 7, 6, "x");
  return list;
}

struct Out {
  Out() { XmlNodeInit(&node); }
  ~Out() { XmlNodeClear(&node); }
  XmlNodeRecord node;
};

TEST(XmlNode, InitCopyAndClear) {
  XmlNodeRecord n = Make(3, 1, "a", "t");
  EXPECT_EQ(Make(0, 0, nullptr).parentId, 0u);
  XmlNodeRecord fresh;
  XmlNodeInit(&fresh);
  EXPECT_EQ(fresh.parentId, UINT32_MAX);
  EXPECT_NE(fresh.ChildAt, nullptr);
  XmlNodeAddAttribute(&n, "k", "v");
  XmlNodeAddAttribute(&n, "empty", nullptr);
  EXPECT_FALSE(XmlNodeAddAttribute(&n, nullptr, "v"));
  XmlNodeRecord copy;
  XmlNodeInit(&copy);
  ASSERT_TRUE(XmlNodeCopy(&n, &copy));
  EXPECT_NE(copy.name, n.name);
  EXPECT_STREQ(copy.name, "a");
  EXPECT_NE(copy.attributes, n.attributes);
  EXPECT_STREQ(XmlFirstAttributeName(&copy), "k");
  EXPECT_STREQ(XmlFirstAttributeValue(&copy), "v");
  EXPECT_EQ(XmlNextAttribute(copy.attributes)->value, nullptr);
  EXPECT_EQ(XmlNextAttribute(copy.attributes)->valueSize, 0u);
  EXPECT_TRUE(XmlAttributeNameIs(copy.attributes, "k"));
  EXPECT_TRUE(XmlIsSet(&copy));
  XmlNodeClear(&copy);
  EXPECT_EQ(copy.name, nullptr);
  EXPECT_EQ(copy.attributes, nullptr);
  uint32_t lastId = 9;
  XmlNodeSetNew(&copy, "made", nullptr, &lastId);
  EXPECT_EQ(copy.id, 10u);
  EXPECT_EQ(copy.hasChildren, 1u);
  XmlNodeClear(&copy);
  XmlNodeClear(&n);
}

TEST(XmlNode, ListInsertTakeAndMove) {
  XmlNode* list = XmlNodeListNew();
  EXPECT_TRUE(XmlNodeListIsEmpty(list));
  Append(list, 2, 0, "b");
  XmlNodeRecord n = Make(1, 0, "a");
  XmlNodeListPush(list, &n);
  n.id = 3;
  XmlNodeListInsertAfter(list, 2, &n);
  n.id = 0;
  XmlNodeListInsertAfter(list, 0, &n);
  EXPECT_FALSE(XmlNodeListInsertAfter(list, 9, &n));
  XmlNodeClear(&n);
  EXPECT_EQ(Ids(list), "0 1 2 3 (4)");

  Out out;
  EXPECT_TRUE(XmlNodeListTakeFirst(list, &out.node));
  EXPECT_EQ(out.node.id, 0u);
  EXPECT_TRUE(XmlNodeListTakeLast(list, &out.node));
  EXPECT_EQ(out.node.id, 3u);
  EXPECT_TRUE(XmlNodeListTakeAt(list, 2, nullptr));
  EXPECT_EQ(Ids(list), "1 (1)");
  EXPECT_TRUE(XmlNodeListTakeLast(list, &out.node));  // the one item: the list is empty, without tail
  EXPECT_EQ(list->tail, nullptr);
  EXPECT_EQ(list->next, nullptr);
  EXPECT_FALSE(XmlNodeListTakeFirst(list, &out.node));

  XmlNode* other = Board();
  Append(list, 100, 0, "x");
  Append(list, 101, 0, "y");
  XmlNodeListMoveAfter(list, 1, other);
  EXPECT_EQ(Ids(list), "100 1 2 3 4 5 6 7 101 (9)");
  EXPECT_EQ(Ids(other), "(0)");
  Append(other, 200, 0, "z");
  XmlNodeListAppendAll(list, other);
  EXPECT_EQ(Ids(list), "100 1 2 3 4 5 6 7 101 200 (10)");
  Append(list, 300, 0, "tail");  // the tail pointer survived the moves
  EXPECT_EQ(list->tail->id, 300u);
  XmlNodeListClear(list);
  EXPECT_EQ(Ids(list), "(0)");
  Append(list, 1, 0, "again");
  EXPECT_EQ(Ids(list), "1 (1)");
  XmlNodeListFree(list);
  XmlNodeListFree(other);
}

TEST(XmlNode, ListLookups) {
  XmlNode* list = Board();
  Out out;
  EXPECT_TRUE(XmlNodeListGetAt(list, 4, &out.node));
  EXPECT_STREQ(out.node.text, "a");
  EXPECT_FALSE(XmlNodeListGetAt(list, 8, &out.node));
  EXPECT_TRUE(XmlNodeListGetRoot(list, &out.node));
  EXPECT_EQ(out.node.id, 1u);
  EXPECT_TRUE(XmlNodeListGetById(list, 6, &out.node));
  EXPECT_STREQ(out.node.name, "line");
  EXPECT_TRUE(XmlNodeListGetByName(list, "page", &out.node));
  EXPECT_EQ(out.node.id, 2u);
  EXPECT_TRUE(XmlNodeListCopyAllByName(list, "line", &out.node));
  EXPECT_EQ(out.node.id, 6u);  // the last one stays
  EXPECT_TRUE(XmlNodeListPeekFirst(list, &out.node));
  EXPECT_EQ(out.node.id, 1u);
  EXPECT_TRUE(XmlNodeListParentOfAt(list, 7, &out.node));
  EXPECT_EQ(out.node.id, 6u);
  EXPECT_EQ(XmlNodeListMaxId(list), 7u);
  XmlNodeListSetMark(list, 3, 1);
  EXPECT_EQ(XmlNodeListGetMark(list, 3), 1u);
  EXPECT_EQ(XmlNodeListGetMark(list, 2), 0u);
  XmlNode* children = XmlNodeListNew();
  XmlNodeListChildrenOf(list, 2, children);
  EXPECT_EQ(Ids(children), "4 5 (2)");
  XmlNodeListClear(children);
  XmlNodeListChildrenOfAt(list, 1, children);
  EXPECT_EQ(Ids(children), "2 3 (2)");
  XmlNodeListFree(children);
  XmlNode* rootless = XmlNodeListNew();
  Append(rootless, 5, 4, "orphan");
  EXPECT_FALSE(XmlNodeListGetRoot(rootless, &out.node));
  XmlNodeListFree(rootless);
  XmlNodeListFree(list);
}

TEST(XmlNode, SubtreesAreBreadthFirst) {
  XmlNode* list = Board();
  XmlNode* sub = XmlNodeListNew();
  EXPECT_TRUE(XmlNodeListSubtree(list, 1, sub));
  EXPECT_EQ(Ids(sub), "1 2 3 4 5 6 7 (7)");
  XmlNodeListClear(sub);
  EXPECT_TRUE(XmlNodeListSubtree(list, 3, sub));
  EXPECT_EQ(Ids(sub), "3 6 7 (3)");
  EXPECT_FALSE(XmlNodeListSubtree(list, 42, sub));
  XmlNodeListFree(sub);
  EXPECT_TRUE(XmlNodeListRemoveSubtree(list, 2));
  EXPECT_EQ(Ids(list), "1 3 6 7 (4)");
  Append(list, 8, 1, "after");
  EXPECT_EQ(Ids(list), "1 3 6 7 8 (5)");
  XmlNodeListFree(list);
}

TEST(XmlNode, RecordsAnswerChildQueries) {
  XmlNode* list = Board();
  Append(list, 8, 2, "line", "c");
  XmlNodeRecord* records = nullptr;
  uint32_t count = 0;
  ASSERT_TRUE(XmlNodeListToRecords(list, &records, &count));
  ASSERT_EQ(count, 8u);
  XmlNodeRecord* page = &records[1];
  EXPECT_EQ(page->recordBase, records);
  EXPECT_EQ(page->recordCount, 8u);
  EXPECT_EQ(page->ChildCount(page), 3u);
  EXPECT_EQ(page->ChildAt(page, 0), nullptr);
  EXPECT_EQ(page->ChildAt(page, 4), nullptr);
  EXPECT_STREQ(page->ChildAt(page, 3)->text, "c");
  EXPECT_STREQ(page->FindChildN(page, "line", 2)->text, "b");
  EXPECT_EQ(page->FindChildN(page, "line", 0), nullptr);
  EXPECT_EQ(page->CountChildren(page, "line"), 3u);
  EXPECT_STREQ(page->FindChild(page, "line")->text, "a");
  EXPECT_EQ(page->FindChild(page, "none"), nullptr);
  Out out;
  EXPECT_EQ(XmlRecordGetById(records, count, 6, &out.node), 6u);
  EXPECT_EQ(XmlRecordGetById(records, count, 60, &out.node), 0u);
  EXPECT_TRUE(XmlRecordGetAt(records, count, 8, &out.node));
  EXPECT_STREQ(out.node.text, "c");
  out.node.text[0] = 'C';
  EXPECT_TRUE(XmlRecordSetAt(records, count, 4, &out.node));
  EXPECT_EQ(records[3].recordBase, records);
  EXPECT_STREQ(page->ChildAt(page, 1)->text, "C");
  XmlNode* back = XmlNodeListNew();
  XmlRecordsToNodeList(records, count, back);
  EXPECT_EQ(Ids(back), "1 2 3 8 5 6 7 8 (8)");
  XmlNodeListFree(back);
  XmlRecordsFree(records, count);
  free(records);
  XmlNodeListFree(list);
}

TEST(XmlNode, RecordAttributesAndSingleRoot) {
  XmlNode* list = XmlNodeListNew();
  XmlNodeRecord n = Make(1, 0, "only");
  XmlNodeAddAttribute(&n, "a", "1");
  XmlNodeAddAttribute(&n, "b", "2");
  XmlNodeListAppend(list, &n);
  XmlNodeClear(&n);
  XmlNodeRecord* records = nullptr;
  uint32_t count = 0;
  ASSERT_TRUE(XmlNodeListToRecords(list, &records, &count));
  EXPECT_EQ(records->ChildCount(records), 0u);
  EXPECT_EQ(records->AttributeCount(records), 2u);
  EXPECT_STREQ(records->AttributeAt(records, 2)->value, "2");
  EXPECT_EQ(records->AttributeAt(records, 3), nullptr);
  EXPECT_STREQ(records->FindAttribute(records, "a")->value, "1");
  XmlRecordsFree(records, count);
  free(records);
  XmlNodeListClear(list);
  ASSERT_TRUE(XmlNodeListToRecords(list, &records, &count));
  EXPECT_EQ(records, nullptr);
  EXPECT_EQ(count, 0u);
  XmlNodeListFree(list);
}

TEST(XmlNode, PathsOfNodesAndRecords) {
  XmlNode* list = Board();
  char* path = nullptr;
  ASSERT_TRUE(XmlNodePath(list, 7, &path));
  EXPECT_STREQ(path, "\\xwb\\page\\line\\x");
  free(path);
  EXPECT_FALSE(XmlNodePath(list, 99, &path));
  EXPECT_EQ(path, nullptr);
  Out out;
  EXPECT_EQ(XmlNodeListFindByPath(list, "\\xwb\\page\\line", &out.node), 4u);
  EXPECT_EQ(XmlNodeListFindByPath(list, "\\xwb\\line", &out.node), 0u);
  XmlNodeRecord* records = nullptr;
  uint32_t count = 0;
  XmlNodeListToRecords(list, &records, &count);
  ASSERT_TRUE(XmlRecordPath(records, count, 3, &path));
  EXPECT_STREQ(path, "\\xwb\\page");
  free(path);
  records[0].parentId = 7;  // a cycle through the root still ends
  ASSERT_TRUE(XmlRecordPath(records, count, 7, &path));
  EXPECT_STREQ(path, "\\page\\line\\x\\xwb\\page\\line\\x");
  free(path);
  XmlRecordsFree(records, count);
  free(records);
  XmlNodeListFree(list);
}

TEST(XmlNode, RemoveByPath) {
  XmlNode* list = Board();
  for (XmlNode* n = list->next; n; n = n->next) {
    if (n->id == 4 || n->id == 6) n->schemaPath = XmlStrDup(n->id == 4 ? "\\page\\" : "\\pages\\");
  }
  XmlNodeListRemoveByPath(list, "page");
  EXPECT_EQ(Ids(list), "1 5 6 7 (4)");
  Append(list, 9, 1, "last");
  EXPECT_EQ(list->tail->id, 9u);
  XmlNodeListRemoveByPath(list, "");
  EXPECT_EQ(Ids(list), "(0)");
  XmlNodeListFree(list);
}

TEST(XmlNode, QueueAndStack) {
  XmlQueue* q = XmlQueueNew();
  int items[5] = {0, 1, 2, 3, 4};
  EXPECT_TRUE(XmlQueueIsEmpty(q));
  XmlQueueAdd(q, &items[1]);
  XmlQueueAdd(q, &items[3]);
  XmlQueuePush(q, &items[0]);
  XmlQueueInsertAfter(q, 2, &items[2]);
  XmlQueueInsertAfter(q, 4, &items[4]);
  EXPECT_FALSE(XmlQueueInsertAfter(q, 9, &items[4]));
  ASSERT_EQ(XmlQueueCount(q), 5u);
  for (uint32_t i = 1; i <= 5; ++i) EXPECT_EQ(XmlQueueGetAt(q, i), &items[i - 1]);
  EXPECT_EQ(XmlQueueGetAt(q, 6), nullptr);
  EXPECT_EQ(XmlQueuePeek(q), &items[0]);
  EXPECT_EQ(XmlQueueTakeAt(q, 3), &items[2]);
  EXPECT_EQ(XmlQueueTakeLast(q), &items[4]);
  EXPECT_EQ(XmlQueueTake(q), &items[0]);
  XmlQueueAdd(q, &items[4]);
  EXPECT_EQ(XmlQueueGetAt(q, 3), &items[4]);
  XmlQueueClear(q);
  EXPECT_TRUE(XmlQueueIsEmpty(q));
  EXPECT_EQ(XmlQueueTake(q), nullptr);
  XmlQueueAdd(q, &items[1]);
  EXPECT_EQ(XmlQueueTakeLast(q), &items[1]);
  XmlQueueFree(q);
}

}  // namespace
