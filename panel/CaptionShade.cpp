#include "panel/CaptionShade.h"
#include <algorithm>
#include <cmath>
#include <vector>
#include "platform/rtl/Math.h"

namespace jorv::panel {
using namespace jorv::foundation;

namespace {

using namespace expanel;

// The shade as plain RGB values; loops run to W and H inclusive, so the
// writes past the edge are dropped and reads past it see white.
class TShadeGrid {
 public:
  TShadeGrid(Integer W, Integer H, TColor Base)
      : FW(W), FH(H), FR(GetRValue(Base)), FG(GetGValue(Base)), FB(GetBValue(Base)),
        FPixels(size_t(W) * H, 0xFFFFFF) {}

  // The caption colour scaled by V/255, each channel's low 8 bits kept.
  TColor Scale(Integer V) const {
    return RGB(Byte(FR * V / 255), Byte(FG * V / 255), Byte(FB * V / 255));
  }
  void Pixel(Integer X, Integer Y, TColor C) {
    if (X >= 0 && Y >= 0 && X < FW && Y < FH) FPixels[size_t(Y) * FW + X] = C;
  }
  Byte Blue(Integer X, Integer Y) const {
    if (X < 0 || Y < 0 || X >= FW || Y >= FH) return 255;
    return GetBValue(FPixels[size_t(Y) * FW + X]);
  }
  void Fill(TColor C) { std::fill(FPixels.begin(), FPixels.end(), C); }
  TColor At(Integer X, Integer Y) const { return FPixels[size_t(Y) * FW + X]; }

