#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"

#include "platform/Mbcs.h"

void CDlgDFP2PWhiteBoard::SetPeerURI(const char* uri) {
  mbcs::CopyLimited(m_szPeerURI, sizeof(m_szPeerURI), uri);
}
