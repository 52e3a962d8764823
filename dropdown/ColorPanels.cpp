#include "dropdown/ColorPanels.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/Screen.h"

namespace jorv::dropdown {

namespace {

struct TCubeRow {
  Integer Cells;
  TColor Colors[13];
};

// The honeycomb's rows from top to bottom, their colours left to right.
constexpr TCubeRow CubeRows[13] = {
    {7, {0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000}},
    {8, {0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333}},
    {9, {0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666}},
    {10, {0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33, 0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066}},
    {11,
     {0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399,
      0xFF0099}},
    {12,
     {0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC,
      0xFF00CC, 0xCC0099}},
    {13,
     {0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF,
      0xFF00FF, 0xCC00CC, 0x660066}},
    {12,
     {0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF,
      0x9900CC, 0x800080}},
    {11,
     {0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC,
      0x990099}},
    {10, {0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF, 0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399}},
    {9, {0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066}},
    {8, {0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099}},
    {7, {0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5}},
};

void DrawHexagon(TCanvas* ACanvas, Integer X, Integer Y, Integer B, Integer A) {
  ACanvas->Polygon(
      {TPoint(X - B, Y - A), TPoint(X, Y - 2 * A), TPoint(X + B, Y - A), TPoint(X + B, Y + A), TPoint(X, Y + 2 * A),
       TPoint(X - B, Y + A)});
}

void DrawCellFrame(TCanvas* ACanvas, TPoint Center, TColor Outer) {
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->Pen()->SetColor(Outer);
  DrawHexagon(ACanvas, Center.X, Center.Y, 5, 3);
  ACanvas->Pen()->SetColor(clWhite);
  DrawHexagon(ACanvas, Center.X, Center.Y, 4, 2);
}

}  // namespace

// --- the cube -----------------------------------------------------------------------------------

TExColorCubePanel::TExColorCubePanel(TComponent* AOwner) : TExCustomColorSelectorPanel(AOwner) {
  InitCubeColors();
  SetShowHint(true);
  SetBounds(Left(), Top(), 182, 160);
}

void TExColorCubePanel::InitCubeColors() {
  FCubeSize = TPoint(6, 3);
  Integer Index = 1;
  for (Integer Row = 1; Row <= 13; ++Row) {
    const Integer First = Row <= 7 ? 55 - 6 * (Row - 1) : 6 * (Row - 7) + 19;
    const Integer Y = 20 + 10 * (Row - 1);
    const TCubeRow& Cells = CubeRows[Row - 1];
    for (Integer Column = 0; Column < Cells.Cells; ++Column, ++Index)
      FCubeCells[Index] = TCubeCell{TPoint(First + 12 * Column, Y), Cells.Colors[Column]};
  }
}

void TExColorCubePanel::ResetHotCell() {
  FHotIndex = -1;
  SetBounds(Left(), Top(), 182, 160);
}

void TExColorCubePanel::SetShowRGBHint(bool Value) {
  FShowRGBHint = Value;
  SetShowHint(Value);
}

Integer TExColorCubePanel::CellAt(Integer X, Integer Y) const {
  const Integer Radius = FCubeSize.X;
  for (Integer Index = 1; Index <= CellCount; ++Index) {
    const TPoint& C = FCubeCells[Index].Center;
    if ((C.X - X) * (C.X - X) + (C.Y - Y) * (C.Y - Y) <= Radius * Radius) return Index;
  }
  return -1;
}

void TExColorCubePanel::SetSelection(TColor AColor, Integer Index) {
  FSelectedColor = AColor;
  if (Index >= 1 && Index <= CellCount) {
    FSelectedIndex = Index;
    return;
  }
  FSelectedIndex = -1;
  for (Integer Cell = 1; Cell <= CellCount; ++Cell)
    if (FCubeCells[Cell].Color == AColor) {
      FSelectedIndex = Cell;
      return;
    }
}

void TExColorCubePanel::DrawCell(Integer Index) {
  if (Index < 1 || Index > CellCount) return;
  TCanvas* C = Canvas();
  const TCubeCell& Cell = FCubeCells[Index];
  C->Brush()->SetStyle(bsSolid);
  C->Pen()->SetColor(Cell.Color);
  C->Brush()->SetColor(Cell.Color);
  DrawHexagon(C, Cell.Center.X, Cell.Center.Y, FCubeSize.X, FCubeSize.Y);
  if (Index == FHotIndex) DrawCellFrame(C, Cell.Center, clRed);
  if (Index == FSelectedIndex) DrawCellFrame(C, Cell.Center, clBlack);
}

void TExColorCubePanel::RedrawCell(Integer Index) {
  if (HandleAllocated()) DrawCell(Index);
}

void TExColorCubePanel::Paint() {
  TExCustomColorSelectorPanel::Paint();
  for (Integer Index = 1; Index <= CellCount; ++Index) DrawCell(Index);
}

void TExColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TExCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
  const Integer Index = CellAt(X, Y);
  if (Index < 1) return;
  if (FSelectedIndex >= 1) {
    const Integer Old = FSelectedIndex;
    FSelectedIndex = -1;
    RedrawCell(Old);
  }
  SetSelection(FCubeCells[Index].Color, Index);
  RedrawCell(Index);
  if (OnSelect) OnSelect(this);
}

