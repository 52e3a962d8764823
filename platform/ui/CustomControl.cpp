#include "platform/ui/CustomControl.h"
#include <algorithm>
#include <vector>
#include "platform/rtl/ScopeExit.h"

namespace jorv {

namespace {
// Canvases holding a DC they fetched themselves (outside WM_PAINT).
std::vector<TControlCanvas*>& CanvasList() {
  static std::vector<TControlCanvas*> L;
  return L;
}
}  // namespace

void FreeDeviceContexts() {
  for (TControlCanvas* C : std::vector<TControlCanvas*>(CanvasList())) C->FreeHandle();
}

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::SetControl(TControl* Value) {
  if (FControl == Value) return;
  FreeHandle();
  FControl = Value;
}

void TControlCanvas::FreeHandle() {
  if (!FDeviceContext) return;
  SetHandle(nullptr);
  ReleaseDC(FWindowHandle, FDeviceContext);
  FDeviceContext = nullptr;
  FWindowHandle = nullptr;
  auto& L = CanvasList();
  L.erase(std::remove(L.begin(), L.end(), this), L.end());
}

void TControlCanvas::CreateHandle() {
  if (!FControl) return;
  if (auto* W = dynamic_cast<TWinControl*>(FControl)) {
    FWindowHandle = W->Handle();
    FDeviceContext = GetDCEx(FWindowHandle, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
  } else {
    TWinControl* P = FControl->Parent();
    if (!P) throw EInvalidOperation(L"Control '" + FControl->Name() + L"' has no parent window");
    FWindowHandle = P->Handle();
    FDeviceContext = GetDCEx(FWindowHandle, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    SetViewportOrgEx(FDeviceContext, FControl->Left(), FControl->Top(), nullptr);
    IntersectClipRect(FDeviceContext, 0, 0, FControl->Width(), FControl->Height());
  }
  if (!FDeviceContext) return;
  CanvasList().push_back(this);
  SetHandle(FDeviceContext);
}

// --- TCustomControl ---------------------------------------------------------

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>()) {
  FCanvas->SetControl(this);
}

TCustomControl::~TCustomControl() {
  // The window goes while the canvas still exists.
  DestroyHandle();
}

TCanvasPaintScope::TCanvasPaintScope(TControlCanvas* Canvas, HDC DC) : FCanvas(Canvas) {
  FCanvas->Lock();
  FCanvas->FreeHandle();
  FCanvas->SetHandle(DC);
}

TCanvasPaintScope::~TCanvasPaintScope() {
  FCanvas->SetHandle(nullptr);
  FCanvas->Unlock();
}

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(HDC DC) {
  TCanvasPaintScope Scope(FCanvas.get(), DC);
  Paint();
}

void TCustomControl::WMPaint(TWMPaint& M) {
  FControlState += csCustomPaint;
  auto Restore = ScopeExit([&] { FControlState -= csCustomPaint; });
  TWinControl::WMPaint(M);
}

void TCustomControl::DestroyWnd() {
  FCanvas->FreeHandle();
  TWinControl::DestroyWnd();
}

// --- TGraphicControl --------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TControlCanvas>()) {
  FCanvas->SetControl(this);
}

TGraphicControl::~TGraphicControl() {
  // Leave the parent before the canvas goes, so nothing paints us half-made.
  if (FParent) SetParent(nullptr);
}

void TGraphicControl::Paint() {}

void TGraphicControl::Dispatch(TMessage& M) {
  if (M.Msg == WM_PAINT) {
    WMPaint(MsgAs<TWMPaint>(M));
    return;
  }
  TControl::Dispatch(M);
}

void TGraphicControl::WMPaint(TWMPaint& M) {
  if (!M.DC) return;
  TCanvasPaintScope Scope(FCanvas.get(), M.DC);
  Paint();
}

}  // namespace jorv
