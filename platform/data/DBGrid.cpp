#include "platform/data/DBGrid.h"
#include <algorithm>
#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"
#include "platform/data/Field.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/InplaceEdit.h"
#include "platform/ui/Messages.h"

namespace jorv {

namespace {

constexpr Integer IndicatorWidth = 12;
constexpr const wchar_t* SDeleteRecordQuestion = L"Delete record?";

// Width of Text in Font, measured on the screen so that it works before
// the grid has a window.
Integer ScreenTextWidth(TFont* Font, const String& Text) {
  HDC DC = GetDC(nullptr);
  HGDIOBJ Old = SelectObject(DC, Font->Handle());
  SIZE S{};
  GetTextExtentPoint32W(DC, Text.c_str(), static_cast<int>(Text.size()), &S);
  SelectObject(DC, Old);
  ReleaseDC(nullptr, DC);
  return S.cx;
}

}  // namespace

// ---------------------------------------------------------------- the link

class TDBGrid::TGridDataLink : public TDataLink {
 public:
  explicit TGridDataLink(TDBGrid* AGrid) : FGrid(AGrid) { FVisualControl = true; }
  // The grid going away hears nothing more.
  void Detach() { FGrid = nullptr; }

 protected:
  void ActiveChanged() override {
    if (FGrid) FGrid->LinkActive();
  }
  void DataSetChanged() override {
    if (FGrid) FGrid->DataChanged();
  }
  void DataSetScrolled(Integer Distance) override {
    if (FGrid) FGrid->Scrolled(Distance);
  }
  void EditingChanged() override {
    if (FGrid) FGrid->EditingChanged();
  }
  void LayoutChanged() override {
    if (!FGrid) return;
    FGrid->BuildDefaultColumns();
    FGrid->LayoutChanged();
    FGrid->DataChanged();
  }
  void RecordChanged(TField* Field) override {
    if (FGrid) FGrid->RecordChanged(Field);
  }
  void UpdateData() override {
    if (FGrid) FGrid->UpdateData();
  }
  void CheckBrowseMode() override {
    if (FGrid) FGrid->FlushEditor();
  }
  void FocusControl(TField** Field) override {
    if (FGrid && Field && *Field && FGrid->FocusField(*Field)) *Field = nullptr;
  }

 private:
  TDBGrid* FGrid;
};

// ---------------------------------------------------------------- columns

String TColumnTitle::Caption() const {
  if (FCaptionSet) return FCaption;
  if (TField* F = FColumn->Field()) return F->DisplayLabel();
  return FColumn->FieldName();
}

void TColumnTitle::SetCaption(const String& Value) {
  if (FCaptionSet && FCaption == Value) return;
  FCaption = Value;
  FCaptionSet = true;
  FColumn->Changed(false);
}

void TColumnTitle::RestoreDefaults() {
  FCaption.clear();
  FCaptionSet = false;
  FColumn->Changed(false);
}

void TColumnTitle::Assign(TPersistent* Source) {
  if (auto* T = dynamic_cast<TColumnTitle*>(Source)) {
    FCaption = T->FCaption;
    FCaptionSet = T->FCaptionSet;
    FColumn->Changed(false);
    return;
  }
  TPersistent::Assign(Source);
}

TPersistent* TColumnTitle::GetOwner() const { return FColumn; }

TColumn::TColumn(TCollection* Collection) : TCollectionItem(Collection) {}

TColumn::~TColumn() = default;

TDBGrid* TColumn::Grid() const {
  auto* C = dynamic_cast<TDBGridColumns*>(Collection());
  return C ? C->Grid() : nullptr;
}

TField* TColumn::Field() const {
  TDBGrid* G = Grid();
  if (!G || FFieldName.empty()) return nullptr;
  TDataSet* DS = G->FDataLink->DataSet();
  return DS && DS->Active() ? DS->FindField(FFieldName) : nullptr;
}

void TColumn::SetFieldName(const String& Value) {
  if (FFieldName == Value) return;
  FFieldName = Value;
  Changed(false);
}

Integer TColumn::Width() const {
  if (FWidth >= 0) return FWidth;
  TDBGrid* G = Grid();
  return G ? G->DefaultColumnWidth(this) : 64;
}

void TColumn::SetWidth(Integer Value) {
  if (Value < 0) Value = 0;
  if (FWidth == Value) return;
  FWidth = Value;
  Changed(false);
}

void TColumn::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  Changed(false);
}

