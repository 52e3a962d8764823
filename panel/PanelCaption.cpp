#include "panel/PanelCaption.h"
#include "platform/rtl/Exceptions.h"

namespace jorv::panel {
using namespace jorv::foundation;

TPanelCaption::TPanelCaption() : FFont(std::make_unique<TFont>()) {
  FFont->SetColor(clHighlightText);
  FFont->OnChange = [this](TObject*) { FontChanged(); };
}

TPanelCaption::~TPanelCaption() {
  FFont->OnChange = nullptr;
}

void TPanelCaption::Changed() {
  if (OnChange) OnChange(this);
}

void TPanelCaption::ShadeChanged() {
  if (OnShadeChange) OnShadeChange(this);
  Changed();
}

void TPanelCaption::StateChanged() {
  if (OnStateChange) OnStateChange(this);
}

void TPanelCaption::PositionChanged() {
  if (OnPositionChange) OnPositionChange(this);
}

void TPanelCaption::FontChanged() {
  if (OnFontChange) OnFontChange(this);
}

void TPanelCaption::SetBackground(TBitmap* Value) {
  FBackground->Assign(Value);  // none clears it
  ShadeChanged();
}

void TPanelCaption::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  ShadeChanged();
}

void TPanelCaption::SetColorTo(TColor Value) {
  FColorTo = Value;
  Changed();
}

void TPanelCaption::SetCloseColor(TColor Value) {
  if (FCloseColor == Value) return;
  FCloseColor = Value;
  Changed();
}

void TPanelCaption::SetCloseButton(bool Value) {
  if (FCloseButton == Value) return;
  FCloseButton = Value;
  Changed();
}

void TPanelCaption::SetCloseButtonColor(TColor Value) {
  if (FCloseButtonColor == Value) return;
  FCloseButtonColor = Value;
  Changed();
}

void TPanelCaption::SetCloseMinGlyph(TBitmap* Value) {
  FCloseMinGlyph->Assign(Value);
  Changed();
}

void TPanelCaption::SetCloseMaxGlyph(TBitmap* Value) {
  FCloseMaxGlyph->Assign(Value);
  Changed();
}

void TPanelCaption::SetFlat(bool Value) {
  FFlat = Value;
  ShadeChanged();
}

void TPanelCaption::SetFont(TFont* Value) {
  // The copy itself gives the font notice through the font's OnChange.
  if (Value) FFont->Assign(Value);
  Changed();
}

void TPanelCaption::SetGradientDirection(expanel::TGradientDirection Value) {
  FGradientDirection = Value;
  Changed();
}

void TPanelCaption::SetHeight(Integer Value) {
  if (FHeight == Value) return;
  FHeight = Value;
  Changed();
}

void TPanelCaption::SetIndent(Integer Value) {
  if (FIndent == Value) return;
  FIndent = Value;
  Changed();
}

void TPanelCaption::SetMaxGlyph(TBitmap* Value) {
  FMaxGlyph->Assign(Value);
}

void TPanelCaption::SetMinGlyph(TBitmap* Value) {
  FMinGlyph->Assign(Value);
}

void TPanelCaption::SetMinMaxButton(bool Value) {
  if (FMinMaxButton == Value) return;
  FMinMaxButton = Value;
  Changed();
}

void TPanelCaption::SetMinMaxButtonColor(TColor Value) {
  if (FMinMaxButtonColor == Value) return;
  FMinMaxButtonColor = Value;
  Changed();
}

void TPanelCaption::SetOfficeHint(TExHintInfo* Value) {
  if (Value) FOfficeHint->Assign(Value);
}

void TPanelCaption::SetPosition(expanel::TCaptionPosition Value) {
  if (FPosition == Value) return;
  FPosition = Value;
  PositionChanged();
}

void TPanelCaption::SetShadeLight(Integer Value) {
  FShadeLight = Value < 200 ? 200 : Value;
  ShadeChanged();
}

void TPanelCaption::SetShadeGrain(Byte Value) {
  FShadeGrain = Value;
  ShadeChanged();
}

void TPanelCaption::SetShadeType(expanel::TShadeType Value) {
  FShadeType = Value;
  ShadeChanged();
}

void TPanelCaption::SetShape(expanel::TCaptionShape Value) {
  FShape = Value;
  ShadeChanged();
}

void TPanelCaption::SetText(const String& Value) {
  FText = Value;
  Changed();
}

void TPanelCaption::SetTopIndent(Integer Value) {
  if (FTopIndent == Value) return;
  FTopIndent = Value;
  Changed();
}

void TPanelCaption::SetVisible(bool Value) {
  FVisible = Value;
  Changed();
  StateChanged();
}

void TPanelCaption::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TPanelCaption*>(Source);
  if (!S) throw EInvalidCast(L"Invalid class typecast");
  SetBackground(S->Background());
  SetButtonPosition(S->ButtonPosition());
  SetColor(S->Color());
  SetColorTo(S->ColorTo());
  SetCloseColor(S->CloseColor());
  SetCloseButton(S->CloseButton());
  SetCloseButtonColor(S->CloseButtonColor());
  SetCloseButtonHoverColor(S->CloseButtonHoverColor());
  SetCloseMinGlyph(S->CloseMinGlyph());
  SetCloseMaxGlyph(S->CloseMaxGlyph());
  SetFlat(S->Flat());
  SetFont(S->Font());
  SetHeight(S->Height());
  SetIndent(S->Indent());
  SetMaxGlyph(S->MaxGlyph());
  SetMinGlyph(S->MinGlyph());
  SetMinMaxButton(S->MinMaxButton());
  SetMinMaxButtonColor(S->MinMaxButtonColor());
  SetMinMaxButtonHoverColor(S->MinMaxButtonHoverColor());
  SetShadeLight(S->ShadeLight());
  SetShadeGrain(S->ShadeGrain());
  SetShadeType(S->ShadeType());
  SetShape(S->Shape());
  SetGradientDirection(S->GradientDirection());
}

}  // namespace jorv::panel
