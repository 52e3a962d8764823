// The grid drop-down in the form stream: its own settings, its columns and
// its items come back, and the chosen item with its text.
#include <gtest/gtest.h>

#include <functional>

#include "grid/components/GridExGridDropDown.h"
#include "tests/support/StreamCheck.h"
#include "tests/support/ui/Gui.h"

namespace jorv::grid {
using namespace jorv::test;

namespace {

TEST(ExGridDropDownStreaming, SettingsColumnsItemsAndTheChosenItemComeBack) {
  TTestForm Form{200, 100};
  TCustomExGridDropDown Original(nullptr);
  // Every one away from its initial value, so that each must be stored.
  const std::function<void(TCustomExGridDropDown&)> Changes[] = {
      [](auto& D) { D.SetAutoShowDropDown(true); },      [](auto& D) { D.SetAutoSizeColumns(false); },
      [](auto& D) { D.SetCaseSensitive(true); },         [](auto& D) { D.SetDropDownAutoWidth(false); },
      [](auto& D) { D.SetDropDownRowHeight(30); },       [](auto& D) { D.SetLineColor(0x123456); },
      [](auto& D) { D.SetFixedLineColor(0x654321); },    [](auto& D) { D.SetColumnSizing(true); },
      [](auto& D) { D.SetColumnMoving(true); },          [](auto& D) { D.SetRowSizing(true); },
      [](auto& D) { D.SetRowMoving(true); },             [](auto& D) { D.SetColumnSizeWithDropDown(false); },
      [](auto& D) { D.SetGridEditable(true); },          [](auto& D) { D.SetHeaderColor(0x0000FF); },
      [](auto& D) { D.SetHeaderColorTo(0x00FF00); },     [](auto& D) { D.SetHeaderHeight(31); },
      [](auto& D) { D.HeaderFont()->SetSize(14); },      [](auto& D) { D.SetHoverRow(true); },
      [](auto& D) { D.SetHoverRowColor(0x00FFFF); },     [](auto& D) { D.SetHoverRowColorTo(0xFF00FF); },
      [](auto& D) { D.SetLookupColumn(1); },             [](auto& D) { D.SetLookupMethod(lmNarrowDown); },
      [](auto& D) { D.SetRowSelect(false); },            [](auto& D) { D.SetSelectionTextColor(0x0F0F0F); },
      [](auto& D) { D.SetSorting(gsMultiColumn); },      [](auto& D) { D.SetStyle(dsDropDownList); },
  };
  for (const auto& Change : Changes) Change(Original);
  TDropDownColumn* Name = Original.Columns()->Add();
  Name->SetHeader(L"Name");
  Name->SetWidth(120);
  Name->SetAlignment(taCenter);
  Name->SetColumnType(ctImage);
  Name->SetWordwrap(true);
  Name->SetAutoSize(true);
  Name->SetEllipsis(true);
  Name->SetColor(0xEEEEEE);
  Original.Columns()->Add()->SetHeader(L"Kind");
  for (const wchar_t* Fruit : {L"Apple", L"Banana"}) {
    TDropDownItem* Item = Original.Items()->Add();
    Item->Text()->Add(Fruit);
    Item->Text()->Add(String(L"kind of ") + Fruit);
    Item->SetImageIndex(3);
  }
  Original.SetItemIndex(1);
  ASSERT_EQ(Original.Text(), L"kind of Banana");
  const TBytes Bytes = WrittenBytes(&Original);

  TCustomExGridDropDown Copy(nullptr);
  ReadBytesInto(Bytes, &Copy);
  EXPECT_EQ(PropertyDifferences(&Original, &Copy), std::vector<String>());
  ASSERT_EQ(Copy.Columns()->Count(), 2);
  EXPECT_EQ(Copy.Columns()->Items(0)->Alignment(), taCenter);
  EXPECT_EQ(Copy.Columns()->Items(0)->ColumnType(), ctImage);
  ASSERT_EQ(Copy.Items()->Count(), 2);
  EXPECT_EQ(Copy.Items()->Items(1)->ImageIndex(), 3);
  EXPECT_EQ(Copy.ItemIndex(), 1);
  EXPECT_EQ(Copy.Text(), L"kind of Banana");
  EXPECT_FALSE(Copy.EditorEnabled()) << "dsDropDownList";
  // The lookup column and its case rule come back too.
  EXPECT_EQ(Copy.FindLookupRow(L"KIND OF A").Index, -1) << "case-sensitive now";
  EXPECT_EQ(Copy.FindLookupRow(L"kind of A").Index, 0);
}

}  // namespace
}  // namespace jorv::grid
