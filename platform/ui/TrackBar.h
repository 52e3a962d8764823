#pragma once
// The native track bar: a slider between Min and Max with tick marks.
#include "platform/ui/WinControl.h"

namespace jorv {

enum TTrackBarOrientation : uint8_t { trHorizontal, trVertical };
enum TTickMark : uint8_t { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle : uint8_t { tsNone, tsAuto, tsManual };

class TTrackBar : public TWinControl {
 public:
  explicit TTrackBar(TComponent* AOwner);

  Integer Min() const { return FMin; }
  void SetMin(Integer Value) { SetRange(Value, FMax); }
  Integer Max() const { return FMax; }
  void SetMax(Integer Value) { SetRange(FMin, Value); }
  Integer Position() const { return FPosition; }
  void SetPosition(Integer Value);
  // One tick mark every Frequency positions.
  Integer Frequency() const { return FFrequency; }
  void SetFrequency(Integer Value);
  Integer PageSize() const { return FPageSize; }
  void SetPageSize(Integer Value);
  Integer LineSize() const { return FLineSize; }
  void SetLineSize(Integer Value);
  TTrackBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation Value);
  TTickMark TickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMark Value);
  TTickStyle TickStyle() const { return FTickStyle; }
  void SetTickStyle(TTickStyle Value);
  void SetTick(Integer Value);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  virtual void Changed();
  void SetRange(Integer AMin, Integer AMax);

  Integer FMin = 0;
  Integer FMax = 10;
  Integer FPosition = 0;
  Integer FFrequency = 1;
  Integer FPageSize = 2;
  Integer FLineSize = 1;
  TTrackBarOrientation FOrientation = trHorizontal;
  TTickMark FTickMarks = tmBottomRight;
  TTickStyle FTickStyle = tsAuto;
};

}  // namespace jorv
