#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include "platform/rtl/Types.h"

namespace jorv::test {

class TTempDir {
 public:
  TTempDir();
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;

  // The folder, without a trailing backslash.
  const String& Dir() const { return FDir; }
  // A full path for a file or folder named Name inside the folder.
  String Path(const String& Name) const { return FDir + L"\\" + Name; }

 private:
  String FDir;
};

}  // namespace jorv::test
