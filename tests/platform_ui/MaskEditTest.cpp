// Masked edits: text in and out of the mask, validation, and typing,
// deleting, pasting and cutting through real keyboard and clipboard
// messages.
#include <gtest/gtest.h>
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

struct Fixture {
  TTestForm F{300, 120};
  TMaskEdit* E;
  TEdit* Other;
  explicit Fixture(const String& Mask, const String& Text = String()) {
    E = new TMaskEdit(F.Get());
    E->SetParent(F.Get());
    E->SetBounds(10, 10, 200, 21);
    E->SetEditMask(Mask);
    E->SetText(Text);
    Other = new TEdit(F.Get());
    Other->SetParent(F.Get());
    Other->SetBounds(10, 50, 100, 21);
    E->SetFocus();
    Pump(10);
  }
  Integer Caret() { return E->SelStart(); }
};

// Types Keys: printable characters as WM_CHAR, and the named keys
// {L}eft, {R}ight, {U}p, {H}ome, {E}nd, {B}ackspace, {D}elete, {X}Esc.
void Type(TMaskEdit* E, const String& Keys) {
  for (size_t i = 0; i < Keys.size(); ++i) {
    if (Keys[i] == L'{' && i + 2 < Keys.size() && Keys[i + 2] == L'}') {
      switch (Keys[i + 1]) {
        case L'L': KeyPress(E, VK_LEFT); break;
        case L'R': KeyPress(E, VK_RIGHT); break;
        case L'U': KeyPress(E, VK_UP); break;
        case L'H': KeyPress(E, VK_HOME); break;
        case L'E': KeyPress(E, VK_END); break;
        case L'B': KeyPress(E, VK_BACK); break;
        case L'D': KeyPress(E, VK_DELETE); break;
        case L'X': KeyPress(E, VK_ESCAPE); break;
      }
      i += 2;
    } else {
      PostChar(E, Keys[i]);
    }
  }
}

}  // namespace

TEST(MaskEdit, TextInAndOutOfTheMask) {
  struct Case {
    bool German;  // date separator "." and time separator "."
    const wchar_t* Mask;
    const wchar_t* Text;
    const wchar_t* EditText;
    const wchar_t* ReadBack;
  };
  const Case Cases[] = {
      // Kept literals make even an empty text read back as spaces.
      {false, L"000", L"", L"___", L"   "},
      {false, L"000;0", L"", L"___", L""},
      {false, L"000;1;_", L"12", L"12_", L"12 "},
      {false, L"!000;1;_", L"12", L"_12", L" 12"},
      {false, L"(000)000-0000;0;_", L"5551234", L"(555)123-4___", L"5551234"},
      {false, L"(000)000-0000;1;_", L"(555)123-4567", L"(555)123-4567", L"(555)123-4567"},
      {false, L"(000)000-0000;1;_", L"5551234567", L"(555)123-4567", L"(555)123-4567"},
      {false, L"!90:00:00;1; ", L"1:05:00", L" 1:05:00", L" 1:05:00"},
      {false, L"!90:00:00;1; ", L"00:00:00", L"00:00:00", L"00:00:00"},
      {false, L"\\L\\0L0;0;*", L"x9", L"L0x9", L"x9"},
      {false, L"_000;0;_", L"12", L" 12_", L"12"},
      {false, L"", L"free text", L"free text", L"free text"},
      {false, L"!;1;_", L"free text", L"free text", L"free text"},
      {true, L"00/00/0000;1;_", L"31122024", L"31.12.2024", L"31.12.2024"},
      {true, L"00:00;0", L"1230", L"12.30", L"1230"},
  };
  TFormatSettings German = GermanFormatSettings();
  German.TimeSeparator = L'.';
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Mask << " <- " << C.Text);
    PinnedFormatSettings Pin(C.German ? German : USFormatSettings());
    TMaskEdit E(nullptr);
    E.SetEditMask(C.Mask);
    E.SetText(C.Text);
    EXPECT_EQ(E.EditText(), C.EditText);
    EXPECT_EQ(E.Text(), C.ReadBack);
  }
}

