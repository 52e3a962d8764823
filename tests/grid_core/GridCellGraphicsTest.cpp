// Graphics and small controls in the grid's cells: every kind added, read
// and removed, replacing and keeping rules, comments, markers, balloons,
// scroll bars, image-list cells, the room graphics take, and the grid's
// errors for cells outside it.
#include <gtest/gtest.h>

#include <functional>
#include "grid/base/FilePicture.h"
#include "grid/base/IntList.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Icon.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Strings.h"

using namespace jorv;
using namespace jorv::grid;

namespace {

class TSelfDrawn : public TInterfacedPersistent, public IInterfacedCell {
 public:
  void Draw(TCanvas*, const TRect&, Integer, Integer, bool, TRezIvevirAvod*) override {}
  Integer GetWidth() override { return 30; }
  Integer GetHeight() override { return 12; }
  bool IsBefore() override { return false; }
};

template <class F>
String MessageOf(F Call) {
  try {
    Call();
  } catch (const DAvoDeveDeviz& E) {
    return E.Message();
  } catch (const Exception& E) {
    return L"other: " + E.Message();
  }
  return L"no error";
}

}  // namespace

// One row per kind the API makes: how it is added and taken away again.
TEST(GridCellGraphics, EveryKindIsAddedReadAndRemoved) {
  TRezIvevirAvod G(nullptr);
  TCustomImageList Images(16, 16);
  G.SetGridImages(&Images);
  TBitmap Bmp(10, 10);
  TPicture Pic;
  TIcon Icon;
  TFilePicture FilePic;
  TStringList Items;
  TSelfDrawn SelfDrawn;
  using Op = std::function<void(Integer, Integer)>;
  struct {
    TCellType Kind;
    Op Add, Remove;
  } Cases[] = {
      {ctBitmap, [&](Integer c, Integer r) { G.AddBitmap(c, r, &Bmp, false, haLeft, vaTop); },
       [&](Integer c, Integer r) { G.RemoveBitmap(c, r); }},
      {ctIcon, [&](Integer c, Integer r) { G.AddIcon(c, r, &Icon, haLeft, vaTop); },
       [&](Integer c, Integer r) { G.RemoveIcon(c, r); }},
      {ctImageList, [&](Integer c, Integer r) { G.AddImageIdx(c, r, 1, haLeft, vaTop); },
       [&](Integer c, Integer r) { G.RemoveImageIdx(c, r); }},
      {ctDataImage, [&](Integer c, Integer r) { G.AddDataImage(c, r, 1, haLeft, vaTop); },
       [&](Integer c, Integer r) { G.RemoveDataImage(c, r); }},
      {ctImages, [&](Integer c, Integer r) { G.AddMultiImage(c, r, 0, haLeft, vaTop); },
       [&](Integer c, Integer r) { G.RemoveMultiImage(c, r); }},
      {ctPicture, [&](Integer c, Integer r) { G.AddPicture(c, r, &Pic, false, noStretch, 0, haLeft, vaTop); },
       [&](Integer c, Integer r) { G.RemovePicture(c, r); }},
      {ctFilePicture,
       [&](Integer c, Integer r) { G.AddFilePicture(c, r, &FilePic, false, noStretch, 0, haLeft, vaTop); },
       [&](Integer c, Integer r) { G.RemoveFilePicture(c, r); }},
      {ctCheckBox, [&](Integer c, Integer r) { G.AddCheckBox(c, r, true, false); },
       [&](Integer c, Integer r) { G.RemoveCheckBox(c, r); }},
      {ctDataCheckBox, [&](Integer c, Integer r) { G.AddCheckBox(c, r, true, true); },
       [&](Integer c, Integer r) { G.RemoveCheckBox(c, r); }},
      {ctTriStateCheckBox, [&](Integer c, Integer r) { G.AddCheckBox(c, r, cbGrayed); },
       [&](Integer c, Integer r) { G.RemoveCheckBox(c, r); }},
      {ctRadioButton, [&](Integer c, Integer r) { G.AddRadioButton(c, r, true); },
       [&](Integer c, Integer r) { G.RemoveRadioButton(c, r); }},
      {ctRadio, [&](Integer c, Integer r) { G.AddRadio(c, r, 0, 0, &Items); },
       [&](Integer c, Integer r) { G.RemoveRadio(c, r); }},
      {ctRotated, [&](Integer c, Integer r) { G.AddRotated(c, r, 90, L"up"); },
       [&](Integer c, Integer r) { G.RemoveRotated(c, r); }},
      {ctProgress, [&](Integer c, Integer r) { G.AddProgress(c, r, clBlue, clWhite); },
       [&](Integer c, Integer r) { G.RemoveProgress(c, r); }},
      {ctXPProgress, [&](Integer c, Integer r) { G.AddExProgress(c, r, 0, 200); },
       [&](Integer c, Integer r) { G.RemoveExProgress(c, r); }},
      {ctProgressPie, [&](Integer c, Integer r) { G.AddProgressPie(c, r, clRed, 40); },
       [&](Integer c, Integer r) { G.RemoveProgressPie(c, r); }},
      {ctRangeIndicator, [&](Integer c, Integer r) { G.AddRangeIndicator(c, r, 100, clRed, clGreen, true); },
       [&](Integer c, Integer r) { G.RemoveRangeIndicator(c, r); }},
      {ctShape, [&](Integer c, Integer r) { G.AddShape(c, r, csStar, clYellow, clBlack, haLeft, vaTop); },
       [&](Integer c, Integer r) { G.RemoveShape(c, r); }},
      {ctRating, [&](Integer c, Integer r) { G.AddRating(c, r, 5, clYellow, clSilver); },
       [&](Integer c, Integer r) { G.RemoveRating(c, r); }},
      {ctScrollbar, [&](Integer c, Integer r) { G.AddScrollBar(c, r, false); },
       [&](Integer c, Integer r) { G.RemoveScrollBar(c, r); }},
      {ctButton, [&](Integer c, Integer r) { G.AddButton(c, r, 40, 18, L"Go", haRight, vaTop); },
       [&](Integer c, Integer r) { G.RemoveButton(c, r); }},
      {ctBitButton, [&](Integer c, Integer r) { G.AddBitButton(c, r, 40, 18, L"Go", &Bmp, haRight, vaTop); },
       [&](Integer c, Integer r) { G.RemoveBitButton(c, r); }},
      {ctInterface, [&](Integer c, Integer r) { G.AddInterfacedCell(c, r, &SelfDrawn); },
       [&](Integer c, Integer r) { G.RemoveInterfacedCell(c, r); }},
      {ctBalloon, [&](Integer c, Integer r) { G.AddBalloon(c, r, L"T", L"Text", biInfo); },
       [&](Integer c, Integer r) { G.RemoveBalloon(c, r); }},
      {ctEmpty, [&](Integer c, Integer r) { G.AddMarker(c, r, 1, 2); },
       [&](Integer c, Integer r) { G.RemoveMarker(c, r); }},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(int(C.Kind));
    C.Add(2, 3);
    ASSERT_NE(G.GetCellGraphic(2, 3), nullptr);
    EXPECT_EQ(G.GetCellGraphic(2, 3)->CellType(), C.Kind);
    // Another kind's remove leaves the cell alone.
    if (C.Kind != ctShape) G.RemoveShape(2, 3);
    EXPECT_NE(G.GetCellGraphic(2, 3), nullptr);
    C.Remove(2, 3);
    EXPECT_EQ(G.GetCellGraphic(2, 3), nullptr);
    EXPECT_EQ(G.GetCellType(2, 3), ctEmpty);
  }
  // The objects the caller gave stay the caller's.
  EXPECT_EQ(Bmp.Width(), 10);
  G.SetGridImages(nullptr);
}

