// The addressing of whiteboard records, which only the windows above the model know: the
// header factories of the three boards and the running conference's URI. The model builds
// every header through the source that the window layer registers; without one, every header
// is NULL and the URI empty.
#pragma once

#include "platform/CString.h"
#include "protocol/WbRecords.h"

class CDlgDFP2PWhiteBoard;

class IWbHeaderSource {
 public:
  virtual ~IWbHeaderSource() = default;

  // A zero-filled header of type and value addressed to the conference board, the
  // shared-document board, or the point-to-point board `board`; NULL when the board is missing.
  virtual WbMsgHeader* NewWbMsgHeader(DWORD type, DWORD value) = 0;
  virtual WbMsgHeader* NewShareWbMsgHeader(DWORD type, DWORD value) = 0;
  virtual WbMsgHeader* NewP2PWbMsgHeader(DWORD type, CDlgDFP2PWhiteBoard* board, DWORD value) = 0;
  // The URI of the running conference, "" without one.
  virtual CString GetWbConfURI() = 0;
};

// Sets the source the model builds headers through (NULL: none).
void SetWbHeaderSource(IWbHeaderSource* source);
IWbHeaderSource* GetWbHeaderSource();
