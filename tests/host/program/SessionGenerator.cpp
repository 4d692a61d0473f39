#include "tests/host/program/SessionGenerator.h"

#include <algorithm>
#include <cstdlib>
#include <random>
#include <sstream>
#include <vector>

namespace sessions {
namespace {

// Tool buttons and commands of the board (docs/scenarios.md).
constexpr int kSelect = 1810;
constexpr int kPen = 1901, kHighlighter = 1909, kLaser = 1907, kHand = 1908;
constexpr int kPolyline = 1912, kPolygon = 1913, kText = 1919, kMovePage = 1920;
constexpr int kNewPage = 1899, kPageBox = 1813, kWidthList = 1812;
constexpr int kFirstSwatch = 1832, kSwatches = 28;
constexpr int kDeleteCommand = 13495, kToFront = 13170, kToBack = 13171, kEditText = 13437, kTextFont = 13438;
// Shapes drawn by a drag: line, ellipse, rectangle, solid ellipse, solid rectangle, triangle,
// circle, trapezium, round rectangle.
const int kDragShapes[] = {1900, 1902, 1903, 1905, 1906, 1910, 1911, 1914, 1915};
// Where things go on the surface (client points, clear of its auto-scrolling borders): shapes
// and texts in one area, pointers in a strip of their own (a laser under the pointer shows no
// menu), and the spot where a press commits a text.
constexpr int kLeft = 20, kTop = 20, kRight = 440, kBottom = 340;
constexpr int kPointerLeft = 470, kPointerRight = 560;
constexpr int kCommitX = 520, kCommitY = 410;
// The page box acts again only this long after a jump.
constexpr int kPageBoxRestMs = 600;

const char* const kTexts[] = {u8"你好", "abc", u8"白板 123", u8"多方：测试", "x"};
const char* const kFaces[] = {u8"宋体", u8"黑体", "Arial", "Courier New"};
// A face of more than 20 bytes, longer than the wire's face field.
const char* const kLongFace = "Microsoft YaHei UI Light";

enum class Kind { kHollow, kSolid, kText, kOther };

// What the generator knows of an object: a point that hits it and its bounds. A press that may
// have missed its object may have moved or deleted another: the objects under it are no longer
// known for sure.
struct Object {
  Kind kind;
  int x1, y1, x2, y2;  // bounds, normalised
  int gripX, gripY;
  bool alive = true;
  bool sure = true;
};

struct Side {
  const char* name;
  int tool = kSelect;  // the current tool, whose button is greyed
  int shareTool = kSelect;  // the same on the shared-document board
  bool widthListShown = true;
};

class Generator {
 public:
  Generator(uint32_t seed, const SessionOptions& options) : rng_(seed), options_(options) {}

  std::string Run(uint32_t seed) {
    out_ << "# A random session, seed " << seed << "\n";
    Setup();
    for (int i = 0; i < options_.actions; ++i) {
      Act(sides_[Pick(2)]);
      if (i == options_.actions / 2) Compare();
    }
    Compare();
    return out_.str();
  }

 private:
  int Pick(int n) { return (int)(rng_() % (uint32_t)n); }
  int Between(int lo, int hi) { return lo + Pick(hi - lo + 1); }
  bool Chance(int percent) { return Pick(100) < percent; }

  void Step(const Side& side, const std::string& text) { out_ << side.name << " " << text << "\n"; }
  void Compare() {
    out_ << "AB expect-same-board " << title_ << " all\n";
    if (docShare_) out_ << u8"AB expect-same-board 文档共享 all\n";
  }

  // A creates a conference with the whiteboard and B joins, or a point-to-point board.
  void Setup() {
    pointToPoint_ = Chance(25) && options_.pointToPoint;
    if (pointToPoint_) {
      title_ = u8"点对点白板";
      out_ << "A call LoadUserData\nB call LoadUserData\n"
           << u8"B host 9 1 31 0 sip:80001234@ims.example.cn \"\" -1\nB click 点对点邀请 1\n"
           << "A host 9 1 33 200 sip:80005678@ims.example.cn \"\" -1\n";
      return;
    }
    title_ = u8"电子白板";
    docShare_ = Chance(25) && options_.withDocShare;
    std::string types = docShare_ ? " types=4,6 subconf=7" : "";
    for (const char* side : {"A", "B"})
      out_ << side << " call LoadUserData\n"
           << side << " host 2\n"
           << side << " host 9 1 " << (side[0] == 'A' ? 1 : 7) << u8" 200 sip:random@ims.example.cn \"随机\" 4"
           << types << "\n";
  }

