// What a drop does to the grid: text is pasted at the cell under the
// point (or inserted as rows), cells in the private format land there, a
// dropped column is moved or shown, files and links go to their events.
// While dragging, the arrows point at the drop position.
#include "grid/exchange/GridDropTarget.h"

#include "grid/base/ArrowWindow.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/HeaderDragButton.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/ListBox.h"

namespace jorv::grid {

// --- the target object ----------------------------------------------------------------------

HRESULT TGridDropTarget::DragEnter(IDataObject* DataObj, DWORD KeyState, POINTL Pt, DWORD* Effect) {
  TDragDropSettings* S = FGrid->DragDropSettings();
  SetAcceptText(S->OleAcceptText());
  SetAcceptFiles(S->OleAcceptFiles());
  SetAcceptURLs(S->OleAcceptURLs());
  SetAcceptCols(true);
  return TGRDDropTarget::DragEnter(DataObj, KeyState, Pt, Effect);
}

void TGridDropTarget::DropText(TPoint Pt, const String& S) { FGrid->OleDropText(Pt, S, DropFormats().Contains(dfCol)); }
void TGridDropTarget::DropStream(TPoint Pt, TMemoryStream* Stream) { FGrid->OleDropStream(Pt, Stream); }
void TGridDropTarget::DropCol(TPoint Pt, Integer Col) { FGrid->OleDropCol(Pt, Col); }
void TGridDropTarget::DropRTF(TPoint Pt, const String& S) { FGrid->OleDropCellText(Pt, S, false); }
void TGridDropTarget::DropURL(TPoint Pt, const String& S) { FGrid->OleDropCellText(Pt, S, true); }
void TGridDropTarget::DropFiles(TPoint Pt, TStrings* Files) { FGrid->OleDropFiles(Pt, Files); }
void TGridDropTarget::DragMouseLeave() { FGrid->OleDragMouseLeave(); }

void TGridDropTarget::DragMouseMove(TPoint Pt, bool& Allow, TDropFormats Formats) {
  FGrid->OleDragMouseMove(Pt, Allow, Formats.Contains(dfCol),
                          Formats.Contains(dfFile) || Formats.Contains(dfGridCells));
}

// --- registration ---------------------------------------------------------------------------

void TDragDropSettings::SetOleDropTarget(bool Value) {
  FOleDropTarget = Value;
  if (FGrid && !FGrid->ComponentState().Contains(csDesigning)) FGrid->SetOleDropTargetActive(Value);
}

void TDragDropSettings::SetOleDropRTF(bool Value) {
  EnableRTFDragDrop(Value);
  FOleDropRTF = Value;
}

IDropTarget* TRezIvevirAvod::GridDropTarget() const { return FGridDropTarget; }

// Without a window yet, the window registers itself when it is made.
void TRezIvevirAvod::SetOleDropTargetActive(bool Value) {
  if (!Value) {
    RevokeOleDropTarget();
    return;
  }
  if (!FGridDropTarget) {
    FGridDropTarget = new TGridDropTarget(this);
    FGridDropTarget->AddRef();
  }
  if (!HandleAllocated() || FOleDropTargetAssigned) return;
  FOleDropTargetAssigned = SUCCEEDED(RegisterDragDrop(Handle(), FGridDropTarget));
}

void TRezIvevirAvod::RevokeOleDropTarget() {
  if (FOleDropTargetAssigned && HandleAllocated()) RevokeDragDrop(Handle());
  FOleDropTargetAssigned = false;
}

void TRezIvevirAvod::FreeOleDropTarget() {
  RevokeOleDropTarget();
  if (FGridDropTarget) FGridDropTarget->Release();
  FGridDropTarget = nullptr;
}

void TRezIvevirAvod::OleColumnDragStart(Integer ACol, Integer AIndex, TCustomListBox* AList) {
  FOleDragCol = ACol;
  FOleDragIndex = AIndex;
  FOleDragList = AList;
}

// --- feedback while dragging ----------------------------------------------------------------

bool TRezIvevirAvod::OleDropAppends(TPoint ClientPt, Integer& ACol, Integer& ARow, bool ColumnDrag) {
  if (ARow != -1 || ColumnDrag || !FDragDropSettings->OleEntireRows() || !FDragDropSettings->OleAppendRows())
    return false;
  if (ClientPt.Y < CellRect(LeftCol(), RowCount() - 1).Bottom) return false;
  ACol = FixedCols();
  ARow = RowCount() - 1;
  return true;
}

// At most one column step per grid timer tick, however often the drag moves.
void TRezIvevirAvod::OleDragAutoScroll(Integer ACol, Integer ARow, TPoint ClientPt) {
  if ((ARow == 0 && TopRow() > FixedRows()) || (ClientPt.Y < 8 && FixedRows() == 0 && TopRow() > 0))
    SetTopRow(TopRow() - 1);
  else if (ARow == TopRow() + VisibleRowCount() && TopRow() + VisibleRowCount() < RowCount())
    SetTopRow(TopRow() + 1);
  if (FTimerTicks % 2 != 0) return;
  ++FTimerTicks;
  if (ACol == 0 && LeftCol() > FixedCols())
    SetLeftCol(LeftCol() - 1);
  else if (ACol == LeftCol() + VisibleColCount() && LeftCol() + VisibleColCount() < ColCount())
    SetLeftCol(LeftCol() + 1);
}

void TRezIvevirAvod::OleDragMouseMove(TPoint Pt, bool& Allow, bool ColumnDrag, bool AnyWhere) {
  const TPoint P = ScreenToClient(Pt);
  Integer ACol = -1, ARow = -1;
  ScreenToCell(Pt, ACol, ARow);
  const bool Append = OleDropAppends(P, ACol, ARow, ColumnDrag);
  Allow = ACol >= 0 && ARow >= 0;
  if (Allow && !ColumnDrag) OleDragAutoScroll(ACol, ARow, P);
  if (!ColumnDrag) {
    if (ARow >= 0 && ARow < FixedRows() && !(RowCount() == 1 && FixedRowAlways())) Allow = false;
  } else if (ACol < 0) {
    ACol = ColCount();
    ARow = 0;
    Allow = true;
  } else {
    Allow = ARow < FixedRows() && ACol >= FixedCols();
  }
  Allow = Allow || AnyWhere;
  if (OnOleDragOver) OnOleDragOver(this, ARow, ACol, Allow);
  Allow = Allow && ((ARow >= 0 && ACol >= 0) || AnyWhere);
  OleDropFeedback(ACol, ARow, Allow, Append, ColumnDrag);
}

void TRezIvevirAvod::ShowDropArrow(TArrowDirection Direction, TPoint ScreenPoint, bool Visible) {
  if (!FArrows[Direction]) FArrows[Direction] = new TArrowWindow(this, Direction);
  TWinControl* Arrow = FArrows[Direction];
  if (!Visible) {
    if (Arrow->HandleAllocated()) ShowWindow(Arrow->Handle(), SW_HIDE);
    return;
  }
  const Integer Size = 11;
  SetWindowPos(Arrow->Handle(), HWND_TOPMOST, ScreenPoint.X, ScreenPoint.Y, Size, Size,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

// A column goes between the arrows above and below the header cell's left
// edge; rows and cells get the left arrow at the row they land in.
void TRezIvevirAvod::OleDropFeedback(Integer ACol, Integer ARow, bool Allow, bool Append, bool ColumnDrag) {
  if (ColumnDrag && Allow) {
    const Integer Col = std::min(ACol, ColCount() - 1);
    const TRect Cell = CellRect(Col, ARow);
    const Integer Edge = ACol >= ColCount() ? Cell.Right : Cell.Left;
    const TPoint Top = ClientToScreen(TPoint(Edge, Cell.Top)), Bottom = ClientToScreen(TPoint(Edge, Cell.Bottom));
    ShowDropArrow(arrDown, TPoint(Top.X, Top.Y - 8), true);
    ShowDropArrow(arrUp, Bottom, true);
    return;
  }
  if (!Allow || ARow < 0 || ACol < 0) {
    HideOleDropMarks(true);
    return;
  }
  if (ARow == 0 && FixedRowAlways()) {
    ARow = 1;
    Append = false;
  }
  const TRect Cell = CellRect(FDragDropSettings->OleEntireRows() ? FixedCols() : ACol, ARow);
  const TPoint At = ClientToScreen(TPoint(Cell.Left, Append ? Cell.Top + GetRowHeights(ARow) : Cell.Top));
  ShowDropArrow(arrLeft, TPoint(At.X - 10, At.Y), true);
}

void TRezIvevirAvod::OleDragMouseLeave() { HideOleDropMarks(true); }

void TRezIvevirAvod::HideOleDropMarks(bool Up) {
  for (TArrowDirection D : {arrLeft, arrDown, arrUp})
    if (FArrows[D] && (Up || D != arrUp)) ShowDropArrow(D, TPoint(), false);
  if (FMoveButton && FMoveButton->HandleAllocated()) ShowWindow(FMoveButton->Handle(), SW_HIDE);
}

// --- the drops ------------------------------------------------------------------------------

void TRezIvevirAvod::OleDropText(TPoint Pt, const String& Text, bool ColumnDrag) {
  Integer ACol = -1, ARow = -1;
  ScreenToCell(Pt, ACol, ARow);
  const bool Append = OleDropAppends(ScreenToClient(Pt), ACol, ARow, ColumnDrag);
  if (!ColumnDrag && FDragDropSettings->OleEntireRows()) ACol = 0;
  Integer Cols = 0, Rows = 0;
  MeasurePasteText(Text, Cols, Rows);
  if (Options().Contains(goRowSelect)) ACol = FDragDropSettings->OleEntireRows() ? 0 : FixedCols();
  bool Allow = true;
  if (OnOleDrop) OnOleDrop(this, ARow, ACol, Text, Allow);
  // A refused drop reports the selection as it stands.
  if (Allow && ACol >= 0 && ARow >= 0) {
    TGridRect R = FDropSelection;
    if (R.Top >= ARow && FDragDropSettings->OleRemoveRows()) {
      // The dragged rows moved down: a later removal of them hits the same rows.
      R.Top += Rows + 1;
      R.Bottom += Rows + 1;
      if (FMouseActions->DisjunctRowSelect())
        for (Integer i = 0; i <= Rows && ARow <= FRowSelect->Count(); ++i) FRowSelect->Insert(ARow, 0);
    }
    FDropSelection = R;
    if (ARow == 0 && FixedRowAlways() && RowCount() == 1) ARow = 1;
    if (FDragDropSettings->OleInsertRows()) {
      Integer Top = TopRow();
      if (Append) {
        SetRowCount(RowCount() + Rows + 1);
        ++ARow;
      } else {
        InsertRows(ARow, Rows + 1);
      }
      if (Top > FixedRows()) ++Top;
      if (Top > 0) SetTopRow(std::min(Top, RowCount() - 1));
    }
    Integer PastedCols = 0, PastedRows = 0;
    PasteText(ACol, ARow, Text, PastedCols, PastedRows);
    ACol = std::max(ACol, FixedCols());
    const Integer Right = Options().Contains(goRowSelect) ? ACol + Cols - FixedCols() : ACol + Cols - 1;
    SetSelection(TGridRect{ACol, ARow, std::min(Right, ColCount() - 1), std::min(ARow + Rows, RowCount() - 1)});
  }
  HideOleDropMarks(false);
  if (OnOleDropped) OnOleDropped(this, Selection());
}

void TRezIvevirAvod::OleDropStream(TPoint Pt, TMemoryStream* Stream) {
  Integer ACol = -1, ARow = -1;
  ScreenToCell(Pt, ACol, ARow);
  Stream->SetPosition(0);
  // Dropped anywhere over the grid: cells outside it are read and dropped.
  LoadRangeAtPoint(TPoint(ACol, ARow), Stream);
  HideOleDropMarks(false);
  if (OnOleDropped) OnOleDropped(this, Selection());
}

void TRezIvevirAvod::OleDropCellText(TPoint Pt, const String& Text, bool URL) {
  Integer ACol = -1, ARow = -1;
  ScreenToCell(Pt, ACol, ARow);
  bool Allow = true;
  if (URL) {
    if (OnOleDropURL) OnOleDropURL(this, ARow, ACol, Text, Allow);
  } else if (OnOleDrop) {
    OnOleDrop(this, ARow, ACol, Text, Allow);
  }
  if (Allow && ACol >= 0 && ARow >= 0) SetCellEx(DisplToRealCol(ACol), ARow, Text);
  HideOleDropMarks(false);
}

void TRezIvevirAvod::OleDropCol(TPoint Pt, Integer Col) {
  Integer ACol = -1, ARow = -1;
  ScreenToCell(Pt, ACol, ARow);
  if (ACol < 0) ACol = ColCount();
  HideOleDropMarks(true);
  const bool Enhanced = EnhRowColMove();
  auto Restore = ScopeExit([&] { SetEnhRowColMove(Enhanced); });
  if (FOleDragCol != -1) {
    if (FOleDragList && FOleDragIndex >= 0 && FOleDragIndex < FOleDragList->Items()->Count())
      FOleDragList->Items()->Delete(FOleDragIndex);
    // Without a recorded column order the reference number is the column itself.
    Integer Index = FColumnOrder->Count() == 0 ? FOleDragCol : 0;
    for (Integer i = 0; i < FColumnOrder->Count(); ++i)
      if (FColumnOrder->Items(i) == FOleDragCol) {
        Index = i;
        break;
      }
    UnHideColumn(Index);
    SetEnhRowColMove(true);
    MoveColumn(DisplColIndex(Index), std::min(ACol, ColCount() - 1));
    FOleDragCol = -1;
  } else if (FDragDropSettings->OleColumnReorder()) {
    ACol = std::min(ACol, ColCount() - 1);
    const Integer From = DisplColIndex(Col);
    SetEnhRowColMove(true);
    if (From != ACol && From >= 0 && From < ColCount()) MoveColumn(From, ACol);
  }
  if (OnOleDropCol) OnOleDropCol(this, ARow, ACol, Col);
}

// Only a single file is taken: its event may refuse it; a delimited file
// is then read into the grid, after the drop event agreed. Files of other
// kinds are the application's, through the events.
void TRezIvevirAvod::OleDropFiles(TPoint Pt, TStrings* Files) {
  if (Files->Count() == 1) {
    Integer ACol = -1, ARow = -1;
    ScreenToCell(Pt, ACol, ARow);
    const String FileName = Files->Strings(0);
    bool Allow = true;
    if (OnOleDropFile) OnOleDropFile(this, ARow, ACol, FileName, Allow);
    const String Upper = UpperCase(FileName);
    if (Allow && Upper.find(L".CSV") != String::npos) {
      if (OnOleDrop) OnOleDrop(this, -1, -1, FileName, Allow);
      if (Allow) LoadFromCSV(FileName, -1);
    }
    if (Allow && Upper.find(L".XLS") != String::npos && OnOleDrop) OnOleDrop(this, -1, -1, FileName, Allow);
  }
  HideOleDropMarks(false);
}

}  // namespace jorv::grid
