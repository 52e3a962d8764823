#include <gtest/gtest.h>
#include "foundation/HTMLUtils.h"

using namespace jorv::foundation;

using namespace jorv;

namespace {

String Str(const wchar_t* s) { return s; }

}  // namespace

TEST(HTMLUtils, PlainTextAndStrippedTags) {
  struct {
    const wchar_t* Text;
    const wchar_t* Plain;     // HTMLToPlainText
    const wchar_t* Stripped;  // StripTags
  } cases[] = {
      {L"a<br>b", L"a\r\nb", L"ab"},
      {L"a<HR>b<Br>", L"a\r\nb\r\n", L"ab"},
      {L"x > y <b>z</b>", L"x > y z", L"x > y <b>z</b>"},
      {L"<i>a</i> <x", L"a <x", L"a <x"},
      {L"a<b", L"a<b", L"a<b"},
      {L"&amp;<b>&lt;</b>", L"&amp;&lt;", L"&amp;&lt;"},
      {L"", L"", L""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HTMLToPlainText(c.Text), c.Plain) << testing::PrintToString(Str(c.Text));
    EXPECT_EQ(StripTags(c.Text), c.Stripped) << testing::PrintToString(Str(c.Text));
  }
}

TEST(HTMLUtils, SmallTextHelpers) {
  EXPECT_EQ(StripTemplateMarkers(L"<#NAME> and <#B>x>"), L"#NAME and #Bx>");
  EXPECT_EQ(StripTemplateMarkers(L"<#open"), L"#open");
  EXPECT_EQ(LineBreaksToBR(L"a\r\nb\rc\n", true), L"a<BR>b<BR>c");
  EXPECT_EQ(LineBreaksToBR(L"a\r\nb", false), L"ab");
  EXPECT_EQ(PasswordMask(L"abc"), L"***");
  EXPECT_EQ(SpacesToNbsp(L" a b"), L"&nbsp;a&nbsp;b");

  String text = L"One two ONE";
  EXPECT_EQ(ReplaceFirstNoCase(L"one", L"1", text), 1);
  EXPECT_EQ(text, L"1 two ONE");
  EXPECT_EQ(ReplaceFirstNoCase(L"three", L"3", text), 0);
  EXPECT_EQ(ReplaceFirstNoCase(L"", L"3", text), 0);
  EXPECT_EQ(text, L"1 two ONE");

  EXPECT_TRUE(IsDirectoryPath(L"C:\\windows"));
  EXPECT_FALSE(IsDirectoryPath(L"C:\\windows\\win.ini"));
  EXPECT_FALSE(IsDirectoryPath(L""));
}

TEST(HTMLUtils, EntitiesEncodeAndDecode) {
  struct {
    const wchar_t* Text;
    bool Letters;
    const wchar_t* Encoded;
  } cases[] = {
      {L"a<b>&\"c\"", false, L"a&lt;b&gt;&amp;&quot;c&quot;"},
      {L"\u00E9t\u00E9 \u20AC", false, L"\u00E9t\u00E9 \u20AC"},
      {L"\u00E9t\u00E9 \u20AC", true, L"&eacute;t&eacute; &euro;"},
      // Nothing in the text is mistaken for a mark of the encoder's own.
      {L"*amp;", false, L"*amp;"},
      {L"&quot;", true, L"&amp;quot;"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(Str(c.Text)));
    EXPECT_EQ(EncodeHTMLEntities(c.Text, c.Letters), c.Encoded);
    EXPECT_EQ(DecodeHTMLEntities(c.Encoded, c.Letters), c.Text);
  }
  // Names match with their case only; without Letters, letter names stay.
  EXPECT_EQ(DecodeHTMLEntities(L"&LT;&Eacute;&eacute;", true), L"&LT;\u00C9\u00E9");
  EXPECT_EQ(DecodeHTMLEntities(L"&lt;&eacute;", false), L"<&eacute;");
  EXPECT_EQ(DecodeHTMLEntities(L"&amp;eacute;", true), L"&eacute;");
}

