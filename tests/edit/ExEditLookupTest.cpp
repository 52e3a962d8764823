// Completion while typing, picking from the list, the history of left
// values, and the text and history kept in an INI file or the registry.
#include <gtest/gtest.h>

#include <vector>
#include "edit/ExEdit.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/TempDir.h"
#include "tests/support/ui/Gui.h"

using namespace jorv::edit;

using namespace jorv;
using namespace jorv::test;

namespace {

std::vector<String> Rows(TStrings* S) {
  std::vector<String> V;
  for (Integer I = 0; I < S->Count(); ++I) V.push_back(S->Strings(I));
  return V;
}

TEST(LookupSettings, MatchesStartAnywhereCaseAndValues) {
  TLookupSettings L;
  L.AddPair(L"Berlin", L"BER");
  L.AddPair(L"Bern", L"");
  L.AddPair(L"Hamburg", L"HAM");
  L.DisplayList()->Add(L"Oberhausen");
  struct Case {
    const wchar_t* Typed;
    bool Full, CaseSens, SearchVal, ShowVal;
    TValueSeparator Sep;
    std::vector<String> Want;
  } Cases[] = {
      {L"be", false, false, false, false, vsBracket, {L"Berlin", L"Bern"}},
      {L"be", false, true, false, false, vsBracket, {}},
      {L"ber", true, false, false, false, vsBracket, {L"Berlin", L"Bern", L"Oberhausen"}},
      {L"ha", false, false, true, false, vsBracket, {L"Hamburg"}},
      {L"am", false, false, true, false, vsBracket, {}},
      {L"ber", false, false, false, true, vsSquareBracket, {L"Berlin [BER]", L"Bern"}},
      {L"ham", false, false, false, true, vsLargerSmaller, {L"Hamburg <HAM>"}},
      {L"ham", false, false, false, true, vsNone, {L"Hamburg HAM"}},
  };
  for (const auto& C : Cases) {
    L.SetCaseSensitive(C.CaseSens);
    L.SetSearchValue(C.SearchVal);
    L.SetShowValue(C.ShowVal);
    L.SetValueSeparator(C.Sep);
    TStringList Out;
    L.Match(C.Typed, C.Full, &Out);
    EXPECT_EQ(Rows(&Out), C.Want) << C.Typed;
  }
}

TEST(LookupSettings, AssignCopiesListsAndIgnoresStrangers) {
  TLookupSettings A, B;
  A.AddPair(L"x", L"1");
  A.SetNumChars(3);
  A.SetNumChars(0);  // ignored
  A.SetSeparator(L',');
  A.Font()->SetName(L"Tahoma");
  B.Assign(&A);
  A.DisplayList()->Clear();
  EXPECT_EQ(Rows(B.DisplayList()), std::vector<String>{L"x"});
  EXPECT_EQ(B.NumChars(), 3);
  EXPECT_EQ(B.Separator(), L',');
  EXPECT_EQ(B.Font()->Name(), L"Tahoma");
  TStringList Stranger;
  B.Assign(&Stranger);
  EXPECT_EQ(B.NumChars(), 3);
}

class LookupEdit : public ::testing::Test {
 protected:
  LookupEdit() {
    Edit = new TExEdit(Form.Get());
    Edit->SetName(L"Town");
    Edit->SetParent(Form.Get());
    Edit->SetBounds(10, 10, 120, 21);
    Other = new TExEdit(Form.Get());
    Other->SetParent(Form.Get());
    Other->SetBounds(10, 50, 120, 21);
    Edit->Lookup()->SetEnabled(true);
    Edit->Lookup()->AddPair(L"Berlin", L"BER");
    Edit->Lookup()->AddPair(L"Bremen", L"BRE");
    Edit->Lookup()->AddPair(L"Bern", L"BRN");
    Edit->Lookup()->AddPair(L"Hamburg", L"HAM");
    Edit->SetFocus();
    PumpUntil([&] { return Edit->Focused(); });
  }
  TListBoxTab* List() {
    for (Integer I = 0; I < Edit->ComponentCount(); ++I)
      if (auto* W = dynamic_cast<TListHintWindow*>(Edit->Components(I))) return W->ListControl();
    return nullptr;
  }
  void Type(const String& S) {
    for (Char C : S) SendMessageW(Edit->Handle(), WM_CHAR, C, 1);
  }
  void Key(Word K) { SendMessageW(Edit->Handle(), WM_KEYDOWN, K, 1); }
  TTestForm Form;
  TExEdit* Edit;
  TExEdit* Other;
};

TEST_F(LookupEdit, OpensAtNumCharsSortedAndPicksTheValue) {
  Type(L"b");
  EXPECT_FALSE(Edit->LookupVisible());
  Type(L"E");
  ASSERT_TRUE(Edit->LookupVisible());
  EXPECT_EQ(Rows(List()->Items()), (std::vector<String>{L"Berlin", L"Bern"}));
  std::vector<String> Seen;
  Edit->OnLookupSelect = [&](TObject*, String& V) { Seen.push_back(L"sel " + V); };
  Edit->OnLookupIndexSelect = [&](TObject*, Integer I, String& V) { Seen.push_back(IntToStr(I) + L" " + V); };
  Key(VK_DOWN);
  Key(VK_RETURN);
  EXPECT_FALSE(Edit->LookupVisible());
  EXPECT_EQ(Edit->Text(), L"BRN");
  EXPECT_EQ(Seen, (std::vector<String>{L"sel BRN", L"2 BRN"}));
}

TEST_F(LookupEdit, PagingAndGrowthBeyondDisplayCount) {
  for (Integer I = 0; I < 6; ++I) Edit->Lookup()->DisplayList()->Add(L"Bx" + IntToStr(I));
  Edit->Lookup()->SetDisplayCount(3);
  Type(L"b");
  Type(L"x");
  ASSERT_TRUE(Edit->LookupVisible());
  TListBoxTab* L = List();
  EXPECT_EQ(L->ItemIndex(), 0);
  Key(VK_NEXT);
  EXPECT_EQ(L->ItemIndex(), 3);
  Key(VK_NEXT);
  EXPECT_EQ(L->ItemIndex(), 5);
  Key(VK_PRIOR);
  EXPECT_EQ(L->ItemIndex(), 2);
  Key(VK_HOME);
  EXPECT_EQ(L->ItemIndex(), 0);
  Key(VK_END);
  EXPECT_EQ(L->ItemIndex(), 5);
  // Three rows plus the scroll bar's room beside the widest text.
  RECT R{};
  GetWindowRect(L->Parent()->Handle(), &R);
  EXPECT_GT(R.right - R.left, 50 + 8 + GetSystemMetrics(SM_CXHSCROLL) - 1);
}

TEST_F(LookupEdit, MultiWorksOnTheLastEntry) {
  Edit->Lookup()->SetMulti(true);
  Edit->Lookup()->ValueList()->Clear();
  Type(L"Hamburg;ha");
  ASSERT_TRUE(Edit->LookupVisible());
  EXPECT_EQ(Rows(List()->Items()), std::vector<String>{L"Hamburg"});
  Key(VK_RETURN);
  EXPECT_EQ(Edit->Text(), L"Hamburg;Hamburg;");
}

TEST_F(LookupEdit, FirstEscClosesTheListOnly) {
  Type(L"be");
  ASSERT_TRUE(Edit->LookupVisible());
  SendMessageW(Edit->Handle(), CM_WANTSPECIALKEY, VK_ESCAPE, 0);
  EXPECT_FALSE(Edit->LookupVisible());
  EXPECT_EQ(Edit->Text(), L"be");
}

TEST_F(LookupEdit, LeavingOrTooShortTextHidesTheList) {
  Type(L"be");
  ASSERT_TRUE(Edit->LookupVisible());
  SendMessageW(Edit->Handle(), WM_CHAR, 8, 1);
  EXPECT_FALSE(Edit->LookupVisible());
  Type(L"e");
  ASSERT_TRUE(Edit->LookupVisible());
  Other->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return Other->Focused(); }));
  EXPECT_FALSE(Edit->LookupVisible());
}

