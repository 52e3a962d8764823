#pragma once
// Components: objects with an owner that frees them, a name unique among
// their siblings, and notifications that let others drop references to a
// component before it goes away.
#include <functional>
#include <vector>
#include "platform/rtl/Object.h"

namespace jorv {

enum TOperation : uint8_t { opInsert, opRemove };

enum TComponentStateFlag : uint8_t {
  csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor,
  csUpdating, csFixups, csFreeNotification, csInline, csDesignInstance
};
using TComponentState = TSet<TComponentStateFlag, 16>;

enum TComponentStyleFlag : uint8_t {
  csInheritable, csCheckPropAvail, csSubComponent, csTransient
};
using TComponentStyle = TSet<TComponentStyleFlag, 8>;

// A component frees the components it owns in reverse order of their
// insertion. Because C++ destroys the derived part first, a descendant whose
// owned components must still see it whole calls DestroyComponents() in its
// own destructor (and Destroying() first if it checks csDestroying).
// Deleting an owned component directly is fine: it leaves its owner.
class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner = nullptr);
  ~TComponent() override;

  TComponent* Owner() const { return FOwner; }
  Integer ComponentCount() const { return static_cast<Integer>(FComponents.size()); }
  TComponent* Components(Integer Index) const;
  // Position among the owner's components (-1 without owner).
  Integer ComponentIndex() const;
  void SetComponentIndex(Integer Value);

  const String& Name() const { return FName; }
  // Raises EComponentError for a name that is no identifier or is taken by
  // a sibling (compared without regard to case).
  virtual void SetName(const String& NewName);
  NativeInt Tag() const { return FTag; }
  void SetTag(NativeInt Value) { FTag = Value; }

  TComponentState ComponentState() const { return FComponentState; }
  TComponentStyle ComponentStyle() const { return FComponentStyle; }
  void SetSubComponent(bool Value);
  void SetDesigning(bool Value, bool SetChildren = true);

  // Owned component with that name (without regard to case), or nullptr.
  TComponent* FindComponent(const String& AName) const;
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  // Frees every owned component, last inserted first.
  void DestroyComponents();
  // Marks this component and those it owns as being destroyed.
  void Destroying();

  // Asks AComponent to tell this one (through Notification with opRemove)
  // when it is freed, and the other way round.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  virtual void Loaded();
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* /*Value*/) {}
  // Hands component streaming each component that is stored inside this
  // one (a form's controls); Root is the component being written.
  using TGetChildProc = std::function<void(TComponent* Child)>;
  virtual void GetChildren(const TGetChildProc& /*Proc*/, TComponent* /*Root*/) {}
  String GetNamePath() const override { return FName; }

  static bool IsValidIdent(const String& Ident);

 protected:
  // Tells this component and everything it owns that AComponent was
  // inserted or is being removed; overrides clear their references here and
  // call the inherited one.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  virtual void ValidateRename(TComponent* AComponent, const String& CurName,
                              const String& NewName);
  virtual void ValidateInsert(TComponent* /*AComponent*/) {}
  virtual void ValidateContainer(TComponent* AComponent);
  virtual void ChangeName(const String& NewName) { FName = NewName; }
  TPersistent* GetOwner() const override { return FOwner; }

  TComponentState FComponentState{};
  TComponentStyle FComponentStyle{csInheritable};

 private:
  // Marks the components it reads as loading.
  friend class TReader;
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);
  void RemoveNotification(TComponent* AComponent);

  TComponent* FOwner = nullptr;
  String FName;
  NativeInt FTag = 0;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
};

}  // namespace jorv
