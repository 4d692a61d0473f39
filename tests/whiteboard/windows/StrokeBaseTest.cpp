#include "whiteboard/model/StrokeBase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/whiteboard/AllocationLimit.h"
#include "tests/support/whiteboard/TestStroke.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "xml/XmlParse.h"
#include "xml/XmlTree.h"

namespace {

using wbtest::ChangeBlocks;
using wbtest::CTestStroke;

// Parses one element, runs FromXml on it and frees the tree.
BOOL ReadElement(CStrokeBase& stroke, const char* xml) {
  XmlElement* root = XmlLoadString(xml);
  EXPECT_NE(root, nullptr) << xml;
  BOOL ok = stroke.FromXml(root);
  XmlFreeTree(root);
  return ok;
}

TEST(StrokeBase, RuntimeClassAndDefaults) {
  const CRuntimeClass* cls = RUNTIME_CLASS(CStrokeBase);
  EXPECT_STREQ(cls->m_lpszClassName, "CStrokeBase");
  EXPECT_EQ(cls->m_pBaseClass, RUNTIME_CLASS(CCmdTarget));
  CObject* object = cls->CreateObject();
  ASSERT_NE(object, nullptr);
  EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CStrokeBase)));
  CStrokeBase* stroke = static_cast<CStrokeBase*>(object);
  EXPECT_EQ(stroke->m_nPenWidth, 2);
  EXPECT_EQ(stroke->m_crColor, 0u);
  EXPECT_EQ(stroke->m_pOwner, nullptr);
  EXPECT_STREQ(stroke->GetTypeName(), "base");
  EXPECT_STREQ(stroke->GetElementName(), "base");
  EXPECT_EQ(stroke->GetTracker(), &stroke->m_tracker);
  EXPECT_TRUE(stroke->HitTest(-5, 7));
  EXPECT_TRUE(stroke->m_bSelected);
  ChangeBlocks blocks;
  EXPECT_EQ(blocks.Build(*stroke, WB_CHANGE_GEOMETRY, WB_HEADER_CONF), nullptr);
  delete object;
}

TEST(StrokeBaseXml, WritesTheGenericElement) {
  CTestStroke stroke;
  strcpy(stroke.m_szID, "line:0123456789abcdef0");
  stroke.m_tracker.m_rect = CRect(10, 20, 110, 70);
  stroke.m_crColor = RGB(255, 0, 0);
  EXPECT_STREQ(stroke.ToXml(),
               "<line id=\"line:0123456789abcdef0\" x1=\"10\" y1=\"20\" x2=\"110\" y2=\"70\" "
               "style=\"stroke:255;stroke-width:2\"/>");
}

TEST(StrokeBaseXml, HooksGetTheirSeparatorsAndContentIsBase64) {
  CTestStroke stroke;
  strcpy(stroke.m_szID, "t:1");
  stroke.m_tracker.m_rect = CRect(110, 70, 10, 20);  // drawn right to left: kept as it is
  stroke.styleExtra = "font-size:12";
  stroke.extraAttributes = "d=\"M 1 2\"";
  stroke.content = "hello";
  EXPECT_STREQ(stroke.ToXml(),
               "<line id=\"t:1\" x1=\"110\" y1=\"70\" x2=\"10\" y2=\"20\" "
               "style=\"stroke:0;stroke-width:2;font-size:12\" d=\"M 1 2\">aGVsbG8=</line>");
  stroke.styleExtra = ";a:1";
  stroke.extraAttributes = " b=\"2\"";
  stroke.content = "";
  EXPECT_STREQ(stroke.ToXml(), "<line id=\"t:1\" x1=\"110\" y1=\"70\" x2=\"10\" y2=\"20\" "
                               "style=\"stroke:0;stroke-width:2;a:1\" b=\"2\"/>");
}

TEST(StrokeBaseXml, RoundTripOfTheBaseFields) {
  CTestStroke written;
  strcpy(written.m_szID, "line:abc");
  written.m_tracker.m_rect = CRect(10, 20, 110, 70);
  written.m_crColor = RGB(0, 0, 255);
  written.m_nPenWidth = 7;
  CTestStroke read;
  ASSERT_TRUE(ReadElement(read, written.ToXml()));
  EXPECT_STREQ(read.m_szID, "line:abc");
  EXPECT_EQ(read.m_tracker.m_rect, CRect(10, 20, 110, 70));
  EXPECT_EQ(CRect(read.m_rcDraw), CRect(10, 20, 110, 70));
  EXPECT_EQ(read.m_crColor, 16711680u);
  EXPECT_EQ(read.m_nPenWidth, 7);
}

