// Check boxes, tri-state boxes, radio buttons and radio groups in cells:
// their state lives in the graphic (plain and tri-state boxes, radio
// buttons), in the cell text (data check boxes) or in the row selection
// (the row check box of column 0).
#include "grid/base/GridUndo.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/HiddenRowStore.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/Strings.h"

namespace jorv::grid {

namespace {

TCellVAlign PlacementOf(TVAlignment V) {
  switch (V) {
    case vtaCenter: return vaCenter;
    case vtaBottom: return vaBottom;
    default: return vaTop;
  }
}

bool IsDataKind(TCellType Kind) { return Kind == ctDataCheckBox || Kind == ctVirtCheckBox; }

}  // namespace

// --- where a state lives -------------------------------------------------------------------------

namespace {

// The graphic of a cell by its real row: a hidden row keeps its property
// objects in its item; a shown row answers from its display cell.
TCellGraphic* GraphicByRealRow(TRezIvevirAvod& Grid, Integer ACol, Integer ARealRow) {
  if (ACol < 0 || ARealRow < 0) return nullptr;
  if (TGridItem* Item = Grid.FindHiddenRowCells(ARealRow)) {
    auto* Props = dynamic_cast<TCellProperties*>(Item->Items().Object(ACol));
    return Props ? dynamic_cast<TCellGraphic*>(Props->GraphicObject()) : nullptr;
  }
  return Grid.GetCellGraphic(ACol, Grid.RealToDisplRow(ARealRow));
}

// Cells outside the grid take no control, and say so in the words the
// control operations have always used.
void CheckControlCell(TRezIvevirAvod& Grid, Integer ACol, Integer ARow) {
  if (ACol < 0 || ARow < 0 || ACol >= Grid.AllColCount() || ARow >= Grid.RowCount())
    throw Exception(L"Invalid cell");
}

}  // namespace

// --- check boxes ---------------------------------------------------------------------------------

void TRezIvevirAvod::AddCheckBox(Integer ACol, Integer ARow, bool State, bool Data) {
  CheckControlCell(*this, ACol, ARow);
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return;
  G->SetCheckBox(State, Data, true, haBeforeText, PlacementOf(FVAlignment));
  if (!Data) return;
  const String Text = GetCells(ACol, ARow);
  if (Text != FCheckTrue && Text != FCheckFalse) SetCells(ACol, ARow, State ? FCheckTrue : FCheckFalse);
}

void TRezIvevirAvod::AddCheckBox(Integer ACol, Integer ARow, TCheckBoxState State) {
  CheckControlCell(*this, ACol, ARow);
  if (TCellGraphic* G = CreateCellGraphic(ACol, ARow))
    G->SetCheckBox(State, true, haBeforeText, PlacementOf(FVAlignment));
}

void TRezIvevirAvod::AddCheckBoxColumn(Integer ACol, bool DefaultState, bool DataCheckBox) {
  const Integer First = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
  for (Integer r = First; r < RowCount() - FFixedFooters; ++r) {
    if (IsSummary(r)) continue;
    if (IsNode(r))
      AddCheckBox(ACol, r, BoolToCheckBoxState(DefaultState));
    else
      AddCheckBox(ACol, r, DefaultState, DataCheckBox);
  }
}

void TRezIvevirAvod::AddTriStateCheckBoxColumn(Integer ACol, TCheckBoxState State) {
  const Integer First = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
  for (Integer r = First; r < RowCount(); ++r) AddCheckBox(ACol, r, State);
}

void TRezIvevirAvod::RemoveCheckBoxColumn(Integer ACol) {
  const Integer First = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
  for (Integer r = First; r < RowCount(); ++r)
    if (HasCheckBox(ACol, r)) RemoveCheckBox(ACol, r);
}

void TRezIvevirAvod::RemoveCheckBox(Integer ACol, Integer ARow) {
  const TCellType Kind = GetCellType(ACol, ARow);
  if (Kind != ctCheckBox && Kind != ctDataCheckBox && Kind != ctTriStateCheckBox) return;
  GetCellGraphic(ACol, ARow)->ReleaseBitmapSlot();
  RemoveCellGraphic(ACol, ARow);
}

bool TRezIvevirAvod::IsDataCheckBoxColumn(Integer ACol) {
  const Integer F = FixedRows();
  return F + 1 < RowCount() && HasDataCheckBox(ACol, F) && HasDataCheckBox(ACol, F + 1);
}

bool TRezIvevirAvod::IsInCheckBox(Integer ACol, Integer ARow, Integer XPos, Integer YPos) {
  const TCellType Kind = GetCellType(ACol, ARow);
  if (Kind != ctCheckBox && Kind != ctDataCheckBox && Kind != ctVirtCheckBox && Kind != ctRowCheckBox &&
      Kind != ctRadioButton && Kind != ctTriStateCheckBox)
    return false;
  if (!FMouseActions->PreciseCheckBoxCheck()) return true;
  const TRect R = CellRect(RealToDisplCol(ACol), ARow);
  const Integer S = FControlLook->CheckSize();
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  const TCellVAlign VA = G ? G->CellVAlign() : vaTop;
  Integer Top = R.Top + 2;
  if (VA == vaBottom) Top = R.Bottom - S - 2;
  if (VA == vaCenter) Top = R.Top + (R.Bottom - R.Top - S) / 2;
  TAlignment HA = ExistingProps(ACol, ARow) ? ExistingProps(ACol, ARow)->Alignment() : FDefaultAlignment;
  TVAlignment Unused = FVAlignment;
  DoGetAlignment(ACol, ARow, HA, Unused);
  Integer Left = R.Left + 2;
  if (HA == taRightJustify) {
    Left = R.Right - S - 2;
    const String Text = GetCells(ACol, ARow);
    if (!Text.empty()) {
      TBitmap Spare(1, 1);
      TCanvas* C = HandleAllocated() ? Canvas() : Spare.Canvas();
      C->Font()->Assign(Font());
      Left -= C->TextWidth(Text);
    }
  } else if (HA == taCenter) {
    Left = R.Left + (R.Right - R.Left - S) / 2;
  }
  return XPos >= Left && XPos < Left + S && YPos >= Top && YPos < Top + S;
}

// Tri-state boxes answer the Boolean question too: checked is true, grayed
// and unchecked are false.
bool TRezIvevirAvod::GetCheckBoxState(Integer ACol, Integer ARow, bool& State) {
  String T;
  GetCellCheckTrue(ACol, ARow, T);
  const bool Hidden = NumHiddenRows() > 0;
  TCellGraphic* G = Hidden ? GraphicByRealRow(*this, ACol, ARow) : GetCellGraphic(ACol, ARow);
  if (!G) {
    if (!Hidden) return false;
    // A real row without properties: the display cell at that index.
    G = GetCellGraphic(ACol, ARow);
    if (!G || !IsDataKind(G->CellType())) return false;
    State = GetCells(ACol, ARow) == T;
    return true;
  }
  switch (G->CellType()) {
    case ctCheckBox: State = G->CellBoolean(); return true;
    case ctTriStateCheckBox: State = G->CellCheckBoxState() == cbChecked; return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: State = (Hidden ? GetAllCells(ACol, ARow) : GetCells(ACol, ARow)) == T; return true;
    default: return false;
  }
}

bool TRezIvevirAvod::GetCheckBoxState(Integer ACol, Integer ARow, TCheckBoxState& State) {
  TCellGraphic* G = NumHiddenRows() > 0 ? GraphicByRealRow(*this, ACol, ARow) : GetCellGraphic(ACol, ARow);
  if (!G && NumHiddenRows() > 0) G = GetCellGraphic(ACol, ARow);
  if (G && G->CellType() == ctTriStateCheckBox) {
    State = G->CellCheckBoxState();
    return true;
  }
  bool Checked = false;
  if (!GetCheckBoxState(ACol, ARow, Checked)) return false;
  State = BoolToCheckBoxState(Checked);
  return true;
}

bool TRezIvevirAvod::IsChecked(Integer ACol, Integer ARow) {
  bool State = false;
  return GetCheckBoxState(ACol, ARow, State) && State;
}

bool TRezIvevirAvod::SetCheckBoxState(Integer ACol, Integer ARow, bool State) {
  TCellGraphic* G = NumHiddenRows() > 0 ? GraphicByRealRow(*this, ACol, ARow) : GetCellGraphic(ACol, ARow);
  if (!G && NumHiddenRows() > 0) G = GetCellGraphic(ACol, ARow);
  if (!G) return false;
  switch (G->CellType()) {
    case ctCheckBox: G->SetCellBoolean(State); break;
    case ctTriStateCheckBox: G->SetCellCheckBoxState(BoolToCheckBoxState(State)); break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      String Text;
      if (State)
        GetCellCheckTrue(ACol, ARow, Text);
      else
        GetCellCheckFalse(ACol, ARow, Text);
      SetAllCells(ACol, ARow, Text);
      return true;
    }
    default: return false;
  }
  if (!IsHiddenRow(ARow)) RepaintCell(RealToDisplCol(ACol), RealToDisplRow(ARow));
  return true;
}

