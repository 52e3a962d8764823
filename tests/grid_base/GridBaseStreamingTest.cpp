// The grid's editor controls and the cell checker written to a form stream
// and read back into fresh ones: every published property comes back.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "grid/base/ExDateTimePicker.h"
#include "grid/base/GrdComboBox.h"
#include "grid/base/GrdDateTimePicker.h"
#include "grid/base/GrdEditBtn.h"
#include "grid/base/GrdSpinEdit.h"
#include "platform/gfx/Colors.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/TypInfo.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/StreamCheck.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

struct TStreamCase {
  const char* Name;
  // Makes the control on Owner; Configure gives it values other than its
  // defaults, Check tells whether the copy shows them.
  std::function<TComponent*(TComponent* Owner)> Make;
  std::function<void(TComponent*)> Configure;
  std::function<bool(TComponent*)> Check;
};

template <class T>
std::function<TComponent*(TComponent*)> Maker() {
  return [](TComponent* Owner) -> TComponent* {
    auto* Made = new T(Owner);
    if (auto* Control = dynamic_cast<TControl*>(Made)) Control->SetParent(static_cast<TWinControl*>(Owner));
    return Made;
  };
}

template <class T>
std::function<void(TComponent*)> Configure(std::function<void(T*)> Body) {
  return [Body](TComponent* C) { Body(static_cast<T*>(C)); };
}

template <class T>
std::function<bool(TComponent*)> Check(std::function<bool(T*)> Body) {
  return [Body](TComponent* C) { return Body(static_cast<T*>(C)); };
}

}  // namespace

TEST(GridBaseStreaming, EditorControlsAndTheCheckerComeBackPropertyByProperty) {
  PinnedFormatSettings US(USFormatSettings());
  const TStreamCase Cases[] = {
      {"spin edit with a float", Maker<TGrdSpinEdit>(),
       Configure<TGrdSpinEdit>([](TGrdSpinEdit* S) {
         S->SetSpinType(sptFloat);
         S->SetPrecision(2);
         S->SetMaxFloatValue(99.5);
         S->SetFloatValue(12.25);
         S->SetIncrementFloat(0.25);
         S->SetDirection(spHorizontal);
         S->SetEditAlign(eaRight);
         S->SetReturnIsTab(true);
       }),
       Check<TGrdSpinEdit>([](TGrdSpinEdit* S) {
         return S->SpinType() == sptFloat && S->FloatValue() == 12.25 && S->Direction() == spHorizontal;
       })},
      {"spin edit with a date", Maker<TGrdSpinEdit>(),
       Configure<TGrdSpinEdit>([](TGrdSpinEdit* S) {
         S->SetSpinType(sptDate);
         S->SetDateValue(45000);
         S->SetIncrementHours(3);
       }),
       Check<TGrdSpinEdit>([](TGrdSpinEdit* S) { return S->DateValue() == 45000 && S->IncrementHours() == 3; })},
      {"edit with button", Maker<TGrdEditBtn>(),
       Configure<TGrdEditBtn>([](TGrdEditBtn* E) {
         E->SetButtonCaption(L"...");
         E->SetButtonWidth(30);
         E->SetRightAlign(true);
         E->SetText(L"abc");
         E->Button()->SetButtonColor(clRed);
       }),
       Check<TGrdEditBtn>([](TGrdEditBtn* E) {
         return E->ButtonCaption() == L"..." && E->ButtonWidth() == 30 && E->RightAlign() && E->Text() == L"abc";
       })},
      {"unit edit", Maker<TGrdUnitEditBtn>(),
       Configure<TGrdUnitEditBtn>([](TGrdUnitEditBtn* U) {
         U->Units()->Add(L"mm");
         U->Units()->Add(L"cm");
         U->SetUnitID(L"cm");
         U->SetUnitSpace(24);
       }),
       Check<TGrdUnitEditBtn>([](TGrdUnitEditBtn* U) {
         return U->Units()->Count() == 2 && U->UnitID() == L"cm" && U->UnitSpace() == 24;
       })},
      {"combo box", Maker<TGrdComboBox>(),
       Configure<TGrdComboBox>([](TGrdComboBox* C) {
         C->SetStyle(csDropDownList);
         C->Items()->Add(L"one");
         C->Items()->Add(L"two");
         C->SetItemIndex(1);
         C->SetFlat(true);
         C->SetFocusColor(clYellow);
         C->SetLabelCaption(L"Pick");
         C->SetLabelPosition(lpTopLeft);
       }),
       Check<TGrdComboBox>([](TGrdComboBox* C) {
         return C->Style() == csDropDownList && C->ItemIndex() == 1 && C->Flat() && C->LabelCaption() == L"Pick";
       })},
      {"grid date picker", Maker<TGrdDateTimePicker>(), Configure<TGrdDateTimePicker>([](TGrdDateTimePicker*) {}),
       Check<TGrdDateTimePicker>([](TGrdDateTimePicker* P) { return P->Version() == L"1.0.0.0"; })},
      {"labelled date picker", Maker<TExDateTimePicker>(),
       Configure<TExDateTimePicker>([](TExDateTimePicker* P) {
         P->SetKind(dkDateTime);
         P->SetDateTime(45000.5);
         P->SetTimeFormat(L"HH:mm");
         P->SetLabelCaption(L"When");
         P->SetLabelMargin(7);
         P->SetAutoTab(true);
       }),
       Check<TExDateTimePicker>([](TExDateTimePicker* P) {
         return P->Kind() == dkDateTime && P->DateTime() == 45000.5 && P->LabelMargin() == 7 && P->AutoTab();
       })},
      {"cell checker", Maker<TRezIvevirAvodCheck>(),
       Configure<TRezIvevirAvodCheck>([](TRezIvevirAvodCheck* K) {
         K->SetAutoCorrect(true);
         K->SetGotoCell(true);
         K->SetUseMarkError(true);
       }),
       Check<TRezIvevirAvodCheck>([](TRezIvevirAvodCheck* K) {
         return K->AutoCorrect() && !K->AutoMarkError() && K->GotoCell() && !K->UseCorrect() && K->UseMarkError();
       })},
  };
  for (const TStreamCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    TTestForm Form, OtherForm;
    TComponent* Original = C.Make(Form.Get());
    C.Configure(Original);
    TComponent* Copy = C.Make(OtherForm.Get());
    ReadBytesInto(WrittenBytes(Original), Copy);
    EXPECT_TRUE(C.Check(Copy));
    const std::vector<String> Differences = PropertyDifferences(Original, Copy);
    EXPECT_TRUE(Differences.empty()) << UTF8Encode(Differences.empty() ? String() : Differences[0]);
  }
}
