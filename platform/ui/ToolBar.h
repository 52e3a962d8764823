#pragma once
// The native tool bar (ToolbarWindow32) and its buttons. A TToolButton is
// a windowless child control of the bar, placed where the window shows
// its button, so that hints and the mouse events find it; the window
// draws and clicks the buttons and reports clicks as WM_COMMAND.
#include <vector>
#include "platform/ui/WinControl.h"

namespace jorv {

class TToolBar;
class TCustomImageList;

enum TToolButtonStyle : uint8_t { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

enum TEdgeBorder : uint8_t { ebLeft, ebTop, ebRight, ebBottom };
using TEdgeBorders = TSet<TEdgeBorder, 8>;

class TToolButton : public TControl {
 public:
  explicit TToolButton(TComponent* AOwner);
  ~TToolButton() override;

  TToolBar* ToolBar() const;
  TToolButtonStyle Style() const { return FStyle; }
  void SetStyle(TToolButtonStyle Value);
  Integer ImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  // A pressed check button.
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  // Neighbouring check buttons of a group: one of them is down.
  bool Grouped() const { return FGrouped; }
  void SetGrouped(bool Value);
  Integer Index() const;
  void SetParent(TWinControl* AParent) override;
  void SetVisible(bool Value) override;
  void SetEnabled(bool Value) override;
  void Click() override;
  // A separator's width is its own; other buttons are placed by the bar.
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

 protected:
  friend class TToolBar;
  void CMTextChanged(TMessage& Message) override;
  void Changed();

  TToolButtonStyle FStyle = tbsButton;
  Integer FImageIndex = -1;
  bool FAutoSize = false;
  bool FDown = false;
  bool FGrouped = false;
  // The command the window reports for this button.
  Word FCommand = 0;
  bool FPlacing = false;
};

class TToolBar : public TWinControl {
 public:
  explicit TToolBar(TComponent* AOwner);
  ~TToolBar() override;

  Integer ButtonCount() const { return static_cast<Integer>(FButtons.size()); }
  TToolButton* Buttons(Integer Index) const { return FButtons.at(Index); }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool Value);
  // Captions beside the images rather than below them.
  bool List() const { return FList; }
  void SetList(bool Value);
  Integer ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(Integer Value);
  Integer ButtonHeight() const { return FButtonHeight; }
  void SetButtonHeight(Integer Value);
  // The bar's height follows its buttons.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  TEdgeBorders EdgeBorders() const { return FEdgeBorders; }
  void SetEdgeBorders(TEdgeBorders Value);

  void WndProc(TMessage& Message) override;

 protected:
  friend class TToolButton;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void InsertButton(TToolButton* Button);
  void RemoveButton(TToolButton* Button);
  // Hands every button to the window again and places the button controls.
  void RecreateButtons();
  void UpdateButtonState(TToolButton* Button);
  void PlaceButtons();
  Integer EdgeSize(TEdgeBorder Edge) const;

  std::vector<TToolButton*> FButtons;
  TCustomImageList* FImages = nullptr;
  bool FShowCaptions = false;
  bool FList = false;
  Integer FButtonWidth = 23;
  Integer FButtonHeight = 22;
  bool FAutoSize = false;
  bool FFlat = true;
  bool FTransparent = false;
  TEdgeBorders FEdgeBorders{ebTop};
  Word FNextCommand = 1;
  bool FUpdating = false;
};

}  // namespace jorv
