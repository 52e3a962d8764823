// The data-aware edit on an in-memory table: what it shows of a field, how
// typing enters edit mode and writes back, Esc, inserts, read-only links
// and the field-name label.
#include <gtest/gtest.h>

#include "edit/DBExEdit.h"
#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"
#include "platform/data/Field.h"
#include "platform/data/MemoryDataSet.h"
#include "platform/ui/Clipboard.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/ui/Gui.h"

using namespace jorv::edit;

using namespace jorv;
using namespace jorv::test;

namespace {

class DBExEditTest : public ::testing::Test {
 protected:
  DBExEditTest() {
    Table.FieldDefs().Add(L"Tagestext", ftWideString, 30);
    Table.FieldDefs().Add(L"Zahl", ftInteger, 0);
    Table.FieldDefs().Add(L"Betrag", ftFloat, 0);
    Table.CreateDataSet();
    Table.Append();
    Table.FieldByName(L"Tagestext")->SetAsString(L"Neujahr");
    Table.FieldByName(L"Betrag")->SetAsFloat(2.5);
    Table.Post();
    Source.SetDataSet(&Table);
    Edit = new TDBExEdit(Form.Get());
    Edit->SetParent(Form.Get());
    Edit->SetBounds(10, 10, 150, 21);
    Other = new TDBExEdit(Form.Get());
    Other->SetParent(Form.Get());
    Other->SetBounds(10, 50, 150, 21);
    Edit->HandleNeeded();
  }
  void Bind(const String& FieldName, TExEditType Type = etString) {
    Edit->SetEditType(Type);
    Edit->SetDataSource(&Source);
    Edit->SetDataField(FieldName);
  }
  void Type(const String& S) {
    for (Char C : S) SendMessageW(Edit->Handle(), WM_CHAR, C, 1);
  }
  void SelectAllText() { SendMessageW(Edit->Handle(), EM_SETSEL, 0, -1); }
  String Field(const wchar_t* Name) { return Table.FieldByName(Name)->AsString(); }

  PinnedFormatSettings Pinned{USFormatSettings()};
  TMemoryDataSet Table;
  TDataSource Source;
  TTestForm Form{300, 120};
  TDBExEdit* Edit;
  TDBExEdit* Other;
};

TEST_F(DBExEditTest, TypingEditsTheRecordAndLeavingWritesIt) {
  Bind(L"Tagestext");
  EXPECT_EQ(Edit->Text(), L"Neujahr");
  EXPECT_EQ(reinterpret_cast<TFieldDataLink*>(Edit->Perform(CM_GETDATALINK)), Edit->DataLink());
  Edit->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return Edit->Focused(); }));
  EXPECT_EQ(Table.State(), dsBrowse);
  SelectAllText();
  Type(L"Ostern");
  EXPECT_EQ(Table.State(), dsEdit);
  EXPECT_EQ(Edit->Text(), L"Ostern");
  Other->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return Other->Focused(); }));
  Table.Post();
  EXPECT_EQ(Field(L"Tagestext"), L"Ostern");
}

TEST_F(DBExEditTest, StringFieldSizeLimitsInputUntilAnotherFieldIsBound) {
  Bind(L"Tagestext");
  EXPECT_EQ(Edit->MaxLength(), 30);
  Edit->SetDataField(L"Zahl");
  EXPECT_EQ(Edit->MaxLength(), 0);
  // A limit of the edit's own is kept.
  Edit->SetMaxLength(10);
  Edit->SetDataField(L"Tagestext");
  EXPECT_EQ(Edit->MaxLength(), 10);
}

TEST_F(DBExEditTest, NumberTypesShowAndWriteTheFieldValue) {
  struct Case {
    const wchar_t* FieldName;
    TExEditType Type;
    const wchar_t* Shown;
    const wchar_t* Typed;
    const wchar_t* Stored;
    int16_t Precision;
  } Cases[] = {
      {L"Zahl", etNumeric, L"0", L"42", L"42", 0},   // empty integer field shows 0
      {L"Betrag", etFloat, L"2.50", L"7.25", L"7.25", 2},
  };
  for (const Case& C : Cases) {
    Edit->SetEditType(C.Type);
    Edit->SetPrecision(C.Precision);
    Bind(C.FieldName, C.Type);
    EXPECT_EQ(Edit->Text(), C.Shown) << C.FieldName;
    SelectAllText();
    Type(C.Typed);
    EXPECT_EQ(Table.State(), dsEdit) << C.FieldName;
    Table.Post();
    EXPECT_EQ(Field(C.FieldName), C.Stored) << C.FieldName;
  }
}