TEST(StrokeBaseXml, AnIdWithMarkupCharactersSurvivesTheRoundTrip) {
  CTestStroke written;
  strcpy(written.m_szID, "line:\"<&>");
  CTestStroke read;
  ASSERT_TRUE(ReadElement(read, written.ToXml()));
  EXPECT_STREQ(read.m_szID, "line:\"<&>");
}

TEST(StrokeBaseXml, ReaderRefusalsAndDefaults) {
  CTestStroke stroke;
  EXPECT_FALSE(stroke.FromXml(nullptr));
  EXPECT_FALSE(ReadElement(stroke, "<line x1=\"1\"/>"));
  ASSERT_TRUE(ReadElement(stroke, "<line id=\"a\" x1=\"5\" y2=\"junk\"/>"));
  EXPECT_EQ(stroke.m_tracker.m_rect, CRect(5, 0, 0, 0));
  EXPECT_EQ(stroke.m_crColor, 0u);
  EXPECT_EQ(stroke.m_nPenWidth, 2);
}

TEST(StrokeBaseXml, LongIdIsCutTo47Characters) {
  CTestStroke stroke;
  std::string id = "line:" + std::string(60, 'f');
  ASSERT_TRUE(ReadElement(stroke, ("<line id=\"" + id + "\"/>").c_str()));
  EXPECT_EQ(std::string(stroke.m_szID), id.substr(0, 47));
}

// The parsed tree holds UTF-8; the id is kept in the module's GBK and cut on a GBK character
// boundary ("line:x" and 25 two-byte characters: 56 bytes, cut to 46).
TEST(StrokeBaseXml, NonAsciiIdIsReadAsGbkAndCutOnACharacter) {
  CTestStroke stroke;
  std::string utf8 = "line:x";
  std::string gbk = "line:x";
  for (int i = 0; i < 25; ++i) {
    utf8 += "\xE4\xB8\xAD";  // U+4E2D in UTF-8
    gbk += "\xD6\xD0";        // the same character in GBK
  }
  ASSERT_TRUE(ReadElement(stroke, ("<line id=\"" + utf8 + "\"/>").c_str()));
  EXPECT_EQ(std::string(stroke.m_szID), gbk.substr(0, 46));
}

// A character GBK lacks (here U+1F600) cannot be kept: each of its bytes reads as '?'.
TEST(StrokeBaseXml, AnIdCharacterOutsideGbkBecomesQuestionMarks) {
  CTestStroke stroke;
  ASSERT_TRUE(ReadElement(stroke, "<line id=\"line:a\xF0\x9F\x98\x80\x62\"/>"));
  EXPECT_STREQ(stroke.m_szID, "line:a????b");
}

TEST(StrokeBaseXml, AStyleWithoutOneKeyKeepsThatValue) {
  CTestStroke stroke;
  ASSERT_TRUE(ReadElement(stroke, "<line id=\"a\" style=\"stroke:255\"/>"));
  EXPECT_EQ(stroke.m_crColor, 255u);
  EXPECT_EQ(stroke.m_nPenWidth, 2);
  ASSERT_TRUE(ReadElement(stroke, "<line id=\"a\" style=\"stroke-width:9;x:1\"/>"));
  EXPECT_EQ(stroke.m_crColor, 255u);
  EXPECT_EQ(stroke.m_nPenWidth, 9);
  ASSERT_TRUE(ReadElement(stroke, "<line id=\"a\" style=\"\"/>"));
  EXPECT_EQ(stroke.m_nPenWidth, 9);
}

TEST(StrokeBaseGeometry, ScalePointMapsBetweenRectangles) {
  RECT from = {0, 0, 100, 100}, to = {0, 0, 50, 200};
  EXPECT_EQ(CTestStroke::ScalePoint(CPoint(100, 50), from, to), CPoint(50, 100));
}

TEST(StrokeBaseGeometry, ScalePointWithAnEmptyReferenceMovesOnly) {
  RECT line = {10, 10, 10, 60}, to = {30, 0, 80, 100};
  EXPECT_EQ(CTestStroke::ScalePoint(CPoint(10, 35), line, to), CPoint(30, 50));
  RECT none = {5, 5, 5, 5};
  EXPECT_EQ(CTestStroke::ScalePoint(CPoint(5, 5), none, to), CPoint(30, 0));
}

