#pragma once
// A windowless push button with a glyph and a caption. Buttons of one
// GroupIndex on the same parent behave as radio buttons; a flat button
// shows its edge only while the mouse is over it or it is down.
#include <memory>
#include "platform/gfx/Bitmap.h"
#include "platform/ui/CustomControl.h"

namespace jorv {

enum TButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState : uint8_t { bsUp, bsDisabled, bsDown, bsExclusive };
using TNumGlyphs = Integer;

// Where a button's glyph and caption stand inside a client of the given size,
// by layout, margin and spacing (-1 each: shared out evenly).
void CalcButtonLayout(TSize Client, TSize GlyphSize, TSize TextSize, TButtonLayout Layout,
                      Integer Margin, Integer Spacing, TPoint& GlyphPos, TPoint& TextPos);

// Tells the other controls on Button's parent that Button of GroupIndex
// went down (CM_BUTTONPRESSED), so that those of its group come up.
void NotifyGroupPressed(TControl* Button, Integer GroupIndex);

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;

  void Click() override;

  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  Integer GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(Integer Value);
  // Only a button of a group stays down.
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  // Holds NumGlyphs images side by side: up, disabled, down and down in
  // a group. A missing disabled image is made from the up image.
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value);
  TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(TNumGlyphs Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  // Distance of the glyph from its edge; -1 centres glyph and caption.
  Integer Margin() const { return FMargin; }
  void SetMargin(Integer Value);
  // Distance between glyph and caption; -1 spreads them evenly.
  Integer Spacing() const { return FSpacing; }
  void SetSpacing(Integer Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool MouseInControl() const { return FMouseInControl; }
  TButtonState State() const { return FState; }

  void Loaded() override;

 protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMTextChanged(TMessage& Message) override;
  void CMButtonPressed(TMessage& Message);
  void CMDialogChar(TWMKey& Message);
  // Places the glyph and the caption in Client, moved by Offset, and draws
  // them for State.
  void DrawGlyphAndCaption(TCanvas* Canvas, const TRect& Client, TPoint Offset, TButtonState State);
  // The image shown for State, of the glyph's transparent colour where
  // nothing is drawn; empty without a glyph.
  std::unique_ptr<TBitmap> GlyphFor(TButtonState State);
  // Tells the other buttons of the group that this one went down.
  void UpdateExclusive();
  // Re-reads whether the mouse is over a flat button.
  void UpdateTracking();

  std::unique_ptr<TBitmap> FGlyph;
  TNumGlyphs FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  Integer FMargin = -1;
  Integer FSpacing = 4;
  Integer FGroupIndex = 0;
  bool FDown = false;
  bool FAllowAllUp = false;
  bool FFlat = false;
  bool FTransparent = true;
  bool FMouseInControl = false;
  bool FDragging = false;
  TButtonState FState = bsUp;

 private:
  void GlyphChanged(TObject* Sender);
};

}  // namespace jorv
