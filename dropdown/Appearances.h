#pragma once
// The looks of a pop-up's header and footer (gradient, border, caption,
// image and a row of buttons) and of the buttons on them, and the list that
// holds a panel's buttons with its indexes checked.
#include <memory>
#include "dropdown/DropDownTypes.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/Collection.h"
#include "platform/rtl/List.h"

namespace jorv::dropdown {

using TModalResult = Integer;

// A button of a header. Caption, Enabled and Width report their changes to
// the collection; ImageIndex and Height do not (they take effect on the
// next rebuild).
class THeaderButton : public TCollectionItem {
 public:
  explicit THeaderButton(TCollection* Collection = nullptr) : TCollectionItem(Collection) {}
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  Integer ImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value) { FImageIndex = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // 0 leaves the button at the size of its caption.
  Integer Width() const { return FWidth; }
  void SetWidth(Integer Value);
  Integer Height() const { return FHeight; }
  void SetHeight(Integer Value) { FHeight = Value; }
  void Assign(TPersistent* Source) override;

 protected:
  void Changed(bool AllItems) override;

 private:
  String FCaption;
  Integer FImageIndex = -1;
  bool FEnabled = true;
  Integer FWidth = 0;
  Integer FHeight = 0;
};

// A footer button also carries the modal result its click gives.
class TFooterButton : public THeaderButton {
 public:
  explicit TFooterButton(TCollection* Collection = nullptr) : THeaderButton(Collection) {}
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  void Assign(TPersistent* Source) override;

 private:
  TModalResult FModalResult = 0;
};

// The buttons of a header or footer; OnChange hears of every reported
// change of an item.
class TBandButtons : public TOwnedCollection {
 public:
  TBandButtons(TPersistent* AOwner, TCollectionItemClass ItemClass)
      : TOwnedCollection(AOwner, std::move(ItemClass)) {}
  void DoChange();
  TNotifyEvent OnChange;
};

class THeaderButtons : public TBandButtons {
 public:
  explicit THeaderButtons(TPersistent* AOwner)
      : TBandButtons(AOwner, CollectionItemClass<THeaderButton>()) {}
  THeaderButton* Add() { return static_cast<THeaderButton*>(TCollection::Add()); }
  THeaderButton* Insert(Integer Index) { return static_cast<THeaderButton*>(TCollection::Insert(Index)); }
  THeaderButton* Items(Integer Index) const { return static_cast<THeaderButton*>(TCollection::Items(Index)); }
};

class TFooterButtons : public TBandButtons {
 public:
  explicit TFooterButtons(TPersistent* AOwner)
      : TBandButtons(AOwner, CollectionItemClass<TFooterButton>()) {}
  TFooterButton* Add() { return static_cast<TFooterButton*>(TCollection::Add()); }
  TFooterButton* Insert(Integer Index) { return static_cast<TFooterButton*>(TCollection::Insert(Index)); }
  TFooterButton* Items(Integer Index) const { return static_cast<TFooterButton*>(TCollection::Items(Index)); }
};

// What a header and a footer have in common. Only Visible notifies
// (OnChange); the other properties are read when the pop-up opens.
class TBandAppearance : public TPersistent {
 public:
  explicit TBandAppearance(TPersistent* AOwner);
  ~TBandAppearance() override;

  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value) { FColorTo = Value; }
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value) { FCaption = Value; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(TGradientDirection Value) { FGradientDirection = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  Integer Height() const { return FHeight; }
  void SetHeight(Integer Value) { FHeight = Value; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { FBorderColor = Value; }
  Integer BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(Integer Value) { FBorderWidth = Value; }
  Integer ImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value) { FImageIndex = Value; }
  TButtonAlignment ButtonAlignment() const { return FButtonAlignment; }
  void SetButtonAlignment(TButtonAlignment Value) { FButtonAlignment = Value; }
  TBandButtons* BandButtons() const { return FButtons.get(); }

  // Only from an appearance of the same class; any other source is ignored.
  void Assign(TPersistent* Source) override;
  // Colours, font and gradient direction only, from the same class.
  void AssignColors(TPersistent* Source);

  TNotifyEvent OnChange;
  TNotifyEvent OnButtonsChanged;

 protected:
  TPersistent* GetOwner() const override { return FOwner; }
  void Changed();
  void ButtonsChanged();
  // Whether Source may be copied from (the same appearance class).
  virtual bool SameKind(TPersistent* Source) const = 0;

  std::unique_ptr<TBandButtons> FButtons;

 private:
  TPersistent* FOwner = nullptr;
  TColor FColor = 0xC0C0C0;
  TColor FColorTo = 0xFFFFFF;
  String FCaption;
  std::unique_ptr<TFont> FFont;
  TGradientDirection FGradientDirection = gdVertical;
  bool FVisible = true;
  Integer FHeight = 22;
  TColor FBorderColor = 0x000000;
  Integer FBorderWidth = 1;
  Integer FImageIndex = -1;
  TButtonAlignment FButtonAlignment = baRight;
};

class THeaderAppearance : public TBandAppearance {
 public:
  explicit THeaderAppearance(TPersistent* AOwner);
  THeaderButtons* Buttons() const { return static_cast<THeaderButtons*>(FButtons.get()); }
  void SetButtons(THeaderButtons* Value) { FButtons->Assign(Value); }

 protected:
  bool SameKind(TPersistent* Source) const override;
};

class TFooterAppearance : public TBandAppearance {
 public:
  explicit TFooterAppearance(TPersistent* AOwner);
  TFooterButtons* Buttons() const { return static_cast<TFooterButtons*>(FButtons.get()); }
  void SetButtons(TFooterButtons* Value) { FButtons->Assign(Value); }
  // The size grip that resizes the pop-up from the footer.
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool Value) { FSizeGrip = Value; }
  void Assign(TPersistent* Source) override;

 protected:
  bool SameKind(TPersistent* Source) const override;

 private:
  bool FSizeGrip = true;
};

