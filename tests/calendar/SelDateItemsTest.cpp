#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "calendar/CustomCalendarPanel.h"
#include "platform/gfx/Colors.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/WinApi.h"

using namespace jorv::calendar;

using namespace jorv;

namespace {

class RecordingPanel : public TCustomCalendarPanel {
 public:
  RecordingPanel() : TCustomCalendarPanel(nullptr) {
    SetEventMarkerColor(clYellow);
    SetEventMarkerShape(evsTriangle);
    SetEventDayColor(clRed);
  }
  void ItemsChanged() override { ++itemsChanged; }
  void InvalidateDate(TDateTime ADate) override { repainted.push_back(ADate); }
  int itemsChanged = 0;
  std::vector<TDateTime> repainted;
};

std::vector<TDateTime> DatesOf(const TSelDateItems& l) {
  std::vector<TDateTime> r;
  for (Integer i = 0; i < l.Count(); ++i) r.push_back(l.Items(i)->Date());
  return r;
}

}  // namespace

TEST(SelDateItems, LookupsGoByWholeDayAlsoBefore1899) {
  RecordingPanel p;
  TSelDateItems l(&p);
  for (TDateTime d : {42000.25, 42000.75, -1.25, 0.5}) l.Add()->SetDate(d);
  struct Case { TDateTime dt; Integer pos; } cases[] = {
      {42000.9, 0},  // first in list order on that day
      {42000.0, 0},
      {42001.0, -1},
      {-1.75, 2},    // 29 Dec 1899 18:00
      {-1.0, 2},
      {-0.5, 3},     // 30 Dec 1899 12:00 is day 0, not day -1
      {-2.0, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.pos, l.IsDateInList(c.dt)) << c.dt;
    EXPECT_EQ(c.pos < 0 ? nullptr : l.Items(c.pos), l.GetDate(c.dt)) << c.dt;
  }
  EXPECT_EQ(l.Items(1), l.ItemOnDate(42000.75));
  EXPECT_EQ(nullptr, l.ItemOnDate(42000.5));
  EXPECT_EQ(-1, l.IsInList(1, 1, 2016));
  l.Add()->SetDate(EncodeDate(2016, 1, 1));
  EXPECT_EQ(4, l.IsInList(1, 1, 2016));
  EXPECT_EQ(-1, l.IsInList(1, 13, 2016));  // looks for date 0, finds nothing exact
  EXPECT_THROW(l.IsInList(31, 2, 2016), Exception);
}

TEST(SelDateItems, EmptyListFindsNothingAndSendsNoNotice) {
  RecordingPanel p;
  TSelDateItems l(&p);
  EXPECT_EQ(-1, l.IsDateInList(42000));
  EXPECT_EQ(nullptr, l.GetDate(42000));
  l.DelRange(1, 100);
  l.StopUpdate();
  EXPECT_EQ(0, l.Count());
  EXPECT_EQ(0, p.itemsChanged);
}

TEST(SelDateItems, AddTakesTheOwnersMarkerLooksInsertDoesNot) {
  RecordingPanel p;
  TSelDateItems l(&p);
  TSelDateItem* a = l.Add();
  EXPECT_EQ(clYellow, a->Color());
  EXPECT_EQ(clYellow, a->ColorPM());
  EXPECT_EQ(evsTriangle, a->Shape());
  EXPECT_EQ(clRed, a->FontColor());
  TSelDateItem* b = l.Insert(0);
  EXPECT_EQ(0, b->Index());
  EXPECT_EQ(evsRectangle, b->Shape());
  EXPECT_EQ(0, b->Color());
}

