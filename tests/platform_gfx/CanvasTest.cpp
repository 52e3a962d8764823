#include <gtest/gtest.h>
#include "platform/gfx/gfx.h"

using namespace jorv;

namespace {

std::unique_ptr<TBitmap> WhiteBitmap(Integer w, Integer h, TPixelFormat f = pf24bit) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(f);
  b->SetSize(w, h);
  b->Canvas()->Brush()->SetColor(clWhite);
  b->Canvas()->FillRect(Rect(0, 0, w, h));
  return b;
}

}  // namespace

TEST(Canvas, ShapesLandOnThePixels) {
  auto b = WhiteBitmap(40, 30);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clRed);
  c->FillRect(Rect(2, 2, 10, 10));
  c->Pen()->SetColor(clBlue);
  c->Brush()->SetColor(clLime);
  c->Rectangle(12, 2, 22, 12);
  c->MoveTo(0, 20);
  c->LineTo(30, 20);
  c->SetPixels(35, 25, clYellow);
  c->Brush()->SetColor(clNavy);
  c->Polygon({Point(30, 0), Point(39, 0), Point(39, 9)});
  struct Probe {
    Integer X, Y;
    TColor Color;
  } probes[] = {
      {2, 2, clRed},   {9, 9, clRed},    {10, 10, clWhite}, {12, 2, clBlue}, {21, 11, clBlue},
      {16, 6, clLime}, {22, 12, clWhite}, {0, 20, clBlue},  {29, 20, clBlue}, {30, 20, clWhite},
      {35, 25, clYellow}, {38, 2, clNavy},
  };
  for (const auto& p : probes) EXPECT_EQ(c->Pixels(p.X, p.Y), p.Color) << p.X << "," << p.Y;
  EXPECT_EQ(c->PenPos(), Point(30, 20));
}

TEST(Canvas, ChangedObjectsTakeEffectOnTheNextDrawing) {
  auto b = WhiteBitmap(20, 20);
  TCanvas* c = b->Canvas();
  c->MoveTo(0, 1);
  c->LineTo(20, 1);
  HGDIOBJ selected = GetCurrentObject(c->Handle(), OBJ_PEN);
  EXPECT_EQ(selected, c->Pen()->Handle());
  c->Pen()->SetColor(clRed);
  // The old pen is out of the DC before its handle was deleted.
  EXPECT_NE(GetCurrentObject(c->Handle(), OBJ_PEN), selected);
  c->MoveTo(0, 3);
  c->LineTo(20, 3);
  c->Pen()->SetWidth(3);
  c->MoveTo(0, 10);
  c->LineTo(20, 10);
  c->Brush()->SetColor(clGreen);
  c->FillRect(Rect(0, 15, 5, 20));
  c->Brush()->SetColor(clBlue);
  c->FillRect(Rect(5, 15, 10, 20));
  EXPECT_EQ(c->Pixels(5, 1), clBlack);
  EXPECT_EQ(c->Pixels(5, 3), clRed);
  EXPECT_EQ(c->Pixels(5, 9), clRed);  // width 3 covers the neighbour rows
  EXPECT_EQ(c->Pixels(5, 11), clRed);
  EXPECT_EQ(c->Pixels(2, 17), clGreen);
  EXPECT_EQ(c->Pixels(7, 17), clBlue);
}

TEST(Canvas, LettingGoOfTheDcPutsItsObjectsBack) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ font0 = GetCurrentObject(dc, OBJ_FONT);
  HGDIOBJ pen0 = GetCurrentObject(dc, OBJ_PEN);
  HGDIOBJ brush0 = GetCurrentObject(dc, OBJ_BRUSH);
  {
    TCanvas c;
    EXPECT_FALSE(c.HandleAllocated());
    EXPECT_THROW(c.Handle(), EInvalidOperation);
    c.SetHandle(dc);
    c.TextExtent(L"x");
    c.Rectangle(0, 0, 1, 1);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), c.Font()->Handle());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), c.Brush()->Handle());
    c.Refresh();
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font0);
    c.Rectangle(0, 0, 1, 1);
  }
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font0);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen0);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush0);
  DeleteDC(dc);
}

