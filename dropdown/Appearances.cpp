#include "dropdown/Appearances.h"
#include "dropdown/DropDownPaint.h"
#include "platform/rtl/Exceptions.h"

namespace jorv::dropdown {

// --- Buttons of the header and footer -------------------------------------------

void THeaderButton::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Changed(false);
}

void THeaderButton::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Changed(false);
}

void THeaderButton::SetWidth(Integer Value) {
  if (FWidth == Value) return;
  FWidth = Value;
  Changed(false);
}

void THeaderButton::Changed(bool AllItems) {
  TCollectionItem::Changed(AllItems);
  if (auto* Buttons = dynamic_cast<TBandButtons*>(Collection())) Buttons->DoChange();
}

void THeaderButton::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<THeaderButton*>(Source);
  if (!S) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(S->Caption());
  SetImageIndex(S->ImageIndex());
  SetEnabled(S->Enabled());
  SetWidth(S->Width());
  SetHeight(S->Height());
}

void TFooterButton::Assign(TPersistent* Source) {
  THeaderButton::Assign(Source);
  if (auto* S = dynamic_cast<TFooterButton*>(Source)) SetModalResult(S->ModalResult());
}

void TBandButtons::DoChange() {
  if (OnChange) OnChange(this);
}

// --- Header and footer looks ----------------------------------------------------

TBandAppearance::TBandAppearance(TPersistent* AOwner) : FOwner(AOwner), FFont(std::make_unique<TFont>()) {}

TBandAppearance::~TBandAppearance() = default;

void TBandAppearance::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  Changed();
}

void TBandAppearance::Changed() {
  if (OnChange) OnChange(this);
}

void TBandAppearance::ButtonsChanged() {
  if (OnButtonsChanged) OnButtonsChanged(this);
}

void TBandAppearance::Assign(TPersistent* Source) {
  if (!Source || !SameKind(Source)) return;
  auto* S = static_cast<TBandAppearance*>(Source);
  FColorTo = S->FColorTo;
  FColor = S->FColor;
  FBorderColor = S->FBorderColor;
  FCaption = S->FCaption;
  FFont->Assign(S->FFont.get());
  FImageIndex = S->FImageIndex;
  FBorderWidth = S->FBorderWidth;
  FGradientDirection = S->FGradientDirection;
  FHeight = S->FHeight;
  SetVisible(S->FVisible);
  FButtonAlignment = S->FButtonAlignment;
  FButtons->Assign(S->FButtons.get());
}

void TBandAppearance::AssignColors(TPersistent* Source) {
  if (!Source || !SameKind(Source)) return;
  auto* S = static_cast<TBandAppearance*>(Source);
  FColorTo = S->FColorTo;
  FColor = S->FColor;
  FBorderColor = S->FBorderColor;
  FFont->Assign(S->FFont.get());
  FGradientDirection = S->FGradientDirection;
}

THeaderAppearance::THeaderAppearance(TPersistent* AOwner) : TBandAppearance(AOwner) {
  FButtons = std::make_unique<THeaderButtons>(AOwner);
  FButtons->OnChange = [this](TObject*) { ButtonsChanged(); };
  Font()->SetName(L"Tahoma");
}

bool THeaderAppearance::SameKind(TPersistent* Source) const {
  return dynamic_cast<THeaderAppearance*>(Source) != nullptr;
}

TFooterAppearance::TFooterAppearance(TPersistent* AOwner) : TBandAppearance(AOwner) {
  FButtons = std::make_unique<TFooterButtons>(AOwner);
  FButtons->OnChange = [this](TObject*) { ButtonsChanged(); };
}

bool TFooterAppearance::SameKind(TPersistent* Source) const {
  return dynamic_cast<TFooterAppearance*>(Source) != nullptr;
}

void TFooterAppearance::Assign(TPersistent* Source) {
  TBandAppearance::Assign(Source);
  if (auto* S = dynamic_cast<TFooterAppearance*>(Source)) FSizeGrip = S->FSizeGrip;
}

// --- Button colours -------------------------------------------------------------

TExButtonAppearance::TExButtonAppearance() : FFont(std::make_unique<TFont>()) {
  FFont->SetName(L"Tahoma");
  FColorChecked = ChangeTone(FColorHot, -10, -10, 0);
  FColorCheckedTo = ChangeTone(FColorHotTo, -10, -10, 0);
}

TExButtonAppearance::~TExButtonAppearance() = default;

void TExButtonAppearance::SetField(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  if (OnChange) OnChange(this);
}

void TExButtonAppearance::SetGradient(TGradientDirection Value) {
  if (FGradient == Value) return;
  FGradient = Value;
  if (OnChange) OnChange(this);
}

void TExButtonAppearance::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TExButtonAppearance*>(Source);
  if (!S) {
    TPersistent::Assign(Source);
    return;
  }
  SetBorderColor(S->BorderColor());
  SetBorderColorHot(S->BorderColorHot());
  SetBorderColorDown(S->BorderColorDown());
  SetBorderColorDisabled(S->BorderColorDisabled());
  SetBorderColorChecked(S->BorderColorChecked());
  SetColor(S->Color());
  SetColorTo(S->ColorTo());
  SetColorDisabled(S->ColorDisabled());
  SetColorDisabledTo(S->ColorDisabledTo());
  SetColorDown(S->ColorDown());
  SetColorDownTo(S->ColorDownTo());
  SetColorHot(S->ColorHot());
  SetColorHotTo(S->ColorHotTo());
  SetColorChecked(S->ColorChecked());
  SetColorCheckedTo(S->ColorCheckedTo());
  SetGradient(S->Gradient());
}

// --- TDbgList -------------------------------------------------------------------

void* TDbgList::GetItemsEx(Integer Index) const {
  if (Index >= Count()) throw Exception(L"Index out of bounds in list read access");
  return Get(Index);
}

void TDbgList::SetItemsEx(Integer Index, void* Value) {
  if (Index >= Count()) throw Exception(L"Index out of bounds in list write access");
  Put(Index, Value);
}

void TDbgList::AssignList(const TList* List) {
  Clear();
  if (!List) return;
  for (Integer i = 0; i < List->Count(); ++i) Add(List->Items(i));
}

}  // namespace jorv::dropdown
