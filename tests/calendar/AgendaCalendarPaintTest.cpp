// The month calendar as it appears: where days, markers, the selection and
// the weekend colours land in a rendered calendar set up like the
// application's main window (German names, week column "kw", ISO weeks,
// Monday first, yellow circles for events).
#include <gtest/gtest.h>

#include "calendar/agendacal.h"
#include "foundation/ExImage.h"
#include "platform/rtl/DateUtils.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ui/Gui.h"

using namespace jorv::foundation;
using namespace jorv::calendar;

using namespace jorv;
using namespace jorv::test;

namespace {

TDateTime D(Word y, Word m, Word d) { return EncodeDate(y, m, d); }

class PaintedCalendar : public TAgendaCalendar {
 public:
  explicit PaintedCalendar(TComponent* AOwner) : TAgendaCalendar(AOwner) {
    // The classic border: the visual style's edit colour is not ours to
    // predict.
    FThemedBorder = false;
  }
  void SetHover(TDateTime d) { FHoverDate = d; }
};

// The main window's calendar, 180 x 180 on a test form.
struct CalendarPaint : ::testing::Test {
  FixedClock clock{D(2016, 3, 18) + 0.25};
  TTestForm form{200, 200};
  PaintedCalendar* cal = nullptr;

  void SetUp() override {
    cal = new PaintedCalendar(form.Get());
    cal->SetParent(form.Get());
    cal->SetBounds(0, 0, 180, 180);
    TNameOfDays* days = cal->NameOfDays();
    days->SetUseIntlNames(false);
    const wchar_t* dayNames[] = {L"Mo", L"Di", L"Mi", L"Do", L"Fr", L"Sa", L"So"};
    void (TNameOfDays::*daySetters[])(const String&) = {
        &TNameOfDays::SetMonday, &TNameOfDays::SetTuesday,  &TNameOfDays::SetWednesday,
        &TNameOfDays::SetThursday, &TNameOfDays::SetFriday, &TNameOfDays::SetSaturday,
        &TNameOfDays::SetSunday};
    for (int i = 0; i < 7; ++i) (days->*daySetters[i])(dayNames[i]);
    TNameOfMonths* months = cal->NameOfMonths();
    months->SetUseIntlNames(false);
    months->SetMarch(L"Mär");
    cal->SetShowWeeks(true);
    cal->SetWeekName(L"kw");
    cal->YearStartAt()->SetISOWeekNumber(true);
    cal->SetStartDay(1);
    cal->SetEventMarkerShape(evsCircle);
    cal->SetEventMarkerColor(clYellow);
    cal->SetDate(D(2016, 3, 10));  // 1 March 2016 is a Tuesday: one day of February first
  }

