// Actions and their links: properties pass to the controls that show them,
// executing goes through the list first, and the application's idle time
// updates every action.
#include <gtest/gtest.h>

#include "platform/ui/ActnList.h"
#include "platform/ui/Label.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

TEST(Action, LinkedControlFollowsWhatItShowed) {
  TTestForm Form;
  auto* Action = new TAction(Form.Get());
  Action->SetCaption(L"Speichern");
  auto* Label = new TLabel(Form.Get());
  Label->SetParent(Form.Get());
  Label->SetCaption(L"Speichern");
  TControlActionLink Link(Label);
  Link.SetAction(Action);
  Action->SetCaption(L"Sichern");
  Action->SetEnabled(false);
  EXPECT_EQ(Label->Caption(), L"Sichern");
  EXPECT_FALSE(Label->Enabled());
  // A caption of its own ends the caption's link, not the others.
  Label->SetCaption(L"Eigen");
  Action->SetCaption(L"Ablegen");
  Action->SetEnabled(true);
  EXPECT_EQ(Label->Caption(), L"Eigen");
  EXPECT_TRUE(Label->Enabled());
}

TEST(Action, ExecuteGoesThroughTheListAndStopsWhenDisabled) {
  TTestForm Form;
  auto* List = new TActionList(Form.Get());
  auto* Action = new TAction(Form.Get());
  Action->SetActionList(List);
  std::vector<String> Calls;
  Action->OnExecute = [&](TObject*) { Calls.push_back(L"action"); };
  bool Handle = false;
  List->OnExecute = [&](TBasicAction*, bool& Handled) {
    Calls.push_back(L"list");
    Handled = Handle;
  };
  TBasicActionLink Link;
  Link.SetAction(Action);
  EXPECT_TRUE(Link.Execute());
  Handle = true;
  EXPECT_TRUE(Link.Execute());
  Action->SetEnabled(false);
  EXPECT_FALSE(Link.Execute());
  EXPECT_EQ(Calls, (std::vector<String>{L"list", L"action", L"list"}));
  // A freed action leaves its links with none.
  delete Action;
  EXPECT_EQ(Link.Action(), nullptr);
  EXPECT_FALSE(Link.Execute());
  EXPECT_EQ(List->ActionCount(), 0);
}

TEST(Action, IdleTimeUpdatesEveryAction) {
  TTestForm Form;
  auto* List = new TActionList(Form.Get());
  auto* Action = new TAction(Form.Get());
  Action->SetActionList(List);
  Integer Updates = 0;
  bool Enable = false;
  Action->OnUpdate = [&](TObject*) {
    ++Updates;
    Action->SetEnabled(Enable);
    // Wakes the loop that would now wait for input.
    PostMessageW(Form->Handle(), WM_NULL, 0, 0);
  };
  // The queue empties within these rounds; the idle pass follows.
  for (Integer Round = 0; Round < 200 && Updates == 0; ++Round) Application->HandleMessage();
  EXPECT_GE(Updates, 1);
  EXPECT_FALSE(Action->Enabled());
  Enable = true;
  const Integer Before = Updates;
  for (Integer Round = 0; Round < 200 && Updates == Before; ++Round) Application->HandleMessage();
  EXPECT_TRUE(Action->Enabled());
}

}  // namespace
