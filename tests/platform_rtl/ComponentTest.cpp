#include <gtest/gtest.h>
#include <vector>
#include "platform/rtl/rtl.h"

using namespace jorv;

namespace {

// Records its destruction and clears a reference when its target goes.
class TProbe : public TComponent {
 public:
  TProbe(TComponent* owner, std::vector<String>* log, const wchar_t* name)
      : TComponent(owner), FLog(log) {
    SetName(name);
  }
  ~TProbe() override {
    if (FLog) FLog->push_back(Name());
  }
  TComponent* Ref = nullptr;
  void SetRef(TComponent* c) {
    Ref = c;
    if (c) c->FreeNotification(this);
  }

 protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove && c == Ref) Ref = nullptr;
  }

 private:
  std::vector<String>* FLog;
};

class TPoint3 : public TPersistent {
 public:
  int X = 0;
  void Assign(TPersistent* s) override {
    if (auto* p = dynamic_cast<TPoint3*>(s)) {
      X = p->X;
      return;
    }
    TPersistent::Assign(s);
  }
};

}  // namespace

TEST(Object, ClassNameAndAssignErrors) {
  TPoint3 a, b;
  TComponent c;
  EXPECT_EQ(a.ClassName(), L"TPoint3");
  EXPECT_EQ(c.ClassName(), L"TComponent");
  b.X = 7;
  a.Assign(&b);
  EXPECT_EQ(a.X, 7);
  try {
    a.Assign(&c);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"Cannot assign a TComponent to a TPoint3");
  }
  try {
    a.Assign(nullptr);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"Cannot assign a nil to a TPoint3");
  }
}

TEST(Component, OwnerFreesInReverseOrderAndDirectDeleteLeavesOwner) {
  std::vector<String> log;
  auto* owner = new TProbe(nullptr, &log, L"Owner");
  new TProbe(owner, &log, L"A");
  auto* b = new TProbe(owner, &log, L"B");
  new TProbe(owner, &log, L"C");
  new TProbe(b, &log, L"B1");
  EXPECT_EQ(owner->ComponentCount(), 3);
  EXPECT_EQ(b->ComponentIndex(), 1);
  delete owner->FindComponent(L"a");  // case-insensitive lookup
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(b->ComponentIndex(), 0);
  delete owner;
  EXPECT_EQ(log, (std::vector<String>{L"A", L"Owner", L"C", L"B", L"B1"}));
}

TEST(Component, NamesAreValidatedAmongSiblings) {
  TComponent owner;
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName(L"Edit1");
  EXPECT_THROW(b->SetName(L"EDIT1"), EComponentError);
  try {
    b->SetName(L"Edit1");
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message(), L"A component named Edit1 already exists");
  }
  for (const wchar_t* bad : {L"1abc", L"a b", L"a-b", L"ä"})
    EXPECT_THROW(b->SetName(bad), EComponentError) << bad;
  a->SetName(L"edit1");  // its own name in another case is fine
  b->SetName(L"_x9");
  EXPECT_EQ(owner.FindComponent(L"_X9"), b);
  TComponent other;
  auto* c = new TComponent(&other);
  c->SetName(L"Edit1");
  EXPECT_THROW(owner.InsertComponent(c), EComponentError);
  EXPECT_EQ(c->Owner(), &other);
  c->SetName(L"Moved");
  owner.InsertComponent(c);  // leaves the old owner
  EXPECT_EQ(other.ComponentCount(), 0);
  EXPECT_EQ(c->Owner(), &owner);
}

TEST(Component, NotificationClearsReferences) {
  // Sibling reference, cross-owner reference and a reference into a
  // component that its owner frees.
  auto* form1 = new TComponent;
  auto* form2 = new TComponent;
  auto* holder = new TProbe(form1, nullptr, L"Holder");
  auto* sibling = new TProbe(form1, nullptr, L"Sibling");
  auto* remote = new TProbe(form2, nullptr, L"Remote");
  auto* watcher = new TProbe(form2, nullptr, L"Watcher");
  holder->SetRef(sibling);
  watcher->SetRef(holder);
  remote->SetRef(holder);
  delete sibling;
  EXPECT_EQ(holder->Ref, nullptr);
  delete form1;  // frees holder: both references on form2 are cleared
  EXPECT_EQ(watcher->Ref, nullptr);
  EXPECT_EQ(remote->Ref, nullptr);
  EXPECT_FALSE(watcher->ComponentState().Contains(csFreeNotification));
  // Siblings that refer to each other while their owner frees them.
  auto* a = new TProbe(form2, nullptr, L"A");
  auto* b = new TProbe(form2, nullptr, L"B");
  a->SetRef(b);
  b->SetRef(a);
  delete form2;
}

TEST(Component, StateFlagsFollowDestroyingAndDesigning) {
  static bool sawDestroying = false;
  struct TSpy : TComponent {
    using TComponent::TComponent;
    ~TSpy() override { sawDestroying = ComponentState().Contains(csDestroying); }
  };
  auto* owner = new TComponent;
  owner->SetDesigning(true);
  auto* child = new TSpy(owner);
  EXPECT_TRUE(child->ComponentState().Contains(csDesigning));
  EXPECT_FALSE(child->ComponentState().Contains(csDestroying));
  delete owner;
  EXPECT_TRUE(sawDestroying);
}
