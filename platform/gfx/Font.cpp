#include "platform/gfx/Font.h"

#include <cstring>
#include <cwchar>
#include <utility>

namespace jorv {

Integer ScreenPixelsPerInch() {
  static const Integer ppi = [] {
    HDC dc = GetDC(nullptr);
    Integer v = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    return v > 0 ? v : 96;
  }();
  return ppi;
}

TFont::TFont() = default;

TFont::~TFont() { FreeKeptHandles(); }

void TFont::SetKeepHandles(bool Value) {
  FKeepHandles = Value;
  if (!Value) FreeKeptHandles();
}

void TFont::FreeKeptHandles() {
  for (const TKeptHandle& Kept : FKept) DeleteObject(Kept.Handle);
  FKept.clear();
}

void TFont::Changed() {
  FHandleKept = FKeepHandles && FHandle && FMadeHandle;
  if (FHandleKept) FKept.push_back(TKeptHandle{FHandleLook, std::exchange(FHandle, nullptr)});
  FMadeHandle = false;
  TGraphicsObject::Changed();
  FHandleKept = false;
}

void TFont::Assign(TPersistent* Source) {
  if (auto* f = dynamic_cast<TFont*>(Source)) {
    if (f == this) return;
    FName = f->FName;
    // A font made for another resolution keeps its point size here.
    FHeight = f->FPixelsPerInch == FPixelsPerInch ? f->FHeight
                                                  : -::MulDiv(f->Size(), FPixelsPerInch, 72);
    FStyle = f->FStyle;
    FColor = f->FColor;
    FCharset = f->FCharset;
    FPitch = f->FPitch;
    FOrientation = f->FOrientation;
    FQuality = f->FQuality;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

LOGFONTW TFont::GetLogFont() const {
  LOGFONTW lf{};
  lf.lfHeight = FHeight;
  lf.lfEscapement = FOrientation;
  lf.lfOrientation = FOrientation;
  lf.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = FStyle.Contains(fsItalic);
  lf.lfUnderline = FStyle.Contains(fsUnderline);
  lf.lfStrikeOut = FStyle.Contains(fsStrikeOut);
  lf.lfCharSet = FCharset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  static const BYTE qualities[] = {DEFAULT_QUALITY,        DRAFT_QUALITY,
                                   PROOF_QUALITY,          NONANTIALIASED_QUALITY,
                                   ANTIALIASED_QUALITY,    CLEARTYPE_QUALITY,
                                   CLEARTYPE_NATURAL_QUALITY};
  lf.lfQuality = qualities[FQuality];
  static const BYTE pitches[] = {DEFAULT_PITCH, VARIABLE_PITCH, FIXED_PITCH};
  lf.lfPitchAndFamily = pitches[FPitch];
  // The face name field holds 31 characters and the terminator.
  wcsncpy(lf.lfFaceName, FName.c_str(), LF_FACESIZE - 1);
  return lf;
}

HFONT TFont::Handle() {
  if (!FHandle) {
    LOGFONTW lf = GetLogFont();
    for (auto Kept = FKept.begin(); Kept != FKept.end(); ++Kept) {
      if (std::memcmp(&Kept->Look, &lf, sizeof lf) != 0) continue;
      FHandle = Kept->Handle;
      FKept.erase(Kept);
      break;
    }
    if (!FHandle) FHandle = CreateFontIndirectW(&lf);
    FHandleLook = lf;
    FMadeHandle = FHandle != nullptr;
  }
  return static_cast<HFONT>(FHandle);
}

void TFont::SetHandle(HFONT Value) {
  if (Value == FHandle) return;
  LOGFONTW lf{};
  if (Value && GetObjectW(Value, sizeof lf, &lf) == sizeof lf) {
    FName = lf.lfFaceName;
    FHeight = lf.lfHeight;
    FStyle.Clear();
    if (lf.lfWeight >= FW_BOLD) FStyle += fsBold;
    if (lf.lfItalic) FStyle += fsItalic;
    if (lf.lfUnderline) FStyle += fsUnderline;
    if (lf.lfStrikeOut) FStyle += fsStrikeOut;
    FCharset = lf.lfCharSet;
    FOrientation = lf.lfEscapement;
    switch (lf.lfPitchAndFamily & 3) {
      case VARIABLE_PITCH: FPitch = fpVariable; break;
      case FIXED_PITCH: FPitch = fpFixed; break;
      default: FPitch = fpDefault;
    }
    switch (lf.lfQuality) {
      case DRAFT_QUALITY: FQuality = fqDraft; break;
      case PROOF_QUALITY: FQuality = fqProof; break;
      case NONANTIALIASED_QUALITY: FQuality = fqNonAntialiased; break;
      case ANTIALIASED_QUALITY: FQuality = fqAntialiased; break;
      case CLEARTYPE_QUALITY: FQuality = fqClearType; break;
      case CLEARTYPE_NATURAL_QUALITY: FQuality = fqClearTypeNatural; break;
      default: FQuality = fqDefault;
    }
  }
  Changed();
  FHandle = Value;
}

Integer TFont::Size() const { return -::MulDiv(FHeight, 72, FPixelsPerInch); }

void TFont::SetSize(Integer Value) { SetHeight(-::MulDiv(Value, FPixelsPerInch, 72)); }

#define JORV_FONT_SETTER(Prop, Type)        \
  void TFont::Set##Prop(Type Value) {       \
    if (F##Prop == Value) return;           \
    F##Prop = Value;                        \
    Changed();                              \
  }
JORV_FONT_SETTER(Name, const TFontName&)
JORV_FONT_SETTER(Height, Integer)
JORV_FONT_SETTER(Style, TFontStyles)
JORV_FONT_SETTER(Charset, TFontCharset)
JORV_FONT_SETTER(Pitch, TFontPitch)
JORV_FONT_SETTER(Orientation, Integer)
JORV_FONT_SETTER(Quality, TFontQuality)
#undef JORV_FONT_SETTER

void TFont::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  // The colour is not part of the GDI font: keep the handle.
  if (OnChange) OnChange(this);
}

}  // namespace jorv
