#include "foundation/GDIPPicture.h"

#include <objbase.h>
#include "foundation/GDIPlusGraphics.h"
#include "foundation/GDIPlusImage.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Picture.h"
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

namespace {

// Keeps the COM stream alive as long as the image decoded from it: GDI+
// may read the stream lazily.
struct TStreamImage {
  explicit TStreamImage(IStream* AStream) : Stream{AStream}, Image(AStream) {}
  struct TRelease {
    IStream* S;
    ~TRelease() { S->Release(); }
  } Stream;
  TGPImage Image;
};

}  // namespace

TGDIPPicture::TGDIPPicture() : FDatastream(std::make_unique<TMemoryStream>()) {}

TGDIPPicture::~TGDIPPicture() = default;

IStream* TGDIPPicture::OpenBytes() {
  if (FIsEmpty || FDatastream->Size() == 0) return nullptr;
  return ImageBytesStream(FDatastream->Memory(), static_cast<size_t>(FDatastream->Size()));
}

bool TGDIPPicture::GetImageSizes() {
  IStream* Stream = OpenBytes();
  if (!Stream) return false;
  TStreamImage Decoded(Stream);
  FWidth = static_cast<Integer>(Decoded.Image.GetWidth());
  FHeight = static_cast<Integer>(Decoded.Image.GetHeight());
  return true;
}

void TGDIPPicture::Draw(TCanvas* ACanvas, const TRect& Rect) {
  IStream* Stream = OpenBytes();
  if (!Stream) return;
  TStreamImage Decoded(Stream);
  if (Decoded.Image.GetFormat() == ifBMP && FTransparentBitmap) {
    TBitmap Bitmap;
    Bitmap.LoadFromBytes(static_cast<const Byte*>(FDatastream->Memory()),
                         static_cast<size_t>(FDatastream->Size()));
    Bitmap.SetTransparentMode(tmAuto);
    Bitmap.SetTransparent(true);
    ACanvas->StretchDraw(Rect, &Bitmap);
    return;
  }
  FWidth = static_cast<Integer>(Decoded.Image.GetWidth());
  FHeight = static_cast<Integer>(Decoded.Image.GetHeight());
  TGPGraphics Graphics(ACanvas->Handle());
  Graphics.DrawImageRect(&Decoded.Image, Rect.Left, Rect.Top, Rect.Right - Rect.Left,
                         Rect.Bottom - Rect.Top);
}

void TGDIPPicture::DrawImage(TGPGraphics* Graphics, Integer X, Integer Y) {
  if (!Graphics) return;
  IStream* Stream = OpenBytes();
  if (!Stream) return;
  TStreamImage Decoded(Stream);
  Graphics->DrawImage(&Decoded.Image, X, Y);
}

void TGDIPPicture::DrawImageRect(TGPGraphics* Graphics, Integer X, Integer Y, Integer W,
                                 Integer H) {
  if (!Graphics) return;
  IStream* Stream = OpenBytes();
  if (!Stream) return;
  TStreamImage Decoded(Stream);
  Graphics->DrawImageRect(&Decoded.Image, X, Y, W, H);
}

void TGDIPPicture::TakeBytes(TStream* Stream) {
  FDatastream->LoadFromStream(Stream);
  FIsEmpty = false;
}

void TGDIPPicture::LoadFromStream(TStream* Stream) {
  if (!Stream) return;
  TakeBytes(Stream);
  GetImageSizes();
  Changed(this);
}

void TGDIPPicture::ReadData(TStream* Stream) {
  if (!Stream) return;
  TakeBytes(Stream);
}

void TGDIPPicture::SaveToStream(TStream* Stream) {
  if (!Stream) return;
  FDatastream->SaveToStream(Stream);
}

void TGDIPPicture::WriteData(TStream* Stream) { SaveToStream(Stream); }

void TGDIPPicture::LoadFromFile(const String& FileName) {
  try {
    // Read aside first, so that a file that cannot be read leaves the
    // bytes held so far as they were.
    auto Bytes = std::make_unique<TMemoryStream>();
    Bytes->LoadFromFile(FileName);
    FDatastream = std::move(Bytes);
    FIsEmpty = false;
    FFileName = FileName;
  } catch (...) {
    FIsEmpty = true;
    return;
  }
  if (OnClear) OnClear(this);
  try {
    GetImageSizes();
  } catch (...) {
    FIsEmpty = true;
    return;
  }
  Changed(this);
}

void TGDIPPicture::LoadFromResourceName(HINSTANCE Instance, const String& ResName) {
  if (!FindResourceW(Instance, ResName.c_str(), RT_RCDATA)) return;
  TResourceStream Stream(Instance, ResName, RT_RCDATA);
  LoadFromStream(&Stream);
}

void TGDIPPicture::LoadFromResourceID(HINSTANCE Instance, Integer ResID) {
  TResourceStream Stream(Instance, ResID, RT_RCDATA);
  LoadFromStream(&Stream);
}

void TGDIPPicture::LoadFromURL(const String& URL) {
  const String Upper = UpperCase(URL);
  if (Pos(L"RES://", Upper) == 1) {
    if (URL.size() > 6) LoadFromResourceName(GetModuleHandleW(nullptr), URL.substr(6));
  } else if (Pos(L"FILE://", Upper) == 1) {
    if (URL.size() > 7) LoadFromFile(URL.substr(7));
  }
}

void TGDIPPicture::Cleared() {
  Changed(this);
  if (OnClear) OnClear(this);
}

void TGDIPPicture::AssignGraphic(TGraphic* Source) {
  TMemoryStream Temp;
  Source->SaveToStream(&Temp);
  FDatastream->LoadFromStream(&Temp);
  // A graphic that wrote nothing leaves nothing to show.
  FIsEmpty = FDatastream->Size() == 0;
  Changed(this);
}

void TGDIPPicture::Assign(TPersistent* Source) {
  if (Source == this) return;
  FIsEmpty = true;
  if (auto* Picture = dynamic_cast<TPicture*>(Source); Picture && !Picture->Graphic())
    Source = nullptr;  // a picture holding nothing is an empty source
  if (!Source) {
    FDatastream->Clear();
    Cleared();
    return;
  }
  if (auto* Other = dynamic_cast<TGDIPPicture*>(Source)) {
    FDatastream->LoadFromStream(Other->FDatastream.get());
    FIsEmpty = FDatastream->Size() == 0;
    Changed(this);
  } else if (auto* Picture = dynamic_cast<TPicture*>(Source)) {
    AssignGraphic(Picture->Graphic());
  } else if (auto* Graphic = dynamic_cast<TGraphic*>(Source)) {
    AssignGraphic(Graphic);
  }
  // Measured last: an OnChange handler still sees the size before.
  GetImageSizes();
}

}  // namespace jorv::foundation
