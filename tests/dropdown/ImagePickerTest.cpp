// The image picker: items from an image list and from the picture files of
// a folder, choosing through the open list by keys, Return, the wheel and
// type-ahead, and the chosen picture shown in the edit.
#include <algorithm>
#include <cstring>

#include "dropdown/ImagePickerDropDown.h"
#include "platform/gfx/Icon.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/WICImage.h"
#include "platform/rtl/Streams.h"
#include "tests/dropdown/DropDownFixture.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TempDir.h"

using namespace jorv;
using namespace jorv::dropdown;
using namespace jorv::test;

namespace {

std::unique_ptr<TBitmap> Solid(TColor Color, Integer W, Integer H) {
  auto B = std::make_unique<TBitmap>();
  B->SetPixelFormat(pf24bit);
  B->SetSize(W, H);
  B->Canvas()->Brush()->SetColor(Color);
  B->Canvas()->FillRect(TRect(0, 0, W, H));
  return B;
}

void WritePng(const String& FileName, Integer W, Integer H) {
  TPngImage Png;
  TBitmap* Pixels = Png.Pixels();
  Pixels->SetSize(W, H);
  for (Integer Y = 0; Y < H; ++Y) std::memset(Pixels->ScanLine(Y), 0xFF, size_t(W) * 4);
  Png.SaveToFile(FileName);
}

void WriteIcon(const String& FileName) {
  auto Colour = Solid(clRed, 16, 16);
  TBitmap Mask;
  Mask.SetPixelFormat(pf1bit);
  Mask.SetSize(16, 16);
  ICONINFO Info{TRUE, 0, 0, Mask.Handle(), Colour->Handle()};
  TIcon Icon;
  Icon.SetHandle(CreateIconIndirect(&Info));
  Icon.SaveToFile(FileName);
}

class TTestPicker : public TExImagePickerDropDown {
 public:
  using TExImagePickerDropDown::TExImagePickerDropDown;
  using TExCustomDropDown::GetEditRect;
};

class ImagePickerTest : public ::testing::Test {
 protected:
  ImagePickerTest() {
    Picker = new TTestPicker(Form.Get());
    Picker->SetParent(Form.Get());
    Picker->SetBounds(60, 20, 160, 24);
    Picker->HandleNeeded();
    Pump();
  }
  void AddCaptioned(std::initializer_list<const wchar_t*> Captions) {
    for (const wchar_t* Caption : Captions) Picker->Items()->Add()->SetCaption(Caption);
  }
  void KeyDown(Word Key) { SendMessageW(Picker->Handle(), WM_KEYDOWN, Key, 1); }
  bool PopupShown() { return IsWindowVisible(Picker->DropDownForm()->Handle()); }
  void OpenList() {
    Picker->ShowDropDown();
    Pump();
    ASSERT_TRUE(PopupShown());
  }

