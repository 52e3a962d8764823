// Whole-data-set mode: the records copied into the cells once, so that the
// grid's own sorting, filtering, printing and exports work on real text;
// the quick configuration of columns and the saved column order.
#include <memory>
#include "foundation/ValueUtils.h"
#include "grid/components/BlobPicture.h"
#include "grid/components/RERorAzaz.h"
#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"
#include "platform/data/Fields.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/IniFiles.h"
#include "platform/ui/Dialogs.h"

namespace jorv::grid {

void TRERorAzaz::SetPageMode(bool Value) {
  if (FPageMode == Value) return;
  FPageMode = Value;
  if (Value) ClearDataRows();
  else RemoveCellGraphics();
  if (ActiveDataSet()) GridLinkActive(true);
  if (FloatingFooter()->Visible() && !Designing() && !ComponentState().Contains(csLoading))
    for (Integer c = FixedCols(); c < ColCount(); ++c) CalcFooter(c);
}

void TRERorAzaz::SetShowMemoFields(bool Value) {
  FShowMemoFields = Value;
  if (!FPageMode && ActiveDataSet()) Reload();
  Invalidate();
}

void TRERorAzaz::SetShowBooleanFields(bool Value) {
  FShowBooleanFields = Value;
  if (!FPageMode && ActiveDataSet()) {
    if (Value) Reload();
    else RemoveCellGraphics();
  }
  Invalidate();
}

void TRERorAzaz::SetShowPictureFields(bool Value) {
  FShowPictureFields = Value;
  if (!FPageMode && ActiveDataSet()) {
    if (Value) Reload();
    else RemoveCellGraphics();
  }
  Invalidate();
}

void TRERorAzaz::Reload() {
  if (FPageMode || !ActiveDataSet()) return;
  GridLinkActive(true);
}

void TRERorAzaz::FreePictures() { FPictureList.clear(); }

void TRERorAzaz::ClearDataRows() {
  for (Integer r = 1; r < RowCount(); ++r)
    for (Integer c = 0; c < FColumnCollection->Count() && c < AllColCount(); ++c) SetCells(c, r, L"");
}

// The copied cells keep their texts; their graphics go.
void TRERorAzaz::RemoveCellGraphics() {
  for (Integer r = 1; r < RowCount(); ++r)
    for (Integer c = FirstFieldColumn(); c < AllColCount(); ++c) {
      if (!TRezIvevirAvod::GetCellGraphic(c, r)) continue;
      bool State = false;
      const bool Box = GetCheckBoxState(c, r, State);
      TDBGridColumnItem* Item = ItemAt(c);
      if (Box && Item && Item->CheckBoxField()) SetCells(c, r, State ? Item->CheckTrue() : Item->CheckFalse());
      else if (Box) SetCells(c, r, State ? L"True" : L"False");
      else SetCells(c, r, L"(GRAPHIC)");
      RemoveCellGraphic(c, r);
    }
  FreePictures();
}

// Copies every record into its row.
void TRERorAzaz::LoadAllRecords() {
  if (!ActiveDataSet() || FPageMode || FColumnCollection->Count() == 0) return;
  FreePictures();
  TDataSet* D = LinkedDataSet();
  if (FixedRows() > 0)
    for (Integer c = FirstFieldColumn(); c < FColumnCollection->Count() && c < AllColCount(); ++c) {
      TDBGridColumnItem* Item = FColumnCollection->Items(c);
      TField* F = FieldOfColumn(c);
      if (!Item->Header().empty()) SetCells(c, FixedRows() - 1, Item->Header());
      else if (F && F->Visible()) SetCells(c, FixedRows() - 1, F->DisplayName());
    }
  D->DisableControls();
  TBookmark Mark;
  if (!D->IsEmpty()) Mark = D->GetBookmark();
  try {
    D->First();
    for (Integer r = FixedRows(); !D->Eof() && r < RowCount(); ++r) {
      LoadRecordRow(r);
      D->Next();
    }
  } catch (...) {
    if (!Mark.empty()) D->GotoBookmark(Mark);
    D->EnableControls();
    throw;
  }
  if (!Mark.empty()) D->GotoBookmark(Mark);
  D->EnableControls();
}

void TRERorAzaz::LoadRecordRow(Integer ARow) {
  for (Integer c = FirstFieldColumn(); c < FColumnCollection->Count() && c < AllColCount(); ++c) {
    TDBGridColumnItem* Item = FColumnCollection->Items(c);
    String Text;
    struct TStore {
      TRERorAzaz* Grid;
      Integer C, R;
      String& Text;
      ~TStore() { Grid->SetCells(C, R, Text); }
    } Store{this, c, ARow, Text};
    if (!Item->HTMLTemplate().empty()) {
      Text = ExpandHTMLTemplate(c, ARow, Item);
      continue;
    }
    TField* F = FieldOfColumn(c);
    if (!F || !F->Visible()) continue;
    const bool Blob = F->IsBlob();
    if ((Blob && F->DataType() == ftGraphic) || Item->PictureField()) {
      if (!FShowPictureFields) {
        Text = L"(GRAPHIC)";
        continue;
      }
      auto Picture = std::make_unique<TPicture>();
      auto* BlobField = dynamic_cast<TBlobField*>(F);
      const TBytes Bytes = BlobField ? BlobField->AsBytes() : TBytes();
      try {
        if (Item->PictureField()) LoadSniffedPicture(Bytes, Picture.get());
        else LoadBlobPicture(Bytes, Picture.get());
      } catch (const Exception&) {
        Picture->Assign(FInvalidPicture.get());
      }
      AddPicture(c, ARow, Picture.get(), true, Item->PictureStretch(), 4, haCenter, vaCenter);
      FPictureList.push_back(std::move(Picture));
    } else if (Blob) {
      Text = FShowMemoFields ? F->AsString() : L"(MEMO)";
    } else if (F->DataType() == ftBoolean && FShowBooleanFields) {
      const bool On = UpperCase(F->AsString()) == L"TRUE";
      AddCheckBox(c, ARow, On, true);
      Text = On ? Item->CheckTrue() : Item->CheckFalse();
    } else if (Item->CheckBoxField()) {
      const bool On = SameText(F->AsString(), Item->CheckTrue());
      AddCheckBox(c, ARow, On, true);
      Text = On ? Item->CheckTrue() : Item->CheckFalse();
    } else if (Item->ProgressField()) {
      Text = F->DisplayText();
      AddProgressEx(c, ARow, Item->ProgressColor(), Item->ProgressTextColor(), Item->ProgressBKColor(),
                    Item->ProgressTextBKColor());
    } else if (Item->DataImageField()) {
      Text = F->DisplayText();
      AddDataImage(c, ARow, 0, haCenter, vaCenter);
    } else if (F->DataType() == ftWideString && Item->ShowUnicode()) {
      Text = foundation::WideToMarkedText(F->AsWideString());
    } else {
      Text = F->DisplayText();
    }
  }
}

// --- quick configuration ---------------------------------------------------------------------------

void TRERorAzaz::AddAllFields() {
  if (!DataSource()) {
    ShowMessage(L"Cannot add fields. No datasource assigned");
    return;
  }
  if (!LinkedDataSet()) {
    ShowMessage(L"Cannot add fields. No dataset specified for datasource");
    return;
  }
  TDataSet* D = LinkedDataSet();
  const Integer First = FirstFieldColumn();
  const Integer Names = D->FieldCount();
  if (Names > 0)
    while (First + Names < FColumnCollection->Count() && FColumnCollection->Count() > First)
      delete FColumnCollection->Items(FColumnCollection->Count() - 1);
  for (Integer i = 0; i < Names; ++i) {
    TDBGridColumnItem* Item =
        First + i < FColumnCollection->Count() ? FColumnCollection->Items(First + i) : FColumnCollection->Add();
    Item->SetFieldName(D->Fields()[i]->FieldName());
    if (!FPageMode) Item->SetHeader(D->Fields()[i]->FieldName());
  }
  FColumnCollection->SetOrganization();
}

void TRERorAzaz::RemoveAllFields() {
  if (Designing() && !FColumnCollection->HasFieldsDefined()) ShowMessage(L"No fields specified");
  for (Integer i = 0; i < FColumnCollection->Count(); ++i) {
    TDBGridColumnItem* Item = FColumnCollection->Items(i);
    if (Item->Header() == Item->FieldName()) Item->SetHeader(L"");
    Item->SetFieldName(L"");
  }
}

void TRERorAzaz::RemoveAllColumns() {
  for (Integer i = 0; i < FColumnCollection->Count(); ++i) {
    FColumnCollection->Items(i)->SetFieldName(L"");
    FColumnCollection->Items(i)->SetHeader(L"");
  }
  const Integer Keep = FixedColAlways() ? 1 : 2;
  while (FColumnCollection->Count() > Keep) delete FColumnCollection->Items(FColumnCollection->Count() - 1);
  Clear();
  SetRowCount(5);
  if (FixedColAlways()) SetColCount(FixedCols());
}

// --- column positions ------------------------------------------------------------------------------

void TRERorAzaz::SaveColumnPositions(const String& Key, const String& Section) {
  TIniFile Ini(Key);
  for (Integer i = 0; i < FColumnCollection->Count(); ++i)
    Ini.WriteInteger(Section, L"CP" + IntToStr(i), FColumnCollection->Items(i)->DefIdx());
  Ini.UpdateFile();
}

void TRERorAzaz::LoadColumnPositions(const String& Key, const String& Section) {
  TIniFile Ini(Key);
  const Integer Count = FColumnCollection->Count();
  std::vector<Integer> Positions(Count);
  for (Integer i = 0; i < Count; ++i) {
    Positions[i] = Ini.ReadInteger(Section, L"CP" + IntToStr(i), -1);
    // An incomplete or damaged record leaves the order as it is.
    if (Positions[i] < 0 || Positions[i] >= Count) return;
  }
  // Each column must have one place; a place named twice would leave two
  // columns fighting over it forever.
  std::vector<bool> Taken(Count, false);
  for (Integer Position : Positions) {
    if (Taken[Position]) return;
    Taken[Position] = true;
  }
  ResetColumnOrder();
  for (Integer i = 0; i < Count; ++i) FColumnCollection->Items(Positions[i])->SetDefIdx(i);
  UnHideColumnsAll();
  FColumnCollection->ResetOrganization();
  for (Integer i = 0; i < Count; ++i) FColumnCollection->Items(i)->SetDefIdx(Positions[i]);
}

}  // namespace jorv::grid
