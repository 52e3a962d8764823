#pragma once
// What the GDI+ pictures share: an image file's bytes handed to GDI+ for
// one measuring or drawing (nothing decoded is kept between calls), drawn
// the one way both pictures draw, and the addresses both pictures load.
#include <memory>
#include "platform/gfx/Graphic.h"
#include "platform/rtl/Streams.h"

struct IStream;

namespace jorv::foundation {

class TGPImage;

// A COM stream over a new movable global block holding Size bytes of Data,
// positioned at its start; the block goes with the stream's last release.
// Raises "Could not allocate memory for image" when no block can be had;
// nullptr when the stream cannot be made or filled.
IStream* ImageBytesStream(const void* Data, size_t Size);

// Image bytes decoded by GDI+. The bytes must outlive the object, and the
// COM stream lives as long as the image: GDI+ may read it lazily.
class TDecodedImage {
 public:
  TDecodedImage(const void* Data, size_t Size);
  ~TDecodedImage();
  TDecodedImage(const TDecodedImage&) = delete;
  TDecodedImage& operator=(const TDecodedImage&) = delete;

  // False when the bytes could not be handed to GDI+ (none, or no
  // stream); bytes GDI+ cannot decode still count, and measure 0 x 0.
  bool Handed() const { return FImage != nullptr; }
  Integer Width() const;
  Integer Height() const;
  TGPImage* Image() const { return FImage.get(); }
  // Stretched into Rect: a BMP with TransparentBitmap through a platform
  // bitmap with automatic transparency, everything else through GDI+.
  void Draw(TCanvas* ACanvas, const TRect& Rect, bool TransparentBitmap) const;

 private:
  struct TReleaseStream {
    void operator()(IStream* Stream) const;
  };
  const void* FData;
  size_t FSize;
  std::unique_ptr<IStream, TReleaseStream> FStream;
  // Declared after the stream, so that it goes first.
  std::unique_ptr<TGPImage> FImage;
};

// A whole file's bytes, read aside so that a file that cannot be read
// leaves what a picture holds as it was; nullptr when it cannot be read.
std::unique_ptr<TMemoryStream> ReadImageFile(const String& FileName);

// An RT_RCDATA resource handed to Picture's LoadFromStream. A missing name
// changes nothing; a missing number raises EResNotFound.
void LoadImageResource(TGraphic& Picture, HINSTANCE Instance, const String& ResName);
void LoadImageResource(TGraphic& Picture, HINSTANCE Instance, Integer ResID);

// "RES://name" (the program's resource) and "FILE://path", the prefix in
// any letter case; Rest is what follows the prefix.
enum TImageAddress { iaOther, iaResource, iaFile };
TImageAddress SplitImageAddress(const String& URL, String& Rest);

}  // namespace jorv::foundation
