#include <gtest/gtest.h>
#include "foundation/FilterMatch.h"
#include "platform/rtl/DateUtils.h"
#include "PinnedLocale.h"

using namespace jorv::foundation;

using namespace jorv;
using jorv::test::TPinnedLocale;

namespace {

struct TExprCase {
  const wchar_t* Expression;
  const wchar_t* Value;
  bool Expected;
};

void CheckExpressions(std::initializer_list<TExprCase> cases, bool CaseSensitive = false) {
  for (const auto& c : cases)
    EXPECT_EQ(MatchFilterExpression(c.Expression, c.Value, CaseSensitive), c.Expected)
        << "expression [" << testing::PrintToString(String(c.Expression))
        << "] value [" << testing::PrintToString(String(c.Value)) << "]";
}

}  // namespace

TEST(FilterMatch, WildcardsAndLogic) {
  TPinnedLocale locale;
  CheckExpressions({
      {L"=abc", L"abc", true},
      {L"  = abc ", L"abc", true},
      {L"", L"", true},
      {L"", L"x", false},
      {L"a*|b*", L"alpha", true},
      {L"a*|b*", L"beta", true},
      {L"a*|b*", L"gamma", false},
      {L"a;b", L"b", true},
      {L"a^b", L"b", true},
      {L"a*&*z", L"amaz", true},
      {L"a*&*z", L"amazed", false},
      {L"x*x", L"x", false},
      {L"x*x", L"xx", true},
      {L"*", L"", true},
      {L"?", L"", false},
      {L"a?c", L"abc", true},
      {L"a?c", L"ac", false},
      {L"!*test*", L"a test here", false},
      {L"!*test*", L"nothing", true},
      {L"!a", L"a", false},
      {L"!a", L"b", true},
      // Upper-cased both sides unless case matters.
      {L"abc", L"ABC", true},
      {L"ä*", L"Äpfel", true},
  });
}

TEST(FilterMatch, CaseSensitive) {
  TPinnedLocale locale;
  CheckExpressions({{L"abc", L"ABC", false}, {L"abc", L"abc", true}, {L"A*", L"abc", false}},
                   true);
}

TEST(FilterMatch, GroupsCombineLeftToRightWithoutPrecedence) {
  TPinnedLocale locale;
  CheckExpressions({
      {L"(a|b)&c", L"a", false},
      {L"(a*|b*)&*c", L"abc", true},
      {L"(a*|b*)&*c", L"bc", true},
      {L"(a*|b*)&*c", L"bx", false},
      {L"((a*|b*)&*z)|x", L"abz", true},
      {L"((a*|b*)&*z)|x", L"x", true},
      {L"((a*|b*)&*z)|x", L"ab", false},
      {L"x|(a*&*z)", L"az", true},
      {L"(a)|(b)", L"b", true},
      {L"(a)|(b)", L"c", false},
      // (a* or b*) and *c, not a* or (b* and *c).
      {L"a*|b*&*c", L"ab", false},
      {L"a*|b*&*c", L"abc", true},
  });
}

TEST(FilterMatch, QuotesKeepOperatorsAndSpaces) {
  TPinnedLocale locale;
  CheckExpressions({
      {L"\"a b\"", L"a b", true},
      {L"a b", L"ab", true},
      {L"\"a|b\"", L"a|b", true},
      {L"\"a|b\"", L"a", false},
      {L"\"(x)\"", L"(x)", true},
      {L"\"\"", L"", true},
      {L"\"\"", L"x", false},
      {L"\"\"|x", L"", true},
      {L"a\"\"b", L"a\"b", true},
      {L"a\"\"b", L"ab", false},
      {L"\"*\"", L"anything", true},
  });
}