void TColumn::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  FReadOnly = Value;
  Changed(false);
}

void TColumn::Assign(TPersistent* Source) {
  if (auto* C = dynamic_cast<TColumn*>(Source)) {
    FFieldName = C->FFieldName;
    FWidth = C->FWidth;
    FVisible = C->FVisible;
    FReadOnly = C->FReadOnly;
    FTitle->Assign(C->FTitle.get());
    Changed(false);
    return;
  }
  TCollectionItem::Assign(Source);
}

String TColumn::GetDisplayName() const { return FFieldName.empty() ? TCollectionItem::GetDisplayName() : FFieldName; }

TDBGridColumns::TDBGridColumns(TDBGrid* AGrid) : TCollection(CollectionItemClass<TColumn>()), FGrid(AGrid) {}

TPersistent* TDBGridColumns::GetOwner() const { return FGrid; }

void TDBGridColumns::Update(TCollectionItem*) { FGrid->LayoutChanged(); }

void TDBGridColumns::Notify(TCollectionItem*, TCollectionNotification Action) {
  // A column the application adds makes the set its own: it stays when the
  // data set closes.
  if (Action == cnAdded && FGrid->FLayoutLock == 0) FGrid->FDefaultColumns = false;
}

// ---------------------------------------------------------------- the grid

TDBGrid::TDBGrid(TComponent* AOwner)
    : TCustomGrid(AOwner),
      FDataLink(std::make_unique<TGridDataLink>(this)),
      FColumns(std::make_unique<TDBGridColumns>(this)) {
  // The vertical bar follows the data set, not the rows on screen (which
  // always fit); the grid keeps it itself.
  SetScrollBars(ssHorizontal);
  SetDefaultRowHeight(18);
  ApplyGridOptions();
  LayoutChanged();
}

TDBGrid::~TDBGrid() {
  FDataLink->Detach();
  FDataLink->SetDataSource(nullptr);
}

TDataSource* TDBGrid::DataSource() const { return FDataLink->DataSource(); }

void TDBGrid::SetDataSource(TDataSource* Value) {
  if (Value == DataSource()) return;
  if (DataSource()) RemoveFreeNotification(DataSource());
  FDataLink->SetDataSource(Value);
  if (Value) FreeNotification(Value);
  LinkActive();
}

TDataLink* TDBGrid::DataLink() const { return FDataLink.get(); }

void TDBGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomGrid::Notification(AComponent, Operation);
  if (Operation == opRemove && FDataLink && AComponent == FDataLink->DataSource()) SetDataSource(nullptr);
}

void TDBGrid::SetOptions(TDBGridOptions Value) {
  if (Value == FOptions) return;
  FOptions = Value;
  if (!FOptions.Contains(dgMultiSelect)) ClearRowSelection();
  ApplyGridOptions();
  LayoutChanged();
  UpdateRows();
  SyncRow();
  InvalidateGrid();
}

void TDBGrid::ApplyGridOptions() {
  TGridOptions O;
  if (FOptions.Contains(dgColLines)) O += TGridOptions{goFixedVertLine, goVertLine};
  if (FOptions.Contains(dgRowLines)) O += TGridOptions{goFixedHorzLine, goHorzLine};
  if (FOptions.Contains(dgColumnResize)) O += goColSizing;
  if (FOptions.Contains(dgEditing)) O += goEditing;
  if (FOptions.Contains(dgTabs)) O += goTabs;
  if (FOptions.Contains(dgRowSelect)) O += goRowSelect;
  TCustomGrid::SetOptions(O);
}

void TDBGrid::CreateParams(TCreateParams& Params) {
  TCustomGrid::CreateParams(Params);
  Params.Style |= WS_VSCROLL;
}

void TDBGrid::CreateWnd() {
  TCustomGrid::CreateWnd();
  UpdateRows();
  SyncRow();
  UpdateScrollBar();
}

void TDBGrid::Resize() {
  TCustomGrid::Resize();
  UpdateRows();
  SyncRow();
  UpdateScrollBar();
}

