#include <gtest/gtest.h>
#include "platform/rtl/rtl.h"

using namespace jorv;

TEST(Strings, PositionsAreOneBasedAtTheEdges) {
  EXPECT_EQ(Pos(L"c", L"abc"), 3);
  EXPECT_EQ(Pos(L"a", L"abc"), 1);
  EXPECT_EQ(Pos(L"", L"abc"), 0);
  EXPECT_EQ(Pos(L"abcd", L"abc"), 0);
  EXPECT_EQ(Pos(L'b', L"abc"), 2);
  EXPECT_EQ(PosEx(L"a", L"aba", 2), 3);
  EXPECT_EQ(PosEx(L"a", L"aba", 3), 3);
  EXPECT_EQ(PosEx(L"a", L"aba", 4), 0);
  EXPECT_EQ(PosEx(L"a", L"aba", 0), 0);

  struct { Integer index, count; const wchar_t* expected; } copies[] = {
      {1, 2, L"ab"}, {0, 2, L"ab"}, {-5, 2, L"ab"}, {3, 5, L"c"},
      {4, 1, L""},   {2, 0, L""},   {2, -1, L""},   {2, INT32_MAX, L"bc"},
  };
  for (auto& c : copies)
    EXPECT_EQ(Copy(L"abc", c.index, c.count), c.expected) << c.index << "," << c.count;
}

TEST(Strings, DeleteAndInsertIgnoreOrClipOutOfRangePositions) {
  struct { Integer index, count; const wchar_t* expected; } deletes[] = {
      {1, 1, L"bc"}, {3, 10, L"ab"}, {0, 1, L"abc"}, {4, 1, L"abc"}, {2, 0, L"abc"},
  };
  for (auto& d : deletes) {
    String s = L"abc";
    Delete(s, d.index, d.count);
    EXPECT_EQ(s, d.expected) << d.index << "," << d.count;
  }
  struct { Integer index; const wchar_t* expected; } inserts[] = {
      {1, L"xabc"}, {0, L"xabc"}, {2, L"axbc"}, {4, L"abcx"}, {10, L"abcx"},
  };
  for (auto& i : inserts) {
    String s = L"abc";
    Insert(L"x", s, i.index);
    EXPECT_EQ(s, i.expected) << i.index;
  }
}

TEST(Strings, TrimRemovesControlCharactersAndBlanks) {
  EXPECT_EQ(Trim(L" \t\r\n ab c \x01"), L"ab c");
  EXPECT_EQ(TrimLeft(L"  ab "), L"ab ");
  EXPECT_EQ(TrimRight(L"  ab \n"), L"  ab");
  EXPECT_EQ(Trim(L"   "), L"");
}

TEST(Strings, CaseAndComparison) {
  EXPECT_EQ(UpperCase(L"abc\u00E4"), L"ABC\u00E4");  // ASCII only
  EXPECT_EQ(AnsiUpperCase(L"abc\u00E4"), L"ABC\u00C4");
  EXPECT_EQ(AnsiLowerCase(L"\u00C4B"), L"\u00E4b");
  EXPECT_EQ(CompareText(L"abc", L"ABC"), 0);
  EXPECT_LT(CompareText(L"ab", L"ABC"), 0);
  EXPECT_GT(CompareStr(L"b", L"B"), 0);
  EXPECT_TRUE(SameText(L"Hello", L"hELLO"));
  EXPECT_FALSE(SameText(L"\u00E4", L"\u00C4"));
  EXPECT_TRUE(AnsiSameText(L"\u00E4", L"\u00C4"));
  EXPECT_LT(AnsiCompareText(L"apple", L"Banana"), 0);
  EXPECT_NE(AnsiCompareStr(L"a", L"A"), 0);
}

TEST(Strings, StringReplaceHonoursFlags) {
  struct { const wchar_t *s, *from, *to; TReplaceFlags flags; const wchar_t* expected; } cases[] = {
      {L"a-b-c", L"-", L"+", {}, L"a+b-c"},
      {L"a-b-c", L"-", L"+", {rfReplaceAll}, L"a+b+c"},
      {L"aXbxc", L"x", L"", {rfReplaceAll, rfIgnoreCase}, L"abc"},
      {L"aXbxc", L"x", L"_", {rfReplaceAll}, L"aXb_c"},
      {L"aaa", L"aa", L"b", {rfReplaceAll}, L"ba"},
      {L"abc", L"", L"z", {rfReplaceAll}, L"abc"},
      {L"\u00C4pfel \u00E4", L"\u00E4", L"ae", {rfReplaceAll, rfIgnoreCase}, L"aepfel ae"},
  };
  for (auto& c : cases) EXPECT_EQ(StringReplace(c.s, c.from, c.to, c.flags), c.expected) << c.s;
}

TEST(Strings, QuotingRoundTrips) {
  EXPECT_EQ(QuotedStr(L"it's"), L"'it''s'");
  EXPECT_EQ(AnsiQuotedStr(L"a\"b", L'"'), L"\"a\"\"b\"");
  struct { const wchar_t *s, *expected; } deq[] = {
      {L"'it''s'", L"it's"}, {L"''", L""}, {L"abc", L"abc"},
      {L"'abc", L"'abc"},    {L"'ab'c", L"'ab'c"}, {L"'", L"'"},
  };
  for (auto& d : deq) EXPECT_EQ(AnsiDequotedStr(d.s, L'\''), d.expected) << d.s;
}

