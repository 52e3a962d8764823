#pragma once
// The grid's combo box: its own border and drop-down button (flat,
// coloured or themed), focus and hover colours, a caption label beside it
// and a drop-down list that may be wider than the box.
#include <memory>
#include "grid/base/GridTypes.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Label.h"

namespace jorv::grid {
using namespace jorv;

// Where the combo's label stands: the first thirteen places of the
// enhanced edit's label, in the same order.
enum TLabelPosition : uint8_t {
  lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
  lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom
};

class TGrdCustomCombo : public TCustomComboBox {
 public:
  explicit TGrdCustomCombo(TComponent* AOwner);
  ~TGrdCustomCombo() override;

  // Selects the item equal to AString; nothing when there is none.
  void SelectItem(const String& AString);
  // Takes the current colour as the one shown outside the focus.
  void Init();

  Integer ButtonWidth() const { return FButtonWidth; }
  // Only 14 to 32 are taken.
  void SetButtonWidth(Integer Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool Etched() const { return FEtched; }
  void SetEtched(bool Value);
  TColor FlatLineColor() const { return FFlatLineColor; }
  void SetFlatLineColor(TColor Value);
  bool FlatParentColor() const { return FFlatParentColor; }
  void SetFlatParentColor(bool Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
  TColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(TColor Value) { FFocusColor = Value; }
  bool FocusBorder() const { return FFocusBorder; }
  void SetFocusBorder(bool Value) { FFocusBorder = Value; }
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool Value) { FDisabledBorder = Value; }
  bool AutoFocus() const { return FAutoFocus; }
  void SetAutoFocus(bool Value) { FAutoFocus = Value; }
  Integer DropWidth() const { return FDropWidth; }
  void SetDropWidth(Integer Value);
  // While loading, also the colour Loaded comes back to.
  void SetColor(TColor Value);
  void SetEnabled(bool Value) override;
  void SetVisible(bool Value) override;

  String LabelCaption() const { return FLabel ? FLabel->Caption() : String(); }
  void SetLabelCaption(const String& Value);
  TLabel* ComboLabel() const { return FLabel; }
  TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition Value);
  Integer LabelMargin() const { return FLabelMargin; }
  void SetLabelMargin(Integer Value);
  bool LabelTransparent() const { return FLabelTransparent; }
  void SetLabelTransparent(bool Value);
  bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
  void SetLabelAlwaysEnabled(bool Value);
  TFont* LabelFont() const { return FLabelFont.get(); }
  void SetLabelFont(TFont* Value);
  bool FocusLabel() const { return FFocusLabel; }
  void SetFocusLabel(bool Value) { FFocusLabel = Value; }

  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  void SetParent(TWinControl* AParent) override;
  void Loaded() override;

  // Set by the grid after it makes the control.
  bool FIsWinXP = false;
  bool FIsVista = false;
  // Button colours: clNone unless the grid's colour tones set them.
  TColor FButtonColor = clNone;
  TColor FButtonColorHot = clNone;
  TColor FButtonColorDown = clNone;
  TColor FButtonTextColor = clNone;
  TColor FButtonTextColorHot = clNone;
  TColor FButtonTextColorDown = clNone;
  TColor FButtonBorderColor = clNone;

  bool ButtonHover() const { return FButtonHover; }
  bool MouseInControl() const { return FMouseInControl; }

  TNotifyEvent OnDropUp;

 protected:
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void DropDown() override;
  void CloseUp() override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void CMParentFontChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void WMPaint(TWMPaint& Message) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void CreateLabel();
  void LayoutLabel();
  void LabelFontChanged(TObject* Sender);
  bool ThemesInUse() const;
  bool PaintsItself();
  void DrawButton(TCanvas* Canvas);
  void DrawBorders();
  void DrawControlBorder(HDC DC, TRect R);
  void DrawButtonBorder(HDC DC);
  void InvalidateButton();
  void SetLabelBold(bool Bold);
  bool IsActive();

  Integer FButtonWidth = 0;
  bool FFlat = false;
  bool FEtched = false;
  TColor FFlatLineColor = clNone;
  bool FFlatParentColor = true;
  TColor FBorderColor = clNone;
  TColor FFocusBorderColor = clNone;
  TColor FFocusColor = clNone;
  bool FFocusBorder = false;
  bool FDisabledBorder = true;
  bool FAutoFocus = false;
  Integer FDropWidth = 0;
  TColor FOldColor = clWindow;
  bool FOldParentColor = false;
  TColor FLoadedColor = clWindow;
  TColor FNormalColor = clWindow;
  bool FMouseInControl = false;
  bool FButtonHover = false;
  bool FHasFocus = false;
  bool FIsThemed = false;
  TLabel* FLabel = nullptr;
  std::unique_ptr<TFont> FLabelFont = std::make_unique<TFont>();
  TLabelPosition FLabelPosition = lpLeftTop;
  Integer FLabelMargin = 4;
  bool FLabelTransparent = false;
  bool FLabelAlwaysEnabled = false;
  bool FFocusLabel = false;
};

class TGrdComboBox : public TGrdCustomCombo {
 public:
  explicit TGrdComboBox(TComponent* AOwner) : TGrdCustomCombo(AOwner) {}
};

}  // namespace jorv::grid
