#include "confwindow/DlgDataConf.h"

#include <cstdio>

#include "module/ConfMethodRecord.h"
#include "module/TavorineModule.h"

namespace {

// The sub-conference types in the order of the window's type list.
const int kSubConfTypes[] = {kSubConfAudio,        kSubConfVideo,     kSubConfAppShare, kSubConfWhiteboard,
                             kSubConfDocShare,     kSubConfWebShare,  kSubConfFileTransfer,
                             kSubConfVote,         kSubConfRaiseHand, kSubConfAgenda,
                             kSubConfShareSpace};

}  // namespace

CDlgDataConf::CDlgDataConf() {
  for (int type : kSubConfTypes) {
    SubConf entry;
    entry.iType = type;
    m_aSubConfs.Add(entry);
  }
}

CString CDlgDataConf::GetDConfID(int nKind) const {
  switch (nKind) {
    case kDConfID: return m_csDConfID;
    case kDConfWhiteboardID: return m_csWBSubConfID;
    case kDConfAppShareID: return m_csAppShareSubConfID;
    default: return CString();
  }
}

const CDlgDataConf::SubConf* CDlgDataConf::FindSubConf(int iConfType, BOOL bByIndex) const {
  if (bByIndex) return iConfType >= 0 && iConfType < m_aSubConfs.GetSize() ? &m_aSubConfs[iConfType] : nullptr;
  for (int i = 0; i < m_aSubConfs.GetSize(); ++i)
    if (m_aSubConfs[i].iType == iConfType) return &m_aSubConfs[i];
  return nullptr;
}

int CDlgDataConf::GetSubConfID(int iConfType, BOOL bByIndex) const {
  const SubConf* entry = FindSubConf(iConfType, bByIndex);
  return entry && entry->bStarted ? entry->iSubConfID : -1;
}

BOOL CDlgDataConf::bSubConfStarted(int type, BOOL byIndex) const {
  const SubConf* entry = FindSubConf(type, byIndex);
  return entry && entry->bStarted;
}

void CDlgDataConf::BeginConference(CString uri, CString dconfID) {
  m_csConfURI = uri;
  m_csDConfID = dconfID;
  m_bInConf = TRUE;
}

void CDlgDataConf::EndConference() {
  m_bInConf = FALSE;
  m_csConfURI.Empty();
  m_csDConfID.Empty();
  m_csWBSubConfID.Empty();
  m_csAppShareSubConfID.Empty();
  for (int i = 0; i < m_aSubConfs.GetSize(); ++i) {
    m_aSubConfs[i].bStarted = FALSE;
    m_aSubConfs[i].iSubConfID = -1;
  }
}

void CDlgDataConf::SetDConfID(int nKind, CString id) {
  switch (nKind) {
    case kDConfID: m_csDConfID = id; break;
    case kDConfWhiteboardID: m_csWBSubConfID = id; break;
    case kDConfAppShareID: m_csAppShareSubConfID = id; break;
    default: break;
  }
}

void CDlgDataConf::SetSubConf(int iConfType, BOOL bStarted, int iSubConfID) {
  for (int i = 0; i < m_aSubConfs.GetSize(); ++i) {
    if (m_aSubConfs[i].iType != iConfType) continue;
    m_aSubConfs[i].bStarted = bStarted;
    m_aSubConfs[i].iSubConfID = bStarted ? iSubConfID : -1;
  }
}

void CDlgDataConf::LeaveConference() {
  if (!m_bInConf) return;
  CConfMethodRecordPtr record;
  BuildConfLeave(*record, m_csConfURI);
  bIMSConfMethod(1, record.get());
  EndConference();
}

void CDlgDataConf::OnIMSConfEventVexlonctrl1(int iType, void* record) {
  // The conference events are applied by the conference-event dispatcher of this window,
  // which is not part of this build yet; each event is logged so the traffic stays visible.
  if (CTavorineModule* module = TavorineModule()) {
    char line[96];
    snprintf(line, sizeof line, "CDlgDataConf::OnIMSConfEventVexlonctrl1(iType=%d)\n", iType);
    module->WriteLog(line, 1);
  }
}
