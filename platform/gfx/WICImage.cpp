#include <initguid.h>
#include "platform/gfx/WICImage.h"

#include <wincodec.h>
#include <algorithm>
#include <cstring>
#include <vector>

namespace jorv {

namespace {

const wchar_t* const SInvalidImage = L"Image data is not valid";

// COM for the length of one operation; a thread that has it already keeps
// its own mode.
struct TComScope {
  HRESULT Hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ~TComScope() {
    if (SUCCEEDED(Hr)) CoUninitialize();
  }
};

template <class T>
struct TComPtr {
  T* P = nullptr;
  TComPtr() = default;
  TComPtr(const TComPtr&) = delete;
  TComPtr& operator=(const TComPtr&) = delete;
  ~TComPtr() {
    if (P) P->Release();
  }
  T** operator&() { return &P; }
  T* operator->() const { return P; }
  operator T*() const { return P; }
};

void Check(HRESULT hr, const wchar_t* message) {
  if (FAILED(hr)) throw EInvalidGraphic(message);
}

IWICImagingFactory* Factory() {
  IWICImagingFactory* f = nullptr;
  HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(&f));
  if (FAILED(hr)) throw EInvalidGraphicOperation(L"The imaging codecs are not available");
  return f;
}

const GUID* ContainerOf(TWICImageFormat f) {
  switch (f) {
    case wifBmp: return &GUID_ContainerFormatBmp;
    case wifPng: return &GUID_ContainerFormatPng;
    case wifJpeg: return &GUID_ContainerFormatJpeg;
    case wifGif: return &GUID_ContainerFormatGif;
    case wifTiff: return &GUID_ContainerFormatTiff;
    case wifWMPhoto: return &GUID_ContainerFormatWmp;
    default: return nullptr;
  }
}

TWICImageFormat FormatOf(const GUID& g) {
  for (TWICImageFormat f : {wifBmp, wifPng, wifJpeg, wifGif, wifTiff, wifWMPhoto})
    if (IsEqualGUID(g, *ContainerOf(f))) return f;
  return wifOther;
}

// The image's own colours when they fit an indexed palette (one entry
// kept for see-through pixels), else empty.
std::vector<WICColor> ExactPalette(TBitmap& px) {
  std::vector<WICColor> colors;
  bool transparent = false;
  for (Integer y = 0; y < px.Height(); ++y) {
    const Byte* p = static_cast<const Byte*>(px.ScanLine(y));
    for (Integer x = 0; x < px.Width(); ++x, p += 4) {
      if (p[3] < 128) {
        transparent = true;
        continue;
      }
      WICColor c = 0xFF000000u | p[2] << 16 | p[1] << 8 | p[0];
      if (std::find(colors.begin(), colors.end(), c) == colors.end()) {
        if (colors.size() == 256) return {};
        colors.push_back(c);
      }
    }
  }
  if (transparent) {
    if (colors.size() == 256) return {};
    colors.push_back(0);
  }
  return colors;
}

}  // namespace

TWICImage::TWICImage() {
  FPixels.SetPixelFormat(pf32bit);
  FPixels.OnChange = [this](TObject*) { PixelsChanged(); };
}

TWICImage::~TWICImage() = default;

void TWICImage::PixelsChanged() {
  FDrawCache.reset();
  Changed(this);
}

String TWICImage::DefaultExtension() const {
  static const wchar_t* const ext[] = {L"bmp", L"png", L"jpg", L"gif", L"tif", L"wdp", L""};
  return ext[FImageFormat];
}

void TWICImage::SetImageFormat(TWICImageFormat Value) {
  if (FFixedFormat || Value == wifOther) return;
  FImageFormat = Value;
}

void TWICImage::SetCompressionQuality(Integer Value) {
  FCompressionQuality = Value < 1 ? 1 : Value > 100 ? 100 : Value;
}

bool TWICImage::HasAlpha() const {
  auto& px = const_cast<TBitmap&>(FPixels);
  for (Integer y = 0; y < px.Height(); ++y) {
    const Byte* p = static_cast<const Byte*>(px.ScanLine(y));
    for (Integer x = 0; x < px.Width(); ++x)
      if (p[x * 4 + 3] != 255) return true;
  }
  return false;
}

void TWICImage::SetSize(Integer AWidth, Integer AHeight) { FPixels.SetSize(AWidth, AHeight); }

