#include "foundation/HTMLUtils.h"

#include <vector>
#include "foundation/HTMLSubset.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::foundation {

namespace {

const Char CR = 13, LF = 10;

Char UpChar(Char c) { return c >= L'a' && c <= L'z' ? Char(c - 32) : c; }

size_t FindNoCase(const String& Sub, const String& Text, size_t From = 0) {
  if (Sub.empty() || Text.size() < Sub.size()) return String::npos;
  for (size_t i = From; i + Sub.size() <= Text.size(); ++i) {
    size_t k = 0;
    while (k < Sub.size() && UpChar(Text[i + k]) == UpChar(Sub[k])) ++k;
    if (k == Sub.size()) return i;
  }
  return String::npos;
}

String ReplaceAllNoCase(const String& Text, const String& From, const String& To) {
  size_t p = FindNoCase(From, Text);
  if (p == String::npos) return Text;
  String r;
  size_t i = 0;
  for (; p != String::npos; p = FindNoCase(From, Text, i)) {
    r.append(Text, i, p - i);
    r += To;
    i = p + From.size();
  }
  r.append(Text, i, String::npos);
  return r;
}

bool StartsWithAt(const String& Text, size_t i, const Char* Name) {
  return Text.compare(i, std::char_traits<Char>::length(Name), Name) == 0;
}

// One CONTROL tag of a text: its place and its attributes.
struct TControlTag {
  size_t Start = 0, Length = 0;
  String Type, ID, Value, Width, Height, Prop, MaxLen;
};

// Every control in order of appearance; a "<CONTROL " with no ">" after it
// ends the scan.
std::vector<TControlTag> ScanControls(const String& HTML) {
  std::vector<TControlTag> list;
  for (size_t p = FindNoCase(L"<CONTROL ", HTML); p != String::npos;) {
    size_t q = HTML.find(L'>', p);
    if (q == String::npos) break;
    TControlTag c;
    c.Start = p;
    c.Length = q - p + 1;
    ParseControlTag(HTML.substr(p, c.Length), c.Type, c.ID, c.Value, c.Width,
                    c.Height, c.Prop, c.MaxLen);
    list.push_back(std::move(c));
    p = FindNoCase(L"<CONTROL ", HTML, q + 1);
  }
  return list;
}

const TControlTag* FindControl(const std::vector<TControlTag>& List, const String& ID) {
  for (const auto& c : List)
    if (c.ID == ID) return &c;
  return nullptr;
}

// A piece of marked-up source: a tag, an entity or one character. Tags show
// nothing; an entity shows its character, or a character that no search
// text holds when it is not one the engine knows, so that positions in the
// visible text and in the source stay in step.
struct TSourcePiece {
  size_t Start, Length;
  bool IsTag;
  Char Visible;
};

std::vector<TSourcePiece> SplitSource(const String& HTML) {
  std::vector<TSourcePiece> pieces;
  for (size_t i = 0; i < HTML.size();) {
    Char c = HTML[i];
    if (c == L'<') {
      size_t q = HTML.find(L'>', i);
      size_t end = q == String::npos ? HTML.size() : q + 1;
      pieces.push_back({i, end - i, true, 0});
      i = end;
      continue;
    }
    if (c == L'&') {
      size_t semi = HTML.find_first_of(L";<>& ", i + 1);
      if (semi != String::npos && HTML[semi] == L';') {
        String decoded = DecodeHTMLEntities(HTML.substr(i, semi - i + 1), true);
        pieces.push_back({i, semi - i + 1, false, decoded.size() == 1 ? decoded[0] : Char(0xFFFF)});
        i = semi + 1;
        continue;
      }
    }
    pieces.push_back({i, 1, false, c});
    ++i;
  }
  return pieces;
}

String UpperForMatch(const String& Text) { return AnsiUpperCase(Text); }

}  // namespace

String HTMLToPlainText(const String& HTML) {
  const String crlf{CR, LF};
  String s = ReplaceAllNoCase(ReplaceAllNoCase(HTML, L"<BR>", crlf), L"<HR>", crlf);
  String r;
  r.reserve(s.size());
  size_t i = 0;
  for (;;) {
    size_t p = s.find(L'<', i);
    size_t q = p == String::npos ? p : s.find(L'>', p);
    if (q == String::npos) break;
    r.append(s, i, p - i);
    i = q + 1;
  }
  r.append(s, i, String::npos);
  return r;
}

String StripTags(const String& Text) {
  String s = Text;
  for (;;) {
    size_t p = s.find(L'<');
    size_t q = s.find(L'>');
    if (p == String::npos || q == String::npos || q < p) break;
    s.erase(p, q - p + 1);
  }
  return s;
}

