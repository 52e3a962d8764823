#include "foundation/TextUtils.h"

#include <cwchar>
#include "platform/rtl/WinApi.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Strings.h"
#include "platform/gfx/Canvas.h"

namespace jorv::foundation {

namespace {

const Char CR = 13, LF = 10;

using TStrCmpLogicalW = int(WINAPI*)(LPCWSTR, LPCWSTR);

// Bound only when shlwapi is already in the process: loading it just for a
// comparison would cost start-up time in every program.
TStrCmpLogicalW BindNaturalCompare() {
  HMODULE module = GetModuleHandleW(L"shlwapi.dll");
  if (!module) return nullptr;
  return reinterpret_cast<TStrCmpLogicalW>(
      reinterpret_cast<void*>(GetProcAddress(module, "StrCmpLogicalW")));
}

const TStrCmpLogicalW NaturalCompare = BindNaturalCompare();

String ReplaceAll(const String& Text, const String& From, const String& To) {
  String r;
  r.reserve(Text.size());
  size_t i = 0;
  for (;;) {
    size_t p = Text.find(From, i);
    if (p == String::npos) break;
    r.append(Text, i, p - i);
    r += To;
    i = p + From.size();
  }
  r.append(Text, i, String::npos);
  return r;
}

String ReplaceChar(const String& Text, Char From, const String& To) {
  return ReplaceAll(Text, String(1, From), To);
}

Integer PosOf(const String& Sub, const String& Text) {
  if (Sub.empty()) return 0;
  size_t p = Text.find(Sub);
  return p == String::npos ? 0 : Integer(p + 1);
}

bool IsURLChar(Char c) {
  return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'Z') ||
         (c >= L'a' && c <= L'z') || (c != 0 && wcschr(L"%()-./:@\\_{}", c));
}

}  // namespace

Integer CompareNatural(const Char* S1, const Char* S2) {
  if (!S1) S1 = L"";
  if (!S2) S2 = L"";
  if (NaturalCompare) return NaturalCompare(S1, S2);
  return std::wcscmp(S1, S2);
}

String FoldAccents(const String& Text) {
  if (Text.empty()) return Text;
  // Sized by the first call, so texts of any length fold whole.
  int n = FoldStringW(MAP_COMPOSITE, Text.c_str(), int(Text.size()), nullptr, 0);
  if (n <= 0) return Text;
  String folded(size_t(n), L'\0');
  n = FoldStringW(MAP_COMPOSITE, Text.c_str(), int(Text.size()), folded.data(), n);
  if (n <= 0) return Text;
  folded.resize(size_t(n));
  String r;
  r.reserve(folded.size());
  for (Char c : folded)
    if (c < 256) r += c;
  return r;
}

Integer PosInUpperCase(const String& Sub, const String& Text) {
  return PosOf(Sub, AnsiUpperCase(Text));
}

Integer FindSubStr(const String& Sub, const String& Text, Integer& Pos) {
  Pos = PosOf(Sub, Text);
  return Pos;
}

Integer FindCharPos(Char Ch, const String& Text, Integer& Pos) {
  Integer p = CharPos(Ch, Text);
  if (p > 0) Pos = p;
  return p;
}

Integer CharPos(Char Ch, const String& Text) {
  size_t p = Text.find(Ch);
  return p == String::npos ? 0 : Integer(p + 1);
}

Integer PosWide(const String& Sub, const String& Text) { return PosOf(Sub, Text); }

Integer CountChar(Char Ch, const String& Text) {
  Integer n = 0;
  for (Char c : Text)
    if (c == Ch) ++n;
  return n;
}

Integer CountCharDelim(Char Ch, Char /*Delimiter*/, const String& Text) {
  return CountChar(Ch, Text);
}

Integer OddRunEndPos(Char Ch, const String& Text, Integer& Pos) {
  Pos = 0;
  size_t n = Text.size(), i = 0;
  while (i < n) {
    if (Text[i] != Ch) {
      ++i;
      continue;
    }
    size_t start = i;
    while (i < n && Text[i] == Ch) ++i;
    if (i == n) {
      Pos = Integer(n);
      break;
    }
    if ((i - start) % 2 == 1) {
      Pos = Integer(i);
      break;
    }
  }
  return Pos;
}

Integer CountOddRuns(Char Ch, const String& Text) {
  String rest = Text;
  Integer count = 0, pos = 0;
  while (OddRunEndPos(Ch, rest, pos) > 0) {
    ++count;
    rest.erase(0, size_t(pos));
  }
  return count;
}

bool IsURLText(const String& Text) {
  return Text.find(L"://") != String::npos || Text.find(L"mailto:") != String::npos;
}

void StripURLProtocol(String& Text) {
  size_t p = Text.find(L"://");
  if (p != String::npos) {
    Text.erase(0, p + 3);
    return;
  }
  p = Text.find(L"mailto:");
  if (p != String::npos) Text.erase(0, p + 7);
}

Integer LimitValue(Integer Value, Integer Min, Integer Max) {
  if (Min == Max) return Value;
  if (Max > 0 && Value > Max) return Max;
  if (Min > 0 && Value < Min) return Min;
  return Value;
}

void SplitText(Char Separator, const String& Text, TStrings* List) {
  size_t i = 0;
  for (;;) {
    size_t p = Text.find(Separator, i);
    if (p == String::npos) break;
    List->Add(Text.substr(i, p - i));
    i = p + 1;
  }
  List->Add(Text.substr(i));
}

