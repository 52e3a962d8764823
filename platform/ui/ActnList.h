#pragma once
// Actions: one command with its caption, hint, enabled and checked state,
// image and shortcut, shared by every control linked to it. A change of the
// action reaches its controls through their action links; the application
// asks every action to update itself while it is idle.
#include <functional>
#include <vector>
#include "platform/rtl/Component.h"

namespace jorv {

class TBasicActionLink;
class TActionList;
class TCustomImageList;
class TControl;

using TShortCut = Word;

class TBasicAction : public TComponent {
 public:
  explicit TBasicAction(TComponent* AOwner);
  ~TBasicAction() override;

  // Runs OnExecute; true when something handled the action.
  virtual bool Execute();
  // Runs OnUpdate; true when something handled the update.
  virtual bool Update();

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

 protected:
  friend class TBasicActionLink;
  // Tells every linked client that the action changed.
  void Change();
  std::vector<TBasicActionLink*> FClients;
};

class TAction : public TBasicAction {
 public:
  explicit TAction(TComponent* AOwner);
  ~TAction() override;

  bool Execute() override;
  bool Update() override;

  TActionList* ActionList() const { return FActionList; }
  void SetActionList(TActionList* Value);
  String Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  String Hint() const { return FHint; }
  void SetHint(const String& Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  Integer GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(Integer Value);
  Integer ImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);

 private:
  friend class TActionList;
  TActionList* FActionList = nullptr;
  String FCaption;
  String FHint;
  bool FEnabled = true;
  bool FChecked = false;
  bool FVisible = true;
  Integer FGroupIndex = 0;
  Integer FImageIndex = -1;
  TShortCut FShortCut = 0;
};

using TActionEvent = std::function<void(TBasicAction* Action, bool& Handled)>;

class TActionList : public TComponent {
 public:
  explicit TActionList(TComponent* AOwner);
  ~TActionList() override;

  Integer ActionCount() const { return static_cast<Integer>(FActions.size()); }
  TAction* Actions(Integer Index) const { return FActions.at(Index); }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  // Asks every action of the list to update itself.
  void UpdateActions();

  // Run before an action's own handler; Handled stops it.
  TActionEvent OnExecute;
  TActionEvent OnUpdate;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TAction;
  std::vector<TAction*> FActions;
  TCustomImageList* FImages = nullptr;
};

// The update pass of the application's idle time: every action list.
void UpdateAllActionLists();

// A client's end of the link to an action.
class TBasicActionLink : public TObject {
 public:
  TBasicActionLink() = default;
  ~TBasicActionLink() override;
  TBasicActionLink(const TBasicActionLink&) = delete;
  TBasicActionLink& operator=(const TBasicActionLink&) = delete;

  TBasicAction* Action() const { return FAction; }
  void SetAction(TBasicAction* Value);
  virtual bool Execute();
  virtual bool Update();

  // Told of every change of the action.
  TNotifyEvent OnChange;

 protected:
  friend class TBasicAction;
  friend class TAction;
  virtual void Change();
  TBasicAction* FAction = nullptr;
};

// The link that passes an action's properties on; each property passes
// while it is linked.
class TActionLink : public TBasicActionLink {
 public:
  virtual bool IsCaptionLinked() { return AsAction() != nullptr; }
  virtual bool IsHintLinked() { return AsAction() != nullptr; }
  virtual bool IsEnabledLinked() { return AsAction() != nullptr; }
  virtual bool IsCheckedLinked() { return AsAction() != nullptr; }
  virtual bool IsVisibleLinked() { return AsAction() != nullptr; }
  virtual bool IsGroupIndexLinked() { return AsAction() != nullptr; }
  virtual bool IsImageIndexLinked() { return AsAction() != nullptr; }
  virtual bool IsShortCutLinked() { return AsAction() != nullptr; }
  virtual void SetCaption(const String&) {}
  virtual void SetHint(const String&) {}
  virtual void SetEnabled(bool) {}
  virtual void SetChecked(bool) {}
  virtual void SetVisible(bool) {}
  virtual void SetGroupIndex(Integer) {}
  virtual void SetImageIndex(Integer) {}
  virtual void SetShortCut(TShortCut) {}

 protected:
  TAction* AsAction() const;
};

// A control's link: caption, hint, enabled and visible state pass to it
// while the control shows what the action had.
class TControlActionLink : public TActionLink {
 public:
  explicit TControlActionLink(TControl* AClient) : FClient(AClient) {}
  bool IsCaptionLinked() override;
  bool IsHintLinked() override;
  bool IsEnabledLinked() override;
  bool IsVisibleLinked() override;
  void SetCaption(const String& Value) override;
  void SetHint(const String& Value) override;
  void SetEnabled(bool Value) override;
  void SetVisible(bool Value) override;
  bool Execute() override;

 protected:
  TControl* FClient = nullptr;
};

}  // namespace jorv
