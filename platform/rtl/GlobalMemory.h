#pragma once
// Global memory blocks as OLE data transfer and the clipboard hand them
// over. A block comes from another program as often as from ours, so every
// reader keeps within the block's real size (GlobalSize), whatever lengths
// or terminators its content claims.
#include <string>
#include "platform/rtl/WinApi.h"
#include "platform/rtl/Types.h"

namespace jorv {

class TStrings;

// Locks a block for the life of the scope. Data() is nullptr when the
// block could not be locked; Size() is then 0.
class TGlobalLock {
 public:
  explicit TGlobalLock(HGLOBAL Block);
  ~TGlobalLock();
  TGlobalLock(const TGlobalLock&) = delete;
  TGlobalLock& operator=(const TGlobalLock&) = delete;

  void* Data() const { return FData; }
  const Byte* Bytes() const { return static_cast<const Byte*>(FData); }
  size_t Size() const { return FSize; }

 private:
  HGLOBAL FBlock;
  void* FData = nullptr;
  size_t FSize = 0;
};

// A movable, shareable block of Size bytes, zero-filled, with Count bytes
// of Data at its start (Count <= Size); nullptr when it cannot be had.
HGLOBAL GlobalBlockOf(const void* Data, size_t Count, size_t Size);

// The UTF-16 text at the block's start, up to its first zero character or
// the block's end.
String GlobalBlockWideText(HGLOBAL Block);
// The 8-bit characters at the block's start, up to the first zero byte or
// the block's end.
std::string GlobalBlockAnsiText(HGLOBAL Block);
// The names of a shell file list (a DROPFILES header, then names each
// ended by a zero, then an empty name), added to Names in order. A header
// that does not fit the block or points outside it gives no names; a last
// name cut off by the block's end is not added.
void GlobalBlockFileNames(HGLOBAL Block, TStrings* Names);

}  // namespace jorv
