#pragma once
// The calculator's key pad: an owner-drawn control that lays out a fixed
// calculator keyboard (or holds keys of its own), paints each key as a
// glass button with hot and pressed looks and a glow, and reports a click
// on a key with the key's index. With it, the few number helpers the
// calculator reads its text with.
#include <functional>
#include <memory>
#include "dropdown/ItemSelector.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Collection.h"
#include "platform/ui/CustomControl.h"

namespace jorv {
class TCustomImageList;
class TCustomEdit;
}  // namespace jorv
namespace jorv::dropdown {

enum TButtonPanelType : uint8_t { plCalculator, plCustom };
using TCalculatorButtonClickEvent = std::function<void(TObject* Sender, Integer Index)>;

class TCustomButtonPanel;
class TExCustomDropDown;

// One key; Tag is the key's meaning for the calculator.
class TButtonItem : public TCollectionItem {
 public:
  explicit TButtonItem(TCollection* Collection);
  ~TButtonItem() override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value) { FCaption = Value; }
  TColor CaptionColor() const { return FCaptionColor; }
  void SetCaptionColor(TColor Value) { FCaptionColor = Value; }
  Integer ImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value) { FImageIndex = Value; }
  TPicture* Image() const { return FImage.get(); }
  void SetImage(TPicture* Value) { FImage->Assign(Value); }
  Integer Tag() const { return FTag; }
  void SetTag(Integer Value) { FTag = Value; }

  // A disabled key can be neither hot nor pressed.
  bool Enabled = true;
  Integer Height = 0;
  Integer Left = 0;
  Integer Width = 0;
  Integer Top = 0;
  String Name;
  bool Special = false;

  TRect GetBounds() const { return TRect(Left, Top, Left + Width, Top + Height); }
  void Assign(TPersistent* Source) override;

 private:
  String FCaption;
  TColor FCaptionColor = 0xFFFFFF;
  Integer FImageIndex = -1;
  std::unique_ptr<TPicture> FImage;
  Integer FTag = 0;
};

class TButtonItems : public TOwnedCollection {
 public:
  explicit TButtonItems(TPersistent* AOwner) : TOwnedCollection(AOwner, CollectionItemClass<TButtonItem>()) {}
  TButtonItem* Add() { return static_cast<TButtonItem*>(TCollection::Add()); }
  TButtonItem* Insert(Integer Index) { return static_cast<TButtonItem*>(TCollection::Insert(Index)); }
  TButtonItem* Items(Integer Index) const { return static_cast<TButtonItem*>(TCollection::Items(Index)); }
  TNotifyEvent OnChange;
};

