// The item selector: layout of the cell grid, hot and selected item by
// the mouse, stepping, type-ahead and painting of its items.
#include <gtest/gtest.h>

#include "dropdown/ItemSelector.h"
#include "platform/gfx/Colors.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::dropdown;
using namespace jorv::test;

namespace {

class ItemSelectorTest : public ::testing::Test {
 protected:
  ItemSelectorTest() {
    Selector = new TExCustomItemSelector(Form.Get());
    Selector->SetParent(Form.Get());
    Selector->SetBounds(10, 10, 200, 150);
    Selector->HandleNeeded();
  }
  TSelectorItem* Add(const String& Caption, TColor Color = clNone) {
    TSelectorItem* Item = Selector->Items()->Add();
    Item->SetCaption(Caption);
    Item->SetColor(Color);
    return Item;
  }
  // Cells of a fixed size, whatever the captions measure.
  void FixedCells(Integer W, Integer H) {
    Selector->OnItemSize = [W, H](TObject*, TSize& Size) { Size = TSize{W, H}; };
  }
  TCustomItemSelector* Panel() { return Selector->ItemSelectorPanel(); }
  TRect RectOf(Integer Index) {
    TRect R;
    Panel()->GetItemRect(Index, R);
    return R;
  }

  TTestForm Form{300, 250};
  TExCustomItemSelector* Selector;
};

TEST_F(ItemSelectorTest, ItemsFillRowsOfColumnsInsideTheMargin) {
  TSize Size;
  Selector->GetPanelSize(Size);
  EXPECT_EQ(Size.cx, 100) << "an empty selector";
  EXPECT_EQ(Size.cy, 50);
  FixedCells(30, 20);
  Selector->SetColumns(2);
  for (const wchar_t* Caption : {L"a", L"b", L"c", L"d", L"e"}) Add(Caption);
  Selector->GetPanelSize(Size);
  EXPECT_EQ(Size.cx, 2 * 30 + 4);
  EXPECT_EQ(Size.cy, 3 * 20 + 4);
  EXPECT_EQ(RectOf(0), TRect(2, 2, 32, 22));
  EXPECT_EQ(RectOf(3), TRect(32, 22, 62, 42));
  EXPECT_EQ(RectOf(4), TRect(2, 42, 32, 62));
  EXPECT_EQ(RectOf(5), TRect(-1, -1, -1, -1)) << "no such item";
  Selector->SetColumns(0);
  EXPECT_EQ(Selector->Columns(), 2) << "fewer than one column is refused";
}

TEST_F(ItemSelectorTest, ColourBoxesGiveTheCellItsSize) {
  Selector->SetSelectorType(stColor);
  Add(String(), clRed);
  // The box and the inner margin of 4 on each side; no caption, no gap.
  EXPECT_EQ(RectOf(0), TRect(2, 2, 24, 24));
  Selector->SetColorBoxWidth(20);
  EXPECT_EQ(RectOf(0), TRect(2, 2, 30, 24));
}

TEST_F(ItemSelectorTest, TheMouseMakesItemsHotAndSelectsThemButNotDisabledOnes) {
  FixedCells(40, 20);
  Add(L"one");
  TSelectorItem* Disabled = Add(L"two");
  Disabled->SetEnabled(false);
  Disabled->SetHint(L"not now");
  Add(L"three");
  Integer Selected = 0;
  Selector->OnItemSelect = [&](TObject* Sender) {
    EXPECT_EQ(Sender, Selector);
    ++Selected;
  };
  Pump();
  MouseMove(Panel(), 10, 30);
  EXPECT_EQ(Selector->ItemHot(), -1) << "a disabled item is never hot";
  EXPECT_EQ(Panel()->Hint(), L"not now") << "but its hint shows";
  MouseMove(Panel(), 10, 50);
  EXPECT_EQ(Selector->ItemHot(), 2);
  Click(Panel(), 10, 30);
  EXPECT_EQ(Selector->ItemIndex(), -1);
  EXPECT_EQ(Selected, 0);
  Click(Panel(), 10, 50);
  EXPECT_EQ(Selector->ItemIndex(), 2);
  EXPECT_EQ(Selected, 1);
  MouseMove(Panel(), 150, 100);
  EXPECT_EQ(Selector->ItemHot(), -1) << "off the items nothing is hot";
}

TEST_F(ItemSelectorTest, SteppingStopsAtTheEndsAndAtDisabledItems) {
  Add(L"a");
  Add(L"b");
  Add(L"c")->SetEnabled(false);
  Selector->SelectPrevious();
  EXPECT_EQ(Selector->ItemIndex(), 0) << "from no selection the first item";
  Selector->SelectNext();
  EXPECT_EQ(Selector->ItemIndex(), 1);
  Selector->SelectNext();
  EXPECT_EQ(Selector->ItemIndex(), 1) << "a step onto a disabled item is refused";
  Selector->SelectFirst();
  Selector->SelectPrevious();
  EXPECT_EQ(Selector->ItemIndex(), 0);
  Selector->HotNext();
  Selector->HotNext();
  EXPECT_EQ(Selector->ItemHot(), 1);
  EXPECT_EQ(Selector->ItemIndex(), 0) << "the hot item moves alone";
}

TEST_F(ItemSelectorTest, TypeAheadGoesOnFromTheSelectionAndWraps) {
  Add(L"Apple");
  Add(L"Banana");
  Add(L"Berry");
  Add(L"<b>Bold</b> text");
  Selector->SetItemIndex(1);
  EXPECT_TRUE(Selector->LookupItem(L"B"));
  EXPECT_EQ(Selector->ItemIndex(), 2) << "Berry after Banana";
  EXPECT_TRUE(Selector->LookupItem(L"BE"));
  EXPECT_EQ(Selector->ItemIndex(), 2) << "still Berry, found again from the top";
  EXPECT_TRUE(Selector->LookupItem(L"BOLD"));
  EXPECT_EQ(Selector->ItemIndex(), 3) << "tags do not count";
  EXPECT_TRUE(Selector->LookupItem(L"B"));
  EXPECT_EQ(Selector->ItemIndex(), 1) << "past the end the search wraps to Banana";
  EXPECT_FALSE(Selector->LookupItem(L"C"));
  EXPECT_FALSE(Selector->LookupItem(String()));
  EXPECT_EQ(Selector->ItemIndex(), 1);
}

TEST_F(ItemSelectorTest, VisibleItemsAreWholeRowsTimesColumns) {
  FixedCells(40, 20);
  Selector->SetColumns(3);
  for (Integer Index = 0; Index < 40; ++Index) Add(IntToStr(Index));
  Pump();
  // 150 pixels of rows of 20, no horizontal bar: 7 rows.
  EXPECT_EQ(Selector->GetVisibleItemCount(), 21);
  Selector->SetItemIndex(39);
  Pump();
  const TRect Last = RectOf(39);
  EXPECT_LE(Panel()->Top() + Last.Bottom, Selector->ClientHeight()) << "the selection is scrolled into view";
}

TEST_F(ItemSelectorTest, PaintsSelectedAndHotItemsAndColourBoxes) {
  Selector->SetSelectorType(stColor);
  Selector->SetItemLayout(ilCaptionBottom);
  TItemAppearance* Look = Selector->ItemAppearance();
  Look->SetColorStyle(scCustom);
  Look->BorderColorTop = clNone;
  Look->ColorSelected = 0x0000C0;
  Look->ColorSelectedTo = clNone;
  Look->BorderColor = 0x00C000;
  Add(L"one", 0xC00000);
  Add(String(), 0x00C0C0);
  Selector->SetItemIndex(0);
  Pump();
  TRendered Image(Panel());
  const TRect First = RectOf(0), Second = RectOf(1);
  EXPECT_EQ(Image.Pixel(First.Left, First.Top + 10), TColor(0x00C000)) << "outline";
  EXPECT_EQ(Image.Pixel(First.Left + 2, First.Top + 2), TColor(0x0000C0)) << "selected fill";
  // The box stands at the top, centred across; the caption below it.
  EXPECT_EQ(Image.Pixel(First.Left + First.Width() / 2, First.Top + 4 + 7), TColor(0xC00000));
  EXPECT_EQ(Image.Pixel(Second.Left + 2, Second.Top + 2), ColorToRGB(Selector->Color())) << "neither hot nor selected";
  // Without a caption the box is centred vertically too.
  EXPECT_EQ(Image.Pixel(Second.Left + Second.Width() / 2, Second.Top + Second.Height() / 2), TColor(0x00C0C0));
}

TEST(ItemSelectorPanel, BelongsToAHostOnly) {
  TTestForm Form;
  try {
    new TCustomItemSelector(Form.Get());
    FAIL() << "no error";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), L"Invalid parent");
  }
}