TEST(StrokeBaseGeometry, PointBoundsOfOneAndMorePoints) {
  CArray<CPoint, CPoint> points;
  RECT bounds = {1, 1, 1, 1};
  EXPECT_FALSE(CTestStroke::GetPointBounds(points, &bounds));
  EXPECT_EQ(CRect(bounds), CRect(1, 1, 1, 1));
  points.Add(CPoint(40, 30));
  ASSERT_TRUE(CTestStroke::GetPointBounds(points, &bounds));
  EXPECT_EQ(CRect(bounds), CRect(40, 30, 40, 30));
  points.Add(CPoint(10, 10));
  points.Add(CPoint(20, 35));
  ASSERT_TRUE(CTestStroke::GetPointBounds(points, &bounds));
  EXPECT_EQ(CRect(bounds), CRect(10, 10, 40, 35));
}

TEST(StrokeBaseMessage, PointToPointHeaderFromTheOwner) {
  CDlgDFP2PWhiteBoard board;
  board.SetPeerURI("sip:peer@example.com");
  board.SetConfID("p2p-7");
  CTestStroke stroke(&board);
  strcpy(stroke.m_szID, "line:1");
  stroke.m_tracker.m_rect = CRect(100, 50, 20, 80);
  ChangeBlocks blocks;
  WbMsgHeader* header = blocks.Build(stroke, WB_CHANGE_GEOMETRY, WB_HEADER_P2P, 3, 4);
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(DWORD(header->head.op), 8u);
  EXPECT_STREQ(header->head.szSessionURI, "sip:peer@example.com");
  EXPECT_STREQ(header->head.szDConfID, "p2p-7");
  EXPECT_EQ(DWORD(header->head.nSubConfID), 0u);
  EXPECT_EQ(int32_t(header->nValue), 4);
  ASSERT_EQ((WbPageOpRecord*)header->pPageOp, blocks.pageOp);
  EXPECT_EQ(int32_t(blocks.pageOp->nPage), 3);
  EXPECT_EQ(int32_t(blocks.pageOp->nOp), 3);
  ASSERT_EQ(blocks.pageOp->pList, blocks.node);
  EXPECT_EQ(blocks.node->pItem, blocks.payload);
  EXPECT_EQ(blocks.node->pNext, nullptr);
  WbLinePayload* line = static_cast<WbLinePayload*>(blocks.payload);
  EXPECT_EQ(DWORD(line->head.nObjType), 2u);
  EXPECT_STREQ(line->head.szID, "line:1");
  EXPECT_EQ(int32_t(line->head.nSubOp), 1);
  EXPECT_STREQ(line->szX1, "100");
  EXPECT_STREQ(line->szY1, "50");
  EXPECT_STREQ(line->szX2, "20");
  EXPECT_STREQ(line->szY2, "80");
  EXPECT_EQ((WbStyleRecord*)line->pStyle, nullptr);
}

TEST(StrokeBaseMessage, PenStyleCarriesColourAndWidth) {
  CDlgDFP2PWhiteBoard board;
  CTestStroke stroke(&board);
  stroke.m_crColor = RGB(255, 0, 0);
  stroke.m_nPenWidth = 6;
  ChangeBlocks blocks;
  ASSERT_NE(blocks.Build(stroke, WB_CHANGE_PEN_COLOR, WB_HEADER_P2P), nullptr);
  EXPECT_STREQ(blocks.header->head.szSessionURI, "");
  ASSERT_NE(blocks.style, nullptr);
  EXPECT_EQ((WbStyleRecord*)static_cast<WbLinePayload*>(blocks.payload)->pStyle, blocks.style);
  EXPECT_STREQ(blocks.style->szPenColor, "255");
  EXPECT_STREQ(blocks.style->szFillColor, "");
  EXPECT_EQ(int32_t(blocks.style->nPenWidth), 6);
}

TEST(StrokeBaseMessage, StyleRecordsOfTheColourAndWidthOps) {
  CTestStroke stroke;
  stroke.m_crColor = RGB(0, 0, 255);
  stroke.m_nPenWidth = 3;
  WbStyleRecord* style = nullptr;
  ASSERT_NE(stroke.NewFillStyle(&style), nullptr);
  EXPECT_STREQ(style->szFillColor, "16711680");
  EXPECT_STREQ(style->szPenColor, "");
  EXPECT_EQ(int32_t(style->nPenWidth), -1);
  FreeWbBlock(style);
  ASSERT_NE(stroke.NewWidthStyle(&style), nullptr);
  EXPECT_STREQ(style->szFillColor, "");
  EXPECT_STREQ(style->szPenColor, "");
  EXPECT_EQ(int32_t(style->nPenWidth), 3);
  EXPECT_EQ(float(style->fReserved), -1.0f);
  FreeWbBlock(style);
}

