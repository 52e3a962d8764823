#include <gtest/gtest.h>
#include "platform/gfx/gfx.h"

using namespace jorv;

namespace {

// A red square on a fuchsia background.
std::unique_ptr<TBitmap> Glyph() {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf24bit);
  b->SetSize(16, 16);
  b->Canvas()->Brush()->SetColor(clFuchsia);
  b->Canvas()->FillRect(Rect(0, 0, 16, 16));
  b->Canvas()->Brush()->SetColor(clRed);
  b->Canvas()->FillRect(Rect(4, 4, 12, 12));
  return b;
}

std::unique_ptr<TBitmap> Target() {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf24bit);
  b->SetSize(40, 20);
  b->Canvas()->Brush()->SetColor(clWhite);
  b->Canvas()->FillRect(Rect(0, 0, 40, 20));
  return b;
}

}  // namespace

TEST(ImageList, DrawsMaskedImagesEnabledAndDisabled) {
  TImageList list;
  int changes = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  auto glyph = Glyph();
  EXPECT_EQ(list.AddMasked(glyph.get(), clFuchsia), 0);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(changes, 1);
  auto t = Target();
  list.Draw(t->Canvas(), 0, 0, 0, true);
  list.Draw(t->Canvas(), 20, 0, 0, false);
  list.Draw(t->Canvas(), 0, 0, 5, true);  // out of range: nothing
  TCanvas* c = t->Canvas();
  EXPECT_EQ(c->Pixels(8, 8), clRed);
  EXPECT_EQ(c->Pixels(1, 1), clWhite);  // the masked background shows through
  EXPECT_EQ(c->Pixels(28, 8), ColorToRGB(clBtnShadow));
  EXPECT_EQ(c->Pixels(21, 1), clWhite);
  EXPECT_NE(c->Pixels(28, 8), clRed);
  // The canvas still draws with its own brush afterwards.
  c->Brush()->SetColor(clLime);
  c->FillRect(Rect(39, 19, 40, 20));
  EXPECT_EQ(c->Pixels(39, 19), clLime);
}

TEST(ImageList, AddsStripsIconsAndReadsThemBack) {
  TImageList list;
  auto strip = std::make_unique<TBitmap>();
  strip->SetPixelFormat(pf24bit);
  strip->SetSize(32, 16);
  strip->Canvas()->Brush()->SetColor(clBlue);
  strip->Canvas()->FillRect(Rect(0, 0, 16, 16));
  strip->Canvas()->Brush()->SetColor(clYellow);
  strip->Canvas()->FillRect(Rect(16, 0, 32, 16));
  EXPECT_EQ(list.Add(strip.get(), nullptr), 0);
  EXPECT_EQ(list.Count(), 2);

  TBitmap out;
  list.GetBitmap(1, &out);
  EXPECT_EQ(out.Width(), 16);
  EXPECT_EQ(out.Canvas()->Pixels(5, 5), clYellow);
  TIcon icon;
  list.GetIcon(0, &icon);
  EXPECT_EQ(icon.Width(), 16);
  EXPECT_EQ(list.AddIcon(&icon), 2);
  auto t = Target();
  list.Draw(t->Canvas(), 0, 0, 2);
  EXPECT_EQ(t->Canvas()->Pixels(5, 5), clBlue);

  list.Delete(0);
  EXPECT_EQ(list.Count(), 2);
  list.GetBitmap(0, &out);
  EXPECT_EQ(out.Canvas()->Pixels(5, 5), clYellow);
  EXPECT_THROW(list.Delete(7), EInvalidOperation);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  list.SetSize(24, 24);
  EXPECT_EQ(list.Width(), 24);
}
