// What a drawing surface asks of the whiteboard window that owns it: its board's channel,
// applying received board records, deleting objects on the wire, handing records to the host,
// running its dialogs, and the window's tool, colour and page controls.
#pragma once

#include "platform/Win32Types.h"

class CDialog;
class CStrokeBase;
class CStrokePage;
class IWbBoardChannel;

class CSurfaceOwner {
 public:
  virtual ~CSurfaceOwner() = default;

  // The channel of the board: how its records are addressed and sent. The surface gives it to
  // every page and object it makes.
  virtual IWbBoardChannel* BoardChannel() = 0;

  // Received methods 1, 2 and 3.
  virtual void OnBoardStyle(void* record) = 0;
  virtual void OnBoardSync(void* record) = 0;
  virtual void OnBoardClosed(int reserved) = 0;
  // Empties the board (the surface's ResetBoard) and resets the page controls.
  virtual int ClearBoard() = 0;
  // Fills the surface's new current page from a received method 7 record.
  virtual void OnPageContent(void* record) = 0;
  // Build, change or delete the object that a received payload names on page.
  virtual void OnStrokeAdd(void* payload, CStrokePage* page) = 0;
  virtual void OnStrokeModify(void* payload, CStrokePage* page) = 0;
  virtual int OnStrokeDelete(void* payload, CStrokePage* page) = 0;
  // Sends the deletion of one object (header type 9).
  virtual int SendStroke(CStrokeBase* stroke) = 0;
  // Hands a record to the host for the whiteboard server (IMSSend2MrsMethod with nConfType);
  // the host's result, 0 when nothing was sent.
  virtual int SendToHost(int confType, void* record) = 0;
  // Runs dialog modally as the module's popup; IDCANCEL when it cannot be shown.
  virtual INT_PTR RunPopupDialog(CDialog& dialog) = 0;

  // Set when a new page arrives while the surface tracks a selection; the surface clears it.
  virtual BOOL& PageChangedWhileTracking() = 0;
  // A button release found no page: the select tool becomes the current tool again.
  virtual void ReturnToSelectTool() = 0;
  // The selected object's colour in the current-colour button.
  virtual void ShowSelectedColor(COLORREF color) = 0;
  // After a deletion: the focus goes to the select button, the line-width list is hidden.
  virtual void OnSelectedDeleted() = 0;
  // A received page became current: its number and the board's page count in the page controls.
  virtual void ShowReceivedPage(int page) = 0;
};