void TExColorCubePanel::ShowCellHint(Integer Index) {
  if (!FShowRGBHint) return;
  if (Index < 1) {
    SetHint(String());
  } else {
    const TColor C = FCubeCells[Index].Color;
    SetHint(Format(L"Red: %d,  Green: %d,  Blue: %d", {Integer(GetRValue(C)), Integer(GetGValue(C)),
                                                        Integer(GetBValue(C))}));
  }
  if (Application) Application->CancelHint();
}

void TExColorCubePanel::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TExCustomColorSelectorPanel::MouseMove(Shift, X, Y);
  const Integer Index = CellAt(X, Y);
  if (Index < 1) {
    ShowCellHint(-1);
    return;
  }
  if (Index == FHotIndex) return;
  if (FHotIndex >= 1) {
    const Integer Old = FHotIndex;
    FHotIndex = -1;
    RedrawCell(Old);
  }
  FHotIndex = Index;
  RedrawCell(Index);
  ShowCellHint(Index);
}

void TExColorCubePanel::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TExCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
  DoShouldHide();
}

// --- the spectrum -----------------------------------------------------------------------------------

namespace {

// One column's hue at full strength: six sectors of 256 steps each over
// the 128 columns.
void HueOf(Integer Column, Integer& R, Integer& G, Integer& B) {
  const Integer Position = Column * 12;
  const Integer Rise = Position % 256;
  const Integer Fall = 255 - Rise;
  switch (Position / 256) {
    case 0: R = 255, G = Rise, B = 0; break;
    case 1: R = Fall, G = 255, B = 0; break;
    case 2: R = 0, G = 255, B = Rise; break;
    case 3: R = 0, G = Fall, B = 255; break;
    case 4: R = Rise, G = 0, B = 255; break;
    default: R = 255, G = 0, B = Fall; break;
  }
}

// Rows 0 to 64 run from white to the hue, rows 64 to 127 from the hue to
// black.
Integer Shade(Integer Value, Integer Row) {
  if (Row <= 64) return 255 - (255 - Value) * Row / 64;
  return Value * (127 - Row) / 63;
}

void DrawSpectrum(TBitmap* Bitmap) {
  Bitmap->SetPixelFormat(pf24bit);
  Bitmap->SetSize(128, 128);
  for (Integer Row = 0; Row < 128; ++Row) {
    auto* Line = static_cast<Byte*>(Bitmap->ScanLine(Row));
    for (Integer Column = 0; Column < 128; ++Column) {
      Integer R = 0, G = 0, B = 0;
      HueOf(Column, R, G, B);
      Line[3 * Column] = Byte(Shade(B, Row));
      Line[3 * Column + 1] = Byte(Shade(G, Row));
      Line[3 * Column + 2] = Byte(Shade(R, Row));
    }
  }
}

bool ProgramHas(const wchar_t* Name, const wchar_t* Type) {
  return FindResourceW(GetModuleHandleW(nullptr), Name, Type) != nullptr;
}

// A pointer of its own when the program carries none: a small cross with
// an open centre, so that the pixel under the hot spot stays visible.
HCURSOR MakePointerCursor() {
  if (ProgramHas(L"ZVQ_POINTER", MAKEINTRESOURCEW(12) /* RT_GROUP_CURSOR */))
    return LoadCursorW(GetModuleHandleW(nullptr), L"ZVQ_POINTER");
  const Integer Size = GetSystemMetrics(SM_CXCURSOR);
  const Integer Stride = Size / 8;
  std::vector<Byte> AndMask(size_t(Stride) * Size, 0xFF), XorMask(size_t(Stride) * Size, 0);
  const Integer Mid = Size / 2;
  auto Set = [&](Integer X, Integer Y) {
    AndMask[size_t(Y) * Stride + X / 8] &= Byte(~(0x80 >> (X % 8)));
  };
  for (Integer D = 3; D <= 9; ++D) {
    Set(Mid + D, Mid), Set(Mid - D, Mid), Set(Mid, Mid + D), Set(Mid, Mid - D);
  }
  return CreateCursor(GetModuleHandleW(nullptr), Mid, Mid, Size, Size, AndMask.data(), XorMask.data());
}

}  // namespace

