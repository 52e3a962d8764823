#include <gtest/gtest.h>
#include <vector>
#include "platform/rtl/rtl.h"
#include "tests/support/TempDir.h"

using namespace jorv;
using Lines = std::vector<String>;

namespace {

Lines ToLines(const TStrings& s) {
  Lines r;
  for (Integer i = 0; i < s.Count(); ++i) r.push_back(s.Strings(i));
  return r;
}

void Fill(TStrings& s, const Lines& lines) {
  s.Clear();
  for (auto& l : lines) s.Add(l);
}

class TCounted : public TObject {
 public:
  explicit TCounted(int* alive) : FAlive(alive) { ++*FAlive; }
  ~TCounted() override { --*FAlive; }

 private:
  int* FAlive;
};

}  // namespace

TEST(StringList, CommaTextQuotesWhatWouldNotReadBack) {
  struct Case {
    Lines lines;
    String text;
  } cases[] = {
      {{}, L""},
      {{L""}, L"\"\""},
      {{L"a", L"b"}, L"a,b"},
      {{L"a", L"", L"b"}, L"a,,b"},
      {{L"a b", L"c"}, L"\"a b\",c"},
      {{L"a,b"}, L"\"a,b\""},
      {{L"say \"hi\""}, L"\"say \"\"hi\"\"\""},
      {{L"tab\tx"}, L"\"tab\tx\""},
  };
  TStringList list;
  for (auto& c : cases) {
    Fill(list, c.lines);
    EXPECT_EQ(list.CommaText(), c.text);
    list.SetCommaText(c.text);
    EXPECT_EQ(ToLines(list), c.lines) << c.text;
  }
}

TEST(StringList, SettingDelimitedTextSplitsAsThePlatform) {
  struct Case {
    String text;
    bool strict;
    Lines lines;
  } cases[] = {
      {L"a,b", false, {L"a", L"b"}},
      {L"  a , b  ", false, {L"a", L"b"}},
      {L"a b", false, {L"a", L"b"}},  // blanks separate unless strict
      {L"a b", true, {L"a b"}},
      {L" a ,b", true, {L" a ", L"b"}},
      {L"a,", false, {L"a", L""}},
      {L",a", false, {L"", L"a"}},
      {L"a,,b", false, {L"a", L"", L"b"}},
      {L"\"x\"\"y\",z", false, {L"x\"y", L"z"}},
      {L"\"unterminated, still", false, {L"unterminated, still"}},
      {L"\"a\"b,c", false, {L"a", L"b", L"c"}},
      {L"", false, {}},
  };
  TStringList list;
  for (auto& c : cases) {
    list.SetStrictDelimiter(c.strict);
    list.SetDelimitedText(c.text);
    EXPECT_EQ(ToLines(list), c.lines) << c.text << L" strict=" << c.strict;
  }
  // Own delimiter and quote; CommaText keeps to comma and double quote.
  list.SetStrictDelimiter(false);
  list.SetDelimiter(L';');
  list.SetQuoteChar(L'\'');
  Fill(list, {L"a;b", L"it's", L"c,d"});
  EXPECT_EQ(list.DelimitedText(), L"'a;b';'it''s';c,d");
  EXPECT_EQ(list.CommaText(), L"a;b,it's,\"c,d\"");
  list.SetDelimitedText(L"'a;b';'it''s';c,d");
  EXPECT_EQ(ToLines(list), (Lines{L"a;b", L"it's", L"c,d"}));
}

TEST(StringList, TextSplitsAtAnyLineBreak) {
  struct Case {
    String text;
    Lines lines;
  } cases[] = {
      {L"", {}},
      {L"a\r\nb", {L"a", L"b"}},
      {L"a\nb\rc", {L"a", L"b", L"c"}},
      {L"a\r\n", {L"a"}},
      {L"\r\n", {L""}},
      {L"a\n\nb", {L"a", L"", L"b"}},
      {L"a\r\r\nb", {L"a", L"", L"b"}},
      {L"a\n\r\nb\n", {L"a", L"", L"b"}},
  };
  TStringList list;
  for (auto& c : cases) {
    list.SetText(c.text);
    EXPECT_EQ(ToLines(list), c.lines) << c.text;
  }
  Fill(list, {L"x", L"y"});
  EXPECT_EQ(list.Text(), L"x\r\ny\r\n");
  list.SetLineBreak(L"|");
  EXPECT_EQ(list.Text(), L"x|y|");
  list.SetText(L"p|q\r\nr");
  EXPECT_EQ(ToLines(list), (Lines{L"p", L"q\r\nr"}));
}

