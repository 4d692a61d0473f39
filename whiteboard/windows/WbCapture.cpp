// A finished screen capture becomes a picture on the board and on every other side.
#include <vector>

#include "common/Codecs.h"
#include "common/ModuleLog.h"
#include "whiteboard/model/GdipImage.h"
#include "whiteboard/model/StrokeBitmap.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/surface/DrawSurface.h"
#include "whiteboard/windows/WbBoardWindow.h"

namespace {

const int kCaptureJpegQuality = 85;

}  // namespace

LRESULT CWbBoardWindow::OnMyHookMsg(WPARAM, LPARAM capturePath) {
  CDrawSurface* surface = BoardSurface();
  const char* path = reinterpret_cast<const char*>(capturePath);
  if (!surface || !surface->m_pCurPage || !path) return 0;
  CGdipImage capture;
  if (!capture.LoadFromFile(path)) {
    ModuleLog("[ERROR]CWbBoardWindow::OnMyHookMsg(the capture is no picture)\n");
    return 0;
  }
  // A JPEG is far smaller than the raw pixels; the raw size bounds it.
  std::vector<BYTE> jpeg((size_t)capture.GetWidth() * capture.GetHeight() * 3 + 4096);
  UINT size = capture.SaveJpegToMemory(jpeg.data(), (UINT)jpeg.size(), kCaptureJpegQuality);
  std::vector<BYTE> base64(4 * ((size_t)size / 3 + 1) + 1);
  DWORD length = 0;
  if (!size || drm_Base64Encode(jpeg.data(), (int)size, base64.data(), &length) != 0) {
    ModuleLog("[ERROR]CWbBoardWindow::OnMyHookMsg(the capture cannot be encoded)\n");
    return 0;
  }
  base64[length] = 0;
  CStrokeBitmap* picture = new CStrokeBitmap(this);
  picture->MakeImageId();
  picture->m_nX = surface->m_ptOrigin.x;
  picture->m_nY = surface->m_ptOrigin.y;
  if (!picture->LoadImageFromMemory("jpeg", jpeg.data(), size)) {
    delete picture;
    return 0;
  }
  picture->m_rcDraw = picture->GetTracker()->m_rect;  // drawn where its frame is
  // The picture keeps its data, so that page content and documents carry it too.
  picture->m_csFormat = "jpeg";
  picture->m_csData = reinterpret_cast<const char*>(base64.data());
  surface->m_pCurPage->AddStroke(picture);
  surface->m_pStrokeTemp = picture;
  surface->SendNewImage(reinterpret_cast<const char*>(base64.data()));
  surface->m_pStrokeTemp = nullptr;
  surface->Invalidate(FALSE);
  return 1;
}
