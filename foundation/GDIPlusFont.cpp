#include "foundation/GDIPlusFont.h"

#include "foundation/GDIPlusFlat.h"

namespace jorv::foundation {

using namespace gdipflat;

// Family

TGPFontFamily::TGPFontFamily(const String& Name, TGPFontCollection* FontCollection) {
  lastResult = GdipCreateFontFamilyFromName(
      Name.c_str(), FontCollection ? FontCollection->NativeFontCollection() : nullptr,
      &nativeFamily);
}

TGPFontFamily::~TGPFontFamily() {
  if (nativeFamily) GdipDeleteFontFamily(nativeFamily);
}

Status TGPFontFamily::GetLastStatus() {
  const Status S = lastResult;
  lastResult = Ok;
  return S;
}

namespace {

using TGenericGetter = GpStatus(WINAPI*)(GpFontFamily**);

TGPFontFamily* CachedFamily(TGPFontFamily*& Cache, TGenericGetter Get) {
  if (!Cache) {
    GpFontFamily* Native = nullptr;
    const Status S = Get(&Native);
    Cache = new TGPFontFamily(Native, S);
  }
  return Cache;
}

TGPFontFamily* SansSerifFamily = nullptr;
TGPFontFamily* SerifFamily = nullptr;
TGPFontFamily* MonospaceFamily = nullptr;

}  // namespace

TGPFontFamily* TGPFontFamily::GenericSansSerif() {
  return CachedFamily(SansSerifFamily, GdipGetGenericFontFamilySansSerif);
}

TGPFontFamily* TGPFontFamily::GenericSerif() {
  return CachedFamily(SerifFamily, GdipGetGenericFontFamilySerif);
}

TGPFontFamily* TGPFontFamily::GenericMonospace() {
  return CachedFamily(MonospaceFamily, GdipGetGenericFontFamilyMonospace);
}

// Font

TGPFont::TGPFont(TGPFontFamily* Family, float EmSize, Integer Style, Unit_ AUnit) {
  lastResult = GdipCreateFont(Family ? Family->NativeFamily() : nullptr, EmSize, Style, AUnit,
                              &nativeFont);
}

TGPFont::TGPFont(const String& FamilyName, float EmSize, Integer Style, Unit_ AUnit,
                 TGPFontCollection* FontCollection) {
  GpFontFamily* Family = nullptr;
  lastResult = GdipCreateFontFamilyFromName(
      FamilyName.c_str(), FontCollection ? FontCollection->NativeFontCollection() : nullptr,
      &Family);
  if (lastResult == Ok) lastResult = GdipCreateFont(Family, EmSize, Style, AUnit, &nativeFont);
  if (lastResult != Ok) {
    nativeFont = nullptr;
    lastResult = GdipCreateFont(TGPFontFamily::GenericSansSerif()->NativeFamily(), EmSize, Style, AUnit,
                                &nativeFont);
  }
  if (Family) GdipDeleteFontFamily(Family);
}

TGPFont::~TGPFont() {
  if (nativeFont) GdipDeleteFont(nativeFont);
}

Status TGPFont::GetLastStatus() {
  const Status S = lastResult;
  lastResult = Ok;
  return S;
}

// String format

TGPStringFormat::TGPStringFormat(Integer FormatFlags, uint16_t Language) {
  lastError = GdipCreateStringFormat(FormatFlags, Language, &nativeFormat);
}

TGPStringFormat::TGPStringFormat(TGPStringFormat* Format) {
  lastError = GdipCloneStringFormat(Format ? Format->NativeFormat() : nullptr, &nativeFormat);
}

TGPStringFormat::~TGPStringFormat() {
  if (nativeFormat) GdipDeleteStringFormat(nativeFormat);
}

Status TGPStringFormat::SetStatus(Status S) {
  if (S != Ok) lastError = S;
  return S;
}

Status TGPStringFormat::GetLastStatus() {
  const Status S = lastError;
  lastError = Ok;
  return S;
}

Status TGPStringFormat::SetAlignment(StringAlignment Align) {
  return SetStatus(GdipSetStringFormatAlign(nativeFormat, Align));
}

StringAlignment TGPStringFormat::GetAlignment() {
  StringAlignment Align = StringAlignmentNear;
  SetStatus(GdipGetStringFormatAlign(nativeFormat, &Align));
  return Align;
}

Status TGPStringFormat::SetLineAlignment(StringAlignment Align) {
  return SetStatus(GdipSetStringFormatLineAlign(nativeFormat, Align));
}

StringAlignment TGPStringFormat::GetLineAlignment() {
  StringAlignment Align = StringAlignmentNear;
  SetStatus(GdipGetStringFormatLineAlign(nativeFormat, &Align));
  return Align;
}

Status TGPStringFormat::SetTrimming(StringTrimming Trimming) {
  return SetStatus(GdipSetStringFormatTrimming(nativeFormat, Trimming));
}

StringTrimming TGPStringFormat::GetTrimming() {
  StringTrimming Trimming = StringTrimmingNone;
  SetStatus(GdipGetStringFormatTrimming(nativeFormat, &Trimming));
  return Trimming;
}

Status TGPStringFormat::SetFormatFlags(Integer Flags) {
  return SetStatus(GdipSetStringFormatFlags(nativeFormat, Flags));
}

Integer TGPStringFormat::GetFormatFlags() {
  INT Flags = 0;
  SetStatus(GdipGetStringFormatFlags(nativeFormat, &Flags));
  return Flags;
}

Status TGPStringFormat::SetHotkeyPrefix(HotkeyPrefix Prefix) {
  return SetStatus(GdipSetStringFormatHotkeyPrefix(nativeFormat, Prefix));
}

HotkeyPrefix TGPStringFormat::GetHotkeyPrefix() {
  INT Prefix = HotkeyPrefixNone;
  SetStatus(GdipGetStringFormatHotkeyPrefix(nativeFormat, &Prefix));
  return HotkeyPrefix(Prefix);
}

}  // namespace jorv::foundation
