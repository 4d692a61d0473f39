// Selection with the tracker: picking, moving and resizing, restacking, deletion, the context
// menu, and the laser pointer's replacement.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/ui/Cursor.h"
#include "platform/ui/Menu.h"
#include "whiteboard/model/StrokeBitmap.h"
#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokeHandPointer.h"
#include "whiteboard/model/StrokeKinds.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/StrokeRoundCircle.h"
#include "whiteboard/model/StrokeRoundRect.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/model/StrokeTrapezia.h"
#include "whiteboard/model/StrokeTriangle.h"
#include "whiteboard/surface/DrawSurface.h"

namespace {

template <class T>
BOOL Is(CStrokeBase* stroke) {
  return dynamic_cast<T*>(stroke) != nullptr;
}

}  // namespace

BOOL CDrawSurface::IsOnCurrentPage(CStrokeBase* stroke) {
  if (!stroke || !m_pCurPage) return FALSE;
  if (m_pCurPage->Index().Contains(stroke)) return TRUE;
  for (POSITION pos = m_pCurPage->m_listStroke.GetHeadPosition(); pos;) {
    CStrokeBase* s = static_cast<CStrokeBase*>(m_pCurPage->m_listStroke.GetNext(pos));
    if (strncmp(s->m_szID, stroke->m_szID, WB_ID_LEN - 1) == 0) return TRUE;
  }
  return FALSE;
}

BOOL CDrawSurface::IsSelectedOnPage(CStrokeBase* stroke) {
  return stroke && stroke == m_pSelected && m_pCurPage && m_pCurPage->IndexOfStroke(stroke) >= 0;
}

void CDrawSurface::InvalidateSelectionFrame(CStrokeBase* stroke) {
  const CRectTracker* tracker = stroke->GetTracker();
  CRect whole;
  tracker->GetTrueRect(&whole);
  CRect inside(tracker->m_rect);
  inside.NormalizeRect();
  if (tracker->m_nStyle & CRectTracker::resizeInside) inside.DeflateRect(tracker->GetHandleSize(), tracker->GetHandleSize());
  if ((tracker->m_nStyle & CRectTracker::hatchInside) || inside.IsRectEmpty())
    inside.SetRect(whole.left, whole.top, whole.left, whole.top);  // the bottom strip is all of it
  const RECT strips[4] = {{whole.left, whole.top, whole.right, inside.top},
                          {whole.left, inside.top, inside.left, inside.bottom},
                          {inside.right, inside.top, whole.right, inside.bottom},
                          {whole.left, inside.bottom, whole.right, whole.bottom}};
  for (const RECT& strip : strips) {
    RECT r = ToClient(strip);
    if (r.left < r.right && r.top < r.bottom) InvalidateRect(&r, FALSE);
  }
}

void CDrawSurface::ForgetAllStrokes() {
  m_bHasSelection = FALSE;
  m_pSelected = nullptr;
  m_pPrevSelected = nullptr;
  m_pStrokeTemp = nullptr;
  m_pTracked = nullptr;
  m_flagged.clear();
}

// ---- Picking ----

