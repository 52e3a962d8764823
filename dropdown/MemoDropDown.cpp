#include "dropdown/MemoDropDown.h"
#include "dropdown/DropDownPaint.h"
#include "platform/gfx/Canvas.h"

namespace jorv::dropdown {

namespace {

bool AltHeld() { return GetKeyState(VK_MENU) < 0; }

}  // namespace

TExMemoDropDown::TExMemoDropDown(TComponent* AOwner)
    : TExCustomDropDown(AOwner), FMemoText(std::make_unique<TStringList>()) {
  FMemoText->OnChange = [this](TObject* Sender) { UpdateEditFromMemo(Sender); };
  if (!ComponentState().Contains(csDesigning)) CreateDropDownForm();
}

TExMemoDropDown::~TExMemoDropDown() {
  // The memo goes with the editor's components; nothing may reach it from
  // the list's notification on the way out.
  FMemoText->OnChange = nullptr;
}

void TExMemoDropDown::CreateDropDownForm() {
  TExCustomDropDown::CreateDropDownForm();
  if (!FDropDownForm || FMemo) return;
  FMemo = new TMemo(this);
  FMemo->SetParent(FDropDownForm);
  FMemo->SetHeight(100);
  FMemo->OnChange = [this](TObject* Sender) { MemoChanged(Sender); };
  FMemo->SetBorderStyle(bsNone);
  SetControl(FMemo);
}

TStrings* TExMemoDropDown::MemoText() const { return Lines(); }

void TExMemoDropDown::SetMemoText(TStrings* Value) {
  FMemoText->Assign(Value);
  WriteMemoLines(Value);
}

// The memo announces every step of an assignment (its clearing first):
// those steps must not be copied back into the lines being written.
void TExMemoDropDown::WriteMemoLines(TStrings* From) {
  if (!FMemo) return;
  const bool Was = FWritingMemo;
  FWritingMemo = true;
  FMemo->Lines()->Assign(From);
  FWritingMemo = Was;
}

void TExMemoDropDown::SetMemoReadOnly(bool Value) {
  FMemoReadOnly = Value;
  if (FDroppedDown && FMemo) FMemo->SetReadOnly(Value);
}

void TExMemoDropDown::DoBeforeDropDown() {
  TExCustomDropDown::DoBeforeDropDown();
  FDropDownForm->SetCancelOnDeActivate(false);
  if (!FMemo) return;
  if (FEditorEnabled) WriteMemoLines(FMemoText.get());
  FMemo->SetPopupMenu(FMemoPopup);
  FMemo->SetMaxLength(MaxLength());
  FMemo->SetScrollBars(FMemoScrollBars);
  FMemo->SetReadOnly(FMemoReadOnly);
}

void TExMemoDropDown::MemoChanged(TObject*) {
  if (FWritingMemo) return;
  FMemoText->Assign(FMemo->Lines());
  if (OnMemoChange) OnMemoChange(this);
}

String TExMemoDropDown::FittedFirstLine() {
  if (FMemoText->Count() == 0) return String();
  const String First = FMemoText->Strings(0);
  if (FEditorEnabled || !HandleAllocated()) return First;
  TControlCanvas C;
  C.SetControl(this);
  C.Font()->Assign(Font());
  TSize Size;
  GetTextSize(&C, First, Size);
  const Integer Room = GetEditRect().Width();
  if (Size.cx < Room) return FMemoText->Count() > 1 ? First + L"..." : First;
  String Shown;
  EllipsisText(&C, First, Room, true, Shown);
  return Shown;
}

void TExMemoDropDown::UpdateEditFromMemo(TObject*) {
  const bool Was = FInternalUpdate;
  FInternalUpdate = true;
  SetRawText(FittedFirstLine());
  FInternalUpdate = Was;
}

// Typing in the edit changes the first line; the lines below it stay.
void TExMemoDropDown::Change() {
  if (!FInternalUpdate) {
    const String Value = Text();
    auto Detached = std::move(FMemoText->OnChange);
    FMemoText->OnChange = nullptr;
    if (FMemoText->Count() == 0)
      FMemoText->Add(Value);
    else
      FMemoText->SetStrings(0, Value);
    WriteMemoLines(FMemoText.get());
    FMemoText->OnChange = std::move(Detached);
  }
  TExCustomDropDown::Change();
}

void TExMemoDropDown::DropDownFormHidden() {
  TExCustomDropDown::DropDownFormHidden();
  if (FMemo) FMemoText->Assign(FMemo->Lines());
  UpdateEditFromMemo(this);
  if (HandleAllocated()) {
    SetSelStart(0);
    SetSelLength(0);
  }
}

// Closing gives the focus back to the edit, which must not open the pop-up
// again; a cancelled closing takes the lines back to what they were, and
// the text of the opening is the memo's, not a value to write into it.
void TExMemoDropDown::DoHideDropDown(bool Cancel) {
  const bool WasAutoDrop = FAutoDrop;
  FAutoDrop = false;
  if (Cancel && FDroppedDown) WriteMemoLines(FMemoText.get());
  const bool Was = FInternalUpdate;
  FInternalUpdate = true;
  TExCustomDropDown::DoHideDropDown(Cancel);
  FInternalUpdate = Was;
  UpdateEditFromMemo(this);
  FAutoDrop = WasAutoDrop;
}

void TExMemoDropDown::DoEnter() {
  TExCustomDropDown::DoEnter();
  if (FAutoDrop) DoShowDropDown();
}

// --- keys inside the memo: only closing keys go to the edit ------------------------------------------

void TExMemoDropDown::DropDownControlKeyDown(Word& Key, TShiftState Shift) {
  if (AltHeld() || Key == VK_ESCAPE || Key == VK_F4) {
    TExCustomDropDown::DropDownControlKeyDown(Key, Shift);
    return;
  }
  if (Shift.Contains(ssCtrl) && (Key == L'A' || Key == L'a') && FMemo) FMemo->SelectAll();
}

void TExMemoDropDown::DropDownControlKeyUp(Word& Key, TShiftState Shift) {
  if (AltHeld() || Key == VK_ESCAPE || Key == VK_F4) TExCustomDropDown::DropDownControlKeyUp(Key, Shift);
}

void TExMemoDropDown::DropDownControlKeyPress(Char& Key) {
  if (AltHeld() || Key == VK_ESCAPE) TExCustomDropDown::DropDownControlKeyPress(Key);
}

// --- hosted control ---------------------------------------------------------------------------------------

void TExControlDropDown::Loaded() {
  TExDropDown::Loaded();
  if (!ComponentState().Contains(csDesigning)) PlaceDropDownControl();
}

}  // namespace jorv::dropdown
