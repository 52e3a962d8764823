#pragma once
// A container with an optional caption bar along its top, left or right
// edge, caption buttons, an HTML body text, background picture and
// gradients, a border with shadow and a status bar. This is its model:
// properties, owned settings objects, their notices, the caption button
// cells, copying and the reactions to the platform's messages.
#include <memory>
#include <vector>
#include "platform/gfx/ImageList.h"
#include "platform/ui/Panel.h"
#include "foundation/ExImage.h"
#include "foundation/ZVQStyle.h"
#include "panel/PanelCaption.h"
#include "panel/PanelPosition.h"
#include "panel/PanelStatusBar.h"
#include "foundation/PictureContainer.h"
#include "foundation/HTMLPicture.h"

namespace jorv {
class TCustomIniFile;
}

namespace jorv::panel {
using namespace jorv::foundation;

class TCustomExPanel;
class TExPanelSettings;
class TExPanelStyler;

// Switches by which a panel sizes itself to its text.
class TAutoSize : public TPersistent {
 public:
  explicit TAutoSize(TCustomExPanel* AOwner) : FOwner(AOwner) {}

  // From another TAutoSize only: Enabled first (sizing at once with this
  // object's Height and Width), then Height and Width.
  void Assign(TPersistent* Source) override;

  bool Height() const { return FHeight; }
  void SetHeight(bool Value) { FHeight = Value; }
  bool Width() const { return FWidth; }
  void SetWidth(bool Value) { FWidth = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);

 private:
  TCustomExPanel* FOwner;
  bool FHeight = true;
  bool FWidth = true;
  bool FEnabled = false;
};

class TCustomExPanel : public TCustomPanel, public IZVQTones, public IZVQOfficeHint {
 public:
  explicit TCustomExPanel(TComponent* AOwner);
  ~TCustomExPanel() override;

  // The collapse animation's window timer.
  static constexpr UINT_PTR CollapsTimerID = 0x4550;

  // From another captioned panel only; Width, Collaps, the text offsets,
  // the styler, the automatic sizing and the events stay this panel's own.
  void Assign(TPersistent* Source) override;
  // Takes a library-wide look's colour tones.
  void STDMETHODCALLTYPE SetColorTones(TColorTones Tones) override;
  // The caption's hint over a visible caption, else the panel's own.
  TExHintInfo* STDMETHODCALLTYPE GetOfficeHint(TPoint Pt) override;
  // The panel lives as long as its owner says; the interfaces count nothing.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** obj) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(-1); }
  ULONG STDMETHODCALLTYPE Release() override { return ULONG(-1); }

  // The look of a settings object; the caption keeps its own buttons.
  virtual void ApplySettings(TExPanelSettings* Settings);
  // ApplySettings, then the settings' Height, Width and Hint.
  void AssignSettings(TExPanelSettings* Settings);
  // Width and height the body text takes, wrapped to the panel's width.
  TSize GetHTMLSize();
  // Writes or reads Top, Left, Height, FullHeight, Width and Collaps where
  // Position names; nothing without a key and a section.
  void SavePosition();
  void LoadPosition();
  // Tells a parent panel group that this panel's size changed.
  void Synchronize();
  // Switches the window's redrawing off until EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  // Remembers ACursor as the cursor to come back to after a move or size.
  void SetCursor(TCursor ACursor);

  // Caption button geometry. Both cells share one size; the close button
  // sits outermost at the end of the caption that ButtonPosition names.
  // ForMoveSize picks the min/max glyph the move and size test measures
  // (MinGlyph) instead of the click and hover tests' MaxGlyph.
  Integer CaptionButtonSize(bool ForMoveSize = false);
  TRect CloseButtonRect();
  // The hover test keeps a margin of 2 throughout; the click test of a
  // right caption uses 4.
  TRect MinMaxButtonRect(bool ForClick = true);
  // The client rectangle less the close button's cell at its end of the
  // caption: where the min/max button and a caption click are looked for.
  TRect ClientBesideClose();

  // A new size invalidates every child as well as the panel.
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  Integer Width() const { return TControl::Width(); }
  void SetWidth(Integer Value);
  Integer Height() const { return TControl::Height(); }
  void SetHeight(Integer Value);

