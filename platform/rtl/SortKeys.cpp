#include "platform/rtl/SortKeys.h"
#include "platform/rtl/WinApi.h"

namespace jorv {

void TSortKeys::Reserve(size_t Count) {
  FEntries.reserve(Count);
  FOffsets.reserve(Count);
  if (FCapacity < Count * 32 + FRoom) Grow(Count * 32 + FRoom);
}

void TSortKeys::Grow(size_t Capacity) {
  std::unique_ptr<uint8_t[]> Bytes(new uint8_t[Capacity]);
  if (FUsed) std::memcpy(Bytes.get(), FBytes.get(), FUsed);
  FBytes = std::move(Bytes);
  FCapacity = Capacity;
}

bool TSortKeys::Add(const Char* Text, size_t Length) {
  // Keys are made straight into the end of FBytes, which keeps room for the
  // longest key seen so far beyond its used bytes; its bytes are never
  // cleared first (clearing and copying are slow calls here). An empty
  // source is refused; its null-terminated form gives the key of "no
  // characters" that CompareStringW compares with.
  const wchar_t* Source = Length == 0 ? L"" : Text;
  const int SourceLength = Length == 0 ? -1 : int(Length);
  const DWORD Flags = LCMAP_SORTKEY | FFlags;
  if (FCapacity < FUsed + FRoom) Grow(std::max(FCapacity * 2, FUsed + FRoom));
  int Size = LCMapStringW(LOCALE_USER_DEFAULT, Flags, Source, SourceLength,
                          reinterpret_cast<LPWSTR>(FBytes.get() + FUsed), int(FCapacity - FUsed));
  if (Size == 0) {
    Size = LCMapStringW(LOCALE_USER_DEFAULT, Flags, Source, SourceLength, nullptr, 0);
    if (Size <= 0) return false;
    FRoom = size_t(Size);
    if (FCapacity < FUsed + FRoom) Grow(std::max(FCapacity * 2, FUsed + FRoom));
    Size = LCMapStringW(LOCALE_USER_DEFAULT, Flags, Source, SourceLength,
                        reinterpret_cast<LPWSTR>(FBytes.get() + FUsed), Size);
    if (Size <= 0) return false;
  }
  const uint8_t* Key = FBytes.get() + FUsed;
  TEntry Entry;
  for (size_t i = 0; i < sizeof Entry.Head; ++i)
    Entry.Head[i / 8] = Entry.Head[i / 8] << 8 | (i < size_t(Size) ? Key[i] : 0);
  Entry.Index = uint32_t(FEntries.size());
  Entry.Size = uint32_t(Size);
  FEntries.push_back(Entry);
  FOffsets.push_back(FUsed);
  FUsed += size_t(Size);
  return true;
}

}  // namespace jorv
