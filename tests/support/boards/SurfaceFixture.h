// The drawing-surface tests: a recording host that copies whiteboard messages, and a created
// conference whose types include the whiteboard (sub-conference 41), with the conference
// whiteboard that the conference window opened for it, its surface on page 1; beside it, when a
// test asks for it, the board of another member of the conference, whose records reach ours
// through the host's relay.
#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/relay/BlockArena.h"
#include "protocol/HostBlocks.h"
#include "protocol/WbRecords.h"
#include "tests/support/boards/SentWbMessages.h"
#include "tests/support/module/ModuleFixture.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"
#include "whiteboard/windows/DrawContentDlg.h"

namespace surftest {

constexpr DWORD kWhiteboardSubConf = 41;
constexpr char kConfURI[] = "sip:conf001@ims.example.cn";
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kWhite = 0xFFFFFF;
// Palette swatches: red, blue, and the one that takes the colours the palette lacks (grey at first).
constexpr int kRedSwatch = 1833;
constexpr int kBlueSwatch = 1835;
constexpr int kRedefinedSwatch = 1858;

// A received record: header, page/op record and one node holding payload (may be NULL).
struct ReceivedRecord {
  WbRecvMsgHeader header = {};
  WbPageOpRecord pageOp = {};
  WbListNode node = {};
  ReceivedRecord(DWORD method, int page, int op, void* payload, int pageCount = 1);
};

class SurfaceTest : public tavtest::ModuleTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  CDrawContentDlg* Surface() { return board_->GetSurface(); }
  HWND SurfaceWnd() { return board_->GetSurface()->m_hWnd; }
  CDlgDFWhiteBoard* Board() { return board_; }

  // Delivers a whiteboard record as the host does (code 8, kind 1); the handled flag.
  int Receive(ReceivedRecord& record);
  // A message a board sent, as the host's relay delivers it (kept until the test ends); method,
  // when not 0, is the received method the server gives it in place of the sent type's.
  WbRecvMsgHeader* Relayed(const WbMsgHeader* sent, DWORD method = 0);
  int Receive(WbRecvMsgHeader* record);
  // Makes `page` the board's one current page, empty: the server ends the board (its pages
  // go), then the member's new-page record arrives.
  void OpenPage(int page);

  // Another member's conference board (made on first use, shown beside ours). What it sends
  // goes to the host as ours does but is left out of Sent(): MemberSends acts on it and returns
  // its messages, to be delivered with Receive(Relayed(...)).
  CDlgDFWhiteBoard* Member();
  std::vector<const WbMsgHeader*> MemberSends(const std::function<void(CDlgDFWhiteBoard*)>& act);
  // The member empties its board and adds pages up to `page` with its new-page button: the
  // record of the last one.
  const WbMsgHeader* MemberNewPage(int page);
  // The server ends the board: a member's record of the page shown, delivered as method 3; the
  // board is left without pages.
  void EndBoard();
  // On the member's board: chooses a tool with its button, drags on its surface.
  void MemberTool(int tool);
  void MemberDrag(POINT from, POINT to);

  // Gestures at client points of the surface.
  void Drag(POINT from, POINT to);
  void Click(POINT at);
  // Chooses tool with its button, as the user does.
  void ChooseTool(int tool);
  // Chooses tool with its button, then the colour on the palette bar (its swatch, or for a
  // colour the bar lacks a swatch redefined through the colour dialog) and the width in the
  // width list, which offers only kLineWidths. Refused while an object shows selected: the
  // swatch click would recolour it (deselect first, as the user does).
  void UseTool(int tool, COLORREF color = 0, int width = 2);
  // With the select tool, presses on an object at `at` and releases it there (its tracker's
  // loop ends at once): the object becomes the selected one.
  void SelectAt(POINT at);

  // The whiteboard messages sent since the board opened (its style is not the test's), and the
  // payload of the last one.
  std::vector<const WbMsgHeader*> Sent();
  template <class T>
  const T* LastPayload() {
    std::vector<const WbMsgHeader*> sent = Sent();
    return sent.empty() ? nullptr : wbtest::FirstPayload<T>(sent.back());
  }
  // The objects of the current page, bottom first.
  std::vector<CStrokeBase*> Strokes();

  // Paints the surface now and reads a pixel of its window buffer.
  void Paint();
  COLORREF Pixel(int x, int y);

 private:
  void PickColor(COLORREF color);
  void PickWidth(int width);

  CDlgDFWhiteBoard* board_ = nullptr;
  size_t openingSent_ = 0;
  host::BlockArena relayed_;
  std::unique_ptr<CDlgDFWhiteBoard> member_;
  std::set<const WbMsgHeader*> memberSent_;
};

}  // namespace surftest