TEST(MaskEdit, NewMaskKeepsTheEnteredCharacters) {
  TMaskEdit E(nullptr);
  E.SetEditMask(L"000-000;0;_");
  E.SetText(L"12345");
  E.SetEditMask(L"(000) 000;1;*");
  EXPECT_EQ(E.EditText(), L"(123) 45*");
  E.SetEditMask(L"");
  EXPECT_EQ(E.Text(), L"12345");
  EXPECT_FALSE(E.IsMasked());
}

TEST(MaskEdit, FormatMaskText) {
  EXPECT_EQ(FormatMaskText(L"(000)000-0000;0;_", L"5551234567"), L"(555)123-4567");
  EXPECT_EQ(FormatMaskText(L"000-00;0;_", L"12"), L"12 -  ");
  EXPECT_EQ(FormatMaskText(L"", L"as is"), L"as is");
}

TEST(MaskEdit, ValidateFindsTheFirstBadPosition) {
  struct Case {
    const wchar_t* Mask;
    const wchar_t* EditText;
    Integer Bad;  // -1: valid
  };
  const Case Cases[] = {
      {L"000;1;_", L"12_", 2},    {L"009;1;_", L"12_", -1},   {L"LL;1;_", L"a1", 1},
      {L"AA", L"a1", -1},         {L"CC;1;_", L"a ", -1},     {L"cc", L"__", -1},
      {L"##", L"+_", -1},         {L"#0", L"x1", 0},          {L"(000)", L"(12_)", 3},
      {L"!90:00;1; ", L" 1:05", -1}, {L"!90:00;1; ", L"  :05", 1}, {L"l0", L"5_", 0},
      {L"0", L"", 0},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Mask << " " << C.EditText);
    TMaskEdit E(nullptr);
    E.SetEditMask(C.Mask);
    Integer Pos = -1;
    EXPECT_EQ(E.Validate(C.EditText, Pos), C.Bad < 0);
    if (C.Bad >= 0) {
      EXPECT_EQ(Pos, C.Bad);
    }
  }
}

TEST(MaskEdit, TypingThroughTheMask) {
  struct Case {
    const wchar_t* Mask;
    const wchar_t* Start;  // text before typing; the edit is entered with all selected
    const wchar_t* Keys;
    const wchar_t* EditText;
    Integer Caret;
  };
  const Case Cases[] = {
      {L"(000)000;1;_", L"", L"12345", L"(123)45_", 7},
      {L"(000)000;1;_", L"", L"12a", L"(12_)___", 3},           // a letter is refused
      {L"(000)000;1;_", L"", L"123)4", L"(123)4__", 6},         // no literal where a digit goes
      {L">LL<LL;1;_", L"", L"abCD", L"ABcd", 4},
      {L"(000)000;1;_", L"(123)456", L"9", L"(9__)___", 2},     // typing replaces the selection
      {L"(000)000;1;_", L"(123)456", L"{E}{B}{B}{B}{B}", L"(12_)___", 3},
      {L"(000)000;1;_", L"(123)456", L"{H}{D}", L"(_23)456", 1},
      {L"(000)000;1;_", L"(123)456", L"{H}{R}{R}{R}7", L"(123)756", 6},
      {L"(000)000;1;_", L"(123)456", L"{E}{L}{L}{L}{L}8", L"(128)456", 5},
      {L"(000)000;1;_", L"(123)456", L"{H}{U}5", L"(523)456", 2},
      {L"(000)000;1;_", L"(123)456", L"{H}99{X}", L"(123)456", 1},  // Esc takes it back
      {L"!90:00;1; ", L"", L" 930", L" 9:30", 5},
      {L"cc0;1;_", L"", L"a 1", L"a 1", 3},    // a space is a character here
      {L"990;1;_", L"", L"1 2", L"1_2", 3},    // and an empty digit there
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Mask << " [" << C.Start << "] " << C.Keys);
    Fixture X(C.Mask, C.Start);
    ASSERT_TRUE(X.E->Focused());
    Type(X.E, C.Keys);
    EXPECT_EQ(X.E->EditText(), C.EditText);
    EXPECT_EQ(X.Caret(), C.Caret);
    // Every run changes the text; only Esc takes the change back.
    EXPECT_EQ(X.E->Modified(), String(C.Keys).find(L"{X}") == String::npos);
  }
}

