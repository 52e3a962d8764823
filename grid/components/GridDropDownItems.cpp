#include "grid/components/GridDropDownItems.h"

namespace jorv::grid {

TDropDownColumn::TDropDownColumn(TCollection* Collection) : TCollectionItem(Collection) {}

TDropDownColumn::~TDropDownColumn() = default;

void TDropDownColumn::Assign(TPersistent* Source) {
  auto* From = dynamic_cast<TDropDownColumn*>(Source);
  if (!From) {
    TCollectionItem::Assign(Source);
    return;
  }
  FWordwrap = From->FWordwrap;
  FWidth = From->FWidth;
  FHeader = From->FHeader;
  FAlignment = From->FAlignment;
  FColor = From->FColor;
  FColumnType = From->FColumnType;
  FFont->Assign(From->Font());
  FEllipsis = From->FEllipsis;
  FAutoSize = From->FAutoSize;
}

TDropDownItem::TDropDownItem(TCollection* Collection) : TCollectionItem(Collection) {}

TDropDownItem::~TDropDownItem() = default;

String TDropDownItem::TextOf(Integer Column) const {
  if (Column < 0 || Column >= FText->Count()) return String();
  return FText->Strings(Column);
}

void TDropDownItem::Assign(TPersistent* Source) {
  auto* From = dynamic_cast<TDropDownItem*>(Source);
  if (!From) {
    TCollectionItem::Assign(Source);
    return;
  }
  FImageIndex = From->FImageIndex;
  FText->Assign(From->Text());
}

}  // namespace jorv::grid
