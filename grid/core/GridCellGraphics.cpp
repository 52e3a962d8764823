// The graphic or small control of a cell: making it, replacing it, asking
// for it by kind and taking it away, and the room it takes on screen and
// on paper.
#include <algorithm>
#include "grid/base/FilePicture.h"
#include "grid/base/IntList.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Icon.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/Strings.h"

namespace jorv::grid {

namespace {

// The shared check boxes of descendant grids live as long as the grid; a
// cell only refers to them.
bool IsSharedKind(TCellType Kind) { return Kind == ctVirtCheckBox || Kind == ctRowCheckBox; }

bool IsBalloonHost(TCellType Kind) {
  return Kind == ctCheckBox || Kind == ctDataCheckBox || Kind == ctRadioButton;
}

}  // namespace

// --- the object of a cell -------------------------------------------------------------------

TCellGraphic* TRezIvevirAvod::GetCellGraphic(Integer ACol, Integer ARow) {
  if (ACol < 0 || ARow < 0) return nullptr;
  return dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
}

bool TRezIvevirAvod::BaseCellIs(Integer ACol, Integer ARow, std::initializer_list<TCellType> Kinds) {
  if (ACol < 0 || ARow < 0) return false;
  const TPoint B = BaseCell(ACol, ARow);
  const TCellType Kind = GetCellType(B.X, B.Y);
  return std::find(Kinds.begin(), Kinds.end(), Kind) != Kinds.end();
}

TCellGraphic* TRezIvevirAvod::CreateCellGraphic(Integer ACol, Integer ARow) {
  CheckGridCell(ACol, ARow);
  if (TCellProperties* P = ExistingProps(ACol, ARow)) {
    // An object of another class is someone else's: it is only let go.
    auto* Old = dynamic_cast<TCellGraphic*>(P->GraphicObject());
    P->SetGraphicObject(nullptr);
    if (Old && !IsSharedKind(Old->CellType())) delete Old;
  }
  auto Made = std::make_unique<TCellGraphic>();
  SetGraphicObjectEx(ACol, ARow, Made.get());
  if (GetGraphicObjectEx(ACol, ARow) != Made.get()) return nullptr;
  const Integer Displayed = RealToDisplCol(ACol);
  if (FNumHidden > 0 && Displayed != ACol) RepaintCell(Displayed, ARow);
  return Made.release();
}

bool TRezIvevirAvod::RemoveCellGraphic(Integer ACol, Integer ARow) {
  if (ACol < 0 || ARow < 0) return false;
  TCellProperties* P = ExistingProps(ACol, ARow);
  if (!P || !P->GraphicObject()) return false;
  auto* Graphic = dynamic_cast<TCellGraphic*>(P->GraphicObject());
  P->SetGraphicObject(nullptr);
  if (Graphic && !IsSharedKind(Graphic->CellType())) delete Graphic;
  if (!Destroying()) RepaintCell(RealToDisplCol(ACol), ARow);
  return true;
}

bool TRezIvevirAvod::RemoveCellGraphicOfType(Integer ACol, Integer ARow, TCellType ACellType) {
  if (GetCellType(ACol, ARow) != ACellType) return false;
  return RemoveCellGraphic(ACol, ARow);
}

// --- bitmaps, pictures, icons, interfaced and rotated cells --------------------------------------

void TRezIvevirAvod::AddBitmap(Integer ACol, Integer ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal,
                               TCellVAlign val) {
  if (TCellGraphic* G = CreateCellGraphic(ACol, ARow)) G->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TRezIvevirAvod::CreateBitmap(Integer ACol, Integer ARow, bool Transparent, TCellHAlign hal,
                                      TCellVAlign val) {
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return nullptr;
  auto* B = new TBitmap;
  G->SetBitmap(B, Transparent, hal, val);
  G->SetCellCreated(true);
  return B;
}

TBitmap* TRezIvevirAvod::GetBitmap(Integer ACol, Integer ARow) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  return G && G->CellType() == ctBitmap ? G->Bitmap() : nullptr;
}

void TRezIvevirAvod::AddPicture(Integer ACol, Integer ARow, TPicture* APicture, bool Transparent,
                                TStretchMode StretchMode, Integer Padding, TCellHAlign hal, TCellVAlign val) {
  if (TCellGraphic* G = CreateCellGraphic(ACol, ARow))
    G->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TPicture* TRezIvevirAvod::CreatePicture(Integer ACol, Integer ARow, bool Transparent, TStretchMode StretchMode,
                                        Integer Padding, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return nullptr;
  auto* P = new TPicture;
  G->SetPicture(P, Transparent, StretchMode, Padding, hal, val);
  G->SetCellCreated(true);
  return P;
}

TPicture* TRezIvevirAvod::GetPicture(Integer ACol, Integer ARow) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  return G && G->CellType() == ctPicture ? G->Picture() : nullptr;
}

void TRezIvevirAvod::AddFilePicture(Integer ACol, Integer ARow, TFilePicture* AFilePicture, bool Transparent,
                                    TStretchMode StretchMode, Integer Padding, TCellHAlign hal, TCellVAlign val) {
  if (TCellGraphic* G = CreateCellGraphic(ACol, ARow))
    G->SetFilePicture(AFilePicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TRezIvevirAvod::CreateFilePicture(Integer ACol, Integer ARow, bool Transparent,
                                                TStretchMode StretchMode, Integer Padding, TCellHAlign hal,
                                                TCellVAlign val) {
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return nullptr;
  auto* P = new TFilePicture;
  G->SetFilePicture(P, Transparent, StretchMode, Padding, hal, val);
  G->SetCellCreated(true);
  return P;
}

TFilePicture* TRezIvevirAvod::GetFilePicture(Integer ACol, Integer ARow) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  return G && G->CellType() == ctFilePicture ? G->FilePicture() : nullptr;
}

void TRezIvevirAvod::AddIcon(Integer ACol, Integer ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val) {
  if (TCellGraphic* G = CreateCellGraphic(ACol, ARow)) G->SetIcon(AIcon, hal, val);
}

TIcon* TRezIvevirAvod::CreateIcon(Integer ACol, Integer ARow, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return nullptr;
  auto* I = new TIcon;
  G->SetIcon(I, hal, val);
  G->SetCellCreated(true);
  return I;
}

void TRezIvevirAvod::AddInterfacedCell(Integer ACol, Integer ARow, TInterfacedPersistent* AObject) {
  if (TCellGraphic* G = CreateCellGraphic(ACol, ARow)) G->SetInterfacedCell(AObject);
}

TInterfacedPersistent* TRezIvevirAvod::GetInterfacedCell(Integer ACol, Integer ARow) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  return G && G->CellType() == ctInterface ? dynamic_cast<TInterfacedPersistent*>(G->CellBitmap()) : nullptr;
}

void TRezIvevirAvod::AddRotated(Integer ACol, Integer ARow, SmallInt AAngle, const String& s) {
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return;
  G->SetAngle(AAngle);
  SetCells(ACol, ARow, s);
}

void TRezIvevirAvod::SetRotated(Integer ACol, Integer ARow, SmallInt AAngle) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  if (!G) G = CreateCellGraphic(ACol, ARow);
  if (G) G->SetAngle(AAngle);
}

