#pragma once
// Top-level windows: forms with their border, position and state, the
// active control and its focus, showing modally, and closing.
#include "platform/ui/CustomControl.h"
#include "platform/ui/ScrollingWinControl.h"

namespace jorv {

class TBitmap;
class TIcon;

enum TBorderIcon : uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon, 8>;
enum TPosition : uint8_t {
  poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
  poMainFormCenter, poOwnerFormCenter
};
enum TFormStyle : uint8_t { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };
enum TFormStateFlag : uint8_t { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateFlag, 8>;

using TModalResult = Integer;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT,
                       mrRetry = IDRETRY, mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO,
                       mrClose = 8, mrHelp = 9, mrTryAgain = 10, mrContinue = 11, mrAll = 12,
                       mrNoToAll = 13, mrYesToAll = 14;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TScrollingWinControl {
 public:
  // A form without a form description.
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;
  static TCustomForm* CreateNew(TComponent* AOwner) { return new TCustomForm(AOwner); }
  // Runs OnCreate; the application calls it once the form is fully made.
  virtual void AfterConstruction();

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value);
  TWindowState WindowState();
  void SetWindowState(TWindowState Value);
  // The form's own icon, shown in its title bar and task button; while it
  // is empty the application's icon shows.
  TIcon* Icon() const { return FIcon.get(); }
  // Takes a copy; nullptr clears.
  void SetIcon(TIcon* Value);
  bool Scaled() const { return FScaled; }
  void SetScaled(bool Value) { FScaled = Value; }
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* Control);
  TFormState FormState() const { return FFormState; }
  bool Active() const { return FActive; }
  TCanvas* Canvas() const { return FCanvas.get(); }

  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  virtual TModalResult ShowModal();
  void Close();
  virtual bool CloseQuery();
  // Frees the form once the messages now queued are handled.
  void Release();
  // A bitmap of the client area; the caller owns it.
  TBitmap* GetFormImage();
  void FocusControl(TWinControl* Control);
  // Records the focused control and sends CM_EXIT / CM_ENTER along the way.
  bool SetFocusedControl(TWinControl* Control);
  void ControlRemoving(TWinControl* Control);
  void SetFocus() override;

  bool DoKeyDown(TWMKey& Message) { return TWinControl::DoKeyDown(Message); }
  bool DoKeyUp(TWMKey& Message) { return TWinControl::DoKeyUp(Message); }
  bool DoKeyPress(TWMKey& Message) { return TWinControl::DoKeyPress(Message); }

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnPaint;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void CMShowingChanged(TMessage& Message) override;
  void CMDialogKey(TWMKey& Message) override;
  void PaintWindow(HDC DC) override;
  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  virtual void Activate();
  virtual void Deactivate();
  virtual void Paint();
  void CloseModal();
  void SetWindowToMonitor();
  void NextDlgCtl(TWMNextDlgCtl& Message);
  void WMActivate(TWMActivate& Message);

  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TPosition FPosition = poDefaultPosOnly;
  TFormStyle FFormStyle = fsNormal;
  TWindowState FWindowState = wsNormal;
  std::unique_ptr<TIcon> FIcon;
  bool FScaled = true;
  bool FKeyPreview = false;
  bool FActive = false;
  bool FPlaced = false;
  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusedControl = nullptr;
  TFormState FFormState;
  TModalResult FModalResult = mrNone;
  bool FCreated = false;
  std::unique_ptr<TControlCanvas> FCanvas;

 private:
  friend class TApplication;
  void ApplyPosition();
  // Hands the window the form's icon, or the application's.
  void UpdateIcon();
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
};

}  // namespace jorv
