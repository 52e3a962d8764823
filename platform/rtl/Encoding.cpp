#include "platform/rtl/Encoding.h"
#include "platform/rtl/WinApi.h"

namespace jorv {

namespace {
constexpr Cardinal cpASCII = 20127;
constexpr Cardinal cpUTF16LE = 1200;
constexpr Cardinal cpUTF16BE = 1201;
}  // namespace

TEncoding* TEncoding::Default() {
  static TEncoding e(CP_ACP);
  return &e;
}
TEncoding* TEncoding::ASCII() {
  static TEncoding e(cpASCII);
  return &e;
}
TEncoding* TEncoding::UTF8() {
  static TEncoding e(CP_UTF8);
  return &e;
}
TEncoding* TEncoding::Unicode() {
  static TEncoding e(cpUTF16LE);
  return &e;
}
TEncoding* TEncoding::BigEndianUnicode() {
  static TEncoding e(cpUTF16BE);
  return &e;
}

String TEncoding::EncodingName() const {
  switch (FCodePage) {
    case CP_UTF8: return L"UTF-8";
    case cpUTF16LE: return L"Unicode (UTF-16LE)";
    case cpUTF16BE: return L"Unicode (UTF-16BE)";
    case cpASCII: return L"US-ASCII";
    default: return L"ANSI (" + std::to_wstring(GetACP()) + L")";
  }
}

TBytes TEncoding::GetPreamble() const {
  switch (FCodePage) {
    case CP_UTF8: return TBytes{0xEF, 0xBB, 0xBF};
    case cpUTF16LE: return TBytes{0xFF, 0xFE};
    case cpUTF16BE: return TBytes{0xFE, 0xFF};
    default: return TBytes();
  }
}

TBytes TEncoding::GetBytes(const String& S) const {
  TBytes out;
  if (S.empty()) return out;
  if (FCodePage == cpUTF16LE || FCodePage == cpUTF16BE) {
    out.resize(S.size() * 2);
    bool be = FCodePage == cpUTF16BE;
    for (size_t i = 0; i < S.size(); ++i) {
      Word c = static_cast<Word>(S[i]);
      out[2 * i + (be ? 1 : 0)] = static_cast<Byte>(c & 0xFF);
      out[2 * i + (be ? 0 : 1)] = static_cast<Byte>(c >> 8);
    }
    return out;
  }
  if (FCodePage == cpASCII) {
    // Anything outside 7 bits becomes '?', as the code page converter does.
    out.resize(S.size());
    for (size_t i = 0; i < S.size(); ++i) out[i] = S[i] < 0x80 ? Byte(S[i]) : Byte('?');
    return out;
  }
  int n = WideCharToMultiByte(FCodePage, 0, S.data(), static_cast<int>(S.size()), nullptr, 0,
                              nullptr, nullptr);
  out.resize(n);
  WideCharToMultiByte(FCodePage, 0, S.data(), static_cast<int>(S.size()),
                      reinterpret_cast<char*>(out.data()), n, nullptr, nullptr);
  return out;
}

String TEncoding::GetString(const Byte* Data, size_t Size) const {
  String out;
  if (!Size) return out;
  if (FCodePage == cpUTF16LE || FCodePage == cpUTF16BE) {
    bool be = FCodePage == cpUTF16BE;
    out.resize(Size / 2);  // an odd last byte is no character
    for (size_t i = 0; i < out.size(); ++i) {
      Byte lo = Data[2 * i + (be ? 1 : 0)], hi = Data[2 * i + (be ? 0 : 1)];
      out[i] = static_cast<Char>(lo | (hi << 8));
    }
    return out;
  }
  if (FCodePage == cpASCII) {
    out.resize(Size);
    for (size_t i = 0; i < Size; ++i) out[i] = Data[i] < 0x80 ? Char(Data[i]) : L'?';
    return out;
  }
  int n = MultiByteToWideChar(FCodePage, 0, reinterpret_cast<const char*>(Data),
                              static_cast<int>(Size), nullptr, 0);
  out.resize(n);
  MultiByteToWideChar(FCodePage, 0, reinterpret_cast<const char*>(Data), static_cast<int>(Size),
                      out.data(), n);
  return out;
}

Integer TEncoding::GetBufferEncoding(const Byte* Data, size_t Size, TEncoding*& Encoding,
                                     TEncoding* DefaultEncoding) {
  auto startsWith = [&](TEncoding* e) {
    TBytes p = e->GetPreamble();
    return !p.empty() && Size >= p.size() && TBytes(Data, p.size()) == p;
  };
  if (Encoding) return startsWith(Encoding) ? static_cast<Integer>(Encoding->GetPreamble().size()) : 0;
  for (TEncoding* e : {UTF8(), Unicode(), BigEndianUnicode()}) {
    if (startsWith(e)) {
      Encoding = e;
      return static_cast<Integer>(e->GetPreamble().size());
    }
  }
  Encoding = DefaultEncoding ? DefaultEncoding : Default();
  return 0;
}

}  // namespace jorv
