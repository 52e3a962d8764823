#include <gtest/gtest.h>
#include "foundation/GDIPPicture.h"
#include "foundation/GDIPlusGraphics.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/SysUtils.h"
#include "tests/foundation/PaintProbe.h"
#include "tests/foundation/PictureBytes.h"
#include "tests/support/TempDir.h"

using namespace jorv::foundation;

using namespace jorv;
using jorv::test::TPaintProbe;

namespace {

TBytes Saved(TGraphic& Picture) {
  TBytesStream Out;
  Picture.SaveToStream(&Out);
  return Out.Bytes();
}

void Load(TGDIPPicture& Picture, const TBytes& Bytes) {
  TBytesStream In(Bytes);
  Picture.LoadFromStream(&In);
}

// Records the events in the order they fire.
struct TEventLog {
  String Log;
  explicit TEventLog(TGDIPPicture& P) {
    P.OnChange = [this](TObject*) { Log += L"change;"; };
    P.OnClear = [this](TObject*) { Log += L"clear;"; };
  }
};

void SaveFile(const String& Path, const TBytes& Bytes) {
  TBytesStream S(Bytes);
  S.SaveToFile(Path);
}

}  // namespace

TEST(GDIPPicture, NewPictureIsEmptyDrawsAndSavesNothing) {
  TGDIPPicture Picture;
  EXPECT_TRUE(Picture.Empty());
  EXPECT_EQ(Picture.Width(), 0);
  EXPECT_EQ(Picture.Height(), 0);
  EXPECT_TRUE(Picture.TransparentBitmap());
  EXPECT_FALSE(Picture.GetImageSizes());
  TPaintProbe Probe(10, 10);
  Picture.Draw(Probe.Canvas(), Rect(0, 0, 10, 10));
  EXPECT_EQ(Probe.Count(Rect(0, 0, 10, 10), clWhite), 100);
  EXPECT_TRUE(Saved(Picture).empty());
}

TEST(GDIPPicture, LoadsEveryFormatMeasuresAndSavesTheSameBytes) {
  struct {
    const char* Format;
    TBytes Bytes;
    Integer W, H;
  } Cases[] = {
      {"bmp", test::SampleBmp(12, 7, clRed, clBlue), 12, 7},
      {"png", test::HalfTransparentPng(), 10, 10},
      {"gif", test::TinyRedGif(), 1, 1},
  };
  for (const auto& C : Cases) {
    TBytesStream In(C.Bytes);
    // The whole stream counts, wherever it stands.
    In.SetPosition(static_cast<Int64>(C.Bytes.size() / 2));
    TGDIPPicture Picture;
    int Changes = 0;
    Integer WidthSeen = -1;
    Picture.OnChange = [&](TObject*) {
      ++Changes;
      WidthSeen = Picture.Width();
    };
    Picture.LoadFromStream(&In);
    EXPECT_FALSE(Picture.Empty()) << C.Format;
    EXPECT_EQ(Picture.Width(), C.W) << C.Format;
    EXPECT_EQ(Picture.Height(), C.H) << C.Format;
    EXPECT_EQ(Changes, 1) << C.Format;
    EXPECT_EQ(WidthSeen, C.W) << C.Format;  // measured before the event
    EXPECT_EQ(Saved(Picture), C.Bytes) << C.Format;
    // The size follows the bytes alone.
    Picture.SetWidth(3);
    Picture.SetHeight(3);
    EXPECT_EQ(Picture.Width(), C.W) << C.Format;
  }
}

TEST(GDIPPicture, UndecodableBytesMeasureZeroAndDrawNothing) {
  TGDIPPicture Picture;
  Load(Picture, TBytes{'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'});
  EXPECT_FALSE(Picture.Empty());
  EXPECT_TRUE(Picture.GetImageSizes());
  EXPECT_EQ(Picture.Width(), 0);
  EXPECT_EQ(Picture.Height(), 0);
  TPaintProbe Probe(8, 8);
  Picture.Draw(Probe.Canvas(), Rect(0, 0, 8, 8));
  EXPECT_EQ(Probe.Count(Rect(0, 0, 8, 8), clWhite), 64);
}

TEST(GDIPPicture, TransparentPngShowsTheBackground) {
  TGDIPPicture Picture;
  Load(Picture, test::HalfTransparentPng());
  TPaintProbe Probe(20, 20, clYellow);
  Picture.Draw(Probe.Canvas(), Rect(0, 0, 20, 20));
  EXPECT_EQ(Probe.At(3, 10), clBlue);
  EXPECT_EQ(Probe.At(16, 10), clYellow);
}