void LoadSpectrumBitmap(TBitmap* Bitmap) {
  if (ProgramHas(L"ZVQ_SPECTRUM", MAKEINTRESOURCEW(2) /* RT_BITMAP */)) {
    Bitmap->LoadFromResourceName(GetModuleHandleW(nullptr), L"ZVQ_SPECTRUM");
    return;
  }
  DrawSpectrum(Bitmap);
}

TExColorSpectrumPanel::TExColorSpectrumPanel(TComponent* AOwner) : TExCustomColorSelectorPanel(AOwner) {
  FSpectrumImage = new TImage(this);
  FSpectrumImage->SetParent(this);
  FSpectrumImage->SetBounds(0, 0, 128, 128);
  {
    TBitmap Spectrum;
    LoadSpectrumBitmap(&Spectrum);
    FSpectrumImage->Picture()->Assign(&Spectrum);
  }
  FSpectrumImage->OnMouseMove = [this](TObject*, TShiftState Shift, Integer X, Integer Y) {
    ImageMouseMove(Shift, X, Y);
  };
  FSpectrumImage->OnMouseDown = [this](TObject*, TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    ImageMouseDown(Button, Shift, X, Y);
  };
  FSpectrumImage->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    ImageMouseUp(Button, Shift, X, Y);
  };
  if (Screen) {
    Screen->SetCursors(crSpectrumPointer, MakePointerCursor());
    FSpectrumImage->SetCursor(crSpectrumPointer);
  }
}

TExColorSpectrumPanel::~TExColorSpectrumPanel() = default;

void TExColorSpectrumPanel::LayoutSpectrum() {
  SetBounds(Left(), Top(), 150, 174);
  const Integer ImageLeft = (Width() - FSpectrumImage->Width()) / 2;
  FSpectrumImage->SetBounds(ImageLeft, 10, FSpectrumImage->Width(), FSpectrumImage->Height());
  const Integer L = FSpectrumImage->Left();
  const Integer W = FSpectrumImage->Width();
  const Integer B = FSpectrumImage->Top() + FSpectrumImage->Height();
  FSelectedRect = TRect(L - 1, B + 8, L + W / 2 - 2, B + 28);
  FHotRect = TRect(FSelectedRect.Right + 4, B + 8, L + W + 1, B + 28);
  FHotColor = clNone;
  Invalidate();
}

