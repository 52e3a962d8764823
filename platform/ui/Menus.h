#pragma once
// Menus over the system's native menus: a tree of TMenuItem objects made
// into an HMENU when shown. A popup menu's choice comes back as WM_COMMAND
// to a window of the library, which clicks the item with that command.
#include <functional>
#include <memory>
#include <vector>
#include "platform/rtl/Component.h"
#include "platform/rtl/Types.h"

namespace jorv {

class TMenu;
class TCustomImageList;
class TControl;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  TMenuItem* Items(Integer Index) const;
  TMenuItem* Parent() const { return FParent; }
  Integer MenuIndex() const;
  Integer IndexOf(const TMenuItem* Item) const;
  // The child whose caption (without accelerator marks) is Caption, or nullptr.
  TMenuItem* Find(const String& Caption) const;
  void Add(TMenuItem* Item) { Insert(Count(), Item); }
  void Insert(Integer Index, TMenuItem* Item);
  // Frees the child at Index.
  void Delete(Integer Index);
  // Takes Item out without freeing it.
  void Remove(TMenuItem* Item);
  // Frees every child.
  void Clear();

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value) { FCaption = Value; }
  // A caption of "-" makes a separator line.
  bool IsLine() const { return FCaption == L"-"; }
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  // A radio item shows a dot when checked; checking it unchecks the
  // radio items of its group among its siblings.
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value) { FRadioItem = Value; }
  Byte GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(Byte Value) { FGroupIndex = Value; }
  bool AutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool Value) { FAutoCheck = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  Integer ImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value) { FImageIndex = Value; }
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  // The number WM_COMMAND carries for this item.
  Word Command() const { return FCommand; }
  // The menu whose tree holds this item, or nullptr.
  TMenu* GetParentMenu() const;
  virtual void Click();

  TNotifyEvent OnClick;

 protected:
  friend class TMenu;
  String FCaption;
  bool FChecked = false;
  bool FRadioItem = false;
  Byte FGroupIndex = 0;
  bool FAutoCheck = false;
  bool FEnabled = true;
  bool FVisible = true;
  bool FDefault = false;
  Integer FImageIndex = -1;
  String FHint;
  Word FCommand = 0;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;  // set on a menu's root item only
  std::vector<TMenuItem*> FItems;
};

// The item of the library's menus that carries Command, or nullptr.
TMenuItem* FindMenuItemByCommand(Word Command);

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;
  TMenuItem* Items() const { return FItems.get(); }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  // Clicks the item with Command; false when none of this menu has it.
  bool DispatchCommand(Word Command);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // A native menu of Item's visible children; bitmaps it needs go to Keep.
  HMENU BuildMenu(TMenuItem* Item, std::vector<HBITMAP>& Keep);

  std::unique_ptr<TMenuItem> FItems;
  TCustomImageList* FImages = nullptr;
};

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* AOwner);

  // Shows the menu at screen point (X, Y) and waits for the user; the
  // chosen item (already clicked) or nullptr.
  virtual TMenuItem* Popup(Integer X, Integer Y);
  // The control the menu was last shown for.
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value);
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  TPoint PopupPoint() const { return FPopupPoint; }

  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void DoPopup();

  TComponent* FPopupComponent = nullptr;
  bool FAutoPopup = true;
  TPoint FPopupPoint{-1, -1};
};

// Shows Control's popup menu for a context-menu request at screen point
// Pos ((-1, -1) from the keyboard: at the control's top-left corner);
// false when the control has no popup menu that pops up by itself.
bool ShowControlPopupMenu(TControl* Control, TPoint Pos);

}  // namespace jorv
