// CDlgDataConf: the conference window. This part holds the conference state that the module
// core and the whiteboard records read: whether a conference runs, its URI, the data-conference
// and sub-conference ids, and the set-up request flags. It exists without its user interface;
// the window is created from its template when the conference is shown.
#pragma once

#include "platform/CString.h"
#include "platform/Collections.h"
#include "platform/ui/Dialog.h"

// Sub-conference types.
enum SubConfType {
  kSubConfAudio = 0,
  kSubConfVideo = 1,
  kSubConfAppShare = 3,
  kSubConfWhiteboard = 4,
  kSubConfDocShare = 6,
  kSubConfWebShare = 7,
  kSubConfFileTransfer = 8,
  kSubConfVote = 9,
  kSubConfRaiseHand = 10,
  kSubConfAgenda = 11,
  kSubConfShareSpace = 12,
};

// The ids of GetDConfID.
enum DConfIDKind { kDConfID = 0, kDConfWhiteboardID = 1, kDConfAppShareID = 2 };

class CDlgDataConf : public CDialog {
 public:
  CDlgDataConf();

  // The state of one sub-conference type.
  struct SubConf {
    int iType;
    BOOL bStarted = FALSE;
    int iSubConfID = -1;
  };

  // ---- The running conference ----
  CString GetConfURI() const { return m_csConfURI; }
  // 0 the data-conference id, 1 the whiteboard sub-conference id, 2 the application-share
  // sub-conference id; "" for any other kind.
  CString GetDConfID(int nKind) const;
  // bByIndex FALSE: the id of the running sub-conference of type iConfType; bByIndex TRUE:
  // of the entry at index iConfType of the type list. -1 when it does not run.
  int GetSubConfID(int iConfType, BOOL bByIndex) const;
  BOOL bSubConfStarted(int type, BOOL byIndex) const;

  // The conference started (uri, data-conference id) or ended (clears the ids and the
  // sub-conferences).
  void BeginConference(CString uri, CString dconfID);
  void EndConference();
  void SetDConfID(int nKind, CString id);
  void SetSubConf(int iConfType, BOOL bStarted, int iSubConfID);

  // The window's close command while a conference runs: leaves it (conference method 1,
  // sub-type 5) and ends the conference state.
  void LeaveConference();

  // Conference events that the module passes on (host code 9): iType and its record.
  void OnIMSConfEventVexlonctrl1(int iType, void* record);

  BOOL m_bInConf = FALSE;
  int m_iMemberCount = 0;
  int m_iMaxMemberCount = 0;
  BOOL m_bSetupRequestPending = FALSE;
  BOOL m_bCreateTimedOut = FALSE;
  CString m_csFailReason;
  CStringArray m_saInitMembers;
  CStringArray m_saPendingInvites;

 private:
  const SubConf* FindSubConf(int iConfType, BOOL bByIndex) const;

  CString m_csConfURI;
  CString m_csDConfID;
  CString m_csWBSubConfID;
  CString m_csAppShareSubConfID;
  CArray<SubConf> m_aSubConfs;
};
