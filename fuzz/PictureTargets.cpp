// Targets that decode pictures: every loader that takes the format (the
// platform's own class, the picture that picks a class by the first bytes,
// and the foundation's GDI+, HTML and OLE pictures), each drawn once, and
// the GIF frame scanner of the HTML picture.
#include <memory>
#include "foundation/ExImage.h"
#include "foundation/GDIPPicture.h"
#include "foundation/HTMLPicture.h"
#include "fuzz/Fuzz.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Icon.h"
#include "platform/gfx/Metafile.h"
#include "platform/gfx/Picture.h"
#include "platform/gfx/WICImage.h"
#include "platform/rtl/Streams.h"

namespace jorv::fuzz {

namespace {

using namespace jorv::foundation;

TCanvas* DrawingCanvas() {
  static TBitmap* Bitmap = [] {
    auto* B = new TBitmap;
    B->SetPixelFormat(pf24bit);
    B->SetSize(96, 96);
    return B;
  }();
  return Bitmap->Canvas();
}

// Loads the bytes into a graphic of class G and draws it; the loader's
// own errors end only this loader.
template <class G>
void LoadAndDraw(const TInput& Input) {
  const jorv::TBytes Bytes(Input.begin(), Input.end());
  TBytesStream Stream(Bytes);
  G Graphic;
  try {
    Graphic.LoadFromStream(&Stream);
  } catch (const Exception& Error) {
    if (!dynamic_cast<const EInvalidGraphic*>(&Error) && !dynamic_cast<const EStreamError*>(&Error) &&
        !dynamic_cast<const EOutOfResources*>(&Error) && !dynamic_cast<const EOleError*>(&Error))
      throw;
    return;
  }
  DrawingCanvas()->StretchDraw(Rect(0, 0, 96, 96), &Graphic);
  DrawingCanvas()->Draw(3, 5, &Graphic);
}

void LoadPicture(const TInput& Input) {
  const jorv::TBytes Bytes(Input.begin(), Input.end());
  TBytesStream Stream(Bytes);
  TPicture Picture;
  try {
    Picture.LoadFromStream(&Stream);
  } catch (const EInvalidGraphic&) {
    return;
  }
  if (Picture.Graphic()) DrawingCanvas()->StretchDraw(Rect(0, 0, 50, 40), Picture.Graphic());
}

void LoadShared(const TInput& Input) {
  LoadPicture(Input);
  LoadAndDraw<TGDIPPicture>(Input);
  LoadAndDraw<THTMLPicture>(Input);
  LoadAndDraw<TExImage>(Input);
}

void RunBitmap(const TInput& Input) {
  LoadAndDraw<TBitmap>(Input);
  LoadShared(Input);
}
void RunIcon(const TInput& Input) {
  LoadAndDraw<TIcon>(Input);
  LoadShared(Input);
}
void RunPng(const TInput& Input) {
  LoadAndDraw<TPngImage>(Input);
  LoadShared(Input);
}
void RunJpeg(const TInput& Input) {
  LoadAndDraw<TJPEGImage>(Input);
  LoadShared(Input);
}
void RunGif(const TInput& Input) {
  LoadAndDraw<TGIFImage>(Input);
  LoadShared(Input);
}
void RunMetafile(const TInput& Input) {
  LoadAndDraw<TMetafile>(Input);
  LoadShared(Input);
}

void RunGifFrames(const TInput& Input) {
  const jorv::TBytes Bytes(Input.begin(), Input.end());
  TBytesStream Stream(Bytes);
  THTMLPicture Picture;
  Picture.LoadFromStream(&Stream);
  const Integer Frames = Picture.FrameCount();
  for (Integer Frame = 1; Frame <= Frames + 1 && Frame <= 40; ++Frame) {
    Picture.SetFrame(Frame);
    DrawingCanvas()->StretchDraw(Rect(0, 0, 40, 40), &Picture);
  }
  for (Integer Tick = 0; Tick < 12; ++Tick) Picture.Step();
  Picture.FrameNext();
  Picture.FramePrev();
}

// Samples of the two metafile formats, drawn here: an enhanced one, and the
// same as a placeable Windows metafile.
std::vector<TInput> MetafileSeeds() {
  HDC Recorder = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
  Rectangle(Recorder, 1, 1, 40, 30);
  Ellipse(Recorder, 5, 5, 35, 25);
  TextOutW(Recorder, 2, 2, L"Jorv", 4);
  HENHMETAFILE Enhanced = CloseEnhMetaFile(Recorder);
  std::vector<TInput> Seeds;
  TInput Emf(GetEnhMetaFileBits(Enhanced, 0, nullptr), '\0');
  GetEnhMetaFileBits(Enhanced, static_cast<UINT>(Emf.size()), reinterpret_cast<BYTE*>(Emf.data()));
  Seeds.push_back(Emf);
  HDC Screen = GetDC(nullptr);
  TInput Wmf(GetWinMetaFileBits(Enhanced, 0, nullptr, MM_ANISOTROPIC, Screen), '\0');
  GetWinMetaFileBits(Enhanced, static_cast<UINT>(Wmf.size()), reinterpret_cast<BYTE*>(Wmf.data()), MM_ANISOTROPIC,
                     Screen);
  ReleaseDC(nullptr, Screen);
  DeleteEnhMetaFile(Enhanced);
  // The placeable header: key, no handle, bounds, 1440 units an inch, and
  // the XOR of its first ten words.
  uint16_t Header[11] = {0xCDD7, 0x9AC6, 0, 0, 0, 40, 30, 1440, 0, 0, 0};
  for (int K = 0; K < 10; ++K) Header[10] ^= Header[K];
  Seeds.push_back(TInput(reinterpret_cast<const char*>(Header), sizeof Header) + Wmf);
  return Seeds;
}

}  // namespace

void AddPictureTargets(std::vector<TFuzzTarget>& List) {
  const size_t First = List.size();
  List.push_back({"bmp", "bmp", RunBitmap, {"BM", "\x28", "\x7C"}});
  List.push_back({"ico", "ico", RunIcon, {"\x89PNG", "\x28"}});
  List.push_back({"png", "png", RunPng, {"IHDR", "IDAT", "IEND", "PLTE", "tRNS", "acTL", "\xFF\xFF\xFF\x7F"}});
  List.push_back({"jpeg", "jpeg", RunJpeg, {"\xFF\xD8", "\xFF\xC0", "\xFF\xC4", "\xFF\xDA", "\xFF\xD9", "\xFF\xDB"}});
  List.push_back({"gif", "gif", RunGif, {"GIF89a", "GIF87a", "!\xF9\x04", ",", ";", "!\xFF\x0BNETSCAPE2.0"}});
  TFuzzTarget Metafile{"metafile", "metafile", RunMetafile, {"\x01\x00\x00\x00", " EMF", "\xD7\xCD\xC6\x9A"}};
  Metafile.MakeSeeds = MetafileSeeds;
  List.push_back(Metafile);
  List.push_back({"gif-frames", "gif", RunGifFrames, {"!\xF9\x04", ",", ";", "\x00\x3B"}});
  for (size_t K = First; K < List.size(); ++K) List[K].SystemDecoders = true;
}

}  // namespace jorv::fuzz