 private:
  Integer FW, FH;
  Integer FR, FG, FB;
  std::vector<TColor> FPixels;
};

Integer Cube(Integer A) { return A * A * A; }

Integer BumpK(Integer A, Integer Amp) { return 128 + Amp * ((Cube(A) / 128) / 128) / 128; }

void Render(TShadeGrid& G, TShadeType Type, Integer W, Integer H, Integer L8, Integer Grain) {
  switch (Type) {
    case stNoise:
      for (Integer x = 0; x <= W; ++x)
        for (Integer y = 0; y <= H; ++y) G.Pixel(x, y, G.Scale(L8 - (Random(Grain) + 128) / 2));
      break;
    case stDiagShade:
      for (Integer x = 0; x <= W; ++x)
        for (Integer y = 0; y <= H; ++y) {
          const Integer d = (L8 - G.Blue(x, y)) + 129 * x / W + 129 * y / H;
          G.Pixel(x, y, G.Scale(L8 - d / 2));
        }
      break;
    case stHShade:
    case stHShadeInv:
      for (Integer x = 0; x <= W; ++x) {
        const TColor c = G.Scale(L8 - (239 * (W - x) / W + 8) / 2);
        const Integer col = Type == stHShade ? x : W - x;
        for (Integer y = 0; y <= H; ++y) G.Pixel(col, y, c);
      }
      break;
    case stVShade:
    case stVShadeInv:
      for (Integer y = 0; y <= H; ++y) {
        const TColor c = G.Scale(L8 - (239 * y / H + 8) / 4);
        const Integer row = Type == stVShade ? y : H - y;
        for (Integer x = 0; x <= W; ++x) G.Pixel(x, row, c);
      }
      break;
    case stHBump:
      for (Integer x = 0; x <= W; ++x) {
        const TColor c = G.Scale(L8 - BumpK(255 * (W - x) / W - 127, 120) / 2);
        for (Integer y = 0; y <= H; ++y) G.Pixel(x, y, c);
      }
      break;
    case stVBump:
      for (Integer y = 0; y <= H; ++y) {
        const TColor c = G.Scale(L8 - BumpK(255 * y / H - 127, 120) / 2);
        for (Integer x = 0; x <= W; ++x) G.Pixel(x, y, c);
      }
      break;
    case stSoftBump:
      for (Integer x = 0; x <= W; ++x)
        for (Integer y = 0; y <= H; ++y) {
          const Integer ay = 255 * y / H - 127, ax = 255 * (W - x) / W - 127;
          Integer k = 128 + 120 * ((Cube(ay) / 128) / 128 + (Cube(ax) / 128) / 128) / 128;
          k = std::clamp(k, 8, 247);
          G.Pixel(x, y, G.Scale(L8 - k / 2));
        }
      break;
    case stHardBump: {
      for (Integer y = 0; y <= H; ++y) {
        const TColor c = G.Scale(L8 - BumpK(255 * y / H - 127, 112) / 2);
        for (Integer x = 0; x <= W; ++x) G.Pixel(x, y, c);
      }
      // Rounding the ends divides by these; a band too small for them keeps
      // the plain bump.
      const Integer e0 = std::min(W / 6, 16), q = H * H / 4;
      if (e0 == 0 || q == 0) break;
      for (Integer x = 0; x <= W; ++x)
        for (Integer y = 0; y <= H; ++y) {
          const Integer dy = y - H / 2, dx = x - W / 2;
          const Integer e = e0 * dy * dy / q + W / 2 - e0;
          if (dx > e) G.Pixel(x, y, G.Scale(L8 - (128 * (W - x) / e0 + 8) / 2));
          if (dx + e < 0) G.Pixel(x, y, G.Scale(L8 - (247 - 128 * x / e0) / 2));
        }
      break;
    }
    case stLMetal:
    case stRMetal:
      for (Integer s = 0; s < 251; ++s) {
        const Integer x0 = Random(W), y0 = Random(H);
        const Integer n = Random(std::min(W, H) / 2);
        const TColor c = G.Scale(L8 - Random(40));
        for (Integer i = 0; i < n; ++i) {
          if (Type == stLMetal) {
            if (x0 - i > 0 && y0 + i < H) G.Pixel(x0 + i, y0 + i, c);
            if (x0 + i < W && y0 - i > 0) G.Pixel(x0 - i, y0 - i, c);
          } else {
            if (x0 - i > 0 && y0 + i < H) G.Pixel(x0 - i, y0 + i, c);
            if (x0 + i < W && y0 - i > 0) G.Pixel(x0 + i, y0 - i, c);
          }
        }
      }
      for (Integer x = 0; x <= W; ++x)
        for (Integer y = 0; y <= H; ++y) {
          const Integer d = (L8 - G.Blue(x, y)) + 120 * x / W + 120 * y / H;
          G.Pixel(x, y, G.Scale(L8 - d / 2));
        }
      break;
    case stIRadial:
    case stORadial: {
      const double D = std::abs(W - H);
      // A square band has no reference distance; it stays white.
      if (D == 0) break;
      const Integer cx = W / 2, cy = H / 2;
      for (Integer x = 0; x <= cx; ++x)
        for (Integer y = 0; y <= cy; ++y) {
          const double d = Round(std::sqrt(double((x - cx) * (x - cx) + (y - cy) * (y - cy))));
          const double f = Type == stIRadial ? (D - d) / D : d / D;
          const TColor c = G.Scale(Integer(Round(f * L8)));
          G.Pixel(x, y, c);
          G.Pixel(W - x, H - y, c);
          G.Pixel(W - x, y, c);
          G.Pixel(x, H - y, c);
        }
      break;
    }
    default:
      break;
  }
}

}  // namespace

void RenderCaptionShade(TBitmap& Bitmap, const TPanelCaption& Caption, Integer PanelWidth,
                        Integer PanelHeight) {
  const bool Top = Caption.Position() == cpTop;
  Integer W = Top ? PanelWidth : Caption.Height();
  Integer H = Top ? Caption.Height() : PanelHeight;
  if (W <= 0) W = Top ? 100 : 20;
  if (H <= 0) H = Top ? 20 : 100;
  Randomize();

  TShadeGrid G(W, H, ColorToRGB(Caption.Color()));
  const TShadeType Type = Caption.ShadeType();
  switch (Type) {
    case stNormal:
    case stXPCaption:
    case stBitmap:
    case stBitmapRStretch:
    case stBitmapLStretch:
      G.Fill(ColorToRGB(Caption.Color()));
      break;
    default:
      Render(G, Type, W, H, Caption.ShadeLight() & 0xFF, Caption.ShadeGrain());
  }

  Bitmap.SetPixelFormat(pf32bit);
  Bitmap.SetSize(W, H);
  for (Integer y = 0; y < H; ++y) {
    auto* Row = static_cast<uint32_t*>(Bitmap.ScanLine(y));
    for (Integer x = 0; x < W; ++x) {
      const TColor c = G.At(x, y);
      Row[x] = (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
    }
  }
}

}  // namespace jorv::panel
