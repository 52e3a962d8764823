#pragma once
// Settings objects of the month calendar and the calendar group: names of
// days and months, the year starts of the week numbering, date bounds, the
// navigation-button switches and pictures, and the inactive weekdays. Each
// tells its owner of a change through its change notice.
#include <functional>
#include <memory>

#include "calendar/CalendarDates.h"
#include "platform/rtl/Object.h"

namespace jorv {
class TBitmap;
}
namespace jorv::calendar {

using TCalendarNotify = std::function<void(TObject* Sender)>;

class TNameOfDays : public TPersistent {
 public:
  TNameOfDays();
  const String& Monday() const { return FNames[0]; }
  const String& Tuesday() const { return FNames[1]; }
  const String& Wednesday() const { return FNames[2]; }
  const String& Thursday() const { return FNames[3]; }
  const String& Friday() const { return FNames[4]; }
  const String& Saturday() const { return FNames[5]; }
  const String& Sunday() const { return FNames[6]; }
  void SetMonday(const String& v) { SetName(0, v); }
  void SetTuesday(const String& v) { SetName(1, v); }
  void SetWednesday(const String& v) { SetName(2, v); }
  void SetThursday(const String& v) { SetName(3, v); }
  void SetFriday(const String& v) { SetName(4, v); }
  void SetSaturday(const String& v) { SetName(5, v); }
  void SetSunday(const String& v) { SetName(6, v); }
  bool UseIntlNames() const { return FUseIntlNames; }
  // True reloads all seven names from the locale's short day names.
  void SetUseIntlNames(bool Value);
  // 1 or 8 Monday .. 7 or 14 Sunday; any other value gives the empty string.
  String GetDay(Integer i) const;
  void Assign(TPersistent* Source) override;

  TCalendarNotify OnChange;

 private:
  void SetName(int i, const String& v);
  void Changed();
  String FNames[7];  // Monday .. Sunday
  bool FUseIntlNames = true;
};

class TNameOfMonths : public TPersistent {
 public:
  TNameOfMonths();
  const String& January() const { return FNames[0]; }
  const String& February() const { return FNames[1]; }
  const String& March() const { return FNames[2]; }
  const String& April() const { return FNames[3]; }
  const String& May() const { return FNames[4]; }
  const String& June() const { return FNames[5]; }
  const String& July() const { return FNames[6]; }
  const String& August() const { return FNames[7]; }
  const String& September() const { return FNames[8]; }
  const String& October() const { return FNames[9]; }
  const String& November() const { return FNames[10]; }
  const String& December() const { return FNames[11]; }
  void SetJanuary(const String& v) { SetName(0, v); }
  void SetFebruary(const String& v) { SetName(1, v); }
  void SetMarch(const String& v) { SetName(2, v); }
  void SetApril(const String& v) { SetName(3, v); }
  void SetMay(const String& v) { SetName(4, v); }
  void SetJune(const String& v) { SetName(5, v); }
  void SetJuly(const String& v) { SetName(6, v); }
  void SetAugust(const String& v) { SetName(7, v); }
  void SetSeptember(const String& v) { SetName(8, v); }
  void SetOctober(const String& v) { SetName(9, v); }
  void SetNovember(const String& v) { SetName(10, v); }
  void SetDecember(const String& v) { SetName(11, v); }
  bool UseIntlNames() const { return FUseIntlNames; }
  // True reloads the twelve names from the locale's short month names.
  void SetUseIntlNames(bool Value);
  // 1..12; any other value gives the empty string.
  String GetMonth(Integer i) const;
  void Assign(TPersistent* Source) override;

  TCalendarNotify OnChange;

 private:
  void SetName(int i, const String& v);
  void Changed();
  String FNames[12];
  bool FUseIntlNames = true;
};

// Year starts of the week numbering. Out-of-range writes tell the user and
// keep the old value.
class TYearStartAt : public TPersistent {
 public:
  explicit TYearStartAt(TPersistent* AOwner = nullptr) : FOwner(AOwner) {}
  Integer StartDay() const { return FValues.StartDay; }
  Integer StartMonth() const { return FValues.StartMonth; }
  Integer PrevYearStartDay() const { return FValues.PrevYearStartDay; }
  Integer PrevYearStartMonth() const { return FValues.PrevYearStartMonth; }
  Integer NextYearStartDay() const { return FValues.NextYearStartDay; }
  Integer NextYearStartMonth() const { return FValues.NextYearStartMonth; }
  void SetStartDay(Integer v) { SetDay(FValues.StartDay, v); }
  void SetStartMonth(Integer v) { SetMonth(FValues.StartMonth, v); }
  void SetPrevYearStartDay(Integer v) { SetDay(FValues.PrevYearStartDay, v); }
  void SetPrevYearStartMonth(Integer v) { SetMonth(FValues.PrevYearStartMonth, v); }
  void SetNextYearStartDay(Integer v) { SetDay(FValues.NextYearStartDay, v); }
  void SetNextYearStartMonth(Integer v) { SetMonth(FValues.NextYearStartMonth, v); }
  bool ISOWeekNumber() const { return FISOWeekNumber; }
  void SetISOWeekNumber(bool Value);

  const TYearStartValues& Values() const { return FValues; }
  // Stores year starts as they are, without check or notice: the ISO rule
  // recomputes them on every paint.
  void StoreValues(const TYearStartValues& v) { FValues = v; }
  void Assign(TPersistent* Source) override;