String StripTemplateMarkers(const String& Text) {
  String s = Text;
  for (size_t p = s.find(L"<#"); p != String::npos; p = s.find(L"<#", p)) {
    s.erase(p, 1);
    size_t q = s.find(L'>', p);
    if (q != String::npos) s.erase(q, 1);
  }
  return s;
}

String LineBreaksToBR(const String& Text, bool Breaks) {
  String r;
  r.reserve(Text.size());
  for (Char c : Text) {
    if (c == CR) {
      if (Breaks) r += L"<BR>";
    } else if (c != LF) {
      r += c;
    }
  }
  return r;
}

Integer ReplaceFirstNoCase(const String& Search, const String& Replacement,
                           String& Text) {
  size_t p = FindNoCase(Search, Text);
  if (p == String::npos) return 0;
  Text.replace(p, Search.size(), Replacement);
  return 1;
}

String PasswordMask(const String& Text) { return String(Text.size(), L'*'); }

bool IsDirectoryPath(const String& Path) { return !Path.empty() && DirectoryExists(Path); }

String EncodeHTMLEntities(const String& Text, bool Letters) {
  // One pass, so that nothing already in the text is taken for a mark of
  // this function's own.
  String r;
  r.reserve(Text.size() + Text.size() / 8);
  for (Char c : Text) {
    switch (c) {
      case L'&': r += L"&amp;"; break;
      case L'"': r += L"&quot;"; break;
      case L'<': r += L"&lt;"; break;
      case L'>': r += L"&gt;"; break;
      default: r += Letters && c >= 0xA0 ? CharsToLetterEntities(String(1, c)) : String(1, c);
    }
  }
  return r;
}

String DecodeHTMLEntities(const String& Text, bool Letters) {
  if (Text.find(L'&') == String::npos) return Text;
  static const struct {
    const Char* Name;
    Char Ch;
  } basic[] = {{L"&lt;", L'<'}, {L"&gt;", L'>'}, {L"&amp;", L'&'}, {L"&quot;", L'"'}};
  // Left to right in one pass: a decoded ampersand never starts another
  // entity, so "&amp;quot;" gives back "&quot;" as it was encoded.
  String r;
  r.reserve(Text.size());
  for (size_t i = 0; i < Text.size();) {
    bool done = false;
    if (Text[i] == L'&') {
      for (const auto& b : basic)
        if (StartsWithAt(Text, i, b.Name)) {
          r += b.Ch;
          i += std::char_traits<Char>::length(b.Name);
          done = true;
          break;
        }
      if (!done && Letters)
        for (const auto& e : HTMLLetterEntities)
          if (StartsWithAt(Text, i, e.Name)) {
            r += e.Letter;
            i += std::char_traits<Char>::length(e.Name);
            done = true;
            break;
          }
    }
    if (!done) r += Text[i++];
  }
  return r;
}

String SpacesToNbsp(const String& Text) {
  String r;
  r.reserve(Text.size());
  for (Char c : Text) {
    if (c == L' ')
      r += L"&nbsp;";
    else
      r += c;
  }
  return r;
}

String WrapMatchesInTag(const String& HTML, const String& Search,
                        const String& TagName, String& Result, bool WholeOnly,
                        bool MatchCase) {
  const String tag = UpperCase(TagName);
  const String open = L"<" + tag + L">", close = L"</" + tag + L">";
  String html = ReplaceAllNoCase(ReplaceAllNoCase(HTML, open, L""), close, L"");
  Result = html;
  // An empty search would match everywhere without moving on.
  if (Search.empty()) return Result;
  const String search = MatchCase ? Search : UpperForMatch(Search);

  const bool marked = html.find(L"</") != String::npos;
  std::vector<TSourcePiece> pieces;
  std::vector<size_t> visibleAt;  // piece index of each visible character
  String visible;
  if (marked) {
    pieces = SplitSource(html);
    for (size_t k = 0; k < pieces.size(); ++k)
      if (!pieces[k].IsTag) {
        visible += pieces[k].Visible;
        visibleAt.push_back(k);
      }
  } else {
    visible = html;
  }
  if (!MatchCase) visible = UpperForMatch(visible);

  if (WholeOnly) {
    if (search == visible)
      Result = open + (marked ? html : EncodeHTMLEntities(html, true)) + close;
    return Result;
  }

  size_t at = visible.find(search);
  if (at == String::npos) return Result;
  String r;
  if (!marked) {
    size_t done = 0;
    for (; at != String::npos; at = visible.find(search, done)) {
      r += EncodeHTMLEntities(html.substr(done, at - done), false);
      r += open + EncodeHTMLEntities(html.substr(at, search.size()), false) + close;
      done = at + search.size();
    }
    r += EncodeHTMLEntities(html.substr(done), false);
    Result = r;
    return Result;
  }

  size_t next = 0;  // next piece to copy
  auto copyPiece = [&](size_t k) { r.append(html, pieces[k].Start, pieces[k].Length); };
  for (; at != String::npos; at = visible.find(search, at + search.size())) {
    // Tags before the first matched character stay outside the highlight.
    for (; next < visibleAt[at]; ++next) copyPiece(next);
    r += open;
    const size_t last = visibleAt[at + search.size() - 1];
    for (; next <= last; ++next) {
      copyPiece(next);
      // The closing FONT tag restores its own colours: the highlight
      // starts again after it.
      if (pieces[next].IsTag && FindNoCase(L"</FONT", html.substr(pieces[next].Start, 6)) == 0)
        r += close + open;
    }
    r += close;
  }
  for (; next < pieces.size(); ++next) copyPiece(next);
  Result = r;
  return Result;
}

