#include "foundation/GDIPlusImage.h"

#include "foundation/GDIPlusFlat.h"

namespace jorv::foundation {

using namespace gdipflat;

namespace {

// GDI+'s raw image formats share all but the first field of their GUID.
TGPImageFormat FormatOfGuid(const GUID& G) {
  static const GUID Tail = {0, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
  if (G.Data2 != Tail.Data2 || G.Data3 != Tail.Data3 ||
      memcmp(G.Data4, Tail.Data4, sizeof(Tail.Data4)) != 0)
    return ifUndefined;
  switch (G.Data1) {
    case 0xb96b3caa: return ifMemoryBMP;
    case 0xb96b3cab: return ifBMP;
    case 0xb96b3cac: return ifEMF;
    case 0xb96b3cad: return ifWMF;
    case 0xb96b3cae: return ifJPEG;
    case 0xb96b3caf: return ifPNG;
    case 0xb96b3cb0: return ifGIF;
    case 0xb96b3cb1: return ifTIFF;
    case 0xb96b3cb2: return ifEXIF;
    case 0xb96b3cb5: return ifIcon;
    default: return ifUndefined;
  }
}

}  // namespace

// Image

TGPImage::TGPImage(const String& FileName, bool UseEmbeddedColorManagement) {
  lastResult = UseEmbeddedColorManagement
                   ? GdipLoadImageFromFileICM(FileName.c_str(), &nativeImage)
                   : GdipLoadImageFromFile(FileName.c_str(), &nativeImage);
}

TGPImage::TGPImage(IStream* Stream, bool UseEmbeddedColorManagement) {
  lastResult = UseEmbeddedColorManagement ? GdipLoadImageFromStreamICM(Stream, &nativeImage)
                                          : GdipLoadImageFromStream(Stream, &nativeImage);
}

TGPImage::~TGPImage() {
  if (nativeImage) GdipDisposeImage(nativeImage);
}

Status TGPImage::SetStatus(Status S) {
  if (S != Ok) lastResult = S;
  return S;
}

Status TGPImage::GetLastStatus() {
  const Status S = lastResult;
  lastResult = Ok;
  return S;
}

UINT TGPImage::GetWidth() {
  UINT Width = 0;
  if (SetStatus(GdipGetImageWidth(nativeImage, &Width)) != Ok) return 0;
  return Width;
}

UINT TGPImage::GetHeight() {
  UINT Height = 0;
  if (SetStatus(GdipGetImageHeight(nativeImage, &Height)) != Ok) return 0;
  return Height;
}

TGPImageFormat TGPImage::GetFormat() {
  GUID Format{};
  if (SetStatus(GdipGetImageRawFormat(nativeImage, &Format)) != Ok) return ifUndefined;
  return FormatOfGuid(Format);
}

int32_t TGPImage::GetPixelFormat() {
  PixelFormat Format = 0;
  SetStatus(GdipGetImagePixelFormat(nativeImage, &Format));
  return Format;
}

Integer TGPImage::GetPixelDepth() { return (GetPixelFormat() >> 8) & 0xFF; }

bool TGPImage::HasPalette() { return (GetPixelFormat() & 0x00010000) != 0; }

bool TGPImage::HasAlphaChannel() { return (GetPixelFormat() & 0x00040000) != 0; }

TGPImage* TGPImage::GetThumbnailImage(UINT ThumbWidth, UINT ThumbHeight,
                                      TGetThumbnailImageAbort Callback, void* CallbackData) {
  GpImage* Thumb = nullptr;
  SetStatus(
      GdipGetImageThumbnail(nativeImage, ThumbWidth, ThumbHeight, &Thumb, Callback, CallbackData));
  return new TGPImage(Thumb, lastResult);
}

Status TGPImage::Save(const String& FileName, const CLSID& ClsidEncoder,
                      const TEncoderParameters* EncoderParams) {
  return SetStatus(GdipSaveImageToFile(nativeImage, FileName.c_str(), &ClsidEncoder, EncoderParams));
}

Status TGPImage::Save(IStream* Stream, const CLSID& ClsidEncoder,
                      const TEncoderParameters* EncoderParams) {
  return SetStatus(GdipSaveImageToStream(nativeImage, Stream, &ClsidEncoder, EncoderParams));
}

Status TGPImage::SaveAdd(TGPImage* NewImage, const TEncoderParameters* EncoderParams) {
  if (!NewImage) return SetStatus(InvalidParameter);
  return SetStatus(GdipSaveAddImage(nativeImage, NewImage->nativeImage, EncoderParams));
}

Status TGPImage::RotateFlip(RotateFlipType Type) {
  return SetStatus(GdipImageRotateFlip(nativeImage, Type));
}

// Bitmap

TGPBitmap::TGPBitmap(IStream* Stream, bool UseEmbeddedColorManagement) {
  lastResult = UseEmbeddedColorManagement ? GdipCreateBitmapFromStreamICM(Stream, &nativeImage)
                                          : GdipCreateBitmapFromStream(Stream, &nativeImage);
}

TGPBitmap::TGPBitmap(Integer Width, Integer Height, int32_t Format) {
  lastResult = GdipCreateBitmapFromScan0(Width, Height, 0, Format, nullptr, &nativeImage);
}

Status TGPBitmap::GetPixel(Integer X, Integer Y, ARGB& Color) {
  return SetStatus(GdipBitmapGetPixel(nativeImage, X, Y, &Color));
}

Status TGPBitmap::SetPixel(Integer X, Integer Y, ARGB Color) {
  return SetStatus(GdipBitmapSetPixel(nativeImage, X, Y, Color));
}

Status TGPBitmap::GetHBITMAP(ARGB ColorBackground, HBITMAP& HbmReturn) {
  return SetStatus(GdipCreateHBITMAPFromBitmap(nativeImage, &HbmReturn, ColorBackground));
}

// Image attributes

TGPImageAttributes::TGPImageAttributes() {
  lastResult = GdipCreateImageAttributes(&nativeImageAttr);
}

TGPImageAttributes::~TGPImageAttributes() {
  if (nativeImageAttr) GdipDisposeImageAttributes(nativeImageAttr);
}

Status TGPImageAttributes::SetStatus(Status S) {
  if (S != Ok) lastResult = S;
  return S;
}

Status TGPImageAttributes::GetLastStatus() {
  const Status S = lastResult;
  lastResult = Ok;
  return S;
}

TGPImageAttributes* TGPImageAttributes::Clone() {
  GpImageAttributes* Cloned = nullptr;
  SetStatus(GdipCloneImageAttributes(nativeImageAttr, &Cloned));
  return new TGPImageAttributes(Cloned, lastResult);
}

Status TGPImageAttributes::SetToIdentity(ColorAdjustType Type) {
  return SetStatus(GdipSetImageAttributesToIdentity(nativeImageAttr, Type));
}

Status TGPImageAttributes::Reset(ColorAdjustType Type) {
  return SetStatus(GdipResetImageAttributes(nativeImageAttr, Type));
}

Status TGPImageAttributes::SetColorMatrix(const TColorMatrix& ColorMatrix, ColorMatrixFlags Mode,
                                          ColorAdjustType Type) {
  return SetStatus(
      GdipSetImageAttributesColorMatrix(nativeImageAttr, Type, TRUE, &ColorMatrix, nullptr, Mode));
}

Status TGPImageAttributes::ClearColorMatrix(ColorAdjustType Type) {
  return SetStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, Type, FALSE, nullptr,
                                                     nullptr, ColorMatrixFlagsDefault));
}