// --- columns -----------------------------------------------------------------

Integer TDBGrid::DefaultColumnWidth(const TColumn* Column) {
  TField* F = Column->Field();
  if (!F) return DefaultColWidth();
  Integer Text = F->DisplayWidth() * ScreenTextWidth(Font(), L"0");
  Integer Title = ScreenTextWidth(Font(), Column->Title()->Caption());
  return std::max(Text, Title) + 4;
}

void TDBGrid::BuildDefaultColumns() {
  TDataSet* DS = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  bool Want = DS && (FDefaultColumns || FColumns->Count() == 0);
  if (!Want && !FDefaultColumns) return;
  ++FLayoutLock;
  FColumns->BeginUpdate();
  FColumns->Clear();
  if (Want) {
    for (TField* F : DS->Fields())
      if (F->Visible()) FColumns->Add()->FFieldName = F->FieldName();
  }
  FColumns->EndUpdate();
  FDefaultColumns = Want;
  --FLayoutLock;
}

TColumn* TDBGrid::ColumnAt(Integer ACol) const {
  Integer I = ACol - (FOptions.Contains(dgIndicator) ? 1 : 0);
  if (I < 0) return nullptr;
  for (Integer K = 0; K < FColumns->Count(); ++K) {
    TColumn* C = FColumns->Items(K);
    if (!C->Visible()) continue;
    if (I-- == 0) return C;
  }
  return nullptr;
}

void TDBGrid::LayoutChanged() {
  if (FLayoutLock) return;
  ++FLayoutLock;
  {
    auto Restore = ScopeExit([&] { --FLayoutLock; });
    std::vector<TColumn*> Shown;
    for (Integer K = 0; K < FColumns->Count(); ++K)
      if (FColumns->Items(K)->Visible()) Shown.push_back(FColumns->Items(K));
    Integer Ind = IndicatorOffset();
    if (FixedCols() > Ind) SetFixedCols(Ind);
    SetColCount(Ind + std::max<Integer>(1, static_cast<Integer>(Shown.size())));
    SetFixedCols(Ind);
    if (Ind) SetColWidths(0, IndicatorWidth);
    for (size_t I = 0; I < Shown.size(); ++I) SetColWidths(Ind + static_cast<Integer>(I), Shown[I]->Width());
    if (Shown.empty()) SetColWidths(Ind, DefaultColWidth());
    Integer Titles = TitleOffset();
    if (RowCount() < Titles + 1) SetRowCount(Titles + 1);
    if (FixedRows() != Titles) SetFixedRows(Titles);
  }
  InvalidateGrid();
}

void TDBGrid::ColWidthsChanged() {
  // Widths the user drags become the columns' own.
  if (!FLayoutLock) {
    ++FLayoutLock;
    for (Integer C = IndicatorOffset(); C < ColCount(); ++C)
      if (TColumn* Col = ColumnAt(C); Col && GetColWidths(C) != Col->Width()) Col->FWidth = GetColWidths(C);
    --FLayoutLock;
  }
  TCustomGrid::ColWidthsChanged();
}

// --- rows and the link's window -------------------------------------------

Integer TDBGrid::DataRowsThatFit() {
  Integer H = HandleAllocated() ? ClientHeight() : Height() - 4;
  Integer Line = GridLineWidth();
  if (FOptions.Contains(dgTitles)) H -= GetRowHeights(0) + Line;
  return std::max(1, H / (DefaultRowHeight() + Line));
}

void TDBGrid::UpdateRows() {
  if (FLayoutLock) return;
  ++FLayoutLock;
  Integer Titles = TitleOffset();
  auto Restore = ScopeExit([&] { --FLayoutLock; });
  Integer Records = 1;
  if (FDataLink->Active()) {
    FDataLink->SetBufferCount(DataRowsThatFit());
    Records = std::max(1, FDataLink->RecordCount());
  }
  SetRowCount(Titles + Records);
  if (FixedRows() != Titles) SetFixedRows(Titles);
}

