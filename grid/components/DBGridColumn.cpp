#include "grid/components/DBGridColumn.h"
#include "grid/components/RERorAzaz.h"
#include "platform/data/DataSet.h"
#include "platform/data/Field.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/Menus.h"

namespace jorv::grid {

// --- the column item -----------------------------------------------------------------------------

TDBGridColumnItem::TDBGridColumnItem(TCollection* ACollection) : TCollectionItem(ACollection) {
  FBorderPen->SetColor(0xC0C0C0);
  FPrintBorderPen->SetColor(0);
  auto Report = [this](TObject* Sender) { FontChanged(Sender); };
  FFont->OnChange = Report;
  FHeaderFont->OnChange = Report;
  FBorderPen->OnChange = Report;
  if (!ACollection) return;
  if (TRERorAzaz* G = static_cast<TDBGridColumnCollection*>(ACollection)->Grid()) {
    FColor = G->Color();
    FFont->Assign(G->Font());
    FHeaderFont->Assign(G->Font());
    FPrintFont->Assign(G->Font());
  }
}

TDBGridColumnItem::~TDBGridColumnItem() = default;

TRERorAzaz* TDBGridColumnItem::Grid() const {
  auto* C = static_cast<TDBGridColumnCollection*>(Collection());
  return C ? C->Grid() : nullptr;
}

String TDBGridColumnItem::GetDisplayName() const {
  if (!FFieldName.empty()) return FFieldName;
  return L"Column " + IntToStr(Index());
}

void TDBGridColumnItem::SetFieldName(const String& Value) {
  TRERorAzaz* G = Grid();
  TField* Found = nullptr;
  TDataSet* D = G ? G->LinkedDataSet() : nullptr;
  if (D && !Value.empty() && !G->ComponentState().Contains(csLoading)) Found = D->FindField(Value);
  FFieldName = Value;
  if (!Value.empty()) BindField(Found);
  Changed(false);
}

// The grid hears of the field's end, so that no column keeps it.
void TDBGridColumnItem::BindField(TField* Value) {
  if (FField && FField != Value && Grid()) FField->RemoveFreeNotification(Grid());
  FField = Value;
  if (Value && Grid()) Value->FreeNotification(Grid());
}

TField* TDBGridColumnItem::Field() {
  if (FField || FFieldName.empty()) return FField;
  TRERorAzaz* G = Grid();
  TDataSet* D = G ? G->LinkedDataSet() : nullptr;
  if (D && (D->Active() || !D->DefaultFields())) BindField(D->FindField(FFieldName));
  return FField;
}

void TDBGridColumnItem::SetField(TField* Value) {
  if (FField == Value) return;
  if (Value && Value->ComponentState().Contains(csDestroying)) Value = nullptr;
  BindField(Value);
  if (Value) FFieldName = Value->FieldName();
  Changed(false);
}

void TDBGridColumnItem::SetIndex(Integer Value) {
  const Integer Old = Index();
  TRERorAzaz* G = Grid();
  auto* Columns = static_cast<TDBGridColumnCollection*>(Collection());
  // A column the user moved has its width moved by the grid already.
  const bool Swap = G && G->ComponentState().Contains(csDesigning) && !Columns->NoRecursiveUpdate() &&
                    Old != Value && Old >= 0 && Value >= 0 && Old < G->AllColCount() && Value < G->AllColCount();
  if (Swap) {
    const Integer OldWidth = G->GetAllColWidths(Old), NewWidth = G->GetAllColWidths(Value);
    G->SetAllColWidths(Old, NewWidth);
    G->SetAllColWidths(Value, OldWidth);
  }
  TCollectionItem::SetIndex(Value);
}

void TDBGridColumnItem::SetHeader(const String& Value) {
  FHeader = Value;
  TRERorAzaz* G = Grid();
  if (!G) return;
  if (!G->PageMode() && Index() < G->AllColCount()) G->SetCells(Index(), 0, Value);
  G->Invalidate();
}

void TDBGridColumnItem::SetEditor(TEditorType Value) {
  const bool Repaint = (FEditor == edDataCheckBox) != (Value == edDataCheckBox);
  FEditor = Value;
  if (Repaint && Grid()) Grid()->Invalidate();
}

Integer TDBGridColumnItem::Width() const {
  TRERorAzaz* G = Grid();
  if (!G || Index() < 0 || Index() >= G->AllColCount()) return FWidth;
  return G->GetAllColWidths(Index());
}

void TDBGridColumnItem::SetWidth(Integer Value) {
  FWidth = Value;
  TRERorAzaz* G = Grid();
  if (!G || Index() < 0 || Index() >= G->AllColCount()) return;
  G->SetAllColWidths(Index(), Value);
  if (Value == 0 && G->HasDataSet()) G->FColWith0Width = true;
}

void TDBGridColumnItem::SetCheckBoxField(bool Value) {
  if (Value && (FPictureField || FProgressField))
    throw Exception(L"Can not assign true when PictureField or ProgressField is also true.");
  if (FCheckBoxField == Value) return;
  FCheckBoxField = Value;
  Changed(false);
}

void TDBGridColumnItem::SetPictureField(bool Value) {
  if (Value && (FCheckBoxField || FProgressField))
    throw Exception(L"Can not assign true when CheckBoxField or ProgressField is also true.");
  if (FPictureField == Value) return;
  FPictureField = Value;
  Changed(false);
}

void TDBGridColumnItem::SetProgressField(bool Value) {
  if (Value && (FCheckBoxField || FPictureField))
    throw Exception(L"Can not assign true when CheckBoxField or PictureField is also true.");
  if (FProgressField == Value) return;
  FProgressField = Value;
  Changed(false);
}

void TDBGridColumnItem::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Changed(false);
}

