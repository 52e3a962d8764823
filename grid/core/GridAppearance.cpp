#include "grid/core/GridAppearance.h"
#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

// --- TControlLook ---------------------------------------------------------------

TControlLook::TControlLook(TRezIvevirAvod* AOwner)
    : FGrid(AOwner),
      FCheckedGlyph(std::make_unique<TBitmap>()),
      FUnCheckedGlyph(std::make_unique<TBitmap>()),
      FRadioOnGlyph(std::make_unique<TBitmap>()),
      FRadioOffGlyph(std::make_unique<TBitmap>()) {
  Init();
  FDropDownHeader = std::make_unique<THeaderAppearance>(this);
  FDropDownFooter = std::make_unique<TFooterAppearance>(this);
}

TControlLook::~TControlLook() = default;

TPersistent* TControlLook::GetOwner() const { return FGrid; }

void TControlLook::Init() {
  FColor = 0;
  FCommentColor = 0x0000FF;
  FProgressBorderColor = 0x808080;
  FFixedGradientFrom = clNone;
  FFixedGradientTo = clNone;
  FFixedGradientMirrorFrom = clNone;
  FFixedGradientMirrorTo = clNone;
  // The hover and down pairs start the other way round from the values a
  // form leaves out, so a fresh grid stores them.
  FFixedGradientHoverFrom = 0x808080;
  FFixedGradientHoverTo = 0xFFFFFF;
  SetFixedGradientHoverMirrorFrom(clNone);
  SetFixedGradientHoverMirrorTo(clNone);
  FFixedGradientHoverBorder = 0xC0C0C0;
  FFixedGradientDownFrom = 0x808080;
  FFixedGradientDownTo = 0xC0C0C0;
  SetFixedGradientDownMirrorFrom(clNone);
  SetFixedGradientDownMirrorTo(clNone);
  FFixedGradientDownBorder = 0x808080;
}

void TControlLook::Assign(TPersistent* Source) {
  auto* Look = dynamic_cast<TControlLook*>(Source);
  if (!Look) return;
  FCheckSize = Look->FCheckSize;
  FRadioSize = Look->FRadioSize;
  FControlStyle = Look->FControlStyle;
  FCheckedGlyph->Assign(Look->FCheckedGlyph.get());
  FUnCheckedGlyph->Assign(Look->FUnCheckedGlyph.get());
  FRadioOnGlyph->Assign(Look->FRadioOnGlyph.get());
  FRadioOffGlyph->Assign(Look->FRadioOffGlyph.get());
  FProgressMarginX = Look->FProgressMarginX;
  FProgressMarginY = Look->FProgressMarginY;
  FCommentColor = Look->FCommentColor;
  FColor = Look->FColor;
  FProgressBorderColor = Look->FProgressBorderColor;
  FCheckAlwaysActive = Look->FCheckAlwaysActive;
  FRadioAlwaysActive = Look->FRadioAlwaysActive;
  FFixedGradientFrom = Look->FFixedGradientFrom;
  FFixedGradientTo = Look->FFixedGradientTo;
  FFixedGradientMirrorFrom = Look->FFixedGradientMirrorFrom;
  FFixedGradientMirrorTo = Look->FFixedGradientMirrorTo;
  FFixedGradientHoverFrom = Look->FFixedGradientHoverFrom;
  FFixedGradientHoverTo = Look->FFixedGradientHoverTo;
  FFixedGradientHoverMirrorFrom = Look->FFixedGradientHoverMirrorFrom;
  FFixedGradientHoverMirrorTo = Look->FFixedGradientHoverMirrorTo;
  FFixedGradientHoverBorder = Look->FFixedGradientHoverBorder;
  FFixedGradientDownFrom = Look->FFixedGradientDownFrom;
  FFixedGradientDownTo = Look->FFixedGradientDownTo;
  FFixedGradientDownMirrorFrom = Look->FFixedGradientDownMirrorFrom;
  FFixedGradientDownMirrorTo = Look->FFixedGradientDownMirrorTo;
  FFixedGradientDownBorder = Look->FFixedGradientDownBorder;
  FDropDownAlwaysVisible = Look->FDropDownAlwaysVisible;
  FSpinButtonsAlwaysVisible = Look->FSpinButtonsAlwaysVisible;
  FDropDownCount = Look->FDropDownCount;
  FDropDownFooter->Assign(Look->FDropDownFooter.get());
  FDropDownHeader->Assign(Look->FDropDownHeader.get());
  FHintMaxWidth = Look->FHintMaxWidth;
}

