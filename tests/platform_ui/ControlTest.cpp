// Windows on demand, message dispatch, alignment, painting and mouse input
// of windowed and windowless controls.
#include <gtest/gtest.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

// Fills its client area with one colour and records what reaches it.
class TSolid : public TCustomControl {
 public:
  explicit TSolid(TComponent* AOwner, TColor C = clRed) : TCustomControl(AOwner), Fill(C) {
    SetBounds(0, 0, 40, 30);
  }
  TColor Fill;
  std::vector<String> Log;

  void WndProc(TMessage& M) override {
    if (M.Msg == WM_COMMAND || M.Msg == CN_COMMAND) Log.push_back(L"WndProc");
    TCustomControl::WndProc(M);
  }

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(Fill);
    Canvas()->FillRect(ClientRect());
  }
  void Dispatch(TMessage& M) override {
    if (M.Msg == CN_COMMAND) {
      Log.push_back(L"CN_COMMAND " + std::to_wstring(HIWORD(M.WParam)));
      M.Result = 7;
      return;
    }
    TCustomControl::Dispatch(M);
  }
  void DefaultHandler(TMessage& M) override {
    if (M.Msg == WM_COMMAND) Log.push_back(L"DefaultHandler");
    TCustomControl::DefaultHandler(M);
  }
};

class TDot : public TGraphicControl {
 public:
  explicit TDot(TComponent* AOwner, TColor C = clBlue) : TGraphicControl(AOwner), Fill(C) {
    SetBounds(0, 0, 20, 20);
  }
  TColor Fill;

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(Fill);
    Canvas()->FillRect(ClientRect());
  }
};

}  // namespace

TEST(WinControl, WindowIsMadeOnDemandAndRecreatedWithItsState) {
  TTestForm F(200, 100, false);
  auto* Outer = new TSolid(F.Get());
  Outer->SetParent(F.Get());
  auto* Inner = new TSolid(F.Get(), clGreen);
  Inner->SetParent(Outer);
  Outer->SetBounds(5, 6, 70, 50);
  Outer->SetCaption(L"outer");
  EXPECT_FALSE(F->HandleAllocated());
  EXPECT_FALSE(Outer->HandleAllocated());

  HWND H = Outer->Handle();  // needs the form's window first
  ASSERT_TRUE(F->HandleAllocated());
  ASSERT_TRUE(Inner->HandleAllocated());
  EXPECT_EQ(GetParent(Inner->Handle()), H);
  EXPECT_EQ(FindControl(H), Outer);

  Outer->RecreateWnd();
  EXPECT_TRUE(Outer->HandleAllocated());
  EXPECT_FALSE(FindControl(H) == Outer && IsWindow(H));
  EXPECT_EQ(Outer->Caption(), L"outer");
  EXPECT_EQ(Outer->BoundsRect(), Bounds(5, 6, 70, 50));
  ASSERT_TRUE(Inner->HandleAllocated());
  EXPECT_EQ(GetParent(Inner->Handle()), Outer->Handle());
  wchar_t Buf[16] = {};
  GetWindowTextW(Outer->Handle(), Buf, 16);
  EXPECT_STREQ(Buf, L"outer");
}

TEST(WinControl, ChildWithoutParentWindowRaises) {
  TSolid Orphan(nullptr);
  EXPECT_THROW(Orphan.HandleNeeded(), EInvalidOperation);
}

TEST(WinControl, CommandIsReflectedToTheChildAfterWndProc) {
  TTestForm F;
  auto* A = new TSolid(F.Get());
  A->SetParent(F.Get());
  auto* B = new TSolid(F.Get());
  B->SetParent(F.Get());
  LRESULT R = SendMessageW(F->Handle(), WM_COMMAND, MAKEWPARAM(1, 42),
                           reinterpret_cast<LPARAM>(A->Handle()));
  EXPECT_EQ(R, 7);
  EXPECT_EQ(A->Log, (std::vector<String>{L"WndProc", L"CN_COMMAND 42"}));
  EXPECT_TRUE(B->Log.empty());
  // A command from no window of ours ends in the default handler.
  SendMessageW(A->Handle(), WM_COMMAND, 0, 0);
  EXPECT_EQ(A->Log.back(), L"DefaultHandler");
}

TEST(WinControl, AlignsChildrenAndKeepsAnchors) {
  TTestForm F(200, 100);
  auto Make = [&](TAlign A, Integer W, Integer H) {
    auto* C = new TSolid(F.Get());
    C->SetBounds(0, 0, W, H);
    C->SetAlign(A);
    C->SetParent(F.Get());
    return C;
  };
  TSolid* Top = Make(alTop, 10, 20);
  TSolid* Bottom = Make(alBottom, 10, 10);
  TSolid* Left = Make(alLeft, 30, 10);
  TSolid* Client = Make(alClient, 1, 1);
  auto* Anchored = new TSolid(F.Get());
  Anchored->SetParent(F.Get());
  Anchored->SetBounds(150, 50, 20, 20);
  Anchored->SetAnchors({akRight, akBottom});
  Anchored->SetAlignWithMargins(true);  // no effect without Align

  struct Row { TControl* C; TRect Expected; };
  auto Check = [&](std::initializer_list<Row> Rows) {
    for (const Row& R : Rows) EXPECT_EQ(R.C->BoundsRect(), R.Expected) << R.C->ClassName();
  };
  Check({{Top, Rect(0, 0, 200, 20)}, {Bottom, Rect(0, 90, 200, 100)},
         {Left, Rect(0, 20, 30, 90)}, {Client, Rect(30, 20, 200, 90)},
         {Anchored, Rect(150, 50, 170, 70)}});

  F->SetClientWidth(260);
  F->SetClientHeight(130);
  Pump(10);
  Check({{Top, Rect(0, 0, 260, 20)}, {Bottom, Rect(0, 120, 260, 130)},
         {Left, Rect(0, 20, 30, 120)}, {Client, Rect(30, 20, 260, 120)},
         {Anchored, Rect(210, 80, 230, 100)}});

  Top->SetAlignWithMargins(true);
  Top->Margins()->SetBounds(2, 3, 4, 5);
  Check({{Top, Rect(2, 3, 256, 23)}, {Left, Rect(0, 28, 30, 120)}});
}