TEST(StrokeBase, TrackerSetting) {
  CTestStroke stroke;
  stroke.SetTrackerRect(CRect(110, 70, 10, 20));
  EXPECT_EQ(stroke.m_tracker.m_nStyle, 18u);
  EXPECT_EQ(stroke.m_tracker.m_nHandleSize, 5);
  EXPECT_EQ(stroke.m_tracker.m_rect, CRect(110, 70, 10, 20));
}

TEST(StrokeBaseMessage, RefusalsHandBackWhatWasAllocated) {
  CTestStroke orphan;  // no owner: no point-to-point header
  ChangeBlocks blocks;
  EXPECT_EQ(blocks.Build(orphan, WB_CHANGE_GEOMETRY, WB_HEADER_P2P), nullptr);
  EXPECT_NE(blocks.payload, nullptr);
  EXPECT_NE(blocks.pageOp, nullptr);
  EXPECT_NE(blocks.node, nullptr);
  ChangeBlocks none;
  EXPECT_EQ(none.Build(orphan, WB_CHANGE_GEOMETRY, 8), nullptr);  // no board bit
  ChangeBlocks unhandled;
  EXPECT_EQ(unhandled.Build(orphan, WB_CHANGE_TO_FRONT, WB_HEADER_P2P), nullptr);
  EXPECT_EQ(unhandled.payload, nullptr);
  void* payload = nullptr;
  EXPECT_EQ(orphan.BuildWbMessage(1, WB_HEADER_P2P, &payload, nullptr, nullptr, nullptr, 1, 1, nullptr),
            nullptr);
  EXPECT_EQ(payload, nullptr);
}

TEST(StrokeBaseMessage, EveryFailedAllocationHandsBackWhatWasBuilt) {
  // Payload, style record, page/op record, list node and header: five blocks. Failing each
  // in turn gives NULL, and freeing what came back leaves nothing behind (ASan checks).
  CDlgDFP2PWhiteBoard board;
  CTestStroke stroke(&board);
  for (int allowed = 0; allowed < 5; ++allowed) {
    wbtest::AllocationLimit limit(allowed);
    ChangeBlocks blocks;
    EXPECT_EQ(blocks.Build(stroke, WB_CHANGE_PEN_COLOR, WB_HEADER_P2P), nullptr) << allowed;
  }
  wbtest::AllocationLimit limit(5);
  ChangeBlocks blocks;
  EXPECT_NE(blocks.Build(stroke, WB_CHANGE_PEN_COLOR, WB_HEADER_P2P), nullptr);
}

TEST(StrokeBaseOpRecord, OneSharedBlockRefilledByEachCall) {
  CTestStroke stroke;
  WbMsgHeader* first = stroke.BuildOpRecord(7, 5, "dconf-1", 12, 3, "sip:conf@x");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(DWORD(first->head.op), 7u);
  EXPECT_STREQ(first->head.szSessionURI, "sip:conf@x");
  EXPECT_STREQ(first->head.szDConfID, "dconf-1");
  EXPECT_EQ(DWORD(first->head.nSubConfID), 12u);
  EXPECT_EQ(int32_t(first->nValue), -1);
  WbPageOpRecord* pageOp = first->pPageOp;
  ASSERT_NE(pageOp, nullptr);
  EXPECT_EQ(int32_t(pageOp->nPage), 3);
  EXPECT_EQ(int32_t(pageOp->nOp), 3);
  WbListNode* node = pageOp->pList;
  ASSERT_NE(node, nullptr);
  void* item = node->pItem;
  WbListNode* next = node->pNext;
  EXPECT_EQ(item, nullptr);  // the base has no object record
  EXPECT_EQ(next, nullptr);
  const WbStyleRecord* style = CTestStroke::OpRecordStyle();
  EXPECT_EQ(int32_t(style->nPenWidth), -1);
  EXPECT_EQ(float(style->fReserved), -1.0f);
  EXPECT_EQ(int32_t(style->nFontSize), -1);
  EXPECT_EQ(int32_t(style->nWeight), -1);
  EXPECT_EQ(int32_t(style->nItalic), -1);
  EXPECT_EQ(int32_t(style->nUnderlineStrike), 0);

  CTestStroke other;
  WbMsgHeader* second = other.BuildOpRecord(8, 5, "", 0, 1, "sip:other@x");
  EXPECT_EQ(second, first);
  EXPECT_EQ(DWORD(first->head.op), 8u);
  EXPECT_STREQ(first->head.szSessionURI, "sip:other@x");
  EXPECT_STREQ(first->head.szDConfID, "");
  EXPECT_EQ(int32_t(first->pPageOp->nPage), 1);
  // No URI and no conference window: the URI stays empty.
  other.BuildOpRecord(8, 5, "", 0, 1, "");
  EXPECT_STREQ(first->head.szSessionURI, "");
}

}  // namespace
