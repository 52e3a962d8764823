#pragma once
// A shown grid driven by real mouse messages: five columns of 64 pixels and
// five rows of 22 (grid lines included), one fixed row and column; every
// cell holds "column:row". The messages go to the grid with the cursor put
// where they say, as the system would send them.
#include <vector>
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/ui/Gui.h"

namespace jorv::test {

inline TPoint PointInCell(grid::TRezIvevirAvod* Grid, Integer C, Integer R, Integer DX, Integer DY) {
  const TRect Cell = Grid->CellRect(C, R);
  return TPoint{Cell.Left + DX, Cell.Top + DY};
}

inline void SendMouse(grid::TRezIvevirAvod* Grid, UINT Msg, TPoint P, WPARAM Keys = 0) {
  const TPoint S = Grid->ClientToScreen(P);
  SetCursorPos(S.X, S.Y);
  SendMessageW(Grid->Handle(), Msg, Keys, MAKELPARAM(static_cast<Word>(P.X), static_cast<Word>(P.Y)));
  Pump(5);
}

inline void ClickGrid(grid::TRezIvevirAvod* Grid, TPoint P, WPARAM Keys = 0) {
  SendMouse(Grid, WM_MOUSEMOVE, P, Keys);
  SendMouse(Grid, WM_LBUTTONDOWN, P, Keys | MK_LBUTTON);
  SendMouse(Grid, WM_LBUTTONUP, P, Keys);
}

template <class TGrid = grid::TRezIvevirAvod>
struct TShownMouseGrid {
  TTestForm Form{420, 260};
  TGrid* Grid = new TGrid(Form.Get());
  std::vector<String> Events;
  TShownMouseGrid() {
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 400, 240);
    Grid->SetColCount(5);
    Grid->SetRowCount(5);
    Grid->SetDefaultColWidth(64);
    Grid->SetDefaultRowHeight(22);
    for (Integer r = 0; r < 5; ++r)
      for (Integer c = 0; c < 5; ++c) Grid->SetCells(c, r, IntToStr(c) + L":" + IntToStr(r));
    Grid->SetFocus();
    Pump();
  }
  TPoint At(Integer C, Integer R, Integer DX = 10, Integer DY = 6) { return PointInCell(Grid, C, R, DX, DY); }
  void Send(UINT Msg, TPoint P, WPARAM Keys = 0) { SendMouse(Grid, Msg, P, Keys); }
  void ClickAt(TPoint P, WPARAM Keys = 0) { ClickGrid(Grid, P, Keys); }
};

}  // namespace jorv::test
