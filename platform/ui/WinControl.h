#pragma once
// Controls that are real windows: created on demand, with a window
// procedure that feeds WndProc, children (windowed and windowless), focus,
// the keyboard, alignment and painting of the windowless children.
#include <vector>
#include "platform/gfx/Brush.h"
#include "platform/ui/Control.h"

namespace jorv {

class TCanvas;

struct TCreateParams {
  String Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  Integer X = 0;
  Integer Y = 0;
  Integer Width = 0;
  Integer Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  WNDCLASSW WindowClass{};
  // The name our window class is registered under.
  String WinClassName;
  // The native class wrapped through CreateSubClass, or empty.
  String SubClassName;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  // A child window created outside the framework's parent (a parent HWND).
  static TWinControl* CreateParented(HWND ParentWindow);

  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  // Destroys the window (keeping every property) and makes it again.
  void RecreateWnd();
  HWND ParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND Value);

  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

  Integer ControlCount() const { return static_cast<Integer>(FControls.size()); }
  TControl* Controls(Integer Index) const { return FControls.at(Index); }
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  bool ContainsControl(const TControl* Control) const;
  // The child (windowed or windowless) at a client point, topmost first.
  TControl* ControlAtPos(const TPoint& Pos, bool AllowDisabled, bool AllowWinControls = false);
  void DisableAlign() { ++FAlignLevel; }
  void EnableAlign();
  void Realign();
  void ScaleBy(Integer M, Integer D);

  bool Showing() const override;
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  TRect ClientRect() override;
  TPoint ClientOrigin() override;

