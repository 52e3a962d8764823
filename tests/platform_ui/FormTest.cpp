// Focus and keys, modal forms, closing, timers, hints, exceptions from
// event handlers, dialogs and the clipboard, through the real message loop.
#include <gtest/gtest.h>
#include "platform/gfx/Icon.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

class TBox : public TCustomControl {
 public:
  explicit TBox(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 30, 20);
    SetTabStop(true);
  }
  // Hint text decided at the moment the hint shows.
  String DynamicHint;

 protected:
  void CMHintShow(TMessage& M) override {
    if (!DynamicHint.empty()) reinterpret_cast<THintInfo*>(M.LParam)->HintStr = DynamicHint;
    TCustomControl::CMHintShow(M);
  }
};

TBox* AddBox(TWinControl* Parent, Integer X, const String& Name) {
  auto* B = new TBox(Parent);
  B->SetName(Name);
  B->SetParent(Parent);
  B->SetLeft(X);
  return B;
}

}  // namespace

TEST(Focus, TabMovesThroughTabStopsInTabOrderWithEnterAndExit) {
  TTestForm F;
  TBox* A = AddBox(F.Get(), 0, L"A");
  TBox* B = AddBox(F.Get(), 40, L"B");
  TBox* C = AddBox(F.Get(), 80, L"C");
  TBox* Skipped = AddBox(F.Get(), 120, L"Skipped");
  Skipped->SetTabStop(false);
  C->SetTabOrder(0);  // C, A, B, Skipped
  std::vector<String> Log;
  for (TBox* X : {A, B, C}) {
    X->OnEnter = [&, X](TObject*) { Log.push_back(X->Name() + L"+"); };
    X->OnExit = [&, X](TObject*) { Log.push_back(X->Name() + L"-"); };
  }
  A->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return A->Focused(); }));
  KeyPress(A, VK_TAB);
  EXPECT_TRUE(B->Focused());
  KeyPress(B, VK_TAB);
  EXPECT_TRUE(C->Focused());
  EXPECT_EQ(F->ActiveControl(), C);
  EXPECT_EQ(Screen->ActiveControl(), C);
  EXPECT_EQ(Log, (std::vector<String>{L"A+", L"A-", L"B+", L"B-", L"C+"}));
  // A disabled control cannot take the focus.
  A->SetEnabled(false);
  EXPECT_FALSE(A->CanFocus());
  EXPECT_THROW(A->SetFocus(), EInvalidOperation);
}

TEST(Focus, AFormActivatedAgainGivesTheFocusBackWithoutLeavingItsControl) {
  std::vector<String> Log;  // outlives the form, whose end still reports
  TTestForm F;
  TBox* A = AddBox(F.Get(), 0, L"A");
  A->OnEnter = [&](TObject*) { Log.push_back(L"A+"); };
  A->OnExit = [&](TObject*) { Log.push_back(L"A-"); };
  A->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return A->Focused(); }));
  Log.clear();
  // A second window takes the activation, then goes away again.
  TTestForm Other(100, 50);
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == Other->Handle(); }));
  Other->Hide();
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == F->Handle(); }));
  EXPECT_EQ(GetFocus(), A->Handle());
  EXPECT_TRUE(Log.empty()) << Log.size();
}

TEST(Focus, KeyPreviewLetsTheFormSeeAndEatKeysFirst) {
  TTestForm F;
  TBox* A = AddBox(F.Get(), 0, L"A");
  std::vector<String> Log;
  F->OnKeyDown = [&](TObject*, Word& Key, TShiftState) {
    Log.push_back(L"form " + std::to_wstring(Key));
    if (Key == VK_F2) Key = 0;
  };
  A->OnKeyDown = [&](TObject*, Word& Key, TShiftState) { Log.push_back(L"box " + std::to_wstring(Key)); };
  A->OnKeyPress = [&](TObject*, Char& Ch) { Log.push_back(String(L"char ") + Ch); };
  A->SetFocus();
  KeyPress(A, VK_F1);
  F->SetKeyPreview(true);
  KeyPress(A, VK_F1);
  KeyPress(A, VK_F2);
  KeyPress(A, 'X');
  EXPECT_EQ(Log, (std::vector<String>{L"box 112", L"form 112", L"box 112", L"form 113", L"form 88",
                                      L"box 88", L"char x"}));
}