bool TRezIvevirAvod::IsRotated(Integer ACol, Integer ARow, Integer& aAngle) {
  if (GetCellType(ACol, ARow) != ctRotated) return false;
  aAngle = GetCellGraphic(ACol, ARow)->CellAngle();
  return true;
}

// --- images of the grid's image list -------------------------------------------------------------

TCustomImageList* TRezIvevirAvod::GetCellImageList(Integer, Integer) { return FGridImages; }

void TRezIvevirAvod::AddImageIdx(Integer ACol, Integer ARow, Integer Aidx, TCellHAlign hal, TCellVAlign val) {
  if (!FGridImages) return;
  if (TCellGraphic* G = CreateCellGraphic(ACol, ARow)) G->SetImageIdx(Aidx, hal, val);
}

bool TRezIvevirAvod::GetImageIdx(Integer ACol, Integer ARow, Integer& idx) {
  if (!FGridImages || GetCellType(ACol, ARow) != ctImageList) return false;
  idx = GetCellGraphic(ACol, ARow)->CellIndex();
  return true;
}

void TRezIvevirAvod::SetImageIdx(Integer ACol, Integer ARow, Integer Idx) {
  if (FGridImages && GetCellType(ACol, ARow) == ctImageList) GetCellGraphic(ACol, ARow)->SetCellIndex(Idx);
}