TEST(MaskEdit, LeavingChecksTheMask) {
  Fixture X(L"000;1;_");
  TMessageBoxRecorder Boxes;
  Type(X.E, L"12");
  X.Other->SetFocus();
  Pump(20);
  ASSERT_EQ(Boxes.Boxes().size(), 1u);
  EXPECT_EQ(Boxes.Boxes()[0].Text, L"Invalid input value.  Use escape key to abandon changes.");
  EXPECT_TRUE(X.E->Focused()) << "the focus comes back to the edit";
  EXPECT_EQ(X.Caret(), 2) << "on the first bad position";

  // Esc still takes back what was typed before the failed check.
  EXPECT_EQ(X.E->Perform(CM_WANTSPECIALKEY, VK_ESCAPE), 1);
  Type(X.E, L"{X}");
  EXPECT_EQ(X.E->EditText(), L"___");
  EXPECT_EQ(X.E->Perform(CM_WANTSPECIALKEY, VK_ESCAPE), 0) << "now Esc is the form's";

  // An unmodified text is not checked; a complete one passes.
  X.Other->SetFocus();
  Pump(20);
  EXPECT_EQ(Boxes.Boxes().size(), 1u);
  EXPECT_TRUE(X.Other->Focused());
  X.E->SetFocus();
  Type(X.E, L"123");
  X.Other->SetFocus();
  Pump(20);
  EXPECT_EQ(Boxes.Boxes().size(), 1u);
  EXPECT_EQ(X.E->Text(), L"123");
}

TEST(MaskEdit, ValidateEditRaises) {
  Fixture X(L"LL-00;1;_");
  X.E->SetText(L"ab-1");
  EXPECT_NO_THROW(X.E->ValidateEdit()) << "text set by code is not the user's change";
  X.E->SetModified(true);
  try {
    X.E->ValidateEdit();
    FAIL() << "no error";
  } catch (const EDBEditError& Err) {
    EXPECT_EQ(Err.Message(), L"Invalid input value.  Use escape key to abandon changes");
  }
  EXPECT_EQ(X.Caret(), 4);
}

TEST(MaskEdit, PasteAndCutThroughTheMask) {
  struct Case {
    const wchar_t* Mask;
    const wchar_t* Start;
    bool FromHome;  // else over the whole text
    const wchar_t* Clip;
    const wchar_t* EditText;
  };
  const Case Cases[] = {
      {L"(000)000-0000;1;_", L"", false, L"(555) 123-4567", L"(555)123-4567"},
      {L"(000)000-0000;1;_", L"", false, L"5551234567", L"(555)123-4567"},
      {L"000000;1;_", L"", false, L"12ab34", L"12____"},
      {L"000000;1;_", L"987654", true, L"12", L"127654"},
      {L">LLL;1;_", L"", false, L"abcdef", L"ABC"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Mask << " <- " << C.Clip);
    Fixture X(C.Mask, C.Start);
    if (C.FromHome) Type(X.E, L"{H}");
    Clipboard()->SetAsText(C.Clip);
    PostChar(X.E, 0x16);  // Ctrl+V
    EXPECT_EQ(X.E->EditText(), C.EditText);
  }

  Fixture X(L"(000)000;1;_", L"(123)456");
  X.E->SelectAll();
  X.E->CutToClipboard();
  EXPECT_EQ(Clipboard()->AsText(), L"(123)456");
  EXPECT_EQ(X.E->EditText(), L"(___)___") << "literals stay";
  X.E->PasteFromClipboard();
  EXPECT_EQ(X.E->EditText(), L"(123)456");
  X.E->SetReadOnly(true);
  X.E->SelectAll();
  X.E->CutToClipboard();
  EXPECT_EQ(X.E->EditText(), L"(123)456");
}
