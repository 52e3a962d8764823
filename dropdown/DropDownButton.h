#pragma once
// The button inside a drop-down editor's right edge: a small window that
// holds a speed button painting the drop-down arrow (or a push-button
// face), coloured, with a glyph, themed or classic.
#include "dropdown/DropDownTypes.h"
#include "platform/ui/SpeedButton.h"

namespace jorv::dropdown {

class TDropDownEditButton;
class TExCustomDropDown;

class TExDropDownSpeedButton : public TSpeedButton {
 public:
  explicit TExDropDownSpeedButton(TComponent* AOwner);

  TButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TButtonStyle Value);
  bool Etched() const { return FEtched; }
  void SetEtched(bool Value);
  bool Focused() const { return FFocused; }
  void SetFocused(bool Value);
  bool Hot() const { return FHot; }
  // From here on the button never shows its pressed face.
  void SetUp() { FUp = true; }

 protected:
  void Paint() override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;

 private:
  TDropDownEditButton* Container() const;
  TExCustomDropDown* DropDown() const;
  bool IsPressed() const { return (FState == bsDown || FState == bsExclusive) && !FUp; }
  bool IsThemed() const;
  // Face or text colour: Normal, then Hot while hot, then Down while pressed.
  TColor StateColor(TColor Normal, TColor Hot, TColor Down) const;
  void PaintArrowFace(TCanvas* C, TDropDownEditButton* O, TExCustomDropDown* D);
  void PaintColouredArrow(TCanvas* C, TDropDownEditButton* O, TExCustomDropDown* D);
  void PaintGlyphFace(TCanvas* C);
  void PaintClassicArrow(TCanvas* C);
  void PaintPushFace(TCanvas* C, TExCustomDropDown* D);
  void PaintPushContent(TCanvas* C, bool Themed);
  void DrawThemePart(const wchar_t* ClassName, Integer Part, Integer State, RECT R);

  bool FEtched = false;
  bool FFocused = false;
  bool FHot = false;
  bool FUp = false;
  bool FIsWinXP = false;
  TButtonStyle FButtonStyle = bsDropDown;
};

class TDropDownEditButton : public TWinControl {
 public:
  explicit TDropDownEditButton(TComponent* AOwner);

  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  void Loaded() override;
  void SetEnabled(bool Value) override;

  TExDropDownSpeedButton* Button() const { return FButton; }
  TBitmap* Glyph() const { return FButton->Glyph(); }
  void SetGlyph(TBitmap* Value) { FButton->SetGlyph(Value); }
  TNumGlyphs NumGlyphs() const { return FButton->NumGlyphs(); }
  void SetNumGlyphs(TNumGlyphs Value) { FButton->SetNumGlyphs(Value); }
  String ButtonCaption() const { return FButton->Caption(); }
  void SetButtonCaption(const String& Value) { FButton->SetCaption(Value); }
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  // The width the button always has, whatever width it is given.
  Integer BWidth() const { return FBWidth; }
  void SetBWidth(Integer Value);

  TColor ButtonColor() const { return FButtonColor; }
  void SetButtonColor(TColor Value) { SetColorField(FButtonColor, Value); }
  TColor ButtonColorHot() const { return FButtonColorHot; }
  void SetButtonColorHot(TColor Value) { SetColorField(FButtonColorHot, Value); }
  TColor ButtonColorDown() const { return FButtonColorDown; }
  void SetButtonColorDown(TColor Value) { SetColorField(FButtonColorDown, Value); }
  TColor ButtonTextColor() const { return FButtonTextColor; }
  void SetButtonTextColor(TColor Value) { SetColorField(FButtonTextColor, Value); }
  TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
  void SetButtonTextColorHot(TColor Value) { SetColorField(FButtonTextColorHot, Value); }
  TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
  void SetButtonTextColorDown(TColor Value) { SetColorField(FButtonTextColorDown, Value); }
  TColor ButtonBorderColor() const { return FButtonBorderColor; }
  void SetButtonBorderColor(TColor Value) { SetColorField(FButtonBorderColor, Value); }

  TNotifyEvent OnClick;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WMSize(TWMSize& Message) override;

 private:
  // The container is always FBWidth wide and the speed button fills it.
  void ApplySizeRule(Integer& AWidth, Integer AHeight);
  void ButtonMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  void SetColorField(TColor& Field, TColor Value);

  TExDropDownSpeedButton* FButton = nullptr;
  TWinControl* FFocusControl = nullptr;
  Integer FBWidth = 16;
  TColor FButtonColorDown = clNone;
  TColor FButtonBorderColor = clNone;
  TColor FButtonTextColor = clNone;
  TColor FButtonTextColorHot = clNone;
  TColor FButtonColor = clNone;
  TColor FButtonColorHot = clNone;
  TColor FButtonTextColorDown = clNone;
};

}  // namespace jorv::dropdown
