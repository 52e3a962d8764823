#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#include "calendar/agendacal.h"
#include "foundation/ThemeNotifier.h"
#include "foundation/XPTheme.h"
#include "platform/gfx/Colors.h"
#include "tests/foundation/OfficeRegistry.h"
#include "tests/support/ui/Gui.h"

namespace jorv {
using namespace jorv::foundation;
using namespace jorv::calendar;
// Failures name presets by ordinal rather than as characters.
void PrintTo(TAgendaCalendarStyle Style, std::ostream* Out) { *Out << int(Style); }
}  // namespace jorv

using namespace jorv;
using namespace jorv::test;

namespace {

constexpr TColor Sys(unsigned Index) { return TColor(0xFF000000u | Index); }
constexpr TColor None = 0x1FFFFFFF;
// A colour no preset writes, so that every write shows.
constexpr TColor Marked = 0x010203;

// Everything a preset may write, plus what it must leave alone.
struct TLooks {
  TColor Color, G1, G2, M1, M2, In, Sel, SelB, Hov, Down, Txt;
  bool Line3D;
  TGradientDirection GDir, MDir;
  TColor Select, Text, Weekend, Header, Caption;
};

TLooks Read(const TAgendaCalendar& C) {
  return {C.Color(),           C.GradientStartColor(), C.GradientEndColor(),
          C.MonthGradientStartColor(), C.MonthGradientEndColor(), C.InActiveColor(),
          C.DateSelectColor(), C.DateSelectBorderColor(), C.DateHoverColor(),
          C.DateDownColor(),   C.SelectFontColor(),    C.Line3D(),
          C.GradientDirection(), C.MonthGradientDirection(), C.SelectColor(),
          C.TextColor(),       C.WeekendColor(),       C.HeaderColor(),
          C.CaptionColor()};
}

bool operator==(const TLooks& A, const TLooks& B) {
  return A.Color == B.Color && A.G1 == B.G1 && A.G2 == B.G2 && A.M1 == B.M1 && A.M2 == B.M2 &&
         A.In == B.In && A.Sel == B.Sel && A.SelB == B.SelB && A.Hov == B.Hov &&
         A.Down == B.Down && A.Txt == B.Txt && A.Line3D == B.Line3D && A.GDir == B.GDir &&
         A.MDir == B.MDir && A.Select == B.Select && A.Text == B.Text &&
         A.Weekend == B.Weekend && A.Header == B.Header && A.Caption == B.Caption;
}

void PrintTo(const TLooks& L, std::ostream* Out) {
  *Out << std::hex << "{Color " << L.Color << ", gradient " << L.G1 << "-" << L.G2 << " dir "
       << int(L.GDir) << ", month " << L.M1 << "-" << L.M2 << " dir " << int(L.MDir)
       << ", inactive " << L.In << ", select " << L.Sel << "/" << L.SelB << ", hover "
       << L.Hov << ", down " << L.Down << ", select text " << L.Txt << ", 3D " << L.Line3D
       << ", untouched " << L.Select << " " << L.Text << " " << L.Weekend << " " << L.Header
       << " " << L.Caption << "}" << std::dec;
}

// Every look property at Marked, the 3D lines as given.
void MarkAll(TAgendaCalendar& C, bool Line3D = false) {
  C.SetColor(Marked);
  C.SetGradientStartColor(Marked);
  C.SetGradientEndColor(Marked);
  C.SetMonthGradientStartColor(Marked);
  C.SetMonthGradientEndColor(Marked);
  C.SetInActiveColor(Marked);
  C.SetDateSelectColor(Marked);
  C.SetDateSelectBorderColor(Marked);
  C.SetDateHoverColor(Marked);
  C.SetDateDownColor(Marked);
  C.SetSelectFontColor(Marked);
  C.SetLine3D(Line3D);
  C.SetGradientDirection(gdHorizontal);
  C.SetMonthGradientDirection(gdHorizontal);
  C.SetSelectColor(Marked);
  C.SetTextColor(Marked);
  C.SetWeekendColor(Marked);
  C.SetHeaderColor(Marked);
  C.SetCaptionColor(Marked);
}

// The desktop as the visual-style binding reports it, for one test.
class TFakeDesktop {
 public:
  explicit TFakeDesktop(decltype(jorv::IsThemeActive) Active) { jorv::IsThemeActive = Active; }
  ~TFakeDesktop() { jorv::IsThemeActive = FActive; }