bool TRezIvevirAvod::SetCheckBoxState(Integer ACol, Integer ARow, TCheckBoxState State) {
  TCellGraphic* G = NumHiddenRows() > 0 ? GraphicByRealRow(*this, ACol, ARow) : GetCellGraphic(ACol, ARow);
  if (!G && NumHiddenRows() > 0) G = GetCellGraphic(ACol, ARow);
  if (!G || G->CellType() != ctTriStateCheckBox) return false;
  G->SetCellCheckBoxState(State);
  if (!IsHiddenRow(ARow)) RepaintCell(RealToDisplCol(ACol), RealToDisplRow(ARow));
  return true;
}

void TRezIvevirAvod::CheckAll(Integer ACol) {
  for (Integer r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, true);
  if (FNumHidden > 0) InvalidateCol(RealToDisplCol(ACol));
}

void TRezIvevirAvod::UnCheckAll(Integer ACol) {
  for (Integer r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, false);
}

bool TRezIvevirAvod::ChangeCheckBoxState(Integer ACol, Integer ARow, bool State) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  if (NumHiddenRows() > 0) {
    if (TCellGraphic* Stored = GraphicByRealRow(*this, ACol, DisplToRealRow(ARow))) G = Stored;
  }
  if (!G) return false;
  switch (G->CellType()) {
    case ctCheckBox:
      if (G->CellBoolean() != State) {
        G->SetCellBoolean(State);
        DoCheckBoxChange(ACol, ARow, State);
        RepaintCell(RealToDisplCol(ACol), ARow);
      }
      return true;
    case ctTriStateCheckBox: G->SetCellCheckBoxState(BoolToCheckBoxState(State)); return false;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      String T, F;
      GetCellCheckTrue(ACol, ARow, T);
      GetCellCheckFalse(ACol, ARow, F);
      const bool Was = GetCells(ACol, ARow) == T;
      SetCells(ACol, ARow, State ? T : F);
      if (Was != State) DoCheckBoxChange(ACol, ARow, State);
      return true;
    }
    default: return false;
  }
}

