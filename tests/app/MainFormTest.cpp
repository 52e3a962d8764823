// The main window with its holiday table in a working folder of the test's
// own: start-up, the loader, the toolbar, the status bar and closing.
#include <gtest/gtest.h>

#include "platform/gfx/Bitmap.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/IniFiles.h"
#include "platform/ui/Application.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FixedClock.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::app;
using namespace jorv::test;

namespace {

const TDateTime Today = EncodeDate(2016, 3, 27);

// The size of the clipboard's bitmap as width * 10000 + height, read by a
// process of its own.
const bool ClipboardReaderRegistered = RegisterChildRoutine(L"clipboard-bitmap-size", [] {
  if (!OpenClipboard(nullptr)) return -2;
  int Result = -1;
  if (HANDLE H = GetClipboardData(CF_DIB)) {
    auto* Info = static_cast<BITMAPINFOHEADER*>(GlobalLock(H));
    Result = Info->biWidth * 10000 + std::abs(Info->biHeight);
    GlobalUnlock(H);
  }
  CloseClipboard();
  return Result;
});

class MainFormTest : public ::testing::Test {
 protected:
  void Start(const std::vector<std::pair<TDateTime, String>>& Rows) {
    MakeHolidayFile(Folder.Dir(), Rows);
    Forms = std::make_unique<TProgramForms>();
  }
  TFRM_Main* Main() { return Forms->Main(); }
  TSelDateItem* On(TDateTime Day) { return Main()->CAL_Main->Events()->GetDate(Day); }

