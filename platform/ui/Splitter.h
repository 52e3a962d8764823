#pragma once
// A windowless bar between an aligned control and the rest of its parent;
// dragging it resizes that control, within MinSize and the room left.
#include "platform/ui/CustomControl.h"

namespace jorv {

enum TResizeStyle : uint8_t { rsNone, rsLine, rsUpdate, rsPattern };

using TCanResizeEvent = std::function<void(TObject* Sender, Integer& NewSize, bool& Accept)>;

class TSplitter : public TGraphicControl {
 public:
  explicit TSplitter(TComponent* AOwner);
  ~TSplitter() override;

  // Below it the control snaps shut when AutoSnap is on.
  Integer MinSize() const { return FMinSize; }
  void SetMinSize(Integer Value) { FMinSize = Value < 1 ? 1 : Value; }
  bool AutoSnap() const { return FAutoSnap; }
  void SetAutoSnap(bool Value) { FAutoSnap = Value; }
  bool Beveled() const { return FBeveled; }
  void SetBeveled(bool Value);
  // How a drag shows: a line (solid or hatched) until release, the
  // control resized as the mouse moves, or nothing until release.
  TResizeStyle ResizeStyle() const { return FResizeStyle; }
  void SetResizeStyle(TResizeStyle Value) { FResizeStyle = Value; }
  // The control being resized, while a drag lasts.
  TControl* SizedControl() const { return FControl; }

  TCanResizeEvent OnCanResize;
  TNotifyEvent OnMoved;
  TNotifyEvent OnPaint;

 protected:
  void Paint() override;
  void RequestAlign() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void WMCancelMode(TMessage& Message) override;
  // The visible, enabled sibling on the side the splitter sizes.
  TControl* FindSizedControl();
  using TGraphicControl::CanResize;
  virtual bool CanResize(Integer& NewSize);
  virtual bool DoCanResize(Integer& NewSize);
  virtual void StopSizing();
  virtual void Moved();

  Integer FMinSize = 30;
  bool FAutoSnap = true;
  bool FBeveled = false;
  TResizeStyle FResizeStyle = rsPattern;

 private:
  void CalcSplitSize(Integer X, Integer Y, Integer& NewSize, Integer& Split);
  void UpdateControlSize();
  void DrawLine();
  void ReleaseLineDC();

  TControl* FControl = nullptr;
  TPoint FDownPos;
  Integer FMaxSize = 0;
  Integer FNewSize = 0;
  Integer FOldSize = -1;
  Integer FSplit = 0;
  bool FLineVisible = false;
  HDC FLineDC = nullptr;
  HWND FLineWnd = nullptr;
  HBRUSH FLineBrush = nullptr;
};

}  // namespace jorv
