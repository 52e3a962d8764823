#pragma once
// The base of every visual control: bounds within a parent, alignment,
// visibility, colour and font (optionally taken from the parent), caption,
// hints, the mouse events, and the message path WndProc -> Dispatch ->
// DefaultHandler that windowed and windowless controls share.
#include <functional>
#include <memory>
#include "platform/rtl/Component.h"
#include "platform/gfx/Font.h"
#include "platform/ui/Messages.h"

namespace jorv {

class TControl;
class TWinControl;
class TCustomForm;
class TPopupMenu;

enum TShiftStateItem : uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem, 16>;

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

// A handler of a control's messages (see TControl::SetWindowProc).
using TWndMethod = std::function<void(TMessage& Message)>;

enum TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
using TAlignSet = TSet<TAlign, 8>;

enum TAnchorKind : uint8_t { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind, 8>;

enum TControlStyleFlag : uint8_t {
  csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed,
  csSetCaption, csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible,
  csReplicatable, csNoStdEvents, csDisplayDragImage, csReflector, csActionClient,
  csMenuEvents, csNeedsBorderPaint, csParentBackground, csPannable, csAlignWithMargins,
  csGestures, csPaintBlackOpaqueOnGlass, csOverrideStylePaint
};
using TControlStyle = TSet<TControlStyleFlag, 32>;

enum TControlStateFlag : uint8_t {
  csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing,
  csCreating, csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking, csDesignerHide,
  csPanning, csRecreating, csAligning, csGlassPaint, csPrintClient
};
using TControlState = TSet<TControlStateFlag, 32>;

enum TDragMode : uint8_t { dmManual, dmAutomatic };
enum TDragState : uint8_t { dsDragEnter, dsDragLeave, dsDragMove };
enum TBevelCut : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
enum TBevelKind : uint8_t { bkNone, bkTile, bkSoft, bkFlat };
enum TBevelEdge : uint8_t { beLeft, beTop, beRight, beBottom };
using TBevelEdges = TSet<TBevelEdge, 8>;
// Form border styles; plain controls use the first two.
enum TFormBorderStyle : uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
using TBevelWidth = Integer;
using TBorderWidth = Integer;

using TCursor = SmallInt;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10,
                  crHourGlass = -11, crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15,
                  crMultiDrag = -16, crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20,
                  crHandPoint = -21, crSizeAll = -22, crSize = -22;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, Integer X, Integer Y)>;
using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, Char& Key)>;
using TMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, Integer WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
using TDragOverEvent = std::function<void(TObject* Sender, TObject* Source, Integer X, Integer Y,
                                          TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, Integer X, Integer Y)>;
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, Integer X, Integer Y)>;

// What a drag carries when OnStartDrag gives one: the targets see it as
// Source instead of the dragged control. It stays the handler's to free
// (OnEndDrag is the place).
class TDragObject : public TObject {
 public:
  // The control under the mouse and the screen point, while dragging.
  TControl* DragTarget() const { return FDragTarget; }
  TPoint DragPos() const { return FDragPos; }
  bool Dropped() const { return FDropped; }
  bool Cancelling() const { return FCancelling; }

 private:
  friend struct TDragSession;
  TControl* FDragTarget = nullptr;
  TPoint FDragPos;
  bool FDropped = false;
  bool FCancelling = false;
};

using TStartDragEvent = std::function<void(TObject* Sender, TDragObject*& DragObject)>;

// Pixels the mouse moves before a drag that waits for it starts.
constexpr Integer DefaultDragThreshold = 5;

// The shift state of the keyboard (and the mouse buttons) right now.
TShiftState KeyboardStateToShiftState();
// The shift state carried by a mouse message's key flags.
TShiftState KeysToShiftState(WPARAM Keys);
// The shift state of a key message's key data (Alt from bit 29).
TShiftState KeyDataToShiftState(LPARAM KeyData);

// "Short|Long" hint texts: the part before the bar, and the part after it
// (the whole text when there is no bar).
String GetShortHint(const String& Hint);
String GetLongHint(const String& Hint);

// Minimum and maximum width and height of a control; 0 means no limit.
class TSizeConstraints : public TPersistent {
 public:
  TNotifyEvent OnChange;
  Integer MinWidth() const { return FMinWidth; }
  Integer MinHeight() const { return FMinHeight; }
  Integer MaxWidth() const { return FMaxWidth; }
  Integer MaxHeight() const { return FMaxHeight; }
  void SetMinWidth(Integer V) { Set(FMinWidth, V); }
  void SetMinHeight(Integer V) { Set(FMinHeight, V); }
  void SetMaxWidth(Integer V) { Set(FMaxWidth, V); }
  void SetMaxHeight(Integer V) { Set(FMaxHeight, V); }
  void Assign(TPersistent* Source) override;
  // Width and height brought within the limits.
  void Apply(Integer& W, Integer& H) const;

