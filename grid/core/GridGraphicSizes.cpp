// The room a cell's graphic takes: on screen (which automatic sizing and
// the text layer read) and on paper.
#include <algorithm>
#include "grid/base/IntList.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Icon.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/Strings.h"

namespace jorv::grid {

namespace {

struct TGraphicSize {
  Integer W = 0;
  Integer H = 0;
  // Widths that measure content keep their value under haFull.
  bool ContentWidth = false;
};

Integer ItemCount(TCellGraphic* G) {
  if (TStrings* Items = G->Strings()) return Items->Count();
  return 0;
}

}  // namespace

TPoint TRezIvevirAvod::GetCellGraphicSize(Integer ACol, Integer ARow) { return CalcCellGraphicSize(ACol, ARow, 0); }

TPoint TRezIvevirAvod::CalcCellGraphicSize(Integer ACol, Integer ARow, Integer ExtraHeight) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  if (!G) return TPoint{0, 0};
  const bool HasText = !GetCells(ACol, ARow).empty();
  const bool Beside = G->CellHAlign() == haBeforeText || G->CellHAlign() == haAfterText;
  const bool Stacked = G->CellVAlign() == vaUnderText || G->CellVAlign() == vaAboveText;
  // A grid without its window yet measures on a bitmap of its own.
  TBitmap Spare(1, 1);
  TCanvas* C = HandleAllocated() ? Canvas() : Spare.Canvas();
  C->Font()->Assign(Font());
  TGraphicSize S;
  auto ByTextRule = [&](Integer W, Integer H) {
    S.W = Beside || !HasText ? W : 0;
    S.H = Stacked || !HasText ? H : 0;
  };
  switch (G->CellType()) {
    case ctBitmap:
      if (TBitmap* B = G->Bitmap()) ByTextRule(B->Width(), B->Height());
      break;
    case ctIcon:
      if (TIcon* I = G->Icon()) {
        ByTextRule(I->Width(), 0);
        S.H = I->Height();
      }
      break;
    case ctImageList:
    case ctDataImage:
      if (TCustomImageList* L = GetCellImageList(ACol, ARow)) ByTextRule(L->Width(), L->Height());
      break;
    case ctPicture:
    case ctFilePicture: {
      const TPoint Cell = CellSize(RealToDisplCol(ACol), ARow);
      const Integer Times = FXYOffsetTopLeftOnly ? 1 : 2;
      const TPoint P = G->GetPictureSize(Cell.X - 1 - Times * FXYOffset.X,
                                         Cell.Y - 1 - Times * FXYOffset.Y - ExtraHeight, HasText);
      S.W = P.X;
      S.H = P.Y;
      break;
    }
    case ctButton:
    case ctBitButton: {
      const Integer PackedW = G->CellIndex() & 0xFFFF, PackedH = Integer(Cardinal(G->CellIndex()) >> 16);
      if (!HasText) {
        S.W = PackedW;
        if (G->CellHAlign() == haFull) {
          S.W = C->TextWidth(G->CellText()) + 4;
          S.ContentWidth = true;
        }
      } else if (Stacked || G->CellHAlign() == haCenter) {
        S.W = 0;
      } else if (G->CellHAlign() == haFull) {
        // The caption is the room a full-width button needs beside its text.
        S.W = C->TextWidth(G->CellText()) + 4;
        S.ContentWidth = true;
      } else {
        S.W = PackedW;
      }
      S.H = !HasText || Stacked ? PackedH : 0;
      break;
    }
    case ctInterface: {
      const TPoint Cell = CellSize(RealToDisplCol(ACol), ARow);
      IInterfacedCell* I = G->Interfaced();
      const Integer W = I ? I->GetWidth() : 0, H = I ? I->GetHeight() : 0;
      S.W = W && H ? W : Cell.X;
      S.H = W && H ? H : Cell.Y;
      break;
    }
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: S.W = S.H = FControlLook->CheckSize(); break;
    case ctRadioButton: S.W = S.H = FControlLook->RadioSize(); break;
    case ctProgressPie: S.W = S.H = 20; break;
    case ctRadio: {
      TStrings* Items = G->Strings();
      const Integer LineH = C->TextHeight(L"gh");
      if (G->CellBoolean()) {
        for (Integer i = 0; Items && i < Items->Count(); ++i) S.W += C->TextWidth(Items->Strings(i)) + 12;
        S.H = LineH;
      } else {
        S.W = 12;
        for (Integer i = 0; Items && i < Items->Count(); ++i)
          S.W = std::max(S.W, C->TextWidth(Items->Strings(i)) + 12);
        S.H = std::max(16, LineH) * ItemCount(G);
      }
      break;
    }
    case ctImages:
      if (TCustomImageList* L = GetCellImageList(ACol, ARow)) {
        const Integer Count = G->IntList() ? G->IntList()->Count() : 0;
        S.W = G->CellBoolean() ? Count * L->Width() : L->Width();
        S.H = G->CellBoolean() ? L->Height() : Count * L->Height();
      }
      break;
    case ctRating:
      S.W = 18 * G->CellAngle();
      S.H = 16;
      S.ContentWidth = true;
      break;
    case ctShape: S.W = S.H = DefaultRowHeight() - 4; break;
    default: break;
  }
  if (G->CellVAlign() == vaFull || (G->CellHAlign() == haFull && !S.ContentWidth)) {
    const TRect R = CellRect(RealToDisplCol(ACol), ARow);
    if (G->CellVAlign() == vaFull) S.H = R.Bottom - R.Top;
    if (G->CellHAlign() == haFull && !S.ContentWidth) S.W = R.Right - R.Left;
  }
  return TPoint{S.W, S.H};
}

