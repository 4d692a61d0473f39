// CTavorineModule: the one module object. It answers the host's virtual operations and host
// messages, owns the conference windows, the point-to-point sessions, the saved conference
// list, the conference defaults and the data-conference rights, and sends the conference
// methods and data-conference records to the host.
#pragma once

#include <optional>

#include "protocol/HostBlocks.h"
#include "module/DataConfList.h"
#include "module/ModuleBase.h"
#include "module/UserOptions.h"
#include "platform/Collections.h"
#include "platform/CString.h"
#include "vezadazavo/VezadaZavo.h"

class CDialog;
class CDlgDataConf;
class CDlgmmConfPreCreate;
class CDlgPtopInvite;
class CDlgVNCTip;
class CDlgDFP2PWhiteBoard;

// A point-to-point session with one peer: whiteboard (kP2PWhiteboard) or assistance (kP2PAssist).
// While bOffered is set the session is the user's own offer, waiting for its creation result.
struct P2PSession {
  CString csPeerURI;
  int iType = 0;
  BOOL bOffered = FALSE;
};

// Matches any peer in bP2PSessionExist / RemoveP2PSession; kAnyP2PType matches any type.
extern const char kAnyPeerURI[];  // "ingore-uri"
constexpr int kAnyP2PType = -1111;

// The answers to a point-to-point invitation.
constexpr int kP2PAccept = 1;
constexpr int kP2PRefuse = 2;

// The most point-to-point whiteboards that may be open at once (live, or ended and kept for
// their unsaved drawing), waiting whiteboard invitations and the user's waiting whiteboard
// offer counted as boards: a peer's offers cannot grow the module without bound.
constexpr int kMaxP2PWhiteBoards = 8;

class CTavorineModule : public CModuleBase {
 public:
  CTavorineModule(IHostInterface* host, IHostInterface* skinHost, HWND mainWnd);
  ~CTavorineModule() override;

  // ---- ITavorineModule, in slot order ----
  int GetModuleKind() override;
  BOOL LoadUserData() override;
  void Close() override;
  void Reserved() override;
  void ClosePopupDialogs() override;
  int OnHostMessage(int category, int code, void* block) override;

  // ---- Host channel ----
  // A data-conference record, host code 101 {nMethod, record, result}; the host's result.
  // nConfType 0 (the conference) is refused with 0 while no conference runs; 1 (point to point)
  // always goes.
  int IMSSend2MrsMethod(int nConfType, int nMethod, void* record);
  // Host code 20007 {value, 0}: the window now in front (0 none).
  int NotifyConfState(int window);
  // Registers a set-up tree with the host's tree service (code 113); close unregisters it.
  int RegisterDeptTree(int nTree, void* pTreeCtrl);
  // Empties the set-up trees and asks the tree service to fill them again (code 115 for trees
  // 2, 3 and 4).
  void InitDeptTree();
  // Asks the tree service to fill one set-up tree (code 115); DeptTreeFillAsked tells whether
  // that was done.
  void FillDeptTree(int nTree);
  BOOL DeptTreeFillAsked(int nTree) const;

  // ---- The start window (module/SetupWindows.cpp) ----
  // Host codes 2 and 16: creates the start window and the conference window on first use,
  // shows the start window (on the page asked for, any number outside 0..4 meaning the create
  // page; on the page it had when none is asked for) or, while a conference runs, reports the
  // conference window in front (host code 20007).
  int OpenUserInterface(std::optional<int> page);
  // Rebuilds the set-up pages' conference-type lists from the rights (host codes 1 and 16).
  void RefreshConfTypeLists();
  // Host code 16 with member numbers (";" between them): the create page, when it is the page
  // shown, adds them as typed numbers, silently; on another page, or in a conference, they are
  // only logged.
  void AddCreatePageNumbers(const char* numbers);
  // Destroys and deletes the start window (close).
  void DestroyStartWindow();

  // ---- Conference events and the saved conference list ----
  void OnIMSConfEvent(int iType, void* record);
  void LoadDataConfFromFile();
  BOOL SaveDataConfToFile();
  void AddDataConfInfo(const DataConfInfo& info);
  void DelDataConfInfoFromList(DataConfInfo info);
  CString GetDataConfFilePath() const;

