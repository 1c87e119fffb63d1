#include "paint/bitmap_gdi_win.h"
#include "platform/handle_win.h"
#include "skin/controls/adapters/adapter_scroll.h"
#include "skin/data/skin_manager.h"
#include "ui/font.h"

namespace vorlan::skin {

void TSkEditWnd::SaveStdParams() {
  if (FControl == nullptr) return;
  FSavedColor = FControl->Color();
  FSavedFontColor = FControl->Font().Color();
}

void TSkEditWnd::RestoreStdParams() {
  if (FControl == nullptr) return;
  FControl->SetColor(FSavedColor);
  if (FControl->Font().Color() != FSavedFontColor) {
    ui::TFont font = FControl->Font();
    font.SetColor(FSavedFontColor);
    FControl->SetFont(font);
  }
}

void TSkEditWnd::SetSkinParams() {
  // A platform window without framework control keeps its colours; only
  // its frame and bars follow the skin.
  const TSkinGeneralData* section = FSkinData->Section();
  if (FControl == nullptr || section == nullptr) return;
  const TSkinGenState* props = FSkinData->StateProps(PaintState() == 1 && section->States > 1 ? 1 : 0);
  if (props == nullptr) return;
  if (!FSkinData->FCustomColor) FControl->SetColor(props->Color);
  if (!FSkinData->FCustomFont && FControl->Font().Color() != props->FontColor.Color) {
    ui::TFont font = FControl->Font();
    font.SetColor(props->FontColor.Color);
    FControl->SetFont(font);
  }
}

void TSkEditWnd::skWndProc(ui::TMessage& message) {
  TSkScrollWnd::skWndProc(message);
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
      if (Active() && FSkinData->Skinned() && IsWindow(FCtrlHandle)) {
        SetSkinParams();
        Repaint();
      }
      break;
    default:
      break;
  }
}

void TSkEditWnd::Repaint() {
  if (DontRepaint || FDestroyed || !IsWindowVisible(FCtrlHandle)) return;
  FSkinData->BGChanged = true;
  const platform::WholeWindowDc dc(FCtrlHandle);
  PaintBars(dc.get());
  PaintFrame(dc.get());
}

void TSkEditWnd::PaintFrame(HDC windowDc) {
  if (windowDc == nullptr || !FSkinData->Skinned()) return;
  RECT window{}, client{};
  GetWindowRect(FCtrlHandle, &window);
  GetClientRect(FCtrlHandle, &client);
  MapWindowPoints(FCtrlHandle, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  if (client.left <= 0 && client.top <= 0 && client.right >= window.right - window.left &&
      client.bottom >= window.bottom - window.top) {
    return;  // no frame to paint
  }
  if (!PrepareCache()) return;
  // Only the ring around the client area and the bars: the platform paints
  // the content.
  const platform::SavedDcState saved(windowDc);
  ExcludeClipRect(windowDc, client.left, client.top, client.right, client.bottom);
  for (const TSkScrollBar* bar : {&HorzBar(), &VertBar()}) {
    if (bar->fScrollVisible)
      ExcludeClipRect(windowDc, bar->Rect.left, bar->Rect.top, bar->Rect.right, bar->Rect.bottom);
  }
  if (HorzBar().fScrollVisible && VertBar().fScrollVisible) {
    ExcludeClipRect(windowDc, VertBar().Rect.left, HorzBar().Rect.top, VertBar().Rect.right, HorzBar().Rect.bottom);
  }
  paint::ShowBitmap(windowDc, {0, 0}, *FSkinData->FCacheBmp);
}

}  // namespace vorlan::skin