TEST(HTMLUtils, WrapMatchesInTag) {
  struct {
    const wchar_t* HTML;
    const wchar_t* Search;
    bool WholeOnly;
    bool MatchCase;
    const wchar_t* Expected;
  } cases[] = {
      // Plain text: matches wrapped, the rest escaped.
      {L"xaby<", L"ab", false, false, L"x<HI>ab</HI>y&lt;"},
      {L"xAB ab", L"ab", false, false, L"x<HI>AB</HI> <HI>ab</HI>"},
      {L"xAB", L"ab", false, true, L"xAB"},
      {L"x<y", L"q", false, false, L"x<y"},
      {L"<hi>x</Hi>ab", L"ab", false, false, L"x<HI>ab</HI>"},
      {L"aa\u00E9", L"\u00C9", false, false, L"aa<HI>\u00E9</HI>"},
      // Marked-up text: tags and entities are skipped while matching.
      {L"<B>x</B>ab", L"ab", false, false, L"<B>x</B><HI>ab</HI>"},
      {L"a<B>b</B>c", L"ab", false, false, L"<HI>a<B>b</HI></B>c"},
      {L"<i>ab</i>", L"ab", false, false, L"<i><HI>ab</HI></i>"},
      {L"<FONT color=\"clred\">a</FONT>b", L"ab", false, false,
       L"<FONT color=\"clred\"><HI>a</FONT></HI><HI>b</HI>"},
      {L"<B>x</B>a&amp;b", L"a&b", false, false, L"<B>x</B><HI>a&amp;b</HI>"},
      {L"<B>x</B>&eacute;t&eacute;", L"\u00C9T", false, false,
       L"<B>x</B><HI>&eacute;t</HI>&eacute;"},
      {L"<B>x</B>&nbsp;ab ab", L"ab", false, false,
       L"<B>x</B>&nbsp;<HI>ab</HI> <HI>ab</HI>"},
      {L"<B>x</B>&nbsp;ab", L"q", false, false, L"<B>x</B>&nbsp;ab"},
      // Whole only.
      {L"ab", L"AB", true, false, L"<HI>ab</HI>"},
      {L"a<\u00E9", L"a<\u00C9", true, false, L"<HI>a&lt;&eacute;</HI>"},
      {L"abc", L"ab", true, false, L"abc"},
      {L"<b>ab</b>", L"ab", true, false, L"<HI><b>ab</b></HI>"},
      {L"ab", L"AB", true, true, L"ab"},
      // An empty search finds nothing.
      {L"ab", L"", false, false, L"ab"},
  };
  for (const auto& c : cases) {
    String result = L"old";
    SCOPED_TRACE(testing::PrintToString(Str(c.HTML)) + " / " + testing::PrintToString(Str(c.Search)));
    EXPECT_EQ(WrapMatchesInTag(c.HTML, c.Search, L"hi", result, c.WholeOnly, c.MatchCase), c.Expected);
    EXPECT_EQ(result, c.Expected);
  }
  String result;
  EXPECT_EQ(WrapMatchesInTag(L"xab", L"ab", L"e", result, false, false), L"x<E>ab</E>");
}

