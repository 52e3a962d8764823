#include "grid/interaction/ScrollControl.h"
#include <algorithm>
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Math.h"

namespace jorv::grid {

TScrollControl::TScrollControl(TRezIvevirAvod* AGrid, Integer ADirection)
    : TCustomControl(AGrid), FGrid(AGrid), FDirection(ADirection) {}

void TScrollControl::SetColor(TColor Value) {
  FColor = Value;
  Invalidate();
}

Integer TScrollControl::Length() const {
  return FDirection == 0 ? Height() : Width();
}

bool TScrollControl::Scrollable() const {
  TRezIvevirAvod* G = FGrid;
  if (FDirection == 1) return G->VisibleColCount() < G->ColCount() - G->FixedCols();
  return G->VisibleRowCount() < G->RowCount() - G->FixedRows();
}

// The track runs beside the fixed cells at both ends; the thumb is never
// shorter than 20 pixels and never runs past the bar's end.
void TScrollControl::GetThumb(Integer& Position, Integer& Size) const {
  TRezIvevirAvod* G = FGrid;
  Integer Start = 0, Track = Length(), Count = 0, Fixed = 0, First = 0, Visible = 0;
  if (FDirection == 1) {
    for (Integer c = 0; c < G->FixedCols(); ++c) Start += G->GetColWidths(c);
    Integer Right = 0;
    for (Integer c = G->ColCount() - G->FixedRightCols(); c < G->ColCount(); ++c) Right += G->GetColWidths(c);
    Track -= Start + Right;
    Count = G->ColCount(), Fixed = G->FixedCols(), First = G->LeftCol(), Visible = G->VisibleColCount();
  } else {
    for (Integer r = 0; r < G->FixedRows(); ++r) Start += G->GetRowHeights(r);
    Integer Bottom = 0;
    for (Integer r = G->RowCount() - G->FixedFooters(); r < G->RowCount(); ++r) Bottom += G->GetRowHeights(r);
    Track -= Start + Bottom;
    Count = G->RowCount(), Fixed = G->FixedRows(), First = G->TopRow(), Visible = G->VisibleRowCount();
  }
  const double Share = double(Visible) / std::max(1, Count);
  const double Offset = double(First - Fixed) / std::max(1, Count - Fixed);
  Position = Start + Integer(Round(Track * Offset));
  Size = std::max<Integer>(Integer(Round(Track * Share)), 20);
  if (Position + Size > Length()) Position = Length() - Size;
}

void TScrollControl::Paint() {
  TCanvas* C = Canvas();
  C->Brush()->SetColor(FGrid->Color());
  C->FillRect(ClientRect());
  if (!Scrollable()) return;
  Integer Position = 0, Size = 0;
  GetThumb(Position, Size);
  C->Brush()->SetColor(FColor);
  C->Pen()->SetColor(FColor);
  if (FDirection == 1)
    C->Rectangle(Position, 0, Position + Size, FScrollWidth);
  else
    C->Rectangle(0, Position, FScrollWidth, Position + Size);
}

void TScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  TRezIvevirAvod* G = FGrid;
  Integer Position = 0, Size = 0;
  GetThumb(Position, Size);
  const Integer At = FDirection == 1 ? X : Y;
  if (FDirection == 1) {
    if (At < Position)
      G->SetLeftCol(std::max(G->FixedCols(), G->LeftCol() - G->VisibleColCount()));
    else if (At > Position + Size)
      G->SetLeftCol(std::max(G->FixedCols(), std::min(G->LeftCol() + G->VisibleColCount(),
                                                      G->ColCount() - G->VisibleColCount())));
  } else {
    if (At < Position)
      G->SetTopRow(std::max(G->FixedRows(), G->TopRow() - G->VisibleRowCount()));
    else if (At > Position + Size)
      G->SetTopRow(std::max(G->FixedRows(), std::min(G->TopRow() + G->VisibleRowCount(),
                                                     G->RowCount() - G->VisibleRowCount())));
  }
  if (At >= Position && At <= Position + Size) {
    FDownOnScroller = true;
    FDownPos = At;
    FDownRow = FDirection == 1 ? G->LeftCol() : G->TopRow();
  }
  Invalidate();
}

void TScrollControl::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!FDownOnScroller) return;
  TRezIvevirAvod* G = FGrid;
  if (FDirection == 1) {
    const Integer Room = std::max(1, Width() - G->GetColWidths(0));
    const Integer Moved = Integer(Round(double(X - FDownPos) / Room * G->ColCount())) + FDownRow;
    G->SetLeftCol(std::max(G->FixedCols(), std::min(Moved, G->ColCount() - G->VisibleColCount())));
  } else {
    const Integer Room = std::max(1, Height() - G->GetRowHeights(0));
    const Integer Moved = Integer(Round(double(Y - FDownPos) / Room * G->RowCount())) + FDownRow;
    G->SetTopRow(std::max(G->FixedRows(), std::min(Moved, G->RowCount() - G->VisibleRowCount())));
  }
  Invalidate();
}

void TScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  FDownOnScroller = false;
}

}  // namespace jorv::grid
