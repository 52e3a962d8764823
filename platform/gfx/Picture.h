#pragma once
// A holder of one graphic of any registered kind. Loading picks the kind
// by the file's extension or by the stream's first bytes.
#include <memory>
#include <typeindex>
#include "platform/gfx/Graphic.h"

namespace jorv {

class TBitmap;
class TIcon;

class TPicture : public TPersistent {
 public:
  TPicture();
  ~TPicture() override;

  // From another picture or a graphic (copied), or nullptr (cleared).
  void Assign(TPersistent* Source) override;

  // The graphic held; null when empty.
  TGraphic* Graphic() const { return FGraphic.get(); }
  // Holds a copy of Value (of the same kind); nullptr clears.
  void SetGraphic(TGraphic* Value);
  // The graphic as a bitmap; a graphic of another kind is replaced by a new
  // empty bitmap, as is an empty picture.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* Value);
  TIcon* Icon();
  void SetIcon(TIcon* Value);

  Integer Width() const { return FGraphic ? FGraphic->Width() : 0; }
  Integer Height() const { return FGraphic ? FGraphic->Height() : 0; }

  // An unknown extension raises EInvalidGraphic; so does undecodable data,
  // which keeps the current graphic.
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName);
  // The kind comes from the first bytes of the stream.
  void LoadFromStream(TStream* Stream);
  void SaveToStream(TStream* Stream);

  // Streams the graphic as the property "Data": its class name as a short
  // string, then the graphic's own data; an empty picture writes nothing.
  void DefineProperties(TFiler* Filer) override;

  TNotifyEvent OnChange;

  // Registers a graphic kind under a file extension (without the dot).
  template <class T>
  static void RegisterFileFormat(const String& Extension, const String& Description) {
    RegisterFormat(Extension, Description, &NewGraphic<T>, typeid(T));
  }
  // The kind for an extension (with or without the dot), or null.
  static TGraphicClass GraphicClassForExtension(const String& Extension);
  // The kind for a file's first bytes, or null.
  static TGraphicClass GraphicClassForData(const Byte* Data, size_t Size);
  // "All (*.bmp;*.png;...)|*.bmp;*.png;...|Bitmaps (*.bmp)|*.bmp|..." for
  // open and save dialogs.
  static String GraphicFilter();

 protected:
  virtual void Changed(TObject* Sender);

 private:
  static void RegisterFormat(const String& Extension, const String& Description,
                             TGraphicClass Class, std::type_index Type);
  static TGraphicClass ClassOf(const TGraphic* Graphic);
  // The registered kind whose graphics are named Name, or null.
  static TGraphicClass ClassNamed(const String& Name);
  void ReadData(TStream* Stream);
  void WriteData(TStream* Stream);
  void Take(std::unique_ptr<TGraphic> Graphic);

  std::unique_ptr<TGraphic> FGraphic;
};

}  // namespace jorv
