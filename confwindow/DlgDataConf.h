// CDlgDataConf: the conference window. This part holds what the module core, the set-up
// windows and the whiteboard records use of it: whether a conference runs, its URI, members
// and ids, the set-up request flags, the named pending operations with their one-second
// expiry timer, the set-up waits (timers 1 and 4), the invitation queue (timer 34), and the
// answers to the create, join and booking requests (conference event iType 1), the status
// changes of the conference (iType 7: members, the end), the control rights (iType 6). The window is created hidden from its
// template (CreateConfWindow) and shown while a conference runs.
#pragma once

#include <map>
#include <memory>

#include "module/DataConfList.h"
#include "platform/CString.h"
#include "platform/Collections.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"
#include "protocol/ConfCtrlResult.h"
#include "protocol/ConfCtrlRight.h"
#include "protocol/ConfStatisEvent.h"

class CDlgDFShareWhiteBoard;
class CDlgDFWhiteBoard;
class CDlgInviteReceived;
class CDlgmmConfPreCreate;
class CmmconfInvite;

// Template of the conference window.
constexpr UINT IDD_DATACONF = 529;

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

// Timers of the conference window.
enum DataConfTimer {
  kTimerCreateWait = 1,     // 60 s: the create request's wait (armed by the create page)
  kTimerBookWait = 4,       // 60 s: the booking's wait (armed by the book page)
  kTimerPendingOps = 20,    // 1 s: expires the named pending operations
  kTimerInviteQueue = 34,   // 500 ms: sends the next queued invitation
};
constexpr UINT kSetupWaitMs = 60000;
constexpr UINT kInviteIntervalMs = 500;

// Called when a named pending operation expires, with the name and the registered lParam.
typedef void (*PendingOpCallback)(const CString& szOperate, LPARAM lParam);

class CDlgDataConf : public CDialog {
 public:
  CDlgDataConf();
  ~CDlgDataConf() override;

  // Makes the conference window: the object and its hidden window from IDD_DATACONF, owned
  // by the desktop. When the window cannot be made the user is told, the failure logged, and
  // the object still keeps the conference state (without timers).
  static CDlgDataConf* CreateConfWindow();

  // The state of one sub-conference type.
  struct SubConf {
    int iType;
    BOOL bStarted = FALSE;
    int iSubConfID = -1;
  };

  // One member of the running conference.
  struct Member {
    CString csURI;
    CString csState;  // "connected", "connecting", "disconnected" ...
    int iMemberID = -1;
  };

  // ---- The running conference ----
  CString GetConfURI() const { return m_csConfURI; }
  // An invitation into the running conference: one request of sub-type 2 for the number.
  void SendInvitation(const CString& number);
  // 0 the data-conference id, 1 the whiteboard sub-conference id, 2 the application-share
  // sub-conference id; "" for any other kind.
  CString GetDConfID(int nKind) const;
  // bByIndex FALSE: the id of the running sub-conference of type iConfType; bByIndex TRUE:
  // of the entry at index iConfType of the type list. -1 when it does not run.
  int GetSubConfID(int iConfType, BOOL bByIndex) const;
  BOOL bSubConfStarted(int type, BOOL byIndex) const;

  // The conference started (uri, data-conference id): the user is its one member until the
  // host says more, and the window shows. Every way into a conference comes here.
  void BeginConference(CString uri, CString dconfID);
  // The conference's local state ends: ids, sub-conferences, members, counts, the initial
  // members and the queue of pending invitations are dropped, the pacing timer stops and the
  // window hides. Every way out of a conference (the user's leave, the host's end) comes here.
  void EndConference();
  void SetDConfID(int nKind, CString id);
  void SetSubConf(int iConfType, BOOL bStarted, int iSubConfID);

  // ---- The conference whiteboard (confwindow/DlgDataConfWhiteboard.cpp) ----
  // A create or join answer of a conference whose types include the whiteboard: its
  // sub-conference runs (id from the answer's sub-conference id text) and the board opens
  // (joined: the board asks for the content it missed). Types that include document share
  // start its sub-conference (the same id text) and open the shared-document board.
  void StartWhiteboardIfIncluded(const confCtrlResult& answer, BOOL joined);
  // The boards go (the conference ended, or the window goes with the module).
  void CloseWhiteBoard();
  CDlgDFWhiteBoard* GetWhiteBoard() const { return m_pDlgWhiteBoard; }
  CDlgDFShareWhiteBoard* GetShareWhiteBoard() const { return m_pDlgShareWhiteBoard; }
  // Host code 8, kind 1: the board whose running sub-conference the record names (the
  // conference whiteboard first) takes it; FALSE when none does.
  BOOL RouteWhiteboardRecord(void* record);

  // Members: the entry whose URI equals uri exactly, or NULL.
  Member* FindMember(CString uri);
  // Adds the member or updates its state and id, and its row of the member list.
  void UpdateMember(CString uri, CString state, int iMemberID);