TEST(FilterMatch, EmptyOperandsAndMalformedInput) {
  TPinnedLocale locale;
  CheckExpressions({
      {L"a|", L"a", true},
      {L"|a", L"b", false},
      {L"|a", L"", true},
      {L"&", L"", true},
      {L"&", L"x", false},
      {L">", L"a", true},
      {L">", L"", false},
      {L">=", L"", true},
      {L"<", L"a", false},
      // An unclosed group takes the rest of the expression.
      {L"(a", L"a", true},
      {L"(a", L"b", false},
      {L"(a|b", L"b", true},
      {L"((", L"x", false},
      {L"((", L"", true},
      {L"()", L"", true},
      {L"a)", L"a)", true},
      {L"(a))|b", L"a", true},
      {L")(", L"x", false},
      {L"\"unterminated", L"unterminated", true},
  });
}

TEST(FilterMatch, ManyStarsStayFast) {
  String value(400, L'a');
  String pattern;
  for (int i = 0; i < 12; ++i) pattern += L"*a";
  EXPECT_FALSE(MatchFilterPattern(pattern + L"*b", value));
  EXPECT_TRUE(MatchFilterPattern(pattern + L"*", value));
  EXPECT_FALSE(MatchFilterPattern(L"!" + pattern + L"*", value));
}

TEST(FilterMatch, StarsBeforeQuotesAndSingleCharacters) {
  struct TCase {
    const wchar_t* Pattern;
    const wchar_t* Value;
    bool Matches;
  };
  for (const TCase& Case : {TCase{L"*\"\"x", L"a\"x", true}, TCase{L"*\"\"x", L"ax", false},
                            TCase{L"*\"\"\"", L"b\"\"", true}, TCase{L"*\"\"\"", L"b\"", false},
                            TCase{L"\"*", L"x", true}, TCase{L"*?b", L"ab", true}, TCase{L"*?b", L"b", false},
                            TCase{L"a*b*c", L"aXbYc", true}, TCase{L"a*b*c", L"aXcYb", false},
                            TCase{L"*a*", L"", false}, TCase{L"!*a*b", L"xab", false},
                            TCase{L"!*a*b", L"xba", true}})
    EXPECT_EQ(Case.Matches, MatchFilterPattern(Case.Pattern, Case.Value)) << Case.Pattern << L" " << Case.Value;
}

// Each clause of a long expression is matched against a long value; every
// star is matched in one walk over the value rather than one per position.
TEST(FilterMatch, ManyClausesAgainstALongValue) {
  String Value;
  for (int i = 0; i < 3000; ++i) Value += L"mnF";
  String Expression;
  for (int i = 0; i < 200; ++i) Expression += L"!*mnFtag*mnF*mnFg* & ";
  Expression += L"*mnF";
  EXPECT_TRUE(MatchFilterExpression(Expression, Value, true));
}

TEST(FilterMatch, LongOperandsCompareWhole) {
  const String stem(300, L'a');
  EXPECT_TRUE(MatchFilterPattern(L">" + stem, stem + L"b"));
  EXPECT_FALSE(MatchFilterPattern(L">" + stem + L"c", stem + L"b"));
  EXPECT_TRUE(MatchFilterPattern(L"<=\"" + stem + L"\"", stem));
}

TEST(FilterMatch, ComparesNumbersDatesAndTexts) {
  TPinnedLocale locale;
  CheckExpressions({
      {L">=10", L"10", true},
      {L">=10", L"10.5", true},
      {L">=10", L"9", false},
      {L">10", L"10", false},
      // As numbers, not as texts ("9" > "10" by characters).
      {L">10", L"9", false},
      {L"<10", L"9", true},
      {L"<=5", L"5", true},
      {L"<5", L"5", false},
      {L">1,000", L"1,500", true},
      {L">1,000", L"999", false},
      {L">b", L"c", true},
      {L">b", L"a", false},
      {L"<01.02.2016", L"15.01.2016", true},
      {L"<01.02.2016", L"15.02.2016", false},
      {L">=1.2.2016", L"01.02.2016", true},
      {L">\"01.02.2016 10:00\"", L"01.02.2016 10:30", true},
      {L">\"01.02.2016 10:00\"", L"01.02.2016 09:30", false},
      {L">5&<10", L"7", true},
      {L">5&<10", L"12", false},
      // A number and a text compare as texts.
      {L">5", L"abc", true},
  });
}

