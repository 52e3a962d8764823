// The grid drop-down's pop-up: opening it with the drop-down's settings
// applied to the hosted grid, the keys and choices inside it, closing it,
// and the look presets.
#include "dropdown/DropDownForm.h"
#include "grid/components/ExGridDropDown.h"
#include "platform/rtl/Math.h"

namespace jorv::grid {

void TCustomExGridDropDown::CreateDropDownForm() {
  TExCustomDropDown::CreateDropDownForm();
  if (!FDropDownForm || FGrid) return;
  FGrid = new TExColGrid(this);
  FGrid->SetParent(FDropDownForm);
  FGrid->SetDropDown(this);
  FGrid->SetBounds(0, 0, FGrid->Width(), 180);
  FGrid->SetColor(DropDownColor());
  FGrid->SetDoubleBuffered(true);
  FGrid->Navigation()->SetHomeEndKey(heFirstLastRow);
}

void TCustomExGridDropDown::PlaceDropDownControl() {
  if (FGrid) SetControl(FGrid);
  TExCustomDropDown::PlaceDropDownControl();
}

void TCustomExGridDropDown::ConnectGridEvents() {
  TExColGrid* G = FGrid;
  G->OnSelectCell = nullptr;
  G->OnSelect = [this](TObject*) { GridSelect(); };
  G->OnCheckBoxClick = [this](TObject* Sender, Integer ACol, Integer ARow, bool State) {
    if (OnGridCheckBoxClick) OnGridCheckBoxClick(Sender, ACol, ARow, State);
  };
  G->OnGetAlignment = [this](TObject* Sender, Integer ARow, Integer ACol, TAlignment& HAlign, TVAlignment& VAlign) {
    if (ACol >= 0 && ACol < FColumns->Count()) HAlign = FColumns->Items(ACol)->Alignment();
    if (OnGridGetAlignment) OnGridGetAlignment(Sender, ARow, ACol, HAlign, VAlign);
  };
  G->OnGetCellColor = [this](TObject* Sender, Integer ARow, Integer ACol, TGridDrawState AState, TBrush* ABrush,
                             TFont* AFont) {
    if (ACol >= 0 && ACol < FColumns->Count() && ARow >= FGrid->FixedRows()) {
      ABrush->SetColor(FColumns->Items(ACol)->Color());
      AFont->Assign(FColumns->Items(ACol)->Font());
    }
    if (OnGridGetCellColor) OnGridGetCellColor(Sender, ARow, ACol, AState, ABrush, AFont);
  };
  // A handler that shows a window of its own must not close the pop-up
  // by taking its activation.
  auto Blocked = [this](auto&& Call) {
    FDropDownForm->SetBlockActivate(true);
    Call();
    FDropDownForm->SetBlockActivate(false);
  };
  G->OnButtonClick = [this, Blocked](TObject* Sender, Integer ACol, Integer ARow) {
    if (OnGridButtonClick) Blocked([&] { OnGridButtonClick(Sender, ACol, ARow); });
  };
  G->OnAnchorClick = [this, Blocked](TObject* Sender, Integer ARow, Integer ACol, const String& Anchor,
                                     bool& AutoHandle) {
    if (OnGridAnchorClick) Blocked([&] { OnGridAnchorClick(Sender, ARow, ACol, Anchor, AutoHandle); });
  };
  G->OnEllipsClick = [this, Blocked](TObject* Sender, Integer ACol, Integer ARow, String& S) {
    if (OnGridEllipsClick) Blocked([&] { OnGridEllipsClick(Sender, ACol, ARow, S); });
  };
  G->SearchFooter()->Assign(FSearchFooter.get());
  // Assigning tells no one: the hosted grid shows the strip as assigned.
  G->UpdateSearchFooter();
  G->MouseActions()->Assign(FMouseActions.get());
  G->Navigation()->Assign(FNavigation.get());
  G->Bands()->Assign(FBands.get());
  TGridOptions O = G->Options();
  O.Include(goThumbTracking);
  FRowSelect ? O.Include(goRowSelect) : O.Exclude(goRowSelect);
  FGridEditable ? O.Include(goEditing) : O.Exclude(goEditing);
  G->SetOptions(O);
  G->SetGridImages(FGridImages);
  G->OnCanSort = [this](TObject*, Integer, bool&) { FTempItemIndex = FItemIndex; };
  G->OnClickSort = [this](TObject*, Integer) {
    const Integer ARow = ItemIndexToRow(FTempItemIndex);
    if (ARow >= FGrid->FixedRows() && ARow < FGrid->RowCount()) FGrid->SetRow(ARow);
  };
  G->OnSelectCell = [this](TObject*, Integer ACol, Integer ARow, bool&) { GridSelectCell(ACol, ARow); };
  G->SetComponentStyle(GetComponentStyle());
}

void TCustomExGridDropDown::DoBeforeDropDown() {
  FDropDownForm->SetCancelOnDeActivate(false);
  if (FGrid) {
    FGrid->ApplyDropDownSettings(this);
    FGrid->SetColor(DropDownColor());
    TSortSettings* Sort = FGrid->SortSettings();
    Sort->SetShow(FSorting != gsNone);
    Sort->SetIndexShow(FSorting == gsMultiColumn);
    ConnectGridEvents();
  }
  if (FUseItems) {
    TExCustomDropDown::DoBeforeDropDown();
    if (FGrid) {
      FGrid->SetRowCount(FItems->Count() + 1);
      FGrid->SetFixedRows(1);
      FGrid->FillFromItems();
      const Integer ARow = ItemIndexToRow(FItemIndex);
      if (ARow >= FGrid->FixedRows() && ARow < FGrid->RowCount()) FGrid->SetRow(ARow);
    }
  } else if (FGrid) {
    const TLookupMatch Match = FindLookupRow(Text());
    const Integer ARow = Match.Found ? Match.Index : FGrid->FixedRows();
    if (ARow < FGrid->RowCount()) FGrid->SetRow(ARow);
  }
  if (FGrid && FGrid->SortSettings()->Column() >= 0 && FGrid->SortSettings()->Show()) FGrid->QSort();
  FOldItemIndex = FItemIndex;
  if (!FUseItems) TExCustomDropDown::DoBeforeDropDown();
}

void TCustomExGridDropDown::SizeDropDownForm() {
  TExCustomDropDown::SizeDropDownForm();
  if (!FDropDownAutoWidth || !FDropDownForm || !FGrid) return;
  const Integer Width = FGrid->GetTotalColWidth();
  FGrid->SetAlign(alNone);
  FGrid->SetWidth(Width);
  FDropDownForm->SetWidth(FGrid->Width() + 2 * DropDownBorderWidth());
  FGrid->SetAlign(alClient);
}

// The pop-up shows whole rows only.
void TCustomExGridDropDown::AdjustDropDownHeight(Integer& Height) {
  Integer Bands = 0;
  if (DropDownHeader()->Visible()) Bands += DropDownHeader()->Height();
  if (DropDownFooter()->Visible()) Bands += DropDownFooter()->Height();
  const Integer Room = Height - Bands - FHeaderHeight - 2;
  // A row height of 0 or less would divide by zero: one pixel rows then.
  const Integer RowHeight = Max(1, FDropDownRowHeight);
  Height = Bands + FHeaderHeight + (Room / RowHeight) * RowHeight + 6;
}

void TCustomExGridDropDown::DoShowDropDown() {
  TExCustomDropDown::DoShowDropDown();
  if (!FGrid) return;
  if (!FUseItems)
    while (FColumns->Count() < FGrid->ColCount()) FColumns->Add();
  if (DroppedDown()) SizeColumnsToDropDown();
  const Integer Visible = FGrid->VisibleRowCount();
  const Integer Current = FGrid->Row();
  if (Visible + FGrid->FixedRows() < FGrid->RowCount()) {
    if (Current >= FGrid->TopRow() + Visible) FGrid->SetTopRow(Current);
    if (Current < FGrid->TopRow()) FGrid->SetTopRow(Current);
    if (FGrid->SearchFooter()->Visible() && Current > FGrid->TopRow() + Visible - 2)
      FGrid->SetTopRow(FGrid->TopRow() + 2);
  }
  FSelRow = Max(FSelRow, FGrid->FixedRows());
  FGrid->SetTabStop(true);
  if (DroppedDown() && FGrid->CanFocus()) FGrid->SetFocus();
}

// Spreads the pop-up's width over the columns in proportion to their
// widths, handing the rounding remainders on so that nothing is lost.
void TCustomExGridDropDown::SizeColumnsToDropDown() {
  if (!FColumnSizeWithDropDown || !FGrid || !FDropDownForm) return;
  FGrid->SetScrollBars(ssVertical);
  if (FColumns->Count() == 0) return;
  Integer Total = 1;
  for (Integer Index = 0; Index < FColumns->Count(); ++Index) Total += FColumns->Items(Index)->Width();
  Integer Room = FDropDownForm->Width();
  if (FGrid->VisibleRowCount() < FGrid->RowCount() - FGrid->FixedRows()) Room -= GetSystemMetrics(SM_CXVSCROLL);
  const double Factor = double(Room) / double(Total);
  double Carried = 0;
  for (Integer Index = 0; Index < FGrid->ColCount() && Index < FColumns->Count(); ++Index) {
    const double Exact = Factor * FColumns->Items(Index)->Width();
    Integer Width = Round(Exact);
    Carried += Exact - Width;
    if (Carried > 1) {
      ++Width;
      Carried -= 1;
    }
    FGrid->SetColWidths(Index, Width);
  }
}

void TCustomExGridDropDown::DropDownFormSizing() {
  TExCustomDropDown::DropDownFormSizing();
  SizeColumnsToDropDown();
}

// --- inside the open pop-up ----------------------------------------------------------------------

namespace {

bool IsGridNavigationKey(Word Key) {
  return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_UP || Key == VK_DOWN;
}

}  // namespace

void TCustomExGridDropDown::DropDownControlKeyDown(Word& Key, TShiftState Shift) {
  if (!IsGridNavigationKey(Key) || Shift.Contains(ssAlt)) TExCustomDropDown::DropDownControlKeyDown(Key, Shift);
  if (OnGridKeyDown) OnGridKeyDown(this, Key, Shift);
}

void TCustomExGridDropDown::DropDownControlKeyUp(Word& Key, TShiftState Shift) {
  if (IsGridNavigationKey(Key) && !Shift.Contains(ssAlt))
    FLookupEntry.clear();
  else
    TExCustomDropDown::DropDownControlKeyUp(Key, Shift);
  if (OnGridKeyUp) OnGridKeyUp(this, Key, Shift);
}

void TCustomExGridDropDown::DropDownControlKeyPress(Char& Key) {
  const bool Alt = GetKeyState(VK_MENU) < 0;
  if (!FGrid) return;
  if (((Key == VK_RETURN || Key == VK_ESCAPE) && !Alt) || FGrid->Options().Contains(goEditing)) {
    FLookupEntry.clear();
  } else {
    Integer ARow = LookupKey(Key);
    if (FLookupMethod == lmLookup && FUseItems && ARow >= 0) ARow += FGrid->FixedRows();
    if (ARow < FGrid->FixedRows() || ARow >= FGrid->RowCount()) {
      FLookupEntry.clear();
    } else {
      if (FGrid->VisibleRowCount() + FGrid->FixedRows() < FGrid->RowCount()) FGrid->SetTopRow(ARow);
      FGrid->SetRow(ARow);
      FGrid->SetCol(0);
      FGrid->RepaintRow(ARow);
    }
  }
  if (OnGridKeyPress) OnGridKeyPress(this, Key);
}

void TCustomExGridDropDown::GridSelectCell(Integer ACol, Integer ARow) {
  FNodeCell = false;
  if (ACol == 0 && FGrid->IsNode(ARow)) {
    FNodeCell = true;
    return;
  }
  FSelRow = ARow;
  if (FUseItems) {
    SetItemIndex(RowToItemIndex(ARow));
  } else {
    SetText(FGrid->GetCells(FLookupColumn, ARow));
    SetItemIndex(ARow - FGrid->FixedRows());
  }
}

void TCustomExGridDropDown::GridSelect() {
  if (FNodeCell) return;
  if (FGrid->ConfirmSelection())
    SetItemIndex(FUseItems ? RowToItemIndex(FGrid->Row()) : FGrid->Row() - FGrid->FixedRows());
  if (!FGridEditable) DoHideDropDown(false);
  if (OnSelect) OnSelect(this);
}

void TCustomExGridDropDown::DoWheelDown() {
  TExCustomDropDown::DoWheelDown();
  SelectNextItem();
}

void TCustomExGridDropDown::DoWheelUp() {
  TExCustomDropDown::DoWheelUp();
  SelectPreviousItem();
}

// --- closing -------------------------------------------------------------------------------------------

void TCustomExGridDropDown::DoHideDropDown(bool Cancel) {
  if (FDropDownForm && FDropDownForm->Visible() && FGrid) {
    if (Cancel) {
      SetItemIndex(FOldItemIndex);
    } else if (FGrid->ConfirmSelection()) {
      SetItemIndex(FUseItems ? RowToItemIndex(FSelRow) : FSelRow - FGrid->FixedRows());
      FOldItemIndex = FItemIndex;
      FGrid->SetConfirmSelection(false);
    }
  }
  TExCustomDropDown::DoHideDropDown(Cancel);
}

// --- looks ---------------------------------------------------------------------------------------------

void TCustomExGridDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  SetGridSelectionLines(Value, FLineColor, FFixedLineColor);
  TExCustomDropDown::SetSelectionColorStyle(Value);
}

// Unlike the multi-column drop-down, the Office 2010 looks leave this one's
// grid colours as they are.
void STDMETHODCALLTYPE TCustomExGridDropDown::SetComponentStyle(TZVQStyle AStyle) {
  TExCustomDropDown::SetComponentStyle(AStyle);
  ApplyGridLook(AStyle, false,
                {FHeaderColor, FHeaderColorTo, *FHeaderFont, FLineColor, FFixedLineColor, FSelectionTextColor});
}

}  // namespace jorv::grid
