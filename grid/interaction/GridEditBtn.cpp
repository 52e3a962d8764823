// The grid's edits with a button.
#include "grid/interaction/GridEditBtn.h"
#include "grid/core/GridUnit.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/EditorOwner.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Clipboard.h"

namespace jorv::grid {

namespace {

bool IsControlChar(Char Key) { return Key == VK_BACK || Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE; }

bool HasMinus(const String& Text) { return Text.find(L'-') != String::npos; }

// The numeric filter, or the float filter when Numeric is false.
bool FilterAccepts(bool Numeric, Char Key, TCustomEdit* Edit) {
  bool Beep = false;
  const bool Accepted =
      Numeric ? NumericEditAccepts(Key, Edit->Text(), Edit->SelStart(), Beep)
              : FloatEditAccepts(Key, Edit->Text(), Edit->SelText(), Edit->SelStart(), GetKeyState(VK_CONTROL) < 0,
                                 Beep);
  if (Beep) MessageBeep(0);
  return Accepted;
}

bool IsEndingKey(Word Key) {
  return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
         Key == VK_UP || Key == VK_DOWN;
}

}  // namespace

bool NumericEditAccepts(Char Key, const String& Text, Integer SelStart, bool& Beep) {
  Beep = false;
  if (IsControlChar(Key) || (Key >= L'0' && Key <= L'9')) return true;
  if (Key == L'-' && !HasMinus(Text) && SelStart == 0) return true;
  Beep = true;
  return false;
}

bool FloatEditAccepts(Char Key, const String& Text, const String& Selected, Integer SelStart, bool CtrlHeld,
                      bool& Beep) {
  Beep = false;
  const Char Decimal = GridDecimalSeparator(), Thousand = GridThousandSeparator();
  const bool Candidate =
      IsControlChar(Key) || Key == L',' || Key == L'-' || Key == L'.' || (Key >= L'0' && Key <= L'9');
  if (!Candidate) return CtrlHeld;
  if (Key == Thousand) return false;
  if (Key == Decimal) return Text.find(Decimal) == String::npos || Selected.find(Decimal) != String::npos;
  if (Key == L'-') {
    if ((SelStart == 0 && !HasMinus(Text)) || HasMinus(Selected)) return true;
    Beep = true;
    return false;
  }
  return true;
}

// --- TGridEditBtn -----------------------------------------------------------------------------------

TGridEditBtn::TGridEditBtn(TComponent* AOwner) : TGrdEditBtn(AOwner), FGrid(EditorGrid(AOwner)) {
  OnClickBtn = [this](TObject* Sender) { EditButtonClick(Sender); };
}

void TGridEditBtn::EditButtonClick(TObject*) {
  SetText(FGrid->EllipsClickText(Text()));
  SelectAll();
  Invalidate();
  if (!FStopEditAfterClick) return;
  FGrid->HideInplaceEdit();
  FGrid->FocusFromEditor();
}

void TGridEditBtn::LookupComplete() {
  if (!WorkMode || !HandleAllocated() || SelLength() != 0) return;
  TStrings* Items = FGrid->LookupItems();
  if (!FGrid->Lookup() || !Items || Items->Count() == 0) return;
  const String Typed = Text().substr(0, static_cast<size_t>(std::max(SelStart(), 0)));
  if (Typed.empty()) return;
  const bool CaseSensitive = FGrid->LookupCaseSensitive();
  const String Key = CaseSensitive ? Typed : AnsiUpperCase(Typed);
  for (Integer i = 0; i < Items->Count(); ++i) {
    const String Item = Items->Strings(i);
    if ((CaseSensitive ? Item : AnsiUpperCase(Item)).compare(0, Key.size(), Key) != 0) continue;
    SetText(Typed + Item.substr(Typed.size(), 255));
    SendMessageW(Handle(), EM_SETSEL, Typed.size(), Text().size());
    return;
  }
}

void TGridEditBtn::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PASTE:
      HandlePasteMessage();
      return;
    case WM_LBUTTONDBLCLK:
      TGrdEditBtn::Dispatch(Message);
      if (FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
      return;
    case CM_WANTSPECIALKEY: {
      TGrdEditBtn::Dispatch(Message);
      const Word Key = MsgAs<TCMWantSpecialKey>(Message).CharCode;
      if (Key == VK_RETURN || Key == VK_ESCAPE || (Key == VK_TAB && FGrid->EditorHandlesTab())) Message.Result = 1;
      return;
    }
    default: TGrdEditBtn::Dispatch(Message);
  }
}

