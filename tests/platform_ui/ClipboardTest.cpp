// The clipboard with pictures of every kind, and what another process put
// on it.
#include <gtest/gtest.h>
#include "platform/gfx/gfx.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;

namespace {

const wchar_t* const OtherText = L"Von drüben\r\n\u2713";

// 3 x 2: red, green, blue over three shades of grey.
void FillSample(TBitmap& B) {
  B.SetPixelFormat(pf24bit);
  B.SetSize(3, 2);
  const TColor Colors[2][3] = {{clRed, clLime, clBlue}, {clBlack, clGray, clWhite}};
  for (Integer Y = 0; Y < 2; ++Y)
    for (Integer X = 0; X < 3; ++X) B.Canvas()->SetPixels(X, Y, Colors[Y][X]);
}

void ExpectSample(TBitmap& B) {
  ASSERT_EQ(B.Width(), 3);
  ASSERT_EQ(B.Height(), 2);
  const TColor Colors[2][3] = {{clRed, clLime, clBlue}, {clBlack, clGray, clWhite}};
  for (Integer Y = 0; Y < 2; ++Y)
    for (Integer X = 0; X < 3; ++X) EXPECT_EQ(B.Canvas()->Pixels(X, Y), Colors[Y][X]) << X << "," << Y;
}

// The second process: text and a bitmap in one opening, then it ends and
// its clipboard window goes with it.
const bool PutRegistered = test::RegisterChildRoutine(L"clipboard-put", [] {
  TBitmap B;
  FillSample(B);
  Clipboard()->Open();
  Clipboard()->SetAsText(OtherText);
  Clipboard()->Assign(&B);
  Clipboard()->Close();
  return 0;
});

// A metafile half red (left) and half blue.
HENHMETAFILE MakeRedBlue() {
  RECT Frame{0, 0, 1000, 500};
  HDC DC = CreateEnhMetaFileW(nullptr, nullptr, &Frame, nullptr);
  HBRUSH Red = CreateSolidBrush(RGB(255, 0, 0)), Blue = CreateSolidBrush(RGB(0, 0, 255));
  RECT L{0, 0, 20, 20}, R{20, 0, 40, 20};
  FillRect(DC, &L, Red);
  FillRect(DC, &R, Blue);
  DeleteObject(Red);
  DeleteObject(Blue);
  return CloseEnhMetaFile(DC);
}

}  // namespace

TEST(Clipboard, ReadsTextAndBitmapOfAnotherProcess) {
  Clipboard()->Clear();
  ASSERT_EQ(test::RunChild(L"clipboard-put"), 0);
  EXPECT_TRUE(Clipboard()->HasFormat(CF_UNICODETEXT));
  EXPECT_TRUE(Clipboard()->HasFormat(CF_DIB));
  EXPECT_EQ(Clipboard()->AsText(), OtherText);
  TBitmap Back;
  Back.Assign(Clipboard());
  ExpectSample(Back);
  TPicture Pic;
  Pic.Assign(Clipboard());
  ASSERT_NE(dynamic_cast<TBitmap*>(Pic.Graphic()), nullptr);
  ExpectSample(*Pic.Bitmap());
}

// A picture goes on the clipboard as its graphic's own kind where the
// clipboard has one, else as a bitmap, and comes back as that kind.
TEST(Clipboard, RoundTripsPicturesOfEachKind) {
  TBitmap Sample;
  FillSample(Sample);
  TPngImage Png;
  Png.Assign(&Sample);
  TMetafile Meta;
  Meta.SetHandle(MakeRedBlue());

  struct {
    const char* Name;
    TGraphic* Graphic;
    UINT Format;
    bool BackAsMetafile;
  } Cases[] = {{"bitmap", &Sample, CF_DIB, false},
               {"png", &Png, CF_DIB, false},
               {"metafile", &Meta, CF_ENHMETAFILE, true}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    TPicture Pic;
    Pic.SetGraphic(C.Graphic);
    Clipboard()->SetAsText(L"replaced");
    Clipboard()->Assign(&Pic);
    EXPECT_TRUE(Clipboard()->HasFormat(C.Format));
    EXPECT_FALSE(Clipboard()->HasFormat(CF_UNICODETEXT));
    TPicture Back;
    Back.Assign(Clipboard());
    if (C.BackAsMetafile) {
      auto* M = dynamic_cast<TMetafile*>(Back.Graphic());
      ASSERT_NE(M, nullptr);
      EXPECT_EQ(M->MMWidth(), Meta.MMWidth());
      TBitmap Drawn;
      Drawn.SetPixelFormat(pf24bit);
      Drawn.SetSize(40, 20);
      Drawn.Canvas()->StretchDraw(Rect(0, 0, 40, 20), M);
      EXPECT_EQ(Drawn.Canvas()->Pixels(5, 10), clRed);
      EXPECT_EQ(Drawn.Canvas()->Pixels(35, 10), clBlue);
    } else {
      ASSERT_NE(dynamic_cast<TBitmap*>(Back.Graphic()), nullptr);
      ExpectSample(*Back.Bitmap());
    }
  }
}

TEST(Clipboard, RefusesEmptyPicturesAndKeepsItsData) {
  Clipboard()->SetAsText(L"kept");
  TPicture Empty;
  TBitmap NoPixels;
  EXPECT_THROW(Clipboard()->Assign(&Empty), EClipboardException);
  EXPECT_THROW(Clipboard()->Assign(&NoPixels), EClipboardException);
  EXPECT_EQ(Clipboard()->AsText(), L"kept");
  // Nothing to read: the picture raises and stays as it was.
  TPicture Pic;
  Pic.SetGraphic(&NoPixels);
  EXPECT_THROW(Pic.Assign(Clipboard()), EClipboardException);
  EXPECT_NE(dynamic_cast<TBitmap*>(Pic.Graphic()), nullptr);
}
