// Opening and storing the application's editor of edCustom cells through
// the grid's custom editor link.
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/EditLink.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"

namespace jorv::grid {

void TRezIvevirAvod::SetEditLink(TEditLink* Value) {
  FEditLink = Value;
  // The link clears itself out of the grid when it is freed first.
  if (Value) Value->AttachGrid(this);
}

namespace {

// The borderless pop-up the link's control edits in, made once per link.
TCustomForm* MakePopupForm(TEditLink* Link) {
  if (TComponent* Old = Application->FindComponent(L"gridform")) delete Old;
  TCustomForm* Form = TCustomForm::CreateNew(Application);
  Form->SetName(L"gridform");
  Form->OnDeactivate = [Link](TObject* Sender) { Link->FormExit(Sender); };
  Form->SetBorderStyle(bsNone);
  Form->SetFormStyle(fsStayOnTop);
  return Form;
}

}  // namespace

void TRezIvevirAvod::OpenCustomEditor(const String& T, TColor C, const TRect& R, Integer SC, Integer ARow) {
  TEditLink* Link = FEditLink;
  if (!Link) return;
  Link->AttachGrid(this);
  Link->FEditCell = TPoint{SC, ARow};
  if (Link->EditStyle() == esPopup) {
    if (Link->AutoPopupWidth()) Link->SetPopupWidth(R.Right - R.Left);
    if (!Link->FPopupForm) Link->FPopupForm = MakePopupForm(Link);
    TCustomForm* Form = Link->FPopupForm;
    const bool AtCell = Link->PopupLeft() == -1 || Link->PopupTop() == -1;
    const TPoint At = AtCell ? ClientToScreen(TPoint{R.Left, R.Top}) : TPoint{Link->PopupLeft(), Link->PopupTop()};
    Form->SetVisible(true);
    // Showing may place the form; it goes where the link says afterwards.
    Form->SetBounds(At.X, At.Y, Link->PopupWidth(), Link->PopupHeight());
    Link->CreateEditor(Form);
    Link->SetRect(TRect{0, 0, Link->PopupWidth(), Link->PopupHeight()});
  } else {
    Link->CreateEditor(this);
    Link->SetRect(R);
  }
  Link->SetVisible(true);
  Link->SetCellProps(C, Canvas()->Font());
  Link->SetProperties();
  DoGetEditorProp(SC, ARow, Link);
  Link->SetEditorValue(T);
  Link->SetFocus(true);
  Link->SetFocus(true);
  FEditActive = true;
  TWinControl* Control = Link->GetEditControl();
  if (FStartEditChar && Control && Control->HandleAllocated())
    PostMessageW(Control->Handle(), WM_CHAR, FStartEditChar, 0);
  FEditCtrl = Control;
  FEditMode = true;
}

void TRezIvevirAvod::StoreCustomEditor(Integer SC, Integer ARow) {
  TEditLink* Link = FEditLink;
  if (!Link) return;
  ApplyEditText(SC, ARow, Link->GetEditorValue());
  if (Link->EditStyle() != esPopup) Link->SetVisible(false);
  Link->RestoreWinProc();
  FEditMode = false;
}

}  // namespace jorv::grid
