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

namespace {

// Whether the records of an enhanced metafile lie end to end inside its
// Size bytes up to its end-of-file record. The system's player trusts each
// record's size: one of 0 keeps it on the same record for good, and one
// reaching past the data has it read beyond it.
bool EnhancedRecordsFit(const Byte* Data, size_t Size) {
  size_t Offset = 0;
  while (Offset + 8 <= Size) {
    DWORD Type = 0, RecordSize = 0;
    std::memcpy(&Type, Data + Offset, 4);
    std::memcpy(&RecordSize, Data + Offset + 4, 4);
    if (RecordSize < 8 || RecordSize % 4 != 0 || RecordSize > Size - Offset) return false;
    if (Type == EMR_EOF) return true;
    Offset += RecordSize;
  }
  return false;
}

// The same for a Windows metafile: a header of nine words, then records
// whose sizes count words, up to the record of function 0.
bool WindowsRecordsFit(const Byte* Data, size_t Size) {
  if (Size < 18) return false;
  WORD HeaderWords = 0;
  std::memcpy(&HeaderWords, Data + 2, 2);
  if (HeaderWords != 9) return false;
  size_t Offset = 18;
  while (Offset + 6 <= Size) {
    DWORD Words = 0;
    WORD Function = 0;
    std::memcpy(&Words, Data + Offset, 4);
    std::memcpy(&Function, Data + Offset + 4, 2);
    if (Words < 3 || Words > (Size - Offset) / 2) return false;
    if (Function == 0) return true;
    Offset += size_t(Words) * 2;
  }
  return false;
}

}  // namespace

bool MetafileRecordsFit(const Byte* Data, size_t Size) {
  DWORD First = 0, Signature = 0;
  if (Size >= 4) std::memcpy(&First, Data, 4);
  if (First == PlaceableKey) return Size >= 22 && WindowsRecordsFit(Data + 22, Size - 22);
  if (Size >= sizeof(ENHMETAHEADER)) std::memcpy(&Signature, Data + offsetof(ENHMETAHEADER, dSignature), 4);
  if (First != EMR_HEADER || Signature != ENHMETA_SIGNATURE) return true;
  DWORD Bytes = 0;
  std::memcpy(&Bytes, Data + offsetof(ENHMETAHEADER, nBytes), 4);
  return Bytes <= Size && EnhancedRecordsFit(Data, Bytes);
}

void TMetafile::LoadFromBytes(const Byte* Data, size_t Size) {
  if (!MetafileRecordsFit(Data, Size)) throw EInvalidGraphic(SInvalidMetafile);
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