TEST(GDIPPicture, BitmapTransparencyFollowsTransparentBitmap) {
  for (bool Transparent : {true, false}) {
    TGDIPPicture Picture;
    Load(Picture, test::SampleBmp(8, 8, clLime, clRed));
    Picture.SetTransparentBitmap(Transparent);
    TPaintProbe Probe(16, 16);
    Picture.Draw(Probe.Canvas(), Rect(0, 0, 16, 16));
    EXPECT_EQ(Probe.At(8, 8), clRed) << Transparent;
    // The bottom-left colour drops out only through the platform bitmap.
    EXPECT_EQ(Probe.At(1, 1), Transparent ? clWhite : clLime) << Transparent;
    EXPECT_EQ(Probe.At(14, 14), Transparent ? clWhite : clLime) << Transparent;
  }
}

TEST(GDIPPicture, DrawsOnGdiPlusSurfacesAtNaturalSizeAndStretched) {
  TGDIPPicture Picture;
  // No bitmap transparency on a GDI+ surface: the lime frame shows.
  Load(Picture, test::SampleBmp(8, 8, clLime, clRed));
  TPaintProbe Probe(40, 40);
  {
    TGPGraphics Graphics(Probe.Canvas()->Handle());
    Picture.DrawImage(&Graphics, 2, 3);
    Picture.DrawImageRect(&Graphics, 16, 16, 16, 16);
  }
  EXPECT_EQ(Probe.At(2, 3), clLime);
  EXPECT_EQ(Probe.At(9, 10), clLime);
  EXPECT_EQ(Probe.At(10, 11), clWhite);
  EXPECT_EQ(Probe.At(6, 7), clRed);
  EXPECT_EQ(Probe.At(24, 24), clRed);
  EXPECT_EQ(Probe.At(18, 24), clLime);
  EXPECT_EQ(Probe.At(34, 34), clWhite);
}

TEST(GDIPPicture, LoadsResourcesAndFilesByAddress) {
  test::TTempDir Dir;
  const String File = Dir.Path(L"pic.bmp");
  const TBytes Bmp = test::SampleBmp(6, 4, clRed, clBlue);
  SaveFile(File, Bmp);
  struct {
    String URL;
    TBytes Expected;  // empty: nothing loaded
  } Cases[] = {
      {L"RES://PICTURETEST_GIF", test::TinyRedGif()},
      {L"res://picturetest_gif", test::TinyRedGif()},
      {L"Res://PictureTest_Gif", test::TinyRedGif()},
      {L"FILE://" + File, Bmp},
      {L"file://" + File, Bmp},
      {L"RES://", {}},
      {L"RES://NO_SUCH_PICTURE", {}},
      {L"FILE://", {}},
      {L"http://example.invalid/a.png", {}},
      {File, {}},
  };
  for (const auto& C : Cases) {
    TGDIPPicture Picture;
    Picture.LoadFromURL(C.URL);
    EXPECT_EQ(Picture.Empty(), C.Expected.empty()) << C.URL;
    EXPECT_EQ(Saved(Picture), C.Expected) << C.URL;
  }
}

TEST(GDIPPicture, MissingResourcesAndFiles) {
  TGDIPPicture Picture;
  Load(Picture, test::TinyRedGif());
  TEventLog Events(Picture);
  Picture.LoadFromResourceName(GetModuleHandleW(nullptr), L"NO_SUCH_PICTURE");
  EXPECT_FALSE(Picture.Empty());
  EXPECT_EQ(Saved(Picture), test::TinyRedGif());
  EXPECT_THROW(Picture.LoadFromResourceID(GetModuleHandleW(nullptr), 4711), EResNotFound);
  EXPECT_EQ(Events.Log, L"");

  TGDIPPicture Fresh;
  TEventLog FreshEvents(Fresh);
  EXPECT_NO_THROW(Fresh.LoadFromFile(L"Z:\\no\\such\\picture.png"));
  EXPECT_TRUE(Fresh.Empty());
  EXPECT_TRUE(Fresh.GetFileName().empty());
  EXPECT_EQ(FreshEvents.Log, L"");
}