void TDBGridColumnItem::SetComboItems(TStrings* Value) { FComboItems->Assign(Value); }

void TDBGridColumnItem::SetFilter(TStrings* Value) {
  FFilter->Assign(Value);
  if (Grid()) Grid()->Invalidate();
}

void TDBGridColumnItem::SetFloatFormat(const String& Value) {
  FFloatFormat = Value;
  if (Grid()) Grid()->Invalidate();
}

void TDBGridColumnItem::SetColumnPopup(TPopupMenu* Value) {
  FColumnPopup = Value;
  if (Value && Grid()) Value->FreeNotification(Grid());
}

void TDBGridColumnItem::SetImages(TCustomImageList* Value) {
  FImages = Value;
  if (Value && Grid()) Value->FreeNotification(Grid());
  Changed(false);
}

Integer TDBGridColumnItem::GridColumnIndex() const {
  TRERorAzaz* G = Grid();
  Integer Result = Index();
  if (G && !G->PageMode() && G->GroupColumn() >= 0 && G->GroupColumn() < Result) --Result;
  return Result;
}

String TDBGridColumnItem::Rows(Integer ARow) const { return Grid()->GetCells(GridColumnIndex(), ARow); }

void TDBGridColumnItem::SetRows(Integer ARow, const String& Value) { Grid()->SetCells(GridColumnIndex(), ARow, Value); }

void TDBGridColumnItem::Assign(TPersistent* Source) {
  auto* From = dynamic_cast<TDBGridColumnItem*>(Source);
  if (!From) {
    TCollectionItem::Assign(Source);
    return;
  }
  CopySettings(From, false);
}

void TDBGridColumnItem::AssignVisuals(TPersistent* Source) {
  if (auto* From = dynamic_cast<TDBGridColumnItem*>(Source)) CopySettings(From, true);
}

