#pragma once
// A container with raised or sunken bevels, a border width in its own
// colour, an optional window border and a one-line caption placed by
// Alignment and VerticalAlignment. Children are aligned inside the bevels.
#include "platform/ui/CustomControl.h"
#include "platform/ui/TextAlignment.h"

namespace jorv {

class TCustomPanel : public TCustomControl {
 public:
  explicit TCustomPanel(TComponent* AOwner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
  void SetVerticalAlignment(TVerticalAlignment Value);
  // The panel's bevels are drawn in its client area, so a change realigns
  // the children and repaints instead of remaking the window.
  void SetBevelInner(TBevelCut Value);
  void SetBevelOuter(TBevelCut Value);
  void SetBevelWidth(TBevelWidth Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  // When off, a resize repaints only the frame strips along the moved
  // edges; a panel with a caption always repaints whole, since the caption
  // moves with the size.
  bool FullRepaint() const { return FFullRepaint; }
  void SetFullRepaint(bool Value) { FFullRepaint = Value; }
  // Kept for containers that host embedded objects; the panel itself only
  // stores it.
  bool Locked() const { return FLocked; }
  void SetLocked(bool Value) { FLocked = Value; }

  // Room the border width and both bevels take on each side.
  Integer FrameSize() const;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void AdjustClientRect(TRect& Rect) override;
  // Bevels, the border width in Color, the fill and the caption.
  void Paint() override;
  void CreateWnd() override;
  void WMWindowPosChanged(TWMWindowPosMsg& Message) override;
  // The top-left and bottom-right colours of a bevel cut.
  static void BevelColors(TBevelCut Cut, TColor& TopColor, TColor& BottomColor);
  // True when the parent's themed background shows through instead of
  // Color.
  bool UsesParentBackground();

  TAlignment FAlignment = taCenter;
  TVerticalAlignment FVerticalAlignment = taVerticalCenter;
  TBorderStyle FBorderStyle = bsNone;
  bool FFullRepaint = true;
  bool FLocked = false;

 private:
  // The window's size as last seen, to tell which edges a resize moved.
  TSize FWindowSize;
};

class TPanel : public TCustomPanel {
 public:
  explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
};

}  // namespace jorv
