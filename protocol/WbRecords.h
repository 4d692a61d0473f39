// The whiteboard message records: a fixed header followed, through pointers, by a page/op
// record, a singly linked list of nodes and one shape payload per node, each payload
// optionally pointing to a style record or a text. Every block is byte-packed, little-endian
// and laid out for 32-bit pointers, exactly as the host carries it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/Win32Types.h"

// Header types sent by the module (the word at offset 0 of WbMsgHeader).
enum WbMsgType : DWORD {
  WB_MSG_BOARD_STYLE = 1,     // six board-style numbers, no page part
  WB_MSG_REQUEST_SYNC = 2,    // ask for the board's current content
  WB_MSG_BOARD_END = 3,       // the board is ended
  WB_MSG_PAGE_ADD = 4,        // a new page (op 0, new-page flag 1)
  WB_MSG_PAGE_DELETE = 5,     // a page deleted (op 1, one empty node)
  WB_MSG_PAGE_CONTENT = 6,    // the whole content of one page (op 2)
  WB_MSG_OBJECT_ADD = 7,      // a new object (op 3)
  WB_MSG_OBJECT_CHANGE = 8,   // an object changed (op 3)
  WB_MSG_OBJECT_DELETE = 9,   // an object deleted (op 3)
};

// Method codes of received whiteboard records (the type word of a received record).
enum WbRecvMethod : DWORD {
  WB_RECV_BOARD_STYLE = 1,
  WB_RECV_BOARD_SYNC = 2,
  WB_RECV_BOARD_END = 3,
  WB_RECV_PAGE_ADD = 5,
  WB_RECV_PAGE_DELETE = 6,
  WB_RECV_PAGE_CONTENT = 7,
  WB_RECV_OBJECT_ADD = 8,
  WB_RECV_OBJECT_CHANGE = 9,
  WB_RECV_OBJECT_DELETE = 10,
};

// Ops of the page/op record.
enum WbPageOp : int32_t {
  WB_PAGEOP_NEW_PAGE = 0,
  WB_PAGEOP_DELETE_PAGE = 1,
  WB_PAGEOP_PAGE_CONTENT = 2,
  WB_PAGEOP_OBJECT = 3,
};

// Object types of the shape payloads.
enum WbObjectType : DWORD {
  WB_OBJ_RECT = 1,      // rectangle, round rectangle, solid rectangle
  WB_OBJ_LINE = 2,
  WB_OBJ_CIRCLE = 3,
  WB_OBJ_ELLIPSE = 4,   // ellipse, solid ellipse
  WB_OBJ_PATH = 5,      // free line, highlighter, polyline, polygon, trapezium, triangle
  WB_OBJ_TEXT = 6,
  WB_OBJ_IMAGE = 7,     // picture, hand pointer, laser
  WB_OBJ_DOCPAGE = 8,   // page background
};

// Sub-op codes of the payload head.
enum WbSubOp : int32_t {
  WB_SUBOP_NEW = -1,
  WB_SUBOP_CHANGE = 1,      // added, or geometry, colour or width changed
  WB_SUBOP_TO_FRONT = 3,
  WB_SUBOP_TO_BACK = 4,
};

// Change ops of BuildWbMessage, as the surfaces pass them.
enum WbChangeOp {
  WB_CHANGE_GEOMETRY = 1,     // moved or resized
  WB_CHANGE_FILL_COLOR = 2,   // filled kinds
  WB_CHANGE_PEN_COLOR = 3,    // outline kinds
  WB_CHANGE_PEN_WIDTH = 4,
  WB_CHANGE_TO_FRONT = 7,
  WB_CHANGE_TO_BACK = 8,
};

// Header flavours of BuildWbMessage, tested bit by bit in this order.
enum WbHeaderKind : BYTE {
  WB_HEADER_CONF = 1,    // conference board
  WB_HEADER_SHARE = 2,   // shared-document board
  WB_HEADER_P2P = 4,     // point-to-point board
};

// Transport of IMSSend2MrsMethod for whiteboard messages.
enum { WB_CONFTYPE_CONF = 0, WB_CONFTYPE_P2P = 1, WB_MRS_METHOD = 1 };

// Field widths (bytes, terminating zero included).
enum {
  WB_URI_LEN = 257,
  WB_NUMBER_LEN = 17,
  WB_COLOR_LEN = 33,
  WB_ID_LEN = 48,
  WB_FACE_LEN = 21,
  WB_STYLE_NUMBERS = 6,
};

