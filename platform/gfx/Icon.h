#pragma once
// An icon: the ICO file as loaded (written back unchanged) and an HICON
// made from its best-fitting image on first use.
#include "platform/gfx/Graphic.h"

namespace jorv {

class TIcon : public TGraphic {
 public:
  TIcon() = default;
  ~TIcon() override;

  void Assign(TPersistent* Source) override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  // Malformed data raises EInvalidGraphic and keeps the icon.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  String DefaultExtension() const override { return L"ico"; }

  void LoadFromBytes(const Byte* Data, size_t Size);
  TBytes SaveToBytes();

  // Made on first use; null for an empty icon.
  HICON Handle();
  // Takes over the handle (the icon destroys it).
  void SetHandle(HICON Value);
  // Gives the handle to the caller; the icon keeps its file data.
  HICON ReleaseHandle();
  bool HandleAllocated() const { return FHandle != nullptr; }

  // An icon resource of the module; a missing one raises EResNotFound.
  void LoadFromResourceName(HINSTANCE Instance, const String& ResName);

 protected:
  // Into a TBitmap: pf32bit with the icon's alpha.
  void AssignTo(TPersistent* Dest) override;
  bool GetEmpty() const override { return FHandle == nullptr && FData.empty(); }
  Integer GetWidth() const override { return FWidth; }
  Integer GetHeight() const override { return FHeight; }

 private:
  void Clear();
  // The image of the file that the handle shows.
  size_t FImageOffset = 0;
  size_t FImageSize = 0;
  TBytes FData;
  HICON FHandle = nullptr;
  Integer FWidth = 0;
  Integer FHeight = 0;
};

}  // namespace jorv
