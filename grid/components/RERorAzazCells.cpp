// What a data cell shows, which editor it opens, and how an edited value
// reaches the field and the record is posted.
#include <algorithm>
#include "foundation/ValueUtils.h"
#include "grid/base/GrdComboBox.h"
#include "grid/base/GrdSpinEdit.h"
#include "grid/components/FlagScope.h"
#include "grid/components/RERorAzaz.h"
#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"
#include "platform/data/Field.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::grid {

namespace {

bool DataSetEditing(const TDataSet* D) { return D && (D->State() == dsEdit || D->State() == dsInsert); }

// The editor kind a field of this type edits with by default.
bool FieldTypeEditor(TFieldType Type, TEditorType& Editor) {
  switch (Type) {
    case ftString: case ftMemo: case ftFixedChar: case ftWideString: Editor = edNormal; return true;
    case ftSmallint: case ftInteger: case ftWord: case ftLargeint: Editor = edNumeric; return true;
    case ftFloat: case ftCurrency: Editor = edFloat; return true;
    case ftDate: Editor = edDateEdit; return true;
    case ftTime: Editor = edTimeEdit; return true;
    default: return false;
  }
}

}  // namespace

// --- which field a column shows --------------------------------------------------------------------

TField* TRERorAzaz::FieldOfColumn(Integer ARealCol) {
  TDBGridColumnItem* Item = ItemAt(ARealCol);
  if (!Item || !ActiveDataSet()) return nullptr;
  if (!Item->FieldName().empty()) return LinkedDataSet()->FindField(Item->FieldName());
  if (FAutoCreateColumns) return GetDBFieldAtColumn(ARealCol);
  return nullptr;
}

bool TRERorAzaz::ShownAsGraphic(TDBGridColumnItem* Item, TField* Field) const {
  if (Item && (Item->PictureField() || Item->CheckBoxField())) return true;
  if (!Field) return false;
  return (Field->DataType() == ftBoolean && FShowBooleanFields) || (Field->DataType() == ftGraphic && FShowPictureFields);
}

// --- cell texts ------------------------------------------------------------------------------------

void TRERorAzaz::GetDisplText(Integer ACol, Integer ARow, String& Value) {
  TDBGridColumnItem* Item = ItemAt(ACol);
  if (!FPageMode || !FDataLink || !HasDataSet() || !Item) {
    TRezIvevirAvod::GetDisplText(ACol, ARow, Value);
    return;
  }
  const bool Header = ARow == FixedRows() - 1;
  if (!ActiveDataSet()) {
    if (Header && !IsIndicatorColumn(ACol)) {
      if (!Item->Header().empty()) Value = Item->Header();
      else if (!Item->FieldName().empty()) Value = Item->FieldName();
    }
    TRezIvevirAvod::GetDisplText(ACol, ARow, Value);
    return;
  }
  if (IsIndicatorColumn(ACol) || ARow < FixedRows() - 1) return;
  if (FooterLastRowVisible() && ARow == RowCount() - 1) return;
  if (Header) {
    Value = HeaderText(ACol, Value);
    TRezIvevirAvod::GetDisplText(ACol, ARow, Value);
    return;
  }
  TField* Field = FieldOfColumn(ACol);
  if (ShownAsGraphic(Item, Field)) return;
  String Text = Value;
  const bool Read = ReadAtRow(ARow, [&] { Text = FieldText(ACol, ARow, Item, Field, Value); });
  if (!Read) {
    if (FDataSetType == dtNonSequenced) Value.clear();
    return;
  }
  Value = Text;
  TRezIvevirAvod::GetDisplText(ACol, ARow, Value);
}

String TRERorAzaz::HeaderText(Integer ACol, const String& Stored) {
  TDBGridColumnItem* Item = ItemAt(ACol);
  if (!Item->Header().empty()) return Item->Header();
  if (!Stored.empty()) return Stored;
  if (!Item->FieldName().empty()) {
    TField* F = LinkedDataSet()->FindField(Item->FieldName());
    return F && !F->DisplayLabel().empty() ? F->DisplayLabel() : Item->FieldName();
  }
  if (!FAutoCreateColumns) return Stored;
  TField* F = GetDBFieldAtColumn(ACol);
  return F ? F->DisplayName() : Stored;
}

