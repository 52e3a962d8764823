// The data-aware date picker on an in-memory table: the drop-down's date and
// place, picking a day, F4, and what leaving and posting write for empty
// and invalid texts.
#include <gtest/gtest.h>

#include "edit/DBAgendaDatePicker.h"
#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"
#include "platform/data/Field.h"
#include "platform/data/MemoryDataSet.h"
#include "platform/rtl/DateUtils.h"
#include "platform/ui/Form.h"
#include "platform/ui/Screen.h"
#include "tests/support/FixedClock.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::edit;
using namespace jorv::test;

namespace {

class DBAgendaDatePickerTest : public ::testing::Test {
 protected:
  DBAgendaDatePickerTest() {
    Table.FieldDefs().Add(L"Datum", ftDateTime, 0);
    Table.FieldDefs().Add(L"Tagestext", ftWideString, 30);
    Table.CreateDataSet();
    Table.Append();
    Table.FieldByName(L"Datum")->SetAsDateTime(EncodeDate(2016, 3, 27));
    Table.FieldByName(L"Tagestext")->SetAsString(L"Ostern");
    Table.Post();
    Source.SetDataSet(&Table);
    Picker = new TDBAgendaDatePicker(Form.Get());
    Picker->SetParent(Form.Get());
    Picker->SetBounds(10, 10, 129, 21);
    Other = new TEdit(Form.Get());
    Other->SetParent(Form.Get());
    Other->SetBounds(10, 60, 100, 21);
    Picker->SetDataSource(&Source);
    Picker->SetDataField(L"Datum");
    Picker->HandleNeeded();
  }
  void Focus(TWinControl* Control) {
    Control->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return Control->Focused(); }));
  }
  void Type(const String& S) {
    SendMessageW(Picker->Handle(), EM_SETSEL, 0, -1);
    if (S.empty()) SendMessageW(Picker->Handle(), WM_CHAR, VK_BACK, 1);
    for (Char C : S) SendMessageW(Picker->Handle(), WM_CHAR, C, 1);
  }
  TField* Datum() { return Table.FieldByName(L"Datum"); }

  PinnedFormatSettings Pinned{USFormatSettings()};
  FixedClock Clock{EncodeDateTime(2016, 5, 4, 10, 30, 0, 0)};
  TTestForm Form{300, 120};
  TMemoryDataSet Table;
  TDataSource Source;
  TDBAgendaDatePicker* Picker;
  TEdit* Other;
};

TEST_F(DBAgendaDatePickerTest, ShowsTheFieldAndReportsItsVersion) {
  EXPECT_EQ(Picker->Text(), L"3/27/2016");
  EXPECT_EQ(Picker->Date(), EncodeDate(2016, 3, 27));
  EXPECT_EQ(Picker->GetVersionNr(), 0x01040009u);
  EXPECT_TRUE(Picker->HideCalendarAfterSelection());
}

TEST_F(DBAgendaDatePickerTest, DropDownOpensOnTheTextsDateTodayOrTheLastReadableDate) {
  struct Case {
    const wchar_t* Text;
    TDateTime Shown;
    const wchar_t* TextAfter;
  } Cases[] = {
      {L"3/27/2016", EncodeDate(2016, 3, 27), L"3/27/2016"},
      {L"", EncodeDate(2016, 5, 4), L""},
      // No date: the calendar keeps the last date the text could be read
      // as while it was typed ("2/3"), and the text shows it.
      {L"2/31/2016", EncodeDate(2016, 2, 3), L"2/3/2016"},
  };
  for (const Case& C : Cases) {
    Picker->Calendar()->SetDate(EncodeDate(2016, 3, 27));
    Type(C.Text);
    Picker->DropDown();
    EXPECT_TRUE(Picker->CalendarVisible()) << C.Text;
    EXPECT_EQ(TDateTime(Trunc(Picker->Calendar()->Date())), C.Shown) << C.Text;
    EXPECT_EQ(Picker->Text(), C.TextAfter) << C.Text;
    Picker->HideCalendar();
    Table.Cancel();
  }
}

TEST_F(DBAgendaDatePickerTest, DropDownSitsBelowTheEditOrAboveItNearTheBottom) {
  const TRect Work = Screen->WorkAreaRect();
  Picker->DropDown();
  const TPoint Below = Picker->ClientToScreen(TPoint(-2, Picker->Height() - 3));
  EXPECT_EQ(Picker->CalendarHost()->Left(), Below.X);
  EXPECT_EQ(Picker->CalendarHost()->Top(), Below.Y);
  Picker->HideCalendar();
  // Near the bottom right: the calendar ends at the edit's top and two
  // pixels left of its right edge.
  Form->SetBounds(Work.Right - 150, Work.Bottom - 100, 220, 100);
  Pump();
  Picker->DropDown();
  const TPoint Origin = Picker->ClientToScreen(TPoint(0, 0));
  TForm* Host = Picker->CalendarHost();
  EXPECT_EQ(Host->Top() + Host->Height(), Origin.Y);
  EXPECT_EQ(Host->Left() + Host->Width(), Origin.X + Picker->Width() - 2);
  Picker->HideCalendar();
}