void TDBGrid::SyncRow() {
  if (RowCount() <= FixedRows()) return;
  Integer Target = FixedRows() + (FDataLink->Active() ? FDataLink->ActiveRecord() : 0);
  Target = std::min(Target, RowCount() - 1);
  if (TopRow() != FixedRows()) SetTopRow(FixedRows());
  if (Row() == Target) return;
  FInternalMove = true;
  auto Restore = ScopeExit([&] { FInternalMove = false; });
  MoveColRow(Col(), Target, true, false);
}

void TDBGrid::UpdateScrollBar() {
  if (!HandleAllocated()) return;
  SCROLLINFO SI{};
  SI.cbSize = sizeof(SI);
  SI.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  TDataSet* DS = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (DS && !DS->IsEmpty()) {
    Integer Count = DS->IsSequenced() ? DS->RecordCount() : 0;
    Integer No = DS->RecNo();
    if (Count > 0 && No > 0) {
      SI.nMax = Count - 1;
      SI.nPage = static_cast<UINT>(std::max(1, FDataLink->RecordCount()));
      SI.nPos = No - 1;
    } else {
      // Where the cursor is, when the data set cannot count its records.
      SI.nMax = 4;
      SI.nPos = DS->BOF() ? 0 : (DS->Eof() ? 4 : 2);
    }
  }
  SetScrollInfo(FHandle, SB_VERT, &SI, TRUE);
}

// --- link notices ------------------------------------------------------------

void TDBGrid::LinkActive() {
  ClearRowSelection();
  FEditModified = false;
  FSyncing = true;
  {
    auto Restore = ScopeExit([&] { FSyncing = false; });
    if (FEditorMode) HideEditor();
    BuildDefaultColumns();
    LayoutChanged();
    UpdateRows();
    SyncRow();
  }
  UpdateScrollBar();
  InvalidateGrid();
}

void TDBGrid::DataChanged() {
  FSyncing = true;
  {
    auto Restore = ScopeExit([&] { FSyncing = false; });
    if (FEditorMode) HideEditor();
    UpdateRows();
    SyncRow();
  }
  FEditModified = false;
  UpdateScrollBar();
  InvalidateGrid();
}

void TDBGrid::Scrolled(Integer Distance) {
  FSyncing = true;
  {
    auto Restore = ScopeExit([&] { FSyncing = false; });
    // The editor showed the record that was left.
    if (FEditorMode) HideEditor();
    UpdateRows();
    SyncRow();
  }
  FEditModified = false;
  UpdateScrollBar();
  if (Distance != 0) InvalidateGrid();
  else if (IndicatorOffset()) InvalidateCol(0);
}

void TDBGrid::EditingChanged() {
  if (IndicatorOffset()) InvalidateCell(0, Row());
}

void TDBGrid::RecordChanged(TField*) {
  InvalidateRow(Row());
  // A value changed elsewhere shows in an editor the user has not typed in.
  if (FEditorMode && !FEditModified && !FInCanEditModify && !FSyncing) InvalidateEditor();
}

void TDBGrid::FlushEditor() {
  // The record is about to be written or left: what the editor holds goes
  // with it.
  if (FEditorMode && !FSyncing) UpdateText();
}

void TDBGrid::UpdateData() {
  if (!FEditModified) return;
  FEditModified = false;
  TColumn* C = ColumnAt(FEditCol);
  TField* F = C ? C->Field() : nullptr;
  if (!F) return;
  {
    // Kept, so that the user can correct it.
    auto Undo = ScopeExit([&] { FEditModified = true; });
    F->SetText(FEditText);
    Undo.Dismiss();
  }
}

bool TDBGrid::FocusField(TField* Field) {
  for (Integer C = IndicatorOffset(); C < ColCount(); ++C) {
    TColumn* Col = ColumnAt(C);
    if (!Col || Col->Field() != Field) continue;
    if (CanFocus()) SetFocus();
    if (!FOptions.Contains(dgRowSelect) && C != this->Col()) MoveColRow(C, Row(), true, true);
    return true;
  }
  return false;
}

// --- painting ----------------------------------------------------------------

