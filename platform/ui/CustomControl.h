#pragma once
// Controls that paint themselves on a canvas: TCustomControl owns a window,
// TGraphicControl has none and is painted by its parent. TControlCanvas is a
// canvas bound to a control's device context.
#include "platform/gfx/Canvas.h"
#include "platform/ui/WinControl.h"

namespace jorv {

class TControlCanvas : public TCanvas {
 public:
  ~TControlCanvas() override;
  TControl* Control() const { return FControl; }
  void SetControl(TControl* Value);
  // Gives back a device context the canvas fetched for itself.
  void FreeHandle();

 protected:
  void CreateHandle() override;

 private:
  TControl* FControl = nullptr;
  HDC FDeviceContext = nullptr;
  HWND FWindowHandle = nullptr;
};

// Binds a control canvas to the paint's device context for one paint and
// unbinds it afterwards, also when painting fails.
class TCanvasPaintScope {
 public:
  TCanvasPaintScope(TControlCanvas* Canvas, HDC DC);
  ~TCanvasPaintScope();
  TCanvasPaintScope(const TCanvasPaintScope&) = delete;
  TCanvasPaintScope& operator=(const TCanvasPaintScope&) = delete;

 private:
  TControlCanvas* FCanvas;
};

// Releases the device contexts that control canvases fetched outside of
// painting; the application calls it when idle.
void FreeDeviceContexts();

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;
  TCanvas* Canvas() const { return FCanvas.get(); }

 protected:
  virtual void Paint();
  void PaintWindow(HDC DC) override;
  void WMPaint(TWMPaint& Message) override;
  void DestroyWnd() override;

  std::unique_ptr<TControlCanvas> FCanvas;
};

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;
  TCanvas* Canvas() const { return FCanvas.get(); }

 protected:
  virtual void Paint();
  void Dispatch(TMessage& Message) override;
  virtual void WMPaint(TWMPaint& Message);

  std::unique_ptr<TControlCanvas> FCanvas;
};

}  // namespace jorv
