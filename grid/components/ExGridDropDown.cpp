// The grid drop-down's value, its lookup list and the keys of the closed edit.
#include "grid/components/ExGridDropDown.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

namespace {

bool StartsWith(const String& Text, const String& Prefix) {
  return !Prefix.empty() && Text.compare(0, Prefix.size(), Prefix) == 0;
}

// Leading and trailing blanks and control characters removed.
String TrimEntry(const String& S) {
  size_t First = 0, Last = S.size();
  while (First < Last && S[First] <= L' ') ++First;
  while (Last > First && S[Last - 1] <= L' ') --Last;
  return S.substr(First, Last - First);
}

}  // namespace

TCustomExGridDropDown::TCustomExGridDropDown(TComponent* AOwner)
    : TExCustomDropDown(AOwner),
      FColumns(std::make_unique<TDropDownColumns>(this)),
      FMouseActions(std::make_unique<TMouseActions>(this)),
      FSearchFooter(std::make_unique<TSearchFooter>(this, false)) {
  FItems.reset(CreateItems(this));
  FNavigation->SetHomeEndKey(heFirstLastRow);
  SetDropDownColor(0xFFFFFF);
  SetDropDownHeight(200);
  SetAutoSelect(true);
  SetSelectionColorStyle(scOffice2007);
  const TComponentState State = ComponentState();
  if (State.Contains(csDesigning) && !State.Contains(csReading) && !State.Contains(csLoading)) {
    FColumns->Clear();
    for (Integer Index = 0; Index < 3; ++Index) FColumns->Add();
  }
  if (!State.Contains(csDesigning)) CreateDropDownForm();
}

TCustomExGridDropDown::~TCustomExGridDropDown() = default;

TDropDownItems* TCustomExGridDropDown::CreateItems(TPersistent* AOwner) { return new TDropDownItems(AOwner); }

Integer TCustomExGridDropDown::GetItemCount() const {
  if (FUseItems) return FItems->Count();
  return FGrid ? FGrid->RowCount() - FGrid->FixedRows() : 0;
}

void TCustomExGridDropDown::Loaded() {
  TExCustomDropDown::Loaded();
  BuildLookupItems();
  if (FGrid) {
    FGrid->SetDropDown(this);
    FGrid->FillFromItems();
  }
}

void TCustomExGridDropDown::SetGridImages(TCustomImageList* Value) {
  if (FGridImages) FGridImages->RemoveFreeNotification(this);
  FGridImages = Value;
  if (Value) Value->FreeNotification(this);
  if (FGrid) FGrid->SetGridImages(Value);
}

void TCustomExGridDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  TExCustomDropDown::Notification(AComponent, Operation);
  if (Operation != opRemove || AComponent != FGridImages) return;
  FGridImages = nullptr;
  if (FGrid) FGrid->SetGridImages(nullptr);
}

void TCustomExGridDropDown::SetStyle(TDropDownStyle Value) {
  FStyle = Value;
  SetEditorEnabled(Value == dsDropDown);
}

// --- the value ------------------------------------------------------------------------------------

void TCustomExGridDropDown::SetItemIndex(Integer Value) {
  if (FUseItems) {
    if (Value >= FItems->Count()) return;
    FItemIndex = Value;
    SetText(Value >= 0 && FLookupColumn >= 0 ? FItems->Items(Value)->TextOf(FLookupColumn) : String());
    return;
  }
  if (!FGrid) {
    FItemIndex = Value;
    return;
  }
  if (Value == FItemIndex || Value >= FGrid->RowCount()) return;
  FItemIndex = Value;
  const Integer ARow = Value + FGrid->FixedRows();
  SetText(Value < 0 || ARow >= FGrid->RowCount() ? String() : FGrid->GetCells(FLookupColumn, ARow));
}

Integer TCustomExGridDropDown::RowToItemIndex(Integer ARow) const {
  if (!FGrid || ARow >= FGrid->RowCount() || ARow < 0) return ARow;
  return static_cast<Integer>(reinterpret_cast<intptr_t>(FGrid->GetObjects(0, ARow)));
}

