#pragma once
// GDI+ images decoded from files or streams, bitmaps, and the colour
// adjustments applied when drawing them.
#include "foundation/GDIPlusBase.h"
#include "platform/rtl/WinApi.h"

namespace jorv::foundation {

class TGPImage : public TGdiplusBase {
 public:
  explicit TGPImage(const String& FileName, bool UseEmbeddedColorManagement = false);
  explicit TGPImage(IStream* Stream, bool UseEmbeddedColorManagement = false);
  TGPImage(GpImage* NativeImage, Status AStatus) : nativeImage(NativeImage), lastResult(AStatus) {}
  ~TGPImage();
  TGPImage(const TGPImage&) = delete;
  TGPImage& operator=(const TGPImage&) = delete;

  UINT GetWidth();
  UINT GetHeight();
  TGPImageFormat GetFormat();
  int32_t GetPixelFormat();
  Integer GetPixelDepth();
  bool HasPalette();
  bool HasAlphaChannel();
  // A new image adopting the thumbnail; the caller frees it.
  TGPImage* GetThumbnailImage(UINT ThumbWidth, UINT ThumbHeight,
                              TGetThumbnailImageAbort Callback = nullptr,
                              void* CallbackData = nullptr);
  Status Save(const String& FileName, const CLSID& ClsidEncoder,
              const TEncoderParameters* EncoderParams = nullptr);
  Status Save(IStream* Stream, const CLSID& ClsidEncoder,
              const TEncoderParameters* EncoderParams = nullptr);
  Status SaveAdd(TGPImage* NewImage, const TEncoderParameters* EncoderParams);
  Status RotateFlip(RotateFlipType Type);

  Status GetLastStatus();
  GpImage* NativeImage() const { return nativeImage; }

 protected:
  TGPImage() = default;
  Status SetStatus(Status S);

  GpImage* nativeImage = nullptr;
  Status lastResult = Ok;
};

class TGPBitmap : public TGPImage {
 public:
  explicit TGPBitmap(IStream* Stream, bool UseEmbeddedColorManagement = false);
  TGPBitmap(Integer Width, Integer Height, int32_t Format = PixelFormat32bppARGB);
  explicit TGPBitmap(GpImage* NativeBitmap) : TGPImage(NativeBitmap, Ok) {}
  static TGPBitmap* FromStream(IStream* Stream, bool UseEmbeddedColorManagement = false) {
    return new TGPBitmap(Stream, UseEmbeddedColorManagement);
  }

  Status GetPixel(Integer X, Integer Y, ARGB& Color);
  Status SetPixel(Integer X, Integer Y, ARGB Color);
  // The caller owns the returned GDI bitmap.
  Status GetHBITMAP(ARGB ColorBackground, HBITMAP& HbmReturn);
};

class TGPImageAttributes : public TGdiplusBase {
 public:
  TGPImageAttributes();
  ~TGPImageAttributes();
  TGPImageAttributes(const TGPImageAttributes&) = delete;
  TGPImageAttributes& operator=(const TGPImageAttributes&) = delete;

  // A new wrapper of a copy; the caller frees it.
  TGPImageAttributes* Clone();
  Status SetToIdentity(ColorAdjustType Type = ColorAdjustTypeDefault);
  Status Reset(ColorAdjustType Type = ColorAdjustTypeDefault);
  Status SetColorMatrix(const TColorMatrix& ColorMatrix,
                        ColorMatrixFlags Mode = ColorMatrixFlagsDefault,
                        ColorAdjustType Type = ColorAdjustTypeDefault);
  Status ClearColorMatrix(ColorAdjustType Type = ColorAdjustTypeDefault);
  Status SetColorMatrices(const TColorMatrix& ColorMatrix, const TColorMatrix& GrayMatrix,
                          ColorMatrixFlags Mode = ColorMatrixFlagsDefault,
                          ColorAdjustType Type = ColorAdjustTypeDefault);
  Status ClearColorMatrices(ColorAdjustType Type = ColorAdjustTypeDefault);
  Status SetThreshold(float Threshold, ColorAdjustType Type = ColorAdjustTypeDefault);
  Status ClearThreshold(ColorAdjustType Type = ColorAdjustTypeDefault);
  Status SetGamma(float Gamma, ColorAdjustType Type = ColorAdjustTypeDefault);
  Status ClearGamma(ColorAdjustType Type = ColorAdjustTypeDefault);
  Status SetNoOp(ColorAdjustType Type = ColorAdjustTypeDefault);
  Status ClearNoOp(ColorAdjustType Type = ColorAdjustTypeDefault);
  Status SetColorKey(ARGB ColorLow, ARGB ColorHigh, ColorAdjustType Type = ColorAdjustTypeDefault);
  Status ClearColorKey(ColorAdjustType Type = ColorAdjustTypeDefault);
  Status SetOutputChannel(ColorChannelFlags ChannelFlags,
                          ColorAdjustType Type = ColorAdjustTypeDefault);
  Status ClearOutputChannel(ColorAdjustType Type = ColorAdjustTypeDefault);
  Status SetOutputChannelColorProfile(const String& ColorProfileFilename,
                                      ColorAdjustType Type = ColorAdjustTypeDefault);
  Status ClearOutputChannelColorProfile(ColorAdjustType Type = ColorAdjustTypeDefault);
  Status SetRemapTable(UINT MapSize, const TColorMap* Map,
                       ColorAdjustType Type = ColorAdjustTypeDefault);
  Status ClearRemapTable(ColorAdjustType Type = ColorAdjustTypeDefault);
  Status SetBrushRemapTable(UINT MapSize, const TColorMap* Map);
  Status ClearBrushRemapTable();
  Status SetWrapMode(WrapMode Wrap, ARGB Color = 0xFF000000, bool Clamp = false);
  Status GetAdjustedPalette(TColorPalette* ColorPalette, ColorAdjustType Type);

  Status GetLastStatus();
  GpImageAttributes* NativeImageAttr() const { return nativeImageAttr; }

 private:
  TGPImageAttributes(GpImageAttributes* Native, Status AStatus)
      : nativeImageAttr(Native), lastResult(AStatus) {}
  Status SetStatus(Status S);

  GpImageAttributes* nativeImageAttr = nullptr;
  Status lastResult = Ok;
};

}  // namespace jorv::foundation
