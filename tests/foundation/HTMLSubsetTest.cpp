#include <gtest/gtest.h>
#include <vector>
#include "foundation/HTMLSubset.h"
#include "platform/gfx/Bitmap.h"
#include "platform/rtl/WinApi.h"

using namespace jorv::foundation;

using namespace jorv;

TEST(HTMLSubset, ColourValues) {
  struct {
    const wchar_t* Text;
    TColor Parsed;  // ParseHTMLColor
    TColor Value;   // HTMLColorValue, as tags read their attributes
  } cases[] = {
      {L"#FF0000", 0x0000FF, 0x0000FF},
      {L"#ff8001", 0x0180FF, 0x0180FF},
      {L"#GG00FF", 0xFF0000, 0xFF0000},  // a pair that is no number is 0
      {L"#12", 0x12, 0x12},
      {L"clred", clRed, clRed},
      {L"cl3ddkshadow", cl3DDkShadow, cl3DDkShadow},
      {L"clyellow", clYellow, clYellow},
      {L"clmenu", clMenu, clMenu},
      {L"clmenutext", clMenuText, clMenuText},
      {L"clinactivecaptiontext", clInactiveCaptionText, clInactiveCaptionText},
      {L"clwindowtext", clWindowText, clWindowText},
      {L"clRed", 0, clRed},  // the lookup is exact; the tags lower-case first
      {L"CLBTNFACE", 0, clBtnFace},
      {L"clnosuch", 0, 0},
      {L"red", 0, 0},
      {L"", 0, clNone},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseHTMLColor(c.Text), c.Parsed) << testing::PrintToString(String(c.Text));
    EXPECT_EQ(HTMLColorValue(c.Text), c.Value) << testing::PrintToString(String(c.Text));
  }
}

TEST(HTMLSubset, HighlightColoursAreOnePairForTheProcess) {
  EXPECT_EQ(HTMLHilightColor(), clHighlight);
  EXPECT_EQ(HTMLHilightTextColor(), clHighlightText);
  SetHTMLHilightColors(clYellow, clNavy);
  EXPECT_EQ(HTMLHilightColor(), clYellow);
  EXPECT_EQ(HTMLHilightTextColor(), clNavy);
  SetHTMLHilightColors(clHighlight, clHighlightText);
}

TEST(HTMLSubset, EntitiesBeforeLayoutAndWithinRuns) {
  struct {
    const wchar_t* Text;
    const wchar_t* Expected;
  } special[] = {
      {L"a&amp;b", L"a&&b"},
      {L"&AMP;", L"&&"},
      {L"&quot;x&Quot;", L"\"x\""},
      {L"&copy;&copy;&reg;", L"\u00A9\u00A9\u00AE"},
      {L"&sect;&permil;&para;&trade;&euro;", L"\u00A7\u2030\u00B6\u2122\u20AC"},
      // A replacement that forms an entity is seen by the next sweep.
      {L"&amp;quot;", L"&\""},
      {L"&amp;amp;AMP;", L"&&&&"},
      {L"&Eacute;&nbsp;", L"&Eacute;&nbsp;"},
      {L"a & b", L"a & b"},
  };
  for (const auto& c : special)
    EXPECT_EQ(DecodeHTMLSpecialChars(c.Text), c.Expected) << testing::PrintToString(String(c.Text));

  struct {
    const wchar_t* Run;
    const wchar_t* Expected;
  } runs[] = {
      {L"&nbsp;&lt;b&gt;", L" <b>"},
      {L"&Eacute;t&eacute;", L"\u00C9t\u00E9"},
      {L"&EACUTE;&NBSP;&LT;", L"&EACUTE;&NBSP;&LT;"},  // exact case only
      {L"&euro;&laquo;&raquo;&Aring;", L"\u20AC\u00AB\u00BB\u00C5"},
  };
  for (const auto& c : runs)
    EXPECT_EQ(DecodeHTMLRunEntities(c.Run), c.Expected) << testing::PrintToString(String(c.Run));

  // Every letter maps to its name and back.
  for (const auto& e : HTMLLetterEntities) {
    EXPECT_EQ(CharsToLetterEntities(String(1, e.Letter)), e.Name);
    EXPECT_EQ(LetterEntitiesToChars(e.Name), String(1, e.Letter));
  }
}