// Reads the field of the record the link is on.
String TRERorAzaz::FieldText(Integer ACol, Integer ARow, TDBGridColumnItem* Item, TField* Field,
                              const String& Stored) {
  if (!Item->HTMLTemplate().empty()) return ExpandHTMLTemplate(ACol, ARow, Item);
  if (!Field) return Stored;
  if (Field->IsBlob()) {
    if (Field->DataType() == ftGraphic || Item->PictureField()) return L"(GRAPHIC)";
    if (!FShowMemoFields) return L"(MEMO)";
    return Field->OnGetText ? Field->DisplayText() : Field->AsString();
  }
  const bool Unicode = Item->FieldName().empty() ? FShowUnicode : Item->ShowUnicode();
  if (Field->DataType() == ftWideString && Unicode) return foundation::WideToMarkedText(Field->AsWideString());
  return Field->DisplayText();
}

// "<#name>" stands for the display text of the field of that name.
String TRERorAzaz::ExpandHTMLTemplate(Integer ACol, Integer ARow, TDBGridColumnItem* Item) {
  String Template = Item->HTMLTemplate();
  if (OnGetHTMLTemplate) OnGetHTMLTemplate(this, ACol, ARow, Template, &LinkedDataSet()->Fields());
  String Result;
  size_t From = 0;
  for (;;) {
    const size_t Start = Template.find(L"<#", From);
    if (Start == String::npos) break;
    const size_t End = Template.find(L'>', Start + 2);
    if (End == String::npos) break;
    Result += Template.substr(From, Start - From);
    const String Name = Template.substr(Start + 2, End - Start - 2);
    String Data;
    if (ActiveDataSet()) {
      TField* F = LinkedDataSet()->FieldByName(Name);
      if (F->IsBlob() && !FShowMemoFields) Data = L"(MEMO)";
      else if (F->IsBlob()) Data = F->OnGetText ? F->DisplayText() : F->AsString();
      else Data = F->DisplayText();
    }
    if (OnGetHTMLTemplateData) OnGetHTMLTemplateData(this, ACol, ARow, Name, Data);
    Result += Data;
    From = End + 1;
  }
  return Result + Template.substr(std::min(From, Template.size()));
}

void TRERorAzaz::GetStoredCell(Integer ACol, Integer ARow, String& Value) {
  if (!FPageMode || !HasDataSet()) {
    TRezIvevirAvod::GetStoredCell(ACol, ARow, Value);
    return;
  }
  Value = GetCells(ACol, ARow);
}

void TRERorAzaz::GetCurrentCell(String& Value) {
  TDataSet* D = LinkedDataSet();
  if (!ActiveDataSet() || DataSetEditing(D) || (FEditEnding && FDataSetType == dtNonSequenced && FEditPostMode == epCell)) {
    TRezIvevirAvod::GetCurrentCell(Value);
    return;
  }
  Value = GetCells(RealColIndex(Col()), Row());
}

bool TRERorAzaz::IsDataEditing() { return ActiveDataSet() && DataSetEditing(LinkedDataSet()); }

// --- editors ---------------------------------------------------------------------------------------

void TRERorAzaz::DoGetEditorType(Integer ACol, Integer ARow, TEditorType& AEditor) {
  TDBGridColumnItem* Item = ItemAt(ACol);
  if (!ActiveDataSet() || !FPageMode || !Item) {
    TRezIvevirAvod::DoGetEditorType(ACol, ARow, AEditor);
    return;
  }
  if (!LinkedDataSet()->CanModify()) {
    AEditor = edNone;
    return;
  }
  if (ACol < FixedCols() || ARow < FixedRows()) {
    TRezIvevirAvod::DoGetEditorType(ACol, ARow, AEditor);
    return;
  }
  const bool Defined = FColumnCollection->HasFieldsDefined();
  if (!Item->FieldName().empty() || !Defined) {
    TField* Field = FieldOfColumn(ACol);
    if (!Field) {
      TRezIvevirAvod::DoGetEditorType(ACol, ARow, AEditor);
      return;
    }
    TEditorType Default = edNormal;
    const bool HasDefault = FieldTypeEditor(Field->DataType(), Default);
    if (Field->ReadOnly() || Field->DataType() == ftAutoInc || Item->ReadOnly()) {
      AEditor = edNone;
      return;
    }
    if (Field->Lookup() && Item->UseLookupEditor()) AEditor = edComboList;
    else AEditor = Item->Editor() == edNormal && HasDefault ? Default : Item->Editor();
  } else {
    if (Item->ReadOnly()) {
      AEditor = edNone;
      return;
    }
    AEditor = Item->Editor();
  }
  SetEditLink(Item->EditLink());
  TRezIvevirAvod::DoGetEditorType(ACol, ARow, AEditor);
}

