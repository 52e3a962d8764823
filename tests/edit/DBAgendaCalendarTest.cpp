// The data-aware calendar on an in-memory table of ranges: what a reload
// makes of the records, when the link's notices reload, and what a failed
// reload leaves behind.
#include <gtest/gtest.h>

#include "edit/DBAgendaCalendar.h"
#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"
#include "platform/data/Field.h"
#include "platform/data/MemoryDataSet.h"
#include "platform/rtl/DateUtils.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::edit;
using namespace jorv::test;

namespace {

class DBAgendaCalendarTest : public ::testing::Test {
 protected:
  DBAgendaCalendarTest() {
    Table.FieldDefs().Add(L"Von", ftDateTime, 0);
    Table.FieldDefs().Add(L"Bis", ftDateTime, 0);
    Table.FieldDefs().Add(L"Text", ftWideString, 30);
    Table.FieldDefs().Add(L"Form", ftInteger, 0);
    Table.FieldDefs().Add(L"Farbe", ftInteger, 0);
    Table.CreateDataSet();
    Source.SetDataSet(&Table);
    Calendar = new TDBAgendaCalendar(Form.Get());
    Calendar->SetParent(Form.Get());
    Calendar->SetBounds(0, 0, 180, 180);
    Calendar->SetDate(1, 3, 2016);
    Calendar->SetEventMarkerColor(clYellow);
    Calendar->SetEventMarkerShape(evsCircle);
    Calendar->OnEventInsert = [this](TObject*, TSelDateItem* Item) { Inserted.push_back(Item->Date()); };
  }
  void Add(TDateTime From, TDateTime To, const String& Text, Integer Shape = 0, TColor Color = 0) {
    Table.Append();
    Table.FieldByName(L"Von")->SetAsDateTime(From);
    Table.FieldByName(L"Bis")->SetAsDateTime(To);
    Table.FieldByName(L"Text")->SetAsString(Text);
    Table.FieldByName(L"Form")->SetAsInteger(Shape);
    Table.FieldByName(L"Farbe")->SetAsInteger(Color);
    Table.Post();
  }
  void Bind(bool WithSubject = true) {
    Calendar->SetDataSource(&Source);
    Calendar->SetStartTimeField(L"Von");
    Calendar->SetEndTimeField(L"Bis");
    if (WithSubject) Calendar->SetSubjectField(L"Text");
    Calendar->SetActive(true);
  }
  TSelDateItem* On(Word Day, Word Month = 3) { return Calendar->Events()->GetDate(EncodeDate(2016, Month, Day)); }