TEST_F(LookupEdit, LeftValuesJoinTheHistoryOnce) {
  Edit->Lookup()->SetHistory(true);
  for (const wchar_t* V : {L" Kiel ", L"kiel", L""}) {
    Edit->SetFocus();
    PumpUntil([&] { return Edit->Focused(); });
    Edit->SetText(V);
    Other->SetFocus();
    PumpUntil([&] { return Other->Focused(); });
  }
  EXPECT_EQ(Rows(Edit->Lookup()->DisplayList()).back(), L"Kiel");
  EXPECT_EQ(Edit->Lookup()->DisplayList()->Count(), 5);
}

// --- persistence --------------------------------------------------------------

TEST(EditPersistence, IniKeepsTextAndHistoryBetweenRuns) {
  TTempDir Dir;
  const String File = Dir.Path(L"edits.ini");
  {
    TTestForm Form;
    auto* E = new TExEdit(Form.Get());
    E->SetName(L"City");
    E->SetParent(Form.Get());
    E->SetPrefix(L"<");
    E->Persistence()->SetEnable(true);
    E->Persistence()->SetKey(File);
    E->Lookup()->SetEnabled(true);
    E->Lookup()->SetHistory(true);
    E->Lookup()->AddPair(L"Berlin", L"BER");
    E->Lookup()->DisplayList()->Add(L"Kiel");
    E->HandleNeeded();
    E->SetText(L"Ulm");
  }
  TIniFile Ini(File);
  EXPECT_EQ(Ini.ReadString(L"City", L"City", L""), L"<Ulm");
  EXPECT_EQ(Ini.ReadInteger(L"City", L"LOOKUPCOUNT", 0), 2);
  EXPECT_EQ(Ini.ReadString(L"City", L"LOOKUPDISPL2", L""), L"Kiel");
  EXPECT_EQ(Ini.ReadString(L"City", L"LOOKUPVAL1", L""), L"BER");
  EXPECT_FALSE(Ini.ValueExists(L"City", L"LOOKUPVAL2"));

  TTestForm Form;
  auto* E = new TExEdit(Form.Get());
  E->SetName(L"City");
  E->SetParent(Form.Get());
  E->SetPrefix(L"<");
  E->Persistence()->SetEnable(true);
  E->Persistence()->SetKey(File);
  E->Lookup()->SetEnabled(true);
  E->Lookup()->SetHistory(true);
  E->Lookup()->DisplayList()->Add(L"Design");
  E->LoadPersist();
  EXPECT_EQ(E->Text(), L"Ulm");
  EXPECT_EQ(Rows(E->Lookup()->DisplayList()), (std::vector<String>{L"Design", L"Berlin", L"Kiel"}));
  EXPECT_EQ(Rows(E->Lookup()->ValueList()), std::vector<String>{L"BER"});
}