  // ---- Point to point ----
  BOOL SetP2PBusy(BOOL busy);
  BOOL GetP2PBusy() const { return m_bP2PBusy; }
  CString GetP2PSessionName() const;
  // Lists the session {uri, type} once; bOffered marks the user's own waiting offer.
  void AddP2PSession(CString uri, int type, BOOL bOffered = FALSE);
  BOOL bP2PSessionExist(CString uri, int type) const;
  void RemoveP2PSession(CString uri, int type);
  int BeginDataSession();
  int EndDataSession();
  // The answer to a received point-to-point invitation (kP2PAccept / kP2PRefuse; nothing for
  // any other value): accepting marks the module busy and begins the data session; both send
  // conference method 1, sub-type 3 {peer URI, session type, answer 1 or 0}. The invitation
  // window's answer (AnswerP2PInvite) comes through here.
  void AnswerP2PSession(CString peerURI, int iSessionType, int nAnswer);
  // The invitation window's answer for its peer and session kind; nothing without a window.
  void AnswerP2PInvite(int nAnswer, CDlgPtopInvite* window);
  // Host codes 3 and 4 (module/P2POffers.cpp): the user offers the peer a point-to-point
  // session of kind (kP2PWhiteboard, kP2PAssist). The peer's own waiting offer of that session
  // is accepted instead; while the user is busy, or with no room for another whiteboard, the
  // user is told why not; else the user is busy and the offer (sub-type 1) goes. 0 for a
  // missing peer.
  int OfferP2PSession(const char* peerURI, int kind);
  // The user closes a point-to-point whiteboard: a live board leaves its peer, the session
  // ends and the board leaves the list (the board deletes itself).
  void EndP2PWhiteBoard(CDlgDFP2PWhiteBoard* board);
  // Conference event iType 1 with a point-to-point detail type (protocol/InviteEvents.h): the
  // received invitation, the callee's ringing, the creation result and the peer's end. FALSE
  // for any other detail type.
  BOOL OnP2PEvent(const struct confCtrlResult& event);

  // Normalises a number and tells whether it may be added to a conference: TRUE at once for a
  // department member or a personal phone-book entry with the rights flag; otherwise the host
  // is asked (code 113) and the member-right query dialog decides.
  BOOL BeforeAddMemberRightCheck(CString number, CWnd* parent);
  // Asks the host (code 20021) for the directory list under one entry of a set-up tree;
  // refused with "查询过快！" when asked again within a second.
  BOOL bIMSGetDeptAddrList(CString uri, int nType, int nDlgType, HTREEITEM item);
  // Holds a dialog in the pop-up slot (m_pActiveCommonDlg) for as long as it lives, so that the
  // host's request to close pop-up dialogs can end it; on leaving, the slot is emptied unless
  // another dialog has taken it meanwhile.
  class PopupSlot {
   public:
    PopupSlot(CTavorineModule& module, CDialog& dialog);
    ~PopupSlot();
    PopupSlot(const PopupSlot&) = delete;
    PopupSlot& operator=(const PopupSlot&) = delete;

   private:
    CTavorineModule& m_module;
    CDialog& m_dialog;
  };
  // Runs a dialog modally in the pop-up slot.
  INT_PTR RunPopupDialog(CDialog& dialog);

  // ---- Members ----
  CDlgmmConfPreCreate* m_pDlgPreCreate = nullptr;  // the start window, once created
  CDlgDataConf* m_pDlgDataConf = nullptr;          // the conference window, once created
  CDialog* m_pActiveCommonDlg = nullptr;           // the pop-up dialog a window is running
  BOOL m_bAddingMember = FALSE;                    // a set-up window is adding members
  BOOL m_bDeptTreesFilled = FALSE;                 // the tree service was asked to fill the trees
  ConfDefaultData m_confDefaultData;
  BOOL m_bConfDefaultsLoaded = FALSE;              // the record holds the user's defaults (CmmconfDefaultSet)
  BOOL m_bConfDefaultsFileDamaged = FALSE;         // "mmc_dfs.dat" could not be read: set aside before a write
  DATACONF_RIGHT m_dataConfRight;                  // the five data-conference rights
  CArray<CDlgPtopInvite*> m_aInviteDlgs;           // received point-to-point invitations
  CArray<CDlgPtopInvite*> m_aRingDlgs;             // ringing windows of our own invitations
  CDlgVNCTip* m_pDlgVNCTip = nullptr;              // the assistance bar
  CArray<CDlgDFP2PWhiteBoard*> m_aP2PWhiteBoards;  // point-to-point whiteboards
  DataConfInfoList m_dataConfList;                 // the saved conference list
  BOOL m_bDataConfLoaded = FALSE;
  BOOL m_bDataConfFileDamaged = FALSE;             // "mmc.dat" could not be read: set aside before a write

