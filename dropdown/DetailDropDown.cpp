#include "dropdown/DetailDropDown.h"
#include "dropdown/DropDownPaint.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::dropdown {

namespace {

bool AltHeld() { return GetKeyState(VK_MENU) < 0; }
bool CtrlHeld() { return GetKeyState(VK_CONTROL) < 0; }

bool IsListKey(Word Key) {
  return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT ||
         Key == VK_DOWN;
}

}  // namespace

// --- items --------------------------------------------------------------------------------------

TDetailItem::TDetailItem(TCollection* Collection)
    : TCollectionItem(Collection), FImage(std::make_unique<TPicture>()) {}

TDetailItem::~TDetailItem() = default;

void TDetailItem::ItemChanged() {
  if (auto* Owner = dynamic_cast<TDetailItems*>(Collection())) Owner->DoChange();
}

void TDetailItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  ItemChanged();
}

void TDetailItem::SetImageIndex(Integer Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  ItemChanged();
}

void TDetailItem::Assign(TPersistent* Source) {
  auto* Item = dynamic_cast<TDetailItem*>(Source);
  if (!Item) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(Item->Caption());
  SetImageIndex(Item->ImageIndex());
  FImage->Assign(Item->Image());
  FEnabled = Item->Enabled();
  FNotes = Item->Notes();
  FTag = Item->Tag();
  FItemObject = Item->ItemObject();
}

Integer TDetailItems::IndexOf(const String& Value) const {
  for (Integer Index = 0; Index < Count(); ++Index)
    if (Items(Index)->Caption() == Value) return Index;
  return -1;
}

// --- construction ---------------------------------------------------------------------------------

TExDetailDropDown::TExDetailDropDown(TComponent* AOwner)
    : TExCustomDropDown(AOwner),
      FItems(std::make_unique<TDetailItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this)),
      FCaptionFont(std::make_unique<TFont>()),
      FNotesFont(std::make_unique<TFont>()) {
  FItems->OnChange = [](TObject*) {};
  SetEditorEnabled(true);
  SetDropDownEnabled(true);
  FCaptionFont->Assign(Font());
  FNotesFont->Assign(Font());
  if (!ComponentState().Contains(csDesigning)) CreateDropDownForm();
}

TExDetailDropDown::~TExDetailDropDown() = default;

void TExDetailDropDown::CreateDropDownForm() {
  TExCustomDropDown::CreateDropDownForm();
  if (!FDropDownForm) return;
  if (!FItemSelector) {
    FItemSelector = new TExCustomItemSelector(this);
    FItemSelector->SetParent(FDropDownForm);
    FItemSelector->SetSelectorType(stImage);
    FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
    FItemSelector->SetDoubleBuffered(true);
    FItemSelector->OnDrawItem = [this](TObject* Sender, TCanvas* Canvas, TRect R, Integer Index) {
      DrawDetailItem(Sender, Canvas, R, Index);
    };
    FItemSelector->OnItemSize = [this](TObject* Sender, TSize& Size) { GetDetailItemSize(Sender, Size); };
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->OnResize = [this](TObject*) { FItemSelector->UpdateSelectorPanel(); };
  }
  FItemSelector->SetColor(DropDownColor());
  FItemSelector->UpdateSelectorPanel();
  SetControl(FItemSelector);
}

// --- selection ------------------------------------------------------------------------------------------

void TExDetailDropDown::SetItemIndex(Integer Value) {
  if (Value == FItemIndex) return;
  if (Value >= 0 && Value < FItems->Count()) {
    FItemIndex = Value;
    SetText(FItems->Items(Value)->Caption());
    if (HandleAllocated()) {
      SetSelStart(0);
      SetSelLength(static_cast<Integer>(Text().size()));
    }
    Invalidate();
    if (FItemSelector) FItemSelector->Invalidate();
    if (OnSelect) OnSelect(this);
  } else if (Value == -1) {
    SetText(String());
    FItemIndex = -1;
  }
}

void TExDetailDropDown::SelectFirst() {
  if (FItems->Count() > 0) SetItemIndex(0);
}

void TExDetailDropDown::SelectLast() {
  if (FItems->Count() > 0) SetItemIndex(FItems->Count() - 1);
}

void TExDetailDropDown::SelectNext() {
  if (const Integer Target = StepTarget(FItemIndex, FItems->Count(), true); Target >= 0) SetItemIndex(Target);
}

