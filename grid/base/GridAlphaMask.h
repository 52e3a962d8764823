#pragma once
// The glow the grid lays around its current cell: a white rounded frame on
// black, blurred, whose brightness becomes the alpha of each pixel of a
// 32-bit premultiplied mask that a layered window shows.
#include "platform/gfx/Bitmap.h"

namespace jorv::grid {
using namespace jorv;

// The taps of a Gaussian blur at -10..10, of which -Size..Size are used.
struct TGaussKernel {
  Byte Size = 0;
  float Weights[21] = {};
  float Weight(Integer j) const { return Weights[j + 10]; }
};

// Taps for Radius; the outer ones are dropped while together they weigh
// less than half of one step of MaxData / DataGranularity, and the rest
// are scaled to sum to 1.
void MakeGaussKernel(TGaussKernel& K, double Radius, Integer MaxData, Integer DataGranularity);
// Blurs a 24-bit bitmap in place, rows then columns; the inner stretch
// more than 20 pixels from both edges takes the blurred pixels of row
// (column) 15, since a mask is uniform there. Anything but a 24-bit bitmap
// raises Exception and is left as it was.
void BlurBitmap(TBitmap* Bitmap, double Radius);
// Bitmap becomes Width x Height, 24 bits, black, with a white rounded
// rectangle (filled when PenWidth < 1, else outlined with that pen) inset
// by 2 and half the pen, then blurred by Radius when Radius > 0.
void DrawBlurredRoundRectMask(TBitmap* Bitmap, Integer Width, Integer Height, Integer PenWidth, Integer Corner,
                              double Radius);

class TGridAlphaMask : public TBitmap {
 public:
  TGridAlphaMask();

  // From another mask its opacity and pixels (as far as both reach), from
  // anything else as a bitmap; 32 bits per pixel either way.
  void Assign(TPersistent* Source) override;
  // Takes Bitmap's size and colours (24 bits, else nothing happens) with
  // the alpha of Mask's red channel, premultiplied. Color is not used.
  void MergeMask(TBitmap* Mask, TBitmap* Bitmap, TColor Color);

  // The constant alpha the owner shows the mask with.
  Byte Opacity() const { return FOpacity; }
  void SetOpacity(Byte Value) { FOpacity = Value; }

 private:
  Byte FOpacity = 255;
};

}  // namespace jorv::grid
