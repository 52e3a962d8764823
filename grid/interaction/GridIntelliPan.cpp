// Middle-button panning: a press marks an anchor, and every tick of the pan
// timer moves the grid one step towards the side of the anchor the mouse is
// on, until the next press or key.
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/DCScope.h"

namespace jorv::grid {

namespace {

// The program's pan cursors (resources 8000 to 8008: neutral, down, left,
// right, up, up-right, up-left, down-right, down-left); a program without
// them gets the system's sizing cursors.
HCURSOR PanCursor(Integer Id) {
  if (HCURSOR Own = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(Id))) return Own;
  const wchar_t* System = IDC_SIZEALL;
  switch (Id) {
    case 8001:
    case 8004: System = IDC_SIZENS; break;
    case 8002:
    case 8003: System = IDC_SIZEWE; break;
    case 8005:
    case 8008: System = IDC_SIZENESW; break;
    case 8006:
    case 8007: System = IDC_SIZENWSE; break;
    default: break;
  }
  return LoadCursorW(nullptr, System);
}

Integer PanCursorId(Integer V, Integer H) {
  if (V == 0) return H == 0 ? 8000 : H < 0 ? 8002 : 8003;
  if (V > 0) return H == 0 ? 8001 : H > 0 ? 8007 : 8008;
  return H == 0 ? 8004 : H > 0 ? 8005 : 8006;
}

}  // namespace

void TRezIvevirAvod::StartIntelliPan(TPoint Where) {
  FICursor = PanCursor(8000);
  FPrevCursor = ::SetCursor(FICursor);
  FWheelPan = true;
  SetTimer(Handle(), IntelliPanTimerID, 10, nullptr);
  FWheelPanPos = Where;
  SetCapture(Handle());
  // Hints would cover the anchor; the grid's own setting comes back after.
  FPanShowHint = ShowHint();
  SetShowHint(false);
  DrawIntelliPanMark();
}

void TRezIvevirAvod::StopIntelliPan() {
  if (GetCapture() == Handle()) ReleaseCapture();
  KillTimer(Handle(), IntelliPanTimerID);
  ::SetCursor(FPrevCursor);
  SetShowHint(FPanShowHint);
  FWheelPan = false;
  InvalidateIntelliPanMark();
}

void TRezIvevirAvod::IntelliPanStep() {
  POINT Screen{};
  GetCursorPos(&Screen);
  const TPoint P = ScreenToClient(TPoint{Screen.x, Screen.y});
  const TPoint A = FWheelPanPos;
  const Integer V = FIntelliPan == ipHorizontal ? 0 : P.Y < A.Y - 5 ? -1 : P.Y > A.Y + 5 ? 1 : 0;
  const Integer H = FIntelliPan == ipVertical ? 0 : P.X > A.X + 5 ? 1 : P.X < A.X - 5 ? -1 : 0;
  const Integer LastRow = RowCount() - FFixedFooters - 1;
  const Integer LastCol = std::min(ColCount() - FFixedRightCols - 1, ColCount() - 1);
  if (Row() > LastRow) SetRow(LastRow);
  if (Row() < FixedRows()) SetRow(FixedRows());
  if (Col() > LastCol) SetCol(LastCol);
  if (Col() < FixedCols()) SetCol(FixedCols());
  const TGridRect OldSelection = Selection();
  if (FMouseActions->WheelAction() == waScroll) {
    const Integer NewLeft = LeftCol() + H;
    if (H != 0 && NewLeft >= FixedCols() && NewLeft <= ColCount() - VisibleColCount()) {
      InvalidateIntelliPanMark();
      SetLeftCol(NewLeft);
    }
    const Integer NewTop = TopRow() + V;
    if (V != 0 && NewTop >= FixedRows() && NewTop <= RowCount() - VisibleRowCount()) {
      InvalidateIntelliPanMark();
      SetTopRow(NewTop);
    }
  } else {
    const Integer NewCol = Col() + H;
    const Integer NewRow = Row() + V;
    const bool ColMoves = H != 0 && NewCol >= FixedCols() && NewCol <= LastCol;
    const bool RowMoves = V != 0 && NewRow >= FixedRows() && NewRow <= LastRow;
    const Integer TargetCol = ColMoves ? NewCol : Col();
    const Integer TargetRow = RowMoves ? NewRow : Row();
    // A cell outside the view scrolls the grid, and the mark with it.
    const bool Leaves = TargetCol < LeftCol() || TargetCol >= LeftCol() + VisibleColCount() ||
                        TargetRow < TopRow() || TargetRow >= TopRow() + VisibleRowCount();
    if ((ColMoves || RowMoves) && Leaves) InvalidateIntelliPanMark();
    if (ColMoves) SetCol(NewCol);
    if (RowMoves) SetRow(NewRow);
  }
  const Integer CursorId = PanCursorId(V, H);
  ::SetCursor(CursorId == 8000 ? FICursor : PanCursor(CursorId));
  DrawIntelliPanMark();
  const TGridRect NewSelection = Selection();
  if (!(NewSelection == OldSelection))
    DoSelectionChanged(NewSelection.Left, NewSelection.Top, NewSelection.Right, NewSelection.Bottom);
}

