#include "host/scenario/BoardActionWords.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "host/scenario/BoardAnswers.h"
#include "host/scenario/ScenarioWords.h"
#include "platform/Charset.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/Wnd.h"

namespace host {
namespace {

using Args = std::vector<std::string>;

// The canvas of a board with a page, and the private message that reads its page XML.
constexpr int kCanvasWidth = 1600;
constexpr int kCanvasHeight = 1200;
constexpr UINT kGetPageXml = WM_USER + 1001;
// The same for every page the board holds, each numbered.
constexpr UINT kGetBoardXml = WM_USER + 1003;
// The last word of `save-board TITLE PNG XML all`.
constexpr char kAllPages[] = "all";
// The finished screen capture handed to a board window (lParam: a picture file).
constexpr UINT kCaptureDone = WM_USER + 1002;
// The canvas where nothing is drawn.
constexpr COLORREF kBlank = RGB(255, 255, 255);

bool Ints(const Args& a, size_t from, size_t count) {
  int value;
  if (a.size() < from + count) return false;
  for (size_t i = from; i < from + count; ++i)
    if (!ParseInt(a[i], &value)) return false;
  return true;
}

int Int(const std::string& word) {
  int value = 0;
  ParseInt(word, &value);
  return value;
}

bool IsDialog(HWND hwnd) {
  char name[64] = {};
  GetClassName(hwnd, name, sizeof name);
  return std::string(name) == platform::kDialogClass;
}

// The board's surface: its largest visible child dialog.
HWND FindSurface(const std::string& title) {
  HWND board = FindWindow(nullptr, charset::Utf8ToGbk(title).c_str());
  if (!board) return nullptr;
  HWND best = nullptr;
  long bestArea = 0;
  for (HWND child : platform::Desktop::Children(board)) {
    RECT r;
    if (!IsDialog(child) || !IsWindowVisible(child) || !GetClientRect(child, &r)) continue;
    long area = (long)r.right * r.bottom;
    if (area > bestArea) best = child, bestArea = area;
  }
  return best;
}

POINT PointAt(const Args& a, size_t i) { return POINT{Int(a[i]), Int(a[i + 1])}; }

// Makes the folder that will hold a file written by a step.
void MakeFolderOf(const std::string& path) {
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code ignored;
  if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
}

// The surface's whole canvas as it paints it, without selection frames (WM_PRINTCLIENT).
class CanvasPicture {
 public:
  ~CanvasPicture() {
    if (old_) dc.SelectObject(old_);
  }
  bool Paint(HWND surface) {
    if (!dc.CreateCompatibleDC(nullptr) || !bitmap_.CreateCompatibleBitmap(&dc, kCanvasWidth, kCanvasHeight))
      return false;
    old_ = dc.SelectObject(&bitmap_);
    dc.m_bPrinting = TRUE;
    SendMessage(surface, WM_PRINTCLIENT, (WPARAM)dc.GetSafeHdc(), PRF_CLIENT);
    return true;
  }
  CDC dc;

