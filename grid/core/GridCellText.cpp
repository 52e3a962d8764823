// The text layer of a cell: its colours under the selection, the
// background picture or gradient behind it, the selection rectangle, and
// the text itself as HTML, rich text or plain text with the placement
// flags the cell's alignment and wrapping ask for.
#include <algorithm>
#include <optional>
#include "dropdown/DropDownPaint.h"
#include "foundation/CellButtons.h"
#include "foundation/Gradients.h"
#include "foundation/HTMLRenderer.h"
#include "foundation/PictureContainer.h"
#include "foundation/TextUtils.h"
#include "foundation/ValueUtils.h"
#include "grid/core/GridCellPaintState.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/DCScope.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Pen.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::grid {

namespace {

constexpr Integer kSingleLineCut = 4096;

}  // namespace

TSize TRezIvevirAvod::DrawCellHTML(TCanvas* Canvas, const String& Text, const TRect& Rect, bool Measure,
                                   TColor URLColor, Integer HoverAnchor, const String& PressedID) {
  String URL, Plain, Focused, Title, ControlID, ControlType, ControlValue;
  Integer W = 0, H = 0, Count = 0, Under = -1;
  TRect AnchorRect, ControlRect;
  foundation::DrawHTMLText(Canvas, Text, Rect, GetCellImageList(0, 0), 0, 0, -1, HoverAnchor, 1, false, Measure,
                           false, false, FGridBlink, FURLUnderlineOnHover, true, !PressedID.empty(), PressedID, 1.0,
                           URLColor, clNone, clNone, 0x808080, URL, Plain, Focused, Title, W, H, Count, Under,
                           AnchorRect, ControlRect, ControlID, ControlType, ControlValue, FPictureCache.get(),
                           FPictureContainer, HandleAllocated() ? Handle() : nullptr, 0);
  return TSize{W, H};
}

void TRezIvevirAvod::DrawCellText(TCellPaint& P) {
  TCanvas* C = P.Canvas;
  const bool HasFocus = GridHasFocus(this);
  P.URLColor = FURLColor;
  const bool RowSelected = Options().Contains(goRowSelect) && Selection().Top <= P.ARow &&
                           P.ARow <= Selection().Bottom && P.RCol >= FixedCols() &&
                           P.RCol < ColCount() - FFixedRightCols;
  if ((P.State.Contains(gdSelected) || RowSelected) && !P.Fixed) {
    if (IsSelectionVisible()) {
      if (FSelectionColor != clNone) C->Brush()->SetColor(FSelectionColor);
      if (FSelectionTextColor != clNone && Enabled()) C->Font()->SetColor(FSelectionTextColor);
      P.URLColor = FSelectionTextColor;
    } else if (!HasFocus || HasCheckBox(P.RCol, P.ARow)) {
      C->Brush()->SetColor(P.KeptBrush);
      C->Font()->SetColor(P.KeptFont);
    }
  }
  String Text = GetFormattedCell(P.RCol, P.ARow);
  HighlightSearchMatches(P.RCol, P.ARow, Text);
  Integer Kind = foundation::ClassifyCellText(Text, FEnableHTML);
  if (Kind == 3) {
    Text = ReadCellText(P.RCol, P.ARow);
    Kind = foundation::ClassifyCellText(Text, FEnableHTML);
  }
  Integer ErrFrom = -1, ErrLen = 0;
  GetMarker(P.RCol, P.ARow, ErrFrom, ErrLen);
  bool Password = false;
  DoIsPasswordCell(P.RCol, P.ARow, Password);
  if (Password) foundation::FillWithChar(Text, FPasswordChar);
  TRect R = P.Rect;
  if (IsFixed(P.ACol, P.ARow)) R.Left += GridLineWidth(), R.Top += GridLineWidth();
  std::optional<TSavedDC> ScrolledClip;
  if (P.ScrollPos > 0) {
    ScrolledClip.emplace(C->Handle());
    IntersectClipRect(C->Handle(), R.Left, R.Top, R.Right, R.Bottom);
    R.Top -= P.ScrollPos;
  }
  DisjunctTextColors(P);
  DrawCellBackground(P, R, HasFocus);
  DrawSelectionRectangle(P);
  // Drawn over the background picture, which would otherwise hide it.
  if (P.FilterButton) DrawFilterButton(P, R);
  if (!P.AllowText) return;
  PlaceTextRect(P, R);
  P.FilterEditCell = HasFilterEdit(P.RCol, P.ARow);
  if (P.FilterEditCell) P.Placeholder = DrawFilterEditIcon(P, R);
  if (Kind == 1) {
    DrawHTMLCellText(P, R, Text);
  } else if (Kind == 2) {
    C->Pen()->SetColor(C->Brush()->Color());
    if (!(P.State.Contains(gdSelected) && !HasFocus && FSelectionColor == clNone)) C->FillRect(R);
    C->Brush()->SetStyle(bsClear);
    RenderRichTextCell(P.RCol, P.ARow, R, C);
    C->Brush()->SetStyle(bsSolid);
    C->Font()->SetColor(clBlack);
  } else {
    DrawPlainCellText(P, R, Text, ErrFrom, ErrLen);
  }
}

