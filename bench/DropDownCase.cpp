#include <cwchar>
#include "bench/Cases.h"
#include "bench/Forms.h"
#include "dropdown/MultiColumnDropDown.h"

namespace jorv::bench {

namespace {

// A drop-down of Count items in three columns, on a shown form, with the
// focus in its edit.
dropdown::TExMultiColumnDropDown* MakeDropDown(TForm* Form, Integer Count) {
  auto* Box = new dropdown::TExMultiColumnDropDown(Form);
  Box->SetParent(Form);
  Box->SetBounds(10, 10, 220, 24);
  for (const wchar_t* Header : {L"Name", L"Number", L"Note"}) Box->Columns()->Add()->SetHeader(Header);
  Box->BeginUpdate();
  wchar_t Name[32];
  for (Integer Index = 0; Index < Count; ++Index) {
    dropdown::TDropDownItem* Item = Box->Items()->Add();
    std::swprintf(Name, 32, L"Item %05d", Index);
    Item->Text()->Add(Name);
    Item->Text()->Add(std::to_wstring(Index));
    Item->Text()->Add(L"a note");
  }
  Box->EndUpdate();
  Box->HandleNeeded();
  Pump();
  Box->SetFocus();
  Pump();
  return Box;
}

struct TFigures {
  double Open = 0;
  double Key = 0;
};

TFigures Measure(Integer Count) {
  TBenchForm Form(300, 200);
  dropdown::TExMultiColumnDropDown* Box = MakeDropDown(Form.Get(), Count);
  TFigures F;
  F.Open = MedianNs(
      [&] {
        Box->ShowDropDown();
        Box->HideDropDown(true);
      },
      TRepeat{5, 200, 1.0});
  Box->SetFocus();
  Pump();
  // A character that starts no entry: the completion reads every entry.
  F.Key = MedianNs([&] { SendMessageW(Box->Handle(), WM_CHAR, L'w', 1); }, TRepeat{5, 500, 1.0},
                   [&] { Box->SetText(String()); });
  return F;
}

}  // namespace

void DropDownCase(TTable& Table) {
  const TFigures Large = Measure(10000);
  const TFigures Small = Measure(100);
  Table.Add({"7 multi-column drop-down, 10,000 items: opening and closing", Duration(Large.Open),
             Duration(Small.Open), Large.Open / Small.Open, "<= 100 ms", AtMost(Large.Open, 100e6)});
  Table.Add({"7 multi-column drop-down, 10,000 items: one typed character", Duration(Large.Key),
             Duration(Small.Key), Large.Key / Small.Key, "<= 20 ms", AtMost(Large.Key, 20e6)});
}

}  // namespace jorv::bench
