#include "platform/gfx/Bitmap.h"

#include <algorithm>
#include <cstring>

namespace jorv {

namespace {

const wchar_t* const SInvalidBitmap = L"Bitmap image is not valid";

int BitsPerPixel(TPixelFormat f) {
  switch (f) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit: return 16;
    case pf24bit: return 24;
    default: return 32;
  }
}

size_t Stride(Integer width, int bpp) { return ((size_t(width) * bpp + 31) / 32) * 4; }

struct TDibInfo {
  BITMAPINFOHEADER Header{};
  union {
    RGBQUAD Colors[256];
    DWORD Masks[3];
  };
  TDibInfo() { std::memset(Colors, 0, sizeof Colors); }
  BITMAPINFO* Info() { return reinterpret_cast<BITMAPINFO*>(this); }
};

// The 16 colours of the standard VGA palette.
const RGBQUAD VgaColors[16] = {
    {0, 0, 0, 0},       {0, 0, 128, 0},     {0, 128, 0, 0},   {0, 128, 128, 0},
    {128, 0, 0, 0},     {128, 0, 128, 0},   {128, 128, 0, 0}, {192, 192, 192, 0},
    {128, 128, 128, 0}, {0, 0, 255, 0},     {0, 255, 0, 0},   {0, 255, 255, 0},
    {255, 0, 0, 0},     {255, 0, 255, 0},   {255, 255, 0, 0}, {255, 255, 255, 0}};

// Palette of a new pf8bit bitmap: the VGA colours, a 6x6x6 colour cube
// and a ramp of greys.
void DefaultPalette8(RGBQUAD* c) {
  std::memcpy(c, VgaColors, sizeof VgaColors);
  int i = 16;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) c[i++] = {Byte(b * 51), Byte(g * 51), Byte(r * 51), 0};
  for (int k = 0; i < 256; ++i, ++k) {
    Byte v = Byte(8 + k * 10);
    c[i] = {v, v, v, 0};
  }
}

void FillHeader(TDibInfo& d, Integer w, Integer h, TPixelFormat f) {
  d.Header.biSize = sizeof(BITMAPINFOHEADER);
  d.Header.biWidth = w;
  d.Header.biHeight = h;
  d.Header.biPlanes = 1;
  d.Header.biBitCount = WORD(BitsPerPixel(f));
  d.Header.biCompression = BI_RGB;
  switch (f) {
    case pf1bit:
      d.Colors[1] = {255, 255, 255, 0};
      d.Header.biClrUsed = 2;
      break;
    case pf4bit:
      std::memcpy(d.Colors, VgaColors, sizeof VgaColors);
      d.Header.biClrUsed = 16;
      break;
    case pf8bit:
      DefaultPalette8(d.Colors);
      d.Header.biClrUsed = 256;
      break;
    case pf16bit:
      d.Header.biCompression = BI_BITFIELDS;
      d.Masks[0] = 0xF800;
      d.Masks[1] = 0x07E0;
      d.Masks[2] = 0x001F;
      break;
    default: break;
  }
}

// A memory DC with a bitmap selected, undone on scope exit.
struct TMemDC {
  HDC DC;
  HGDIOBJ Old;
  explicit TMemDC(HBITMAP b) : DC(CreateCompatibleDC(nullptr)), Old(SelectObject(DC, b)) {}
  ~TMemDC() {
    SelectObject(DC, Old);
    DeleteDC(DC);
  }
};

HBITMAP CreateDib(TDibInfo& d, Byte*& bits) {
  void* p = nullptr;
  HBITMAP h = CreateDIBSection(nullptr, d.Info(), DIB_RGB_COLORS, &p, nullptr, 0);
  if (!h) throw EOutOfResources(L"Out of system resources");
  bits = static_cast<Byte*>(p);
  return h;
}

template <class T>
T ReadAt(const Byte* data, size_t offset) {
  T v;
  std::memcpy(&v, data + offset, sizeof v);
  return v;
}

}  // namespace