  void Act(Side& side) {
    if (docShare_ && Chance(20)) return ShareShape(side);
    switch (Pick(20)) {
      case 0: case 1: case 2: case 3: return DragShape(side);
      case 4: return PenStroke(side);
      case 5: return PointList(side, Chance(50) ? kPolyline : kPolygon);
      case 6: return Pointer(side);
      case 7: return NewText(side);
      case 8: case 9: return MoveOrResize(side);
      case 10: return Recolour(side);
      case 11: return ColourDialog(side);
      case 12: return Width(side);
      case 13: return Delete(side);
      case 14: return Restack(side);
      case 15: return NewPage(side);
      case 16: return TurnPage(side);
      case 17: return MovePage(side);
      case 18: return Presenter();
      default: return Capture(side);
    }
  }

  // ---- Tools ----

  void Tool(Side& side, int id) {
    if (side.tool == id) return;
    Step(side, "click " + title_ + " " + std::to_string(id));
    side.tool = id;
    side.widthListShown = true;
  }

  std::string Point(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

  void Click(const Side& side, int x, int y) {
    Step(side, "mouse-down " + title_ + " " + Point(x, y));
    Step(side, "mouse-up " + title_ + " " + Point(x, y));
  }

  void Drag(const Side& side, int x1, int y1, int x2, int y2) {
    Step(side, "drag " + title_ + " " + Point(x1, y1) + " " + Point(x2, y2));
  }

  void Keep(Kind kind, int x1, int y1, int x2, int y2, int gripX, int gripY) {
    Page().push_back({kind, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), gripX, gripY});
  }

  std::vector<Object>& Page() { return pages_[page_ - 1]; }

  void DragShape(Side& side) {
    int id = kDragShapes[Pick(sizeof kDragShapes / sizeof kDragShapes[0])];
    Tool(side, id);
    int x1 = Between(kLeft, kRight - 20), y1 = Between(kTop, kBottom - 20);
    // Now and then a drag too small to keep.
    int x2 = Chance(10) ? x1 + 3 : Between(x1 + 10, kRight), y2 = Chance(10) ? y1 + 2 : Between(y1 + 10, kBottom);
    if (Chance(30)) std::swap(x1, x2);  // dragged leftwards
    Drag(side, x1, y1, x2, y2);
    if (std::abs(x2 - x1) < 5 || std::abs(y2 - y1) < 5) return;
    bool solid = id == 1905 || id == 1906;
    Keep(solid ? Kind::kSolid : Kind::kHollow, x1, y1, x2, y2, solid ? (x1 + x2) / 2 : x1, solid ? (y1 + y2) / 2 : y1);
  }

  // A shape on the shared-document board of a conference that also shares documents.
  void ShareShape(Side& side) {
    int id = kDragShapes[Pick(sizeof kDragShapes / sizeof kDragShapes[0])];
    if (side.shareTool != id) Step(side, u8"click 文档共享 " + std::to_string(id));
    side.shareTool = id;
    int x = Between(kLeft, kRight - 40), y = Between(kTop, kBottom - 40);
    Step(side, u8"drag 文档共享 " + Point(x, y) + " " + Point(x + Between(10, 40), y + Between(10, 40)));
  }

  void PenStroke(Side& side) {
    Tool(side, Chance(50) ? kPen : kHighlighter);
    int x = Between(kLeft, kRight - 40), y = Between(kTop, kBottom - 40);
    if (Chance(30) && options_.penClicks) {  // a click without movement: a dot, or nothing
      Click(side, x, y);
      return;
    }
    Drag(side, x, y, x + Between(10, 40), y + Between(10, 40));
    Keep(Kind::kOther, x, y, x + 1, y + 1, x, y);
  }

  // A polyline ends with the right button; a polygon closes at its first vertex.
  void PointList(Side& side, int id) {
    Tool(side, id);
    int x = Between(kLeft, kRight - 60), y = Between(kTop, kBottom - 60);
    int count = Between(2, 4);
    for (int i = 0; i < count; ++i) Click(side, x + 20 * i + (i ? Pick(10) : 0), y + (i % 2) * 40);
    if (id == kPolyline) Step(side, "rclick " + title_ + " " + Point(x + 20 * (count - 1), y));
    else Click(side, x + 1, y + 1);
    Keep(Kind::kOther, x, y, x + 1, y + 1, x, y);
  }

  void Pointer(Side& side) {
    Tool(side, Chance(50) ? kLaser : kHand);
    Click(side, Between(kPointerLeft, kPointerRight), Between(kTop, kBottom));
  }