void TRERorAzaz::DoGetColumnEditorType(Integer ACol, Integer ARow, TEditorType& AEditor) {
  if (TDBGridColumnItem* Item = ItemAt(ACol)) AEditor = Item->Editor();
  TRezIvevirAvod::DoGetColumnEditorType(ACol, ARow, AEditor);
}

bool TRERorAzaz::HasNoCellEditor(Integer ACol, Integer ARow) {
  TDBGridColumnItem* Item = ItemAt(ACol);
  return Item && ARow >= FixedRows() && Item->FieldName().empty() && FColumnCollection->HasFieldsDefined() &&
         !Item->ReadOnly() && Item->Editor() == edNone;
}

bool TRERorAzaz::HasComboBox(Integer ACol, Integer ARow, TEditorType AEditor) {
  bool Result = TRezIvevirAvod::HasComboBox(ACol, ARow, edNone);
  TDBGridColumnItem* Item = ItemAt(ACol);
  if (Item && ARow >= FixedRows() && (Item->Editor() == edComboEdit || Item->Editor() == edComboList)) Result = true;
  (void)AEditor;
  return Result;
}

void TRERorAzaz::DoGetEditorProp(Integer ACol, Integer ARow, TEditLink* AEditLink) {
  if (!ActiveDataSet() || !LinkedDataSet()->CanModify()) return;
  TDBGridColumnItem* Item = ItemAt(ACol);
  if (!FPageMode || !Item || ACol < FixedCols() || ARow < FixedRows()) {
    TRezIvevirAvod::DoGetEditorProp(ACol, ARow, AEditLink);
    return;
  }
  if (Item->FieldName().empty() && FColumnCollection->HasFieldsDefined()) {
    if (!Item->ReadOnly()) TRezIvevirAvod::DoGetEditorProp(ACol, ARow, Item->EditLink());
    return;
  }
  TField* Field = FieldOfColumn(ACol);
  if (!Field) return;
  const bool Text = Field->DataType() == ftString || Field->DataType() == ftWideString;
  SetMaxEditLength(Text ? Field->Size() : 0);
  if (Field->ReadOnly() || Item->ReadOnly()) return;
  const bool Lookup = Field->Lookup() && Item->UseLookupEditor();
  if (Lookup && Combobox()) FillLookupList(Field, Combobox()->Items());
  // The record goes into edit state when the user changes the editor's
  // text (CanEditModify) or a changed value is written back, not when an
  // editor is prepared: the grid prepares its editor again after a record
  // was posted, and that must not start a new edit.
  if (Combobox() && !Lookup) Combobox()->Items()->Assign(Item->ComboItems());
  if (TGrdSpinEdit* Spin = SpinEdit()) {
    Spin->SetMinValue(Item->SpinMin());
    Spin->SetMaxValue(Item->SpinMax());
    Spin->SetIncrement(Item->SpinStep());
  }
  TRezIvevirAvod::DoGetEditorProp(ACol, ARow, Item->EditLink());
}

// The user changes the editor's text: the record goes into edit state.
bool TRERorAzaz::CanEditModify() {
  if (!TRezIvevirAvod::CanEditModify()) return false;
  TDBGridColumnItem* Item = ItemAt(RealColIndex(Col()));
  if (!ActiveDataSet() || !FPageMode || !Item) return true;
  if (Item->FieldName().empty() && FColumnCollection->HasFieldsDefined()) return true;
  if (!StartRecordEdit()) return false;
  FDataLink->Modified();
  return true;
}

