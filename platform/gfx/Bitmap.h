#pragma once
// A bitmap held as a DIB section, so its pixels can be read and written
// directly through ScanLine as well as drawn on through Canvas.
#include "platform/gfx/Graphic.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Colors.h"

namespace jorv {

enum TPixelFormat : uint8_t {
  pfDevice,
  pf1bit,
  pf4bit,
  pf8bit,
  pf15bit,
  pf16bit,
  pf24bit,
  pf32bit,
  pfCustom
};

enum TTransparentMode : uint8_t { tmAuto, tmFixed };

// How a pf32bit bitmap's fourth byte is used when drawing.
enum TAlphaFormat : uint8_t { afIgnored, afDefined, afPremultiplied };

class TBitmap : public TGraphic {
 public:
  TBitmap();
  TBitmap(Integer AWidth, Integer AHeight);
  ~TBitmap() override;

  void Assign(TPersistent* Source) override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  void SetSize(Integer AWidth, Integer AHeight) override;
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  String DefaultExtension() const override { return L"bmp"; }

  // A canvas over a memory DC that holds the bitmap.
  TCanvas* Canvas();

  // The DIB section, not selected in any DC; an empty bitmap has none.
  HBITMAP Handle();
  // Takes over any bitmap handle (converted into a DIB section).
  void SetHandle(HBITMAP Value);
  // Gives the handle to the caller, who deletes it; the bitmap is empty
  // afterwards.
  HBITMAP ReleaseHandle();
  bool HandleAllocated() const { return FHandle != nullptr; }

  TPixelFormat PixelFormat() const { return FPixelFormat; }
  // Converts the pixels into the new format.
  void SetPixelFormat(TPixelFormat Value);
  bool Monochrome() const { return FPixelFormat == pf1bit; }
  void SetMonochrome(bool Value);
  TAlphaFormat AlphaFormat() const { return FAlphaFormat; }
  // Going to or from afPremultiplied converts the pixels.
  void SetAlphaFormat(TAlphaFormat Value);

  // The first byte of pixel row Row (0 = top), in the DIB's own layout.
  void* ScanLine(Integer Row);

  // tmAuto: the colour of the bottom-left pixel.
  TColor TransparentColor();
  void SetTransparentColor(TColor Value);
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Value);

  // A BMP from the module's RT_BITMAP resources; a missing one raises
  // EResNotFound.
  void LoadFromResourceName(HINSTANCE Instance, const String& ResName);
  void LoadFromResourceID(HINSTANCE Instance, Integer ResID);

  // Reads or writes the BMP format held in memory (with its file header).
  void LoadFromBytes(const Byte* Data, size_t Size);
  TBytes SaveToBytes();

 protected:
  bool GetEmpty() const override { return FWidth == 0 || FHeight == 0; }
  Integer GetWidth() const override { return FWidth; }
  Integer GetHeight() const override { return FHeight; }

 private:
  class TBitmapCanvas;
  friend class TBitmapCanvas;

  // Replaces the pixels by a fresh DIB section of the given size and
  // format, copying over what fits when Keep is set.
  void NewImage(Integer AWidth, Integer AHeight, TPixelFormat Format, bool Keep);
  void FreeContext();
  void DrawAlpha(HDC Dest, const TRect& Rect, HDC Source);

  HBITMAP FHandle = nullptr;
  Byte* FBits = nullptr;
  Integer FWidth = 0;
  Integer FHeight = 0;
  TPixelFormat FPixelFormat = pfDevice;
  TAlphaFormat FAlphaFormat = afIgnored;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = tmAuto;
  std::unique_ptr<TCanvas> FCanvas;
};

}  // namespace jorv
