// CDrawSurface: the drawing surface that the three whiteboards share. It keeps the board's
// pages, shows the current page on a fixed-size canvas with scroll bars and double-buffered
// painting, turns mouse and keyboard gestures into objects, sends every new or changed object
// as a whiteboard record and applies received records. What differs between the boards (the
// canvas size's home, the method records, the owner) is asked of the derived surface; how the
// board's records are addressed and sent, of the owner's channel (IWbBoardChannel).
#pragma once

#include <vector>

#include "platform/Collections.h"
#include "platform/Geometry.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/RectTracker.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "protocol/WbRecords.h"
#include "whiteboard/model/StrokeKinds.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/surface/SurfaceOwner.h"

class CDC;
class CMenu;
class CStrokeBase;
class CStrokePage;
class CStrokeText;
class IWbBoardChannel;

// The window message by which a whiteboard window hands a received record to its surface.
constexpr UINT WM_WB_BOARD_METHOD = WM_USER + 1000;
// For tools that run the module: the page XML of the current page into the buffer of lParam
// (wParam bytes, zero-terminated, cut to fit); returns the XML's length (0 without a page).
constexpr UINT WM_WB_GET_PAGE_XML = WM_USER + 1001;
// The same for every page the board holds, in list order, each page's XML numbered with the
// page's own number and ended by a line feed; the current page stays as it is.
constexpr UINT WM_WB_GET_BOARD_XML = WM_USER + 1003;

// Context menu 599 and its commands.
enum {
  IDR_WB_OBJECT_MENU = 599,
  ID_WB_DELETE_OBJECT = 13495,
  ID_WB_BRING_TO_FRONT = 13170,
  ID_WB_SEND_TO_BACK = 13171,
  ID_WB_EDIT_TEXT = 13437,
  ID_WB_TEXT_FONT = 13438,
};
// The module's cursors of the laser press and the move-page tool.
enum { IDC_WB_LASER = 598, IDC_WB_PAN = 796, IDC_WB_PANNING = 797 };

class CDrawSurface : public CDialog, private CStrokeRemovalListener {
 public:
  explicit CDrawSurface(UINT templateId, CWnd* parent = nullptr);
  ~CDrawSurface() override;

  // ---- Pages ----
  // 0 -> NULL; no pages -> NULL; one page -> the current page whatever nPage; else the page
  // numbered nPage, NULL when there is none.
  CStrokePage* GetPageByNumber(int nPage);
  // The page numbered nPage, NULL when the board holds none.
  CStrokePage* FindPage(int nPage) const;
  // The number of the board's last page as this member knows it: the highest of its own pages'
  // numbers and of the page counts that received records announced. A new page takes the next.
  int BoardPageCount() const;
  // Shows page, numbered nPage, from the canvas origin (the page box and received pages).
  void TurnToPage(CStrokePage* page, int nPage);
  // Empties the board and clears the selection and gesture state.
  void ResetBoard();
  // Deletes the pages and forgets every reference into them; no current page after.
  void RemoveAllPages();
  // Appends a new empty page, numbered after the last one, and makes it current.
  CStrokePage* AppendNewPage();
  // Adds a new empty page numbered number among the pages (kept in number order), makes it
  // current on the canvas of a new page (1600 x 1200) and lays the scroll bars out anew from
  // the canvas origin.
  CStrokePage* AppendCanvasPage(int number);
  // A new page of this surface, not yet in the list: the surface hears of every object the
  // page gives up.
  CStrokePage* NewPage();

  // ---- Canvas and scrolling ----
  virtual CSize GetCanvasSize() const = 0;
  virtual void SetCanvasSize(int cx, int cy) = 0;
  // Lays out both scroll bars for the canvas; TRUE first resets the origin to 0,0.
  int RecalcScrollBars(BOOL bResetOrigin);
  // Stores the origin and sets both scroll positions to their minimum; the module-wide copy
  // of the origin becomes 0,0.
  int SetScrollOrigin(int x, int y);

