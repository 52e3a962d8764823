// What the grid's own editor controls ask of it when a key or the focus
// ends their edit: commit and validate, hand keys to the grid, give the
// focus back and reopen the editor on the next cell.
#include <commctrl.h>
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/GridButton.h"
#include "grid/interaction/GridDatePicker.h"
#include "grid/interaction/EditorOwner.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::grid {

TRezIvevirAvod* EditorGrid(TComponent* AOwner) {
  auto* Grid = dynamic_cast<TRezIvevirAvod*>(AOwner);
  if (!Grid) throw EInvalidCast(L"Invalid class typecast");
  return Grid;
}

bool TRezIvevirAvod::CommitEditorText(const String& Text) {
  SetCurrentCell(Text);
  return ValidateCell(Text);
}

void TRezIvevirAvod::EndEditorByKey(Word Key, TShiftState Shift, bool Reopen) {
  DoneInplaceEdit(Key, Shift);
  if (Reopen && Navigation()->AdvanceOnEnter() && Navigation()->AdvanceAutoEdit()) ShowInplaceEdit();
}

void TRezIvevirAvod::CancelEditorEdit(TShiftState Shift) {
  // Nothing is validated; storing moves the cache on to what the editor
  // held, and the cell gets back the very text the edit started with (an
  // editor may show it in its own format, or not at all).
  FEditing = false;
  const String Cache = FCellCache;
  DoneInplaceEdit(VK_ESCAPE, Shift);
  FCellCache = Cache;
  RestoreCellFromCache();
}

void TRezIvevirAvod::LeaveEditorByTab(TShiftState Shift) {
  HideInplaceEdit();
  FocusFromEditor();
  HandKeyToGrid(VK_TAB, Shift);
}

void TRezIvevirAvod::EditorLostFocus() {
  if (!FEditMode || FBlockKill || FBlockFocus || FValidating || Destroying()) return;
  HideInplaceEdit();
}

void TRezIvevirAvod::FocusFromEditor() {
  const bool AlwaysEdit = Navigation()->AlwaysEdit();
  Navigation()->SetAlwaysEdit(false);
  auto Restore = ScopeExit([this, AlwaysEdit] { Navigation()->SetAlwaysEdit(AlwaysEdit); });
  FBlockFocus = true;
  auto Unblock = ScopeExit([this] { FBlockFocus = false; });
  if (CanFocus()) SetFocus();
}

void TRezIvevirAvod::NotifyEditorChange(Integer ACol, const String& Text, bool AskModify) {
  // An editor still holding the focus while the grid goes changes its text
  // as it loses the focus, when only the grid's base classes are left.
  if (Destroying()) return;
  // The answer is not used: a data-aware grid starts editing its record here.
  if (AskModify) CanEditModify();
  if (OnEditChange) OnEditChange(this, ACol, Row(), Text);
}

void TRezIvevirAvod::HandKeyToGrid(Word Key, TShiftState Shift) { KeyDown(Key, Shift); }

String TRezIvevirAvod::EllipsClickText(const String& Text) {
  String Result = Text;
  if (OnEllipsClick) OnEllipsClick(this, RealColIndex(Col()), Row(), Result);
  return Result;
}

void TRezIvevirAvod::DropButtonEditor() {
  // Cleared first: the button losing the focus must not store or finish,
  // nor the grid taking it open an editor again.
  FEditMode = false;
  FBlockFocus = true;
  auto Unblock = ScopeExit([this] { FBlockFocus = false; });
  // The framework grid's editor mode ends too, or taking the focus would
  // show the editor again.
  HideEditor();
  FGridButton->SetVisible(false);
  FGridButton->SetEnabled(false);
  FocusFromEditor();
}

void TRezIvevirAvod::AdvanceFromEditor() { AdvanceCell(Col(), Row(), false, true, true, false, true); }

void TRezIvevirAvod::DatePickerDroppedDown() {
  if (FEditDate->HandleAllocated()) {
    if (HWND Calendar = HWND(SendMessageW(FEditDate->Handle(), DTM_GETMONTHCAL, 0, 0))) {
      LONG_PTR Style = GetWindowLongPtrW(Calendar, GWL_STYLE);
      if (!FEditDate->ShowToday()) Style |= MCS_NOTODAY;
      if (!FEditDate->ShowTodayCircle()) Style |= MCS_NOTODAYCIRCLE;
      if (FEditDate->Weeknumbers()) Style |= MCS_WEEKNUMBERS;
      SetWindowLongPtrW(Calendar, GWL_STYLE, Style);
      RECT R{};
      SendMessageW(Calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&R));
      SetWindowPos(Calendar, nullptr, 0, 0, R.right - R.left + 2, R.bottom - R.top + 2, SWP_NOZORDER | SWP_NOMOVE);
    }
  }
  if (OnDatePickerDropDown) OnDatePickerDropDown(this, Row(), Col());
}

}  // namespace jorv::grid
