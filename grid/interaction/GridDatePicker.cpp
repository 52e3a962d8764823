// The grid's date and time editors.
#include "grid/interaction/GridDatePicker.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/EditorOwner.h"
#include "platform/gfx/DCScope.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

namespace {

bool IsLetter(Char C, Char Letter) { return C == Letter || C == Letter - (L'a' - L'A'); }

}  // namespace

// --- TGridDatePicker --------------------------------------------------------------------------------

TGridDatePicker::TGridDatePicker(TComponent* AOwner) : TGrdDateTimePicker(AOwner), FGrid(EditorGrid(AOwner)) {
  DTPShiftFocusMessage();
}

String TGridDatePicker::GetText() const {
  if (Kind() == dtkTime) return Format().empty() ? TimeToStr(Time()) : FormatDateTime(Format(), Time());
  return DateToStr(Date());
}

void TGridDatePicker::SetTextValue(const String& Value) {
  TDateTime D = 0;
  if (Kind() == dtkTime ? TryStrToTime(Value, D) : TryStrToDate(Value, D)) {
    if (Kind() == dtkTime)
      SetTime(D);
    else
      SetDate(D);
  }
}

void TGridDatePicker::AdvanceDateField() {
  Word Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0, Milli = 0;
  DecodeDate(DateTime(), Year, Month, Day);
  DecodeTime(DateTime(), Hour, Minute, Second, Milli);
  bool Next = false;
  if (Kind() == dtkTime) {
    Next = Hour != Fth || Minute != Ftm || Second != Fts;
  } else if (!Format().empty()) {
    // A change of the format's last field completes the value: nothing
    // follows it.
    const Char Last = Format().back();
    const bool LastFieldDone = (Day != Fd && IsLetter(Last, L'd')) || (Month != Fm && IsLetter(Last, L'm')) ||
                               (Year != Fy && IsLetter(Last, L'y'));
    Next = !LastFieldDone && (Day != Fd || Month != Fm || Year != Fy);
  } else {
    Next = Day != Fd || Month != Fm;
  }
  if (Next && HandleAllocated()) PostMessageW(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
}

void TGridDatePicker::KeyPress(Char& Key) {
  if (Key >= L'0' && Key <= L'9') {
    DecodeDate(DateTime(), Fy, Fm, Fd);
    DecodeTime(DateTime(), Fth, Ftm, Fts, Ftms);
    TGrdDateTimePicker::KeyPress(Key);
    // Handled once the window has taken the digit.
    if (HandleAllocated()) PostMessageW(Handle(), DTPShiftFocusMessage(), 0, 0);
  } else {
    TGrdDateTimePicker::KeyPress(Key);
  }
  if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
}

void TGridDatePicker::Dispatch(TMessage& Message) {
  if (Message.Msg == DTPShiftFocusMessage()) {
    AdvanceDateField();
    return;
  }
  if (Message.Msg == CM_WANTSPECIALKEY) {
    const Word Key = MsgAs<TCMWantSpecialKey>(Message).CharCode;
    if (Key == VK_RETURN || Key == VK_ESCAPE || (Key == VK_TAB && FGrid->EditorHandlesTab())) {
      Message.Result = 1;
      return;
    }
  }
  TGrdDateTimePicker::Dispatch(Message);
  if (Message.Msg == WM_NCPAINT) DrawWindowFrames();
}

// Two frames in the window colour cover the system's border: the picker
// sits flush in its cell.
void TGridDatePicker::DrawWindowFrames() {
  if (!HandleAllocated()) return;
  TWindowDC DC(Handle(), true);
  RECT R{};
  GetWindowRect(Handle(), &R);
  OffsetRect(&R, -R.left, -R.top);
  HBRUSH Brush = GetSysColorBrush(COLOR_WINDOW);
  FrameRect(DC.Handle(), &R, Brush);
  InflateRect(&R, -1, -1);
  FrameRect(DC.Handle(), &R, Brush);
}

bool TGridDatePicker::CommitValue(Word& Key) {
  if (FGrid->CommitEditorText(GetText())) {
    SetText(FGrid->CurrentCell());
    return true;
  }
  SetText(FGrid->NewCellText());
  Invalidate();
  Key = 0;
  return false;
}

void TGridDatePicker::KeyDown(Word& Key, TShiftState Shift) {
  switch (Key) {
    case VK_ESCAPE:
      // The cell keeps the very text it had, even one that reads as no date.
      Key = 0;
      FGrid->CancelEditorEdit(Shift);
      if (FGrid->Navigation()->AdvanceOnEnter() && FGrid->Navigation()->AdvanceAutoEdit()) FGrid->ShowInplaceEdit();
      return;
    case VK_RETURN:
      // A field being typed is committed first.
      SendMessageW(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
      SendMessageW(Handle(), WM_KEYUP, VK_RIGHT, 0);
      if (!CommitValue(Key)) return;
      break;
    case VK_TAB:
      if (!FGrid->EditorHandlesTab()) break;
      if (!CommitValue(Key)) return;
      if (FGrid->Options().Contains(goTabs)) {
        Key = 0;
        FGrid->LeaveEditorByTab(Shift);
        return;
      }
      PostMessageW(FGrid->Handle(), WM_KEYDOWN, VK_TAB, 0);
      break;
    case VK_PRIOR: case VK_NEXT: case VK_END: break;
    default: TGrdDateTimePicker::KeyDown(Key, Shift); return;
  }
  const Word Ending = Key;
  Key = 0;
  if (!DroppedDown()) FGrid->EndEditorByKey(Ending, Shift, true);
}

void TGridDatePicker::CMExit(TMessage& Message) {
  FGrid->EditorLostFocus();
  TGrdDateTimePicker::CMExit(Message);
}

// --- TGridDateTimePicker ----------------------------------------------------------------------------

TGridDateTimePicker::TGridDateTimePicker(TComponent* AOwner)
    : TExDateTimePicker(AOwner), FGrid(dynamic_cast<TRezIvevirAvod*>(AOwner)) {
  // The date part asks for Shift+Tab and the time part for Tab.
  FGridTabhandling = true;
  if (TimePicker()) TimePicker()->FGridTabhandling = true;
}

// The time part's keys come here too.
void TGridDateTimePicker::KeyDown(Word& Key, TShiftState Shift) {
  if (!FGrid || !FGrid->EditMode() || (Key != VK_ESCAPE && Key != VK_RETURN && Key != VK_TAB)) {
    TExDateTimePicker::KeyDown(Key, Shift);
    return;
  }
  const bool TimeFocused = TimePicker() && TimePicker()->Focused();
  // Enter stores what closing the editor writes; Tab writes the long time.
  const String Value = DateToStr(DateTime()) + L" " +
                       (Key == VK_TAB ? TimeToStr(DateTime())
                                      : FormatDateTime(FormatSettings().ShortTimeFormat, DateTime()));
  if (Key == VK_TAB) {
    const bool Leaves = (FGrid->EditorHandlesTab() && TimeFocused && Shift.Empty()) ||
                        (!TimeFocused && Shift == TShiftState{ssShift});
    if (!Leaves) {
      TExDateTimePicker::KeyDown(Key, Shift);
      return;
    }
  }
  const Word Ending = Key;
  Key = 0;
  if (Ending == VK_ESCAPE) {
    // The cell keeps the very text it had; nothing typed reaches it.
    FGrid->CancelEditorEdit(Shift);
    return;
  }
  // A refused value keeps the editor open on its cell.
  if (!FGrid->CommitEditorText(Value)) return;
  FGrid->HideInplaceEdit();
  FGrid->FocusFromEditor();
  if (Ending == VK_TAB) {
    FGrid->SetCurrentCell(Value);
    FGrid->AdvanceOnTab(Shift.Contains(ssShift));
  } else if (FGrid->Navigation()->AdvanceOnEnter()) {
    FGrid->AdvanceFromEditor();
  }
}

// Moving between the date and the time part is no exit; leaving both is.
void TGridDateTimePicker::CMExit(TMessage& Message) {
  if (FGrid) FGrid->EditorLostFocus();
  TExDateTimePicker::CMExit(Message);
}

}  // namespace jorv::grid