class TBitmap::TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap* Owner) : FBitmap(Owner) {}
  ~TBitmapCanvas() override { FreeContext(); }

  void FreeContext() {
    if (!FDC) return;
    HDC dc = FDC;
    FDC = nullptr;
    SetHandle(nullptr);
    if (FOldBitmap) SelectObject(dc, FOldBitmap);
    FOldBitmap = nullptr;
    DeleteDC(dc);
  }

 protected:
  // Drawing on the canvas changes the bitmap.
  void Changed() override {
    FBitmap->Changed(FBitmap);
    TCanvas::Changed();
  }

  void CreateHandle() override {
    FDC = CreateCompatibleDC(nullptr);
    if (!FDC) throw EOutOfResources(L"Out of system resources");
    if (FBitmap->FHandle) FOldBitmap = SelectObject(FDC, FBitmap->FHandle);
    SetHandle(FDC);
  }

 private:
  TBitmap* FBitmap;
  HDC FDC = nullptr;
  HGDIOBJ FOldBitmap = nullptr;
};

TBitmap::TBitmap() = default;

TBitmap::TBitmap(Integer AWidth, Integer AHeight) { SetSize(AWidth, AHeight); }

TBitmap::~TBitmap() {
  FCanvas.reset();
  if (FHandle) DeleteObject(FHandle);
}

TCanvas* TBitmap::Canvas() {
  if (!FCanvas) {
    FCanvas = std::make_unique<TBitmapCanvas>(this);
  }
  return FCanvas.get();
}

void TBitmap::FreeContext() {
  if (FCanvas) static_cast<TBitmapCanvas*>(FCanvas.get())->FreeContext();
}

void TBitmap::NewImage(Integer AWidth, Integer AHeight, TPixelFormat Format, bool Keep) {
  FreeContext();
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  HBITMAP old = FHandle;
  Integer oldW = FWidth, oldH = FHeight;
  HBITMAP fresh = nullptr;
  Byte* bits = nullptr;
  if (AWidth > 0 && AHeight > 0) {
    TDibInfo d;
    FillHeader(d, AWidth, AHeight, Format);
    // A pf8bit image keeps its own palette through a resize.
    if (Format == pf8bit && FPixelFormat == pf8bit && old) {
      TMemDC src(old);
      GetDIBColorTable(src.DC, 0, 256, d.Colors);
    }
    fresh = CreateDib(d, bits);
    TMemDC dst(fresh);
    PatBlt(dst.DC, 0, 0, AWidth, AHeight, WHITENESS);
    if (Keep && old) {
      if (Format == FPixelFormat && Format != pf1bit && AWidth == oldW && AHeight == oldH) {
        std::memcpy(bits, FBits, Stride(AWidth, BitsPerPixel(Format)) * AHeight);
      } else {
        TMemDC src(old);
        // Source rows keep their top-left anchor.
        BitBlt(dst.DC, 0, 0, std::min(AWidth, oldW), std::min(AHeight, oldH), src.DC, 0, 0,
               SRCCOPY);
      }
    }
    GdiFlush();
  }
  if (old) DeleteObject(old);
  FHandle = fresh;
  FBits = bits;
  FWidth = AWidth;
  FHeight = AHeight;
  FPixelFormat = Format;
}

void TBitmap::SetSize(Integer AWidth, Integer AHeight) {
  if (AWidth == FWidth && AHeight == FHeight) return;
  NewImage(AWidth, AHeight, FPixelFormat, true);
  Changed(this);
}

HBITMAP TBitmap::Handle() {
  // Out of the canvas's DC, so the caller may select it elsewhere; the
  // canvas takes it back on its next drawing.
  FreeContext();
  return FHandle;
}

