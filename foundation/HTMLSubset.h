#pragma once
// The library's own small markup for rich captions, hints, panel texts and
// grid cells: a subset of HTML with additions. There is no document tree:
// text is read left to right, and each tag changes the drawing state where
// it stands. This unit finds tokens, tells tags apart, reads their
// attributes, colours and entities; the renderer applies what it reads.
// Positions are 1-based.
#include "platform/rtl/Types.h"
#include "platform/gfx/Colors.h"

namespace jorv {
class TGraphic;
}
namespace jorv::foundation {


// ---- Colours ----

// "#RRGGBB" (either case; a pair that is not hexadecimal counts as 0) or
// "cl" + a name of the colour-name table, matched exactly, so callers
// lower-case the value first. Anything else gives 0.
TColor ParseHTMLColor(const String& Text);
// A colour attribute's value as the tags read it: empty gives clNone, a
// value starting with "#" is hexadecimal, any other is lower-cased and looked
// up by name (an unknown name is black).
TColor HTMLColorValue(const String& Value);

// The pair the highlight tag draws with, for the whole process.
void SetHTMLHilightColors(TColor Background, TColor Text);
TColor HTMLHilightColor();
TColor HTMLHilightTextColor();

// ---- Entities ----

struct THTMLLetterEntity {
  const Char* Name;  // "&eacute;"
  Char Letter;
};
constexpr Integer HTMLLetterEntityCount = 51;
extern const THTMLLetterEntity HTMLLetterEntities[HTMLLetterEntityCount];

// Every letter-entity name (exact case) becomes its letter, in table order.
String LetterEntitiesToChars(const String& Text);
// Every letter of the table becomes its entity name.
String CharsToLetterEntities(const String& Text);

// Before lines are laid out: sweeps that each replace the first "&amp;",
// "&quot;", "&sect;", "&permil;", "&reg;", "&copy;", "&para;", "&trade;"
// and "&euro;" (any case) until a sweep replaces nothing. "&amp;" becomes
// "&&" because runs go out with prefix processing on.
String DecodeHTMLSpecialChars(const String& Text);
// Within one text run once it is cut: "&nbsp;", "&lt;", "&gt;", then the
// letter entities, all matched with exact case.
String DecodeHTMLRunEntities(const String& Run);

// ---- Tokens ----

enum THTMLTokenKind : uint8_t { htkEnd, htkTag, htkText };

// Cuts the next token of Text at Pos and moves Pos past it. A tag runs from
// "<" to the first ">" after it; a "<" with no ">" after it, and a "<" with
// at most one character after it, end the text. A text run goes up to the
// next "<" or, with WordWrap, up to and including the next space when that
// comes first.
THTMLTokenKind NextHTMLToken(const String& Text, Integer& Pos, bool WordWrap,
                             String& Token);

// What a tag does. Closing tags share the kind of their opening tag; a
// closing tag starting with B but not "</B>" is htBlink, which restores the
// base font's colour, and "</SUB>" or "</SUP>" is htSubscript, which ends
// both.
enum THTMLTag : uint8_t {
  htNone,
  htAnchor,
  htBold,
  htLineBreak,
  htBlink,
  htBody,
  htControl,
  htError,
  htFont,
  htHighlight,
  htRule,
  htItalic,
  htIndent,
  htImage,
  htListItem,
  htParagraph,
  htRotation,
  htStrikeout,
  htShadow,
  htSubscript,
  htSuperscript,
  htUnderline,
  htList,
  htHidden
};

// Tag is the whole token including "<" and ">". The list level decides
// whether a closing U tag other than "</U>" closes a list or underlining.
THTMLTag ClassifyHTMLTag(const String& Tag, Integer ListLevel, bool& Closing);

// ---- Attributes ----

// The text between the first two double quotes after Name, which is
// searched without regard to case; empty when there are not two.
String HTMLTagAttr(const String& Tag, const String& Name);

struct THTMLAnchorAttrs {
  String HRef;  // case as written; a link only when not empty
  String Title;
};
THTMLAnchorAttrs ReadHTMLAnchor(const String& Tag);

struct THTMLFontAttrs {
  String Face;              // upper case; empty leaves the name
  TColor Color = clNone;    // clNone leaves the colour
  bool HasBgColor = false;  // the brush is saved even for an empty value
  TColor BgColor = clNone;  // clNone leaves the brush
  Integer Size = 0;         // points; 0 leaves the size
};
THTMLFontAttrs ReadHTMLFont(const String& Tag);
// SIZE 1 to 5 are 8 to 16 points; any other number is the point size.
Integer HTMLFontSizeToPoints(Integer Size);

struct THTMLParagraphAttrs {
  bool HasAlign = false;
  TAlignment Align = taLeftJustify;
  bool HasIndent = false;
  Integer Indent = 0;
  bool HasBgColor = false;
  TColor BgColor = clNone;
};
THTMLParagraphAttrs ReadHTMLParagraph(const String& Tag);

struct THTMLBodyAttrs {
  String Background;        // a picture name, looked up as IMG sources are
  TColor BgColor = clNone;  // clNone: no fill
};
THTMLBodyAttrs ReadHTMLBody(const String& Tag);

// IN: the number after the first letter x; false when there is none.
bool ReadHTMLIndent(const String& Tag, Integer& X);
// R: degrees after the first letter A past the tag's own letter; 0 when
// unreadable.
Integer ReadHTMLRotation(const String& Tag);

enum THTMLImageKind : uint8_t {
  hikNone,          // nothing the engine can show
  hikImageList,     // "IDX:" n, the caller's image list
  hikSmallSysIcon,  // "SSYS:" name or index
  hikLargeSysIcon,  // "LSYS:" name or index
  hikContainer,     // a name without ":", asked of the picture container
  hikURL            // contains "://", taken from the picture cache
};
enum THTMLImageAlign : uint8_t { hiaBottom, hiaTop, hiaMiddle };

struct THTMLImageAttrs {
  String Src;  // upper case
  String Alt;  // upper case
  Integer Width = 0;
  Integer Height = 0;
  THTMLImageAlign Align = hiaBottom;
};
THTMLImageAttrs ReadHTMLImage(const String& Tag);
// Name gets the part after the prefix (the whole source for container and
// URL pictures); Index the image-list number, 0 when unreadable.
THTMLImageKind HTMLImageKind(const String& Src, String& Name, Integer& Index);

// What the engine needs of a picture container: a picture by name, the name
// compared without regard to case. The container of named pictures
// implements it; none exists yet, so callers pass nullptr.
class IHTMLPictureContainer {
 public:
  virtual ~IHTMLPictureContainer() = default;
  virtual TGraphic* FindPicture(const String& Name) = 0;
};
// The container's picture for an IMG source without ":"; nullptr otherwise.
TGraphic* HTMLContainerPicture(IHTMLPictureContainer* Container,
                               const String& Src);

// The list-item bullet in the Symbol font: a dot at odd levels, "o" at even.
Char HTMLBulletChar(Integer ListLevel);

}  // namespace jorv::foundation