// The image shown is the cell's integer value, so a cell without one gets
// the index as its text.
void TRezIvevirAvod::AddDataImage(Integer ACol, Integer ARow, Integer Aidx, TCellHAlign hal, TCellVAlign val) {
  if (!FGridImages) return;
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return;
  G->SetDataImage(Aidx, hal, val);
  if (GetCells(ACol, ARow).empty()) SetInts(ACol, ARow, Aidx);
}

void TRezIvevirAvod::RemoveDataImage(Integer ACol, Integer ARow) {
  if (ACol < 0 || ARow < 0 || ACol >= AllColCount() || ARow >= RowCount()) return;
  RemoveCellGraphicOfType(ACol, ARow, ctDataImage);
  SetCells(ACol, ARow, String());
}

void TRezIvevirAvod::AddMultiImage(Integer ACol, Integer ARow, Integer Dir, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return;
  G->SetMultiImage(ACol, ARow, Dir, hal, val,
                   [this](TObject*, Integer C, Integer R) { RepaintCell(RealToDisplCol(C), R); });
}

TIntList* TRezIvevirAvod::GetCellImages(Integer ACol, Integer ARow) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  return G && G->CellType() == ctImages ? G->IntList() : nullptr;
}

// --- progress and value graphics ---------------------------------------------------------------

void TRezIvevirAvod::AddProgress(Integer ACol, Integer ARow, TColor FGColor, TColor BKColor) {
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return;
  G->SetCellType(ctProgress);
  G->SetCellHAlign(haLeft);
  G->SetCellVAlign(vaTop);
  G->SetCellBitmapColor(FGColor);
  G->SetCellIconColor(BKColor);
  G->SetCellErrFrom(0);
  G->SetCellErrLen(100);
  G->SetCellBoolean(false);
  G->SetCellText(String());
  if (FAutoNumAlign) GetCellProperties(ACol, ARow)->SetAlignment(taRightJustify);
}

void TRezIvevirAvod::AddProgressEx(Integer ACol, Integer ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                   TColor BKTextColor) {
  AddProgress(ACol, ARow, FGColor, BKColor);
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  G->SetCellIndex(FGTextColor);
  G->SetCellAngle(BKTextColor);
  G->SetCellBoolean(true);
}

void TRezIvevirAvod::AddProgressFormatted(Integer ACol, Integer ARow, TColor FGColor, TColor FGTextColor,
                                          TColor BKColor, TColor BKTextColor, const String& Fmt, Integer Min,
                                          Integer Max) {
  AddProgressEx(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor);
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  G->SetCellText(Fmt);
  G->SetCellErrFrom(Min);
  G->SetCellErrLen(Max);
}

void TRezIvevirAvod::AddExProgress(Integer ACol, Integer ARow, Integer Min, Integer Max) {
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return;
  G->SetCellType(ctXPProgress);
  G->SetCellHAlign(haLeft);
  G->SetCellVAlign(vaTop);
  G->SetCellErrFrom(Min);
  G->SetCellErrLen(Max);
  G->SetCellBoolean(false);
  G->SetCellText(String());
}

void TRezIvevirAvod::AddProgressPie(Integer ACol, Integer ARow, TColor Color, Integer Value) {
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return;
  G->SetCellType(ctProgressPie);
  G->SetCellHAlign(haBeforeText);
  G->SetCellVAlign(vaTop);
  G->SetCellBitmapColor(Color);
  G->SetCellAngle(Value);
}