bool TDBGrid::RowSelected(Integer ARow) {
  if (FSelectedRows.empty() || !FDataLink->Active()) return false;
  Integer Old = FDataLink->ActiveRecord();
  FDataLink->SetActiveRecord(ARow - FixedRows());
  bool Found = false;
  {
    auto Restore = ScopeExit([&] { FDataLink->SetActiveRecord(Old); });
    TBookmark B = FDataLink->DataSet()->GetBookmark();
    Found = std::find(FSelectedRows.begin(), FSelectedRows.end(), B) != FSelectedRows.end();
  }
  return Found;
}

void TDBGrid::DrawIndicator(const TRect& R) {
  TCanvas* C = Canvas();
  TDataSetState S = FDataLink->DataSet()->State();
  Integer X = R.Left + (R.Width() - 7) / 2, Y = R.Top + (R.Height() - 10) / 2;
  C->Pen()->SetColor(clBlack);
  C->Pen()->SetWidth(1);
  C->Brush()->SetColor(clBlack);
  C->Brush()->SetStyle(bsSolid);
  auto Line = [&](Integer X1, Integer Y1, Integer X2, Integer Y2) {
    C->MoveTo(X + X1, Y + Y1);
    C->LineTo(X + X2, Y + Y2);
  };
  if (S == dsEdit) {
    // An I-beam: a doubled stem with serifs top and bottom.
    Line(3, 1, 3, 9);
    Line(4, 1, 4, 9);
    Line(1, 0, 3, 0);
    Line(5, 0, 7, 0);
    Line(1, 9, 3, 9);
    Line(5, 9, 7, 9);
  } else if (S == dsInsert) {
    Line(0, 5, 7, 5);
    Line(1, 2, 6, 8);
    Line(1, 8, 6, 2);
  } else {
    C->Polygon({TPoint(X + 1, Y), TPoint(X + 1, Y + 10), TPoint(X + 6, Y + 5)});
  }
}

void TDBGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {
  TCanvas* C = Canvas();
  Integer Ind = IndicatorOffset();
  bool Active = FDataLink->Active();
  if (ARow < FixedRows()) {
    if (ACol < Ind) return;
    TColumn* Col = ColumnAt(ACol);
    if (!Col) return;
    C->Brush()->SetStyle(bsClear);
    C->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Col->Title()->Caption());
    C->Brush()->SetStyle(bsSolid);
    return;
  }
  Integer Buffer = ARow - FixedRows();
  if (ACol < Ind) {
    if (Active && Buffer == FDataLink->ActiveRecord() && Buffer < FDataLink->RecordCount()) DrawIndicator(ARect);
    return;
  }
  bool Focused = IsActiveControl();
  bool Picked = Active && FOptions.Contains(dgMultiSelect) && RowSelected(ARow);
  if (Picked) {
    C->Brush()->SetColor(clHighlight);
    C->Font()->SetColor(clHighlightText);
    C->FillRect(ARect);
  } else if (AState.Contains(gdSelected) && !Focused && !FOptions.Contains(dgAlwaysShowSelection)) {
    // Without dgAlwaysShowSelection the selection only shows while the
    // grid has the focus.
    C->Brush()->SetColor(Color());
    C->Font()->SetColor(Font()->Color());
    C->FillRect(ARect);
  }
  if (!Active || Buffer >= FDataLink->RecordCount()) return;
  TColumn* Col = ColumnAt(ACol);
  TField* F = Col ? Col->Field() : nullptr;
  if (!F) return;
  Integer Old = FDataLink->ActiveRecord();
  String Text;
  TAlignment Align = F->Alignment();
  FDataLink->SetActiveRecord(Buffer);
  {
    auto Restore = ScopeExit([&] { FDataLink->SetActiveRecord(Old); });
    Text = F->DisplayText();
  }
  Integer X = ARect.Left + 2;
  if (Align != taLeftJustify) {
    Integer W = C->TextWidth(Text);
    X = Align == taRightJustify ? ARect.Right - 3 - W : ARect.Left + (ARect.Width() - W) / 2;
  }
  C->Brush()->SetStyle(bsClear);
  C->TextRect(ARect, X, ARect.Top + 2, Text);
  C->Brush()->SetStyle(bsSolid);
}

// --- moving ------------------------------------------------------------------

void TDBGrid::MoveData(Integer Distance) {
  if (!FDataLink->Active() || Distance == 0) return;
  FDataLink->MoveBy(Distance);
}