TEST(HTMLUtils, RemoveTagPairsUndoesWrapping) {
  const wchar_t* plain[] = {L"xaby<", L"a \"ab\" & <ab>", L"ab", L"abab&lt;"};
  for (const wchar_t* text : plain) {
    String wrapped;
    WrapMatchesInTag(text, L"ab", L"hi", wrapped, false, false);
    EXPECT_NE(wrapped, text);
    EXPECT_EQ(RemoveTagPairs(wrapped, L"hi"), text) << testing::PrintToString(Str(text));
  }
  struct {
    const wchar_t* HTML;
    const wchar_t* Expected;
  } cases[] = {
      // Other closing tags remain: entities stay as written.
      {L"<B>a</B><HI>b&lt;</HI>", L"<B>a</B>b&lt;"},
      {L"<<HI>HI>x</hi>", L"x"},
      {L"&lt;no tags&gt;", L"&lt;no tags&gt;"},
      {L"<hit>a</hit>", L"<hit>a</hit>"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RemoveTagPairs(c.HTML, L"HI"), c.Expected) << testing::PrintToString(Str(c.HTML));
}

namespace {

const wchar_t* const Form =
    L"Name <CONTROL TYPE=\"edit\" ID=\"n\" VALUE=\"J&eacute;r&ocirc;me\" WIDTH=\"80\" "
    L"HEIGHT=\"20\" PROP=\"&lt;99\" MAXLEN=\"12\" EXTRA=\"x\"> ok "
    L"<control type=\"CHECK\" id=\"c\" value=\"TRUE\" width=\"20\"> "
    L"<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"20\">"
    L"<CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"x\" WIDTH=\"60\" MAXLEN=\"ab\">"
    L"<CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"TRUE\" WIDTH=\"20\"> end";

}  // namespace

TEST(HTMLUtils, ControlTagsAreRead) {
  String type = L"?", id = L"?", value = L"?", width = L"?", height = L"?", prop = L"?", maxlen = L"?";
  ParseControlTag(L"<control type=\"mask\" id=\"m\" value=\"a&amp;&eacute;\" width=\"9\" prop=\"99/99\">",
                  type, id, value, width, height, prop, maxlen);
  EXPECT_EQ(type, L"MASK");
  EXPECT_EQ(id, L"m");
  EXPECT_EQ(value, L"a&\u00E9");
  EXPECT_EQ(width, L"9");
  EXPECT_EQ(height, L"");
  EXPECT_EQ(prop, L"99/99");
  EXPECT_EQ(maxlen, L"");

  EXPECT_TRUE(HasControlTag(Form));
  EXPECT_TRUE(HasControlTag(L"<control>"));
  EXPECT_FALSE(HasControlTag(L"<cont"));

  struct {
    const wchar_t* ID;
    Integer Found;
    const wchar_t* Value;
    const wchar_t* Prop;
    Integer MaxLen;
  } cases[] = {
      {L"n", 1, L"J\u00E9r\u00F4me", L"<99", 12},
      {L"c", 1, L"TRUE", L"", 0},
      {L"k", 1, L"x", L"", 0},  // MAXLEN that is no number
      {L"N", 0, L"unchanged", L"", 0},
      {L"", 0, L"unchanged", L"", 0},
  };
  for (const auto& c : cases) {
    String v = L"unchanged";
    SCOPED_TRACE(testing::PrintToString(Str(c.ID)));
    EXPECT_EQ(GetControlValue(Form, c.ID, v), c.Found);
    EXPECT_EQ(v, c.Value);
    EXPECT_EQ(GetControlProp(Form, c.ID), c.Prop);
    EXPECT_EQ(GetControlMaxLen(Form, c.ID), c.MaxLen);
  }

  struct {
    const wchar_t* After;
    const wchar_t* Next;
  } order[] = {{L"", L"n"}, {L"n", L"k"}, {L"c", L"k"}, {L"k", L""}, {L"none", L""}};
  for (const auto& c : order)
    EXPECT_EQ(NextEditControlID(Form, c.After), c.Next) << testing::PrintToString(Str(c.After));
  // A control with no ">" is no control.
  String v;
  EXPECT_EQ(GetControlValue(L"<CONTROL ID=\"a\" VALUE=\"1\"", L"a", v), 0);
}

TEST(HTMLUtils, SetControlValueRewritesOneTag) {
  String html = Form;
  EXPECT_EQ(SetControlValue(html, L"missing", L"x"), 0);
  EXPECT_EQ(html, Form);

  EXPECT_EQ(SetControlValue(html, L"n", L"\u00C0 \"b\" <c>"), 1);
  const String expected =
      L"Name <CONTROL ID=\"n\" VALUE=\"&Agrave; &quot;b&quot; &lt;c&gt;\" WIDTH=\"80\" "
      L"TYPE=\"EDIT\" HEIGHT=\"20\" PROP=\"&lt;99\" MAXLEN=\"12\"> ok ";
  EXPECT_EQ(html.substr(0, expected.size()), expected);
  EXPECT_EQ(html.substr(expected.size()), String(Form).substr(String(Form).find(L"<control type")));
  String v;
  EXPECT_EQ(GetControlValue(html, L"n", v), 1);
  EXPECT_EQ(v, L"\u00C0 \"b\" <c>");
  EXPECT_EQ(GetControlProp(html, L"n"), L"<99");
  EXPECT_EQ(GetControlMaxLen(html, L"n"), 12);

  // Without HEIGHT, PROP and MAXLEN none is written.
  String check = L"<control type=\"check\" id=\"c\" value=\"TRUE\" width=\"20\">";
  EXPECT_EQ(SetControlValue(check, L"c", L"FALSE"), 1);
  EXPECT_EQ(check, L"<CONTROL ID=\"c\" VALUE=\"FALSE\" WIDTH=\"20\" TYPE=\"CHECK\">");
}

TEST(HTMLUtils, ClearRadioControlsTouchesOnlyRadios) {
  const String cleared = ClearRadioControls(Form);
  struct {
    const wchar_t* ID;
    const wchar_t* Value;
  } cases[] = {{L"r1", L"FALSE"}, {L"r2", L"FALSE"}, {L"c", L"TRUE"}, {L"n", L"J\u00E9r\u00F4me"}};
  for (const auto& c : cases) {
    String v;
    EXPECT_EQ(GetControlValue(cleared, c.ID, v), 1);
    EXPECT_EQ(v, c.Value) << testing::PrintToString(Str(c.ID));
  }
  EXPECT_EQ(ClearRadioControls(L"no controls"), L"no controls");
  // Radio buttons sharing an identifier are each cleared, not the first again.
  EXPECT_EQ(ClearRadioControls(L"<CONTROL TYPE=\"RADIO\" ID=\"g\" VALUE=\"TRUE\" WIDTH=\"5\">-"
                               L"<CONTROL TYPE=\"RADIO\" ID=\"g\" VALUE=\"TRUE\" WIDTH=\"6\">"),
            L"<CONTROL ID=\"g\" VALUE=\"FALSE\" WIDTH=\"5\" TYPE=\"RADIO\">-"
            L"<CONTROL ID=\"g\" VALUE=\"FALSE\" WIDTH=\"6\" TYPE=\"RADIO\">");
}