  // A text: its box, its words and a press that commits it; then maybe its font or more words
  // through the object menu, while it is the topmost object under its centre.
  void NewText(Side& side) {
    Tool(side, kText);
    int x = Between(kLeft, kRight - 120), y = Between(kTop, kBottom - 40);
    int x2 = x + Between(80, 120), y2 = y + Between(24, 40);
    Drag(side, x, y, x2, y2);
    Step(side, std::string("write ") + "\"" + kTexts[Pick(5)] + "\"");
    Tool(side, kSelect);
    Click(side, kCommitX, kCommitY);
    // A font may shrink the box to its words: the grip stays by the top-left corner.
    Keep(Kind::kText, x, y, x2, y2, x + 3, y + 3);
    int cx = (x + x2) / 2, cy = (y + y2) / 2;
    if (Chance(40)) {
      std::string face = Chance(30) && options_.longFaces ? kLongFace : kFaces[Pick(4)];
      std::string effects;
      for (const char* effect : {" bold", " italic", " underline", " strike-out"})
        if (Chance(30)) effects += effect;
      Step(side, "menu " + std::to_string(kTextFont));
      Step(side, "answer-dialog font \"" + face + "\" " + std::to_string(Between(12, 28)) + " " +
                     std::to_string(Pick(0x1000000)) + effects);
      Step(side, "rclick " + title_ + " " + Point(cx, cy));
    } else if (Chance(30)) {
      Step(side, "menu " + std::to_string(kEditText));
      Step(side, "rclick " + title_ + " " + Point(cx, cy));
      Step(side, "press end");
      Step(side, std::string("write ") + "\"" + kTexts[Pick(5)] + "\"");
      Click(side, kCommitX, kCommitY);
    }
  }

  // ---- Objects chosen by what the generator knows of them ----

  // An object that a press at its grip surely hits: solid or text, alive, and no later object
  // covers the grip. -1 for none.
  int SureTarget() {
    std::vector<Object>& page = Page();
    std::vector<int> sure;
    for (size_t i = 0; i < page.size(); ++i) {
      const Object& o = page[i];
      if (!o.alive || !o.sure || (o.kind != Kind::kSolid && o.kind != Kind::kText)) continue;
      bool covered = false;
      for (size_t j = i + 1; j < page.size() && !covered; ++j) {
        const Object& above = page[j];
        covered = above.alive && o.gripX >= above.x1 - 12 && o.gripX <= above.x2 + 12 && o.gripY >= above.y1 - 12 &&
                  o.gripY <= above.y2 + 12;
      }
      if (!covered) sure.push_back((int)i);
    }
    return sure.empty() ? -1 : sure[Pick((int)sure.size())];
  }

  // Any object the generator believes alive (a press at its grip may miss it); -1 for none.
  int AnyTarget() {
    std::vector<int> alive;
    for (size_t i = 0; i < Page().size(); ++i)
      if (Page()[i].alive) alive.push_back((int)i);
    return alive.empty() ? -1 : alive[Pick((int)alive.size())];
  }

  // A press on nothing first: a press on a text already selected would open it for editing.
  // The objects a press at x, y may have hit.
  void Unsure(int x, int y) {
    for (Object& o : Page())
      if (x >= o.x1 - 12 && x <= o.x2 + 12 && y >= o.y1 - 12 && y <= o.y2 + 12) o.sure = false;
  }

  void Select(Side& side, const Object& o) {
    Tool(side, kSelect);
    Click(side, kCommitX, kCommitY);
    Drag(side, o.gripX, o.gripY, o.gripX, o.gripY);
  }

  void MoveOrResize(Side& side) {
    int sure = SureTarget(), any = AnyTarget();
    int i = Chance(50) ? sure : any;
    if (i < 0) return DragShape(side);
    Object& o = Page()[i];
    Select(side, o);
    if (i != sure) Unsure(o.gripX, o.gripY);
    int dx = Between(-30, 30), dy = Between(-30, 30);
    if (o.kind == Kind::kSolid && Chance(40)) {  // by the bottom-right handle
      int hx = o.x2 + 2, hy = o.y2 + 2;
      int nx = std::clamp(hx + dx, o.x1 + 20, kRight), ny = std::clamp(hy + dy, o.y1 + 20, kBottom);
      Drag(side, hx, hy, nx, ny);
      Unsure(hx, hy);
      o.x2 = nx - 2, o.y2 = ny - 2;
      o.gripX = (o.x1 + o.x2) / 2, o.gripY = (o.y1 + o.y2) / 2;
      return;
    }
    dx = std::clamp(dx, kLeft - o.x1, kRight - o.x2);
    dy = std::clamp(dy, kTop - o.y1, kBottom - o.y2);
    Drag(side, o.gripX, o.gripY, o.gripX + dx, o.gripY + dy);
    o.x1 += dx, o.x2 += dx, o.y1 += dy, o.y2 += dy, o.gripX += dx, o.gripY += dy;
  }

