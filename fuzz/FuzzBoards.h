// What the fuzz targets that need a running module share: one module attached to a recording
// host, with a conference running and the whiteboard its conference window opened, a
// point-to-point board and a shared-document board open, made once for all inputs of a target.
#pragma once

#include "host/recording/RecordingHost.h"
#include "module/TavorineModule.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "whiteboard/windows/DlgDFShareWhiteBoard.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"

namespace fuzzboards {

constexpr DWORD kWhiteboardSubConf = 41;
constexpr const char kConfURI[] = "sip:conf001@ims.example.cn";
constexpr const char kPeer[] = "sip:peer@ims.example.cn";

struct Boards {
  host::RecordingHost host;
  CTavorineModule* module = nullptr;
  CDlgDFP2PWhiteBoard* p2p = nullptr;
  CDlgDFShareWhiteBoard* share = nullptr;
};

// Made on first use.
Boards& Get();
// Before each input: the conference and its whiteboard opened again when an input ended them,
// the host's traffic forgotten, message boxes answered and forgotten, each board emptied and
// given a fresh page 1.
void Reset();
// After each input: the module's dialogs ended as the host and the user end them: the pop-up
// dialog closed, every received invitation refused, every ringing call withdrawn, message
// boxes answered.
void CloseDialogs();
// The conference window's whiteboard (NULL while none is open).
CDlgDFWhiteBoard* ConferenceBoard();
// The board window of index % 3 (conference, point-to-point, shared) and its surface.
CWbBoardWindow* Board(int index);
CDrawSurface* Surface(int index);
// Paints the surface of board index (as Board) where it waits for it.
void Paint(int index);

}  // namespace fuzzboards