Status TGPImageAttributes::SetColorMatrices(const TColorMatrix& ColorMatrix,
                                            const TColorMatrix& GrayMatrix,
                                            ColorMatrixFlags Mode, ColorAdjustType Type) {
  return SetStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, Type, TRUE, &ColorMatrix,
                                                     &GrayMatrix, Mode));
}

Status TGPImageAttributes::ClearColorMatrices(ColorAdjustType Type) {
  return SetStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, Type, FALSE, nullptr,
                                                     nullptr, ColorMatrixFlagsDefault));
}

Status TGPImageAttributes::SetThreshold(float Threshold, ColorAdjustType Type) {
  return SetStatus(GdipSetImageAttributesThreshold(nativeImageAttr, Type, TRUE, Threshold));
}

Status TGPImageAttributes::ClearThreshold(ColorAdjustType Type) {
  return SetStatus(GdipSetImageAttributesThreshold(nativeImageAttr, Type, FALSE, 0.0f));
}

Status TGPImageAttributes::SetGamma(float Gamma, ColorAdjustType Type) {
  return SetStatus(GdipSetImageAttributesGamma(nativeImageAttr, Type, TRUE, Gamma));
}

Status TGPImageAttributes::ClearGamma(ColorAdjustType Type) {
  return SetStatus(GdipSetImageAttributesGamma(nativeImageAttr, Type, FALSE, 0.0f));
}