bool TRERorAzaz::StartRecordEdit() {
  if (!FPageMode || !FDataLink->Active()) return false;
  FDataLink->Edit();
  return DataSetEditing(LinkedDataSet());
}

void TRERorAzaz::CanEditCell(Integer ACol, Integer ARow, bool& CanEdit) {
  TRezIvevirAvod::CanEditCell(ACol, ARow, CanEdit);
  if (FCancelEditReturn) CanEdit = false;
  if (ActiveDataSet() && !LinkedDataSet()->CanModify()) CanEdit = false;
  TDBGridColumnItem* Item = ItemAt(ACol);
  const bool Fixed = ACol < FixedCols() || ARow < FixedRows();
  if (!Item || (!Fixed && !Item->HTMLTemplate().empty()) || Item->Editor() == edNone) CanEdit = false;
  if (!CanEdit || !ActiveDataSet() || Fixed) return;
  if (!Item->FieldName().empty() || !FColumnCollection->HasFieldsDefined())
    if (TField* Field = FieldOfColumn(ACol)) CanEdit = !Field->ReadOnly() && Field->DataType() != ftAutoInc;
}

void TRERorAzaz::DoCanEditCell(Integer ACol, Integer ARow, bool& CanEdit) {
  TRezIvevirAvod::DoCanEditCell(ACol, ARow, CanEdit);
  if (TDBGridColumnItem* Item = ItemAt(ACol); Item && Item->ReadOnly()) CanEdit = false;
}

String TRERorAzaz::GetEditText(Integer ACol, Integer ARow) {
  String Text = TRezIvevirAvod::GetEditText(ACol, ARow);
  const Integer RC = RealColIndex(ACol);
  TDBGridColumnItem* Item = ItemAt(RC);
  if (!ActiveDataSet() || !FPageMode || !Item) return Text;
  TField* Field = FieldOfColumn(RC);
  if (ShownAsGraphic(Item, Field)) return Text;
  // A blob shows a placeholder; its editor takes the content itself.
  if (Field) ReadAtRow(ARow, [&] { Text = Field->IsBlob() ? Field->AsString() : Field->Text(); });
  if (OnGetEditText) OnGetEditText(this, RC, ARow, Text);
  return Text;
}

String TRERorAzaz::GetEditMask(Integer ACol, Integer ARow) {
  String Mask;
  const Integer RC = RealColIndex(ACol);
  if (TDBGridColumnItem* Item = ItemAt(RC); Item && RC >= FixedCols()) Mask = Item->EditMask();
  const String Asked = TRezIvevirAvod::GetEditMask(ACol, ARow);
  return Asked.empty() ? Mask : Asked;
}

// --- writing back ----------------------------------------------------------------------------------

void TRERorAzaz::GridCellValidate(Integer ACol, Integer ARow, String& Value, bool& Valid) {
  TDBGridColumnItem* Item = ItemAt(ACol);
  if (!FPageMode || !ActiveDataSet() || !Item) {
    if (OnCellValidate) OnCellValidate(this, ACol, ARow, Value, Valid);
    return;
  }
  if (Value.size() >= 2 && Value[0] == L'|' && Value[1] == L'\\') Value = foundation::MarkedTextToWide(Value);
  if (OnCellValidate) OnCellValidate(this, ACol, ARow, Value, Valid);
  TDataSet* D = LinkedDataSet();
  TField* Field = FieldOfColumn(ACol);
  // Outside an edit only a changed value of the current record is written:
  // after a cancel the row may stand for another record, which must not
  // take the text of the one that was dropped.
  bool Changed = false;
  if (Field && !DataSetEditing(D) && ARow == Row() && !FUpdateCancel && !FCancelEditReturn)
    ReadAtRow(ARow, [&] { Changed = Value != (Field->IsBlob() ? Field->AsString() : Field->Text()); });
  if (!(DataSetEditing(D) || FEditPostMode == epRow || Changed) || ShownAsGraphic(Item, Field) || !Valid) return;
  bool Post = true;
  if (FShouldNotPostChanges) {
    FShouldNotPostChanges = false;
    Post = !Value.empty();
  }
  if (FEditPostMode == epRow) {
    if (!Field) return;
    if (Value != FEditText && !Field->Lookup()) FEditText = Value;
    if (Value != FEditWideText && !Field->Lookup() && Field->DataType() == ftWideString) FEditWideText = Value;
    if (Field->Text() != Value && !FDataLink->IsModified() && DataSetEditing(D)) FDataLink->Modified();
    FDataLink->UpdateRecord();
    return;
  }
  if (Post && StartRecordEdit()) {
    try {
      WriteCellValue(Item, Field, Value, Valid);
    } catch (const Exception&) {
      Valid = false;
      return;
    }
  }
  if (Post) PostFromGrid();
}

