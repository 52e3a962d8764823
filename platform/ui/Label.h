#pragma once
// A windowless text: one line or word-wrapped, placed by Alignment and
// Layout, sized to its text when AutoSize is on, with an accelerator that
// focuses FocusControl.
#include "platform/ui/CustomControl.h"
#include "platform/ui/TextAlignment.h"

namespace jorv {

enum TEllipsisPosition : uint8_t { epNone, epPathEllipsis, epEndEllipsis, epWordEllipsis };

// True when Text marks Key (case-insensitively) as its accelerator with a
// single '&'.
bool IsAccel(Word Key, const String& Text);

class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* AOwner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // A transparent label leaves its parent's background under the text.
  bool Transparent() const { return !FControlStyle.Contains(csOpaque); }
  void SetTransparent(bool Value);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  TEllipsisPosition EllipsisPosition() const { return FEllipsisPosition; }
  void SetEllipsisPosition(TEllipsisPosition Value);
  // Kept for the look of styled labels; drawing ignores it.
  Integer GlowSize() const { return FGlowSize; }
  void SetGlowSize(Integer Value) { FGlowSize = Value; }

  void Loaded() override;

 protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The text as shown; a descendant may show something else than Caption.
  virtual String GetLabelText();
  // Draws (or with DT_CALCRECT measures) the text into Rect on Canvas.
  virtual void DoDrawText(TCanvas* Canvas, TRect& Rect, UINT Flags);
  // Fits the bounds to the text when AutoSize is on.
  virtual void AdjustBounds();
  void CMTextChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMDialogChar(TWMKey& Message);

  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
  bool FAutoSize = true;
  bool FWordWrap = false;
  TWinControl* FFocusControl = nullptr;
  bool FShowAccelChar = true;
  TEllipsisPosition FEllipsisPosition = epNone;
  Integer FGlowSize = 0;

 private:
  UINT TextFlags();
};

class TLabel : public TCustomLabel {
 public:
  explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
};

}  // namespace jorv