TEST(GridCellGraphics, AddingReplacesCommentingKeeps) {
  TRezIvevirAvod G(nullptr);
  TBitmap Bmp(4, 4);
  G.AddComment(1, 1, L"first");
  G.AddBitmap(1, 1, &Bmp, false, haLeft, vaTop);
  EXPECT_EQ(G.GetComment(1, 1), L"");
  G.AddComment(1, 1, L"second");
  EXPECT_EQ(G.GetBitmap(1, 1), &Bmp);
  String Comment;
  EXPECT_TRUE(G.IsComment(1, 1, Comment));
  EXPECT_EQ(Comment, L"second");
  // A graphic that never had a comment keeps colour 0; a new one takes
  // the look's comment colour.
  G.AddBitmap(1, 2, &Bmp, false, haLeft, vaTop);
  G.SetComment(1, 2, L"on bitmap");
  EXPECT_EQ(G.GetCellGraphic(1, 2)->CommentColor(), 0);
  G.SetComment(1, 3, L"alone");
  EXPECT_EQ(G.GetCellGraphic(1, 3)->CommentColor(), 0x0000FF);
  EXPECT_EQ(G.GetCellGraphic(1, 3)->CellType(), ctNone);
  EXPECT_FALSE(G.GetCellEmpty(1, 3));
  EXPECT_TRUE(G.GetCellEmpty(1, 4));
  G.RemoveAllComments();
  EXPECT_EQ(G.GetComment(1, 3), L"");
  EXPECT_TRUE(G.GetCellEmpty(1, 3));
  // An empty cell stays empty after a graphic came and went.
  EXPECT_EQ(G.GetCells(1, 3), L"");
}

