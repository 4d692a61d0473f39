// CWbBoardWindow: what the conference, point-to-point and shared-document whiteboard windows
// share as the owners of a drawing surface and the channels of their boards: handing received
// records to the surface, building, changing and deleting the objects that records name, sending
// the window's own records, the six board-style numbers, and the select button, palette bar or
// current colour, line-width list and page controls that the surface touches. Each window
// declares its board's address (IWbBoardChannel: header factory, header kind, nConfType and
// whether it may send) once; the surface, the pages and the objects use it through the
// channel.
#pragma once

#include "platform/ui/Dialog.h"
#include "protocol/WbRecords.h"
#include "whiteboard/model/WbBoardChannel.h"
#include "whiteboard/surface/LineWidthListBox.h"
#include "whiteboard/surface/SurfaceOwner.h"

class CColorBarDlg;
class CDrawSurface;

// The finished screen capture for a board window: lParam is the captured picture (in this
// headless build, the path of a picture file standing for the captured area).
constexpr UINT WM_WB_CAPTURE_DONE = WM_USER + 1002;

class CWbBoardWindow : public CDialog, public CSurfaceOwner, public IWbBoardChannel {
 public:
  explicit CWbBoardWindow(UINT templateId);

  // The window's palette bar; NULL for a window without one.
  CColorBarDlg* GetColorBar() const { return m_pColorBar; }

  // Hands a received whiteboard record to the surface (WM_USER+1000, synchronously).
  virtual void DispatchBoardRecord(void* record);

  // ---- IWbBoardChannel ----
  // The running conference's URI (GetWbConfURI), whichever the board.
  CString GetWbConfURI() const override;

  // ---- CSurfaceOwner ----
  IWbBoardChannel* BoardChannel() override { return this; }
  void OnBoardStyle(void* record) override;
  // The board's current content (an answer to a content request): the board shows its page.
  void OnBoardSync(void* record) override;
  // The board closed: it is emptied and its canvas goes.
  void OnBoardClosed(int reserved) override;
  int ClearBoard() override;
  void OnPageContent(void* record) override;
  void OnStrokeAdd(void* payload, CStrokePage* page) override;
  void OnStrokeModify(void* payload, CStrokePage* page) override;
  int OnStrokeDelete(void* payload, CStrokePage* page) override;
  // Sends the deletion of stroke on the current page with the board's own header.
  int SendStroke(CStrokeBase* stroke) override;
  // Through the module object; 0 (IDCANCEL) without one.
  int SendToHost(int confType, void* record) override;
  INT_PTR RunPopupDialog(CDialog& dialog) override;

  // Sends the content of page nPage (header type 6, op 2, one node per object).
  void SendPageContent(int nPage);
  BOOL& PageChangedWhileTracking() override { return m_bPageChangedWhileTracking; }
  void ReturnToSelectTool() override;
  void ShowSelectedColor(COLORREF color) override;
  void OnSelectedDeleted() override;
  void ShowReceivedPage(int page) override;

  // WM_WB_CAPTURE_DONE: the capture becomes a picture at the view's top-left corner: encoded
  // as JPEG of quality 85, Base64, loaded into a picture object on the current page and sent
  // to the other sides (SendNewImage).
  LRESULT OnMyHookMsg(WPARAM, LPARAM capturePath);

  // Leaving a board that changed since it was last saved (changed set): a question box offers
  // to save it first; Yes saves it as an XWB document to the file chosen in the save dialog and
  // clears changed. TRUE when the board may go (saved, or No), FALSE when it stays (Cancel, the
  // dialog cancelled, the file not written).
  BOOL OfferToSave(BOOL& changed);
  // The board as an XWB document.
  virtual CString BoardDocument();

  // Disables the page controls and enables them again 500 ms later (the page box only while
  // this member may turn pages).
  int DisablePageControls();
  // Whether this member may turn the board's pages and add pages (every member of a
  // point-to-point or shared-document board).
  virtual BOOL MayTurnPages() const { return TRUE; }

  // Sends the board style (header type 1): the six numbers tool, drawing colour, pen width,
  // canvas width, canvas height and current page number; the host's result. No board sends it
  // when it opens or goes live; a received style (method 1) is applied all the same.
  int SendBoardStyle();
  // Asks the members for the board's current content (header type 2, no page part); the
  // answer arrives as received method 2.
  int RequestBoardContent();

  CWnd* m_pCurToolBtn = nullptr;  // the button of the current tool (disabled)
  COLORREF m_crCurColor = 0;      // the current-colour button's colour
  BOOL m_bPageChangedWhileTracking = FALSE;
  int m_anBoardStyle[WB_STYLE_NUMBERS] = {};  // the six numbers of the last board style
  CLineWidthListBox m_listLineWidth;  // the line-width list (IDC_WB_LINE_WIDTH), where attached

 protected:
  // The window's surface (NULL before it is created).
  virtual CDrawSurface* BoardSurface() const = 0;
  // Starts GDI+ (GdiplusInit), creates surface from its template over the window's frame
  // control and takes the select button; FALSE when it cannot be created (surface deleted,
  // with a log line naming className).
  BOOL CreateSurface(CDrawSurface* surface, UINT templateId, const char* className);
  // Hands a message to the host for this board's members (the channel's nConfType) while the
  // board may send, and frees it; the host's result, 0 when nothing was sent.
  int SendBoardMessage(WbMsgHeader* header);
  // Maps the tool buttons: a press removes the laser pointers, gives the surface the button's
  // tool, shows the line-width list again (a deletion hides it) and makes the button the current
  // (disabled) one.
  void AttachToolButtons();
  // Fills the line-width list; its choice becomes the surface's pen width.
  void AttachLineWidthList();
  // Maps the new-page button: a new empty page after the board's last one becomes current and
  // is announced (header type 4), when this member may add pages.
  void AttachNewPageButton();
  // Destroys and deletes a surface; NULL is left alone.
  static void DeleteSurface(CDrawSurface* surface);
  // Creates bar from its template over the window's palette frame; the window owns it from
  // then on (deleted, with a log line, when it cannot be created).
  void PlaceColorBar(CColorBarDlg* bar, UINT templateId);
  // Destroys and deletes the palette bar; the owning window's destructor calls it first.
  void DeleteColorBar();
  void OnTimer(UINT_PTR id) override;
  void OnOK() override {}
  void OnCancel() override {}

 private:
  // The offer's Yes: the board as an XWB document to the file chosen in the save dialog, and
  // changed cleared; FALSE (changed kept) when the dialog is cancelled or the file not written.
  BOOL SaveBoard(BOOL& changed);
  // Fills a header with the content of page nPage (header type 6, op 2, one node per
  // object); FALSE (header freed) when the page is missing or memory runs out.
  BOOL FillPageContent(WbMsgHeader* header, int nPage);
  // Fills a header (whose page/op record this adds) with the deletion of stroke on the
  // surface's current page; FALSE (header freed) when out of memory.
  BOOL FillDeletion(WbMsgHeader* header, CStrokeBase* stroke);
  void EnablePageControls(BOOL enable);
  void OnToolButton(int id, int tool);
  void OnLineWidthChange();
  void ShowLineWidthList();
  void OnNewPage();
  CColorBarDlg* m_pColorBar = nullptr;
};