// Under a disjunct row or column selection a cell outside it shows its
// own colours, whatever the selection rectangle says.
void TRezIvevirAvod::DisjunctTextColors(TCellPaint& P) {
  TMouseActions* MA = FMouseActions.get();
  if (P.Fixed || FMouseDown) return;
  const Integer SRow = MA->RowSelectPersistent() ? DisplToRealRow(P.ARow) : P.ARow;
  const bool RowOut = MA->DisjunctRowSelect() && !GetRowSelect(SRow);
  const bool ColOut = MA->DisjunctColSelect() && !GetColSelect(P.ACol);
  if (!RowOut && !ColOut) return;
  TCanvas* C = P.Canvas;
  P.URLColor = FURLColor;
  C->Brush()->SetColor(Color());
  C->Font()->SetColor(Font()->Color());
  // The font was zoomed already; only a size the colour hook sets anew is
  // zoomed here, so that no cell is zoomed twice.
  const Integer ZoomedSize = C->Font()->Size(), UnzoomedSize = ZoomedSize - FZoomFactor;
  C->Font()->SetSize(UnzoomedSize);
  GetCellColor(P.RCol, P.ARow, P.State, C->Brush(), C->Font());
  if (C->Font()->Size() == UnzoomedSize)
    C->Font()->SetSize(ZoomedSize);
  else
    ZoomFont(C->Font());
}

