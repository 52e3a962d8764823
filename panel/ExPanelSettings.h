#pragma once
// A set of panel properties that many captioned panels take at once: the
// panel group's template for new panels and the styler's look.
#include <memory>
#include "platform/gfx/Font.h"
#include "platform/ui/Control.h"
#include "panel/PanelCaption.h"
#include "panel/PanelPosition.h"
#include "panel/PanelStatusBar.h"

namespace jorv::panel {
using namespace jorv::foundation;

class TExPanelSettings : public TPersistent {
 public:
  TExPanelSettings();
  ~TExPanelSettings() override;

  // From other settings only (anything else is ignored): every value, the
  // caption, font and status bar by content, Position as a reference;
  // without a change notice.
  void Assign(TPersistent* Source) override;
  // Holds the change notices back; the last EndUpdate gives one.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();

  bool AnchorHint() const { return FAnchorHint; }
  void SetAnchorHint(bool Value) { Notify(FAnchorHint, Value); }
  bool AutoHideChildren() const { return FAutoHideChildren; }
  void SetAutoHideChildren(bool Value) { Notify(FAutoHideChildren, Value); }
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut Value) { Notify(FBevelInner, Value); }
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value) { Notify(FBevelOuter, Value); }
  Integer BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(Integer Value) { Notify(FBevelWidth, Value); }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { Notify(FBorderColor, Value); }
  bool BorderShadow() const { return FBorderShadow; }
  void SetBorderShadow(bool Value) { Notify(FBorderShadow, Value); }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value) { Notify(FBorderStyle, Value); }
  Integer BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(Integer Value) { Notify(FBorderWidth, Value); }
  bool CanMove() const { return FCanMove; }
  void SetCanMove(bool Value) { Notify(FCanMove, Value); }
  bool CanSize() const { return FCanSize; }
  void SetCanSize(bool Value) { Notify(FCanSize, Value); }
  TPanelCaption* Caption() const { return FCaption.get(); }
  // Copies Value into the owned caption: a settings object never takes
  // over (or lets go of) a caption it does not own.
  void SetCaption(TPanelCaption* Value);
  bool Collaps() const { return FCollaps; }
  void SetCollaps(bool Value) { Notify(FCollaps, Value); }
  TColor CollapsColor() const { return FCollapsColor; }
  void SetCollapsColor(TColor Value) { Notify(FCollapsColor, Value); }
  Integer CollapsDelay() const { return FCollapsDelay; }
  void SetCollapsDelay(Integer Value) { Notify(FCollapsDelay, Value); }
  Integer CollapsSteps() const { return FCollapsSteps; }
  void SetCollapsSteps(Integer Value) { Notify(FCollapsSteps, Value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value) { NotifyOnChange(FColorTo, Value); }
  TColor ColorMirror() const { return FColorMirror; }
  void SetColorMirror(TColor Value) { NotifyOnChange(FColorMirror, Value); }
  TColor ColorMirrorTo() const { return FColorMirrorTo; }
  void SetColorMirrorTo(TColor Value) { NotifyOnChange(FColorMirrorTo, Value); }
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value) { Notify(FCursor, Value); }
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value);
  bool FixedTop() const { return FFixedTop; }
  void SetFixedTop(bool Value) { FFixedTop = Value; }
  bool FixedLeft() const { return FFixedLeft; }
  void SetFixedLeft(bool Value) { FFixedLeft = Value; }
  bool FixedHeight() const { return FFixedHeight; }
  void SetFixedHeight(bool Value) { FFixedHeight = Value; }
  bool FixedWidth() const { return FFixedWidth; }
  void SetFixedWidth(bool Value) { FFixedWidth = Value; }
  Integer Height() const { return FHeight; }
  void SetHeight(Integer Value) { FHeight = Value; }
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  bool Hover() const { return FHover; }
  void SetHover(bool Value) { Notify(FHover, Value); }
  TColor HoverColor() const { return FHoverColor; }
  void SetHoverColor(TColor Value) { Notify(FHoverColor, Value); }
  TColor HoverFontColor() const { return FHoverFontColor; }
  void SetHoverFontColor(TColor Value) { Notify(FHoverFontColor, Value); }
  Integer Indent() const { return FIndent; }
  void SetIndent(Integer Value) { Notify(FIndent, Value); }
  // A template reference only: never created, owned or applied.
  TPanelPosition* Position() const { return FPosition; }
  void SetPosition(TPanelPosition* Value) { FPosition = Value; }
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor Value) { FShadowColor = Value; }
  Integer ShadowOffset() const { return FShadowOffset; }
  void SetShadowOffset(Integer Value) { FShadowOffset = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value) { FShowHint = Value; }
  bool ShowMoveCursor() const { return FShowMoveCursor; }
  void SetShowMoveCursor(bool Value) { FShowMoveCursor = Value; }
  TPanelStatusBar* StatusBar() const { return FStatusBar.get(); }
  void SetStatusBar(TPanelStatusBar* Value);
  const String& Text() const { return FText; }
  void SetText(const String& Value) { Notify(FText, Value); }
  expanel::TTextVAlignment TextVAlign() const { return FTextVAlign; }
  void SetTextVAlign(expanel::TTextVAlignment Value) { Notify(FTextVAlign, Value); }
  Integer TopIndent() const { return FTopIndent; }
  void SetTopIndent(Integer Value) { Notify(FTopIndent, Value); }
  TColor URLColor() const { return FURLColor; }
  void SetURLColor(TColor Value) { Notify(FURLColor, Value); }
  Integer Width() const { return FWidth; }
  void SetWidth(Integer Value) { FWidth = Value; }

  TNotifyEvent OnChange;

 protected:
  void SettingsChanged();

 private:
  // Store, then the change notice, whether or not the value changed.
  template <class T>
  void Notify(T& Field, const T& Value) {
    Field = Value;
    SettingsChanged();
  }
  template <class T>
  void NotifyOnChange(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    SettingsChanged();
  }

  bool FFixedHeight = false;
  bool FCanMove = false;
  bool FFixedWidth = false;
  bool FHover = false;
  bool FAutoHideChildren = true;
  bool FAnchorHint = false;
  bool FFixedLeft = false;
  bool FCanSize = false;
  bool FShowHint = false;
  bool FFixedTop = false;
  bool FCollaps = false;
  bool FShowMoveCursor = false;
  Integer FCollapsDelay = 0;
  Integer FBevelWidth = 1;
  Integer FCollapsSteps = 0;
  Integer FHeight = 120;
  Integer FShadowOffset = 0;
  String FText;
  String FHint;
  TBevelCut FBevelOuter = bvNone;
  TBevelCut FBevelInner = bvNone;
  TColor FHoverColor = clNone;
  TColor FCollapsColor = clBtnFace;
  TColor FBorderColor = 0;
  TColor FHoverFontColor = clNone;
  TColor FShadowColor = 0;
  TColor FColor = clBtnFace;
  TColor FColorTo = clNone;
  TColor FColorMirror = clNone;
  TColor FColorMirrorTo = clNone;
  TColor FURLColor = 0xFF0000;
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
  std::unique_ptr<TPanelCaption> FCaption = std::make_unique<TPanelCaption>();
  TPanelPosition* FPosition = nullptr;
  expanel::TTextVAlignment FTextVAlign = expanel::tvaTop;
  TBorderStyle FBorderStyle = bsSingle;
  TCursor FCursor = crDefault;
  bool FBorderShadow = false;
  Integer FIndent = 0;
  Integer FTopIndent = 0;
  Integer FWidth = 0;
  Integer FUpdateCount = 0;
  Integer FBorderWidth = 0;
  std::unique_ptr<TPanelStatusBar> FStatusBar = std::make_unique<TPanelStatusBar>();
};

}  // namespace jorv::panel
