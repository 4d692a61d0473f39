// CStrokePage: one whiteboard page, an ordered list of objects (head at the back, tail in front)
// and an optional background picture, the docpage, which is normally also the list's head. The
// page owns its objects. It writes itself as one `page` element of the page XML and reads
// itself back from one.
#pragma once

#include "platform/CString.h"
#include "platform/Collections.h"
#include "platform/ui/Wnd.h"
#include "whiteboard/model/StrokeIndex.h"

class CDC;
class CStrokeBase;
class CStrokeDocPage;
class IWbBoardChannel;
struct XmlElement;

// Told of every object a page is about to give up (deleted or taken off by its holder), so
// that whoever keeps pointers into the page (the drawing surface's selection, edited text,
// tracked object) drops them first.
class CStrokeRemovalListener {
 public:
  virtual void OnStrokeRemoved(CStrokeBase* stroke) = 0;

 protected:
  ~CStrokeRemovalListener() = default;
};

class CStrokePage : public CCmdTarget {
  DECLARE_DYNCREATE(CStrokePage)

 public:
  CStrokePage();
  // A page of the board whose channel is owner, which every object the page reads is given.
  explicit CStrokePage(IWbBoardChannel* owner);
  // Deletes every object of the list (the listener is told of each).
  ~CStrokePage() override;
  CStrokePage(const CStrokePage&) = delete;
  CStrokePage& operator=(const CStrokePage&) = delete;

  // The page as one `page` element numbered `number`: the background's `docpage` element, then
  // every object from head to tail, each element on one line with nothing between them.
  CString ToXml(long number);
  // Appends the objects of one `page` element; the id of each child picks its class. FALSE
  // only for NULL.
  BOOL FromXml(XmlElement* page);
  // Makes docpage the background; a different background held before is taken out of the
  // list and deleted. NULL does nothing.
  void SetDocPage(CStrokeDocPage* docpage);
  // A new, unattached background from a picture file, NULL when it does not load. A background
  // at the head of the list is removed and deleted first; the caller makes the new one the
  // background and puts it at the head.
  CStrokeDocPage* LoadDocPage(CString path);
  // Draws the background, when there is one.
  void DrawDocPage(CDC* dc);
  // The position of stroke in the list from 0; -1 for NULL or a stroke not in it.
  int IndexOfStroke(CStrokeBase* stroke);
  // The object at index, NULL when there is none.
  CStrokeBase* StrokeAt(int index);
  // Takes stroke off the page (and as its background) and hands it to the caller; the
  // listener is told first. FALSE when stroke is not on the page.
  BOOL DetachStroke(CStrokeBase* stroke);
  // DetachStroke, then deletes the object; FALSE (nothing deleted) when it is not on the page.
  BOOL DeleteStroke(CStrokeBase* stroke);
  // The objects filed by place, in step with the list: objects added, taken off or restacked
  // through the page are filed at once, a list changed directly is filed anew when next asked.
  const CStrokeIndex& Index();
  // Appends stroke on top.
  void AddStroke(CStrokeBase* stroke);
  // Moves stroke to the top; or to the bottom, right above the background when there is one.
  // FALSE when it is not on the page.
  BOOL BringToFront(CStrokeBase* stroke);
  BOOL SendToBack(CStrokeBase* stroke);
  // Files stroke anew after its geometry, pen width or tracker changed.
  void StrokeChanged(CStrokeBase* stroke);
  // Told before the page gives up an object; NULL: nobody.
  void SetRemovalListener(CStrokeRemovalListener* listener) { m_pRemovalListener = listener; }

  CObList m_listStroke;                      // CStrokeBase*, in stacking order
  int m_nNumber = 0;                         // the page's number on its board, from 1
  CStrokeDocPage* m_pDocPage = nullptr;      // the background picture
  IWbBoardChannel* m_pOwner = nullptr;       // the channel of the page's board, or NULL

 private:
  // Tells the listener and forgets stroke as the background; the list is left alone.
  void Release(CStrokeBase* stroke);
  CStrokeRemovalListener* m_pRemovalListener = nullptr;
  // The index, once asked for; its list's change count when last in step.
  CStrokeIndex m_index;
  bool m_bIndexed = false;
  unsigned m_nIndexedChanges = 0;
  // Whether the index is kept and in step with the list (filed anew if the list changed).
  bool SyncIndex();
  void IndexInStep() { m_nIndexedChanges = m_listStroke.GetChangeCount(); }
  void ReadDocPage(XmlElement* element);
  void ReadStroke(XmlElement* element);
  // The XML of one object of the list.
  static CString StrokeXml(CStrokeBase* stroke);
};