struct WbPageOpRecord;
struct WbStyleRecord;

#pragma pack(push, 1)

// The head that every data-conference record of the module begins with.
struct MrsRecordHead {
  DWORD op;                          // record type or method code
  char szSessionURI[WB_URI_LEN];     // conference URI, or the peer's URI point to point
  char szDConfID[WB_URI_LEN];        // id text of the feature's data conference
  DWORD nSubConfID;                  // numeric id of the feature's sub-conference, or 0
};

struct WbMsgHeader {
  MrsRecordHead head;
  char szBoardStyle[WB_STYLE_NUMBERS][WB_NUMBER_LEN];  // type 1 only
  char reserved[34];
  int32_t nValue;              // page count, or -1
  WbPageOpRecord* pPageOp;     // NULL for messages without a page part
};

// A whiteboard record as the host delivers it: the host's head is one u32 longer, so the
// value and the page/op pointer stand 4 bytes further on than in a sent header.
struct WbRecvMsgHeader {
  MrsRecordHead head;          // the method code (WbRecvMethod) at 0
  DWORD nHostWord;             // the host's one more word
  char szBoardStyle[WB_STYLE_NUMBERS][WB_NUMBER_LEN];  // method 1 only
  char reserved[34];
  int32_t nValue;              // page count, or -1
  WbPageOpRecord* pPageOp;
};

struct WbListNode {
  void* pItem;          // one shape payload
  WbListNode* pNext;
};

struct WbPageOpRecord {
  int32_t nPage;        // counted from 1; -1 when new
  int32_t nOp;          // WbPageOp; -1 when new
  DWORD bNewPage;       // 1 in the new-page record
  WbListNode* pList;
  DWORD reserved;
};

struct WbStyleRecord {
  char szFillColor[WB_COLOR_LEN];   // fill colour of a filled shape, text colour of a text
  char szPenColor[WB_COLOR_LEN];    // outline colour
  int32_t nPenWidth;                // -1 when not given
  float fReserved;                  // always -1.0
  int32_t nFontSize;                // lfHeight << 16 | lfWidth; -1 when not given
  char szFaceName[WB_FACE_LEN];
  DWORD reserved;
  int32_t nWeight;                  // 400 normal, 700 bold
  int32_t nItalic;                  // 1 italic, 0 upright
  int32_t nUnderlineStrike;         // 3 both, 2 strike-out, 1 underline, 0 neither
};

// The head every shape payload starts with.
struct WbShapePayload {
  DWORD nObjType;                // WbObjectType, 0 until set
  char szID[WB_ID_LEN];
  int32_t nSubOp;                // WbSubOp
};

struct WbRectPayload {
  WbShapePayload head;
  char szX[WB_NUMBER_LEN];        // left
  char szY[WB_NUMBER_LEN];        // top
  char szWidth[WB_NUMBER_LEN];    // right - left
  char szHeight[WB_NUMBER_LEN];   // bottom - top
  char szCornerX[WB_NUMBER_LEN];  // round rectangle's corner, only when it is created
  char szCornerY[WB_NUMBER_LEN];
  WbStyleRecord* pStyle;
};

struct WbLinePayload {
  WbShapePayload head;
  char szX1[WB_NUMBER_LEN];
  char szY1[WB_NUMBER_LEN];
  char szX2[WB_NUMBER_LEN];
  char szY2[WB_NUMBER_LEN];
  WbStyleRecord* pStyle;
};

struct WbCirclePayload {
  WbShapePayload head;
  char szCX[WB_NUMBER_LEN];
  char szCY[WB_NUMBER_LEN];
  char szR[WB_NUMBER_LEN];
  WbStyleRecord* pStyle;
};

struct WbEllipsePayload {
  WbShapePayload head;
  char szCX[WB_NUMBER_LEN];
  char szCY[WB_NUMBER_LEN];
  char szRX[WB_NUMBER_LEN];
  char szRY[WB_NUMBER_LEN];
  WbStyleRecord* pStyle;
};

struct WbPathPayload {
  WbShapePayload head;
  char* pszPath;                  // "M x y L x y ..."
  WbStyleRecord* pStyle;
};

struct WbTextPayload {
  WbShapePayload head;
  char szX[WB_NUMBER_LEN];
  char szY[WB_NUMBER_LEN];
  char szWidth[WB_NUMBER_LEN];
  char szHeight[WB_NUMBER_LEN];
  char* pszText;
  WbStyleRecord* pStyle;          // the font
};