Status TGPImageAttributes::SetNoOp(ColorAdjustType Type) {
  return SetStatus(GdipSetImageAttributesNoOp(nativeImageAttr, Type, TRUE));
}

Status TGPImageAttributes::ClearNoOp(ColorAdjustType Type) {
  return SetStatus(GdipSetImageAttributesNoOp(nativeImageAttr, Type, FALSE));
}

Status TGPImageAttributes::SetColorKey(ARGB ColorLow, ARGB ColorHigh, ColorAdjustType Type) {
  return SetStatus(
      GdipSetImageAttributesColorKeys(nativeImageAttr, Type, TRUE, ColorLow, ColorHigh));
}

Status TGPImageAttributes::ClearColorKey(ColorAdjustType Type) {
  return SetStatus(GdipSetImageAttributesColorKeys(nativeImageAttr, Type, FALSE, 0, 0));
}

Status TGPImageAttributes::SetOutputChannel(ColorChannelFlags ChannelFlags, ColorAdjustType Type) {
  return SetStatus(
      GdipSetImageAttributesOutputChannel(nativeImageAttr, Type, TRUE, ChannelFlags));
}

Status TGPImageAttributes::ClearOutputChannel(ColorAdjustType Type) {
  return SetStatus(
      GdipSetImageAttributesOutputChannel(nativeImageAttr, Type, FALSE, ColorChannelFlagsLast));
}

Status TGPImageAttributes::SetOutputChannelColorProfile(const String& ColorProfileFilename,
                                                        ColorAdjustType Type) {
  return SetStatus(GdipSetImageAttributesOutputChannelColorProfile(nativeImageAttr, Type, TRUE,
                                                                   ColorProfileFilename.c_str()));
}

Status TGPImageAttributes::ClearOutputChannelColorProfile(ColorAdjustType Type) {
  return SetStatus(
      GdipSetImageAttributesOutputChannelColorProfile(nativeImageAttr, Type, FALSE, nullptr));
}

Status TGPImageAttributes::SetRemapTable(UINT MapSize, const TColorMap* Map,
                                         ColorAdjustType Type) {
  return SetStatus(GdipSetImageAttributesRemapTable(nativeImageAttr, Type, TRUE, MapSize, Map));
}

Status TGPImageAttributes::ClearRemapTable(ColorAdjustType Type) {
  return SetStatus(GdipSetImageAttributesRemapTable(nativeImageAttr, Type, FALSE, 0, nullptr));
}

Status TGPImageAttributes::SetBrushRemapTable(UINT MapSize, const TColorMap* Map) {
  return SetRemapTable(MapSize, Map, ColorAdjustTypeBrush);
}

Status TGPImageAttributes::ClearBrushRemapTable() { return ClearRemapTable(ColorAdjustTypeBrush); }

Status TGPImageAttributes::SetWrapMode(WrapMode Wrap, ARGB Color, bool Clamp) {
  return SetStatus(GdipSetImageAttributesWrapMode(nativeImageAttr, Wrap, Color, Clamp));
}

Status TGPImageAttributes::GetAdjustedPalette(TColorPalette* ColorPalette, ColorAdjustType Type) {
  return SetStatus(GdipGetImageAttributesAdjustedPalette(nativeImageAttr, ColorPalette, Type));
}

}  // namespace jorv::foundation