TEST(StringList, SortedOrderAndDuplicates) {
  TStringList list;
  list.SetSorted(true);
  for (const wchar_t* s : {L"pear", L"Apple", L"banana", L"apple", L"Cherry"}) list.Add(s);
  // dupIgnore: "apple" equals "Apple" without regard to case.
  EXPECT_EQ(ToLines(list), (Lines{L"Apple", L"banana", L"Cherry", L"pear"}));
  EXPECT_EQ(list.Add(L"BANANA"), 1);
  EXPECT_EQ(list.Count(), 4);
  Integer at = -1;
  EXPECT_FALSE(list.Find(L"blueberry", at));
  EXPECT_EQ(at, 2);
  EXPECT_EQ(list.IndexOf(L"CHERRY"), 2);

  list.SetDuplicates(dupError);
  try {
    list.Add(L"pear");
    FAIL();
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), L"String list does not allow duplicates");
  }
  list.SetDuplicates(dupAccept);
  EXPECT_EQ(list.Add(L"PEAR"), 3);  // before the equal one
  EXPECT_EQ(list.Count(), 5);

  EXPECT_THROW(list.Insert(0, L"x"), EStringListError);
  EXPECT_THROW(list.SetStrings(0, L"x"), EStringListError);
  try {
    list.Strings(5);
    FAIL();
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), L"List index out of bounds (5)");
  }

  TStringList cs;
  cs.SetCaseSensitive(true);
  cs.SetSorted(true);
  cs.SetDuplicates(dupAccept);
  for (const wchar_t* s : {L"b", L"B", L"a", L"A"}) cs.Add(s);
  // The locale puts lower case before upper case of the same letter.
  EXPECT_EQ(ToLines(cs), (Lines{L"a", L"A", L"b", L"B"}));
  EXPECT_EQ(cs.IndexOf(L"B"), 3);
}

TEST(StringList, SortAndCustomSort) {
  TStringList list;
  Fill(list, {L"delta", L"Alpha", L"charlie", L"Bravo", L"echo"});
  list.Sort();
  EXPECT_EQ(ToLines(list), (Lines{L"Alpha", L"Bravo", L"charlie", L"delta", L"echo"}));
  list.CustomSort([](TStringList* l, Integer a, Integer b) {
    return Integer(l->Strings(a).size()) - Integer(l->Strings(b).size());
  });
  for (Integer i = 1; i < list.Count(); ++i)
    EXPECT_LE(list.Strings(i - 1).size(), list.Strings(i).size());
}

// Strings the locale orders in ways plain code units do not: case, accents,
// ligatures, hyphens and apostrophes that word order mostly ignores, digits,
// blanks, empty strings and many duplicates; every fourth string begins
// with the same long words, so that keys often differ only far in.
Lines LocaleTrickyStrings() {
  const String alphabet = L"aAbBcCzZ09 -'_.,\u00e4\u00c4\u00f6\u00df\u00e9\u00c9\u00f1\u00e6\u0153\u0142";
  Lines r = {L"", L"", L"co-op", L"coop", L"co op", L"co'op", L"Coop", L"-", L"'", L"\u00c4pfel", L"Apfel",
             L"apfel", L"strasse", L"stra\u00dfe", L"Stra\u00dfe", L"\u00e6", L"ae", L"AE"};
  uint32_t seed = 12345;
  for (int i = 0; i < 3000; ++i) {
    seed = seed * 1103515245u + 12345u;
    String s(size_t((seed >> 16) % 9), L' ');
    for (auto& c : s) {
      seed = seed * 1103515245u + 12345u;
      c = alphabet[(seed >> 16) % alphabet.size()];
    }
    r.push_back(i % 4 ? s : L"the same long beginning, then " + s);
  }
  return r;
}