TEST(GDIPPicture, LoadFromFileClearsThenChanges) {
  test::TTempDir Dir;
  const String File = Dir.Path(L"pic.png");
  SaveFile(File, test::HalfTransparentPng());
  TGDIPPicture Picture;
  TEventLog Events(Picture);
  Picture.LoadFromFile(File);
  EXPECT_EQ(Events.Log, L"clear;change;");
  EXPECT_EQ(Picture.GetFileName(), File);
  EXPECT_EQ(Picture.Width(), 10);
  EXPECT_EQ(Saved(Picture), test::HalfTransparentPng());
}

TEST(GDIPPicture, FormDataIsTheBytesAloneUnmeasured) {
  const TBytes Png = test::HalfTransparentPng();
  TGDIPPicture Picture;
  TEventLog Events(Picture);
  TBytesStream In(Png);
  Picture.ReadData(&In);
  EXPECT_FALSE(Picture.Empty());
  EXPECT_EQ(Picture.Width(), 0);
  EXPECT_EQ(Events.Log, L"");
  TBytesStream Out;
  Picture.WriteData(&Out);
  EXPECT_EQ(Out.Bytes(), Png);
  // A draw through GDI+ measures it.
  TPaintProbe Probe(10, 10);
  Picture.Draw(Probe.Canvas(), Rect(0, 0, 10, 10));
  EXPECT_EQ(Picture.Width(), 10);
  EXPECT_EQ(Probe.At(2, 5), clBlue);
}

TEST(GDIPPicture, AssignCopiesBytesOrGraphics) {
  // Nothing: cleared, then both events.
  {
    TGDIPPicture Picture;
    Load(Picture, test::TinyRedGif());
    TEventLog Events(Picture);
    Picture.Assign(nullptr);
    EXPECT_TRUE(Picture.Empty());
    EXPECT_TRUE(Saved(Picture).empty());
    EXPECT_EQ(Events.Log, L"change;clear;");
  }
  // An empty picture of the same kind empties this one.
  {
    TGDIPPicture Picture, Empty;
    Load(Picture, test::TinyRedGif());
    TEventLog Events(Picture);
    Picture.Assign(&Empty);
    EXPECT_TRUE(Picture.Empty());
    EXPECT_TRUE(Saved(Picture).empty());
    EXPECT_EQ(Events.Log, L"change;");
  }
  // Another picture's bytes; the change is told before the new size.
  {
    TGDIPPicture Source, Picture;
    Load(Source, test::HalfTransparentPng());
    Load(Picture, test::TinyRedGif());
    Integer WidthSeen = -1;
    Picture.OnChange = [&](TObject*) { WidthSeen = Picture.Width(); };
    Picture.Assign(&Source);
    EXPECT_EQ(WidthSeen, 1);
    EXPECT_EQ(Picture.Width(), 10);
    EXPECT_EQ(Saved(Picture), test::HalfTransparentPng());
  }
  // Graphics, bare or in a platform picture, save themselves as bytes.
  {
    TBitmap Bitmap;
    TBytes Bmp = test::SampleBmp(6, 3, clRed, clBlue);
    Bitmap.LoadFromBytes(Bmp.data(), Bmp.size());
    TPicture Holder;
    Holder.SetGraphic(&Bitmap);
    for (TPersistent* Source : {static_cast<TPersistent*>(&Bitmap),
                                static_cast<TPersistent*>(&Holder)}) {
      TGDIPPicture Picture;
      Picture.Assign(Source);
      EXPECT_FALSE(Picture.Empty());
      EXPECT_EQ(Picture.Width(), 6);
      EXPECT_EQ(Picture.Height(), 3);
      EXPECT_EQ(Saved(Picture), Bitmap.SaveToBytes());
    }
  }
  // A platform picture holding nothing counts as no source.
  {
    TGDIPPicture Picture;
    Load(Picture, test::TinyRedGif());
    TPicture Holder;
    Picture.Assign(&Holder);
    EXPECT_TRUE(Picture.Empty());
    EXPECT_TRUE(Saved(Picture).empty());
  }
  // Anything else only empties the picture.
  {
    TGDIPPicture Picture;
    Load(Picture, test::TinyRedGif());
    TEventLog Events(Picture);
    TStringList Other;
    Picture.Assign(&Other);
    EXPECT_TRUE(Picture.Empty());
    EXPECT_EQ(Saved(Picture), test::TinyRedGif());
    EXPECT_EQ(Events.Log, L"");
  }
}
