#include "whiteboard/model/WbBlocks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/whiteboard/AllocationLimit.h"
#include "whiteboard/model/WbBlockPool.h"

namespace {

// Reads a packed int field through a copy (gtest binds references).
template <typename T>
T Read(const void* block, size_t offset) {
  T value;
  memcpy(&value, static_cast<const BYTE*>(block) + offset, sizeof(T));
  return value;
}

bool AllZero(const void* block, size_t from, size_t to) {
  const BYTE* bytes = static_cast<const BYTE*>(block);
  for (size_t i = from; i < to; ++i)
    if (bytes[i] != 0) return false;
  return true;
}

TEST(WbBlocks, PageOpRecordDefaults) {
  WbPageOpRecord* record = NewWbPageOpRecord();
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(Read<int32_t>(record, 0), -1);
  EXPECT_EQ(Read<int32_t>(record, 4), -1);
  EXPECT_TRUE(AllZero(record, 8, sizeof(WbPageOpRecord)));
  FreeWbBlock(record);
}

TEST(WbBlocks, StyleRecordDefaults) {
  WbStyleRecord* style = NewWbStyleRecord();
  ASSERT_NE(style, nullptr);
  EXPECT_TRUE(AllZero(style, 0, 66));
  EXPECT_EQ(Read<int32_t>(style, 66), -1);
  EXPECT_EQ(Read<float>(style, 70), -1.0f);
  EXPECT_EQ(Read<int32_t>(style, 74), -1);
  EXPECT_TRUE(AllZero(style, 78, 103));
  EXPECT_EQ(Read<int32_t>(style, 103), -1);
  EXPECT_EQ(Read<int32_t>(style, 107), -1);
  EXPECT_EQ(Read<int32_t>(style, 111), -1);
  FreeWbBlock(style);
}

template <typename T>
void ExpectPayloadDefaults(T* payload) {
  ASSERT_NE(payload, nullptr);
  EXPECT_TRUE(AllZero(payload, 0, 52));
  EXPECT_EQ(Read<int32_t>(payload, 52), -1);
  EXPECT_TRUE(AllZero(payload, 56, sizeof(T)));
  FreeWbBlock(payload);
}

TEST(WbBlocks, PayloadDefaults) {
  ExpectPayloadDefaults(NewWbRectPayload());
  ExpectPayloadDefaults(NewWbLinePayload());
  ExpectPayloadDefaults(NewWbCirclePayload());
  ExpectPayloadDefaults(NewWbEllipsePayload());
  ExpectPayloadDefaults(NewWbPathPayload());
  ExpectPayloadDefaults(NewWbTextPayload());
  ExpectPayloadDefaults(NewWbImagePayload());
  ExpectPayloadDefaults(NewWbDocPagePayload());
}

TEST(WbBlocks, HeaderBlockSetsOnlyTypeAndValue) {
  WbMsgHeader* header = AllocWbMsgHeader(WB_MSG_OBJECT_ADD, 3);
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(Read<DWORD>(header, 0), 7u);
  EXPECT_TRUE(AllZero(header, 4, 658));
  EXPECT_EQ(Read<int32_t>(header, 658), 3);
  EXPECT_EQ(Read<void*>(header, 662), nullptr);
  FreeWbBlock(header);
}

TEST(WbBlocks, AllocatorsAnswerNullWhenMemoryRunsOut) {
  wbtest::AllocationLimit limit(0);
  EXPECT_EQ(AllocWbMsgHeader(WB_MSG_OBJECT_ADD, 1), nullptr);
  EXPECT_EQ(NewWbPageOpRecord(), nullptr);
  EXPECT_EQ(NewWbListNode(), nullptr);
  EXPECT_EQ(NewWbStyleRecord(), nullptr);
  EXPECT_EQ(NewWbRectPayload(), nullptr);
  EXPECT_EQ(NewWbPathPayload(), nullptr);
  EXPECT_EQ(NewWbText("M 1 2"), nullptr);
}

TEST(WbBlocks, AppendListNode) {
  WbListNode* head = nullptr;
  WbListNode* nodes[4] = {NewWbListNode(), NewWbListNode(), NewWbListNode(), NewWbListNode()};
  EXPECT_FALSE(AppendWbListNode(&head, nullptr));
  EXPECT_EQ(head, nullptr);
  EXPECT_TRUE(AppendWbListNode(&head, nodes[0]));
  EXPECT_EQ(head, nodes[0]);
  EXPECT_TRUE(AppendWbListNode(&head, nodes[1]));
  EXPECT_TRUE(AppendWbListNode(&head, nodes[2]));
  EXPECT_TRUE(AppendWbListNode(&head, nodes[3]));
  EXPECT_EQ(head, nodes[0]);
  EXPECT_EQ(nodes[2]->pNext, nodes[3]);
  EXPECT_EQ(nodes[3]->pNext, nullptr);
  for (WbListNode* node : nodes) FreeWbBlock(node);
}

// Fills a field of N bytes from a text of len bytes and returns what it holds.
template <size_t N>
std::string FillText(char (&field)[N], size_t len, char ch = 'a') {
  memset(field, 'x', N);
  SetWbText(field, std::string(len, ch).c_str());
  return std::string(field, strnlen(field, N));
}

TEST(WbBlocks, TextFieldsAreCutToTheirWidth) {
  WbMsgHeader header{};
  WbLinePayload line{};
  WbStyleRecord style{};
  EXPECT_EQ(FillText(line.szX1, 16).size(), 16u);
  EXPECT_EQ(FillText(line.szX1, 17).size(), 16u);
  EXPECT_EQ(FillText(style.szPenColor, 32).size(), 32u);
  EXPECT_EQ(FillText(style.szPenColor, 33).size(), 32u);
  EXPECT_EQ(FillText(line.head.szID, 47).size(), 47u);
  EXPECT_EQ(FillText(line.head.szID, 48).size(), 47u);
  EXPECT_EQ(FillText(header.head.szSessionURI, 256).size(), 256u);
  EXPECT_EQ(FillText(header.head.szSessionURI, 257).size(), 256u);
  // The next field keeps its zero: nothing spills over the terminator.
  EXPECT_EQ(header.head.szDConfID[0], '\0');
}

TEST(WbBlocks, TextFieldsNeverSplitADoubleByteCharacter) {
  WbShapePayload head{};
  // "line:" then GBK characters: 5 + 2k bytes, cut at 47 would fall inside one.
  std::string id = "line:";
  while (id.size() < 60) id += "\xB0\xD7";  // a GBK character
  SetWbText(head.szID, id.c_str());
  EXPECT_EQ(strlen(head.szID), 47u);
  id = "lin:";
  while (id.size() < 60) id += "\xB0\xD7";
  SetWbText(head.szID, id.c_str());
  EXPECT_EQ(strlen(head.szID), 46u);
}

TEST(WbBlocks, NumbersAndColoursAsDecimalText) {
  WbStyleRecord style{};
  SetWbColor(style.szPenColor, RGB(255, 0, 0));
  EXPECT_STREQ(style.szPenColor, "255");
  SetWbColor(style.szPenColor, RGB(0, 0, 255));
  EXPECT_STREQ(style.szPenColor, "16711680");
  WbRectPayload rect{};
  SetWbNumber(rect.szWidth, -80);
  EXPECT_STREQ(rect.szWidth, "-80");
  SetWbNumber(rect.szWidth, -2147483647 - 1);
  EXPECT_STREQ(rect.szWidth, "-2147483648");
}

TEST(WbBlocks, FreeWholeMessage) {
  // Built the way the page-content sender builds it; ASan reports any leak or double free.
  WbMsgHeader* header = AllocWbMsgHeader(WB_MSG_PAGE_CONTENT, 2);
  ASSERT_NE(header, nullptr);
  header->pPageOp = NewWbPageOpRecord();
  WbPathPayload* path = NewWbPathPayload();
  path->head.nObjType = WB_OBJ_PATH;
  path->pszPath = NewWbText("M 1 2 L 3 4");
  path->pStyle = NewWbStyleRecord();
  WbTextPayload* text = NewWbTextPayload();
  text->head.nObjType = WB_OBJ_TEXT;
  text->pszText = NewWbText("hello");
  text->pStyle = NewWbStyleRecord();
  WbImagePayload* image = NewWbImagePayload();
  image->head.nObjType = WB_OBJ_IMAGE;
  image->pszData = NewWbText("Hand.bmp");
  void* items[] = {path, text, image, NewWbLinePayload(), nullptr};
  for (void* item : items) {
    WbListNode* node = NewWbListNode();
    node->pItem = item;
    WbListNode* list = header->pPageOp->pList;
    ASSERT_TRUE(AppendWbListNode(&list, node));
    header->pPageOp->pList = list;
  }
  FreeWbMessage(header);
  FreeWbMessage(nullptr);
}

// A page-content message built in a pool, as the boards build it: every block zero-filled,
// freeing the message or its blocks leaves them to the pool, and a text larger than a chunk
// still fits. ASan reports a block the pool hands to delete[] or never frees.
TEST(WbBlockPool, AMessageBuiltInAPoolIsFreedWithIt) {
  {
    WbBlockPool pool;
    WbMsgHeader* header = AllocWbMsgHeader(WB_MSG_PAGE_CONTENT, 2);
    ASSERT_NE(header, nullptr);
    header->pPageOp = NewWbPageOpRecord();
    WbListNode** tail = &header->pPageOp->pList;
    std::string big(200000, 'A');
    const char* bigCopy = nullptr;
    for (int i = 0; i < 3000; ++i) {
      WbPathPayload* path = NewWbPathPayload();
      ASSERT_TRUE(AllZero(path->head.szID, 0, WB_ID_LEN));
      path->head.nObjType = WB_OBJ_PATH;
      path->pszPath = NewWbText(i == 1500 ? big.c_str() : "M 1 2 L 3 4");
      if (i == 1500) bigCopy = path->pszPath;
      path->pStyle = NewWbStyleRecord();
      ASSERT_TRUE(AllZero(path->pStyle, 0, 33 + 33));
      WbListNode* node = NewWbListNode();
      ASSERT_EQ(node->pNext, nullptr);
      node->pItem = path;
      *tail = node;
      tail = &node->pNext;
    }
    EXPECT_EQ(bigCopy, big);
    FreeWbBlock(NewWbStyleRecord());
    FreeWbMessage(header);
  }
  // Closed: blocks come from the heap again and are freed one by one.
  EXPECT_FALSE(WbBlockPool::AnyOpen());
  FreeWbBlock(NewWbStyleRecord());
}

TEST(WbBlockPool, NestedPoolsLeaveEachOthersBlocksAlone) {
  WbBlockPool outer;
  WbStyleRecord* early = NewWbStyleRecord();
  {
    WbBlockPool inner;
    WbStyleRecord* late = NewWbStyleRecord();
    EXPECT_TRUE(WbBlockPool::Holds(late));
    FreeWbBlock(early);  // left to the outer pool
    FreeWbBlock(late);
  }
  EXPECT_TRUE(WbBlockPool::Holds(early));
  EXPECT_EQ(Read<int32_t>(early, offsetof(WbStyleRecord, nPenWidth)), -1);
}

TEST(WbBlockPool, MemoryRunningOutInAPoolAnswersNull) {
  WbBlockPool pool;
  wbtest::AllocationLimit limit(1);
  EXPECT_NE(NewWbListNode(), nullptr);
  EXPECT_EQ(NewWbListNode(), nullptr);
}

}  // namespace
