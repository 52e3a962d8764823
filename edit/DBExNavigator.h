#pragma once
// A row (or column) of tool buttons that moves through the records of a
// data set and edits them. Its own data link keeps the buttons' enabled
// states in step with the data set; prior and next repeat while held.
#include <array>
#include <functional>
#include <memory>
#include "edit/ToolButton.h"
#include "platform/data/DataLink.h"
#include "platform/data/DataTypes.h"
#include "platform/ui/Panel.h"

namespace jorv {
class TDataSource;
class TStringList;
class TStrings;
class TTimer;
}
namespace jorv::edit {
using namespace jorv::foundation;

class TDBExNavigator;

enum TExNavigateBtn : uint8_t {
  nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh,
  nbSearch, nbSetBookmark, nbGotoBookMark
};
using TButtonSet = TSet<TExNavigateBtn>;
enum TGlyphSize : uint8_t { gsSmall, gsLarge, gsCustom };
enum TNavigatorOrientation : uint8_t { noHorizontal, noVertical };
using ENavClick = std::function<void(TObject* Sender, TExNavigateBtn Button)>;
enum TNavButtonStyleFlag : uint8_t { nsAllowTimer };
using TNavButtonStyle = TSet<TNavButtonStyleFlag>;

class TExNavButton : public TExToolButton {
 public:
  explicit TExNavButton(TComponent* AOwner);
  ~TExNavButton() override;

  TExNavigateBtn Index() const { return FIndex; }
  void SetIndex(TExNavigateBtn Value) { FIndex = Value; }
  TNavButtonStyle NavStyle() const { return FNavStyle; }
  void SetNavStyle(TNavButtonStyle Value) { FNavStyle = Value; }
  // Repeats the click while the button is held down.
  void RepeatTimerTick(TObject* Sender);

 protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void Paint() override;

 private:
  TExNavigateBtn FIndex = nbFirst;
  TNavButtonStyle FNavStyle;
  std::unique_ptr<TTimer> FRepeatTimer;
};

class TExNavDataLink : public TDataLink {
 public:
  explicit TExNavDataLink(TDBExNavigator* ANav);
  ~TExNavDataLink() override;

 protected:
  void EditingChanged() override;
  void DataSetChanged() override;
  void ActiveChanged() override;

 private:
  TDBExNavigator* FNavigator = nullptr;
};

class TDBExNavigator : public TCustomPanel {
 public:
  explicit TDBExNavigator(TComponent* AOwner);
  ~TDBExNavigator() override;

  virtual Cardinal GetVersionNr() const { return 0x01030102; }
  // Runs the button's own event, or the data set's matching operation.
  virtual void BtnClick(TExNavigateBtn Index);

  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  void Loaded() override;

  void NavDataChanged();
  void NavEditingChanged();
  void NavActiveChanged();

  TDataSource* DataSource() const;
  void SetDataSource(TDataSource* Value);
  TButtonSet VisibleButtons() const { return FVisibleButtons; }
  void SetVisibleButtons(TButtonSet Value);
  TNavigatorOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TNavigatorOrientation Value);
  TGlyphSize GlyphSize() const { return FGlyphSize; }
  void SetGlyphSize(TGlyphSize Value);
  Integer GlyphCustomSize() const { return FGlyphCustomSize; }
  void SetGlyphCustomSize(Integer Value);
  String GlyphResName() const { return FGlyphResName; }
  void SetGlyphResName(const String& Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool Shaded() const { return FShaded; }
  void SetShaded(bool Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);
  TColor ColorHot() const { return FColorHot; }
  void SetColorHot(TColor Value);
  TColor ColorHotTo() const { return FColorHotTo; }
  void SetColorHotTo(TColor Value);
  TColor ColorDown() const { return FColorDown; }
  void SetColorDown(TColor Value);
  TColor ColorDownTo() const { return FColorDownTo; }
  void SetColorDownTo(TColor Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TColor BorderHotColor() const { return FBorderHotColor; }
  void SetBorderHotColor(TColor Value);
  TColor BorderDownColor() const { return FBorderDownColor; }
  void SetBorderDownColor(TColor Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value) { FAutoThemeAdapt = Value; }
  bool ConfirmDelete() const { return FConfirmDelete; }
  void SetConfirmDelete(bool Value) { FConfirmDelete = Value; }
  bool DeleteDisabled() const { return FDeleteDisabled; }
  void SetDeleteDisabled(bool Value);
  bool InsertDisabled() const { return FInsertDisabled; }
  void SetInsertDisabled(bool Value);
  // At design time an empty user list reads as the default hints.
  TStrings* Hints();
  void SetHints(TStrings* Value);
  Integer Look() const { return FLook; }
  void SetLook(Integer Value);
  String BookMark() const { return FBookmark; }
  void SetBookMark(const String& Value) { FBookmark = Value; }
  TExNavButton* Buttons(TExNavigateBtn Index) const { return FButtons[Index]; }
  TExNavigateBtn FocusedButton() const { return FFocusedButton; }
  String Version() const { return VersionText(GetVersionNr()); }
  void SetVersion(const String&) {}

  ENavClick BeforeAction;
  ENavClick OnClick;
  TNotifyEvent OnBtnPrior, OnBtnNext, OnBtnFirst, OnBtnLast, OnBtnInsert, OnBtnEdit, OnBtnCancel,
      OnBtnPost, OnBtnRefresh, OnBtnDelete, OnBtnSearch, OnBtnGotoBookmark, OnBtnSetBookmark;

 protected:
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void WMSize(TWMSize& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  void CMEnabledChanged(TMessage& Message) override;

 private:
  friend class TExNavButton;
  void InitButtons();
  void InitHints();
  void CalcMinSize(Integer& W, Integer& H);
  void LayoutButtons(Integer& W, Integer& H);
  void ApplyButtonColors();
  void SetMinButtonSize();
  void LoadButtonGlyphs(TExNavButton* Button);
  void ButtonMouseDown(TExNavButton* Button);
  Integer VisibleCount() const;
  template <typename F>
  void ForButtons(F Fn) {
    for (TExNavButton* B : FButtons)
      if (B) Fn(B);
  }

  std::unique_ptr<TExNavDataLink> FDataLink;
  TButtonSet FVisibleButtons;
  std::unique_ptr<TStringList> FHints;
  std::unique_ptr<TStringList> FDefHints;
  Integer ButtonWidth = 0;
  Integer ButtonHeight = 0;
  TPoint MinBtnSize{20, 18};
  TExNavigateBtn FFocusedButton = nbFirst;
  bool FConfirmDelete = true;
  bool FFlat = true;
  TColor FBorderColor = clNone;
  TColor FBorderDownColor = 0;
  TColor FBorderHotColor = 0;
  TColor FColorDown = TColor(0xD8D3D2);
  TColor FColorDownTo = clNone;
  TColor FColorHot = TColor(0xCAC7C7);
  TColor FColorHotTo = clNone;
  TColor FColor = clBtnFace;
  TColor FColorTo = clNone;
  bool FDeleteDisabled = false;
  bool FInsertDisabled = false;
  bool FShaded = true;
  TNavigatorOrientation FOrientation = noHorizontal;
  TGlyphSize FGlyphSize = gsSmall;
  String FBookmark;
  TBookmark FUBookmark;
  bool FAutoThemeAdapt = false;
  Integer FLook = 0;
  Integer FGlyphCustomSize = 0;
  String FGlyphResName;
  std::array<TExNavButton*, 13> FButtons{};
};

}  // namespace jorv::edit
