// Two point-to-point boards of one module, one per side of a session, joined by the host's
// relay: what one board sends with code 101 reaches the other board as code 8, kind 1, in the
// received layout, with the sender's URI in its head, exactly as the host and server deliver it.
#pragma once

#include <string>

#include "tests/support/boards/SisterBoardFixture.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"

namespace surftest {

class RelayedBoards : public SisterBoardTest {
 protected:
  static const char kAlice[];
  static const char kBob[];

  // Opens Alice's board (its peer is Bob) and Bob's board (its peer is Alice), both live, and
  // relays what their opening sent.
  void SetUp() override;

  CDlgDFP2PWhiteBoard* Alice() const { return alice_; }
  CDlgDFP2PWhiteBoard* Bob() const { return bob_; }
  // Relays every whiteboard record sent since the last call, and what the deliveries send in
  // turn; method, when not 0, is the received method the server gives them; into, when given,
  // is the board that takes them in place of the module's router. Returns how many records
  // were relayed.
  int Relay(DWORD method = 0, CWbBoardWindow* into = nullptr);
  // Acting as the user on a board: presses a tool button (control id), drags on the surface.
  static void ChooseTool(CDlgDFP2PWhiteBoard* board, int buttonId);
  static void DragOn(CDlgDFP2PWhiteBoard* board, POINT from, POINT to);
  static void ClickOn(CDlgDFP2PWhiteBoard* board, POINT at);
  // With the select tool: presses on an object at `from` and lets its tracker follow to `to`.
  void DragSelected(CDlgDFP2PWhiteBoard* board, POINT from, POINT to);
  // The page XML of the board's current page.
  static std::string PageXml(CDlgDFP2PWhiteBoard* board);
  // Whether both surfaces show the same pixels (after painting them).
  static bool SamePixels(CDlgDFP2PWhiteBoard* a, CDlgDFP2PWhiteBoard* b);

 private:
  CDlgDFP2PWhiteBoard* OpenBoard(const char* peer);
  size_t relayed_ = 0;
  CDlgDFP2PWhiteBoard* alice_ = nullptr;
  CDlgDFP2PWhiteBoard* bob_ = nullptr;
};

}  // namespace surftest
