#include <gtest/gtest.h>
#include <vector>
#include "platform/rtl/rtl.h"

using namespace jorv;

namespace {

class TColumn : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  String Title;
  void Assign(TPersistent* s) override {
    if (auto* c = dynamic_cast<TColumn*>(s)) {
      Title = c->Title;
      Changed(false);
      return;
    }
    TCollectionItem::Assign(s);
  }
};

// Records Update and Notify calls as text.
class TColumns : public TOwnedCollection {
 public:
  explicit TColumns(TPersistent* owner = nullptr)
      : TOwnedCollection(owner, CollectionItemClass<TColumn>()) {}
  std::vector<String> Log;
  TColumn* Col(Integer i) { return static_cast<TColumn*>(Items(i)); }
  std::vector<String> Titles() {
    std::vector<String> r;
    for (Integer i = 0; i < Count(); ++i) r.push_back(Col(i)->Title);
    return r;
  }

 protected:
  void Update(TCollectionItem* item) override {
    Log.push_back(item ? L"update " + static_cast<TColumn*>(item)->Title : L"update all");
  }
  void Notify(TCollectionItem* item, TCollectionNotification a) override {
    static const wchar_t* names[] = {L"added", L"extracting", L"deleting"};
    Log.push_back(String(names[a]) + L" " + std::to_wstring(item->ID()));
  }
};

// An item with more to build than its base, which looks at its collection
// and reports a change while it is being made, and may fail half-way.
class TTagged : public TCollectionItem {
 public:
  TTagged(TCollection* c, bool fail) : TCollectionItem(c) {
    SawCollection = Collection() == c;
    Changed(false);
    if (fail) throw EConvertError(L"cannot make it");
  }
  String Tag = L"whole";
  bool SawCollection = false;
};

// Logs what Notify and Update see of the item.
class TTaggedList : public TCollection {
 public:
  TTaggedList() : TCollection([this](TCollection* c) -> TCollectionItem* { return new TTagged(c, FailNext); }) {}
  bool FailNext = false;
  std::vector<String> Log;

 protected:
  static String Seen(TCollectionItem* item) {
    auto* t = dynamic_cast<TTagged*>(item);
    return t ? t->Tag + L" at " + std::to_wstring(item->Index()) : L"half-built";
  }
  void Notify(TCollectionItem* item, TCollectionNotification a) override {
    if (a == cnAdded) Log.push_back(L"added " + Seen(item));
  }
  void Update(TCollectionItem* item) override { Log.push_back(item ? L"update " + Seen(item) : L"update all"); }
};

TColumns* Make(std::initializer_list<const wchar_t*> titles) {
  auto* c = new TColumns;
  for (auto t : titles) static_cast<TColumn*>(c->Add())->Title = t;
  c->Log.clear();
  return c;
}

}  // namespace

TEST(Collection, IndexMovesAndIDsStay) {
  std::unique_ptr<TColumns> c(Make({L"a", L"b", L"c", L"d"}));
  TColumn* d = c->Col(3);
  d->SetIndex(0);
  EXPECT_EQ(c->Titles(), (std::vector<String>{L"d", L"a", L"b", L"c"}));
  EXPECT_EQ(d->Index(), 0);
  EXPECT_EQ(d->ID(), 3);
  c->Col(1)->SetIndex(3);
  EXPECT_EQ(c->Titles(), (std::vector<String>{L"d", L"b", L"c", L"a"}));
  EXPECT_EQ(c->Log, (std::vector<String>{L"update all", L"update all"}));
  EXPECT_THROW(d->SetIndex(4), EListError);
  EXPECT_EQ(c->FindItemID(1)->Index(), 1);
  c->Delete(0);
  auto* e = static_cast<TColumn*>(c->Insert(1));
  e->Title = L"e";
  EXPECT_EQ(c->Titles(), (std::vector<String>{L"b", L"e", L"c", L"a"}));
  EXPECT_EQ(e->ID(), 4);  // IDs are never reused
  EXPECT_EQ(c->FindItemID(3), nullptr);
  EXPECT_THROW(c->Items(4), EListError);
}

TEST(Collection, NotificationsAndUpdates) {
  std::unique_ptr<TColumns> c(Make({L"a", L"b"}));
  c->Add();
  c->Delete(0);
  c->Col(0)->SetDisplayName(L"x");
  delete c->Col(0);  // plain delete leaves the collection
  EXPECT_EQ(c->Count(), 1);
  EXPECT_EQ(c->Log, (std::vector<String>{L"added 2", L"update all", L"deleting 0",
                                         L"extracting 0", L"update all", L"update b",
                                         L"extracting 1", L"update all"}));
  c->Log.clear();
  c->BeginUpdate();
  c->Add();
  c->Col(0)->SetIndex(1);
  c->Clear();
  EXPECT_EQ(c->UpdateCount(), 1);
  c->EndUpdate();
  EXPECT_EQ(c->Log, (std::vector<String>{L"added 3", L"extracting 2", L"extracting 3",
                                         L"update all"}));
}

TEST(Collection, AssignCopiesItemByItemAndMovesBetweenCollections) {
  std::unique_ptr<TColumns> a(Make({L"x", L"y"})), b(Make({L"old"}));
  b->Assign(a.get());
  EXPECT_EQ(b->Titles(), (std::vector<String>{L"x", L"y"}));
  EXPECT_EQ(b->Log.back(), L"update all");
  a->Col(0)->SetCollection(b.get());
  EXPECT_EQ(a->Count(), 1);
  EXPECT_EQ(b->Titles(), (std::vector<String>{L"x", L"y", L"x"}));
  TStringList notAColumn;
  EXPECT_THROW(b->Assign(&notAColumn), EConvertError);
  TComponent owner;
  owner.SetName(L"Grid1");
  TColumns owned(&owner);
  owned.Add();
  EXPECT_EQ(owned.Owner(), &owner);
  EXPECT_EQ(owned.Items(0)->GetNamePath(), L"Grid1.TColumns[0]");
}

TEST(Collection, ItemsItMakesJoinOnlyOnceWhole) {
  TTaggedList list;
  auto* a = static_cast<TTagged*>(list.Add());
  EXPECT_TRUE(a->SawCollection);
  list.Insert(0);
  EXPECT_EQ(list.Log, (std::vector<String>{L"added whole at 0", L"update all", L"added whole at 1",
                                           L"update all", L"update all"}));
  EXPECT_EQ(a->Index(), 1);

  // A constructor that fails leaves nothing behind, and the next item
  // made directly joins at once.
  list.Log.clear();
  list.FailNext = true;
  EXPECT_THROW(list.Add(), EConvertError);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_TRUE(list.Log.empty());
  {
    TTagged direct(&list, false);
    EXPECT_TRUE(direct.SawCollection);
    EXPECT_EQ(direct.Index(), 2);
    EXPECT_EQ(list.Items(2), &direct);
  }
  EXPECT_EQ(list.Count(), 2);
}

TEST(ClassRegistry, FindCreatesAndMissingNamesRaise) {
  RegisterClass<TComponent>(L"TComponent");
  TComponent owner;
  TComponent* made = FindClass(L"tcomponent")(&owner);
  EXPECT_EQ(made->Owner(), &owner);
  EXPECT_FALSE(GetClass(L"TNoSuchThing"));
  try {
    FindClass(L"TNoSuchThing");
    FAIL();
  } catch (const EClassNotFound& e) {
    EXPECT_EQ(e.Message(), L"Class TNoSuchThing not found");
  }
  UnRegisterClass(L"TComponent");
  EXPECT_FALSE(GetClass(L"TComponent"));
}
