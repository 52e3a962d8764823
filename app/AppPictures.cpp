#include "app/AppPictures.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace jorv::app {

namespace {

// Magenta marks the transparent pixels of every toolbar picture.
constexpr TColor MaskColor = 0xFF00FF;

void Fill(TCanvas* C, TColor Pen, TColor Brush) {
  C->Pen()->SetColor(Pen);
  C->Brush()->SetColor(Brush);
}

// A calendar leaf filling the square Size x Size: white page, red binding
// along the top, grey day grid.
void DrawLeaf(TCanvas* C, Integer X, Integer Size) {
  const Integer Top = Size / 8;
  Fill(C, 0x404040, clWhite);
  C->Rectangle(X, Top, X + Size, Size);
  Fill(C, 0x2020C0, 0x2020C0);
  C->Rectangle(X, Top, X + Size, Top + Size / 4);
  C->Pen()->SetColor(0xB0B0B0);
  const Integer Cell = Size / 5;
  for (Integer Row = 1; Row <= 2; ++Row) {
    C->MoveTo(X + 2, Top + Size / 4 + Row * Cell);
    C->LineTo(X + Size - 2, Top + Size / 4 + Row * Cell);
  }
}

void DrawExit(TCanvas* C, Integer X) {
  Fill(C, 0x404040, 0x80B0D0);
  C->Rectangle(X + 2, 1, X + 10, 15);
  Fill(C, 0x1010A0, 0x2020D0);
  C->Polygon({{X + 8, 5}, {X + 12, 5}, {X + 12, 2}, {X + 15, 8}, {X + 12, 14}, {X + 12, 11}, {X + 8, 11}});
}

void DrawToday(TCanvas* C, Integer X) {
  DrawLeaf(C, X, 16);
  Fill(C, 0x0000FA, 0x0000FA);
  C->Ellipse(X + 5, 8, X + 12, 15);
}

void DrawCopy(TCanvas* C, Integer X) {
  Fill(C, 0x404040, 0xF0F0F0);
  C->Rectangle(X + 1, 1, X + 10, 12);
  Fill(C, 0x404040, clWhite);
  C->Rectangle(X + 6, 4, X + 15, 15);
  C->Pen()->SetColor(0x808080);
  for (Integer Y = 7; Y <= 12; Y += 2) {
    C->MoveTo(X + 8, Y);
    C->LineTo(X + 13, Y);
  }
}

void DrawHome(TCanvas* C, Integer X) {
  Fill(C, 0x803000, 0xE0A040);
  C->Ellipse(X + 1, 1, X + 15, 15);
  C->Pen()->SetColor(0x803000);
  C->MoveTo(X + 1, 8);
  C->LineTo(X + 15, 8);
  C->MoveTo(X + 8, 1);
  C->LineTo(X + 8, 15);
  C->Brush()->SetStyle(bsClear);
  C->Ellipse(X + 4, 1, X + 12, 15);
  C->Brush()->SetStyle(bsSolid);
}

void DrawHolidays(TCanvas* C, Integer X) {
  DrawLeaf(C, X, 16);
  Fill(C, 0x008080, clYellow);
  C->Ellipse(X + 4, 7, X + 13, 16);
}

}  // namespace

void AddToolbarPictures(TCustomImageList* Images) {
  Images->SetSize(16, 16);
  TBitmap Strip(16 * 5, 16);
  TCanvas* C = Strip.Canvas();
  C->Brush()->SetColor(MaskColor);
  C->FillRect(TRect(0, 0, 16 * 5, 16));
  DrawExit(C, 0);
  DrawToday(C, 16);
  DrawCopy(C, 32);
  DrawHome(C, 48);
  DrawHolidays(C, 64);
  Images->AddMasked(&Strip, MaskColor);
}

void MakeProgramIcon(TIcon* Icon) {
  TBitmap Image(32, 32);
  TBitmap Mask(32, 32);
  TCanvas* C = Image.Canvas();
  C->Brush()->SetColor(clBlack);
  C->FillRect(TRect(0, 0, 32, 32));
  DrawLeaf(C, 0, 32);
  Fill(C, 0x008080, clYellow);
  C->Ellipse(10, 15, 24, 29);
  // Opaque where the leaf is (black in the mask), clear above it.
  TCanvas* M = Mask.Canvas();
  M->Brush()->SetColor(clWhite);
  M->FillRect(TRect(0, 0, 32, 32));
  M->Brush()->SetColor(clBlack);
  M->FillRect(TRect(0, 4, 32, 32));
  ICONINFO Info{};
  Info.fIcon = TRUE;
  Info.hbmColor = Image.Handle();
  Info.hbmMask = Mask.Handle();
  Icon->SetHandle(CreateIconIndirect(&Info));
}

}  // namespace jorv::app
