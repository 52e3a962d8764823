#include <gtest/gtest.h>
#include <functional>
#include "foundation/TextUtils.h"
#include "platform/rtl/Strings.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/WinApi.h"
#include <shlwapi.h>

using namespace jorv::foundation;

using namespace jorv;

namespace {

// Importing the function makes shlwapi part of the process before the
// library binds its natural-order comparison at start-up.
int SystemNaturalCompare(const String& a, const String& b) {
  return StrCmpLogicalW(a.c_str(), b.c_str());
}

int Sign(int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }

}  // namespace

TEST(TextUtils, CompareNaturalUsesTheLoadedSystemOrder) {
  ASSERT_NE(GetModuleHandleW(L"shlwapi.dll"), nullptr);
  struct TCase { const wchar_t* A; const wchar_t* B; int Expected; } cases[] = {
      {L"a2", L"a10", -1}, {L"file10", L"File9", 1}, {L"abc", L"ABC", 0}, {L"", L"a", -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(Sign(CompareNatural(c.A, c.B)), c.Expected) << testing::PrintToString(String(c.A));
    EXPECT_EQ(Sign(CompareNatural(c.A, c.B)), Sign(SystemNaturalCompare(c.A, c.B)));
  }
  EXPECT_EQ(CompareNatural(nullptr, L""), 0);
}

TEST(TextUtils, FoldAccents) {
  EXPECT_EQ(FoldAccents(L"Caf\u00E9 cr\u00E8me \u00DCber"), L"Cafe creme Uber");
  EXPECT_EQ(FoldAccents(L"x\u03A9y"), L"xy");
  EXPECT_TRUE(FoldAccents(String()).empty());
  // No fixed buffer: long texts fold whole.
  EXPECT_EQ(FoldAccents(String(1000, L'\u00E9') + L"!"), String(1000, L'e') + L"!");
}

TEST(TextUtils, SearchAndCount) {
  EXPECT_EQ(PosInUpperCase(L"BC", L"abcd"), 2);
  EXPECT_EQ(PosInUpperCase(L"X", L"abcd"), 0);
  Integer pos = 99;
  EXPECT_EQ(FindSubStr(L"cd", L"abcd", pos), 3);
  EXPECT_EQ(pos, 3);
  EXPECT_EQ(FindSubStr(L"x", L"abcd", pos), 0);
  EXPECT_EQ(pos, 0);
  pos = 99;
  EXPECT_EQ(FindCharPos(L'x', L"abc", pos), 0);
  EXPECT_EQ(pos, 99);
  EXPECT_EQ(FindCharPos(L'c', L"abc", pos), 3);
  EXPECT_EQ(pos, 3);
  EXPECT_EQ(CharPos(L'b', L"abcb"), 2);
  EXPECT_EQ(PosWide(L"\u20AC", L"5 \u20AC"), 3);
  EXPECT_EQ(CountChar(L';', L"a;b;;c"), 3);
  EXPECT_EQ(CountCharDelim(L';', L'"', L"\"a;b\";c"), 2);
}

TEST(TextUtils, OddRuns) {
  struct TCase { const wchar_t* Text; Integer Pos; } cases[] = {
      {L"a\"b", 2},    {L"a\"\"b", 0},     {L"a\"\"b\"c", 5}, {L"ab\"", 3},
      {L"ab\"\"", 4},  {L"abc", 0},        {L"\"\"\"x", 3},   {L"", 0},
  };
  for (const auto& c : cases) {
    Integer pos = 99;
    EXPECT_EQ(OddRunEndPos(L'"', c.Text, pos), c.Pos) << testing::PrintToString(String(c.Text));
    EXPECT_EQ(pos, c.Pos);
  }
  EXPECT_EQ(CountOddRuns(L'"', L"\"a\",\"b\""), 4);
  EXPECT_EQ(CountOddRuns(L'"', L"\"a\"\"b\""), 2);
  EXPECT_EQ(CountOddRuns(L'"', L"plain"), 0);
}

TEST(TextUtils, URLsAndLimits) {
  EXPECT_TRUE(IsURLText(L"see http://x.org"));
  EXPECT_TRUE(IsURLText(L"mailto:a@b.c"));
  EXPECT_FALSE(IsURLText(L"MAILTO:a@b.c"));
  EXPECT_FALSE(IsURLText(L"www.x.org"));
  struct TStrip { const wchar_t* In; const wchar_t* Out; } strips[] = {
      {L"http://x.org/a://b", L"x.org/a://b"}, {L"mailto:a@b.c", L"a@b.c"}, {L"x.org", L"x.org"}};
  for (const auto& c : strips) {
    String s = c.In;
    StripURLProtocol(s);
    EXPECT_EQ(s, c.Out);
  }
  struct TLimit { Integer Value, Min, Max, Expected; } limits[] = {
      {7, 10, 5, 5}, {7, 0, 5, 5},   {3, 5, 0, 5},    {7, 5, 5, 7},
      {-3, 0, 0, -3}, {20, 10, 15, 15}, {3, 10, 15, 10}, {12, 10, 15, 12}, {-9, -5, -1, -9}};
  for (const auto& c : limits)
    EXPECT_EQ(LimitValue(c.Value, c.Min, c.Max), c.Expected)
        << c.Value << " in " << c.Min << ".." << c.Max;
  EXPECT_TRUE(CellInGridRect(TRect(1, 2, 3, 4), 3, 4));
  EXPECT_FALSE(CellInGridRect(TRect(1, 2, 3, 4), 0, 3));
  EXPECT_EQ(IntMax(-2, 5), 5);
  EXPECT_EQ(IntMin(-2, 5), -2);
}

TEST(TextUtils, SplitJoinAndQuote) {
  TStringList list;
  SplitText(L',', L"a,b,,c", &list);
  ASSERT_EQ(list.Count(), 4);
  EXPECT_TRUE(list.Strings(2).empty());
  EXPECT_EQ(list.Strings(3), L"c");
  EXPECT_EQ(ConcatStrings(&list), L"abc");
  list.Clear();
  SplitText(L',', String(), &list);
  EXPECT_EQ(list.Count(), 1);

  String text = L"key;rest;more";
  EXPECT_EQ(ExtractToken(text, L';'), L"key");
  EXPECT_EQ(text, L"rest;more");
  text = L"single";
  EXPECT_EQ(ExtractToken(text, L';'), L"");
  EXPECT_EQ(text, L"single");

  EXPECT_EQ(DoubleQuoteChars(L"say \"hi\""), L"say \"\"hi\"\"");
  struct TCase { const wchar_t* In; const wchar_t* Out; } doubled[] = {
      {L"a\"\"b", L"a\"b"}, {L"\"\"\"", L"\"\""}, {L"\"\"\"\"", L"\"\""}, {L"a\"b", L"a\"b"}};
  for (const auto& c : doubled) EXPECT_EQ(RemoveDoubledChar(L'"', c.In), c.Out);
  text = L"secret";
  FillWithChar(text, L'*');
  EXPECT_EQ(text, L"******");
}

TEST(TextUtils, InsertHyperlinkAnchor) {
  String dest = L"untouched";
  EXPECT_FALSE(InsertHyperlinkAnchor(L"no link", L"HTTP://", dest));
  EXPECT_EQ(dest, L"untouched");
  ASSERT_TRUE(InsertHyperlinkAnchor(L"see Http://x.org/a_b?q now", L"HTTP://", dest));
  EXPECT_EQ(dest, L"see <a href=\"Http://x.org/a_b\">Http://x.org/a_b</a>?q now");
  ASSERT_TRUE(InsertHyperlinkAnchor(L"<b>mailto:me@x.org</b>", L"MAILTO:", dest));
  EXPECT_EQ(dest, L"&lt;b&gt;<a href=\"mailto:me@x.org\">mailto:me@x.org</a>&lt;/b&gt;");
}

TEST(TextUtils, LineBreakEncodings) {
  using TFn = std::function<String(String)>;
  auto inPlace = [](void (*f)(String&)) {
    return TFn([f](String s) { f(s); return s; });
  };
  struct TCase { const char* Name; TFn Fn; const wchar_t* In; const wchar_t* Out; } cases[] = {
      {"ctrl", LineBreaksToCtrlChars, L"a\r\nb", L"a\t\bb"},
      {"ctrl", LineBreaksToCtrlChars, L"a\nb", L"a\nb"},
      {"tilde", inPlace(LineBreaksToTilde), L"a\r\nb\r\n", L"a~b~"},
      {"untilde", inPlace(TildeToLineBreaks), L"^", L""},
      {"untilde", inPlace(TildeToLineBreaks), L"a~b", L"a\r\nb"},
      {"vtab", inPlace(QuoteWithVTabBreaks), L"a\r\nb", L"\"a\vb\""},
      {"unvtab", inPlace(VTabToLineBreaks), L"a\vb", L"a\r\nb"},
      {"crlf", inPlace(RemoveCRBeforeLF), L"a\r\nb\rc", L"a\nb\rc"},
      {"nocr", RemoveCR, L"a\r\nb\r", L"a\nb"},
      {"crlf2", CRToLF, L"a\r\nb", L"a\n\nb"},
      {"br", CRToBRTag, L"a\r\nb", L"a<br>\nb"},
      {"esc", EscapedNewlineToCR, L"a\\nb\\", L"a\rb\\"},
      {"unesc", CRToEscapedNewline, L"a\r\nb\n", L"a\\nb"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.Fn(c.In), c.Out) << c.Name;

  // Control characters survive a round trip, NUL included.
  String withNul = String(L"a\r\nb") + Char(0) + L"c";
  String encoded = LineBreaksToCtrlChars(withNul);
  EXPECT_EQ(encoded.find(Char(0)), String::npos);
  EXPECT_EQ(CtrlCharsToLineBreaks(encoded, true), withNul);
  EXPECT_EQ(CtrlCharsToLineBreaks(encoded, false), L"a");
  EXPECT_EQ(CtrlCharsToLineBreaks(L"x\ry", false), L"x");
}

TEST(TextUtils, LinesOfAText) {
  struct TTake { const wchar_t* Text; bool Keep; const wchar_t* Line; const wchar_t* Rest; } takes[] = {
      {L"a\r\nb", true, L"a", L"b"},   {L"a\r\nb", false, L"a", L""},
      {L"a\r\n", true, L"a", L""},     {L"a\rb", true, L"a", L"b"},
      {L"abc", true, L"abc", L""},     {L"\r\n\r\nx", true, L"", L"\r\nx"},
  };
  for (const auto& c : takes) {
    String text = c.Text, line = L"?";
    TakeFirstLine(text, c.Keep, line);
    EXPECT_EQ(line, c.Line);
    EXPECT_EQ(text, c.Rest);
  }
  struct TCount { const wchar_t* Text; bool Multi; Integer Lines; } counts[] = {
      {L"a\r\nb", false, 1}, {L"a\r\nb", true, 2},  {L"a\r\n", true, 1},
      {L"", true, 1},        {L"a\r\nb\r\nc", true, 3}, {L"\r\n\r\n", true, 2}};
  for (const auto& c : counts)
    EXPECT_EQ(CountTextLines(c.Text, c.Multi), c.Lines) << testing::PrintToString(String(c.Text));
  String oem = L"\u00E4";
  ConvertToOem(oem);
  ConvertFromOem(oem);
  EXPECT_EQ(oem, L"\u00E4");
}

TEST(TextUtils, LongestLine) {
  TBitmap bitmap;
  bitmap.SetSize(8, 8);
  TCanvas* canvas = bitmap.Canvas();
  struct TCase { const wchar_t* Text; const wchar_t* Longest; } cases[] = {
      {L"ab\r\nabcdef\r\nabc", L"abcdef"},
      {L"single", L"single"},
      // The first of equally wide lines wins.
      {L"ab\r\nba", L"ab"},
      // The scan ends at the first empty line.
      {L"a\r\n\r\nmuch longer", L"a"},
      {L"", L""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LongestLine(canvas, c.Text), c.Longest) << testing::PrintToString(String(c.Text));
}