void TWICImage::LoadFromBytes(const Byte* Data, size_t Size) {
  if (Size == 0 || Size > 0x7FFFFFFF) throw EInvalidGraphic(SInvalidImage);
  TComScope com;
  TComPtr<IWICImagingFactory> factory;
  factory.P = Factory();
  TComPtr<IWICStream> stream;
  Check(factory->CreateStream(&stream), SInvalidImage);
  Check(stream->InitializeFromMemory(const_cast<Byte*>(Data), DWORD(Size)), SInvalidImage);
  TComPtr<IWICBitmapDecoder> decoder;
  Check(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder),
        SInvalidImage);
  GUID container{};
  Check(decoder->GetContainerFormat(&container), SInvalidImage);
  TWICImageFormat format = FormatOf(container);
  if (FFixedFormat && format != FImageFormat) throw EInvalidGraphic(SInvalidImage);
  TComPtr<IWICBitmapFrameDecode> frame;
  Check(decoder->GetFrame(0, &frame), SInvalidImage);
  TComPtr<IWICBitmapSource> bgra;
  Check(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame, &bgra), SInvalidImage);
  UINT w = 0, h = 0;
  Check(bgra->GetSize(&w, &h), SInvalidImage);
  if (w == 0 || h == 0 || w > 0x8000 || h > 0x8000) throw EInvalidGraphic(SInvalidImage);
  // Decode into a separate bitmap so a failure keeps the current picture.
  TBitmap fresh;
  fresh.SetPixelFormat(pf32bit);
  fresh.SetSize(Integer(w), Integer(h));
  const UINT stride = w * 4;
  for (UINT y = 0; y < h; ++y) {
    WICRect row{0, INT(y), INT(w), 1};
    Check(bgra->CopyPixels(&row, stride, stride, static_cast<BYTE*>(fresh.ScanLine(Integer(y)))),
          SInvalidImage);
  }
  FPixels.OnChange = nullptr;
  FPixels.Assign(&fresh);
  FPixels.SetAlphaFormat(afDefined);
  FPixels.OnChange = [this](TObject*) { PixelsChanged(); };
  if (!FFixedFormat && format != wifOther) FImageFormat = format;
  PixelsChanged();
}

TBytes TWICImage::SaveToBytes() {
  if (Empty()) return TBytes();
  const GUID* container = ContainerOf(FImageFormat);
  if (!container) container = &GUID_ContainerFormatPng;
  TComScope com;
  TComPtr<IWICImagingFactory> factory;
  factory.P = Factory();
  const UINT w = UINT(Width()), h = UINT(Height()), stride = w * 4;
  // The codecs want the top row first.
  TBytes pixels(size_t(stride) * h, 0);
  for (UINT y = 0; y < h; ++y)
    std::memcpy(&pixels[size_t(y) * stride], FPixels.ScanLine(Integer(y)), stride);
  TComPtr<IWICBitmap> source;
  Check(factory->CreateBitmapFromMemory(w, h, GUID_WICPixelFormat32bppBGRA, stride,
                                        UINT(pixels.size()), pixels.data(), &source),
        L"Cannot encode the image");

  IStream* target = nullptr;
  Check(CreateStreamOnHGlobal(nullptr, TRUE, &target), L"Cannot encode the image");
  TComPtr<IStream> out;
  out.P = target;
  TComPtr<IWICBitmapEncoder> encoder;
  Check(factory->CreateEncoder(*container, nullptr, &encoder), L"Cannot encode the image");
  Check(encoder->Initialize(out, WICBitmapEncoderNoCache), L"Cannot encode the image");
  TComPtr<IWICBitmapFrameEncode> frame;
  TComPtr<IPropertyBag2> props;
  Check(encoder->CreateNewFrame(&frame, &props), L"Cannot encode the image");
  if (FImageFormat == wifJpeg && props) {
    PROPBAG2 option{};
    option.pstrName = const_cast<LPOLESTR>(L"ImageQuality");
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_R4;
    v.fltVal = FCompressionQuality / 100.0f;
    props->Write(1, &option, &v);
  }
  Check(frame->Initialize(props), L"Cannot encode the image");
  Check(frame->SetSize(w, h), L"Cannot encode the image");
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
  Check(frame->SetPixelFormat(&format), L"Cannot encode the image");
  TComPtr<IWICBitmapSource> converted;
  IWICBitmapSource* input = source;
  TComPtr<IWICPalette> palette;
  if (!IsEqualGUID(format, GUID_WICPixelFormat32bppBGRA)) {
    if (IsEqualGUID(format, GUID_WICPixelFormat8bppIndexed)) {
      // An indexed format needs a palette: take the image's own colours,
      // with a transparent entry when it has see-through pixels.
      Check(factory->CreatePalette(&palette), L"Cannot encode the image");
      std::vector<WICColor> colors = ExactPalette(FPixels);
      if (!colors.empty())
        Check(palette->InitializeCustom(colors.data(), UINT(colors.size())),
              L"Cannot encode the image");
      else
        Check(palette->InitializeFromBitmap(source, 256, HasAlpha()), L"Cannot encode the image");
      Check(frame->SetPalette(palette), L"Cannot encode the image");
      TComPtr<IWICFormatConverter> conv;
      Check(factory->CreateFormatConverter(&conv), L"Cannot encode the image");
      Check(conv->Initialize(source, format, WICBitmapDitherTypeNone, palette, 0.0,
                             WICBitmapPaletteTypeCustom),
            L"Cannot encode the image");
      converted.P = conv.P;
      conv.P = nullptr;
    } else {
      Check(WICConvertBitmapSource(format, source, &converted), L"Cannot encode the image");
    }
    input = converted;
  }
  Check(frame->WriteSource(input, nullptr), L"Cannot encode the image");
  Check(frame->Commit(), L"Cannot encode the image");
  Check(encoder->Commit(), L"Cannot encode the image");

  HGLOBAL mem = nullptr;
  Check(GetHGlobalFromStream(out, &mem), L"Cannot encode the image");
  STATSTG st{};
  out->Stat(&st, STATFLAG_NONAME);
  TBytes result(size_t(st.cbSize.QuadPart), 0);
  if (!result.empty()) {
    const void* p = GlobalLock(mem);
    std::memcpy(result.data(), p, result.size());
    GlobalUnlock(mem);
  }
  return result;
}