  PinnedFormatSettings Pinned{GermanFormatSettings()};
  FixedClock Clock{Today + 10.0 / 24};
  TWorkingFolder Folder;
  TMessageBoxRecorder Boxes;
  std::unique_ptr<TProgramForms> Forms;
};

TEST_F(MainFormTest, StartsWithDefaultBoundsAndTwelveMonthsFromTheCurrentOne) {
  Start({{EncodeDate(2016, 5, 1), L"Tag der Arbeit"}});
  EXPECT_EQ(Main()->Caption(), L"Jorvensaal 2016");
  EXPECT_EQ(AppDir, Folder.Dir());
  EXPECT_EQ(IniFileName, Folder.Dir() + L"\\Tarvok.INI");
  EXPECT_EQ(Main()->BoundsRect(), TRect(5, 5, 5 + 742, 5 + 627));
  TAgendaCalendarGroup* C = Main()->CAL_Main;
  ASSERT_EQ(C->CalendarCount(), 12);
  EXPECT_EQ(C->Calendars(0)->Month(), 3);
  EXPECT_EQ(C->Calendars(11)->Month(), 2);
  EXPECT_EQ(C->Calendars(11)->Year(), 2017);
  ASSERT_TRUE(On(EncodeDate(2016, 5, 1)));
  EXPECT_EQ(On(EncodeDate(2016, 5, 1))->Hint(), L"Tag der Arbeit");
  EXPECT_EQ(On(EncodeDate(2016, 5, 1))->Color(), clYellow);
  EXPECT_EQ(On(EncodeDate(2016, 5, 1))->Shape(), evsCircle);
  EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(MainFormTest, LoaderMarksHolidaysAndTodayAndReportsMissingDates) {
  struct Case {
    const char* Name;
    std::vector<std::pair<TDateTime, String>> Rows;
    std::vector<std::pair<TDateTime, String>> Hints;  // an empty hint: no item
    size_t Messages;
  } Cases[] = {
      {"same day", {{EncodeDate(2016, 4, 1), L"A"}, {EncodeDate(2016, 4, 1), L"B"}},
       {{EncodeDate(2016, 4, 1), L"A\rB"}, {Today, L"Heute"}}, 0},
      {"holiday today", {{Today, L"Ostern"}}, {{Today, L"Ostern\rHeute"}}, 0},
      {"time part today", {{Today + 0.75, L"Abend"}}, {{Today, L"Abend\rHeute"}}, 0},
      {"empty table", {}, {{Today, L"Heute"}}, 1},
      // A row without a date sorts first; the holidays after it still show.
      {"empty date", {{EncodeDate(2016, 4, 1), L"A"}, {0, L"ohne"}, {EncodeDate(2016, 4, 3), L"C"}},
       {{EncodeDate(2016, 4, 1), L"A"}, {EncodeDate(2016, 4, 3), L"C"}}, 0},
      {"only empty dates", {{0, L"ohne"}}, {{Today, L"Heute"}}, 1},
  };
  for (const Case& K : Cases) {
    TWorkingFolder Own;
    TMessageBoxRecorder Recorder;
    MakeHolidayFile(Own.Dir(), K.Rows);
    TProgramForms Program;
    TSelDateItems* Events = Program.Main()->CAL_Main->Events();
    for (const auto& [Day, Hint] : K.Hints) {
      TSelDateItem* Item = Events->GetDate(Day);
      if (Hint.empty()) {
        EXPECT_FALSE(Item) << K.Name;
        continue;
      }
      ASSERT_TRUE(Item) << K.Name;
      EXPECT_EQ(Item->Hint(), Hint) << K.Name;
    }
    TSelDateItem* Mark = Events->GetDate(Today);
    ASSERT_TRUE(Mark) << K.Name;
    EXPECT_EQ(Mark->Color(), 0x0000FA) << K.Name;
    EXPECT_EQ(Mark->Shape(), evsCircle) << K.Name;
    ASSERT_EQ(Recorder.Boxes().size(), K.Messages) << K.Name;
    if (K.Messages) {
      EXPECT_EQ(Recorder.Boxes()[0].Text, L"Keine Feiertage eingegeben !") << K.Name;
    }
  }
}

TEST_F(MainFormTest, ReloadShowsTheChangedSetIncludingAnUnpostedNewRow) {
  Start({{EncodeDate(2016, 4, 1), L"A"}, {EncodeDate(2016, 4, 2), L"B"}});
  TADOTable* Table = Main()->ADO_Daysoff;
  Table->First();
  Table->Delete();
  // A row typed and not posted: the reload's move to the first row posts
  // it, and the loader must read it too.
  Table->Insert();
  Main()->ADO_DaysoffDatum->SetAsDateTime(EncodeDate(2016, 12, 24));
  Main()->ADO_DaysoffTagestext->SetAsString(L"Heiligabend");
  Main()->CAL_Main->SetStartMonth(9);
  Main()->BTN_Today->Click();
  EXPECT_FALSE(On(EncodeDate(2016, 4, 1)));
  ASSERT_TRUE(On(EncodeDate(2016, 12, 24)));
  EXPECT_EQ(On(EncodeDate(2016, 12, 24))->Hint(), L"Heiligabend");
  EXPECT_EQ(Main()->CAL_Main->Calendars(0)->Month(), 3);
  EXPECT_EQ(THolidayFile(Folder.Path(L"Tarvok.mdb")).Rows(),
            (std::vector<String>{L"2016-04-02 B", L"2016-12-24 Heiligabend"}));
  EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(MainFormTest, ClosingMaximizedStoresTheRestoredBoundsAndPostsThePendingEdit) {
  Start({{EncodeDate(2016, 4, 1), L"A"}});
  {
    TIniFile Ini(IniFileName);
    Ini.WriteInteger(L"FRM_Main", L"Left", 40);
    Ini.WriteInteger(L"FRM_Main", L"Top", 30);
    Ini.WriteInteger(L"FRM_Main", L"Width", 800);
    Ini.WriteInteger(L"FRM_Main", L"Height", 640);
  }
  Forms.reset();
  Forms = std::make_unique<TProgramForms>();
  EXPECT_EQ(Main()->BoundsRect(), TRect(40, 30, 840, 670));
  Main()->Show();
  Main()->SetWindowState(wsMaximized);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(Main()->Handle()) != 0; }));
  Main()->ADO_Daysoff->Edit();
  Main()->ADO_DaysoffTagestext->SetAsString(L"Karfreitag");
  Main()->Close();
  TIniFile Ini(Folder.Path(L"Tarvok.INI"));
  EXPECT_EQ(Ini.ReadInteger(L"FRM_Main", L"Left", 0), 40);
  EXPECT_EQ(Ini.ReadInteger(L"FRM_Main", L"Top", 0), 30);
  EXPECT_EQ(Ini.ReadInteger(L"FRM_Main", L"Width", 0), 800);
  EXPECT_EQ(Ini.ReadInteger(L"FRM_Main", L"Height", 0), 640);
  EXPECT_FALSE(Main()->ADO_Daysoff->Active());
  EXPECT_EQ(THolidayFile(Folder.Path(L"Tarvok.mdb")).Rows(), (std::vector<String>{L"2016-04-01 Karfreitag"}));
}

