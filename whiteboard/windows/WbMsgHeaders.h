// The header factories of the three boards: a zero-filled WbMsgHeader with the type, the
// value (page count or -1) and the head that addresses the board's peers; no page/op record.
// Each returns NULL when out of memory or when the board it addresses is missing. Each board
// window builds its headers with its own (IWbBoardChannel::NewBoardHeader).
#pragma once

#include "platform/CString.h"
#include "protocol/WbRecords.h"

class CDlgDFP2PWhiteBoard;

// Conference board: conference URI, whiteboard data-conference id text (GetDConfID(1)) and
// whiteboard sub-conference id (GetSubConfID(4, 0)) of the conference window; NULL without
// a conference window.
WbMsgHeader* NewWbMsgHeader(DWORD type, DWORD value);

// Shared-document board: conference URI, data-conference id (GetDConfID(0)) and
// document-share sub-conference id (GetSubConfID(6, 0)); NULL without a conference window.
WbMsgHeader* NewShareWbMsgHeader(DWORD type, DWORD value);

// Point-to-point board: the board's peer URI (empty when it has none), its conference id and
// sub-conference 0; NULL for a NULL board.
WbMsgHeader* NewP2PWbMsgHeader(DWORD type, CDlgDFP2PWhiteBoard* board, DWORD value);

// The URI of the running conference, "" when there is no conference window.
CString GetWbConfURI();
