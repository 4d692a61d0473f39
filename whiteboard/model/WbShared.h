// Routines shared by the three whiteboard windows and the objects on their boards.
#pragma once

#include "platform/CString.h"
#include "platform/Collections.h"
#include "platform/Geometry.h"

// Length of the unique part of a whiteboard object id.
constexpr int kGuidTextLength = 17;

// The first 17 characters of a fresh GUID's text with its dashes removed (lower-case
// hexadecimal digits): the unique part of object ids ("line:" + text). The text lives in one
// static buffer that the next call overwrites.
char* MakeGuidText();

// The path text of a path payload: "M", then " x y L" for every point but the last, then
// " x y" for the last one; "" without points (or for NULL).
CString PointsToPathText(const CArray<CPoint, CPoint>* points);

// The kind word of an object id: its text before the first ':' (the whole id when it has no
// colon; "" for NULL).
CString GetIdPrefix(const char* id);