TEST_F(DBAgendaDatePickerTest, PickingADayWritesTheFieldAndClosesUnlessAskedToStay) {
  std::vector<TDateTime> Selected;
  Picker->OnDaySelect = [&](TObject*, TDateTime D) { Selected.push_back(D); };
  for (bool Hide : {true, false}) {
    Picker->SetHideCalendarAfterSelection(Hide);
    Picker->DropDown();
    Picker->Calendar()->SetDate(EncodeDate(2016, 4, 1));
    Picker->CalendarDaySelect(Picker->Calendar(), EncodeDate(2016, 4, 1));
    EXPECT_EQ(Picker->CalendarVisible(), !Hide);
    EXPECT_EQ(Table.State(), dsEdit);
    EXPECT_EQ(Datum()->AsDateTime(), EncodeDate(2016, 4, 1));
    EXPECT_EQ(Picker->Text(), L"4/1/2016");
    Picker->HideCalendar();
  }
  EXPECT_EQ(Selected.size(), 2u);
}

TEST_F(DBAgendaDatePickerTest, F4OpensAndClosesAndCancelBtnClickStopsOneClick) {
  Focus(Picker);
  SendMessageW(Picker->Handle(), WM_KEYDOWN, VK_F4, 1);
  EXPECT_TRUE(Picker->CalendarVisible());
  SendMessageW(Picker->Handle(), WM_KEYDOWN, VK_F4, 1);
  EXPECT_FALSE(Picker->CalendarVisible());
  bool CancelNext = true;
  Picker->OnClickBtn = [&](TObject*) {
    if (CancelNext) Picker->CancelBtnClick();
    CancelNext = false;
  };
  Picker->DoClickBtn(Picker);
  EXPECT_FALSE(Picker->CalendarVisible());
  Picker->DoClickBtn(Picker);
  EXPECT_TRUE(Picker->CalendarVisible());
  Picker->HideCalendar();
}

TEST_F(DBAgendaDatePickerTest, LeavingWithAnEmptyTextWritesNoDateNotTheZeroDay) {
  for (bool AllowNull : {false, true}) {
    Picker->SetAllowNumericNullValue(AllowNull);
    Focus(Picker);
    Type(L"");
    Focus(Other);
    EXPECT_TRUE(Datum()->IsNull()) << AllowNull;
    Table.Post();
    EXPECT_TRUE(Datum()->IsNull()) << AllowNull;
    Table.Edit();
    Datum()->SetAsDateTime(EncodeDate(2016, 3, 27));
    Table.Post();
  }
}

TEST_F(DBAgendaDatePickerTest, TextThatIsNoDateIsNeitherWrittenNorPostedSilently) {
  Focus(Picker);
  Type(L"4/2/2016");
  Type(L"4/31/2016");
  Focus(Other);
  EXPECT_EQ(Datum()->AsDateTime(), EncodeDate(2016, 3, 27));
  // The post would store the last readable date (4/2) as if it had been
  // typed: it fails instead, and the record stays in edit state.
  EXPECT_THROW(Table.Post(), Exception);
  EXPECT_EQ(Table.State(), dsEdit);
  Table.Cancel();
  EXPECT_EQ(Datum()->AsDateTime(), EncodeDate(2016, 3, 27));
}

TEST_F(DBAgendaDatePickerTest, EnterInABoundCalendarPicksItsDateAndEscapeCloses) {
  Picker->Calendar()->OnKeyPress = [&](TObject* Sender, Char& Key) { Picker->CalendarKeyPress(Sender, Key); };
  Picker->DropDown();
  Picker->Calendar()->SetDate(EncodeDate(2016, 4, 5));
  SendMessageW(Picker->Calendar()->Handle(), WM_CHAR, VK_RETURN, 1);
  EXPECT_FALSE(Picker->CalendarVisible());
  EXPECT_EQ(Datum()->AsDateTime(), EncodeDate(2016, 4, 5));
  Picker->DropDown();
  SendMessageW(Picker->Calendar()->Handle(), WM_CHAR, VK_ESCAPE, 1);
  EXPECT_FALSE(Picker->CalendarVisible());
  Table.Cancel();
}

TEST_F(DBAgendaDatePickerTest, LooksPassToTheCalendar) {
  Picker->Calendar()->SetStyle(psOffice2003Blue);
  Picker->SetComponentStyle(tsCustom);
  EXPECT_EQ(Picker->Calendar()->Style(), psOffice2003Blue);
  Picker->SetComponentStyle(tsWindows7);
  EXPECT_EQ(Picker->Calendar()->Style(), psWindows7);
}

}  // namespace
