#include "dropdown/ImagePickerDropDown.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::dropdown {

namespace {

bool AltHeld() { return GetKeyState(VK_MENU) < 0; }
bool CtrlHeld() { return GetKeyState(VK_CONTROL) < 0; }

// A directory search, closed at the end of the scope.
class TFileSearch {
 public:
  explicit TFileSearch(const String& Mask) : FHandle(FindFirstFileW(Mask.c_str(), &FData)) {}
  ~TFileSearch() {
    if (FHandle != INVALID_HANDLE_VALUE) FindClose(FHandle);
  }
  TFileSearch(const TFileSearch&) = delete;
  TFileSearch& operator=(const TFileSearch&) = delete;
  bool Found() const { return FHandle != INVALID_HANDLE_VALUE; }
  const WIN32_FIND_DATAW& Data() const { return FData; }
  bool Next() { return FindNextFileW(FHandle, &FData) != 0; }

 private:
  WIN32_FIND_DATAW FData{};
  HANDLE FHandle;
};

}  // namespace

// --- items --------------------------------------------------------------------------------------

TImageItem::TImageItem(TCollection* Collection) : TCollectionItem(Collection), FImage(std::make_unique<TPicture>()) {}

TImageItem::~TImageItem() = default;

void TImageItem::ItemChanged() {
  if (auto* Owner = dynamic_cast<TImageItems*>(Collection())) Owner->DoChange();
}

void TImageItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  ItemChanged();
}

void TImageItem::SetImageIndex(Integer Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  ItemChanged();
}

void TImageItem::Assign(TPersistent* Source) {
  auto* Item = dynamic_cast<TImageItem*>(Source);
  if (!Item) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(Item->Caption());
  SetImageIndex(Item->ImageIndex());
  FImage->Assign(Item->Image());
  FEnabled = Item->Enabled();
  FHint = Item->Hint();
}

// --- construction ---------------------------------------------------------------------------------

TExImagePickerDropDown::TExImagePickerDropDown(TComponent* AOwner)
    : TExCustomDropDown(AOwner),
      FItems(std::make_unique<TImageItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this)) {
  FItems->OnChange = [](TObject*) {};
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  if (!ComponentState().Contains(csDesigning)) CreateDropDownForm();
}

TExImagePickerDropDown::~TExImagePickerDropDown() = default;

// A picker takes no typing, so it shows the arrow over its edit; the
// cursor is given with the window, since telling it has to reach one.
void TExImagePickerDropDown::CreateWnd() {
  TExCustomDropDown::CreateWnd();
  if (Cursor() == crDefault) SetCursor(crArrow);
}

void TExImagePickerDropDown::CreateDropDownForm() {
  TExCustomDropDown::CreateDropDownForm();
  if (!FDropDownForm) return;
  if (!FItemSelector) {
    FItemSelector = new TExCustomItemSelector(this);
    FItemSelector->SetParent(FDropDownForm);
    FItemSelector->SetSelectorType(stImage);
    FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
  }
  FItemSelector->SetColor(DropDownColor());
  FItemSelector->UpdateSelectorPanel();
  SetControl(FItemSelector);
}

// --- items from files and the image list ---------------------------------------------------------------

void TExImagePickerDropDown::LoadImageFile(const String& FileName, const String& Caption) {
  TImageItem* Item = FItems->Add();
  try {
    Item->Image()->LoadFromFile(FileName);
    Item->FCaption = Caption;
  } catch (const Exception&) {
    // A file that is no picture leaves its item without one.
    Item->Image()->Assign(nullptr);
  }
}

