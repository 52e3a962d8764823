#include <gtest/gtest.h>
#include <cstring>
#include "platform/gfx/gfx.h"

using namespace jorv;

namespace {

// Left half black, right half white, a red dot at (1, 1) unless the
// format is monochrome.
std::unique_ptr<TBitmap> Sample(TPixelFormat f) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(f);
  b->SetSize(9, 5);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clWhite);
  c->FillRect(Rect(0, 0, 9, 5));
  c->Brush()->SetColor(clBlack);
  c->FillRect(Rect(0, 0, 4, 5));
  if (f != pf1bit) c->SetPixels(1, 1, clRed);
  return b;
}

}  // namespace

TEST(Bitmap, EveryPixelFormatSurvivesBmpRoundTrip) {
  for (TPixelFormat f : {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfDevice}) {
    auto b = Sample(f);
    TMemoryStream s;
    b->SaveToStream(&s);
    s.SetPosition(0);
    TBitmap back;
    SCOPED_TRACE(int(f));
    back.LoadFromStream(&s);
    EXPECT_EQ(s.Position(), s.Size()) << int(f);
    EXPECT_EQ(back.Width(), 9);
    EXPECT_EQ(back.Height(), 5);
    EXPECT_EQ(back.PixelFormat(), f == pfDevice ? pf24bit : f) << int(f);
    TCanvas* c = back.Canvas();
    EXPECT_EQ(c->Pixels(0, 4), clBlack) << int(f);
    EXPECT_EQ(c->Pixels(8, 0), clWhite) << int(f);
    EXPECT_EQ(c->Pixels(1, 1), f == pf1bit ? clBlack : clRed) << int(f);
  }
}

TEST(Bitmap, FormatChangesKeepThePicture) {
  auto b = Sample(pf24bit);
  for (TPixelFormat f : {pf32bit, pf16bit, pf8bit, pf4bit, pf24bit, pf1bit}) {
    b->SetPixelFormat(f);
    EXPECT_EQ(b->PixelFormat(), f);
    EXPECT_EQ(b->Canvas()->Pixels(0, 0), clBlack) << int(f);
    EXPECT_EQ(b->Canvas()->Pixels(8, 4), clWhite) << int(f);
  }
  EXPECT_TRUE(b->Monochrome());
  b->SetSize(12, 6);  // growing keeps the old pixels, the new area is white
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(11, 5), clWhite);
}

TEST(Bitmap, ScanLineIsTopDownAndSharedWithTheCanvas) {
  TBitmap b;
  b.SetPixelFormat(pf24bit);
  b.SetSize(3, 2);
  b.Canvas()->SetPixels(2, 0, clRed);
  auto* row0 = static_cast<Byte*>(b.ScanLine(0));
  EXPECT_EQ(row0[8] | row0[7] << 8 | row0[6] << 16, clRed);  // B, G, R order
  auto* row1 = static_cast<Byte*>(b.ScanLine(1));
  row1[0] = 0xFF;  // blue of pixel (0, 1)
  row1[1] = row1[2] = 0;
  EXPECT_EQ(b.Canvas()->Pixels(0, 1), clBlue);
  EXPECT_THROW(b.ScanLine(2), EInvalidGraphicOperation);
  EXPECT_THROW(b.ScanLine(-1), EInvalidGraphicOperation);
}

TEST(Bitmap, DamagedBmpDataRaisesAndKeepsThePicture) {
  auto good = Sample(pf8bit)->SaveToBytes();
  auto withWidth = [&](int32_t w) {
    TBytes d = good;
    std::memcpy(&d[18], &w, 4);
    return d;
  };
  TBytes cases[] = {
      TBytes(reinterpret_cast<const Byte*>("PK\3\4 not a bitmap at all, really"), 32),
      good.substr(0, 30),               // header cut short
      good.substr(0, good.size() - 10), // pixels cut short
      withWidth(0),
      withWidth(100000),
  };
  for (const auto& data : cases) {
    TBitmap b;
    b.SetSize(2, 2);
    EXPECT_THROW(b.LoadFromBytes(data.data(), data.size()), EInvalidGraphic);
    EXPECT_EQ(b.Width(), 2);
  }
}

TEST(Bitmap, TransparentDrawSkipsTheBottomLeftColour) {
  TBitmap glyph;
  glyph.SetSize(4, 4);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(Rect(0, 0, 4, 4));
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(Rect(1, 1, 3, 3));
  TBitmap target;
  target.SetSize(8, 4);
  target.Canvas()->Brush()->SetColor(clBlue);
  target.Canvas()->FillRect(Rect(0, 0, 8, 4));
  target.Canvas()->Draw(0, 0, &glyph);
  glyph.SetTransparent(true);
  EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
  target.Canvas()->Draw(4, 0, &glyph);
  TCanvas* c = target.Canvas();
  EXPECT_EQ(c->Pixels(0, 0), clFuchsia);
  EXPECT_EQ(c->Pixels(4, 0), clBlue);
  EXPECT_EQ(c->Pixels(5, 1), clRed);
  glyph.SetTransparentColor(clRed);
  EXPECT_EQ(glyph.TransparentMode(), tmFixed);
  target.Canvas()->Draw(4, 0, &glyph);
  EXPECT_EQ(c->Pixels(4, 0), clFuchsia);
  EXPECT_EQ(c->Pixels(5, 1), clRed);  // red is now see-through: the red below stays
}

TEST(Bitmap, AlphaChannelBlends) {
  TBitmap b;
  b.SetPixelFormat(pf32bit);
  b.SetSize(2, 1);
  auto* p = static_cast<Byte*>(b.ScanLine(0));
  const Byte px[8] = {0, 0, 255, 255, /* opaque red */ 0, 0, 255, 0 /* invisible */};
  std::memcpy(p, px, 8);
  b.SetAlphaFormat(afDefined);
  TBitmap target;
  target.SetSize(2, 1);
  target.Canvas()->Brush()->SetColor(clBlue);
  target.Canvas()->FillRect(Rect(0, 0, 2, 1));
  target.Canvas()->Draw(0, 0, &b);
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(target.Canvas()->Pixels(1, 0), clBlue);
}

TEST(Bitmap, AssignCopiesAndReleaseHandleEmpties) {
  auto a = Sample(pf8bit);
  TBitmap b;
  b.Assign(a.get());
  a->Canvas()->SetPixels(1, 1, clLime);  // the copy is independent
  EXPECT_EQ(b.PixelFormat(), pf8bit);
  EXPECT_EQ(b.Canvas()->Pixels(1, 1), clRed);
  HBITMAP h = b.ReleaseHandle();
  ASSERT_NE(h, nullptr);
  EXPECT_TRUE(b.Empty());
  TBitmap c;
  c.SetHandle(h);
  EXPECT_EQ(c.Width(), 9);
  EXPECT_EQ(c.Canvas()->Pixels(1, 1), clRed);
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
}
