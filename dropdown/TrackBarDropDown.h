#pragma once
// A drop-down editor that picks an integer with a track bar in its pop-up;
// the closed editor steps its value with Up and Down and with a drag of the
// mouse across it.
#include "dropdown/ExDropDown.h"
#include "platform/ui/TrackBar.h"

namespace jorv::dropdown {

class TExTrackBarDropDown : public TExCustomDropDown {
 public:
  explicit TExTrackBarDropDown(TComponent* AOwner);
  using TExCustomDropDown::DisabledBorder;
  using TExCustomDropDown::SetDisabledBorder;

  Integer Min() const { return FMin; }
  void SetMin(Integer Value);
  Integer Max() const { return FMax; }
  void SetMax(Integer Value);
  Integer Position() const { return FPosition; }
  void SetPosition(Integer Value);
  Integer Frequency() const { return FFrequency; }
  void SetFrequency(Integer Value);
  Integer PageSize() const { return FPageSize; }
  void SetPageSize(Integer Value);
  TTrackBar* TrackBar() const { return FTrackBar; }

  TNotifyEvent OnTrackChange;

 protected:
  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void Change() override;
  void Dispatch(TMessage& Message) override;

 private:
  void TrackChanged(TObject* Sender);
  void StepByKey(Word Key);
  void HandleMouse(TMessage& Message);

  TTrackBar* FTrackBar = nullptr;
  Integer FMin = 0;
  Integer FFrequency = 1;
  Integer FPageSize = 2;
  Integer FMax = 10;
  Integer FPosition = 0;
  bool FMouseDraging = false;
  Integer FMouseX = 0;
};

}  // namespace jorv::dropdown