void TRERorAzaz::WriteCellValue(TDBGridColumnItem* Item, TField* Field, String Value, bool& Valid) {
  (void)Valid;
  if (!Field) return;
  // A memo or picture cell showed its placeholder, not its content: the
  // placeholder must never overwrite what the field holds.
  if (Field->IsBlob() && (!FShowMemoFields || Field->DataType() == ftGraphic || Item->PictureField())) return;
  if (WriteComboValue(Item, Field)) return;
  if (Item->FieldName().empty()) {
    Field->SetAsString(Value);
    return;
  }
  if (Field->OnSetText) Field->SetText(Value);
  else Field->SetAsString(Value);
}

// Posts the record the cell write-back changed; a refusal of the data set
// drops the change rather than leaving the grid inside a broken edit.
void TRERorAzaz::PostFromGrid() {
  TDataSet* D = LinkedDataSet();
  TFlagScope Ending(FEditEnding, true);
  const bool WasEditingOption = Options().Contains(goEditing);
  {
    TFlagScope Returning(FCancelEditReturn, FCancelEditReturn || FDataSetType == dtSequenced);
    try {
      if (DataSetEditing(D)) D->Post();
    } catch (const EDatabaseError&) {
      FRecordChanged = false;
      D->Cancel();
    }
  }
  if (FNewRecord) {
    if (FRefreshOnInsert) D->Refresh();
    FNewRecord = false;
  }
  if (FDataSetType == dtNonSequenced && FNewAppendRecord) {
    if (TopRow() > FixedRows() + 1) SetTopRow(FixedRows() + 1);
    FNewAppendRecord = false;
  }
  if (FDataSetType == dtSequenced && WasEditingOption && !Options().Contains(goEditing))
    SetOptions(Options() + goEditing);
  if (!D->Filtered()) FEmptyDataSet = false;
  FKeyDownAppend = false;
}

// An editor closing over a record being posted does not open again, nor
// does one over a data set that cannot change.
bool TRERorAzaz::CanEditShow() {
  if (FEditEnding) return false;
  if (ActiveDataSet() && !LinkedDataSet()->CanModify()) return false;
  return TRezIvevirAvod::CanEditShow();
}

bool TRERorAzaz::ValidateCell(const String& NewValue) {
  const bool Result = TRezIvevirAvod::ValidateCell(NewValue);
  TDataSet* D = LinkedDataSet();
  if (FPageMode && ActiveDataSet() && D->State() == dsEdit && FEditPostMode == epCell &&
      !Navigation()->AdvanceOnEnter()) {
    TFlagScope Internal(FInternalCall, true);
    try {
      D->Post();
    } catch (const EDatabaseError&) {
      D->Cancel();
    }
  }
  return Result;
}

void TRERorAzaz::GridUpdateData() {
  TDataSet* D = LinkedDataSet();
  const Integer RC = RealColIndex(Col());
  TDBGridColumnItem* Item = ItemAt(RC);
  TField* Field = FieldOfColumn(RC);
  if (!Item || !Field || !DataSetEditing(D) || ShownAsGraphic(Item, Field)) return;
  if (Field->IsBlob()) {
    if (Field->DataType() != ftGraphic && FShowMemoFields) Field->SetAsString(FEditText);
    return;
  }
  if (WriteComboValue(Item, Field)) return;
  if (Field->DataType() == ftWideString) Field->SetAsWideString(FEditWideText.empty() ? FEditText : FEditWideText);
  else Field->SetText(FEditText);
}