void TExColorSpectrumPanel::DrawSample(TCanvas* ACanvas, const TRect& R, TColor AColor) {
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->Pen()->SetColor(0x808080);
  ACanvas->Rectangle(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
  ACanvas->Pen()->SetColor(clWhite);
  // No colour yet: the box shows the panel behind it.
  ACanvas->Brush()->SetColor(AColor == clNone ? Color() : AColor);
  ACanvas->Brush()->SetStyle(bsSolid);
  ACanvas->Rectangle(R);
}

void TExColorSpectrumPanel::RedrawSample(const TRect& R, TColor AColor) {
  if (HandleAllocated()) DrawSample(Canvas(), R, AColor);
}

void TExColorSpectrumPanel::Paint() {
  TExCustomColorSelectorPanel::Paint();
  TCanvas* C = Canvas();
  const TRect I = FSpectrumImage->BoundsRect();
  C->Brush()->SetStyle(bsClear);
  C->Pen()->SetColor(clWhite);
  C->Rectangle(I.Left - 1, I.Top - 1, I.Right + 1, I.Bottom + 1);
  C->Pen()->SetColor(0x808080);
  C->Rectangle(I.Left - 2, I.Top - 2, I.Right + 2, I.Bottom + 2);
  DrawSample(C, FSelectedRect, FSelectedColor);
  DrawSample(C, FHotRect, FHotColor);
}

// The colour is read from the picture itself, which is what the panel
// shows at that point, so that a window over the pop-up cannot change it.
void TExColorSpectrumPanel::ImageMouseMove(TShiftState, Integer X, Integer Y) {
  TGraphic* Picture = FSpectrumImage->Picture()->Graphic();
  if (!Picture || X < 0 || Y < 0 || X >= Picture->Width() || Y >= Picture->Height()) return;
  FHotColor = FSpectrumImage->Picture()->Bitmap()->Canvas()->Pixels(X, Y);
  RedrawSample(FHotRect, FHotColor);
}

void TExColorSpectrumPanel::ImageMouseDown(TMouseButton, TShiftState, Integer, Integer) {
  FSelectedColor = FHotColor;
  RedrawSample(FSelectedRect, FSelectedColor);
  if (OnSelect) OnSelect(this);
}

void TExColorSpectrumPanel::ImageMouseUp(TMouseButton, TShiftState, Integer, Integer) { DoShouldHide(); }

void TExColorSpectrumPanel::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TExCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
  DoShouldHide();
}

// --- colour boxes -------------------------------------------------------------------------------------

void TColorBoxItem::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  if (auto* Owner = dynamic_cast<TColorBoxItems*>(Collection())) Owner->DoChange();
}

void TColorBoxItem::Assign(TPersistent* Source) {
  auto* Item = dynamic_cast<TColorBoxItem*>(Source);
  if (!Item) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetColor(Item->Color());
  FEnabled = Item->Enabled();
}

void TColorBoxAppearance::SetDefaults() {
  BorderColor = 0xC5C5C5;
  OuterBorderColorHot = 0x3694F2;
  InnerBorderColorHot = 0x94E2FF;
  OuterBorderColorSelected = 0x0000FF;
  InnerBorderColorSelected = 0x94E2FF;
}

void TColorBoxAppearance::Assign(TPersistent* Source) {
  auto* From = dynamic_cast<TColorBoxAppearance*>(Source);
  if (!From) {
    TPersistent::Assign(Source);
    return;
  }
  BorderColor = From->BorderColor;
  OuterBorderColorHot = From->OuterBorderColorHot;
  InnerBorderColorHot = From->InnerBorderColorHot;
  OuterBorderColorSelected = From->OuterBorderColorSelected;
  InnerBorderColorSelected = From->InnerBorderColorSelected;
}

TCustomColorSelector::TCustomColorSelector(TComponent* AOwner)
    : TExCustomColorSelectorPanel(AOwner),
      FColorBoxAppearance(std::make_unique<TColorBoxAppearance>(this)),
      FItems(std::make_unique<TColorBoxItems>(this)) {
  SetParentColor(true);
}

TCustomColorSelector::~TCustomColorSelector() = default;