TEST(GridCellGraphics, MergedCellsAnswerThroughTheirBase) {
  TRezIvevirAvod G(nullptr);
  G.AddButton(1, 1, 30, 16, L"B", haLeft, vaTop);
  G.MergeCells(1, 1, 2, 2);
  EXPECT_TRUE(G.HasButton(2, 2));
  TBitmap Bmp(4, 4);
  G.AddBitmap(3, 1, &Bmp, false, haLeft, vaTop);
  G.MergeCells(3, 1, 2, 1);
  EXPECT_TRUE(G.HasBitmap(3, 1));
  EXPECT_EQ(G.GetBitmap(4, 1), nullptr);
}

TEST(GridCellGraphics, MarkersBalloonsAndScrollBars) {
  TRezIvevirAvod G(nullptr);
  TPicture Pic;
  G.AddMarker(1, 1, 2, 3);
  G.RemoveMarker(1, 1);
  EXPECT_EQ(G.GetCellGraphic(1, 1), nullptr);
  G.AddPicture(1, 2, &Pic, false, noStretch, 0, haLeft, vaTop);
  G.AddMarker(1, 2, 2, 3);
  Integer From = -1, Len = -1;
  G.GetMarker(1, 2, From, Len);
  EXPECT_EQ(From, 2);
  EXPECT_EQ(Len, 3);
  G.RemoveMarker(1, 2);
  EXPECT_EQ(G.GetCellType(1, 2), ctPicture);
  G.GetMarker(1, 2, From, Len);
  EXPECT_EQ(From + Len, 0);

  G.AddShape(2, 1, csCircle, clRed, clBlack, haLeft, vaTop);
  G.AddBalloon(2, 1, L"T", L"X", biInfo);
  EXPECT_EQ(G.GetCellType(2, 1), ctShape);
  EXPECT_EQ(G.GetShapeColor(2, 1), clRed);
  G.AddBalloon(2, 2, L"Title", L"Text", biWarning);
  EXPECT_TRUE(G.HasBalloon(2, 2));
  String Title, Text;
  TBalloonIcon Icon = biNone;
  EXPECT_TRUE(G.IsBalloon(2, 2, Title, Text, Icon));
  EXPECT_EQ(Title + L"|" + Text, L"Title|Text");
  EXPECT_EQ(Icon, biWarning);

  const TScrollProp None = G.GetScrollProp(3, 1);
  EXPECT_EQ(None.PageSize, -1);
  EXPECT_EQ(None.Range, -1);
  EXPECT_EQ(G.GetScrollPosition(3, 1), -1);
  G.AddScrollBar(3, 1, false);
  G.SetScrollPosition(3, 1, 7);
  G.SetScrollProp(3, 1, TScrollProp{5, 50});
  EXPECT_EQ(G.GetScrollPosition(3, 1), 7);
  EXPECT_EQ(G.GetScrollProp(3, 1).Range, 50);
}

