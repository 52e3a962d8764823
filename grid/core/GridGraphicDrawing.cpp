// Drawing what a cell's graphic holds, placed relative to the cell's text,
// and the check box, radio button and sort indicator glyphs that printing
// and the design-time panel share. Painting never raises: what is missing
// draws nothing.
#include <algorithm>
#include <cmath>
#include "foundation/CellButtons.h"
#include "foundation/CellShapes.h"
#include "foundation/ValueBars.h"
#include "foundation/XPTheme.h"
#include "grid/base/FilePicture.h"
#include "grid/base/IntList.h"
#include "grid/core/GridGlyphs.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/DCScope.h"
#include "platform/gfx/Icon.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"

namespace jorv::grid {

namespace {

bool IsCheckKind(TCellType Kind) {
  switch (Kind) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton:
    case ctTriStateCheckBox: return true;
    default: return false;
  }
}

// Kinds whose box follows the text's own edge rather than the text width.
bool IsDataCheckKind(TCellType Kind) {
  return Kind == ctDataCheckBox || Kind == ctVirtCheckBox || Kind == ctRowCheckBox;
}

TCellVAlign PlacementOf(TVAlignment V) {
  return V == vtaCenter ? vaCenter : V == vtaBottom ? vaBottom : vaTop;
}

Integer HorizontalBox(TCellHAlign HA, TAlignment TextAlign, const TRect& R, Integer W, Integer T) {
  const Integer Width = R.Right - R.Left;
  switch (HA) {
    case haRight: return R.Right - 1 - W;
    case haCenter: return W < Width ? R.Left + (Width - W) / 2 : R.Left + 1;
    case haBeforeText:
      if (TextAlign == taRightJustify) return std::max(R.Right - T - W, R.Left + 1);
      if (TextAlign == taCenter) return std::max(R.Left + (Width - T - W) / 2, R.Left + 1);
      return R.Left + 1;
    case haAfterText:
      if (TextAlign == taRightJustify) return R.Right - 1 - W;
      if (TextAlign == taCenter) return std::max(R.Left + T + (Width - T - W) / 2, R.Left + 1);
      return R.Left + T;
    case haFull: return R.Left;
    default: return R.Left + 1;
  }
}

Integer VerticalBox(TCellVAlign VA, const TRect& R, Integer H) {
  const Integer Height = R.Bottom - R.Top;
  switch (VA) {
    case vaBottom: return R.Bottom - 1 - H;
    case vaCenter: return H < Height ? R.Top + (Height - H) / 2 : R.Top + 1;
    case vaUnderText: return R.Bottom - H;
    case vaFull: return R.Top;
    default: return R.Top + 1;
  }
}

}  // namespace

bool TRezIvevirAvod::VisualStylesOn() const {
  using namespace foundation;
  return FIsComCtl6 && IsThemeActive && IsThemeActive() && OpenThemeData && DrawThemeBackground;
}

// --- sizes ---------------------------------------------------------------------------------------

