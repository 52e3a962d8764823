// How much room a cell's text takes (plain, several lines, HTML, rich or
// rotated), for automatic sizing, hints and printing; and rich text drawn
// into a cell through a hidden rich edit.
#include <richedit.h>
#include <algorithm>
#include <cmath>
#include "foundation/TextUtils.h"
#include "foundation/ValueUtils.h"
#include "grid/core/GridCellPaintState.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/ExRichEdit.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/DCScope.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/InplaceEdit.h"
#include "platform/ui/RichEdit.h"

namespace jorv::grid {

namespace {

constexpr Integer kScrollRoom = 17;
constexpr Integer kUnbounded = 65535;

}  // namespace

TSize TRezIvevirAvod::GetCellTextSize(Integer ACol, Integer ARow, bool VS, bool SB) {
  TSize Size{0, 0};
  MeasureCellText(ACol, RealToDisplCol(ACol), Size, SB, VS, false, ARow);
  return Size;
}

// The grid's canvas where the grid has a window, else a screen-compatible
// one, so that a grid measures before it is shown.
TCanvas* TRezIvevirAvod::MeasureCanvas() {
  if (HandleAllocated()) return Canvas();
  if (!FMeasureBitmap) FMeasureBitmap = std::make_unique<TBitmap>(1, 1);
  return FMeasureBitmap->Canvas();
}

// The cell's own size (a merged area's whole size), without walking the
// rows above it.
TRect TRezIvevirAvod::MeasureCellRect(Integer DCol, Integer ARow) {
  Integer W = GetColWidths(DCol), H = GetRowHeights(ARow);
  if (IsBaseCell(DisplToRealCol(DCol), ARow)) {
    const TPoint Span = CellSpan(DisplToRealCol(DCol), ARow);
    for (Integer c = DCol + 1; c <= DCol + Span.X && c < ColCount(); ++c) W += GetColWidths(c);
    for (Integer r = ARow + 1; r <= ARow + Span.Y && r < RowCount(); ++r) H += GetRowHeights(r);
  }
  return TRect(0, 0, W, H);
}

void TRezIvevirAvod::MeasureCellText(Integer RCol, Integer DCol, TSize& Size, bool SB, bool VS, bool Unbounded,
                                     Integer ARow) {
  Size = TSize{0, 0};
  String Text;
  if (EditorMode() && DCol == Col() && ARow == Row() && InplaceEditor())
    Text = InplaceEditor()->Text();
  else
    Text = GetFormattedCell(RCol, ARow);
  Integer Kind = foundation::ClassifyCellText(Text, FEnableHTML);
  TCanvas* C = MeasureCanvas();
  TGridDrawState NoState;
  GetFontProperties(DCol, RCol, ARow, NoState, C->Font(), C->Brush(), true);
  if ((ARow < FixedRows() || DCol < FixedCols()) && FActiveCellShow && FActiveCellFont->Style().Contains(fsBold)) {
    TFontStyles Bold = C->Font()->Style();
    Bold.Include(fsBold);
    C->Font()->SetStyle(Bold);
  }
  ZoomFont(C->Font());
  if (Kind == 3) Text = ReadCellText(RCol, ARow);
  TRect R = MeasureCellRect(DCol, ARow);
  if (FXYOffsetTopLeftOnly) {
    R.Left += FXYOffset.X, R.Top += FXYOffset.Y;
  } else {
    R = TRect(R.Left + FXYOffset.X, R.Top + FXYOffset.Y, R.Right - FXYOffset.X, R.Bottom - FXYOffset.Y);
  }
  if (SB) R.Right -= kScrollRoom;
  if (Kind == 1) {
    if (!VS) R.Right = kUnbounded;
    R.Bottom = kUnbounded;
    const TSize HTML = DrawCellHTML(C, Text, R, true, FURLColor, -1);
    Size = TSize{HTML.cx + 2, HTML.cy + 2};
    return;
  }
  if (Kind == 2 && !Designing()) Text = RichPlainText(Text, C->Font());
  Integer Angle = 0;
  const bool Rotated = IsRotated(RCol, ARow, Angle);
  if (VS)
    Size = MeasureWrapped(C, Text, R, Rotated, Unbounded, DCol, ARow);
  else
    Size = MeasureLines(C, Text, Kind);
  if (Rotated) Size = RotatedExtent(Size, Angle);
  if (Kind == 2 && !Designing()) Size = RichRequestedSize(R);
}

// A document's room is what the converter asks for once it is laid out in
// the measuring rectangle: every font and paragraph of it counts, not only
// its first font. The rich edit wraps by its target device: re-creating
// its window to switch wrapping would lose the document's formatting.
TSize TRezIvevirAvod::RichRequestedSize(const TRect& R) {
  TExRichEdit* Converter = RichEdit();
  Converter->SetBounds(0, 0, R.Width(), R.Height());
  SendMessageW(Converter->Handle(), EM_SETTARGETDEVICE, 0, WordWrap() ? 0 : 1);
  Converter->RequestSize();
  return TSize{Converter->ReqWidth(), Converter->ReqHeight() + 4};
}

TSize TRezIvevirAvod::MeasureWrapped(TCanvas* C, String Text, TRect R, bool Rotated, bool Unbounded, Integer DCol,
                                     Integer ARow) {
  if (Text.empty()) return TSize{0, 0};
  R = TRect(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2);
  // While the cell is edited an empty last line still takes its height.
  if (EditorMode() && DCol == Col() && ARow == Row() && Text.back() == L'\n') Text += L"w";
  if (Unbounded) R.Right = kUnbounded;
  TTextFormat Flags{tfCalcRect, tfEditControl, tfNoPrefix, tfExpandTabs};
  Flags.Include(Rotated ? tfSingleLine : tfWordBreak);
  C->TextRect(R, Text, Flags);
  return TSize{R.Width(), R.Height()};
}

TSize TRezIvevirAvod::MeasureLines(TCanvas* C, const String& Text, Integer Kind) {
  if (Text.empty()) return TSize{0, 0};
  String Rest = Text;
  Integer Widest = 0, Lines = 0;
  do {
    String Line;
    foundation::TakeFirstLine(Rest, FMultilinecells, Line);
    if (FURLShow && !FURLFull && Kind == 0) foundation::StripURLProtocol(Line);
    Widest = std::max(Widest, C->TextWidth(Line));
    ++Lines;
  } while (!Rest.empty());
  return TSize{Widest, Lines * C->TextHeight(L"gh")};
}

// The box the turned text needs: the sums of the turned sides, so that no
// angle cuts the text off.
TSize TRezIvevirAvod::RotatedExtent(TSize Size, Integer Angle) {
  const double A = Angle * 3.14159265358979323846 / 180.0;
  const Integer HSin = Integer(std::fabs(Size.cy * std::sin(A))), WCos = Integer(std::fabs(Size.cx * std::cos(A)));
  const Integer HCos = Integer(std::fabs(Size.cy * std::cos(A))), WSin = Integer(std::fabs(Size.cx * std::sin(A)));
  return TSize{HSin + WCos + 12, HCos + WSin + 12};
}

// --- rich text -----------------------------------------------------------------------------------

void TRezIvevirAvod::LoadRichCell(const String& Text) { LoadRichText(RichEdit(), Text); }

String TRezIvevirAvod::RichPlainText(const String& Text, TFont* AFont) {
  LoadRichCell(Text);
  TTextAttributes* A = FRichEdit->SelAttributes();
  AFont->SetName(A->Name());
  AFont->SetSize(A->Size());
  AFont->SetStyle(A->Style());
  String Plain = FRichEdit->Text();
  while (!Plain.empty() && (Plain.back() == L'\n' || Plain.back() == L'\r')) Plain.pop_back();
  return Plain;
}

bool TRezIvevirAvod::RichCellShowsSelected(Integer RCol, Integer ARow) {
  TMouseActions* MA = FMouseActions.get();
  const Integer DCol = RealToDisplCol(RCol);
  const bool FocusedCurrent = DCol == Col() && ARow == Row() && GridHasFocus(this) &&
                              !Options().Contains(goDrawFocusSelected);
  if (!MA->DisjunctRowSelect() && IsSelected(DCol, ARow) && !FocusedCurrent) return true;
  if (MA->DisjunctRowSelect() && ARow >= FixedRows() &&
      GetRowSelect(MA->RowSelectPersistent() ? DisplToRealRow(ARow) : ARow))
    return true;
  return MA->DisjunctColSelect() && DCol >= FixedCols() && GetColSelect(DCol);
}

void TRezIvevirAvod::RenderRichTextCell(Integer RCol, Integer ARow, TRect Rect, TCanvas* Canvas) {
  if (Designing()) return;
  LoadRichCell(GetCells(RCol, ARow));
  HDC DC = Canvas->Handle();
  // Selected cells show their text in the selection's text colour on the
  // screen; the printer never shows a selection.
  if (!FSelectionRTFKeep && GetMapMode(DC) == MM_TEXT && RichCellShowsSelected(RCol, ARow)) {
    FRichEdit->SelectAll();
    if (FSelectionTextColor != clNone) FRichEdit->SelAttributes()->SetColor(FSelectionTextColor);
  }
  Integer DpiX = GetDeviceCaps(DC, LOGPIXELSX), DpiY = GetDeviceCaps(DC, LOGPIXELSY);
  if (DpiX == 0) DpiX = 96;
  if (DpiY == 0) DpiY = 96;
  const Integer MX = DpiX * FXYOffset.X / 96, MY = DpiY * FXYOffset.Y / 96;
  const TRect Inner(Rect.Left + MX, Rect.Top + MY, Rect.Right - MX, Rect.Bottom - MY);
  // Where the system lays out no ranges the control draws its own
  // background: it takes the cell's, so no box of another colour shows.
  SendMessageW(FRichEdit->Handle(), EM_SETBKGNDCOLOR, 0, ColorToRGB(Canvas->Brush()->Color()));
  const Integer Mode = SetMapMode(DC, MM_TEXT);
  TScopeExit RestoreMode([&] { SetMapMode(DC, Mode); });
  FRichEdit->FormatRange(DC, Inner, 0, -1, true);
}

}  // namespace jorv::grid
