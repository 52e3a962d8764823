#pragma once
// GDI+ font families, fonts and string formats.
#include "foundation/GDIPlusBase.h"

namespace jorv::foundation {

// Font style bits of GDI+.
enum : int32_t {
  FontStyleRegular = 0,
  FontStyleBold = 1,
  FontStyleItalic = 2,
  FontStyleBoldItalic = 3,
  FontStyleUnderline = 4,
  FontStyleStrikeout = 8,
};

// Always empty: fonts and families are taken from the installed fonts.
class TGPFontCollection : public TGdiplusBase {
 public:
  TGPFontCollection() = default;
  GpFontCollection* NativeFontCollection() const { return nativeFontCollection; }

 private:
  GpFontCollection* nativeFontCollection = nullptr;
  [[maybe_unused]] Status lastResult = Ok;
};

class TGPFontFamily : public TGdiplusBase {
 public:
  // A name that is not installed leaves the status FontFamilyNotFound.
  explicit TGPFontFamily(const String& Name, TGPFontCollection* FontCollection = nullptr);
  TGPFontFamily(GpFontFamily* NativeOrig, Status AStatus)
      : nativeFamily(NativeOrig), lastResult(AStatus) {}
  ~TGPFontFamily();
  TGPFontFamily(const TGPFontFamily&) = delete;
  TGPFontFamily& operator=(const TGPFontFamily&) = delete;

  // Made on first request and kept for the life of the process; callers do
  // not free them.
  static TGPFontFamily* GenericSansSerif();
  static TGPFontFamily* GenericSerif();
  static TGPFontFamily* GenericMonospace();

  Status GetLastStatus();
  GpFontFamily* NativeFamily() const { return nativeFamily; }

 private:
  GpFontFamily* nativeFamily = nullptr;
  Status lastResult = Ok;
};

class TGPFont : public TGdiplusBase {
 public:
  TGPFont(TGPFontFamily* Family, float EmSize, Integer Style = FontStyleRegular,
          Unit_ AUnit = UnitPoint);
  // Falls back to the generic sans-serif family when the name is not
  // installed.
  TGPFont(const String& FamilyName, float EmSize, Integer Style = FontStyleRegular,
          Unit_ AUnit = UnitPoint, TGPFontCollection* FontCollection = nullptr);
  TGPFont(GpFont* Font, Status AStatus) : nativeFont(Font), lastResult(AStatus) {}
  ~TGPFont();
  TGPFont(const TGPFont&) = delete;
  TGPFont& operator=(const TGPFont&) = delete;

  Status GetLastStatus();
  GpFont* NativeFont() const { return nativeFont; }

 private:
  GpFont* nativeFont = nullptr;
  Status lastResult = Ok;
};

class TGPStringFormat : public TGdiplusBase {
 public:
  explicit TGPStringFormat(Integer FormatFlags = 0, uint16_t Language = 0);
  explicit TGPStringFormat(TGPStringFormat* Format);
  TGPStringFormat(GpStringFormat* ClonedStringFormat, Status AStatus)
      : nativeFormat(ClonedStringFormat), lastError(AStatus) {}
  ~TGPStringFormat();
  TGPStringFormat(const TGPStringFormat&) = delete;
  TGPStringFormat& operator=(const TGPStringFormat&) = delete;

  Status SetAlignment(StringAlignment Align);
  StringAlignment GetAlignment();
  Status SetLineAlignment(StringAlignment Align);
  StringAlignment GetLineAlignment();
  Status SetTrimming(StringTrimming Trimming);
  StringTrimming GetTrimming();
  Status SetFormatFlags(Integer Flags);
  Integer GetFormatFlags();
  Status SetHotkeyPrefix(HotkeyPrefix Prefix);
  HotkeyPrefix GetHotkeyPrefix();

  Status GetLastStatus();
  GpStringFormat* NativeFormat() const { return nativeFormat; }

 private:
  Status SetStatus(Status S);

  GpStringFormat* nativeFormat = nullptr;
  Status lastError = Ok;
};

}  // namespace jorv::foundation