  // The window's close command while a conference runs: leaves it (conference method 1,
  // sub-type 5) and ends the conference state.
  void LeaveConference();

  // ---- Small dialogs the window runs, each in the module's pop-up slot until it ends or the
  // conference ends (then unanswered: nothing is sent) ----
  // "拨打分机号" for a member of the conference: asks for the digits and sends them (method 1,
  // sub-type 10). FALSE when the member is unknown or the user cancelled.
  BOOL DialExtension(CString memberURI);
  // "申请为主持人": asks for the chair password typed twice; TRUE with it after OK.
  BOOL AskChairPassword(CString* password);
  // "会场属性": the conference properties dialog; TRUE when it sent the extension (method 5).
  BOOL EditConfProperties();

  // ---- Named pending operations ----
  // Registers an operation that waits for its confirming event; the one-second timer expires
  // it after `seconds`, calls the callback and shows the prompt (when not empty) as a prompt
  // line. Refused (FALSE, with a log line) for an empty name or a name already waiting.
  BOOL AddToTimerList(CString szOperate, CString szPrompt, int seconds, PendingOpCallback callback,
                      LPARAM lParam);
  // The confirming event: forgets the operation; FALSE when none of that name waits.
  BOOL RemoveFromTimerList(CString szOperate);
  BOOL bTimerExist(CString szOperate) const;
  // The pending operation a create request registers for a conference type ("start_xwb" ...;
  // "" for an unknown type).
  static CString CreateOperationName(int iConfType);

  // ---- Prompt lines ----
  // One result line of the conference window, kept in order.
  void AddPromptLine(CString text);
  const CStringArray& PromptLines() const { return m_saPromptLines; }

  // ---- Conference events ----
  // The module passes every conference event it does not handle itself (host code 9).
  void OnIMSConfEventVexlonctrl1(int iType, void* record);
  // Conference event iType 7 (confwindow/DlgDataConfStatus.cpp): members changed, or a
  // conference ended (the running one, or the one of the invitation on screen).
  void OnConfStatisEvent(const confStatisEvent& event);
  // Conference event iType 6 (confwindow/DlgDataConfWhiteboard.cpp): a feature's control right
  // given or taken back; the document-share right decides who turns the shared board's pages,
  // the whiteboard's ("xwb") who presents the conference whiteboard.
  void OnControlRight(const confCtrlRight& event);

  // ---- Invitations to a conference (confwindow/DlgDataConfInviteReceived.cpp) ----
  // Runs the invitation dialog (or accepts at once with the user's auto-accept option) and
  // answers with sub-type 3: 1 join (the conference is taken over), 0 refuse, nothing when
  // the dialog was ended without an answer.
  void OnInviteReceived(const confCtrlResult& invite);
  // The conference ended while its invitation is up: bAnswer FALSE ends the dialog without an
  // answer, TRUE as a refusal. Nothing when no invitation dialog runs.
  void CloseInviteDialog(BOOL bAnswer);
  // The invitation on screen (or waiting for its auto-accept) ends unanswered and nothing is
  // joined: its conference ended, or the module closes. Nothing when none runs.
  void DropInvitation();
  // The module closes: the invitation on screen ends unanswered, the dialogs that act on a
  // conference end (EndConferenceDialogs) and the invite dialog is cancelled, so that no modal
  // loop of these windows outlives the close.
  void EndDialogsForClose();
  // The name of a sub-conference type in the invitation's type list ("" when it has none).
  static CString SubConfTypeName(int iType);
  static CString InviteTypeText(const confCtrlResult& invite);
  static CString InviteCreatorText(const CString& chairURI);

  // ---- The invite dialog (confwindow/DlgDataConfInviteCommand.cpp) ----
  // The invite command (button 1081): refused while no conference runs or it is full; waits
  // for the queue of pending invitations; makes the dialog when it is missing, sets the number
  // tooltip, shows and centres it and disables this window until the dialog ends.
  void OnInviteCommand();
  // The buttons follow the conference: 1081 is enabled while a conference runs and no
  // invitation waits in the queue (the invite dialog's OK disables it); the extension
  // command needs a selected member.
  void RefreshButtons();
  // The conference's text, its members and the buttons (confwindow/DlgDataConfView.cpp).
  void RefreshView();
  // The conference's text alone: subject, URI and member counts.
  void RefreshConfState();
  std::unique_ptr<CmmconfInvite> m_pInviteConfDlg;  // made with the window, reused

  BOOL m_bInConf = FALSE;
  int m_iMemberCount = 0;     // members present, the user included
  int m_iMaxMemberCount = 0;  // the conference's maximum; 0 none known (the server enforces its own)
  int m_iRequestedMaxMembers = 0;  // the maximum the last create request gave
  // The conference cannot take `added` more members: only a known maximum limits locally.
  BOOL ExceedsMaximum(int added) const {
    return m_iMaxMemberCount > 0 && (unsigned)m_iMemberCount + (unsigned)added > (unsigned)m_iMaxMemberCount;
  }
  BOOL m_bSetupRequestPending = FALSE;
  BOOL m_bCreateTimedOut = FALSE;
  CString m_csFailReason;
  CString m_csSubject;
  CStringArray m_saInitMembers;    // initial members of a conference being created
  CStringArray m_saPendingInvites; // the queue of pending invitations

