#include "platform/ui/ListControlItems.h"
#include <algorithm>
#include "platform/rtl/SysUtils.h"
#include "platform/gfx/Canvas.h"

namespace jorv {

TOwnerDrawState OwnerDrawStateOf(UINT ItemState) {
  static const struct {
    UINT Flag;
    TOwnerDrawStateItem Item;
  } Map[] = {{ODS_SELECTED, odSelected}, {ODS_GRAYED, odGrayed},       {ODS_DISABLED, odDisabled},
             {ODS_CHECKED, odChecked},   {ODS_FOCUS, odFocused},       {ODS_DEFAULT, odDefault},
             {ODS_HOTLIGHT, odHotLight}, {ODS_INACTIVE, odInactive},   {ODS_NOACCEL, odNoAccel},
             {ODS_NOFOCUSRECT, odNoFocusRect}, {ODS_COMBOBOXEDIT, odComboBoxEdit}};
  TOwnerDrawState State;
  for (const auto& M : Map)
    if (ItemState & M.Flag) State += M.Item;
  return State;
}

Integer NativeItemHeight(Integer Height) { return std::clamp(Height, 1, 255); }

void SendItemHeight(HWND Window, const TNativeItemMessages& Messages, Integer Index, Integer Height) {
  SendMessageW(Window, Messages.SetItemHeight, Index, NativeItemHeight(Height));
}

void SendItemInsert(HWND Window, const TNativeItemMessages& Messages, Integer Index, const String& S) {
  SendMessageW(Window, Messages.InsertString, Index, reinterpret_cast<LPARAM>(S.c_str()));
}

void SendItemDelete(HWND Window, const TNativeItemMessages& Messages, Integer Index) {
  SendMessageW(Window, Messages.DeleteString, Index, 0);
}

void SendItemsReload(HWND Window, const TNativeItemMessages& Messages, const TStrings& Items,
                     const std::function<void(Integer Index)>& Added) {
  SendMessageW(Window, Messages.ResetContent, 0, 0);
  for (Integer I = 0; I < Items.Count(); ++I) {
    const String S = Items.Strings(I);
    SendMessageW(Window, Messages.AddString, 0, reinterpret_cast<LPARAM>(S.c_str()));
    if (Added) Added(I);
  }
}

void SendItemsUpdating(HWND Window, bool Updating) {
  SendMessageW(Window, WM_SETREDRAW, !Updating, 0);
  if (!Updating) InvalidateRect(Window, nullptr, TRUE);
}

TOwnerDrawScope::TOwnerDrawScope(TCanvas* Canvas, HDC DC)
    : FCanvas(Canvas), FDC(DC), FSaved(SaveDC(DC)) {
  FCanvas->SetHandle(DC);
}

TOwnerDrawScope::~TOwnerDrawScope() {
  FCanvas->SetHandle(nullptr);
  RestoreDC(FDC, FSaved);
}

void TListControlItems::Check(Integer Index) const {
  if (Index < 0 || Index >= GetCount()) Error(L"List index out of bounds (%d)", Index);
}

String TListControlItems::Get(Integer Index) const {
  Check(Index);
  return FItems[Index].S;
}

TObject* TListControlItems::GetObject(Integer Index) const {
  Check(Index);
  return FItems[Index].Object;
}

void TListControlItems::PutObject(Integer Index, TObject* AObject) {
  Check(Index);
  FItems[Index].Object = AObject;
}

NativeUInt TListControlItems::ItemData(Integer Index) const {
  Check(Index);
  return FItems[Index].Data;
}

void TListControlItems::SetItemData(Integer Index, NativeUInt Value) {
  Check(Index);
  FItems[Index].Data = Value;
}

void TListControlItems::Put(Integer Index, const String& S) {
  Check(Index);
  TItem Old = FItems[Index];
  Delete(Index);
  Integer At = InsertItem(Index, S, Old.Object);
  FItems[At].Data = Old.Data;
}

Integer TListControlItems::InsertItem(Integer Index, const String& S, TObject* AObject) {
  if (FSorted) {
    // After the equal ones, so items added in order keep that order.
    auto It = std::upper_bound(FItems.begin(), FItems.end(), S, [this](const String& A, const TItem& B) {
      return CompareStrings(A, B.S) < 0;
    });
    Index = static_cast<Integer>(It - FItems.begin());
  } else if (Index < 0 || Index > GetCount()) {
    Error(L"List index out of bounds (%d)", Index);
  }
  FItems.insert(FItems.begin() + Index, TItem{S, AObject, 0});
  FWindow->WindowInsert(Index, S);
  return Index;
}

void TListControlItems::Insert(Integer Index, const String& S) { InsertItem(Index, S, nullptr); }

Integer TListControlItems::AddObject(const String& S, TObject* AObject) {
  return InsertItem(GetCount(), S, AObject);
}

void TListControlItems::Delete(Integer Index) {
  Check(Index);
  FItems.erase(FItems.begin() + Index);
  FWindow->WindowDelete(Index);
}

void TListControlItems::Clear() {
  FItems.clear();
  FWindow->WindowClear();
}

void TListControlItems::Exchange(Integer Index1, Integer Index2) {
  Check(Index1);
  Check(Index2);
  if (FSorted) Error(L"Operation not allowed on sorted list", 0);
  std::swap(FItems[Index1], FItems[Index2]);
  FWindow->WindowReload();
}

void TListControlItems::Move(Integer CurIndex, Integer NewIndex) {
  Check(CurIndex);
  Check(NewIndex);
  if (FSorted) Error(L"Operation not allowed on sorted list", 0);
  if (CurIndex == NewIndex) return;
  TItem I = FItems[CurIndex];
  FItems.erase(FItems.begin() + CurIndex);
  FItems.insert(FItems.begin() + NewIndex, I);
  FWindow->WindowReload();
}

void TListControlItems::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  if (!Value) return;
  std::stable_sort(FItems.begin(), FItems.end(),
                   [this](const TItem& A, const TItem& B) { return CompareStrings(A.S, B.S) < 0; });
  FWindow->WindowReload();
}

}  // namespace jorv
