#include "foundation/HTMLSubset.h"

#include <algorithm>
#include <cwchar>
#include "platform/rtl/SysUtils.h"

namespace jorv::foundation {

namespace {

Char UpChar(Char c) { return c >= L'a' && c <= L'z' ? Char(c - 32) : c; }

// 0-based index of Sub in Text at or after From, ASCII case ignored.
size_t FindNoCase(const String& Sub, const String& Text, size_t From = 0) {
  if (Sub.empty() || Text.size() < Sub.size()) return String::npos;
  for (size_t i = From; i + Sub.size() <= Text.size(); ++i) {
    size_t k = 0;
    while (k < Sub.size() && UpChar(Text[i + k]) == UpChar(Sub[k])) ++k;
    if (k == Sub.size()) return i;
  }
  return String::npos;
}

String ReplaceAll(const String& Text, const String& From, const String& To) {
  size_t p = Text.find(From);
  if (p == String::npos) return Text;
  String r;
  r.reserve(Text.size());
  size_t i = 0;
  for (; p != String::npos; p = Text.find(From, i)) {
    r.append(Text, i, p - i);
    r += To;
    i = p + From.size();
  }
  r.append(Text, i, String::npos);
  return r;
}

Integer HexDigit(Char c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  c = UpChar(c);
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

// "#RRGGBB" from the "#" on; pairs that are missing or not hexadecimal are 0.
TColor HexColor(const String& Text, size_t Hash) {
  TColor result = 0;
  for (Integer pair = 0; pair < 3; ++pair) {
    size_t i = Hash + 1 + size_t(pair) * 2;
    Integer hi = i < Text.size() ? HexDigit(Text[i]) : -1;
    Integer lo = i + 1 < Text.size() ? HexDigit(Text[i + 1]) : -1;
    if (hi >= 0 && lo >= 0) result |= TColor((hi * 16 + lo) << (8 * pair));
  }
  return result;
}

struct TColorName {
  const Char* Name;
  TColor Color;
};

// In ordinal order of the names: looked up by bisection.
const TColorName ColorNames[] = {
    {L"3ddkshadow", cl3DDkShadow},
    {L"3dlight", cl3DLight},
    {L"activeborder", clActiveBorder},
    {L"activecaption", clActiveCaption},
    {L"appworkspace", clAppWorkSpace},
    {L"aqua", clAqua},
    {L"background", clBackground},
    {L"black", clBlack},
    {L"blue", clBlue},
    {L"btnface", clBtnFace},
    {L"btnhighlight", clBtnHighlight},
    {L"btnshadow", clBtnShadow},
    {L"btntext", clBtnText},
    {L"captiontext", clCaptionText},
    {L"fuchsia", clFuchsia},
    {L"gray", clGray},
    {L"graytext", clGrayText},
    {L"green", clGreen},
    {L"highlight", clHighlight},
    {L"highlighttext", clHighlightText},
    {L"inactiveborder", clInactiveBorder},
    {L"inactivecaption", clInactiveCaption},
    {L"inactivecaptiontext", clInactiveCaptionText},
    {L"infobk", clInfoBk},
    {L"infotext", clInfoText},
    {L"lime", clLime},
    {L"maroon", clMaroon},
    {L"menu", clMenu},
    {L"menutext", clMenuText},
    {L"navy", clNavy},
    {L"olive", clOlive},
    {L"purple", clPurple},
    {L"red", clRed},
    {L"silver", clSilver},
    {L"teal", clTeal},
    {L"white", clWhite},
    {L"window", clWindow},
    {L"windowframe", clWindowFrame},
    {L"windowtext", clWindowText},
    {L"yellow", clYellow},
};

TColor HilightBackground = clHighlight;
TColor HilightText = clHighlightText;

// The tag's attribute text: after its name, up to ">".
String AttrText(const String& Tag) {
  size_t i = 1;
  while (i < Tag.size() && Tag[i] != L' ' && Tag[i] != L'>') ++i;
  size_t end = Tag.find(L'>', i);
  if (end == String::npos) end = Tag.size();
  return Tag.substr(i, end - i);
}

// An integer after optional blanks, one "=" and one double quote; false when
// no digit follows.
bool ReadIntAt(const String& Text, size_t i, Integer& Value) {
  auto skipBlanks = [&] {
    while (i < Text.size() && Text[i] == L' ') ++i;
  };
  skipBlanks();
  if (i < Text.size() && Text[i] == L'=') ++i;
  skipBlanks();
  if (i < Text.size() && Text[i] == L'"') ++i;
  bool negative = i < Text.size() && Text[i] == L'-';
  if (negative) ++i;
  Int64 v = 0;
  size_t start = i;
  while (i < Text.size() && Text[i] >= L'0' && Text[i] <= L'9') {
    if (v < 100000000) v = v * 10 + (Text[i] - L'0');
    ++i;
  }
  if (i == start) return false;
  Value = Integer(negative ? -v : v);
  return true;
}

}  // namespace

TColor ParseHTMLColor(const String& Text) {
  if (!Text.empty() && Text[0] == L'#') return HexColor(Text, 0);
  if (Text.size() < 2 || Text[0] != L'c' || Text[1] != L'l') return 0;
  const Char* name = Text.c_str() + 2;
  auto end = std::end(ColorNames);
  auto it = std::lower_bound(std::begin(ColorNames), end, name,
                             [](const TColorName& e, const Char* n) {
                               return std::wcscmp(e.Name, n) < 0;
                             });
  return it != end && std::wcscmp(it->Name, name) == 0 ? it->Color : 0;
}

TColor HTMLColorValue(const String& Value) {
  if (Value.empty()) return clNone;
  if (Value[0] == L'#') return HexColor(Value, 0);
  return ParseHTMLColor(LowerCase(Value));
}

void SetHTMLHilightColors(TColor Background, TColor Text) {
  HilightBackground = Background;
  HilightText = Text;
}

TColor HTMLHilightColor() { return HilightBackground; }
TColor HTMLHilightTextColor() { return HilightText; }

const THTMLLetterEntity HTMLLetterEntities[HTMLLetterEntityCount] = {
    {L"&eacute;", L'\u00E9'}, {L"&egrave;", L'\u00E8'}, {L"&euml;", L'\u00EB'},
    {L"&ecirc;", L'\u00EA'},  {L"&oacute;", L'\u00F3'}, {L"&ograve;", L'\u00F2'},
    {L"&ouml;", L'\u00F6'},   {L"&ocirc;", L'\u00F4'},  {L"&iacute;", L'\u00ED'},
    {L"&igrave;", L'\u00EC'}, {L"&iuml;", L'\u00EF'},   {L"&icirc;", L'\u00EE'},
    {L"&uacute;", L'\u00FA'}, {L"&ugrave;", L'\u00F9'}, {L"&uuml;", L'\u00FC'},
    {L"&ucirc;", L'\u00FB'},  {L"&aacute;", L'\u00E1'}, {L"&agrave;", L'\u00E0'},
    {L"&auml;", L'\u00E4'},   {L"&acirc;", L'\u00E2'},  {L"&Eacute;", L'\u00C9'},
    {L"&Egrave;", L'\u00C8'}, {L"&Euml;", L'\u00CB'},   {L"&Ecirc;", L'\u00CA'},
    {L"&Oacute;", L'\u00D3'}, {L"&Ograve;", L'\u00D2'}, {L"&Ouml;", L'\u00D6'},
    {L"&Ocirc;", L'\u00D4'},  {L"&Iacute;", L'\u00CD'}, {L"&Igrave;", L'\u00CC'},
    {L"&Iuml;", L'\u00CF'},   {L"&Icirc;", L'\u00CE'},  {L"&Uacute;", L'\u00DA'},
    {L"&Ugrave;", L'\u00D9'}, {L"&Uuml;", L'\u00DC'},   {L"&Ucirc;", L'\u00DB'},
    {L"&Aacute;", L'\u00C1'}, {L"&Agrave;", L'\u00C0'}, {L"&Auml;", L'\u00C4'},
    {L"&Acirc;", L'\u00C2'},  {L"&ccedil;", L'\u00E7'}, {L"&Ccedil;", L'\u00C7'},
    {L"&oslash;", L'\u00F8'}, {L"&Oslash;", L'\u00D8'}, {L"&aring;", L'\u00E5'},
    {L"&Aring;", L'\u00C5'},  {L"&copy;", L'\u00A9'},   {L"&reg;", L'\u00AE'},
    {L"&euro;", L'\u20AC'},   {L"&laquo;", L'\u00AB'},  {L"&raquo;", L'\u00BB'},
};

String LetterEntitiesToChars(const String& Text) {
  if (Text.find(L'&') == String::npos) return Text;
  String r = Text;
  for (const auto& e : HTMLLetterEntities) r = ReplaceAll(r, e.Name, String(1, e.Letter));
  return r;
}

String CharsToLetterEntities(const String& Text) {
  String r;
  r.reserve(Text.size());
  for (Char c : Text) {
    const THTMLLetterEntity* hit = nullptr;
    if (c >= 0xA0)
      for (const auto& e : HTMLLetterEntities)
        if (e.Letter == c) {
          hit = &e;
          break;
        }
    if (hit)
      r += hit->Name;
    else
      r += c;
  }
  return r;
}

String DecodeHTMLSpecialChars(const String& Text) {
  if (Text.find(L'&') == String::npos) return Text;
  static const struct {
    const Char* Name;
    const Char* Text;
  } sweep[] = {
      {L"&AMP;", L"&&"},         {L"&QUOT;", L"\""},       {L"&SECT;", L"\u00A7"},
      {L"&PERMIL;", L"\u2030"},  {L"&REG;", L"\u00AE"},    {L"&COPY;", L"\u00A9"},
      {L"&PARA;", L"\u00B6"},    {L"&TRADE;", L"\u2122"},  {L"&EURO;", L"\u20AC"},
  };
  // Replacing entities until none is left gives one result in whatever
  // order (names hold no "&" or ";" between their ends, so two never
  // overlap), and a replacement can only form a new entity that ends
  // further on: one pass that decodes each entity as its ";" arrives gives
  // what sweeps that each replace the first of each give, in linear time.
  String r;
  r.reserve(Text.size());
  for (Char c : Text) {
    r += c;
    if (c != L';') continue;
    for (const auto& s : sweep) {
      const size_t n = std::wcslen(s.Name);
      if (r.size() >= n && FindNoCase(s.Name, r, r.size() - n) != String::npos) {
        r.replace(r.size() - n, n, s.Text);
        break;
      }
    }
  }
  return r;
}

String DecodeHTMLRunEntities(const String& Run) {
  if (Run.find(L'&') == String::npos) return Run;
  String r = ReplaceAll(Run, L"&nbsp;", L" ");
  r = ReplaceAll(r, L"&lt;", L"<");
  r = ReplaceAll(r, L"&gt;", L">");
  return LetterEntitiesToChars(r);
}

THTMLTokenKind NextHTMLToken(const String& Text, Integer& Pos, bool WordWrap,
                             String& Token) {
  Token.clear();
  const size_t len = Text.size();
  if (Pos < 1) Pos = 1;
  size_t i = size_t(Pos) - 1;
  if (i >= len) return htkEnd;
  if (Text[i] == L'<') {
    size_t close = len - i <= 2 ? String::npos : Text.find(L'>', i);
    if (close == String::npos) {
      Pos = Integer(len) + 1;
      return htkEnd;
    }
    Token = Text.substr(i, close - i + 1);
    Pos = Integer(close) + 2;
    return htkTag;
  }
  size_t end = Text.find(L'<', i);
  if (end == String::npos) end = len;
  if (WordWrap) {
    size_t space = Text.find(L' ', i);
    if (space != String::npos && space < end) end = space + 1;
  }
  Token = Text.substr(i, end - i);
  Pos = Integer(end) + 1;
  return htkText;
}

THTMLTag ClassifyHTMLTag(const String& Tag, Integer ListLevel, bool& Closing) {
  Closing = Tag.size() >= 4 && Tag[1] == L'/';
  size_t i = Closing ? 2 : 1;
  if (i >= Tag.size()) return htNone;
  Char c = UpChar(Tag[i]);
  Char n = i + 1 < Tag.size() ? UpChar(Tag[i + 1]) : 0;
  if (Closing) {
    switch (c) {
      case L'A': return htAnchor;
      case L'B': return n == L'>' ? htBold : htBlink;
      case L'E': return htError;
      case L'F': return htFont;
      case L'H': return htHighlight;
      case L'I': return htItalic;
      case L'L': return htListItem;
      case L'P': return htParagraph;
      case L'R': return htRotation;
      case L'S': return n == L'H' ? htShadow : n == L'U' ? htSubscript : htStrikeout;
      case L'U': return n == L'>' || ListLevel < 1 ? htUnderline : htList;
      case L'Z': return htHidden;
      default: return htNone;
    }
  }
  switch (c) {
    case L'A': return htAnchor;
    case L'B':
      switch (n) {
        case L'>': return htBold;
        case L'R': return htLineBreak;
        case L'L': return htBlink;
        case L'O': return htBody;
        default: return htNone;
      }
    case L'C': return htControl;
    case L'E': return htError;
    case L'F': return htFont;
    case L'H': return n == L'I' ? htHighlight : n == L'R' ? htRule : htNone;
    case L'I':
      switch (n) {
        case L'>': return htItalic;
        case L'N': return htIndent;
        case L'M': return htImage;
        default: return htNone;
      }
    case L'L': return htListItem;
    case L'P': return htParagraph;
    case L'R': return htRotation;
    case L'S':
      if (SameText(Tag, L"<SUB>")) return htSubscript;
      if (SameText(Tag, L"<SUP>")) return htSuperscript;
      return n == L'>' ? htStrikeout : n == L'H' ? htShadow : htNone;
    case L'U': return n == L'>' ? htUnderline : htList;
    case L'Z': return htHidden;
    default: return htNone;
  }
}

String HTMLTagAttr(const String& Tag, const String& Name) {
  size_t p = FindNoCase(Name, Tag);
  if (p == String::npos) return String();
  size_t q1 = Tag.find(L'"', p + Name.size());
  if (q1 == String::npos) return String();
  size_t q2 = Tag.find(L'"', q1 + 1);
  if (q2 == String::npos) return String();
  return Tag.substr(q1 + 1, q2 - q1 - 1);
}

THTMLAnchorAttrs ReadHTMLAnchor(const String& Tag) {
  THTMLAnchorAttrs a;
  a.HRef = HTMLTagAttr(Tag, L"HREF");
  a.Title = HTMLTagAttr(Tag, L"TITLE");
  return a;
}

Integer HTMLFontSizeToPoints(Integer Size) {
  return Size >= 1 && Size <= 5 ? 6 + 2 * Size : Size;
}

THTMLFontAttrs ReadHTMLFont(const String& Tag) {
  THTMLFontAttrs f;
  const String attrs = UpperCase(AttrText(Tag));
  f.Face = HTMLTagAttr(attrs, L"FACE");
  // With its blank, so that BGCOLOR is not read as COLOR.
  f.Color = HTMLColorValue(HTMLTagAttr(attrs, L" COLOR"));
  f.HasBgColor = attrs.find(L"BGCOLOR") != String::npos;
  if (f.HasBgColor) f.BgColor = HTMLColorValue(HTMLTagAttr(attrs, L"BGCOLOR"));
  size_t size = attrs.find(L"SIZE");
  Integer n = 0;
  // Quoted or not; a size that cannot be read leaves the font's size as it
  // is rather than asking for a font of no height.
  if (size != String::npos && attrs.find(L'=', size) != String::npos &&
      ReadIntAt(attrs, attrs.find(L'=', size), n) && n > 0)
    f.Size = HTMLFontSizeToPoints(n);
  return f;
}

THTMLParagraphAttrs ReadHTMLParagraph(const String& Tag) {
  THTMLParagraphAttrs p;
  const String attrs = UpperCase(AttrText(Tag));
  const String align = HTMLTagAttr(attrs, L"ALIGN");
  // Tested in this order, the last match winning.
  if (align.find(L"RIGHT") != String::npos) p.HasAlign = true, p.Align = taRightJustify;
  if (align.find(L"LEFT") != String::npos) p.HasAlign = true, p.Align = taLeftJustify;
  if (align.find(L"CENTER") != String::npos) p.HasAlign = true, p.Align = taCenter;
  p.HasIndent = attrs.find(L"INDENT") != String::npos;
  if (p.HasIndent) p.Indent = StrToIntDef(Trim(HTMLTagAttr(attrs, L"INDENT")), 0);
  p.HasBgColor = attrs.find(L"BGCOLOR") != String::npos;
  if (p.HasBgColor) p.BgColor = HTMLColorValue(HTMLTagAttr(attrs, L"BGCOLOR"));
  return p;
}

THTMLBodyAttrs ReadHTMLBody(const String& Tag) {
  THTMLBodyAttrs b;
  b.Background = HTMLTagAttr(Tag, L"BACKGROUND");
  const String color = HTMLTagAttr(Tag, L"BGCOLOR");
  size_t hash = color.find(L'#');
  if (FindNoCase(L"CL", color) != String::npos)
    b.BgColor = ParseHTMLColor(LowerCase(color));
  else if (hash != String::npos)
    b.BgColor = HexColor(color, hash);
  return b;
}

bool ReadHTMLIndent(const String& Tag, Integer& X) {
  size_t x = FindNoCase(L"X", Tag);
  return x != String::npos && ReadIntAt(Tag, x + 1, X);
}

Integer ReadHTMLRotation(const String& Tag) {
  size_t a = Tag.size() > 2 ? FindNoCase(L"A", Tag, 2) : String::npos;
  Integer angle = 0;
  if (a == String::npos || !ReadIntAt(Tag, a + 1, angle)) return 0;
  return angle;
}

THTMLImageAttrs ReadHTMLImage(const String& Tag) {
  THTMLImageAttrs m;
  const String attrs = UpperCase(AttrText(Tag));
  m.Src = HTMLTagAttr(attrs, L"SRC");
  m.Alt = HTMLTagAttr(attrs, L"ALT");
  m.Width = StrToIntDef(Trim(HTMLTagAttr(attrs, L"WIDTH")), 0);
  m.Height = StrToIntDef(Trim(HTMLTagAttr(attrs, L"HEIGHT")), 0);
  if (attrs.find(L"\"TOP") != String::npos)
    m.Align = hiaTop;
  else if (attrs.find(L"\"MIDDLE") != String::npos)
    m.Align = hiaMiddle;
  return m;
}

THTMLImageKind HTMLImageKind(const String& Src, String& Name, Integer& Index) {
  Name.clear();
  Index = 0;
  auto prefixed = [&](const Char* Prefix) {
    size_t n = std::wcslen(Prefix);
    if (Src.size() < n || FindNoCase(Prefix, Src.substr(0, n)) != 0) return false;
    Name = Src.substr(n);
    return true;
  };
  if (prefixed(L"IDX:")) {
    Index = StrToIntDef(Trim(Name), 0);
    return hikImageList;
  }
  if (prefixed(L"SSYS:")) return hikSmallSysIcon;
  if (prefixed(L"LSYS:")) return hikLargeSysIcon;
  if (Src.empty()) return hikNone;
  Name = Src;
  if (Src.find(L':') == String::npos) return hikContainer;
  if (Src.find(L"://") != String::npos) return hikURL;
  Name.clear();
  return hikNone;
}

TGraphic* HTMLContainerPicture(IHTMLPictureContainer* Container,
                               const String& Src) {
  if (!Container || Src.empty() || Src.find(L':') != String::npos) return nullptr;
  return Container->FindPicture(Src);
}

Char HTMLBulletChar(Integer ListLevel) {
  return ListLevel % 2 != 0 ? Char(0xB7) : L'o';
}

}  // namespace jorv::foundation