// A single line copied with its line end pastes without it.
void TGridEditBtn::HandlePasteMessage() {
  bool Allow = false;
  String Value;
  if (Clipboard()->HasFormat(CF_TEXT) || Clipboard()->HasFormat(CF_UNICODETEXT)) {
    Allow = true;
    Value = Clipboard()->AsText();
  }
  if (FGrid->OnClipboardPaste) FGrid->OnClipboardPaste(this, Allow);
  if (Allow && FGrid->OnClipboardBeforePasteCell)
    FGrid->OnClipboardBeforePasteCell(this, FGrid->Col(), FGrid->Row(), Value, Allow);
  if (!Allow) return;
  const size_t LineEnd = Value.find(L"\r\n");
  if (LineEnd != String::npos && LineEnd + 2 == Value.size()) Value.resize(LineEnd);
  const String Old = Text();
  const size_t Start = static_cast<size_t>(std::max(SelStart(), 0));
  const size_t Length = static_cast<size_t>(std::max(SelLength(), 0));
  const String Result = Old.substr(0, Start) + Value + Old.substr(std::min(Start + Length, Old.size()));
  SetText(Result);
  FGrid->SetCurrentCellEditText(Result);
  SetSelStart(static_cast<Integer>(Length > 0 ? Start : Start + Value.size()));
  SetSelLength(static_cast<Integer>(Length > 0 ? Value.size() : 0));
}

void TGridEditBtn::WMChar(TWMKey& Message) {
  const Char Key = static_cast<Char>(Message.CharCode);
  if (Key == VK_RETURN || Key == VK_TAB) {
    Message.Result = 1;
    return;
  }
  const TEditorType Kind = FGrid->EditControl();
  if (Kind == edEditBtn || Kind == edMaskEditBtn ||
      ((Kind == edNumericEditBtn || Kind == edFloatEditBtn) && FilterAccepts(Kind == edNumericEditBtn, Key, this)))
    TGrdEditBtn::WMChar(Message);
}

void TGridEditBtn::KeyPress(Char& Key) {
  if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
  if (Key == VK_TAB) {
    Key = 0;
    return;
  }
  TGrdEditBtn::KeyPress(Key);
}

