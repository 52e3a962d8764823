#pragma once
// The caption bar of a captioned panel: its look, its buttons and their
// pictures. It only stores and reports; the panel lays out and draws it.
#include <memory>
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Font.h"
#include "foundation/ExHintInfo.h"
#include "panel/PanelTypes.h"

namespace jorv::panel {
using namespace jorv::foundation;

class TPanelCaption : public TPersistent {
 public:
  TPanelCaption();
  ~TPanelCaption() override;

  // Copies the look and the buttons; text, offsets, visibility, position,
  // the caption click switch and the hint stay this caption's own.
  void Assign(TPersistent* Source) override;

  TBitmap* Background() const { return FBackground.get(); }
  void SetBackground(TBitmap* Value);
  expanel::TCaptionButtonPosition ButtonPosition() const { return FButtonPosition; }
  void SetButtonPosition(expanel::TCaptionButtonPosition Value) { FButtonPosition = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);
  TColor CloseColor() const { return FCloseColor; }
  void SetCloseColor(TColor Value);
  bool CloseButton() const { return FCloseButton; }
  void SetCloseButton(bool Value);
  TColor CloseButtonColor() const { return FCloseButtonColor; }
  void SetCloseButtonColor(TColor Value);
  TColor CloseButtonHoverColor() const { return FCloseButtonHoverColor; }
  void SetCloseButtonHoverColor(TColor Value) { FCloseButtonHoverColor = Value; }
  TBitmap* CloseMinGlyph() const { return FCloseMinGlyph.get(); }
  void SetCloseMinGlyph(TBitmap* Value);
  TBitmap* CloseMaxGlyph() const { return FCloseMaxGlyph.get(); }
  void SetCloseMaxGlyph(TBitmap* Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value);
  expanel::TGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(expanel::TGradientDirection Value);
  Integer Height() const { return FHeight; }
  void SetHeight(Integer Value);
  Integer Indent() const { return FIndent; }
  void SetIndent(Integer Value);
  TBitmap* MaxGlyph() const { return FMaxGlyph.get(); }
  void SetMaxGlyph(TBitmap* Value);
  TBitmap* MinGlyph() const { return FMinGlyph.get(); }
  void SetMinGlyph(TBitmap* Value);
  bool MinMaxButton() const { return FMinMaxButton; }
  void SetMinMaxButton(bool Value);
  TColor MinMaxButtonColor() const { return FMinMaxButtonColor; }
  void SetMinMaxButtonColor(TColor Value);
  TColor MinMaxButtonHoverColor() const { return FMinMaxButtonHoverColor; }
  void SetMinMaxButtonHoverColor(TColor Value) { FMinMaxButtonHoverColor = Value; }
  bool MinMaxCaption() const { return FMinMaxCaption; }
  void SetMinMaxCaption(bool Value) { FMinMaxCaption = Value; }
  TExHintInfo* OfficeHint() const { return FOfficeHint.get(); }
  void SetOfficeHint(TExHintInfo* Value);
  expanel::TCaptionPosition Position() const { return FPosition; }
  void SetPosition(expanel::TCaptionPosition Value);
  Integer ShadeLight() const { return FShadeLight; }
  void SetShadeLight(Integer Value);
  Byte ShadeGrain() const { return FShadeGrain; }
  void SetShadeGrain(Byte Value);
  expanel::TShadeType ShadeType() const { return FShadeType; }
  void SetShadeType(expanel::TShadeType Value);
  expanel::TCaptionShape Shape() const { return FShape; }
  void SetShape(expanel::TCaptionShape Value);
  const String& Text() const { return FText; }
  void SetText(const String& Value);
  Integer TopIndent() const { return FTopIndent; }
  void SetTopIndent(Integer Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

  // Scaling sets the height without a notice: the panel relays out anyway.
  void ScaleHeight(Integer Value) { FHeight = Value; }

  TNotifyEvent OnChange;
  TNotifyEvent OnShadeChange;
  TNotifyEvent OnStateChange;
  TNotifyEvent OnPositionChange;
  TNotifyEvent OnFontChange;

 protected:
  void Changed();
  void ShadeChanged();
  void StateChanged();
  void PositionChanged();
  void FontChanged();

 private:
  std::unique_ptr<TBitmap> FBackground = std::make_unique<TBitmap>();
  expanel::TCaptionButtonPosition FButtonPosition = expanel::cbpRight;
  TColor FColor = clHighlight;
  TColor FColorTo = clNone;
  TColor FCloseColor = clBtnFace;
  bool FCloseButton = false;
  TColor FCloseButtonColor = clWhite;
  TColor FCloseButtonHoverColor = clNone;
  std::unique_ptr<TBitmap> FCloseMinGlyph = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> FCloseMaxGlyph = std::make_unique<TBitmap>();
  bool FFlat = false;
  std::unique_ptr<TFont> FFont;
  expanel::TGradientDirection FGradientDirection = expanel::gdHorizontal;
  Integer FHeight = 20;
  Integer FIndent = 0;
  std::unique_ptr<TBitmap> FMaxGlyph = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> FMinGlyph = std::make_unique<TBitmap>();
  bool FMinMaxButton = false;
  TColor FMinMaxButtonColor = clWhite;
  TColor FMinMaxButtonHoverColor = clNone;
  bool FMinMaxCaption = false;
  std::unique_ptr<TExHintInfo> FOfficeHint = std::make_unique<TExHintInfo>();
  expanel::TCaptionPosition FPosition = expanel::cpTop;
  Integer FShadeLight = 200;
  Byte FShadeGrain = 32;
  expanel::TShadeType FShadeType = expanel::stNormal;
  expanel::TCaptionShape FShape = expanel::csRectangle;
  String FText;
  Integer FTopIndent = 0;
  bool FVisible = false;
};

}  // namespace jorv::panel