  void Recolour(Side& side) {
    int i = AnyTarget();
    if (i >= 0) Select(side, Page()[i]);
    Step(side, "click " + title_ + " " + std::to_string(kFirstSwatch + Pick(kSwatches)));
  }

  // A swatch redefined in the colour dialog (cancelled now and then).
  void ColourDialog(Side& side) {
    Step(side, Chance(20) ? "answer-dialog cancel" : "answer-dialog colour " + std::to_string(Pick(0x1000000)));
    Step(side, "dblclick " + title_ + " " + std::to_string(kFirstSwatch + Pick(kSwatches)));
  }

  void Width(Side& side) {
    if (!side.widthListShown) Tool(side, side.tool == kSelect ? kDragShapes[0] : kSelect);
    Step(side, "choose " + title_ + " " + std::to_string(kWidthList) + " " + std::to_string(Pick(4)));
    DragShape(side);
  }

  // The Delete key on the selected object, or the object menu's delete command.
  void Delete(Side& side) {
    bool menu = Chance(40);
    int i = menu ? SureTarget() : AnyTarget();
    if (i < 0) return;
    Object& o = Page()[i];
    Tool(side, kSelect);
    if (menu) {
      Step(side, "menu " + std::to_string(kDeleteCommand));
      Step(side, "rclick " + title_ + " " + Point(o.gripX, o.gripY));
    } else {
      Select(side, o);
      Step(side, "press delete");
      Unsure(o.gripX, o.gripY);
    }
    o.alive = false;
    side.widthListShown = false;
  }

  // Bring to front or send to back through the object menu.
  void Restack(Side& side) {
    int i = SureTarget();
    if (i < 0) return;
    Tool(side, kSelect);
    bool front = Chance(50);
    Step(side, "menu " + std::to_string(front ? kToFront : kToBack));
    Step(side, "rclick " + title_ + " " + Point(Page()[i].gripX, Page()[i].gripY));
    Object o = Page()[i];
    Page().erase(Page().begin() + i);
    Page().insert(front ? Page().end() : Page().begin(), o);
  }

  // ---- Pages ----

  Side& Presenting() { return sides_[presenter_]; }

  void NewPage(Side&) {
    if (pages_.size() >= 4) return;
    Step(Presenting(), "click " + title_ + " " + std::to_string(kNewPage));
    pages_.emplace_back();
    page_ = (int)pages_.size();
  }

  // The presenter types a page number into the page box; it rests a while after each jump.
  void TurnPage(Side&) {
    if (pages_.size() < 2 || jumps_ >= 2) return;
    int page = Between(1, (int)pages_.size());
    if (jumps_++) Step(Presenting(), "wait " + std::to_string(kPageBoxRestMs));
    Step(Presenting(), "type " + title_ + " " + std::to_string(kPageBox) + " " + std::to_string(page));
    Step(Presenting(), "press enter");
    page_ = page;
  }

  // The view moves and comes back, so the client points stay document points.
  void MovePage(Side& side) {
    Tool(side, kMovePage);
    int x = Between(200, 300), y = Between(150, 250), d = Between(10, 60);
    Drag(side, x, y, x - d, y - d);
    Drag(side, x - d, y - d, x, y);
  }

  // The host hands the whiteboard's control right to the other member.
  void Presenter() {
    if (pointToPoint_) return;
    presenter_ = 1 - presenter_;
    const char* member = presenter_ ? "sip:80005678@ims.example.cn" : "sip:80001234@ims.example.cn";
    for (const char* side : {"A", "B"})
      out_ << side << " host 9 6 1 sip:random@ims.example.cn " << member << " xwb\n";
  }

  void Capture(Side& side) {
    if (options_.picture.empty()) return Pointer(side);
    Step(side, "capture " + title_ + " \"" + options_.picture + "\"");
  }

  std::mt19937 rng_;
  SessionOptions options_;
  std::ostringstream out_;
  Side sides_[2] = {{"A"}, {"B"}};
  std::string title_;
  bool pointToPoint_ = false;
  bool docShare_ = false;
  int presenter_ = 0;
  std::vector<std::vector<Object>> pages_ = {{}};
  int page_ = 1;
  int jumps_ = 0;
};

}  // namespace

std::string GenerateSession(uint32_t seed, const SessionOptions& options) {
  return Generator(seed, options).Run(seed);
}

}  // namespace sessions