bool TRERorAzaz::ToggleCheckBoxEx(Integer ACol, Integer ARow, bool User) {
  if (ARow != Row() && ARow >= FixedRows()) SetRow(ARow);
  const bool Inherited = TRezIvevirAvod::ToggleCheckBoxEx(ACol, ARow, User);
  TDBGridColumnItem* Item = ItemAt(ACol);
  TDataSet* D = LinkedDataSet();
  if (!FPageMode || !Item || !ActiveDataSet()) return Inherited;
  if (!(DataSource()->AutoEdit() || D->State() == dsEdit) || !D->CanModify()) return Inherited;
  TField* Field = FieldOfColumn(ACol);
  if (!Field || Field->ReadOnly() || Item->ReadOnly() || !Options().Contains(goEditing)) return Inherited;
  const bool WasEditingOption = Options().Contains(goEditing);
  {
    TFlagScope Internal(FInternalCall, true), Returning(FCancelEditReturn, true);
    if (!StartRecordEdit()) return Inherited;
    if (Field->DataType() == ftBoolean) {
      Field->SetAsBoolean(!Field->AsBoolean());
    } else if (Item->CheckBoxField() || Item->Editor() == edDataCheckBox) {
      const bool WasTrue = SameText(Field->AsString(), Item->CheckTrue());
      Field->SetAsString(WasTrue ? Item->CheckFalse() : Item->CheckTrue());
    }
    if (FEditPostMode == epCell) D->Post();
  }
  if (WasEditingOption && !Options().Contains(goEditing)) SetOptions(Options() + goEditing);
  Invalidate();
  return true;
}

void TRERorAzaz::GridCanSort(Integer ACol, bool& DoSort) {
  if (FPageMode && ActiveDataSet() && ItemAt(ACol) && OnCanSort) OnCanSort(this, ACol, DoSort);
}

// --- lookups and combo choices --------------------------------------------------------------------

// The lookup data set's result values with, beside them, the key values a
// choice writes back; both carry the running number of the item.
void TRERorAzaz::FillLookupList(TField* LookupField, TStrings* List) {
  TDataSet* Lookup = LookupField->LookupDataSet();
  if (!Lookup || !LinkedDataSet() || !Lookup->Active()) return;
  Lookup->DisableControls();
  auto Enable = ScopeExit([Lookup] { Lookup->EnableControls(); });
  Lookup->First();
  FLookupKeys->Clear();
  List->Clear();
  TField* Result = Lookup->FieldByName(LookupField->LookupResultField());
  TField* Key = Lookup->FieldByName(LookupField->LookupKeyFields());
  for (intptr_t Number = 1; !Lookup->Eof(); ++Number, Lookup->Next()) {
    List->AddObject(Result->AsString(), reinterpret_cast<TObject*>(Number));
    FLookupKeys->AddObject(Key->AsString(), reinterpret_cast<TObject*>(Number));
  }
}

String TRERorAzaz::LookupKeyFor(TObject* ItemObject) const {
  for (Integer i = 0; i < FLookupKeys->Count(); ++i)
    if (FLookupKeys->Objects(i) == ItemObject) return FLookupKeys->Strings(i);
  return String();
}

Integer TRERorAzaz::ChosenComboItem() const {
  TGrdComboBox* Combo = Combobox();
  if (!Combo || !Combo->HandleAllocated()) return -1;
  const Integer Index = Combo->ItemIndex();
  return Index >= 0 && Index < Combo->Items()->Count() ? Index : -1;
}

// A chosen lookup item writes its key into the key field; a chosen item of
// a combo list on an integer field writes its object or its text. Answers
// whether the choice was written.
bool TRERorAzaz::WriteComboValue(TDBGridColumnItem* Item, TField* Field) {
  const Integer Chosen = ChosenComboItem();
  if (Chosen < 0) return false;
  TObject* Object = Combobox()->Items()->Objects(Chosen);
  if (Field->Lookup()) {
    LinkedDataSet()->FieldByName(Field->KeyFields())->SetAsString(LookupKeyFor(Object));
    return true;
  }
  const TFieldType T = Field->DataType();
  if (Item->Editor() != edComboList || (T != ftSmallint && T != ftInteger && T != ftWord)) return false;
  if (Item->UseComboObjectValue()) Field->SetAsInteger(static_cast<Integer>(reinterpret_cast<intptr_t>(Object)));
  else Field->SetText(Combobox()->Items()->Strings(Chosen));
  return true;
}

