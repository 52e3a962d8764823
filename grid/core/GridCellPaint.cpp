// The content of one cell, drawn in a fixed order of layers after the base
// grid has filled its background and lines: fixed-cell looks, the row
// indicator, the modified mark, always-visible editor buttons, the text
// (plain, HTML, rich), borders, tree lines, the cell graphic, the user's drawing events
// and the focus rectangle. Every colour the layers change is put back.
#include <algorithm>
#include "dropdown/DropDownPaint.h"
#include "foundation/CellButtons.h"
#include "foundation/Gradients.h"
#include "foundation/HTMLRenderer.h"
#include "foundation/PictureContainer.h"
#include "foundation/TextUtils.h"
#include "foundation/ValueUtils.h"
#include "grid/base/grdxlsfmt.h"
#include "grid/base/SameGdiObjects.h"
#include "grid/core/GridCellPaintState.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Colors.h"
#include "platform/gfx/DCScope.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Pen.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Variant.h"

namespace jorv::grid {


namespace {

constexpr Integer kEditorButton = 16;
constexpr Integer kModifiedMark = 4;

bool IsNumberKind(Integer Kind) { return Kind == 0 || Kind == 1 || Kind == 5; }

}  // namespace

// --- the formatted text --------------------------------------------------------------------------

String TRezIvevirAvod::GetFormattedCell(Integer ACol, Integer ARow) {
  String Text = GetCellEx(ACol, ARow);
  if (!OnGetFloatFormat) return Text;
  bool IsFloat = IsNumberKind(foundation::NumberTextKind(Text));
  String Fmt = FFloatFormat;
  if (IsFloat) OnGetFloatFormat(this, ACol, ARow, IsFloat, Fmt);
  if (!IsFloat || Fmt.empty()) return Text;
  try {
    if (FFormatType == ftExcel) {
      String Result;
      FormatCellValue(Variant(GetFloats(ACol, ARow)), Fmt, Result);
      return Result;
    }
    if (Pos(L"d", Fmt) > 0) return Format(Fmt, {GetInts(ACol, ARow)});
    return Format(Fmt, {GetFloats(ACol, ARow)});
  } catch (const Exception&) {
    return Text;  // a value that does not read or format shows as typed
  }
}

// --- the layers ----------------------------------------------------------------------------------

void TRezIvevirAvod::DrawGridCellContent(TCanvas* Canvas, Integer ACol, Integer ARow, TRect ARect,
                                         TGridDrawState AState) {
  TCellPaint P;
  P.Canvas = Canvas;
  P.ACol = ACol;
  P.RCol = DisplToRealCol(ACol);
  P.ARow = ARow;
  P.State = AState;
  P.Rect = ARect;
  P.WW = WordWrap();
  P.FilterButton = ARow == FFilterDropDownRow && ShowsFilterButton(P.RCol);
  GetVisualProperties(ACol, ARow, P.State, false, false, true, Canvas->Brush(), P.ColorTo, P.Mirror, P.MirrorTo,
                      Canvas->Font(), P.HA, P.VA, P.WW, P.GD);
  GetCellGraphicInfo(P.RCol, ARow, P.Graphic, P.GraphicW, P.GraphicH, P.GraphicHA, P.GraphicVA, P.AllowText);
  if (P.RCol == 0 && P.Graphic && P.Graphic->CellType() == ctNode)
    if (TCellProperties* Props = ExistingProps(0, ARow)) P.GraphicW = Props->NodeLevel() * 12 + 4;
  DrawCellScrollBar(P);
  const bool HasFocus = GridHasFocus(this);
  if (P.State.Contains(gdSelected) && !HasFocus && FSelectionColor == clNone) Canvas->Brush()->SetColor(clHighlight);
  ZoomFont(Canvas->Font());
  P.KeptBrush = Canvas->Brush()->Color();
  P.KeptFont = Canvas->Font()->Color();
  P.Fixed = (IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows()) &&
            !(ARow == FHoverRowIdx && FHoverRow && FHoverRowCells.Contains(hcFixed));
  if (P.Fixed) DrawFixedCellLook(P);
  const Integer IndicatorWidth = DrawRowIndicator(P);
  if (P.Fixed && FLook == glListView && !FFlat) DrawListViewHeader(P);
  if (DisplToRealCol(ACol) == 0 && FShowModified->Enabled() && GetRowModified(DisplToRealRow(ARow))) {
    Canvas->Brush()->SetColor(FShowModified->Color());
    Canvas->FillRect(TRect(P.Rect.Right - kModifiedMark, P.Rect.Top, P.Rect.Right, P.Rect.Bottom));
    Canvas->Brush()->SetColor(P.KeptBrush);
  }
  if (OnCustomCellBkgDraw) OnCustomCellBkgDraw(this, Canvas, P.RCol, ARow, P.State, P.Rect, false);
  const Integer RightBefore = P.Rect.Right;
  if (!IsFixed(ACol, ARow)) DrawEditorButtons(P);
  const bool UserDraws = (OnDrawCell || OnCustomCellDraw) && FNoDefaultDraw;
  if (!(P.Graphic && FNoImageAndText) && !UserDraws) DrawCellText(P);
  P.Rect.Right = RightBefore;
  Canvas->Brush()->SetColor(P.KeptBrush);
  Canvas->Font()->SetColor(P.KeptFont);
  P.Rect = TRect(P.Rect.Left - 1, P.Rect.Top - 1, P.Rect.Right + 1, P.Rect.Bottom + 1);
  DrawCellBorders(Canvas, P.RCol, ARow, P.Rect);
  P.Rect.Left -= IndicatorWidth;
  DrawFixedCellEdges(P);
  DrawPushedFixedCell(P);
  DrawTreeLines(P);
  DrawCellGraphicLayer(P);
  if (OnDrawCell)
    OnDrawCell(this, P.RCol, ARow,
               TRect(P.Rect.Left, P.Rect.Top, P.Rect.Right - GridLineWidth(), P.Rect.Bottom - GridLineWidth()),
               P.State);
  if (OnCustomCellDraw) OnCustomCellDraw(this, Canvas, P.RCol, ARow, P.State, P.Rect, false);
  DrawCellFocus(P, HasFocus);
  DrawDesignColumnNumber(P);
}

void TRezIvevirAvod::ZoomFont(TFont* AFont) {
  if (FZoomFactor == 0) return;
  const Integer Size = AFont->Size() + FZoomFactor;
  AFont->SetSize(Size == 0 ? 1 : Size);
}

bool TRezIvevirAvod::HasFixedGradientLook() const {
  return FLook == glZVQ || FLook == glXP || FLook == glVista || FLook == glWin7 || FLook == glOffice2007;
}

// Every branch of DrawFixedCellLook but the current-cell header's fills the
// whole rectangle it is given, unless the look is flat; a cell scroll bar
// takes that rectangle's right part first.
bool TRezIvevirAvod::ContentCoversFixedFace(Integer ACol, Integer ARow) {
  if (!HasFixedGradientLook() || FFlat) return false;
  if (!(IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows())) return false;
  if (ARow == FHoverRowIdx && FHoverRow && FHoverRowCells.Contains(hcFixed)) return false;
  const bool RowHeader = ARow == Row() && ACol == FixedCols() - 1 && FixedCols() > 0;
  const bool ColHeader = ACol == Col() && ARow == FixedRows() - 1 && FixedRows() > 0;
  if (FActiveCellShow && (RowHeader || ColHeader)) return false;
  TCellGraphic* Graphic = GetCellGraphic(DisplToRealCol(ACol), ARow);
  return !(Graphic && Graphic->CellType() == ctScrollbar);
}

// Hover, pressed, current-cell header and sort header looks of the fixed
// cells of the gradient looks.
void TRezIvevirAvod::DrawFixedCellLook(TCellPaint& P) {
  if (!HasFixedGradientLook()) return;
  TCanvas* C = P.Canvas;
  const bool Moving = GridState() == gsColMoving;
  const bool Hovered = (IsHoverFixedCell(P.ACol, P.ARow) && !Moving && FHoverFixedX == P.ACol &&
                        FHoverFixedY == P.ARow) ||
                       (Moving && FMoveIndex == P.ACol);
  if (Hovered && !Designing()) {
    DrawHoveredFixedCell(P, Moving);
    return;
  }
  const bool RowHeader = P.ARow == Row() && P.ACol == FixedCols() - 1 && FixedCols() > 0;
  const bool ColHeader = P.ACol == Col() && P.ARow == FixedRows() - 1 && FixedRows() > 0;
  TSortSettings* S = FSortSettings.get();
  if (FActiveCellShow && (RowHeader || ColHeader)) {
    foundation::DrawGradient(C, FActiveCellColor, FActiveCellColorTo, 64, P.Rect, false);
  } else if (S->Column() != -1 && S->HeaderColor() != clNone && S->Column() == P.RCol &&
             P.ARow == FixedRows() - 1 && (P.ACol >= FixedCols() || S->FixedCols())) {
    foundation::FillMirroredGradient(C, P.Rect, S->HeaderColor(), S->HeaderColorTo(), S->HeaderMirrorColor(),
                                     S->HeaderMirrorColorTo(), true, clNone, false, true);
  } else if (!FFlat) {
    foundation::FillMirroredGradient(C, P.Rect, P.KeptBrush, P.ColorTo, P.Mirror, P.MirrorTo, true, clNone, false,
                                     true);
    if (FLook == glVista) {
      C->Pen()->SetColor(clWhite);
      C->Polyline({TPoint{P.Rect.Left, P.Rect.Top}, TPoint{P.Rect.Left, P.Rect.Bottom}});
      C->Polyline({TPoint{P.Rect.Right - 1, P.Rect.Top}, TPoint{P.Rect.Right - 1, P.Rect.Bottom}});
    }
  }
  C->Brush()->SetColor(P.KeptBrush);
}

void TRezIvevirAvod::DrawHoveredFixedCell(TCellPaint& P, bool Moving) {
  TCanvas* C = P.Canvas;
  TRect R = P.Rect;
  R.Bottom += 1;
  auto Hover = [&](const TRect& Area) {
    foundation::FillMirroredGradient(C, Area, FZVQGradientHoverFrom, FZVQGradientHoverTo,
                                     FZVQGradientHoverMirrorFrom, FZVQGradientHoverMirrorTo, true,
                                     FZVQGradientHoverBorder, false, true);
  };
  auto Down = [&](const TRect& Area) {
    foundation::FillMirroredGradient(C, Area, FZVQGradientDownFrom, FZVQGradientDownTo, FZVQGradientDownMirrorFrom,
                                     FZVQGradientDownMirrorTo, true, FZVQGradientDownBorder, false, true);
  };
  const bool Button = FControlLook->FixedDropDownButton() && DoCanShowFixedDropDown(P.RCol);
  const TRect ButtonPart(R.Right - kEditorButton, R.Top, R.Right, R.Bottom);
  const TRect Rest(R.Left, R.Top, R.Right - kEditorButton, R.Bottom);
  const bool Pressed = FMouseDown || Moving;
  if (!Pressed) {
    Hover(R);
  } else if (Button) {
    Down(FDropDownDown ? ButtonPart : Rest);
    Hover(FDropDownDown ? Rest : ButtonPart);
  } else {
    Down(R);
  }
  if (Button) {
    C->Pen()->SetColor(Pressed ? FZVQGradientDownBorder : FZVQGradientHoverBorder);
    C->Polyline({TPoint{R.Right - kEditorButton, R.Top}, TPoint{R.Right - kEditorButton, R.Bottom}});
    foundation::DrawSmallDownArrow(C, R.Right - 8, R.Top + 8, clBlack);
    P.Rect.Right -= kEditorButton;
  }
  P.Rect.Bottom = R.Bottom;
  C->Brush()->SetColor(P.KeptBrush);
}

Integer TRezIvevirAvod::DrawRowIndicator(TCellPaint& P) {
  if (P.RCol != 0 || P.ARow != Row() || FixedCols() == 0 || FRowIndicator->Empty()) return 0;
  if (RowCount() == FixedRows() && FFixedRowAlways) return 0;
  const Integer H = FRowIndicator->Height();
  Integer Top = P.Rect.Top;
  if (FVAlignment == vtaCenter) Top = P.Rect.Top + (P.Rect.Height() - H) / 2;
  if (FVAlignment == vtaBottom) Top = P.Rect.Bottom - H;
  foundation::DrawBitmapTransparent(P.Canvas, FRowIndicator.get(), P.Canvas->Brush()->Color(),
                                    TRect(P.Rect.Left + 2, Top, P.Rect.Left + 2 + FRowIndicator->Width(), Top + H));
  P.Rect.Left += FRowIndicator->Width() + 2;
  return FRowIndicator->Width();
}

void TRezIvevirAvod::DrawListViewHeader(TCellPaint& P) {
  TCanvas* C = P.Canvas;
  if (VisualStylesOn()) {
    DrawThemedListViewHeader(P);
    return;
  }
  C->Brush()->SetColor(clBtnFace);
  C->Pen()->SetColor(clWhite);
  C->Rectangle(P.Rect);
  C->Brush()->SetColor(P.KeptBrush);
}

void TRezIvevirAvod::DrawEditorButtons(TCellPaint& P) {
  TControlLook* L = FControlLook.get();
  if (!L->DropDownAlwaysVisible() && !L->SpinButtonsAlwaysVisible()) return;
  Integer Look = L->FlatButton() ? 2 : VisualStylesOn() ? 0 : 1;
  if (FFlat && FColorTones.Background.BrushColor != clNone) Look = 3;
  bool CanEdit = true;
  CanEditCell(P.RCol, P.ARow, CanEdit);
  const Integer State = CanEdit ? 0 : 3;
  TEditorType Editor = FDefaultEditor;
  DoGetEditorType(P.RCol, P.ARow, Editor);
  HWND Wnd = HandleAllocated() ? Handle() : nullptr;
  TRect& R = P.Rect;
  if (L->DropDownAlwaysVisible()) {
    if (HasComboBox(P.RCol, P.ARow, Editor)) {
      foundation::DrawComboButton(P.Canvas, Wnd, TRect(R.Left - 2, R.Top - 1, R.Right + 1, R.Bottom), Look, State,
                                  FColorTones);
      R.Right -= kEditorButton;
    } else if (HasEditBtn(P.RCol, P.ARow, Editor)) {
      foundation::DrawCellButton(P.Canvas, Wnd, TRect(R.Right - 19, R.Top - 2, R.Right - 1, R.Bottom - 1), Look,
                                 State, FColorTones, L"...");
      R.Right -= kEditorButton;
    }
  }
  if (L->SpinButtonsAlwaysVisible() && HasSpinEdit(P.RCol, P.ARow, Editor)) {
    foundation::DrawSpinButtons(P.Canvas, Wnd, R, Look, State, FColorTones);
    R.Right -= kEditorButton;
  }
  P.Canvas->Brush()->SetColor(P.KeptBrush);
}

// --- borders, edges, graphic, focus --------------------------------------------------------------

void TRezIvevirAvod::DrawCellBorders(TCanvas* Canvas, Integer RCol, Integer ARow, TRect ARect) {
  TCellBorders Borders;
  TPen Kept;
  Kept.Assign(Canvas->Pen());
  TScopeExit Restore([&] { AssignPenIfDifferent(Canvas->Pen(), &Kept); });
  GetCellBorder(RCol, ARow, Canvas->Pen(), Borders);
  if (Borders.Empty() && !OnGetCellBorderProp) return;
  TPen Left, Top, Right, Bottom;
  Left.Assign(Canvas->Pen()), Top.Assign(Canvas->Pen()), Right.Assign(Canvas->Pen()), Bottom.Assign(Canvas->Pen());
  if (OnGetCellBorderProp) OnGetCellBorderProp(this, ARow, RCol, &Left, &Top, &Right, &Bottom);
  TRect R = ARect;
  const bool CellFixed = RCol < FixedCols() || ARow < FixedRows();
  if (!CellFixed) R.Left += 1 - FXYOffset.X;
  const Integer Half = (Canvas->Pen()->Width() + 1) / 2;
  const Integer PV = Options().Contains(goVertLine) ? Half : 0, PH = Options().Contains(goHorzLine) ? Half : 0;
  R.Left += PV, R.Right -= PV, R.Bottom -= PH;
  auto Line = [&](TPen* Pen, Integer X1, Integer Y1, Integer X2, Integer Y2) {
    Canvas->Pen()->Assign(Pen);
    Canvas->Polyline({TPoint{X1, Y1}, TPoint{X2, Y2}});
  };
  if (Borders.Contains(cbLeft)) Line(&Left, std::max(0, R.Left), R.Top, std::max(0, R.Left), R.Bottom);
  if (Borders.Contains(cbRight)) Line(&Right, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
  if (Borders.Contains(cbTop)) {
    const Integer Y = GridLineWidth() == 0 ? R.Top + 2 + PH : std::max(0, R.Top + 1 + PH - GridLineWidth());
    Line(&Top, R.Left, Y, R.Right, Y);
  }
  if (Borders.Contains(cbBottom)) Line(&Bottom, R.Left, R.Bottom - 1, R.Right, R.Bottom - 1);
}

void TRezIvevirAvod::DrawFixedCellEdges(TCellPaint& P) {
  TCanvas* C = P.Canvas;
  const bool FilterCell = P.ARow == FFilterEdit->Row() && HasFilterEdit(P.RCol, P.ARow);
  const TGridOptions Opt = Options();
  TRect& R = P.Rect;
  if (P.Fixed && !FilterCell && !FFlat) {
    if (FLook == glClassic) {
      R.Top += 1, R.Bottom += 1, R.Left += 1;
      RECT E{R.Left, R.Top, R.Right, R.Bottom};
      DrawEdge(C->Handle(), &E, BDR_RAISEDINNER, BF_LEFT | BF_TOP);
      DrawEdge(C->Handle(), &E, BDR_RAISEDOUTER | BDR_RAISEDINNER, BF_RIGHT | BF_BOTTOM);
      C->Pen()->SetColor(clBlack);
      C->Polyline({TPoint{R.Right - 1, R.Top}, TPoint{R.Right - 1, R.Bottom - 1}, TPoint{R.Left - 1, R.Bottom - 1}});
    } else if (FLook == glZVQ || FLook == glXP || FLook == glSoft) {
      if (FLook == glSoft) R.Right += 1;
      R.Bottom += 1;
      const TColor Dark = foundation::DarkenColorHalf(FixedColor());
      if (Opt.Contains(goFixedHorzLine)) {
        C->Pen()->SetColor(Dark);
        C->Polyline({TPoint{R.Left, R.Bottom - 1}, TPoint{R.Right - 1, R.Bottom - 1}});
        C->Pen()->SetColor(clWhite);
        const Integer Start = FLook == glSoft ? R.Right : R.Right - 2;
        C->Polyline({TPoint{Start, R.Top + 1}, TPoint{R.Left + 1, R.Top + 1}, TPoint{R.Left + 1, R.Bottom - 1}});
      }
      if (FLook == glSoft && Opt.Contains(goFixedVertLine)) {
        C->Pen()->SetColor(Dark);
        C->Polyline({TPoint{R.Right - 2, R.Top}, TPoint{R.Right - 2, R.Bottom - 1}});
        C->Pen()->SetColor(clWhite);
        C->Polyline({TPoint{R.Right - 1, R.Top}, TPoint{R.Right - 1, R.Bottom - 1}});
      }
    }
  }
  const Integer AllCols = ColCount() + FNumHidden;
  if (P.RCol >= AllCols - FFixedRightCols && P.RCol < AllCols && FFlat && FLook != glClassic) {
    C->Pen()->SetColor(0x808080);
    if (Opt.Contains(goFixedHorzLine)) {
      C->Polyline({TPoint{R.Left - 1, R.Top - 1}, TPoint{R.Right + 1, R.Top - 1}});
      C->Polyline({TPoint{R.Left - 1, R.Bottom}, TPoint{R.Right + 1, R.Bottom}});
    }
    if (Opt.Contains(goFixedVertLine)) {
      C->Polyline({TPoint{R.Left - 1, R.Top - 1}, TPoint{R.Left - 1, R.Bottom + 1}});
      C->Polyline({TPoint{R.Right, R.Top - 1}, TPoint{R.Right, R.Bottom + 1}});
    }
  }
}

void TRezIvevirAvod::DrawCellGraphicLayer(TCellPaint& P) {
  if (!P.Graphic) return;
  TCellGraphicContext Context;
  Context.Canvas = P.Canvas;
  Context.Col = P.RCol;
  Context.Row = P.ARow;
  Context.State = P.State;
  Context.CellRect = P.Rect;
  Context.TextAlign = P.HA;
  Context.TextWidth = P.TextWidth;
  TRect R = P.Rect;
  if (P.Fixed) R.Top += 1;
  DrawCellGraphics(R, P.Graphic, P.VA, Context);
}

void TRezIvevirAvod::DrawCellFocus(TCellPaint& P, bool HasFocus) {
  if (FHideFocusRect || !HasFocus || Options().Contains(goRowSelect)) return;
  const TPoint Base = BaseCell(P.RCol, P.ARow);
  if (RealToDisplCol(Base.X) != Col() || Base.Y != Row()) return;
  if (Col() < FixedCols() || Row() < FixedRows()) return;
  const Integer Grow = GridLineWidth() - 1;
  TRect R(P.Rect.Left - Grow, P.Rect.Top - Grow, P.Rect.Right + Grow - 1, P.Rect.Bottom + Grow - 1);
  P.Canvas->DrawFocusRect(R);
}

void TRezIvevirAvod::DrawDesignColumnNumber(TCellPaint& P) {
  if (!Designing() || !FShowColumnNumbersAtDesign || P.ARow != 0) return;
  TCanvas* C = P.Canvas;
  TFont Kept;
  Kept.Assign(C->Font());
  TScopeExit Restore([&] { C->Font()->Assign(&Kept); });
  TFont Plain;
  C->Font()->SetName(Plain.Name());
  C->Font()->SetSize(8);
  C->Font()->SetStyle(TFontStyles{});
  C->Font()->SetColor(0x808080);
  String Number = IntToStr(P.RCol);
  TRect R(P.Rect.Left, P.Rect.Top, P.Rect.Right - 2, P.Rect.Bottom);
  const TBrushStyle KeptBrush = C->Brush()->Style();
  C->Brush()->SetStyle(bsClear);
  C->TextRect(R, Number, TTextFormat{tfRight, tfBottom, tfSingleLine});
  C->Brush()->SetStyle(KeptBrush);
}

}  // namespace jorv::grid
