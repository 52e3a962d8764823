// The drop-down editor base: what a new editor is, its settings that do
// more than store, the attached label, copying, and the look presets.
#include "tests/dropdown/DropDownFixture.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Colors.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/Panel.h"

using namespace jorv;
using namespace jorv::dropdown;
using namespace jorv::foundation;
using namespace jorv::test;

namespace {

using DropDownTest = DropDownFixture;

TEST_F(DropDownTest, ANewEditorHasItsStartValues) {
  TTestDropDown Fresh(nullptr);
  EXPECT_EQ(Fresh.Width(), 200);
  EXPECT_EQ(Fresh.Height(), 21);
  EXPECT_EQ(Fresh.DropDownButtonWidth(), 17);
  EXPECT_EQ(Fresh.Button()->Width(), 17);
  EXPECT_EQ(Fresh.GetComponentStyle(), tsOffice2007Luna);
  EXPECT_EQ(Fresh.DropDownColor(), TColor(0xF3E5DA)) << "the Luna preset replaces the plain colours";
  EXPECT_EQ(Fresh.SelectionColorStyle(), scOffice2007);
  EXPECT_EQ(Fresh.SelectionColor(), TColor(0xD7FFFD));
  EXPECT_EQ(Fresh.LabelMargin(), 4);
  EXPECT_EQ(Fresh.Version(), L"1.3.2.3");
  Fresh.SetVersion(L"9.9.9.9");
  EXPECT_EQ(Fresh.Version(), L"1.3.2.3");
  EXPECT_EQ(Fresh.EditLabel(), nullptr);
  EXPECT_FALSE(Fresh.DroppedDown());
  ASSERT_NE(Fresh.DropDownForm(), nullptr);
  EXPECT_EQ(Fresh.DropDownForm()->ExDropDown(), &Fresh);
}

TEST_F(DropDownTest, TheStyleInterfacesAreReachable) {
  IZVQStyle* Style = nullptr;
  ASSERT_EQ(Edit->QueryInterface(__uuidof(IZVQStyle), reinterpret_cast<void**>(&Style)), S_OK);
  Style->SetComponentStyle(tsWindows7);
  EXPECT_EQ(Edit->GetComponentStyle(), tsWindows7);
  IZVQTones* Tones = nullptr;
  ASSERT_EQ(Edit->QueryInterface(__uuidof(IZVQTones), reinterpret_cast<void**>(&Tones)), S_OK);
  TColorTones T;
  T.Background = {0x111111, 0x222222, 0};
  T.Hover.BrushColor = 0x333333;
  T.Selected.BrushColor = 0x444444;
  Tones->SetColorTones(T);
  EXPECT_EQ(Edit->Button()->ButtonColor(), TColor(0x111111));
  EXPECT_EQ(Edit->Button()->ButtonColorHot(), TColor(0x333333));
  EXPECT_EQ(Edit->Button()->ButtonColorDown(), TColor(0x444444));
  EXPECT_EQ(Edit->Button()->ButtonBorderColor(), TColor(0x222222));
  EXPECT_EQ(Edit->BorderColor(), TColor(0x222222));
}

TEST_F(DropDownTest, SettingThePopupSizeForgetsTheUsersSize) {
  Edit->ShowDropDown();
  ASSERT_TRUE(PumpUntil([&] { return PopupShown(); }));
  SetWindowPos(Edit->DropDownForm()->Handle(), nullptr, 0, 0, 300, 150, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  Edit->HideDropDown(false);
  Edit->ShowDropDown();
  EXPECT_EQ(Edit->DropDownForm()->Width(), 300);
  EXPECT_EQ(Edit->DropDownForm()->Height(), 150);
  Edit->HideDropDown(false);
  Edit->SetDropDownHeight(Edit->DropDownHeight());
  Edit->ShowDropDown();
  EXPECT_EQ(Edit->DropDownForm()->Width(), 300) << "the same value again forgets nothing";
  Edit->HideDropDown(false);
  Edit->SetDropDownWidth(250);
  Edit->ShowDropDown();
  EXPECT_EQ(Edit->DropDownForm()->Width(), 250);
  Edit->HideDropDown(false);
  Edit->SetDropDownHeight(-5);
  EXPECT_EQ(Edit->DropDownHeight(), 0) << "a negative height is ignored";
}

TEST_F(DropDownTest, APopupIsNeverSmallerThanItsMinimum) {
  Edit->SetDropDownWidth(10);
  Edit->SetDropDownHeight(10);
  Edit->ShowDropDown();
  EXPECT_EQ(Edit->DropDownForm()->Width(), 80);
  EXPECT_EQ(Edit->DropDownForm()->Height(), 50);
  RECT R{};
  GetWindowRect(Edit->DropDownForm()->Handle(), &R);
  EXPECT_EQ(R.right - R.left, 80);
  EXPECT_EQ(R.bottom - R.top, 50);
  Edit->HideDropDown(true);
}

TEST_F(DropDownTest, TheLabelFollowsTheEditor) {
  Edit->SetLabelCaption(L"Name");
  TLabel* L = Edit->EditLabel();
  ASSERT_NE(L, nullptr);
  EXPECT_EQ(L->Parent(), Form.Get());
  EXPECT_EQ(L->FocusControl(), Edit);
  // The caption's width as the system measures the text on one line.
  TBitmap Probe(10, 10);
  Probe.Canvas()->Font()->Assign(L->Font());
  RECT TR{0, 0, 1000, 255};
  DrawTextW(Probe.Canvas()->Handle(), L"Name", 4, &TR, DT_CALCRECT | DT_HIDEPREFIX);
  const Integer TextWidth = TR.right;
  EXPECT_EQ(L->Top(), Edit->Top());
  EXPECT_EQ(L->Left() + TextWidth + 4, Edit->Left()) << "left of the edit, 4 pixels away";
  struct TCase {
    TLabelPosition Position;
    Integer Top, Left;  // relative to the edit, in label sizes L and margin 4
  };
  const Integer LW = L->Width(), LH = L->Height(), EW = Edit->Width(), EH = Edit->Height();
  const TCase Cases[] = {
      {lpTopLeft, -LH - 4, 0},
      {lpBottomLeft, EH + 4, 0},
      {lpLeftCenter, (EH - LH) / 2, -TextWidth - 4},
      {lpRightTop, 0, EW + 4},
      {lpRighBottom, EH - LH, EW + 4},
      {lpTopCenter, -LH - 4, (EW - LW) / 2},
      {lpBottomRight, EH + 4, EW - LW},
      {lpLeftTopLeft, 0, -4},
  };
  for (const TCase& C : Cases) {
    Edit->SetLabelPosition(C.Position);
    EXPECT_EQ(L->Top() - Edit->Top(), C.Top) << int(C.Position);
    EXPECT_EQ(L->Left() - Edit->Left(), C.Left) << int(C.Position);
  }
  Edit->SetLabelPosition(lpLeftTop);
  Edit->SetBounds(100, 60, 160, 21);
  EXPECT_EQ(L->Top(), 60) << "moving the edit moves the label";
  Edit->SetVisible(false);
  EXPECT_FALSE(L->Visible());
  Edit->SetVisible(true);
  EXPECT_TRUE(L->Visible());
}

TEST_F(DropDownTest, ALabelWithoutCaptionKeepsItsVisibility) {
  Edit->SetLabelCaption(L"x");
  Edit->SetLabelCaption(L"");
  Edit->SetVisible(false);
  EXPECT_TRUE(Edit->EditLabel()->Visible());
}

TEST_F(DropDownTest, AnEditorBelowItsMinimumHeightGrows) {
  Edit->SetHeight(6);
  EXPECT_GT(Edit->Height(), 6);
  EXPECT_EQ(Edit->Button()->Height(), Edit->Height() - 2) << "the button follows the grown height";
}

TEST_F(DropDownTest, AssignCopiesTheDropDownSettingsOnly) {
  TTestDropDown Source(nullptr);
  Source.SetDropDownColor(0x123456);
  Source.SetDropDownWidth(321);
  Source.SetEditType(etHex);
  Source.SetPrefix(L"0x");
  Source.SetDropDownButtonWidth(25);
  Source.DropDownHeader()->SetCaption(L"Head");
  Source.SetSelectionColorStyle(scWindows7);
  Source.SetText(L"AB");
  Source.SetColor(0x00FF00);
  Edit->Assign(&Source);
  EXPECT_EQ(Edit->DropDownColor(), TColor(0x123456));
  EXPECT_EQ(Edit->DropDownWidth(), 321);
  EXPECT_EQ(Edit->EditType(), etHex);
  EXPECT_EQ(Edit->DropDownButtonWidth(), 25);
  EXPECT_EQ(Edit->DropDownHeader()->Caption(), L"Head");
  EXPECT_EQ(Edit->SelectionColorStyle(), scWindows7);
  EXPECT_NE(Edit->Text(), L"AB") << "the text is not copied";
  EXPECT_NE(Edit->Color(), TColor(0x00FF00)) << "nor the edit's colours";
  TPersistent Foreign;
  EXPECT_NO_THROW(Edit->Assign(&Foreign));
  EXPECT_EQ(Edit->DropDownWidth(), 321);
}

TEST_F(DropDownTest, FreeingTheControlOrImagesClearsTheReferences) {
  auto* Memo = new TPanel(Form.Get());
  Edit->SetControl(Memo);
  EXPECT_EQ(Memo->Parent(), Edit->DropDownForm());
  EXPECT_EQ(Memo->Align(), alClient);
  delete Memo;
  EXPECT_EQ(Edit->Control(), nullptr);
  auto* Images = new TImageList(Form.Get());
  Edit->SetImages(Images);
  delete Images;
  EXPECT_EQ(Edit->Images(), nullptr);
}

// --- looks ---------------------------------------------------------------------------------------

struct TLookRow {
  TZVQStyle Style;
  TColor DropDownColor, DropDownColorTo, HeaderColor, HeaderColorTo, HeaderFont, HeaderBorder, FooterBorder;
  TColor ButtonColor, ButtonColorTo, ButtonHot, ButtonBorderChecked;
};

TEST_F(DropDownTest, EveryPresetSetsItsTableRows) {
  const TLookRow Rows[] = {
      {tsOffice2003Blue, 0xFFFFFF, clNone, 0xFCE1CB, 0xE0A57D, 0, 0, 0x962D00, 0xFCE1CB, 0xE0A57D, 0xEBFDFF, 0x45667B},
      {tsOffice2003Silver, 0xFFFFFF, clNone, 0xECE2E1, 0xB39698, 0, 0x947C7C, 0x947C7C, 0xECE2E1, 0xB39698, 0xEBFDFF, 0x45667B},
      {tsOffice2003Olive, 0xFFFFFF, clNone, 0xCFF0EA, 0x8CC0B1, 0, 0x588060, 0x588060, 0xCFF0EA, 0x8CC0B1, 0xEBFDFF, 0x45667B},
      {tsOffice2003Classic, 0xF2F2F2, 0xF2F2F2, 0x808080, 0x808080, 0xFFFFFF, 0x808080, 0x808080, 0xFFFFFF, 0xC9D1D5, 0xD2BDB6, 0x808080},
      {tsOffice2007Luna, 0xF3E5DA, 0xF0DED0, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFD2AF, 0xFFEFE3, 0xFFDDC4, 0xEBFDFF, 0x45667B},
      {tsOffice2007Obsidian, 0xFFFFFF, clNone, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xC9C2BD, 0xEBFDFF, 0x45667B},
      {tsWindowsXP, 0xFFFFFF, clNone, 0xFFFFFF, clBtnFace, 0, 0x808080, 0x808080, 0xFFFFFF, clBtnFace, 0xEFD3C6, 0},
      {tsWhidbey, 0xF5F9FA, 0xF5F9FA, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, 0x962D00, 0xFFFFFF, 0xDFEDF0, 0xEBFDFF, 0x45667B},
      {tsOffice2007Silver, 0xF8F4F1, 0xF0E8E3, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, 0x74706F, 0xF9F8F8, 0xE4E2DF, 0xEBFDFF, 0x45667B},
      {tsWindowsVista, 0xFFFFFF, 0xFFFFFF, 0xFFFDF9, 0xFFFAF0, 0, 0xFCF2DA, 0xFCF2DA, 0xFFFDF9, 0xFFFAF0, 0xFEF9F0, 0xFEDF9A},
      {tsWindows7, 0xFFFFFF, 0xFFFFFF, 0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFDFBFA, 0xCEA27D},
      {tsTerminal, 0xFFFFFF, 0xFFFFFF, clBtnFace, clBtnFace, 0, clNone, clNone, clBtnFace, clBtnFace, 0xC0C0C0, clHighlight},
      {tsOffice2010Blue, 0xFFFFFF, 0xF1EFED, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F, 0xC7B29F, 0xFDF6EF, 0xF0DAC7, 0x8AE3FD, 0x4FA0CE},
      {tsOffice2010Silver, 0xFFFFFF, 0xF1EFED, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8, 0xD2CDC8, 0xFFFFFF, 0xEDE5E0, 0x8AE3FD, 0x4FA0CE},
      {tsOffice2010Black, 0xFFFFFF, 0xF1EFED, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D, 0x6D6D6D, 0xBFBFBF, 0x919191, 0x8AE3FD, 0x4FA0CE},
  };
  for (const TLookRow& R : Rows) {
    Edit->SetComponentStyle(R.Style);
    SCOPED_TRACE(int(R.Style));
    EXPECT_EQ(Edit->DropDownColor(), R.DropDownColor);
    EXPECT_EQ(Edit->DropDownColorTo(), R.DropDownColorTo);
    EXPECT_EQ(Edit->DropDownHeader()->Color(), R.HeaderColor);
    EXPECT_EQ(Edit->DropDownHeader()->ColorTo(), R.HeaderColorTo);
    EXPECT_EQ(Edit->DropDownHeader()->Font()->Color(), R.HeaderFont);
    EXPECT_EQ(Edit->DropDownHeader()->BorderColor(), R.HeaderBorder);
    EXPECT_EQ(Edit->DropDownFooter()->BorderColor(), R.FooterBorder);
    EXPECT_EQ(Edit->ButtonAppearance()->Color(), R.ButtonColor);
    EXPECT_EQ(Edit->ButtonAppearance()->ColorTo(), R.ButtonColorTo);
    EXPECT_EQ(Edit->ButtonAppearance()->ColorHot(), R.ButtonHot);
    EXPECT_EQ(Edit->ButtonAppearance()->BorderColorChecked(), R.ButtonBorderChecked);
  }
}

TEST_F(DropDownTest, PresetsThatDoNotTouchSomeColoursLeaveThem) {
  Edit->SetDropDownBorderColor(0x010203);
  Edit->SetComponentStyle(tsOffice2003Blue);
  EXPECT_EQ(Edit->DropDownBorderColor(), TColor(0x010203));
  EXPECT_EQ(Edit->DropDownHeader()->BorderColor(), TColor(0));
  Edit->SetComponentStyle(tsWindowsVista);
  EXPECT_EQ(Edit->DropDownBorderColor(), TColor(0x979797));
  EXPECT_EQ(Edit->DropDownFooter()->Color(), Edit->DropDownHeader()->ColorTo()) << "the footer runs the other way";
  EXPECT_EQ(Edit->DropDownFooter()->ColorTo(), Edit->DropDownHeader()->Color());
  for (TZVQStyle S : {tsCustom, tsWindows8, tsOffice2013White, tsOffice2013LightGray, tsOffice2013Gray}) {
    Edit->SetComponentStyle(S);
    EXPECT_EQ(Edit->GetComponentStyle(), S);
    EXPECT_EQ(Edit->DropDownColor(), TColor(0xFFFFFF));
    EXPECT_EQ(Edit->DropDownHeader()->Color(), TColor(0xFFFDF9));
  }
}

TEST_F(DropDownTest, SelectionPresetsSetBothColours) {
  struct TCase {
    TSelectionColorStyle Style;
    TColor From, To;
  };
  const TCase Cases[] = {{scWindowsVista, 0xFDF8F1, 0xFCEFD5}, {scWindows7, 0xFCEBDC, 0xFCDBC1}, {scOffice2007, 0xD7FFFD, 0x58D4FC}};
  for (const TCase& C : Cases) {
    Edit->SetSelectionColorStyle(C.Style);
    EXPECT_EQ(Edit->SelectionColor(), C.From);
    EXPECT_EQ(Edit->SelectionColorTo(), C.To);
  }
  Edit->SetSelectionColorStyle(scCustom);
  EXPECT_EQ(Edit->SelectionColor(), TColor(0xD7FFFD)) << "custom keeps the colours";
}

}  // namespace