namespace {

struct TBoxRow {
  TItemPos Position;
  TColor Colors[10];
};

// Ten base colours, each with five shades below it.
constexpr TBoxRow DefaultBoxes[6] = {
    {ipStandAlone,
     {0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F, 0x4D50C0, 0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7}},
    {ipTop, {0xF2F2F2, 0x7F7F7F, 0xC3D9DD, 0xDACEC2, 0xF1E5DB, 0xDBDCF2, 0xDDF1EB, 0xECE0E5, 0xF3EEDB, 0xDAEAFD}},
    {ipMiddle,
     {0xD8D8D8, 0x595959, 0x97BDC4, 0xE2B38D, 0xE4CCB8, 0xB7B9E5, 0xBCE3D7, 0xD9C1CC, 0xE8DDB7, 0xB5D5FB}},
    {ipMiddle,
     {0xBFBFBF, 0x3F3F3F, 0x538993, 0xD48D54, 0xD7B395, 0x9496D9, 0x9BD6C3, 0xC7A2B2, 0xDCCD92, 0x8FC0FA}},
    {ipMiddle,
     {0xA5A5A5, 0x262626, 0x294449, 0x5D3617, 0x926036, 0x343795, 0x3C9276, 0x7A495F, 0x9B8531, 0x096CE3}},
    {ipBottom,
     {0x7F7F7F, 0x0C0C0C, 0x101B1D, 0x3E240F, 0x614024, 0x232463, 0x28614F, 0x51313F, 0x675820, 0x064897}},
};

}  // namespace

void TCustomColorSelector::AddDefaultColorBoxes() {
  FItems->Clear();
  for (const TBoxRow& Row : DefaultBoxes)
    for (TColor C : Row.Colors) {
      TColorBoxItem* Item = FItems->Add();
      Item->SetColor(C);
      Item->SetColorBoxPos(Row.Position);
    }
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value) {
  if (FItemColorStyle == Value) return;
  FItemColorStyle = Value;
  if (Value != scCustom) FColorBoxAppearance->SetDefaults();
}

void TCustomColorSelector::SetColumnGap(Integer Value) {
  if (FColumnGap == Value) return;
  FColumnGap = Value;
  ArrangeColorBoxes();
}

void TCustomColorSelector::SetColumns(Integer Value) {
  if (FColumns == Value) return;
  FColumns = Value;
  ArrangeColorBoxes();
}

void TCustomColorSelector::SetColorBoxHeight(Integer Value) {
  if (FColorBoxHeight == Value) return;
  FColorBoxHeight = Value;
  ArrangeColorBoxes();
}

void TCustomColorSelector::SetColorBoxWidth(Integer Value) {
  if (FColorBoxWidth == Value) return;
  FColorBoxWidth = Value;
  ArrangeColorBoxes();
}

void TCustomColorSelector::GetItemsRect(TRect& R) {
  R = ClientRect();
  R.Left += OffSetX;
  R.Right -= OffSetX;
  R.Top += OffSetY;
  R.Bottom -= OffSetY;
}

void TCustomColorSelector::GetColorBoxSize(TSize& Size) { Size = TSize{FColorBoxWidth, FColorBoxHeight}; }

// Rows of shades touch; a row that holds a stand-alone box is followed by
// a gap.
void TCustomColorSelector::ArrangeColorBoxes() {
  if (FItems->Count() == 0) {
    SetBounds(Left(), Top(), 100, 50);
    return;
  }
  FItemHot = -1;
  TSize Size{FColorBoxWidth, FColorBoxHeight};
  GetColorBoxSize(Size);
  TRect Area;
  GetItemsRect(Area);
  Integer X = Area.Left, Y = Area.Top, Column = 0, Widest = 0;
  bool GapPending = false;
  const Integer Last = FItems->Count() - 1;
  for (Integer Index = 0; Index <= Last; ++Index) {
    TColorBoxItem* Item = FItems->Items(Index);
    Item->SetItemRect(TRect(X, Y, X + Size.cx, Y + Size.cy));
    ++Column;
    if (Index == Last) break;
    if (Item->ColorBoxPos() == ipStandAlone) GapPending = true;
    if (Column < FColumns) {
      X += Size.cx + FColumnGap;
      continue;
    }
    if (GapPending) Y += FColumnGap;
    GapPending = false;
    Y += Size.cy;
    Widest = Max(Widest, X);
    X = Area.Left;
    Column = 0;
  }
  SetBounds(Left(), Top(), Max(X, Widest) + Size.cx + Area.Left + 1, Y + Size.cy + Area.Top);
}

