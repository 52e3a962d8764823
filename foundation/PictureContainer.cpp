#include "foundation/PictureContainer.h"

#include "foundation/HTMLPicture.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::foundation {

namespace {
constexpr Integer MAJ_VER = 2;
constexpr Integer MIN_VER = 0;
constexpr Integer REL_VER = 0;
constexpr Integer BLD_VER = 0;
}  // namespace

// --- TPictureItem ----------------------------------------------------------

TPictureItem::TPictureItem(TCollection* Collection) : TCollectionItem(Collection) {}

TPictureItem::~TPictureItem() = default;

void TPictureItem::AfterConstruction() {
  if (!FPicture) FPicture = CreatePicture();
}

TGraphic* TPictureItem::Picture() {
  AfterConstruction();
  return FPicture.get();
}

std::unique_ptr<TGraphic> TPictureItem::CreatePicture() { return std::make_unique<THTMLPicture>(); }

void TPictureItem::Assign(TPersistent* Source) {
  auto* Other = dynamic_cast<TPictureItem*>(Source);
  if (!Other) throw EInvalidCast(L"Invalid class typecast");
  if (Other == this) return;
  FName = Other->FName;
  FTag = Other->FTag;
  Picture()->Assign(Other->Picture());
}

// --- TPictureCollection ----------------------------------------------------

TPictureCollection::TPictureCollection(TComponent* AOwner, TCollectionItemClass ItemClass)
    : TOwnedCollection(AOwner, std::move(ItemClass)), FOwner(AOwner) {}

TPictureItem* TPictureCollection::Add() { return static_cast<TPictureItem*>(TCollection::Add()); }

TPictureItem* TPictureCollection::Insert(Integer Index) {
  return static_cast<TPictureItem*>(TCollection::Insert(Index));
}

TPictureItem* TPictureCollection::GetItem(Integer Index) const {
  return static_cast<TPictureItem*>(Items(Index));
}

void TPictureCollection::SetItem(Integer Index, TPictureItem* Value) { SetItems(Index, Value); }

bool TPictureCollection::Animate() {
  bool Moved = false;
  for (Integer I = 0; I < Count(); ++I)
    // An item that makes another kind of picture has nothing to animate.
    if (auto* Picture = dynamic_cast<THTMLPicture*>(GetItem(I)->Picture()))
      Moved = Picture->Step() || Moved;
  return Moved;
}

// --- TPictureContainer -----------------------------------------------------

TPictureContainer::TPictureContainer(TComponent* AOwner) : TComponent(AOwner) {}

TPictureContainer::~TPictureContainer() = default;

void TPictureContainer::AfterConstruction() {
  if (!FItems) FItems = CreateItems();
}

TPictureCollection* TPictureContainer::Items() {
  AfterConstruction();
  return FItems.get();
}

std::unique_ptr<TPictureCollection> TPictureContainer::CreateItems() {
  return std::make_unique<TPictureCollection>(this);
}

TGraphic* TPictureContainer::FindPicture(const String& s) {
  const String Wanted = AnsiUpperCase(s);
  TPictureCollection* List = Items();
  for (Integer I = 0; I < List->Count(); ++I) {
    TPictureItem* Item = List->GetItem(I);
    if (AnsiUpperCase(Item->Name()) == Wanted) return Item->Picture();
  }
  return nullptr;
}

String TPictureContainer::Version() const {
  return IntToStr(MAJ_VER) + L"." + IntToStr(MIN_VER) + L"." + IntToStr(REL_VER) + L"." +
         IntToStr(BLD_VER);
}

}  // namespace jorv::foundation
