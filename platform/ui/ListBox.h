#pragma once
// The native list box: items kept by the control and mirrored into the
// window, single or multiple selection, and owner drawing through the
// reflected WM_DRAWITEM with heights the control sets itself.
#include <vector>
#include "platform/gfx/Canvas.h"
#include "platform/ui/ListControlItems.h"
#include "platform/ui/WinControl.h"

namespace jorv {

enum TListBoxStyle : uint8_t { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

class TCustomListBox : public TWinControl, protected TItemWindow {
 public:
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;

  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  Integer Count() const { return FItems->Count(); }
  void Clear() { FItems->Clear(); }
  // The selected item, or with MultiSelect the one with the focus; -1 for none.
  Integer ItemIndex();
  void SetItemIndex(Integer Value);
  bool Selected(Integer Index);
  void SetSelected(Integer Index, bool Value);
  Integer SelCount();
  void ClearSelection();
  void SelectAll();
  Integer TopIndex();
  void SetTopIndex(Integer Value);
  // The item at a client point; -1 when there is none there and Existing,
  // else the nearest one (or Count when below the last).
  Integer ItemAtPos(const TPoint& Pos, bool Existing);
  TRect ItemRect(Integer Index);

  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool Value);
  bool Sorted() const { return FItems->Sorted(); }
  void SetSorted(bool Value) { FItems->SetSorted(Value); }
  Integer ItemHeight() const { return FItemHeight; }
  void SetItemHeight(Integer Value);
  bool IntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TCanvas* Canvas() const { return FCanvas.get(); }

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& Message) override;
  virtual void DrawItem(Integer Index, TRect Rect, TOwnerDrawState State);
  virtual void MeasureItem(Integer Index, Integer& Height);
  virtual void CNCommand(TWMCommand& Message);
  virtual void CNDrawItem(TMessage& Message);
  bool IsOwnerDraw() const { return FStyle != lbStandard; }
  // Sets the window's item height(s) from ItemHeight or OnMeasureItem.
  void SetWindowItemHeight(Integer Index);

  void WindowInsert(Integer Index, const String& S) override;
  void WindowDelete(Integer Index) override;
  void WindowClear() override;
  void WindowReload() override;
  void WindowUpdate(bool Updating) override;

  std::unique_ptr<TListControlItems> FItems;
  std::unique_ptr<TCanvas> FCanvas;
  TListBoxStyle FStyle = lbStandard;
  bool FMultiSelect = false;
  bool FExtendedSelect = true;
  Integer FItemHeight = 16;
  bool FIntegralHeight = false;
  TBorderStyle FBorderStyle = bsSingle;
  // Selection kept while the window is away.
  Integer FSaveItemIndex = -1;
  Integer FSaveTopIndex = 0;
  std::vector<Integer> FSaveSelected;
};

class TListBox : public TCustomListBox {
 public:
  explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
};

}  // namespace jorv