TEST_F(MainFormTest, AFailingPostAtCloseIsShownAndKeepsTheWindowAndTheChange) {
  Start({{EncodeDate(2016, 4, 1), L"A"}});
  Main()->Show();
  Main()->ADO_Daysoff->Edit();
  Main()->ADO_DaysoffTagestext->SetAsString(L"Karfreitag");
  // The row vanished behind the program's back: the post finds nothing.
  THolidayFile(Folder.Path(L"Tarvok.mdb")).Run(L"DELETE FROM Feiertage");
  SendMessageW(Main()->Handle(), WM_CLOSE, 0, 0);
  ASSERT_EQ(Boxes.Boxes().size(), 1u);
  EXPECT_TRUE(Main()->Visible());
  EXPECT_EQ(Main()->ADO_Daysoff->State(), dsEdit);
  EXPECT_EQ(Main()->ADO_DaysoffTagestext->AsString(), L"Karfreitag");
  Main()->ADO_Daysoff->Cancel();
}

TEST_F(MainFormTest, ClockWaitsForTheFirstTickAndHintsReachThePanel) {
  Start({});
  Main()->Show();
  TStatusPanels* Panels = Main()->STB_Main->Panels();
  EXPECT_EQ(Panels->Items(0)->Text(), L"");
  Main()->Timer1->OnTimer(Main()->Timer1);
  EXPECT_EQ(Panels->Items(0)->Text(), L"27.03.2016  -  10:00:00");
  // The window centres the clock.
  EXPECT_EQ(Main()->STB_Main->PanelText(0), L"\t27.03.2016  -  10:00:00");
  Application->SetHint(Main()->BTN_Dayoff->Hint());
  EXPECT_EQ(Panels->Items(1)->Text(), L" Feiertage bearbeiten");
}

TEST_F(MainFormTest, CopyPutsOneClientBitmapOnTheClipboardAndConfirmsAfterTheWait) {
  Start({});
  Main()->Show();
  ASSERT_TRUE(PumpUntil([&] { return Main()->Active(); }));
  Cardinal Ticks = 1000;
  SetTickSource([&] { return Ticks += 50; });
  Cardinal ShownAt = 0;
  SetMessageBoxHandler([&](const String& Text, const String&, UINT) {
    EXPECT_EQ(Text, L"Kalender in die Zwischenablage kopiert !");
    ShownAt = Ticks;
    return IDOK;
  });
  const Cardinal Start = Ticks;
  Main()->BTN_copy->Click();
  SetMessageBoxHandler({});
  EXPECT_GE(ShownAt, Start + 500);
  EXPECT_EQ(RunChild(L"clipboard-bitmap-size"), Main()->ClientWidth() * 10000 + Main()->ClientHeight());
}

TEST_F(MainFormTest, HomePageLinksAskTheShellToOpenTheAddress) {
  Start({});
  std::vector<std::pair<String, String>> Opened;
  TShellOpener Old = SetShellOpener([&](const String& Verb, const String& Address) {
    Opened.emplace_back(Verb, Address);
  });
  Main()->BTN_online->Click();
  Forms->Dialog()->Label1->OnClick(Forms->Dialog()->Label1);
  SetShellOpener(Old);
  ASSERT_EQ(Opened.size(), 2u);
  for (const auto& [Verb, Address] : Opened) {
    EXPECT_EQ(Verb, L"open");
    EXPECT_EQ(Address, HomePageAddress);
  }
  EXPECT_EQ(Main()->BTN_online->Hint(), HomePageAddress);
}

TEST_F(MainFormTest, MissingDatabaseIsReportedAndTheProgramStillStarts) {
  Forms = std::make_unique<TProgramForms>();
  ASSERT_EQ(Boxes.Boxes().size(), 1u);
  EXPECT_NE(Boxes.Boxes()[0].Text.find(L"Tarvok.mdb"), String::npos) << Boxes.Boxes()[0].Text;
  EXPECT_EQ(Main()->Caption(), L"Jorvensaal 2016");
  EXPECT_FALSE(Main()->ADO_Daysoff->Active());
  Main()->Show();
  EXPECT_TRUE(PumpUntil([&] { return Main()->Active(); }));
}

}  // namespace
