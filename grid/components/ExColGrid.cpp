#include "grid/components/ExColGrid.h"
#include "dropdown/DropDownForm.h"
#include "grid/components/ExGridDropDown.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/Math.h"

namespace jorv::grid {

namespace {

// Cell objects of the pop-up's grid carry item indexes, not objects.
TObject* IndexObject(Integer Index) { return reinterpret_cast<TObject*>(static_cast<intptr_t>(Index)); }

Integer TextWidth(TCanvas* Canvas, const String& Text) {
  RECT Box{0, 0, 1000, 500};
  DrawTextW(Canvas->Handle(), Text.c_str(), static_cast<int>(Text.size()), &Box, DT_CALCRECT | DT_SINGLELINE);
  return Box.right - Box.left;
}

Integer WrappedHeight(TCanvas* Canvas, const String& Text, Integer Width) {
  RECT Box{0, 0, Width, 500};
  DrawTextW(Canvas->Handle(), Text.c_str(), static_cast<int>(Text.size()), &Box, DT_CALCRECT | DT_WORDBREAK);
  return Box.bottom;
}

}  // namespace

TExColGrid::TExColGrid(TComponent* AOwner)
    : TRezIvevirAvod(AOwner), FColumns(std::make_unique<TDropDownColumns>(this)) {
  SetFixedRowAlways(true);
  SetFixedRows(1);
  SetFixedCols(0);
  TGridOptions O = Options();
  O.Include(goHorzLine);
  O.Include(goRowSelect);
  O.Exclude(goRangeSelect);
  SetOptions(O);
  SetParentCtl3D(false);
  SetCtl3D(false);
  SetBorderStyle(bsNone);
}

TExColGrid::~TExColGrid() = default;

void TExColGrid::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
}

void TExColGrid::SetGridLineWidth(Integer Value) {
  FGridLineWidth = Value;
  TRezIvevirAvod::SetGridLineWidth(0);
  Invalidate();
}

void TExColGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TRezIvevirAvod::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages && !ComponentState().Contains(csDestroying)) FImages = nullptr;
}

void TExColGrid::DoSelect() {
  if (OnSelect) OnSelect(this);
}

// --- settings and rows from the drop-down -----------------------------------------------------

void TExColGrid::ApplyDropDownSettings(TCustomExGridDropDown* D) {
  if (!D) return;
  SetDropDown(D);
  FColumns->Assign(D->Columns());
  if (ColCount() < FColumns->Count()) SetColCount(FColumns->Count());
  if (D->UseItems()) SetRowCount(D->Items()->Count() + 1);
  for (Integer Index = 0; Index < FColumns->Count(); ++Index) SetColWidths(Index, FColumns->Items(Index)->Width());
  FLineColor = D->LineColor();
  FFixedLineColor = D->FixedLineColor();
  FHeaderColor = D->HeaderColor();
  FHeaderColorTo = D->HeaderColorTo();
  FHeaderHeight = D->HeaderHeight();
  FHeaderFont->Assign(D->HeaderFont());
  SetHoverRow(D->HoverRow());
  SetHoverRowColor(D->HoverRowColor());
  SetHoverRowColorTo(D->HoverRowColorTo());
  SetImages(D->Images());
  SetDefaultRowHeight(D->DropDownRowHeight());
  SetRowHeights(0, D->HeaderHeight());
  TGridOptions O = Options();
  auto Toggle = [&O](TGridOption Option, bool On) { On ? O.Include(Option) : O.Exclude(Option); };
  Toggle(goColSizing, D->ColumnSizing());
  Toggle(goColMoving, D->ColumnMoving());
  Toggle(goRowSizing, D->RowSizing());
  Toggle(goRowMoving, D->RowMoving());
  SetOptions(O);
  if (D->AutoSizeColumns()) {
    if (D->UseItems())
      AutoSizeDropDownColumns();
    else
      TRezIvevirAvod::AutoSizeColumns(true, 4);
  }
  SizeWordWrapRows();
}

void TExColGrid::FillFromItems() {
  if (!FExDropDown) return;
  TDropDownColumns* DropColumns = FExDropDown->Columns();
  const Integer Count = DropColumns->Count();
  if (Count > 0 && ColCount() != Count) SetColCount(Count);
  for (Integer Index = 0; Index < Count; ++Index) {
    SetCells(Index, 0, DropColumns->Items(Index)->Header());
    SetObjects(Index, 0, IndexObject(-1));
  }
  TDropDownItems* DropItems = FExDropDown->Items();
  if (DropItems->Count() > 0) SetRowCount(FixedRows() + DropItems->Count());
  for (Integer Item = 0; Item < DropItems->Count(); ++Item) {
    TDropDownItem* Entry = DropItems->Items(Item);
    for (Integer Index = 0; Index < Count; ++Index) SetCells(Index, Item + 1, Entry->TextOf(Index));
    SetObjects(0, Item + 1, IndexObject(Item));
  }
}

Integer TExColGrid::GetTotalColWidth() {
  Integer Width = 2 * BorderWidth();
  for (Integer Index = 0; Index < ColCount(); ++Index) Width += GetColWidths(Index);
  if (VisibleRowCount() + FixedRows() != RowCount()) Width += GetSystemMetrics(SM_CXVSCROLL);
  return Width;
}

