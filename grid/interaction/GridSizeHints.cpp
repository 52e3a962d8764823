// While the mouse sizes a column or a row: OnColumnSizing and OnRowSizing
// with the size the line will get, and with HintShowSizing (always at
// design time) a hint "cw=" or "rh=" with that size in bold at the cell.
// Also the anchor hint that follows the mouse over a cell's links.
#include "grid/core/HTMLHintWindow.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Application.h"

namespace jorv::grid {

namespace {

constexpr Integer SizeHintMaxWidth = 200;

}  // namespace

void TRezIvevirAvod::RaiseSizingEvents(Integer X, Integer Y) {
  const bool Cols = FGridState == gsColSizing, Rows = FGridState == gsRowSizing;
  if (!Cols && !Rows) return;
  const bool Hint = Designing() || HintShowSizing();
  if (Cols) {
    const Integer C = Colclicked >= 0 ? Colclicked : ColCount() - 1;
    const Integer R = Colclicked >= 0 && Rowclicked >= 0 ? Rowclicked : 0;
    const TRect Cell = CellRect(C, R);
    // The press was FClickPosDX away from the border being dragged.
    const Integer Width = X - Cell.Left - FClickPosDX;
    if (OnColumnSizing && Colclicked >= 0) OnColumnSizing(this, Colclicked, Width);
    if (Hint) ShowSizeHint(L"cw=<b>" + IntToStr(Int64(Width)) + L"</b>", Cell.TopLeft());
    return;
  }
  const Integer R = Rowclicked >= 0 ? Rowclicked : RowCount() - 1;
  const Integer C = Colclicked >= 0 && Rowclicked >= 0 ? Colclicked : 0;
  const TRect Cell = CellRect(C, R);
  const Integer Height = Y - Cell.Top - FClickPosDY;
  if (OnRowSizing && Rowclicked >= 0) OnRowSizing(this, Rowclicked, Height);
  if (Hint) ShowSizeHint(L"rh=<b>" + IntToStr(Int64(Height)) + L"</b>", Cell.TopLeft());
}

THintWindow* TRezIvevirAvod::SizeHintWindow() {
  if (!FScrollHintWnd) FScrollHintWnd = new THTMLHintWindow(this);
  return FScrollHintWnd;
}

void TRezIvevirAvod::ShowSizeHint(const String& Text, TPoint CellTopLeft) {
  THintWindow* Window = SizeHintWindow();
  Window->SetColor(HintColor());
  const TRect Size = Window->CalcHintRect(SizeHintMaxWidth, Text, nullptr);
  const TPoint At = ClientToScreen(CellTopLeft);
  Window->ActivateHint(TRect{At.X, At.Y, At.X + Size.Width(), At.Y + Size.Height()}, Text);
  FScrollHintShow = true;
}

void TRezIvevirAvod::HideSizeHint() {
  if (!FScrollHintShow || !(Designing() || HintShowSizing())) return;
  FScrollHintShow = false;
  if (FScrollHintWnd) FScrollHintWnd->ReleaseHandle();
}

// The mouse over a link asks OnAnchorHint for its hint; moving on to
// another link with another title takes the shown hint down, so that the
// new title shows.
void TRezIvevirAvod::FollowAnchorHint(Integer C, Integer R, const String& Anchor, const String& Title) {
  if (Anchor.empty() && Title.empty()) return;
  String Hint = Title.empty() ? Anchor : Title;
  if (OnAnchorHint) OnAnchorHint(this, R, C, Hint);
  if (Title != FLastAnchorHint && !FLastAnchorHint.empty() && Anchor != FMouseAnchor) {
    FLastAnchorHint = Title;
    if (Application) Application->CancelHint();
  }
}

}  // namespace jorv::grid
