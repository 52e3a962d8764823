#pragma once
// Whole files as bytes, for tests that check what a writer put on disk or
// hand a reader exactly the bytes another program would.
#include <string>

#include "platform/rtl/Streams.h"

namespace jorv::test {

inline std::string ReadBytes(const String& Path) {
  TFileStream File(Path, fmOpenRead | fmShareDenyNone);
  std::string Bytes(size_t(File.Size()), '\0');
  if (!Bytes.empty()) File.ReadBuffer(Bytes.data(), Integer(Bytes.size()));
  return Bytes;
}

inline void WriteBytes(const String& Path, const std::string& Bytes) {
  TFileStream File(Path, fmCreate);
  if (!Bytes.empty()) File.WriteBuffer(Bytes.data(), Integer(Bytes.size()));
}

}  // namespace jorv::test