  // ---- Objects ----
  // TRUE when an object with the same id is on the current page.
  BOOL IsOnCurrentPage(CStrokeBase* stroke);
  // Whether stroke is (still) the selected object of the page shown: a record received
  // meanwhile (during a modal dialog, say) may have taken it away or turned the page.
  BOOL IsSelectedOnPage(CStrokeBase* stroke);
  // Sends the deletion of every laser object of the current page and removes it; -1 without
  // a current page or an owner.
  int RemoveLaserStrokes();
  // The tracker's hit code to a cursor.
  static LPCTSTR CursorForHit(int hit);
  // Border code of a client point: 1 left, 2 right, 4 top, 8 bottom, 16 top-left,
  // 32 bottom-right, 64 bottom-left, 128 top-right, 0 inside.
  UINT HitTestBorder(int x, int y);

  // ---- In-place text editing ----
  BOOL BeginTextEdit(CStrokeText* pText);
  BOOL EndTextEdit();
  void CancelTextEdit();

  // ---- Sending ----
  UINT SendNewLine();
  UINT SendNewRectangle();
  UINT SendNewEllipse();
  UINT SendNewSolidEllipse();
  UINT SendNewSolidRectangle();
  UINT SendNewRoundRect();
  UINT SendNewTriangle();
  UINT SendNewTrapezia();
  UINT SendNewFreeLine();
  UINT SendNewFluorescence();
  UINT SendNewPolyline();
  UINT SendNewPolygon();
  UINT SendNewCircle();
  UINT SendNewImage(const char* pszBase64);
  UINT SendNewHand();
  UINT SendNewLaser();
  // The object's own method record (text records), sent as it is.
  virtual int SendStrokeMethod(int nMethod, int nKind, CStrokeBase* pStroke);
  // The object's change record for change op (WbChangeOp), sent and freed.
  int SendChange(int op, CStrokeBase* pStroke);

  // ---- Received records and documents ----
  // WM_USER+1000: applies one received record (WbRecvMsgHeader) by its method code.
  LRESULT OnBoardMethod(WPARAM pRecord, LPARAM);
  // WM_PRINTCLIENT: the whole canvas of the current page, as painting draws it but without
  // selection frames, into the DC of wParam.
  LRESULT OnPrintClient(WPARAM hdc, LPARAM);
  // WM_WB_GET_PAGE_XML and WM_WB_GET_BOARD_XML.
  LRESULT OnGetPageXml(WPARAM size, LPARAM buffer);
  LRESULT OnGetBoardXml(WPARAM size, LPARAM buffer);
  // Received method 2, the board's current content: the board becomes the record's page with
  // its objects, as for a page-content record. FALSE, and nothing changed, for a record without
  // a page/op record or page number (a bare request carries nothing to apply).
  BOOL ApplyBoardContent(void* record);
  // The board as an XWB document: 46 header characters, then the XML.
  CString WriteXwbDocument();
  // Replaces the board with the pages of an XWB document of nLength bytes (its header's
  // length may hold zero bytes); FALSE, the board unchanged, for a malformed one.
  BOOL ReadXwbDocument(const char* pszDoc, size_t nLength);

  // ---- State (the owner reads and writes some of it) ----
  POINT m_ptStart = {0, 0};
  POINT m_ptCur = {0, 0};
  int m_nTool = kToolSelect;
  CObList m_listPages;
  CStrokePage* m_pCurPage = nullptr;
  POINT m_ptDown = {0, 0};
  POINT m_ptLast = {0, 0};
  BOOL m_bPolygonStart = TRUE;
  RECT m_rcPolygonClose = {0, 0, 0, 0};
  POINT m_ptPanAnchor = {0, 0};
  BOOL m_bHasSelection = FALSE;
  CStrokeBase* m_pSelected = nullptr;
  CStrokeBase* m_pPrevSelected = nullptr;
  CStrokeBase* m_pStrokeTemp = nullptr;
  int m_nPenWidth = 2;
  int m_nCurPageNo = 0;
  // The largest page count a received record announced (0 once the board has ended).
  int m_nKnownPageCount = 0;
  COLORREF m_crColor = 0;
  POINT m_ptOrigin = {0, 0};
  CRectTracker m_tracker;
  CStrokeText* m_pEditText = nullptr;
  CEdit* m_pEdit = nullptr;
  CArray<CPoint, CPoint> m_arPoints;
  BOOL m_bTracking = FALSE;
  BOOL m_bNewText = FALSE;
  POINT m_ptBandStart = {0, 0};
  POINT m_ptBandPrev = {0, 0};
  POINT m_ptBandCur = {0, 0};
  CRectTracker* m_pTextTracker = nullptr;
  BOOL m_bGestureValid = FALSE;
  // The band routine of the gesture in progress; cleared once drawn.
  RubberBandProc m_pfnRubberBand = nullptr;
  // The object whose tracker is being dragged; cleared when a record takes it away meanwhile.
  CStrokeBase* m_pTracked = nullptr;

