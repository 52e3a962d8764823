#include "platform/gfx/Metafile.h"

#include <cstring>
#include "platform/gfx/Canvas.h"

namespace jorv {

namespace {

const wchar_t* const SInvalidMetafile = L"Metafile is not valid";
constexpr DWORD PlaceableKey = 0x9AC6CDD7;

#pragma pack(push, 2)
struct TPlaceableHeader {
  DWORD Key;
  WORD Hmf;
  SHORT Left, Top, Right, Bottom;
  WORD Inch;
  DWORD Reserved;
  WORD Checksum;
};
#pragma pack(pop)
static_assert(sizeof(TPlaceableHeader) == 22);

WORD Checksum(const TPlaceableHeader& H) {
  const WORD* W = reinterpret_cast<const WORD*>(&H);
  WORD Sum = 0;
  for (size_t I = 0; I < offsetof(TPlaceableHeader, Checksum) / 2; ++I) Sum ^= W[I];
  return Sum;
}

Integer ScreenPixelsPerInch(int Index) {
  HDC DC = GetDC(nullptr);
  Integer V = DC ? GetDeviceCaps(DC, Index) : 96;
  if (DC) ReleaseDC(nullptr, DC);
  return V > 0 ? V : 96;
}

}  // namespace

TMetafile::~TMetafile() { Clear(); }

void TMetafile::Clear() {
  if (FHandle) DeleteEnhMetaFile(FHandle);
  FHandle = nullptr;
  FMMWidth = FMMHeight = FWidth = FHeight = 0;
}

void TMetafile::Take(HENHMETAFILE Handle, Integer MMW, Integer MMH) {
  Clear();
  FHandle = Handle;
  FMMWidth = MMW;
  FMMHeight = MMH;
  FWidth = MulDiv(MMW, ScreenPixelsPerInch(LOGPIXELSX), 2540);
  FHeight = MulDiv(MMH, ScreenPixelsPerInch(LOGPIXELSY), 2540);
}

void TMetafile::SetHandle(HENHMETAFILE Value) {
  if (Value == FHandle) return;
  Integer W = 0, H = 0;
  ENHMETAHEADER Head{};
  if (Value && GetEnhMetaFileHeader(Value, sizeof Head, &Head)) {
    W = Head.rclFrame.right - Head.rclFrame.left;
    H = Head.rclFrame.bottom - Head.rclFrame.top;
  }
  Take(Value, W, H);
  Changed(this);
}

HENHMETAFILE TMetafile::ReleaseHandle() {
  HENHMETAFILE H = FHandle;
  FHandle = nullptr;
  Clear();
  Changed(this);
  return H;
}

void TMetafile::SetSize(Integer AWidth, Integer AHeight) {
  if (AWidth == FWidth && AHeight == FHeight) return;
  FWidth = AWidth;
  FHeight = AHeight;
  Changed(this);
}

void TMetafile::Assign(TPersistent* Source) {
  if (!Source) {
    Clear();
    Changed(this);
    return;
  }
  if (auto* M = dynamic_cast<TMetafile*>(Source)) {
    if (M == this) return;
    HENHMETAFILE Copy = M->FHandle ? CopyEnhMetaFileW(M->FHandle, nullptr) : nullptr;
    if (M->FHandle && !Copy) throw EOutOfResources(L"Cannot copy the metafile");
    Take(Copy, M->FMMWidth, M->FMMHeight);
    FWidth = M->FWidth;
    FHeight = M->FHeight;
    FEnhanced = M->FEnhanced;
    FInch = M->FInch;
    Changed(this);
    return;
  }
  TGraphic::Assign(Source);
}

void TMetafile::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (!FHandle) return;
  RECT R{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
  PlayEnhMetaFile(ACanvas->Handle(), FHandle, &R);
}

void TMetafile::LoadFromBytes(const Byte* Data, size_t Size) {
  DWORD D0 = 0;
  if (Size >= 4) std::memcpy(&D0, Data, 4);
  if (D0 == PlaceableKey) {
    TPlaceableHeader H;
    if (Size < sizeof H + 18) throw EInvalidGraphic(SInvalidMetafile);
    std::memcpy(&H, Data, sizeof H);
    Integer W = H.Right - H.Left, Ht = H.Bottom - H.Top;
    if (H.Inch == 0 || W <= 0 || Ht <= 0) throw EInvalidGraphic(SInvalidMetafile);
    // The bounds in the header's own units become the frame in 0.01 mm.
    Integer MMW = MulDiv(W, 2540, H.Inch), MMH = MulDiv(Ht, 2540, H.Inch);
    METAFILEPICT Pict{MM_ANISOTROPIC, MMW, MMH, nullptr};
    HENHMETAFILE E = SetWinMetaFileBits(UINT(Size - sizeof H), Data + sizeof H, nullptr, &Pict);
    if (!E) throw EInvalidGraphic(SInvalidMetafile);
    Take(E, MMW, MMH);
    FEnhanced = false;
    FInch = H.Inch;
    Changed(this);
    return;
  }
  DWORD Sig = 0;
  if (Size >= sizeof(ENHMETAHEADER)) std::memcpy(&Sig, Data + offsetof(ENHMETAHEADER, dSignature), 4);
  if (D0 != EMR_HEADER || Sig != ENHMETA_SIGNATURE) throw EInvalidGraphic(SInvalidMetafile);
  ENHMETAHEADER Head;
  std::memcpy(&Head, Data, sizeof Head);
  // The header's own size must fit the data before the system reads it.
  if (Head.nBytes < sizeof Head || Head.nBytes > Size) throw EInvalidGraphic(SInvalidMetafile);
  HENHMETAFILE E = SetEnhMetaFileBits(Head.nBytes, Data);
  if (!E) throw EInvalidGraphic(SInvalidMetafile);
  Take(E, Head.rclFrame.right - Head.rclFrame.left, Head.rclFrame.bottom - Head.rclFrame.top);
  FEnhanced = true;
  Changed(this);
}

TBytes TMetafile::SaveToBytes() const {
  if (!FHandle) return {};
  if (FEnhanced) {
    UINT N = GetEnhMetaFileBits(FHandle, 0, nullptr);
    TBytes Out(N, 0);
    if (!N || GetEnhMetaFileBits(FHandle, N, Out.data()) != N)
      throw EInvalidGraphic(L"Cannot write the metafile");
    return Out;
  }
  HDC Ref = GetDC(nullptr);
  UINT N = GetWinMetaFileBits(FHandle, 0, nullptr, MM_ANISOTROPIC, Ref);
  TPlaceableHeader H{};
  TBytes Out(sizeof H + N, 0);
  bool Ok = N && GetWinMetaFileBits(FHandle, N, Out.data() + sizeof H, MM_ANISOTROPIC, Ref) == N;
  ReleaseDC(nullptr, Ref);
  if (!Ok) throw EInvalidGraphic(L"Cannot write the metafile");
  H.Key = PlaceableKey;
  H.Right = SHORT(MulDiv(FMMWidth, FInch, 2540));
  H.Bottom = SHORT(MulDiv(FMMHeight, FInch, 2540));
  H.Inch = FInch;
  H.Checksum = Checksum(H);
  std::memcpy(Out.data(), &H, sizeof H);
  return Out;
}

void TMetafile::LoadFromStream(TStream* Stream) {
  TBytes Data = ReadStreamRest(Stream);
  LoadFromBytes(Data.data(), Data.size());
}

void TMetafile::SaveToStream(TStream* Stream) { WriteStreamBytes(Stream, SaveToBytes()); }

}  // namespace jorv
