// The scroll bar of a cell whose text is taller than the cell: drawn at
// the cell's right edge as the system draws a vertical scroll bar, the text
// beside it moved up by the scroll position.
#include <algorithm>
#include "grid/core/CellGraphic.h"
#include "grid/core/GridCellPaintState.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Colors.h"

namespace jorv::grid {

namespace {

constexpr Integer kSmallestThumb = 8;

void FrameControl(TCanvas* C, TRect R, UINT Type, UINT State) {
  RECT Box{R.Left, R.Top, R.Right, R.Bottom};
  DrawFrameControl(C->Handle(), &Box, Type, State);
}

}  // namespace

void TRezIvevirAvod::DrawCellScrollBar(TCellPaint& P) {
  if (!P.Graphic || P.Graphic->CellType() != ctScrollbar) return;
  const Integer Page = P.Graphic->CellAngle(), Range = P.Graphic->CellErrFrom();
  if (Page >= Range) return;
  TCanvas* C = P.Canvas;
  const TRect& R = P.Rect;
  const Integer Width = GetSystemMetrics(SM_CXVSCROLL);
  const Integer Arrow = std::min(GetSystemMetrics(SM_CYVSCROLL), R.Height() / 2);
  const TRect Bar(R.Right - Width, R.Top, R.Right, R.Bottom);
  FrameControl(C, TRect(Bar.Left, Bar.Top, Bar.Right, Bar.Top + Arrow), DFC_SCROLL, DFCS_SCROLLUP);
  FrameControl(C, TRect(Bar.Left, Bar.Bottom - Arrow, Bar.Right, Bar.Bottom), DFC_SCROLL, DFCS_SCROLLDOWN);
  const TRect Track(Bar.Left, Bar.Top + Arrow, Bar.Right, Bar.Bottom - Arrow);
  const TColor Kept = C->Brush()->Color();
  C->Brush()->SetColor(clScrollBar);
  C->FillRect(Track);
  C->Brush()->SetColor(Kept);
  // The position runs from 0 to Range - Page, as the system's bar with that
  // page and maximum allows.
  const Integer Position = std::clamp(P.Graphic->CellIndex(), 0, Range - Page);
  const Integer Length = Track.Height();
  const Integer Thumb = std::max(kSmallestThumb, Length * Page / std::max(Range, 1));
  if (Thumb < Length) {
    const Integer Top = Track.Top + (Length - Thumb) * Position / (Range - Page);
    FrameControl(C, TRect(Bar.Left, Top, Bar.Right, Top + Thumb), DFC_BUTTON, DFCS_BUTTONPUSH);
  }
  P.Rect.Right -= Width;
  P.ScrollPos = Position;
}

}  // namespace jorv::grid
