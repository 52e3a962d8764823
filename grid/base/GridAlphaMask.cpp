#include "grid/base/GridAlphaMask.h"
#include <algorithm>
#include <cmath>
#include <vector>

namespace jorv::grid {

namespace {

struct TBGR {
  Byte B, G, R;
};

// One line of pixels blurred through Scratch, which is at least as long.
void BlurLine(const TGaussKernel& K, TBGR* P, Integer N, std::vector<TBGR>& Scratch) {
  for (Integer c = 0; c < N; ++c) {
    double B = 0, G = 0, R = 0;
    for (Integer j = -K.Size; j <= K.Size; ++j) {
      const TBGR& S = P[std::clamp(c - j, 0, N - 1)];
      double W = K.Weight(j);
      B += W * S.B;
      G += W * S.G;
      R += W * S.R;
    }
    // Truncated, not rounded: a sum just under a level stays below it.
    auto Channel = [](double S) -> Byte { return S >= 255 ? 255 : S < 0 ? 0 : static_cast<Byte>(S); };
    Scratch[c] = {Channel(B), Channel(G), Channel(R)};
  }
  std::copy(Scratch.begin(), Scratch.begin() + N, P);
}

}  // namespace

void MakeGaussKernel(TGaussKernel& K, double Radius, Integer MaxData, Integer DataGranularity) {
  double Sum = 0;
  for (Integer j = -10; j <= 10; ++j) {
    double x = j / Radius;
    K.Weights[j + 10] = static_cast<float>(std::exp(-x * x / 2));
    Sum += K.Weights[j + 10];
  }
  for (float& W : K.Weights) W = static_cast<float>(W / Sum);
  double Delta = static_cast<double>(DataGranularity) / (2.0 * MaxData);
  double Trimmed = 0;
  K.Size = 10;
  while (Trimmed < Delta && K.Size > 1) {
    Trimmed += 2.0 * K.Weight(K.Size);
    --K.Size;
  }
  Sum = 0;
  for (Integer j = -K.Size; j <= K.Size; ++j) Sum += K.Weight(j);
  for (Integer j = -K.Size; j <= K.Size; ++j) K.Weights[j + 10] = static_cast<float>(K.Weight(j) / Sum);
}

void BlurBitmap(TBitmap* Bitmap, double Radius) {
  if (!Bitmap || Bitmap->PixelFormat() != pf24bit) throw Exception(L"Blur only works for 24-bit bitmaps");
  if (Bitmap->Empty()) return;
  TGaussKernel K;
  MakeGaussKernel(K, Radius, 255, 1);
  const Integer W = Bitmap->Width(), H = Bitmap->Height();
  std::vector<TBGR*> Rows(H);
  for (Integer r = 0; r < H; ++r) Rows[r] = static_cast<TBGR*>(Bitmap->ScanLine(r));
  std::vector<TBGR> Scratch(std::max(W, H));
  for (Integer r = 0; r < H; ++r) {
    if (r > 20 && r < H - 20)
      std::copy(Rows[15], Rows[15] + W, Rows[r]);
    else
      BlurLine(K, Rows[r], W, Scratch);
  }
  std::vector<TBGR> Column(H);
  for (Integer c = 0; c < W; ++c) {
    if (c > 20 && c < W - 20) {
      for (Integer r = 0; r < H; ++r) Rows[r][c] = Rows[r][15];
      continue;
    }
    for (Integer r = 0; r < H; ++r) Column[r] = Rows[r][c];
    BlurLine(K, Column.data(), H, Scratch);
    for (Integer r = 0; r < H; ++r) Rows[r][c] = Column[r];
  }
}

void DrawBlurredRoundRectMask(TBitmap* Bitmap, Integer Width, Integer Height, Integer PenWidth, Integer Corner,
                              double Radius) {
  Bitmap->SetPixelFormat(pf24bit);
  Bitmap->SetSize(Width, Height);
  TCanvas* C = Bitmap->Canvas();
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(clBlack);
  C->FillRect(TRect(0, 0, Width, Height));
  C->Pen()->SetStyle(psSolid);
  C->Pen()->SetColor(clWhite);
  if (PenWidth < 1) {
    C->Pen()->SetWidth(1);
    C->Brush()->SetColor(clWhite);
  } else {
    C->Pen()->SetWidth(PenWidth);
    C->Brush()->SetColor(clBlack);
  }
  Integer Half = PenWidth / 2;
  C->RoundRect(Half + 2, Half + 2, Width - Half - 2, Height - Half - 2, Corner, Corner);
  C->Pen()->SetWidth(1);
  if (Radius > 0) BlurBitmap(Bitmap, Radius);
}

TGridAlphaMask::TGridAlphaMask() { SetPixelFormat(pf32bit); }

void TGridAlphaMask::Assign(TPersistent* Source) {
  if (auto* Other = dynamic_cast<TGridAlphaMask*>(Source)) {
    FOpacity = Other->FOpacity;
    SetPixelFormat(pf32bit);
    // Only what both masks hold is copied.
    Integer Rows = std::min(Height(), Other->Height());
    Integer Bytes = 4 * std::min(Width(), Other->Width());
    for (Integer r = 0; r < Rows; ++r)
      std::copy_n(static_cast<const Byte*>(Other->ScanLine(r)), Bytes, static_cast<Byte*>(ScanLine(r)));
    return;
  }
  TBitmap::Assign(Source);
  SetPixelFormat(pf32bit);
}

void TGridAlphaMask::MergeMask(TBitmap* Mask, TBitmap* Bitmap, TColor) {
  if (!Bitmap || !Mask || Bitmap->PixelFormat() != pf24bit) return;
  const Integer W = Bitmap->Width(), H = Bitmap->Height();
  // The mask must cover the bitmap and be 24 bits for its pixels to be read.
  if (Mask->PixelFormat() != pf24bit || Mask->Width() < W || Mask->Height() < H) return;
  SetPixelFormat(pf32bit);
  SetSize(W, H);
  for (Integer r = 0; r < H; ++r) {
    const auto* Src = static_cast<const TBGR*>(Bitmap->ScanLine(r));
    const auto* M = static_cast<const TBGR*>(Mask->ScanLine(r));
    auto* Dst = static_cast<Byte*>(ScanLine(r));
    for (Integer c = 0; c < W; ++c) {
      Integer a = M[c].R;
      Dst[4 * c + 0] = static_cast<Byte>((Src[c].B * a + 127) / 255);
      Dst[4 * c + 1] = static_cast<Byte>((Src[c].G * a + 127) / 255);
      Dst[4 * c + 2] = static_cast<Byte>((Src[c].R * a + 127) / 255);
      Dst[4 * c + 3] = static_cast<Byte>(a);
    }
  }
}

}  // namespace jorv::grid