TCanvas* TExColGrid::SizingCanvas() {
  auto* Form = dynamic_cast<TDropDownForm*>(Parent());
  return Form ? Form->Canvas() : nullptr;
}

TDropDownItem* TExColGrid::ItemOfRow(Integer ARow) {
  if (!FExDropDown) return nullptr;
  const Integer Index = ARow - 1;
  TDropDownItems* DropItems = FExDropDown->Items();
  return Index >= 0 && Index < DropItems->Count() ? DropItems->Items(Index) : nullptr;
}

String TExColGrid::SizingText(Integer Column, Integer ARow) {
  if (FExDropDown && !FExDropDown->UseItems()) return GetCells(Column, ARow);
  TDropDownItem* Item = ItemOfRow(ARow);
  return Item ? Item->TextOf(Column) : String();
}

void TExColGrid::AutoSizeDropDownColumns() {
  for (Integer Index = 0; Index < FColumns->Count(); ++Index)
    if (FColumns->Items(Index)->AutoSize()) AutoSizeDropDownColumn(Index);
}

void TExColGrid::AutoSizeDropDownColumn(Integer Index) {
  TCanvas* Canvas = SizingCanvas();
  if (Index < 0 || Index >= FColumns->Count() || !Canvas) return;
  TDropDownColumn* Column = FColumns->Items(Index);
  Canvas->Font()->Assign(Column->Font());
  Integer Widest = 0;
  for (Integer R = 1; R < RowCount(); ++R) {
    TDropDownItem* Item = ItemOfRow(R);
    const String Text = Item ? Item->TextOf(Index) : String();
    Integer Width = 0;
    if (Column->ColumnType() == ctImage && Item && Item->ImageIndex() >= 0 && FImages) Width = FImages->Width() + 4;
    if (!Text.empty()) Width += TextWidth(Canvas, Text) + 6;
    Widest = Max(Widest, Width);
  }
  Column->SetWidth(Widest);
  SetColWidths(Index, Widest);
}

void TExColGrid::SizeWordWrapRows() {
  bool AnyWrap = false;
  for (Integer Index = 0; Index < FColumns->Count(); ++Index) AnyWrap = AnyWrap || FColumns->Items(Index)->Wordwrap();
  TCanvas* Canvas = SizingCanvas();
  if (!AnyWrap || !Canvas) return;
  const bool Items = !FExDropDown || FExDropDown->UseItems();
  for (Integer R = FixedRows(); R < RowCount(); ++R) {
    Integer Height = 24;
    for (Integer C = 0; C < ColCount() && C < FColumns->Count(); ++C) {
      TDropDownColumn* Column = FColumns->Items(C);
      if (!Column->Wordwrap()) continue;
      const String Text = SizingText(C, R);
      TDropDownItem* Item = Items ? ItemOfRow(R) : nullptr;
      Integer Needed = 0;
      if (Column->ColumnType() == ctImage && Item && Item->ImageIndex() >= 0 && FImages)
        Needed = FImages->Height() + 6;
      if (!Text.empty()) {
        Canvas->Font()->Assign(Column->Font());
        Needed = Max(Needed, WrappedHeight(Canvas, Text, GetColWidths(C)) + 6);
      }
      Height = Max(Height, Needed);
    }
    SetRowHeights(R, Height);
  }
}

// --- keys, wheel and mouse ------------------------------------------------------------------------

bool TExColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  FConfirmSelection = false;
  return TRezIvevirAvod::DoMouseWheelDown(Shift, MousePos);
}

bool TExColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  FConfirmSelection = false;
  return TRezIvevirAvod::DoMouseWheelUp(Shift, MousePos);
}

void TExColGrid::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  FConfirmSelection = true;
  TRezIvevirAvod::MouseDown(Button, Shift, X, Y);
}

void TExColGrid::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TRezIvevirAvod::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const TGridCoord Cell = MouseCoord(X, Y);
  if (Cell.X < 0 || Cell.Y < FixedRows() || Cell.Y >= RowCount()) return;
  if (!HasCheckBox(Cell.X, Cell.Y)) DoSelect();
}

// The grid's own key handling takes Enter before any key-down handler
// sees it, so the pop-up's keys are decided here, in front of it.
void TExColGrid::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_KEYDOWN: {
      const Word Key = MsgAs<TWMKey>(Message).CharCode;
      FConfirmSelection = true;
      // Tab would leave the pop-up for nowhere: it is neither handled nor passed on.
      if (Key == VK_TAB) return;
      if ((Key == VK_UP || Key == VK_DOWN) && GetKeyState(VK_MENU) < 0) {
        if (FExDropDown && FExDropDown->HandleAllocated()) SendMessageW(FExDropDown->Handle(), WM_KEYDOWN, Key, 0);
        return;
      }
      if (Key == VK_RETURN) {
        DoSelect();
        return;
      }
      break;
    }
    // Enter chose the row; its character must not be typed into anything.
    case WM_CHAR:
      if (MsgAs<TWMKey>(Message).CharCode == VK_RETURN) {
        Message.Result = 1;
        return;
      }
      break;
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB;
      return;
    default: break;
  }
  TRezIvevirAvod::WndProc(Message);
}

}  // namespace jorv::grid