void TRezIvevirAvod::SetProgressPie(Integer ACol, Integer ARow, Integer Value) {
  if (GetCellType(ACol, ARow) != ctProgressPie) return;
  GetCellGraphic(ACol, ARow)->SetCellAngle(Value);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TRezIvevirAvod::AddRangeIndicator(Integer ACol, Integer ARow, Integer Range, TColor NegColor,
                                       TColor PosColor, bool ShowValue) {
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return;
  G->SetCellType(ctRangeIndicator);
  G->SetCellHAlign(haLeft);
  G->SetCellVAlign(vaTop);
  G->SetCellIndex(Range);
  G->SetCellBitmapColor(NegColor);
  G->SetCellIconColor(PosColor);
  G->SetCellBoolean(ShowValue);
}

void TRezIvevirAvod::AddShape(Integer ACol, Integer ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                              TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return;
  G->SetCellType(ctShape);
  G->SetCellAngle(Shape);
  G->SetCellIndex(FillColor);
  G->SetCellBitmapColor(LineColor);
  G->SetCellHAlign(hal);
  G->SetCellVAlign(val);
}

void TRezIvevirAvod::SetShapeColor(Integer ACol, Integer ARow, TColor FillColor) {
  if (GetCellType(ACol, ARow) == ctShape) GetCellGraphic(ACol, ARow)->SetCellIndex(FillColor);
}

TColor TRezIvevirAvod::GetShapeColor(Integer ACol, Integer ARow) {
  return GetCellType(ACol, ARow) == ctShape ? GetCellGraphic(ACol, ARow)->CellIndex() : clNone;
}

void TRezIvevirAvod::AddRating(Integer ACol, Integer ARow, Integer Scale, TColor FillColor, TColor EmptyColor) {
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return;
  G->SetCellType(ctRating);
  G->SetCellAngle(Scale);
  G->SetCellIndex(FillColor);
  G->SetCellBitmapColor(EmptyColor);
  G->SetCellHAlign(haFull);
}

bool TRezIvevirAvod::DoRatingChange(Integer ACol, Integer ARow, double& NewRate) {
  bool Allow = true;
  if (OnRatingChange) OnRatingChange(this, ACol, ARow, NewRate, Allow);
  return Allow;
}

// --- embedded scroll bars ------------------------------------------------------------------------

void TRezIvevirAvod::AddScrollBar(Integer ACol, Integer ARow, bool AutoRange) {
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return;
  G->SetCellType(ctScrollbar);
  G->SetCellIndex(0);
  G->SetCellAngle(0);
  G->SetCellErrFrom(100);
  G->SetCellBoolean(AutoRange);
  if (AutoRange) UpdateCellScrollBar(ACol, ARow);
}

bool TRezIvevirAvod::HasAutoRangeScrollBar(Integer ACol, Integer ARow) {
  if (!HasScrollBar(ACol, ARow)) return false;
  const TPoint B = BaseCell(ACol, ARow);
  return GetCellGraphic(B.X, B.Y)->CellBoolean();
}

void TRezIvevirAvod::SetScrollPosition(Integer ACol, Integer ARow, Integer Pos) {
  if (!HasScrollBar(ACol, ARow)) return;
  const TPoint B = BaseCell(ACol, ARow);
  GetCellGraphic(B.X, B.Y)->SetCellIndex(Pos);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

Integer TRezIvevirAvod::GetScrollPosition(Integer ACol, Integer ARow) {
  if (!HasScrollBar(ACol, ARow)) return -1;
  const TPoint B = BaseCell(ACol, ARow);
  return GetCellGraphic(B.X, B.Y)->CellIndex();
}

void TRezIvevirAvod::SetScrollProp(Integer ACol, Integer ARow, const TScrollProp& Prop) {
  if (!HasScrollBar(ACol, ARow)) return;
  const TPoint B = BaseCell(ACol, ARow);
  TCellGraphic* G = GetCellGraphic(B.X, B.Y);
  G->SetCellAngle(Prop.PageSize);
  G->SetCellErrFrom(Prop.Range);
}

TScrollProp TRezIvevirAvod::GetScrollProp(Integer ACol, Integer ARow) {
  if (!HasScrollBar(ACol, ARow)) return TScrollProp{-1, -1};
  const TPoint B = BaseCell(ACol, ARow);
  TCellGraphic* G = GetCellGraphic(B.X, B.Y);
  return TScrollProp{G->CellAngle(), G->CellErrFrom()};
}

// --- buttons -------------------------------------------------------------------------------------

void TRezIvevirAvod::AddButton(Integer ACol, Integer ARow, Integer bw, Integer bh, const String& Caption,
                               TCellHAlign hal, TCellVAlign val) {
  if (TCellGraphic* G = CreateCellGraphic(ACol, ARow)) G->SetButton(bw, bh, Caption, hal, val);
}

void TRezIvevirAvod::AddBitButton(Integer ACol, Integer ARow, Integer bw, Integer bh, const String& Caption,
                                  TBitmap* Glyph, TCellHAlign hal, TCellVAlign val) {
  if (TCellGraphic* G = CreateCellGraphic(ACol, ARow)) G->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TBitmap* TRezIvevirAvod::CreateBitButton(Integer ACol, Integer ARow, Integer bw, Integer bh, const String& Caption,
                                         TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return nullptr;
  auto* Glyph = new TBitmap;
  G->SetBitButton(bw, bh, Caption, Glyph, hal, val);
  G->SetCellCreated(true);
  return Glyph;
}

void TRezIvevirAvod::SetButtonText(Integer ACol, Integer ARow, const String& Caption) {
  TCellGraphic* G = GetCellGraphic(DisplToRealCol(ACol), ARow);
  if (!G) return;
  G->SetCellText(Caption);
  RepaintCell(ACol, ARow);
}

String TRezIvevirAvod::GetButtonText(Integer ACol, Integer ARow) {
  TCellGraphic* G = GetCellGraphic(DisplToRealCol(ACol), ARow);
  return G ? G->CellText() : String();
}

void TRezIvevirAvod::PushButton(Integer ACol, Integer ARow, bool Push) {
  TCellGraphic* G = GetCellGraphic(DisplToRealCol(ACol), ARow);
  if (!G || G->CellType() == ctNode) return;
  G->SetCellBoolean(Push);
  RepaintCell(ACol, ARow);
}

void TRezIvevirAvod::RemoveButton(Integer ACol, Integer ARow) {
  RemoveCellGraphicOfType(ACol, ARow, ctButton);
  RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TRezIvevirAvod::RemoveAllButtons() {
  for (Integer c = 0; c < ColCount(); ++c)
    for (Integer r = 0; r < RowCount(); ++r)
      if (HasButton(c, r)) RemoveButton(c, r);
}

TRect TRezIvevirAvod::GetCellButtonRect(Integer ACol, Integer ARow) {
  TCellGraphic* G = GetCellGraphic(DisplToRealCol(ACol), ARow);
  if (!G) return TRect(0, 0, 0, 0);
  const TRect R = CellRect(ACol, ARow);
  const Cardinal Offset = Cardinal(Round(G->CellValue()));
  const Cardinal Size = Cardinal(G->CellIndex());
  TRect B;
  B.Left = R.Left + Integer(Offset & 0xFFFF);
  B.Top = R.Top + Integer(Offset >> 16);
  B.Right = B.Left + Integer(Size & 0xFFFF);
  B.Bottom = B.Top + Integer(Size >> 16);
  if (G->CellVAlign() == vaFull) B.Top = R.Top, B.Bottom = R.Bottom;
  if (G->CellHAlign() == haFull) B.Left = R.Left, B.Right = R.Right;
  return B;
}

TRect TRezIvevirAvod::GetExpandButtonRect(Integer ACol, Integer ARow) {
  if (GetCellType(DisplToRealCol(ACol), ARow) != ctExpand) return TRect(0, 0, 0, 0);
  const TRect R = CellRect(ACol, ARow);
  return TRect(R.Right - 13, R.Top + 2, R.Right - 2, R.Top + 13);
}

// --- comments and markers ------------------------------------------------------------------------

void TRezIvevirAvod::AddComment(Integer ACol, Integer ARow, const String& Comment) {
  AddColorComment(ACol, ARow, Comment, FControlLook->CommentColor());
}

void TRezIvevirAvod::AddColorComment(Integer ACol, Integer ARow, const String& Comment, TColor Color) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  if (!G) G = CreateCellGraphic(ACol, ARow);
  if (!G) return;
  G->SetCellComment(Comment);
  G->SetCommentColor(Color);
}

void TRezIvevirAvod::SetComment(Integer ACol, Integer ARow, const String& Value) {
  if (TCellGraphic* G = GetCellGraphic(ACol, ARow))
    G->SetCellComment(Value);
  else
    AddComment(ACol, ARow, Value);
}

bool TRezIvevirAvod::IsComment(Integer ACol, Integer ARow, String& Comment) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  if (!G || G->CellComment().empty()) return false;
  Comment = G->CellComment();
  return true;
}

String TRezIvevirAvod::GetComment(Integer ACol, Integer ARow) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  return G ? G->CellComment() : String();
}

void TRezIvevirAvod::RemoveComment(Integer ACol, Integer ARow) {
  if (TCellGraphic* G = GetCellGraphic(ACol, ARow)) G->SetCellComment(String());
}

void TRezIvevirAvod::RemoveAllComments() {
  for (Integer c = 0; c < ColCount(); ++c)
    for (Integer r = 0; r < RowCount(); ++r) RemoveComment(c, r);
  Invalidate();
}

void TRezIvevirAvod::AddMarker(Integer ACol, Integer ARow, Integer ErrPos, Integer ErrLen) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  if (!G) {
    G = CreateCellGraphic(ACol, ARow);
    if (!G) return;
    G->SetCellType(ctEmpty);
  }
  G->SetCellErrFrom(ErrPos);
  G->SetCellErrLen(ErrLen);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TRezIvevirAvod::RemoveMarker(Integer ACol, Integer ARow) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  if (!G) return;
  if (G->CellType() == ctEmpty) {
    RemoveCellGraphic(ACol, ARow);
    return;
  }
  G->SetCellErrFrom(0);
  G->SetCellErrLen(0);
}