void TRezIvevirAvod::DoCheckBoxChange(Integer ACol, Integer ARow, bool State) {
  if (OnCheckBoxChange) OnCheckBoxChange(this, ACol, ARow, State);
}

// --- toggling ------------------------------------------------------------------------------------

namespace {

// Tri-state boxes of node rows skip the grayed state, which only their
// children's mixed states give them.
TCheckBoxState NextTriState(TCheckBoxState State, bool NodeRow) {
  switch (State) {
    case cbUnchecked: return NodeRow ? cbChecked : cbGrayed;
    case cbChecked: return cbUnchecked;
    default: return cbChecked;
  }
}

}  // namespace

bool TRezIvevirAvod::ToggleCheckBoxEx(Integer ACol, Integer ARow, bool User) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  if (!G) return false;
  const TCellType Kind = G->CellType();
  if (Kind != ctCheckBox && !IsDataKind(Kind) && Kind != ctTriStateCheckBox) return false;
  const bool Grouped = FGrouping->AutoCheckGroup() && ARow >= FixedRows();
  const bool NodeRow = Grouped && IsNode(ARow);
  if (User && !FControlLook->CheckAlwaysActive()) {
    bool CanEdit = true;
    CanEditCell(ACol, ARow, CanEdit);
    if (!CanEdit) return false;
  }
  const String OldText = GetCells(ACol, ARow);
  bool NewState = false;
  if (Kind == ctCheckBox) {
    NewState = !G->CellBoolean();
    G->SetCellBoolean(NewState);
  } else if (Kind == ctTriStateCheckBox) {
    G->SetCellCheckBoxState(NextTriState(G->CellCheckBoxState(), NodeRow));
    NewState = G->CellCheckBoxState() == cbChecked;
  } else {
    String T, F;
    GetCellCheckTrue(ACol, ARow, T);
    GetCellCheckFalse(ACol, ARow, F);
    NewState = OldText != T;
    SetCells(ACol, ARow, NewState ? T : F);
  }
  RepaintCell(RealToDisplCol(ACol), ARow);
  DoCheckBoxChange(ACol, ARow, NewState);
  if (Grouped) FollowCheckGroup(ACol, ARow, NodeRow, NewState);
  // Only a state kept in the cell text can be given back by the undo list,
  // which writes texts; the other kinds would get a text they never had.
  if (FUndoRedo && IsDataKind(Kind)) FUndoRedo->RegisterChange(ACol, ARow, OldText, GetCells(ACol, ARow));
  return true;
}

