#pragma once
// A picture that keeps an image file's bytes exactly as loaded and decodes
// them through GDI+ whenever it is measured or drawn, so it holds any format
// GDI+ reads (alpha included) and saving gives the file back byte for byte.
#include <memory>
#include "foundation/ImageBytes.h"
#include "platform/gfx/Graphic.h"

namespace jorv::foundation {

class TGPGraphics;

class TGDIPPicture : public TGraphic {
 public:
  TGDIPPicture();
  ~TGDIPPicture() override;

  // From another TGDIPPicture (its bytes), from any graphic or a TPicture's
  // graphic (saved into bytes); nullptr or a TPicture without a graphic
  // clears. Other sources only make the picture empty.
  void Assign(TPersistent* Source) override;
  // Stretched into Rect. A BMP with TransparentBitmap goes through a
  // platform bitmap with automatic transparency; everything else through
  // GDI+, which also measures it.
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  // The size always follows the bytes.
  void SetSize(Integer, Integer) override {}

  // The whole stream from its beginning, whatever its position.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  // Never raises: a file that cannot be read leaves the picture empty,
  // with no event.
  void LoadFromFile(const String& FileName) override;
  // Form streaming: the bytes alone, taken without measuring or events.
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;
  void LoadFromClipboardFormat(Word, HANDLE, HPALETTE) {}
  void SaveToClipboardFormat(Word&, HANDLE&, HPALETTE&) {}

  // On a GDI+ surface, at natural size or stretched; the size is not
  // updated and no bitmap transparency applies.
  void DrawImage(TGPGraphics* Graphics, Integer X, Integer Y);
  void DrawImageRect(TGPGraphics* Graphics, Integer X, Integer Y, Integer W, Integer H);
  // Measures the bytes into Width and Height; false when they could not be
  // handed to GDI+ (none, or no stream). Undecodable bytes measure 0 x 0.
  bool GetImageSizes();
  const String& GetFileName() const { return FFileName; }
  // RT_RCDATA resources. A missing name changes nothing; a missing number
  // raises EResNotFound.
  void LoadFromResourceName(HINSTANCE Instance, const String& ResName);
  void LoadFromResourceID(HINSTANCE Instance, Integer ResID);
  // "RES://name" loads the program's resource, "FILE://path" the file, the
  // prefix in any letter case; any other address changes nothing.
  void LoadFromURL(const String& URL);

  bool TransparentBitmap() const { return FTransparentBitmap; }
  void SetTransparentBitmap(bool Value) { FTransparentBitmap = Value; }

  TNotifyEvent OnClear;

 protected:
  bool GetEmpty() const override { return FIsEmpty; }
  Integer GetWidth() const override { return FWidth; }
  Integer GetHeight() const override { return FHeight; }

 private:
  // The bytes decoded; nothing handed over when there are none.
  TDecodedImage Decode() const;
  void TakeBytes(TStream* Stream);
  void AssignGraphic(TGraphic* Source);
  void Cleared();

  String FFileName;
  std::unique_ptr<TMemoryStream> FDatastream;
  bool FIsEmpty = true;
  Integer FWidth = 0;
  Integer FHeight = 0;
  bool FTransparentBitmap = true;
};

}  // namespace jorv::foundation