 private:
  decltype(jorv::IsThemeActive) FActive = jorv::IsThemeActive;
};
BOOL WINAPI Unthemed() { return FALSE; }

struct CalendarStyleTest : ::testing::Test {
  std::unique_ptr<TAgendaCalendar> cal = std::make_unique<TAgendaCalendar>(nullptr);
};

}  // namespace

TEST_F(CalendarStyleTest, EveryPresetWritesItsColoursAndNothingElse) {
  // Columns: panel colour (Marked: untouched), body gradient, month gradient,
  // inactive, selection fill and border, hover, pressed, selected text,
  // 3D lines, whether both gradients turn vertical.
  struct TRow {
    TAgendaCalendarStyle Style;
    TColor Color, G1, G2, M1, M2, In, Sel, SelB, Hov, Down, Txt;
    bool Line3D, Vertical;
  } rows[] = {
      {psWindowsXP, Marked, 0xFFFFFF, Sys(15), None, None, 0x808000, Sys(13), Sys(13), Sys(24), Sys(13), 0xFFFFFF, true, false},
      {psOffice2000, Marked, Sys(15), None, None, None, 0x808000, Sys(13), Sys(13), Sys(24), Sys(13), 0x000000, true, false},
      {psOffice2003Blue, Marked, 0xFCE1CB, 0xE0A57D, 0xFCE1CB, 0xE0A57D, 0xFFFFFF, 0x71BFFF, 0x71BFFF, 0xC2EEFF, 0x087FE8, 0xFFFFFF, false, false},
      {psOffice2003Olive, Marked, 0xCFF0EA, 0x8CC0B1, 0xCFF0EA, 0x8CC0B1, 0xFFFFFF, 0x71BFFF, 0x71BFFF, 0xC2EEFF, 0x087FE8, 0xFFFFFF, false, false},
      {psOffice2003Silver, Marked, 0xECE2E1, 0xB39698, 0xECE2E1, 0xB39698, 0xFFFFFF, 0x71BFFF, 0x71BFFF, 0xC2EEFF, 0x087FE8, 0xFFFFFF, false, false},
      {psOffice2003Classic, Marked, 0xFFFFFF, 0xC9D1D5, 0xFFFFFF, 0xC9D1D5, 0xFFFFFF, 0x808080, 0x808080, 0xD2BDB6, 0xB59285, 0xFFFFFF, false, false},
      {psFlat, Sys(15), Sys(15), None, Sys(15), None, 0xFFFFFF, Sys(24), Sys(24), None, None, 0x000000, false, false},
      {psAvantGarde, 0xFFD9B3, 0xFFD9B3, None, 0x6580DA, 0xF807F1, 0xFFFFFF, Sys(13), Sys(13), None, None, 0xFFFFFF, true, false},
      {psWhidbey, Marked, 0xF5F9FA, 0xA8C0C0, 0xF5F9FA, 0xA8C0C0, 0x808080, 0x71BFFF, 0x71BFFF, 0xC2EEFF, 0x087FE8, 0xFFFFFF, false, false},
      {psOffice2007Luna, Marked, 0xFFF4E3, 0xEDD9C8, 0xFFEFE3, 0xFFD2AF, 0xFFFFFF, 0xBBEEFF, 0xBBEEFF, 0x78DAFF, 0x087FE8, 0x723708, false, true},
      {psOffice2007Obsidian, Marked, 0xF1F0E6, 0xC6BCB5, 0xF2F1F0, 0xC9C2BD, 0xFFFFFF, 0xBBEEFF, 0xBBEEFF, 0x78DAFF, 0x087FE8, 0x433C37, false, true},
      {psOffice2007Silver, Marked, 0xE7DCD5, 0xFBFAF0, 0xF8F7F6, 0xE8E0DB, 0xFFFFFF, 0xBBEEFF, 0xBBEEFF, 0x78DAFF, 0x087FE8, 0x723708, false, true},
      {psWindowsVista, Marked, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFEDF9A, 0xFFFDF9, 0xFBEDD3, 0x723708, false, true},
      {psWindows7, Marked, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFCEBDC, 0xCEA27D, 0xFDFBFA, 0xFDF3EB, 0x723708, false, true},
      {psTerminal, Marked, Sys(15), Sys(15), Sys(15), Sys(15), 0xFFFFFF, Sys(13), 0x808080, 0xC0C0C0, Sys(13), 0xFFFFFF, false, true},
      {psOffice2010Blue, Marked, 0xEDDBCD, 0xEDDBCD, 0xEDDBCD, 0xEDDBCD, 0xDEC1A9, 0xDEC1A9, None, 0xFFEBDB, 0xDEC1A9, 0x000000, false, true},
      {psOffice2010Silver, Marked, 0xEDE9E5, 0xEDE9E5, 0xEDE9E5, 0xEDE9E5, 0xDEC1A9, 0xDEC1A9, None, 0xEEDDCF, 0xDEC1A9, 0x000000, false, true},
      {psOffice2010Black, Marked, 0x828282, 0x828282, 0x828282, 0x828282, 0xA3A3A3, 0xDEC1A9, None, 0xEEDDCF, 0xDEC1A9, 0x000000, false, true},
      {psWindows8, Marked, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xF7F7F7, 0xDAA026, 0xE4A262, 0xF7EFE8, 0xE4A262, 0xFFFFFF, false, true},
      {psOffice2013White, Marked, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xF7F7F7, 0xFF9933, 0xE4A262, 0xF7EFE8, 0xE4A262, 0xFFFFFF, false, true},
      {psOffice2013LightGray, Marked, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xF7F7F7, 0xFF9933, 0xE4A262, 0xF7EFE8, 0xE4A262, 0xFFFFFF, false, true},
      {psOffice2013Gray, Marked, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xF7F7F7, 0xFF9933, 0xE4A262, 0xF7EFE8, 0xE4A262, 0xFFFFFF, false, true},
  };
  for (const TRow& r : rows) {
    // 3D lines start opposite to the preset's value, so its write shows.
    MarkAll(*cal, !r.Line3D);
    cal->SetStyle(r.Style);
    TGradientDirection dir = r.Vertical ? gdVertical : gdHorizontal;
    TLooks want{r.Color, r.G1, r.G2, r.M1, r.M2, r.In, r.Sel, r.SelB, r.Hov, r.Down, r.Txt,
                r.Line3D, dir, dir, Marked, Marked, Marked, Marked, Marked};
    EXPECT_EQ(cal->Style(), r.Style);
    EXPECT_EQ(Read(*cal), want) << "preset " << int(r.Style);
  }
}

