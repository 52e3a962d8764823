#include "calendar/SelDateItems.h"

#include "calendar/CalendarDates.h"
#include "calendar/CustomCalendarPanel.h"

namespace jorv::calendar {

// --- TSelDateItem ----------------------------------------------------------

TSelDateItem::TSelDateItem(TCollection* Collection) : TCollectionItem(Collection) {}

TSelDateItem::~TSelDateItem() {
  // Leaves the list while still whole, so that the list can repaint its day.
  SetCollection(nullptr);
}

TSelDateItems* TSelDateItem::Owner() const {
  return dynamic_cast<TSelDateItems*>(Collection());
}

void TSelDateItem::Changed() {
  if (TSelDateItems* list = Owner()) list->RepaintDate(FDate);
}

void TSelDateItem::SetDate(TDateTime Value) {
  if (FDate == Value) return;
  FDate = Value;
  Changed();
}

void TSelDateItem::SetHint(const String& Value) {
  FHint = Value;
  Changed();
}

void TSelDateItem::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Changed();
}

void TSelDateItem::SetColorPM(TColor Value) {
  if (FColorPM == Value) return;
  FColorPM = Value;
  Changed();
}

void TSelDateItem::SetShape(TEventShape Value) {
  FEventShape = Value;
  Changed();
}

void TSelDateItem::SetFontColor(TColor Value) {
  FFontColor = Value;
  Changed();
}

void TSelDateItem::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TSelDateItem*>(Source);
  if (!src) return TCollectionItem::Assign(Source);
  FColor = src->FColor;
  FColorPM = src->FColorPM;
  FDate = src->FDate;
  FHint = src->FHint;
  FFontColor = src->FFontColor;
  FObject = src->FObject;
  FTag = src->FTag;
  SetShape(src->FEventShape);
}

// --- TSelDateItems ---------------------------------------------------------

TSelDateItems::TSelDateItems(TCustomCalendarPanel* AOwner)
    : TOwnedCollection(AOwner, CollectionItemClass<TSelDateItem>()),
      FOwner(AOwner) {}

TSelDateItem* TSelDateItems::Items(Integer Index) const {
  return static_cast<TSelDateItem*>(TCollection::Items(Index));
}

void TSelDateItems::SetItems(Integer Index, TSelDateItem* Value) {
  TCollection::SetItems(Index, Value);
}

TSelDateItem* TSelDateItems::Add() {
  auto* item = static_cast<TSelDateItem*>(TOwnedCollection::Add());
  if (FOwner) {
    // Written to the fields: the new item is not on any day yet.
    item->FColor = FOwner->EventMarkerColor();
    item->FColorPM = FOwner->EventMarkerColor();
    item->FEventShape = FOwner->EventMarkerShape();
    item->FFontColor = FOwner->EventDayColor();
  }
  return item;
}

TSelDateItem* TSelDateItems::Insert(Integer Index) {
  return static_cast<TSelDateItem*>(TOwnedCollection::Insert(Index));
}

Integer TSelDateItems::IsDateInList(TDateTime dt) const {
  Integer day = WholeDay(dt);
  for (Integer i = 0; i < Count(); ++i)
    if (WholeDay(Items(i)->Date()) == day) return i;
  return -1;
}

TSelDateItem* TSelDateItems::GetDate(TDateTime dt) const {
  Integer i = IsDateInList(dt);
  return i < 0 ? nullptr : Items(i);
}

TSelDateItem* TSelDateItems::ItemOnDate(TDateTime dt) const {
  for (Integer i = 0; i < Count(); ++i)
    if (Items(i)->Date() == dt) return Items(i);
  return nullptr;
}

Integer TSelDateItems::IsInList(Integer da, Integer mo, Integer ye) const {
  TDateTime dt = EncodeDateChecked(static_cast<Word>(ye), static_cast<Word>(mo),
                                   static_cast<Word>(da));
  for (Integer i = 0; i < Count(); ++i)
    if (Items(i)->Date() == dt) return i;
  return -1;
}

template <class F>
void TSelDateItems::WalkRange(TDateTime dt1, TDateTime dt2, F handleDay) {
  // Walked on the time line so that days before 30 December 1899, whose
  // time of day counts backwards, are each visited once and in order.
  double lo = DateToTimeline(dt1), hi = DateToTimeline(dt2);
  if (lo > hi) std::swap(lo, hi);
  for (double t = lo; t <= hi; t += 1.0) handleDay(TimelineToDate(t));
}

TSelDateItem* TSelDateItems::AddDated(TDateTime d) {
  TSelDateItem* item = Add();
  item->SetDate(d);
  return item;
}

void TSelDateItems::AddRange(TDateTime dt1, TDateTime dt2) {
  WalkRange(dt1, dt2, [this](TDateTime d) {
    if (IsDateInList(d) < 0) AddDated(d);
  });
}

void TSelDateItems::AddRangeSC(TDateTime dt1, TDateTime dt2, TEventShape Shp,
                               TColor Clr) {
  WalkRange(dt1, dt2, [&](TDateTime d) {
    if (IsDateInList(d) >= 0) return;
    TSelDateItem* item = AddDated(d);
    item->SetShape(Shp);
    item->SetColor(Clr);
  });
}

TSelDateItem* TSelDateItems::AddHintOnDay(TDateTime d, const String& Hint) {
  TSelDateItem* item = GetDate(d);
  if (!item) {
    item = AddDated(d);
    item->SetHint(Hint);
  } else {
    // Several texts of one day are joined by a lone carriage return.
    item->SetHint(item->Hint().empty() ? Hint : item->Hint() + L'\r' + Hint);
  }
  return item;
}

void TSelDateItems::AddRangeHint(TDateTime dt1, TDateTime dt2, const String& Hint) {
  WalkRange(dt1, dt2, [&](TDateTime d) { AddHintOnDay(d, Hint); });
}

void TSelDateItems::AddRangeHintSC(TDateTime dt1, TDateTime dt2, const String& Hint,
                                   TEventShape Shp, TColor Clr) {
  WalkRange(dt1, dt2, [&](TDateTime d) {
    TSelDateItem* item = AddHintOnDay(d, Hint);
    item->SetShape(Shp);
    item->SetColor(Clr);
  });
}

void TSelDateItems::DelRange(TDateTime dt1, TDateTime dt2) {
  WalkRange(dt1, dt2, [this](TDateTime d) {
    Integer i = IsDateInList(d);
    if (i >= 0) Delete(i);
  });
}

void TSelDateItems::StopUpdate() {
  if (FUpdateCount <= 0) return;
  if (--FUpdateCount == 0 && FOwner) FOwner->ItemsChanged();
}

void TSelDateItems::Changed() {
  if (FUpdateCount == 0 && FOwner) FOwner->ItemsChanged();
}

void TSelDateItems::RepaintDate(TDateTime ADate) {
  if (FVisible && FOwner && FOwner->HandleAllocated()) FOwner->InvalidateDate(ADate);
}

void TSelDateItems::Notify(TCollectionItem* Item, TCollectionNotification Action) {
  TOwnedCollection::Notify(Item, Action);
  // Every way out of the list (delete, clear, move) extracts the item.
  if (Action == cnExtracting) RepaintDate(static_cast<TSelDateItem*>(Item)->Date());
}

void TSelDateItems::Update(TCollectionItem* Item) {
  TOwnedCollection::Update(Item);
  if (OnChange) OnChange(this);
}

}  // namespace jorv::calendar
