#include "platform/gfx/Icon.h"

#include <cstring>
#include "platform/gfx/Bitmap.h"

namespace jorv {

namespace {

const wchar_t* const SInvalidIcon = L"Icon image is not valid";

#pragma pack(push, 2)
struct TIconDirEntry {
  BYTE Width, Height, ColorCount, Reserved;
  WORD Planes, BitCount;
  DWORD BytesInRes, ImageOffset;
};
struct TIconDir {
  WORD Reserved, Type, Count;
};
#pragma pack(pop)

// An icon's pixels as a pf32bit bitmap with straight alpha; icons without
// alpha take it from their mask.
void IconToBitmap(HICON icon, Integer w, Integer h, TBitmap* b) {
  b->Assign(nullptr);
  b->SetPixelFormat(pf32bit);
  b->SetSize(w, h);
  // Draw on black and on white: the difference gives each pixel's alpha.
  TBitmap white;
  white.SetPixelFormat(pf32bit);
  white.SetSize(w, h);
  PatBlt(b->Canvas()->Handle(), 0, 0, w, h, BLACKNESS);
  PatBlt(white.Canvas()->Handle(), 0, 0, w, h, WHITENESS);
  DrawIconEx(b->Canvas()->Handle(), 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
  DrawIconEx(white.Canvas()->Handle(), 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
  for (Integer y = 0; y < h; ++y) {
    Byte* k = static_cast<Byte*>(b->ScanLine(y));
    const Byte* wt = static_cast<const Byte*>(white.ScanLine(y));
    for (Integer x = 0; x < w; ++x, k += 4, wt += 4) {
      int a = 255 - (wt[1] - k[1]);
      a = a < 0 ? 0 : a > 255 ? 255 : a;
      // On black the pixel shows colour * alpha: undo that.
      for (int c = 0; c < 3; ++c) k[c] = Byte(a ? std::min(255, (k[c] * 255 + a / 2) / a) : 0);
      k[3] = Byte(a);
    }
  }
  b->SetAlphaFormat(afDefined);
}

}  // namespace

TIcon::~TIcon() {
  if (FHandle) DestroyIcon(FHandle);
}

void TIcon::Clear() {
  if (FHandle) DestroyIcon(FHandle);
  FHandle = nullptr;
  FData.clear();
  FImageOffset = FImageSize = 0;
  FWidth = FHeight = 0;
}

void TIcon::LoadFromBytes(const Byte* Data, size_t Size) {
  if (Size < sizeof(TIconDir)) throw EInvalidGraphic(SInvalidIcon);
  TIconDir dir;
  std::memcpy(&dir, Data, sizeof dir);
  if (dir.Reserved != 0 || dir.Type != 1 || dir.Count == 0 ||
      sizeof dir + size_t(dir.Count) * sizeof(TIconDirEntry) > Size)
    throw EInvalidGraphic(SInvalidIcon);
  // The image closest to the system's icon size, deepest colours first.
  const int want = GetSystemMetrics(SM_CXICON);
  int best = -1;
  long bestScore = 0;
  TIconDirEntry chosen{};
  for (int i = 0; i < dir.Count; ++i) {
    TIconDirEntry e;
    std::memcpy(&e, Data + sizeof dir + i * sizeof e, sizeof e);
    if (e.ImageOffset >= Size || e.BytesInRes > Size - e.ImageOffset || e.BytesInRes < 40)
      throw EInvalidGraphic(SInvalidIcon);
    int w = e.Width ? e.Width : 256;
    long score = -std::labs(long(w) - want) * 1000 + e.BitCount;
    if (best < 0 || score > bestScore) {
      best = i;
      bestScore = score;
      chosen = e;
    }
  }
  Integer w = chosen.Width ? chosen.Width : 256;
  Integer h = chosen.Height ? chosen.Height : 256;
  HICON icon = CreateIconFromResourceEx(const_cast<Byte*>(Data + chosen.ImageOffset),
                                        chosen.BytesInRes, TRUE, 0x00030000, w, h, LR_DEFAULTCOLOR);
  if (!icon) throw EInvalidGraphic(SInvalidIcon);
  Clear();
  FData.assign(Data, Size);
  FImageOffset = chosen.ImageOffset;
  FImageSize = chosen.BytesInRes;
  FHandle = icon;
  FWidth = w;
  FHeight = h;
  Changed(this);
}

TBytes TIcon::SaveToBytes() {
  if (!FData.empty()) return FData;
  if (!FHandle) return TBytes();
  // An icon known only by its handle is written as one 32-bit image.
  TBitmap px;
  IconToBitmap(FHandle, FWidth, FHeight, &px);
  const size_t xorSize = size_t(FWidth) * FHeight * 4;
  const size_t maskStride = ((size_t(FWidth) + 31) / 32) * 4;
  const size_t andSize = maskStride * FHeight;
  BITMAPINFOHEADER bih{};
  bih.biSize = sizeof bih;
  bih.biWidth = FWidth;
  bih.biHeight = FHeight * 2;  // the colour and mask images stacked
  bih.biPlanes = 1;
  bih.biBitCount = 32;
  bih.biSizeImage = DWORD(xorSize + andSize);
  TIconDir dir{0, 1, 1};
  TIconDirEntry e{};
  e.Width = Byte(FWidth >= 256 ? 0 : FWidth);
  e.Height = Byte(FHeight >= 256 ? 0 : FHeight);
  e.Planes = 1;
  e.BitCount = 32;
  e.BytesInRes = DWORD(sizeof bih + xorSize + andSize);
  e.ImageOffset = sizeof dir + sizeof e;
  TBytes out(e.ImageOffset + e.BytesInRes, 0);
  Byte* p = out.data();
  std::memcpy(p, &dir, sizeof dir);
  std::memcpy(p + sizeof dir, &e, sizeof e);
  std::memcpy(p + e.ImageOffset, &bih, sizeof bih);
  Byte* colors = p + e.ImageOffset + sizeof bih;
  Byte* mask = colors + xorSize;
  for (Integer y = 0; y < FHeight; ++y) {
    // Bottom-up rows, as in a DIB.
    const Byte* src = static_cast<const Byte*>(px.ScanLine(FHeight - 1 - y));
    std::memcpy(colors + size_t(y) * FWidth * 4, src, size_t(FWidth) * 4);
    for (Integer x = 0; x < FWidth; ++x)
      if (src[x * 4 + 3] == 0) mask[y * maskStride + x / 8] |= Byte(0x80 >> (x % 8));
  }
  return out;
}

void TIcon::LoadFromStream(TStream* Stream) {
  TBytes data = ReadStreamRest(Stream);
  LoadFromBytes(data.data(), data.size());
}

void TIcon::SaveToStream(TStream* Stream) { WriteStreamBytes(Stream, SaveToBytes()); }

HICON TIcon::Handle() {
  if (!FHandle && !FData.empty())
    FHandle = CreateIconFromResourceEx(FData.data() + FImageOffset, DWORD(FImageSize), TRUE,
                                       0x00030000, FWidth, FHeight, LR_DEFAULTCOLOR);
  return FHandle;
}

void TIcon::SetHandle(HICON Value) {
  if (Value == FHandle) return;
  Integer w = 0, h = 0;
  if (Value) {
    ICONINFO info{};
    if (!GetIconInfo(Value, &info)) throw EInvalidGraphic(SInvalidIcon);
    BITMAP bm{};
    GetObjectW(info.hbmMask, sizeof bm, &bm);
    w = bm.bmWidth;
    h = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  Clear();
  FHandle = Value;
  FWidth = w;
  FHeight = h;
  Changed(this);
}

HICON TIcon::ReleaseHandle() {
  HICON h = Handle();
  FHandle = nullptr;
  if (FData.empty()) {
    FWidth = FHeight = 0;
    Changed(this);
  }
  return h;
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& Rect) {
  HICON h = Handle();
  if (!h) return;
  DrawIconEx(ACanvas->Handle(), Rect.Left, Rect.Top, h, Rect.Width(), Rect.Height(), 0, nullptr,
             DI_NORMAL);
}

void TIcon::Assign(TPersistent* Source) {
  if (!Source) {
    Clear();
    Changed(this);
    return;
  }
  if (auto* i = dynamic_cast<TIcon*>(Source)) {
    if (i == this) return;
    if (!i->FData.empty()) {
      LoadFromBytes(i->FData.data(), i->FData.size());
    } else {
      HICON h = i->FHandle ? CopyIcon(i->FHandle) : nullptr;
      if (h) SetHandle(h);
      else Assign(nullptr);
    }
    return;
  }
  TGraphic::Assign(Source);
}

void TIcon::AssignTo(TPersistent* Dest) {
  if (auto* b = dynamic_cast<TBitmap*>(Dest)) {
    if (HICON h = Handle()) IconToBitmap(h, FWidth, FHeight, b);
    else b->Assign(nullptr);
    return;
  }
  TGraphic::AssignTo(Dest);
}

void TIcon::LoadFromResourceName(HINSTANCE Instance, const String& ResName) {
  HICON h = static_cast<HICON>(LoadImageW(Instance, ResName.c_str(), IMAGE_ICON, 0, 0,
                                          LR_DEFAULTSIZE));
  if (!h) throw EResNotFound(L"Resource " + ResName + L" not found");
  SetHandle(h);
}

}  // namespace jorv