TEST(ItemAppearance, PresetsLoadOnlyOnAChangeOfStyle) {
  TItemAppearance Look(nullptr);
  EXPECT_EQ(Look.ColorHot, TColor(0xD7FFFD));
  EXPECT_EQ(Look.Font()->Name(), L"Tahoma");
  Look.ColorHot = 0x123456;
  Look.SetColorStyle(scOffice2007);
  EXPECT_EQ(Look.ColorHot, TColor(0x123456)) << "the same style again loads nothing";
  Look.SetColorStyle(scWindows7);
  EXPECT_EQ(Look.ColorHot, TColor(0xFCEBDC));
  EXPECT_EQ(Look.ColorMirrorSelected, clNone);
  Look.SetColorStyle(scCustom);
  EXPECT_EQ(Look.ColorHot, TColor(0xFCEBDC)) << "custom keeps every colour";
  TItemAppearance Copy(nullptr);
  Copy.ColorHotText = 0x111111;
  Look.ColorHotText = 0x222222;
  Copy.Assign(&Look);
  EXPECT_EQ(Copy.ColorStyle(), scCustom);
  EXPECT_EQ(Copy.ColorHot, TColor(0xFCEBDC));
  EXPECT_EQ(Copy.ColorHotText, TColor(0x222222));
}

}  // namespace