TEST(FilterMatch, RangeClauses) {
  TPinnedLocale locale;
  struct TCase { const wchar_t* Clause; const wchar_t* Value; bool Expected; } cases[] = {
      {L">5&<10", L"7", true},   {L">5&<10", L"12", false}, {L">5&<10", L"3", false},
      {L"<5^>10", L"12", true},  {L"<5^>10", L"3", true},   {L"<5^>10", L"7", false},
      {L">\"a b\"", L"a c", true}, {L">\"a b\"", L"a a", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MatchFilterClause(c.Clause, c.Value, false), c.Expected)
        << testing::PrintToString(String(c.Clause)) << " / "
        << testing::PrintToString(String(c.Value));
}

TEST(FilterMatch, ParseFilterValue) {
  TPinnedLocale locale;
  const TDateTime feb1 = EncodeDate(2016, 2, 1);
  struct TCase { const wchar_t* Text; bool Ok; TDateTime Expected; } cases[] = {
      {L"01.02.2016", true, feb1},
      {L"1.2.2016 10:30", true, feb1 + EncodeTime(10, 30, 0, 0)},
      {L"1.2.2016 10:30:15", true, feb1 + EncodeTime(10, 30, 15, 0)},
      {L"1.2.2016  ", true, feb1},
      {L"1.2.16", true, EncodeDate(16, 2, 1)},
      {L"1.2", false, 0},
      {L"10", false, 0},
      {L"", false, 0},
      {L"32.1.2016", false, 0},
      {L"1.13.2016", false, 0},
      {L"31.4.2016", false, 0},
      {L"0.4.2016", false, 0},
      {L"a.2.2016", false, 0},
      {L"1.2.2016 24:00", false, 0},
      {L"1.2.2016 10:60", false, 0},
      {L"1.2.2016 10:30:60", false, 0},
      {L"1.2.2016 10", false, 0},
      {L"1.2.2016 x:10", false, 0},
  };
  for (const auto& c : cases) {
    TDateTime d = -1;
    EXPECT_EQ(ParseFilterValue(c.Text, d), c.Ok) << testing::PrintToString(String(c.Text));
    if (c.Ok) {
      EXPECT_DOUBLE_EQ(d, c.Expected) << testing::PrintToString(String(c.Text));
    }
  }
  // The order of the parts follows the short date format.
  TPinnedLocale us(L'.', L',', L'/', L"m/d/yyyy");
  TDateTime d = 0;
  ASSERT_TRUE(ParseFilterValue(L"2/1/2016", d));
  EXPECT_EQ(d, feb1);
}

TEST(FilterMatch, HelperScans) {
  struct TParen { const wchar_t* Text; Integer Pos; } parens[] = {
      {L"(a)", 3}, {L"((a)b)c", 6}, {L"(a", 0}, {L"", 0}, {L"a)", 0}, {L")(", 0}};
  for (const auto& c : parens)
    EXPECT_EQ(ClosingParenPos(c.Text), c.Pos) << testing::PrintToString(String(c.Text));

  const TCharSet ops{L'(', L';', L'^', L'&', L'|'};
  Integer pos = 0;
  EXPECT_EQ(FindUnquotedChar(ops, L"a\"&\"&b", pos), L'&');
  EXPECT_EQ(pos, 5);
  EXPECT_EQ(FindUnquotedChar(ops, L"ab\"|\"", pos), Char(0));
  EXPECT_EQ(pos, -1);

  EXPECT_EQ(RemoveUnquotedSpaces(L" a \"b c\" d "), L"a\"b c\"d");
  EXPECT_EQ(RemoveUnquotedSpaces(L"\"x y"), L"\"x y");

  TPinnedLocale german(L',', L'.', L'.', L"dd.mm.yyyy");
  EXPECT_EQ(PlainNumberText(L"1.234.567,5"), L"1234567.5");
  CheckExpressions({{L">1.000,5", L"1.000,75", true}, {L">1.000,5", L"999", false}});
}