struct WbImagePayload {
  WbShapePayload head;
  char szX[WB_NUMBER_LEN];
  char szY[WB_NUMBER_LEN];
  char szWidth[WB_NUMBER_LEN];
  char szHeight[WB_NUMBER_LEN];
  char* pszData;                  // "data:image/<format>;base64,<data>", or NULL
};

struct WbDocPagePayload {
  WbShapePayload head;
  char* pszData;                  // "data:image/<format>;base64,<data>"
};

#pragma pack(pop)

static_assert(sizeof(MrsRecordHead) == 522, "MrsRecordHead size");
static_assert(offsetof(MrsRecordHead, op) == 0, "MrsRecordHead layout");
static_assert(offsetof(MrsRecordHead, szSessionURI) == 4, "MrsRecordHead layout");
static_assert(offsetof(MrsRecordHead, szDConfID) == 261, "MrsRecordHead layout");
static_assert(offsetof(MrsRecordHead, nSubConfID) == 518, "MrsRecordHead layout");

static_assert(sizeof(WbMsgHeader) == 666, "WbMsgHeader size");
static_assert(offsetof(WbMsgHeader, head) == 0, "WbMsgHeader layout");
static_assert(offsetof(WbMsgHeader, szBoardStyle) == 522, "WbMsgHeader layout");
static_assert(offsetof(WbMsgHeader, szBoardStyle[5]) == 607, "WbMsgHeader layout");
static_assert(offsetof(WbMsgHeader, reserved) == 624, "WbMsgHeader layout");
static_assert(offsetof(WbMsgHeader, nValue) == 658, "WbMsgHeader layout");
static_assert(offsetof(WbMsgHeader, pPageOp) == 662, "WbMsgHeader layout");

static_assert(sizeof(WbRecvMsgHeader) == 670, "WbRecvMsgHeader size");
static_assert(offsetof(WbRecvMsgHeader, szBoardStyle) == 526, "WbRecvMsgHeader layout");
static_assert(offsetof(WbRecvMsgHeader, nValue) == 662, "WbRecvMsgHeader layout");
static_assert(offsetof(WbRecvMsgHeader, pPageOp) == 666, "WbRecvMsgHeader layout");

static_assert(sizeof(WbListNode) == 8, "WbListNode size");
static_assert(offsetof(WbListNode, pItem) == 0, "WbListNode layout");
static_assert(offsetof(WbListNode, pNext) == 4, "WbListNode layout");

static_assert(sizeof(WbPageOpRecord) == 20, "WbPageOpRecord size");
static_assert(offsetof(WbPageOpRecord, nPage) == 0, "WbPageOpRecord layout");
static_assert(offsetof(WbPageOpRecord, nOp) == 4, "WbPageOpRecord layout");
static_assert(offsetof(WbPageOpRecord, bNewPage) == 8, "WbPageOpRecord layout");
static_assert(offsetof(WbPageOpRecord, pList) == 12, "WbPageOpRecord layout");
static_assert(offsetof(WbPageOpRecord, reserved) == 16, "WbPageOpRecord layout");

static_assert(sizeof(WbStyleRecord) == 115, "WbStyleRecord size");
static_assert(offsetof(WbStyleRecord, szFillColor) == 0, "WbStyleRecord layout");
static_assert(offsetof(WbStyleRecord, szPenColor) == 33, "WbStyleRecord layout");
static_assert(offsetof(WbStyleRecord, nPenWidth) == 66, "WbStyleRecord layout");
static_assert(offsetof(WbStyleRecord, fReserved) == 70, "WbStyleRecord layout");
static_assert(offsetof(WbStyleRecord, nFontSize) == 74, "WbStyleRecord layout");
static_assert(offsetof(WbStyleRecord, szFaceName) == 78, "WbStyleRecord layout");
static_assert(offsetof(WbStyleRecord, reserved) == 99, "WbStyleRecord layout");
static_assert(offsetof(WbStyleRecord, nWeight) == 103, "WbStyleRecord layout");
static_assert(offsetof(WbStyleRecord, nItalic) == 107, "WbStyleRecord layout");
static_assert(offsetof(WbStyleRecord, nUnderlineStrike) == 111, "WbStyleRecord layout");

