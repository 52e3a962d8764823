// The floating picture of dragged cells on a shown grid: made from the
// grid's own drawing of the moved column or row, or of the cells or column
// of an OLE drag; it follows the mouse, never takes activation or the
// focus, and is gone when the move or drag ends.
#include <gtest/gtest.h>

#include <functional>

#include "grid/base/grddd.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/HeaderDragButton.h"
#include "grid/interaction/NoActiveForm.h"
#include "platform/ui/Image.h"
#include "tests/support/grid/MouseGrid.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

struct TProbe {
  TPoint At;  // in the picture
  TColor Color;
};

struct TPictureGrid : TShownMouseGrid<> {
  TPictureGrid() {
    // Cell colours the picture must show, selected or not.
    Grid->SetColors(2, 1, clRed);
    Grid->SetColors(2, 3, clBlue);
    Grid->SetColors(1, 2, clLime);
    Grid->SetColors(3, 2, clYellow);
    Grid->SetColors(2, 2, clFuchsia);
    Pump();
  }
  TPoint ScreenOf(TPoint P) { return Grid->ClientToScreen(P); }
  bool FormKeepsTheFocus() {
    return GetActiveWindow() == Form->Handle() && GetForegroundWindow() == Form->Handle() &&
           GetFocus() == Grid->Handle();
  }
  TRect WindowOf(TNoActiveForm* Picture) {
    RECT R{};
    GetWindowRect(Picture->Handle(), &R);
    return TRect{R.left, R.top, R.right, R.bottom};
  }
  // The pixels of the picture that differ from the grid's own drawing of
  // the cells whose area starts at client point Origin.
  Integer DifferencesFromGrid(TNoActiveForm* Picture, TPoint Origin, TRendered& GridDrawn) {
    auto* Image = dynamic_cast<TImage*>(Picture->Controls(0));
    TRendered Shown(Image);
    // The rendering starts at the grid's frame, the cells at its client area.
    RECT Frame{};
    GetWindowRect(Grid->Handle(), &Frame);
    const TPoint Client = Grid->ClientToScreen(TPoint{0, 0});
    const TPoint Offset{Client.X - Frame.left, Client.Y - Frame.top};
    Integer Count = 0;
    for (Integer y = 0; y < Image->Height(); ++y)
      for (Integer x = 0; x < Image->Width(); ++x)
        if (Shown.Pixel(x, y) != GridDrawn.Pixel(Origin.X + Offset.X + x, Origin.Y + Offset.Y + y)) ++Count;
    return Count;
  }
};

void SendKey(Word Key, DWORD Flags) {
  INPUT In{};
  In.type = INPUT_KEYBOARD;
  In.ki.wVk = Key;
  In.ki.dwFlags = Flags;
  SendInput(1, &In, sizeof(In));
}

void SendButton(DWORD Flags, TPoint Screen = TPoint{}) {
  INPUT In{};
  In.type = INPUT_MOUSE;
  In.mi.dwFlags = Flags;
  if (Flags & MOUSEEVENTF_MOVE) {
    In.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
    In.mi.dx = Screen.X * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    In.mi.dy = Screen.Y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  SendInput(1, &In, sizeof(In));
}

}  // namespace

