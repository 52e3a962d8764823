#pragma once
// The native multi-line edit and its lines: Lines reads and writes the
// window's own lines, or the kept text while there is no window.
#include "platform/rtl/Strings.h"
#include "platform/ui/CustomEdit.h"
#include "platform/ui/ScrollStyle.h"

namespace jorv {

class TCustomMemo;

class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo* Memo) : FMemo(Memo) {}
  String Get(Integer Index) const override;
  void Put(Integer Index, const String& S) override;
  Integer GetCount() const override;
  void Insert(Integer Index, const String& S) override;
  void Delete(Integer Index) override;
  void Clear() override;
  void SetText(const String& Value) override;

 protected:
  void SetUpdateState(bool Updating) override;

 private:
  // Start and end (past the line break) of a line in the window's text.
  void LineSpan(Integer Index, Integer& Start, Integer& End) const;
  TCustomMemo* FMemo;
};

class TCustomMemo : public TCustomEdit {
 public:
  explicit TCustomMemo(TComponent* AOwner);
  ~TCustomMemo() override;

  TStrings* Lines() const { return FLines.get(); }
  void SetLines(TStrings* Value) { FLines->Assign(Value); }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }
  // The caret as line (Y) and column (X).
  TPoint CaretPos();
  void SetCaretPos(const TPoint& Value);

 protected:
  friend class TMemoStrings;
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void KeyPress(Char& Key) override;

  std::unique_ptr<TMemoStrings> FLines;
  bool FWordWrap = true;
  TScrollStyle FScrollBars = ssNone;
  bool FWantReturns = true;
  bool FWantTabs = false;
};

class TMemo : public TCustomMemo {
 public:
  explicit TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}
};

}  // namespace jorv