 protected:
  BOOL OnInitDialog() override;
  void OnTimer(UINT_PTR id) override;
  // The close box leaves the running conference; Esc does nothing.
  void OnClose() override;
  void OnCancel() override {}

 private:
  struct PendingOp {
    CString csOperate;
    CString csPrompt;
    DWORD dwStart = 0;
    DWORD dwDuration = 0;  // ms
    PendingOpCallback callback = nullptr;
    LPARAM lParam = 0;
  };

  const SubConf* FindSubConf(int iConfType, BOOL bByIndex) const;
  // The view (confwindow/DlgDataConfView.cpp).
  void InitView();
  int SelectedMember() const;  // its index in the member entries, -1 when none
  // Row i of the member list shows member entry i (appended when the list is shorter).
  void ShowMemberRow(int i);
  void OnMemberSelected(NMHDR* hdr, LRESULT* result);
  void OnDialExtensionCommand();
  void OnPropertiesCommand();
  void OnPromptSoundCommand();
  // The invite dialog, made hidden when it is missing; NULL (the user told) when it cannot be.
  CmmconfInvite* EnsureInviteDialog();
  // A conference the host answered or invited to: its URI, ids, subject, member counts and
  // whiteboard (joined: a join or an accepted invitation).
  void BeginFromResult(const confCtrlResult& result, BOOL joined);
  // The counts the host gave: a count of 0 leaves the one the window has.
  void TakeMemberCounts(int iMemberCount, int iMaxMembers);
  void OnMembersChanged(const confStatisEvent& event);
  void OnConferenceEnded(const CString& uri);
  void ShowMessage(const char* text);
  // Runs a dialog that acts on the running conference (in the module's pop-up slot).
  INT_PTR RunConfDialog(CDialog& dialog);
  // The conference ends: the dialog that acts on it ends unanswered, and so do the invite
  // dialog's own dialogs (the receiver chooser, the member-right query), whose adds stop.
  void EndConferenceDialogs();
  void WriteLog(const CString& text) const;

  // The record of the running conference for the saved list (confwindow/DlgDataConfRecord.cpp):
  // begun when the conference starts, one timed line per event, added to the list and saved
  // when it ends.
  void BeginConfRecord(BOOL joined);
  void AddConfRecordEvent(const CString& text);
  void SaveConfRecord();

  // Timers.
  void OnPendingOpsTimer();
  void OnCreateWaitTimer();
  void OnBookWaitTimer();
  void OnInviteQueueTimer();

  // Answers to the set-up requests (conference event iType 1).
  void OnConfCtrlResult(const confCtrlResult& result);
  void OnCreateResult(const confCtrlResult& result);
  void OnCreateSucceeded(const confCtrlResult& result);
  void OnJoinResult(const confCtrlResult& result);
  void OnJoinSucceeded(const confCtrlResult& result);
  BOOL LeaveIfAnotherRuns(const CString& confURI);
  void OnBookResult(const confCtrlResult& result);
  CString TakeFailReason(const confCtrlResult& result);

  // The start window: shows it on a page, raised, with the text in its information box.
  static CDlgmmConfPreCreate* StartWindow();
  static void ShowSetupOutcome(int nPage, const CString& text);
  static void EnableSetupButtons();

  void AnswerInvitation(const confCtrlResult& invite, int iAnswer);
  void TakeOverInvitedConference(const confCtrlResult& invite);

  CString m_csConfURI;
  CString m_csDConfID;
  CString m_csWBSubConfID;
  CString m_csAppShareSubConfID;
  CArray<SubConf> m_aSubConfs;
  CArray<Member> m_aMembers;
  std::map<CString, int> m_memberIndex;  // a member's URI -> its entry in m_aMembers
  CArray<PendingOp> m_aTimerList;
  CStringArray m_saPromptLines;
  CListCtrl m_listMembers;
  CListBox m_listPrompts;
  CDlgInviteReceived* m_pInviteDlg = nullptr;  // the invitation dialog while it runs
  CDialog* m_pConfDialog = nullptr;            // the dialog acting on the conference while it runs
  CDlgDFWhiteBoard* m_pDlgWhiteBoard = nullptr;  // the whiteboard while its conference runs
  CDlgDFShareWhiteBoard* m_pDlgShareWhiteBoard = nullptr;  // the shared-document board, likewise
  DataConfInfo m_confRecord;                    // the running conference's record
  CString m_csInviteConfURI;                    // the conference it invites to
  BOOL m_bInviteDropped = FALSE;                // it ended unanswered while it waited
};

// The booking answer's reason text for a failure code ("会场资源不足！" for 503 ...).
CString BookFailReasonText(int iResult);