TEST_F(CalendarStyleTest, CustomAndUnknownStylesOnlyStore) {
  struct {
    Integer Value;
    bool Applies;
  } cases[] = {{psCustom, false}, {23, false}, {127, false}, {0x80 | psOffice2010Black, true}};
  for (const auto& c : cases) {
    MarkAll(*cal, true);
    TLooks before = Read(*cal);
    cal->SetStyle(static_cast<TAgendaCalendarStyle>(c.Value));
    EXPECT_EQ(cal->Style(), c.Value);
    if (c.Applies)
      EXPECT_EQ(cal->GradientStartColor(), 0x828282) << "the low seven bits choose";
    else
      EXPECT_EQ(Read(*cal), before) << c.Value;
  }
}

TEST_F(CalendarStyleTest, LibraryLooksChooseThePresetOfTheSameName) {
  // Through the look interface, as code that knows no calendar would.
  IID lookID{}, tonesID{};
  ASSERT_EQ(IIDFromString(L"{6F1B0C52-3E4A-4D7B-9A41-2C5E8D0F7A13}", &lookID), S_OK);
  ASSERT_EQ(IIDFromString(L"{0C9A7E25-8B16-4F3D-B2E8-71D4A6C35F90}", &tonesID), S_OK);
  IZVQStyle* look = nullptr;
  ASSERT_EQ(cal->QueryInterface(lookID, reinterpret_cast<void**>(&look)), S_OK);
  ASSERT_EQ(look, static_cast<IZVQStyle*>(cal.get()));
  void* other = &other;
  EXPECT_EQ(cal->QueryInterface(tonesID, &other), E_NOINTERFACE);
  EXPECT_EQ(other, nullptr);

  struct {
    TZVQStyle Look;
    TAgendaCalendarStyle Preset;
  } cases[] = {
      {tsOffice2003Blue, psOffice2003Blue},     {tsOffice2003Silver, psOffice2003Silver},
      {tsOffice2003Olive, psOffice2003Olive},   {tsOffice2003Classic, psOffice2003Classic},
      {tsOffice2007Luna, psOffice2007Luna},     {tsOffice2007Obsidian, psOffice2007Obsidian},
      {tsWindowsXP, psWindowsXP},               {tsWhidbey, psWhidbey},
      {tsOffice2007Silver, psOffice2007Silver}, {tsWindowsVista, psWindowsVista},
      {tsWindows7, psWindows7},                 {tsTerminal, psTerminal},
      {tsOffice2010Blue, psOffice2010Blue},     {tsOffice2010Silver, psOffice2010Silver},
      {tsOffice2010Black, psOffice2010Black},   {tsWindows8, psWindows8},
      {tsOffice2013White, psOffice2013White},   {tsOffice2013LightGray, psOffice2013LightGray},
      {tsOffice2013Gray, psOffice2013Gray},
  };
  TAgendaCalendar reference(nullptr);
  for (const auto& c : cases) {
    MarkAll(*cal);
    look->SetComponentStyle(c.Look);
    EXPECT_EQ(cal->Style(), c.Preset) << int(c.Look);
    reference.SetStyle(c.Preset);
    EXPECT_EQ(cal->GradientStartColor(), reference.GradientStartColor()) << int(c.Look);
    EXPECT_EQ(cal->DateSelectColor(), reference.DateSelectColor()) << int(c.Look);
  }

  // tsCustom and looks past the last change nothing, not even Style.
  cal->SetStyle(psOffice2007Luna);
  MarkAll(*cal);
  TLooks before = Read(*cal);
  for (Integer value : {Integer(tsCustom), 20, 0x80 | tsCustom}) {
    look->SetComponentStyle(static_cast<TZVQStyle>(value));
    EXPECT_EQ(cal->Style(), psOffice2007Luna) << value;
    EXPECT_EQ(Read(*cal), before) << value;
  }
}

