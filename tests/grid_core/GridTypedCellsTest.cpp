// Typed access to the grid's cells after the locale, and the fixed English
// messages for cells that do not hold the type.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/support/PinnedFormatSettings.h"

using namespace jorv;
using namespace jorv::grid;


namespace {

TFormatSettings Locale(Char Decimal, Char Thousand) {
  TFormatSettings fs;
  fs.DecimalSeparator = Decimal;
  fs.ThousandSeparator = Thousand;
  fs.DateSeparator = L'.';
  fs.ShortDateFormat = L"dd.mm.yyyy";
  fs.TimeSeparator = L':';
  fs.LongTimeFormat = L"hh:nn:ss";
  return fs;
}

template <class F>
String MessageOf(F Call) {
  try {
    Call();
  } catch (const DAvoDeveDeviz& E) {
    return E.Message();
  }
  return L"no error";
}

}  // namespace

TEST(GridTypedCells, IntegersAfterTheLocale) {
  TFormatSettings Point = Locale(L'.', L',');
  PinnedFormatSettings Pin(Point);
  TRezIvevirAvod G(nullptr);
  struct {
    const wchar_t* Text;
    Integer Value;
  } Cases[] = {{L" 42 ", 42}, {L"", 0}, {L"-", 0}, {L"<b>7</b>", 7}, {L"2.5", 2}, {L"3.5", 4},
               {L"1,000", 1000}, {L"-12", -12}};
  for (auto C : Cases) {
    G.SetCells(1, 1, C.Text);
    EXPECT_EQ(G.GetInts(1, 1), C.Value) << UTF8Encode(C.Text);
  }
  G.SetCells(1, 1, L"abc");
  EXPECT_EQ(MessageOf([&] { G.GetInts(1, 1); }), L"Cell does not contain integer value");
  G.SetCells(1, 1, L"2.5");
  EXPECT_EQ(MessageOf([&] { G.GetAllInts(1, 1); }), L"Cell does not contain integer value");
  G.SetInts(2, 2, -7);
  EXPECT_EQ(G.GetCells(2, 2), L"-7");
}

TEST(GridTypedCells, FloatsAfterTheLocale) {
  TFormatSettings Comma = Locale(L',', L'.');
  PinnedFormatSettings Pin(Comma);
  TRezIvevirAvod G(nullptr);
  struct {
    const wchar_t* Text;
    double Value;
  } Cases[] = {{L"1.234,50", 1234.5}, {L"(3,25)", -3.25}, {L"abc", 0}, {L"", 0}};
  for (auto C : Cases) {
    G.SetCells(1, 1, C.Text);
    EXPECT_DOUBLE_EQ(G.GetFloats(1, 1), C.Value) << UTF8Encode(C.Text);
  }
  G.SetCells(1, 1, L"1,2,3");
  EXPECT_EQ(MessageOf([&] { G.GetFloats(1, 1); }), L"Cell does not contain a float value");
  G.SetFloats(1, 2, 2.5);
  EXPECT_EQ(G.GetCells(1, 2), L"2,50");
}

TEST(GridTypedCells, DatesAndTimesAfterTheLocale) {
  TFormatSettings Comma = Locale(L',', L'.');
  PinnedFormatSettings Pin(Comma);
  TRezIvevirAvod G(nullptr);
  G.SetDates(1, 1, EncodeDate(2024, 2, 29));
  EXPECT_EQ(G.GetCells(1, 1), L"29.02.2024");
  EXPECT_EQ(G.GetDates(1, 1), EncodeDate(2024, 2, 29));
  G.SetDates(1, 2, 0);
  EXPECT_EQ(G.GetCells(1, 2), L"30.12.1899");
  G.SetShowNullDates(false);
  G.SetDates(1, 2, 0);
  EXPECT_EQ(G.GetCells(1, 2), L"");
  G.SetTimes(1, 3, EncodeTime(13, 5, 9, 0));
  EXPECT_EQ(G.GetCells(1, 3), L"13:05:09");
  EXPECT_NEAR(G.GetTimes(1, 3), EncodeTime(13, 5, 9, 0), 1e-9);
  G.SetCells(1, 4, L"no date");
  EXPECT_THROW(G.GetDates(1, 4), EConvertError);
}

TEST(GridTypedCells, WebAddressesBecomeLinksInTheShownText) {
  TRezIvevirAvod G(nullptr);
  G.SetCells(1, 1, L"see http://example.org/a?b=1 now");
  EXPECT_EQ(G.GetCells(1, 1), L"see http://example.org/a?b=1 now");
  G.SetURLShowInText(true);
  EXPECT_EQ(G.GetCells(1, 1), L"see <a href=\"http://example.org/a\">http://example.org/a</a>?b=1 now");
  EXPECT_EQ(G.GetGridCell(1, 1), L"see http://example.org/a?b=1 now");
}
