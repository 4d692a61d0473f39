// Change messages of the shapes: which class answers which op, and what each op carries.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "confwindow/DlgDataConf.h"
#include "tests/support/boards/SentWbMessages.h"
#include "tests/support/module/ModuleFixture.h"
#include "tests/support/whiteboard/AllocationLimit.h"
#include "tests/support/whiteboard/ShapeKinds.h"
#include "tests/support/whiteboard/TestStroke.h"
#include "whiteboard/model/StrokeEllipse.h"
#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokeRectangle.h"
#include "whiteboard/model/StrokeRoundCircle.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"

namespace {

using wbtest::ChangeBlocks;

// The ops a kind answers, by the colour it takes; every other op yields no message.
std::set<int> AnsweredOps(const StrokeKind& kind) {
  return kind.colour == kStrokeColourFill ? std::set<int>{1, 2, 4, 7, 8} : std::set<int>{1, 3, 4, 7, 8};
}

// The style record a payload of any kind points to.
const WbStyleRecord* StyleOf(const void* payload) {
  switch (static_cast<const WbShapePayload*>(payload)->nObjType) {
    case WB_OBJ_RECT: return static_cast<const WbRectPayload*>(payload)->pStyle;
    case WB_OBJ_LINE: return static_cast<const WbLinePayload*>(payload)->pStyle;
    case WB_OBJ_CIRCLE: return static_cast<const WbCirclePayload*>(payload)->pStyle;
    case WB_OBJ_ELLIPSE: return static_cast<const WbEllipsePayload*>(payload)->pStyle;
    case WB_OBJ_PATH: return static_cast<const WbPathPayload*>(payload)->pStyle;
    default: return nullptr;
  }
}

class ShapeMessages : public testing::Test {
 protected:
  std::unique_ptr<CStrokeBase> Make(const StrokeKind& kind) {
    auto shape = wbtest::MakeShapeIn(kind, RECT{100, 100, 20, 40}, RGB(255, 0, 0), 5);
    shape->m_pOwner = &board_;
    return shape;
  }
  CDlgDFP2PWhiteBoard board_;
};

TEST_F(ShapeMessages, OpMatrix) {
  for (const StrokeKind& kind : wbtest::AllShapeKinds()) {
    auto shape = Make(kind);
    const std::set<int> answered = AnsweredOps(kind);
    for (int op = 0; op <= 10; ++op) {
      SCOPED_TRACE(std::string(kind.word) + " op " + std::to_string(op));
      ChangeBlocks blocks;
      WbMsgHeader* header = blocks.Build(*shape, op, WB_HEADER_P2P, 3, 7);
      if (!answered.count(op)) {
        EXPECT_EQ(header, nullptr);
        EXPECT_EQ(blocks.payload, nullptr);
        continue;
      }
      ASSERT_NE(header, nullptr);
      EXPECT_EQ(DWORD(header->head.op), DWORD(WB_MSG_OBJECT_CHANGE));
      EXPECT_EQ(int32_t(header->nValue), 7);
      WbPageOpRecord* pageOp = header->pPageOp;
      ASSERT_EQ(pageOp, blocks.pageOp);
      EXPECT_EQ(int32_t(blocks.pageOp->nPage), 3);
      EXPECT_EQ(int32_t(blocks.pageOp->nOp), int32_t(WB_PAGEOP_OBJECT));
      ASSERT_EQ(blocks.pageOp->pList, blocks.node);
      ASSERT_EQ(blocks.node->pItem, blocks.payload);
      const auto* head = static_cast<const WbShapePayload*>(blocks.payload);
      EXPECT_EQ(DWORD(head->nObjType), kind.payloadType);
      EXPECT_STREQ(head->szID, shape->m_szID);
      EXPECT_EQ(int32_t(head->nSubOp), op == 7 ? 3 : op == 8 ? 4 : 1);
      EXPECT_EQ(StyleOf(blocks.payload), blocks.style);
      EXPECT_EQ(blocks.style != nullptr, op >= 2 && op <= 4);
      EXPECT_EQ(blocks.extra != nullptr, wbtest::IsPointList(kind) && op == 1);
      if (!blocks.style) continue;
      const bool filled = answered.count(2) != 0;
      EXPECT_STREQ(blocks.style->szFillColor, filled && op == 2 ? "255" : "");
      EXPECT_STREQ(blocks.style->szPenColor, filled ? "" : "255");
      int32_t width = blocks.style->nPenWidth;
      EXPECT_EQ(width, op == 2 ? -1 : 5);
    }
  }
}

TEST_F(ShapeMessages, HeaderKindWithoutABoardBitAndMissingOutPointersYieldNothing) {
  for (const StrokeKind& kind : wbtest::AllShapeKinds()) {
    SCOPED_TRACE(kind.word);
    auto shape = Make(kind);
    ChangeBlocks blocks;
    EXPECT_EQ(blocks.Build(*shape, WB_CHANGE_GEOMETRY, 8), nullptr);
    void* payload = nullptr;
    WbStyleRecord* style = nullptr;
    WbPageOpRecord* pageOp = nullptr;
    WbListNode* node = nullptr;
    EXPECT_EQ(shape->BuildWbMessage(1, WB_HEADER_P2P, &payload, &style, &pageOp, nullptr, 1, 1, nullptr), nullptr);
    EXPECT_EQ(payload, nullptr);
    WbMsgHeader* header = shape->BuildWbMessage(1, WB_HEADER_P2P, &payload, &style, &pageOp, &node, 1, 1, nullptr);
    EXPECT_EQ(header != nullptr, !wbtest::IsPointList(kind));  // the path kinds hand their text back in ppExtra
    for (void* block : {payload, (void*)style, (void*)pageOp, (void*)node, (void*)header}) FreeWbBlock(block);
  }
}

TEST_F(ShapeMessages, EveryFailedAllocationHandsBackWhatWasMade) {
  for (const StrokeKind& kind : wbtest::AllShapeKinds()) {
    auto shape = Make(kind);
    for (int op : {1, 2, 3, 4}) {
      for (int allowed = 0;; ++allowed) {
        SCOPED_TRACE(std::string(kind.word) + " op " + std::to_string(op) + " after " + std::to_string(allowed));
        ChangeBlocks blocks;  // frees whatever was handed back; ASan reports a leak otherwise
        wbtest::AllocationLimit limit(allowed);
        if (blocks.Build(*shape, op, WB_HEADER_P2P)) break;
        if (!AnsweredOps(kind).count(op)) break;
        ASSERT_LT(allowed, 10);
      }
    }
  }
}

TEST_F(ShapeMessages, GeometryFieldsOfTheOneRectangleKinds) {
  CStrokeRectangle rect;
  rect.m_pOwner = &board_;
  rect.m_rcDraw = RECT{100, 100, 20, 40};
  rect.UpdateTracker();
  ChangeBlocks r;
  ASSERT_NE(r.Build(rect, WB_CHANGE_GEOMETRY, WB_HEADER_P2P), nullptr);
  auto* rp = static_cast<const WbRectPayload*>(r.payload);
  EXPECT_STREQ(rp->szX, "100");
  EXPECT_STREQ(rp->szY, "100");
  EXPECT_STREQ(rp->szWidth, "-80");
  EXPECT_STREQ(rp->szHeight, "-60");
  EXPECT_STREQ(rp->szCornerX, "");

  CStrokeRoundCircle circle;
  circle.m_pOwner = &board_;
  circle.m_rcDraw = RECT{10, 10, 110, 60};
  circle.UpdateTracker();
  ChangeBlocks c;
  ASSERT_NE(c.Build(circle, WB_CHANGE_GEOMETRY, WB_HEADER_P2P), nullptr);
  auto* cp = static_cast<const WbCirclePayload*>(c.payload);
  EXPECT_STREQ(cp->szCX, "35");
  EXPECT_STREQ(cp->szCY, "35");
  EXPECT_STREQ(cp->szR, "25");
}

TEST_F(ShapeMessages, PathTextHasNoClosingZ) {
  CStrokeFreeLine line;
  line.m_pOwner = &board_;
  for (CPoint p : {CPoint(10, 10), CPoint(20, 30), CPoint(40, 30)}) line.m_arrPoint.Add(p);
  ChangeBlocks blocks;
  ASSERT_NE(blocks.Build(line, WB_CHANGE_GEOMETRY, WB_HEADER_P2P), nullptr);
  auto* payload = static_cast<const WbPathPayload*>(blocks.payload);
  EXPECT_EQ((const void*)payload->pszPath, blocks.extra);
  EXPECT_STREQ(payload->pszPath, "M 10 10 L 20 30 L 40 30");
}

// The wire examples, sent to the host as the conference surface sends them.
class ShapeWire : public tavtest::ModuleTest {
 protected:
  const WbMsgHeader* Send(CStrokeBase& shape, int op) {
    shape.m_pOwner = &board_;
    CDlgDataConf* conf = StartConference("sip:conf001@ims.example.cn");
    conf->SetDConfID(kDConfWhiteboardID, "wb-9");
    conf->SetSubConf(kSubConfWhiteboard, TRUE, 41);
    conf->m_bInConf = TRUE;
    {
      ChangeBlocks blocks;
      WbMsgHeader* header = blocks.Build(shape, op, WB_HEADER_CONF, 1, 1);
      if (!header) return nullptr;
      Module()->IMSSend2MrsMethod(WB_CONFTYPE_CONF, WB_MRS_METHOD, header);
    }
    std::vector<const WbMsgHeader*> sent = wbtest::SentWbMessages(Host());
    return sent.size() == 1 ? sent[0] : nullptr;
  }
  CDlgDFWhiteBoard board_;
};

TEST_F(ShapeWire, LineTravelsAsDrawn) {
  CStrokeLine line;
  strcpy(line.m_szID, "line:0123456789abcdef0");
  line.m_rcDraw = RECT{100, 50, 20, 80};
  line.UpdateTracker();
  const WbMsgHeader* sent = Send(line, WB_CHANGE_GEOMETRY);
  ASSERT_NE(sent, nullptr);
  EXPECT_STREQ(sent->head.szDConfID, "wb-9");
  const auto* payload = wbtest::FirstPayload<WbLinePayload>(sent);
  ASSERT_NE(payload, nullptr);
  EXPECT_STREQ(payload->head.szID, "line:0123456789abcdef0");
  EXPECT_STREQ(payload->szX1, "100");
  EXPECT_STREQ(payload->szY1, "50");
  EXPECT_STREQ(payload->szX2, "20");
  EXPECT_STREQ(payload->szY2, "80");
  EXPECT_EQ((const WbStyleRecord*)payload->pStyle, nullptr);
}

TEST_F(ShapeWire, EllipseTravelsAsCentreAndRadii) {
  CStrokeEllipse ellipse;
  ellipse.m_rcDraw = RECT{0, 0, 101, 51};
  ellipse.UpdateTracker();
  const WbMsgHeader* sent = Send(ellipse, WB_CHANGE_GEOMETRY);
  ASSERT_NE(sent, nullptr);
  const auto* payload = wbtest::FirstPayload<WbEllipsePayload>(sent);
  ASSERT_NE(payload, nullptr);
  EXPECT_EQ(DWORD(payload->head.nObjType), DWORD(WB_OBJ_ELLIPSE));
  EXPECT_STREQ(payload->szCX, "50");
  EXPECT_STREQ(payload->szCY, "25");
  EXPECT_STREQ(payload->szRX, "50");
  EXPECT_STREQ(payload->szRY, "25");
}

TEST_F(ShapeWire, BlueOutlineTravelsAsItsColourText) {
  CStrokeLine line;
  line.m_crColor = RGB(0, 0, 255);
  line.m_nPenWidth = 6;
  const WbMsgHeader* sent = Send(line, WB_CHANGE_PEN_COLOR);
  ASSERT_NE(sent, nullptr);
  const auto* payload = wbtest::FirstPayload<WbLinePayload>(sent);
  ASSERT_NE(payload, nullptr);
  const WbStyleRecord* style = payload->pStyle;
  ASSERT_NE(style, nullptr);
  EXPECT_STREQ(style->szPenColor, "16711680");
  int32_t width = style->nPenWidth;
  EXPECT_EQ(width, 6);
}

}  // namespace
