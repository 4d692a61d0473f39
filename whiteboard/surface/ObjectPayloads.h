// The payloads that announce objects as they stand: the new-object records of the surfaces and
// the page-content records of the whiteboard windows carry them. Each is a fresh block (with
// its own style record and text) freed with FreeWbPayload, or NULL when out of memory.
#pragma once

#include "protocol/WbRecords.h"

class CStrokeBase;

// Line: the two end points as drawn; pen colour and width.
WbLinePayload* NewLinePayloadOf(CStrokeBase* stroke);
// Rectangles: left, top, width, height; filled kinds the colour first and no width, a round
// rectangle also its corner.
WbRectPayload* NewRectPayloadOf(CStrokeBase* stroke, BOOL filled, BOOL withCorner);
// Ellipses: centre and radii of the box.
WbEllipsePayload* NewEllipsePayloadOf(CStrokeBase* stroke, BOOL filled);
// Circle: centre and radius of its square (the tracker); the colour first.
WbCirclePayload* NewCirclePayloadOf(CStrokeBase* stroke);
// Point-list kinds: the path text of the points; pen colour and width.
WbPathPayload* NewPathPayloadOf(CStrokeBase* stroke);
// Pictures: x, y, width and height, and `data` as the data text (a data URL, or the picture
// file's name for the hand and laser pointers).
WbImagePayload* NewPicturePayloadOf(CStrokeBase* stroke, const char* data);
// Text: the box, the text and the font.
WbTextPayload* NewTextPayloadOf(CStrokeBase* stroke);
// The payload of any object, chosen by its kind; NULL for a kind no record carries.
void* NewObjectPayload(CStrokeBase* stroke);