 private:
  void Set(Integer& F, Integer V);
  Integer FMinWidth = 0;
  Integer FMinHeight = 0;
  Integer FMaxWidth = 0;
  Integer FMaxHeight = 0;
};

// Space kept around a control aligned with AlignWithMargins.
class TMargins : public TPersistent {
 public:
  TNotifyEvent OnChange;
  Integer Left() const { return FLeft; }
  Integer Top() const { return FTop; }
  Integer Right() const { return FRight; }
  Integer Bottom() const { return FBottom; }
  void SetLeft(Integer V) { Set(FLeft, V); }
  void SetTop(Integer V) { Set(FTop, V); }
  void SetRight(Integer V) { Set(FRight, V); }
  void SetBottom(Integer V) { Set(FBottom, V); }
  void SetBounds(Integer L, Integer T, Integer R, Integer B);
  void Assign(TPersistent* Source) override;

 private:
  void Set(Integer& F, Integer V);
  Integer FLeft = 3;
  Integer FTop = 3;
  Integer FRight = 3;
  Integer FBottom = 3;
};

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  // Runs a message through this control's WndProc and gives its result.
  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  virtual void WndProc(TMessage& Message);
  // Hands the message to the handler of its kind; unknown ones go to
  // DefaultHandler.
  virtual void Dispatch(TMessage& Message);
  virtual void DefaultHandler(TMessage& Message);
  // The handler every message of the control goes to, from its window and
  // from Perform: WndProc unless an object outside the control took the
  // messages with SetWindowProc. The one who takes them keeps the handler it
  // replaced, passes on what it does not answer, and puts it back.
  TWndMethod WindowProc();
  void SetWindowProc(TWndMethod Value) { FWindowProc = std::move(Value); }

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;

  Integer Left() const { return FLeft; }
  Integer Top() const { return FTop; }
  Integer Width() const { return FWidth; }
  Integer Height() const { return FHeight; }
  void SetLeft(Integer V) { SetBounds(V, FTop, FWidth, FHeight); }
  void SetTop(Integer V) { SetBounds(FLeft, V, FWidth, FHeight); }
  void SetWidth(Integer V) { SetBounds(FLeft, FTop, V, FHeight); }
  void SetHeight(Integer V) { SetBounds(FLeft, FTop, FWidth, V); }
  virtual void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
  virtual TRect ClientRect();
  Integer ClientWidth() { return ClientRect().Width(); }
  Integer ClientHeight() { return ClientRect().Height(); }
  void SetClientWidth(Integer V) { SetClientSize(V, ClientHeight()); }
  void SetClientHeight(Integer V) { SetClientSize(ClientWidth(), V); }
  // The client area's top-left corner in screen coordinates.
  virtual TPoint ClientOrigin();
  TPoint ClientToScreen(const TPoint& P) { TPoint O = ClientOrigin(); return {P.X + O.X, P.Y + O.Y}; }
  TPoint ScreenToClient(const TPoint& P) { TPoint O = ClientOrigin(); return {P.X - O.X, P.Y - O.Y}; }
  TPoint ClientToParent(const TPoint& P, TWinControl* AParent = nullptr);

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors Value);
  bool AlignWithMargins() const { return FAlignWithMargins; }
  void SetAlignWithMargins(bool Value);
  TMargins* Margins() const { return FMargins.get(); }
  TSizeConstraints* Constraints() const { return FConstraints.get(); }

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible here and in every parent (and, for a window, shown on screen).
  virtual bool Showing() const;
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);

  String Caption() const { return GetText(); }
  void SetCaption(const String& Value) { SetText(Value); }
  String Text() const { return GetText(); }
  void SetText(const String& Value);
  virtual Integer GetTextLen() const;
  // Copies at most BufSize - 1 characters and a terminating zero.
  Integer GetTextBuf(Char* Buffer, Integer BufSize) const;

  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);
  // dmAutomatic: a left button press starts a drag instead of the usual
  // mouse-down handling.
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode Value) { FDragMode = Value; }
  // The cursor while this control is dragged over a target that accepts.
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }
  // Starts dragging this control with the mouse captured: at once, or once
  // the mouse moved Threshold pixels (DefaultDragThreshold when negative).
  // Letting the button go drops on the target under the mouse when it
  // accepts; the right button, Escape or a lost capture cancel.
  void BeginDrag(bool Immediate, Integer Threshold = -1);
  // Ends this control's drag, dropping when Drop and the target accepts.
  void EndDrag(bool Drop);
  bool Dragging() const;

  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
  TControlState ControlState() const { return FControlState; }
  void SetControlState(TControlState Value) { FControlState = Value; }

  bool MouseCapture() const;
  void SetMouseCapture(bool Value);

  virtual void Invalidate();
  // Invalidates and paints at once.
  virtual void Repaint();
  virtual void Update();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();
  // Renders the control with its top-left corner at (X, Y) of DC.
  virtual void PaintTo(HDC DC, Integer X, Integer Y);
  void Loaded() override;
  virtual void ChangeScale(Integer M, Integer D);
  // The control's form, or nullptr when it sits on none.
  TCustomForm* GetParentForm() const;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TContextPopupEvent OnContextPopup;
  TNotifyEvent OnResize;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;
  TStartDragEvent OnStartDrag;

 protected:
  friend class TWinControl;
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  virtual void MouseMove(TShiftState Shift, Integer X, Integer Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos);
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
  virtual void Resize();
  virtual void SetClientSize(Integer W, Integer H);
  virtual String GetText() const;
  virtual void SetTextValue(const String& Value);
  virtual void FontChanged();
  virtual void RequestAlign();
  virtual bool CanResize(Integer& NewWidth, Integer& NewHeight);
  // The anchoring base: bounds and parent client size the anchors keep.
  void UpdateAnchorRules();
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void VisibleChanging() {}
  // Drag and drop: the source's start and end, and a target's view of a
  // drag (Accept starts true when OnDragOver is assigned, else false).
  virtual void DoStartDrag(TDragObject*& DragObject);
  virtual void DoEndDrag(TObject* Target, Integer X, Integer Y);
  virtual void DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept);
  virtual void DragDrop(TObject* Source, Integer X, Integer Y);

  // Message handlers shared by windowed and windowless controls.
  virtual void WMLButtonDown(TWMMouse& Message);
  virtual void WMLButtonUp(TWMMouse& Message);
  virtual void WMLButtonDblClk(TWMMouse& Message);
  virtual void WMRButtonDown(TWMMouse& Message);
  virtual void WMRButtonUp(TWMMouse& Message);
  virtual void WMRButtonDblClk(TWMMouse& Message);
  virtual void WMMButtonDown(TWMMouse& Message);
  virtual void WMMButtonUp(TWMMouse& Message);
  virtual void WMMButtonDblClk(TWMMouse& Message);
  virtual void WMMouseMove(TWMMouse& Message);
  virtual void WMMouseWheel(TMessage& Message);
  virtual void WMCancelMode(TMessage& Message);
  virtual void WMContextMenu(TWMContextMenu& Message);
  virtual void CMMouseEnter(TMessage& Message);
  virtual void CMMouseLeave(TMessage& Message);
  virtual void CMEnabledChanged(TMessage& Message);
  virtual void CMVisibleChanged(TMessage& Message);
  virtual void CMFontChanged(TMessage& Message);
  virtual void CMColorChanged(TMessage& Message);
  virtual void CMParentFontChanged(TMessage& Message);
  virtual void CMParentColorChanged(TMessage& Message);
  virtual void CMParentShowHintChanged(TMessage& Message);
  virtual void CMTextChanged(TMessage& Message);
  virtual void CMHintShow(TMessage& Message);
  virtual void CMMouseWheel(TMessage& Message);

  TWinControl* FParent = nullptr;
  Integer FLeft = 0;
  Integer FTop = 0;
  Integer FWidth = 0;
  Integer FHeight = 0;
  TAlign FAlign = alNone;
  TAnchors FAnchors{akLeft, akTop};
  bool FAlignWithMargins = false;
  std::unique_ptr<TMargins> FMargins;
  std::unique_ptr<TSizeConstraints> FConstraints;
  bool FVisible = true;
  bool FEnabled = true;
  TColor FColor = clWindow;
  bool FParentColor = true;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  String FText;
  String FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TCursor FCursor = crDefault;
  TPopupMenu* FPopupMenu = nullptr;
  TDragMode FDragMode = dmManual;
  TCursor FDragCursor = crDrag;
  TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState FControlState;
  // Anchor base: the bounds last set and the parent's client size then.
  TRect FAnchorRect;
  TSize FAnchorParentSize;
  bool FAnchorMoving = false;
  bool FUpdatingFromParent = false;

 private:
  friend struct TDragSession;
  void DoMouseDown(TWMMouse& Message, TMouseButton Button, TShiftState Shift);
  void DoMouseUp(TWMMouse& Message, TMouseButton Button);
  // Empty while the control's own WndProc takes its messages.
  TWndMethod FWindowProc;
};

// The control that has the mouse captured (a windowless control captures
// through its parent's window), or nullptr.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// The control owning a window of ours, or nullptr.
TWinControl* FindControl(HWND Handle);
// The control at a screen point: the deepest windowed control under it, or
// a windowless child of it at that point.
TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled);
// Ends the drag in progress, if any, without a drop.
void CancelDrag();
// The control being dragged, or nullptr.
TControl* DragControl();
// Framework internals: a message of the drag in progress handled for the
// window that has the capture; true when it was one.
bool DragMessage(TControl* Control, TMessage& Message);

}  // namespace jorv
