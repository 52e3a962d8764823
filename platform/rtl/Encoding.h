#pragma once
// Text encodings for files and streams: the ANSI code page, ASCII, UTF-8
// and UTF-16 in both byte orders. The instances are process-wide and never
// freed; callers pass them around as plain pointers.
#include "platform/rtl/Types.h"

namespace jorv {

class TEncoding {
 public:
  TEncoding(const TEncoding&) = delete;
  TEncoding& operator=(const TEncoding&) = delete;

  static TEncoding* Default();  // the system ANSI code page
  static TEncoding* ANSI() { return Default(); }
  static TEncoding* ASCII();
  static TEncoding* UTF8();
  static TEncoding* Unicode();  // UTF-16 little endian
  static TEncoding* BigEndianUnicode();

  Cardinal CodePage() const { return FCodePage; }
  String EncodingName() const;
  // The byte-order mark written before the text (empty for ANSI and ASCII).
  TBytes GetPreamble() const;
  TBytes GetBytes(const String& S) const;
  String GetString(const Byte* Data, size_t Size) const;
  String GetString(const TBytes& Bytes) const { return GetString(Bytes.data(), Bytes.size()); }

  // Finds the encoding of a buffer by its byte-order mark when Encoding is
  // null (none found: the default), or checks for Encoding's own mark.
  // Returns the length of the mark to skip.
  static Integer GetBufferEncoding(const Byte* Data, size_t Size, TEncoding*& Encoding,
                                   TEncoding* DefaultEncoding = nullptr);

 private:
  explicit TEncoding(Cardinal codePage) : FCodePage(codePage) {}
  Cardinal FCodePage = 0;
};

}  // namespace jorv
