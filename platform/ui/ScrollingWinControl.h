#pragma once
// A windowed control whose content may be larger than its client area and
// scrolls with the window's own scroll bars: each bar has a range (the
// content's extent) and a position (how far the content is scrolled), and
// moving the position moves the children.
#include <memory>
#include "platform/ui/WinControl.h"

namespace jorv {

enum TScrollBarKind : uint8_t { sbHorizontal, sbVertical };

class TScrollingWinControl;

class TControlScrollBar : public TPersistent {
 public:
  TControlScrollBar(TScrollingWinControl* AControl, TScrollBarKind AKind) : FControl(AControl), FKind(AKind) {}
  void Assign(TPersistent* Source) override;

  TScrollBarKind Kind() const { return FKind; }
  // The content's extent along the bar; the bar shows while it is larger
  // than the client area. With AutoScroll the control sets it.
  Integer Range() const { return FRange; }
  void SetRange(Integer Value);
  // How far the content is scrolled, 0 .. Range - client extent.
  Integer Position() const { return FPosition; }
  void SetPosition(Integer Value);
  // The step of the bar's arrows.
  Integer Increment() const { return FIncrement; }
  void SetIncrement(Integer Value) { FIncrement = Value > 0 ? Value : 1; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  // Scrolls while the thumb is dragged, not only when it is let go.
  bool Tracking() const { return FTracking; }
  void SetTracking(bool Value) { FTracking = Value; }
  // Space kept after the last child when the range is computed.
  Integer Margin() const { return FMargin; }
  void SetMargin(Integer Value);
  // The bar shows: visible and the range exceeds the client area.
  bool IsScrollBarVisible() const;
  // The client extent along the bar.
  Integer ControlSize() const;
  // The largest position the range allows.
  Integer MaxPosition() const;

 private:
  friend class TScrollingWinControl;
  void ScrollMessage(TWMScroll& Message);
  void Update();

  TScrollingWinControl* FControl;
  TScrollBarKind FKind;
  Integer FRange = 0;
  Integer FPosition = 0;
  Integer FIncrement = 8;
  bool FVisible = true;
  bool FTracking = false;
  Integer FMargin = 0;
  bool FShown = false;  // the window's bar is showing
};

class TScrollingWinControl : public TWinControl {
 public:
  explicit TScrollingWinControl(TComponent* AOwner);
  ~TScrollingWinControl() override;

  TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar.get(); }
  TControlScrollBar* VertScrollBar() const { return FVertScrollBar.get(); }
  void SetHorzScrollBar(TControlScrollBar* Value) { FHorzScrollBar->Assign(Value); }
  void SetVertScrollBar(TControlScrollBar* Value) { FVertScrollBar->Assign(Value); }
  // The ranges follow the children: the farthest right and bottom edge of
  // the unaligned ones, in content coordinates.
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool Value);
  // Moves every unaligned child by DeltaX, DeltaY (the positions are not
  // changed; the scroll bars call this).
  void ScrollBy(Integer DeltaX, Integer DeltaY);
  // Scrolls the content by the least amount that shows AControl (its
  // top-left corner when it is larger than the client area).
  void ScrollInView(TControl* AControl);
  // Brings the bars in step with the ranges, positions and client size.
  void UpdateScrollBars();

 protected:
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  virtual void WMHScroll(TWMScroll& Message);
  virtual void WMVScroll(TWMScroll& Message);
  // The ranges from the children, for AutoScroll.
  void CalcAutoRange();

  bool FAutoScroll = false;

 private:
  friend class TControlScrollBar;
  std::unique_ptr<TControlScrollBar> FHorzScrollBar;
  std::unique_ptr<TControlScrollBar> FVertScrollBar;
  bool FUpdatingScrollBars = false;
};

}  // namespace jorv
