#include <gtest/gtest.h>
#include "foundation/ExImage.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Image.h"
#include "tests/support/TempDir.h"

using namespace jorv::foundation;

using namespace jorv;

namespace {

// A 100 x 50 bitmap: red top half, blue bottom half, a green block at the
// top-left corner, so flips and stretches show.
TBytes SampleBmp() {
  TBitmap B(100, 50);
  B.SetPixelFormat(pf24bit);
  TCanvas* C = B.Canvas();
  C->Brush()->SetColor(clRed);
  C->FillRect(Rect(0, 0, 100, 25));
  C->Brush()->SetColor(clBlue);
  C->FillRect(Rect(0, 25, 100, 50));
  C->Brush()->SetColor(clLime);
  C->FillRect(Rect(0, 0, 10, 10));
  return B.SaveToBytes();
}

// The smallest GIF: one white pixel.
TBytes TinyGif() {
  static const Byte Data[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80,
                              0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00,
                              0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01,
                              0x00, 0x3B};
  return TBytes(Data, sizeof(Data));
}

TBytes StreamBytes(TExImage& Image) {
  TBytesStream Out;
  Image.SaveToStream(&Out);
  return Out.Bytes();
}

}  // namespace

TEST(ExImage, NewImageIsEmptyAndDrawsNothing) {
  TExImage Image;
  EXPECT_TRUE(Image.Empty());
  EXPECT_EQ(Image.Width(), 0);
  EXPECT_EQ(Image.Height(), 0);
  TBitmap Target(20, 20);
  Target.Canvas()->Brush()->SetColor(clWhite);
  Target.Canvas()->FillRect(Rect(0, 0, 20, 20));
  Image.Draw(Target.Canvas(), Rect(0, 0, 20, 20));
  EXPECT_EQ(Target.Canvas()->Pixels(10, 10), clWhite);
  EXPECT_TRUE(StreamBytes(Image).empty());
}

TEST(ExImage, LoadMeasuresAndSavesTheSameBytes) {
  TBytes Bmp = SampleBmp();
  TBytesStream In(Bmp);
  // The whole stream counts, wherever it stands.
  In.SetPosition(Bmp.size() / 2);
  TExImage Image;
  int Changes = 0;
  Image.OnChange = [&](TObject*) { ++Changes; };
  Image.LoadFromStream(&In);
  EXPECT_FALSE(Image.Empty());
  EXPECT_EQ(Image.Width(), 100);
  EXPECT_EQ(Image.Height(), 50);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(StreamBytes(Image), Bmp);
  // Setting a size has no effect: it follows the picture.
  Image.SetWidth(10);
  Image.SetHeight(7);
  EXPECT_EQ(Image.Width(), 100);
  EXPECT_EQ(Image.Height(), 50);
}

TEST(ExImage, OtherFormatsDecodeAndKeepTheirBytes) {
  TExImage Image;
  TBytesStream In(TinyGif());
  Image.LoadFromStream(&In);
  EXPECT_EQ(Image.Width(), 1);
  EXPECT_EQ(Image.Height(), 1);
  EXPECT_EQ(StreamBytes(Image), TinyGif());
}

TEST(ExImage, FormStreamingRoundTrip) {
  TBytes Bmp = SampleBmp();
  TBytesStream In(Bmp);
  TExImage Image;
  int Changes = 0;
  Image.OnChange = [&](TObject*) { ++Changes; };
  Image.ReadData(&In);
  EXPECT_EQ(Changes, 0);
  EXPECT_EQ(Image.Width(), 100);
  TBytesStream Out;
  Image.WriteData(&Out);
  EXPECT_EQ(Out.Bytes(), Bmp);
}

TEST(ExImage, DrawsUprightAndStretched) {
  TExImage Image;
  TBytesStream In(SampleBmp());
  Image.LoadFromStream(&In);
  struct { TRect R; } cases[] = {{Rect(0, 0, 100, 50)}, {Rect(10, 20, 210, 120)}};
  for (const auto& c : cases) {
    TBitmap Target(260, 160);
    Target.SetPixelFormat(pf24bit);
    Target.Canvas()->Brush()->SetColor(clWhite);
    Target.Canvas()->FillRect(Rect(0, 0, 260, 160));
    Image.Draw(Target.Canvas(), c.R);
    TCanvas* C = Target.Canvas();
    const Integer W = c.R.Width(), H = c.R.Height();
    auto At = [&](double fx, double fy) {
      return C->Pixels(c.R.Left + Integer(fx * W), c.R.Top + Integer(fy * H));
    };
    EXPECT_EQ(At(0.02, 0.04), clLime);
    EXPECT_EQ(At(0.5, 0.25), clRed);
    EXPECT_EQ(At(0.5, 0.75), clBlue);
    EXPECT_EQ(At(0.98, 0.96), clBlue);
    // Nothing outside the rectangle.
    EXPECT_EQ(C->Pixels(c.R.Right + 2, c.R.Top + 2), clWhite);
    EXPECT_EQ(C->Pixels(c.R.Left + 2, c.R.Bottom + 2), clWhite);
  }
}