 private:
  void ReadDataConfRights();
  CDlgDataConf* EnsureConfWindow();
  BOOL CreateStartWindow();
  BOOL InConference() const;
  void LeaveEverything();
  void SendCommandToWindow(const char* title, WPARAM command, LPARAM lParam);
  // The category-1 codes the module handles (module/HostMessages.cpp); NULL for another code.
  struct HostHandler;
  static const HostHandler* FindHostHandler(int code);
  void ClearSetupTrees();
  // Host code 8: a data-conference record for the feature window of its kind.
  int OnDataConfRecord(const struct HostRecordBlock* record);
  void OnStatusQuery(void* block);
  void OnAssistWindow();
  // Point-to-point windows (module/P2PInvites.cpp).
  CDlgPtopInvite* CreatePtopInvite();
  void ShowP2PInvitation(const CString& peer, int kind);
  void ShowRingingWindow(const CString& peer);
  // The accepted session's window (whiteboard, or the helping side's assistance bar); FALSE
  // when it cannot be made.
  BOOL OpenP2PSessionWindow(const CString& peer, int kind);
  CDlgVNCTip* EnsureAssistBar();
  void OnP2PCreated(const CString& peer, int kind, int result);
  void OnP2PPeerEnd(const CString& peer, int kind);
  // The user's own offers (module/P2POffers.cpp).
  BOOL IsP2POffer(const CString& peer, int kind) const;
  // The waiting offer got its answer: it is a session like an accepted invitation.
  void MarkP2POfferAnswered(const CString& peer, int kind);
  // The offer {peer, kind} is over without a session: it goes, and the user is busy only
  // while another session is listed.
  void DropP2POffer(const CString& peer, int kind);
  // Our offer is taken back: the peer is left (sub-type 5) and its ringing window goes.
  void WithdrawP2POffer(const CString& peer, int kind);
  // The peer's invitation crossed our waiting offer of the same session (both offered at
  // once): the offer of the side whose address sorts first stands on both sides.
  void AnswerCrossingOffer(const CString& peer, int kind);
  BOOL OwnOfferStands(const CString& peer) const;
  // The peer's invitation of kind that waits for the user's answer; NULL when none.
  CDlgPtopInvite* FindP2PInvitation(const CString& peer, int kind) const;
  // Whether one more point-to-point whiteboard fits under kMaxP2PWhiteBoards.
  BOOL RoomForP2PWhiteBoard() const;
  // The ended board goes unless it holds drawing that the user has not saved.
  void ReleaseEndedP2PWhiteBoard(CDlgDFP2PWhiteBoard* board);
  // The listed session {peer, type} is over: it goes, the user is free, the data session ends.
  void EndP2PSession(const CString& peer, int type);
  // The whiteboard window for peer, made (shown, with its first page) when there is none;
  // the data exchange with the peer runs from now on. NULL when it cannot be made.
  CDlgDFP2PWhiteBoard* OpenP2PWhiteBoard(const CString& peer);
  // The point-to-point whiteboard of peer; NULL when none.
  CDlgDFP2PWhiteBoard* FindP2PWhiteBoard(const char* peerURI) const;
  // Host code 8, kind 1: gives a received whiteboard record to the point-to-point board of the
  // peer its head names; FALSE when no board is that peer's.
  BOOL RouteP2PWhiteboardRecord(void* record);
  void CloseP2PWindows();
  // Host code 13 outside a conference and an assistance: every board ends as the user's close.
  void CloseP2PWhiteBoards();
  void DeleteP2PWindows();
  void DeleteP2PWhiteBoards();
  static void DeleteWindows(CArray<CDlgPtopInvite*>& list);
  // Closes the windows of list whose peer is peer, without an answer; TRUE when one was.
  static BOOL CloseInvitationWindows(CArray<CDlgPtopInvite*>& list, const CString& peer);

  BOOL m_bP2PBusy = FALSE;
  BOOL m_bDataSession = FALSE;
  CArray<P2PSession> m_aP2PSessions;
  DWORD m_dwLastDeptQuery = 0;
  BOOL m_bDeptQueried = FALSE;
  BOOL m_abTreeRegistered[kTreeInviteDialog + 1] = {};  // by tree number
  BOOL m_abTreeFillAsked[kTreeInviteDialog + 1] = {};   // by tree number
};

// The one module object; NULL before LoadTavorineModule.
CTavorineModule* TavorineModule();

// Creates the one module object on the first call (later calls return it); the library
// deletes it when it is unloaded.
CTavorineModule* CreateTavorineModule(IHostInterface* host, IHostInterface* skinHost, HWND mainWnd);
// Deletes the module object (library unload; tests).
void DestroyTavorineModule();

// A conference-control request, host code 102 {method, record, 0}: the host's result, 0 when
// it was not taken (also without a module).
int bIMSConfMethod(int method, void* record);
