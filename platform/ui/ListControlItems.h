#pragma once
// Items of the native list controls (list box, combo box): the strings and
// their objects are kept here, in order (sorted on request), and every
// change is mirrored into the window through the control, so the items
// outlive the window and its re-creation. Also the owner-drawing types the
// list controls share.
#include <functional>
#include "platform/rtl/Strings.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"

namespace jorv {

class TCanvas;
class TWinControl;

enum TOwnerDrawStateItem : uint8_t {
  odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive,
  odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem, 16>;

// The owner-draw state of a DRAWITEMSTRUCT's item state flags.
TOwnerDrawState OwnerDrawStateOf(UINT ItemState);

// Lends a canvas the item's device context for one owner-drawn item and
// gives the context back as it came, also when drawing fails.
class TOwnerDrawScope {
 public:
  TOwnerDrawScope(TCanvas* Canvas, HDC DC);
  ~TOwnerDrawScope();
  TOwnerDrawScope(const TOwnerDrawScope&) = delete;
  TOwnerDrawScope& operator=(const TOwnerDrawScope&) = delete;

 private:
  TCanvas* FCanvas;
  HDC FDC;
  int FSaved;
};

using TDrawItemEvent =
    std::function<void(TWinControl* Control, Integer Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TWinControl* Control, Integer Index, Integer& Height)>;

// What a list box and a combo box send their native window for the items:
// the same steps, each control with its own messages.
struct TNativeItemMessages {
  UINT AddString = 0;
  UINT InsertString = 0;
  UINT DeleteString = 0;
  UINT ResetContent = 0;
  UINT SetItemHeight = 0;
};
inline constexpr TNativeItemMessages ListBoxItemMessages{LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING,
                                                         LB_RESETCONTENT, LB_SETITEMHEIGHT};
inline constexpr TNativeItemMessages ComboBoxItemMessages{CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING,
                                                          CB_RESETCONTENT, CB_SETITEMHEIGHT};

// The window keeps an item's height in a byte.
Integer NativeItemHeight(Integer Height);
void SendItemHeight(HWND Window, const TNativeItemMessages& Messages, Integer Index, Integer Height);
void SendItemInsert(HWND Window, const TNativeItemMessages& Messages, Integer Index, const String& S);
void SendItemDelete(HWND Window, const TNativeItemMessages& Messages, Integer Index);
// Empties the window and adds Items again; Added hears each new index.
void SendItemsReload(HWND Window, const TNativeItemMessages& Messages, const TStrings& Items,
                     const std::function<void(Integer Index)>& Added);
// No drawing while the items change; one repaint when they are done.
void SendItemsUpdating(HWND Window, bool Updating);

// The window side of a list control's items.
class TItemWindow {
 public:
  virtual ~TItemWindow() = default;
  virtual void WindowInsert(Integer Index, const String& S) = 0;
  virtual void WindowDelete(Integer Index) = 0;
  virtual void WindowClear() = 0;
  // The whole list again (after sorting).
  virtual void WindowReload() = 0;
  virtual void WindowUpdate(bool Updating) = 0;
};

class TListControlItems : public TStrings {
 public:
  explicit TListControlItems(TItemWindow* Window) : FWindow(Window) {}

  String Get(Integer Index) const override;
  void Put(Integer Index, const String& S) override;
  TObject* GetObject(Integer Index) const override;
  void PutObject(Integer Index, TObject* AObject) override;
  Integer GetCount() const override { return static_cast<Integer>(FItems.size()); }
  // In a sorted list the index is only a wish: the item goes where it sorts.
  void Insert(Integer Index, const String& S) override;
  Integer AddObject(const String& S, TObject* AObject) override;
  void Delete(Integer Index) override;
  void Clear() override;
  void Exchange(Integer Index1, Integer Index2) override;
  void Move(Integer CurIndex, Integer NewIndex) override;

  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  // A control's own word for each item; it moves with the item.
  NativeUInt ItemData(Integer Index) const;
  void SetItemData(Integer Index, NativeUInt Value);

 protected:
  void SetUpdateState(bool Updating) override { FWindow->WindowUpdate(Updating); }

 private:
  struct TItem {
    String S;
    TObject* Object = nullptr;
    NativeUInt Data = 0;
  };
  Integer InsertItem(Integer Index, const String& S, TObject* AObject);
  void Check(Integer Index) const;

  TItemWindow* FWindow;
  std::vector<TItem> FItems;
  bool FSorted = false;
};

}  // namespace jorv
