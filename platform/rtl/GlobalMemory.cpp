#include "platform/rtl/GlobalMemory.h"

#include <shlobj.h>
#include <cstring>
#include "platform/rtl/Strings.h"
#include "platform/rtl/SysUtils.h"

namespace jorv {

TGlobalLock::TGlobalLock(HGLOBAL Block) : FBlock(Block) {
  if (!FBlock) return;
  FData = GlobalLock(FBlock);
  if (FData) FSize = GlobalSize(FBlock);
}

TGlobalLock::~TGlobalLock() {
  if (FData) GlobalUnlock(FBlock);
}

HGLOBAL GlobalBlockOf(const void* Data, size_t Count, size_t Size) {
  if (Count > Size) return nullptr;
  // A block of 0 bytes cannot be locked; one byte more costs nothing.
  HGLOBAL Block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, Size ? Size : 1);
  if (!Block) return nullptr;
  if (Count) {
    TGlobalLock Lock(Block);
    if (!Lock.Data()) {
      GlobalFree(Block);
      return nullptr;
    }
    std::memcpy(Lock.Data(), Data, Count);
  }
  return Block;
}

String GlobalBlockWideText(HGLOBAL Block) {
  TGlobalLock Lock(Block);
  if (!Lock.Data()) return String();
  const size_t Max = Lock.Size() / sizeof(Char);
  String S;
  S.reserve(Max);
  for (size_t I = 0; I < Max; ++I) {
    Char C;
    std::memcpy(&C, Lock.Bytes() + I * sizeof(Char), sizeof(Char));
    if (!C) break;
    S += C;
  }
  return S;
}

std::string GlobalBlockAnsiText(HGLOBAL Block) {
  TGlobalLock Lock(Block);
  if (!Lock.Data()) return std::string();
  const auto* P = reinterpret_cast<const char*>(Lock.Bytes());
  return std::string(P, strnlen(P, Lock.Size()));
}

namespace {

// The zero-ended name at Offset, read as UTF-16 or as 8-bit characters;
// false when the block ends before the name does.
bool ReadName(const TGlobalLock& Lock, bool Wide, size_t& Offset, String& Name) {
  Name.clear();
  if (Wide) {
    std::wstring W;
    while (Offset + sizeof(Char) <= Lock.Size()) {
      Char C;
      std::memcpy(&C, Lock.Bytes() + Offset, sizeof(Char));
      Offset += sizeof(Char);
      if (!C) {
        Name = W;
        return true;
      }
      W += C;
    }
    return false;
  }
  const auto* P = reinterpret_cast<const char*>(Lock.Bytes()) + Offset;
  const size_t Length = strnlen(P, Lock.Size() - Offset);
  if (Offset + Length >= Lock.Size()) return false;
  Name = AnsiToString(std::string(P, Length));
  Offset += Length + 1;
  return true;
}

}  // namespace

void GlobalBlockFileNames(HGLOBAL Block, TStrings* Names) {
  TGlobalLock Lock(Block);
  if (!Lock.Data() || !Names || Lock.Size() < sizeof(DROPFILES)) return;
  DROPFILES Header;
  std::memcpy(&Header, Lock.Data(), sizeof(Header));
  size_t Offset = Header.pFiles;
  if (Offset < sizeof(DROPFILES) || Offset >= Lock.Size()) return;
  String Name;
  while (ReadName(Lock, Header.fWide != 0, Offset, Name) && !Name.empty()) Names->Add(Name);
}

}  // namespace jorv