String ExtractToken(String& Text, Char Separator) {
  size_t p = Text.find(Separator);
  if (p == String::npos) return String();
  String token = Text.substr(0, p);
  Text.erase(0, p + 1);
  return token;
}

String ConcatStrings(const TStrings* List) {
  String r;
  for (Integer i = 0; i < List->Count(); ++i) r += List->Strings(i);
  return r;
}

String DoubleQuoteChars(const String& Text) { return ReplaceChar(Text, L'"', L"\"\""); }

String RemoveDoubledChar(Char Ch, const String& Text) {
  String r;
  r.reserve(Text.size());
  for (size_t i = 0; i < Text.size(); ++i) {
    r += Text[i];
    if (Text[i] == Ch && i + 1 < Text.size() && Text[i + 1] == Ch) ++i;
  }
  return r;
}

void FillWithChar(String& Text, Char Ch) { Text.assign(Text.size(), Ch); }

bool InsertHyperlinkAnchor(const String& Text, const String& Prefix, String& Dest) {
  if (PosInUpperCase(Prefix, Text) == 0) return false;
  String d = ReplaceChar(ReplaceChar(Text, L'<', L"&lt;"), L'>', L"&gt;");
  Integer start = PosInUpperCase(Prefix, d);
  // A prefix that the escaping itself broke up has no link to wrap.
  if (start == 0) return false;
  size_t b = size_t(start - 1), e = b;
  while (e < d.size() && IsURLChar(d[e])) ++e;
  String url = d.substr(b, e - b);
  Dest = d.substr(0, b) + L"<a href=\"" + url + L"\">" + url + L"</a>" + d.substr(e);
  return true;
}

String LineBreaksToCtrlChars(const String& Text) {
  if (Text.find(CR) == String::npos) return Text;
  String r = Text;
  for (Char& c : r) {
    if (c == CR) c = 9;
    else if (c == LF) c = 8;
    else if (c == 0) c = 1;
  }
  return r;
}

String CtrlCharsToLineBreaks(const String& Text, bool MultiLine) {
  String r = Text;
  if (r.find(Char(8)) != String::npos)
    for (Char& c : r) {
      if (c == 9) c = CR;
      else if (c == 8) c = LF;
      else if (c == 1) c = 0;
    }
  if (MultiLine) return r;
  String line;
  TakeFirstLine(r, false, line);
  return line;
}

void LineBreaksToTilde(String& Text) {
  String r;
  r.reserve(Text.size());
  for (Char c : Text) {
    if (c == CR) r += L'~';
    else if (c != LF) r += c;
  }
  Text = r;
}

void TildeToLineBreaks(String& Text) {
  Text = ReplaceChar(Text, L'~', L"\r\n");
  if (Text == L"^") Text.clear();
}

void QuoteWithVTabBreaks(String& Text) {
  Text = L"\"" + ReplaceAll(Text, L"\r\n", L"\v") + L"\"";
}

void VTabToLineBreaks(String& Text) {
  if (Text.find(L'\v') != String::npos) Text = ReplaceChar(Text, L'\v', L"\r\n");
}

void RemoveCRBeforeLF(String& Text) { Text = ReplaceAll(Text, L"\r\n", L"\n"); }

String RemoveCR(const String& Text) {
  String r;
  r.reserve(Text.size());
  for (Char c : Text)
    if (c != CR) r += c;
  return r;
}

String CRToLF(const String& Text) {
  String r = Text;
  for (Char& c : r)
    if (c == CR) c = LF;
  return r;
}

String CRToBRTag(const String& Text) { return ReplaceChar(Text, CR, L"<br>"); }

String EscapedNewlineToCR(const String& Text) { return ReplaceAll(Text, L"\\n", L"\r"); }

String CRToEscapedNewline(const String& Text) {
  String r;
  r.reserve(Text.size());
  for (Char c : Text) {
    if (c == CR) r += L"\\n";
    else if (c != LF) r += c;
  }
  return r;
}

void TakeFirstLine(String& Text, bool Keep, String& Line) {
  size_t p = Text.find(CR);
  if (p == String::npos) {
    Line = Text;
    Text.clear();
    return;
  }
  Line = Text.substr(0, p);
  size_t cut = p + 1;
  if (cut < Text.size() && Text[cut] == LF) ++cut;
  Text.erase(0, cut);
  if (!Keep) Text.clear();
}

Integer CountTextLines(const String& Text, bool MultiLine) {
  if (!MultiLine) return 1;
  Integer lines = 1;
  size_t i = 0;
  while (i < Text.size()) {
    if (Text[i] != CR) {
      ++i;
      continue;
    }
    // The character after a CR is taken as its LF.
    i += 2;
    if (i < Text.size()) ++lines;
  }
  return lines;
}

String LongestLine(TCanvas* Canvas, const String& Text) {
  String rest = Text, line, longest;
  Integer widest = -1;
  do {
    TakeFirstLine(rest, true, line);
    if (line.empty()) break;
    Integer w = Canvas->TextWidth(line);
    if (w > widest) {
      widest = w;
      longest = line;
    }
  } while (!rest.empty());
  return longest;
}

void ConvertToOem(String& /*Text*/) {}
void ConvertFromOem(String& /*Text*/) {}

}  // namespace jorv::foundation
