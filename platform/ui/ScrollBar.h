#pragma once
// The native scroll bar control: a position between Min and Max (less the
// page), moved by lines, pages or the thumb.
#include <functional>
#include "platform/ui/ScrollingWinControl.h"

namespace jorv {

enum TScrollCode : uint8_t {
  scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll
};

using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, Integer& ScrollPos)>;

class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* AOwner);

  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind Value);
  Integer Min() const { return FMin; }
  void SetMin(Integer Value) { SetParams(FPosition, Value, FMax); }
  Integer Max() const { return FMax; }
  void SetMax(Integer Value) { SetParams(FPosition, FMin, Value); }
  Integer Position() const { return FPosition; }
  void SetPosition(Integer Value) { SetParams(Value, FMin, FMax); }
  // The part of the range one page shows; the thumb's size.
  Integer PageSize() const { return FPageSize; }
  void SetPageSize(Integer Value);
  Integer SmallChange() const { return FSmallChange; }
  void SetSmallChange(Integer Value) { FSmallChange = Value; }
  Integer LargeChange() const { return FLargeChange; }
  void SetLargeChange(Integer Value) { FLargeChange = Value; }
  // Sets all three at once; Min above Max is refused.
  void SetParams(Integer APosition, Integer AMin, Integer AMax);
  // The highest position the thumb reaches.
  Integer MaxPosition() const;

  TScrollEvent OnScroll;
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  virtual void Scroll(TScrollCode ScrollCode, Integer& ScrollPos);
  virtual void Change();
  void DoScroll(TWMScroll& Message);
  void UpdateWindow();

  TScrollBarKind FKind = sbHorizontal;
  Integer FMin = 0;
  Integer FMax = 100;
  Integer FPosition = 0;
  Integer FPageSize = 0;
  Integer FSmallChange = 1;
  Integer FLargeChange = 1;
};

}  // namespace jorv