 private:
  CBitmap bitmap_;
  CBitmap* old_ = nullptr;
};

std::string SaveBoard(HWND surface, const Args& a) {
  for (size_t i = 1; i < a.size(); ++i) MakeFolderOf(a[i]);
  CanvasPicture canvas;
  if (!canvas.Paint(surface)) return "no memory for the picture";
  if (!canvas.dc.WritePng(a[1].c_str())) return "cannot write " + a[1];
  if (a.size() < 3) return "";
  const UINT message = a.size() > 3 ? kGetBoardXml : kGetPageXml;
  LRESULT length = SendMessage(surface, message, 0, 0);
  std::vector<char> xml((size_t)length + 1);
  SendMessage(surface, message, xml.size(), (LPARAM)xml.data());
  std::ofstream file(a[2], std::ios::binary);
  file << charset::GbkToUtf8(xml.data());
  return file ? "" : "cannot write " + a[2];
}

// A colour written as six hexadecimal digits RRGGBB.
bool ParseColour(const std::string& word, COLORREF* colour) {
  if (word.size() != 6 || word.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return false;
  unsigned long rgb = std::stoul(word, nullptr, 16);
  *colour = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  return true;
}

std::string ColourText(COLORREF c) {
  char text[8];
  snprintf(text, sizeof text, "%02x%02x%02x", (unsigned)GetRValue(c), (unsigned)GetGValue(c), (unsigned)GetBValue(c));
  return text;
}

// expect-pixel, expect-blank and expect-drawn on the canvas as save-board writes it.
std::string CheckPixels(const std::string& verb, HWND surface, const Args& a) {
  CanvasPicture canvas;
  if (!canvas.Paint(surface)) return "no memory for the picture";
  const CDC& dc = canvas.dc;
  if (verb == "expect-pixel") {
    COLORREF want = 0, got = dc.GetPixel(Int(a[1]), Int(a[2]));
    ParseColour(a[3], &want);
    return got == want ? "" : "the pixel at " + a[1] + "," + a[2] + " is " + ColourText(got);
  }
  CRect area(Int(a[1]), Int(a[2]), Int(a[3]), Int(a[4]));
  area.NormalizeRect();
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      COLORREF got = dc.GetPixel(x, y);
      if (verb == "expect-drawn" && got != kBlank) return "";
      if (verb == "expect-blank" && got != kBlank)
        return "the pixel at " + std::to_string(x) + "," + std::to_string(y) + " is " + ColourText(got);
    }
  return verb == "expect-blank" ? "" : "nothing is drawn in " + a[1] + "," + a[2] + " to " + a[3] + "," + a[4];
}

// "" when the mouse input reached the surface or a window on it (its in-place edit), else why.
std::string Landed(HWND surface, HWND received, const char* what) {
  if (!received) return std::string("the ") + what + " reached no window";
  if (received == surface || IsChild(surface, received)) return "";
  return std::string("the ") + what + " went to another window, the one that holds the mouse";
}

std::string Mouse(const std::string& verb, HWND surface, const Args& a, BoardAnswers& answers) {
  namespace user = platform::user;
  if (verb == "mouse-down") return Landed(surface, user::MouseDown(surface, PointAt(a, 1)), "press");
  if (verb == "mouse-move") return Landed(surface, user::MouseMove(surface, PointAt(a, 1), true), "move");
  if (verb == "mouse-up") return Landed(surface, user::MouseUp(surface, PointAt(a, 1)), "release");
  if (verb == "rclick") {
    std::string pressed = Landed(surface, user::MouseDown(surface, PointAt(a, 1), true), "right press");
    user::MouseUp(surface, PointAt(a, 1), true);
    return pressed;
  }
  POINT from = PointAt(a, 1), to = PointAt(a, 3);
  answers.BeginDrag(surface, to);
  std::string pressed = Landed(surface, user::MouseDown(surface, from), "press");
  if (answers.EndDrag()) {  // no frame tracked the press: an ordinary gesture
    user::MouseMove(surface, POINT{(from.x + to.x) / 2, (from.y + to.y) / 2}, true);
    user::MouseMove(surface, to, true);
  }
  user::MouseUp(surface, to);
  return pressed;
}

}  // namespace

bool IsBoardActionVerb(const std::string& verb) {
  for (const char* v : {"mouse-down", "mouse-move", "mouse-up", "drag", "rclick", "write", "save-board", "capture",
                        "expect-pixel", "expect-blank", "expect-drawn"})
    if (verb == v) return true;
  return false;
}

std::string CheckBoardAction(const ScenarioStep& step) {
  const Args& a = step.args;
  const std::string& v = step.verb;
  if (v == "mouse-down" || v == "mouse-move" || v == "mouse-up" || v == "rclick")
    return a.size() == 3 && Ints(a, 1, 2) ? "" : v + " needs a window title and a point";
  if (v == "drag") return a.size() == 5 && Ints(a, 1, 4) ? "" : "drag needs a window title and two points";
  if (v == "write") return a.size() == 1 ? "" : "write needs one text";
  if (v == "save-board")
    return a.size() == 2 || a.size() == 3 || (a.size() == 4 && a[3] == kAllPages)
               ? ""
               : "save-board needs a window title, files and maybe all";
  COLORREF colour;
  if (v == "expect-pixel")
    return a.size() == 4 && Ints(a, 1, 2) && ParseColour(a[3], &colour) ? ""
                                                                        : "expect-pixel needs a window title, a point "
                                                                          "and a colour RRGGBB";
  if (v == "expect-blank" || v == "expect-drawn")
    return a.size() == 5 && Ints(a, 1, 4) ? "" : v + " needs a window title and two corners";
  return a.size() == 2 ? "" : "capture needs a window title and a picture file";
}

std::string PlayBoardAction(const ScenarioStep& step, BoardAnswers& answers) {
  const Args& a = step.args;
  const std::string& v = step.verb;
  if (v == "write") {
    HWND focus = GetFocus();
    return focus && platform::user::Type(focus, charset::Utf8ToGbk(a[0]).c_str()) ? "" : "nothing takes the text";
  }
  if (v == "capture") {
    HWND board = FindWindow(nullptr, charset::Utf8ToGbk(a[0]).c_str());
    std::string path = charset::Utf8ToGbk(a[1]);
    if (!board) return "no board titled " + a[0];
    return SendMessage(board, kCaptureDone, 0, (LPARAM)path.c_str()) ? "" : "the board took no picture";
  }
  HWND surface = FindSurface(a[0]);
  if (!surface) return "no board titled " + a[0];
  if (v == "save-board") return SaveBoard(surface, a);
  if (v.compare(0, 7, "expect-") == 0) return CheckPixels(v, surface, a);
  // The user brings the board to the front before pointing at it: a press lands on whichever
  // window covers the point.
  BringWindowToTop(GetParent(surface));
  return Mouse(v, surface, a, answers);
}

}  // namespace host