Integer TCustomExGridDropDown::ItemIndexToRow(Integer AIndex) const {
  if (!FGrid || AIndex < 0) return FItemIndex;
  for (Integer ARow = FGrid->FixedRows(); ARow < FGrid->RowCount(); ++ARow)
    if (RowToItemIndex(ARow) == AIndex) return ARow;
  return FItemIndex;
}

// --- lookup ----------------------------------------------------------------------------------------

void TCustomExGridDropDown::BuildLookupItems() {
  if (FLookupColumn < 0 || FItems->Count() == 0) return;
  FLookupItems->Clear();
  for (Integer Index = 0; Index < FItems->Count(); ++Index)
    FLookupItems->Add(FItems->Items(Index)->TextOf(FLookupColumn));
}

Integer TCustomExGridDropDown::LookupListIndex(const String& S) const {
  const String Key = AnsiUpperCase(S);
  for (Integer Index = 0; Index < FLookupItems->Count(); ++Index)
    if (AnsiUpperCase(FLookupItems->Strings(Index)) == Key) return Index;
  return -1;
}

TCustomExGridDropDown::TLookupMatch TCustomExGridDropDown::FindLookupRow(const String& S) {
  TLookupMatch Match;
  const String Key = FCaseSensitive ? S : AnsiUpperCase(S);
  auto Try = [&](const String& Text, Integer Index) {
    if (!StartsWith(FCaseSensitive ? Text : AnsiUpperCase(Text), Key)) return false;
    Match = TLookupMatch{true, Text, Index};
    return true;
  };
  if (FUseItems) {
    for (Integer Index = 0; Index < FItems->Count(); ++Index)
      if (Try(FItems->Items(Index)->TextOf(FLookupColumn), Index)) break;
  } else if (FGrid) {
    for (Integer ARow = FGrid->FixedRows(); ARow < FGrid->RowCount(); ++ARow)
      if (Try(FLookupColumn >= 0 ? FGrid->GetCells(FLookupColumn, ARow) : String(), ARow)) break;
  }
  return Match;
}

void TCustomExGridDropDown::SelectFromEdit(Integer Start) {
  const Integer Length = static_cast<Integer>(Text().size());
  Start = Min(Start, Length);
  SetSelStart(Start);
  SetSelLength(Length - Start);
}

Integer TCustomExGridDropDown::LookupKey(Char Ch) {
  if (FLookupMethod == lmNone) return -1;
  if (Ch != VK_BACK && Ch != VK_TAB) FLookupEntry += Ch;
  if (Ch == VK_BACK) {
    LookupBackspace(FLookupEntry);
    return -1;
  }
  const String Entry = TrimEntry(FLookupEntry);
  const Integer EntryLength = static_cast<Integer>(FLookupEntry.size());
  if (FLookupMethod == lmNarrowDown) {
    if (!FGrid) return -1;
    if (!Entry.empty()) {
      FGrid->SetFixedRowAlways(true);
      FGrid->NarrowDown(Entry, FLookupColumn);
      if (FStyle == dsDropDown && FGrid->RowCount() > FGrid->FixedRows()) {
        SetText(FGrid->GetCells(FLookupColumn, FGrid->FixedRows()));
        SelectFromEdit(EntryLength);
      }
    } else {
      FGrid->RemoveAllFilters();
    }
    return FGrid->FixedRows();
  }
  TLookupMatch Match = FindLookupRow(Entry);
  if (Match.Found) {
    // The match counts as the item (with items) or the row (grid mode)
    // itself; opening the pop-up or choosing a row brings both in line.
    FItemIndex = Match.Index;
    FSelRow = Match.Index;
    SetText(Match.Text);
    if (FStyle == dsDropDown) SelectFromEdit(EntryLength);
    return Match.Index;
  }
  if (FStyle == dsDropDown) return -1;
  Match = FindLookupRow(String(1, Ch));
  if (!Match.Found) {
    FLookupEntry.clear();
    return -1;
  }
  FItemIndex = Match.Index;
  SetText(Match.Text);
  FLookupEntry = String(1, Ch);
  return Match.Index;
}