void TWICImage::LoadFromStream(TStream* Stream) {
  TBytes data = ReadStreamRest(Stream);
  LoadFromBytes(data.data(), data.size());
}

void TWICImage::SaveToStream(TStream* Stream) { WriteStreamBytes(Stream, SaveToBytes()); }

void TWICImage::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (Empty()) return;
  if (!FDrawCache) {
    FDrawCache = std::make_unique<TBitmap>();
    FDrawCache->Assign(&FPixels);
    FDrawCache->SetAlphaFormat(HasAlpha() ? afPremultiplied : afIgnored);
  }
  FDrawCache->Draw(ACanvas, Rect);
}

void TWICImage::Assign(TPersistent* Source) {
  if (auto* w = dynamic_cast<TWICImage*>(Source)) {
    if (w == this) return;
    if (FFixedFormat && w->FImageFormat != FImageFormat && !w->Empty()) {
      // Another kind's pixels, to be written in our own format.
    } else if (!FFixedFormat) {
      FImageFormat = w->FImageFormat;
    }
    FCompressionQuality = w->FCompressionQuality;
    FPixels.Assign(&w->FPixels);
    return;
  }
  if (auto* b = dynamic_cast<TBitmap*>(Source)) {
    TBitmap copy;
    copy.Assign(b);
    bool alpha = b->PixelFormat() == pf32bit && b->AlphaFormat() != afIgnored;
    if (alpha) copy.SetAlphaFormat(afDefined);
    copy.SetPixelFormat(pf32bit);
    if (!alpha) {
      for (Integer y = 0; y < copy.Height(); ++y) {
        Byte* p = static_cast<Byte*>(copy.ScanLine(y));
        for (Integer x = 0; x < copy.Width(); ++x) p[x * 4 + 3] = 255;
      }
    }
    FPixels.Assign(&copy);
    return;
  }
  if (!Source) {
    FPixels.Assign(nullptr);
    return;
  }
  TGraphic::Assign(Source);
}

void TWICImage::AssignTo(TPersistent* Dest) {
  if (auto* b = dynamic_cast<TBitmap*>(Dest)) {
    b->Assign(&FPixels);
    if (HasAlpha()) {
      b->SetAlphaFormat(afDefined);
    } else {
      b->SetAlphaFormat(afIgnored);
      b->SetPixelFormat(pf24bit);
    }
    return;
  }
  TGraphic::AssignTo(Dest);
}

}  // namespace jorv