TEST(Form, ShowModalRunsANestedLoopAndReturnsTheModalResult) {
  TTestForm Main;
  auto* Dialog = new TForm(Main.Get());
  Dialog->SetPosition(poOwnerFormCenter);
  bool MainDisabled = false;
  TTimer T(nullptr);
  T.SetInterval(20);
  T.OnTimer = [&](TObject*) {
    if (!Dialog->Visible()) return;
    MainDisabled = !IsWindowEnabled(Main->Handle());
    Dialog->SetModalResult(mrYes);
  };
  std::vector<String> Log;
  Dialog->OnShow = [&](TObject*) { Log.push_back(L"show"); };
  Dialog->OnClose = [&](TObject*, TCloseAction& A) {
    Log.push_back(L"close " + std::to_wstring(A));
  };
  Dialog->OnHide = [&](TObject*) { Log.push_back(L"hide"); };
  EXPECT_EQ(Dialog->ShowModal(), mrYes);
  T.SetEnabled(false);
  EXPECT_TRUE(MainDisabled);
  EXPECT_TRUE(IsWindowEnabled(Main->Handle()));
  EXPECT_FALSE(Dialog->Visible());
  EXPECT_EQ(Log, (std::vector<String>{L"show", L"close 1", L"hide"}));
  // Owner-centred.
  TRect M = Main->BoundsRect(), D = Dialog->BoundsRect();
  EXPECT_NEAR(D.Left + D.Width() / 2, M.Left + M.Width() / 2, 1);
  Dialog->Show();
  EXPECT_THROW(Dialog->ShowModal(), EInvalidOperation);
}

TEST(Form, CloseQueryAndCloseActionDecideWhatClosingDoes) {
  TTestForm F;
  bool Allow = false;
  TCloseAction Action = caHide;
  F->OnCloseQuery = [&](TObject*, bool& CanClose) { CanClose = Allow; };
  F->OnClose = [&](TObject*, TCloseAction& A) { A = Action; };
  struct { bool Allow; TCloseAction Action; bool Visible; } Rows[] = {
      {false, caHide, true}, {true, caNone, true}, {true, caHide, false}};
  for (auto& R : Rows) {
    F->Show();
    Allow = R.Allow;
    Action = R.Action;
    PostMessageW(F->Handle(), WM_CLOSE, 0, 0);
    Pump(10);
    EXPECT_EQ(F->Visible(), R.Visible) << R.Allow << " " << int(R.Action);
  }
}

TEST(Form, MaximizedFormKeepsItsNormalBounds) {
  TTestForm F(200, 120);
  TRect Normal = F->BoundsRect();
  F->SetWindowState(wsMaximized);
  Pump(10);
  EXPECT_EQ(F->WindowState(), wsMaximized);
  EXPECT_GT(F->Width(), Normal.Width());
  F->SetWindowState(wsNormal);
  Pump(10);
  EXPECT_EQ(F->WindowState(), wsNormal);
  EXPECT_EQ(F->BoundsRect(), Normal);
}