TEST(Canvas, FontChangesTakeEffectWhetherHandlesAreKeptOrNot) {
  for (bool keep : {false, true}) {
    SCOPED_TRACE(keep ? "kept" : "not kept");
    auto b = WhiteBitmap(60, 20);
    TCanvas* c = b->Canvas();
    HDC dc = c->Handle();
    HGDIOBJ font0 = GetCurrentObject(dc, OBJ_FONT);
    c->Font()->SetKeepHandles(keep);
    const Integer normalWidth = c->TextWidth(L"WWWW");
    TFont bold;
    bold.Assign(c->Font());
    bold.SetStyle({fsBold});
    c->Font()->Assign(&bold);
    EXPECT_GT(c->TextWidth(L"WWWW"), normalWidth);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), c->Font()->Handle());
    c->Font()->SetColor(clBlue);
    c->TextOut(0, 0, L"W");
    EXPECT_EQ(GetTextColor(dc), COLORREF(clBlue));
    c->Font()->SetStyle({});
    EXPECT_EQ(c->TextWidth(L"WWWW"), normalWidth);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), c->Font()->Handle());
    c->Refresh();
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font0);
    c->Font()->SetKeepHandles(false);
  }
}

TEST(Canvas, TextMeasuresFollowTheFontAndTextRectFormats) {
  auto b = WhiteBitmap(200, 60);
  TCanvas* c = b->Canvas();
  Integer regular = c->TextWidth(L"Holiday calendar");
  Integer h = c->TextHeight(L"Hg");
  EXPECT_GT(regular, 40);
  EXPECT_GT(h, 8);
  c->Font()->SetSize(16);
  EXPECT_GT(c->TextWidth(L"Holiday calendar"), regular);
  EXPECT_GT(c->TextHeight(L"Hg"), h);
  c->Font()->SetSize(8);

  TRect r(0, 0, 200, 0);
  String text = L"one two three four five six seven eight nine ten eleven twelve";
  c->TextRect(r, text, {tfCalcRect, tfWordBreak});
  EXPECT_GT(r.Height(), h);  // wrapped to more than one line
  EXPECT_LE(r.Width(), 200);

  TRect narrow(0, 0, 60, 20);
  String shortened = text;
  c->TextRect(narrow, shortened, {tfEndEllipsis, tfModifyString, tfSingleLine});
  EXPECT_LT(shortened.size(), text.size());
  EXPECT_NE(shortened.find(L"..."), String::npos);

  // Clear brush: the text draws without filling the rectangle.
  c->Brush()->SetColor(clYellow);
  c->Brush()->SetStyle(bsClear);
  c->TextRect(Rect(0, 30, 100, 50), 0, 30, L"");
  EXPECT_EQ(c->Pixels(50, 40), clWhite);
  c->Brush()->SetColor(clYellow);
  c->TextRect(Rect(0, 30, 100, 50), 0, 30, L"");
  EXPECT_EQ(c->Pixels(50, 40), clYellow);
}

TEST(Canvas, CopyRectAndBrushCopy) {
  auto src = WhiteBitmap(10, 10);
  src->Canvas()->Brush()->SetColor(clRed);
  src->Canvas()->FillRect(Rect(0, 0, 5, 10));
  src->Canvas()->Brush()->SetColor(clBlue);
  src->Canvas()->FillRect(Rect(5, 0, 10, 10));

  auto dst = WhiteBitmap(30, 10);
  dst->Canvas()->CopyRect(Rect(0, 0, 10, 10), src->Canvas(), Rect(0, 0, 10, 10));
  dst->Canvas()->Brush()->SetColor(clLime);
  dst->Canvas()->BrushCopy(Rect(10, 0, 20, 10), src.get(), Rect(0, 0, 10, 10), clRed);
  dst->Canvas()->SetCopyMode(cmNotSrcCopy);
  dst->Canvas()->CopyRect(Rect(20, 0, 30, 10), src->Canvas(), Rect(0, 0, 10, 10));
  TCanvas* c = dst->Canvas();
  EXPECT_EQ(c->Pixels(2, 5), clRed);
  EXPECT_EQ(c->Pixels(7, 5), clBlue);
  EXPECT_EQ(c->Pixels(12, 5), clLime);  // the red pixels took the brush
  EXPECT_EQ(c->Pixels(17, 5), clBlue);
  EXPECT_EQ(c->Pixels(22, 5), clAqua);  // inverted red
}

TEST(Canvas, EventsAroundEachDrawing) {
  auto b = WhiteBitmap(4, 4);
  std::wstring log;
  b->Canvas()->OnChanging = [&](TObject*) { log += L"<"; };
  b->Canvas()->OnChange = [&](TObject*) { log += L">"; };
  int bitmapChanges = 0;
  b->OnChange = [&](TObject*) { ++bitmapChanges; };
  b->Canvas()->FillRect(Rect(0, 0, 2, 2));
  b->Canvas()->TextExtent(L"x");  // measuring changes nothing
  EXPECT_EQ(log, L"<>");
  EXPECT_EQ(bitmapChanges, 1);
}