void TExDetailDropDown::SelectPrevious() {
  if (const Integer Target = StepTarget(FItemIndex, FItems->Count(), false); Target >= 0) SetItemIndex(Target);
}

// --- the pop-up -------------------------------------------------------------------------------------------

void TExDetailDropDown::FillSelectorItems() {
  TSelectorItems* Target = FItemSelector->Items();
  Target->Clear();
  for (Integer Index = 0; Index < FItems->Count(); ++Index) {
    TDetailItem* From = FItems->Items(Index);
    TSelectorItem* Item = Target->Add();
    Item->SetCaption(From->Caption());
    Item->SetImage(From->Image());
    Item->SetImageIndex(From->ImageIndex());
  }
}

void TExDetailDropDown::PrepareSelector() {
  if (!FItemSelector) return;
  FItemSelector->OnItemSelect = nullptr;
  FItemSelector->SetColumns(1);
  FItemSelector->SetImages(Images());
  FItemSelector->SetItemLayout(FLayout);
  FItemSelector->SetColor(DropDownColor());
  FItemSelector->SetItemAppearance(FItemAppearance.get());
  FillSelectorItems();
  FItemSelector->UpdateSelectorPanel();
  FItemSelector->SetItemIndex(FItemIndex);
  FItemSelector->OnItemSelect = [this](TObject* Sender) { SelectorItemSelect(Sender); };
}

void TExDetailDropDown::DoBeforeDropDown() {
  TExCustomDropDown::DoBeforeDropDown();
  PrepareSelector();
  FOldItemIndex = FItemIndex;
}

void TExDetailDropDown::DoShowDropDown() {
  TExCustomDropDown::DoShowDropDown();
  if (FDroppedDown && FItemSelector && FItemSelector->CanFocus()) FItemSelector->SetFocus();
}

void TExDetailDropDown::SizeDropDownForm() {
  if (FItemSelector) {
    FItemSelector->SetAlign(alNone);
    if (DropDownWidth() <= 0) FItemSelector->SetWidth(Width());
    if (DropDownHeight() <= 0) FItemSelector->SetHeight(100);
    FControlSize = TSize{FItemSelector->Width(), FItemSelector->Height()};
  }
  TExCustomDropDown::SizeDropDownForm();
}

void TExDetailDropDown::DropDownFormSizing() {
  TExCustomDropDown::DropDownFormSizing();
  if (FItemSelector) FItemSelector->UpdateSelectorPanel();
}

void TExDetailDropDown::DoHideDropDown(bool Cancel) {
  TExCustomDropDown::DoHideDropDown(Cancel);
  if (Cancel && FItemSelector && FOldItemIndex != -1) SetItemIndex(FOldItemIndex);
}

void TExDetailDropDown::SelectorItemSelect(TObject*) {
  const Integer Index = FItemSelector->ItemIndex();
  SetItemIndex(Index);
  if (Index >= 0 && Index < FItems->Count()) {
    SetText(FItems->Items(Index)->Caption());
    if (HandleAllocated()) SelectAll();
  }
  if (!FInternalCall) DoHideDropDown(false);
}

// --- looks and drawing -------------------------------------------------------------------------------------

void TExDetailDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  TExCustomDropDown::SetSelectionColorStyle(Value);
  if (FItemSelector) FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