// The closed edit completes what was typed from the lookup list.
void TCustomExGridDropDown::Change() {
  FItemChange = false;
  TExCustomDropDown::Change();
  if (ComponentState().Contains(csDesigning) || !FWorkMode || FInChange || !HandleAllocated()) return;
  FInChange = true;
  SetModifiedState(!Text().empty());
  const String Whole = Text();
  const String Typed = Whole.substr(0, size_t(Max(0, Min(SelStart(), static_cast<Integer>(Whole.size())))));
  const String Key = FMatchCase ? Typed : AnsiUpperCase(Typed);
  Integer Found = -1;
  for (Integer Index = 0; Index < FLookupItems->Count() && Found < 0; ++Index) {
    const String Entry = FLookupItems->Strings(Index);
    if (StartsWith(FMatchCase ? Entry : AnsiUpperCase(Entry), Key)) Found = Index;
  }
  if (Found >= 0) {
    const Integer Previous = FItemIndex;
    SetText(Typed + FLookupItems->Strings(Found).substr(Key.size(), 255));
    FItemIndex = Found;
    FItemIdx = Found;
    FItemSel = static_cast<Integer>(Key.size());
    FItemChange = true;
    SendMessageW(Handle(), EM_SETSEL, WPARAM(Text().size()), LPARAM(Key.size()));
    if (Found != Previous && OnChange) OnChange(this);
  } else if (!Typed.empty()) {
    SetText(Typed);
    SelectFromEdit(static_cast<Integer>(Typed.size()));
  }
  FInChange = false;
}

// --- keys of the closed edit ----------------------------------------------------------------------

bool TCustomExGridDropDown::GridEditing() const {
  return FGrid && FGrid->Options().Contains(goEditing) && FGrid->EditMode();
}

void TCustomExGridDropDown::KeyDown(Word& Key, TShiftState Shift) {
  if (GridEditing() && Key == VK_RETURN && !Shift.Contains(ssShift)) {
    FGrid->HideInplaceEdit();
    SetText(FGrid->GetCells(FLookupColumn, FGrid->Row()));
    SetItemIndex(FGrid->Row() - FGrid->FixedRows());
    Key = 0;
    return;
  }
  if (FLookupColumn < 0 || FItems->Count() == 0) {
    TExCustomDropDown::KeyDown(Key, Shift);
    return;
  }
  const Word Pressed = Key;
  if (Key == VK_BACK || Key == VK_ESCAPE || Key == VK_DELETE) {
    FWorkMode = false;
  } else if (Key == VK_RETURN) {
    const Integer Index = LookupListIndex(Text());
    if (Index >= 0) {
      SetText(FLookupItems->Strings(Index));
      SetItemIndex(Index);
      Change();
    }
  } else {
    FWorkMode = true;
  }
  if (Key == VK_ESCAPE || (Key >= VK_PRIOR && Key <= VK_DOWN)) FLookupEntry.clear();
  TExCustomDropDown::KeyDown(Key, Shift);
  if (Pressed == VK_ESCAPE) SetItemIndex(LookupListIndex(Text()));
}

void TCustomExGridDropDown::KeyUp(Word& Key, TShiftState Shift) {
  TExCustomDropDown::KeyUp(Key, Shift);
  if (GridEditing() && Key == VK_RETURN && !Shift.Contains(ssShift)) {
    if (FGrid->Col() == FLookupColumn)
      HideDropDown(false);
    else
      FGrid->HideInplaceEdit();
  }
  if (!FItemChange) return;
  SetItemIndex(FItemIdx);
  SelectFromEdit(FItemSel);
  FItemChange = false;
}

