// The grid's combo editor.
#include "grid/interaction/GridCombo.h"
#include "grid/core/GridUnit.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/EditorOwner.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

TGridCombo::TGridCombo(TComponent* AOwner) : TGrdComboBox(AOwner), FGrid(EditorGrid(AOwner)) {
  SetButtonWidth(16);
  // Completion follows the grid's Lookup setting alone.
  SetAutoComplete(false);
}

bool TGridCombo::ListMode() { return Style() == csDropDownList || DroppedDown(); }

void TGridCombo::SizeDropDownWidth() {
  Integer W = Width();
  const bool Scrolls = Items()->Count() > DropDownCount();
  TCanvas* Measure = FGrid->Canvas();
  for (Integer i = 0; i < Items()->Count(); ++i) {
    const Integer TW = Measure->TextWidth(Items()->Strings(i));
    if (Scrolls && TW > W - 25) W = TW + 25;
    if (!Scrolls && TW > W - 5) W = TW + 8;
  }
  if (HandleAllocated()) SendMessageW(Handle(), CB_SETDROPPEDWIDTH, WPARAM(W), 0);
}

bool TGridCombo::Complete(TStrings* List, const String& Typed, bool SelectItem) {
  if (Typed.empty()) return false;
  const bool CaseSensitive = FGrid->LookupCaseSensitive();
  const String Key = CaseSensitive ? Typed : AnsiUpperCase(Typed);
  for (Integer i = 0; i < List->Count(); ++i) {
    const String Item = List->Strings(i);
    const String Candidate = CaseSensitive ? Item : AnsiUpperCase(Item);
    if (Candidate.compare(0, Key.size(), Key) != 0) continue;
    const String Completed = Typed + Item.substr(Typed.size(), 255);
    if (SelectItem) {
      // Selecting the item shows its own text; the edit then shows the
      // typed letters in their case, and the item stays selected.
      SetItemIndex(i);
      if (EditHandle()) SetWindowTextW(EditHandle(), Completed.c_str());
    } else {
      SetText(Completed);
    }
    const Integer Length = static_cast<Integer>(Text().size());
    SendMessageW(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(Typed.size(), Length));
    return true;
  }
  return false;
}

void TGridCombo::DoChange() {
  if (!WorkMode || !FGrid->Lookup() || !HandleAllocated()) return;
  const String Typed = Text().substr(0, static_cast<size_t>(std::max(SelStart(), 0)));
  if (!Complete(Items(), Typed, true)) Complete(FGrid->LookupItems(), Typed, false);
}

void TGridCombo::RaiseComboChange(Integer ACol) {
  const Integer Index = ItemIndex();
  const String Selection = Index >= 0 ? Items()->Strings(Index) : Text();
  if (FGrid->OnComboChange) FGrid->OnComboChange(FGrid, ACol, FGrid->Row(), Index, Selection);
  if (FGrid->OnComboObjectChange)
    FGrid->OnComboObjectChange(FGrid, ACol, FGrid->Row(), Index, Selection,
                               Index >= 0 ? Items()->Objects(Index) : nullptr);
}

void TGridCombo::WheelStep(bool Down) {
  if (Down && ItemIndex() < Items()->Count() - 1)
    SetItemIndex(ItemIndex() + 1);
  else if (!Down && ItemIndex() > 0)
    SetItemIndex(ItemIndex() - 1);
  const Integer Column = FGrid->RealColIndex(FGrid->Col());
  const Integer Index = ItemIndex();
  if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, Column, FGrid->Row(), Index >= 0 ? Items()->Strings(Index) : Text());
  RaiseComboChange(Column);
}

void TGridCombo::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_MOUSEWHEEL) {
    WheelStep(static_cast<short>(HIWORD(Message.WParam)) < 0);
    Message.Result = 0;
    return;
  }
  TGrdComboBox::Dispatch(Message);
  if (Message.Msg == CM_WANTSPECIALKEY) {
    const Word Key = MsgAs<TCMWantSpecialKey>(Message).CharCode;
    if (Key == VK_RETURN || Key == VK_ESCAPE || (Key == VK_TAB && FGrid->EditorHandlesTab())) Message.Result = 1;
  }
}

void TGridCombo::CMEnter(TMessage& Message) {
  TGrdComboBox::CMEnter(Message);
  if (!HasEdit() || !HandleAllocated()) return;
  if (!FGrid->Navigation()->EditSelectAll()) {
    SetSelStart(static_cast<Integer>(Text().size()));
    SetSelLength(0);
  }
  FGrid->PlaceCaretAtPress(EditHandle());
}