TEST(EditPersistence, HistoryReadsTheNumberedEntriesThatAreThere) {
  TTempDir Dir;
  const String File = Dir.Path(L"h.ini");
  {
    TIniFile Ini(File);
    // A count far beyond the entries, gaps, and names that only look numbered.
    Ini.WriteInteger(L"Town", L"LOOKUPCOUNT", 2000000000);
    Ini.WriteString(L"Town", L"LOOKUPDISPL10", L"b");
    Ini.WriteString(L"Town", L"lookupdispl2", L"a");
    Ini.WriteString(L"Town", L"LOOKUPDISPL02", L"zero-padded");
    Ini.WriteString(L"Town", L"LOOKUPDISPL-1", L"negative");
    Ini.WriteString(L"Town", L"LOOKUPVAL3", L"v");
    Ini.WriteInteger(L"Small", L"LOOKUPCOUNT", 1);
    Ini.WriteString(L"Small", L"LOOKUPDISPL1", L"one");
    Ini.WriteString(L"Small", L"LOOKUPDISPL2", L"beyond the count");
  }
  const struct {
    const wchar_t* Name;
    std::vector<String> Displays, Values;
  } Cases[] = {{L"Town", {L"a", L"b"}, {L"v"}}, {L"Small", {L"one"}, {}}};
  for (const auto& C : Cases) {
    TTestForm Form;
    auto* E = new TExEdit(Form.Get());
    E->SetName(C.Name);
    E->SetParent(Form.Get());
    E->Persistence()->SetEnable(true);
    E->Persistence()->SetKey(File);
    E->Lookup()->SetEnabled(true);
    E->Lookup()->SetHistory(true);
    E->LoadPersist();
    EXPECT_EQ(Rows(E->Lookup()->DisplayList()), C.Displays) << C.Name;
    EXPECT_EQ(Rows(E->Lookup()->ValueList()), C.Values) << C.Name;
    E->Persistence()->SetEnable(false);
  }
}

TEST(EditPersistence, MissingOrAtSignLeavesTheText) {
  TTempDir Dir;
  const String File = Dir.Path(L"e.ini");
  TIniFile(File).WriteString(L"S", L"Two", L"@");
  for (const wchar_t* Name : {L"One", L"Two"}) {
    TTestForm Form;
    auto* E = new TExEdit(Form.Get());
    E->SetName(Name);
    E->SetParent(Form.Get());
    E->SetText(L"kept");
    E->Persistence()->SetEnable(true);
    E->Persistence()->SetKey(File);
    E->Persistence()->SetSection(L"S");
    E->LoadPersist();
    EXPECT_EQ(E->Text(), L"kept") << Name;
    E->Persistence()->SetEnable(false);
  }
}

TEST(EditPersistence, DefaultIsTheProgramsIniInASectionOfTheName) {
  const String File = ChangeFileExt(ParamStr(0), L".INI");
  DeleteFileW(File.c_str());
  {
    TTestForm Form;
    auto* E = new TExEdit(Form.Get());
    E->SetName(L"Plain");
    E->SetParent(Form.Get());
    E->Persistence()->SetEnable(true);
    E->SetText(L"x1");
    E->SavePersist();
    E->Persistence()->SetEnable(false);
  }
  EXPECT_EQ(TIniFile(File).ReadString(L"Plain", L"Plain", L""), L"x1");
  DeleteFileW(File.c_str());
}

TEST(EditPersistence, RegistryKeyRoundTrip) {
  const String Key = L"Software\\JorvensaalTest\\EditPersist";
  {
    TTestForm Form;
    auto* E = new TExEdit(Form.Get());
    E->SetName(L"Reg");
    E->SetParent(Form.Get());
    E->Persistence()->SetEnable(true);
    E->Persistence()->SetLocation(plRegistry);
    E->Persistence()->SetKey(Key);
    E->Persistence()->SetSection(L"S");
    E->SetText(L"from registry");
    E->SavePersist();
    E->SetText(L"");
    E->LoadPersist();
    EXPECT_EQ(E->Text(), L"from registry");
    E->Persistence()->SetEnable(false);
  }
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\JorvensaalTest");
}

}  // namespace