static_assert(sizeof(WbShapePayload) == 56, "WbShapePayload size");
static_assert(offsetof(WbShapePayload, nObjType) == 0, "WbShapePayload layout");
static_assert(offsetof(WbShapePayload, szID) == 4, "WbShapePayload layout");
static_assert(offsetof(WbShapePayload, nSubOp) == 52, "WbShapePayload layout");

static_assert(sizeof(WbRectPayload) == 162, "WbRectPayload size");
static_assert(offsetof(WbRectPayload, szX) == 56, "WbRectPayload layout");
static_assert(offsetof(WbRectPayload, szY) == 73, "WbRectPayload layout");
static_assert(offsetof(WbRectPayload, szWidth) == 90, "WbRectPayload layout");
static_assert(offsetof(WbRectPayload, szHeight) == 107, "WbRectPayload layout");
static_assert(offsetof(WbRectPayload, szCornerX) == 124, "WbRectPayload layout");
static_assert(offsetof(WbRectPayload, szCornerY) == 141, "WbRectPayload layout");
static_assert(offsetof(WbRectPayload, pStyle) == 158, "WbRectPayload layout");

static_assert(sizeof(WbLinePayload) == 128, "WbLinePayload size");
static_assert(offsetof(WbLinePayload, szX1) == 56, "WbLinePayload layout");
static_assert(offsetof(WbLinePayload, szY1) == 73, "WbLinePayload layout");
static_assert(offsetof(WbLinePayload, szX2) == 90, "WbLinePayload layout");
static_assert(offsetof(WbLinePayload, szY2) == 107, "WbLinePayload layout");
static_assert(offsetof(WbLinePayload, pStyle) == 124, "WbLinePayload layout");

static_assert(sizeof(WbCirclePayload) == 111, "WbCirclePayload size");
static_assert(offsetof(WbCirclePayload, szCX) == 56, "WbCirclePayload layout");
static_assert(offsetof(WbCirclePayload, szCY) == 73, "WbCirclePayload layout");
static_assert(offsetof(WbCirclePayload, szR) == 90, "WbCirclePayload layout");
static_assert(offsetof(WbCirclePayload, pStyle) == 107, "WbCirclePayload layout");

static_assert(sizeof(WbEllipsePayload) == 128, "WbEllipsePayload size");
static_assert(offsetof(WbEllipsePayload, szCX) == 56, "WbEllipsePayload layout");
static_assert(offsetof(WbEllipsePayload, szCY) == 73, "WbEllipsePayload layout");
static_assert(offsetof(WbEllipsePayload, szRX) == 90, "WbEllipsePayload layout");
static_assert(offsetof(WbEllipsePayload, szRY) == 107, "WbEllipsePayload layout");
static_assert(offsetof(WbEllipsePayload, pStyle) == 124, "WbEllipsePayload layout");

static_assert(sizeof(WbPathPayload) == 64, "WbPathPayload size");
static_assert(offsetof(WbPathPayload, pszPath) == 56, "WbPathPayload layout");
static_assert(offsetof(WbPathPayload, pStyle) == 60, "WbPathPayload layout");

static_assert(sizeof(WbTextPayload) == 132, "WbTextPayload size");
static_assert(offsetof(WbTextPayload, szX) == 56, "WbTextPayload layout");
static_assert(offsetof(WbTextPayload, szY) == 73, "WbTextPayload layout");
static_assert(offsetof(WbTextPayload, szWidth) == 90, "WbTextPayload layout");
static_assert(offsetof(WbTextPayload, szHeight) == 107, "WbTextPayload layout");
static_assert(offsetof(WbTextPayload, pszText) == 124, "WbTextPayload layout");
static_assert(offsetof(WbTextPayload, pStyle) == 128, "WbTextPayload layout");

static_assert(sizeof(WbImagePayload) == 128, "WbImagePayload size");
static_assert(offsetof(WbImagePayload, szX) == 56, "WbImagePayload layout");
static_assert(offsetof(WbImagePayload, szY) == 73, "WbImagePayload layout");
static_assert(offsetof(WbImagePayload, szWidth) == 90, "WbImagePayload layout");
static_assert(offsetof(WbImagePayload, szHeight) == 107, "WbImagePayload layout");
static_assert(offsetof(WbImagePayload, pszData) == 124, "WbImagePayload layout");

static_assert(sizeof(WbDocPagePayload) == 60, "WbDocPagePayload size");
static_assert(offsetof(WbDocPagePayload, pszData) == 56, "WbDocPagePayload layout");