// The colours of the header and footer buttons by state. The checked
// colours are not published; they start as the hot ones toned down.
class TExButtonAppearance : public TPersistent {
 public:
  TExButtonAppearance();
  ~TExButtonAppearance() override;

  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { SetField(FBorderColor, Value); }
  TColor BorderColorHot() const { return FBorderColorHot; }
  void SetBorderColorHot(TColor Value) { SetField(FBorderColorHot, Value); }
  TColor BorderColorDown() const { return FBorderColorDown; }
  void SetBorderColorDown(TColor Value) { SetField(FBorderColorDown, Value); }
  TColor BorderColorDisabled() const { return FBorderColorDisabled; }
  void SetBorderColorDisabled(TColor Value) { SetField(FBorderColorDisabled, Value); }
  TColor BorderColorChecked() const { return FBorderColorChecked; }
  void SetBorderColorChecked(TColor Value) { SetField(FBorderColorChecked, Value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { SetField(FColor, Value); }
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value) { SetField(FColorTo, Value); }
  TColor ColorDisabled() const { return FColorDisabled; }
  void SetColorDisabled(TColor Value) { SetField(FColorDisabled, Value); }
  TColor ColorDisabledTo() const { return FColorDisabledTo; }
  void SetColorDisabledTo(TColor Value) { SetField(FColorDisabledTo, Value); }
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
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TGradientDirection Gradient() const { return FGradient; }
  void SetGradient(TGradientDirection Value);

  void Assign(TPersistent* Source) override;

  TNotifyEvent OnChange;

 private:
  void SetField(TColor& Field, TColor Value);

  TColor FBorderColor = clNone;
  TColor FBorderColorHot = 0x808080;
  TColor FBorderColorDown = 0x800000;
  TColor FBorderColorDisabled = 0x808080;
  TColor FBorderColorChecked = 0xFF0000;
  TColor FColor = clNone;
  TColor FColorTo = clNone;
  TColor FColorDisabled = 0xF2F2F2;
  TColor FColorDisabledTo = clNone;
  TColor FColorDown = 0xF5D8CA;
  TColor FColorDownTo = 0xF9BDA0;
  TColor FColorHot = 0xF5F0E1;
  TColor FColorHotTo = 0xF9D2B2;
  TColor FColorChecked = clNone;
  TColor FColorCheckedTo = clNone;
  std::unique_ptr<TFont> FFont;
  TGradientDirection FGradient = gdVertical;
};

// A list whose ItemsEx accessors refuse an index at or past the end with a
// message of their own.
class TDbgList : public TList {
 public:
  void* GetItemsEx(Integer Index) const;
  void SetItemsEx(Integer Index, void* Value);
  void* ItemsEx(Integer Index) const { return GetItemsEx(Index); }
  // Clears the list and adds every item of List in order.
  void AssignList(const TList* List);
};

}  // namespace jorv::dropdown