TEST(StringList, SortKeepsTheOrderOfComparingEachPairInTheLocale) {
  const Lines input = LocaleTrickyStrings();
  for (bool caseSensitive : {false, true}) {
    SCOPED_TRACE(caseSensitive ? "case-sensitive" : "case-insensitive");
    TStringList fast, slow;
    fast.SetCaseSensitive(caseSensitive);
    for (size_t i = 0; i < input.size(); ++i) {
      // Objects tell equal strings apart and must travel with their text.
      fast.AddObject(input[i], reinterpret_cast<TObject*>(i + 1));
      slow.AddObject(input[i], reinterpret_cast<TObject*>(i + 1));
    }
    fast.Sort();
    slow.CustomSort([caseSensitive](TStringList* l, Integer a, Integer b) {
      return caseSensitive ? AnsiCompareStr(l->Strings(a), l->Strings(b))
                           : AnsiCompareText(l->Strings(a), l->Strings(b));
    });
    ASSERT_EQ(fast.Count(), slow.Count());
    for (Integer i = 0; i < fast.Count(); ++i) {
      ASSERT_EQ(fast.Strings(i), slow.Strings(i)) << "at " << i;
      ASSERT_EQ(fast.Objects(i), slow.Objects(i)) << "at " << i;
    }
  }
}

TEST(StringList, SortOfADescendantUsesItsOwnComparison) {
  struct TByLength : TStringList {
    Integer CompareStrings(const String& S1, const String& S2) const override {
      return Integer(S1.size()) - Integer(S2.size());
    }
  } list;
  Fill(list, {L"xxx", L"z", L"wwww", L"yy"});
  list.Sort();
  EXPECT_EQ(ToLines(list), (Lines{L"z", L"yy", L"xxx", L"wwww"}));
}

TEST(StringList, NamesAndValues) {
  TStringList list;
  Fill(list, {L"Left=10", L"noseparator", L"Top=", L"Path=a=b"});
  EXPECT_EQ(list.Names(0), L"Left");
  EXPECT_EQ(list.Names(1), L"");
  EXPECT_EQ(list.ValueFromIndex(1), L"");
  EXPECT_EQ(list.Values(L"left"), L"10");
  EXPECT_EQ(list.Values(L"Path"), L"a=b");
  EXPECT_EQ(list.Values(L"Top"), L"");
  EXPECT_EQ(list.IndexOfName(L"TOP"), 2);
  list.SetValues(L"Left", L"20");
  list.SetValues(L"Width", L"5");
  list.SetValues(L"Top", L"");  // an empty value deletes the line
  EXPECT_EQ(ToLines(list), (Lines{L"Left=20", L"noseparator", L"Path=a=b", L"Width=5"}));
  list.SetNameValueSeparator(L':');
  list.SetValues(L"Left", L"1");
  EXPECT_EQ(list.Strings(4), L"Left:1");

  TStringList sorted;
  sorted.SetSorted(true);
  sorted.SetValues(L"b", L"1");
  sorted.SetValues(L"a", L"2");
  sorted.SetValues(L"b", L"3");
  EXPECT_EQ(ToLines(sorted), (Lines{L"a=2", L"b=3"}));
}

TEST(StringList, ChangeEventsAndUpdates) {
  TStringList list;
  int changing = 0, changed = 0;
  list.OnChanging = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changing;
  };
  list.OnChange = [&](TObject*) { ++changed; };
  list.Add(L"a");
  list.Add(L"b");
  EXPECT_EQ(changed, 2);
  list.BeginUpdate();
  list.SetCommaText(L"x,y,z");
  list.Delete(0);
  EXPECT_EQ(changed, 2);
  list.EndUpdate();
  EXPECT_EQ(changing, 3);
  EXPECT_EQ(changed, 3);
  list.Clear();
  list.Clear();  // already empty: nothing to tell
  EXPECT_EQ(changed, 4);
}