  bool AnchorHint() const { return FAnchorHint; }
  void SetAnchorHint(bool Value) { FAnchorHint = Value; }
  TAutoSize* AutoSize() const { return FAutoSize.get(); }
  void SetAutoSize(TAutoSize* Value);
  bool AutoHideChildren() const { return FAutoHideChildren; }
  void SetAutoHideChildren(bool Value) { FAutoHideChildren = Value; }
  TExImage* Background() const { return FBackground.get(); }
  void SetBackground(TExImage* Value);
  expanel::TBackGroundPosition BackgroundPosition() const { return FBackgroundPosition; }
  void SetBackgroundPosition(expanel::TBackGroundPosition Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  bool BorderShadow() const { return FBorderShadow; }
  void SetBorderShadow(bool Value);
  bool Buffered() const { return FBuffered; }
  void SetBuffered(bool Value) { FBuffered = Value; }
  bool CanMove() const { return FCanMove; }
  void SetCanMove(bool Value) { FCanMove = Value; }
  bool CanSize() const { return FCanSize; }
  void SetCanSize(bool Value);
  TPanelCaption* Caption() const { return FCaption.get(); }
  void SetCaption(TPanelCaption* Value);
  bool Collaps() const { return FCollaps; }
  void SetCollaps(bool Value);
  TColor CollapsColor() const { return FCollapsColor; }
  void SetCollapsColor(TColor Value) { FCollapsColor = Value; }
  Integer CollapsDelay() const { return FCollapsDelay; }
  void SetCollapsDelay(Integer Value) { FCollapsDelay = Value; }
  Integer CollapsSteps() const { return FCollapsSteps; }
  void SetCollapsSteps(Integer Value) { FCollapsSteps = Value; }
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);
  TColor ColorMirror() const { return FColorMirror; }
  void SetColorMirror(TColor Value);
  TColor ColorMirrorTo() const { return FColorMirrorTo; }
  void SetColorMirrorTo(TColor Value);
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool Value);
  bool FixedTop() const { return FFixedTop; }
  void SetFixedTop(bool Value) { FFixedTop = Value; }
  bool FixedLeft() const { return FFixedLeft; }
  void SetFixedLeft(bool Value) { FFixedLeft = Value; }
  bool FixedHeight() const { return FFixedHeight; }
  void SetFixedHeight(bool Value) { FFixedHeight = Value; }
  bool FixedWidth() const { return FFixedWidth; }
  void SetFixedWidth(bool Value) { FFixedWidth = Value; }
  bool FreeOnClose() const { return FFreeOnClose; }
  void SetFreeOnClose(bool Value) { FFreeOnClose = Value; }
  expanel::TGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(expanel::TGradientDirection Value);
  bool Hover() const { return FHover; }
  void SetHover(bool Value) { FHover = Value; }
  TColor HoverColor() const { return FHoverColor; }
  void SetHoverColor(TColor Value) { FHoverColor = Value; }
  TColor HoverFontColor() const { return FHoverFontColor; }
  void SetHoverFontColor(TColor Value) { FHoverFontColor = Value; }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  Integer Indent() const { return FIndent; }
  void SetIndent(Integer Value);
  Integer LineSpacing() const { return FLineSpacing; }
  void SetLineSpacing(Integer Value);
  TExHintInfo* OfficeHint() const { return FOfficeHint.get(); }
  void SetOfficeHint(TExHintInfo* Value);
  TPictureContainer* PictureContainer() const { return FPictureContainer; }
  void SetPictureContainer(TPictureContainer* Value);
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor Value);
  Integer ShadowOffset() const { return FShadowOffset; }
  void SetShadowOffset(Integer Value);
  bool ShowMoveCursor() const { return FShowMoveCursor; }
  void SetShowMoveCursor(bool Value) { FShowMoveCursor = Value; }
  TPanelPosition* Position() const { return FPosition.get(); }
  void SetPosition(TPanelPosition* Value);
  TPanelStatusBar* StatusBar() const { return FStatusBar.get(); }
  void SetStatusBar(TPanelStatusBar* Value);
  TExPanelStyler* Styler() const { return FStyler; }
  // Stores the reference and, unless loading, takes the styler's settings.
  virtual void SetStyler(TExPanelStyler* Value);
  // The body text in the panel's HTML subset (not the window text).
  const String& Text() const { return FText; }
  void SetText(const String& Value);
  expanel::TTextVAlignment TextVAlign() const { return FTextVAlign; }
  void SetTextVAlign(expanel::TTextVAlignment Value);
  Integer TopIndent() const { return FTopIndent; }
  void SetTopIndent(Integer Value);
  TColor URLColor() const { return FURLColor; }
  void SetURLColor(TColor Value);
  String Version() const;
  void SetVersion(const String&) {}

  bool OptimizePaint() const { return FOptimizePaint; }
  void SetOptimizePaint(bool Value) { FOptimizePaint = Value; }
  Integer FullHeight() const { return FFullHeight; }
  void SetFullHeight(Integer Value) { FFullHeight = Value; }
  Integer Index() const { return FIndex; }
  void SetIndex(Integer Value) { FIndex = Value; }
  bool ShowSizeMoveGrip() const { return FShowSizeMoveGrip; }
  void SetShowSizeMoveGrip(bool Value) { FShowSizeMoveGrip = Value; }
  String RawText() const;
  TImageIndex ImageIndex() const { return FImageIndex; }
  void SetImageIndex(TImageIndex Value) { FImageIndex = Value; }
  THTMLPictureCache* PictureCache() const { return FPictureCache.get(); }
  // The caption's computed shade, as last rebuilt.
  TBitmap* ShadedHeader() const { return FShadedHeader.get(); }

  // A collapse or expansion is under way (animated ones span timer ticks).
  bool IsCollapsing() const { return FIsCollapsing; }

  TNotifyEvent OnCaptionClick;
  TNotifyEvent OnCaptionDBlClick;
  TNotifyEvent OnClose;
  TNotifyEvent OnEndMoveSize;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnMaximize;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnEndCollapsExpand;
  expanel::TAnchorEvent OnAnchorClick;
  expanel::TAnchorEvent OnAnchorEnter;
  expanel::TAnchorEvent OnAnchorExit;
  expanel::TAnchorHintEvent OnAnchorHint;
  expanel::TPaintEvent OnPaint;

 protected:
  // Streams "FullHeight" beside the published properties, always, so that
  // a panel stored collapsed expands to its full extent after loading.
  void DefineProperties(TFiler* Filer) override;
  friend class TAutoSize;

  // Rebuilds the caption shade bitmap.
  virtual void UpdateCaptionShade();
  // Called after every write of Collaps and every caption visibility
  // change; the panel group listens here.
  virtual void StateChanged() {}
  // Sizes the panel to its text when automatic sizing is on; nothing while
  // loading.
  virtual void DoAutoSize();

  void Paint() override;
  // The caption band for shaded, picture and visual-style backgrounds.
  void DrawCaptionShade(TCanvas* ACanvas, TRect R);
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void Resize() override;
  void ChangeScale(Integer M, Integer D) override;
  void CMParentFontChanged(TMessage& Message) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void CMHintShow(TMessage& Message) override;
  void WMEraseBkgnd(TWMEraseBkgnd& Message) override;
  void WMSize(TWMSize& Message) override;
  void WMLButtonDblClk(TWMMouse& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void WndProc(TMessage& Message) override;
  void CreateWnd() override;
  void DestroyWnd() override;

  bool DesignTime() const { return FDesignTime; }
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  bool Loading() const { return ComponentState().Contains(csLoading); }
  // The anchor under a client point of the body or a top caption, empty
  // for none; records the hovered anchor's index.
  String AnchorAt(Integer X, Integer Y, TRect& AnchorRect);
  // Whether a client point lies across a visible caption's bar.
  bool InCaptionZone(Integer X, Integer Y) const;
  // The caption bar along the panel's edge in R (client coordinates).
  TRect CaptionStrip(const TRect& R);

  TColor FOldColor = clNone;
  TCursor FOldCursor = crDefault;
  Integer FOldLeft = -1;
  bool FIsCollapsing = false;
  bool FIsWinXP = false;
  bool FDesignTime = false;
  std::vector<TControl*> FHideList;
  std::unique_ptr<TBitmap> FShadedHeader;
  // Hovered anchors of the body and the caption, -1 for none, and whether
  // the mouse is over the close or min/max button.
  Integer FHoverHyperLink = -1;
  Integer FCaptionHoverHyperLink = -1;
  bool FHoverCloseBtn = false;
  bool FHoverMinBtn = false;
  // The last body anchor index, the hovered rectangles and anchor text.
  Integer FOldHoverHyperLink = -1;
  TRect FCurrHoverRect{};
  TRect FCaptionCurrHoverRect{};
  String FAnchor;
  // Screen position and size when a move or size began; whether the
  // caption started the drag; the last mouse Y.
  TPoint FTopLeft{};
  TPoint FWidthHeight{};
  bool FInMove = false;
  Integer FPrevY = 0;

 private:
  // The collapse and expansion, split so that an animation can run its
  // steps on timer ticks.
  void StartCollapse(bool Collapse);
  void CollapsStep();
  void FinishCollapse();
  Integer BorderShadowExtent() const;
  void HideChildren();
  void ShowChildren();
  void SetExtent(Integer Value);
  Integer Extent() const;
  void CaptionClick(TPoint P);
  // Frees the panel once the handler that asked for it has returned.
  void ReleaseLater();
  void HitTest(TWMNCHitTest& Message);
  void Sizing(TMessage& Message);
  void Moving(TMessage& Message);
  void HoverButtons(Integer X, Integer Y);
  void HoverBody(const String& A, const TRect& AR);
  void HoverCaption(const String& A, const TRect& AR);
  void EnterAnchor(const String& A, const TRect& AR);
  void InvalidateHoverRect(const TRect& R);
  // A canvas to measure text on, with or without a window.
  TCanvas* MeasureCanvas();
  std::unique_ptr<TCustomIniFile> OpenPositionFile();

  void CaptionChanged();
  void CaptionFontChanged();
  void CaptionPositionChanged();
  template <class T>
  void StoreAndRepaint(T& Field, const T& Value);
  template <class T>
  void RepaintOnChange(T& Field, const T& Value);
  // Records a new extent along the collapse axis as the expanded one.
  void RecordFullExtent();
  bool XPCaptionThemed();
  // DrawHTMLText with the panel's colours, cache and spacing.
  Integer DrawPanelHTML(TCanvas* ACanvas, const String& AText, const TRect& R, Integer Hover,
                        bool TestOnly, bool WordWrap);
  void PaintCaption(TCanvas* C);
  void PaintStatusBar(TCanvas* C);
  void PaintSizeGrip(TCanvas* C);

  bool FAnchorHint = false;
  std::unique_ptr<TAutoSize> FAutoSize;
  bool FAutoHideChildren = true;
  std::unique_ptr<TExImage> FBackground;
  expanel::TBackGroundPosition FBackgroundPosition = expanel::bpTopLeft;
  TColor FBorderColor = 0;
  bool FBorderShadow = false;
  bool FBuffered = true;
  bool FCanMove = false;
  bool FCanSize = false;
  std::unique_ptr<TPanelCaption> FCaption;
  bool FCollaps = false;
  TColor FCollapsColor = 0x808080;
  Integer FCollapsDelay = 20;
  Integer FCollapsSteps = 0;
  TColor FColorTo = clNone;
  TColor FColorMirror = clNone;
  TColor FColorMirrorTo = clNone;
  bool FEllipsis = false;
  bool FFixedTop = false;
  bool FFixedLeft = false;
  bool FFixedHeight = false;
  bool FFixedWidth = false;
  bool FFreeOnClose = false;
  expanel::TGradientDirection FGradientDirection = expanel::gdVertical;
  bool FHover = false;
  TColor FHoverColor = clNone;
  TColor FHoverFontColor = clNone;
  TCustomImageList* FImages = nullptr;
  Integer FIndent = 0;
  Integer FLineSpacing = 0;
  std::unique_ptr<TExHintInfo> FOfficeHint;
  TPictureContainer* FPictureContainer = nullptr;
  TColor FShadowColor = 0x808080;
  Integer FShadowOffset = 2;
  bool FShowMoveCursor = false;
  std::unique_ptr<TPanelPosition> FPosition;
  std::unique_ptr<TPanelStatusBar> FStatusBar;
  TExPanelStyler* FStyler = nullptr;
  String FText;
  expanel::TTextVAlignment FTextVAlign = expanel::tvaTop;
  Integer FTopIndent = 0;
  TColor FURLColor = 0xFF0000;
  bool FOptimizePaint = false;
  Integer FFullHeight = 0;
  Integer FIndex = 0;
  bool FShowSizeMoveGrip = true;
  TImageIndex FImageIndex = -1;
  std::unique_ptr<THTMLPictureCache> FPictureCache;
  Integer FLastSetWidth = -1;
  Integer FLastSetHeight = -1;
  std::unique_ptr<TBitmap> FMeasureBitmap;
  bool FInAutoSize = false;
  // The animation under way: its step, the steps done and to do, and
  // whether the collapse coloured the panel.
  Integer FAnimStep = 0;
  Integer FAnimDone = 0;
  Integer FAnimSteps = 0;
  bool FCollapsColored = false;
};

// The same panel with its properties published.
class TExPanel : public TCustomExPanel {
 public:
  using TCustomExPanel::TCustomExPanel;
};

}  // namespace jorv::panel
