#pragma once
// Base of every picture kind: something of a size that draws itself on a
// canvas and reads and writes its file format.
#include <memory>
#include "platform/rtl/Streams.h"
#include "platform/gfx/GraphicsObject.h"

namespace jorv {

class TCanvas;

class TGraphic : public TPersistent {
 public:
  TGraphic() = default;

  // Draws the picture stretched into Rect.
  virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;

  bool Empty() const { return GetEmpty(); }
  Integer Width() const { return GetWidth(); }
  void SetWidth(Integer Value) { SetSize(Value, GetHeight()); }
  Integer Height() const { return GetHeight(); }
  void SetHeight(Integer Value) { SetSize(GetWidth(), Value); }
  virtual void SetSize(Integer AWidth, Integer AHeight);
  bool Transparent() const { return GetTransparent(); }
  void SetTransparent(bool Value) { SetTransparentValue(Value); }
  bool Modified() const { return FModified; }
  void SetModified(bool Value);

  // Reads the file format from the stream's current position.
  virtual void LoadFromStream(TStream* Stream) = 0;
  virtual void SaveToStream(TStream* Stream) = 0;
  // A file that cannot be opened raises the stream's error.
  virtual void LoadFromFile(const String& FileName);
  virtual void SaveToFile(const String& FileName);

  // The usual file extension without the dot ("bmp", "png").
  virtual String DefaultExtension() const { return String(); }

  // Form streaming of the picture as a binary property.
  virtual void ReadData(TStream* Stream) { LoadFromStream(Stream); }
  virtual void WriteData(TStream* Stream) { SaveToStream(Stream); }

  TNotifyEvent OnChange;

 protected:
  // Into a TBitmap: the picture drawn on white at its own size.
  void AssignTo(TPersistent* Dest) override;
  // The picture's bytes as the binary property "Data" (none when empty).
  void DefineProperties(TFiler* Filer) override;
  virtual bool GetEmpty() const = 0;
  virtual Integer GetWidth() const = 0;
  virtual Integer GetHeight() const = 0;
  virtual bool GetTransparent() const { return FTransparent; }
  virtual void SetTransparentValue(bool Value);
  // Marks the picture modified and fires OnChange.
  virtual void Changed(TObject* Sender);

  bool FTransparent = false;

 private:
  bool FModified = false;
};

// Makes a new empty graphic of one kind.
using TGraphicClass = std::unique_ptr<TGraphic> (*)();

// The rest of Stream from its position, and writing bytes into a stream:
// the graphics read and write their formats in memory.
size_t StreamRemaining(TStream* Stream);
void ReadStreamBuffer(TStream* Stream, void* Buffer, size_t Count);
TBytes ReadStreamRest(TStream* Stream);
void WriteStreamBytes(TStream* Stream, const Byte* Data, size_t Size);
inline void WriteStreamBytes(TStream* Stream, const TBytes& Data) {
  WriteStreamBytes(Stream, Data.data(), Data.size());
}

template <class T>
std::unique_ptr<TGraphic> NewGraphic() {
  return std::make_unique<T>();
}

}  // namespace jorv