// The marker of a balloon has a place of its own, so a radio button keeps
// its group and a check box never looks grayed for carrying a balloon.
TEST(GridCellGraphics, BalloonKeepsGroupAndLook) {
  TRezIvevirAvod G(nullptr);
  G.AddRadioButtonGroup(1, 1, rgRow, false);
  G.AddBalloon(1, 1, L"Pick", L"one per row", biInfo);
  EXPECT_TRUE(G.HasRadioButtonGroup(1, 1, rgRow));
  String Title, Text;
  TBalloonIcon Icon = biNone;
  EXPECT_TRUE(G.IsBalloon(1, 1, Title, Text, Icon));
  EXPECT_FALSE(G.HasBalloon(1, 1));
  G.AddCheckBox(2, 1, true, false);
  G.AddBalloon(2, 1, L"Check", L"me", biInfo);
  EXPECT_EQ(G.GetCellGraphic(2, 1)->CellAngle(), 0);
  G.RemoveBalloon(2, 1);
  EXPECT_FALSE(G.IsBalloon(2, 1, Title, Text, Icon));
  EXPECT_EQ(G.GetCellType(2, 1), ctCheckBox);
}

TEST(GridCellGraphics, ImageCellsNeedTheImageList) {
  TRezIvevirAvod G(nullptr);
  G.AddDataImage(1, 1, 3, haLeft, vaTop);
  G.AddImageIdx(1, 2, 3, haLeft, vaTop);
  EXPECT_EQ(G.GetCellGraphic(1, 1), nullptr);
  EXPECT_EQ(G.GetCellGraphic(1, 2), nullptr);
  TCustomImageList Images(16, 16);
  G.SetGridImages(&Images);
  G.AddDataImage(1, 1, 3, haLeft, vaTop);
  EXPECT_EQ(G.GetCells(1, 1), L"3");
  EXPECT_TRUE(G.IsDataGraphicCell(1, 1));
  G.AddImageIdx(1, 2, 3, haLeft, vaTop);
  G.SetImageIdx(1, 2, 4);
  Integer Idx = -1;
  EXPECT_TRUE(G.GetImageIdx(1, 2, Idx));
  EXPECT_EQ(Idx, 4);
  EXPECT_EQ(G.GetCellGraphicKey(1, 2), 4);
  G.AddMultiImage(1, 3, 1, haLeft, vaTop);
  G.GetCellImages(1, 3)->Add(0);
  G.GetCellImages(1, 3)->Add(2);
  EXPECT_EQ(G.GetCellGraphicSize(1, 3).Y, 32);
  G.SetGridImages(nullptr);
}

TEST(GridCellGraphics, RotationTurnsAnyKind) {
  TRezIvevirAvod G(nullptr);
  TBitmap Bmp(4, 4);
  G.AddBitmap(1, 1, &Bmp, false, haLeft, vaTop);
  G.SetRotated(1, 1, -30);
  Integer Angle = 0;
  EXPECT_TRUE(G.IsRotated(1, 1, Angle));
  EXPECT_EQ(Angle, 330);
  G.AddRotated(1, 2, 90, L"side");
  EXPECT_EQ(G.GetCells(1, 2), L"side");
}

