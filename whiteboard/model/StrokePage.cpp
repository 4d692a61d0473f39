#include "whiteboard/model/StrokePage.h"

#include <cstring>
#include <new>
#include <vector>

#include "whiteboard/model/StrokeBitmap.h"
#include "whiteboard/model/StrokeDocPage.h"
#include "whiteboard/model/StrokeHandPointer.h"
#include "whiteboard/model/StrokeKinds.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/model/WbShared.h"
#include "whiteboard/model/WbXmlText.h"
#include "xml/XmlTree.h"

IMPLEMENT_DYNCREATE(CStrokePage, CCmdTarget)

namespace {

CStrokeBase* AsStroke(CObject* object) { return static_cast<CStrokeBase*>(object); }

// A hand pointer takes only its id and place from the page; its picture is always the
// application's own.
void ReadHandPointer(CStrokeHandPointer* hand, XmlElement* element) {
  CopyXmlId(element, hand->m_szID, sizeof(hand->m_szID));
  if (const char* x = XmlAttributeText(element, "x")) hand->m_nX = ReadXmlDecimal(x);
  if (const char* y = XmlAttributeText(element, "y")) hand->m_nY = ReadXmlDecimal(y);
  hand->LoadHandPicture();
}

// A picture (CStrokeBitmap or a subclass) that is written and read as a positioned `image`
// element; a background is not a CStrokeBitmap.
bool IsPositionedPicture(CStrokeBase* stroke) {
  return stroke->IsKindOf(RUNTIME_CLASS(CStrokeBitmap)) && static_cast<CStrokeBitmap*>(stroke)->m_bPositioned;
}

}  // namespace

CStrokePage::CStrokePage() = default;

CStrokePage::CStrokePage(IWbBoardChannel* owner) : m_pOwner(owner) {}

CStrokePage::~CStrokePage() {
  for (POSITION pos = m_listStroke.GetHeadPosition(); pos;) {
    CStrokeBase* stroke = AsStroke(m_listStroke.GetNext(pos));
    Release(stroke);
    delete stroke;
  }
  m_listStroke.RemoveAll();
  // A background that is not in the list (no reader leaves one so) still belongs to the page.
  if (m_pDocPage) {
    Release(m_pDocPage);
    delete m_pDocPage;
  }
}

void CStrokePage::Release(CStrokeBase* stroke) {
  if (m_pRemovalListener) m_pRemovalListener->OnStrokeRemoved(stroke);
  if (stroke == m_pDocPage) m_pDocPage = nullptr;
}

BOOL CStrokePage::DetachStroke(CStrokeBase* stroke) {
  POSITION pos = stroke ? m_listStroke.Find(stroke) : nullptr;
  if (!pos) return FALSE;
  bool indexed = SyncIndex();
  m_listStroke.RemoveAt(pos);
  if (indexed) {
    m_index.Remove(stroke);
    IndexInStep();
  }
  Release(stroke);
  return TRUE;
}

bool CStrokePage::SyncIndex() {
  if (!m_bIndexed) return false;
  if (m_nIndexedChanges != m_listStroke.GetChangeCount()) {
    m_index.Rebuild(m_listStroke);
    IndexInStep();
  }
  return true;
}

const CStrokeIndex& CStrokePage::Index() {
  if (!SyncIndex()) {
    m_index.Rebuild(m_listStroke);
    m_bIndexed = true;
    IndexInStep();
  }
  return m_index;
}

void CStrokePage::AddStroke(CStrokeBase* stroke) {
  if (!stroke) return;
  bool indexed = SyncIndex();
  m_listStroke.AddTail(stroke);
  if (indexed) {
    m_index.AddOnTop(stroke);
    IndexInStep();
  }
}

BOOL CStrokePage::BringToFront(CStrokeBase* stroke) {
  POSITION old = stroke ? m_listStroke.Find(stroke) : nullptr;
  if (!old) return FALSE;
  bool indexed = SyncIndex();
  m_listStroke.AddTail(stroke);
  m_listStroke.RemoveAt(old);
  if (indexed) {
    m_index.AddOnTop(stroke);
    IndexInStep();
  }
  return TRUE;
}

BOOL CStrokePage::SendToBack(CStrokeBase* stroke) {
  POSITION old = stroke ? m_listStroke.Find(stroke) : nullptr;
  if (!old) return FALSE;
  m_listStroke.RemoveAt(old);
  if (m_pDocPage && !m_listStroke.IsEmpty())
    m_listStroke.InsertAfter(m_listStroke.GetHeadPosition(), stroke);  // the background stays lowest
  else
    m_listStroke.AddHead(stroke);
  return TRUE;  // the stacking places below it are renumbered when the index is next asked
}

