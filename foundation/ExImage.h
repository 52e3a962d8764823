#pragma once
// A picture that keeps its file's bytes exactly as loaded and shows them
// through the system's OLE picture object, so that any format the system
// decodes can be shown and saving gives the file back byte for byte.
#include <memory>
#include "platform/gfx/Graphic.h"

struct IPicture;

namespace jorv {
class TMemoryStream;
class TPicture;
}
namespace jorv::foundation {


class TExImage : public TGraphic {
 public:
  TExImage();
  ~TExImage() override;

  // From another TExImage, an image control, a TPicture or any graphic
  // (saved into bytes); nullptr clears. Other sources leave the image empty.
  void Assign(TPersistent* Source) override;
  // Draws the whole picture upright, stretched into Rect.
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  // The size follows the picture.
  void SetSize(Integer AWidth, Integer AHeight) override;

  // The whole stream from its beginning, whatever its position. Undecodable
  // bytes raise "Could not load image. Invalid format" without OnChange.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  // A missing file raises the file stream's error, undecodable content the
  // decoding error; either way the image is left empty.
  void LoadFromFile(const String& FileName) override;
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;
  // RT_RCDATA resources; a missing one raises EResNotFound.
  void LoadFromResourceName(HINSTANCE Instance, const String& ResName);
  void LoadFromResourceID(HINSTANCE Instance, Integer ResID);

 protected:
  bool GetEmpty() const override { return FIsEmpty; }
  Integer GetWidth() const override;
  Integer GetHeight() const override;

 private:
  void LoadPicture();
  void ReleasePicture();
  // Takes all of Stream as the bytes and decodes them.
  void LoadBytes(TStream* Stream);
  void AssignGraphic(TGraphic* Source);
  void AssignPicture(TPicture* Source);

  std::unique_ptr<TMemoryStream> FDatastream;
  bool FIsEmpty = true;
  IPicture* gpPicture = nullptr;
  Integer FLogPixX = 96;
  Integer fLogPixY = 96;
};

}  // namespace jorv::foundation