void TRezIvevirAvod::DrawCellBackground(TCellPaint& P, const TRect& TextRect, bool HasFocus) {
  TBackGround* B = FBackGround.get();
  const bool Kind = B->Cells() == bcAll || (B->Cells() == bcNormal) == !P.Fixed;
  const bool SelectedShown = P.State.Contains(gdSelected) && IsSelectionVisible();
  TCanvas* C = P.Canvas;
  const TColor OwnColor = GetColors(P.RCol, P.ARow);
  if (!B->Bitmap()->Empty() && OwnColor == clNone && Kind && !SelectedShown) {
    TRect R(TextRect.Left - (GridLineWidth() - 1), TextRect.Top - (GridLineWidth() - 1), TextRect.Right,
            TextRect.Bottom);
    TSavedDC Saved(C->Handle());
    IntersectClipRect(C->Handle(), R.Left, R.Top, R.Right, R.Bottom);
    const Integer BW = B->Bitmap()->Width(), BH = B->Bitmap()->Height();
    if (B->Display() == bdTile && BW > 0 && BH > 0) {
      const Integer X0 = B->Cells() == bcNormal ? FixedColsWidth() : 0;
      const Integer Y0 = B->Cells() == bcNormal ? FixedRowsHeight() : 0;
      const Integer OffX = ((R.Left - X0) % BW + BW) % BW, OffY = ((R.Top - Y0) % BH + BH) % BH;
      for (Integer y = R.Top - OffY; y < R.Bottom; y += BH)
        for (Integer x = R.Left - OffX; x < R.Right; x += BW) C->Draw(x, y, B->Bitmap());
    } else {
      C->Draw(B->Left(), B->Top(), B->Bitmap());
    }
  }
  if (B->Display() != bdGradientHorz && B->Display() != bdGradientVert) return;
  const TCellType Type = GetCellType(P.RCol, P.ARow);
  const bool OwnAllowed = Type == ctCheckBox || Type == ctDataCheckBox || Type == ctRadio || Type == ctButton ||
                          Type == ctRadioButton;
  if ((OwnColor != clNone && !OwnAllowed) || !Kind) return;
  if (IsSelectionVisible() && HasFocus && P.State.Contains(gdSelected)) return;
  const bool Vert = B->Display() == bdGradientVert;
  const Integer Extent = Vert ? ClientHeight() : ClientWidth();
  const TRect Cell = CellRect(P.ACol, P.ARow);
  const Integer From = Vert ? Cell.Top : Cell.Left, To = Vert ? Cell.Bottom : Cell.Right;
  TRect R(P.Rect.Left - 1, P.Rect.Top - GridLineWidth(), P.Rect.Right, P.Rect.Bottom + GridLineWidth() - 1);
  if (!Options().Contains(goHorzLine)) R.Bottom += 1;
  dropdown::DrawBandGradient(C, foundation::InterpolateColor(B->Color(), B->ColorTo(), 0, Extent, From),
                             foundation::InterpolateColor(B->Color(), B->ColorTo(), 0, Extent, To), 128, R, !Vert);
  C->Brush()->SetColor(P.KeptBrush);
}

void TRezIvevirAvod::DrawSelectionRectangle(TCellPaint& P) {
  if (!FSelectionRectangle || P.Fixed) return;
  const TGridRect Sel = Selection();
  if (!Sel.Contains(P.ACol, P.ARow)) return;
  TCanvas* C = P.Canvas;
  TPen Kept;
  Kept.Assign(C->Pen());
  TScopeExit Restore([&] { C->Pen()->Assign(&Kept); });
  const bool Lines = Options().Contains(goHorzLine) || Options().Contains(goVertLine);
  C->Pen()->SetColor(FSelectionRectangleColor);
  C->Pen()->SetWidth(Lines ? 2 : 1);
  const TRect& R = P.Rect;
  if (P.ACol == Sel.Left) C->Polyline({TPoint{R.Left, R.Top}, TPoint{R.Left, R.Bottom}});
  if (P.ACol == Sel.Right) C->Polyline({TPoint{R.Right - 1, R.Top}, TPoint{R.Right - 1, R.Bottom}});
  if (P.ARow == Sel.Top) C->Polyline({TPoint{R.Left, R.Top}, TPoint{R.Right, R.Top}});
  if (P.ARow == Sel.Bottom) C->Polyline({TPoint{R.Left, R.Bottom - 1}, TPoint{R.Right, R.Bottom - 1}});
  if (FSelectionResizer && P.ACol == Sel.Right && P.ARow == Sel.Bottom) {
    C->Brush()->SetColor(FSelectionRectangleColor);
    C->FillRect(TRect(R.Right - 4, R.Bottom - 4, R.Right, R.Bottom));
    C->Brush()->SetColor(P.KeptBrush);
  }
}

// Margins, room for the graphic and the node indent.
void TRezIvevirAvod::PlaceTextRect(TCellPaint& P, TRect& R) {
  R.Left += FXYOffset.X;
  R.Top += FXYOffset.Y;
  if (!FXYOffsetTopLeftOnly) R.Right -= FXYOffset.X;
  switch (P.GraphicHA) {
    case haBeforeText: R.Left += P.GraphicW; break;
    case haAfterText: R.Right -= P.GraphicW; break;
    default: break;
  }
  if (P.GraphicVA == vaAboveText) R.Top += P.GraphicH;
  if (P.GraphicVA == vaUnderText) R.Bottom -= P.GraphicH;
  if (P.RCol == 0 && FNumNodes > 0 && !(P.Graphic && P.Graphic->CellType() == ctNode))
    R.Left += GetRowIndent(P.ARow);
}

