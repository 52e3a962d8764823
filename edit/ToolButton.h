#pragma once
// A windowless tool button: push, check and radio-group behaviour like the
// speed button, with a flat hot-tracking gradient face in colour presets,
// own glyphs for the hot, down and disabled states, a grey shadow under
// the glyph and a drop-down arrow that opens a pop-up menu.
#include <functional>
#include <memory>
#include "edit/VersionText.h"
#include "platform/ui/ActnList.h"
#include "foundation/ZVQStyle.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/SpeedButton.h"

namespace jorv {
class TPopupMenu;
class TCustomImageList;
}
namespace jorv::edit {
using namespace jorv::foundation;


enum TExToolButtonStyle : uint8_t { tasButton, tasCheck };

class TExToolButton;

// The tool button's end of its action: caption, check state, group and
// image pass to the button while it shows what the action had.
class TExToolButtonActionLink : public TControlActionLink {
 public:
  explicit TExToolButtonActionLink(TExToolButton* AClient);
  bool IsCheckedLinked() override;
  bool IsGroupIndexLinked() override;
  bool IsImageIndexLinked() override;
  void SetChecked(bool Value) override;
  void SetGroupIndex(Integer Value) override;
  void SetImageIndex(Integer Value) override;
  // The image the button draws from the action's image list.
  Integer ImageIndex() const { return FImageIndex; }

 private:
  Integer FImageIndex = -1;
  TExToolButton* FClient = nullptr;
};

// Draws a vertical gradient From -> To in Steps bands over R and, when
// Border is not clNone, frames it with a clear brush.
void DrawToolButtonGradient(TCanvas* Canvas, TColor From, TColor To, Integer Steps,
                            const TRect& R, TColor Border);

class TExToolButton : public TGraphicControl, public IZVQStyle {
 public:
  explicit TExToolButton(TComponent* AOwner);
  ~TExToolButton() override;

  void Click() override;
  void Loaded() override;
  // The action whose caption, state and image the button shows, and which
  // a click executes when the button has no OnClick of its own.
  TBasicAction* Action() const { return FActionLink ? FActionLink->Action() : nullptr; }
  void SetAction(TBasicAction* Value);
  TExToolButtonActionLink* ActionLink() const { return FActionLink.get(); }
  // Pops the drop-down menu up below the button's bottom-left corner.
  void ShowDropDownMenu();
  void STDMETHODCALLTYPE SetComponentStyle(TZVQStyle AStyle) override;

  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TColor BorderDownColor() const { return FBorderDownColor; }
  void SetBorderDownColor(TColor Value);
  TColor BorderHotColor() const { return FBorderHotColor; }
  void SetBorderHotColor(TColor Value);
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);
  TColor ColorDown() const { return FColorDown; }
  void SetColorDown(TColor Value);
  TColor ColorDownTo() const { return FColorDownTo; }
  void SetColorDownTo(TColor Value);
  TColor ColorHot() const { return FColorHot; }
  void SetColorHot(TColor Value);
  TColor ColorHotTo() const { return FColorHotTo; }
  void SetColorHotTo(TColor Value);
  TColor ColorChecked() const { return FColorChecked; }
  void SetColorChecked(TColor Value);
  TColor ColorCheckedTo() const { return FColorCheckedTo; }
  void SetColorCheckedTo(TColor Value);
  Integer GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(Integer Value);
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool DropDownButton() const { return FDropDownButton; }
  void SetDropDownButton(bool Value);
  TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(TPopupMenu* Value);
  bool DropDownSplit() const { return FDropDownSplit; }
  void SetDropDownSplit(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value);
  TBitmap* GlyphHot() const { return FGlyphHot.get(); }
  void SetGlyphHot(TBitmap* Value);
  TBitmap* GlyphDown() const { return FGlyphDown.get(); }
  void SetGlyphDown(TBitmap* Value);
  TBitmap* GlyphDisabled() const { return FGlyphDisabled.get(); }
  void SetGlyphDisabled(TBitmap* Value);
  Integer ImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  Integer Margin() const { return FMargin; }
  void SetMargin(Integer Value);
  bool Rounded() const { return FRounded; }
  void SetRounded(bool Value);
  bool Shaded() const { return FShaded; }
  void SetShaded(bool Value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value);
  Integer Spacing() const { return FSpacing; }
  void SetSpacing(Integer Value);
  TExToolButtonStyle Style() const { return FStyle; }
  void SetStyle(TExToolButtonStyle Value);
  Integer Look() const { return FLook; }
  void SetLook(Integer Value);
  Cardinal GetVersionNr() const { return 0x01060101; }
  String Version() const { return VersionText(GetVersionNr()); }
  void SetVersion(const String&) {}

  TButtonState State() const { return FState; }
  bool MouseInControl() const { return FMouseInControl; }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnDropDown;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** obj) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(-1); }
  ULONG STDMETHODCALLTYPE Release() override { return ULONG(-1); }

 protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Takes the action's properties: all of them, or with CheckDefaults only
  // those the button leaves at their defaults.
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMTextChanged(TMessage& Message) override;

 private:
  void GlyphChanged(TObject* Sender);
  void UpdateExclusive();
  void UpdateTracking();
  void ThemeAdapt();
  void BuildShade();
  void BuildDisabledGlyph();
  void CMButtonPressed(TMessage& Message);
  void CMDialogChar(TWMKey& Message);
  bool Inside(Integer X, Integer Y);
  void DrawGlyphAndCaption(TCanvas* C, TRect R, TPoint Offset, TButtonState State, bool Hot);

  Integer FGroupIndex = 0;
  std::unique_ptr<TBitmap> FGlyph;
  bool FDown = false;
  bool FDragging = false;
  bool FAllowAllUp = false;
  TButtonLayout FLayout = blGlyphLeft;
  Integer FSpacing = 4;
  bool FTransparent = true;
  Integer FMargin = -1;
  bool FFlat = true;
  bool FMouseInControl = false;
  TColor FColorTo = clNone;
  TColor FColorHot = TColor(0xCAC7C7);
  TColor FColorHotTo = clNone;
  TColor FColorDown = TColor(0xD8D3D2);
  TColor FColorDownTo = clNone;
  TColor FBorderColor = clNone;
  TColor FBorderDownColor = clNone;
  TColor FBorderHotColor = clNone;
  std::unique_ptr<TBitmap> FGlyphDisabled;
  std::unique_ptr<TBitmap> FGlyphHot;
  std::unique_ptr<TBitmap> FGlyphDown;
  std::unique_ptr<TBitmap> FGlyphShade;
  bool FShaded = true;
  TColor FColorChecked = TColor(0x808080);
  TColor FColorCheckedTo = clNone;
  TExToolButtonStyle FStyle = tasButton;
  Integer FLook = 0;
  bool FRounded = false;
  bool FDropDownButton = false;
  bool FDropDownSplit = true;
  bool FAutoThemeAdapt = false;
  TPopupMenu* FDropDownMenu = nullptr;
  bool FShowCaption = true;
  TCustomImageList* FImages = nullptr;
  Integer FImageIndex = -1;
  std::unique_ptr<TExToolButtonActionLink> FActionLink;
  TButtonState FState = bsUp;
};

}  // namespace jorv::edit
