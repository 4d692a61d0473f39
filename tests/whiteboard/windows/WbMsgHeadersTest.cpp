#include "whiteboard/windows/WbMsgHeaders.h"

#include <gtest/gtest.h>

#include <cstring>

#include "confwindow/DlgDataConf.h"
#include "tests/support/boards/SentWbMessages.h"
#include "tests/support/module/ModuleFixture.h"
#include "tests/support/whiteboard/TestStroke.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "whiteboard/windows/DlgDFShareWhiteBoard.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"

namespace {

bool AllZero(const void* block, size_t from, size_t to) {
  const BYTE* bytes = static_cast<const BYTE*>(block);
  for (size_t i = from; i < to; ++i)
    if (bytes[i] != 0) return false;
  return true;
}

class WbHeaderTest : public tavtest::ModuleTest {
 protected:
  CDlgDataConf* StartBoards() {
    CDlgDataConf* conf = StartConference("sip:conf001@ims.example.cn");
    conf->SetDConfID(kDConfWhiteboardID, "wb-9");
    conf->SetSubConf(kSubConfWhiteboard, TRUE, 41);
    conf->SetSubConf(kSubConfDocShare, TRUE, 42);
    return conf;
  }
};

TEST(WbHeaders, ConferenceFactoriesRefuseWithoutAModule) {
  EXPECT_EQ(NewWbMsgHeader(WB_MSG_OBJECT_ADD, 1), nullptr);
  EXPECT_EQ(NewShareWbMsgHeader(WB_MSG_OBJECT_ADD, 1), nullptr);
  EXPECT_STREQ(GetWbConfURI(), "");
}

TEST_F(WbHeaderTest, ConferenceFactoriesRefuseWithoutAConferenceWindow) {
  ASSERT_EQ(Module()->m_pDlgDataConf, nullptr);
  EXPECT_EQ(NewWbMsgHeader(WB_MSG_OBJECT_ADD, 1), nullptr);
  EXPECT_EQ(NewShareWbMsgHeader(WB_MSG_OBJECT_ADD, 1), nullptr);
  EXPECT_STREQ(GetWbConfURI(), "");
  std::vector<std::string> logs = Host().LogLines();
  ASSERT_EQ(logs.size(), 2u);
  EXPECT_EQ(logs[0], "[ERROR]NewWbMsgHeader(no conference window, type 7 not built)\n");
  EXPECT_EQ(logs[1], "[ERROR]NewShareWbMsgHeader(no conference window, type 7 not built)\n");
}

TEST_F(WbHeaderTest, ConferenceBoardHeader) {
  StartBoards();
  WbMsgHeader* header = NewWbMsgHeader(WB_MSG_OBJECT_ADD, 3);
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(DWORD(header->head.op), 7u);
  EXPECT_STREQ(header->head.szSessionURI, "sip:conf001@ims.example.cn");
  EXPECT_STREQ(header->head.szDConfID, "wb-9");
  EXPECT_EQ(DWORD(header->head.nSubConfID), 41u);
  EXPECT_TRUE(AllZero(header, 522, 658));
  EXPECT_EQ(int32_t(header->nValue), 3);
  EXPECT_EQ((WbPageOpRecord*)header->pPageOp, nullptr);
  FreeWbBlock(header);
}

TEST_F(WbHeaderTest, ShareBoardHeader) {
  StartBoards();
  WbMsgHeader* header = NewShareWbMsgHeader(WB_MSG_REQUEST_SYNC, (DWORD)-1);
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(DWORD(header->head.op), 2u);
  EXPECT_STREQ(header->head.szSessionURI, "sip:conf001@ims.example.cn");
  EXPECT_STREQ(header->head.szDConfID, "dconf-77");
  EXPECT_EQ(DWORD(header->head.nSubConfID), 42u);
  EXPECT_EQ(int32_t(header->nValue), -1);
  FreeWbBlock(header);
}

TEST_F(WbHeaderTest, SubConferenceNotRunningIsMinusOne) {
  StartConference();
  WbMsgHeader* header = NewWbMsgHeader(WB_MSG_OBJECT_ADD, 1);
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(DWORD(header->head.nSubConfID), 0xFFFFFFFFu);
  EXPECT_STREQ(header->head.szDConfID, "");
  FreeWbBlock(header);
}

TEST(WbHeaders, PointToPointHeader) {
  EXPECT_EQ(NewP2PWbMsgHeader(WB_MSG_OBJECT_ADD, nullptr, 1), nullptr);
  CDlgDFP2PWhiteBoard board;
  WbMsgHeader* header = NewP2PWbMsgHeader(WB_MSG_OBJECT_DELETE, &board, 2);
  ASSERT_NE(header, nullptr);
  EXPECT_STREQ(header->head.szSessionURI, "");
  FreeWbBlock(header);
  board.SetPeerURI(("sip:" + std::string(300, 'p')).c_str());
  board.SetConfID("p2p-conf");
  header = NewP2PWbMsgHeader(WB_MSG_OBJECT_DELETE, &board, 2);
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(DWORD(header->head.op), 9u);
  EXPECT_EQ(strlen(header->head.szSessionURI), 256u);
  EXPECT_STREQ(header->head.szDConfID, "p2p-conf");
  EXPECT_EQ(DWORD(header->head.nSubConfID), 0u);
  EXPECT_EQ(int32_t(header->nValue), 2);
  FreeWbBlock(header);
}

TEST_F(WbHeaderTest, AConferenceMessageGoesToTheHostAsMethodOne) {
  CDlgDataConf* conf = StartBoards();
  conf->m_bInConf = TRUE;
  WbMsgHeader* header = NewWbMsgHeader(WB_MSG_OBJECT_ADD, 1);
  ASSERT_NE(header, nullptr);
  header->pPageOp = NewWbPageOpRecord();
  header->pPageOp->nPage = 1;
  header->pPageOp->nOp = WB_PAGEOP_OBJECT;
  WbListNode* node = NewWbListNode();
  header->pPageOp->pList = node;
  WbLinePayload* line = NewWbLinePayload();
  node->pItem = line;
  line->head.nObjType = WB_OBJ_LINE;
  SetWbNumber(line->szX1, 100);
  line->pStyle = NewWbStyleRecord();
  SetWbColor(line->pStyle->szPenColor, RGB(0, 0, 255));
  Module()->IMSSend2MrsMethod(WB_CONFTYPE_CONF, WB_MRS_METHOD, header);
  FreeWbMessage(header);

  std::vector<const WbMsgHeader*> sent = wbtest::SentWbMessages(Host());
  ASSERT_EQ(sent.size(), 1u);
  const WbLinePayload* copy = wbtest::FirstPayload<WbLinePayload>(sent[0]);
  ASSERT_NE(copy, nullptr);
  EXPECT_STREQ(copy->szX1, "100");
  ASSERT_NE((const WbStyleRecord*)copy->pStyle, nullptr);
  EXPECT_STREQ(copy->pStyle->szPenColor, "16711680");
}

TEST_F(WbHeaderTest, ChangeMessageForTheConferenceBoardIsSentAndFreed) {
  StartBoards()->m_bInConf = TRUE;
  CDlgDFWhiteBoard board;
  wbtest::CTestStroke stroke(&board);
  strcpy(stroke.m_szID, "line:abc");
  stroke.m_tracker.m_rect = CRect(100, 50, 20, 80);
  {
    wbtest::ChangeBlocks blocks;  // frees every block at the end of the scope, as the surface does
    WbMsgHeader* header = blocks.Build(stroke, WB_CHANGE_GEOMETRY, WB_HEADER_CONF | WB_HEADER_SHARE, 2, 5);
    ASSERT_NE(header, nullptr);
    Module()->IMSSend2MrsMethod(WB_CONFTYPE_CONF, WB_MRS_METHOD, header);
  }
  std::vector<const WbMsgHeader*> sent = wbtest::SentWbMessages(Host());
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(DWORD(sent[0]->head.op), 8u);
  EXPECT_STREQ(sent[0]->head.szDConfID, "wb-9");  // kind 3: the conference bit wins
  EXPECT_EQ(DWORD(sent[0]->head.nSubConfID), 41u);
  EXPECT_EQ(int32_t(sent[0]->nValue), 5);
  const WbLinePayload* line = wbtest::FirstPayload<WbLinePayload>(sent[0]);
  ASSERT_NE(line, nullptr);
  EXPECT_STREQ(line->head.szID, "line:abc");
  EXPECT_STREQ(line->szX1, "100");
  EXPECT_STREQ(line->szY1, "50");
  EXPECT_STREQ(line->szX2, "20");
  EXPECT_STREQ(line->szY2, "80");
}

TEST_F(WbHeaderTest, ChangeMessageForTheShareBoard) {
  StartBoards();
  CDlgDFShareWhiteBoard board;
  wbtest::CTestStroke stroke(&board);
  wbtest::ChangeBlocks blocks;
  WbMsgHeader* header = blocks.Build(stroke, WB_CHANGE_GEOMETRY, WB_HEADER_SHARE | WB_HEADER_P2P);
  ASSERT_NE(header, nullptr);
  EXPECT_STREQ(header->head.szDConfID, "dconf-77");
  EXPECT_EQ(DWORD(header->head.nSubConfID), 42u);
  // An object addresses its own board only.
  wbtest::ChangeBlocks elsewhere;
  EXPECT_EQ(elsewhere.Build(stroke, WB_CHANGE_GEOMETRY, WB_HEADER_CONF | WB_HEADER_SHARE), nullptr);
}

TEST_F(WbHeaderTest, ChangeMessageWithoutAConferenceWindowIsRefused) {
  CDlgDFWhiteBoard board;
  wbtest::CTestStroke stroke(&board);
  wbtest::ChangeBlocks blocks;
  EXPECT_EQ(blocks.Build(stroke, WB_CHANGE_GEOMETRY, WB_HEADER_CONF), nullptr);
  EXPECT_NE(blocks.payload, nullptr);  // handed back for freeing
}

TEST_F(WbHeaderTest, OpRecordTakesTheConferenceURIWhenGivenNone) {
  StartBoards();
  CDlgDFWhiteBoard board;
  wbtest::CTestStroke stroke(&board);
  WbMsgHeader* header = stroke.BuildOpRecord(WB_MSG_OBJECT_ADD, 5, "wb-9", 41, 1, "");
  EXPECT_STREQ(header->head.szSessionURI, "sip:conf001@ims.example.cn");
}

}  // namespace