void TBitmap::SetHandle(HBITMAP Value) {
  if (Value == FHandle) return;
  FreeContext();
  DIBSECTION ds{};
  int got = Value ? GetObjectW(Value, sizeof ds, &ds) : 0;
  if (Value && got == 0) throw EInvalidGraphic(SInvalidBitmap);
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
  FBits = nullptr;
  FWidth = FHeight = 0;
  if (Value) {
    bool isDib = got == sizeof ds && ds.dsBm.bmBits && ds.dsBmih.biHeight > 0;
    TPixelFormat f;
    switch (ds.dsBm.bmBitsPixel) {
      case 1: f = pf1bit; break;
      case 4: f = pf4bit; break;
      case 8: f = pf8bit; break;
      case 16:
        f = ds.dsBmih.biCompression == BI_BITFIELDS && ds.dsBitfields[1] == 0x07E0 ? pf16bit
                                                                                   : pf15bit;
        break;
      case 24: f = pf24bit; break;
      case 32: f = isDib ? pf32bit : pfDevice; break;
      default: f = pfDevice;
    }
    if (isDib && (f != pf16bit || ds.dsBmih.biCompression == BI_BITFIELDS)) {
      FHandle = Value;
      FBits = static_cast<Byte*>(ds.dsBm.bmBits);
      FWidth = ds.dsBm.bmWidth;
      FHeight = ds.dsBm.bmHeight;
      FPixelFormat = f;
    } else {
      // A device bitmap or a top-down DIB: copy it into our own layout.
      FHandle = Value;
      FWidth = ds.dsBm.bmWidth;
      FHeight = ds.dsBm.bmHeight;
      FPixelFormat = pfDevice;
      NewImage(FWidth, FHeight, f == pf1bit ? pf1bit : isDib ? f : pfDevice, true);
    }
  }
  Changed(this);
}

HBITMAP TBitmap::ReleaseHandle() {
  FreeContext();
  HBITMAP h = FHandle;
  FHandle = nullptr;
  FBits = nullptr;
  FWidth = FHeight = 0;
  Changed(this);
  return h;
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == FPixelFormat || Value == pfCustom) return;
  NewImage(FWidth, FHeight, Value, true);
  if (Value != pf32bit) FAlphaFormat = afIgnored;
  Changed(this);
}

void TBitmap::SetMonochrome(bool Value) {
  if (Value == Monochrome()) return;
  SetPixelFormat(Value ? pf1bit : pfDevice);
}

void TBitmap::SetAlphaFormat(TAlphaFormat Value) {
  if (Value == FAlphaFormat) return;
  if (FPixelFormat == pf32bit && FBits && (Value == afPremultiplied || FAlphaFormat == afPremultiplied)) {
    GdiFlush();
    bool multiply = Value == afPremultiplied;
    Byte* p = FBits;
    for (size_t i = 0, n = size_t(FWidth) * FHeight; i < n; ++i, p += 4) {
      unsigned a = p[3];
      for (int c = 0; c < 3; ++c)
        p[c] = multiply ? Byte((p[c] * a + 127) / 255) : Byte(a ? std::min(255u, (p[c] * 255 + a / 2) / a) : 0);
    }
  }
  FAlphaFormat = Value;
  Changed(this);
}

void* TBitmap::ScanLine(Integer Row) {
  if (!FBits || Row < 0 || Row >= FHeight)
    throw EInvalidGraphicOperation(L"Scan line index out of range");
  GdiFlush();
  return FBits + Stride(FWidth, BitsPerPixel(FPixelFormat)) * size_t(FHeight - 1 - Row);
}

TColor TBitmap::TransparentColor() {
  if (FTransparentColor != clDefault) return FTransparentColor;
  if (Monochrome()) return clWhite;
  if (Empty()) return clDefault;
  return Canvas()->Pixels(0, FHeight - 1);
}

void TBitmap::SetTransparentColor(TColor Value) {
  if (Value == FTransparentColor) return;
  FTransparentColor = Value;
  FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
  Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (Value == FTransparentMode) return;
  if (Value == tmAuto) SetTransparentColor(clDefault);
  else SetTransparentColor(TransparentColor());
}