void TGridEditBtn::KeyDown(Word& Key, TShiftState Shift) {
  if (!IsEndingKey(Key) && FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
  WorkMode = Key != VK_BACK && Key != VK_DELETE;
  FSelKeyDown = SelStart();
  if (Shift.Contains(ssCtrl) || !IsEndingKey(Key)) {
    TGrdEditBtn::KeyDown(Key, Shift);
    return;
  }
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
  if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
    const bool Accepted = FGrid->CommitEditorText(Text());
    SetText(FGrid->NewCellText());
    if (!Accepted) {
      SelectAll();
      Invalidate();
      Key = 0;
      return;
    }
  }
  if (Key == VK_TAB && FGrid->EditorHandlesTab()) {
    if (!FGrid->CommitEditorText(Text())) {
      SetText(FGrid->NewCellText());
      SetSelStart(static_cast<Integer>(Text().size()));
      Invalidate();
      Key = 0;
      return;
    }
    SetText(FGrid->NewCellText());
    if (FGrid->Options().Contains(goTabs)) {
      FGrid->LeaveEditorByTab(Shift);
      Key = 0;
      return;
    }
    PostMessageW(FGrid->Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (Key == VK_ESCAPE) {
    SetText(FGrid->CellCache());
    FGrid->CancelEditorEdit(Shift);
  } else {
    FGrid->DoneInplaceEdit(Key, Shift);
  }
  Key = 0;
  if (FGrid->Navigation()->AdvanceOnEnter() && FGrid->Navigation()->AdvanceAutoEdit()) FGrid->ShowInplaceEdit();
}

void TGridEditBtn::KeyUp(Word& Key, TShiftState Shift) {
  if (FGrid->OnKeyUp) FGrid->OnKeyUp(FGrid, Key, Shift);
  if (Key != VK_RETURN) TGrdEditBtn::KeyUp(Key, Shift);
  LookupComplete();
}

void TGridEditBtn::CMEnter(TMessage& Message) {
  TGrdEditBtn::CMEnter(Message);
  if (FGrid->Navigation()->EditSelectAll() || !HandleAllocated()) return;
  SetSelStart(static_cast<Integer>(Text().size()));
  SetSelLength(0);
}

void TGridEditBtn::CMExit(TMessage& Message) {
  FGrid->EditorLostFocus();
  TGrdEditBtn::CMExit(Message);
}

void TGridEditBtn::Change() {
  TGrdEditBtn::Change();
  FGrid->NotifyEditorChange(FGrid->Col(), Text(), false);
}

// --- TGridUnitEditBtn -------------------------------------------------------------------------------

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner) : TGrdUnitEditBtn(AOwner), FGrid(EditorGrid(AOwner)) {
  OnClickBtn = [this](TObject* Sender) { EditButtonClick(Sender); };
}

void TGridUnitEditBtn::EditButtonClick(TObject*) {
  SetText(FGrid->EllipsClickText(Text()));
  SelectAll();
  Invalidate();
}

void TGridUnitEditBtn::Dispatch(TMessage& Message) {
  TGrdUnitEditBtn::Dispatch(Message);
  if (Message.Msg != CM_WANTSPECIALKEY) return;
  const Word Key = MsgAs<TCMWantSpecialKey>(Message).CharCode;
  if (Key == VK_RETURN || Key == VK_ESCAPE || (Key == VK_TAB && FGrid->Options().Contains(goTabs)))
    Message.Result = 1;
}

void TGridUnitEditBtn::WMChar(TWMKey& Message) {
  const Char Key = static_cast<Char>(Message.CharCode);
  if (Key == VK_RETURN) {
    Message.Result = 0;
    return;
  }
  const TEditorType Kind = FGrid->EditControl();
  if (Kind == edUnitEditBtn || ((Kind == edNumericUnitEditBtn || Kind == edFloatUnitEditBtn) &&
                                FilterAccepts(Kind == edNumericUnitEditBtn, Key, this)))
    TGrdUnitEditBtn::WMChar(Message);
}

void TGridUnitEditBtn::KeyDown(Word& Key, TShiftState Shift) {
  if (!IsEndingKey(Key)) {
    TGrdUnitEditBtn::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
    if (!FGrid->CommitEditorText(TextAndUnit())) {
      SetText(FGrid->CurrentCell());
      return;
    }
    SetTextAndUnit(FGrid->CurrentCell());
  }
  TNavigation* Navigation = FGrid->Navigation();
  if (Key == VK_RETURN && Navigation->AdvanceOnEnter()) {
    FGrid->HideInplaceEdit();
    FGrid->FocusFromEditor();
    Key = 0;
    FGrid->AdvanceAfterEditor();
    return;
  }
  if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
    FGrid->LeaveEditorByTab(Shift);
    Key = 0;
    return;
  }
  if (Key == VK_ESCAPE) {
    SetUnitID(String());
    SetText(FGrid->CurrentCell());
    FGrid->CancelEditorEdit(Shift);
  } else {
    FGrid->DoneInplaceEdit(Key, Shift);
  }
  Key = 0;
}

void TGridUnitEditBtn::CMExit(TMessage& Message) {
  FGrid->EditorLostFocus();
  TGrdUnitEditBtn::CMExit(Message);
}

}  // namespace jorv::grid