void TRezIvevirAvod::FollowCheckGroup(Integer ACol, Integer ARow, bool NodeRow, bool NewState) {
  if (NodeRow) {
    const Integer Span = GetNodeSpan(ARow);
    const bool Collapsed = GetNodeState(ARow);
    for (Integer k = 1; k < Span; ++k)
      SetCheckBoxState(ACol, Collapsed ? DisplToRealRow(ARow) + k : DisplToRealRow(ARow + k), NewState);
    return;
  }
  const Integer Parent = GetParentRow(ARow);
  if (Parent < 0) return;
  const Integer Span = GetNodeSpan(Parent);
  bool First = false, Mixed = false;
  for (Integer r = Parent + 1; r < Parent + Span && r < RowCount(); ++r) {
    bool State = false;
    GetCheckBoxState(ACol, DisplToRealRow(r), State);
    if (r == Parent + 1)
      First = State;
    else if (State != First)
      Mixed = true;
  }
  SetCheckBoxState(ACol, DisplToRealRow(Parent), Mixed ? cbGrayed : BoolToCheckBoxState(First));
}

// --- radio buttons -------------------------------------------------------------------------------

void TRezIvevirAvod::AddRadioButton(Integer ACol, Integer ARow, bool State) {
  AddRadioButtonGroup(ACol, ARow, rgCol, State);
}

void TRezIvevirAvod::AddRadioButtonGroup(Integer ACol, Integer ARow, TRadioButtonGroup Group, bool State) {
  CheckControlCell(*this, ACol, ARow);
  if (TCellGraphic* G = CreateCellGraphic(ACol, ARow))
    G->SetRadioButton(State, true, haBeforeText, PlacementOf(FVAlignment), Group);
}

void TRezIvevirAvod::AddRadioButtonColumn(Integer ACol) {
  for (Integer r = FixedRows(); r < RowCount(); ++r) AddRadioButton(ACol, r, false);
}

void TRezIvevirAvod::AddRadioButtonGroupColumn(Integer ACol) {
  for (Integer r = FixedRows(); r < RowCount(); ++r) AddRadioButtonGroup(ACol, r, rgRow, false);
}

void TRezIvevirAvod::RemoveRadioButton(Integer ACol, Integer ARow) {
  if (GetCellType(ACol, ARow) != ctRadioButton) return;
  RemoveCellGraphic(ACol, ARow);
}

void TRezIvevirAvod::RemoveRadioButtonColumn(Integer ACol) {
  for (Integer r = FixedRows(); r < RowCount(); ++r)
    if (HasRadioButton(ACol, r)) RemoveRadioButton(ACol, r);
}

bool TRezIvevirAvod::HasRadioButtonGroup(Integer ACol, Integer ARow, TRadioButtonGroup Group) {
  if (!HasRadioButton(ACol, ARow)) return false;
  const TPoint B = BaseCell(ACol, ARow);
  return GetCellGraphic(B.X, B.Y)->CellAngle() == Group;
}

bool TRezIvevirAvod::IsRadioButtonChecked(Integer ACol, Integer ARow) {
  if (!HasRadioButton(ACol, ARow)) return false;
  const TPoint B = BaseCell(ACol, ARow);
  return GetCellGraphic(B.X, B.Y)->CellBoolean();
}

bool TRezIvevirAvod::SetRadioButtonState(Integer ACol, Integer ARow, bool State) {
  if (!HasRadioButton(ACol, ARow)) return false;
  const TPoint B = BaseCell(ACol, ARow);
  TCellGraphic* G = GetCellGraphic(B.X, B.Y);
  if (G->CellBoolean() != State) {
    G->SetCellBoolean(State);
    RepaintCell(RealToDisplCol(B.X), B.Y);
  }
  return true;
}

void TRezIvevirAvod::SetRadioButtonColumnIndex(Integer ACol, Integer Index) {
  for (Integer r = FixedRows(); r < RowCount(); ++r) SetRadioButtonState(ACol, r, r == Index);
}