void STDMETHODCALLTYPE TExDetailDropDown::SetComponentStyle(TZVQStyle AStyle) {
  TExCustomDropDown::SetComponentStyle(AStyle);
  ApplyItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TExDetailDropDown::GetDetailItemSize(TObject*, TSize& Size) {
  const Integer W = DropDownWidth() > 0 ? DropDownWidth() : (FDropDownForm ? FDropDownForm->Width() : Width());
  Integer Room = W - 2 * GetSystemMetrics(SM_CXBORDER) - 4;
  if (FItemSelector && FItemSelector->VertScrollBar()->IsScrollBarVisible()) Room -= GetSystemMetrics(SM_CXVSCROLL);
  Size = TSize{Room, FItemHeight};
}

void TExDetailDropDown::DrawDetailItem(TObject*, TCanvas* Canvas, TRect R, Integer Index) {
  if (OnDrawSelectedImage) {
    OnDrawSelectedImage(this, Canvas, R);
    return;
  }
  if (Index < 0 || Index >= FItems->Count()) return;
  TDetailItem* Item = FItems->Items(Index);
  const bool HasCaption = !Item->Caption().empty();
  TGraphic* Graphic = Item->Image()->Graphic();
  if (Graphic && !Graphic->Empty()) {
    if (auto* Bitmap = dynamic_cast<TBitmap*>(Graphic)) {
      Bitmap->SetTransparentMode(tmAuto);
      Bitmap->SetTransparent(true);
    }
    const Integer X = HasCaption ? R.Left + 2 : R.Left + (R.Width() - Graphic->Width()) / 2;
    Canvas->Draw(X, R.Top + (R.Height() - Graphic->Height()) / 2, Graphic);
    R.Left += Graphic->Width() + 4;
  } else if (Images() && Item->ImageIndex() >= 0) {
    const Integer X = HasCaption ? R.Left + 2 : R.Left + (R.Width() - Images()->Width()) / 2;
    Images()->Draw(Canvas, X, R.Top + (R.Height() - Images()->Height()) / 2, Item->ImageIndex(), true);
    R.Left += Images()->Width() + 4;
  }
  const bool Selected = Index == FItemIndex;
  const bool Hot = FItemSelector && Index == FItemSelector->ItemHot();
  auto Colour = [&](TFont* Font) {
    Canvas->Font()->Assign(Font);
    if (Selected)
      Canvas->Font()->SetColor(FItemAppearance->ColorSelectedText);
    else if (Hot)
      Canvas->Font()->SetColor(FItemAppearance->ColorHotText);
  };
  Colour(FCaptionFont.get());
  Canvas->Brush()->SetStyle(bsClear);
  R.Left += 4;
  R.Top += 2;
  R.Right -= 4;
  RECT Area{R.Left, R.Top, R.Right, R.Bottom};
  DrawTextW(Canvas->Handle(), Item->Caption().c_str(), static_cast<int>(Item->Caption().size()), &Area,
            DT_END_ELLIPSIS);
  if (Item->Notes().empty()) return;
  R.Top += Canvas->TextHeight(L"gh");
  Colour(FNotesFont.get());
  TSize Drawn;
  DrawHTMLCaption(Canvas, Item->Notes(), R, Images(), true, nullptr, Drawn);
}

// --- completion while typing --------------------------------------------------------------------------------

String TExDetailDropDown::AdjustCase(const String& S) const { return FMatchCase ? S : AnsiUpperCase(S); }

// The first caption that starts with the text before the caret completes
// it, the completed tail selected; an empty typed part completes nothing.
void TExDetailDropDown::Change() {
  FItemChange = false;
  TExCustomDropDown::Change();
  if (ComponentState().Contains(csDesigning) || !FWorkMode || !HandleAllocated()) return;
  const String Value = Text();
  SetModifiedState(!Value.empty());
  const size_t Caret = Min<size_t>(static_cast<size_t>(SelStart()), Value.size());
  const String Typed = Value.substr(0, Caret);
  const String Key = AdjustCase(Value).substr(0, Caret);
  if (Key.empty()) return;
  for (Integer Index = 0; Index < FItems->Count(); ++Index) {
    const String& Caption = FItems->Items(Index)->Caption();
    if (AdjustCase(Caption).compare(0, Key.size(), Key) != 0) continue;
    const String Completed = Value.substr(0, Key.size()) + Caption.substr(Min(Key.size(), Caption.size()), 255);
    SetText(Completed);
    FItemIndex = FItemIdx = Index;
    FItemSel = static_cast<Integer>(Key.size());
    FItemChange = true;
    SendMessageW(Handle(), EM_SETSEL, Completed.size(), Key.size());
    return;
  }
  SetText(Typed);
  SetSelStart(static_cast<Integer>(Typed.size()));
  SetSelLength(0);
}

void TExDetailDropDown::KeyDown(Word& Key, TShiftState Shift) {
  if (FItems->Count() == 0) {
    TExCustomDropDown::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_BACK || Key == VK_ESCAPE || Key == VK_DELETE)
    FWorkMode = false;
  else if (Key != VK_RETURN)
    FWorkMode = true;
  if (Key == VK_RETURN) {
    const Integer Index = FItems->IndexOf(Text());
    if (Index >= 0) {
      SetText(FItems->Items(Index)->Caption());
      SetItemIndex(Index);
      Change();
    }
  }
  const bool Escape = Key == VK_ESCAPE;
  TExCustomDropDown::KeyDown(Key, Shift);
  if (!Escape) return;
  const Integer Index = FItems->IndexOf(Text());
  if (Index >= 0) SetItemIndex(Index);
}

void TExDetailDropDown::KeyUp(Word& Key, TShiftState Shift) {
  TExCustomDropDown::KeyUp(Key, Shift);
  if (!FItemChange) return;
  SetItemIndex(FItemIdx);
  FItemChange = false;
}

// --- keys and wheel in the list ----------------------------------------------------------------------------

void TExDetailDropDown::MoveInList(Integer Index) {
  FInternalCall = true;
  FItemSelector->SetItemIndex(Index);
  FInternalCall = false;
}

void TExDetailDropDown::SelectorStep(void (TExCustomItemSelector::*Step)()) {
  FInternalCall = true;
  (FItemSelector->*Step)();
  FInternalCall = false;
}

bool TExDetailDropDown::ListKeyDown(Word Key) {
  const bool Dropped = Open();
  switch (Key) {
    case VK_PRIOR:
    case VK_NEXT: {
      if (!FItemSelector) break;
      if (FItemSelector->Items()->Count() != FItems->Count()) PrepareSelector();
      const Integer Page = FItemSelector->GetVisibleItemCount();
      if (Page < 1) break;
      const Integer Current = FItemSelector->ItemIndex();
      MoveInList(Key == VK_PRIOR ? Max(0, Current - Page) : Min(FItems->Count() - 1, Current + Page));
      break;
    }
    case VK_END:
    case VK_HOME:
      if (Dropped)
        SelectorStep(Key == VK_END ? &TExCustomItemSelector::SelectLast : &TExCustomItemSelector::SelectFirst);
      else if (!EditorEnabled())
        Key == VK_END ? SelectLast() : SelectFirst();
      break;
    case VK_LEFT:
    case VK_RIGHT:
      if (Dropped && !EditorEnabled())
        SelectorStep(Key == VK_LEFT ? &TExCustomItemSelector::SelectPrevious : &TExCustomItemSelector::SelectNext);
      break;
    case VK_UP:
    case VK_DOWN:
      if (Dropped) {
        const Integer Current = FItemSelector->ItemIndex();
        const Integer Target = Current < 0 ? 0 : Current + (Key == VK_UP ? -1 : 1);
        if (Target >= 0 && Target < FItems->Count()) MoveInList(Target);
        Invalidate();
      } else {
        Key == VK_UP ? SelectPrevious() : SelectNext();
      }
      break;
    default:
      if (!CtrlHeld() && FItemSelector) {
        FInternalCall = true;
        FItemSelector->LookupItem(FCurSearch.Add(static_cast<Char>(Key)));
        FInternalCall = false;
      }
      break;
  }
  return FDroppedDown && IsListKey(Key);
}

void TExDetailDropDown::Dispatch(TMessage& M) {
  if (M.Msg == WM_KEYDOWN && Enabled() && !AltHeld()) {
    TWMKey& Message = MsgAs<TWMKey>(M);
    if (ListKeyDown(Message.CharCode)) {
      Message.CharCode = 0;
      Message.Result = 1;
      return;
    }
  } else if (M.Msg == WM_KEYDOWN && FDroppedDown && IsListKey(MsgAs<TWMKey>(M).CharCode)) {
    MsgAs<TWMKey>(M).Result = 1;
    return;
  }
  TExCustomDropDown::Dispatch(M);
}

void TExDetailDropDown::DoWheelDown() {
  if (!FDroppedDown || !FItemSelector) {
    SelectNext();
    return;
  }
  const Integer Current = FItemSelector->ItemIndex();
  const Integer Target = Current < 0 ? 0 : Current + 1;
  if (Target < FItems->Count()) MoveInList(Target);
  Invalidate();
}

void TExDetailDropDown::DoWheelUp() {
  if (!FDroppedDown || !FItemSelector) {
    SelectPrevious();
    return;
  }
  const Integer Current = FItemSelector->ItemIndex();
  const Integer Target = Current < 0 ? 0 : Current - 1;
  if (Target >= 0 && Target < FItems->Count()) MoveInList(Target);
  Invalidate();
}

}  // namespace jorv::dropdown
