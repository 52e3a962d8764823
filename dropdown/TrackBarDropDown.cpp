#include "dropdown/TrackBarDropDown.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::dropdown {

namespace {
constexpr Integer TrackBarHeight = 40;
}  // namespace

TExTrackBarDropDown::TExTrackBarDropDown(TComponent* AOwner) : TExCustomDropDown(AOwner) {
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  SetEditType(etNumeric);
  FDropDownHeader->SetVisible(false);
  FDropDownFooter->SetVisible(false);
  SetForceShadow(true);
  if (!ComponentState().Contains(csDesigning)) CreateDropDownForm();
}

void TExTrackBarDropDown::CreateDropDownForm() {
  TExCustomDropDown::CreateDropDownForm();
  if (!FDropDownForm) return;
  if (!FTrackBar) {
    FTrackBar = new TTrackBar(this);
    FTrackBar->SetParent(FDropDownForm);
    FTrackBar->SetBounds(0, 0, FTrackBar->Width(), TrackBarHeight);
  }
  FTrackBar->OnChange = [this](TObject* Sender) { TrackChanged(Sender); };
}

void TExTrackBarDropDown::DoBeforeDropDown() {
  TExCustomDropDown::DoBeforeDropDown();
  FDropDownForm->SetCancelOnDeActivate(false);
  if (FTrackBar) {
    SetMin(FMin);
    SetMax(FMax);
    FTrackBar->SetPosition(FPosition);
    FTrackBar->SetPageSize(FPageSize);
    FTrackBar->SetFrequency(FFrequency);
    // As wide as the editor at every opening: the alignment of the last
    // opening comes off so that the pop-up is sized from this.
    FTrackBar->SetAlign(alNone);
    FTrackBar->SetBounds(0, 0, Width(), TrackBarHeight);
  }
  if (Control() == FTrackBar)
    PlaceDropDownControl();
  else
    SetControl(FTrackBar);
}

// --- range and value ---------------------------------------------------------------------------

void TExTrackBarDropDown::SetMin(Integer Value) {
  FMin = Value;
  if (!FTrackBar) return;
  // The track bar refuses a range out of order even for a moment.
  if (Value > FTrackBar->Max()) FTrackBar->SetMax(Value);
  FTrackBar->SetMin(Value);
  FMin = FTrackBar->Min();
  FPosition = FTrackBar->Position();
}

void TExTrackBarDropDown::SetMax(Integer Value) {
  FMax = Value;
  if (!FTrackBar) return;
  if (Value < FTrackBar->Min()) FTrackBar->SetMin(Value);
  FTrackBar->SetMax(Value);
  FMax = FTrackBar->Max();
  FPosition = FTrackBar->Position();
}

void TExTrackBarDropDown::SetPosition(Integer Value) {
  FPosition = Value;
  if (!FTrackBar) return;
  FTrackBar->SetPosition(Value);
  FPosition = FTrackBar->Position();
}

void TExTrackBarDropDown::SetFrequency(Integer Value) {
  FFrequency = Value;
  if (FTrackBar) FTrackBar->SetFrequency(Value);
}

void TExTrackBarDropDown::SetPageSize(Integer Value) {
  FPageSize = Value;
  if (FTrackBar) FTrackBar->SetPageSize(Value);
}

void TExTrackBarDropDown::TrackChanged(TObject*) {
  FPosition = FTrackBar->Position();
  SetRawText(IntToStr(FPosition));
  if (OnTrackChange) OnTrackChange(this);
}

// A value text that is no integer (written by code: the editor takes no
// typing) leaves the position where it is, instead of raising from inside
// the change notification; the editor then shows the position it holds,
// which is also the kept value of a text outside the range.
void TExTrackBarDropDown::Change() {
  TExCustomDropDown::Change();
  Integer Value = 0;
  const bool IsInteger = TryStrToInt(Text(), Value);
  if (IsInteger) SetPosition(Value);
  if (!IsInteger || FPosition != Value) SetRawText(IntToStr(FPosition));
}

// --- keys and mouse on the closed editor ------------------------------------------------------------

void TExTrackBarDropDown::StepByKey(Word Key) {
  if (FEditorEnabled || GetKeyState(VK_MENU) < 0) return;
  if (Key == VK_UP && FPosition - FFrequency >= FMin) SetPosition(FPosition - FFrequency);
  if (Key == VK_DOWN && FPosition + FFrequency <= FMax) SetPosition(FPosition + FFrequency);
}

void TExTrackBarDropDown::HandleMouse(TMessage& M) {
  if (!FDropDownEnabled || FEditorEnabled) return;
  const Integer X = MsgAs<TWMMouse>(M).XPos;
  if (M.Msg == WM_LBUTTONDOWN) {
    FMouseX = X;
    FMouseDraging = true;
  } else if (M.Msg == WM_MOUSEMOVE && FMouseDraging) {
    // Whole page steps only; the pixels left over count towards the next.
    const Integer Page = FPageSize > 0 ? FPageSize : 1;
    const Integer Steps = (X - FMouseX) / Page;
    if (Steps != 0) {
      SetPosition(FPosition + Steps);
      FMouseX += Steps * Page;
    }
  }
}

void TExTrackBarDropDown::Dispatch(TMessage& M) {
  TExCustomDropDown::Dispatch(M);
  switch (M.Msg) {
    case WM_KEYDOWN: StepByKey(MsgAs<TWMKey>(M).CharCode); break;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE: HandleMouse(M); break;
    case WM_LBUTTONUP: FMouseDraging = false; break;
    default: break;
  }
}

}  // namespace jorv::dropdown