void TRezIvevirAvod::GetCellGraphicInfo(Integer ACol, Integer ARow, TCellGraphic*& Graphic, Integer& W, Integer& H,
                                        TCellHAlign& HA, TCellVAlign& VA, bool& AllowText) {
  Graphic = GetCellGraphic(ACol, ARow);
  W = H = 0;
  AllowText = true;
  HA = haLeft;
  VA = vaTop;
  if (!Graphic) return;
  HA = Graphic->CellHAlign();
  VA = Graphic->CellVAlign();
  TCustomImageList* Images = GetCellImageList(ACol, ARow);
  const Integer Check = FControlLook->CheckSize();
  switch (Graphic->CellType()) {
    case ctBitmap:
      if (TBitmap* B = Graphic->Bitmap()) W = B->Width(), H = B->Height();
      break;
    case ctIcon:
      if (TIcon* I = Graphic->Icon()) W = I->Width(), H = I->Height();
      break;
    case ctImageList:
      if (Images) W = Images->Width(), H = Images->Height();
      break;
    case ctDataImage:
      if (Images) W = Images->Width(), H = Images->Height(), AllowText = false;
      break;
    case ctCheckBox:
    case ctTriStateCheckBox: W = H = Check; break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
      W = H = Check;
      AllowText = false;
      break;
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress: AllowText = false; break;
    case ctImages:
      if (Images) {
        const Integer Count = Graphic->IntList() ? Graphic->IntList()->Count() : 0;
        W = Graphic->CellBoolean() ? Count * Images->Width() : Images->Width();
        H = Graphic->CellBoolean() ? Images->Height() : Count * Images->Height();
      }
      break;
    case ctPicture:
    case ctFilePicture: {
      const TPoint Cell = CellSize(RealToDisplCol(ACol), ARow);
      const TPoint P = Graphic->GetPictureSize(Cell.X, Cell.Y, false);
      W = P.X, H = P.Y;
      break;
    }
    case ctButton:
    case ctBitButton:
      W = Graphic->CellIndex() & 0xFFFF;
      H = Integer(Cardinal(Graphic->CellIndex()) >> 16);
      break;
    case ctProgressPie: W = H = 20; break;
    case ctInterface:
      if (IInterfacedCell* I = Graphic->Interfaced()) W = I->GetWidth(), H = I->GetHeight();
      break;
    case ctRadioButton: W = H = FControlLook->RadioSize() + 4; break;
    case ctShape: W = H = GetRowHeights(ARow) - 2 * FXYOffset.Y; break;
    case ctRating:
      W = Graphic->CellAngle() * 18;
      H = 16;
      AllowText = false;
      break;
    default: break;
  }
}

// --- the graphic of one cell -----------------------------------------------------------------------

void TRezIvevirAvod::DrawCellGraphics(TRect Rect, TCellGraphic* Graphic, TVAlignment VA,
                                      const TCellGraphicContext& Context) {
  TCanvas* C = Context.Canvas;
  if (!Graphic || !C) return;
  const TColor PenColor = C->Pen()->Color(), BrushColor = C->Brush()->Color(), FontColor = C->Font()->Color();
  const TBrushStyle BrushStyle = C->Brush()->Style();
  TScopeExit Restore([&] {
    C->Pen()->SetColor(PenColor);
    C->Brush()->SetColor(BrushColor);
    C->Brush()->SetStyle(BrushStyle);
    C->Font()->SetColor(FontColor);
  });
  const TCellType Kind = Graphic->CellType();
  TRect R = Rect;
  if (Kind != ctNode && Kind != ctProgress && Kind != ctRangeIndicator && Kind != ctXPProgress) {
    R.Left += FXYOffset.X - 1;
    R.Right -= FXYOffset.X - 1;
    R.Top += FXYOffset.Y - 1;
    R.Bottom -= FXYOffset.Y - 1;
  }
  const Integer T = Context.TextWidth > 0 ? Context.TextWidth + 2 : 0;
  TCellGraphic* Info = nullptr;
  Integer W = 0, H = 0;
  TCellHAlign HA = haLeft;
  TCellVAlign GA = vaTop;
  bool AllowText = true;
  GetCellGraphicInfo(Context.Col, Context.Row, Info, W, H, HA, GA, AllowText);
  // The painter may hold a graphic that is not the cell's own (a shared one).
  if (Info != Graphic) HA = Graphic->CellHAlign(), GA = Graphic->CellVAlign();
  if (IsCheckKind(Kind) && VA != FVAlignment) GA = PlacementOf(VA);
  TRect Box;
  Box.Left = HorizontalBox(HA, Context.TextAlign, R, W, T);
  Box.Right = HA == haFull ? R.Right : Box.Left + W;
  Box.Top = VerticalBox(GA, R, H);
  Box.Bottom = GA == vaFull ? R.Bottom : Box.Top + H;
  switch (Kind) {
    case ctBitmap:
    case ctIcon:
    case ctImageList:
    case ctDataImage:
    case ctImages:
    case ctPicture:
    case ctFilePicture: DrawImageKinds(C, Graphic, Box, Context); break;
    case ctRadio:
    case ctProgressPie:
    case ctShape:
    case ctRating:
    case ctInterface: DrawValueKinds(C, Graphic, Box, Rect, Context); break;
    case ctRotated:
      DrawRotatedText(C, Graphic, Rect, VA, Context);
      DrawRotatedSortIndicator(C, R, Context.Col, Context.Row);
      break;
    case ctNode: DrawNodeGlyph(C, Graphic, Rect, Context); break;
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress: DrawProgressKinds(C, Graphic, Rect, Context); break;
    case ctButton:
    case ctBitButton:
    case ctExpand: DrawButtonKinds(C, Graphic, Box, R, Context); break;
    default:
      if (IsCheckKind(Kind)) DrawCheckKinds(C, Graphic, Box, R, T, Context);
      break;
  }
  if (Kind != ctNode) DrawCommentMarker(C, Graphic, R);
}

