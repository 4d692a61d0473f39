// The object kinds of a whiteboard page, each described once: the word that starts its ids and
// chooses its class when a page or a record is read, its page XML element, its class, the
// payload type of its records, the colour its colour commands set, and the drawing tool that
// makes it with that tool's rubber band. The page and record readers, the payload builders, the
// surfaces' tools, the palette's recolouring and the tests read this table.
#pragma once

#include "platform/Win32Types.h"

class CDC;
class IWbBoardChannel;
class CStrokeBase;
struct CRuntimeClass;

// The tools of a surface's m_nTool (also the first number of a board style record).
enum WbTool {
  kToolLine = 0,
  kToolPen = 1,
  kToolEllipse = 2,
  kToolRectangle = 3,
  kToolSelect = 4,
  kToolSolidEllipse = 5,
  kToolSolidRectangle = 6,
  kToolLaser = 7,
  kToolHand = 8,
  kToolHighlighter = 9,
  kToolTriangle = 10,
  kToolCircle = 11,
  kToolPolyline = 12,
  kToolPolygon = 13,
  kToolTrapezia = 14,
  kToolRoundRect = 15,
  kToolText = 19,
  kToolMovePage = 20,
};
constexpr int kNoTool = -1;

// The rubber-band routine of a gesture: one of the stroke classes' band drawers.
typedef void (*RubberBandProc)(CDC* dc, int left, int top, int right, int bottom);

// The colour that recolouring an object and the style records it receives set: the pen colour
// (outline kinds, which also take the pen width), the fill colour, or neither (a text carries
// its colour in its own record; pictures and pointers have none).
enum StrokeColour { kStrokeColourNone, kStrokeColourPen, kStrokeColourFill };

struct StrokeKind {
  const char* word;                     // id prefix: "line" of "line:..."
  const char* element;                  // the element the page XML writes
  const CRuntimeClass* runtimeClass;
  CStrokeBase* (*create)(IWbBoardChannel* owner);  // NULL when memory runs out
  DWORD payloadType;                    // WbObjectType of its records
  StrokeColour colour;
  // Where the word comes among the words an id is searched for when a page or a shape record
  // is read (0 first); -1: the id never chooses this class (a laser is never read back).
  int idSearchRank;
  int tool;                             // the WbTool that draws it, or kNoTool
  RubberBandProc band;                  // the tool's rubber band; NULL for a click tool
};

// Every kind: the outline and filled shapes, the point-list shapes, the text, the picture and
// the two pointers.
constexpr int kStrokeKindCount = 17;
extern const StrokeKind kStrokeKinds[kStrokeKindCount];

// The kind whose word is word exactly (an id's prefix); NULL for none.
const StrokeKind* FindStrokeKind(const char* word);
// The kind that an id's prefix (up to its first colon) names; NULL for none.
const StrokeKind* StrokeKindOfId(const char* id);
// The kind a drawing tool makes; NULL for the select and move-page tools and unknown numbers.
const StrokeKind* StrokeKindOfTool(int tool);
// Whether id names the kind the laser tool makes: a pointer shown for a moment, which the
// surface never frames, picks or selects.
bool IsLaserId(const char* id);

// A new object of the class named by the first kind word that occurs anywhere in id, tested in
// the kinds' id search order ("freeline" before "line", "polyline" before "line", ...),
// constructed with owner. NULL when the id names no class (a laser's id among them: lasers are
// never read back), for NULL, and when memory runs out.
CStrokeBase* NewStrokeForId(const char* id, IWbBoardChannel* owner);
