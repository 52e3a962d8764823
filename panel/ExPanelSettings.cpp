#include "panel/ExPanelSettings.h"

namespace jorv::panel {

TExPanelSettings::TExPanelSettings() {
  FCaption->OnChange = [this](TObject*) { SettingsChanged(); };
}

TExPanelSettings::~TExPanelSettings() { FCaption->OnChange = nullptr; }

void TExPanelSettings::SettingsChanged() {
  if (FUpdateCount == 0 && OnChange) OnChange(this);
}

void TExPanelSettings::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0) SettingsChanged();
}

void TExPanelSettings::SetCaption(TPanelCaption* Value) {
  if (Value && Value != FCaption.get()) FCaption->Assign(Value);
  SettingsChanged();
}

void TExPanelSettings::SetFont(TFont* Value) {
  if (Value) FFont->Assign(Value);
  SettingsChanged();
}

void TExPanelSettings::SetStatusBar(TPanelStatusBar* Value) {
  if (Value) FStatusBar->Assign(Value);
  SettingsChanged();
}

void TExPanelSettings::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TExPanelSettings*>(Source);
  if (!S || S == this) return;
  // The caption's own notice must not reach OnChange: a copy is quiet.
  ++FUpdateCount;
  FFixedHeight = S->FFixedHeight;
  FCanMove = S->FCanMove;
  FFixedWidth = S->FFixedWidth;
  FHover = S->FHover;
  FAutoHideChildren = S->FAutoHideChildren;
  FAnchorHint = S->FAnchorHint;
  FFixedLeft = S->FFixedLeft;
  FCanSize = S->FCanSize;
  FShowHint = S->FShowHint;
  FFixedTop = S->FFixedTop;
  FCollaps = S->FCollaps;
  FShowMoveCursor = S->FShowMoveCursor;
  FCollapsDelay = S->FCollapsDelay;
  FBevelWidth = S->FBevelWidth;
  FCollapsSteps = S->FCollapsSteps;
  FHeight = S->FHeight;
  FShadowOffset = S->FShadowOffset;
  FText = S->FText;
  FHint = S->FHint;
  FBevelOuter = S->FBevelOuter;
  FBevelInner = S->FBevelInner;
  FHoverColor = S->FHoverColor;
  FCollapsColor = S->FCollapsColor;
  FBorderColor = S->FBorderColor;
  FHoverFontColor = S->FHoverFontColor;
  FShadowColor = S->FShadowColor;
  FColor = S->FColor;
  FColorTo = S->FColorTo;
  FColorMirror = S->FColorMirror;
  FColorMirrorTo = S->FColorMirrorTo;
  FURLColor = S->FURLColor;
  FFont->Assign(S->FFont.get());
  FCaption->Assign(S->FCaption.get());
  FPosition = S->FPosition;
  FTextVAlign = S->FTextVAlign;
  FBorderStyle = S->FBorderStyle;
  FCursor = S->FCursor;
  FBorderShadow = S->FBorderShadow;
  FIndent = S->FIndent;
  FTopIndent = S->FTopIndent;
  FWidth = S->FWidth;
  FBorderWidth = S->FBorderWidth;
  FStatusBar->Assign(S->FStatusBar.get());
  --FUpdateCount;
}

}  // namespace jorv::panel