  TTestForm Form{200, 200};
  TMemoryDataSet Table;
  TDataSource Source;
  TDBAgendaCalendar* Calendar;
  std::vector<TDateTime> Inserted;
};

TEST_F(DBAgendaCalendarTest, RecordsBecomeHintedRangesInEitherOrder) {
  Add(EncodeDate(2016, 3, 7), EncodeDate(2016, 3, 5), L"Messe");  // start after end
  Add(EncodeDate(2016, 3, 6), EncodeDate(2016, 3, 6), L"Feier", evsSquare, clRed);
  Calendar->SetShapeField(L"Form");
  Calendar->SetColorField(L"Farbe");
  Bind();
  EXPECT_EQ(Calendar->Events()->Count(), 3);
  ASSERT_TRUE(On(5) && On(6) && On(7));
  EXPECT_EQ(On(5)->Hint(), L"Messe");
  // The later record's subject is appended and its looks win.
  EXPECT_EQ(On(6)->Hint(), L"Messe\rFeier");
  EXPECT_EQ(On(6)->Shape(), evsSquare);
  EXPECT_EQ(On(6)->Color(), clRed);
  // The second record added no day: its insert event sees the last item.
  ASSERT_EQ(Inserted.size(), 2u);
  EXPECT_EQ(Inserted[1], EncodeDate(2016, 3, 7));
}

TEST_F(DBAgendaCalendarTest, WithoutSubjectAnExistingDayKeepsItsItem) {
  Add(EncodeDate(2016, 3, 6), EncodeDate(2016, 3, 6), L"a", evsSquare, clRed);
  Add(EncodeDate(2016, 3, 6), EncodeDate(2016, 3, 6), L"b", evsTriangle, clBlue);
  Calendar->SetShapeField(L"Form");
  Calendar->SetColorField(L"Farbe");
  Bind(false);
  ASSERT_EQ(Calendar->Events()->Count(), 1);
  EXPECT_EQ(On(6)->Shape(), evsSquare);
  EXPECT_EQ(On(6)->Hint(), L"");
}

TEST_F(DBAgendaCalendarTest, NoticesReloadAsTheLinkDefinesAndKeepTheCurrentRecord) {
  Add(EncodeDate(2016, 3, 1), EncodeDate(2016, 3, 1), L"a");
  Add(EncodeDate(2016, 3, 2), EncodeDate(2016, 3, 2), L"b");
  Bind();
  Table.First();
  Table.Next();
  const TBookmark Before = Table.GetBookmark();
  // Scrolling alone does not reload.
  Inserted.clear();
  Table.Prior();
  Table.Next();
  EXPECT_TRUE(Inserted.empty());
  // Editing holds the reload back; the post's data-set notice reloads twice.
  Table.Edit();
  Table.FieldByName(L"Text")->SetAsString(L"B");
  Calendar->DoMonthChange(EncodeDate(2016, 3, 1), EncodeDate(2016, 4, 1));
  EXPECT_TRUE(Inserted.empty());
  Table.Post();
  EXPECT_EQ(Inserted.size() % 2, 0u);
  EXPECT_GE(Inserted.size(), 4u);
  EXPECT_EQ(On(2)->Hint(), L"B");
  EXPECT_EQ(Table.CompareBookmarks(Table.GetBookmark(), Before), 0);
  EXPECT_FALSE(Table.ControlsDisabled());
}

TEST_F(DBAgendaCalendarTest, WithoutAutoUpdateOnlyMonthAndYearChangesReload) {
  Add(EncodeDate(2016, 3, 1), EncodeDate(2016, 3, 1), L"a");
  Calendar->SetAutoUpdate(false);
  Bind();
  Table.Edit();
  Table.FieldByName(L"Text")->SetAsString(L"A");
  Table.Post();
  EXPECT_EQ(On(1)->Hint(), L"a");
  Calendar->DoMonthChange(EncodeDate(2016, 3, 1), EncodeDate(2016, 4, 1));
  EXPECT_EQ(On(1)->Hint(), L"A");
}

TEST_F(DBAgendaCalendarTest, EmptyTableInactiveCalendarAndClearedSourceShowNoEvents) {
  Bind();
  EXPECT_EQ(Calendar->Events()->Count(), 0);
  EXPECT_TRUE(Inserted.empty());
  Add(EncodeDate(2016, 3, 1), EncodeDate(2016, 3, 1), L"a");
  EXPECT_EQ(Calendar->Events()->Count(), 1);
  Calendar->SetActive(false);
  EXPECT_EQ(Calendar->Events()->Count(), 0);
  Calendar->SetActive(true);
  EXPECT_EQ(Calendar->Events()->Count(), 1);
  Calendar->SetDataSource(nullptr);
  EXPECT_EQ(Calendar->Events()->Count(), 0);
}

TEST_F(DBAgendaCalendarTest, UnknownFieldFailsTheReloadButLeavesTableAndCalendarUsable) {
  Add(EncodeDate(2016, 3, 1), EncodeDate(2016, 3, 1), L"a");
  Add(EncodeDate(2016, 3, 2), EncodeDate(2016, 3, 2), L"b");
  Table.First();
  Calendar->SetDataSource(&Source);
  Calendar->SetStartTimeField(L"Von");
  Calendar->SetEndTimeField(L"Bis");
  Calendar->SetSubjectField(L"Gibtsnicht");
  EXPECT_THROW(Calendar->SetActive(true), Exception);
  EXPECT_FALSE(Table.ControlsDisabled());
  EXPECT_FALSE(Calendar->Updating());
  EXPECT_EQ(Table.FieldByName(L"Text")->AsString(), L"a");
  Calendar->SetSubjectField(L"Text");
  Calendar->UpdateCalendar();
  EXPECT_EQ(Calendar->Events()->Count(), 2);
}

}  // namespace