TEST(SelDateItems, RangesWalkWholeDaysFromTheEarlierBound) {
  struct Case {
    const char* name;
    TDateTime from, to;
    std::vector<TDateTime> present, expected;
  } cases[] = {
      {"keeps the earlier time", 1.5, 3.2, {}, {1.5, 2.5}},
      {"bounds swapped", 3.2, 1.5, {}, {1.5, 2.5}},
      {"single day", 7.0, 7.0, {}, {7.0}},
      {"existing day kept once", 1.0, 3.0, {2.75}, {2.75, 1.0, 3.0}},
      {"across 30 Dec 1899", -2.25, 0.25, {}, {-2.25, -1.25, 0.25}},
  };
  for (const Case& c : cases) {
    RecordingPanel p;
    TSelDateItems l(&p);
    for (TDateTime d : c.present) l.Add()->SetDate(d);
    l.AddRange(c.from, c.to);
    EXPECT_EQ(c.expected, DatesOf(l)) << c.name;
  }
}

TEST(SelDateItems, HintsOfOneDayJoinWithALoneCarriageReturn) {
  RecordingPanel p;
  TSelDateItems l(&p);
  TDateTime d = EncodeDate(2016, 12, 25);
  l.AddRangeHint(d, d, L"A");
  l.AddRangeHint(d + 0.5, d + 0.5, L"B");
  ASSERT_EQ(1, l.Count());
  EXPECT_EQ(L"A\rB", l.Items(0)->Hint());
  l.AddRangeHint(d, d, L"B");  // duplicates are not weeded out
  EXPECT_EQ(L"A\rB\rB", l.Items(0)->Hint());

  l.Items(0)->SetHint(String());
  l.AddRangeHint(d, d, L"C");
  EXPECT_EQ(L"C", l.Items(0)->Hint());
}

TEST(SelDateItems, ShapeAndColourVariantsTreatExistingDaysDifferently) {
  RecordingPanel p;
  TSelDateItems l(&p);
  TDateTime d = EncodeDate(2016, 5, 1);
  l.AddRange(d, d);
  l.AddRangeSC(d, d + 1, evsSquare, clBlue);
  EXPECT_EQ(evsTriangle, l.Items(0)->Shape()) << "existing day left alone";
  EXPECT_EQ(evsSquare, l.Items(1)->Shape());
  EXPECT_EQ(clBlue, l.Items(1)->Color());
  EXPECT_EQ(clYellow, l.Items(1)->ColorPM());

  l.AddRangeHintSC(d, d, L"Heute", evsCircle, clRed);
  EXPECT_EQ(evsCircle, l.Items(0)->Shape()) << "existing day restyled";
  EXPECT_EQ(clRed, l.Items(0)->Color());
  EXPECT_EQ(clYellow, l.Items(0)->ColorPM());
  EXPECT_EQ(L"Heute", l.Items(0)->Hint());
}

TEST(SelDateItems, DelRangeFreesTheFirstItemOfEachDay) {
  RecordingPanel p;
  TSelDateItems l(&p);
  for (TDateTime d : {10.25, 10.75, 11.0, 12.0, 13.0}) l.Add()->SetDate(d);
  l.DelRange(12.5, 10.0);
  EXPECT_EQ((std::vector<TDateTime>{10.75, 13.0}), DatesOf(l));
}

TEST(SelDateItems, UpdateBracketNotifiesTheOwnerOnceAtTheEnd) {
  RecordingPanel p;
  TSelDateItems l(&p);
  l.StartUpdate();
  l.StartUpdate();
  l.Changed();
  l.StopUpdate();
  EXPECT_EQ(0, p.itemsChanged);
  l.StopUpdate();
  EXPECT_EQ(1, p.itemsChanged);
  l.StopUpdate();  // already at 0: nothing
  EXPECT_EQ(1, p.itemsChanged);
  l.StartUpdate();
  l.ResetUpdate();  // lowered without notice
  EXPECT_EQ(1, p.itemsChanged);
  l.Changed();
  EXPECT_EQ(2, p.itemsChanged);
}