void TControlLook::CopyGlyph(TBitmap& Glyph, TBitmap* Value) {
  Glyph.Assign(Value);
  Repaint();
}

void TControlLook::Repaint() {
  if (FGrid) FGrid->Invalidate();
}

void TControlLook::SetFixedGradientFrom(TColor Value) {
  FFixedGradientFrom = Value;
  if (Value != clNone) FGrid->SetZVQGradientFrom(Value);
}

void TControlLook::SetFixedGradientTo(TColor Value) {
  FFixedGradientTo = Value;
  if (Value != clNone) FGrid->SetZVQGradientTo(Value);
}

void TControlLook::SetFixedGradientMirrorFrom(TColor Value) {
  FFixedGradientMirrorFrom = Value;
  FGrid->SetZVQGradientMirrorFrom(Value);
}

void TControlLook::SetFixedGradientMirrorTo(TColor Value) {
  FFixedGradientMirrorTo = Value;
  FGrid->SetZVQGradientMirrorTo(Value);
}

void TControlLook::SetFixedGradientHoverFrom(TColor Value) {
  FFixedGradientHoverFrom = Value;
  if (Value != clNone) FGrid->SetZVQGradientHoverFrom(Value);
}

void TControlLook::SetFixedGradientHoverTo(TColor Value) {
  FFixedGradientHoverTo = Value;
  if (Value != clNone) FGrid->SetZVQGradientHoverTo(Value);
}

void TControlLook::SetFixedGradientHoverMirrorFrom(TColor Value) {
  FFixedGradientHoverMirrorFrom = Value;
  FGrid->SetZVQGradientHoverMirrorFrom(Value);
}

void TControlLook::SetFixedGradientHoverMirrorTo(TColor Value) {
  FFixedGradientHoverMirrorTo = Value;
  FGrid->SetZVQGradientHoverMirrorTo(Value);
}

void TControlLook::SetFixedGradientHoverBorder(TColor Value) {
  FFixedGradientHoverBorder = Value;
  if (Value != clNone) FGrid->SetZVQGradientHoverBorder(Value);
}

void TControlLook::SetFixedGradientDownFrom(TColor Value) {
  FFixedGradientDownFrom = Value;
  if (Value != clNone) FGrid->SetZVQGradientDownFrom(Value);
}

void TControlLook::SetFixedGradientDownTo(TColor Value) {
  FFixedGradientDownTo = Value;
  if (Value != clNone) FGrid->SetZVQGradientDownTo(Value);
}

void TControlLook::SetFixedGradientDownMirrorFrom(TColor Value) {
  FFixedGradientDownMirrorFrom = Value;
  FGrid->SetZVQGradientDownMirrorFrom(Value);
}

void TControlLook::SetFixedGradientDownMirrorTo(TColor Value) {
  FFixedGradientDownMirrorTo = Value;
  FGrid->SetZVQGradientDownMirrorTo(Value);
}

void TControlLook::SetFixedGradientDownBorder(TColor Value) {
  FFixedGradientDownBorder = Value;
  if (Value != clNone) FGrid->SetZVQGradientDownBorder(Value);
}

// --- TGridProgressAppearance ------------------------------------------------------

void TGridProgressAppearance::Assign(TPersistent* Source) {
  auto* P = dynamic_cast<TGridProgressAppearance*>(Source);
  if (!P) return;
  FCompleteColor = P->FCompleteColor;
  FCompleteFontColor = P->FCompleteFontColor;
  FUnCompleteColor = P->FUnCompleteColor;
  FUnCompleteFontColor = P->FUnCompleteFontColor;
  FLevel0Color = P->FLevel0Color;
  FLevel0ColorTo = P->FLevel0ColorTo;
  FLevel1Color = P->FLevel1Color;
  FLevel1ColorTo = P->FLevel1ColorTo;
  FLevel2Color = P->FLevel2Color;
  FLevel2ColorTo = P->FLevel2ColorTo;
  FLevel3Color = P->FLevel3Color;
  FLevel3ColorTo = P->FLevel3ColorTo;
  FLevel1Perc = P->FLevel1Perc;
  FLevel2Perc = P->FLevel2Perc;
  FBorderColor = P->FBorderColor;
  FShowBorder = P->FShowBorder;
  FStacked = P->FStacked;
  FShowPercentage = P->FShowPercentage;
  FCompletionSmooth = P->FCompletionSmooth;
  FShowGradient = P->FShowGradient;
  FSteps = P->FSteps;
  FStyle = P->FStyle;
  if (OnChange) OnChange(this);
}

