// A stroke for the tests of the base class: its writer hooks are set by the test, and its
// change message (ops 1 and 3, as a line answers them) is built from the base's building blocks.
#pragma once

#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/model/WbGeometry.h"

namespace wbtest {

// A stroke whose hooks and change message are set by the test, built from the base's building blocks.
class CTestStroke : public CStrokeBase {
 public:
  using CStrokeBase::CStrokeBase;
  CString styleExtra, extraAttributes, content;
  CString GetStyleExtra() override { return styleExtra; }
  CString GetExtraAttributes() override { return extraAttributes; }
  CString GetContent() override { return content; }
  CString GetTypeName() override { return "line"; }

  // Answers op 1 (geometry) and op 3 (pen colour), as a line does.
  WbMsgHeader* BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                              WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page, DWORD headerValue,
                              void** ppExtra) override {
    if (!ChangeOutputsGiven(ppPayload, ppStyle, ppPageOp, ppNode, ppExtra, FALSE)) return nullptr;
    if (op != WB_CHANGE_GEOMETRY && op != WB_CHANGE_PEN_COLOR) return nullptr;
    WbLinePayload* payload = NewWbLinePayload();
    *ppPayload = payload;
    if (!payload) return nullptr;
    FillPayloadHead(&payload->head, WB_OBJ_LINE, op);
    if (op == WB_CHANGE_GEOMETRY) {
      SetWbLineGeometry(payload, m_tracker.m_rect);
    } else if (!(payload->pStyle = NewPenStyle(ppStyle))) {
      return nullptr;
    }
    return FinishChangeMessage(headerKind, payload, page, headerValue, ppPageOp, ppNode);
  }

  using CStrokeBase::GetPointBounds;
  using CStrokeBase::NewFillStyle;
  using CStrokeBase::NewPenStyle;
  using CStrokeBase::NewWidthStyle;
  using CStrokeBase::SetTrackerRect;
  using CStrokeBase::OpRecordStyle;
  using CStrokeBase::ScalePoint;
};

// Every block a change message hands back, freed like the surfaces free them.
struct ChangeBlocks {
  void* payload = nullptr;
  WbStyleRecord* style = nullptr;
  WbPageOpRecord* pageOp = nullptr;
  WbListNode* node = nullptr;
  void* extra = nullptr;
  WbMsgHeader* header = nullptr;

  WbMsgHeader* Build(CStrokeBase& stroke, int op, BYTE kind, DWORD page = 2, DWORD value = 5) {
    header = stroke.BuildWbMessage(op, kind, &payload, &style, &pageOp, &node, page, value, &extra);
    return header;
  }
  ~ChangeBlocks() {
    for (void* block : {payload, (void*)style, (void*)pageOp, (void*)node, extra, (void*)header})
      FreeWbBlock(block);
  }
};

}  // namespace wbtest
