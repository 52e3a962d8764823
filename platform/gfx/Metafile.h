#pragma once
// A vector picture held as an enhanced metafile. Files come as enhanced
// metafiles (.emf) or as placeable Windows metafiles (.wmf); each is
// written back in the form it came in.
#include "platform/gfx/Graphic.h"

namespace jorv {

// False when Data starts as an enhanced or a placeable metafile whose
// records do not lie end to end inside it. Every player of the system
// trusts those sizes (one of 0 keeps it on the same record for good), so
// whoever hands picture bytes to a system decoder asks this first.
bool MetafileRecordsFit(const Byte* Data, size_t Size);

class TMetafile : public TGraphic {
 public:
  TMetafile() = default;
  ~TMetafile() override;

  void Assign(TPersistent* Source) override;
  // Plays the metafile stretched into Rect.
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  // Data that is neither kind raises EInvalidGraphic and keeps the picture.
  void LoadFromStream(TStream* Stream) override;
  // An empty metafile writes nothing.
  void SaveToStream(TStream* Stream) override;
  String DefaultExtension() const override { return FEnhanced ? L"emf" : L"wmf"; }
  // The display size in pixels; the frame of the metafile itself stays.
  void SetSize(Integer AWidth, Integer AHeight) override;

  void LoadFromBytes(const Byte* Data, size_t Size);
  TBytes SaveToBytes() const;

  HENHMETAFILE Handle() const { return FHandle; }
  // Takes over the handle (the metafile deletes it); the size comes from
  // its frame.
  void SetHandle(HENHMETAFILE Value);
  // Gives the handle to the caller and leaves the metafile empty.
  HENHMETAFILE ReleaseHandle();

  // Written as an enhanced metafile (true) or a placeable Windows one.
  bool Enhanced() const { return FEnhanced; }
  void SetEnhanced(bool Value) { FEnhanced = Value; }
  // Size of the frame in 0.01 mm.
  Integer MMWidth() const { return FMMWidth; }
  Integer MMHeight() const { return FMMHeight; }
  // Units per inch of a placeable metafile's bounds.
  Word Inch() const { return FInch; }
  void SetInch(Word Value) { FInch = Value ? Value : 96; }

 protected:
  bool GetEmpty() const override { return FHandle == nullptr; }
  Integer GetWidth() const override { return FWidth; }
  Integer GetHeight() const override { return FHeight; }
  // Only what is drawn covers the background.
  bool GetTransparent() const override { return true; }

 private:
  void Clear();
  void Take(HENHMETAFILE Handle, Integer MMW, Integer MMH);
  HENHMETAFILE FHandle = nullptr;
  bool FEnhanced = true;
  Integer FMMWidth = 0;
  Integer FMMHeight = 0;
  Integer FWidth = 0;
  Integer FHeight = 0;
  Word FInch = 96;
};

}  // namespace jorv
