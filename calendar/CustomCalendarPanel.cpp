#include "calendar/CustomCalendarPanel.h"

#include "platform/gfx/Font.h"

namespace jorv::calendar {

TCustomCalendarPanel::TCustomCalendarPanel(TComponent* AOwner)
    : TCustomPanel(AOwner), FEventFont(std::make_unique<TFont>()) {
  FEventFont->SetStyle(FEventFont->Style() + fsBold);
  FEventFont->OnChange = [this](TObject*) { EventFontChanged(); };
}

TCustomCalendarPanel::~TCustomCalendarPanel() = default;

void TCustomCalendarPanel::SetEventMarkerColor(TColor Value) {
  FEventMarkerColor = Value;
  Invalidate();
}

void TCustomCalendarPanel::SetEventMarkerShape(TEventShape Value) {
  FEventMarkerShape = Value;
  Invalidate();
}

void TCustomCalendarPanel::SetEventDayColor(TColor Value) {
  FEventDayColor = Value;
  Invalidate();
}

void TCustomCalendarPanel::SetEventFont(TFont* Value) {
  if (Value && Value != FEventFont.get()) FEventFont->Assign(Value);
}

void TCustomCalendarPanel::DoChanged() { Invalidate(); }

}  // namespace jorv::calendar
