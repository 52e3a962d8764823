#include <gtest/gtest.h>

#include <memory>

#include "foundation/GDIPlus.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/WinApi.h"

#include <objbase.h>

using namespace jorv::foundation;

using namespace jorv;

namespace {

// A white 24-bit bitmap to draw on through GDI+ and probe afterwards.
class TSurface {
 public:
  TSurface(Integer W = 60, Integer H = 40) : FBitmap(W, H) {
    FBitmap.SetPixelFormat(pf24bit);
    FBitmap.Canvas()->Brush()->SetColor(clWhite);
    FBitmap.Canvas()->FillRect(Rect(0, 0, W, H));
  }
  HDC DC() { return FBitmap.Canvas()->Handle(); }
  TColor Px(Integer X, Integer Y) { return FBitmap.Canvas()->Pixels(X, Y); }
  Integer CountNot(TColor C) {
    Integer N = 0;
    for (Integer Y = 0; Y < FBitmap.Height(); ++Y)
      for (Integer X = 0; X < FBitmap.Width(); ++X)
        if (Px(X, Y) != C) ++N;
    return N;
  }
  // Pixels that are neither white nor C: the blended edge of a shape.
  Integer CountBlended(TColor C) {
    Integer N = 0;
    for (Integer Y = 0; Y < FBitmap.Height(); ++Y)
      for (Integer X = 0; X < FBitmap.Width(); ++X)
        if (Px(X, Y) != C && Px(X, Y) != clWhite) ++N;
    return N;
  }