TEST(CalendarThemeKind, SchemeNamesAndKindsChoosePresets) {
  struct {
    const wchar_t* Scheme;
    Integer Kind;
  } names[] = {{L"NormalColor", 1}, {L"HomeStead", 2}, {L"Metallic", 3}, {L"normalcolor", 0},
               {L"Blue", 0},        {L"", 0},          {L"NormalColor2", 0}};
  for (const auto& n : names) EXPECT_EQ(XPThemeKindOfSchemeName(n.Scheme), n.Kind) << n.Scheme;

  struct {
    Integer Kind;
    TAgendaCalendarStyle Preset;
  } kinds[] = {{0, psOffice2000},      {1, psOffice2003Blue}, {2, psOffice2003Olive},
               {3, psOffice2003Silver}, {4, psWindowsXP}};
  for (const auto& k : kinds) EXPECT_EQ(AgendaCalendarStyleOfThemeKind(k.Kind), k.Preset);

  // A desktop without visual styles, or a binding without the query, is
  // kind 4 on any system since XP.
  TFakeDesktop classic(Unthemed);
  EXPECT_EQ(CurrentXPThemeKind(), 4);
  TFakeDesktop unbound(nullptr);
  EXPECT_EQ(CurrentXPThemeKind(), 4);
}

TEST(CalendarThemeAdapt, ThemeMessagesApplyTheDesktopsPresetOnlyWhenAdapting) {
  TFakeDesktop classic(Unthemed);
  TTestForm form(200, 200, false);
  auto* cal = new TAgendaCalendar(form.Get());
  cal->SetParent(form.Get());
  HWND wnd = cal->Handle();

  const UINT messages[] = {WM_THEMECHANGED, CM_SYSFONTCHANGED, WM_OFFICETHEMECHANGED};
  cal->SetStyle(psTerminal);
  for (UINT msg : messages) {
    SendMessageW(wnd, msg, 0, 0);
    EXPECT_EQ(cal->Style(), psTerminal) << "not adapting: " << msg;
  }

  cal->SetAutoThemeAdapt(true);
  EXPECT_EQ(cal->Style(), psWindowsXP) << "switching on applies at once";
  EXPECT_EQ(cal->GradientEndColor(), Sys(15));
  for (UINT msg : messages) {
    cal->SetStyle(psTerminal);
    SendMessageW(wnd, msg, 0, 0);
    EXPECT_EQ(cal->Style(), psWindowsXP) << msg;
    EXPECT_EQ(cal->GradientEndColor(), Sys(15)) << msg;
  }

  // Off again: the next theme change leaves the calendar's own looks.
  cal->SetAutoThemeAdapt(false);
  cal->SetStyle(psTerminal);
  SendMessageW(wnd, WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(cal->Style(), psTerminal);
}

TEST(CalendarThemeAdapt, LoadingAppliesOnlyAtRunTimeMessagesAlsoAtDesignTime) {
  TFakeDesktop classic(Unthemed);
  struct TLoadingCalendar : TAgendaCalendar {
    using TAgendaCalendar::TAgendaCalendar;
    void Load(bool Designing) {
      SetDesigning(Designing);
      FComponentState.Include(csLoading);
      SetAutoThemeAdapt(true);
      SetStyle(psTerminal);  // a look streamed after the switch
      Loaded();
    }
  };
  TLoadingCalendar run(nullptr);
  run.Load(false);
  EXPECT_EQ(run.Style(), psWindowsXP);

  TLoadingCalendar design(nullptr);
  design.Load(true);
  EXPECT_EQ(design.Style(), psTerminal);
  design.Perform(WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(design.Style(), psWindowsXP);
}

using CalendarOfficeScheme = OfficeRegistryTest;

TEST_F(CalendarOfficeScheme, AnOfficeSchemeChangeReachesAnAdaptingCalendar) {
  TFakeDesktop classic(Unthemed);
  AddKey(String(Office2010) + L"\\Common\\General");
  SetTheme(Office2010, 1);
  TTestForm form(200, 200, false);
  auto* cal = new TAgendaCalendar(form.Get());
  cal->SetParent(form.Get());
  cal->HandleNeeded();
  cal->SetAutoThemeAdapt(true);
  TThemeNotifier* notifier = GetThemeNotifier(nullptr);
  ASSERT_NE(notifier->RegMonitorThread(), nullptr);
  EXPECT_TRUE(notifier->RegMonitorThread()->WinList()->HasValue(cal->Handle()));

  // The watcher re-arms on its own thread after each round: a change made
  // meanwhile goes unseen, so change until the calendar hears one.
  cal->SetStyle(psTerminal);
  Integer value = 1;
  for (int i = 0; i < 50 && cal->Style() == psTerminal; ++i) {
    value = value % 3 + 1;
    SetTheme(Office2010, value);
    PumpUntil([&] { return cal->Style() != psTerminal; }, 100);
  }
  EXPECT_EQ(cal->Style(), psWindowsXP);

  // Off: the window leaves the list, and a new window registers anew.
  cal->SetAutoThemeAdapt(false);
  EXPECT_FALSE(notifier->RegMonitorThread()->WinList()->HasValue(cal->Handle()));
  cal->SetAutoThemeAdapt(true);
  HWND old = cal->Handle();
  cal->RecreateWnd();
  cal->HandleNeeded();
  ASSERT_NE(GetThemeNotifier(nullptr), nullptr);
  THandleList* list = GetThemeNotifier(nullptr)->RegMonitorThread()->WinList();
  EXPECT_TRUE(list->HasValue(cal->Handle()));
  if (old != cal->Handle()) { EXPECT_FALSE(list->HasValue(old)); }
  delete cal;
}