TEST(ExImage, UndecodableBytesRaiseWithoutChange) {
  TExImage Image;
  int Changes = 0;
  Image.OnChange = [&](TObject*) { ++Changes; };
  TBytes Junk = {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'};
  for (const TBytes& Bytes : {Junk, TBytes()}) {
    TBytesStream In(Bytes);
    try {
      Image.LoadFromStream(&In);
      FAIL() << "no error";
    } catch (const Exception& E) {
      EXPECT_EQ(E.Message(), L"Could not load image. Invalid format");
    }
    EXPECT_EQ(Image.Width(), 0);
  }
  EXPECT_EQ(Changes, 0);
  TBitmap Target(8, 8);
  Target.Canvas()->Brush()->SetColor(clWhite);
  Target.Canvas()->FillRect(Rect(0, 0, 8, 8));
  Image.Draw(Target.Canvas(), Rect(0, 0, 8, 8));
  EXPECT_EQ(Target.Canvas()->Pixels(4, 4), clWhite);
}

TEST(ExImage, LoadFromFileReportsFailuresAndStaysEmpty) {
  test::TTempDir Dir;
  TBytes Bmp = SampleBmp();
  TExImage Image;
  TBytesStream In(Bmp);
  Image.LoadFromStream(&In);
  int Changes = 0;
  Image.OnChange = [&](TObject*) { ++Changes; };

  EXPECT_THROW(Image.LoadFromFile(Dir.Path(L"missing.bmp")), EFOpenError);
  EXPECT_TRUE(Image.Empty());
  EXPECT_EQ(Image.Width(), 0);
  EXPECT_TRUE(StreamBytes(Image).empty());

  TBytesStream Text(TBytes{'h', 'e', 'l', 'l', 'o'});
  Text.SaveToFile(Dir.Path(L"text.bmp"));
  EXPECT_THROW(Image.LoadFromFile(Dir.Path(L"text.bmp")), Exception);
  EXPECT_TRUE(Image.Empty());
  EXPECT_EQ(Changes, 0);

  TBytesStream File(Bmp);
  File.SaveToFile(Dir.Path(L"picture.bmp"));
  Image.LoadFromFile(Dir.Path(L"picture.bmp"));
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(Image.Width(), 100);
  Image.SaveToFile(Dir.Path(L"again.bmp"));
  TBytesStream Again;
  Again.LoadFromFile(Dir.Path(L"again.bmp"));
  EXPECT_EQ(Again.Bytes(), Bmp);
}

TEST(ExImage, Assign) {
  TBytes Bmp = SampleBmp();
  TExImage Source;
  TBytesStream In(Bmp);
  Source.LoadFromStream(&In);

  TExImage Image;
  int Changes = 0;
  Image.OnChange = [&](TObject*) { ++Changes; };
  Image.Assign(&Source);
  EXPECT_EQ(Changes, 1);
  EXPECT_FALSE(Image.Empty());
  EXPECT_EQ(Image.Width(), 100);
  EXPECT_EQ(StreamBytes(Image), Bmp);

  Image.Assign(&Image);
  EXPECT_EQ(StreamBytes(Image), Bmp);

  Image.Assign(nullptr);
  EXPECT_EQ(Changes, 2);
  EXPECT_TRUE(Image.Empty());
  EXPECT_TRUE(StreamBytes(Image).empty());

  // Any graphic arrives as the bytes it saves.
  TBitmap Bitmap;
  Bitmap.LoadFromBytes(Bmp.data(), Bmp.size());
  Image.Assign(&Bitmap);
  EXPECT_EQ(Image.Width(), 100);
  EXPECT_EQ(StreamBytes(Image), Bitmap.SaveToBytes());

  TPicture Picture;
  Picture.SetGraphic(&Bitmap);
  Image.Assign(nullptr);
  Image.Assign(&Picture);
  EXPECT_EQ(Image.Height(), 50);

  // An image control gives the bytes of its picture's graphic.
  TImage Control(nullptr);
  Control.Picture()->SetGraphic(&Bitmap);
  Image.Assign(nullptr);
  const int Before = Changes;
  Image.Assign(&Control);
  EXPECT_EQ(Changes, Before + 1);
  EXPECT_FALSE(Image.Empty());
  EXPECT_EQ(Image.Width(), 100);
  EXPECT_EQ(StreamBytes(Image), Bitmap.SaveToBytes());

  // An empty source of any kind leaves the image empty, without bytes.
  TExImage Empty;
  TPicture NoGraphic;
  TImage NoPicture(nullptr);
  for (TPersistent* Src : {static_cast<TPersistent*>(&Empty), static_cast<TPersistent*>(&NoGraphic),
                           static_cast<TPersistent*>(&NoPicture)}) {
    Image.Assign(&Source);
    Image.Assign(Src);
    EXPECT_TRUE(Image.Empty());
    EXPECT_TRUE(StreamBytes(Image).empty());
    EXPECT_EQ(Image.Width(), 0);
  }

  // Anything else empties the image without a change and keeps its bytes.
  Image.Assign(&Source);
  const int Kept = Changes;
  TStringList Other;
  Image.Assign(&Other);
  EXPECT_TRUE(Image.Empty());
  EXPECT_EQ(Image.Width(), 0);
  EXPECT_EQ(Changes, Kept);
  EXPECT_EQ(StreamBytes(Image), Bmp);
}