TEST(SelDateItems, ListAssignmentCopiesItemsWhole) {
  RecordingPanel p;
  TSelDateItems from(&p), to(&p);
  TObject marker;
  TSelDateItem* a = from.Add();
  a->SetDate(42000.5);
  a->SetHint(L"h");
  a->SetShape(evsAMPMRectangle);
  a->SetColor(clRed);
  a->SetColorPM(clBlue);
  a->SetFontColor(clGreen);
  a->SetTag(7);
  a->SetItemObject(&marker);
  to.Add()->SetDate(1);
  to.Assign(&from);
  ASSERT_EQ(1, to.Count());
  TSelDateItem* b = to.Items(0);
  EXPECT_EQ(42000.5, b->Date());
  EXPECT_EQ(L"h", b->Hint());
  EXPECT_EQ(evsAMPMRectangle, b->Shape());
  EXPECT_EQ(clRed, b->Color());
  EXPECT_EQ(clBlue, b->ColorPM());
  EXPECT_EQ(clGreen, b->FontColor());
  EXPECT_EQ(7, b->Tag());
  EXPECT_EQ(&marker, b->ItemObject());
}

TEST(SelDateItems, CollectionUpdatesReachOnChange) {
  TSelDateItems l(nullptr);  // a free-standing copy needs no owner
  int changes = 0;
  l.OnChange = [&](TObject* s) {
    EXPECT_EQ(&l, s);
    ++changes;
  };
  l.AddRange(1, 2);
  EXPECT_GT(changes, 0);
  EXPECT_EQ(2, l.Count());
}

TEST(SelDateItems, ItemWritesRepaintTheirDayOnlyWhenTheyMayHaveChangedIt) {
  // A hidden host window gives the panel a handle without any pumping; it
  // goes after the panel.
  struct Host {
    HWND h = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                             nullptr, nullptr);
    ~Host() { DestroyWindow(h); }
  } host;
  RecordingPanel p;
  p.SetParentWindow(host.h);
  p.HandleNeeded();
  TSelDateItems l(&p);
  TSelDateItem* it = l.Add();
  it->SetDate(10.5);
  it->SetColor(clRed);
  it->SetColorPM(clBlue);
  struct Case {
    const char* name;
    std::function<void()> write;
    bool notifies;
  } cases[] = {
      {"same Color", [&] { it->SetColor(clRed); }, false},
      {"same ColorPM", [&] { it->SetColorPM(clBlue); }, false},
      {"same Date", [&] { it->SetDate(10.5); }, false},
      {"new Color", [&] { it->SetColor(clGreen); }, true},
      {"same Shape", [&] { it->SetShape(it->Shape()); }, true},
      {"same Hint", [&] { it->SetHint(it->Hint()); }, true},
      {"same FontColor", [&] { it->SetFontColor(it->FontColor()); }, true},
  };
  for (const Case& c : cases) {
    p.repainted.clear();
    c.write();
    EXPECT_EQ(c.notifies ? std::vector<TDateTime>{10.5} : std::vector<TDateTime>{},
              p.repainted)
        << c.name;
  }

  p.repainted.clear();
  it->SetDate(12.0);
  EXPECT_EQ(std::vector<TDateTime>{12.0}, p.repainted) << "the new day repaints";

  p.repainted.clear();
  l.SetVisible(false);
  it->SetShape(evsSquare);
  EXPECT_TRUE(p.repainted.empty()) << "a hidden list repaints nothing";
  l.SetVisible(true);

  l.Delete(0);
  EXPECT_EQ(std::vector<TDateTime>{12.0}, p.repainted) << "a freed item repaints its day";
}

TEST(CalendarPanel, BaseLooksAndTheBoldEventFontWithItsNotice) {
  struct FontWatcher : TCustomCalendarPanel {
    FontWatcher() : TCustomCalendarPanel(nullptr) {}
    void EventFontChanged() override { ++changes; }
    int changes = 0;
  } p;
  EXPECT_EQ(0, p.EventMarkerColor());
  EXPECT_EQ(evsRectangle, p.EventMarkerShape());
  EXPECT_EQ(0, p.EventDayColor());
  EXPECT_TRUE(p.EventFont()->Style().Contains(fsBold));

  TFont f;
  f.SetSize(14);
  p.SetEventFont(&f);
  EXPECT_EQ(14, p.EventFont()->Size());
  EXPECT_NE(&f, p.EventFont()) << "the panel keeps its own font";
  EXPECT_GT(p.changes, 0);
}
