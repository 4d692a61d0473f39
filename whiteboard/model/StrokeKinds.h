// The object class that an id names, for the page reader: the id decides, not the element name.
#pragma once

class CStrokeBase;
class IWbBoardChannel;

// A new object of the class named by the first kind word that occurs anywhere in id, tested in a
// fixed order ("freeline" before "line", "polyline" before "line", ...), constructed with
// owner. NULL when the id names no class (a laser's id among them: lasers are never read back),
// for NULL, and when memory runs out.
CStrokeBase* NewStrokeForId(const char* id, IWbBoardChannel* owner);
