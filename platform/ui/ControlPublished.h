#pragma once
// Published properties that the platform's controls define once and each
// control class publishes as it chooses: a class's declaration adds
// ControlProperty(L"Align") and so on in its own order, and may give the
// property another default (Class.Last().Default = ...).
#include "platform/rtl/TypInfo.h"

namespace jorv {

// Align, Anchors, AlignWithMargins, BevelEdges, BevelInner, BevelKind,
// BevelOuter, BevelWidth, BorderWidth, Caption, Color, Constraints, Ctl3D,
// Cursor, DoubleBuffered, Enabled, Font, Hint, ParentColor, ParentCtl3D,
// ParentFont, ParentShowHint, ShowHint, TabOrder, TabStop, Text, Visible;
// EInvalidOperation for any other name.
TPropInfo ControlProperty(const String& Name);

extern const TEnumInfo AlignNames;
extern const TEnumInfo BevelCutNames;

}  // namespace jorv