// The anchor: the program's bitmap "INTLI3" (vertical), "INTLI2"
// (horizontal) or "INTLI1" (both) when it carries one, its top-left pixel
// transparent; otherwise a ring with the arrows of the allowed directions.
void TRezIvevirAvod::DrawIntelliPanMark() {
  if (FIntelliPan == ipNone || !HandleAllocated()) return;
  TWindowDC DC(Handle());
  const TPoint A = FWheelPanPos;
  const wchar_t* Names[] = {L"INTLI3", L"INTLI2", L"INTLI1"};
  if (HBITMAP Own = LoadBitmapW(GetModuleHandleW(nullptr), Names[FIntelliPan])) {
    TGdiObject<HBITMAP> Bitmap(Own);
    BITMAP Info{};
    GetObjectW(Own, sizeof(Info), &Info);
    TMemoryDC Memory(DC);
    TSelectObject Select(Memory, Own);
    TransparentBlt(DC, A.X, A.Y, Info.bmWidth, Info.bmHeight, Memory, 0, 0, Info.bmWidth, Info.bmHeight,
                   GetPixel(Memory, 0, 0));
    return;
  }
  TSelectObject Pen(DC, GetStockObject(BLACK_PEN));
  TSelectObject Brush(DC, GetStockObject(WHITE_BRUSH));
  Ellipse(DC, A.X + 2, A.Y + 2, A.X + 30, A.Y + 30);
  TSelectObject Fill(DC, GetStockObject(BLACK_BRUSH));
  auto Arrow = [&](POINT P1, POINT P2, POINT P3) {
    POINT Points[] = {P1, P2, P3};
    Polygon(DC, Points, 3);
  };
  const LONG X = A.X, Y = A.Y;
  if (FIntelliPan != ipHorizontal) {
    Arrow({X + 16, Y + 6}, {X + 12, Y + 11}, {X + 20, Y + 11});
    Arrow({X + 16, Y + 26}, {X + 12, Y + 21}, {X + 20, Y + 21});
  }
  if (FIntelliPan != ipVertical) {
    Arrow({X + 6, Y + 16}, {X + 11, Y + 12}, {X + 11, Y + 20});
    Arrow({X + 26, Y + 16}, {X + 21, Y + 12}, {X + 21, Y + 20});
  }
}

void TRezIvevirAvod::InvalidateIntelliPanMark() {
  if (!HandleAllocated()) return;
  RECT R{FWheelPanPos.X, FWheelPanPos.Y, FWheelPanPos.X + 32, FWheelPanPos.Y + 32};
  ::InvalidateRect(Handle(), &R, FALSE);
}

}  // namespace jorv::grid
