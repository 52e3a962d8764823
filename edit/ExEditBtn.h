#pragma once
// The enhanced edit with a small push button inside its right end: a click
// on the button or F4 in the edit calls DoClickBtn. The button is drawn as a
// push button with glyph and caption or as a combo box's drop-down arrow,
// each coloured, themed or classic.
#include "edit/ExEdit.h"
#include "platform/ui/SpeedButton.h"

namespace jorv::edit {

enum TButtonStyle : uint8_t { bsButton, bsDropDown };

class TEditButton;
class TExEditBtn;

// The painted button inside TEditButton. It reads its colours from its
// owner (the button window) and its style and state from the owner's owner.
class TExSpeedButton : public TSpeedButton {
 public:
  explicit TExSpeedButton(TComponent* AOwner);

  bool Etched() const { return FEtched; }
  void SetEtched(bool Value);
  bool Focused() const { return FFocused; }
  void SetFocused(bool Value);
  bool Hot() const { return FHot; }
  // From here on the button never shows its pressed face.
  void SetUp() { FUp = true; }
  bool IsWinXP() const { return FIsWinXP; }

 protected:
  void Paint() override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;

 private:
  bool IsPressed() const { return (FState == bsDown || FState == bsExclusive) && !FUp; }
  bool IsThemed() const;
  TEditButton* ButtonWindow() const;
  TExEditBtn* Edit() const;
  bool EditDisabled() const;
  // 4 disabled, 3 pressed, 2 hot, 1 normal.
  Integer ThemeState() const;
  // Face or text colour: Normal, then Hot while hot, then Down while pressed.
  TColor StateColor(TColor Normal, TColor Hot, TColor Down) const;
  void PaintDropDown(TCanvas* C, const TRect& R);
  void PaintButton(TCanvas* C, const TRect& R);
  void PaintGlyphAndCaption(TCanvas* C, const TRect& R, bool Coloured);
  void DrawTheme(const wchar_t* ClassName, Integer Part, RECT R);

  bool FEtched = false;
  bool FFocused = false;
  bool FHot = false;
  bool FUp = false;
  bool FIsWinXP = false;
};

class TEditButton : public TWinControl {
 public:
  explicit TEditButton(TComponent* AOwner);

  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  void Loaded() override;

  TExSpeedButton* SpeedButton() const { return FButton; }
  TBitmap* Glyph() const { return FButton->Glyph(); }
  void SetGlyph(TBitmap* Value) { FButton->SetGlyph(Value); }
  TNumGlyphs NumGlyphs() const { return FButton->NumGlyphs(); }
  void SetNumGlyphs(TNumGlyphs Value) { FButton->SetNumGlyphs(Value); }
  String ButtonCaption() const { return FButton->Caption(); }
  void SetButtonCaption(const String& Value) { FButton->SetCaption(Value); }
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
  void SetButtonBorderColor(TColor Value) { FButtonBorderColor = Value; }
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  Integer BWidth() const { return FBWidth; }
  void SetBWidth(Integer Value) { FBWidth = Value; }

  TNotifyEvent OnClick;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WMSize(TWMSize& Message) override;

 private:
  void AdjustButtonBounds(Integer& AWidth, Integer& AHeight);
  void ButtonMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  void SetColorField(TColor& Field, TColor Value);

  TExSpeedButton* FButton = nullptr;
  TWinControl* FFocusControl = nullptr;
  Integer FBWidth = 16;
  TColor FButtonColorDown = clNone;
  TColor FButtonBorderColor = clNone;
  TColor FButtonColor = clNone;
  TColor FButtonColorHot = clNone;
  TColor FButtonTextColor = clNone;
  TColor FButtonTextColorHot = clNone;
  TColor FButtonTextColorDown = clNone;
};

class TExEditBtn : public TExEdit {
 public:
  explicit TExEditBtn(TComponent* AOwner);
  ~TExEditBtn() override;

  Cardinal GetVersionNr() const override { return 0x01030500; }
  virtual void DoClickBtn(TObject* Sender);

  void SetEditRect();
  void ResizeButton();
  Integer GetMinHeight();
  void Loaded() override;
  void SetEnabled(bool Value) override;
  // The edit, then the button window at its place inside the edit.
  void PaintTo(HDC DC, Integer X, Integer Y) override;
  void PaintTo(TCanvas* Canvas, Integer X, Integer Y);

  TEditButton* Button() const { return FButton; }
  TButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TButtonStyle Value);
  Integer ButtonWidth() const { return FButton ? FButton->BWidth() : 17; }
  void SetButtonWidth(Integer Value);
  String ButtonHint() const { return FButtonHint; }
  void SetButtonHint(const String& Value);
  String ButtonCaption() const { return FButton->ButtonCaption(); }
  void SetButtonCaption(const String& Value) { FButton->SetButtonCaption(Value); }
  TBitmap* Glyph() const { return FButton->Glyph(); }
  void SetGlyph(TBitmap* Value) { FButton->SetGlyph(Value); }
  bool Etched() const { return FEtched; }
  void SetEtched(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  // Hides the enhanced edit's flag: this edit filters keys and clipboard
  // itself and leaves the base's own flag on.
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  bool ReadOnly() const { return TExEdit::ReadOnly(); }
  void SetReadOnly(bool Value);
  bool MouseInControl() const { return FMouseInControl; }

  TNotifyEvent OnClickBtn;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void WMKeyDown(TWMKey& Message) override;
  void WMChar(TWMKey& Message) override;
  void WMSize(TWMSize& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  void UpdateButtonFocus();
  void UpdateButtonEnabled();

  Integer FUnitSize = 0;
  TEditButton* FButton = nullptr;
  bool FEditorEnabled = true;
  bool FFlat = false;
  bool FEtched = false;
  bool FMouseInControl = false;
  String FButtonHint;
  TButtonStyle FButtonStyle = bsButton;
};

}  // namespace jorv::edit