void TCustomExGridDropDown::DoEnter() {
  TExCustomDropDown::DoEnter();
  if (FGrid && !FGrid->FilterActive() && FLookupMethod == lmNarrowDown) FGrid->RemoveAllFilters();
  FLookupEntry.clear();
}

void TCustomExGridDropDown::HandleGridKeyDown(TWMKey& Message) {
  if (Message.CharCode == VK_RETURN && FGrid) FGrid->SetConfirmSelection(true);
  TExCustomDropDown::Dispatch(MsgBase(Message));
  if (!Enabled() || GetKeyState(VK_MENU) < 0) return;
  const bool Shift = GetKeyState(VK_SHIFT) < 0;
  switch (Message.CharCode) {
    case VK_PRIOR: FLookupEntry.clear(); SelectPreviousPage(); break;
    case VK_NEXT: FLookupEntry.clear(); SelectNextPage(); break;
    case VK_END:
      FLookupEntry.clear();
      if (!Shift && FStyle == dsDropDownList) SelectLastItem();
      break;
    case VK_HOME:
      FLookupEntry.clear();
      if (!Shift && FStyle == dsDropDownList) SelectFirstItem();
      break;
    case VK_UP: FLookupEntry.clear(); SelectPreviousItem(); break;
    case VK_DOWN: FLookupEntry.clear(); SelectNextItem(); break;
    default: break;
  }
}

void TCustomExGridDropDown::HandleGridChar(TWMKey& Message) {
  const Char Ch = static_cast<Char>(Message.CharCode);
  TExCustomDropDown::Dispatch(MsgBase(Message));
  LookupKey(Ch);
  if (FAutoShowDropDown) ShowDropDown();
}

void TCustomExGridDropDown::Dispatch(TMessage& Message) {
  if (!ComponentState().Contains(csDesigning)) {
    if (Message.Msg == WM_KEYDOWN) return HandleGridKeyDown(MsgAs<TWMKey>(Message));
    if (Message.Msg == WM_CHAR) return HandleGridChar(MsgAs<TWMKey>(Message));
  }
  TExCustomDropDown::Dispatch(Message);
}

// --- stepping through the rows ----------------------------------------------------------------------

void TCustomExGridDropDown::StepTo(Integer Index, Integer ARow) {
  SetItemIndex(Index);
  if (!FGrid) return;
  if (ARow >= FGrid->FixedRows() && ARow < FGrid->RowCount()) FGrid->SetRow(ARow);
  FSelRow = FGrid->Row();
}

void TCustomExGridDropDown::StepBy(Integer Delta, Integer Page) {
  const Integer Count = GetItemCount();
  if (Count <= 0) return;
  const Integer First = FGrid ? FGrid->FixedRows() : 1;
  const Integer Row = FGrid ? FGrid->Row() : First;
  if (FItemIndex < 0) return StepTo(0, First);
  const Integer Step = Delta * Page;
  const Integer Target = FItemIndex + Step;
  if (Target >= 0 && Target < Count) return StepTo(Target, Row + Step);
  if (Page == 1) return;
  if (Delta > 0)
    StepTo(Count - 1, FGrid ? FGrid->RowCount() - 1 : First);
  else
    StepTo(0, First);
}

void TCustomExGridDropDown::SelectFirstItem() {
  if (GetItemCount() > 0) StepTo(0, FGrid ? FGrid->FixedRows() : 1);
}

void TCustomExGridDropDown::SelectLastItem() {
  if (GetItemCount() > 0) StepTo(GetItemCount() - 1, FGrid ? FGrid->RowCount() - 1 : 1);
}

void TCustomExGridDropDown::SelectNextItem() { StepBy(1, 1); }
void TCustomExGridDropDown::SelectPreviousItem() { StepBy(-1, 1); }
void TCustomExGridDropDown::SelectNextPage() { StepBy(1, 10); }
void TCustomExGridDropDown::SelectPreviousPage() { StepBy(-1, 10); }

}  // namespace jorv::grid
