#pragma once
// A drop-down editor for a floating-point value whose pop-up is a desk
// calculator: each operator key applies the pending one to the running
// result and the shown value, with no precedence; a one-value memory,
// percent, square root, reciprocal, sign, back and clear keys. A result
// that a number cannot hold shows "Error".
#include <memory>
#include "dropdown/ButtonPanel.h"
#include "dropdown/ExDropDown.h"

namespace jorv::dropdown {

class TExCalculatorDropdown : public TExCustomDropDown {
 public:
  explicit TExCalculatorDropdown(TComponent* AOwner);
  ~TExCalculatorDropdown() override;

  using TExCustomDropDown::Precision;
  using TExCustomDropDown::SetPrecision;

  TButtonAppearance* CalcButtonAppearance() const { return FCalcButtonAppearance.get(); }
  void SetCalcButtonAppearance(TButtonAppearance* Value) { FCalcButtonAppearance->Assign(Value); }
  bool ShowThousandSeparator() const { return FShowThousandSeparator; }
  void SetShowThousandSeparator(bool Value);
  TCustomButtonPanel* ButtonPanel() const { return FExButtonPanel; }

  double Value();
  void SetValue(double AValue);
  // "=" without marking the edit modified.
  void CalcResult() { DoEquals(); }

  void STDMETHODCALLTYPE SetComponentStyle(TZVQStyle AStyle) override;
  void DoHideDropDown(bool Cancel) override;

 protected:
  // Called before each key of the key pad and each character typed into
  // the open pop-up is handled.
  virtual void BeforeKeyInput() {}

  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void DropDownFormKeyPress(Char& Key) override;
  void DropDownFormKeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void Dispatch(TMessage& Message) override;

 private:
  void ApplyCalcLook(TZVQStyle AStyle);
  void ButtonPanelClick(TObject* Sender, Integer Index);
  void HandleCalcKey(Char& Key);
  void DigitKey(Integer Digit);
  void DecimalPointKey();
  void BackKey();
  void SignKey();
  void FunctionKey(Integer Tag);
  void ClearKey();
  bool ApplyPendingOperator();
  void DoOperator(Integer Op);
  void DoEquals();
  void DoPercent();
  // Shows a result, or "Error" for one no number can hold; false then.
  bool ShowResult(double Result);
  void ShowError();
  double Converted(const String& S) const;
  bool ErrorOrEmptyToZero();
  bool PadShowing() const;
  bool AtMaxLength() { return MaxLength() > 0 && static_cast<Integer>(Text().size()) == MaxLength(); }
  void CaretAfterFirst();

  TCustomButtonPanel* FExButtonPanel = nullptr;
  Integer FDecim = 0;
  bool FNewval = false;
  double FPrevval = 0;
  Integer FPrevop = -1;
  bool FCalcClosed = true;
  std::unique_ptr<TButtonAppearance> FCalcButtonAppearance;
  double FMVal = 0;
  bool FShowThousandSeparator = false;
  // The last key was an operator: a second one only replaces it.
  bool FOperatorLast = false;
};

}  // namespace jorv::dropdown