void TGridCombo::CMExit(TMessage& Message) {
  const String T = Text();
  if (FGrid->LookupHistory() && !T.empty() && Items()->IndexOf(T) < 0) Items()->Add(T);
  FGrid->EditorLostFocus();
  TGrdComboBox::CMExit(Message);
}

void TGridCombo::Change() {
  TGrdComboBox::Change();
  FGrid->NotifyEditorChange(FGrid->Col(), Text(), true);
}

void TGridCombo::KeyPress(Char& Key) {
  const Integer Before = ItemIndex();
  if (FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
  if (Key == VK_ESCAPE) Key = 0;
  if (Key == VK_RETURN && OnReturnKey) OnReturnKey(this);
  if (Key == VK_RETURN || Key == VK_TAB) Key = 0;
  TGrdComboBox::KeyPress(Key);
  if (ItemIndex() != Before) RaiseComboChange(FGrid->RealColIndex(FGrid->Col()));
}

bool TGridCombo::IsHandOverKey(Word Key, TShiftState Shift) {
  if (Key == VK_DOWN && Shift.Contains(ssAlt)) return false;
  if (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE) return true;
  if (ListMode()) return Key == VK_LEFT || Key == VK_RIGHT;
  return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_UP || Key == VK_DOWN;
}

bool TGridCombo::CommitText(bool CaretAfter) {
  if (!FGrid->CommitEditorText(Text())) {
    SetText(FGrid->NewCellText());
    if (HasEdit() && CaretAfter) {
      SetSelStart(static_cast<Integer>(Text().size()));
      SetSelLength(0);
    } else if (HasEdit()) {
      SelectAll();
    }
    Invalidate();
    return false;
  }
  const String Current = FGrid->CurrentCell();
  if (Style() != csDropDownList)
    SetText(Current);
  else if (Items()->IndexOf(Current) >= 0)
    SetItemIndex(Items()->IndexOf(Current));
  return true;
}

void TGridCombo::KeyDown(Word& Key, TShiftState Shift) {
  const bool EndingKey = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                         Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
  if (!EndingKey && FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
  WorkMode = Key != VK_BACK && Key != VK_DELETE;
  TNavigation* Navigation = FGrid->Navigation();
  if ((Key == VK_UP || Key == VK_DOWN) && !Shift.Contains(ssAlt) && !Navigation->ComboGetUpDown() && !DroppedDown()) {
    // The text was stored and validated for the cell it was typed in; the
    // key only moves the current cell and goes no further.
    FGrid->HideInplaceEdit();
    FGrid->FocusFromEditor();
    FGrid->HandKeyToGrid(Key, Shift);
    Key = 0;
    return;
  }
  if (!IsHandOverKey(Key, Shift)) {
    TGrdComboBox::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_ESCAPE) {
    const String Current = FGrid->CurrentCell();
    if (Items()->IndexOf(Current) >= 0) SetItemIndex(Items()->IndexOf(Current));
    SetText(Current);
    FGrid->CancelEditorEdit(Shift);
    Key = 0;
    return;
  }
  if ((Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) && !CommitText(false)) {
    Key = 0;
    return;
  }
  if (Key == VK_TAB && FGrid->EditorHandlesTab()) {
    if (!CommitText(true)) {
      Key = 0;
      return;
    }
    if (FGrid->Options().Contains(goTabs)) {
      FGrid->LeaveEditorByTab(Shift);
      Key = 0;
      return;
    }
    PostMessageW(FGrid->Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (ListMode()) {
    TMouseActions* Mouse = FGrid->MouseActions();
    const bool DirectClose = Mouse->DirectComboClose();
    Mouse->SetDirectComboClose(false);
    auto Restore = ScopeExit([Mouse, DirectClose] { Mouse->SetDirectComboClose(DirectClose); });
    FGrid->HideInplaceEdit();
    if (Key == VK_LEFT || Key == VK_RIGHT) FGrid->HandKeyToGrid(Key, Shift);
    if (Key == VK_PRIOR || Key == VK_NEXT || (Key >= VK_LEFT && Key <= VK_DOWN)) Key = 0;
  } else if (Key == VK_END) {
    TGrdComboBox::KeyDown(Key, Shift);
    return;
  }
  FGrid->DoneInplaceEdit(Key, Shift);
  Key = 0;
  if (Navigation->AdvanceOnEnter() && Navigation->AdvanceAutoEdit() && FGrid->HandleAllocated())
    PostMessageW(FGrid->Handle(), GridUnit().EditShowMessage, 0, 0);
  TGrdComboBox::KeyDown(Key, Shift);
}

void TGridCombo::KeyUp(Word& Key, TShiftState Shift) {
  if (Key != VK_RETURN) TGrdComboBox::KeyUp(Key, Shift);
  DoChange();
}

}  // namespace jorv::grid
