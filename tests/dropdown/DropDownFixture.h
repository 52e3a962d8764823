#pragma once
// A drop-down editor on a shown form, with the base's protected settings
// opened up the way descendants use them.
#include <gtest/gtest.h>

#include "dropdown/ExDropDown.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/ui/Gui.h"

namespace jorv::test {

class TTestDropDown : public dropdown::TExDropDown {
 public:
  using TExDropDown::TExDropDown;
  using TExCustomDropDown::AllowNumericNullValue;
  using TExCustomDropDown::Control;
  using TExCustomDropDown::DrawBorder;
  using TExCustomDropDown::EditType;
  using TExCustomDropDown::GetFloatValue;
  using TExCustomDropDown::OnClipboardPaste;
  using TExCustomDropDown::SelectionColorStyle;
  using TExCustomDropDown::SelectionColor;
  using TExCustomDropDown::SelectionColorTo;
  using TExCustomDropDown::SetAllowNumericNullValue;
  using TExCustomDropDown::SetAutoThousandSeparator;
  using TExCustomDropDown::SetControl;
  using TExCustomDropDown::SetEditType;
  using TExCustomDropDown::SetFloatValue;
  using TExCustomDropDown::SetLengthLimit;
  using TExCustomDropDown::SetPrecision;
  using TExCustomDropDown::SetPrefix;
  using TExCustomDropDown::SetSelectionColorStyle;
  using TExCustomDropDown::SetSigned;
  using TExCustomDropDown::SetSuffix;
  using TExCustomDropDown::SetValidChars;
  using TExCustomDropDown::SetFocusControl;
  using TExCustomDropDown::SetRawText;
  using TExCustomDropDown::SetDropDownGradient;
  using TExCustomDropDown::SetEditorEnabled;
  using TExCustomDropDown::SetForceShadow;
};

// The US separators: "." decimal, "," thousands.
struct TUSLocale {
  TFormatSettings Settings = USFormatSettings();
  TUSLocale() { SetFormatSettingsOverride(&Settings); }
  ~TUSLocale() { SetFormatSettingsOverride(nullptr); }
  TUSLocale(const TUSLocale&) = delete;
  TUSLocale& operator=(const TUSLocale&) = delete;
};

class DropDownFixture : public ::testing::Test {
 protected:
  DropDownFixture() {
    Edit = new TTestDropDown(Form.Get());
    Edit->SetParent(Form.Get());
    Edit->SetBounds(60, 20, 160, 21);
    Edit->HandleNeeded();
    Pump();
  }

  // Characters as the keyboard would give them to the edit's window.
  void Type(const String& S) {
    for (Char C : S) SendMessageW(Edit->Handle(), WM_CHAR, C, 1);
  }
  void CaretTo(Integer Pos) {
    Edit->SetSelStart(Pos);
    Edit->SetSelLength(0);
  }
  void KeyDown(Word Key) { SendMessageW(Edit->Handle(), WM_KEYDOWN, Key, 1); }
  bool PopupShown() { return Edit->DropDownForm() && IsWindowVisible(Edit->DropDownForm()->Handle()); }

  TUSLocale Locale;
  TTestForm Form{400, 300};
  TTestDropDown* Edit;
};

}  // namespace jorv::test
