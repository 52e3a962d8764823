#include "foundation/GDIPPicture.h"

#include <objbase.h>
#include "foundation/GDIPlusGraphics.h"
#include "foundation/GDIPlusImage.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::foundation {

TGDIPPicture::TGDIPPicture() : FDatastream(std::make_unique<TMemoryStream>()) {}

TGDIPPicture::~TGDIPPicture() = default;

TDecodedImage TGDIPPicture::Decode() const {
  const size_t Size = FIsEmpty ? 0 : static_cast<size_t>(FDatastream->Size());
  return TDecodedImage(FDatastream->Memory(), Size);
}

bool TGDIPPicture::GetImageSizes() {
  const TDecodedImage Decoded = Decode();
  if (!Decoded.Handed()) return false;
  FWidth = Decoded.Width();
  FHeight = Decoded.Height();
  return true;
}

void TGDIPPicture::Draw(TCanvas* ACanvas, const TRect& Rect) {
  const TDecodedImage Decoded = Decode();
  if (!Decoded.Handed()) return;
  // Drawing measures too, except for a bitmap drawn with its transparency.
  if (!FTransparentBitmap || Decoded.Image()->GetFormat() != ifBMP) {
    FWidth = Decoded.Width();
    FHeight = Decoded.Height();
  }
  Decoded.Draw(ACanvas, Rect, FTransparentBitmap);
}

void TGDIPPicture::DrawImage(TGPGraphics* Graphics, Integer X, Integer Y) {
  if (!Graphics) return;
  const TDecodedImage Decoded = Decode();
  if (Decoded.Handed()) Graphics->DrawImage(Decoded.Image(), X, Y);
}

void TGDIPPicture::DrawImageRect(TGPGraphics* Graphics, Integer X, Integer Y, Integer W,
                                 Integer H) {
  if (!Graphics) return;
  const TDecodedImage Decoded = Decode();
  if (Decoded.Handed()) Graphics->DrawImageRect(Decoded.Image(), X, Y, W, H);
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
  std::unique_ptr<TMemoryStream> Bytes = ReadImageFile(FileName);
  if (!Bytes) {
    FIsEmpty = true;
    return;
  }
  FDatastream = std::move(Bytes);
  FIsEmpty = false;
  FFileName = FileName;
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
  LoadImageResource(*this, Instance, ResName);
}

void TGDIPPicture::LoadFromResourceID(HINSTANCE Instance, Integer ResID) {
  LoadImageResource(*this, Instance, ResID);
}

void TGDIPPicture::LoadFromURL(const String& URL) {
  String Rest;
  const TImageAddress Address = SplitImageAddress(URL, Rest);
  if (Rest.empty()) return;
  if (Address == iaResource)
    LoadFromResourceName(GetModuleHandleW(nullptr), Rest);
  else if (Address == iaFile)
    LoadFromFile(Rest);
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