bool TRezIvevirAvod::IsSortHeaderCell(Integer RCol, Integer ARow) {
  TSortSettings* S = FSortSettings.get();
  const bool Sorted = S->Column() == RCol || FSortIndexes->FindIndex(RCol) >= 0;
  return Sorted && ShowsSortIndicator(RCol, ARow) && (RCol >= FixedCols() || S->FixedCols());
}

Integer TRezIvevirAvod::SortIndicatorY(const TRect& R, TVAlignment VA) {
  if (VA == vtaCenter) return R.Top + (R.Bottom - R.Top) / 2;
  if (VA == vtaBottom) return R.Bottom - 8;
  return R.Top + 8;
}

void TRezIvevirAvod::DrawHTMLCellText(TCellPaint& P, TRect R, const String& Text) {
  if (P.FilterButton) R.Right -= 18;
  R.Left -= 1;
  const bool SortHeader = IsSortHeaderCell(P.RCol, P.ARow);
  if (SortHeader) R.Right -= 10;
  const Integer Hover = -1;
  TBrushStyle Kept = P.Canvas->Brush()->Style();
  P.Canvas->Brush()->SetStyle(bsClear);
  const TSize Size = DrawCellHTML(P.Canvas, Text, R, false, P.URLColor, Hover,
                                  HTMLButtonPressedIn(P.RCol, P.ARow) ? FCtrlDownId : String());
  P.Canvas->Brush()->SetStyle(Kept);
  if (SortHeader && (P.RCol == FSortSettings->Column() || FSortSettings->IndexShow()))
    DrawSortIndicator(P.Canvas, P.RCol, SortIndicatorY(R, P.VA), R.Right + 2);
  P.TextWidth = Size.cx + 2;
}

TTextFormat TRezIvevirAvod::PlainTextFlags(const TCellPaint& P, String& Text) {
  TTextFormat Flags{tfEditControl};
  const bool OneLine = !FMultilinecells || foundation::CountTextLines(Text, true) <= 1;
  bool Single = false;
  if (OneLine && !P.WW) {
    String Line;
    String Rest = Text;
    foundation::TakeFirstLine(Rest, false, Line);
    Text = Line;
    Single = true;
    if (FEnhTextSize) Flags.Include(tfEndEllipsis);
  }
  if (P.WW && FEnhTextSize && !FMultilinecells) Flags.Include(tfEndEllipsis);
  Flags.Include(P.HA == taRightJustify ? tfRight : P.HA == taCenter ? tfCenter : tfLeft);
  FVerticalTextFlag = P.VA == vtaCenter ? DT_VCENTER : P.VA == vtaBottom ? DT_BOTTOM : DT_TOP;
  Flags.Include(P.VA == vtaCenter ? tfVerticalCenter : P.VA == vtaBottom ? tfBottom : tfTop);
  Flags += TTextFormat{tfExpandTabs, tfNoPrefix};
  Flags += P.WW && !Single ? TTextFormat{tfWordBreak, tfEditControl} : TTextFormat{tfSingleLine};
  return Flags;
}

