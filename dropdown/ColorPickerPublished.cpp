// Published properties of the colour picker, its colour items and the
// colour panels.
#include "dropdown/ColorPickerDropDown.h"
#include "dropdown/DropDownPublishing.h"

namespace jorv::dropdown {

namespace {

const TEnumInfo ColorSelectionStyleNames{{L"csList", L"csDiscrete", L"csColorCube", L"csSpectrum"}};
const TEnumInfo ColorValueTextNames{{L"cvtNone", L"cvtHex", L"cvtWebName", L"cvtRGB", L"cvtHTML"}};
const TEnumInfo ItemPosNames{{L"ipStandAlone", L"ipTop", L"ipMiddle", L"ipBottom"}};

}  // namespace

JORV_PUBLISH(TColorItem, TPersistent) {
  Class.Text(L"Caption", &TColorItem::Caption, &TColorItem::SetCaption)
      .Color(L"Color", &TColorItem::Color, &TColorItem::SetColor, clNone)
      .Text(L"Hint", &TColorItem::Hint, &TColorItem::SetHint);
}

JORV_PUBLISH(TColorBoxItem, TPersistent) {
  Class.Color(L"Color", &TColorBoxItem::Color, &TColorBoxItem::SetColor, clNone)
      .Enum(L"ColorBoxPos", &TColorBoxItem::ColorBoxPos, &TColorBoxItem::SetColorBoxPos, ItemPosNames,
            std::optional<TItemPos>(ipStandAlone));
}

JORV_PUBLISH(TExColorCubePanel, TControl) {
  Class.Color(L"SelectedColor", &TExColorCubePanel::SelectedColor, &TExColorCubePanel::SetSelectedColor, clNone)
      .Boolean(L"ShowRGBHint", &TExColorCubePanel::ShowRGBHint, &TExColorCubePanel::SetShowRGBHint, true);
}

JORV_PUBLISH(TExColorSpectrumPanel, TControl) {
  Class.Color(L"SelectedColor", &TExColorSpectrumPanel::SelectedColor, &TExColorSpectrumPanel::SetSelectedColor,
              clWhite);
}

JORV_PUBLISH(TExColorPickerDropDown, TControl) {
  using T = TExColorPickerDropDown;
  PublishDropDown(Class, {L"DropDownColorTo", L"DropDownEnabled", L"EditorEnabled", L"Text"});
  Class.Boolean(L"DisabledBorder", &T::DisabledBorder, &T::SetDisabledBorder, true)
      .Integer(L"Columns", &T::Columns, &T::SetColumns, 1)
      .Object(L"Colors", &T::Colors)
      .Integer(L"ItemIndex", &T::ItemIndex, &T::SetItemIndex, -1)
      .Integer(L"ColorBoxHeight", &T::ColorBoxHeight, &T::SetColorBoxHeight, 14)
      .Integer(L"ColorBoxWidth", &T::ColorBoxWidth, &T::SetColorBoxWidth, 14)
      .Enum(L"Layout", &T::Layout, &T::SetLayout, ItemLayoutNames, std::optional<TItemLayout>(ilCaptionRight))
      .Object(L"ItemAppearance", &T::ItemAppearance)
      .Enum(L"ColorValueText", &T::ColorValueText, &T::SetColorValueText, ColorValueTextNames,
            std::optional<TColorValueText>(cvtNone))
      .Enum(L"ColorSelectionStyle", &T::ColorSelectionStyle, &T::SetColorSelectionStyle, ColorSelectionStyleNames,
            std::optional<TColorSelectionStyle>(csList))
      .Boolean(L"ShowText", &T::ShowText, &T::SetShowText, true);
}

}  // namespace jorv::dropdown

JORV_PUBLISHED_UNIT(dropdown_colorpicker)