std::vector<CStrokeBase*> CDrawSurface::PickCandidates(CPoint doc) {
  const CStrokeIndex& index = m_pCurPage->Index();
  std::vector<CStrokeBase*> near;
  index.Find(RECT{doc.x, doc.y, doc.x + 1, doc.y + 1}, &near);
  std::vector<std::pair<int64_t, CStrokeBase*>> picked;
  for (CStrokeBase* stroke : near) picked.emplace_back(index.Order(stroke), stroke);
  for (CStrokeBase* stroke : m_flagged)
    if (index.Contains(stroke) && stroke->m_bSelected) picked.emplace_back(index.Order(stroke), stroke);
  std::sort(picked.begin(), picked.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  picked.erase(std::unique(picked.begin(), picked.end()), picked.end());
  std::vector<CStrokeBase*> out;
  for (const auto& p : picked) out.push_back(p.second);
  return out;
}

void CDrawSurface::NoteFlagged(CStrokeBase* stroke) {
  if (std::find(m_flagged.begin(), m_flagged.end(), stroke) == m_flagged.end()) m_flagged.push_back(stroke);
}

void CDrawSurface::PressSelect(CPoint client, CPoint doc) {
  if (!m_pCurPage->m_listStroke.IsEmpty()) m_bTracking = TRUE;
  CStrokeBase* hit = nullptr;
  // Objects elsewhere keep their cleared flags: only those near the point and those flagged
  // can change.
  for (CStrokeBase* stroke : PickCandidates(doc)) {
    if (hit) break;
    if (stroke->m_bSelected && !IsLaserId(stroke->m_szID)) {
      m_tracker.m_rect = ToClient(stroke->GetTracker()->m_rect);
      int code = m_tracker.HitTest(client);
      if (code >= 0) {
        ReleaseCapture();
        SetCursor(LoadCursor(nullptr, CursorForHit(code)));
        TrackSelected(client, TRUE);
        return;
      }
      stroke->m_bSelected = FALSE;
      InvalidateSelectionFrame(stroke);
    } else if (!stroke->HitTest(doc.x, doc.y)) {
      stroke->m_bSelected = FALSE;
    } else {
      NoteFlagged(stroke);
      if (!IsLaserId(stroke->m_szID)) hit = stroke;
    }
  }
  if (!hit) {
    m_bHasSelection = FALSE;
    m_pSelected = nullptr;
    return;
  }
  SelectStroke(hit);
  ReleaseCapture();
  TrackSelected(client, FALSE);
}

void CDrawSurface::SelectStroke(CStrokeBase* stroke) {
  if (m_pSelected && IsOnCurrentPage(m_pSelected)) {
    InvalidateSelectionFrame(m_pSelected);
  }
  if (!m_bHasSelection) {
    m_bHasSelection = TRUE;
    m_pSelected = m_pPrevSelected = stroke;
  } else {
    m_pPrevSelected = m_pSelected;
    m_pSelected = stroke;
  }
  for (CStrokeBase* flagged : m_flagged) flagged->m_bSelected = FALSE;
  m_flagged.assign(1, stroke);
  stroke->m_bSelected = TRUE;
  if (CSurfaceOwner* owner = Owner()) owner->ShowSelectedColor(stroke->m_crColor);
  m_tracker.m_rect = ToClient(stroke->GetTracker()->m_rect);
  m_tracker.m_nStyle = CRectTracker::dottedLine | (Is<CStrokeHandPointer>(stroke) ? 0 : CRectTracker::resizeOutside);
  m_tracker.m_nHandleSize = Is<CStrokeHandPointer>(stroke) ? 0 : 5;
  InvalidateSelectionFrame(stroke);
}

// ---- Moving and resizing ----

void CDrawSurface::TrackSelected(CPoint client, BOOL wasSelected) {
  m_pTracked = m_pSelected;
  m_bTracking = TRUE;
  BOOL moved = m_tracker.Track(this, client, TRUE);
  m_bTracking = FALSE;
  CStrokeBase* stroke = m_pTracked;
  m_pTracked = nullptr;
  CSurfaceOwner* owner = Owner();
  if (owner && owner->PageChangedWhileTracking()) {
    owner->PageChangedWhileTracking() = FALSE;
    Invalidate(FALSE);
    return;
  }
  // A received record may have taken the object away while the tracker ran.
  if (!stroke || !m_pCurPage) {
    Invalidate(FALSE);
    return;
  }
  if (!moved) {
    if (wasSelected && Is<CStrokeText>(stroke)) {
      m_bNewText = FALSE;
      BeginTextEdit(static_cast<CStrokeText*>(stroke));
    }
    return;
  }
  ApplyTrackedRect(stroke, m_tracker.m_rect);
}

void CDrawSurface::ApplyTrackedRect(CStrokeBase* stroke, RECT tracked) {
  InvalidateStroke(stroke);  // the old place
  CRect doc(tracked);
  doc.OffsetRect(m_ptOrigin.x, m_ptOrigin.y);
  BOOL keepsDirection = Is<CStrokeLine>(stroke) || Is<CStrokeTriangle>(stroke) || Is<CStrokeTrapezia>(stroke);
  if (!keepsDirection) doc.NormalizeRect();
  if (Is<CStrokeRoundCircle>(stroke)) {
    int side = std::min(abs(doc.Width()), abs(doc.Height()));
    doc = CRect(doc.left, doc.top, doc.left + side, doc.top + side);
  }
  if (Is<CStrokeRoundRect>(stroke)) static_cast<CStrokeRoundRect*>(stroke)->SetCorner(&doc);
  if (CStrokeBitmap* picture = dynamic_cast<CStrokeBitmap*>(stroke)) {
    picture->m_nX = doc.left, picture->m_nY = doc.top;
    picture->m_nWidth = doc.Width(), picture->m_nHeight = doc.Height();
  } else if (Is<CStrokeTriangle>(stroke) || Is<CStrokeTrapezia>(stroke)) {
    stroke->m_rcDraw = doc;
    stroke->ScaleTo(&doc);
  } else if (Is<CStrokeFreeLine>(stroke)) {
    stroke->ScaleTo(&doc);  // pen, highlighter, polyline and polygon move their points
  } else {
    stroke->m_rcDraw = doc;
  }
  stroke->UpdateTracker();
  if (m_pCurPage) m_pCurPage->StrokeChanged(stroke);
  m_tracker.m_rect = ToClient(stroke->GetTracker()->m_rect);
  InvalidateStroke(stroke);  // the new place
  if (!IsOnCurrentPage(stroke)) return;
  if (Is<CStrokeText>(stroke))
    SendStrokeMethod(WB_MSG_OBJECT_CHANGE, 5, stroke);
  else
    SendChange(WB_CHANGE_GEOMETRY, stroke);
  OnContentChanged();
}

// ---- Context menu and its commands ----

CStrokeBase* CDrawSurface::HitTopmost(CPoint doc) {
  for (CStrokeBase* stroke : PickCandidates(doc)) {
    BOOL marked = stroke->m_bSelected;
    if (stroke->HitTest(doc.x, doc.y)) {
      NoteFlagged(stroke);
      return stroke;
    }
    // most objects' hit test stores its answer as their mark
    stroke->m_bSelected = MenuClearsMissedMarks() ? FALSE : marked;
  }
  return nullptr;
}

void CDrawSurface::OnContextMenu(CWnd*, CPoint point) {
  if (m_nTool != kToolSelect || !m_pCurPage) return;
  CPoint client = point;
  ScreenToClient(&client);
  CStrokeBase* hit = HitTopmost(ToDocument(client));
  if (!hit) {
    if (MenuClearsMissedMarks()) Invalidate(FALSE);
    return;
  }
  if (IsLaserId(hit->m_szID)) return;
  SelectStroke(hit);
  CMenu menu;
  if (!menu.LoadMenu(ObjectMenuId())) return;
  CMenu* popup = menu.GetSubMenu(0);
  if (!popup) return;
  PrepareObjectMenu(popup, hit);
  // A shown menu counts as a change of the board, whatever is then chosen.
  if (popup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this)) OnContentChanged();
}

