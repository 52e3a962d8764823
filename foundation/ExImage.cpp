#include "foundation/ExImage.h"

#include <olectl.h>
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Metafile.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Image.h"

namespace jorv::foundation {

TExImage::TExImage() : FDatastream(std::make_unique<TMemoryStream>()) {}

TExImage::~TExImage() { ReleasePicture(); }

void TExImage::ReleasePicture() {
  if (gpPicture) gpPicture->Release();
  gpPicture = nullptr;
}

void TExImage::LoadPicture() {
  const SIZE_T Size = static_cast<SIZE_T>(FDatastream->Size());
  HGLOBAL Block = GlobalAlloc(GMEM_MOVEABLE, Size);
  if (!Block) throw Exception(L"Could not allocate memory for image");
  if (Size > 0) {
    void* Data = GlobalLock(Block);
    if (!Data) {
      GlobalFree(Block);
      throw Exception(L"Could not allocate memory for image");
    }
    FDatastream->SetPosition(0);
    FDatastream->ReadBuffer(Data, static_cast<Integer>(Size));
    const bool Playable = MetafileRecordsFit(static_cast<const Byte*>(Data), Size);
    GlobalUnlock(Block);
    if (!Playable) {
      GlobalFree(Block);
      throw Exception(L"Could not load image. Invalid format");
    }
  }
  IStream* Stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(Block, TRUE, &Stream))) {
    GlobalFree(Block);
    throw Exception(L"Could not create image stream");
  }
  if (!Stream) {
    GlobalFree(Block);
    throw Exception(L"Empty image stream created");
  }
  ReleasePicture();
  HRESULT Result = OleLoadPicture(Stream, static_cast<LONG>(Size), FALSE, IID_IPicture,
                                  reinterpret_cast<void**>(&gpPicture));
  Stream->Release();
  if (FAILED(Result)) {
    gpPicture = nullptr;
    throw Exception(L"Could not load image. Invalid format");
  }
  if (!gpPicture) throw Exception(L"Could not load image");
}

Integer TExImage::GetWidth() const {
  OLE_XSIZE_HIMETRIC W = 0;
  if (!gpPicture || FAILED(gpPicture->get_Width(&W))) return 0;
  return MulDiv(W, FLogPixX, 2540);
}

Integer TExImage::GetHeight() const {
  OLE_YSIZE_HIMETRIC H = 0;
  if (!gpPicture || FAILED(gpPicture->get_Height(&H))) return 0;
  return MulDiv(H, fLogPixY, 2540);
}

void TExImage::SetSize(Integer, Integer) {}

void TExImage::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (FIsEmpty || !gpPicture) return;
  OLE_XSIZE_HIMETRIC HmWidth = 0;
  OLE_YSIZE_HIMETRIC HmHeight = 0;
  gpPicture->get_Width(&HmWidth);
  gpPicture->get_Height(&HmHeight);
  RECT Bounds{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
  // HIMETRIC runs bottom-up: the source is read from its top, so the
  // destination starts at the bottom-left corner and grows upwards.
  gpPicture->Render(ACanvas->Handle(), Rect.Left, Rect.Bottom, Rect.Right - Rect.Left,
                    -(Rect.Bottom - Rect.Top), 0, 0, HmWidth, HmHeight, &Bounds);
}

void TExImage::LoadBytes(TStream* Stream) {
  FDatastream->LoadFromStream(Stream);
  FIsEmpty = false;
  LoadPicture();
}

void TExImage::LoadFromStream(TStream* Stream) {
  if (!Stream) return;
  LoadBytes(Stream);
  Changed(this);
}

void TExImage::ReadData(TStream* Stream) {
  if (!Stream) return;
  LoadBytes(Stream);
}

void TExImage::LoadFromFile(const String& FileName) {
  {
    // Whatever failed, no half-loaded picture stays behind.
    auto Undo = ScopeExit([&] {
      FDatastream->Clear();
      ReleasePicture();
      FIsEmpty = true;
    });
    TFileStream File(FileName, fmOpenRead | fmShareDenyWrite);
    LoadBytes(&File);
    Undo.Dismiss();
  }
  Changed(this);
}

void TExImage::SaveToStream(TStream* Stream) {
  if (!Stream) return;
  FDatastream->SaveToStream(Stream);
}

void TExImage::WriteData(TStream* Stream) { SaveToStream(Stream); }

void TExImage::LoadFromResourceName(HINSTANCE Instance, const String& ResName) {
  TResourceStream Stream(Instance, ResName, RT_RCDATA);
  LoadFromStream(&Stream);
}

void TExImage::LoadFromResourceID(HINSTANCE Instance, Integer ResID) {
  TResourceStream Stream(Instance, ResID, RT_RCDATA);
  LoadFromStream(&Stream);
}

void TExImage::AssignGraphic(TGraphic* Source) {
  TMemoryStream Temp;
  Source->SaveToStream(&Temp);
  LoadBytes(&Temp);
}

void TExImage::AssignPicture(TPicture* Source) {
  // A picture without a graphic is an empty source.
  if (Source && Source->Graphic())
    AssignGraphic(Source->Graphic());
  else
    FDatastream->Clear();
}

void TExImage::Assign(TPersistent* Source) {
  if (Source == this) return;
  FIsEmpty = true;
  ReleasePicture();
  if (!Source) {
    FDatastream->Clear();
  } else if (auto* Image = dynamic_cast<TExImage*>(Source)) {
    if (!Image->Empty()) {
      LoadBytes(Image->FDatastream.get());
    } else {
      FDatastream->Clear();
    }
  } else if (auto* Control = dynamic_cast<TImage*>(Source)) {
    AssignPicture(Control->Picture());
  } else if (auto* Picture = dynamic_cast<TPicture*>(Source)) {
    AssignPicture(Picture);
  } else if (auto* Graphic = dynamic_cast<TGraphic*>(Source)) {
    AssignGraphic(Graphic);
  } else {
    return;
  }
  Changed(this);
}

}  // namespace jorv::foundation