TEST(GridMoveForm, AMovedColumnOrRowCarriesThePictureOfItsCellsUnderTheMouse) {
  // Columns of 64 and rows of 22 pixels; four columns and four rows beside
  // the fixed ones show, so the picture spans five cells of the line.
  const struct {
    const char* Name;
    TGridOption Moving;
    TPoint Press, Move;  // cells pressed and moved over
    TPoint Origin;       // the picture's area in the grid's client
    TPoint Size;
    std::vector<TProbe> Probes;
    TPoint Drop;  // where the dragged header's stored cell ends up
  } Cases[] = {
      {"column 2", goColMoving, {2, 0}, {3, 1}, {128, 0}, {64, 110},
       {{{50, 25}, clRed}, {{50, 47}, clFuchsia}, {{50, 69}, clBlue}}, {3, 1}},
      {"row 2", goRowMoving, {0, 2}, {1, 3}, {0, 44}, {320, 22},
       {{{114, 3}, clLime}, {{178, 3}, clFuchsia}, {{242, 3}, clYellow}}, {1, 3}},
  };
  for (const auto& C : Cases) {
    TPictureGrid F;
    F.Grid->SetOptions(F.Grid->Options() + C.Moving);
    const TPoint Press = F.At(C.Press.X, C.Press.Y);
    F.Send(WM_MOUSEMOVE, Press);
    F.Send(WM_LBUTTONDOWN, Press, MK_LBUTTON);
    // The pressed header is pictured as the grid draws it now.
    TRendered Drawn(F.Grid);
    ASSERT_EQ(F.Grid->MoveForm(), nullptr) << C.Name;
    for (const Integer Step : {0, 9}) {
      const TPoint To = F.At(C.Move.X, C.Move.Y, 10 + Step, 6 + Step);
      F.Send(WM_MOUSEMOVE, To, MK_LBUTTON);
      TNoActiveForm* Picture = F.Grid->MoveForm();
      ASSERT_NE(Picture, nullptr) << C.Name;
      EXPECT_TRUE(IsWindowVisible(Picture->Handle())) << C.Name;
      // Taken where the header was pressed: 10 and 6 pixels into its cell.
      const TPoint Corner = F.ScreenOf(TPoint{To.X - 10, To.Y - 6});
      EXPECT_EQ(F.WindowOf(Picture), (TRect{Corner.X, Corner.Y, Corner.X + C.Size.X, Corner.Y + C.Size.Y}))
          << C.Name;
      EXPECT_TRUE(GetWindowLongPtrW(Picture->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) << C.Name;
      EXPECT_TRUE(F.FormKeepsTheFocus()) << C.Name;
    }
    TNoActiveForm* Picture = F.Grid->MoveForm();
    auto* Image = dynamic_cast<TImage*>(Picture->Controls(0));
    ASSERT_NE(Image, nullptr);
    TRendered Shown(Image);
    for (const TProbe& P : C.Probes) EXPECT_EQ(Shown.Pixel(P.At.X, P.At.Y), P.Color) << C.Name;
    EXPECT_EQ(F.DifferencesFromGrid(Picture, C.Origin, Drawn), 0) << C.Name;
    F.Send(WM_LBUTTONUP, F.At(C.Move.X, C.Move.Y), 0);
    EXPECT_EQ(F.Grid->MoveForm(), nullptr) << C.Name;
    EXPECT_EQ(F.Grid->GetCells(C.Drop.X, C.Drop.Y), C.Moving == goColMoving ? L"2:1" : L"1:2") << C.Name;
    EXPECT_TRUE(F.FormKeepsTheFocus()) << C.Name;
  }
}

TEST(GridMoveForm, TheSelectedCellsArePicturedWithoutTheirSelectionAndClippedToWhatShows) {
  TPictureGrid F;
  F.Grid->SetRowCount(40);
  F.Grid->SetTopRow(3);
  F.Grid->SetSelection(TGridRect{1, 2, 3, 6});
  F.Grid->SetShowSelection(false);
  TRendered Unselected(F.Grid);
  F.Grid->SetShowSelection(true);
  TNoActiveForm* Picture = F.Grid->SelectionToForm(TGridRect{1, 2, 3, 6});
  // Row 2 is scrolled away: rows 3 to 6 of three cells show, below the fixed row.
  EXPECT_EQ(Picture->Width(), 192);
  EXPECT_EQ(Picture->Height(), 88);
  EXPECT_FALSE(Picture->Visible());
  EXPECT_EQ(F.DifferencesFromGrid(Picture, TPoint{64, 22}, Unselected), 0);
  // The grid still shows its selection once the picture is taken.
  EXPECT_TRUE(F.Grid->ShowSelection());
  delete Picture;
}

TEST(GridMoveForm, ACancelledMoveTakesThePictureAlongAndWithoutShowCellsThereIsNone) {
  const struct {
    const char* Name;
    bool ShowCells;
    bool Picture;
  } Cases[] = {{"show cells", true, true}, {"header button instead", false, false}};
  for (const auto& C : Cases) {
    TPictureGrid F;
    F.Grid->SetOptions(F.Grid->Options() + goColMoving);
    F.Grid->DragDropSettings()->SetShowCells(C.ShowCells);
    F.Send(WM_MOUSEMOVE, F.At(2, 0));
    F.Send(WM_LBUTTONDOWN, F.At(2, 0), MK_LBUTTON);
    F.Send(WM_MOUSEMOVE, F.At(3, 0), MK_LBUTTON);
    EXPECT_EQ(F.Grid->MoveForm() != nullptr, C.Picture) << C.Name;
    SendMessageW(F.Grid->Handle(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(F.Grid->MoveForm(), nullptr) << C.Name;
    EXPECT_EQ(F.Grid->GridState(), gsNormal) << C.Name;
  }
}

namespace {

// A window of another form that takes dropped text; while the drag runs
// over it, OnOver looks at the grid's picture.
class TProbeTarget : public TGRDDropTarget {
 public:
  std::function<void()> OnOver;
  std::vector<String> Dropped;
  void DropText(TPoint, const String& S) override { Dropped.push_back(S); }
  void DragMouseMove(TPoint, bool&, TDropFormats) override {
    if (OnOver) OnOver();
  }
};

// A drag that never reaches the target still ends.
void CALLBACK ReleaseButton(HWND, UINT, UINT_PTR, DWORD) { SendButton(MOUSEEVENTF_LEFTUP); }

// The picture grid as a drag source, with a drop target on a form to its
// right. Run drags from a point of the grid to the target, calls Probe
// once while the drag is over the target, and ends the drag there by a
// release or by Escape.
struct TOleDrag : TPictureGrid {
  TTestForm To{200, 150};
  TProbeTarget* Target = new TProbeTarget;
  TOleDrag() {
    static const bool OleReady = SUCCEEDED(OleInitialize(nullptr));
    EXPECT_TRUE(OleReady);
    To->SetBounds(Form->Left() + Form->Width() + 40, Form->Top(), To->Width(), To->Height());
    Form->SetFocus();
    Grid->SetFocus();
    Pump();
    Target->AddRef();
    EXPECT_EQ(RegisterDragDrop(To->Handle(), Target), S_OK);
    Grid->DragDropSettings()->SetOleDropSource(true);
    Grid->DragDropSettings()->SetOleCopyAlways(true);
  }
  ~TOleDrag() {
    RevokeDragDrop(To->Handle());
    Target->Release();
  }
  bool Run(TPoint From, const std::function<void()>& Probe, bool Escape) {
    const TPoint Over = To->ClientToScreen(TPoint{60, 60});
    Grid->OnOleDragStart = [&](TObject*, Integer, Integer) { SendButton(MOUSEEVENTF_MOVE, Over); };
    bool Probed = false;
    Target->OnOver = [&] {
      if (Probed) return;
      Probed = true;
      Probe();
      if (Escape) {
        SendKey(VK_ESCAPE, 0);
        SendKey(VK_ESCAPE, KEYEVENTF_KEYUP);
      }
      SendButton(MOUSEEVENTF_LEFTUP);
    };
    const UINT_PTR Watchdog = SetTimer(nullptr, 0, 5000, ReleaseButton);
    const TPoint Start = ScreenOf(From);
    SetCursorPos(Start.X, Start.Y);
    Pump();
    SendButton(MOUSEEVENTF_LEFTDOWN);
    Pump();
    SetCursorPos(Start.X + 12, Start.Y + 2);
    PumpUntil([&] { return Probed && !Grid->MoveForm() && !(GetKeyState(VK_LBUTTON) & 0x8000); });
    KillTimer(nullptr, Watchdog);
    return Probed;
  }
};

TPoint CursorNow() {
  POINT Cursor{};
  GetCursorPos(&Cursor);
  return TPoint{Cursor.x, Cursor.y};
}

}  // namespace

TEST(GridMoveForm, AnOleDragCarriesThePictureBesideTheCursorUntilTheDropOrEscape) {
  const struct {
    const char* Name;
    bool Escape;
    std::vector<String> Dropped;
  } Cases[] = {
      {"dropped", false, {L"2:2\t3:2\r\n2:3\t3:3"}},
      {"escape", true, {}},
  };
  for (const auto& C : Cases) {
    TOleDrag F;
    F.Grid->SetSelection(TGridRect{2, 2, 3, 3});
    F.Grid->SetShowSelection(false);
    TRendered Unselected(F.Grid);
    F.Grid->SetShowSelection(true);
    const bool Probed = F.Run(F.At(2, 2), [&] {
      TNoActiveForm* Picture = F.Grid->MoveForm();
      ASSERT_NE(Picture, nullptr) << C.Name;
      const TPoint Cursor = CursorNow();
      // Four pixels right of and below the cursor, the size of the four cells.
      EXPECT_EQ(F.WindowOf(Picture), (TRect{Cursor.X + 4, Cursor.Y + 4, Cursor.X + 4 + 128, Cursor.Y + 4 + 44}))
          << C.Name;
      EXPECT_TRUE(IsWindowVisible(Picture->Handle())) << C.Name;
      EXPECT_EQ(F.DifferencesFromGrid(Picture, TPoint{128, 44}, Unselected), 0) << C.Name;
      EXPECT_TRUE(F.FormKeepsTheFocus()) << C.Name;
    }, C.Escape);
    EXPECT_TRUE(Probed) << C.Name;
    EXPECT_EQ(F.Grid->MoveForm(), nullptr) << C.Name;
    EXPECT_EQ(F.Target->Dropped, C.Dropped) << C.Name;
    EXPECT_TRUE(F.FormKeepsTheFocus()) << C.Name;
  }
}

TEST(GridMoveForm, AColumnDraggedFromItsHeaderShowsTheColumnOrItsHeaderButton) {
  const struct {
    const char* Name;
    bool ShowCells;
    Integer TopRow;
    Integer Height;  // of the column's picture
  } Cases[] = {
      // Nine whole rows show under the header: rows 1 to 9, or 10 to 18;
      // the rows scrolled away leave no gap.
      {"the column's cells", true, 1, 220},
      {"the cells that show of a scrolled column", true, 10, 220},
      {"the header button", false, 1, 0},
  };
  for (const auto& C : Cases) {
    TOleDrag F;
    F.Grid->SetRowCount(40);
    F.Grid->SetTopRow(C.TopRow);
    F.Grid->SetEnhRowColMove(false);
    F.Grid->DragDropSettings()->SetOleColumnDragDrop(true);
    F.Grid->DragDropSettings()->SetShowCells(C.ShowCells);
    TRendered Drawn(F.Grid);
    const bool Probed = F.Run(F.At(2, 0), [&] {
      const TPoint Cursor = CursorNow();
      if (C.ShowCells) {
        TNoActiveForm* Picture = F.Grid->MoveForm();
        ASSERT_NE(Picture, nullptr);
        // Column 2 from the header down to the last row that shows.
        EXPECT_EQ(F.WindowOf(Picture), (TRect{Cursor.X + 4, Cursor.Y + 4, Cursor.X + 4 + 64, Cursor.Y + 4 + C.Height}))
            << C.Name;
        EXPECT_EQ(F.DifferencesFromGrid(Picture, TPoint{128, 0}, Drawn), 0) << C.Name;
      } else {
        EXPECT_EQ(F.Grid->MoveForm(), nullptr);
        THeaderDragButton* Button = F.Grid->MoveButton();
        ASSERT_TRUE(IsWindowVisible(Button->Handle()));
        // Its left edge at the cursor, its bottom edge on the cursor's line.
        RECT R{};
        GetWindowRect(Button->Handle(), &R);
        EXPECT_EQ((TRect{R.left, R.top, R.right, R.bottom}),
                  (TRect{Cursor.X, Cursor.Y - 22, Cursor.X + 64, Cursor.Y}));
        EXPECT_EQ(Button->Caption(), L"2:0");
      }
      EXPECT_TRUE(F.FormKeepsTheFocus());
    }, false);
    EXPECT_TRUE(Probed) << C.Name;
    EXPECT_EQ(F.Grid->MoveForm(), nullptr) << C.Name;
    EXPECT_FALSE(F.Grid->MoveButton()->Visible()) << C.Name;
  }
}

TEST(GridMoveForm, ThePictureGoesWithItsGrid) {
  TPictureGrid F;
  F.Grid->SetOptions(F.Grid->Options() + goColMoving);
  F.Send(WM_MOUSEMOVE, F.At(2, 0));
  F.Send(WM_LBUTTONDOWN, F.At(2, 0), MK_LBUTTON);
  F.Send(WM_MOUSEMOVE, F.At(3, 1), MK_LBUTTON);
  ASSERT_NE(F.Grid->MoveForm(), nullptr);
  const HWND Picture = F.Grid->MoveForm()->Handle();
  delete F.Grid;
  Pump();
  EXPECT_FALSE(IsWindow(Picture));
}
