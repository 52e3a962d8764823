#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>
#include "platform/gfx/gfx.h"

using namespace jorv;

namespace {

// 4 x 2: top row opaque red, green, blue, half-transparent white; bottom
// row fully transparent.
void FillSample(TWICImage& img) {
  TBitmap* px = img.Pixels();
  px->SetSize(4, 2);
  const Byte top[16] = {0, 0, 255, 255, 0, 255, 0, 255, 255, 0, 0, 255, 255, 255, 255, 128};
  std::memcpy(px->ScanLine(0), top, 16);
  std::memset(px->ScanLine(1), 0, 16);
}

// 8 x 8: the top half opaque red, the bottom half see-through; big enough
// for JPEG's colour blocks to keep the red.
void FillBlock(TWICImage& img) {
  TBitmap* px = img.Pixels();
  px->SetSize(8, 8);
  for (Integer y = 0; y < 8; ++y) {
    auto* p = static_cast<Byte*>(px->ScanLine(y));
    for (Integer x = 0; x < 8; ++x, p += 4) {
      p[0] = p[1] = 0;
      p[2] = y < 4 ? 255 : 0;
      p[3] = y < 4 ? 255 : 0;
    }
  }
}

bool Near(TColor a, TColor b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

std::unique_ptr<TBitmap> Filled(TColor background, Integer size = 8) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf24bit);
  b->SetSize(size, size);
  b->Canvas()->Brush()->SetColor(background);
  b->Canvas()->FillRect(Rect(0, 0, size, size));
  return b;
}

String TempFile(const wchar_t* name) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  return String(dir) + name;
}

}  // namespace

