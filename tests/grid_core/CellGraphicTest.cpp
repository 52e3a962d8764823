// The cell graphic record on its own: angles, picture sizes by stretch
// mode, and copies that never take over the objects of their source.
#include <gtest/gtest.h>

#include "grid/core/CellGraphic.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Picture.h"

using namespace jorv;
using namespace jorv::grid;

TEST(CellGraphic, AnglesComeIntoAFullTurn) {
  struct {
    SmallInt Given;
    Integer Stored;
  } Cases[] = {{-90, 270}, {720, 360}, {360, 360}, {-30, 330}, {0, 0}, {-720, 0}, {45, 45}};
  for (auto C : Cases) {
    TCellGraphic G;
    G.SetAngle(C.Given);
    EXPECT_EQ(G.CellType(), ctRotated);
    EXPECT_EQ(G.CellAngle(), C.Stored) << C.Given;
  }
}

TEST(CellGraphic, PictureSizeByStretchMode) {
  TBitmap B(100, 50);
  TPicture P;
  P.SetBitmap(&B);
  struct {
    TStretchMode Mode;
    Integer Area, Padding, W, H;
  } Cases[] = {
      {noStretch, 40, 0, 100, 50},
      {Stretch, 40, 0, 40, 40},
      {StretchWithAspectRatio, 40, 0, 40, 20},
      {Shrink, 40, 0, 40, 40},
      {ShrinkWithAspectRatio, 40, 0, 40, 20},
      {Shrink, 200, 0, 100, 50},
      {ShrinkWithAspectRatio, 200, 0, 100, 50},
      {StretchWithAspectRatio, 200, 0, 200, 100},
      {Stretch, 44, 4, 40, 40},
  };
  for (auto C : Cases) {
    TCellGraphic G;
    G.SetPicture(&P, false, C.Mode, C.Padding, haLeft, vaTop);
    const TPoint S = G.GetPictureSize(C.Area, C.Area, false);
    EXPECT_EQ(S.X, C.W) << int(C.Mode) << " in " << C.Area;
    EXPECT_EQ(S.Y, C.H) << int(C.Mode) << " in " << C.Area;
  }
  TCellGraphic Other;
  Other.SetImageIdx(2, haLeft, vaTop);
  EXPECT_EQ(Other.GetPictureSize(40, 40, false).X, 0);
}

TEST(CellGraphic, CopyKeepsFlagsButNotObjects) {
  TCellGraphic Source;
  auto* Owned = new TBitmap(8, 8);
  Source.SetBitmap(Owned, true, haRight, vaBottom);
  Source.SetCellCreated(true);
  Source.SetCellComment(L"note");
  Source.SetCommentColor(0x00FF00);
  Source.SetCellCheckBoxState(cbGrayed);
  {
    TCellGraphic Copy;
    Copy.Assign(&Source);
    EXPECT_EQ(Copy.CellType(), ctBitmap);
    EXPECT_TRUE(Copy.CellCreated());
    EXPECT_TRUE(Copy.CellTransparent());
    EXPECT_EQ(Copy.CellHAlign(), haRight);
    EXPECT_EQ(Copy.CellBitmap(), nullptr);
    EXPECT_EQ(Copy.CellCheckBoxState(), cbUnchecked);
    EXPECT_EQ(Copy.CellComment(), L"note");
    EXPECT_EQ(Copy.CommentColor(), 0x00FF00);
  }
  // The copy went without touching the source's bitmap.
  EXPECT_EQ(Source.Bitmap()->Width(), 8);
}

TEST(CellGraphic, SettersFillTheirKind) {
  TCellGraphic G;
  G.SetButton(60, 20, L"Go", haCenter, vaCenter);
  EXPECT_EQ(G.CellType(), ctButton);
  EXPECT_EQ(G.CellIndex(), (20 << 16) | 60);
  G.SetRadioButton(true, true, haBeforeText, vaTop, rgRow);
  EXPECT_EQ(G.CellType(), ctRadioButton);
  EXPECT_EQ(G.CellAngle(), rgRow);
  EXPECT_TRUE(G.CellBoolean());
  G.SetCheckBox(cbGrayed, false, haLeft, vaTop);
  EXPECT_EQ(G.CellType(), ctTriStateCheckBox);
  EXPECT_EQ(G.CellCheckBoxState(), cbGrayed);
  G.SetCheckBox(true, true, true, haLeft, vaTop);
  EXPECT_EQ(G.CellType(), ctDataCheckBox);
  EXPECT_EQ(G.CellAngle(), 0);
}
