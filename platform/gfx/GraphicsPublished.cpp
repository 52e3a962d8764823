// Published properties of the graphics objects, and colour names for every
// colour property that component streaming writes.
#include "platform/gfx/GraphicsPublished.h"

#include "platform/gfx/Colors.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/TypInfo.h"

namespace jorv {

namespace {

const bool ColorNamesBound = [] {
  ColorIdents.ToIdent = &ColorToIdent;
  ColorIdents.FromIdent = &IdentToColor;
  return true;
}();

struct TCharsetName {
  Integer Value;
  const wchar_t* Name;
};

const TCharsetName CharsetNames[] = {
    {ANSI_CHARSET, L"ANSI_CHARSET"},       {DEFAULT_CHARSET, L"DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, L"SYMBOL_CHARSET"},   {MAC_CHARSET, L"MAC_CHARSET"},
    {SHIFTJIS_CHARSET, L"SHIFTJIS_CHARSET"}, {HANGEUL_CHARSET, L"HANGEUL_CHARSET"},
    {JOHAB_CHARSET, L"JOHAB_CHARSET"},     {GB2312_CHARSET, L"GB2312_CHARSET"},
    {CHINESEBIG5_CHARSET, L"CHINESEBIG5_CHARSET"}, {GREEK_CHARSET, L"GREEK_CHARSET"},
    {TURKISH_CHARSET, L"TURKISH_CHARSET"}, {HEBREW_CHARSET, L"HEBREW_CHARSET"},
    {ARABIC_CHARSET, L"ARABIC_CHARSET"},   {BALTIC_CHARSET, L"BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, L"RUSSIAN_CHARSET"}, {THAI_CHARSET, L"THAI_CHARSET"},
    {EASTEUROPE_CHARSET, L"EASTEUROPE_CHARSET"}, {OEM_CHARSET, L"OEM_CHARSET"},
};

bool CharsetToIdent(Integer Value, String& Ident) {
  for (const auto& c : CharsetNames)
    if (c.Value == Value) {
      Ident = c.Name;
      return true;
    }
  return false;
}

bool IdentToCharset(const String& Ident, Integer& Value) {
  for (const auto& c : CharsetNames)
    if (Ident == c.Name) {
      Value = c.Value;
      return true;
    }
  return false;
}

const TIdentMap CharsetIdents{&CharsetToIdent, &IdentToCharset};

const TEnumInfo FontPitchNames{{L"fpDefault", L"fpVariable", L"fpFixed"}};
const TEnumInfo FontQualityNames{{L"fqDefault", L"fqDraft", L"fqProof", L"fqNonAntialiased",
                                  L"fqAntialiased", L"fqClearType", L"fqClearTypeNatural"}};

}  // namespace

const TEnumInfo FontStyleNames{{L"fsBold", L"fsItalic", L"fsUnderline", L"fsStrikeOut"}};
const TEnumInfo BrushStyleNames{{L"bsSolid", L"bsClear", L"bsHorizontal", L"bsVertical", L"bsFDiagonal",
                                 L"bsBDiagonal", L"bsCross", L"bsDiagCross"}};

JORV_PUBLISH(TFont, TPersistent) {
  Class.Integer(L"Charset", &TFont::Charset, &TFont::SetCharset);
  Class.Last().Idents = &CharsetIdents;
  Class.Color(L"Color", &TFont::Color, &TFont::SetColor)
      .Integer(L"Height", &TFont::Height, &TFont::SetHeight)
      .Text(L"Name", &TFont::Name, &TFont::SetName)
      .Integer(L"Orientation", &TFont::Orientation, &TFont::SetOrientation, 0)
      .Enum(L"Pitch", &TFont::Pitch, &TFont::SetPitch, FontPitchNames,
            std::optional<TFontPitch>(fpDefault))
      .Integer(L"Size", &TFont::Size, &TFont::SetSize)
      .StoredWhen([](const TFont*) { return false; })
      .Set(L"Style", &TFont::Style, &TFont::SetStyle, FontStyleNames,
           std::optional<TFontStyles>())
      .Enum(L"Quality", &TFont::Quality, &TFont::SetQuality, FontQualityNames,
            std::optional<TFontQuality>(fqDefault));
}

}  // namespace jorv

JORV_PUBLISHED_UNIT(platform_gfx)