void CStrokePage::StrokeChanged(CStrokeBase* stroke) {
  if (stroke && SyncIndex()) m_index.Refile(stroke);
}

BOOL CStrokePage::DeleteStroke(CStrokeBase* stroke) {
  if (!DetachStroke(stroke)) return FALSE;
  delete stroke;
  return TRUE;
}

CString CStrokePage::StrokeXml(CStrokeBase* stroke) {
  return IsPositionedPicture(stroke) ? static_cast<CStrokeBitmap*>(stroke)->ToXmlImage() : stroke->ToXml();
}

CString CStrokePage::ToXml(long number) {
  // The elements are joined once their total length is known: one allocation for the page.
  std::vector<CString> parts;
  parts.reserve((size_t)m_listStroke.GetCount() + 3);
  CString start;
  start.Format("<page number=\"%ld\">", number);
  parts.push_back(start);
  if (m_pDocPage) parts.push_back(m_pDocPage->ToXml());
  for (POSITION pos = m_listStroke.GetHeadPosition(); pos;)
    parts.push_back(StrokeXml(AsStroke(m_listStroke.GetNext(pos))));
  parts.push_back("</page>");
  size_t total = 0;
  for (const CString& part : parts) total += (size_t)part.GetLength();
  CString xml;
  char* out = xml.GetBufferSetLength((int)total);
  for (const CString& part : parts) {
    memcpy(out, (LPCTSTR)part, (size_t)part.GetLength());
    out += part.GetLength();
  }
  return xml;
}

void CStrokePage::ReadDocPage(XmlElement* element) {
  CStrokeDocPage* docpage = new (std::nothrow) CStrokeDocPage;
  if (!docpage) return;
  docpage->FromXml(element);
  SetDocPage(docpage);
  if (!strstr(docpage->m_szID, docpage->GetTypeName())) {
    CString id;
    id.Format("docpage:%s", MakeGuidText());
    SetWbText(docpage->m_szID, id);
  }
  m_listStroke.AddHead(docpage);
}

void CStrokePage::ReadStroke(XmlElement* element) {
  CStrokeBase* stroke = NewStrokeForId(XmlAttributeText(element, "id"), m_pOwner);
  if (!stroke) return;
  if (stroke->IsKindOf(RUNTIME_CLASS(CStrokeHandPointer))) {
    ReadHandPointer(static_cast<CStrokeHandPointer*>(stroke), element);
  } else if (IsPositionedPicture(stroke)) {
    static_cast<CStrokeBitmap*>(stroke)->FromXmlImage(element);
  } else {
    stroke->FromXml(element);
  }
  stroke->UpdateTracker();
  m_listStroke.AddTail(stroke);
}

BOOL CStrokePage::FromXml(XmlElement* page) {
  if (!page) return FALSE;
  for (XmlElement* child = XmlFirstChildElement(page); child; child = XmlNextSiblingElement(child)) {
    const char* name = XmlElementName(child);
    if (name && strcmp(name, "docpage") == 0)
      ReadDocPage(child);
    else
      ReadStroke(child);
  }
  return TRUE;
}

void CStrokePage::SetDocPage(CStrokeDocPage* docpage) {
  if (!docpage || docpage == m_pDocPage) return;
  if (m_pDocPage && !DeleteStroke(m_pDocPage)) {
    Release(m_pDocPage);  // a background outside the list
    delete m_pDocPage;
  }
  m_pDocPage = docpage;
}

CStrokeDocPage* CStrokePage::LoadDocPage(CString path) {
  CStrokeDocPage* docpage = new (std::nothrow) CStrokeDocPage;
  if (!docpage) return nullptr;
  if (!docpage->LoadFromFile(path)) {
    delete docpage;
    return nullptr;
  }
  // Only a background leaves the head: pictures and pointers share its type word.
  if (!m_listStroke.IsEmpty() && m_listStroke.GetHead()->IsKindOf(RUNTIME_CLASS(CStrokeDocPage)))
    DeleteStroke(AsStroke(m_listStroke.GetHead()));
  return docpage;
}

void CStrokePage::DrawDocPage(CDC* dc) {
  if (m_pDocPage && dc) m_pDocPage->Draw(dc, &m_pDocPage->m_tracker.m_rect);
}

int CStrokePage::IndexOfStroke(CStrokeBase* stroke) {
  if (!stroke) return -1;
  int index = 0;
  for (POSITION pos = m_listStroke.GetHeadPosition(); pos; ++index)
    if (m_listStroke.GetNext(pos) == stroke) return index;
  return -1;
}

CStrokeBase* CStrokePage::StrokeAt(int index) {
  POSITION pos = m_listStroke.FindIndex(index);
  return pos ? AsStroke(m_listStroke.GetAt(pos)) : nullptr;
}
