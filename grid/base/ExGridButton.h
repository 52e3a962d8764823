#pragma once
// The grid's own small push button (its search bar's find, highlight and
// close buttons): flat gradient faces, optional rounded corners, a glyph
// per state, an optional drop-down part, toggling and radio groups, and
// seven colour presets.
#include <memory>
#include "grid/base/GridTypes.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/SpeedButton.h"

namespace jorv {
class TPopupMenu;
}

namespace jorv::grid {
using namespace jorv;

class TExGridButton : public TGraphicControl {
 public:
  explicit TExGridButton(TComponent* AOwner);
  ~TExGridButton() override;

  void Loaded() override;
  void Click() override;

  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  bool AutoXPStyle() const { return FAutoXPStyle; }
  void SetAutoXPStyle(bool Value) { SetField(FAutoXPStyle, Value); }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { SetField(FBorderColor, Value); }
  TColor BorderDownColor() const { return FBorderDownColor; }
  void SetBorderDownColor(TColor Value) { SetField(FBorderDownColor, Value); }
  TColor BorderHotColor() const { return FBorderHotColor; }
  void SetBorderHotColor(TColor Value) { SetField(FBorderHotColor, Value); }
  // The face; Color() of the control is the face too.
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value) { SetField(FColorTo, Value); }
  TColor ColorDown() const { return FColorDown; }
  void SetColorDown(TColor Value) { SetField(FColorDown, Value); }
  TColor ColorDownTo() const { return FColorDownTo; }
  void SetColorDownTo(TColor Value) { SetField(FColorDownTo, Value); }
  TColor ColorHot() const { return FColorHot; }
  void SetColorHot(TColor Value) { SetField(FColorHot, Value); }
  TColor ColorHotTo() const { return FColorHotTo; }
  void SetColorHotTo(TColor Value) { SetField(FColorHotTo, Value); }
  TColor ColorChecked() const { return FColorChecked; }
  void SetColorChecked(TColor Value) { SetField(FColorChecked, Value); }
  TColor ColorCheckedTo() const { return FColorCheckedTo; }
  void SetColorCheckedTo(TColor Value) { SetField(FColorCheckedTo, Value); }
  Integer GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(Integer Value);
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool DropDownButton() const { return FDropDownButton; }
  void SetDropDownButton(bool Value) { SetField(FDropDownButton, Value); }
  TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(TPopupMenu* Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value) { SetField(FFlat, Value); }
  // Setting Glyph makes the disabled glyph from it while that is empty.
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value);
  TBitmap* GlyphHot() const { return FGlyphHot.get(); }
  void SetGlyphHot(TBitmap* Value) { AssignGlyph(FGlyphHot.get(), Value); }
  TBitmap* GlyphDown() const { return FGlyphDown.get(); }
  void SetGlyphDown(TBitmap* Value) { AssignGlyph(FGlyphDown.get(), Value); }
  TBitmap* GlyphDisabled() const { return FGlyphDisabled.get(); }
  void SetGlyphDisabled(TBitmap* Value) { AssignGlyph(FGlyphDisabled.get(), Value); }
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value) { SetField(FLayout, Value); }
  // -1 is automatic; anything below is refused.
  Integer Margin() const { return FMargin; }
  void SetMargin(Integer Value);
  bool Rounded() const { return FRounded; }
  void SetRounded(bool Value) { SetField(FRounded, Value); }
  bool Shaded() const { return FShaded; }
  void SetShaded(bool Value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value) { SetField(FShowCaption, Value); }
  Integer Spacing() const { return FSpacing; }
  void SetSpacing(Integer Value) { SetField(FSpacing, Value); }
  TExGridButtonStyle Style() const { return FStyle; }
  void SetStyle(TExGridButtonStyle Value) { SetField(FStyle, Value); }
  // The colour preset last applied (0 .. 6); other numbers change nothing.
  Integer Look() const { return FLook; }
  void SetLook(Integer Value);
  // Look 2, 3 or 4 for the classic blue, olive and silver schemes, else 1.
  void AdaptToXPTheme();

  TButtonState State() const { return FState; }
  bool MouseInControl() const { return FMouseInControl; }
  TBitmap* GlyphShade() const { return FGlyphShade.get(); }

  TNotifyEvent OnDropDown;

 protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  template <class T>
  void SetField(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
  }
  void AssignGlyph(TBitmap* Target, TBitmap* Value);
  void BuildShade();
  void UpdateExclusive();
  void CMButtonPressed(TMessage& Message);
  void CMDialogChar(TWMKey& Message);
  void UpdateTracking();
  bool Inside(Integer X, Integer Y);
  bool Pressed() const { return FState == bsDown || FState == bsExclusive; }
  void PaintFace(TRect& R);
  void PaintFlatFace(TRect& R);
  void PaintContent(const TRect& Content, TPoint Offset);
  TBitmap* GlyphToDraw();

  bool FAllowAllUp = false;
  bool FAutoThemeAdapt = false;
  bool FAutoXPStyle = false;
  TColor FBorderColor = clNone;
  TColor FBorderDownColor = clNone;
  TColor FBorderHotColor = clNone;
  TColor FColorTo = clNone;
  TColor FColorDown = TColor(0xD8D3D2);
  TColor FColorDownTo = clNone;
  TColor FColorHot = TColor(0xCAC7C7);
  TColor FColorHotTo = clNone;
  TColor FColorChecked = TColor(0x808080);
  TColor FColorCheckedTo = clNone;
  Integer FGroupIndex = 0;
  bool FDown = false;
  bool FDropDownButton = false;
  TPopupMenu* FDropDownMenu = nullptr;
  bool FFlat = true;
  std::unique_ptr<TBitmap> FGlyph = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> FGlyphHot = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> FGlyphDown = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> FGlyphDisabled = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> FGlyphShade = std::make_unique<TBitmap>();
  TButtonLayout FLayout = blGlyphLeft;
  Integer FMargin = -1;
  bool FRounded = false;
  bool FShaded = true;
  bool FShowCaption = true;
  Integer FSpacing = 4;
  TExGridButtonStyle FStyle = tasButton;
  Integer FLook = 0;
  TButtonState FState = bsUp;
  bool FDragging = false;
  bool FMouseInControl = false;
  bool FTransparent = true;
  bool FIsComCtl6 = false;
};

// Draws Rect from top to bottom in 16 bands from From to To, each band
// filled with pen and brush alike; a Frame other than clNone then outlines
// Rect.
void DrawButtonGradient(TCanvas* Canvas, const TRect& Rect, TColor From, TColor To, TColor Frame);

}  // namespace jorv::grid