  TTestForm Form{400, 300};
  TTestPicker* Picker;
};

TEST_F(ImagePickerTest, ItemsFromTheImageListAndChoiceByImageIndex) {
  TCustomImageList List(16, 16, Form.Get());
  auto Strip = Solid(clGreen, 16 * 12, 16);
  List.Add(Strip.get(), nullptr);
  Picker->AddImagesFromImageList();
  EXPECT_EQ(Picker->Items()->Count(), 0) << "no image list, no items";
  Picker->SetImages(&List);
  Picker->AddImagesFromImageList();
  ASSERT_EQ(Picker->Items()->Count(), 12);
  EXPECT_EQ(Picker->Items()->Items(11)->ImageIndex(), 11);
  Integer Changes = 0, Selects = 0;
  Picker->OnChange = [&](TObject*) { ++Changes; };
  Picker->OnSelect = [&](TObject*) { ++Selects; };
  Picker->SetImageIndex(7);
  EXPECT_EQ(Picker->ItemIndex(), 7);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(Selects, 1);
  Picker->SetImageIndex(99);
  EXPECT_EQ(Picker->ItemIndex(), -1);
  EXPECT_EQ(Picker->ImageIndex(), -1);
  Picker->SetItemIndex(12);
  EXPECT_EQ(Picker->ItemIndex(), -1) << "beyond the items is ignored";
}

TEST_F(ImagePickerTest, AFolderGivesOneItemPerPictureFileAndNoneForSubFolders) {
  TTempDir Dir;
  Solid(clBlue, 10, 6)->SaveToFile(Dir.Path(L"a.bmp"));
  WritePng(Dir.Path(L"b.png"), 7, 5);
  WriteIcon(Dir.Path(L"c.ico"));
  {
    TFileStream Junk(Dir.Path(L"d.png"), fmCreate);
    Junk.WriteBuffer("not a picture", 13);
  }
  CreateDirectoryW(Dir.Path(L"e.png").c_str(), nullptr);
  Picker->AddImagesFromFolder(Dir.Dir() + L"\\*.*", true);
  ASSERT_EQ(Picker->Items()->Count(), 4);
  std::vector<std::pair<String, Integer>> Found;
  for (Integer Index = 0; Index < 4; ++Index) {
    TImageItem* Item = Picker->Items()->Items(Index);
    Found.emplace_back(Item->Caption(), Item->Image()->Width());
  }
  std::sort(Found.begin(), Found.end());
  // The file that does not load keeps an item, without picture or caption.
  const std::vector<std::pair<String, Integer>> Expected{{L"", 0}, {L"a.bmp", 10}, {L"b.png", 7}, {L"c.ico", 16}};
  EXPECT_EQ(Found, Expected);
  Picker->AddImagesFromFolder(Dir.Path(L"*.gif"), true);
  EXPECT_EQ(Picker->Items()->Count(), 4) << "a mask that matches nothing adds nothing";
}

TEST_F(ImagePickerTest, KeysMoveByRowsInTheOpenListAndStepWhenClosed) {
  AddCaptioned({L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"7"});
  Picker->SetColumns(4);
  Integer Selects = 0;
  Picker->OnSelect = [&](TObject*) { ++Selects; };
  KeyDown(VK_DOWN);
  EXPECT_EQ(Picker->ItemIndex(), 0) << "closed: the next item";
  KeyDown(VK_DOWN);
  EXPECT_EQ(Picker->ItemIndex(), 1);
  OpenList();
  KeyDown(VK_DOWN);
  EXPECT_EQ(Picker->ItemIndex(), 5) << "a row down is Columns items on";
  EXPECT_TRUE(PopupShown()) << "keys leave the list open";
  KeyDown(VK_RIGHT);
  EXPECT_EQ(Picker->ItemIndex(), 6);
  KeyDown(VK_HOME);
  EXPECT_EQ(Picker->ItemIndex(), 0);
  KeyDown(VK_RIGHT);
  KeyDown(VK_RIGHT);
  KeyDown(VK_UP);
  EXPECT_EQ(Picker->ItemIndex(), 2) << "no row above";
  EXPECT_EQ(Selects, 7) << "each move in the list selects";
  Picker->HideDropDown(true);
  EXPECT_EQ(Picker->ItemIndex(), 1) << "a cancelled list restores the item of the opening";
}

TEST_F(ImagePickerTest, ReturnTakesTheHotItemAndClosesOtherwiseItReportsTheSelection) {
  AddCaptioned({L"a", L"b", L"c"});
  Integer Selects = 0;
  Picker->OnSelect = [&](TObject*) { ++Selects; };
  OpenList();
  SendMessageW(Picker->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  SendMessageW(Picker->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(Picker->ItemSelector()->ItemHot(), 1) << "the wheel over the open list moves the hot item";
  EXPECT_EQ(Picker->ItemIndex(), -1) << "and not the selection";
  KeyDown(VK_RETURN);
  EXPECT_EQ(Picker->ItemIndex(), 1);
  EXPECT_FALSE(PopupShown());
  EXPECT_EQ(Selects, 1) << "the choice reports once";
  KeyDown(VK_RETURN);
  EXPECT_EQ(Selects, 2) << "Return without a hot item reports the selection";
  SendMessageW(Picker->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(Picker->ItemIndex(), 2) << "the wheel over the closed picker steps the selection";
  EXPECT_FALSE(PopupShown());
}

TEST_F(ImagePickerTest, TypeAheadCollectsTheKeysOfHalfASecond) {
  FixedClock Clock(0);
  Clock.SetTicks(10000);
  AddCaptioned({L"Apple", L"Banana", L"Berry", L"Cherry"});
  OpenList();
  KeyDown(L'B');
  EXPECT_EQ(Picker->ItemIndex(), 1);
  Clock.Advance(300);
  KeyDown(L'E');
  EXPECT_EQ(Picker->ItemIndex(), 2) << "BE within the window";
  Clock.Advance(199);
  KeyDown(L'R');
  EXPECT_EQ(Picker->ItemIndex(), 2) << "BER, 499 ms after the first key";
  Clock.Advance(1);
  KeyDown(L'C');
  EXPECT_EQ(Picker->ItemIndex(), 3) << "a new burst: C alone";
  EXPECT_TRUE(PopupShown());
  Picker->HideDropDown(false);
}

TEST_F(ImagePickerTest, TheEditShowsTheChosenPictureCentred) {
  TImageItem* Item = Picker->Items()->Add();
  auto Red = Solid(0x0000FF, 8, 8);
  Item->Image()->Assign(Red.get());
  Picker->Items()->Add();
  Picker->SetItemIndex(0);
  Pump();
  const TRect E = Picker->GetEditRect();
  HDC DC = GetDC(Picker->Handle());
  const COLORREF Centre = GetPixel(DC, E.Left + E.Width() / 2, E.Top + E.Height() / 2);
  const COLORREF Left = GetPixel(DC, E.Left + 1, E.Top + E.Height() / 2);
  ReleaseDC(Picker->Handle(), DC);
  EXPECT_EQ(Centre, COLORREF(0x0000FF));
  EXPECT_NE(Left, COLORREF(0x0000FF));
  Picker->SetItemIndex(1);
  Pump();
  DC = GetDC(Picker->Handle());
  const COLORREF Blank = GetPixel(DC, E.Left + E.Width() / 2, E.Top + E.Height() / 2);
  ReleaseDC(Picker->Handle(), DC);
  EXPECT_NE(Blank, COLORREF(0x0000FF)) << "an item without picture leaves the edit blank";
}

}  // namespace