void TBitmap::Assign(TPersistent* Source) {
  if (!Source) {
    NewImage(0, 0, FPixelFormat, false);
    Changed(this);
    return;
  }
  if (auto* b = dynamic_cast<TBitmap*>(Source)) {
    if (b == this) return;
    NewImage(b->FWidth, b->FHeight, b->FPixelFormat, false);
    if (FBits && b->FBits) {
      GdiFlush();
      std::memcpy(FBits, b->FBits, Stride(FWidth, BitsPerPixel(FPixelFormat)) * FHeight);
      if (FPixelFormat == pf1bit || FPixelFormat == pf4bit || FPixelFormat == pf8bit) {
        RGBQUAD colors[256];
        // A bitmap can be selected in one DC only: use the canvases'.
        UINT n = GetDIBColorTable(b->Canvas()->Handle(), 0, 256, colors);
        SetDIBColorTable(Canvas()->Handle(), 0, n, colors);
      }
    }
    FAlphaFormat = b->FAlphaFormat;
    FTransparent = b->FTransparent;
    FTransparentColor = b->FTransparentColor;
    FTransparentMode = b->FTransparentMode;
    Changed(this);
    return;
  }
  TGraphic::Assign(Source);
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (Empty()) return;
  HDC dest = ACanvas->Handle();
  HDC src = Canvas()->Handle();
  if (FPixelFormat == pf32bit && FAlphaFormat != afIgnored) {
    DrawAlpha(dest, Rect, src);
    return;
  }
  int oldMode = 0;
  if (!Monochrome()) oldMode = SetStretchBltMode(dest, COLORONCOLOR);
  if (Transparent()) {
    TransparentBlt(dest, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), src, 0, 0, FWidth,
                   FHeight, UINT(ColorToRGB(TransparentColor())));
  } else {
    StretchBlt(dest, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), src, 0, 0, FWidth, FHeight,
               DWORD(ACanvas->CopyMode()));
  }
  if (oldMode) SetStretchBltMode(dest, oldMode);
}

void TBitmap::DrawAlpha(HDC Dest, const TRect& Rect, HDC Source) {
  BLENDFUNCTION bf{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  if (FAlphaFormat == afPremultiplied) {
    GdiAlphaBlend(Dest, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), Source, 0, 0, FWidth,
                  FHeight, bf);
    return;
  }
  // Blending wants premultiplied pixels: blend from a converted copy.
  TBitmap tmp;
  tmp.Assign(this);
  tmp.SetAlphaFormat(afPremultiplied);
  GdiAlphaBlend(Dest, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), tmp.Canvas()->Handle(), 0,
                0, FWidth, FHeight, bf);
}