// The window shows the form's own icon, or the application's while the
// form has none, across a new window and changes of either icon.
TEST(Form, WindowShowsItsOwnIconOrTheApplications) {
  auto Shown = [](TCustomForm* F, WPARAM Kind) {
    return reinterpret_cast<HICON>(SendMessageW(F->Handle(), WM_GETICON, Kind, 0));
  };
  TIcon Saved;
  Saved.Assign(Application->Icon());
  TIcon AppIcon, Own;
  AppIcon.SetHandle(CopyIcon(LoadIconW(nullptr, IDI_APPLICATION)));
  Own.SetHandle(CopyIcon(LoadIconW(nullptr, IDI_WARNING)));
  Application->SetIcon(&AppIcon);
  {
    TTestForm F;
    EXPECT_EQ(Shown(F.Get(), ICON_BIG), Application->Icon()->Handle());
    F->SetIcon(&Own);
    ASSERT_NE(F->Icon()->Handle(), nullptr);
    EXPECT_NE(F->Icon()->Handle(), Own.Handle());  // a copy of its own
    EXPECT_EQ(Shown(F.Get(), ICON_BIG), F->Icon()->Handle());
    EXPECT_EQ(Shown(F.Get(), ICON_SMALL), F->Icon()->Handle());
    F->SetBorderStyle(bsSingle);  // a new window
    EXPECT_EQ(Shown(F.Get(), ICON_BIG), F->Icon()->Handle());
    // Its own icon wins over a change of the application's.
    Application->SetIcon(&Own);
    EXPECT_EQ(Shown(F.Get(), ICON_BIG), F->Icon()->Handle());
    F->SetIcon(nullptr);
    EXPECT_EQ(Shown(F.Get(), ICON_BIG), Application->Icon()->Handle());
    Application->SetIcon(&AppIcon);
    EXPECT_EQ(Shown(F.Get(), ICON_BIG), Application->Icon()->Handle());
  }
  Application->SetIcon(&Saved);
}