bool TDBGrid::SelectCell(Integer ACol, Integer ARow) {
  if (FInternalMove || !FDataLink->Active()) return true;
  if (ACol != Col() && FEditModified) {
    // Leaving a cell writes what was typed into it; a value the field
    // refuses keeps the user there.
    FlushEditor();
    FDataLink->UpdateRecord();
  }
  if (ARow == Row()) return true;
  if (FOptions.Contains(dgMultiSelect)) ClearRowSelection();
  Integer Wanted = ARow;
  MoveData(ARow - Row());
  Integer Now = FixedRows() + FDataLink->ActiveRecord();
  if (Now == Wanted) return true;
  // The data set ended elsewhere (an untouched insertion was dropped):
  // the grid stays with it, in the column asked for.
  if (ACol != Col()) {
    FInternalMove = true;
    auto Restore = ScopeExit([&] { FInternalMove = false; });
    MoveColRow(ACol, Row(), true, true);
  }
  return false;
}

bool TDBGrid::CanModifyData() const {
  TDataSet* DS = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  return DS && DS->CanModify() && !FDataLink->ReadOnly();
}

void TDBGrid::InsertRecord() {
  if (!CanModifyData()) return;
  FlushEditor();
  FDataLink->DataSet()->Insert();
}

void TDBGrid::DeleteRecord() {
  if (!CanModifyData()) return;
  TDataSet* DS = FDataLink->DataSet();
  if (DS->IsEmpty() && DS->State() != dsInsert) return;
  if (FOptions.Contains(dgConfirmDelete) &&
      MessageDlg(SDeleteRecordQuestion, mtConfirmation, mbOKCancel) != IDOK)
    return;
  if (FEditorMode) {
    FSyncing = true;
    HideEditor();
    FSyncing = false;
  }
  FEditModified = false;
  // An insertion not yet posted has nothing stored to delete.
  if (DS->State() == dsInsert) DS->Cancel();
  else DS->Delete();
}

void TDBGrid::ClearRowSelection() {
  if (FSelectedRows.empty()) return;
  FSelectedRows.clear();
  InvalidateGrid();
}

void TDBGrid::ToggleRowSelection() {
  TDataSet* DS = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (!DS || DS->IsEmpty() || DS->State() == dsInsert) return;
  TBookmark B = DS->GetBookmark();
  auto It = std::find(FSelectedRows.begin(), FSelectedRows.end(), B);
  if (It == FSelectedRows.end()) FSelectedRows.push_back(B);
  else FSelectedRows.erase(It);
  InvalidateRow(Row());
}

bool TDBGrid::IsRowSelected() const {
  TDataSet* DS = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (!DS || DS->IsEmpty() || DS->State() == dsInsert) return false;
  return std::find(FSelectedRows.begin(), FSelectedRows.end(), DS->GetBookmark()) != FSelectedRows.end();
}

bool TDBGrid::IsDataKey(Word Key, TShiftState Shift) const {
  bool Ctrl = Shift.Contains(ssCtrl), ShiftKey = Shift.Contains(ssShift);
  TDataSet* DS = FDataLink->DataSet();
  switch (Key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: return true;
    case VK_HOME: case VK_END: return Ctrl || FOptions.Contains(dgRowSelect);
    case VK_INSERT: return !Ctrl && !ShiftKey;
    case VK_DELETE: return Ctrl;
    case VK_ESCAPE: return !FEditorMode && (DS->State() == dsEdit || DS->State() == dsInsert);
    case VK_TAB:
      return FOptions.Contains(dgTabs) && !FOptions.Contains(dgRowSelect) && !Shift.Contains(ssAlt);
    default: return false;
  }
}