// --- TBackGround ----------------------------------------------------------------

TBackGround::TBackGround(TRezIvevirAvod* AGrid) : FGrid(AGrid) {}

TPersistent* TBackGround::GetOwner() const { return FGrid; }

void TBackGround::Assign(TPersistent* Source) {
  auto* B = dynamic_cast<TBackGround*>(Source);
  if (!B) return;
  FTop = B->FTop;
  FLeft = B->FLeft;
  FDisplay = B->FDisplay;
  FBitmap->Assign(B->FBitmap.get());
  FCells = B->FCells;
  FColor = B->FColor;
  FColorTo = B->FColorTo;
}

void TBackGround::SetBitmap(TBitmap* Value) {
  FBitmap->Assign(Value);
  Repaint();
}

void TBackGround::Repaint() {
  if (FGrid) FGrid->Invalidate();
}

// --- TColorSetting and TAutoColor ---------------------------------------------------

void TColorSetting::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TColorSetting*>(Source);
  if (!S) return;
  FTextColor = S->FTextColor;
  FBkgColor = S->FBkgColor;
}

void TColorSetting::SetTextColor(TColor Value) {
  if (FTextColor == Value) return;
  FTextColor = Value;
  Changed();
}

void TColorSetting::SetBkgColor(TColor Value) {
  if (FBkgColor == Value) return;
  FBkgColor = Value;
  Changed();
}

void TColorSetting::Changed() {
  if (OnChange) OnChange(this);
}

TAutoColor::TAutoColor() {
  FNegativeNumber->OnChange = [this](TObject*) { Changed(); };
  FPositiveNumber->OnChange = [this](TObject*) { Changed(); };
}

void TAutoColor::Assign(TPersistent* Source) {
  auto* A = dynamic_cast<TAutoColor*>(Source);
  if (!A) return;
  FNegativeNumber->Assign(A->FNegativeNumber.get());
  FPositiveNumber->Assign(A->FPositiveNumber.get());
}

bool TAutoColor::HasAutoColors() const {
  return FNegativeNumber->TextColor() != clNone || FNegativeNumber->BkgColor() != clNone ||
         FPositiveNumber->TextColor() != clNone || FPositiveNumber->BkgColor() != clNone;
}

void TAutoColor::Changed() {
  if (OnChange) OnChange(this);
}

// --- TBalloonSettings ------------------------------------------------------------

void TBalloonSettings::Assign(TPersistent* Source) {
  auto* B = dynamic_cast<TBalloonSettings*>(Source);
  if (!B) return;
  FTextColor = B->FTextColor;
  FBackgroundColor = B->FBackgroundColor;
  FInitialDelay = B->FInitialDelay;
  FAutoHideDelay = B->FAutoHideDelay;
  FReshowDelay = B->FReshowDelay;
  FEnable = B->FEnable;
}

void TBalloonSettings::SetEnable(bool Value) {
  if (FEnable == Value) return;
  FEnable = Value;
  if (OnEnableChange) OnEnableChange(this);
}

// --- THTMLSettings ----------------------------------------------------------------

void THTMLSettings::Assign(TPersistent* Source) {
  auto* H = dynamic_cast<THTMLSettings*>(Source);
  if (!H) return;
  FBorderSize = H->FBorderSize;
  FCellSpacing = H->FCellSpacing;
  FCellPadding = H->FCellPadding;
  FSaveColor = H->FSaveColor;
  FSaveFonts = H->FSaveFonts;
  FFooterFile = H->FFooterFile;
  FFooterText = H->FFooterText;
  FHeaderFile = H->FHeaderFile;
  FHeaderText = H->FHeaderText;
  FTableStyle = H->FTableStyle;
  FPrefixTag = H->FPrefixTag;
  FSuffixTag = H->FSuffixTag;
  FSummary = H->FSummary;
  FWidth = H->FWidth;
  FXHTML = H->FXHTML;
  FConvertSpecialChars = H->FConvertSpecialChars;
  FAutoPreview = H->FAutoPreview;
  FNonBreakingText = H->FNonBreakingText;
}

}  // namespace jorv::grid