TEST(StringList, OwnedObjectsAreFreedExactlyOnce) {
  int alive = 0;
  {
    TStringList list(true);
    list.AddObject(L"a", new TCounted(&alive));
    list.AddObject(L"b", new TCounted(&alive));
    list.AddObject(L"c", new TCounted(&alive));
    list.Move(0, 2);
    list.Exchange(0, 1);
    EXPECT_EQ(alive, 3);
    EXPECT_EQ(ToLines(list), (Lines{L"c", L"b", L"a"}));
    list.Delete(0);
    EXPECT_EQ(alive, 2);
  }
  EXPECT_EQ(alive, 0);
}

TEST(StringList, AssignEqualsAndAddStrings) {
  TStringList a, b;
  a.SetSorted(true);
  a.SetCaseSensitive(true);
  Fill(a, {L"b", L"a"});
  b.Assign(&a);
  EXPECT_TRUE(b.Sorted());
  EXPECT_TRUE(b.CaseSensitive());
  EXPECT_TRUE(a.Equals(&b));
  b.Add(L"c");
  EXPECT_FALSE(a.Equals(&b));
  TStringList c;
  Fill(c, {L"x"});
  c.AddStrings(&c);
  EXPECT_EQ(ToLines(c), (Lines{L"x", L"x"}));
  TComponent comp;
  EXPECT_THROW(c.Assign(&comp), EConvertError);
}

TEST(StringList, FilesInEachEncodingWithAndWithoutMark) {
  test::TTempDir dir;
  const String text = L"Gr\u00FC\u00DFe \u20AC\u4E2D";
  struct Case {
    TEncoding* enc;
    bool bom;
    TBytes head;
  } cases[] = {
      {TEncoding::UTF8(), true, {0xEF, 0xBB, 0xBF, 'G'}},
      {TEncoding::UTF8(), false, {'G', 'r', 0xC3, 0xBC}},
      {TEncoding::Unicode(), true, {0xFF, 0xFE, 'G', 0}},
      {TEncoding::Unicode(), false, {'G', 0, 'r', 0}},
      {TEncoding::BigEndianUnicode(), true, {0xFE, 0xFF, 0, 'G'}},
  };
  for (auto& c : cases) {
    TStringList out;
    Fill(out, {text, L"second"});
    out.SetWriteBOM(c.bom);
    out.SaveToFile(dir.Path(L"f.txt"), c.enc);
    TMemoryStream raw;
    raw.LoadFromFile(dir.Path(L"f.txt"));
    ASSERT_GE(raw.Size(), Int64(c.head.size()));
    EXPECT_EQ(TBytes(static_cast<Byte*>(raw.Memory()), c.head.size()), c.head)
        << c.enc->EncodingName() << " bom=" << c.bom;
    TStringList in;
    // With a mark the encoding is found; without one it must be named.
    in.LoadFromFile(dir.Path(L"f.txt"), c.bom ? nullptr : c.enc);
    EXPECT_EQ(ToLines(in), (Lines{text, L"second"})) << c.enc->EncodingName();
    if (c.bom) {
      EXPECT_EQ(in.Encoding(), c.enc);
    }
    // Saving again without naming one keeps what was found.
    in.SaveToFile(dir.Path(L"g.txt"));
    TMemoryStream again;
    again.LoadFromFile(dir.Path(L"g.txt"));
    if (c.bom) {
      EXPECT_EQ(again.Size(), raw.Size());
    }
  }
  // No mark and no encoding: the ANSI code page, which holds plain ASCII.
  TStringList plain;
  Fill(plain, {L"abc", L"d"});
  plain.SaveToFile(dir.Path(L"a.txt"));
  TMemoryStream raw;
  raw.LoadFromFile(dir.Path(L"a.txt"));
  EXPECT_EQ(raw.Size(), 8);
  TStringList in;
  in.LoadFromFile(dir.Path(L"a.txt"));
  EXPECT_EQ(in.Text(), L"abc\r\nd\r\n");
  EXPECT_EQ(in.Encoding(), TEncoding::Default());
  EXPECT_THROW(in.LoadFromFile(dir.Path(L"missing.txt")), EFOpenError);
}
