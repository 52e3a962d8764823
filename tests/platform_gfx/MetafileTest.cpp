#include <gtest/gtest.h>
#include <cstring>
#include "platform/gfx/gfx.h"
#include "tests/support/TempDir.h"

using namespace jorv;

namespace {

// A metafile one inch wide and half an inch high, red on its left half
// and blue on its right.
HENHMETAFILE MakeRedBlue() {
  HDC Ref = GetDC(nullptr);
  RECT Frame{0, 0, 2540, 1270};
  HDC DC = CreateEnhMetaFileW(Ref, nullptr, &Frame, nullptr);
  Integer W = MulDiv(2540, GetDeviceCaps(Ref, LOGPIXELSX), 2540);
  Integer H = MulDiv(1270, GetDeviceCaps(Ref, LOGPIXELSY), 2540);
  ReleaseDC(nullptr, Ref);
  HBRUSH Red = CreateSolidBrush(RGB(255, 0, 0)), Blue = CreateSolidBrush(RGB(0, 0, 255));
  RECT L{0, 0, W / 2, H}, R{W / 2, 0, W, H};
  FillRect(DC, &L, Red);
  FillRect(DC, &R, Blue);
  DeleteObject(Red);
  DeleteObject(Blue);
  return CloseEnhMetaFile(DC);
}

// The metafile drawn into a 40 x 20 white bitmap.
std::unique_ptr<TBitmap> Render(TGraphic* G) {
  auto B = std::make_unique<TBitmap>();
  B->SetPixelFormat(pf24bit);
  B->SetSize(40, 20);
  B->Canvas()->Brush()->SetColor(clWhite);
  B->Canvas()->FillRect(Rect(0, 0, 40, 20));
  B->Canvas()->StretchDraw(Rect(0, 0, 40, 20), G);
  return B;
}

void ExpectRedBlue(TGraphic* G) {
  auto B = Render(G);
  EXPECT_EQ(B->Canvas()->Pixels(5, 10), clRed);
  EXPECT_EQ(B->Canvas()->Pixels(35, 10), clBlue);
}

}  // namespace

TEST(Metafile, SizeComesFromTheFrame) {
  TMetafile M;
  EXPECT_TRUE(M.Empty());
  M.SetHandle(MakeRedBlue());
  EXPECT_FALSE(M.Empty());
  EXPECT_TRUE(M.Transparent());
  EXPECT_NEAR(M.MMWidth(), 2540, 30);
  EXPECT_NEAR(M.MMHeight(), 1270, 30);
  HDC DC = GetDC(nullptr);
  EXPECT_NEAR(M.Width(), GetDeviceCaps(DC, LOGPIXELSX), 1);
  EXPECT_NEAR(M.Height(), GetDeviceCaps(DC, LOGPIXELSY) / 2, 1);
  ReleaseDC(nullptr, DC);
  ExpectRedBlue(&M);

  TMetafile Copy;
  Copy.Assign(&M);
  EXPECT_NE(Copy.Handle(), M.Handle());
  EXPECT_EQ(Copy.Width(), M.Width());
  ExpectRedBlue(&Copy);
}

// Both file kinds written, read back through a picture that picks the
// class by content and by extension, and drawn.
TEST(Metafile, RoundTripsBothKindsThroughPictures) {
  test::TTempDir Dir;
  struct {
    bool Enhanced;
    const wchar_t* File;
    Byte First;
  } Cases[] = {{true, L"a.emf", 0x01}, {false, L"a.wmf", 0xD7}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.File);
    TMetafile M;
    M.SetHandle(MakeRedBlue());
    M.SetEnhanced(C.Enhanced);
    TBytes Data = M.SaveToBytes();
    ASSERT_GT(Data.size(), 44u);
    EXPECT_EQ(Data[0], C.First);
    if (!C.Enhanced) {
      // The placeable header's checksum is the xor of its first ten words.
      Word Sum = 0, Stored;
      for (int I = 0; I < 10; ++I) Sum ^= Word(Data[2 * I] | Data[2 * I + 1] << 8);
      std::memcpy(&Stored, &Data[20], 2);
      EXPECT_EQ(Sum, Stored);
    }

    TMemoryStream S;
    M.SaveToStream(&S);
    S.SetPosition(0);
    TPicture ByContent;
    ByContent.LoadFromStream(&S);
    auto* Back = dynamic_cast<TMetafile*>(ByContent.Graphic());
    ASSERT_NE(Back, nullptr);
    EXPECT_EQ(Back->Enhanced(), C.Enhanced);
    EXPECT_NEAR(Back->Width(), M.Width(), 2);
    EXPECT_NEAR(Back->Height(), M.Height(), 2);
    ExpectRedBlue(Back);

    M.SaveToFile(Dir.Path(C.File));
    TPicture ByName;
    ByName.LoadFromFile(Dir.Path(C.File));
    ASSERT_NE(dynamic_cast<TMetafile*>(ByName.Graphic()), nullptr);
    ExpectRedBlue(ByName.Graphic());
  }
}

TEST(Metafile, RefusesMalformedDataAndKeepsItsPicture) {
  TMetafile Good;
  Good.SetHandle(MakeRedBlue());
  TBytes Emf = Good.SaveToBytes();
  Good.SetEnhanced(false);
  TBytes Wmf = Good.SaveToBytes();

  TBytes Truncated(Emf.begin(), Emf.begin() + 120);  // header claims more
  TBytes NoInch = Wmf;
  NoInch[14] = NoInch[15] = 0;
  TBytes Short(Wmf.begin(), Wmf.begin() + 30);
  TBytes Text(64, 'x');
  // Records the system's player would loop on or read past: the enhanced
  // metafile's second record sized 0 or reaching beyond the data, and the
  // placeable one's first record sized 0 words.
  DWORD HeaderSize = 0;
  std::memcpy(&HeaderSize, Emf.data() + 4, 4);
  TBytes ZeroRecord = Emf, LongRecord = Emf, ZeroWords = Wmf;
  const DWORD Zero = 0, Beyond = DWORD(Emf.size());
  std::memcpy(ZeroRecord.data() + HeaderSize + 4, &Zero, 4);
  std::memcpy(LongRecord.data() + HeaderSize + 4, &Beyond, 4);
  std::memcpy(ZeroWords.data() + 22 + 18, &Zero, 4);
  for (const TBytes& Bad : {Truncated, NoInch, Short, Text, TBytes{}, ZeroRecord, LongRecord, ZeroWords}) {
    TMetafile M;
    M.SetHandle(MakeRedBlue());
    Integer W = M.Width();
    EXPECT_THROW(M.LoadFromBytes(Bad.data(), Bad.size()), EInvalidGraphic);
    EXPECT_EQ(M.Width(), W);
    ExpectRedBlue(&M);
  }
  TMetafile Empty;
  TMemoryStream S;
  Empty.SaveToStream(&S);
  EXPECT_EQ(S.Size(), 0);
}