// --- exports and imports walk the data set ---------------------------------------------------------

void TRERorAzaz::ExportNotification(TGridExportState State, Integer ARow) {
  if (!FPageMode || !ActiveDataSet()) return;
  TDataSet* D = LinkedDataSet();
  switch (State) {
    case esExportStart:
      FExporting = true;
      FSelExport = false;
      FOldIsEOF = D->Eof();
      FOldIsBOF = D->BOF();
      D->DisableControls();
      ++FMustEnableControls;
      BeginUpdate();
      FOldAR = FDataLink->ActiveRecord();
      FOldPosition = D->GetBookmark();
      FOldTopRow = TopRow();
      if (FDataSetType == dtNonSequenced && ARow >= 0) {
        FExportStartRow = ARow;
        D->First();
        if (ARow - FixedRows() > 0) D->MoveBy(ARow - FixedRows());
      }
      break;
    case esExportNewRow:
    case esExportSelRow:
      if (FDataSetType == dtSequenced) {
        PositionForExport(ARow);
        break;
      }
      if (State == esExportSelRow) FSelExport = true;
      FExportRow = ARow;
      if (FSelExport) {
        D->GotoBookmark(FOldPosition);
        if (ARow - Row() > 0) D->MoveBy(ARow - Row());
      } else {
        D->First();
        if (ARow - FixedRows() > 0) D->MoveBy(ARow - FixedRows());
      }
      break;
    case esExportNextRow:
      if (FDataSetType == dtSequenced) {
        PositionForExport(ARow);
        break;
      }
      FExportRow = ARow;
      if (ARow != FExportStartRow && ARow >= FixedRows()) D->Next();
      break;
    case esExportDone:
    case esExportFail: {
      FExporting = false;
      FExportRow = FExportStartRow = -1;
      FSelExport = false;
      if (!FOldPosition.empty()) {
        if (State == esExportDone && FOldTopRow >= 0) SetTopRow(FOldTopRow);
        D->GotoBookmark(FOldPosition);
        D->FreeBookmark(FOldPosition);
      }
      TFlagScope NoCount(FDoNotCountRow, true);
      for (; FMustEnableControls > 0; --FMustEnableControls) D->EnableControls();
      EndUpdate();
      break;
    }
  }
}

// The data set's controls are off while an export runs, so the grid's row
// cannot follow: the record of the row is made current and read as it is.
void TRERorAzaz::PositionForExport(Integer ARow) {
  FExportRow = -1;
  if (ARow < FixedRows() || ARow >= RowCount() - (FooterLastRowVisible() ? 1 : 0)) return;
  TDataSet* D = LinkedDataSet();
  D->SetRecNo(ARow - FixedRows() + 1);
  if (D->RecNo() == ARow - FixedRows() + 1) FExportRow = ARow;
}

void TRERorAzaz::ImportNotification(TGridImportState State, Integer ARow) {
  if (!FPageMode || !ActiveDataSet() || FDataSetType != dtNonSequenced) return;
  TDataSet* D = LinkedDataSet();
  switch (State) {
    case isImportStart:
      FSelImport = false;
      FSelRow = Row();
      FOldPosition = D->GetBookmark();
      break;
    case isImportDone: FSelImport = false; break;
    case isImportSelRow:
    case isImportNewRow:
      if (State == isImportSelRow) FSelImport = true;
      if (FSelImport) {
        D->GotoBookmark(FOldPosition);
        if (ARow - FSelRow > 0) D->MoveBy(ARow - FSelRow);
      } else {
        D->First();
        if (ARow - FixedRows() > 0) D->MoveBy(ARow - FixedRows());
      }
      break;
  }
}

}  // namespace jorv::grid