TEST(HTMLSubset, LetterEntitiesNameTheirLetters) {
  // Each accented letter decomposes into the letter and the mark its name
  // spells; the rest are the code page 1252 characters of their names.
  const struct {
    const wchar_t* Suffix;
    wchar_t Mark;
  } marks[] = {{L"acute;", 0x301}, {L"grave;", 0x300}, {L"uml;", 0x308},
               {L"circ;", 0x302},  {L"cedil;", 0x327}, {L"ring;", 0x30A}};
  const struct {
    const wchar_t* Name;
    char Byte;
  } others[] = {{L"&oslash;", '\xF8'}, {L"&Oslash;", '\xD8'}, {L"&copy;", '\xA9'},
                {L"&reg;", '\xAE'},    {L"&euro;", '\x80'},   {L"&laquo;", '\xAB'},
                {L"&raquo;", '\xBB'}};
  String seen;
  for (const auto& e : HTMLLetterEntities) {
    const String name = e.Name;
    SCOPED_TRACE(testing::PrintToString(name));
    EXPECT_EQ(seen.find(e.Letter), String::npos);
    seen += e.Letter;
    bool known = false;
    for (const auto& m : marks)
      if (name.substr(2) == m.Suffix) {
        wchar_t parts[4] = {};
        ASSERT_EQ(FoldStringW(MAP_COMPOSITE, &e.Letter, 1, parts, 4), 2);
        EXPECT_EQ(parts[0], name[1]);
        EXPECT_EQ(parts[1], m.Mark);
        known = true;
      }
    for (const auto& o : others)
      if (name == o.Name) {
        wchar_t w = 0;
        ASSERT_EQ(MultiByteToWideChar(1252, 0, &o.Byte, 1, &w, 1), 1);
        EXPECT_EQ(e.Letter, w);
        known = true;
      }
    EXPECT_TRUE(known);
  }
}

TEST(HTMLSubset, EveryColourNameIsFound) {
  const struct {
    const wchar_t* Name;
    TColor Color;
  } names[] = {
      {L"3ddkshadow", TColor(0xFF000015)}, {L"3dlight", TColor(0xFF000016)},
      {L"activeborder", TColor(0xFF00000A)}, {L"activecaption", TColor(0xFF000002)},
      {L"appworkspace", TColor(0xFF00000C)}, {L"aqua", 0xFFFF00},
      {L"background", TColor(0xFF000001)}, {L"black", 0x000000},
      {L"blue", 0xFF0000}, {L"btnface", TColor(0xFF00000F)},
      {L"btnhighlight", TColor(0xFF000014)}, {L"btnshadow", TColor(0xFF000010)},
      {L"btntext", TColor(0xFF000012)}, {L"captiontext", TColor(0xFF000009)},
      {L"fuchsia", 0xFF00FF}, {L"gray", 0x808080},
      {L"graytext", TColor(0xFF000011)}, {L"green", 0x008000},
      {L"highlight", TColor(0xFF00000D)}, {L"highlighttext", TColor(0xFF00000E)},
      {L"inactiveborder", TColor(0xFF00000B)}, {L"inactivecaption", TColor(0xFF000003)},
      {L"inactivecaptiontext", TColor(0xFF000013)}, {L"infobk", TColor(0xFF000018)},
      {L"infotext", TColor(0xFF000017)}, {L"lime", 0x00FF00},
      {L"maroon", 0x000080}, {L"menu", TColor(0xFF000004)},
      {L"menutext", TColor(0xFF000007)}, {L"navy", 0x800000},
      {L"olive", 0x008080}, {L"purple", 0x800080},
      {L"red", 0x0000FF}, {L"silver", 0xC0C0C0},
      {L"teal", 0x808000}, {L"white", 0xFFFFFF},
      {L"window", TColor(0xFF000005)}, {L"windowframe", TColor(0xFF000006)},
      {L"windowtext", TColor(0xFF000008)}, {L"yellow", 0x00FFFF},
  };
  for (const auto& n : names)
    EXPECT_EQ(ParseHTMLColor(String(L"cl") + n.Name), n.Color) << testing::PrintToString(String(n.Name));
}

namespace {

String Tokens(const String& Text, bool WordWrap) {
  String out;
  String token;
  Integer pos = 1;
  for (THTMLTokenKind k; (k = NextHTMLToken(Text, pos, WordWrap, token)) != htkEnd;)
    out += (k == htkTag ? L"T[" : L"t[") + token + L"]";
  return out;
}

}  // namespace