Integer TRezIvevirAvod::GetRadioButtonColumnIndex(Integer ACol) {
  for (Integer r = FixedRows(); r < RowCount(); ++r)
    if (IsRadioButtonChecked(ACol, r)) return r;
  return -1;
}

bool TRezIvevirAvod::ToggleRadioButton(Integer ACol, Integer ARow, bool User) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  if (!G || G->CellType() != ctRadioButton) return false;
  if (User && !FControlLook->CheckAlwaysActive()) {
    bool CanEdit = true;
    CanEditCell(ACol, ARow, CanEdit);
    if (!CanEdit) return false;
  }
  if (G->CellBoolean()) return true;
  G->SetCellBoolean(true);
  RepaintCell(RealToDisplCol(ACol), ARow);
  // Each walk ends at the first cell that holds no radio button.
  auto Clear = [this](Integer C, Integer R) {
    TCellGraphic* Other = GetCellGraphic(C, R);
    if (!Other || Other->CellType() != ctRadioButton) return false;
    if (Other->CellBoolean()) {
      Other->SetCellBoolean(false);
      RepaintCell(RealToDisplCol(C), R);
    }
    return true;
  };
  if (G->CellAngle() == rgCol) {
    for (Integer r = ARow + 1; r < RowCount() && Clear(ACol, r); ++r) {}
    for (Integer r = ARow - 1; r >= 0 && Clear(ACol, r); --r) {}
  } else if (G->CellAngle() == rgRow) {
    for (Integer c = ACol + 1; c < ColCount() && Clear(c, ARow); ++c) {}
    for (Integer c = ACol - 1; c >= 0 && Clear(c, ARow); --c) {}
  }
  return true;
}

// --- radio groups --------------------------------------------------------------------------------

void TRezIvevirAvod::AddRadio(Integer ACol, Integer ARow, Integer DirRadio, Integer IdxRadio, TStrings* sl) {
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return;
  G->SetCellType(ctRadio);
  G->SetCellBitmap(sl);
  G->SetCellAngle(sl ? sl->Count() : 0);
  G->SetCellBoolean(DirRadio != 0);
  G->SetCellIndex(IdxRadio);
}

TStrings* TRezIvevirAvod::CreateRadio(Integer ACol, Integer ARow, Integer DirRadio, Integer IdxRadio) {
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return nullptr;
  auto* Items = new TStringList;
  G->SetCellType(ctRadio);
  G->SetCellBitmap(Items);
  G->SetCellCreated(true);
  G->SetCellAngle(0);
  G->SetCellBoolean(DirRadio != 0);
  G->SetCellIndex(IdxRadio);
  return Items;
}

bool TRezIvevirAvod::GetRadioIdx(Integer ACol, Integer ARow, Integer& IdxRadio) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  if (!G) return false;
  IdxRadio = G->CellIndex();
  return G->CellType() == ctRadio;
}

bool TRezIvevirAvod::SetRadioIdx(Integer ACol, Integer ARow, Integer IdxRadio) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  if (!G) return false;
  G->SetCellIndex(IdxRadio);
  if (IdxRadio == -1) SetCells(ACol, ARow, String());
  RepaintCell(RealToDisplCol(ACol), ARow);
  return G->CellType() == ctRadio;
}

TStrings* TRezIvevirAvod::GetRadioStrings(Integer ACol, Integer ARow) {
  if (!IsRadio(ACol, ARow)) return nullptr;
  const TPoint B = BaseCell(ACol, ARow);
  return GetCellGraphic(B.X, B.Y)->Strings();
}

void TRezIvevirAvod::SelectNextRadio(Integer ACol, Integer ARow, bool User) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  TStrings* Items = G && G->CellType() == ctRadio ? G->Strings() : nullptr;
  if (!Items || Items->Count() == 0) return;
  if (User && !FControlLook->RadioAlwaysActive()) {
    bool CanEdit = true;
    CanEditCell(ACol, ARow, CanEdit);
    if (!CanEdit) return;
  }
  Integer Next = G->CellIndex() >= 0 ? G->CellIndex() + 1 : Items->IndexOf(GetCells(ACol, ARow)) + 1;
  if (Next >= Items->Count()) Next = 0;
  if (G->CellIndex() >= -1) G->SetCellIndex(Next);
  G->SetCellVar(Next);
  SetCells(ACol, ARow, Items->Strings(Next));
}

}  // namespace jorv::grid