TEST_F(DBExEditTest, EscapeRestoresTheFieldValueAndSelectsIt) {
  Bind(L"Tagestext");
  SelectAllText();
  Type(L"abc");
  ASSERT_EQ(Edit->Text(), L"abc");
  Type(L"\x1b");
  EXPECT_EQ(Edit->Text(), L"Neujahr");
  EXPECT_EQ(Edit->SelLength(), 7);
}

TEST_F(DBExEditTest, ClearOnInsertShowsAnEmptyEditAndWritesNothing) {
  Bind(L"Zahl", etNumeric);
  Edit->SetClearOnInsert(true);
  Table.Insert();
  EXPECT_EQ(Edit->Text(), L"0");
  SelectAllText();
  Type(L"7");
  Table.Post();
  EXPECT_EQ(Field(L"Zahl"), L"");

  Bind(L"Tagestext");
  Table.Insert();
  EXPECT_EQ(Edit->Text(), L"");
  Table.FieldByName(L"Tagestext")->SetAsString(L"Pfingsten");
  // A later change during the same insertion shows the field again.
  EXPECT_EQ(Edit->Text(), L"Pfingsten");
  Table.Cancel();
}

TEST_F(DBExEditTest, ReadOnlyLinkRefusesEveryChange) {
  Bind(L"Tagestext");
  Edit->SetReadOnly(true);
  EXPECT_TRUE(Edit->ReadOnly());
  SelectAllText();
  Type(L"xy");
  SendMessageW(Edit->Handle(), WM_KEYDOWN, VK_DELETE, 1);
  Clipboard()->SetAsText(L"pasted");
  SendMessageW(Edit->Handle(), WM_PASTE, 0, 0);
  SendMessageW(Edit->Handle(), WM_CUT, 0, 0);
  SendMessageW(Edit->Handle(), WM_CLEAR, 0, 0);
  EXPECT_EQ(Edit->Text(), L"Neujahr");
  EXPECT_EQ(Table.State(), dsBrowse);
  EXPECT_EQ(Edit->SelLength(), 7);
}

TEST_F(DBExEditTest, WithoutDataSourceTypingWorksButClipboardChangesNothing) {
  Edit->SetText(L"abc");
  EXPECT_FALSE(Edit->ReadOnly());
  SelectAllText();
  Clipboard()->SetAsText(L"pasted");
  SendMessageW(Edit->Handle(), WM_PASTE, 0, 0);
  SendMessageW(Edit->Handle(), WM_CUT, 0, 0);
  SendMessageW(Edit->Handle(), WM_CLEAR, 0, 0);
  EXPECT_EQ(Edit->Text(), L"abc");
  Type(L"xy");
  EXPECT_EQ(Edit->Text(), L"xy");
}

TEST_F(DBExEditTest, ClosingOrDisablingTheSourceEmptiesTextAndLabel) {
  Edit->SetShowFieldName(true);
  Bind(L"Tagestext");
  EXPECT_EQ(Edit->LabelCaption(), L"Tagestext");
  Source.SetEnabled(false);
  EXPECT_EQ(Edit->Text(), L"");
  EXPECT_EQ(Edit->LabelCaption(), L"");
  Source.SetEnabled(true);
  EXPECT_EQ(Edit->Text(), L"Neujahr");
  Table.Close();
  EXPECT_EQ(Edit->Text(), L"");
  EXPECT_EQ(Edit->LabelCaption(), L"");
}

TEST_F(DBExEditTest, FreedDataSourceIsForgotten) {
  auto* S = new TDataSource(nullptr);
  S->SetDataSet(&Table);
  Edit->SetDataSource(S);
  delete S;
  EXPECT_EQ(Edit->DataSource(), nullptr);
}

}  // namespace

namespace {

TEST_F(DBExEditTest, ValueTheFieldCannotTakeKeepsTheFocusAndIsReported) {
  TMessageBoxRecorder Boxes;
  Bind(L"Zahl");
  Edit->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return Edit->Focused(); }));
  SelectAllText();
  Type(L"1-2");
  ASSERT_EQ(Edit->Text(), L"1-2");
  Other->SetFocus();
  Pump(50);
  EXPECT_TRUE(Edit->Focused());
  EXPECT_EQ(Boxes.Boxes().size(), 1u);
  EXPECT_EQ(Table.State(), dsEdit);
  EXPECT_EQ(Field(L"Zahl"), L"");
  Table.Cancel();
}

}  // namespace