void TRezIvevirAvod::RemoveAllMarkers() {
  for (Integer c = 0; c < ColCount(); ++c)
    for (Integer r = 0; r < RowCount(); ++r) RemoveMarker(c, r);
}

void TRezIvevirAvod::GetMarker(Integer ACol, Integer ARow, Integer& ErrPos, Integer& ErrLen) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  ErrPos = G ? G->CellErrFrom() : 0;
  ErrLen = G ? G->CellErrLen() : 0;
}

// --- balloons ------------------------------------------------------------------------------------

void TRezIvevirAvod::AddBalloon(Integer ACol, Integer ARow, const String& Title, const String& Text,
                                TBalloonIcon Icon) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  if (G && IsBalloonHost(G->CellType())) {
    G->ReleaseBitmapSlot();
    G->SetCellBalloon(true);
  } else if (!G) {
    G = CreateCellGraphic(ACol, ARow);
    if (!G) return;
    G->SetCellType(ctBalloon);
    G->SetCellAngle(0);
  } else {
    return;
  }
  auto* Lines = new TStringList;
  Lines->Add(Title);
  Lines->Add(Text);
  G->SetCellBitmap(Lines);
  G->SetCellIndex(Icon);
}

void TRezIvevirAvod::RemoveBalloon(Integer ACol, Integer ARow) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  if (G && IsBalloonHost(G->CellType()) && G->CellBalloon())
    G->ReleaseBitmapSlot();
  else
    RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