void TDBGrid::KeyDown(Word& Key, TShiftState Shift) {
  if (!FDataLink->Active() || !IsDataKey(Key, Shift)) {
    bool Escape = Key == VK_ESCAPE && FEditorMode;
    TCustomGrid::KeyDown(Key, Shift);
    // The editor gave back the text it opened with.
    if (Escape) FEditModified = false;
    return;
  }
  TCustomControl::KeyDown(Key, Shift);  // OnKeyDown may take the key
  if (Key == 0) return;
  bool ShiftKey = Shift.Contains(ssShift);
  bool Multi = FOptions.Contains(dgMultiSelect);
  TDataSet* DS = FDataLink->DataSet();
  auto Move = [&](Integer Distance) {
    if (Multi && ShiftKey) {
      // Extending the pick: the record left and the one reached join it.
      if (!IsRowSelected()) ToggleRowSelection();
      MoveData(Distance);
      if (!IsRowSelected()) ToggleRowSelection();
    } else {
      if (Multi) ClearRowSelection();
      MoveData(Distance);
    }
  };
  Integer Page = std::max(1, FDataLink->BufferCount());
  switch (Key) {
    case VK_UP: Move(-1); break;
    case VK_DOWN: Move(1); break;
    case VK_PRIOR: Move(-Page); break;
    case VK_NEXT: Move(Page); break;
    case VK_HOME:
    case VK_END:
      if (Multi) ClearRowSelection();
      if (Key == VK_HOME) DS->First();
      else DS->Last();
      break;
    case VK_INSERT: InsertRecord(); break;
    case VK_DELETE: DeleteRecord(); break;
    case VK_ESCAPE: DS->Cancel(); break;
    case VK_TAB: {
      // Tab runs through the columns and on into the next record; at the
      // last record's last column it stays.
      Integer First = IndicatorOffset(), Last = ColCount() - 1;
      if (Multi) ClearRowSelection();
      if (!ShiftKey && Col() < Last) {
        MoveColRow(Col() + 1, Row(), true, true);
      } else if (ShiftKey && Col() > First) {
        MoveColRow(Col() - 1, Row(), true, true);
      } else if (!ShiftKey && !DS->Eof()) {
        MoveData(1);
        MoveColRow(First, Row(), true, true);
      } else if (ShiftKey && !DS->BOF()) {
        MoveData(-1);
        MoveColRow(Last, Row(), true, true);
      }
      break;
    }
  }
  Key = 0;
}

void TDBGrid::KeyPress(Char& Key) {
  if (Key == L'\r' && FEditorMode && FDataLink->Active()) {
    // Enter writes the cell before the editor closes.
    FlushEditor();
    if (FEditModified) FDataLink->UpdateRecord();
  }
  if (Key == L' ' && FOptions.Contains(dgMultiSelect) && GetKeyState(VK_CONTROL) < 0 && !FEditorMode) {
    ToggleRowSelection();
    Key = 0;
    return;
  }
  TCustomGrid::KeyPress(Key);
}

void TDBGrid::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TGridCoord Cell = MouseCoord(X, Y);
  bool DataRow = FDataLink->Active() && Cell.Y >= FixedRows() && Cell.X >= 0;
  if (Button == mbLeft && DataRow && FOptions.Contains(dgMultiSelect) && Shift.Contains(ssCtrl) &&
      !Shift.Contains(ssDouble)) {
    if (CanFocus() && !IsActiveControl()) SetFocus();
    if (Cell.Y != Row()) MoveData(Cell.Y - Row());
    if (FixedRows() + FDataLink->ActiveRecord() == Cell.Y) ToggleRowSelection();
    TCustomControl::MouseDown(Button, Shift, X, Y);
    return;
  }
  if (Button == mbLeft && DataRow && Cell.X < FixedCols() && !Shift.Contains(ssDouble)) {
    // A click on the indicator picks the record.
    if (CanFocus() && !IsActiveControl()) SetFocus();
    if (FOptions.Contains(dgMultiSelect)) ClearRowSelection();
    if (Cell.Y != Row()) MoveData(Cell.Y - Row());
  }
  TCustomGrid::MouseDown(Button, Shift, X, Y);
}

bool TDBGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (!FDataLink->Active()) return TCustomGrid::DoMouseWheelDown(Shift, MousePos);
  if (!TCustomControl::DoMouseWheelDown(Shift, MousePos)) MoveData(1);
  return true;
}

bool TDBGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (!FDataLink->Active()) return TCustomGrid::DoMouseWheelUp(Shift, MousePos);
  if (!TCustomControl::DoMouseWheelUp(Shift, MousePos)) MoveData(-1);
  return true;
}

