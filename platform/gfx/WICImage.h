#pragma once
// Pictures decoded and encoded by the system's imaging codecs: the general
// TWICImage (any format the codecs read, written in ImageFormat) and the
// PNG, JPEG and GIF kinds, which read and write only their own format.
// The first frame is held as 32-bit pixels with straight alpha.
#include "platform/gfx/Graphic.h"
#include "platform/gfx/Bitmap.h"

namespace jorv {

enum TWICImageFormat : uint8_t { wifBmp, wifPng, wifJpeg, wifGif, wifTiff, wifWMPhoto, wifOther };

class TWICImage : public TGraphic {
 public:
  TWICImage();
  ~TWICImage() override;

  // From another image or from a TBitmap (its pixels, alpha kept).
  void Assign(TPersistent* Source) override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  void SetSize(Integer AWidth, Integer AHeight) override;
  // An undecodable stream raises EInvalidGraphic and keeps the picture.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  String DefaultExtension() const override;

  void LoadFromBytes(const Byte* Data, size_t Size);
  TBytes SaveToBytes();

  // The format of the loaded data and the one SaveToStream writes.
  TWICImageFormat ImageFormat() const { return FImageFormat; }
  void SetImageFormat(TWICImageFormat Value);
  // JPEG quality, 1 to 100.
  Integer CompressionQuality() const { return FCompressionQuality; }
  void SetCompressionQuality(Integer Value);
  // True when some pixel is not fully opaque.
  bool HasAlpha() const;
  // The pixels: pf32bit, straight alpha, top row first through ScanLine.
  TBitmap* Pixels() { return &FPixels; }

 protected:
  // Into a TBitmap: pf32bit with its alpha when the image has any,
  // else pf24bit.
  void AssignTo(TPersistent* Dest) override;
  bool GetEmpty() const override { return FPixels.Empty(); }
  Integer GetWidth() const override { return FPixels.Width(); }
  Integer GetHeight() const override { return FPixels.Height(); }
  // Kinds bound to one format refuse data of another.
  bool FFixedFormat = false;
  TWICImageFormat FImageFormat = wifPng;

 private:
  void PixelsChanged();

  TBitmap FPixels;
  // Premultiplied copy for drawing, made on first draw after a change.
  std::unique_ptr<TBitmap> FDrawCache;
  Integer FCompressionQuality = 90;
};

class TPngImage : public TWICImage {
 public:
  TPngImage() { FFixedFormat = true; FImageFormat = wifPng; }
};

class TJPEGImage : public TWICImage {
 public:
  TJPEGImage() { FFixedFormat = true; FImageFormat = wifJpeg; }
};

class TGIFImage : public TWICImage {
 public:
  TGIFImage() { FFixedFormat = true; FImageFormat = wifGif; }
};

}  // namespace jorv