// The look of the keys.
class TButtonAppearance : public TPersistent {
 public:
  TButtonAppearance();
  ~TButtonAppearance() override;

  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { SetField(FBorderColor, Value); }
  TColor BorderColorHot() const { return FBorderColorHot; }
  void SetBorderColorHot(TColor Value) { SetField(FBorderColorHot, Value); }
  TColor BorderColorDown() const { return FBorderColorDown; }
  void SetBorderColorDown(TColor Value) { SetField(FBorderColorDown, Value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { SetField(FColor, Value); }
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
  TColor GlowColorHot() const { return FGlowColorHot; }
  void SetGlowColorHot(TColor Value) { FGlowColorHot = Value; }
  TColor GlowColorDown() const { return FGlowColorDown; }
  void SetGlowColorDown(TColor Value) { FGlowColorDown = Value; }
  TColor ShineColor() const { return FShineColor; }
  void SetShineColor(TColor Value) { FShineColor = Value; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TColor TextColor() const { return FTextColor; }
  void SetTextColor(TColor Value) { SetField(FTextColor, Value); }
  TColor SpecialTextColor() const { return FSpecialTextColor; }
  void SetSpecialTextColor(TColor Value) { SetField(FSpecialTextColor, Value); }

  // Kept and copied, never drawn.
  TColor BorderColorChecked = 0xFF0000;
  TColor ColorChecked = 0xF5D8CA;
  TColor ColorCheckedTo = 0xF9BDA0;
  TColor ColorDisabled = 0xF2F2F2;
  TColor ColorDisabledTo = 0xF2F2F2;

  void Assign(TPersistent* Source) override;
  TNotifyEvent OnChange;

 private:
  void SetField(TColor& Field, TColor Value);

  TColor FBorderColor = 0;
  TColor FBorderColorHot = 0;
  TColor FBorderColorDown = 0;
  TColor FColor = 0x9A915F;
  TColor FColorTo = 0xB0A170;
  TColor FColorDown = 0x4B2F08;
  TColor FColorDownTo = 0xADB514;
  TColor FColorHot = 0x9F6F1C;
  TColor FColorHotTo = 0xD5C244;
  TColor FGlowColorHot = 0xD5C244;
  TColor FGlowColorDown = 0xD5C244;
  TColor FShineColor = 0xFFFFFF;
  std::unique_ptr<TFont> FFont;
  TColor FTextColor = 0;
  TColor FSpecialTextColor = 0x000080;
};

class TCustomButtonPanel : public TCustomControl {
 public:
  explicit TCustomButtonPanel(TComponent* AOwner);
  ~TCustomButtonPanel() override;

  TButtonItems* Buttons() const { return FButtons.get(); }
  TItemLayout ButtonLayout() const { return FButtonLayout; }
  void SetButtonLayout(TItemLayout Value) { FButtonLayout = Value; }
  Integer ButtonHot() const { return FButtonHot; }
  Integer ButtonDown() const { return FButtonDown; }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TCustomEdit* Edit() const { return FEdit; }
  void SetEdit(TCustomEdit* Value);
  TButtonPanelType ButtonPanelType() const { return FButtonPanelType; }
  void SetButtonPanelType(TButtonPanelType Value);
  TButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
  void SetButtonAppearance(TButtonAppearance* Value) { FButtonAppearance->Assign(Value); }
  TExCustomDropDown* ExDropDown() const { return FExDropDown; }
  void SetExDropDown(TExCustomDropDown* Value) { FExDropDown = Value; }

  Integer OffSetX = 8;
  Integer OffSetY = 8;
  Integer ButtonOffSetX = 4;
  Integer ButtonOffSetY = 4;
  Integer CaptionGap = 0;

  virtual void DrawButton(Integer Index, TCanvas* Canvas);
  virtual void GetButtonsArea(TRect& R);
  virtual void GetButtonSize(TSize& ASize);
  virtual void ClearButtons();
  virtual void ResetButtons();
  virtual void BuildCalculatorButtons();
  virtual void ArrangeButtons();
  virtual void InvalidateButton(Integer Index);
  virtual void ButtonClick(Integer Index);

  void SetButtonHot(Integer Index);
  void SetButtonDown(Integer Index);
  void GetButtonRect(Integer Index, TRect& R);
  Integer ButtonAt(Integer X, Integer Y);
  void PaintButtons(TCanvas* Canvas, bool IncludeHot);

  TCalculatorButtonClickEvent OnButtonClick;

  void Loaded() override;

 protected:
  void Paint() override;
  void Resize() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseLeave() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  bool ValidIndex(Integer Index) const { return Index >= 0 && Index < FButtons->Count(); }
  bool DisabledKey(Integer Index) const { return ValidIndex(Index) && !FButtons->Items(Index)->Enabled; }
  void DrawNow(Integer Index);
  TSize ContentSize(TButtonItem* Item) const;
  void DrawContent(TButtonItem* Item, TCanvas* Canvas, Integer X, Integer Y);

  std::unique_ptr<TButtonItems> FButtons;
  TItemLayout FButtonLayout = ilCaptionRight;
  Integer FButtonHot = -1;
  TCustomImageList* FImages = nullptr;
  TCustomEdit* FEdit = nullptr;
  TButtonPanelType FButtonPanelType = plCalculator;
  std::unique_ptr<TButtonAppearance> FButtonAppearance;
  Integer FButtonDown = -1;
  TExCustomDropDown* FExDropDown = nullptr;
};

// The number helpers of the calculator, after the user's locale.
Char GetThousandSeparatorChar();
Char GetDecimalSeparatorChar();
bool IsNumberChar(Char Ch);
String StripThousandSeparatorChars(const String& S);

// A glass key face over R, with a glow around it unless GlowColor is clNone.
void DrawGlassButton(TCanvas* Canvas, const TRect& R, TColor BorderColor, TColor FrameColor, TColor Color,
                     TColor ColorTo, TColor GlowColor, TColor ShineColor);

}  // namespace jorv::dropdown
