#include "foundation/HTMLPicture.h"

#include <objbase.h>
#include "foundation/ImageBytes.h"
#include "foundation/GDIPlusGraphics.h"
#include "foundation/GDIPlusImage.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::foundation {

namespace {

// A graphic control extension with four bytes of data and its terminator,
// followed at once by an image descriptor.
bool IsFrameMarker(const Byte* B, size_t N, size_t P) {
  return P + 9 < N && B[P] == 0x21 && B[P + 1] == 0xF9 && B[P + 2] == 0x04 && B[P + 8] == 0x2C;
}

// Little-endian word at P; bytes past the end count as 0.
Word WordAt(const Byte* B, size_t N, size_t P) {
  const Word Lo = P < N ? B[P] : 0;
  const Word Hi = P + 1 < N ? B[P + 1] : 0;
  return static_cast<Word>(Lo | (Hi << 8));
}

}  // namespace

THTMLPicture::THTMLPicture() : FDatastream(std::make_unique<TMemoryStream>()) {}

THTMLPicture::~THTMLPicture() = default;

bool THTMLPicture::IsGIF() const {
  const auto* B = static_cast<const Byte*>(FDatastream->Memory());
  return FDatastream->Size() > 4 && B[0] == 'G' && B[1] == 'I' && B[2] == 'F' && B[3] == '8';
}

std::vector<size_t> THTMLPicture::FrameMarkers() const {
  std::vector<size_t> Markers;
  const auto* B = static_cast<const Byte*>(FDatastream->Memory());
  const size_t N = static_cast<size_t>(FDatastream->Size());
  for (size_t P = 0; P < N; ++P)
    if (IsFrameMarker(B, N, P)) Markers.push_back(P);
  return Markers;
}

Integer THTMLPicture::FrameCount() {
  if (FFrameCount != -1) return FFrameCount;
  if (!IsGIF()) return -1;
  FFrameCount = static_cast<Integer>(FrameMarkers().size());
  return FFrameCount;
}

Integer THTMLPicture::GetFrameTime(Integer i) const {
  if (!IsGIF() || i < 1) return -1;
  const std::vector<size_t> Markers = FrameMarkers();
  if (Markers.size() < static_cast<size_t>(i)) return -1;
  const auto* B = static_cast<const Byte*>(FDatastream->Memory());
  return WordAt(B, static_cast<size_t>(FDatastream->Size()), Markers[i - 1] + 4);
}

TBytes THTMLPicture::FrameBytes(Integer K, Word& X, Word& Y) {
  const auto* B = static_cast<const Byte*>(FDatastream->Memory());
  const size_t N = static_cast<size_t>(FDatastream->Size());
  X = 0;
  Y = 0;
  if (!IsGIF() || FrameCount() < 1) return TBytes(B, B + N);
  // Everything before frame 1, then everything from frame K on, so that
  // the first image a decoder meets is frame K.
  TBytes Out;
  Out.reserve(N);
  Integer C = 0;
  bool Skip = false;
  for (size_t P = 0; P < N; ++P) {
    if (IsFrameMarker(B, N, P)) {
      ++C;
      if (C == K) {
        X = WordAt(B, N, P + 9);
        Y = WordAt(B, N, P + 11);
      }
      Skip = K > C;
    }
    if (!Skip) Out.push_back(B[P]);
  }
  return Out;
}

void THTMLPicture::LoadPicture() {
  if (FDatastream->Size() == 0) return;
  FWidth = 0;
  FHeight = 0;
  Word X = 0, Y = 0;
  const TBytes Bytes = FrameBytes(FFrame, X, Y);
  FFrameXPos = X;
  FFrameYPos = Y;
  // Nothing of an image left (a frame past the last) measures 0 x 0.
  const TDecodedImage Decoded(Bytes.data(), Bytes.size());
  FWidth = Decoded.Width();
  FHeight = Decoded.Height();
}

void THTMLPicture::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (FIsEmpty || FDatastream->Size() == 0) return;
  // The frame the engine expects at (FrameXPos, FrameYPos), not always the
  // file's first image.
  Word X = 0, Y = 0;
  const TBytes Bytes = FrameBytes(FFrame, X, Y);
  TDecodedImage(Bytes.data(), Bytes.size()).Draw(ACanvas, Rect, true);
}

void THTMLPicture::TakeBytes(TStream* Stream) {
  FDatastream->LoadFromStream(Stream);
  FIsEmpty = false;
  // New bytes are counted afresh: a count kept from other bytes would
  // animate frames that are not there.
  FFrameCount = -1;
  LoadPicture();
}

void THTMLPicture::LoadFromStream(TStream* Stream) {
  if (!Stream) return;
  TakeBytes(Stream);
  Changed(this);
}

void THTMLPicture::ReadData(TStream* Stream) {
  if (!Stream) return;
  TakeBytes(Stream);
}

void THTMLPicture::SaveToStream(TStream* Stream) {
  if (!Stream) return;
  FDatastream->SaveToStream(Stream);
}

