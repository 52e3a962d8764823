#pragma once
// A logical font. Size (points) and Height (pixels, negative for the
// character height without internal leading) are two views of one value,
// converted through PixelsPerInch.
#include <vector>
#include "platform/gfx/GraphicsObject.h"
#include "platform/gfx/Colors.h"

namespace jorv {

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

enum TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };

enum TFontQuality : uint8_t {
  fqDefault,
  fqDraft,
  fqProof,
  fqNonAntialiased,
  fqAntialiased,
  fqClearType,
  fqClearTypeNatural
};

using TFontName = String;
using TFontCharset = Byte;

// The screen's logical pixels per inch (vertical), read once.
Integer ScreenPixelsPerInch();

class TFont : public TGraphicsObject {
 public:
  TFont();
  ~TFont() override;

  void Assign(TPersistent* Source) override;

  // Created on first use; recreated after any change but Color.
  HFONT Handle();
  // Takes over the handle (the font deletes it) and reads its values.
  void SetHandle(HFONT Value);

  const TFontName& Name() const { return FName; }
  void SetName(const TFontName& Value);
  Integer Height() const { return FHeight; }
  void SetHeight(Integer Value);
  Integer Size() const;
  void SetSize(Integer Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFontCharset Charset() const { return FCharset; }
  void SetCharset(TFontCharset Value);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch Value);
  Integer Orientation() const { return FOrientation; }
  void SetOrientation(Integer Value);
  TFontQuality Quality() const { return FQuality; }
  void SetQuality(TFontQuality Value);
  // Changing it keeps Height; Size follows.
  Integer PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(Integer Value) { if (Value > 0) FPixelsPerInch = Value; }

  // The LOGFONT the handle is made from.
  LOGFONTW GetLogFont() const;

  // While on, a change keeps the handle of the look it leaves, so that a
  // font switched back and forth between a few looks, as a grid's canvas
  // font is from cell to cell, makes each handle once. Turning it off frees
  // the kept handles: no device context may still have one selected.
  void SetKeepHandles(bool Value);
  // The last change kept the handle it left, which a canvas may therefore
  // leave selected until it next draws.
  bool HandleKept() const { return FHandleKept; }

 private:
  struct TKeptHandle {
    LOGFONTW Look{};
    HGDIOBJ Handle = nullptr;
  };

  // Drops the handle, kept for a later return to this look while
  // FKeepHandles, and tells the listeners.
  void Changed();
  void FreeKeptHandles();

  bool FKeepHandles = false;
  bool FHandleKept = false;
  // The look FHandle was made from; only handles the font made itself are
  // kept.
  LOGFONTW FHandleLook{};
  bool FMadeHandle = false;
  std::vector<TKeptHandle> FKept;
  TFontName FName = L"Tahoma";
  Integer FPixelsPerInch = ScreenPixelsPerInch();
  Integer FHeight = -::MulDiv(8, FPixelsPerInch, 72);
  TFontStyles FStyle;
  TColor FColor = clWindowText;
  TFontCharset FCharset = DEFAULT_CHARSET;
  TFontPitch FPitch = fpDefault;
  Integer FOrientation = 0;
  TFontQuality FQuality = fqDefault;
};

}  // namespace jorv