void TDBGrid::ScrollBarMessage(Word Code) {
  TDataSet* DS = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (!DS) return;
  Integer Page = std::max(1, FDataLink->BufferCount());
  switch (Code) {
    case SB_LINEUP: MoveData(-1); break;
    case SB_LINEDOWN: MoveData(1); break;
    case SB_PAGEUP: MoveData(-Page); break;
    case SB_PAGEDOWN: MoveData(Page); break;
    case SB_TOP: DS->First(); break;
    case SB_BOTTOM: DS->Last(); break;
    case SB_THUMBPOSITION: {
      SCROLLINFO SI{};
      SI.cbSize = sizeof(SI);
      SI.fMask = SIF_ALL;
      GetScrollInfo(FHandle, SB_VERT, &SI);
      if (SI.nMax == 4 && !(DS->IsSequenced() && DS->RecNo() > 0)) {
        if (SI.nTrackPos <= 0) DS->First();
        else if (SI.nTrackPos >= 4) DS->Last();
      } else {
        DS->SetRecNo(SI.nTrackPos + 1);
      }
      break;
    }
    default: break;
  }
  UpdateScrollBar();
}

void TDBGrid::DoExit() {
  TCustomGrid::DoExit();
  TDataSet* DS = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (!DS) return;
  if (FOptions.Contains(dgCancelOnExit) && DS->State() == dsInsert && !DS->Modified() && !FEditModified) {
    DS->Cancel();
    return;
  }
  if (FEditModified) FDataLink->UpdateRecord();
}

void TDBGrid::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case WM_VSCROLL:
      // The grid's own bar, not a child scroll bar control.
      if (const auto& Scroll = MsgAs<TWMVScroll>(M); !Scroll.ScrollBar) {
        ScrollBarMessage(Scroll.ScrollCode);
        M.Result = 0;
        return;
      }
      break;
    case CM_GETDATALINK:
      M.Result = reinterpret_cast<LRESULT>(static_cast<TDataLink*>(FDataLink.get()));
      return;
    case CM_FONTCHANGED:
      TCustomGrid::Dispatch(M);
      LayoutChanged();
      UpdateRows();
      SyncRow();
      return;
  }
  TCustomGrid::Dispatch(M);
}

// --- the editor --------------------------------------------------------------

bool TDBGrid::CanEditShow() {
  if (!TCustomGrid::CanEditShow() || !CanModifyData()) return false;
  TColumn* C = ColumnAt(Col());
  TField* F = C ? C->Field() : nullptr;
  return F && !C->ReadOnly() && F->CanModify();
}

bool TDBGrid::CanEditModify() {
  if (!FOptions.Contains(dgEditing) || !CanModifyData()) return false;
  TColumn* C = ColumnAt(Col());
  TField* F = C ? C->Field() : nullptr;
  if (!F || C->ReadOnly() || !F->CanModify()) return false;
  FInCanEditModify = true;
  bool Editing = false;
  {
    auto Restore = ScopeExit([&] { FInCanEditModify = false; });
    Editing = FDataLink->Edit();
  }
  return Editing;
}

bool TDBGrid::CanEditAcceptKey(Char Key) {
  TColumn* C = ColumnAt(Col());
  TField* F = C ? C->Field() : nullptr;
  return !F || F->IsValidChar(Key);
}

String TDBGrid::GetEditText(Integer ACol, Integer) {
  TColumn* C = ColumnAt(ACol);
  TField* F = C ? C->Field() : nullptr;
  return F ? F->Text() : String();
}

void TDBGrid::SetEditText(Integer ACol, Integer ARow, const String& Value) {
  // While the grid follows the data set the editor is being put away for a
  // record that is already gone; its text belongs to no field any more.
  if (FSyncing || !FDataLink->Active() || ARow != Row()) return;
  TColumn* C = ColumnAt(ACol);
  TField* F = C ? C->Field() : nullptr;
  if (!F) return;
  FEditText = Value;
  FEditCol = ACol;
  FEditModified = Value != F->Text();
}

Integer TDBGrid::GetEditLimit() {
  TColumn* C = ColumnAt(Col());
  TField* F = C ? C->Field() : nullptr;
  if (F && (F->DataType() == ftString || F->DataType() == ftWideString)) return F->Size();
  return 0;
}

}  // namespace jorv
