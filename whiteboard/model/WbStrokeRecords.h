// Objects from received whiteboard payloads and back: what the whiteboard windows use to
// build, change and delete the objects that records name, and the payload of a deletion.
#pragma once

#include "platform/Win32Types.h"

class CStrokeBase;
class CStrokePage;
class IWbBoardChannel;

// A new object from a received shape payload (class from the id's kind word), with its
// geometry and style; NULL for a payload no class reads (logged).
CStrokeBase* NewStrokeFromPayload(const void* payload, IWbBoardChannel* owner);
// Takes the geometry and style a received payload carries; FALSE when it carries none the
// object can take.
BOOL ApplyPayloadToStroke(CStrokeBase* stroke, const void* payload);
// The object of page whose id equals id (first 47 characters), or NULL.
CStrokeBase* FindStrokeById(CStrokePage* page, const char* id);
// The payload of a deletion record (header type 9): the object's payload type, its id and
// sub-op 2; NULL when out of memory. Freed with FreeWbPayload.
void* NewDeletionPayload(CStrokeBase* stroke);
