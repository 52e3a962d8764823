#pragma once
// A captioned panel that lays out the captioned panels placed on it in
// columns from the top or in one row from the left, and scrolls them with
// a scroll bar of its own when they do not fit.
#include <memory>
#include <vector>
#include "platform/ui/ScrollBar.h"
#include "panel/ExPanel.h"
#include "panel/ExPanelSettings.h"

namespace jorv::panel {

enum TGroupStyle : uint8_t { gsVertical, gsHorizontal };

class TExPanelGroup : public TExPanel {
 public:
  explicit TExPanelGroup(TComponent* AOwner);
  ~TExPanelGroup() override;

  Integer Columns() const { return FColumns; }
  // Values of 0 or less are ignored.
  void SetColumns(Integer Value);
  TExPanelSettings* DefaultPanel() const { return FDefaultPanel.get(); }
  void SetDefaultPanel(TExPanelSettings* Value);
  TGroupStyle GroupStyle() const { return FGroupStyle; }
  void SetGroupStyle(TGroupStyle Value);
  bool ScrollSmooth() const { return FScrollSmooth; }
  void SetScrollSmooth(bool Value) { FScrollSmooth = Value; }
  Integer MouseWheelDelta() const { return FMouseWheelDelta; }
  void SetMouseWheelDelta(Integer Value);
  Integer HorzPadding() const { return FHorzPadding; }
  void SetHorzPadding(Integer Value);
  Integer VertPadding() const { return FVertPadding; }
  void SetVertPadding(Integer Value);
  TNotifyEvent OnArrangedControls;

  // The list's panels; a write copies the given panel's settings into the
  // entry. A bad index raises EListError.
  TCustomExPanel* GetPanel(Integer Index) const;
  void SetPanel(Integer Index, TCustomExPanel* Value);
  Integer PanelCount() const { return Integer(FPanels.size()); }
  Integer ScrollPosition() const { return FScrollBar->Position(); }
  void SetScrollPosition(Integer Value);
  bool IsArranging() const { return FIsArranging; }
  TScrollBar* ScrollBar() const { return FScrollBar; }

  // A new panel from DefaultPanel, appended to the list.
  TCustomExPanel* AddPanel();
  // AddPanel, then moved to the list's front.
  TCustomExPanel* AppendPanel();
  TCustomExPanel* InsertPanel(Integer Index);
  // Frees the panel at Index; nothing for an index out of range.
  void RemovePanel(Integer Index);
  void MovePanel(Integer FromIndex, Integer ToIndex);
  // Frees every child panel.
  void Clear();
  // The list from the child panels, in child order.
  void InitPanels();
  // Arranges by the panels' Index instead of their place.
  void ArrangePanels();
  void UpdateGroup();
  void ChildPanelChanged(TCustomExPanel* APanel);
  void OpenAllPanels();
  void CloseAllPanels();
  // Holds arranging and the scroll bar back until the last EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  // Every child panel's position under its name, with the group's
  // Position's location and key.
  void LoadPanelPositions();
  void SavePanelPositions();

  void ArrangeControls();
  void UpdateScrollBar();
  // Room the panels take, paddings included.
  Integer GetContentHeight();
  Integer GetContentWidth();

  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

 protected:
  virtual void DoArrangedControls();
  void StateChanged() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void WMSize(TWMSize& Message) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

 private:
  // The child panels in the order an arrangement places them.
  std::vector<TCustomExPanel*> SortedPanels(bool ByIndex, bool ByLeft) const;
  // The height of each row of Columns panels in Panels: its highest
  // visible panel; a row of hidden panels takes none.
  std::vector<Integer> RowHeights(const std::vector<TCustomExPanel*>& Panels) const;
  void ArrangeVertical();
  void ArrangeHorizontal();
  void ArrangeByIndex();
  void MovePanelEntry(Integer CurIndex, Integer NewIndex);
  void NumberByPosition();
  void ScrollBarScroll(TScrollCode Code, Integer& Pos);
  bool Wheel(Integer Direction);
  TCustomExPanel* NewPanel();
  void ListIndexCheck(Integer Index) const;
  void SetPanelPositions(bool Save);

  Integer FUpdateCount = 0;
  Integer FHorzPadding = 8;
  Integer FVertPadding = 8;
  TGroupStyle FGroupStyle = gsVertical;
  bool FIsArranging = false;
  TScrollBar* FScrollBar = nullptr;
  std::vector<TCustomExPanel*> FPanels;
  std::unique_ptr<TExPanelSettings> FDefaultPanel = std::make_unique<TExPanelSettings>();
  Integer FColumns = 1;
  bool FCode = false;
  bool FScrollSmooth = false;
  Integer FOldWidth = 0;
  Integer FOldHeight = 0;
  Integer FMouseWheelDelta = 0;
};

}  // namespace jorv::panel