void TRezIvevirAvod::DrawImageKinds(TCanvas* C, TCellGraphic* Graphic, const TRect& Box,
                                    const TCellGraphicContext& Context) {
  TCustomImageList* Images = GetCellImageList(Context.Col, Context.Row);
  switch (Graphic->CellType()) {
    case ctBitmap:
      if (TBitmap* B = Graphic->Bitmap(); B && !B->Empty()) {
        if (Graphic->CellTransparent())
          foundation::DrawBitmapTransparent(C, B, C->Brush()->Color(), Box);
        else
          C->Draw(Box.Left, Box.Top, B);
      }
      break;
    case ctIcon:
      if (TIcon* I = Graphic->Icon(); I && !I->Empty()) C->Draw(Box.Left, Box.Top, I);
      break;
    case ctImageList:
      if (Images && Graphic->CellIndex() >= 0 && Graphic->CellIndex() < Images->Count())
        Images->Draw(C, Box.Left, Box.Top, Graphic->CellIndex());
      break;
    case ctDataImage: {
      if (!Images || GetCells(Context.Col, Context.Row).empty()) break;
      Integer Index = -1;
      try {
        Index = GetInts(Context.Col, Context.Row);
      } catch (const DAvoDeveDeviz&) {
        break;  // a text that is no number shows no image
      }
      if (Index >= 0 && Index < Images->Count()) Images->Draw(C, Box.Left, Box.Top, Index);
      break;
    }
    case ctImages:
      if (TIntList* List = Graphic->IntList(); List && Images) {
        for (Integer i = 0; i < List->Count(); ++i) {
          const Integer Step = Graphic->CellBoolean() ? Images->Width() : Images->Height();
          const Integer X = Box.Left + (Graphic->CellBoolean() ? i * Step : 0);
          const Integer Y = Box.Top + (Graphic->CellBoolean() ? 0 : i * Step);
          if (List->Items(i) >= 0 && List->Items(i) < Images->Count()) Images->Draw(C, X, Y, List->Items(i));
        }
      }
      break;
    case ctPicture:
      if (TPicture* P = Graphic->Picture(); P && P->Graphic()) {
        if (Graphic->CellAngle() != noStretch)
          C->StretchDraw(Box, P->Graphic());
        else
          C->Draw(Box.Left, Box.Top, P->Graphic());
      }
      break;
    case ctFilePicture:
      if (TFilePicture* P = Graphic->FilePicture()) P->DrawPicture(C, Box);
      break;
    default: break;
  }
}

void TRezIvevirAvod::DrawValueKinds(TCanvas* C, TCellGraphic* Graphic, const TRect& Box, const TRect& Rect,
                                    const TCellGraphicContext& Context) {
  switch (Graphic->CellType()) {
    case ctRadio: {
      bool Enabled = true;
      CanEditCell(Context.Col, Context.Row, Enabled);
      TStrings* Items = Graphic->Strings();
      DrawRadioGlyph(C, Rect, false, 1.0, FControlLook->ControlStyle(), Context.Row, Context.Col,
                     Context.State.Contains(gdSelected), Items, !Enabled, Graphic->CellBoolean(),
                     Graphic->CellIndex(), Items ? Items->Count() : 0);
      break;
    }
    case ctProgressPie:
      foundation::DrawProgressPie(C, TRect(Box.Left, Box.Top, Box.Left + 20, Box.Top + 20),
                                  Graphic->CellBitmapColor(), Graphic->CellAngle());
      break;
    case ctShape:
      foundation::DrawCellShape(C, Box.Left, Box.Top, Box.Right - Box.Left - 1, Box.Bottom - Box.Top - 1,
                                static_cast<TCellShape>(Graphic->CellAngle()), Graphic->CellIndex(),
                                Graphic->CellBitmapColor());
      break;
    case ctRating: {
      double Value = 0;
      try {
        Value = GetFloats(Context.Col, Context.Row);
      } catch (const DAvoDeveDeviz&) {
      }
      const double V = std::trunc(Value * 2) / 2;
      for (Integer i = 1; i <= Graphic->CellAngle(); ++i) {
        const Integer X = Box.Left + (i - 1) * 18;
        const TColor Fill = i > V ? Graphic->CellBitmapColor() : Graphic->CellIndex();
        foundation::DrawCellShape(C, X, Box.Top, 16, 16, csStar, Fill, Fill);
        if (i - 1 < V && V < i)
          foundation::DrawCellShape(C, X, Box.Top, 16, 16, csHalfStar, Graphic->CellIndex(), Graphic->CellIndex());
      }
      break;
    }
    case ctInterface:
      if (IInterfacedCell* I = Graphic->Interfaced())
        I->Draw(C, TRect(Box.Left - 1, Box.Top - 1, Box.Right, Box.Bottom), Context.Col, Context.Row,
                Context.State.Contains(gdSelected), this);
      break;
    default: break;
  }
}