TEST(WICImage, PngKeepsAlphaThroughSaveAndLoad) {
  TPngImage png;
  FillSample(png);
  TMemoryStream s;
  png.SaveToStream(&s);
  s.SetPosition(0);
  TPngImage back;
  back.LoadFromStream(&s);
  ASSERT_EQ(back.Width(), 4);
  ASSERT_EQ(back.Height(), 2);
  EXPECT_TRUE(back.HasAlpha());
  const Byte* top = static_cast<const Byte*>(back.Pixels()->ScanLine(0));
  EXPECT_EQ(top[2], 255);   // red
  EXPECT_EQ(top[15], 128);  // half alpha kept
  EXPECT_EQ(static_cast<const Byte*>(back.Pixels()->ScanLine(1))[3], 0);

  auto target = Filled(clBlue);
  target->Canvas()->Draw(0, 0, &back);
  EXPECT_EQ(target->Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(target->Canvas()->Pixels(0, 1), clBlue);  // see-through row
  EXPECT_TRUE(Near(target->Canvas()->Pixels(3, 0), RGB(128, 128, 255), 2));
}

TEST(WICImage, JpegAndGifRoundTrip) {
  struct Case {
    std::unique_ptr<TWICImage> Out, In;
    int Tolerance;
  } cases[2];
  cases[0] = {std::make_unique<TJPEGImage>(), std::make_unique<TJPEGImage>(), 40};
  cases[1] = {std::make_unique<TGIFImage>(), std::make_unique<TGIFImage>(), 0};
  for (auto& c : cases) {
    TBitmap* px = c.Out->Pixels();
    px->SetSize(16, 16);
    px->Canvas()->Brush()->SetColor(clRed);
    px->Canvas()->FillRect(Rect(0, 0, 16, 8));
    px->Canvas()->Brush()->SetColor(clBlue);
    px->Canvas()->FillRect(Rect(0, 8, 16, 16));
    for (Integer y = 0; y < 16; ++y)  // opaque
      for (Integer x = 0; x < 16; ++x) static_cast<Byte*>(px->ScanLine(y))[x * 4 + 3] = 255;
    TMemoryStream s;
    c.Out->SaveToStream(&s);
    ASSERT_GT(s.Size(), 0);
    s.SetPosition(0);
    c.In->LoadFromStream(&s);
    auto target = Filled(clWhite, 16);
    target->Canvas()->Draw(0, 0, c.In.get());
    EXPECT_TRUE(Near(target->Canvas()->Pixels(4, 2), clRed, c.Tolerance)) << c.Out->ClassName();
    EXPECT_TRUE(Near(target->Canvas()->Pixels(4, 13), clBlue, c.Tolerance)) << c.Out->ClassName();
  }
}

TEST(WICImage, KindsRefuseOtherFormatsAndGarbageKeepsThePicture) {
  TPngImage png;
  FillSample(png);
  TBytes pngBytes = png.SaveToBytes();
  TJPEGImage jpeg;
  jpeg.Pixels()->SetSize(2, 2);
  EXPECT_THROW(jpeg.LoadFromBytes(pngBytes.data(), pngBytes.size()), EInvalidGraphic);
  EXPECT_EQ(jpeg.Width(), 2);
  const Byte junk[] = "\x89PNG\r\n\x1A\n but then nothing useful";
  EXPECT_THROW(png.LoadFromBytes(junk, sizeof junk), EInvalidGraphic);
  EXPECT_EQ(png.Width(), 4);
  TWICImage any;  // the general kind takes any format and remembers it
  any.LoadFromBytes(pngBytes.data(), pngBytes.size());
  EXPECT_EQ(any.ImageFormat(), wifPng);
}

TEST(Icon, HandleIconSavesAndLoadsBack) {
  TBitmap color;
  color.SetPixelFormat(pf32bit);
  color.SetSize(16, 16);
  for (Integer y = 0; y < 16; ++y) {
    auto* p = static_cast<Byte*>(color.ScanLine(y));
    for (Integer x = 0; x < 16; ++x, p += 4) {
      bool inside = x >= 4 && x < 12 && y >= 4 && y < 12;
      p[0] = 0, p[1] = 0, p[2] = inside ? 255 : 0, p[3] = inside ? 255 : 0;
    }
  }
  TBitmap mask;
  mask.SetPixelFormat(pf1bit);
  mask.SetSize(16, 16);
  ICONINFO info{TRUE, 0, 0, mask.Handle(), color.Handle()};
  TIcon icon;
  icon.SetHandle(CreateIconIndirect(&info));
  ASSERT_EQ(icon.Width(), 16);
  TMemoryStream s;
  icon.SaveToStream(&s);
  s.SetPosition(0);
  TIcon back;
  back.LoadFromStream(&s);
  EXPECT_EQ(back.Width(), 16);
  auto target = Filled(clBlue, 16);
  target->Canvas()->Draw(0, 0, &back);
  EXPECT_EQ(target->Canvas()->Pixels(8, 8), clRed);
  EXPECT_EQ(target->Canvas()->Pixels(1, 1), clBlue);
  // Saving a loaded icon gives back the same file.
  TMemoryStream again;
  back.SaveToStream(&again);
  EXPECT_EQ(again.Size(), s.Size());

  const Byte bad[] = {0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0, 0xFF, 0xFF, 0, 0, 22, 0, 0, 0};
  EXPECT_THROW(back.LoadFromBytes(bad, sizeof bad), EInvalidGraphic);
  EXPECT_EQ(back.Width(), 16);
}

TEST(Picture, ChoosesTheKindByContentAndByExtension) {
  TPngImage png;
  FillBlock(png);
  TJPEGImage jpeg;
  jpeg.Assign(png.Pixels());
  TGIFImage gif;
  gif.Assign(png.Pixels());
  TBitmap bmp;
  bmp.Assign(png.Pixels());
  struct Case {
    TGraphic* Source;
    const wchar_t* File;
    const wchar_t* Kind;
  } cases[] = {{&png, L"jorv_pic.png", L"TPngImage"},
               {&jpeg, L"jorv_pic.jpg", L"TJPEGImage"},
               {&gif, L"jorv_pic.gif", L"TGIFImage"},
               {&bmp, L"jorv_pic.bmp", L"TBitmap"}};
  for (const auto& c : cases) {
    TMemoryStream s;
    c.Source->SaveToStream(&s);
    s.SetPosition(0);
    TPicture byContent;
    int changes = 0;
    byContent.OnChange = [&](TObject*) { ++changes; };
    byContent.LoadFromStream(&s);
    ASSERT_NE(byContent.Graphic(), nullptr);
    EXPECT_EQ(byContent.Graphic()->ClassName(), c.Kind);
    EXPECT_EQ(byContent.Width(), 8);
    EXPECT_EQ(changes, 1);

    String file = TempFile(c.File);
    byContent.SaveToFile(file);
    TPicture byName;
    byName.LoadFromFile(file);
    DeleteFileW(file.c_str());
    EXPECT_EQ(byName.Graphic()->ClassName(), c.Kind);
    auto target = Filled(clWhite);
    target->Canvas()->Draw(0, 0, byName.Graphic());
    EXPECT_TRUE(Near(target->Canvas()->Pixels(0, 0), clRed, 40)) << c.Kind;
  }
  TPicture p;
  EXPECT_THROW(p.LoadFromFile(L"picture.xyz"), EInvalidGraphic);
  TMemoryStream text;
  text.WriteBuffer("plain text, no picture", 22);
  text.SetPosition(0);
  EXPECT_THROW(p.LoadFromStream(&text), EInvalidGraphic);
  EXPECT_EQ(p.Graphic(), nullptr);
}

TEST(Picture, HoldsCopiesAndBitmapReplacesOtherKinds) {
  TPngImage png;
  FillSample(png);
  TPicture p;
  p.SetGraphic(&png);
  png.Pixels()->SetSize(1, 1);
  EXPECT_EQ(p.Width(), 4);  // a copy, not the original
  TPicture q;
  q.Assign(&p);
  EXPECT_EQ(q.Graphic()->ClassName(), L"TPngImage");
  TBitmap* b = q.Bitmap();
  EXPECT_TRUE(b->Empty());
  EXPECT_EQ(q.Graphic(), b);
  q.Assign(nullptr);
  EXPECT_EQ(q.Graphic(), nullptr);
}