String RemoveTagPairs(const String& HTML, const String& TagName) {
  const String open = L"<" + TagName + L">", close = L"</" + TagName + L">";
  String s = HTML;
  // One at a time, so that a tag that a removal brings together goes too.
  while (ReplaceFirstNoCase(open, L"", s) || ReplaceFirstNoCase(close, L"", s)) {
  }
  if (HTML.find(L"</") != String::npos && s.find(L"</") == String::npos)
    s = DecodeHTMLEntities(s, false);
  return s;
}

void ParseControlTag(const String& Tag, String& Type, String& ID, String& Value,
                     String& Width, String& Height, String& Prop,
                     String& MaxLen) {
  Type = UpperCase(HTMLTagAttr(Tag, L"TYPE="));
  Width = HTMLTagAttr(Tag, L"WIDTH=");
  Height = HTMLTagAttr(Tag, L"HEIGHT=");
  ID = HTMLTagAttr(Tag, L"ID=");
  Value = DecodeHTMLEntities(HTMLTagAttr(Tag, L"VALUE="), true);
  Prop = DecodeHTMLEntities(HTMLTagAttr(Tag, L"PROP="), true);
  MaxLen = HTMLTagAttr(Tag, L"MAXLEN=");
}

bool HasControlTag(const String& HTML) { return FindNoCase(L"<CONTROL", HTML) != String::npos; }

Integer GetControlValue(const String& HTML, const String& ID, String& Value) {
  const auto list = ScanControls(HTML);
  const TControlTag* c = FindControl(list, ID);
  if (!c) return 0;
  Value = c->Value;
  return 1;
}

String GetControlProp(const String& HTML, const String& ID) {
  const auto list = ScanControls(HTML);
  const TControlTag* c = FindControl(list, ID);
  return c ? c->Prop : String();
}

Integer GetControlMaxLen(const String& HTML, const String& ID) {
  const auto list = ScanControls(HTML);
  const TControlTag* c = FindControl(list, ID);
  Integer n = 0;
  return c && TryStrToInt(c->MaxLen, n) ? n : 0;
}

String NextEditControlID(const String& HTML, const String& AfterID) {
  bool passed = AfterID.empty();
  for (const auto& c : ScanControls(HTML)) {
    if (!passed) {
      passed = c.ID == AfterID;
      continue;
    }
    if (c.Type != L"BUTTON" && c.Type != L"CHECK" && c.Type != L"RADIO") return c.ID;
  }
  return String();
}

namespace {

// The control's tag written anew with Value, its other attributes kept.
String ControlTagWithValue(const TControlTag& Control, const String& Value) {
  String tag = L"<CONTROL ID=\"" + Control.ID + L"\" VALUE=\"" + EncodeHTMLEntities(Value, true) +
               L"\" WIDTH=\"" + Control.Width + L"\" TYPE=\"" + Control.Type + L"\"";
  if (!Control.Height.empty()) tag += L" HEIGHT=\"" + Control.Height + L"\"";
  if (!Control.Prop.empty()) tag += L" PROP=\"" + EncodeHTMLEntities(Control.Prop, true) + L"\"";
  if (!Control.MaxLen.empty()) tag += L" MAXLEN=\"" + Control.MaxLen + L"\"";
  return tag + L">";
}

}  // namespace

Integer SetControlValue(String& HTML, const String& ID, const String& Value) {
  const auto list = ScanControls(HTML);
  const TControlTag* c = FindControl(list, ID);
  if (!c) return 0;
  HTML.replace(c->Start, c->Length, ControlTagWithValue(*c, Value));
  return 1;
}

// One scan, and every radio button rewritten from the last to the first so
// that the places of those before it stay where the scan found them: each
// one is cleared, also where several share an identifier, and a text of
// many controls costs its length once rather than once per control.
String ClearRadioControls(const String& HTML) {
  String s = HTML;
  const auto list = ScanControls(HTML);
  for (auto c = list.rbegin(); c != list.rend(); ++c)
    if (c->Type == L"RADIO") s.replace(c->Start, c->Length, ControlTagWithValue(*c, L"FALSE"));
  return s;
}

}  // namespace jorv::foundation