TEST(Strings, IntegerTextAndValPositions) {
  EXPECT_EQ(IntToStr(-2147483647 - 1), L"-2147483648");
  EXPECT_EQ(IntToStr(INT64_C(9223372036854775807)), L"9223372036854775807");
  EXPECT_EQ(IntToHex(255, 4), L"00FF");
  EXPECT_EQ(IntToHex(-1, 2), L"FFFFFFFF");
  EXPECT_EQ(IntToHex(Int64(-1), 2), L"FFFFFFFFFFFFFFFF");

  struct { const wchar_t* s; Integer value, code; } vals[] = {
      {L"123", 123, 0},       {L" -12", -12, 0},  {L"+7", 7, 0},
      {L"$1F", 31, 0},        {L"0x10", 16, 0},   {L"$FFFFFFFF", -1, 0},
      {L"-2147483648", -2147483647 - 1, 0},       {L"2147483648", 0, 10},
      {L"12a", 0, 3},         {L"12 ", 0, 3},     {L"", 0, 1},
      {L"-", 0, 2},           {L"1.5", 0, 2},     {L"$", 0, 2},
  };
  for (auto& v : vals) {
    Integer value = 99, code = 99;
    Val(v.s, value, code);
    EXPECT_EQ(code, v.code) << v.s;
    if (!v.code) { EXPECT_EQ(value, v.value) << v.s; }
  }
  Int64 big;
  EXPECT_TRUE(TryStrToInt64(L"-9223372036854775808", big));
  EXPECT_EQ(big, INT64_MIN);
  EXPECT_FALSE(TryStrToInt64(L"9223372036854775808", big));
  EXPECT_EQ(StrToIntDef(L"x", -5), -5);
  try {
    StrToInt(L"12x");
    ADD_FAILURE() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"'12x' is not a valid integer value");
  }
}

TEST(Strings, CodePagesRoundTrip) {
  String text = L"Gr\u00FC\u00DFe \u20AC \U0001F600";
  EXPECT_EQ(UTF8Encode(L"\u00E4\u20AC"), "\xC3\xA4\xE2\x82\xAC");
  EXPECT_EQ(UTF8Decode(UTF8Encode(text)), text);
  EXPECT_EQ(UTF8ToString(""), L"");
  EXPECT_EQ(StringToAnsi(L"\u00E4", 1252), "\xE4");
  EXPECT_EQ(AnsiToString("\x80", 1252), L"\u20AC");
}

TEST(Strings, FileNameParts) {
  struct { const wchar_t *name, *path, *file, *ext, *changed; } cases[] = {
      {L"C:\\dir\\file.txt", L"C:\\dir\\", L"file.txt", L".txt", L"C:\\dir\\file.ini"},
      {L"C:\\dir.d\\file", L"C:\\dir.d\\", L"file", L"", L"C:\\dir.d\\file.ini"},
      {L"file.tar.gz", L"", L"file.tar.gz", L".gz", L"file.tar.ini"},
      {L"C:file.txt", L"C:", L"file.txt", L".txt", L"C:file.ini"},
      {L"C:\\dir\\", L"C:\\dir\\", L"", L"", L"C:\\dir\\.ini"},
  };
  for (auto& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
    EXPECT_EQ(ExtractFileName(c.name), c.file) << c.name;
    EXPECT_EQ(ExtractFileExt(c.name), c.ext) << c.name;
    EXPECT_EQ(ChangeFileExt(c.name, L".ini"), c.changed) << c.name;
  }
  EXPECT_EQ(ExtractFileDir(L"C:\\dir\\file.txt"), L"C:\\dir");
  EXPECT_EQ(ExtractFileDir(L"C:\\file.txt"), L"C:\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter(L"C:\\dir"), L"C:\\dir\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter(L"C:\\dir\\"), L"C:\\dir\\");
  EXPECT_EQ(ExcludeTrailingPathDelimiter(L"C:\\dir\\"), L"C:\\dir");
}

TEST(Strings, FilesAndDirectoriesOnDisk) {
  wchar_t tmp[MAX_PATH];
  GetTempPathW(MAX_PATH, tmp);
  String root = IncludeTrailingPathDelimiter(tmp) + L"jorv-rtl-" + IntToStr(GetCurrentProcessId());
  String deep = root + L"\\a\\b";
  ASSERT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_TRUE(ForceDirectories(deep + L"\\"));  // already there
  String file = deep + L"\\x.txt";
  EXPECT_FALSE(FileExists(file));
  HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(deep));  // a directory is no file
  EXPECT_TRUE(DeleteFile(file));
  EXPECT_FALSE(DeleteFile(file));
  RemoveDirectoryW(deep.c_str());
  RemoveDirectoryW((root + L"\\a").c_str());
  RemoveDirectoryW(root.c_str());
  EXPECT_FALSE(GetCurrentDir().empty());
  EXPECT_EQ(UpperCase(ExtractFileExt(ParamStr(0))), L".EXE");
}