bool TRezIvevirAvod::IsBalloon(Integer ACol, Integer ARow, String& Title, String& Text, TBalloonIcon& Icon) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  if (!G || !(G->CellType() == ctBalloon || (IsBalloonHost(G->CellType()) && G->CellBalloon()))) return false;
  if (TStringList* Lines = G->BalloonTexts()) {
    Title = Lines->Count() > 0 ? Lines->Strings(0) : String();
    Text = Lines->Count() > 1 ? Lines->Strings(1) : String();
    Icon = static_cast<TBalloonIcon>(G->CellIndex());
  }
  return true;
}

// --- kinds the mouse, paste and sort code ask for ------------------------------------------------

bool TRezIvevirAvod::HasClickableGraphic(Integer ACol, Integer ARow) {
  return BaseCellIs(ACol, ARow, {ctCheckBox, ctDataCheckBox, ctRadio, ctButton, ctVirtCheckBox, ctRowCheckBox,
                                 ctRadioButton, ctTriStateCheckBox});
}

intptr_t TRezIvevirAvod::GetCellGraphicKey(Integer ACol, Integer ARow) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  if (!G) return -1;
  switch (G->CellType()) {
    case ctBitmap: return reinterpret_cast<intptr_t>(G->CellBitmap());
    case ctIcon: return reinterpret_cast<intptr_t>(G->CellIcon());
    case ctImageList: return G->CellIndex();
    default: return -1;
  }
}

}  // namespace jorv::grid