void TCustomColorSelector::DrawColorBox(Integer Index, TCanvas* ACanvas) {
  if (!IsBox(Index) || !ACanvas) return;
  TColorBoxItem* Item = FItems->Items(Index);
  TRect R = Item->ItemRect();
  if (R.Left < 0 && R.Right < 0) return;
  const TColorBoxAppearance& A = *FColorBoxAppearance;
  TColor Outer = A.BorderColor, Inner = clNone;
  bool Framed = false;
  if (Index == FItemHot) Outer = A.OuterBorderColorHot, Inner = A.InnerBorderColorHot, Framed = true;
  if (Index == FItemIndex) Outer = A.OuterBorderColorSelected, Inner = A.InnerBorderColorSelected, Framed = true;
  if (Item->Color() != clNone) {
    ACanvas->Pen()->SetColor(Item->Color());
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(Item->Color());
    ACanvas->Rectangle(R);
  }
  if (Framed) {
    ACanvas->Brush()->SetStyle(bsClear);
    if (Outer != clNone) {
      ACanvas->Pen()->SetColor(Outer);
      ACanvas->Rectangle(R);
      R = TRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
    }
    if (Inner != clNone) {
      ACanvas->Pen()->SetColor(Inner);
      ACanvas->Rectangle(R);
    }
    return;
  }
  // Rectangle leaves its right and bottom edges outside, so the sides are
  // drawn on the rectangle's own edges.
  const Integer L = R.Left, T = R.Top, Rt = R.Right, B = R.Bottom;
  ACanvas->Pen()->SetColor(A.BorderColor);
  switch (Item->ColorBoxPos()) {
    case ipStandAlone: ACanvas->Polyline({TPoint(L, B), TPoint(L, T), TPoint(Rt, T), TPoint(Rt, B), TPoint(L, B)}); break;
    case ipTop: ACanvas->Polyline({TPoint(L, B), TPoint(L, T), TPoint(Rt, T), TPoint(Rt, B)}); break;
    case ipMiddle:
      ACanvas->Polyline({TPoint(L, T), TPoint(L, B)});
      ACanvas->Polyline({TPoint(Rt, T), TPoint(Rt, B)});
      break;
    case ipBottom:
      ACanvas->Polyline({TPoint(L, T), TPoint(L, B), TPoint(Rt, B)});
      ACanvas->Polyline({TPoint(Rt, T), TPoint(Rt, B + 1)});
      break;
  }
}

void TCustomColorSelector::PaintItems(TCanvas* ACanvas) {
  for (Integer Index = 0; Index < FItems->Count(); ++Index) DrawColorBox(Index, ACanvas);
}

void TCustomColorSelector::Paint() {
  TExCustomColorSelectorPanel::Paint();
  PaintItems(Canvas());
}

void TCustomColorSelector::InvalidateColorBox(Integer Index) {
  if (!IsBox(Index) || !HandleAllocated()) return;
  const TRect R = FItems->Items(Index)->ItemRect();
  const RECT Box{R.Left, R.Top, R.Right, R.Bottom};
  InvalidateRect(Handle(), &Box, TRUE);
}

void TCustomColorSelector::DrawBoxNow(Integer Index) {
  if (HandleAllocated()) DrawColorBox(Index, Canvas());
}

Integer TCustomColorSelector::ItemAtPos(Integer X, Integer Y) const {
  for (Integer Index = 0; Index < FItems->Count(); ++Index) {
    const TRect& R = FItems->Items(Index)->ItemRect();
    if (X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom) return Index;
  }
  return -1;
}