void TRezIvevirAvod::DrawCheckKinds(TCanvas* Canvas, TCellGraphic* G, TRect Box, const TRect& R, Integer T,
                                    const TCellGraphicContext& Context) {
  const TCellType Kind = G->CellType();
  const Integer W = Box.Right - Box.Left;
  if (OnGetAlignment || HasColumnAlignment()) {
    Integer X = R.Left + 1;
    if (Context.TextAlign == taRightJustify) {
      X = (IsDataCheckKind(Kind) ? R.Right : R.Right - T) - W - 1;
    } else if (Context.TextAlign == taCenter) {
      if (IsDataCheckKind(Kind) || T < 1)
        X = R.Left + std::max(0, R.Right - W - R.Left) / 2;
      else
        X = R.Left + std::max(0, R.Right - T - R.Left) / 2 - W;
    }
    X = std::max(X, R.Left + 1);
    Box.Right = X + W;
    Box.Left = X;
  }
  bool Enabled = true;
  CanEditCell(Context.Col, Context.Row, Enabled);
  const TControlStyle Style = FControlLook->ControlStyle();
  if (Kind == ctRadioButton) {
    const Integer Size = FControlLook->RadioSize();
    const TRect RadioBox(Box.Left + FXYOffset.X, Box.Top, Box.Left + FXYOffset.X + Size, Box.Top + Size);
    DrawRadioGlyph(Canvas, RadioBox, false, 1.0, Style, Context.Row, Context.Col, false, nullptr, !Enabled, false,
                   G->CellBoolean() ? 0 : -2, 1);
    return;
  }
  if (Kind == ctTriStateCheckBox) {
    DrawCheckBoxGlyph(Canvas, Box, false, G->CellCheckBoxState(), true, Style, G->CellAngle() > 0, Enabled);
    return;
  }
  bool Checked = G->CellBoolean();
  if (Kind == ctDataCheckBox || Kind == ctVirtCheckBox) {
    String TrueText;
    GetCellCheckTrue(Context.Col, Context.Row, TrueText);
    Checked = GetCells(Context.Col, Context.Row) == TrueText;
  }
  DrawCheckBoxGlyph(Canvas, Box, Checked, cbUnchecked, false, Style, G->CellAngle() > 0, Enabled);
}

void TRezIvevirAvod::DrawCommentMarker(TCanvas* Canvas, TCellGraphic* G, const TRect& R) {
  if (G->CellComment().empty()) return;
  const TColor MarkColor = G->CommentColor() != clNone ? G->CommentColor() : FControlLook->CommentColor();
  if (MarkColor == clNone) return;
  const Integer X = R.Right + FXYOffset.X, Y = R.Top - FXYOffset.Y;
  Canvas->Pen()->SetColor(MarkColor);
  Canvas->Brush()->SetColor(MarkColor);
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Polygon({TPoint{X - 8, Y + 1}, TPoint{X - 3, Y + 1}, TPoint{X - 3, Y + 6}});
  Canvas->Brush()->SetColor(Color());
}

}  // namespace jorv::grid
