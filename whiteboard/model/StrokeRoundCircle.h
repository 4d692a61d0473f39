// CStrokeRoundCircle: a filled circle, the square that starts at the top-left corner of its
// drawn rectangle with the smaller of its width and height as side.
#pragma once

#include "whiteboard/model/StrokeSolidEllipse.h"

class CStrokeRoundCircle : public CStrokeSolidEllipse {
  DECLARE_DYNCREATE(CStrokeRoundCircle)

 public:
  CStrokeRoundCircle() = default;
  explicit CStrokeRoundCircle(IWbBoardChannel* owner) : CStrokeSolidEllipse(owner) {}

  // The tracker becomes the square at m_rcDraw's top-left corner whose side is the smaller of
  // the signed width and height.
  BOOL UpdateTracker() override;
  // A fill of the colour outlined with the pen the DC holds.
  void Draw(CDC* dc, LPRECT rect) override;
  // Ops 1 (centre and radius), 2 (fill colour), 4 (width), 7 and 8.
  WbMsgHeader* BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                              WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page, DWORD headerValue,
                              void** ppExtra) override;
  CString GetTypeName() override { return "circle"; }

  // The drag in progress: the circle in the square at the normalised top-left corner whose
  // side is the smaller of |width| and |height|.
  static void DrawRubberBand(CDC* dc, int left, int top, int right, int bottom);
};
