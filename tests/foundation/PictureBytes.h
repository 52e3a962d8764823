#pragma once
// Image files made in memory for the picture tests.
#include <vector>
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/WICImage.h"

namespace jorv::test {

// A one-pixel red GIF; also linked as the RCDATA resource PICTURETEST_GIF.
inline TBytes TinyRedGif() {
  static const Byte Data[] = {'G',  'I',  'F',  '8',  '9',  'a',  0x01, 0x00, 0x01, 0x00, 0x80, 0x00,
                              0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00,
                              0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
  return TBytes(Data, sizeof(Data));
}

// W x H pixels of Fill (so the bottom-left pixel, which automatic
// transparency takes, is Fill too) with a Mark block in the middle.
inline TBytes SampleBmp(Integer W, Integer H, TColor Fill, TColor Mark) {
  TBitmap B(W, H);
  B.SetPixelFormat(pf24bit);
  TCanvas* C = B.Canvas();
  C->Brush()->SetColor(Fill);
  C->FillRect(Rect(0, 0, W, H));
  C->Brush()->SetColor(Mark);
  C->FillRect(Rect(W / 4, H / 4, W - W / 4, H - H / 4));
  return B.SaveToBytes();
}

// A 10 x 10 PNG: the left half opaque blue, the right half fully
// transparent.
inline TBytes HalfTransparentPng() {
  TBitmap B;
  B.SetPixelFormat(pf32bit);
  B.SetSize(10, 10);
  for (Integer Y = 0; Y < 10; ++Y) {
    Byte* P = static_cast<Byte*>(B.ScanLine(Y));
    for (Integer X = 0; X < 10; ++X) {
      const bool Opaque = X < 5;
      P[X * 4 + 0] = Opaque ? 255 : 0;
      P[X * 4 + 1] = 0;
      P[X * 4 + 2] = 0;
      P[X * 4 + 3] = Opaque ? 255 : 0;
    }
  }
  B.SetAlphaFormat(afDefined);
  TPngImage Png;
  Png.Assign(&B);
  return Png.SaveToBytes();
}

struct TGifFrame {
  Byte ColorIndex;  // 0 red, 1 lime, 2 blue, 3 white
  Word Left, Top, Width, Height;
  Word Delay;  // hundredths of a second
};

// A GIF of a W x H logical screen whose frames each fill their rectangle
// with one colour. The image data uses 3-bit codes only: a clear code
// before every second pixel keeps the code table from growing.
inline TBytes AnimatedGif(Word W, Word H, const std::vector<TGifFrame>& Frames) {
  TBytes Out = {'G', 'I', 'F', '8', '9', 'a'};
  auto word = [&](Word V) {
    Out.push_back(Byte(V & 0xFF));
    Out.push_back(Byte(V >> 8));
  };
  word(W);
  word(H);
  Out += TBytes{0x81, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00,
                0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
  for (const TGifFrame& F : Frames) {
    Out += TBytes{0x21, 0xF9, 0x04, 0x00};
    word(F.Delay);
    Out += TBytes{0x00, 0x00, 0x2C};
    word(F.Left);
    word(F.Top);
    word(F.Width);
    word(F.Height);
    Out.push_back(0x00);
    std::vector<Byte> Codes;
    const Integer Pixels = F.Width * F.Height;
    for (Integer I = 0; I < Pixels; I += 2) {
      Codes.push_back(4);
      Codes.push_back(F.ColorIndex);
      if (I + 1 < Pixels) Codes.push_back(F.ColorIndex);
    }
    Codes.push_back(5);
    TBytes Packed;
    uint32_t Bits = 0;
    Integer Count = 0;
    for (Byte Code : Codes) {
      Bits |= uint32_t(Code) << Count;
      Count += 3;
      while (Count >= 8) {
        Packed.push_back(Byte(Bits & 0xFF));
        Bits >>= 8;
        Count -= 8;
      }
    }
    if (Count > 0) Packed.push_back(Byte(Bits & 0xFF));
    Out.push_back(0x02);
    for (size_t I = 0; I < Packed.size(); I += 255) {
      const size_t N = std::min<size_t>(255, Packed.size() - I);
      Out.push_back(Byte(N));
      Out += Packed.substr(I, N);
    }
    Out.push_back(0x00);
  }
  Out.push_back(0x3B);
  return Out;
}

// 4 x 4: red full screen for 10, a lime 2 x 2 at (1, 2) for 20, a blue full
// screen for 30.
inline TBytes ThreeFrameGif() {
  return AnimatedGif(4, 4, {{0, 0, 0, 4, 4, 10}, {1, 1, 2, 2, 2, 20}, {2, 0, 0, 4, 4, 30}});
}

}  // namespace jorv::test
