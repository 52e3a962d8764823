#pragma once
// A string list read and written line by line, for the grid's text file
// formats.
#include "platform/rtl/Strings.h"

namespace jorv::grid {

class TFileStringList : public TStringList {
 public:
  void Reset() {
    fp = 0;
    cache.clear();
  }
  // The line at the read position; the position advances. Reading past
  // the last line raises the list's index error.
  void ReadLn(String& s) {
    s = Get(fp);
    ++fp;
  }
  // Appends to the pending line.
  void Write(const String& s) { cache += s; }
  // The pending line followed by s becomes a new line.
  void WriteLn(const String& s) {
    Add(cache + s);
    cache.clear();
  }
  bool Eof() const { return fp >= Count(); }

 private:
  Integer fp = 0;
  String cache;
};

}  // namespace jorv::grid
