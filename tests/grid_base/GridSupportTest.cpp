#include <gtest/gtest.h>
#include <fstream>
#include "grid/base/ControlList.h"
#include "grid/base/FilePicture.h"
#include "grid/base/FileStringList.h"
#include "grid/base/GridSystem.h"
#include "tests/support/TempDir.h"
#include "tests/support/ui/Gui.h"

using namespace jorv::grid;

using namespace jorv;
using namespace jorv::test;

namespace {

TEST(ControlList, FindsRemovesAndKnowsWindows) {
  TTestForm Form;
  auto* P = new TPanel(Form.Get());
  P->SetParent(Form.Get());
  auto* Lone = new TPanel(Form.Get());  // never given a window
  TControlList L;
  L.AddControl(2, 3, Lone);
  L.AddControl(4, 5, P);
  L.AddControl(2, 3, P);
  EXPECT_EQ(L.ControlIndex(2, 3), 0);
  EXPECT_EQ(L.ControlIndex(9, 9), -1);
  EXPECT_TRUE(L.HasHandle(P->Handle()));
  EXPECT_FALSE(Lone->HandleAllocated());
  EXPECT_FALSE(L.HasHandle(Form->Handle()));
  L.RemoveControl(1);
  EXPECT_EQ(L.Count(), 2);
  EXPECT_EQ(L.GetControl(1)->X(), 2);
  EXPECT_EQ(L.GetControl(1)->Control(), P);  // the control outlives its item
  EXPECT_THROW(L.GetControl(2), EListError);
}

TEST(FileStringList, ReadsAndWritesLineByLine) {
  TFileStringList L;
  L.Write(L"a");
  L.Write(L"b");
  L.WriteLn(L"c");
  L.WriteLn(L"d");
  ASSERT_EQ(L.Count(), 2);
  EXPECT_EQ(L.Strings(0), L"abc");
  L.Reset();
  String s;
  L.ReadLn(s);
  EXPECT_EQ(s, L"abc");
  EXPECT_FALSE(L.Eof());
  L.ReadLn(s);
  EXPECT_EQ(s, L"d");
  EXPECT_TRUE(L.Eof());
  EXPECT_THROW(L.ReadLn(s), Exception);
}

TEST(FilePicture, MeasuresOnSetAndKeepsSizeForBadFiles) {
  TTempDir Dir;
  TBitmap B;
  B.SetSize(7, 5);
  B.SaveToFile(Dir.Path(L"p.bmp"));
  std::ofstream(Dir.Path(L"bad.bmp").c_str()) << "not a picture";

  TFilePicture P;
  P.SetFilename(Dir.Path(L"p.bmp"));
  EXPECT_EQ(P.Width(), 7);
  EXPECT_EQ(P.Height(), 5);
  P.SetFilename(Dir.Path(L"bad.bmp"));
  EXPECT_EQ(P.Filename(), Dir.Path(L"bad.bmp"));
  EXPECT_EQ(P.Width(), 7);
  P.SetFilename(Dir.Path(L"missing.bmp"));
  EXPECT_EQ(P.Height(), 5);

  TBitmap Target;
  Target.SetSize(10, 10);
  P.DrawPicture(Target.Canvas(), TRect(0, 0, 10, 10));  // missing: nothing, no raise
  P.SetFilename(Dir.Path(L"bad.bmp"));
  P.DrawPicture(Target.Canvas(), TRect(0, 0, 10, 10));

  TFilePicture Q;
  Q.Assign(&P);
  EXPECT_EQ(Q.Filename(), P.Filename());
  EXPECT_EQ(Q.Width(), 7);
}

TEST(GridSystem, VersionAndSchemeWithoutVisualStyles) {
  EXPECT_TRUE(IsWinXPOrLater());  // the system here reports 6.1
  // No visual style is active by default: no scheme, no themed look.
  if (!IsThemedXP()) { EXPECT_EQ(CurrentXPColorScheme(), 0); }
}

}  // namespace
