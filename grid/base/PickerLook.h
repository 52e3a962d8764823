#pragma once
// The metro look of the grid's date-time pickers: their own drop-down
// button over the native one, the control and button borders, and the flat
// one-pixel frame, drawn on the picker's window from its look state.
#include "grid/base/GridTypes.h"
#include "platform/ui/DateTimePicker.h"

namespace jorv::grid {
using namespace jorv;

struct TPickerLook {
  TBorderStyle BorderStyle = bsNone;
  TColor BorderColor = clNone;
  bool MetroStyle = false;
  bool FocusBorder = false;
  TColor FocusBorderColor = clNone;
  bool DisabledBorder = false;
  Integer ButtonWidth = 0;
  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonColorDown = clNone;
  TColor ButtonTextColor = clNone;
  TColor ButtonTextColorHot = clNone;
  TColor ButtonTextColorDown = clNone;
  TColor ButtonBorderColor = clNone;
  bool ButtonHover = false;
  bool MouseInControl = false;
  bool HasFocus = false;
  bool IsWinXP = false;
  bool IsThemed = false;
};

// Fills the flags read from the system and the button width.
void InitPickerLook(TPickerLook& Look);
// Wipes the area under the native button and draws the look's button on
// the client device context DC. StyledInset: how far left of the button the
// wipe starts while a visual style is active.
void DrawPickerButton(TDateTimePicker& Picker, const TPickerLook& Look, HDC DC, Integer StyledInset);
// The control and button borders, on the whole window; nothing when the
// control is enabled and neither border colour is set. Only in the metro
// look: the caller decides that.
void DrawPickerBorders(TDateTimePicker& Picker, const TPickerLook& Look);
// The one-pixel frame round the whole window, in the parent's colour for a
// borderless picker, else in the themed frame colour or BorderColor; with a
// parent a second line inside its top and left edges.
void DrawPickerFlatFrame(TDateTimePicker& Picker, const TPickerLook& Look);
// The frame the labelled picker paints with its client: the outer one as
// above and, without a visual style, a second one inside it.
void DrawPickerPaintFrame(TDateTimePicker& Picker, const TPickerLook& Look);
// Hover tracking shared by the pickers; true when the button hover changed.
bool TrackPickerButtonHover(TPickerLook& Look, Integer Width, Integer X);

}  // namespace jorv::grid
