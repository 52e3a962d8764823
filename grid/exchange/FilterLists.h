#pragma once
// The two lists the grid drops down from a header's filter button: one to
// pick a single value, one to tick several. Each reports its choice to the
// grid through OnSelect and closes, as a drop-down does, when the user
// clicks elsewhere.
#include <functional>
#include "platform/ui/CheckListBox.h"
#include "platform/ui/ListBox.h"

namespace jorv::grid {

using TDropSelectEvent = std::function<void(TObject* Sender, Integer ItemIndex)>;
using TDropCloseEvent = std::function<void(TObject* Sender)>;

// An entry of the grid's value list made from a cell value: the value
// itself, which the entry's text cannot always carry unambiguously (a
// value with "=" in it), and the text the grid gave the entry.
class TFilterListValue : public TObject {
 public:
  TFilterListValue(String AValue, String AEntry) : Value(std::move(AValue)), Entry(std::move(AEntry)) {}
  String Value;
  String Entry;
};

class TDropList : public TListBox {
 public:
  explicit TDropList(TComponent* AOwner) : TListBox(AOwner) {}
  TDropSelectEvent OnSelect;
  // The list lost the focus to a click elsewhere.
  TDropCloseEvent OnCancel;

 protected:
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

 private:
  void Choose();
  // Hiding to report a choice moves the focus away: no cancel then.
  bool FChoosing = false;
};

class TDropCheckList : public TCheckListBox {
 public:
  explicit TDropCheckList(TComponent* AOwner) : TCheckListBox(AOwner) {}
  TDropSelectEvent OnSelect;
  TDropCloseEvent OnCancel;

 protected:
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void ClickCheck() override;
};

}  // namespace jorv::grid
