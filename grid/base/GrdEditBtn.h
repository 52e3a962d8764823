#pragma once
// The grid's edit with a push button at its right end (the button or F4
// calls ButtonClick), its variant that shows a unit of measure beside the
// value and picks the unit from a pop-up menu, and the speed buttons they
// and the grid's hover buttons are made of.
#include <functional>
#include <memory>
#include "grid/base/GridTypes.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/MaskEdit.h"
#include "platform/ui/SpeedButton.h"

namespace jorv {
class TCustomImageList;
class TPicture;
}

namespace jorv::grid {
using namespace jorv;

class TGrdEditButton;

// The button inside the container: the container's colours, or a themed,
// flat or classic push button; the caption always black.
class TExSpeedButton : public TSpeedButton {
 public:
  explicit TExSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value) { FIsWinXP = Value; }
  // Its own flag: the platform button's Flat is not used for the face.
  bool OwnFlat() const { return FOwnFlat; }
  void SetOwnFlat(bool Value) { FOwnFlat = Value; }
  bool Hot() const { return FHot; }

 protected:
  void Paint() override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;

 private:
  TRect PaintFace(TGrdEditButton* Container, bool Pressed);

  bool FIsWinXP = false;
  bool FOwnFlat = false;
  bool FHot = false;
};

// The container of the button: its colours, caption and glyph.
class TGrdEditButton : public TWinControl {
 public:
  explicit TGrdEditButton(TComponent* AOwner);

  TBitmap* Glyph() const { return FButton->Glyph(); }
  void SetGlyph(TBitmap* Value) { FButton->SetGlyph(Value); }
  String ButtonCaption() const { return FButton->Caption(); }
  void SetButtonCaption(const String& Value) { FButton->SetCaption(Value); }
  TNumGlyphs NumGlyphs() const { return FButton->NumGlyphs(); }
  void SetNumGlyphs(TNumGlyphs Value) { FButton->SetNumGlyphs(Value); }
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  TExSpeedButton* Button() const { return FButton; }

  TColor ButtonColor() const { return FButtonColor; }
  void SetButtonColor(TColor Value) { FButtonColor = Value; }
  TColor ButtonColorHot() const { return FButtonColorHot; }
  void SetButtonColorHot(TColor Value) { FButtonColorHot = Value; }
  TColor ButtonColorDown() const { return FButtonColorDown; }
  void SetButtonColorDown(TColor Value) { FButtonColorDown = Value; }
  TColor ButtonTextColor() const { return FButtonTextColor; }
  void SetButtonTextColor(TColor Value) { FButtonTextColor = Value; }
  TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
  void SetButtonTextColorHot(TColor Value) { FButtonTextColorHot = Value; }
  TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
  void SetButtonTextColorDown(TColor Value) { FButtonTextColorDown = Value; }
  TColor ButtonBorderColor() const { return FButtonBorderColor; }
  void SetButtonBorderColor(TColor Value) { FButtonBorderColor = Value; }

  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  void Loaded() override;

 protected:
  void WMSize(TWMSize& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void BtnMouseUp(TMouseButton Button);
  void PlaceButton();

  TExSpeedButton* FButton = nullptr;
  TWinControl* FFocusControl = nullptr;
  bool FFlat = false;
  TColor FButtonColor = clNone;
  TColor FButtonColorHot = clNone;
  TColor FButtonColorDown = clNone;
  TColor FButtonTextColor = clNone;
  TColor FButtonTextColorHot = clNone;
  TColor FButtonTextColorDown = clNone;
  TColor FButtonBorderColor = clNone;
};

class TGrdEditBtn : public TCustomMaskEdit {
 public:
  explicit TGrdEditBtn(TComponent* AOwner);
  ~TGrdEditBtn() override;

  // The button was clicked (Sender: the container) or F4 pressed (Sender:
  // the edit).
  virtual void ButtonClick(TObject* Sender);

  Integer ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(Integer Value);
  TBitmap* Glyph() const { return FButton->Glyph(); }
  void SetGlyph(TBitmap* Value) { FButton->SetGlyph(Value); }
  String ButtonCaption() const { return FButton->ButtonCaption(); }
  void SetButtonCaption(const String& Value) { FButton->SetButtonCaption(Value); }
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);
  bool RightAlign() const { return FRightAlign; }
  void SetRightAlign(bool Value);
  TGrdEditButton* Button() const { return FButton; }
  Integer MinHeight();

  TNotifyEvent OnClickBtn;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void WMChar(TWMKey& Message) override;
  void WMSize(TWMSize& Message) override;
  void CMEnter(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void SetEditRect();
  // The button at the right end, the text's rectangle beside it.
  void PlaceButton();

  // The width kept free for the unit text; 0 here.
  Integer FUnitSize = 0;

 private:
  TGrdEditButton* FButton = nullptr;
  Integer FButtonWidth = 0;
  bool FEditorEnabled = true;
  bool FIsWinXP = false;
  bool FRightAlign = false;
};

using TUnitChangeEvent = std::function<void(TObject* Sender, const String& NewUnit)>;

class TGrdUnitEditBtn : public TGrdEditBtn {
 public:
  explicit TGrdUnitEditBtn(TComponent* AOwner);

  void ButtonClick(TObject* Sender) override;

  TStringList* Units() const { return FUnits.get(); }
  // nullptr changes nothing.
  void SetUnits(TStrings* Value);
  const String& UnitID() const { return FUnitID; }
  void SetUnitID(const String& Value);
  Integer UnitSpace() const { return FUnitSize; }
  void SetUnitSpace(Integer Value);
  // The text followed by the unit. Writing splits a value at the longest
  // unit of Units that ends it (and stands nowhere earlier in it); without
  // one nothing changes.
  String TextAndUnit() const;
  void SetTextAndUnit(const String& Value);
  // The screen point where the unit menu opens.
  TPoint UnitMenuPoint();

  TUnitChangeEvent OnUnitChanged;

 protected:
  void WMPaint(TWMPaint& Message) override;
  void WMCommand(TWMCommand& Message) override;

 private:
  void DrawUnit();

  std::unique_ptr<TStringList> FUnits = std::make_unique<TStringList>();
  String FUnitID;
};

// A speed button that also draws an image of an image list and a picture,
// each centred.
class TGrdSpeedButton : public TSpeedButton {
 public:
  explicit TGrdSpeedButton(TComponent* AOwner);
  ~TGrdSpeedButton() override;

  Integer ImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TPicture* Value);

 protected:
  void Paint() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  Integer FImageIndex = 0;
  TCustomImageList* FImages = nullptr;
  std::unique_ptr<TPicture> FPicture;
};

}  // namespace jorv::grid