TPoint TRezIvevirAvod::CalcPrintGraphicSize(Integer ACol, Integer ARow, Integer CW, Integer CH, double) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  if (!G) return TPoint{0, 0};
  const bool HasText = !GetCells(ACol, ARow).empty();
  const bool Beside = G->CellHAlign() == haBeforeText || G->CellHAlign() == haAfterText;
  const TRect R = CellRect(RealToDisplCol(ACol), ARow);
  switch (G->CellType()) {
    case ctBitmap:
      if (TBitmap* B = G->Bitmap()) return TPoint{B->Width(), B->Height()};
      return TPoint{0, 0};
    case ctIcon:
      if (TIcon* I = G->Icon()) return TPoint{I->Width(), I->Height()};
      return TPoint{0, 0};
    case ctImageList:
      if (TCustomImageList* L = GetCellImageList(ACol, ARow))
        return TPoint{Beside || !HasText ? L->Width() : 0, L->Height()};
      return TPoint{0, 0};
    case ctDataImage:
      if (TCustomImageList* L = GetCellImageList(ACol, ARow)) return TPoint{L->Width(), L->Height()};
      return TPoint{0, 0};
    case ctPicture:
    case ctFilePicture: return G->GetPictureSize(CW, CH, HasText);
    case ctButton:
    case ctBitButton: return TPoint{G->CellIndex() & 0xFFFF, Integer(Cardinal(G->CellIndex()) >> 16)};
    case ctInterface: {
      IInterfacedCell* I = G->Interfaced();
      const Integer W = I ? I->GetWidth() : 0, H = I ? I->GetHeight() : 0;
      return TPoint{W ? W : R.Right - R.Left, H ? H : R.Bottom - R.Top};
    }
    case ctProgressPie:
    case ctNode: return TPoint{20, 20};
    case ctRadio:
      if (!G->CellBoolean()) {
        TBitmap Spare(1, 1);
        TCanvas* C = HandleAllocated() ? Canvas() : Spare.Canvas();
        C->Font()->Assign(Font());
        const TPoint Screen = CalcCellGraphicSize(ACol, ARow, 0);
        return TPoint{Screen.X, C->TextHeight(L"gh") * ItemCount(G)};
      }
      return CalcCellGraphicSize(ACol, ARow, 0);
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
    case ctRadioButton:
    case ctImages: return CalcCellGraphicSize(ACol, ARow, 0);
    case ctProgress:
    case ctXPProgress: return TPoint{GetAllColWidths(ACol), GetRowHeights(ARow)};
    case ctShape: {
      const Integer Side = GetRowHeights(ARow) - 2 * FXYOffset.Y;
      return TPoint{Side, Side};
    }
    default: return TPoint{0, 0};
  }
}

}  // namespace jorv::grid