void TBitmap::LoadFromBytes(const Byte* Data, size_t Size) {
  if (Size == 0) {
    Assign(nullptr);
    return;
  }
  if (Size < 14 + 12 || Data[0] != 'B' || Data[1] != 'M') throw EInvalidGraphic(SInvalidBitmap);
  const size_t hdr = 14;
  DWORD hsize = ReadAt<DWORD>(Data, hdr);
  TDibInfo src;
  BITMAPINFOHEADER& h = src.Header;
  size_t paletteEntrySize = 4;
  if (hsize == sizeof(BITMAPCOREHEADER)) {
    auto core = ReadAt<BITMAPCOREHEADER>(Data, hdr);
    h.biSize = sizeof h;
    h.biWidth = core.bcWidth;
    h.biHeight = core.bcHeight;
    h.biPlanes = 1;
    h.biBitCount = core.bcBitCount;
    h.biCompression = BI_RGB;
    paletteEntrySize = 3;
  } else if (hsize >= sizeof(BITMAPINFOHEADER) && hdr + hsize <= Size) {
    h = ReadAt<BITMAPINFOHEADER>(Data, hdr);
    h.biSize = sizeof h;
  } else {
    throw EInvalidGraphic(SInvalidBitmap);
  }
  const int bpp = h.biBitCount;
  const Integer width = h.biWidth;
  const bool topDown = h.biHeight < 0;
  const Integer height = topDown ? -h.biHeight : h.biHeight;
  const DWORD comp = h.biCompression;
  bool valid = width > 0 && height > 0 && width <= 0x8000 && height <= 0x8000 &&
               (bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32);
  valid = valid && (comp == BI_RGB || (comp == BI_RLE8 && bpp == 8 && !topDown) ||
                    (comp == BI_RLE4 && bpp == 4 && !topDown) ||
                    (comp == BI_BITFIELDS && (bpp == 16 || bpp == 32)));
  if (!valid) throw EInvalidGraphic(SInvalidBitmap);

  size_t pos = hdr + hsize;
  if (comp == BI_BITFIELDS) {
    if (hsize == sizeof(BITMAPINFOHEADER)) {
      if (pos + 12 > Size) throw EInvalidGraphic(SInvalidBitmap);
      std::memcpy(src.Masks, Data + pos, 12);
      pos += 12;
    } else {
      // Later headers carry the masks in their own fields.
      if (hsize < 52) throw EInvalidGraphic(SInvalidBitmap);
      std::memcpy(src.Masks, Data + hdr + 40, 12);
    }
  }
  size_t colors = 0;
  if (bpp <= 8) {
    colors = h.biClrUsed && h.biClrUsed <= (1u << bpp) ? h.biClrUsed : (1u << bpp);
    if (pos + colors * paletteEntrySize > Size) throw EInvalidGraphic(SInvalidBitmap);
    for (size_t i = 0; i < colors; ++i) {
      const Byte* e = Data + pos + i * paletteEntrySize;
      src.Colors[i] = {e[0], e[1], e[2], 0};
    }
    pos += colors * paletteEntrySize;
    h.biClrUsed = DWORD(colors);
  }
  DWORD offBits = ReadAt<DWORD>(Data, 10);
  size_t bitsAt = offBits >= pos && offBits < Size ? offBits : pos;
  const size_t stride = Stride(width, bpp);
  size_t available = Size - bitsAt;
  if ((comp == BI_RGB || comp == BI_BITFIELDS) && stride * height > available)
    throw EInvalidGraphic(SInvalidBitmap);

  TPixelFormat f;
  switch (bpp) {
    case 1: f = pf1bit; break;
    case 4: f = pf4bit; break;
    case 8: f = pf8bit; break;
    case 16: f = comp == BI_BITFIELDS && src.Masks[1] == 0x07E0 ? pf16bit : pf15bit; break;
    case 24: f = pf24bit; break;
    default: f = pf32bit;
  }
  TDibInfo d;
  FillHeader(d, width, height, f);
  if (bpp <= 8) {
    std::memcpy(d.Colors, src.Colors, sizeof d.Colors);
    d.Header.biClrUsed = DWORD(colors);
  }
  Byte* bits = nullptr;
  HBITMAP fresh = CreateDib(d, bits);
  bool direct = comp == BI_RGB ||
                (comp == BI_BITFIELDS &&
                 ((bpp == 16 && f == pf16bit) ||
                  (bpp == 32 && src.Masks[0] == 0xFF0000 && src.Masks[1] == 0xFF00 &&
                   src.Masks[2] == 0xFF)));
  if (direct) {
    for (Integer y = 0; y < height; ++y) {
      Integer from = topDown ? height - 1 - y : y;
      std::memcpy(bits + stride * y, Data + bitsAt + stride * from, stride);
    }
  } else {
    // Compressed data and unusual bit masks: GDI decodes them.
    h.biSizeImage = DWORD(available);
    HDC dc = CreateCompatibleDC(nullptr);
    int rows = SetDIBits(dc, fresh, 0, height, Data + bitsAt, src.Info(), DIB_RGB_COLORS);
    DeleteDC(dc);
    if (rows == 0) {
      DeleteObject(fresh);
      throw EInvalidGraphic(SInvalidBitmap);
    }
  }
  FreeContext();
  if (FHandle) DeleteObject(FHandle);
  FHandle = fresh;
  FBits = bits;
  FWidth = width;
  FHeight = height;
  FPixelFormat = f;
  FAlphaFormat = afIgnored;
  Changed(this);
}

