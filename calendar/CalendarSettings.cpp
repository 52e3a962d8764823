#include "calendar/CalendarSettings.h"

#include "platform/gfx/Bitmap.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Dialogs.h"

namespace jorv::calendar {

// --- TNameOfDays -----------------------------------------------------------

TNameOfDays::TNameOfDays() { SetUseIntlNames(true); }

void TNameOfDays::SetName(int i, const String& v) {
  FNames[i] = v;
  Changed();
}

void TNameOfDays::Changed() {
  if (OnChange) OnChange(this);
}

void TNameOfDays::SetUseIntlNames(bool Value) {
  FUseIntlNames = Value;
  if (!Value) return;
  TFormatSettings fs = FormatSettings();
  // The locale counts from Sunday, the calendar from Monday.
  for (int i = 0; i < 7; ++i) FNames[i] = fs.ShortDayNames[(i + 1) % 7];
  Changed();
}

String TNameOfDays::GetDay(Integer i) const {
  if (i < 1 || i > 14) return String();
  return FNames[(i - 1) % 7];
}

void TNameOfDays::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TNameOfDays*>(Source);
  if (!src) return TPersistent::Assign(Source);
  for (int i = 0; i < 7; ++i) FNames[i] = src->FNames[i];
  FUseIntlNames = src->FUseIntlNames;
  Changed();
}

// --- TNameOfMonths ---------------------------------------------------------

TNameOfMonths::TNameOfMonths() { SetUseIntlNames(true); }

void TNameOfMonths::SetName(int i, const String& v) {
  FNames[i] = v;
  Changed();
}

void TNameOfMonths::Changed() {
  if (OnChange) OnChange(this);
}

void TNameOfMonths::SetUseIntlNames(bool Value) {
  FUseIntlNames = Value;
  if (!Value) return;
  TFormatSettings fs = FormatSettings();
  for (int i = 0; i < 12; ++i) FNames[i] = fs.ShortMonthNames[i];
  Changed();
}

String TNameOfMonths::GetMonth(Integer i) const {
  if (i < 1 || i > 12) return String();
  return FNames[i - 1];
}

void TNameOfMonths::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TNameOfMonths*>(Source);
  if (!src) return TPersistent::Assign(Source);
  for (int i = 0; i < 12; ++i) FNames[i] = src->FNames[i];
  FUseIntlNames = src->FUseIntlNames;
  Changed();
}

// --- TYearStartAt ----------------------------------------------------------

void TYearStartAt::Changed() {
  if (OnChange) OnChange(this);
}

void TYearStartAt::SetDay(Integer& field, Integer v) {
  if (v < 1 || v > 31) {
    MessageDlg(L"Invalid day. Should be in [1..31]", mtError, {mbOK}, 0);
    return;
  }
  field = v;
  Changed();
}

void TYearStartAt::SetMonth(Integer& field, Integer v) {
  if (v < 1 || v > 12) {
    MessageDlg(L"Invalid month. Should be in [1..12]", mtError, {mbOK}, 0);
    return;
  }
  field = v;
  Changed();
}

void TYearStartAt::SetISOWeekNumber(bool Value) {
  FISOWeekNumber = Value;
  Changed();
}

void TYearStartAt::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TYearStartAt*>(Source);
  if (!src) return TPersistent::Assign(Source);
  FValues = src->FValues;
  FISOWeekNumber = src->FISOWeekNumber;
  Changed();
}

void ApplyISOYearStart(TYearStartAt& ys, Word year) {
  ys.StoreValues(ISOYearStarts(year));
}

// --- TMinMaxDate -----------------------------------------------------------

TDateTime TMinMaxDate::Date() const {
  return EncodeDateChecked(static_cast<Word>(FYear), static_cast<Word>(FMonth),
                           static_cast<Word>(FDay));
}

void TMinMaxDate::SetDate(TDateTime Value) {
  Word y, m, d;
  DecodeDate(Value, y, m, d);
  FYear = static_cast<SmallInt>(y);
  FMonth = static_cast<SmallInt>(m);
  FDay = static_cast<SmallInt>(d);
}

void TMinMaxDate::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TMinMaxDate*>(Source);
  if (!src) return TPersistent::Assign(Source);
  FDay = src->FDay;
  FMonth = src->FMonth;
  FYear = src->FYear;
  FUse = src->FUse;
  Changed();
}

// --- TCalendarBrowsers -----------------------------------------------------

void TCalendarBrowsers::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TCalendarBrowsers*>(Source);
  if (!src) return TPersistent::Assign(Source);
  FPrevMonth = src->FPrevMonth;
  FPrevYear = src->FPrevYear;
  FNextMonth = src->FNextMonth;
  FNextYear = src->FNextYear;
  Changed();
}

// --- TCalGlyphs ------------------------------------------------------------

TCalGlyphs::TCalGlyphs(TPersistent* AOwner)
    : FOwner(AOwner),
      FNextMonth(std::make_unique<TBitmap>()),
      FPrevMonth(std::make_unique<TBitmap>()),
      FNextYear(std::make_unique<TBitmap>()),
      FPrevYear(std::make_unique<TBitmap>()) {
  for (TBitmap* b : {FNextMonth.get(), FPrevMonth.get(), FNextYear.get(), FPrevYear.get()})
    b->OnChange = [this](TObject*) { Changed(); };
}

TCalGlyphs::~TCalGlyphs() = default;

void TCalGlyphs::Changed() {
  if (OnChange) OnChange(this);
}

void TCalGlyphs::CopyInto(TBitmap& dest, TBitmap* src) {
  if (src == &dest) return;
  if (src)
    dest.Assign(src);
  else
    dest.SetSize(0, 0);  // no picture: the built-in arrow
}

void TCalGlyphs::SetNextMonth(TBitmap* Value) { CopyInto(*FNextMonth, Value); }
void TCalGlyphs::SetPrevMonth(TBitmap* Value) { CopyInto(*FPrevMonth, Value); }
void TCalGlyphs::SetNextYear(TBitmap* Value) { CopyInto(*FNextYear, Value); }
void TCalGlyphs::SetPrevYear(TBitmap* Value) { CopyInto(*FPrevYear, Value); }

void TCalGlyphs::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TCalGlyphs*>(Source);
  if (!src || src == this) return;
  SetNextMonth(src->NextMonth());
  SetPrevMonth(src->PrevMonth());
  SetNextYear(src->NextYear());
  SetPrevYear(src->PrevYear());
}

// --- TWeekDays -------------------------------------------------------------

bool TWeekDays::IsSet(Integer dayOfWeek) const {
  switch (dayOfWeek) {
    case 1: return FSun;
    case 2: return FMon;
    case 3: return FTue;
    case 4: return FWed;
    case 5: return FThu;
    case 6: return FFri;
    case 7: return FSat;
    default: return false;
  }
}

void TWeekDays::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TWeekDays*>(Source);
  if (!src) return TPersistent::Assign(Source);
  FSat = src->FSat;
  FSun = src->FSun;
  FMon = src->FMon;
  FTue = src->FTue;
  FWed = src->FWed;
  FThu = src->FThu;
  FFri = src->FFri;
  Changed();
}

}  // namespace jorv::calendar