// Only files become items: the folder's own entries and sub-folders hold
// no picture to show.
void TExImagePickerDropDown::AddImagesFromFolder(const String& AFolder, bool SetImageCaption) {
  TFileSearch Search(AFolder);
  if (!Search.Found()) return;
  const String Folder = ExtractFilePath(AFolder);
  do {
    const WIN32_FIND_DATAW& Entry = Search.Data();
    if (Entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const String Name = Entry.cFileName;
    LoadImageFile(Folder + Name, SetImageCaption ? Name : String());
  } while (Search.Next());
}

void TExImagePickerDropDown::AddImagesFromImageList() {
  if (!Images()) return;
  const Integer Count = Images()->Count();
  for (Integer Index = 0; Index < Count; ++Index) FItems->Add()->SetImageIndex(Index);
}

// --- selection ------------------------------------------------------------------------------------------

void TExImagePickerDropDown::SetItemIndex(Integer Value) {
  if (Value == FItemIndex || Value >= FItems->Count()) return;
  FItemIndex = Value;
  Invalidate();
  Change();
  if (OnSelect) OnSelect(this);
}

Integer TExImagePickerDropDown::ImageIndex() const {
  return FItemIndex < 0 || FItemIndex >= FItems->Count() ? -1 : FItems->Items(FItemIndex)->ImageIndex();
}

void TExImagePickerDropDown::SetImageIndex(Integer Value) {
  for (Integer Index = 0; Index < FItems->Count(); ++Index)
    if (FItems->Items(Index)->ImageIndex() == Value) {
      SetItemIndex(Index);
      return;
    }
  SetItemIndex(-1);
}

void TExImagePickerDropDown::SelectFirst() {
  if (FItems->Count() > 0) SetItemIndex(0);
}

void TExImagePickerDropDown::SelectLast() {
  if (FItems->Count() > 0) SetItemIndex(FItems->Count() - 1);
}

void TExImagePickerDropDown::SelectNext() {
  if (const Integer Target = StepTarget(FItemIndex, FItems->Count(), true); Target >= 0) SetItemIndex(Target);
}

void TExImagePickerDropDown::SelectPrevious() {
  if (const Integer Target = StepTarget(FItemIndex, FItems->Count(), false); Target >= 0) SetItemIndex(Target);
}

// --- the pop-up -------------------------------------------------------------------------------------------

void TExImagePickerDropDown::FillSelectorItems() {
  TSelectorItems* Target = FItemSelector->Items();
  Target->Clear();
  for (Integer Index = 0; Index < FItems->Count(); ++Index) {
    TImageItem* From = FItems->Items(Index);
    TSelectorItem* Item = Target->Add();
    Item->SetCaption(From->Caption());
    Item->SetImage(From->Image());
    Item->SetImageIndex(From->ImageIndex());
    Item->SetHint(From->Hint());
  }
}

void TExImagePickerDropDown::PrepareSelector() {
  if (!FItemSelector) return;
  FItemSelector->OnItemSelect = nullptr;
  FItemSelector->SetColumns(FColumns);
  FItemSelector->SetImages(Images());
  FItemSelector->SetItemLayout(FLayout);
  FItemSelector->SetColor(DropDownColor());
  FItemSelector->SetItemAppearance(FItemAppearance.get());
  FillSelectorItems();
  FItemSelector->UpdateSelectorPanel();
  FItemSelector->SetItemIndex(FItemIndex);
  FItemSelector->OnItemSelect = [this](TObject* Sender) { SelectorItemSelect(Sender); };
  FItemSelector->SetShowHint(ShowHint());
}

void TExImagePickerDropDown::DoBeforeDropDown() {
  TExCustomDropDown::DoBeforeDropDown();
  PrepareSelector();
  if (FItemSelector) {
    if (OnDrawItem)
      FItemSelector->OnDrawItem = [this](TObject*, TCanvas* Canvas, TRect R, Integer Index) {
        OnDrawItem(this, Canvas, R, Index);
      };
    else
      FItemSelector->OnDrawItem = nullptr;
  }
  FOldItemIndex = FItemIndex;
}

// The pop-up takes the size of the laid-out items; the selector is sized
// so that its client area inside the pop-up's border holds them.
void TExImagePickerDropDown::SizeDropDownForm() {
  if (!FItemSelector) {
    TExCustomDropDown::SizeDropDownForm();
    return;
  }
  FItemSelector->SetAlign(alNone);
  TSize Panel;
  FItemSelector->GetPanelSize(Panel);
  if (DropDownWidth() < 1) FItemSelector->SetWidth(Panel.cx + 2 * DropDownBorderWidth());
  if (DropDownHeight() < 1) FItemSelector->SetHeight(Panel.cy);
  FControlSize = TSize{FItemSelector->Width(), FItemSelector->Height()};
  TExCustomDropDown::SizeDropDownForm();
  if (FItemSelector->VertScrollBar()->IsScrollBarVisible())
    FDropDownForm->SetWidth(FDropDownForm->Width() + GetSystemMetrics(SM_CXVSCROLL));
}

void TExImagePickerDropDown::DoHideDropDown(bool Cancel) {
  TExCustomDropDown::DoHideDropDown(Cancel);
  if (Cancel && FItemSelector) SetItemIndex(FOldItemIndex);
}

void TExImagePickerDropDown::SelectorItemSelect(TObject*) {
  SetItemIndex(FItemSelector->ItemIndex());
  if (!FInternalCall) DoHideDropDown(false);
}

// --- looks and painting ----------------------------------------------------------------------------------

void TExImagePickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  TExCustomDropDown::SetSelectionColorStyle(Value);
  if (FItemSelector) FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

void STDMETHODCALLTYPE TExImagePickerDropDown::SetComponentStyle(TZVQStyle AStyle) {
  TExCustomDropDown::SetComponentStyle(AStyle);
  ApplyItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TExImagePickerDropDown::PaintEditContent() {
  TExCustomDropDown::PaintEditContent();
  PaintSelectedImage();
}

void TExImagePickerDropDown::PaintSelectedImage() {
  if (!HandleAllocated()) return;
  TControlCanvas Canvas;
  Canvas.SetControl(this);
  const TRect E = GetEditRect();
  if (OnDrawSelectedImage) {
    OnDrawSelectedImage(this, &Canvas, E);
    return;
  }
  if (FItemIndex < 0 || FItemIndex >= FItems->Count()) return;
  TImageItem* Item = FItems->Items(FItemIndex);
  TGraphic* Graphic = Item->Image()->Graphic();
  if (Graphic && !Graphic->Empty()) {
    Canvas.Draw(E.Left + (E.Width() - Graphic->Width()) / 2, E.Top + (E.Height() - Graphic->Height()) / 2,
                Graphic);
  } else if (Images() && Item->ImageIndex() >= 0) {
    Images()->Draw(&Canvas, E.Left + (E.Width() - Images()->Width()) / 2,
                   E.Top + (E.Height() - Images()->Height()) / 2, Item->ImageIndex(), true);
  }
}

// --- keys and wheel ----------------------------------------------------------------------------------------

void TExImagePickerDropDown::MoveInList(Integer Index) {
  FInternalCall = true;
  if (Index < FItemSelector->Items()->Count()) FItemSelector->SetItemIndex(Index);
  FInternalCall = false;
}

void TExImagePickerDropDown::TypeAhead(Word Key) {
  FInternalCall = true;
  FItemSelector->LookupItem(FCurSearch.Add(static_cast<Char>(Key)));
  FInternalCall = false;
}

void TExImagePickerDropDown::ListKeyDown(Word Key) {
  const bool Dropped = Open();
  auto Step = [this](void (TExCustomItemSelector::*Selector)()) {
    FInternalCall = true;
    (FItemSelector->*Selector)();
    FInternalCall = false;
  };
  switch (Key) {
    case VK_PRIOR:
    case VK_NEXT: {
      if (!FItemSelector) return;
      if (FItemSelector->Items()->Count() != FItems->Count()) PrepareSelector();
      const Integer Page = FItemSelector->GetVisibleItemCount();
      if (Page < 1) return;
      const Integer Current = FItemSelector->ItemIndex();
      MoveInList(Key == VK_PRIOR ? Max(0, Current - Page) : Min(FItems->Count() - 1, Current + Page));
      return;
    }
    case VK_END:
    case VK_HOME:
      if (Dropped)
        Step(Key == VK_END ? &TExCustomItemSelector::SelectLast : &TExCustomItemSelector::SelectFirst);
      else if (Key == VK_END)
        SelectLast();
      else
        SelectFirst();
      return;
    case VK_LEFT:
    case VK_RIGHT:
      if (Dropped && !EditorEnabled())
        Step(Key == VK_LEFT ? &TExCustomItemSelector::SelectPrevious : &TExCustomItemSelector::SelectNext);
      return;
    case VK_UP:
    case VK_DOWN: {
      if (!Dropped) {
        if (Key == VK_UP)
          SelectPrevious();
        else
          SelectNext();
        return;
      }
      const Integer Current = FItemSelector->ItemIndex();
      const Integer Target = Current < 0 ? 0 : Current + (Key == VK_UP ? -FColumns : FColumns);
      if (Target >= 0) MoveInList(Target);
      return;
    }
    default:
      if (!CtrlHeld() && FItemSelector) TypeAhead(Key);
      return;
  }
}

void TExImagePickerDropDown::Dispatch(TMessage& M) {
  if (M.Msg != WM_KEYDOWN) {
    TExCustomDropDown::Dispatch(M);
    if (M.Msg == WM_PAINT) PaintSelectedImage();
    return;
  }
  const Word Key = MsgAs<TWMKey>(M).CharCode;
  bool ReturnUsed = false;
  if (Enabled() && Open() && Key == VK_RETURN && FItemSelector->ItemHot() >= 0) {
    FItemSelector->SetItemIndex(FItemSelector->ItemHot());
    ReturnUsed = true;
  }
  TExCustomDropDown::Dispatch(M);
  if (!Enabled() || AltHeld()) return;
  if (Key == VK_RETURN) {
    if (!ReturnUsed && OnSelect) OnSelect(this);
    return;
  }
  ListKeyDown(Key);
}

void TExImagePickerDropDown::DoWheelDown() {
  if (!Enabled() || ReadOnly() || !FItemSelector) return;
  if (FDroppedDown) {
    FItemSelector->HotNext();
    return;
  }
  FInternalCall = true;
  FItemSelector->SelectNext();
  FInternalCall = false;
}

void TExImagePickerDropDown::DoWheelUp() {
  if (!Enabled() || ReadOnly() || !FItemSelector) return;
  if (FDroppedDown) {
    FItemSelector->HotPrevious();
    return;
  }
  FInternalCall = true;
  FItemSelector->SelectPrevious();
  FInternalCall = false;
}

}  // namespace jorv::dropdown