 protected:
  // ---- What the derived surface decides ----
  virtual CSurfaceOwner* Owner() const = 0;
  // The method record of BuildOpRecord for this board; NULL when it cannot be built.
  virtual WbMsgHeader* BuildMethodRecord(CStrokeBase* stroke, int nMethod, int nKind) = 0;
  // Called on every change of the board, by the user or by a received record.
  virtual void OnContentChanged() {}
  // Whether a received record is applied: by default page records, records for the current
  // page and, on a board that keeps received pages, records for a page it holds.
  virtual BOOL AcceptsRecord(DWORD code, int page) const;
  // Whether a received new page or page content leaves the board's other pages in place (the
  // conference and point-to-point boards, whose members each hold the pages they saw) rather
  // than replacing the board with that one page.
  virtual BOOL KeepsReceivedPages() const { return FALSE; }
  // The context menu of a selected object: its resource, and its items enabled for the object.
  virtual UINT ObjectMenuId() const { return IDR_WB_OBJECT_MENU; }
  virtual void PrepareObjectMenu(CMenu* popup, CStrokeBase* stroke);
  // Whether the button release writes its log lines (the conference surface's only).
  virtual BOOL LogsRelease() const { return TRUE; }
  // Whether the band drawn straight onto the window during a move is forgotten at once (the
  // point-to-point surface) or drawn again by the next paint.
  virtual BOOL ForgetsBandOnceDrawn() const { return FALSE; }
  // Whether the context menu's hit test clears the marks of the objects it misses, and a click
  // on no object repaints.
  virtual BOOL MenuClearsMissedMarks() const { return TRUE; }
  // A button release on a board without a page.
  virtual void ReleaseWithoutPage();
  // The selected object's commands that the sister surfaces map to their own menu ids.
  void OnDeleteObject();
  void OnEditText();
  // The font dialog on the selected text; on OK the text takes the font and colour, the board
  // is marked changed and the text's change record goes out.
  void OnTextFont();
  // The owner's channel, which new pages and objects of this surface take; NULL without an owner.
  IWbBoardChannel* Channel() const;
  // Whether the board's records may leave now (never without a channel).
  BOOL CanSend() const;
  // Hands a whole message to the host with the channel's nConfType; the host's result.
  int SendToHost(void* record);
  // Repaints a document rectangle, normalised and grown by grow, without erasing.
  void InvalidateDocRect(RECT document, int grow);
  BOOL HoldsCapture();
  // Repaints the place of an object as it stands (its paint extent); nothing for NULL.
  void InvalidateStroke(CStrokeBase* stroke);

  // ---- Handlers ----
  BOOL OnInitDialog() override;
  void OnOK() override {}
  void OnCancel() override {}
  BOOL PreTranslateMessage(MSG* msg) override;
  void OnPaint() override;
  // Paints the update region (client coordinates, inside the client area).
  void PaintRegion(CDC* dc, const CRgn& update);
  void OnSize(UINT type, int cx, int cy) override;
  void OnHScroll(UINT code, UINT pos, CWnd* scrollBar) override;
  void OnVScroll(UINT code, UINT pos, CWnd* scrollBar) override;
  BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnRButtonDown(UINT flags, CPoint point) override;
  void OnContextMenu(CWnd* wnd, CPoint point) override;

 private:
  struct ShapeTool;
  BOOL m_bLayingOutBars = FALSE;
  CBitmap m_canvasBitmap;
  CSize m_szCanvasBitmap;
  static const ShapeTool* FindShapeTool(int tool);