void CDrawSurface::PrepareObjectMenu(CMenu* popup, CStrokeBase* stroke) {
  UINT textOnly = Is<CStrokeText>(stroke) ? MF_ENABLED : MF_GRAYED;
  popup->EnableMenuItem(ID_WB_EDIT_TEXT, MF_BYCOMMAND | textOnly);
  popup->EnableMenuItem(ID_WB_TEXT_FONT, MF_BYCOMMAND | textOnly);
}

void CDrawSurface::OnStrokeRemoved(CStrokeBase* stroke) {
  m_flagged.erase(std::remove(m_flagged.begin(), m_flagged.end(), stroke), m_flagged.end());
  if (m_pSelected == stroke) m_pSelected = nullptr, m_bHasSelection = FALSE;
  if (m_pPrevSelected == stroke) m_pPrevSelected = nullptr;
  if (m_pStrokeTemp == stroke) m_pStrokeTemp = nullptr;
  if (m_pTracked == stroke) m_pTracked = nullptr;
  if (m_pEditText == stroke) {
    // The text is on the page, which deletes it: only the edit closes.
    m_pEditText = nullptr;
    m_bNewText = FALSE;
    CancelTextEdit();
  }
}

void CDrawSurface::OnDeleteObject() {
  CStrokeBase* stroke = m_pSelected;
  if (!IsSelectedOnPage(stroke)) return;
  // The object leaves the page before its deletion is sent: a record that the host delivers
  // during the send (the peer deleting it too, a new page) no longer finds it.
  InvalidateStroke(stroke);
  m_pCurPage->DetachStroke(stroke);
  CSurfaceOwner* owner = Owner();
  if (owner) owner->SendStroke(stroke);
  delete stroke;
  if (owner) owner->OnSelectedDeleted();
  OnContentChanged();
}

void CDrawSurface::OnBringToFront() {
  CStrokeBase* stroke = m_pSelected;
  if (!m_pCurPage || !stroke) return;
  if (!m_pCurPage->BringToFront(stroke)) return;
  InvalidateStroke(stroke);
  SendChange(WB_CHANGE_TO_FRONT, stroke);
  OnContentChanged();
}

void CDrawSurface::OnSendToBack() {
  CStrokeBase* stroke = m_pSelected;
  if (!m_pCurPage || !stroke) return;
  if (!m_pCurPage->SendToBack(stroke)) return;  // the page's background stays lowest
  InvalidateStroke(stroke);
  SendChange(WB_CHANGE_TO_BACK, stroke);
  OnContentChanged();
}

void CDrawSurface::OnEditText() {
  if (!m_pSelected || !Is<CStrokeText>(m_pSelected)) return;
  m_bNewText = FALSE;
  BeginTextEdit(static_cast<CStrokeText*>(m_pSelected));
}

// ---- Laser pointers ----

int CDrawSurface::RemoveLaserStrokes() {
  CSurfaceOwner* owner = Owner();
  if (!m_pCurPage || !owner) return -1;
  // Taken off the page first: a record delivered during a send may change the page.
  std::vector<CStrokeBase*> lasers;
  CObList& list = m_pCurPage->m_listStroke;
  for (POSITION pos = list.GetHeadPosition(); pos;) {
    CStrokeBase* stroke = static_cast<CStrokeBase*>(list.GetNext(pos));
    if (IsLaserId(stroke->m_szID)) lasers.push_back(stroke);
  }
  for (CStrokeBase* laser : lasers) {
    InvalidateDocRect(laser->m_rcDraw, 3);
    m_pCurPage->DetachStroke(laser);
  }
  for (CStrokeBase* laser : lasers) {
    owner->SendStroke(laser);
    delete laser;
  }
  return 0;
}
