// Published properties of the captioned panel and its settings objects,
// and the panel's own stream property "FullHeight".
#include "foundation/PictureContainer.h"
#include "panel/ExPanel.h"
#include "panel/ExPanelStyler.h"
#include "panel/PanelCaption.h"
#include "panel/PanelPosition.h"
#include "panel/PanelStatusBar.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/Filer.h"
#include "platform/ui/ControlPublished.h"

namespace jorv::panel {

using namespace expanel;

namespace {

const TEnumInfo BackGroundPositionNames{{L"bpTopLeft", L"bpTopRight", L"bpBottomLeft",
                                         L"bpBottomRight", L"bpTiled", L"bpStretched",
                                         L"bpCenter"}};
const TEnumInfo TextVAlignNames{{L"tvaTop", L"tvaCenter", L"tvaBottom"}};
const TEnumInfo GradientDirectionNames{{L"gdVertical", L"gdHorizontal"}};
const TEnumInfo ShadeTypeNames{{L"stNormal", L"stNoise", L"stDiagShade", L"stHShade", L"stVShade",
                                L"stHBump", L"stVBump", L"stSoftBump", L"stHardBump", L"stLMetal",
                                L"stRMetal", L"stIRadial", L"stORadial", L"stHShadeInv",
                                L"stVShadeInv", L"stXPCaption", L"stBitmap", L"stBitmapRStretch",
                                L"stBitmapLStretch"}};
const TEnumInfo CaptionShapeNames{{L"csRectangle", L"csRounded", L"csSemiRounded"}};
const TEnumInfo CaptionPositionNames{{L"cpTop", L"cpLeft", L"cpRight"}};
const TEnumInfo ButtonPositionNames{{L"cbpRight", L"cbpLeft"}};
const TEnumInfo PositionLocationNames{{L"clRegistry", L"clInifile"}};
const TEnumInfo BorderStyleNames{
    {L"bsNone", L"bsSingle", L"bsSizeable", L"bsDialog", L"bsToolWindow", L"bsSizeToolWin"}};

}  // namespace

void TCustomExPanel::DefineProperties(TFiler* Filer) {
  TCustomPanel::DefineProperties(Filer);
  Filer->DefineProperty(
      L"FullHeight", [this](TReader* Reader) { SetFullHeight(Reader->ReadInteger()); },
      [this](TWriter* Writer) { Writer->WriteInteger(FullHeight()); }, true);
}

JORV_PUBLISH(TAutoSize, TPersistent) {
  Class.Boolean(L"Enabled", &TAutoSize::Enabled, &TAutoSize::SetEnabled, false)
      .Boolean(L"Height", &TAutoSize::Height, &TAutoSize::SetHeight, true)
      .Boolean(L"Width", &TAutoSize::Width, &TAutoSize::SetWidth, true);
}

JORV_PUBLISH(TPanelCaption, TPersistent) {
  Class.Object(L"Background", &TPanelCaption::Background)
      .Enum(L"ButtonPosition", &TPanelCaption::ButtonPosition, &TPanelCaption::SetButtonPosition,
            ButtonPositionNames, std::optional<TCaptionButtonPosition>(cbpRight))
      .Color(L"Color", &TPanelCaption::Color, &TPanelCaption::SetColor, clNone)
      .Color(L"ColorTo", &TPanelCaption::ColorTo, &TPanelCaption::SetColorTo, clHighlight)
      .Color(L"CloseColor", &TPanelCaption::CloseColor, &TPanelCaption::SetCloseColor, clBtnFace)
      .Boolean(L"CloseButton", &TPanelCaption::CloseButton, &TPanelCaption::SetCloseButton, false)
      .Color(L"CloseButtonColor", &TPanelCaption::CloseButtonColor,
             &TPanelCaption::SetCloseButtonColor, clWhite)
      .Color(L"CloseButtonHoverColor", &TPanelCaption::CloseButtonHoverColor,
             &TPanelCaption::SetCloseButtonHoverColor, clNone)
      .Object(L"CloseMinGlyph", &TPanelCaption::CloseMinGlyph)
      .Object(L"CloseMaxGlyph", &TPanelCaption::CloseMaxGlyph)
      .Boolean(L"Flat", &TPanelCaption::Flat, &TPanelCaption::SetFlat, false)
      .Object(L"Font", &TPanelCaption::Font)
      .Enum(L"GradientDirection", &TPanelCaption::GradientDirection,
            &TPanelCaption::SetGradientDirection, GradientDirectionNames,
            std::optional<TGradientDirection>(gdHorizontal))
      .Integer(L"Height", &TPanelCaption::Height, &TPanelCaption::SetHeight, 20)
      .Integer(L"Indent", &TPanelCaption::Indent, &TPanelCaption::SetIndent, 0)
      .Object(L"MaxGlyph", &TPanelCaption::MaxGlyph)
      .Object(L"MinGlyph", &TPanelCaption::MinGlyph)
      .Boolean(L"MinMaxButton", &TPanelCaption::MinMaxButton, &TPanelCaption::SetMinMaxButton,
               false)
      .Color(L"MinMaxButtonColor", &TPanelCaption::MinMaxButtonColor,
             &TPanelCaption::SetMinMaxButtonColor, clWhite)
      .Color(L"MinMaxButtonHoverColor", &TPanelCaption::MinMaxButtonHoverColor,
             &TPanelCaption::SetMinMaxButtonHoverColor, clNone)
      .Boolean(L"MinMaxCaption", &TPanelCaption::MinMaxCaption, &TPanelCaption::SetMinMaxCaption,
               false)
      .Object(L"OfficeHint", &TPanelCaption::OfficeHint)
      .Enum(L"Position", &TPanelCaption::Position, &TPanelCaption::SetPosition,
            CaptionPositionNames, std::optional<TCaptionPosition>(cpTop))
      .Integer(L"ShadeLight", &TPanelCaption::ShadeLight, &TPanelCaption::SetShadeLight, 200)
      .Integer(L"ShadeGrain", &TPanelCaption::ShadeGrain, &TPanelCaption::SetShadeGrain, 32)
      .Enum(L"ShadeType", &TPanelCaption::ShadeType, &TPanelCaption::SetShadeType, ShadeTypeNames,
            std::optional<TShadeType>(stNormal))
      .Enum(L"Shape", &TPanelCaption::Shape, &TPanelCaption::SetShape, CaptionShapeNames,
            std::optional<TCaptionShape>(csRectangle))
      .Text(L"Text", &TPanelCaption::Text, &TPanelCaption::SetText)
      .Integer(L"TopIndent", &TPanelCaption::TopIndent, &TPanelCaption::SetTopIndent, 0)
      .Boolean(L"Visible", &TPanelCaption::Visible, &TPanelCaption::SetVisible, false);
}

JORV_PUBLISH(TPanelStatusBar, TPersistent) {
  Class.Integer(L"ImageIndex", &TPanelStatusBar::ImageIndex, &TPanelStatusBar::SetImageIndex, -1)
      .Text(L"Text", &TPanelStatusBar::Text, &TPanelStatusBar::SetText)
      .Color(L"Color", &TPanelStatusBar::Color, &TPanelStatusBar::SetColor, clBtnFace)
      .Color(L"ColorTo", &TPanelStatusBar::ColorTo, &TPanelStatusBar::SetColorTo, clNone)
      .Enum(L"GradientDirection", &TPanelStatusBar::GradientDirection,
            &TPanelStatusBar::SetGradientDirection, GradientDirectionNames,
            std::optional<TGradientDirection>(gdHorizontal))
      .Boolean(L"Visible", &TPanelStatusBar::Visible, &TPanelStatusBar::SetVisible, false)
      .Integer(L"Height", &TPanelStatusBar::Height, &TPanelStatusBar::SetHeight, 18)
      .Boolean(L"BevelInner", &TPanelStatusBar::BevelInner, &TPanelStatusBar::SetBevelInner, false)
      .Object(L"Font", &TPanelStatusBar::Font)
      .Enum(L"BorderStyle", &TPanelStatusBar::BorderStyle, &TPanelStatusBar::SetBorderStyle,
            BorderStyleNames, std::optional<TBorderStyle>(bsNone))
      .Color(L"BorderColor", &TPanelStatusBar::BorderColor, &TPanelStatusBar::SetBorderColor, 0)
      .Integer(L"TopIndent", &TPanelStatusBar::TopIndent, &TPanelStatusBar::SetTopIndent, 0);
}

JORV_PUBLISH(TPanelPosition, TPersistent) {
  Class.Boolean(L"Save", &TPanelPosition::Save, &TPanelPosition::SetSave, false)
      .Text(L"Key", &TPanelPosition::Key, &TPanelPosition::SetKey)
      .Text(L"Section", &TPanelPosition::Section, &TPanelPosition::SetSection)
      .Enum(L"Location", &TPanelPosition::Location, &TPanelPosition::SetLocation,
            PositionLocationNames, std::optional<TPanelPositionLocation>(clRegistry));
}

JORV_PUBLISH(TCustomExPanel, TControl) {
  Class.Add(ControlProperty(L"Align"))
      .Add(ControlProperty(L"Anchors"))
      .Add(ControlProperty(L"BevelInner"))
      .Default(bvNone)
      .Add(ControlProperty(L"BevelOuter"))
      .Default(bvRaised)
      .Add(ControlProperty(L"BevelWidth"))
      .Default(1)
      .Add(ControlProperty(L"BorderWidth"))
      .Default(0)
      .Add(ControlProperty(L"Color"))
      .Add(ControlProperty(L"Constraints"))
      .Add(ControlProperty(L"Cursor"))
      .Add(ControlProperty(L"Font"))
      .Add(ControlProperty(L"Hint"))
      .Add(ControlProperty(L"ParentColor"))
      .Add(ControlProperty(L"ParentFont"))
      .Add(ControlProperty(L"ParentShowHint"))
      .Add(ControlProperty(L"ShowHint"))
      .Add(ControlProperty(L"TabOrder"))
      .Add(ControlProperty(L"TabStop"))
      .Add(ControlProperty(L"Visible"))
      .Integer(L"Width", &TCustomExPanel::Width, &TCustomExPanel::SetWidth)
      .Integer(L"Height", &TCustomExPanel::Height, &TCustomExPanel::SetHeight)
      .Boolean(L"AnchorHint", &TCustomExPanel::AnchorHint, &TCustomExPanel::SetAnchorHint, false)
      .Object(L"AutoSize", &TCustomExPanel::AutoSize)
      .Boolean(L"AutoHideChildren", &TCustomExPanel::AutoHideChildren,
               &TCustomExPanel::SetAutoHideChildren, true)
      .Object(L"Background", &TCustomExPanel::Background)
      .Enum(L"BackgroundPosition", &TCustomExPanel::BackgroundPosition,
            &TCustomExPanel::SetBackgroundPosition, BackGroundPositionNames,
            std::optional<TBackGroundPosition>(bpTopLeft))
      .Color(L"BorderColor", &TCustomExPanel::BorderColor, &TCustomExPanel::SetBorderColor, 0)
      .Boolean(L"BorderShadow", &TCustomExPanel::BorderShadow, &TCustomExPanel::SetBorderShadow,
               false)
      .Boolean(L"Buffered", &TCustomExPanel::Buffered, &TCustomExPanel::SetBuffered, true)
      .Boolean(L"CanMove", &TCustomExPanel::CanMove, &TCustomExPanel::SetCanMove, false)
      .Boolean(L"CanSize", &TCustomExPanel::CanSize, &TCustomExPanel::SetCanSize, false)
      .Object(L"Caption", &TCustomExPanel::Caption)
      .Boolean(L"Collaps", &TCustomExPanel::Collaps, &TCustomExPanel::SetCollaps, false)
      .Color(L"CollapsColor", &TCustomExPanel::CollapsColor, &TCustomExPanel::SetCollapsColor,
             0x808080)
      .Integer(L"CollapsDelay", &TCustomExPanel::CollapsDelay, &TCustomExPanel::SetCollapsDelay, 20)
      .Integer(L"CollapsSteps", &TCustomExPanel::CollapsSteps, &TCustomExPanel::SetCollapsSteps, 0)
      .Color(L"ColorTo", &TCustomExPanel::ColorTo, &TCustomExPanel::SetColorTo, clNone)
      .Color(L"ColorMirror", &TCustomExPanel::ColorMirror, &TCustomExPanel::SetColorMirror, clNone)
      .Color(L"ColorMirrorTo", &TCustomExPanel::ColorMirrorTo, &TCustomExPanel::SetColorMirrorTo,
             clNone)
      .Boolean(L"Ellipsis", &TCustomExPanel::Ellipsis, &TCustomExPanel::SetEllipsis, false)
      .Boolean(L"FixedTop", &TCustomExPanel::FixedTop, &TCustomExPanel::SetFixedTop, false)
      .Boolean(L"FixedLeft", &TCustomExPanel::FixedLeft, &TCustomExPanel::SetFixedLeft, false)
      .Boolean(L"FixedHeight", &TCustomExPanel::FixedHeight, &TCustomExPanel::SetFixedHeight, false)
      .Boolean(L"FixedWidth", &TCustomExPanel::FixedWidth, &TCustomExPanel::SetFixedWidth, false)
      .Boolean(L"FreeOnClose", &TCustomExPanel::FreeOnClose, &TCustomExPanel::SetFreeOnClose, false)
      .Enum(L"GradientDirection", &TCustomExPanel::GradientDirection,
            &TCustomExPanel::SetGradientDirection, GradientDirectionNames,
            std::optional<TGradientDirection>(gdVertical))
      .Boolean(L"Hover", &TCustomExPanel::Hover, &TCustomExPanel::SetHover, false)
      .Color(L"HoverColor", &TCustomExPanel::HoverColor, &TCustomExPanel::SetHoverColor, clNone)
      .Color(L"HoverFontColor", &TCustomExPanel::HoverFontColor, &TCustomExPanel::SetHoverFontColor,
             clNone)
      .Reference<TCustomImageList>(L"Images", &TCustomExPanel::Images, &TCustomExPanel::SetImages)
      .Integer(L"Indent", &TCustomExPanel::Indent, &TCustomExPanel::SetIndent, 0)
      .Integer(L"LineSpacing", &TCustomExPanel::LineSpacing, &TCustomExPanel::SetLineSpacing, 0)
      .Object(L"OfficeHint", &TCustomExPanel::OfficeHint)
      .Reference<TPictureContainer>(L"PictureContainer", &TCustomExPanel::PictureContainer,
                                    &TCustomExPanel::SetPictureContainer)
      .Object(L"Position", &TCustomExPanel::Position)
      .Color(L"ShadowColor", &TCustomExPanel::ShadowColor, &TCustomExPanel::SetShadowColor,
             0x808080)
      .Integer(L"ShadowOffset", &TCustomExPanel::ShadowOffset, &TCustomExPanel::SetShadowOffset, 2)
      .Boolean(L"ShowMoveCursor", &TCustomExPanel::ShowMoveCursor,
               &TCustomExPanel::SetShowMoveCursor, false)
      .Object(L"StatusBar", &TCustomExPanel::StatusBar)
      .Reference<TExPanelStyler>(L"Styler", &TCustomExPanel::Styler, &TCustomExPanel::SetStyler)
      .Text(L"Text", &TCustomExPanel::Text, &TCustomExPanel::SetText)
      .Enum(L"TextVAlign", &TCustomExPanel::TextVAlign, &TCustomExPanel::SetTextVAlign,
            TextVAlignNames, std::optional<TTextVAlignment>(tvaTop))
      .Integer(L"TopIndent", &TCustomExPanel::TopIndent, &TCustomExPanel::SetTopIndent, 0)
      .Color(L"URLColor", &TCustomExPanel::URLColor, &TCustomExPanel::SetURLColor, 0xFF0000)
      .Text(L"Version", &TCustomExPanel::Version, &TCustomExPanel::SetVersion);
}

}  // namespace jorv::panel

JORV_PUBLISHED_UNIT(panel)
