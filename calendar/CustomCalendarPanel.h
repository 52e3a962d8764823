#pragma once
// Base of the month calendar and the calendar group: the default marker
// looks that new dated items take, and the notices through which the dated
// item lists tell their panel of changes.
#include <memory>

#include "calendar/SelDateItems.h"
#include "platform/ui/Panel.h"

namespace jorv {
class TFont;
}
namespace jorv::calendar {


class TCustomCalendarPanel : public TCustomPanel {
 public:
  explicit TCustomCalendarPanel(TComponent* AOwner);
  ~TCustomCalendarPanel() override;

  TColor EventMarkerColor() const { return FEventMarkerColor; }
  void SetEventMarkerColor(TColor Value);
  TEventShape EventMarkerShape() const { return FEventMarkerShape; }
  void SetEventMarkerShape(TEventShape Value);
  TColor EventDayColor() const { return FEventDayColor; }
  void SetEventDayColor(TColor Value);
  TFont* EventFont() const { return FEventFont.get(); }
  // Copies the given font into the panel's own.
  void SetEventFont(TFont* Value);

  // Repaints the whole panel.
  virtual void DoChanged();
  // An owned list changed as a whole.
  virtual void ItemsChanged() {}
  // The item of one day changed.
  virtual void InvalidateDate(TDateTime /*ADate*/) {}
  // EventFont changed.
  virtual void EventFontChanged() {}

 private:
  TColor FEventMarkerColor = 0;
  TEventShape FEventMarkerShape = evsRectangle;
  TColor FEventDayColor = 0;
  std::unique_ptr<TFont> FEventFont;
};

}  // namespace jorv::calendar