TEST(Application, ClosingTheMainFormEndsRun) {
  ASSERT_EQ(Application->MainForm(), nullptr);
  TForm* Main = nullptr;
  Application->CreateForm(Main);
  std::unique_ptr<TForm> Owned(Main);
  ASSERT_EQ(Application->MainForm(), Main);
  Main->SetPosition(poScreenCenter);
  TTimer T(nullptr);
  T.SetInterval(20);
  int Ticks = 0;
  T.OnTimer = [&](TObject*) {
    if (++Ticks == 3) Main->Close();
  };
  Application->Run();
  EXPECT_EQ(Ticks, 3);
  EXPECT_TRUE(Application->Terminated());
  Owned.reset();
  EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST(Application, ExceptionFromAnEventHandlerIsShownNotFatal) {
  TTestForm F;
  TBox* A = AddBox(F.Get(), 0, L"A");
  A->OnClick = [](TObject*) { throw EConvertError(L"'x' is not a valid date"); };
  TMessageBoxRecorder Boxes;
  Click(A, 3, 3);
  ASSERT_EQ(Boxes.Boxes().size(), 1u);
  EXPECT_EQ(Boxes.Boxes()[0].Text, L"'x' is not a valid date.");
  EXPECT_TRUE(Boxes.Boxes()[0].Flags & MB_ICONSTOP);
  // An abort stays silent; OnException takes over when assigned.
  A->OnClick = [](TObject*) { Abort(); };
  Click(A, 3, 3);
  EXPECT_EQ(Boxes.Boxes().size(), 1u);
  String Seen;
  TObject* From = nullptr;
  Application->OnException = [&](TObject* S, Exception& E) { Seen = E.Message(); From = S; };
  A->OnClick = [](TObject*) { throw Exception(L"boom"); };
  Click(A, 3, 3);
  Application->OnException = nullptr;
  EXPECT_EQ(Seen, L"boom");
  EXPECT_EQ(From, A);
  EXPECT_EQ(Boxes.Boxes().size(), 1u);
}

TEST(Timer, FiresThroughTheLoopOnlyWhileEnabled) {
  TTimer T(nullptr);
  int Ticks = 0;
  T.OnTimer = [&](TObject*) { ++Ticks; };
  T.SetInterval(15);
  ASSERT_TRUE(PumpUntil([&] { return Ticks >= 2; }));
  T.SetEnabled(false);
  int Now = Ticks;
  Pump(60);
  EXPECT_EQ(Ticks, Now);
}

TEST(Hint, HoveringShowsTheHintAndSetsTheApplicationHint) {
  TTestForm F;
  TBox* A = AddBox(F.Get(), 10, L"A");
  A->SetHint(L"Short|The long one");
  A->SetShowHint(true);
  TBox* Plain = AddBox(F.Get(), 100, L"Plain");
  Plain->SetHint(L"no show");
  Application->SetHintPause(30);
  std::vector<String> Hints;
  Application->OnHint = [&](TObject*) { Hints.push_back(Application->Hint()); };

  MouseMove(A, 5, 5);
  ASSERT_TRUE(PumpUntil([] { return Application->HintActive(); }));
  EXPECT_EQ(Application->Hint(), L"The long one");
  EXPECT_EQ(Application->HintWindow()->Caption(), L"Short");
  EXPECT_TRUE(IsWindowVisible(Application->HintWindow()->Handle()));

  // Leaving for a control without ShowHint hides it; its hint is still
  // the application's.
  MouseMove(Plain, 5, 5);
  Pump(60);
  EXPECT_FALSE(Application->HintActive());
  EXPECT_EQ(Application->Hint(), L"no show");

  A->DynamicHint = L"Changed by the control";
  MouseMove(A, 6, 6);
  ASSERT_TRUE(PumpUntil([] { return Application->HintActive(); }));
  EXPECT_EQ(Application->HintWindow()->Caption(), L"Changed by the control");
  Application->OnHint = nullptr;
  Application->CancelHint();
  EXPECT_EQ(Hints, (std::vector<String>{L"The long one", L"no show", L"The long one"}));
}

TEST(Dialogs, EveryQuestionGoesThroughTheOneHandler) {
  TMessageBoxRecorder Boxes(IDNO);
  Application->SetTitle(L"Jorv");
  ShowMessage(L"Hello");
  EXPECT_EQ(MessageDlg(L"Sure?", mtConfirmation, mbYesNo), mrNo);
  EXPECT_EQ(MessageDlg(L"Bad", mtWarning, {mbOK}), mrNo);
  struct { String Text, Caption; UINT Flags; } Expected[] = {
      {L"Hello", L"Jorv", MB_OK},
      {L"Sure?", L"Confirmation", MB_ICONQUESTION | MB_YESNO},
      {L"Bad", L"Warning", MB_ICONWARNING | MB_OK}};
  ASSERT_EQ(Boxes.Boxes().size(), 3u);
  for (size_t I = 0; I < 3; ++I) {
    EXPECT_EQ(Boxes.Boxes()[I].Text, Expected[I].Text);
    EXPECT_EQ(Boxes.Boxes()[I].Caption, Expected[I].Caption);
    EXPECT_EQ(Boxes.Boxes()[I].Flags, Expected[I].Flags);
  }
}

TEST(Clipboard, RoundTripsTextAndBitmaps) {
  Clipboard()->SetAsText(L"Grüße\r\nzwei");
  EXPECT_TRUE(Clipboard()->HasFormat(CF_UNICODETEXT));
  EXPECT_EQ(Clipboard()->AsText(), L"Grüße\r\nzwei");

  TBitmap B;
  B.SetPixelFormat(pf24bit);
  B.SetSize(7, 5);
  B.Canvas()->Brush()->SetColor(clTeal);
  B.Canvas()->FillRect(Rect(0, 0, 7, 5));
  B.Canvas()->SetPixels(6, 4, clRed);
  Clipboard()->Assign(&B);
  EXPECT_TRUE(Clipboard()->HasFormat(CF_DIB));
  EXPECT_FALSE(Clipboard()->HasFormat(CF_UNICODETEXT));
  TBitmap Back;
  Back.Assign(Clipboard());
  EXPECT_EQ(Back.Width(), 7);
  EXPECT_EQ(Back.Height(), 5);
  EXPECT_EQ(Back.Canvas()->Pixels(0, 0), clTeal);
  EXPECT_EQ(Back.Canvas()->Pixels(6, 4), clRed);

  UINT Own = RegisterClipboardFormat(L"Jorv Test Cells");
  EXPECT_EQ(Own, RegisterClipboardFormat(L"Jorv Test Cells"));
  Clipboard()->SetBuffer(Own, "abc", 3);
  EXPECT_TRUE(Clipboard()->HasFormat(Own));
  Clipboard()->Clear();
  EXPECT_FALSE(Clipboard()->HasFormat(Own));
}
