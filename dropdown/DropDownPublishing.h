#pragma once
// What every drop-down publishes of the base, for the files that publish
// the drop-downs' properties.
#include <initializer_list>
#include "dropdown/ExDropDown.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/TypInfo.h"
#include "platform/ui/ControlPublished.h"

namespace jorv::dropdown {

extern const TEnumInfo ItemLayoutNames;

inline const TEnumInfo DropPositionNames{{L"dpAuto", L"dpDown", L"dpUp"}};
inline const TEnumInfo LabelPositionNames{
    {L"lpLeftTop", L"lpLeftCenter", L"lpLeftBottom", L"lpTopLeft", L"lpBottomLeft",
     L"lpLeftTopLeft", L"lpLeftCenterLeft", L"lpLeftBottomLeft", L"lpTopCenter", L"lpBottomCenter",
     L"lpRightTop", L"lpRightCenter", L"lpRighBottom", L"lpTopRight", L"lpBottomRight"}};

// The published set every drop-down starts from; Skip names the ones a
// descendant leaves out.
template <class T>
void PublishDropDown(TPublishedClass<T>& Class, std::initializer_list<const wchar_t*> Skip = {}) {
  auto Wanted = [&](const wchar_t* Name) {
    for (const wchar_t* S : Skip)
      if (String(S) == Name) return false;
    return true;
  };
  for (const wchar_t* Name : {L"Align", L"Anchors", L"BevelEdges", L"BevelInner", L"BevelKind",
                              L"BevelOuter", L"BevelWidth", L"Color", L"Constraints", L"Ctl3D",
                              L"Enabled", L"Font", L"ParentColor", L"ParentCtl3D", L"ParentFont",
                              L"ParentShowHint", L"ShowHint", L"TabOrder", L"TabStop", L"Visible"})
    Class.Add(ControlProperty(Name));
  Class.Integer(L"MaxLength", &T::MaxLength, &T::SetMaxLength, 0)
      .Boolean(L"ReadOnly", &T::ReadOnly, &T::SetReadOnly, false)
      .Color(L"BorderColor", &T::BorderColor, &T::SetBorderColor, clNone)
      .Color(L"FocusBorderColor", &T::FocusBorderColor, &T::SetFocusBorderColor, clNone);
  if (Wanted(L"DropDownColor"))
    Class.Color(L"DropDownColor", &T::DropDownColor, &T::SetDropDownColor, TColor(0xFFFFFF));
  if (Wanted(L"DropDownColorTo"))
    Class.Color(L"DropDownColorTo", &T::DropDownColorTo, &T::SetDropDownColorTo, clNone);
  Class.Color(L"DropDownBorderColor", &T::DropDownBorderColor, &T::SetDropDownBorderColor, TColor(0))
      .Integer(L"DropDownBorderWidth", &T::DropDownBorderWidth, &T::SetDropDownBorderWidth, 1)
      .Boolean(L"DropDownShadow", &T::DropDownShadow, &T::SetDropDownShadow, true)
      .Integer(L"DropDownWidth", &T::DropDownWidth, &T::SetDropDownWidth, 0)
      .Integer(L"DropDownHeight", &T::DropDownHeight, &T::SetDropDownHeight, 0);
  if (Wanted(L"DropDownEnabled"))
    Class.Boolean(L"DropDownEnabled", &T::DropDownEnabled, &T::SetDropDownEnabled, true);
  Class.Enum(L"DropPosition", &T::DropPosition, &T::SetDropPosition, DropPositionNames,
             std::optional<TDropPosition>(dpAuto))
      .Integer(L"DropDownButtonWidth", &T::DropDownButtonWidth, &T::SetDropDownButtonWidth, 17)
      .Text(L"DropDownButtonHint", &T::DropDownButtonHint, &T::SetDropDownButtonHint)
      .Boolean(L"DropDownSizeable", &T::DropDownSizeable, &T::SetDropDownSizeable, true)
      .Boolean(L"EditorEnabled", &T::EditorEnabled, &T::SetEditorEnabled, true)
      .Object(L"DropDownButtonGlyph", &T::DropDownButtonGlyph)
      .template Reference<TCustomImageList>(L"Images", &T::Images, &T::SetImages)
      .Text(L"LabelCaption", &T::LabelCaption, &T::SetLabelCaption)
      .Enum(L"LabelPosition", &T::LabelPosition, &T::SetLabelPosition, LabelPositionNames,
            std::optional<TLabelPosition>(lpLeftTop))
      .Integer(L"LabelMargin", &T::LabelMargin, &T::SetLabelMargin, 4)
      .Boolean(L"LabelTransparent", &T::LabelTransparent, &T::SetLabelTransparent, false)
      .Boolean(L"LabelAlwaysEnabled", &T::LabelAlwaysEnabled, &T::SetLabelAlwaysEnabled, false)
      .Object(L"LabelFont", &T::LabelFont);
  if (Wanted(L"Text")) Class.Text(L"Text", &T::Text, &T::SetText);
}


}  // namespace jorv::dropdown