TEST(GridCellGraphics, ButtonsAndTheirRectangles) {
  TRezIvevirAvod G(nullptr);
  G.SetCells(1, 1, L"text");
  G.AddButton(1, 1, 40, 18, L"Caption", haCenter, vaTop);
  EXPECT_EQ(G.GetCellGraphicSize(1, 1).X, 0);
  G.AddButton(1, 1, 40, 18, L"Caption", haFull, vaTop);
  TBitmap Measure(1, 1);
  Measure.Canvas()->Font()->Assign(G.Font());
  EXPECT_EQ(G.GetCellGraphicSize(1, 1).X, Measure.Canvas()->TextWidth(L"Caption") + 4);
  G.AddButton(1, 2, 40, 18, L"B", haRight, vaTop);
  EXPECT_EQ(G.GetCellGraphicSize(1, 2).X, 40);
  EXPECT_EQ(G.GetCellGraphicSize(1, 2).Y, 18);
  G.SetButtonText(1, 2, L"New");
  EXPECT_EQ(G.GetButtonText(1, 2), L"New");
  G.PushButton(1, 2, true);
  EXPECT_TRUE(G.GetCellGraphic(1, 2)->CellBoolean());
  // The painter leaves the offset (x low, y high) at which it placed the button.
  G.GetCellGraphic(1, 2)->SetCellValue((3 << 16) | 5);
  const TRect Cell = G.CellRect(1, 2);
  const TRect B = G.GetCellButtonRect(1, 2);
  EXPECT_EQ(B.Left - Cell.Left, 5);
  EXPECT_EQ(B.Top - Cell.Top, 3);
  EXPECT_EQ(B.Right - B.Left, 40);
  EXPECT_EQ(B.Bottom - B.Top, 18);
  G.RemoveAllButtons();
  EXPECT_FALSE(G.HasButton(1, 2));
  EXPECT_EQ(G.GetCellButtonRect(1, 2).Right, 0);
}

TEST(GridCellGraphics, SizesOfControlsAndValues) {
  TRezIvevirAvod G(nullptr);
  struct {
    std::function<void()> Add;
    Integer W, H;
  } Cases[] = {
      {[&] { G.AddCheckBox(1, 1, true, false); }, 15, 15},
      {[&] { G.AddRadioButton(1, 1, true); }, 10, 10},
      {[&] { G.AddProgressPie(1, 1, clRed, 10); }, 20, 20},
      {[&] { G.AddRating(1, 1, 5, clYellow, clSilver); }, 90, 16},
      {[&] { G.AddShape(1, 1, csStar, clRed, clBlack, haLeft, vaTop); }, G.DefaultRowHeight() - 4,
       G.DefaultRowHeight() - 4},
      {[&] { G.AddProgress(1, 1, clRed, clWhite); }, 0, 0},
  };
  for (auto& C : Cases) {
    C.Add();
    const TPoint S = G.GetCellGraphicSize(1, 1);
    EXPECT_EQ(S.X, C.W);
    EXPECT_EQ(S.Y, C.H);
  }
  TSelfDrawn SelfDrawn;
  G.AddInterfacedCell(1, 1, &SelfDrawn);
  EXPECT_EQ(G.GetCellGraphicSize(1, 1).X, 30);
  EXPECT_EQ(G.GetInterfacedCell(1, 1), &SelfDrawn);
  G.AddProgress(1, 2, clRed, clWhite);
  EXPECT_EQ(G.CalcPrintGraphicSize(1, 2, 0, 0, 1.0).X, G.GetColWidths(1));
}

// Writes outside the grid raise the grid's errors and change nothing;
// reads there answer "none".
TEST(GridCellGraphics, CellsOutsideTheGrid) {
  TRezIvevirAvod G(nullptr);
  TBitmap Bmp(4, 4);
  EXPECT_EQ(MessageOf([&] { G.AddBitmap(1, G.RowCount(), &Bmp, false, haLeft, vaTop); }),
            L"Invalid row accessed");
  EXPECT_EQ(MessageOf([&] { G.AddComment(G.ColCount(), 1, L"x"); }), L"Invalid column accessed");
  EXPECT_EQ(MessageOf([&] { G.AddMarker(-1, 1, 0, 1); }), L"Invalid column accessed");
  EXPECT_EQ(MessageOf([&] { G.SetRotated(1, -1, 10); }), L"Invalid row accessed");
  EXPECT_EQ(MessageOf([&] { G.AddCheckBox(1, G.RowCount(), true, false); }), L"other: Invalid cell");
  EXPECT_EQ(MessageOf([&] { G.AddRadioButton(-1, 1, true); }), L"other: Invalid cell");
  EXPECT_FALSE(G.HasButton(-1, 2));
  EXPECT_EQ(G.GetBitmap(99, 99), nullptr);
  EXPECT_FALSE(G.RemoveCellGraphic(-1, -1));
  G.RemoveDataImage(99, 99);
  EXPECT_EQ(G.GetShapeColor(99, 1), clNone);
}