  void DeleteAllPages();

  // Painting.
  BOOL PrepareCanvasBitmap(CDC* dc);
  // Draws the objects of the current page that reach into the areas (document coordinates).
  void DrawPage(CDC* dc, const std::vector<RECT>& areas);
  std::vector<CStrokeBase*> ObjectsReaching(const std::vector<RECT>& areas) const;
  void DrawBand(CDC* dc);
  // Scrolling: a bar moved to pos, the origin, the module-wide copy and an open text edit
  // following; OnScroll finds pos for a scroll code.
  void ScrollTo(int bar, int pos);
  void OnScroll(int bar, UINT code);
  // Both bars follow m_ptOrigin, with the module-wide copy.
  void ApplyOriginToBars();
  void AutoScroll(UINT border);
  // The move-page tool: the view follows the pointer within the canvas.
  void Pan(CPoint point);
  void UpdateBand(CPoint point);

  // Gestures.
  CPoint ToDocument(POINT client) const;
  RECT ToClient(RECT document) const;
  void PressPolygon(CPoint doc);
  void PressSelect(CPoint client, CPoint doc);
  void ReleaseDragShape(const ShapeTool& shape, CPoint doc);
  void ReleasePicture(int tool, CPoint doc);
  void ReleaseText(CPoint doc);
  // Whether the gathered points, grown by half the pen width, span 5 pixels on an axis.
  BOOL PointsBigEnough() const;
  // Gives a new object its id, colour and width, appends it to the current page and keeps
  // it as m_pStrokeTemp.
  void AddNewStroke(CStrokeBase* stroke, const char* kind, BOOL takesWidth);
  // Ends the point list of a gesture, kept or dropped: the next point-list gesture and the
  // next polygon start from their own first click.
  void ForgetGesturePoints();
  // Makes a point-list object of the tool from m_arPoints and sends it.
  void FinishPointList(int tool);

  // Selection.
  void SelectStroke(CStrokeBase* stroke);
  // Every object a page gives up: the selection, the object just drawn, the tracked object
  // and an open edit of its text forget it before it goes.
  void OnStrokeRemoved(CStrokeBase* stroke) override;
  // The selection state cleared: the pages are going away.
  void ForgetAllStrokes();
  // Invalidates what selecting or deselecting the object changes: its tracker's outline and
  // handles, not the inside (the object's own pixels do not depend on its selection).
  void InvalidateSelectionFrame(CStrokeBase* stroke);
  // Drags the selected object's tracker; wasSelected: the press fell on an object already
  // selected.
  void TrackSelected(CPoint client, BOOL wasSelected);
  void ApplyTrackedRect(CStrokeBase* stroke, RECT tracked);
  CStrokeBase* HitTopmost(CPoint doc);
  // The objects of the current page a press at doc may concern, top to bottom: those whose
  // extent holds the point, and those whose selected flag is set.
  std::vector<CStrokeBase*> PickCandidates(CPoint doc);
  // Objects whose selected flag this surface (or their hit test) may have set.
  std::vector<CStrokeBase*> m_flagged;
  void NoteFlagged(CStrokeBase* stroke);
  void OnBringToFront();
  void OnSendToBack();

  // Text boxes.
  RECT SizeTextBox(POINT start, POINT end);
  // Takes an existing text committed empty off the page and sends its deletion.
  void RemoveEmptiedText(CStrokeText* text);

  // Sending.
  // Sends a payload as a new-object message and frees it; 0 for NULL.
  UINT SendNewPayload(void* payload);

  // Received records.
  void ApplyNewPage(int page, BOOL withContent, void* record, BOOL keepPages);
  void ApplyPageDelete(const WbPageOpRecord* pageOp, int32_t count);
  void ApplyObjectRecord(DWORD code, const WbPageOpRecord* pageOp);
  // What a document holds, gathered before the board is replaced.
  struct XwbContent {
    BOOL hasSize = FALSE;
    CSize size;
    std::vector<CStrokePage*> pages;
  };
  BOOL ReadXwbChild(struct XmlElement* child, XwbContent* content);
};