  TCalendarNotify OnChange;

 protected:
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  void SetDay(Integer& field, Integer v);
  void SetMonth(Integer& field, Integer v);
  void Changed();
  TPersistent* FOwner = nullptr;
  TYearStartValues FValues;
  bool FISOWeekNumber = false;
};

// The ISO year starts for `year` into `ys`, stored without notice.
void ApplyISOYearStart(TYearStartAt& ys, Word year);

// A date bound. Its parts are kept as written; the date is built when read.
class TMinMaxDate : public TPersistent {
 public:
  explicit TMinMaxDate(TPersistent* AOwner = nullptr) : FOwner(AOwner) {}
  SmallInt Day() const { return FDay; }
  SmallInt Month() const { return FMonth; }
  SmallInt Year() const { return FYear; }
  bool Use() const { return FUse; }
  void SetDay(SmallInt v) { FDay = v; Changed(); }
  void SetMonth(SmallInt v) { FMonth = v; Changed(); }
  void SetYear(SmallInt v) { FYear = v; Changed(); }
  void SetUse(bool v) { FUse = v; Changed(); }
  // Fails with the platform's date error for an impossible date (the
  // default 0/0/0 among them).
  TDateTime Date() const;
  // Splits a date into the parts, without notice.
  void SetDate(TDateTime Value);
  void Assign(TPersistent* Source) override;

  // The owner repaints.
  TCalendarNotify OnChange;

 protected:
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  void Changed() { if (OnChange) OnChange(this); }
  TPersistent* FOwner = nullptr;
  SmallInt FDay = 0;
  SmallInt FMonth = 0;
  SmallInt FYear = 0;
  bool FUse = false;
};

class TCalendarBrowsers : public TPersistent {
 public:
  bool PrevMonth() const { return FPrevMonth; }
  bool PrevYear() const { return FPrevYear; }
  bool NextMonth() const { return FNextMonth; }
  bool NextYear() const { return FNextYear; }
  void SetPrevMonth(bool v) { FPrevMonth = v; Changed(); }
  void SetPrevYear(bool v) { FPrevYear = v; Changed(); }
  void SetNextMonth(bool v) { FNextMonth = v; Changed(); }
  void SetNextYear(bool v) { FNextYear = v; Changed(); }
  void Changed() { if (OnChange) OnChange(this); }
  void Assign(TPersistent* Source) override;

  TCalendarNotify OnChange;

 private:
  bool FPrevMonth = true;
  bool FPrevYear = true;
  bool FNextMonth = true;
  bool FNextYear = true;
};

// Pictures of the four navigation buttons; an empty one means the built-in
// arrow.
class TCalGlyphs : public TPersistent {
 public:
  explicit TCalGlyphs(TPersistent* AOwner = nullptr);
  ~TCalGlyphs() override;
  TBitmap* NextMonth() const { return FNextMonth.get(); }
  TBitmap* PrevMonth() const { return FPrevMonth.get(); }
  TBitmap* NextYear() const { return FNextYear.get(); }
  TBitmap* PrevYear() const { return FPrevYear.get(); }
  void SetNextMonth(TBitmap* Value);
  void SetPrevMonth(TBitmap* Value);
  void SetNextYear(TBitmap* Value);
  void SetPrevYear(TBitmap* Value);
  // Copies all four from another TCalGlyphs; other sources are ignored.
  void Assign(TPersistent* Source) override;

  // Called when any picture changes; the owner repaints.
  TCalendarNotify OnChange;

 protected:
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  void Changed();
  void CopyInto(TBitmap& dest, TBitmap* src);
  TPersistent* FOwner = nullptr;
  std::unique_ptr<TBitmap> FNextMonth;
  std::unique_ptr<TBitmap> FPrevMonth;
  std::unique_ptr<TBitmap> FNextYear;
  std::unique_ptr<TBitmap> FPrevYear;
};

// Weekdays drawn as inactive.
class TWeekDays : public TPersistent {
 public:
  bool Sat() const { return FSat; }
  bool Sun() const { return FSun; }
  bool Mon() const { return FMon; }
  bool Tue() const { return FTue; }
  bool Wed() const { return FWed; }
  bool Thu() const { return FThu; }
  bool Fri() const { return FFri; }
  void SetSat(bool v) { FSat = v; Changed(); }
  void SetSun(bool v) { FSun = v; Changed(); }
  void SetMon(bool v) { FMon = v; Changed(); }
  void SetTue(bool v) { FTue = v; Changed(); }
  void SetWed(bool v) { FWed = v; Changed(); }
  void SetThu(bool v) { FThu = v; Changed(); }
  void SetFri(bool v) { FFri = v; Changed(); }
  // Weekday number 1 = Sunday .. 7 = Saturday, as dates count them.
  bool IsSet(Integer dayOfWeek) const;
  void Assign(TPersistent* Source) override;

  TCalendarNotify OnChanged;

 private:
  void Changed() { if (OnChanged) OnChanged(this); }
  bool FSat = true;
  bool FSun = true;
  bool FMon = false;
  bool FTue = false;
  bool FWed = false;
  bool FThu = false;
  bool FFri = false;
};

}  // namespace jorv::calendar
