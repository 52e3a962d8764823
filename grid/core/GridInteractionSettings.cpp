#include "grid/core/GridInteractionSettings.h"

namespace jorv::grid {

void TShowModified::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TShowModified*>(Source);
  if (!S) return;
  FColor = S->FColor;
  FEnabled = S->FEnabled;
}

void TShowModified::SetColor(TColor Value) {
  FColor = Value;
  if (OnChange) OnChange(this);
}

void TSizeWhileTyping::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TSizeWhileTyping*>(Source);
  if (!S) return;
  FHeight = S->FHeight;
  FWidth = S->FWidth;
}

void THoverButtonsCollectionItem::Assign(TPersistent* Source) {
  auto* B = dynamic_cast<THoverButtonsCollectionItem*>(Source);
  if (!B) return;
  FTag = B->FTag;
  FFlat = B->FFlat;
  FEnabled = B->FEnabled;
  FCaption = B->FCaption;
  FHint = B->FHint;
  FPicture->Assign(B->FPicture.get());
  FWidth = B->FWidth;
}

void THoverButtons::Assign(TPersistent* Source) {
  auto* H = dynamic_cast<THoverButtons*>(Source);
  if (!H) return;
  FEnabled = H->FEnabled;
  FButtons->Assign(H->FButtons.get());
  FColumn = H->FColumn;
  FPosition = H->FPosition;
  FRows = H->FRows;
}

}  // namespace jorv::grid