  // Focus.
  virtual bool CanFocus();
  bool Focused();
  virtual void SetFocus();
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value) { FTabStop = Value; }
  Integer TabOrder() const;
  void SetTabOrder(Integer Value);
  // Children that take part in tabbing, in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& List);
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                               bool CheckParent);
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
  bool ParentBackground() const { return FParentBackground; }
  void SetParentBackground(bool Value);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value);
  TBevelWidth BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(TBevelWidth Value);
  TBevelKind BevelKind() const { return FBevelKind; }
  void SetBevelKind(TBevelKind Value);
  TBevelEdges BevelEdges() const { return FBevelEdges; }
  void SetBevelEdges(TBevelEdges Value);
  TBorderWidth BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(TBorderWidth Value);
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);
  bool ParentCtl3D() const { return FParentCtl3D; }
  void SetParentCtl3D(bool Value) { FParentCtl3D = Value; }
  TBrush* Brush() const { return FBrush.get(); }

  void Invalidate() override;
  void Update() override;
  void Repaint() override;
  void PaintTo(HDC DC, Integer X, Integer Y) override;
  // The same onto a canvas's device context.
  void PaintTo(TCanvas* Canvas, Integer X, Integer Y);
  // Paints only the client area (no frame) at (X, Y) of DC.
  void PaintClientTo(HDC DC, Integer X, Integer Y);
  // Paints the windowless children that intersect DC's clip box, from First
  // (all when nullptr) upwards in z-order.
  void PaintControls(HDC DC, TControl* First);
  void SetVisible(bool Value) override;
  void SetEnabled(bool Value) override;
  void SetParent(TWinControl* AParent) override;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;

 protected:
  friend class TControl;
  friend class TCustomForm;
  friend TWinControl* FindControl(HWND Handle);

  virtual void CreateParams(TCreateParams& Params);
  // Prepares Params to wrap the native window class ClassName: our class
  // becomes a copy of it whose default procedure is the native one.
  void CreateSubClass(TCreateParams& Params, const wchar_t* ClassName);
  virtual void CreateWindowHandle(const TCreateParams& Params);
  virtual void CreateWnd();
  virtual void DestroyWindowHandle();
  virtual void DestroyWnd();
  virtual void CreateHandle();
  virtual void DestroyHandle();
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  virtual void AdjustClientRect(TRect& Rect);
  virtual void PaintWindow(HDC DC);
  void PaintHandler(TWMPaint& Message);
  virtual void DoEnter();
  virtual void DoExit();
  virtual void KeyDown(Word& Key, TShiftState Shift);
  virtual void KeyUp(Word& Key, TShiftState Shift);
  virtual void KeyPress(Char& Key);
  // The form's preview (KeyPreview) and then this control's key event;
  // true when the key was consumed.
  bool DoKeyDown(TWMKey& Message);
  bool DoKeyUp(TWMKey& Message);
  bool DoKeyPress(TWMKey& Message);
  void UpdateShowing();
  void AlignControl(TControl* AControl);
  void RequestAlign() override;
  void SetClientSize(Integer W, Integer H) override;
  String GetText() const override;
  void SetTextValue(const String& Value) override;
  void FontChanged() override;
  // Distance of the client area's origin from the window's top-left corner.
  TPoint ClientOffset();
  // Keeps Left/Top/Width/Height in step with the window.
  void UpdateBounds();

  virtual void WMPaint(TWMPaint& Message);
  virtual void WMEraseBkgnd(TWMEraseBkgnd& Message);
  virtual void WMSize(TWMSize& Message);
  virtual void WMWindowPosChanged(TWMWindowPosMsg& Message);
  virtual void WMSetFocus(TWMSetFocus& Message);
  virtual void WMKillFocus(TWMKillFocus& Message);
  virtual void WMKeyDown(TWMKey& Message);
  virtual void WMKeyUp(TWMKey& Message);
  virtual void WMSysKeyDown(TWMKey& Message);
  virtual void WMSysKeyUp(TWMKey& Message);
  virtual void WMChar(TWMKey& Message);
  virtual void WMSetCursor(TWMSetCursor& Message);
  virtual void WMCommand(TWMCommand& Message);
  virtual void WMNotify(TWMNotify& Message);
  virtual void WMGetMinMaxInfo(TMessage& Message);
  virtual void WMNCDestroy(TMessage& Message);
  virtual void CNKeyDown(TWMKey& Message);
  virtual void CNKeyUp(TWMKey& Message);
  virtual void CNChar(TWMKey& Message);
  virtual void CNSysKeyDown(TWMKey& Message);
  virtual void CMEnter(TMessage& Message);
  virtual void CMExit(TMessage& Message);
  virtual void CMDialogKey(TWMKey& Message);
  virtual void CMDialogChar(TWMKey& Message);
  virtual void CMChildKey(TMessage& Message) { DefaultHandler(Message); }
  void CMColorChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMVisibleChanged(TMessage& Message) override;
  void CMShowHintChanged(TMessage& Message);
  virtual void CMShowingChanged(TMessage& Message);
  // Passes a parent's notification to the child window it came from as
  // CN_*; false when that window is none of ours.
  bool DoControlMsg(HWND ControlHandle, TMessage& Message);

  HWND FHandle = nullptr;
  HWND FParentWindow = nullptr;
  WNDPROC FDefWndProc = nullptr;
  std::vector<TControl*> FControls;      // z-order, bottom first
  std::vector<TWinControl*> FTabList;    // windowed children in tab order
  Integer FAlignLevel = 0;
  bool FTabStop = false;
  bool FDoubleBuffered = false;
  bool FParentBackground = false;
  TBevelCut FBevelInner = bvRaised;
  TBevelCut FBevelOuter = bvLowered;
  TBevelWidth FBevelWidth = 1;
  TBevelKind FBevelKind = bkNone;
  TBevelEdges FBevelEdges{beLeft, beTop, beRight, beBottom};
  TBorderWidth FBorderWidth = 0;
  bool FCtl3D = true;
  bool FParentCtl3D = true;
  std::unique_ptr<TBrush> FBrush;
  // Children get their window once this one has one.
  bool FShowing = false;
  bool FTrackingMouse = false;

 private:
  // Every message of the window arrives here first; the first one of a new
  // window gives the control its handle.
  void WindowMessage(HWND Window, TMessage& Message);
  void DestroyChildHandles();
  void CreateChildHandles();
  bool IsControlMouseMsg(TWMMouse& Message);
  void TrackMouse(TControl* Over);
};

// Whether Handle is the window of one of our windowed controls.
bool IsOurWindow(HWND Handle);

}  // namespace jorv
