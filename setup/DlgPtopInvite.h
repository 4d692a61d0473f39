// CDlgPtopInvite: the small window of a point-to-point session outside a conference. On the
// callee's side it shows a received whiteboard or assistance invitation with "同意" and
// "取消"; on the caller's side, once the callee's terminal rings, it becomes the ringing
// notice whose "取消(&C)" withdraws the call. The module creates it from the session's events
// and keeps it in its list of received invitations or of ringing windows; the window answers,
// withdraws and destroys itself, unlinking itself from that list.
#pragma once

#include "platform/CString.h"
#include "platform/ui/Dialog.h"
#include "setup/InviteIds.h"

// Session kinds: the point-to-point conference types, and 0 for a call.
constexpr int kPtopCall = 0;

class CDlgPtopInvite : public CDialog {
 public:
  explicit CDlgPtopInvite(CWnd* pParent = nullptr);
  ~CDlgPtopInvite() override;

  void SetPeerURI(CString uri) { m_csPeerURI = uri; }
  CString GetPeerURI() const { return m_csPeerURI; }
  void SetInviteType(CString kindText, int kind);
  // Stores the inviter text and shows both texts.
  void SetInviteFrom(CString inviter);
  // Turns the window into the caller's ringing notice for szName (kinds -2, -1, 0); an empty
  // name or another kind is only logged.
  void RingCome(CString szName, int szType);
  // Shows the invitation's controls and hides the ringing ones, or the other way round.
  void ShowInviteControls(BOOL show);

  // The text of a session kind ("点对点白板" ...), "" for an unknown kind.
  static CString KindText(int kind);

  int m_nInviteType = -1;
  BOOL m_bRinging = FALSE;
  CString m_csInviteFrom;
  CString m_csInviteType;

  BOOL OnInitDialog() override;
  // Accept (also what auto-accept posts); a ringing window only hides.
  void OnOK() override;
  // Refuse, or withdraw a ringing call.
  void OnCancel() override;
  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnClose() override;

 private:
  // Clears the invitation-pending flag, tells the host the window is gone and hides it.
  void CloseDown();
  void WithdrawRingingCall();
  void LayOutRinging(const CString& szName, const CString& kindText);

  CString m_csPeerURI;
};