TBytes TBitmap::SaveToBytes() {
  TBytes out;
  if (Empty()) return out;
  GdiFlush();
  // A device-format bitmap is written as 24 bits: its fourth byte is not
  // meant as alpha.
  const bool device = FPixelFormat == pfDevice;
  const int bpp = device ? 24 : BitsPerPixel(FPixelFormat);
  const size_t stride = Stride(FWidth, bpp);
  TDibInfo d;
  FillHeader(d, FWidth, FHeight, device ? pf24bit : FPixelFormat);
  size_t extra = 0;
  if (bpp <= 8) {
    UINT n = GetDIBColorTable(Canvas()->Handle(), 0, 256, d.Colors);
    d.Header.biClrUsed = n;
    extra = n * sizeof(RGBQUAD);
  } else if (d.Header.biCompression == BI_BITFIELDS) {
    extra = 12;
  }
  d.Header.biSizeImage = DWORD(stride * FHeight);
  BITMAPFILEHEADER fh{};
  fh.bfType = 0x4D42;
  fh.bfOffBits = DWORD(sizeof fh + sizeof d.Header + extra);
  fh.bfSize = DWORD(fh.bfOffBits + stride * FHeight);
  out.resize(fh.bfSize);
  Byte* p = out.data();
  std::memcpy(p, &fh, sizeof fh);
  std::memcpy(p + sizeof fh, &d.Header, sizeof d.Header);
  std::memcpy(p + sizeof fh + sizeof d.Header, d.Colors, extra);
  Byte* dst = p + fh.bfOffBits;
  if (device) {
    const size_t srcStride = Stride(FWidth, 32);
    for (Integer y = 0; y < FHeight; ++y) {
      const Byte* s = FBits + srcStride * y;
      Byte* t = dst + stride * y;
      for (Integer x = 0; x < FWidth; ++x, s += 4, t += 3) std::memcpy(t, s, 3);
    }
  } else {
    std::memcpy(dst, FBits, stride * FHeight);
  }
  return out;
}

void TBitmap::LoadFromStream(TStream* Stream) {
  size_t rest = StreamRemaining(Stream);
  if (rest < 14) {
    TBytes all = ReadStreamRest(Stream);
    LoadFromBytes(all.data(), all.size());
    return;
  }
  // Read just the bitmap, so that data after it stays in the stream.
  TBytes head(14, 0);
  ReadStreamBuffer(Stream, head.data(), 14);
  DWORD total = ReadAt<DWORD>(head.data(), 2);
  TBytes data;
  if (head[0] == 'B' && head[1] == 'M' && total > 14 + 12 && total <= rest) {
    data = head;
    data.resize(total);
    ReadStreamBuffer(Stream, data.data() + 14, total - 14);
  } else {
    data = head + ReadStreamRest(Stream);
  }
  LoadFromBytes(data.data(), data.size());
}

void TBitmap::SaveToStream(TStream* Stream) { WriteStreamBytes(Stream, SaveToBytes()); }

void TBitmap::LoadFromResourceName(HINSTANCE Instance, const String& ResName) {
  HRSRC res = FindResourceW(Instance, ResName.c_str(), MAKEINTRESOURCEW(2) /* RT_BITMAP */);
  if (!res) throw EResNotFound(L"Resource " + ResName + L" not found");
  DWORD size = SizeofResource(Instance, res);
  const Byte* data = static_cast<const Byte*>(LockResource(LoadResource(Instance, res)));
  if (!data || size < 12) throw EInvalidGraphic(SInvalidBitmap);
  // The resource is a DIB without the file header.
  TBytes file(14, 0);
  BITMAPFILEHEADER fh{};
  fh.bfType = 0x4D42;
  fh.bfSize = DWORD(14 + size);
  std::memcpy(file.data(), &fh, 14);
  file.append(data, size);
  LoadFromBytes(file.data(), file.size());
}

void TBitmap::LoadFromResourceID(HINSTANCE Instance, Integer ResID) {
  HRSRC res = FindResourceW(Instance, MAKEINTRESOURCEW(ResID), MAKEINTRESOURCEW(2));
  if (!res) throw EResNotFound(L"Resource " + std::to_wstring(ResID) + L" not found");
  LoadFromResourceName(Instance, L"#" + std::to_wstring(ResID));
}

}  // namespace jorv