void THTMLPicture::WriteData(TStream* Stream) { SaveToStream(Stream); }

void THTMLPicture::LoadFromFile(const String& FileName) {
  std::unique_ptr<TMemoryStream> Bytes = ReadImageFile(FileName);
  if (!Bytes) {
    FIsEmpty = true;
    return;
  }
  try {
    TakeBytes(Bytes.get());
  } catch (...) {
    // Bytes that cannot be decoded leave the picture empty, as an
    // unreadable file does, and no one is told of a change.
    FIsEmpty = true;
    return;
  }
  Changed(this);
}

void THTMLPicture::LoadFromResourceName(HINSTANCE Instance, const String& ResName) {
  LoadImageResource(*this, Instance, ResName);
}

void THTMLPicture::LoadFromResourceID(HINSTANCE Instance, Integer ResID) {
  LoadImageResource(*this, Instance, ResID);
}

void THTMLPicture::LoadFromURL(const String& url) {
  String Rest;
  const TImageAddress Address = SplitImageAddress(url, Rest);
  if (Address == iaResource) {
    FID = url;
    if (!Rest.empty()) LoadFromResourceName(GetModuleHandleW(nullptr), Rest);
  } else if (Address == iaFile) {
    FID = url;
    if (!Rest.empty()) LoadFromFile(Rest);
  } else if (!FAsynch) {
    FURL = url;
    FID = url;
  } else if (!FThreadBusy) {
    // Web addresses are not fetched. A download that never ends would keep
    // the picture empty and Busy for good and swallow every later address,
    // so the attempt ends here, reported as a download that failed.
    FURL = url;
    if (OnDownLoadError) OnDownLoadError(this, L"Cannot download " + url);
  }
}

void THTMLPicture::SetFrame(Integer Value) {
  FFrame = Value;
  if (FDatastream->Size() == 0) return;
  LoadPicture();
  if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext() { FFrame = FFrame < FFrameCount ? FFrame + 1 : 1; }

void THTMLPicture::FramePrev() { FFrame = FFrame < 2 ? FFrameCount : FFrame - 1; }

bool THTMLPicture::Step() {
  if (FFrameCount < 2 || FIsEmpty) return false;
  if (FNextCount == -1) FNextCount = GetFrameTime(FFrame);
  bool Moved = false;
  if (10 * FTimerCount >= FNextCount) {
    FrameNext();
    LoadPicture();
    FNextCount += GetFrameTime(FFrame);
    Moved = true;
  }
  ++FTimerCount;
  return Moved;
}

void THTMLPicture::Assign(TPersistent* Source) {
  if (Source == this) return;
  FIsEmpty = true;
  FFrameCount = -1;
  FNextCount = -1;
  FTimerCount = -1;
  SetFrame(1);
  if (auto* Picture = dynamic_cast<TPicture*>(Source); Picture && !Picture->Graphic())
    Source = nullptr;  // a picture holding nothing is an empty source
  if (!Source) {
    FDatastream->Clear();
    return;
  }
  if (auto* Other = dynamic_cast<THTMLPicture*>(Source)) {
    FStretched = Other->FStretched;
    FFrame = Other->FFrame;
    FID = Other->FID;
    FDatastream->LoadFromStream(Other->FDatastream.get());
    FIsEmpty = FDatastream->Size() == 0;
    LoadPicture();
    Changed(this);
  } else if (auto* Picture = dynamic_cast<TPicture*>(Source)) {
    TMemoryStream Temp;
    Picture->Graphic()->SaveToStream(&Temp);
    Temp.SetPosition(0);
    LoadFromStream(&Temp);
  }
}

// --- THTMLPictureCache -----------------------------------------------------

THTMLPictureCache::~THTMLPictureCache() { ClearPictures(); }

THTMLPicture* THTMLPictureCache::AddPicture() {
  auto* Picture = new THTMLPicture;
  Add(Picture);
  return Picture;
}

THTMLPicture* THTMLPictureCache::GetPicture(Integer Index) const {
  return static_cast<THTMLPicture*>(Get(Index));
}

void THTMLPictureCache::SetPicture(Integer Index, THTMLPicture* Value) {
  THTMLPicture* Old = GetPicture(Index);
  Put(Index, Value);
  if (Old != Value) delete Old;
}

TGraphic* THTMLPictureCache::FindPicture(const String& ID) const {
  for (Integer I = 0; I < Count(); ++I)
    if (THTMLPicture* Picture = GetPicture(I); Picture && Picture->ID() == ID) return Picture;
  return nullptr;
}

void THTMLPictureCache::ClearPictures() {
  for (Integer I = 0; I < Count(); ++I) delete GetPicture(I);
  Clear();
}

bool THTMLPictureCache::Animate() {
  bool Moved = false;
  for (Integer I = 0; I < Count(); ++I)
    if (THTMLPicture* Picture = GetPicture(I)) Moved = Picture->Step() || Moved;
  return Moved;
}

}  // namespace jorv::foundation