// Visuals leave the binding and the field-kind settings alone and take the
// grid's colour and font.
void TDBGridColumnItem::CopySettings(TDBGridColumnItem* From, bool Visuals) {
  FAlignment = From->FAlignment;
  FBorderPen->Assign(From->FBorderPen.get());
  FBorders = From->FBorders;
  FCheckFalse = From->FCheckFalse;
  FCheckTrue = From->FCheckTrue;
  FComboItems->Assign(From->FComboItems.get());
  FEditLength = From->FEditLength;
  FEditLink = From->FEditLink;
  FEditMask = From->FEditMask;
  FEditor = From->FEditor;
  FFixed = From->FFixed;
  FHeader = From->FHeader;
  FHeaderFont->Assign(From->FHeaderFont.get());
  FHeaderAlignment = From->FHeaderAlignment;
  FPassword = From->FPassword;
  FPrintBorderPen->Assign(From->FPrintBorderPen.get());
  FPrintBorders = From->FPrintBorders;
  FPrintColor = From->FPrintColor;
  FPrintFont->Assign(From->FPrintFont.get());
  FReadOnly = From->FReadOnly;
  FSortPrefix = From->FSortPrefix;
  FSortStyle = From->FSortStyle;
  FSortSuffix = From->FSortSuffix;
  FSpinMax = From->FSpinMax;
  FSpinMin = From->FSpinMin;
  FSpinStep = From->FSpinStep;
  FColumnPopup = From->FColumnPopup;
  FShowBands = From->FShowBands;
  FMinSize = From->FMinSize;
  FMaxSize = From->FMaxSize;
  FAutoMinSize = From->FAutoMinSize;
  FAutoMaxSize = From->FAutoMaxSize;
  FFilter->Assign(From->FFilter.get());
  FFilterCaseSensitive = From->FFilterCaseSensitive;
  FDefIdx = From->FDefIdx;
  FFloatFormat = From->FFloatFormat;
  FHTMLTemplate = From->FHTMLTemplate;
  SetWidth(From->Width());
  TRERorAzaz* G = Grid();
  if (Visuals) {
    if (G) {
      FColor = G->Color();
      FFont->Assign(G->Font());
    }
    Changed(false);
    return;
  }
  FColor = From->FColor;
  FFont->Assign(From->FFont.get());
  FFieldName = From->FFieldName;
  FName = From->FName;
  FTag = From->FTag;
  FCheckBoxField = From->FCheckBoxField;
  FDataImageField = From->FDataImageField;
  FShowUnicode = From->FShowUnicode;
  FProgressField = From->FProgressField;
  FProgressColor = From->FProgressColor;
  FProgressBKColor = From->FProgressBKColor;
  FProgressTextColor = From->FProgressTextColor;
  FProgressTextBKColor = From->FProgressTextBKColor;
  FPictureField = From->FPictureField;
  FPictureStretch = From->FPictureStretch;
  FUseComboObjectValue = From->FUseComboObjectValue;
  Changed(false);
}

// --- the collection ------------------------------------------------------------------------------

TDBGridColumnCollection::TDBGridColumnCollection(TRERorAzaz* AOwner)
    : TCollection(CollectionItemClass<TDBGridColumnItem>()), FOwner(AOwner) {}

TPersistent* TDBGridColumnCollection::GetOwner() const { return FOwner; }

TDBGridColumnItem* TDBGridColumnCollection::Add() {
  auto* Item = static_cast<TDBGridColumnItem*>(TCollection::Add());
  if (Count() > 1) Item->AssignVisuals(Items(Count() - 2));
  return Item;
}

TDBGridColumnItem* TDBGridColumnCollection::Insert(Integer Index) {
  return static_cast<TDBGridColumnItem*>(TCollection::Insert(Index));
}

bool TDBGridColumnCollection::HasFieldsDefined() const {
  for (Integer i = 0; i < Count(); ++i)
    if (!Items(i)->FieldName().empty()) return true;
  return false;
}

void TDBGridColumnCollection::Update(TCollectionItem* Item) {
  TCollection::Update(Item);
  if (!FOwner || FNoRecursiveUpdate) return;
  const Integer Shown = Count() - FOwner->NumHiddenColumns();
  if (Shown != FOwner->ColCount() && Shown > FOwner->FixedCols()) FOwner->SetColCount(Shown);
  FOwner->Invalidate();
}

void TDBGridColumnCollection::Notify(TCollectionItem* Item, TCollectionNotification Action) {
  TCollection::Notify(Item, Action);
  if (FNoRecursiveUpdate || !FOwner) return;
  if (Action == cnExtracting || Action == cnDeleting) FOwner->UnHideColumnsAll();
}

void TDBGridColumnCollection::SetOrganization() {
  if (!FOwner) return;
  {
    TColumnGuard Guard(this);
    FOwner->SyncColumnCount();
  }
  for (Integer i = 0; i < Count(); ++i) Items(i)->SetDefIdx(i);
}

void TDBGridColumnCollection::ResetOrganization() {
  if (!FOwner) return;
  bool Moved = true;
  while (Moved) {
    Moved = false;
    for (Integer i = 0; i < Count(); ++i) {
      const Integer Design = Items(i)->DefIdx();
      if (i > Design && Design >= 0 && Design < Count()) {
        FOwner->MoveColumn(i, Design);
        Moved = true;
        break;
      }
    }
  }
}

}  // namespace jorv::grid
