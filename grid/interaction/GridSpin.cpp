// The grid's spin editor. Up and Down end its edit (the grid moves on);
// the spin buttons and the page keys step the value.
#include "grid/interaction/GridSpin.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/EditorOwner.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

namespace {

// The leading integer of a text, as the runtime's number conversion reads
// it before the first character that is no part of a number.
Integer LeadingInteger(const String& Text) {
  const String S = Trim(Text);
  size_t End = 0;
  if (End < S.size() && (S[End] == L'-' || S[End] == L'+')) ++End;
  while (End < S.size() && S[End] >= L'0' && S[End] <= L'9') ++End;
  Integer Result = 0;
  return TryStrToInt(S.substr(0, End), Result) ? Result : 0;
}

}  // namespace

TGridSpin::TGridSpin(TComponent* AOwner) : TGrdSpinEdit(AOwner), FGrid(EditorGrid(AOwner)) {
  SetMaxValue(100);
  SetMinValue(0);
  SetIncrement(1);
}

void TGridSpin::SpinUpClick(TObject* Sender) {
  TGrdSpinEdit::SpinUpClick(Sender);
  NotifySpinClick(true);
}

void TGridSpin::SpinDownClick(TObject* Sender) {
  TGrdSpinEdit::SpinDownClick(Sender);
  NotifySpinClick(false);
}

void TGridSpin::NotifySpinClick(bool UpDown) {
  const Integer C = FGrid->Col(), R = FGrid->Row();
  switch (SpinType()) {
    case sptNormal:
      if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, C, R, Value(), UpDown);
      break;
    case sptFloat:
      if (FGrid->OnFloatSpinClick) FGrid->OnFloatSpinClick(FGrid, C, R, FloatValue(), UpDown);
      break;
    case sptDate:
      if (FGrid->OnDateSpinClick) FGrid->OnDateSpinClick(FGrid, C, R, DateValue(), UpDown);
      break;
    case sptTime:
      if (FGrid->OnTimeSpinClick) FGrid->OnTimeSpinClick(FGrid, C, R, TimeValue(), UpDown);
      break;
  }
}

void TGridSpin::ClampValue() {
  if (SpinType() == sptNormal && MinValue() != MaxValue()) {
    const Integer V = Value();
    if (V < MinValue()) SetValue(MinValue());
    if (V > MaxValue()) SetValue(MaxValue());
  } else if (SpinType() == sptFloat && MinFloatValue() != MaxFloatValue()) {
    const double V = FloatValue();
    if (!(V >= MinFloatValue())) SetFloatValue(MinFloatValue());
    if (V > MaxFloatValue()) SetFloatValue(MaxFloatValue());
  }
}

void TGridSpin::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY) {
    TGrdSpinEdit::Dispatch(Message);
    const Word Key = MsgAs<TCMWantSpecialKey>(Message).CharCode;
    if (Key == VK_RETURN || Key == VK_ESCAPE || (Key == VK_TAB && FGrid->Options().Contains(goTabs)))
      Message.Result = 1;
    return;
  }
  TGrdSpinEdit::Dispatch(Message);
}

// The base steps on the arrow and page keys before its key events; here
// the keys reach KeyDown first.
void TGridSpin::WMKeyDown(TWMKey& Message) { TCustomMaskEdit::WMKeyDown(Message); }

void TGridSpin::WMChar(TWMKey& Message) {
  if (Message.CharCode == VK_TAB || Message.CharCode == VK_RETURN) {
    Message.Result = 0;
    return;
  }
  TGrdSpinEdit::WMChar(Message);
}

void TGridSpin::KeyPress(Char& Key) {
  if (Key == VK_ESCAPE || Key == VK_RETURN) {
    Key = 0;
    return;
  }
  TGrdSpinEdit::KeyPress(Key);
}

bool TGridSpin::PageStep(Word Key) {
  const bool Float = SpinType() == sptFloat, Normal = SpinType() == sptNormal;
  switch (Key) {
    case VK_PRIOR:
      if (Normal && Value() + Increment() <= MaxValue()) SetValue(Value() + Increment());
      if (Float && FloatValue() + IncrementFloat() <= MaxFloatValue()) SetFloatValue(FloatValue() + IncrementFloat());
      break;
    case VK_NEXT:
      if (Normal && Value() - Increment() >= MinValue()) SetValue(Value() - Increment());
      if (Float && FloatValue() - IncrementFloat() >= MinFloatValue()) SetFloatValue(FloatValue() - IncrementFloat());
      break;
    case VK_END:
      if (Normal) SetValue(MinValue());
      if (Float) SetFloatValue(MinFloatValue());
      break;
    case VK_HOME:
      if (Normal) SetValue(MaxValue());
      if (Float) SetFloatValue(MaxFloatValue());
      break;
    default: return false;
  }
  if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), Key == VK_PRIOR || Key == VK_HOME);
  return true;
}

void TGridSpin::KeyDown(Word& Key, TShiftState Shift) {
  if (PageStep(Key) || (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_UP && Key != VK_DOWN)) {
    TGrdSpinEdit::KeyDown(Key, Shift);
    return;
  }
  HandOver(Key, Shift);
}

void TGridSpin::HandOver(Word& Key, TShiftState Shift) {
  if (Key == VK_ESCAPE) {
    SetText(FGrid->CellCache());
    if (SpinType() == sptNormal) SetValue(LeadingInteger(FGrid->CellCache()));
    if (SpinType() == sptFloat) SetFloatValue(StrToFloatDef(Trim(FGrid->CellCache()), 0));
    FGrid->CancelEditorEdit(Shift);
  } else {
    ClampValue();
    const bool Accepted = FGrid->CommitEditorText(Text());
    SetText(FGrid->CurrentCell());
    if (!Accepted) {
      SetSelStart(static_cast<Integer>(Text().size()));
      SetSelLength(0);
      Key = 0;
      Invalidate();
      return;
    }
    if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
      FGrid->LeaveEditorByTab(Shift);
      Key = 0;
      return;
    }
    FGrid->DoneInplaceEdit(Key, Shift);
  }
  if (FGrid->Navigation()->AdvanceOnEnter() && FGrid->Navigation()->AdvanceAutoEdit()) FGrid->ShowInplaceEdit();
  Key = 0;
  TGrdSpinEdit::KeyDown(Key, Shift);
}

void TGridSpin::CMExit(TMessage& Message) {
  ClampValue();
  FGrid->EditorLostFocus();
  TGrdSpinEdit::CMExit(Message);
}

void TGridSpin::Change() {
  TGrdSpinEdit::Change();
  FGrid->NotifyEditorChange(FGrid->Col(), Text(), false);
}

}  // namespace jorv::grid