TEST(HTMLSubset, TokensAreTagsAndRuns) {
  struct {
    const wchar_t* Text;
    bool WordWrap;
    const wchar_t* Expected;
  } cases[] = {
      {L"a<b>c d", false, L"t[a]T[<b>]t[c d]"},
      {L"ab cd e<i>f", true, L"t[ab ]t[cd ]t[e]T[<i>]t[f]"},
      {L"ab<i> x", true, L"t[ab]T[<i>]t[ ]t[x]"},
      {L"x<", false, L"t[x]"},
      {L"x<b", false, L"t[x]"},
      {L"<>", false, L""},
      {L"x<bad tag", false, L"t[x]"},
      {L"a>b", false, L"t[a>b]"},
      {L"", false, L""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Tokens(c.Text, c.WordWrap), c.Expected) << testing::PrintToString(String(c.Text));
}

TEST(HTMLSubset, TagsAreKnownByTheirFirstLetters) {
  struct {
    const wchar_t* Tag;
    Integer Level;
    THTMLTag Expected;
    bool Closing;
  } cases[] = {
      {L"<a href=\"x\">", 0, htAnchor, false},
      {L"<ABBR>", 0, htAnchor, false},
      {L"<b>", 0, htBold, false},
      {L"<br>", 0, htLineBreak, false},
      {L"<BL>", 0, htBlink, false},
      {L"<body bgcolor=\"clred\">", 0, htBody, false},
      {L"<big>", 0, htNone, false},
      {L"<control id=\"x\">", 0, htControl, false},
      {L"<EM>", 0, htError, false},
      {L"<font>", 0, htFont, false},
      {L"<hi>", 0, htHighlight, false},
      {L"<hr>", 0, htRule, false},
      {L"<h1>", 0, htNone, false},
      {L"<i>", 0, htItalic, false},
      {L"<ind x=5>", 0, htIndent, false},
      {L"<img src=\"a\">", 0, htImage, false},
      {L"<ix>", 0, htNone, false},
      {L"<li>", 0, htListItem, false},
      {L"<p>", 0, htParagraph, false},
      {L"<r a=90>", 0, htRotation, false},
      {L"<s>", 0, htStrikeout, false},
      {L"<sh>", 0, htShadow, false},
      {L"<sub>", 0, htSubscript, false},
      {L"<SUP>", 0, htSuperscript, false},
      {L"<sub x>", 0, htNone, false},
      {L"<span>", 0, htNone, false},
      {L"<u>", 0, htUnderline, false},
      {L"<ul>", 0, htList, false},
      {L"<ux>", 0, htList, false},
      {L"<z>", 0, htHidden, false},
      {L"<table>", 0, htNone, false},
      {L"</a>", 0, htAnchor, true},
      {L"</b>", 0, htBold, true},
      {L"</bl>", 0, htBlink, true},
      {L"</body>", 0, htBlink, true},
      {L"</c>", 0, htNone, true},
      {L"</e>", 0, htError, true},
      {L"</FONT>", 0, htFont, true},
      {L"</hi>", 0, htHighlight, true},
      {L"</i>", 0, htItalic, true},
      {L"</li>", 0, htListItem, true},
      {L"</p>", 0, htParagraph, true},
      {L"</r>", 0, htRotation, true},
      {L"</sh>", 0, htShadow, true},
      {L"</sup>", 0, htSubscript, true},
      {L"</s>", 0, htStrikeout, true},
      {L"</u>", 1, htUnderline, true},
      {L"</ul>", 1, htList, true},
      {L"</ul>", 0, htUnderline, true},
      {L"</z>", 0, htHidden, true},
      {L"</>", 0, htNone, false},
  };
  for (const auto& c : cases) {
    bool closing = !c.Closing;
    EXPECT_EQ(ClassifyHTMLTag(c.Tag, c.Level, closing), c.Expected)
        << testing::PrintToString(String(c.Tag));
    EXPECT_EQ(closing, c.Closing) << testing::PrintToString(String(c.Tag));
  }
}

TEST(HTMLSubset, AttributeValuesAreTheFirstQuotedTextAfterTheName) {
  struct {
    const wchar_t* Tag;
    const wchar_t* Name;
    const wchar_t* Expected;
  } cases[] = {
      {L"<a href=\"Page.htm\" title=\"T\">", L"HREF", L"Page.htm"},
      {L"<a HREF=\"x\" title=\"T\">", L"title", L"T"},
      {L"<a href=x>", L"HREF", L""},
      {L"<a href=x title=\"T\">", L"HREF", L"T"},  // an unquoted value is the next quoted one
      {L"<a href=\"x>", L"HREF", L""},
      {L"<a>", L"HREF", L""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(HTMLTagAttr(c.Tag, c.Name), c.Expected) << testing::PrintToString(String(c.Tag));

  THTMLAnchorAttrs a = ReadHTMLAnchor(L"<A href=\"Mailto:Me\" title=\"Say hi\">");
  EXPECT_EQ(a.HRef, L"Mailto:Me");
  EXPECT_EQ(a.Title, L"Say hi");
}

TEST(HTMLSubset, FontAttributes) {
  struct {
    const wchar_t* Tag;
    const wchar_t* Face;
    TColor Color;
    bool HasBgColor;
    TColor BgColor;
    Integer Size;
  } cases[] = {
      {L"<font color=\"clRed\">", L"", clRed, false, clNone, 0},
      {L"<font color=\"clNoSuch\">", L"", clBlack, false, clNone, 0},
      {L"<font color=clRed>", L"", clNone, false, clNone, 0},
      {L"<font color=\"#00FF00\" face=\"Arial\">", L"ARIAL", clLime, false, clNone, 0},
      {L"<font bgcolor=\"clYellow\">", L"", clNone, true, clYellow, 0},
      {L"<font bgcolor=\"\">", L"", clNone, true, clNone, 0},
      {L"<font size=\"3\">", L"", clNone, false, clNone, 12},
      {L"<font size=\"20\">", L"", clNone, false, clNone, 20},
      {L"<font size=4>", L"", clNone, false, clNone, 14},
      {L"<font size=1>", L"", clNone, false, clNone, 8},
      {L"<font size=5 color=\"clred\">", L"", clRed, false, clNone, 16},
      {L"<font size=\"big\">", L"", clNone, false, clNone, 0},
  };
  for (const auto& c : cases) {
    THTMLFontAttrs f = ReadHTMLFont(c.Tag);
    SCOPED_TRACE(testing::PrintToString(String(c.Tag)));
    EXPECT_EQ(f.Face, c.Face);
    EXPECT_EQ(f.Color, c.Color);
    EXPECT_EQ(f.HasBgColor, c.HasBgColor);
    EXPECT_EQ(f.BgColor, c.BgColor);
    EXPECT_EQ(f.Size, c.Size);
  }
}

TEST(HTMLSubset, ParagraphAndBodyAttributes) {
  struct {
    const wchar_t* Tag;
    bool HasAlign;
    TAlignment Align;
    bool HasIndent;
    Integer Indent;
    bool HasBgColor;
    TColor BgColor;
  } cases[] = {
      {L"<p align=\"center\">", true, taCenter, false, 0, false, clNone},
      {L"<p align=\"right\">", true, taRightJustify, false, 0, false, clNone},
      {L"<p align=\"rightleft\">", true, taLeftJustify, false, 0, false, clNone},
      {L"<p align=\"middle\">", false, taLeftJustify, false, 0, false, clNone},
      {L"<p indent=\"20\">", false, taLeftJustify, true, 20, false, clNone},
      {L"<p indent=\"x\">", false, taLeftJustify, true, 0, false, clNone},
      {L"<p bgcolor=\"#0000FF\">", false, taLeftJustify, false, 0, true, clBlue},
      {L"<p bgcolor=\"clSilver\">", false, taLeftJustify, false, 0, true, clSilver},
      {L"<p bgcolor=\"\">", false, taLeftJustify, false, 0, true, clNone},
  };
  for (const auto& c : cases) {
    THTMLParagraphAttrs p = ReadHTMLParagraph(c.Tag);
    SCOPED_TRACE(testing::PrintToString(String(c.Tag)));
    EXPECT_EQ(p.HasAlign, c.HasAlign);
    EXPECT_EQ(p.Align, c.Align);
    EXPECT_EQ(p.HasIndent, c.HasIndent);
    EXPECT_EQ(p.Indent, c.Indent);
    EXPECT_EQ(p.HasBgColor, c.HasBgColor);
    EXPECT_EQ(p.BgColor, c.BgColor);
  }

  struct {
    const wchar_t* Tag;
    const wchar_t* Background;
    TColor BgColor;
  } bodies[] = {
      {L"<body bgcolor=\"clYellow\">", L"", clYellow},
      {L"<body bgcolor=\"#0000FF\" background=\"Tile\">", L"Tile", clBlue},
      {L"<body bgcolor=\"red\">", L"", clNone},
  };
  for (const auto& c : bodies) {
    THTMLBodyAttrs b = ReadHTMLBody(c.Tag);
    EXPECT_EQ(b.Background, c.Background);
    EXPECT_EQ(b.BgColor, c.BgColor) << testing::PrintToString(String(c.Tag));
  }
}

TEST(HTMLSubset, IndentAndRotationNumbers) {
  struct {
    const wchar_t* Tag;
    bool Valid;
    Integer X;
  } indents[] = {
      {L"<ind x=50>", true, 50},
      {L"<IND X=\"30\">", true, 30},
      {L"<ind x=>", false, 0},
      {L"<ind>", false, 0},
  };
  for (const auto& c : indents) {
    Integer x = -1;
    EXPECT_EQ(ReadHTMLIndent(c.Tag, x), c.Valid) << testing::PrintToString(String(c.Tag));
    if (c.Valid) { EXPECT_EQ(x, c.X); }
  }
  EXPECT_EQ(ReadHTMLRotation(L"<r a=90>"), 90);
  EXPECT_EQ(ReadHTMLRotation(L"<R A=\"-45\">"), -45);
  EXPECT_EQ(ReadHTMLRotation(L"<r>"), 0);
}

TEST(HTMLSubset, ImageAttributesAndSources) {
  THTMLImageAttrs m =
      ReadHTMLImage(L"<img src=\"logo\" alt=\"logohot\" width=\"32\" height=x align=\"top\">");
  EXPECT_EQ(m.Src, L"LOGO");
  EXPECT_EQ(m.Alt, L"LOGOHOT");
  EXPECT_EQ(m.Width, 32);
  EXPECT_EQ(m.Height, 0);
  EXPECT_EQ(m.Align, hiaTop);
  EXPECT_EQ(ReadHTMLImage(L"<img src=\"a\" align=\"middle\">").Align, hiaMiddle);
  EXPECT_EQ(ReadHTMLImage(L"<img src=\"a\" align=\"bottom\">").Align, hiaBottom);

  struct {
    const wchar_t* Src;
    THTMLImageKind Kind;
    const wchar_t* Name;
    Integer Index;
  } cases[] = {
      {L"IDX:3", hikImageList, L"3", 3},
      {L"IDX:X", hikImageList, L"X", 0},
      {L"SSYS:C:\\", hikSmallSysIcon, L"C:\\", 0},
      {L"LSYS:.TXT", hikLargeSysIcon, L".TXT", 0},
      {L"LOGO", hikContainer, L"LOGO", 0},
      {L"HTTP://HOST/A.PNG", hikURL, L"HTTP://HOST/A.PNG", 0},
      {L"C:\\A.PNG", hikNone, L"", 0},
      {L"", hikNone, L"", 0},
  };
  for (const auto& c : cases) {
    String name = L"old";
    Integer index = -1;
    EXPECT_EQ(HTMLImageKind(c.Src, name, index), c.Kind) << testing::PrintToString(String(c.Src));
    EXPECT_EQ(name, c.Name);
    EXPECT_EQ(index, c.Index);
  }
}

TEST(HTMLSubset, ContainerIsAskedOnlyForPlainNames) {
  struct TFake : IHTMLPictureContainer {
    TBitmap Picture{2, 2};
    std::vector<String> Asked;
    TGraphic* FindPicture(const String& Name) override {
      Asked.push_back(Name);
      return &Picture;
    }
  } fake;
  EXPECT_EQ(HTMLContainerPicture(&fake, L"LOGO"), &fake.Picture);
  EXPECT_EQ(HTMLContainerPicture(&fake, L"FILE://X.PNG"), nullptr);
  EXPECT_EQ(HTMLContainerPicture(&fake, L""), nullptr);
  EXPECT_EQ(HTMLContainerPicture(nullptr, L"LOGO"), nullptr);
  EXPECT_EQ(fake.Asked, std::vector<String>{L"LOGO"});
}

TEST(HTMLSubset, FontSizesAndBullets) {
  const Integer points[] = {8, 10, 12, 14, 16};
  for (Integer s = 1; s <= 5; ++s) EXPECT_EQ(HTMLFontSizeToPoints(s), points[s - 1]);
  EXPECT_EQ(HTMLFontSizeToPoints(20), 20);
  EXPECT_EQ(HTMLFontSizeToPoints(6), 6);
  EXPECT_EQ(HTMLBulletChar(1), Char(0xB7));
  EXPECT_EQ(HTMLBulletChar(2), L'o');
  EXPECT_EQ(HTMLBulletChar(3), Char(0xB7));
  EXPECT_EQ(HTMLBulletChar(0), L'o');
}
