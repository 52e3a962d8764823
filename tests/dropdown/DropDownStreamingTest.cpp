// Drop-down editors written to a form stream and read back: the published
// properties, and the two look values that are stored beside them and
// read back without applying their look again.
#include <string>

#include "dropdown/DetailDropDown.h"
#include "dropdown/ImagePickerDropDown.h"
#include "dropdown/MemoDropDown.h"
#include "dropdown/TrackBarDropDown.h"
#include "platform/rtl/Filer.h"
#include "tests/dropdown/DropDownFixture.h"
#include "tests/support/StreamCheck.h"

using namespace jorv;
using namespace jorv::dropdown;
using namespace jorv::test;

namespace {

bool Holds(const TBytes& Bytes, const std::string& Name) {
  const std::string Text(Bytes.begin(), Bytes.end());
  return Text.find(std::string(1, static_cast<char>(Name.size())) + Name) != std::string::npos;
}

String FirstDifference(TPersistent* A, TPersistent* B) {
  const std::vector<String> Differences = PropertyDifferences(A, B);
  return Differences.empty() ? String() : Differences[0];
}

TEST(DropDownStreaming, LookValuesComeBackWithoutTheirLookBeingAppliedAgain) {
  TTestDropDown Original(nullptr);
  Original.SetComponentStyle(tsWindows7);
  Original.SetSelectionColorStyle(scWindows7);
  Original.SetDropDownColor(0x123456);
  Original.SetDropDownButtonWidth(21);
  Original.SetLabelCaption(L"Name");
  Original.SetText(L"value");
  const TBytes Bytes = WrittenBytes(&Original);

  TTestDropDown Copy(nullptr);
  ReadBytesInto(Bytes, &Copy);
  EXPECT_EQ(FirstDifference(&Original, &Copy), String());
  EXPECT_EQ(Copy.GetComponentStyle(), tsWindows7);
  EXPECT_EQ(Copy.SelectionColorStyle(), scWindows7);
  // Applying either look on reading would overwrite these.
  EXPECT_EQ(Copy.DropDownColor(), TColor(0x123456));
  EXPECT_EQ(Copy.SelectionColor(), TColor(0xD7FFFD)) << "still the colour of its construction";
  EXPECT_EQ(Copy.DropDownButtonWidth(), 21);
  EXPECT_EQ(Copy.LabelCaption(), L"Name");
  EXPECT_EQ(Copy.Text(), L"value");
  EXPECT_EQ(WrittenBytes(&Copy), Bytes);
}

TEST(DropDownStreaming, LookValuesAreAlwaysWrittenAndDefaultsAreNot) {
  TExDropDown Fresh(nullptr);
  const TBytes Bytes = WrittenBytes(&Fresh);
  EXPECT_TRUE(Holds(Bytes, "SelectionColorStyle"));
  EXPECT_TRUE(Holds(Bytes, "ZVQStyle"));
  for (const char* Name : {"DropDownBorderWidth", "DropPosition", "LabelMargin", "EditorEnabled"})
    EXPECT_FALSE(Holds(Bytes, Name)) << Name;
  // The look's pop-up colour differs from the declared default, so it is
  // kept; a colour equal to the default is left out and loads as the look's.
  EXPECT_TRUE(Holds(Bytes, "DropDownColor"));
  TExDropDown White(nullptr);
  White.SetDropDownColor(0xFFFFFF);
  EXPECT_FALSE(Holds(WrittenBytes(&White), "DropDownColor"));
}

TEST(DropDownStreaming, HostedDropDownsKeepTheirOwnSettings) {
  TExTrackBarDropDown Track(nullptr);
  Track.SetMax(40);
  Track.SetPosition(25);
  Track.SetPageSize(5);
  TExTrackBarDropDown TrackCopy(nullptr);
  ReadBytesInto(WrittenBytes(&Track), &TrackCopy);
  EXPECT_EQ(TrackCopy.Max(), 40);
  EXPECT_EQ(TrackCopy.Position(), 25);
  EXPECT_EQ(TrackCopy.PageSize(), 5);

  TExMemoDropDown Memo(nullptr);
  TStringList Lines;
  Lines.SetText(L"one\r\ntwo\r\n");
  Memo.SetMemoText(&Lines);
  Memo.SetMemoScrollBars(ssVertical);
  TExMemoDropDown MemoCopy(nullptr);
  ReadBytesInto(WrittenBytes(&Memo), &MemoCopy);
  ASSERT_EQ(MemoCopy.MemoText()->Count(), 2);
  EXPECT_EQ(MemoCopy.MemoText()->Strings(1), L"two");
  EXPECT_EQ(MemoCopy.MemoScrollBars(), ssVertical);
}

TEST(DropDownStreaming, ListDropDownsKeepTheirItemsAndChoice) {
  TExDetailDropDown Detail(nullptr);
  for (const wchar_t* Caption : {L"One", L"Two"}) {
    TDetailItem* Item = Detail.Items()->Add();
    Item->SetCaption(Caption);
    Item->SetNotes(String(L"<b>") + Caption + L"</b>");
  }
  Detail.SetItemIndex(1);
  Detail.SetItemHeight(30);
  Detail.ItemAppearance()->ColorHot = 0x102030;
  Detail.ItemAppearance()->BorderColorHot = 0x405060;
  TExDetailDropDown DetailCopy(nullptr);
  ReadBytesInto(WrittenBytes(&Detail), &DetailCopy);
  ASSERT_EQ(DetailCopy.Items()->Count(), 2);
  EXPECT_EQ(DetailCopy.Items()->Items(1)->Notes(), L"<b>Two</b>");
  EXPECT_EQ(DetailCopy.ItemIndex(), 1);
  EXPECT_EQ(DetailCopy.Text(), L"Two");
  EXPECT_EQ(DetailCopy.ItemHeight(), 30);
  EXPECT_EQ(DetailCopy.ItemAppearance()->ColorHot, TColor(0x102030));
  EXPECT_EQ(DetailCopy.ItemAppearance()->BorderColorHot, TColor(0x405060));
  EXPECT_EQ(FirstDifference(&Detail, &DetailCopy), String());

  TExImagePickerDropDown Picker(nullptr);
  Picker.Items()->Add()->SetImageIndex(4);
  Picker.Items()->Add()->SetCaption(L"second");
  Picker.SetColumns(3);
  Picker.SetItemIndex(0);
  TExImagePickerDropDown PickerCopy(nullptr);
  ReadBytesInto(WrittenBytes(&Picker), &PickerCopy);
  ASSERT_EQ(PickerCopy.Items()->Count(), 2);
  EXPECT_EQ(PickerCopy.ImageIndex(), 4);
  EXPECT_EQ(PickerCopy.Items()->Items(1)->Caption(), L"second");
  EXPECT_EQ(PickerCopy.Columns(), 3);
}

}  // namespace