 private:
  TBitmap FBitmap;
};

Byte R(TColor C) { return Byte(C); }
Byte B(TColor C) { return Byte(C >> 16); }

std::unique_ptr<TFont> MakePlatformFont(const String& Name, Integer Size) {
  auto F = std::make_unique<TFont>();
  F->SetName(Name);
  F->SetSize(Size);
  F->SetColor(clBlack);
  return F;
}

// A memory stream over the given bytes, or an empty one.
IStream* NewStream() {
  IStream* S = nullptr;
  CreateStreamOnHGlobal(nullptr, TRUE, &S);
  return S;
}

void Rewind(IStream* S) {
  LARGE_INTEGER Zero{};
  S->Seek(Zero, STREAM_SEEK_SET, nullptr);
}

// GDI+'s built-in encoder of PNG files.
const CLSID PngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
const CLSID BmpEncoder = {0x557cf400, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

}  // namespace

TEST(GDIPlusColors, PackAndResolve) {
  EXPECT_EQ(ColorToGPColor(clRed), 0xFFFF0000u);
  EXPECT_EQ(ColorToGPColor(TColor(0x00332211)), 0xFF112233u);
  const COLORREF Face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(ColorToGPColor(clBtnFace),
            OpaqueARGBColor(GetRValue(Face), GetGValue(Face), GetBValue(Face)));

  const ARGB C = ARGBColor(128, 1, 2, 3);
  EXPECT_EQ(C >> 24, 128u);
  EXPECT_EQ(ARGBRed(C), 1);
  EXPECT_EQ(ARGBGreen(C), 2);
  EXPECT_EQ(ARGBBlue(C), 3);
  EXPECT_EQ(OpaqueARGBColor(1, 2, 3) ^ C, 0x7F000000u);
}

TEST(GDIPlusStatus, RecordsFailuresUntilRead) {
  // A surface on no image has no native handle: every call fails.
  TGPGraphics G(static_cast<TGPImage*>(nullptr));
  EXPECT_EQ(G.GetLastStatus(), Ok);
  TGPSolidBrush Brush(0xFF000000);
  EXPECT_EQ(G.FillRectangle(&Brush, 0, 0, 1, 1), InvalidParameter);
  EXPECT_EQ(G.GetSmoothingMode(), SmoothingModeInvalid);
  EXPECT_EQ(G.GetLastStatus(), InvalidParameter);
  EXPECT_EQ(G.GetLastStatus(), Ok);

  // A later success keeps the earlier failure.
  TGPMatrix M(0, 0, 0, 0, 0, 0);
  EXPECT_EQ(M.GetLastStatus(), Ok);
  EXPECT_NE(M.Invert(), Ok);
  EXPECT_EQ(M.Reset(), Ok);
  EXPECT_NE(M.GetLastStatus(), Ok);
  EXPECT_EQ(M.GetLastStatus(), Ok);

  // Guards that never reach GDI+.
  TGPLinearGradientBrush Line(TGPRectF{0, 0, 10, 10}, 0xFF000000, 0xFFFFFFFF, LinearGradientModeHorizontal);
  const ARGB Colors[] = {0xFFFF0000};
  const float Positions[] = {0};
  EXPECT_EQ(Line.SetInterpolationColors(Colors, Positions, 0), InvalidParameter);
  TGPImage Image(static_cast<GpImage*>(nullptr), Ok);
  EXPECT_EQ(Image.SaveAdd(nullptr, nullptr), InvalidParameter);
  EXPECT_EQ(Image.GetWidth(), 0u);
  EXPECT_EQ(Image.GetFormat(), ifUndefined);
}

TEST(GDIPlusMatrix, ElementsAndRotation) {
  TGPMatrix M;
  M.Translate(3, 4);
  EXPECT_FLOAT_EQ(M.OffsetX(), 3);
  EXPECT_FLOAT_EQ(M.OffsetY(), 4);
  EXPECT_FALSE(M.IsIdentity());
  M.Reset();
  EXPECT_TRUE(M.IsIdentity());

  // A quarter turn about (10, 0) in either order keeps the centre and
  // turns (20, 0) to (10, 10).
  for (MatrixOrder Order : {MatrixOrderPrepend, MatrixOrderAppend}) {
    TGPMatrix Turn;
    EXPECT_EQ(Turn.RotateAt(90, TGPPointF{10, 0}, Order), Ok);
    TGPPointF Pts[2] = {{10, 0}, {20, 0}};
    Turn.TransformPoints(Pts, 2);
    EXPECT_NEAR(Pts[0].X, 10, 1e-4);
    EXPECT_NEAR(Pts[0].Y, 0, 1e-4);
    EXPECT_NEAR(Pts[1].X, 10, 1e-4);
    EXPECT_NEAR(Pts[1].Y, 10, 1e-4);
  }

  // A clone is a copy of its own.
  TGPMatrix Original(2, 0, 0, 2, 5, 6);
  std::unique_ptr<TGPMatrix> Copy(Original.Clone());
  ASSERT_NE(Copy, nullptr);
  Original.Reset();
  EXPECT_FLOAT_EQ(Copy->OffsetX(), 5);
  EXPECT_TRUE(Copy->IsInvertible());
}

TEST(GDIPlusDrawing, AntiAliasedEllipseAndSolidRectangle) {
  TSurface S;
  {
    TGPGraphics G(S.DC());
    ASSERT_EQ(G.GetLastStatus(), Ok);
    EXPECT_EQ(G.SetSmoothingMode(SmoothingModeAntiAlias), Ok);
    EXPECT_EQ(G.GetSmoothingMode(), SmoothingModeAntiAlias);
    TGPSolidBrush Red(ColorToGPColor(clRed));
    EXPECT_EQ(G.FillEllipse(&Red, 2.0f, 2.0f, 30.0f, 30.0f), Ok);
    TGPPen Blue(ColorToGPColor(clBlue), 1);
    EXPECT_EQ(G.DrawRectangle(&Blue, 40.0f, 5.0f, 10.0f, 10.0f), Ok);
  }
  EXPECT_EQ(S.Px(17, 17), clRed);
  EXPECT_EQ(S.Px(3, 3), clWhite);  // outside the curve, inside the box
  EXPECT_GT(S.CountBlended(clRed), 0) << "the ellipse's edge is blended";
  EXPECT_EQ(S.Px(40, 10), clBlue);
  EXPECT_EQ(S.Px(45, 10), clWhite);
}

TEST(GDIPlusDrawing, GradientsAndPaths) {
  TSurface S(100, 40);
  {
    TGPGraphics G(S.DC());
    TGPLinearGradientBrush Line(TGPRectF{0, 0, 50, 20}, ColorToGPColor(clRed),
                                ColorToGPColor(clBlue), LinearGradientModeHorizontal);
    G.FillRectangle(&Line, 0.0f, 0.0f, 50.0f, 20.0f);

    // A triangle filled by a path gradient white at its centre, black at
    // its corners.
    TGPGraphicsPath Path;
    const TGPPoint Tri[] = {{60, 0}, {99, 0}, {80, 39}};
    Path.AddPolygon(Tri, 3);
    EXPECT_EQ(Path.GetPointCount(), 3);
    TGPPathGradientBrush Radial(&Path);
    EXPECT_EQ(Radial.SetCenterColor(0xFF00FF00), Ok);
    EXPECT_EQ(Radial.SetCenterPoint(TGPPoint{80, 13}), Ok);
    ARGB Corners[3] = {0xFF000000, 0xFF000000, 0xFF000000};
    Integer Count = 4;
    EXPECT_EQ(Radial.SetSurroundColors(Corners, Count), InvalidParameter);
    EXPECT_EQ(Radial.GetLastStatus(), InvalidParameter);
    Count = 3;
    EXPECT_EQ(Radial.SetSurroundColors(Corners, Count), Ok);
    EXPECT_EQ(Count, 3);
    ARGB Back[3] = {};
    Integer Small = 0;
    EXPECT_EQ(Radial.GetSurroundColors(Back, Small), InsufficientBuffer);
    EXPECT_EQ(Radial.GetLastStatus(), InsufficientBuffer);
    EXPECT_EQ(G.FillPath(&Radial, &Path), Ok);
  }
  const TColor Left = S.Px(1, 10), Mid = S.Px(25, 10), Right = S.Px(48, 10);
  EXPECT_GT(R(Left), 220);
  EXPECT_LT(B(Left), 35);
  EXPECT_GT(B(Right), 220);
  EXPECT_LT(R(Right), 35);
  EXPECT_TRUE(R(Mid) > 60 && R(Mid) < 200 && B(Mid) > 60 && B(Mid) < 200);

  const TColor Centre = S.Px(80, 13);
  EXPECT_GT(Byte(Centre >> 8), 200) << "green at the centre";
  EXPECT_EQ(S.Px(62, 30), clWhite) << "outside the triangle";
}

TEST(GDIPlusDrawing, RefusedPresetBlendLeavesGradient) {
  TSurface S(40, 10);
  {
    TGPGraphics G(S.DC());
    TGPLinearGradientBrush Line(TGPRectF{0, 0, 40, 10}, 0xFFFF0000, 0xFFFF0000,
                                LinearGradientModeHorizontal);
    const ARGB Colors[] = {0xFF0000FF, 0xFF0000FF};
    const float Positions[] = {0, 1};
    EXPECT_EQ(Line.SetInterpolationColors(Colors, Positions, 0), InvalidParameter);
    G.FillRectangle(&Line, 0.0f, 0.0f, 40.0f, 10.0f);
  }
  EXPECT_EQ(S.Px(20, 5), clRed);
}

TEST(GDIPlusDrawing, ImageRectRoundsEachEdge) {
  TSurface S(20, 20);
  TGPBitmap Red(4, 4);
  for (Integer Y = 0; Y < 4; ++Y)
    for (Integer X = 0; X < 4; ++X) Red.SetPixel(X, Y, 0xFFFF0000);
  ARGB Probe = 0;
  EXPECT_EQ(Red.GetPixel(3, 3, Probe), Ok);
  EXPECT_EQ(Probe, 0xFFFF0000u);
  {
    TGPGraphics G(S.DC());
    G.SetSmoothingMode(SmoothingModeNone);
    // (0.4, 0.6, 10.5, 11.5): at (0, 1), 10 wide, 12 high.
    EXPECT_EQ(G.DrawImageRect(&Red, TGPRectF{0.4f, 0.6f, 10.5f, 11.5f}), Ok);
  }
  EXPECT_EQ(S.Px(5, 0), clWhite);
  EXPECT_EQ(S.Px(5, 6), clRed);
  EXPECT_NE(S.Px(9, 6), clWhite);
  EXPECT_EQ(S.Px(10, 6), clWhite) << "10.5 wide rounds to 10";
  EXPECT_NE(S.Px(5, 12), clWhite);
  EXPECT_EQ(S.Px(5, 13), clWhite);
}

TEST(GDIPlusImage, StreamsFormatsAndColorKey) {
  // A 3 x 2 bitmap: magenta on the left column, blue elsewhere.
  TGPBitmap Source(3, 2);
  for (Integer Y = 0; Y < 2; ++Y)
    for (Integer X = 0; X < 3; ++X) Source.SetPixel(X, Y, X == 0 ? 0xFFFF00FF : 0xFF0000FF);

  struct TCase {
    CLSID Encoder;
    TGPImageFormat Format;
  } Cases[] = {{PngEncoder, ifPNG}, {BmpEncoder, ifBMP}};
  for (const TCase& C : Cases) {
    IStream* Stream = NewStream();
    ASSERT_EQ(Source.Save(Stream, C.Encoder), Ok);
    Rewind(Stream);
    TGPImage Image(Stream);
    EXPECT_EQ(Image.GetLastStatus(), Ok);
    EXPECT_EQ(Image.GetFormat(), C.Format);
    EXPECT_EQ(Image.GetWidth(), 3u);
    EXPECT_EQ(Image.GetHeight(), 2u);
    Rewind(Stream);
    std::unique_ptr<TGPBitmap> Decoded(TGPBitmap::FromStream(Stream));
    ARGB Px = 0;
    EXPECT_EQ(Decoded->GetPixel(2, 1, Px), Ok);
    EXPECT_EQ(Px, 0xFF0000FFu);
    Stream->Release();
  }

  // Drawn with magenta as its colour key, the left column lets the
  // background show.
  TSurface S(10, 4);
  {
    TGPGraphics G(S.DC());
    TGPImageAttributes Attr;
    EXPECT_EQ(Attr.SetColorKey(0xFFFF00FF, 0xFFFF00FF), Ok);
    EXPECT_EQ(G.DrawImage(&Source, TGPRectF{0, 0, 3, 2}, 0, 0, 3, 2, UnitPixel, &Attr), Ok);
    EXPECT_EQ(G.DrawImage(&Source, 5, 0), Ok);
  }
  EXPECT_EQ(S.Px(0, 0), clWhite);
  EXPECT_EQ(S.Px(2, 0), clBlue);
  EXPECT_EQ(S.Px(5, 0), clFuchsia);

  TGPImage Missing(String(L"C:\\no such folder\\none.png"));
  EXPECT_NE(Missing.GetLastStatus(), Ok);
  EXPECT_EQ(Missing.GetWidth(), 0u);
}

TEST(GDIPlusPen, BrushOfItsKind) {
  TGPPen Pen(0xFF00FF00, 2);
  EXPECT_EQ(Pen.GetPenType(), 0);
  std::unique_ptr<TGPBrush> Fill(Pen.GetBrush());
  ASSERT_NE(dynamic_cast<TGPSolidBrush*>(Fill.get()), nullptr);
  EXPECT_EQ(Fill->GetLastStatus(), Ok);
  // The wrapper holds the pen's own fill: it paints in the pen's colour.
  TSurface S(10, 10);
  {
    TGPGraphics G(S.DC());
    EXPECT_EQ(G.FillRectangle(Fill.get(), 0.0f, 0.0f, 5.0f, 5.0f), Ok);
  }
  EXPECT_EQ(S.Px(2, 2), clLime);

  TGPHatchBrush Hatch(HatchStyleCross, 0xFF000000, 0xFFFFFFFF);
  EXPECT_EQ(Pen.SetBrush(&Hatch), Ok);
  std::unique_ptr<TGPBrush> Hatched(Pen.GetBrush());
  auto* AsHatch = dynamic_cast<TGPHatchBrush*>(Hatched.get());
  ASSERT_NE(AsHatch, nullptr);
  EXPECT_EQ(AsHatch->GetHatchStyle(), HatchStyleCross);
}

TEST(GDIPlusFont, FamiliesAndFallback) {
  EXPECT_EQ(TGPFontFamily::GenericSansSerif(), TGPFontFamily::GenericSansSerif());
  EXPECT_EQ(TGPFontFamily::GenericSansSerif()->GetLastStatus(), Ok);

  TGPFontFamily Unknown(L"No Such Face 0815");
  EXPECT_EQ(Unknown.GetLastStatus(), FontFamilyNotFound);

  // A font by an unknown name falls back to the generic family.
  TGPFont ByName(L"No Such Face 0815", 10);
  EXPECT_EQ(ByName.GetLastStatus(), Ok);
  EXPECT_NE(ByName.NativeFont(), nullptr);

  TGPStringFormat Format;
  EXPECT_EQ(Format.SetAlignment(StringAlignmentCenter), Ok);
  EXPECT_EQ(Format.SetHotkeyPrefix(HotkeyPrefixShow), Ok);
  TGPStringFormat Copy(&Format);
  EXPECT_EQ(Copy.GetAlignment(), StringAlignmentCenter);
  EXPECT_EQ(Copy.GetHotkeyPrefix(), HotkeyPrefixShow);
}

TEST(GDIPlusText, MeasureAndDrawWithPlatformFont) {
  TSurface S(120, 40);
  TGPGraphics G(S.DC());
  auto Small = MakePlatformFont(L"Tahoma", 8);
  EXPECT_EQ(G.TextWidth(L"", Small.get()), 0);
  EXPECT_EQ(G.TextHeight(L"", Small.get()), 0);
  EXPECT_GT(G.TextWidth(L"WW", Small.get()), G.TextWidth(L"W", Small.get()));

  // An unknown face measures as Arial of the same size and style, or as
  // the generic sans-serif face where Arial is missing too.
  auto Unknown = MakePlatformFont(L"No Such Face 0815", 14);
  Unknown->SetStyle(TFontStyles{fsBold});
  std::unique_ptr<TGPFont> Made(G.MakeFont(Unknown.get()));
  EXPECT_EQ(Made->GetLastStatus(), Ok);
  TGPFontFamily Arial(L"Arial");
  TGPFont Expected(Arial.NativeFamily() ? &Arial : TGPFontFamily::GenericSansSerif(), 14,
                   FontStyleBold, UnitPoint);
  TGPRectF Got, Want;
  G.MeasureString(L"Jorvensaal", -1, Made.get(), TGPRectF{0, 0, 1000, 100}, Got);
  G.MeasureString(L"Jorvensaal", -1, &Expected, TGPRectF{0, 0, 1000, 100}, Want);
  EXPECT_GT(Got.Width, 0);
  EXPECT_FLOAT_EQ(Got.Width, Want.Width);
  EXPECT_FLOAT_EQ(Got.Height, Want.Height);

  // Measuring only draws nothing; the extent is the measure less the
  // correction of the font's size (2 up to 8 points, 4 at 11).
  struct TCase {
    Integer Size;
    Integer Correction;
  } Cases[] = {{8, 2}, {11, 4}};
  for (const TCase& C : Cases) {
    auto F = MakePlatformFont(L"Tahoma", C.Size);
    std::unique_ptr<TGPFont> GF(G.MakeFont(F.get()));
    TGPRectF Box;
    G.MeasureString(L"Holiday", 7, GF.get(), TGPRectF{5, 3, 1100, 20}, Box);
    TRect Rc = Rect(5, 3, 105, 23);
    const Integer H = G.DrawText(L"Holiday", 7, Rc, F.get(), 0x400);
    EXPECT_EQ(Rc.Left, 5);
    EXPECT_EQ(Rc.Right - Rc.Left, Integer(Round(Box.Width - C.Correction))) << C.Size;
    EXPECT_EQ(Rc.Bottom - Rc.Top, Integer(Round(Box.Height)));
    EXPECT_EQ(H, Rc.Bottom - Rc.Top);
  }
  G.Flush();
  EXPECT_EQ(S.CountNot(clWhite), 0);

  // A trailing blank keeps its width: it is measured as an i.
  TRect Blank = Rect(0, 0, 100, 20), WithI = Rect(0, 0, 100, 20);
  G.DrawText(L"ab ", 3, Blank, Small.get(), 0x400);
  G.DrawText(L"abi", 3, WithI, Small.get(), 0x400);
  EXPECT_EQ(Blank.Right, WithI.Right);

  // Without measuring, the text is drawn and the rectangle stays.
  TRect Plain = Rect(2, 2, 50, 20);
  G.DrawText(L"Xy", 2, Plain, Small.get(), 0);
  EXPECT_EQ(Plain.Right, 50);
  EXPECT_EQ(Plain.Bottom, 20);
  G.Flush();
  EXPECT_GT(S.CountNot(clWhite), 0);
}

TEST(GDIPlusText, DrawStringDrawsWholeString) {
  auto Count = [](Integer Length) {
    TSurface S(120, 30);
    {
      TGPGraphics G(S.DC());
      TGPFont Font(L"Arial", 12, FontStyleRegular, UnitPixel);
      TGPSolidBrush Black(0xFF000000);
      G.DrawString(L"IIIIIIII", Length, &Font, TGPPointF{0, 0}, &Black);
    }
    return S.CountNot(clWhite);
  };
  const Integer Whole = Count(8);
  EXPECT_GT(Whole, 0);
  EXPECT_EQ(Count(1), Whole);
}

TEST(GDIPlusText, BackgroundFillOfMeasuredText) {
  TSurface S(120, 30);
  {
    TGPGraphics G(S.DC());
    auto F = MakePlatformFont(L"Tahoma", 10);
    TRect Rc = Rect(10, 5, 110, 25);
    G.DrawText(L"Lime", 4, Rc, F.get(), 0x400, clLime);
  }
  EXPECT_EQ(S.Px(14, 10), clLime);
  EXPECT_EQ(S.Px(5, 10), clWhite);
}

TEST(GDIPlusDrawing, TransformAndClip) {
  TSurface S(30, 10);
  {
    TGPGraphics G(S.DC());
    TGPSolidBrush Blue(ColorToGPColor(clBlue));
    EXPECT_EQ(G.ExcludeClip(TGPRectF{10, 0, 2, 10}), Ok);
    EXPECT_EQ(G.TranslateTransform(8, 0), Ok);
    EXPECT_EQ(G.FillRectangle(&Blue, 0.0f, 0.0f, 10.0f, 5.0f), Ok);
    EXPECT_EQ(G.ResetTransform(), Ok);
    EXPECT_EQ(G.ResetClip(), Ok);
    TGPPen Red(ColorToGPColor(clRed), 1);
    EXPECT_EQ(G.DrawLine(&Red, 0, 8, 29, 8), Ok);
  }
  EXPECT_EQ(S.Px(5, 2), clWhite);
  EXPECT_EQ(S.Px(9, 2), clBlue);
  EXPECT_EQ(S.Px(11, 2), clWhite) << "excluded from the clip";
  EXPECT_EQ(S.Px(14, 2), clBlue);
  EXPECT_EQ(S.Px(11, 8), clRed) << "clip reset";
}

TEST(GDIPlusImage, PixelFormatFacts) {
  struct TCase {
    int32_t Format;
    Integer Depth;
    bool Alpha;
  } Cases[] = {{PixelFormat32bppARGB, 32, true}, {PixelFormat24bppRGB, 24, false}};
  for (const TCase& C : Cases) {
    TGPBitmap Bmp(2, 2, C.Format);
    EXPECT_EQ(Bmp.GetPixelFormat(), C.Format);
    EXPECT_EQ(Bmp.GetPixelDepth(), C.Depth);
    EXPECT_EQ(Bmp.HasAlphaChannel(), C.Alpha);
    EXPECT_FALSE(Bmp.HasPalette());
    EXPECT_EQ(Bmp.GetFormat(), ifMemoryBMP);
  }
}

TEST(GDIPlusImage, TextureAndGdiBitmap) {
  TGPBitmap Tile(4, 4);
  for (Integer Y = 0; Y < 4; ++Y)
    for (Integer X = 0; X < 4; ++X) Tile.SetPixel(X, Y, 0xFF0000FF);

  HBITMAP Hbm = nullptr;
  ASSERT_EQ(Tile.GetHBITMAP(0xFFFFFFFF, Hbm), Ok);
  BITMAP Info{};
  GetObjectW(Hbm, sizeof(Info), &Info);
  EXPECT_EQ(Info.bmWidth, 4);
  DeleteObject(Hbm);

  TGPTextureBrush Texture(&Tile, WrapModeTile);
  ASSERT_EQ(Texture.GetLastStatus(), Ok);
  std::unique_ptr<TGPImage> Picture(Texture.GetImage());
  EXPECT_EQ(Picture->GetLastStatus(), Ok);
  EXPECT_EQ(Picture->GetWidth(), 4u);
  TSurface S(12, 12);
  {
    TGPGraphics G(S.DC());
    EXPECT_EQ(G.FillRectangle(&Texture, 0.0f, 0.0f, 12.0f, 12.0f), Ok);
  }
  EXPECT_EQ(S.Px(10, 10), clBlue) << "tiled across the whole rectangle";
}

TEST(GDIPlusPath, TextOutlineAndBounds) {
  TGPGraphicsPath Path;
  TGPStringFormat Format;
  EXPECT_EQ(Path.AddString(L"Ho", 99, TGPFontFamily::GenericSansSerif(), FontStyleBold, 20,
                           TGPPointF{5, 5}, &Format),
            Ok);
  EXPECT_GT(Path.GetPointCount(), 8);
  TGPRectF Bounds;
  EXPECT_EQ(Path.GetBounds(Bounds), Ok);
  EXPECT_GE(Bounds.X, 5);
  EXPECT_GT(Bounds.Width, 10);
  EXPECT_LT(Bounds.Width, 60);

  TGPGraphicsPath Box;
  EXPECT_EQ(Box.AddRectangle(TGPRect{0, 0, 10, 10}), Ok);
  EXPECT_EQ(Box.GetPointCount(), 4);
  TGPRegion Region(TGPRectF{0, 0, 20, 10});
  EXPECT_EQ(Region.Exclude(&Box), Ok);
  TSurface S(20, 10);
  {
    TGPGraphics G(S.DC());
    G.SetClip(&Region);
    TGPSolidBrush Red(ColorToGPColor(clRed));
    G.FillRectangle(&Red, 0.0f, 0.0f, 20.0f, 10.0f);
  }
  EXPECT_EQ(S.Px(5, 5), clWhite);
  EXPECT_EQ(S.Px(15, 5), clRed);
}