TRect TCustomColorSelector::GetItemRect(Integer Index) const {
  return IsBox(Index) ? FItems->Items(Index)->ItemRect() : TRect(-1, -1, -1, -1);
}

void TCustomColorSelector::SetItemIndex(Integer Index) {
  if (Index >= 0 && !FItems->Items(Index)->Enabled()) return;
  if (FItemIndex >= 0 && FItemIndex != Index) {
    const Integer Old = FItemIndex;
    FItemIndex = -1;
    InvalidateColorBox(Old);
  }
  FItemIndex = Index;
  if (Index < 0) return;
  FSelectedColor = FItems->Items(Index)->Color();
  DrawBoxNow(Index);
  if (OnItemSelect) OnItemSelect(this);
}

void TCustomColorSelector::SetItemHot(Integer Index) {
  if (Index == FItemHot || (IsBox(Index) && !IsEnabledBox(Index))) return;
  if (FItemHot >= 0) {
    const Integer Old = FItemHot;
    FItemHot = -1;
    InvalidateColorBox(Old);
  }
  FItemHot = Index;
  if (Index >= 0) DrawBoxNow(Index);
}

void TCustomColorSelector::SetSelectedColor(TColor Value) {
  if (FSelectedColor == Value) return;
  FSelectedColor = Value;
  if (Value == clNone) SetItemIndex(-1);
  for (Integer Index = 0; Index < FItems->Count(); ++Index)
    if (FItems->Items(Index)->Color() == Value) {
      SetItemIndex(Index);
      return;
    }
  SetItemIndex(-1);
}

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TExCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
  const Integer Index = ItemAtPos(X, Y);
  if (IsEnabledBox(Index)) SetItemIndex(Index);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TExCustomColorSelectorPanel::MouseMove(Shift, X, Y);
  const Integer Index = ItemAtPos(X, Y);
  if (IsEnabledBox(Index)) {
    if (Index != FItemHot) SetItemHot(Index);
  } else if (FItemHot >= 0) {
    SetItemHot(-1);
  }
}

void TCustomColorSelector::MouseLeave() {
  TExCustomColorSelectorPanel::MouseLeave();
  if (FItemHot >= 0) SetItemHot(-1);
}

void TCustomColorSelector::SelectFirst() {
  if (FItems->Count() > 0) SetItemIndex(0);
}

void TCustomColorSelector::SelectLast() {
  if (FItems->Count() > 0) SetItemIndex(FItems->Count() - 1);
}

void TCustomColorSelector::SelectNext() {
  if (IsBox(FItemIndex + 1)) SetItemIndex(FItemIndex + 1);
}

void TCustomColorSelector::SelectPrevious() {
  if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}

void TCustomColorSelector::HotNext() {
  if (IsBox(FItemHot + 1)) SetItemHot(FItemHot + 1);
}

void TCustomColorSelector::HotPrevious() {
  if (FItemHot - 1 >= 0) SetItemHot(FItemHot - 1);
}

void TCustomColorSelector::MoveByRow(Integer Rows) {
  const Integer Target = FItemIndex < 0 ? 0 : FItemIndex + Rows * FColumns;
  if (IsBox(Target)) SetItemIndex(Target);
}

void TCustomColorSelector::HandleKey(Word Key, bool EditorEnabled, bool DroppedDown) {
  if (!Enabled() || Key < VK_PRIOR || Key > VK_DOWN) return;
  const bool Sideways = !(EditorEnabled && !DroppedDown);
  switch (Key) {
    case VK_PRIOR:
    case VK_HOME: SelectFirst(); break;
    case VK_NEXT:
    case VK_END: SelectLast(); break;
    case VK_LEFT:
      if (Sideways) SelectPrevious();
      break;
    case VK_RIGHT:
      if (Sideways) SelectNext();
      break;
    case VK_UP:
      if (DroppedDown)
        MoveByRow(-1);
      else
        SelectPrevious();
      break;
    case VK_DOWN:
      if (DroppedDown)
        MoveByRow(1);
      else
        SelectNext();
      break;
  }
}

}  // namespace jorv::dropdown