TEST(WinControl, PaintToShowsEveryControlInZOrder) {
  TTestForm F(120, 80);
  F->SetColor(clWhite);
  auto* Box = new TSolid(F.Get(), clRed);
  Box->SetParent(F.Get());
  Box->SetBounds(10, 10, 40, 30);
  auto* Under = new TDot(F.Get(), clLime);
  Under->SetParent(F.Get());
  Under->SetBounds(60, 10, 30, 30);
  auto* Over = new TDot(F.Get(), clBlue);
  Over->SetParent(F.Get());
  Over->SetBounds(75, 20, 30, 30);
  auto* Nested = new TDot(F.Get(), clYellow);
  Nested->SetParent(Box);
  Nested->SetBounds(5, 5, 10, 10);

  TRendered R(F.Get());
  TPoint O = F->ClientOrigin();
  RECT W;
  GetWindowRect(F->Handle(), &W);
  Integer DX = O.X - W.left, DY = O.Y - W.top;
  struct { Integer X, Y; TColor C; } Probes[] = {
      {2, 2, clWhite},     // the form's background
      {30, 30, clRed},     // windowed child
      {17, 17, clYellow},  // windowless child of the windowed one
      {65, 15, clLime},    // lower windowless child
      {80, 25, clBlue},    // the upper one covers it
      {100, 45, clBlue},
      {110, 70, clWhite},
  };
  for (auto& P : Probes) EXPECT_EQ(R.Pixel(DX + P.X, DY + P.Y), P.C) << P.X << "," << P.Y;
}

TEST(WinControl, GetFormImageIsTheClientArea) {
  TTestForm F(150, 60);
  F->SetColor(clAqua);
  auto* Dot = new TDot(F.Get(), clMaroon);
  Dot->SetParent(F.Get());
  Dot->SetBounds(0, 0, 10, 10);
  std::unique_ptr<TBitmap> B(F->GetFormImage());
  EXPECT_EQ(B->Width(), 150);
  EXPECT_EQ(B->Height(), 60);
  EXPECT_EQ(B->Canvas()->Pixels(0, 0), clMaroon);
  EXPECT_EQ(B->Canvas()->Pixels(149, 59), clAqua);
}

TEST(GraphicControl, GetsMouseFromItsParentInItsOwnCoordinates) {
  TTestForm F(200, 100);
  auto* Dot = new TDot(F.Get());
  Dot->SetParent(F.Get());
  Dot->SetBounds(50, 40, 30, 20);
  std::vector<String> Log;
  Dot->OnMouseDown = [&](TObject*, TMouseButton B, TShiftState, Integer X, Integer Y) {
    Log.push_back(L"down " + std::to_wstring(B) + L" " + std::to_wstring(X) + L"," + std::to_wstring(Y));
  };
  Dot->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, Integer X, Integer Y) {
    Log.push_back(L"up " + std::to_wstring(X) + L"," + std::to_wstring(Y));
  };
  Dot->OnClick = [&](TObject*) { Log.push_back(L"click"); };
  Dot->OnMouseEnter = [&](TObject*) { Log.push_back(L"enter"); };
  Dot->OnMouseLeave = [&](TObject*) { Log.push_back(L"leave"); };
  F->OnClick = [&](TObject*) { Log.push_back(L"form click"); };

  Click(Dot, 5, 6);
  // Released outside while captured: no click, the release still arrives.
  MouseDown(Dot, 5, 6);
  MouseUp(F.Get(), 150, 90);
  MouseMove(F.Get(), 150, 90);
  EXPECT_EQ(Log, (std::vector<String>{L"enter", L"down 0 5,6", L"click", L"up 5,6", L"down 0 5,6",
                                      L"up 100,50", L"leave"}));
  Log.clear();
  Click(F.Get(), 10, 10);
  EXPECT_EQ(Log, (std::vector<String>{L"form click"}));
}

TEST(Control, MouseEnterAndLeaveFollowTheCursorBetweenWindows) {
  TTestForm F(200, 100);
  auto* A = new TSolid(F.Get());
  A->SetParent(F.Get());
  A->SetBounds(10, 10, 50, 50);
  auto* B = new TSolid(F.Get());
  B->SetParent(F.Get());
  B->SetBounds(100, 10, 50, 50);
  std::vector<String> Log;
  A->OnMouseEnter = [&](TObject*) { Log.push_back(L"A+"); };
  A->OnMouseLeave = [&](TObject*) { Log.push_back(L"A-"); };
  B->OnMouseEnter = [&](TObject*) { Log.push_back(L"B+"); };
  B->OnMouseLeave = [&](TObject*) { Log.push_back(L"B-"); };
  MouseMove(A, 5, 5);
  MouseMove(A, 6, 6);
  MouseMove(B, 5, 5);
  EXPECT_EQ(Log, (std::vector<String>{L"A+", L"A-", L"B+"}));
}
