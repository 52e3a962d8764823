#pragma once
// Dated items: the selection and the event list of every calendar panel.
// Items are kept in the order they were added and looked up by whole day.
#include <functional>

#include "platform/rtl/Collection.h"

namespace jorv::calendar {

class TCustomCalendarPanel;

enum TEventShape : uint8_t {
  evsRectangle, evsCircle, evsSquare, evsTriangle, evsNone, evsAMPMRectangle
};

class TSelDateItems;

class TSelDateItem : public TCollectionItem {
 public:
  explicit TSelDateItem(TCollection* Collection);
  ~TSelDateItem() override;

  TDateTime Date() const { return FDate; }
  void SetDate(TDateTime Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TColor ColorPM() const { return FColorPM; }
  void SetColorPM(TColor Value);
  TEventShape Shape() const { return FEventShape; }
  void SetShape(TEventShape Value);
  TColor FontColor() const { return FFontColor; }
  void SetFontColor(TColor Value);
  // Free for the user; never owned.
  TObject* ItemObject() const { return FObject; }
  void SetItemObject(TObject* Value) { FObject = Value; }
  Integer Tag() const { return FTag; }
  void SetTag(Integer Value) { FTag = Value; }

  // Copies another dated item; only the shape is written with a notice.
  void Assign(TPersistent* Source) override;

 protected:
  void Changed();

 private:
  friend class TSelDateItems;
  TSelDateItems* Owner() const;

  TDateTime FDate = 0;
  String FHint;
  TColor FColor = 0;
  TColor FColorPM = 0;
  TEventShape FEventShape = evsRectangle;
  TColor FFontColor = 0;
  TObject* FObject = nullptr;
  Integer FTag = 0;
};

// The type of the item that the event-property hook receives.
class TEventProp : public TSelDateItem {
 public:
  using TSelDateItem::TSelDateItem;
};

class TSelDateItems : public TOwnedCollection {
 public:
  // AOwner may be nullptr for a free-standing copy; such a list sends no
  // notices.
  explicit TSelDateItems(TCustomCalendarPanel* AOwner);

  TSelDateItem* Items(Integer Index) const;
  void SetItems(Integer Index, TSelDateItem* Value);

  // A new item with the owner's marker looks.
  TSelDateItem* Add();
  // A plain new item at Index.
  TSelDateItem* Insert(Integer Index);

  // Position of the first item on the whole day of dt, or -1.
  Integer IsDateInList(TDateTime dt) const;
  TSelDateItem* GetDate(TDateTime dt) const;
  // The first item dated exactly dt, time of day included.
  TSelDateItem* ItemOnDate(TDateTime dt) const;
  // Position of the first item dated exactly midnight of ye-mo-da, or -1.
  Integer IsInList(Integer da, Integer mo, Integer ye) const;

  // Ranges run day by day from the earlier bound, keeping its time of day.
  void AddRange(TDateTime dt1, TDateTime dt2);
  void AddRangeSC(TDateTime dt1, TDateTime dt2, TEventShape Shp, TColor Clr);
  void AddRangeHint(TDateTime dt1, TDateTime dt2, const String& Hint);
  void AddRangeHintSC(TDateTime dt1, TDateTime dt2, const String& Hint,
                      TEventShape Shp, TColor Clr);
  void DelRange(TDateTime dt1, TDateTime dt2);

  // The list's own update bracket; the owner hears one ItemsChanged at the
  // end. Per-day repaints are not held back.
  void StartUpdate() { ++FUpdateCount; }
  void StopUpdate();
  void ResetUpdate() { if (FUpdateCount > 0) --FUpdateCount; }
  Integer UpdateCount() const { return FUpdateCount; }
  void Changed();
  void RepaintDate(TDateTime ADate);

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }
  TCustomCalendarPanel* CalendarOwner() const { return FOwner; }

  std::function<void(TObject* Sender)> OnChange;

 protected:
  void Update(TCollectionItem* Item) override;
  // An item leaving the list repaints its day.
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override;

 private:
  template <class F>
  void WalkRange(TDateTime dt1, TDateTime dt2, F handleDay);
  TSelDateItem* AddDated(TDateTime d);
  TSelDateItem* AddHintOnDay(TDateTime d, const String& Hint);

  TCustomCalendarPanel* FOwner = nullptr;
  Integer FUpdateCount = 0;
  bool FVisible = true;
};

}  // namespace jorv::calendar