  // The painted cell of a grid position (column and row from 1), as the
  // layout of a 180-pixel calendar with a week column gives it.
  static TRect Cell(Integer col, Integer row, Integer dx = 21, Integer xoffset = 21) {
    Integer right = col * dx + xoffset + 2, top = row * 23 + 16 - 2;
    return TRect(right - dx + 2, top, right, top + 23);
  }
  TRect CellOf(TDateTime d) {
    TPoint p = cal->DateToXY(d);
    return Cell(p.X, p.Y);
  }
  static Integer Count(TRendered& r, const TRect& R, TColor c) {
    Integer n = 0;
    for (Integer y = R.Top + 1; y < R.Bottom - 1; ++y)
      for (Integer x = R.Left + 1; x < R.Right - 1; ++x)
        if (r.Pixel(x, y) == c) ++n;
    return n;
  }
};

TEST_F(CalendarPaint, DaysMarkersSelectionAndWeekendsLandInTheirCells) {
  cal->Events()->AddRange(D(2016, 3, 15), D(2016, 3, 15));  // Tuesday
  cal->Events()->AddRange(D(2016, 3, 10), D(2016, 3, 10));  // the selected day
  cal->Events()->AddRange(D(2016, 3, 19), D(2016, 3, 19));  // Saturday
  TRendered r(cal);

  const TColor sel = 0x808000, weekend = 0x0000FF, text = clBlack, invers = 0x808000;
  struct Case {
    const char* what;
    TDateTime day;
    TColor marker;     // at the marker's left edge, clear of the digits; clNone: none
    TColor textColor;  // some digit pixels have it
    TColor absent;     // no pixel of the cell has it
  } cases[] = {
      {"selected event day shows the selection", D(2016, 3, 10), sel, clWhite, clYellow},
      {"event day", D(2016, 3, 15), clYellow, text, weekend},
      {"event on a Saturday takes the item's text colour", D(2016, 3, 19), clYellow, text, weekend},
      {"weekday", D(2016, 3, 2), clNone, text, weekend},
      {"Saturday", D(2016, 3, 5), clNone, weekend, text},
      {"Sunday", D(2016, 3, 27), clNone, weekend, text},
      {"February day before the first", D(2016, 2, 29), clNone, invers, weekend},
      {"April day after the last", D(2016, 4, 1), clNone, invers, weekend},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TRect cell = CellOf(c.day);
    Integer midY = (cell.Top + cell.Bottom) / 2;
    if (c.marker != clNone) { EXPECT_EQ(c.marker, r.Pixel(cell.Left + 3, midY)); }
    EXPECT_GT(Count(r, cell, c.textColor), 5);
    EXPECT_EQ(0, Count(r, cell, c.absent));
    if (c.marker == clNone) { EXPECT_EQ(0, Count(r, cell, clYellow)); }
  }
  // The grid: 1 March in column 2 of row 1, the 31st in column 4 of row 5.
  EXPECT_EQ(TPoint(2, 1), cal->DateToXY(D(2016, 3, 1)));
  EXPECT_EQ(TPoint(4, 5), cal->DateToXY(D(2016, 3, 31)));
  // A circle leaves the corners of its cell alone; the selection fills them.
  TRect ev = CellOf(D(2016, 3, 15));
  EXPECT_NE(clYellow, r.Pixel(ev.Left + 1, ev.Top + 1));
  TRect s = CellOf(D(2016, 3, 10));
  EXPECT_EQ(sel, r.Pixel(s.Left + 1, s.Top + 1));
}

TEST_F(CalendarPaint, WeekColumnAndSeparatorsAreDrawnInTheLineColour) {
  TRendered r(cal);
  // The week column's line at x = dx with its white edge beside it, down
  // the rows of days.
  for (Integer y : {60, 100, 170}) {
    EXPECT_EQ(0x808080, r.Pixel(21, y)) << y;
    EXPECT_EQ(clWhite, r.Pixel(22, y)) << y;
  }
  // Each row's week number is written in the column (ISO weeks 9 to 14).
  for (Integer row = 1; row <= 6; ++row) {
    TRect num(0, row * 23 + 14, 21, row * 23 + 14 + 21);
    EXPECT_GT(Count(r, num, clBlack), 3) << "row " << row;
  }
  EXPECT_EQ(9, cal->WeekNumberOfRow(1));
  EXPECT_EQ(14, cal->WeekNumberOfRow(6));
}

TEST_F(CalendarPaint, HiddenAdjacentDaysStayEmptyAndAreNoDates) {
  cal->SetShowDaysBefore(false);
  cal->SetShowDaysAfter(false);
  TRendered r(cal);
  for (TDateTime d : {D(2016, 2, 29), D(2016, 4, 1), D(2016, 4, 9)}) {
    TRect cell = CellOf(d);
    EXPECT_EQ(0, Count(r, cell, 0x808000)) << d;
    TDateTime got = 0;
    EXPECT_FALSE(cal->DateAtXY((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2, got)) << d;
  }
  TRect first = CellOf(D(2016, 3, 1));
  TDateTime got = 0;
  ASSERT_TRUE(cal->DateAtXY((first.Left + first.Right) / 2, (first.Top + first.Bottom) / 2, got));
  EXPECT_EQ(D(2016, 3, 1), got);
}

TEST_F(CalendarPaint, WithoutWeekColumnTheGridStartsAtTheBorder) {
  cal->SetShowWeeks(false);
  TRendered r(cal);
  // dx = (180 - 7) div 7 = 24 and the grid starts at BorderWidth 1.
  TPoint p = cal->DateToXY(D(2016, 3, 10));
  TRect cell = Cell(p.X, p.Y, 24, 1);
  EXPECT_EQ(0x808000, r.Pixel(cell.Left + 1, cell.Top + 1));
  EXPECT_EQ(0x808000, r.Pixel(cell.Right - 2, cell.Bottom - 2));
  EXPECT_NE(0x808000, r.Pixel(cell.Right + 1, cell.Top + 5));
}

TEST_F(CalendarPaint, LateHoursOfADayStayInItsCell) {
  for (double time : {0.0, 0.5, 0.75, 0.999}) {
    EXPECT_EQ(TPoint(4, 2), cal->DateToXY(D(2016, 3, 10) + time)) << time;
  }
  EXPECT_EQ(TPoint(4, 5), cal->DateToXY(D(2016, 3, 31) + 0.9));
}

TEST_F(CalendarPaint, TodayFrameOnlyInTheCurrentMonth) {
  cal->SetShowToday(true);
  TRect t = CellOf(D(2016, 3, 18));
  {
    TRendered r(cal);
    // Sunken: grey up the left side and white down the right.
    EXPECT_EQ(0x808080, r.Pixel(t.Left, t.Top + 10));
    EXPECT_EQ(clWhite, r.Pixel(t.Right, t.Top + 10));
  }
  cal->SetDate(D(2016, 4, 18));
  TRendered r(cal);
  TPoint p = cal->DateToXY(D(2016, 4, 18));
  TRect other = Cell(p.X, p.Y);
  EXPECT_NE(0x808080, r.Pixel(other.Left, other.Top + 10));
}

TEST_F(CalendarPaint, MarkerShapesAndTheirColours) {
  TSelDateItem* ampm = cal->Events()->Add();
  ampm->SetDate(D(2016, 3, 15));
  ampm->SetShape(evsAMPMRectangle);
  ampm->SetColor(clNone);
  ampm->SetColorPM(clLime);
  // A day marked only through the hook gets the panel's marker.
  cal->SetEventMarkerShape(evsRectangle);
  cal->SetEventMarkerColor(clAqua);
  cal->OnGetDateHint = [](TObject*, TDateTime dt, bool& isEvent) {
    if (dt == EncodeDate(2016, 3, 16)) isEvent = true;
  };
  TRendered r(cal);
  TRect a = CellOf(D(2016, 3, 15));
  EXPECT_NE(clLime, r.Pixel(a.Left + 3, a.Top + 3)) << "no morning band without a colour";
  EXPECT_EQ(clLime, r.Pixel(a.Left + 3, a.Bottom - 3));
  TRect h = CellOf(D(2016, 3, 16));
  EXPECT_EQ(clAqua, r.Pixel(h.Left + 1, h.Top + 1));
}

TEST_F(CalendarPaint, HoverHidesTheMarkerOfAnUnselectedDay) {
  cal->Events()->AddRange(D(2016, 3, 15), D(2016, 3, 15));
  cal->SetDateHoverColor(clLime);
  cal->SetHover(D(2016, 3, 15));
  TRendered r(cal);
  TRect cell = CellOf(D(2016, 3, 15));
  EXPECT_EQ(clLime, r.Pixel(cell.Left + 3, (cell.Top + cell.Bottom) / 2));
  EXPECT_EQ(0, Count(r, cell, clYellow));
}

TEST_F(CalendarPaint, CaptionBandAndBackgroundPicture) {
  {
    TRendered r(cal);
    EXPECT_NE(clRed, r.Pixel(3, 3));
  }
  cal->SetCaptionColor(clRed);
  TBitmap tile;
  tile.SetPixelFormat(pf24bit);
  tile.SetSize(8, 8);
  tile.Canvas()->Brush()->SetColor(clFuchsia);
  tile.Canvas()->FillRect(TRect(0, 0, 8, 8));
  TExImage picture;
  picture.Assign(&tile);
  cal->SetBackground(&picture);
  TRendered r(cal);
  EXPECT_EQ(clRed, r.Pixel(3, 3));
  // The picture replaces the gradient everywhere nothing else is drawn.
  EXPECT_EQ(clFuchsia, r.Pixel(90, 176));
  EXPECT_EQ(clFuchsia, r.Pixel(5, 176));
}

TEST_F(CalendarPaint, GlyphsReplaceTheArrowsWithTheirCornerColourClear) {
  TBitmap glyph;
  glyph.SetPixelFormat(pf24bit);
  glyph.SetSize(12, 12);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(TRect(0, 0, 12, 12));
  glyph.Canvas()->Brush()->SetColor(clBlue);
  glyph.Canvas()->FillRect(TRect(3, 3, 9, 9));
  cal->Glyphs()->SetNextYear(&glyph);
  TRendered r(cal);
  // Drawn at (Width - 12 - 5, BorderWidth + 1).
  EXPECT_EQ(clBlue, r.Pixel(180 - 17 + 5, 2 + 5));
  EXPECT_NE(clFuchsia, r.Pixel(180 - 17 + 1, 2 + 1));
  // The next-month arrow moves left of the glyph: W - 12 - 15 .. W - 12 - 10.
  EXPECT_EQ(clBlack, r.Pixel(180 - 12 - 14, 2 + 5));
}

}  // namespace
