#include "panel/PanelStatusBar.h"

namespace jorv::panel {

TPanelStatusBar::TPanelStatusBar() : FFont(std::make_unique<TFont>()) {
  FFont->OnChange = [this](TObject*) { StatusBarChanged(); };
}

TPanelStatusBar::~TPanelStatusBar() {
  FFont->OnChange = nullptr;
}

void TPanelStatusBar::StatusBarChanged() {
  if (OnChange) OnChange(this);
}

template <class T>
void TPanelStatusBar::Change(T& Field, const T& Value) {
  if (Field == Value) return;
  Field = Value;
  StatusBarChanged();
}

void TPanelStatusBar::SetImageIndex(TImageIndex Value) { Change(FImageIndex, Value); }
void TPanelStatusBar::SetText(const String& Value) { Change(FText, Value); }
void TPanelStatusBar::SetColor(TColor Value) { Change(FColor, Value); }
void TPanelStatusBar::SetColorTo(TColor Value) { Change(FColorTo, Value); }
void TPanelStatusBar::SetGradientDirection(expanel::TGradientDirection Value) {
  Change(FGradientDirection, Value);
}
void TPanelStatusBar::SetVisible(bool Value) { Change(FVisible, Value); }
void TPanelStatusBar::SetHeight(Integer Value) { Change(FHeight, Value); }
void TPanelStatusBar::SetBevelInner(bool Value) { Change(FBevelInner, Value); }
void TPanelStatusBar::SetBorderStyle(TBorderStyle Value) { Change(FBorderStyle, Value); }
void TPanelStatusBar::SetBorderColor(TColor Value) { Change(FBorderColor, Value); }
void TPanelStatusBar::SetTopIndent(Integer Value) { Change(FTopIndent, Value); }

void TPanelStatusBar::SetFont(TFont* Value) {
  if (Value) FFont->Assign(Value);
}

void TPanelStatusBar::Assign(TPersistent* Source) {
  auto* Other = dynamic_cast<TPanelStatusBar*>(Source);
  if (!Other) return;
  // Direct field copies: the font copy below gives the one change notice.
  FColor = Other->FColor;
  FColorTo = Other->FColorTo;
  FGradientDirection = Other->FGradientDirection;
  FBorderStyle = Other->FBorderStyle;
  FBorderColor = Other->FBorderColor;
  FTopIndent = Other->FTopIndent;
  FFont->Assign(Other->FFont.get());
}

}  // namespace jorv::panel
