// Published properties of the enhanced edit and its relatives, the tool
// button and the record navigator, in the order the components declare them.
#include "edit/DBExEdit.h"
#include "edit/DBExNavigator.h"
#include "edit/ExEdit.h"
#include "edit/ExEditBtn.h"
#include "edit/ExEditLookup.h"
#include "edit/ToolButton.h"
#include "platform/data/DataSource.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/ControlPublished.h"

namespace jorv::edit {

namespace {

const TEnumInfo EditTypeNames{{L"etString", L"etNumeric", L"etFloat", L"etUppercase",
                               L"etMixedCase", L"etLowerCase", L"etPassword", L"etMoney",
                               L"etRange", L"etHex", L"etAlphaNumeric", L"etValidChars"}};
const TEnumInfo PrecisionDisplayNames{{L"pdNormal", L"pdShortest"}};
const TEnumInfo EditAlignNames{{L"eaLeft", L"eaRight", L"eaDefault", L"eaCenter"}};
const TEnumInfo LabelPositionNames{
    {L"lpLeftTop", L"lpLeftCenter", L"lpLeftBottom", L"lpTopLeft", L"lpBottomLeft",
     L"lpLeftTopLeft", L"lpLeftCenterLeft", L"lpLeftBottomLeft", L"lpTopCenter", L"lpBottomCenter",
     L"lpRightTop", L"lpRightCenter", L"lpRighBottom", L"lpTopRight", L"lpBottomRight"}};
const TEnumInfo FontStyleNames{{L"fsBold", L"fsItalic", L"fsUnderline", L"fsStrikeOut"}};
const TEnumInfo PersistenceLocationNames{{L"plInifile", L"plRegistry"}};
const TEnumInfo ButtonStyleNames{{L"bsButton", L"bsDropDown"}};
const TEnumInfo ButtonLayoutNames{
    {L"blGlyphLeft", L"blGlyphRight", L"blGlyphTop", L"blGlyphBottom"}};
const TEnumInfo ToolButtonStyleNames{{L"tasButton", L"tasCheck"}};
const TEnumInfo NavigateBtnNames{{L"nbFirst", L"nbPrior", L"nbNext", L"nbLast", L"nbInsert",
                                  L"nbDelete", L"nbEdit", L"nbPost", L"nbCancel", L"nbRefresh",
                                  L"nbSearch", L"nbSetBookmark", L"nbGotoBookMark"}};
const TEnumInfo OrientationNames{{L"noHorizontal", L"noVertical"}};
const TEnumInfo GlyphSizeNames{{L"gsSmall", L"gsLarge", L"gsCustom"}};

TButtonSet DefaultVisibleButtons() {
  TButtonSet buttons;
  for (Integer b = nbFirst; b <= nbRefresh; ++b) buttons.Include(static_cast<TExNavigateBtn>(b));
  return buttons;
}

}  // namespace

JORV_PUBLISH(TLookupSettings, TPersistent) {
  Class
      .Boolean(L"AcceptOnTab", &TLookupSettings::AcceptOnTab, &TLookupSettings::SetAcceptOnTab,
               false)
      .Boolean(L"CaseSensitive", &TLookupSettings::CaseSensitive,
               &TLookupSettings::SetCaseSensitive, false)
      .Color(L"Color", &TLookupSettings::Color, &TLookupSettings::SetColor, clWindow)
      .Integer(L"DisplayCount", &TLookupSettings::DisplayCount, &TLookupSettings::SetDisplayCount,
               4)
      .Object(L"DisplayList", &TLookupSettings::DisplayList)
      .Boolean(L"Enabled", &TLookupSettings::Enabled, &TLookupSettings::SetEnabled, false)
      .Boolean(L"History", &TLookupSettings::History, &TLookupSettings::SetHistory, false)
      .Boolean(L"Multi", &TLookupSettings::Multi, &TLookupSettings::SetMulti, false)
      .Integer(L"NumChars", &TLookupSettings::NumChars, &TLookupSettings::SetNumChars, 2)
      .Object(L"ValueList", &TLookupSettings::ValueList);
}

JORV_PUBLISH(TPersistence, TPersistent) {
  Class.Boolean(L"Enable", &TPersistence::Enable, &TPersistence::SetEnable, false)
      .Text(L"Key", &TPersistence::Key, &TPersistence::SetKey)
      .Text(L"Section", &TPersistence::Section, &TPersistence::SetSection)
      .Enum(L"Location", &TPersistence::Location, &TPersistence::SetLocation,
            PersistenceLocationNames, std::optional<TPersistenceLocation>(plInifile));
}

JORV_PUBLISH(TExEdit, TControl) {
  Class.Integer(L"Height", &TExEdit::Height, &TExEdit::SetHeight)
      .Add(ControlProperty(L"Align"))
      .Add(ControlProperty(L"Anchors"))
      .Add(ControlProperty(L"Constraints"))
      .Add(ControlProperty(L"Cursor"))
      .Add(ControlProperty(L"Enabled"))
      .Add(ControlProperty(L"Font"))
      .Add(ControlProperty(L"Hint"))
      .Add(ControlProperty(L"ParentColor"))
      .Add(ControlProperty(L"ParentFont"))
      .Add(ControlProperty(L"ParentShowHint"))
      .Add(ControlProperty(L"ShowHint"))
      .Add(ControlProperty(L"TabOrder"))
      .Add(ControlProperty(L"TabStop"))
      .Boolean(L"AllowNumericNullValue", &TExEdit::AllowNumericNullValue,
               &TExEdit::SetAllowNumericNullValue, false)
      .Boolean(L"AutoFocus", &TExEdit::AutoFocus, &TExEdit::SetAutoFocus, false)
      .Boolean(L"AutoThousandSeparator", &TExEdit::AutoThousandSeparator,
               &TExEdit::SetAutoThousandSeparator, true)
      .Color(L"BorderColor", &TExEdit::BorderColor, &TExEdit::SetBorderColor, clNone)
      .Boolean(L"CanUndo", &TExEdit::CanUndo, &TExEdit::SetCanUndo, true)
      .Color(L"Color", &TExEdit::Color, &TExEdit::SetColor)
      .Boolean(L"DisabledBorder", &TExEdit::DisabledBorder, &TExEdit::SetDisabledBorder, true)
      .Color(L"DisabledColor", &TExEdit::DisabledColor, &TExEdit::SetDisabledColor, 0xC0C0C0)
      .Enum(L"EditAlign", &TExEdit::EditAlign, &TExEdit::SetEditAlign, EditAlignNames,
            std::optional<TEditAlign>(eaLeft))
      .Boolean(L"EditorEnabled", &TExEdit::EditorEnabled, &TExEdit::SetEditorEnabled, true)
      .Enum(L"EditType", &TExEdit::EditType, &TExEdit::SetEditType, EditTypeNames,
            std::optional<TExEditType>(etString))
      .Text(L"EmptyText", &TExEdit::EmptyText, &TExEdit::SetEmptyText)
      .Boolean(L"EmptyTextFocused", &TExEdit::EmptyTextFocused, &TExEdit::SetEmptyTextFocused,
               false)
      .Set(L"EmptyTextStyle", &TExEdit::EmptyTextStyle, &TExEdit::SetEmptyTextStyle, FontStyleNames,
           std::optional<TFontStyles>(TFontStyles{}))
      .Color(L"ErrorColor", &TExEdit::ErrorColor, &TExEdit::SetErrorColor, clRed)
      .Color(L"ErrorFontColor", &TExEdit::ErrorFontColor, &TExEdit::SetErrorFontColor, clWhite)
      .Integer(L"ErrorMarkerLen", &TExEdit::ErrorMarkerLen, &TExEdit::SetErrorMarkerLen, 0)
      .Integer(L"ErrorMarkerPos", &TExEdit::ErrorMarkerPos, &TExEdit::SetErrorMarkerPos, 0)
      .Boolean(L"ExcelStyleDecimalSeparator", &TExEdit::ExcelStyleDecimalSeparator,
               &TExEdit::SetExcelStyleDecimalSeparator, false)
      .Boolean(L"Flat", &TExEdit::Flat, &TExEdit::SetFlat, false)
      .Color(L"FlatLineColor", &TExEdit::FlatLineColor, &TExEdit::SetFlatLineColor, clBlack)
      .Boolean(L"FlatParentColor", &TExEdit::FlatParentColor, &TExEdit::SetFlatParentColor, true)
      .Enum(L"FocusAlign", &TExEdit::FocusAlign, &TExEdit::SetFocusAlign, EditAlignNames,
            std::optional<TEditAlign>(eaDefault))
      .Boolean(L"FocusBorder", &TExEdit::FocusBorder, &TExEdit::SetFocusBorder, false)
      .Color(L"FocusBorderColor", &TExEdit::FocusBorderColor, &TExEdit::SetFocusBorderColor, clNone)
      .Color(L"FocusColor", &TExEdit::FocusColor, &TExEdit::SetFocusColor, clNone)
      .Color(L"FocusFontColor", &TExEdit::FocusFontColor, &TExEdit::SetFocusFontColor, clWindowText)
      .Boolean(L"FocusLabel", &TExEdit::FocusLabel, &TExEdit::SetFocusLabel, false)
      .Integer(L"FocusWidthInc", &TExEdit::FocusWidthInc, &TExEdit::SetFocusWidthInc, 0)
      .Boolean(L"FullTextSearch", &TExEdit::FullTextSearch, &TExEdit::SetFullTextSearch, false)
      .Boolean(L"HintShowLargeText", &TExEdit::HintShowLargeText, &TExEdit::SetHintShowLargeText,
               false)
      .Boolean(L"LabelAlwaysEnabled", &TExEdit::LabelAlwaysEnabled, &TExEdit::SetLabelAlwaysEnabled,
               false)
      .Text(L"LabelCaption", &TExEdit::LabelCaption, &TExEdit::SetLabelCaption)
      .Object(L"LabelFont", &TExEdit::LabelFont)
      .Integer(L"LabelMargin", &TExEdit::LabelMargin, &TExEdit::SetLabelMargin, 4)
      .Enum(L"LabelPosition", &TExEdit::LabelPosition, &TExEdit::SetLabelPosition,
            LabelPositionNames, std::optional<TLabelPosition>(lpLeftTop))
      .Boolean(L"LabelTransparent", &TExEdit::LabelTransparent, &TExEdit::SetLabelTransparent,
               false)
      .Integer(L"LengthLimit", &TExEdit::LengthLimit, &TExEdit::SetLengthLimit, 0)
      .Object(L"Lookup", &TExEdit::Lookup)
      .Float(L"MaxFloatValue", &TExEdit::MaxFloatValue, &TExEdit::SetMaxFloatValue)
      .Float(L"MinFloatValue", &TExEdit::MinFloatValue, &TExEdit::SetMinFloatValue)
      .Integer(L"MaxValue", &TExEdit::MaxValue, &TExEdit::SetMaxValue, 0)
      .Integer(L"MinValue", &TExEdit::MinValue, &TExEdit::SetMinValue, 0)
      .Color(L"ModifiedColor", &TExEdit::ModifiedColor, &TExEdit::SetModifiedColor, clHighlight)
      .Boolean(L"OleDropSource", &TExEdit::OleDropSource, &TExEdit::SetOleDropSource, false)
      .Boolean(L"OleDropTarget", &TExEdit::OleDropTarget, &TExEdit::SetOleDropTarget, false)
      .Object(L"Persistence", &TExEdit::Persistence)
      .Integer(L"Precision", &TExEdit::Precision, &TExEdit::SetPrecision, 0)
      .Enum(L"PrecisionDisplay", &TExEdit::PrecisionDisplay, &TExEdit::SetPrecisionDisplay,
            PrecisionDisplayNames, std::optional<TPrecisionDisplay>(pdNormal))
      .Text(L"Prefix", &TExEdit::Prefix, &TExEdit::SetPrefix)
      .Text(L"Suffix", &TExEdit::Suffix, &TExEdit::SetSuffix)
      .Boolean(L"ReturnIsTab", &TExEdit::ReturnIsTab, &TExEdit::SetReturnIsTab, false)
      .Boolean(L"ShowError", &TExEdit::ShowError, &TExEdit::SetShowError, false)
      .Boolean(L"ShowModified", &TExEdit::ShowModified, &TExEdit::SetShowModified, false)
      .Boolean(L"ShowURL", &TExEdit::ShowURL, &TExEdit::SetShowURL, false)
      .Boolean(L"Signed", &TExEdit::Signed, &TExEdit::SetSigned, false)
      .Boolean(L"SoftBorder", &TExEdit::SoftBorder, &TExEdit::SetSoftBorder, false)
      .Boolean(L"TabOnFullLength", &TExEdit::TabOnFullLength, &TExEdit::SetTabOnFullLength, false)
      .Text(L"Text", &TExEdit::Text, &TExEdit::SetText)
      .Boolean(L"Transparent", &TExEdit::Transparent, &TExEdit::SetTransparent, false)
      .Color(L"URLColor", &TExEdit::URLColor, &TExEdit::SetURLColor, 0xFF0000)
      .Text(L"ValidChars", &TExEdit::ValidChars, &TExEdit::SetValidChars)
      .Text(L"Version", &TExEdit::Version, &TExEdit::SetVersion)
      .Add(ControlProperty(L"Visible"));
}

JORV_PUBLISH(TExEditBtn, TExEdit) {
  Class
      .Enum(L"ButtonStyle", &TExEditBtn::ButtonStyle, &TExEditBtn::SetButtonStyle, ButtonStyleNames,
            std::optional<TButtonStyle>(bsButton))
      .Integer(L"ButtonWidth", &TExEditBtn::ButtonWidth, &TExEditBtn::SetButtonWidth, 17)
      .Text(L"ButtonHint", &TExEditBtn::ButtonHint, &TExEditBtn::SetButtonHint)
      .Text(L"ButtonCaption", &TExEditBtn::ButtonCaption, &TExEditBtn::SetButtonCaption)
      .Object(L"Glyph", &TExEditBtn::Glyph)
      .Boolean(L"Etched", &TExEditBtn::Etched, &TExEditBtn::SetEtched, false)
      .Boolean(L"Flat", &TExEditBtn::Flat, &TExEditBtn::SetFlat, false)
      .Boolean(L"EditorEnabled", &TExEditBtn::EditorEnabled, &TExEditBtn::SetEditorEnabled, true)
      .Boolean(L"ReadOnly", &TExEditBtn::ReadOnly, &TExEditBtn::SetReadOnly, false)
      .Add(ControlProperty(L"TabStop"))
      .Default(true);
}

JORV_PUBLISH(TDBExEdit, TExEdit) {
  Class.Reference<TDataSource>(L"DataSource", &TDBExEdit::DataSource, &TDBExEdit::SetDataSource)
      .Text(L"DataField", &TDBExEdit::DataField, &TDBExEdit::SetDataField)
      .Boolean(L"ReadOnly", &TDBExEdit::ReadOnly, &TDBExEdit::SetReadOnly, false)
      .Boolean(L"ClearOnInsert", &TDBExEdit::ClearOnInsert, &TDBExEdit::SetClearOnInsert, false)
      .Boolean(L"ShowFieldName", &TDBExEdit::ShowFieldName, &TDBExEdit::SetShowFieldName, false);
}

JORV_PUBLISH(TExToolButton, TControl) {
  Class.Reference<TBasicAction>(L"Action", &TExToolButton::Action, &TExToolButton::SetAction)
      .Add(ControlProperty(L"Align"))
      .Add(ControlProperty(L"Anchors"))
      .Add(ControlProperty(L"Constraints"))
      .Add(ControlProperty(L"Enabled"))
      .Add(ControlProperty(L"Font"))
      .Add(ControlProperty(L"ParentFont"))
      .Add(ControlProperty(L"ParentShowHint"))
      .Add(ControlProperty(L"ShowHint"))
      .Add(ControlProperty(L"Hint"))
      .Add(ControlProperty(L"Visible"))
      .Boolean(L"AllowAllUp", &TExToolButton::AllowAllUp, &TExToolButton::SetAllowAllUp, false)
      .Boolean(L"AutoThemeAdapt", &TExToolButton::AutoThemeAdapt, &TExToolButton::SetAutoThemeAdapt)
      .Color(L"BorderColor", &TExToolButton::BorderColor, &TExToolButton::SetBorderColor, clNone)
      .Color(L"BorderDownColor", &TExToolButton::BorderDownColor,
             &TExToolButton::SetBorderDownColor, clNone)
      .Color(L"BorderHotColor", &TExToolButton::BorderHotColor, &TExToolButton::SetBorderHotColor,
             clNone)
      .Add(ControlProperty(L"Color"))
      .Default(clBtnFace)
      .Color(L"ColorTo", &TExToolButton::ColorTo, &TExToolButton::SetColorTo, clNone)
      .Color(L"ColorDown", &TExToolButton::ColorDown, &TExToolButton::SetColorDown)
      .Color(L"ColorDownTo", &TExToolButton::ColorDownTo, &TExToolButton::SetColorDownTo, clNone)
      .Color(L"ColorHot", &TExToolButton::ColorHot, &TExToolButton::SetColorHot)
      .Color(L"ColorHotTo", &TExToolButton::ColorHotTo, &TExToolButton::SetColorHotTo, clNone)
      .Color(L"ColorChecked", &TExToolButton::ColorChecked, &TExToolButton::SetColorChecked,
             0x808080)
      .Color(L"ColorCheckedTo", &TExToolButton::ColorCheckedTo, &TExToolButton::SetColorCheckedTo,
             clNone)
      .Integer(L"GroupIndex", &TExToolButton::GroupIndex, &TExToolButton::SetGroupIndex, 0)
      .Boolean(L"Down", &TExToolButton::Down, &TExToolButton::SetDown, false)
      .Boolean(L"DropDownButton", &TExToolButton::DropDownButton, &TExToolButton::SetDropDownButton,
               false)
      .Boolean(L"DropDownSplit", &TExToolButton::DropDownSplit, &TExToolButton::SetDropDownSplit,
               true)
      .Add(ControlProperty(L"Caption"))
      .Boolean(L"Flat", &TExToolButton::Flat, &TExToolButton::SetFlat, true)
      .Object(L"Glyph", &TExToolButton::Glyph)
      .Object(L"GlyphHot", &TExToolButton::GlyphHot)
      .Object(L"GlyphDown", &TExToolButton::GlyphDown)
      .Object(L"GlyphDisabled", &TExToolButton::GlyphDisabled)
      .Integer(L"ImageIndex", &TExToolButton::ImageIndex, &TExToolButton::SetImageIndex, -1)
      .Reference<TCustomImageList>(L"Images", &TExToolButton::Images, &TExToolButton::SetImages)
      .Enum(L"Layout", &TExToolButton::Layout, &TExToolButton::SetLayout, ButtonLayoutNames,
            std::optional<TButtonLayout>(blGlyphLeft))
      .Integer(L"Margin", &TExToolButton::Margin, &TExToolButton::SetMargin, -1)
      .Boolean(L"Rounded", &TExToolButton::Rounded, &TExToolButton::SetRounded, false)
      .Boolean(L"Shaded", &TExToolButton::Shaded, &TExToolButton::SetShaded, true)
      .Boolean(L"ShowCaption", &TExToolButton::ShowCaption, &TExToolButton::SetShowCaption, true)
      .Integer(L"Spacing", &TExToolButton::Spacing, &TExToolButton::SetSpacing, 4)
      .Enum(L"Style", &TExToolButton::Style, &TExToolButton::SetStyle, ToolButtonStyleNames,
            std::optional<TExToolButtonStyle>(tasButton))
      .Text(L"Version", &TExToolButton::Version, &TExToolButton::SetVersion);
}

JORV_PUBLISH(TDBExNavigator, TControl) {
  Class.Add(ControlProperty(L"Align"))
      .Add(ControlProperty(L"Anchors"))
      .Add(ControlProperty(L"Constraints"))
      .Add(ControlProperty(L"Ctl3D"))
      .Add(ControlProperty(L"Enabled"))
      .Add(ControlProperty(L"ParentCtl3D"))
      .Add(ControlProperty(L"ParentShowHint"))
      .Add(ControlProperty(L"ShowHint"))
      .Add(ControlProperty(L"TabOrder"))
      .Add(ControlProperty(L"TabStop"))
      .Add(ControlProperty(L"Visible"))
      .Reference<TDataSource>(L"DataSource", &TDBExNavigator::DataSource,
                              &TDBExNavigator::SetDataSource)
      .Set(L"VisibleButtons", &TDBExNavigator::VisibleButtons, &TDBExNavigator::SetVisibleButtons,
           NavigateBtnNames, std::optional<TButtonSet>(DefaultVisibleButtons()))
      .Enum(L"Orientation", &TDBExNavigator::Orientation, &TDBExNavigator::SetOrientation,
            OrientationNames, std::optional<TNavigatorOrientation>(noHorizontal))
      .Enum(L"GlyphSize", &TDBExNavigator::GlyphSize, &TDBExNavigator::SetGlyphSize, GlyphSizeNames,
            std::optional<TGlyphSize>(gsSmall))
      .Integer(L"GlyphCustomSize", &TDBExNavigator::GlyphCustomSize,
               &TDBExNavigator::SetGlyphCustomSize, 0)
      .Text(L"GlyphResName", &TDBExNavigator::GlyphResName, &TDBExNavigator::SetGlyphResName)
      .Boolean(L"Flat", &TDBExNavigator::Flat, &TDBExNavigator::SetFlat, true)
      .Boolean(L"Shaded", &TDBExNavigator::Shaded, &TDBExNavigator::SetShaded, true)
      .Color(L"Color", &TDBExNavigator::Color, &TDBExNavigator::SetColor, clBtnFace)
      .Color(L"ColorTo", &TDBExNavigator::ColorTo, &TDBExNavigator::SetColorTo, clNone)
      .Color(L"ColorHot", &TDBExNavigator::ColorHot, &TDBExNavigator::SetColorHot)
      .Color(L"ColorHotTo", &TDBExNavigator::ColorHotTo, &TDBExNavigator::SetColorHotTo, clNone)
      .Color(L"ColorDown", &TDBExNavigator::ColorDown, &TDBExNavigator::SetColorDown)
      .Color(L"ColorDownTo", &TDBExNavigator::ColorDownTo, &TDBExNavigator::SetColorDownTo, clNone)
      .Color(L"BorderColor", &TDBExNavigator::BorderColor, &TDBExNavigator::SetBorderColor, clNone)
      .Color(L"BorderHotColor", &TDBExNavigator::BorderHotColor, &TDBExNavigator::SetBorderHotColor,
             0)
      .Color(L"BorderDownColor", &TDBExNavigator::BorderDownColor,
             &TDBExNavigator::SetBorderDownColor, 0)
      .Boolean(L"AutoThemeAdapt", &TDBExNavigator::AutoThemeAdapt,
               &TDBExNavigator::SetAutoThemeAdapt, false)
      .Boolean(L"ConfirmDelete", &TDBExNavigator::ConfirmDelete, &TDBExNavigator::SetConfirmDelete,
               true)
      .Boolean(L"DeleteDisabled", &TDBExNavigator::DeleteDisabled,
               &TDBExNavigator::SetDeleteDisabled, false)
      .Boolean(L"InsertDisabled", &TDBExNavigator::InsertDisabled,
               &TDBExNavigator::SetInsertDisabled, false)
      .Object(L"Hints",
              [](const TDBExNavigator* n) { return const_cast<TDBExNavigator*>(n)->Hints(); })
      .Text(L"Version", &TDBExNavigator::Version, &TDBExNavigator::SetVersion);
}

}  // namespace jorv::edit

JORV_PUBLISHED_UNIT(edit)
