#include "foundation/ImageBytes.h"

#include <objbase.h>
#include "foundation/GDIPlusGraphics.h"
#include "foundation/GDIPlusImage.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Metafile.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::foundation {

IStream* ImageBytesStream(const void* Data, size_t Size) {
  HGLOBAL Block = GlobalAlloc(GMEM_MOVEABLE, Size);
  if (!Block) throw Exception(L"Could not allocate memory for image");
  IStream* Stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(Block, TRUE, &Stream)) || !Stream) {
    GlobalFree(Block);
    return nullptr;
  }
  ULONG Written = 0;
  Stream->Write(Data, static_cast<ULONG>(Size), &Written);
  if (Written != Size) {
    Stream->Release();
    return nullptr;
  }
  // GDI+ reads from where the stream stands.
  LARGE_INTEGER Start{};
  Stream->Seek(Start, STREAM_SEEK_SET, nullptr);
  return Stream;
}

void TDecodedImage::TReleaseStream::operator()(IStream* Stream) const { Stream->Release(); }

TDecodedImage::TDecodedImage(const void* Data, size_t Size)
    : FData(Data),
      FSize(Size),
      FStream(Size && MetafileRecordsFit(static_cast<const Byte*>(Data), Size) ? ImageBytesStream(Data, Size)
                                                                               : nullptr) {
  if (FStream) FImage = std::make_unique<TGPImage>(FStream.get());
}

TDecodedImage::~TDecodedImage() = default;

Integer TDecodedImage::Width() const { return FImage ? static_cast<Integer>(FImage->GetWidth()) : 0; }

Integer TDecodedImage::Height() const { return FImage ? static_cast<Integer>(FImage->GetHeight()) : 0; }

void TDecodedImage::Draw(TCanvas* ACanvas, const TRect& Rect, bool TransparentBitmap) const {
  if (!FImage) return;
  if (TransparentBitmap && FImage->GetFormat() == ifBMP) {
    TBitmap Bitmap;
    Bitmap.LoadFromBytes(static_cast<const Byte*>(FData), FSize);
    Bitmap.SetTransparentMode(tmAuto);
    Bitmap.SetTransparent(true);
    ACanvas->StretchDraw(Rect, &Bitmap);
    return;
  }
  TGPGraphics Graphics(ACanvas->Handle());
  Graphics.DrawImageRect(FImage.get(), Rect.Left, Rect.Top, Rect.Right - Rect.Left, Rect.Bottom - Rect.Top);
}

std::unique_ptr<TMemoryStream> ReadImageFile(const String& FileName) {
  auto Bytes = std::make_unique<TMemoryStream>();
  try {
    Bytes->LoadFromFile(FileName);
  } catch (...) {
    // Whatever the reason (no file, no access, no memory for it), the
    // picture stays as it was and its caller goes on.
    return nullptr;
  }
  return Bytes;
}

void LoadImageResource(TGraphic& Picture, HINSTANCE Instance, const String& ResName) {
  if (!FindResourceW(Instance, ResName.c_str(), RT_RCDATA)) return;
  TResourceStream Stream(Instance, ResName, RT_RCDATA);
  Picture.LoadFromStream(&Stream);
}

void LoadImageResource(TGraphic& Picture, HINSTANCE Instance, Integer ResID) {
  TResourceStream Stream(Instance, ResID, RT_RCDATA);
  Picture.LoadFromStream(&Stream);
}

TImageAddress SplitImageAddress(const String& URL, String& Rest) {
  const String Upper = UpperCase(URL);
  if (Pos(L"RES://", Upper) == 1) {
    Rest = URL.substr(6);
    return iaResource;
  }
  if (Pos(L"FILE://", Upper) == 1) {
    Rest = URL.substr(7);
    return iaFile;
  }
  Rest.clear();
  return iaOther;
}

}  // namespace jorv::foundation
