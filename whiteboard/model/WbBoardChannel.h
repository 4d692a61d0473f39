// IWbBoardChannel: how the records of one whiteboard are addressed and sent. Each board window
// is the channel of its board and hands it to its surface and to every page and object of the
// board (their m_pOwner); they address and send records through it alone.
#pragma once

#include "platform/CString.h"
#include "platform/Win32Types.h"

struct WbMsgHeader;

class IWbBoardChannel {
 public:
  virtual ~IWbBoardChannel() = default;

  // A new zero-filled header of type and value (page count or -1) whose head addresses this
  // board's members; NULL when the board cannot be addressed or memory runs out.
  virtual WbMsgHeader* NewBoardHeader(DWORD type, DWORD value) = 0;
  // The board's bit of WbHeaderKind: the header kind its objects' change records name.
  virtual BYTE HeaderKind() const = 0;
  // The nConfType with which the host carries the board's records (WB_CONFTYPE_*).
  virtual int ConfType() const = 0;
  // Whether the board's records may leave now.
  virtual BOOL CanSend() const = 0;
  // The URI of the running conference, "" without one: the address of a method record built
  // without one.
  virtual CString GetWbConfURI() const = 0;
};