void TRezIvevirAvod::DrawPlainCellText(TCellPaint& P, TRect R, String Text, Integer ErrFrom, Integer ErrLen) {
  TCanvas* C = P.Canvas;
  const bool Centred = P.HA == taCenter;
  TSortSettings* S = FSortSettings.get();
  if (Centred && P.ARow == S->Row() && P.RCol == S->Column() && S->Show()) R.Left += 10;
  const bool URL = FURLShow && foundation::IsURLText(Text);
  const TFontStyles KeptStyle = C->Font()->Style();
  if (URL) {
    if (!FURLFull) foundation::StripURLProtocol(Text);
    TFontStyles Underlined = KeptStyle;
    Underlined.Include(fsUnderline);
    C->Font()->SetStyle(Underlined);
    C->Font()->SetColor(P.URLColor);
  }
  const TTextFormat Flags = PlainTextFlags(P, Text);
  const TBrushStyle KeptBrush = C->Brush()->Style();
  C->Brush()->SetStyle(bsClear);
  if (P.FilterButton) R.Right -= 16;
  const TColor KeptColor = C->Font()->Color();
  if (P.FilterEditCell) {
    // An empty filter cell names its filter type, greyed; a typed value shows plain.
    C->Font()->SetStyle(Text.empty() ? TFontStyles{fsItalic} : TFontStyles{});
    if (Text.empty()) C->Font()->SetColor(0x808080);
    if (Text.empty()) Text = P.Placeholder;
  }
  if (P.Graphic) P.TextWidth = C->TextWidth(Text) + 2;
  const Integer Lines = FMultilinecells ? foundation::CountTextLines(Text, true) : 1;
  if (FMultilinecells && Lines > 1) {
    DrawTextLines(C, R, Text, Lines, Flags - TTextFormat{tfVerticalCenter, tfBottom});
  } else {
    if (Flags.Contains(tfSingleLine) && Text.size() > size_t(kSingleLineCut)) Text.resize(kSingleLineCut);
    TRect Box = R;
    // One line at the top left, nothing to expand or shorten: the system's
    // text drawing would only measure it and write it there, clipped.
    const bool Plain = Flags.Contains(tfSingleLine) && Flags.Contains(tfLeft) && Flags.Contains(tfTop) &&
                       !Flags.Contains(tfEndEllipsis) && Text.find(L'\t') == String::npos;
    if (Plain)
      C->TextRect(Box, Box.Left, Box.Top, Text);
    else
      C->TextRect(Box, Text, Flags);
  }
  C->Brush()->SetStyle(KeptBrush);
  if (ErrFrom >= 0 && ErrLen > 0 && (!P.Graphic || P.Graphic->CellType() == ctEmpty ||
                                     P.Graphic->CellType() == ctValue))
    foundation::DrawErrorUnderline(this, C, Text, R, C->TextHeight(L"hg"), ErrFrom, ErrLen);
  if (IsSortHeaderCell(P.RCol, P.ARow) && (P.RCol == S->Column() || S->IndexShow())) {
    const Integer Indent = (P.GraphicHA == haBeforeText || P.GraphicHA == haLeft) && P.HA == taLeftJustify
                               ? P.GraphicW : 0;
    const Integer U = std::max(0, std::min(R.Right - R.Left - 16, C->TextWidth(Text)));
    const Integer X = P.HA == taLeftJustify ? R.Left + U + Indent + 10 : P.HA == taRightJustify ? R.Right - U - 10
                                                                                               : R.Left + 8;
    DrawSortIndicator(C, P.RCol, SortIndicatorY(R, P.VA), X);
  }
  if (URL || P.FilterEditCell) C->Font()->SetStyle(KeptStyle);
  C->Font()->SetColor(KeptColor);
}

// Several lines placed as a block by the vertical alignment, each drawn on
// its own and advancing by the height it took.
void TRezIvevirAvod::DrawTextLines(TCanvas* C, const TRect& R, const String& Text, Integer Lines,
                                   TTextFormat Flags) {
  const Integer LineHeight = C->TextHeight(L"gh");
  Integer Top = R.Top;
  if (FVerticalTextFlag == DT_VCENTER) Top = R.Top + (R.Height() - Lines * LineHeight) / 2;
  if (FVerticalTextFlag == DT_BOTTOM) Top = R.Bottom - Lines * LineHeight;
  String Rest = Text;
  while (!Rest.empty()) {
    String Line;
    foundation::TakeFirstLine(Rest, true, Line);
    TRect Box(R.Left, Top, R.Right, R.Bottom);
    C->TextRect(Box, Line, Flags);
    Top += Line.empty() ? LineHeight : C->TextHeight(Line);
  }
}

}  // namespace jorv::grid
