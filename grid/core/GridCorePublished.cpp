// Published properties of the extended string grid and of the settings
// objects it owns, in their declared order with the defaults a form file
// leaves out.
#include "foundation/PictureContainer.h"
#include "grid/base/GrdDateTimePicker.h"
#include "grid/core/GridEnumNames.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/TypInfo.h"
#include "platform/ui/ControlPublished.h"
#include "platform/ui/Menus.h"

namespace jorv::grid {

namespace {

using R = TRezIvevirAvod;

const TEnumInfo ControlStyleNames{{L"csClassic", L"csFlat", L"csWinXP", L"csCorvane", L"csZVQ", L"csGlyph",
                                   L"csTheme"}};
const TEnumInfo BackGroundDisplayNames{{L"bdTile", L"bdFixed", L"bdGradientHorz", L"bdGradientVert"}};
const TEnumInfo BackGroundCellsNames{{L"bcNormal", L"bcFixed", L"bcAll"}};
const TEnumInfo SortStyleNames{{L"ssAutomatic", L"ssAlphabetic", L"ssNumeric", L"ssDate", L"ssAlphaNoCase",
                                L"ssAlphaCase", L"ssShortDateEU", L"ssShortDateUS", L"ssCustom", L"ssFinancial",
                                L"ssAnsiAlphaCase", L"ssAnsiAlphaNoCase", L"ssRaw", L"ssHTML", L"ssImages",
                                L"ssCheckBox", L"ssDateTime", L"ssTime", L"ssAlphaNumeric",
                                L"ssAlphaNumericNoCase", L"ssNatural"}};
const TEnumInfo IndexSortKeyNames{{L"ikShift", L"ikCtrl"}};
const TEnumInfo BlankPosNames{{L"blFirst", L"blLast"}};
const TEnumInfo SortDirectionNames{{L"sdAscending", L"sdDescending"}};
const TEnumInfo PrintPositionNames{{L"ppNone", L"ppTopLeft", L"ppTopRight", L"ppTopCenter", L"ppBottomLeft",
                                    L"ppBottomRight", L"ppBottomCenter"}};
const TEnumInfo PrintBordersNames{{L"pbNoborder", L"pbSingle", L"pbDouble", L"pbVertical", L"pbHorizontal",
                                   L"pbAround", L"pbAroundVertical", L"pbAroundHorizontal", L"pbCustom"}};
const TEnumInfo PenStyleNames{{L"psSolid", L"psDash", L"psDot", L"psDashDot", L"psDashDotDot", L"psClear",
                               L"psInsideFrame"}};
const TEnumInfo OrientationNames{{L"poPortrait", L"poLandscape"}};
const TEnumInfo FitToPageNames{{L"fpNever", L"fpGrow", L"fpShrink", L"fpAlways", L"fpCustom"}};
const TEnumInfo FooterStyleNames{{L"fsFixedLastRow", L"fsColumnPreview", L"fsCustomPreview", L"fsCustomPaint"}};
const TEnumInfo FilterCellsNames{{L"fcVirtual", L"fcNormal", L"fcStripHTML", L"fcCalculated", L"fcRow"}};
const TEnumInfo FilterOperationNames{{L"foSHORT", L"foNONE", L"foAND", L"foXOR", L"foOR"}};
const TEnumInfo FilterMethodNames{{L"fmExpression", L"fmLiteral"}};
const TEnumInfo AutoSizeRowsNames{{L"arAll", L"arNormal", L"arFixed"}};
const TEnumInfo ColumnSizeLocationNames{{L"clRegistry", L"clIniFile"}};
const TEnumInfo NodeTypeNames{{L"cnFlat", L"cn3D", L"cnGlyph", L"cnLeaf", L"cnXP"}};
const TEnumInfo FilterDropDownColumnsNames{{L"fdNormal", L"fdAll"}};
const TEnumInfo HoverButtonPositionNames{{L"hbLeftFromColumnLeft", L"hbRightFromColumnLeft",
                                          L"hbLeftFromColumnRight", L"hbRightFromColumnRight"}};
const TEnumInfo HoverRowsNames{{L"hrAll", L"hrNormal"}};
const TEnumInfo ScrollStyleNames{{L"ssNone", L"ssHorizontal", L"ssVertical", L"ssBoth"}};
const TEnumInfo HintShowLargeTextPosNames{{L"hpCell", L"hpCursor"}};
const TEnumInfo AlignmentNames{{L"taLeftJustify", L"taRightJustify", L"taCenter"}};
const TEnumInfo EditorTypeNames{
    {L"edNormal", L"edSpinEdit", L"edComboEdit", L"edComboList", L"edEditBtn", L"edCheckBox", L"edDateEdit",
     L"edDateEditUpDown", L"edTimeEdit", L"edButton", L"edDataCheckBox", L"edNumeric", L"edPositiveNumeric",
     L"edFloat", L"edCapital", L"edMixedCase", L"edPassword", L"edUnitEditBtn", L"edLowerCase", L"edUpperCase",
     L"edFloatSpinEdit", L"edTimeSpinEdit", L"edDateSpinEdit", L"edNumericEditBtn", L"edFloatEditBtn",
     L"edCustom", L"edRichEdit", L"edNone", L"edDateTimeEdit", L"edValidChars", L"edTrackbarDropDown",
     L"edMemoDropDown", L"edCalculatorDropDown", L"edTimePickerDropDown", L"edDetailDropDown",
     L"edGridDropDown", L"edColorPickerDropDown", L"edImagePickerDropDown", L"edExGridDropDown",
     L"edControlDropDown", L"edPositiveFloat", L"edNumericUnitEditBtn", L"edFloatUnitEditBtn",
     L"edMaskEditBtn"}};
const TEnumInfo FormatTypeNames{{L"ftVCL", L"ftExcel"}};
const TEnumInfo HoverFixedCellsNames{{L"hfNone", L"hfAll", L"hfFixedRows", L"hfFixedColumns"}};
const TEnumInfo IntelliPanNames{{L"ipVertical", L"ipHorizontal", L"ipBoth", L"ipNone"}};
const TEnumInfo InvalidEntryIconNames{{L"ieNone", L"ieInfo", L"ieWarning", L"ieError"}};
const TEnumInfo GridLookNames{{L"glStandard", L"glSoft", L"glClassic", L"glZVQ", L"glXP", L"glListView",
                               L"glVista", L"glWin7", L"glOffice2007", L"glCustom"}};
const TEnumInfo ScrollBarAlwaysNames{{L"saNone", L"saVert", L"saHorz", L"saBoth"}};
const TEnumInfo ScrollTypeNames{{L"ssNormal", L"ssFlat", L"ssEncarta", L"ssMetro"}};
const TEnumInfo ScrollHintTypeNames{{L"shNone", L"shVertical", L"shHorizontal", L"shBoth"}};
const TEnumInfo VAlignmentNames{{L"vtaTop", L"vtaCenter", L"vtaBottom"}};
const TEnumInfo GridOptionNames{{L"goFixedVertLine", L"goFixedHorzLine", L"goVertLine", L"goHorzLine",
                                 L"goRangeSelect", L"goDrawFocusSelected", L"goRowSizing", L"goColSizing",
                                 L"goRowMoving", L"goColMoving", L"goEditing", L"goTabs", L"goRowSelect",
                                 L"goAlwaysShowEditor", L"goThumbTracking"}};
const TEnumInfo BorderStyleNames{{L"bsNone", L"bsSingle", L"bsSizeable", L"bsDialog", L"bsToolWindow",
                                  L"bsSizeToolWin"}};

template <class E>
std::optional<E> Is(E Value) {
  return Value;
}

}  // namespace

JORV_PUBLISH(TControlLook, TPersistent) {
  using C = TControlLook;
  Class.Color(L"Color", &C::Color, &C::SetColor, 0)
      .Color(L"CommentColor", &C::CommentColor, &C::SetCommentColor, 0x0000FF)
      .Object(L"CheckedGlyph", &C::CheckedGlyph)
      .Color(L"FixedGradientFrom", &C::FixedGradientFrom, &C::SetFixedGradientFrom, clNone)
      .Color(L"FixedGradientTo", &C::FixedGradientTo, &C::SetFixedGradientTo, clNone)
      .Color(L"FixedGradientMirrorFrom", &C::FixedGradientMirrorFrom, &C::SetFixedGradientMirrorFrom, clNone)
      .Color(L"FixedGradientMirrorTo", &C::FixedGradientMirrorTo, &C::SetFixedGradientMirrorTo, clNone)
      .Color(L"FixedGradientHoverFrom", &C::FixedGradientHoverFrom, &C::SetFixedGradientHoverFrom, 0xFFFFFF)
      .Color(L"FixedGradientHoverTo", &C::FixedGradientHoverTo, &C::SetFixedGradientHoverTo, 0x808080)
      .Color(L"FixedGradientHoverMirrorFrom", &C::FixedGradientHoverMirrorFrom,
             &C::SetFixedGradientHoverMirrorFrom, clNone)
      .Color(L"FixedGradientHoverMirrorTo", &C::FixedGradientHoverMirrorTo, &C::SetFixedGradientHoverMirrorTo,
             clNone)
      .Color(L"FixedGradientHoverBorder", &C::FixedGradientHoverBorder, &C::SetFixedGradientHoverBorder,
             0xC0C0C0)
      .Color(L"FixedGradientDownFrom", &C::FixedGradientDownFrom, &C::SetFixedGradientDownFrom, 0xC0C0C0)
      .Color(L"FixedGradientDownTo", &C::FixedGradientDownTo, &C::SetFixedGradientDownTo, 0x808080)
      .Color(L"FixedGradientDownMirrorFrom", &C::FixedGradientDownMirrorFrom, &C::SetFixedGradientDownMirrorFrom,
             clNone)
      .Color(L"FixedGradientDownMirrorTo", &C::FixedGradientDownMirrorTo, &C::SetFixedGradientDownMirrorTo,
             clNone)
      .Color(L"FixedGradientDownBorder", &C::FixedGradientDownBorder, &C::SetFixedGradientDownBorder, 0x808080)
      .Boolean(L"FixedDropDownButton", &C::FixedDropDownButton, &C::SetFixedDropDownButton, false)
      .Integer(L"HintMaxWidth", &C::HintMaxWidth, &C::SetHintMaxWidth, 0)
      .Object(L"UnCheckedGlyph", &C::UnCheckedGlyph)
      .Object(L"RadioOnGlyph", &C::RadioOnGlyph)
      .Object(L"RadioOffGlyph", &C::RadioOffGlyph)
      .Integer(L"CheckSize", &C::CheckSize, &C::SetCheckSize, 15)
      .Boolean(L"CheckAlwaysActive", &C::CheckAlwaysActive, &C::SetCheckAlwaysActive, false)
      .Integer(L"RadioSize", &C::RadioSize, &C::SetRadioSize, 10)
      .Boolean(L"RadioAlwaysActive", &C::RadioAlwaysActive, &C::SetRadioAlwaysActive, false)
      .Enum(L"ControlStyle", &C::ControlStyle, &C::SetControlStyle, ControlStyleNames, Is(csTheme))
      .Boolean(L"DropDownAlwaysVisible", &C::DropDownAlwaysVisible, &C::SetDropDownAlwaysVisible, false)
      .Integer(L"DropDownCount", &C::DropDownCount, &C::SetDropDownCount, 8)
      .Object(L"DropDownHeader", &C::DropDownHeader)
      .Object(L"DropDownFooter", &C::DropDownFooter)
      .Boolean(L"SpinButtonsAlwaysVisible", &C::SpinButtonsAlwaysVisible, &C::SetSpinButtonsAlwaysVisible, false)
      .Boolean(L"FlatButton", &C::FlatButton, &C::SetFlatButton, false)
      .Boolean(L"NoDisabledCheckRadioLook", &C::NoDisabledCheckRadioLook, &C::SetNoDisabledCheckRadioLook, false)
      .Boolean(L"NoDisabledButtonLook", &C::NoDisabledButtonLook, &C::SetNoDisabledButtonLook, false)
      .Color(L"ProgressBorderColor", &C::ProgressBorderColor, &C::SetProgressBorderColor, 0x808080)
      .Integer(L"ProgressMarginX", &C::ProgressMarginX, &C::SetProgressMarginX, 2)
      .Integer(L"ProgressMarginY", &C::ProgressMarginY, &C::SetProgressMarginY, 2)
      .Boolean(L"ProgressXP", &C::ProgressXP, &C::SetProgressXP, false);
}

JORV_PUBLISH(TGridProgressAppearance, TPersistent) {
  using C = TGridProgressAppearance;
  Class.Color(L"CompleteColor", &C::CompleteColor, &C::SetCompleteColor, 0x0000FF)
      .Color(L"CompleteFontColor", &C::CompleteFontColor, &C::SetCompleteFontColor, 0xFF0000)
      .Color(L"UnCompleteColor", &C::UnCompleteColor, &C::SetUnCompleteColor, clNone)
      .Color(L"UnCompleteFontColor", &C::UnCompleteFontColor, &C::SetUnCompleteFontColor, clWindowText)
      .Color(L"Level0Color", &C::Level0Color, &C::SetLevel0Color, 0x00FF00)
      .Color(L"Level0ColorTo", &C::Level0ColorTo, &C::SetLevel0ColorTo, 0xE1FFE1)
      .Color(L"Level1Color", &C::Level1Color, &C::SetLevel1Color, 0x00FFFF)
      .Color(L"Level1ColorTo", &C::Level1ColorTo, &C::SetLevel1ColorTo, 0xCAFFFF)
      .Color(L"Level2Color", &C::Level2Color, &C::SetLevel2Color, 0x53A9FF)
      .Color(L"Level2ColorTo", &C::Level2ColorTo, &C::SetLevel2ColorTo, 0xA8D3FF)
      .Color(L"Level3Color", &C::Level3Color, &C::SetLevel3Color, 0x0000FF)
      .Color(L"Level3ColorTo", &C::Level3ColorTo, &C::SetLevel3ColorTo, 0xCACAFF)
      .Integer(L"Level1Perc", &C::Level1Perc, &C::SetLevel1Perc, 70)
      .Integer(L"Level2Perc", &C::Level2Perc, &C::SetLevel2Perc, 90)
      .Color(L"BorderColor", &C::BorderColor, &C::SetBorderColor, 0x000000)
      .Boolean(L"ShowBorder", &C::ShowBorder, &C::SetShowBorder, false)
      .Boolean(L"Stacked", &C::Stacked, &C::SetStacked, false)
      .Boolean(L"ShowPercentage", &C::ShowPercentage, &C::SetShowPercentage, true)
      .Boolean(L"CompletionSmooth", &C::CompletionSmooth, &C::SetCompletionSmooth, true)
      .Boolean(L"ShowGradient", &C::ShowGradient, &C::SetShowGradient, true)
      .Integer(L"Steps", &C::Steps, &C::SetSteps, 11);
}

JORV_PUBLISH(TBackGround, TPersistent) {
  using C = TBackGround;
  Class.Integer(L"Top", &C::Top, &C::SetTop, 0)
      .Integer(L"Left", &C::Left, &C::SetLeft, 0)
      .Enum(L"Display", &C::Display, &C::SetDisplay, BackGroundDisplayNames, Is(bdTile))
      .Object(L"Bitmap", &C::Bitmap)
      .Enum(L"Cells", &C::Cells, &C::SetCells, BackGroundCellsNames, Is(bcNormal))
      .Color(L"Color", &C::Color, &C::SetColor, clWindow)
      .Color(L"ColorTo", &C::ColorTo, &C::SetColorTo, clBtnFace);
}

JORV_PUBLISH(TColorSetting, TPersistent) {
  Class.Color(L"TextColor", &TColorSetting::TextColor, &TColorSetting::SetTextColor, clNone)
      .Color(L"BkgColor", &TColorSetting::BkgColor, &TColorSetting::SetBkgColor, clNone);
}

JORV_PUBLISH(TAutoColor, TPersistent) {
  Class.Object(L"NegativeNumber", &TAutoColor::NegativeNumber)
      .Object(L"PositiveNumber", &TAutoColor::PositiveNumber);
}

JORV_PUBLISH(TBalloonSettings, TPersistent) {
  using C = TBalloonSettings;
  Class.Integer(L"AutoHideDelay", &C::AutoHideDelay, &C::SetAutoHideDelay, -1)
      .Color(L"BackgroundColor", &C::BackgroundColor, &C::SetBackgroundColor, clNone)
      .Boolean(L"Enable", &C::Enable, &C::SetEnable, false)
      .Integer(L"InitialDelay", &C::InitialDelay, &C::SetInitialDelay, -1)
      .Integer(L"ReshowDelay", &C::ReshowDelay, &C::SetReshowDelay, -1)
      .Color(L"TextColor", &C::TextColor, &C::SetTextColor, clNone)
      .Integer(L"Transparency", &C::Transparency, &C::SetTransparency, 0);
}

JORV_PUBLISH(THTMLSettings, TPersistent) {
  using C = THTMLSettings;
  Class.Boolean(L"AutoPreview", &C::AutoPreview, &C::SetAutoPreview, false)
      .Integer(L"BorderSize", &C::BorderSize, &C::SetBorderSize, 1)
      .Integer(L"CellSpacing", &C::CellSpacing, &C::SetCellSpacing, 0)
      .Integer(L"CellPadding", &C::CellPadding, &C::SetCellPadding, 0)
      .Boolean(L"ConvertSpecialChars", &C::ConvertSpecialChars, &C::SetConvertSpecialChars, false)
      .Boolean(L"ExportImages", &C::ExportImages, &C::SetExportImages, true)
      .Text(L"FooterFile", &C::FooterFile, &C::SetFooterFile)
      .Text(L"FooterText", &C::FooterText, &C::SetFooterText)
      .Text(L"HeaderFile", &C::HeaderFile, &C::SetHeaderFile)
      .Text(L"HeaderText", &C::HeaderText, &C::SetHeaderText)
      .Boolean(L"NonBreakingText", &C::NonBreakingText, &C::SetNonBreakingText, false)
      .Text(L"PrefixTag", &C::PrefixTag, &C::SetPrefixTag)
      .Boolean(L"SaveColor", &C::SaveColor, &C::SetSaveColor, true)
      .Boolean(L"SaveFonts", &C::SaveFonts, &C::SetSaveFonts, true)
      .Text(L"SuffixTag", &C::SuffixTag, &C::SetSuffixTag)
      .Text(L"Summary", &C::Summary, &C::SetSummary)
      .Text(L"TableStyle", &C::TableStyle, &C::SetTableStyle)
      .Integer(L"Width", &C::Width, &C::SetWidth, 100)
      .Boolean(L"XHTML", &C::XHTML, &C::SetXHTML, false);
}

JORV_PUBLISH(TSortSettings, TPersistent) {
  using C = TSortSettings;
  Class.Boolean(L"AutoSortForGrouping", &C::AutoSortForGrouping, &C::SetAutoSortForGrouping, true)
      .Boolean(L"AutoColumnMerge", &C::AutoColumnMerge, &C::SetAutoColumnMerge, false)
      .Enum(L"DefaultFormat", &C::DefaultFormat, &C::SetDefaultFormat, SortStyleNames, Is(ssAlphabetic))
      .Integer(L"Column", &C::Column, &C::SetColumn, -1)
      .Boolean(L"Show", &C::Show, &C::SetShow, false)
      .Boolean(L"IndexShow", &C::IndexShow, &C::SetIndexShow, false)
      .Color(L"IndexColor", &C::IndexColor, &C::SetIndexColor, 0x0000FFFF)
      .Enum(L"IndexSortKey", &C::IndexSortKey, &C::SetIndexSortKey, IndexSortKeyNames, Is(ikShift))
      .Boolean(L"Full", &C::Full, &C::SetFull, true)
      .Boolean(L"SingleColumn", &C::SingleColumn, &C::SetSingleColumn, false)
      .Boolean(L"IgnoreBlanks", &C::IgnoreBlanks, &C::SetIgnoreBlanks, false)
      .Enum(L"BlankPos", &C::BlankPos, &C::SetBlankPos, BlankPosNames, Is(blFirst))
      .Boolean(L"AutoFormat", &C::AutoFormat, &C::SetAutoFormat, true)
      .Enum(L"Direction", &C::Direction, &C::SetDirection, SortDirectionNames, Is(sdAscending))
      .Object(L"UpGlyph", &C::UpGlyph)
      .Object(L"DownGlyph", &C::DownGlyph)
      .Boolean(L"IgnoreCase", &C::IgnoreCase, &C::SetIgnoreCase, false)
      .Object(L"IndexUpGlyph", &C::IndexUpGlyph)
      .Object(L"IndexDownGlyph", &C::IndexDownGlyph)
      .Enum(L"InitSortDirection", &C::InitSortDirection, &C::SetInitSortDirection, SortDirectionNames,
            Is(sdAscending))
      .Boolean(L"FixedCols", &C::FixedCols, &C::SetFixedCols, false)
      .Boolean(L"NormalCellsOnly", &C::NormalCellsOnly, &C::SetNormalCellsOnly, false)
      .Integer(L"Row", &C::Row, &C::SetRow, 0)
      .Boolean(L"UndoSort", &C::UndoSort, &C::SetUndoSort, false)
      .Boolean(L"SortOnVirtualCells", &C::SortOnVirtualCells, &C::SetSortOnVirtualCells, true)
      .Color(L"HeaderColor", &C::HeaderColor, &C::SetHeaderColor, clNone)
      .Color(L"HeaderColorTo", &C::HeaderColorTo, &C::SetHeaderColorTo, clNone)
      .Color(L"HeaderMirrorColor", &C::HeaderMirrorColor, &C::SetHeaderMirrorColor, clNone)
      .Color(L"HeaderMirrorColorTo", &C::HeaderMirrorColorTo, &C::SetHeaderMirrorColorTo, clNone);
}

JORV_PUBLISH(TPrintSettings, TPersistent) {
  using C = TPrintSettings;
  Class.Integer(L"FooterSize", &C::FooterSize, &C::SetFooterSize, 0)
      .Integer(L"HeaderSize", &C::HeaderSize, &C::SetHeaderSize, 0)
      .Enum(L"Time", &C::Time, &C::SetTime, PrintPositionNames, Is(ppNone))
      .Enum(L"Date", &C::Date, &C::SetDate, PrintPositionNames, Is(ppNone))
      .Text(L"DateFormat", &C::DateFormat, &C::SetDateFormat)
      .Enum(L"PageNr", &C::PageNr, &C::SetPageNr, PrintPositionNames, Is(ppNone))
      .Enum(L"Title", &C::Title, &C::SetTitle, PrintPositionNames, Is(ppNone))
      .Text(L"TitleText", &C::TitleText, &C::SetTitleText)
      .Object(L"TitleLines", &C::TitleLines)
      .Object(L"Font", &C::Font)
      .Object(L"FixedFont", &C::FixedFont)
      .Object(L"HeaderFont", &C::HeaderFont)
      .Object(L"FooterFont", &C::FooterFont)
      .Enum(L"Borders", &C::Borders, &C::SetBorders, PrintBordersNames, Is(pbSingle))
      .Enum(L"BorderStyle", &C::BorderStyle, &C::SetBorderStyle, PenStyleNames, Is(psSolid))
      .Color(L"BorderColor", &C::BorderColor, &C::SetBorderColor, 0)
      .Boolean(L"Centered", &C::Centered, &C::SetCentered, true)
      .Boolean(L"RepeatFixedRows", &C::RepeatFixedRows, &C::SetRepeatFixedRows, false)
      .Boolean(L"RepeatFixedCols", &C::RepeatFixedCols, &C::SetRepeatFixedCols, false)
      .Integer(L"LeftSize", &C::LeftSize, &C::SetLeftSize, 0)
      .Integer(L"RightSize", &C::RightSize, &C::SetRightSize, 0)
      .Integer(L"ColumnSpacing", &C::ColumnSpacing, &C::SetColumnSpacing, 0)
      .Integer(L"RowSpacing", &C::RowSpacing, &C::SetRowSpacing, 0)
      .Integer(L"TitleSpacing", &C::TitleSpacing, &C::SetTitleSpacing, 0)
      .Enum(L"Orientation", &C::Orientation, &C::SetOrientation, OrientationNames, Is(poPortrait))
      .Text(L"PagePrefix", &C::PagePrefix, &C::SetPagePrefix)
      .Text(L"PageSuffix", &C::PageSuffix, &C::SetPageSuffix)
      .Integer(L"PageNumberOffset", &C::PageNumberOffset, &C::SetPageNumberOffset, 0)
      .Integer(L"MaxPagesOffset", &C::MaxPagesOffset, &C::SetMaxPagesOffset, 0)
      .Integer(L"FixedWidth", &C::FixedWidth, &C::SetFixedWidth, 0)
      .Integer(L"FixedHeight", &C::FixedHeight, &C::SetFixedHeight, 0)
      .Boolean(L"UseFixedHeight", &C::UseFixedHeight, &C::SetUseFixedHeight, false)
      .Boolean(L"UseFixedWidth", &C::UseFixedWidth, &C::SetUseFixedWidth, false)
      .Enum(L"FitToPage", &C::FitToPage, &C::SetFitToPage, FitToPageNames, Is(fpNever))
      .Text(L"JobName", &C::JobName, &C::SetJobName)
      .Text(L"PageNumSep", &C::PageNumSep, &C::SetPageNumSep)
      .Boolean(L"NoAutoSize", &C::NoAutoSize, &C::SetNoAutoSize, false)
      .Boolean(L"NoAutoSizeRow", &C::NoAutoSizeRow, &C::SetNoAutoSizeRow, false)
      .Boolean(L"PrintGraphics", &C::PrintGraphics, &C::SetPrintGraphics, false)
      .Boolean(L"UseDisplayFont", &C::UseDisplayFont, &C::SetUseDisplayFont, true)
      .Boolean(L"UseDefaultOrientation", &C::UseDefaultOrientation, &C::SetUseDefaultOrientation, false);
}

JORV_PUBLISH(TGrouping, TPersistent) {
  using C = TGrouping;
  Class.Boolean(L"AutoSelectGroup", &C::AutoSelectGroup, &C::SetAutoSelectGroup, false)
      .Boolean(L"AutoCheckGroup", &C::AutoCheckGroup, &C::SetAutoCheckGroup, false)
      .Text(L"GroupCountFormat", &C::GroupCountFormat, &C::SetGroupCountFormat)
      .Color(L"HeaderColor", &C::HeaderColor, &C::SetHeaderColor, clNone)
      .Color(L"HeaderColorTo", &C::HeaderColorTo, &C::SetHeaderColorTo, clNone)
      .Color(L"HeaderTextColor", &C::HeaderTextColor, &C::SetHeaderTextColor, clNone)
      .Boolean(L"HeaderUnderline", &C::HeaderUnderline, &C::SetHeaderUnderline, false)
      .Color(L"HeaderLineColor", &C::HeaderLineColor, &C::SetHeaderLineColor, 0xFF0000)
      .Integer(L"HeaderLineWidth", &C::HeaderLineWidth, &C::SetHeaderLineWidth, 2)
      .Boolean(L"MergeHeader", &C::MergeHeader, &C::SetMergeHeader, false)
      .Boolean(L"MergeSummary", &C::MergeSummary, &C::SetMergeSummary, false)
      .Boolean(L"ShowGroupCount", &C::ShowGroupCount, &C::SetShowGroupCount, false)
      .Boolean(L"Summary", &C::Summary, &C::SetSummary, false)
      .Color(L"SummaryColor", &C::SummaryColor, &C::SetSummaryColor, clNone)
      .Color(L"SummaryColorTo", &C::SummaryColorTo, &C::SetSummaryColorTo, clNone)
      .Color(L"SummaryTextColor", &C::SummaryTextColor, &C::SetSummaryTextColor, clNone)
      .Boolean(L"SummaryLine", &C::SummaryLine, &C::SetSummaryLine, false)
      .Color(L"SummaryLineColor", &C::SummaryLineColor, &C::SetSummaryLineColor, 0xFF0000)
      .Integer(L"SummaryLineWidth", &C::SummaryLineWidth, &C::SetSummaryLineWidth, 2);
}

JORV_PUBLISH(TFloatingFooter, TPersistent) {
  using C = TFloatingFooter;
  Class.Color(L"BorderColor", &C::BorderColor, &C::SetBorderColor, clNone)
      .Boolean(L"CalculateHiddenRows", &C::CalculateHiddenRows, &C::SetCalculateHiddenRows, true)
      .Color(L"Color", &C::Color, &C::SetColor, clBtnFace)
      .Integer(L"Column", &C::Column, &C::SetColumn, 0)
      .Text(L"CustomTemplate", &C::CustomTemplate, &C::SetCustomTemplate)
      .Enum(L"FooterStyle", &C::FooterStyle, &C::SetFooterStyle, FooterStyleNames, Is(fsFixedLastRow))
      .Boolean(L"ShowHint", &C::ShowHint, &C::SetShowHint, false)
      .Boolean(L"Visible", &C::Visible, &C::SetVisible, false);
}

JORV_PUBLISH(TFilterDropDown, TPersistent) {
  using C = TFilterDropDown;
  Class.Boolean(L"AutoSize", &C::AutoSize, &C::SetAutoSize, false)
      .Color(L"Color", &C::Color, &C::SetColor, clWindow)
      .Boolean(L"ColumnWidth", &C::ColumnWidth, &C::SetColumnWidth, false)
      .Object(L"Font", &C::Font)
      .Integer(L"Height", &C::Height, &C::SetHeight, 150)
      .Text(L"TextChecked", &C::TextChecked, &C::SetTextChecked)
      .Text(L"TextUnChecked", &C::TextUnChecked, &C::SetTextUnChecked)
      .Integer(L"Width", &C::Width, &C::SetWidth, 150)
      .Object(L"Glyph", &C::Glyph)
      .Object(L"GlyphActive", &C::GlyphActive);
}

JORV_PUBLISH(TFilterEdit, TPersistent) {
  using C = TFilterEdit;
  Class.Boolean(L"CaseSensitive", &C::CaseSensitive, &C::SetCaseSensitive, true)
      .Color(L"Color", &C::Color, &C::SetColor, 0xFFFFFF)
      .Enum(L"Columns", &C::Columns, &C::SetColumns, FilterDropDownColumnsNames, Is(fdNormal))
      .Boolean(L"Enabled", &C::Enabled, &C::SetEnabled, false)
      .Integer(L"Row", &C::Row, &C::SetRow, 0)
      .Object(L"TypeNames", &C::TypeNames);
}

JORV_PUBLISH(TFilterData, TPersistent) {
  using C = TFilterData;
  Class.Integer(L"Column", &C::Column, &C::SetColumn, 0)
      .Text(L"Condition", &C::Condition, &C::SetCondition)
      .Boolean(L"CaseSensitive", &C::CaseSensitive, &C::SetCaseSensitive, true)
      .Enum(L"Data", &C::Data, &C::SetData, FilterCellsNames, Is(fcVirtual))
      .Boolean(L"Enabled", &C::Enabled, &C::SetEnabled, true)
      .Text(L"Prefix", &C::Prefix, &C::SetPrefix)
      .Text(L"Suffix", &C::Suffix, &C::SetSuffix)
      .Enum(L"Operation", &C::Operation, &C::SetOperation, FilterOperationNames, std::optional<TFilterOperation>())
      .Enum(L"Method", &C::Method, &C::SetMethod, FilterMethodNames, Is(fmExpression))
      .Boolean(L"RemoveAccented", &C::RemoveAccented, &C::SetRemoveAccented, false);
}

JORV_PUBLISH(TColumnSize, TPersistent) {
  using C = TColumnSize;
  Class.Enum(L"Rows", &C::Rows, &C::SetRows, AutoSizeRowsNames, Is(arAll))
      .Boolean(L"Save", &C::Save, &C::SetSave, false)
      .Text(L"Key", &C::Key, &C::SetKey)
      .Text(L"Section", &C::Section, &C::SetSection)
      .Boolean(L"Stretch", &C::Stretch, &C::SetStretch, false)
      .Boolean(L"StretchAll", &C::StretchAll, &C::SetStretchAll, false)
      .Integer(L"StretchColumn", &C::StretchColumn, &C::SetStretchColumn, -1)
      .Boolean(L"SynchWithGrid", &C::SynchWithGrid, &C::SetSynchWithGrid, false)
      .Boolean(L"SynchNormalCellsOnly", &C::SynchNormalCellsOnly, &C::SetSynchNormalCellsOnly, false)
      .Enum(L"Location", &C::Location, &C::SetLocation, ColumnSizeLocationNames, Is(clRegistry));
}

JORV_PUBLISH(TCellNode, TPersistent) {
  using C = TCellNode;
  Class.Color(L"Color", &C::Color, &C::SetColor, 0xC0C0C0)
      .Boolean(L"ExpandOne", &C::ExpandOne, &C::SetExpandOne, false)
      .Enum(L"NodeType", &C::NodeType, &C::SetNodeType, NodeTypeNames, Is(cnXP))
      .Color(L"NodeColor", &C::NodeColor, &C::SetNodeColor, 0x000000)
      .Integer(L"NodeIndent", &C::NodeIndent, &C::SetNodeIndent, 12)
      .Object(L"ExpandGlyph", &C::ExpandGlyph)
      .Object(L"ContractGlyph", &C::ContractGlyph)
      .Boolean(L"ShowTree", &C::ShowTree, &C::SetShowTree, true)
      .Boolean(L"ShowTreeFull", &C::ShowTreeFull, &C::SetShowTreeFull, true)
      .Color(L"TreeColor", &C::TreeColor, &C::SetTreeColor, 0x808080);
}

JORV_PUBLISH(TDragDropSettings, TPersistent) {
  using C = TDragDropSettings;
  Class.Boolean(L"ShowCells", &C::ShowCells, &C::SetShowCells, true)
      .Boolean(L"OleAcceptFiles", &C::OleAcceptFiles, &C::SetOleAcceptFiles, true)
      .Boolean(L"OleAcceptText", &C::OleAcceptText, &C::SetOleAcceptText, true)
      .Boolean(L"OleAcceptURLs", &C::OleAcceptURLs, &C::SetOleAcceptURLs, true)
      .Boolean(L"OleAppendRows", &C::OleAppendRows, &C::SetOleAppendRows, false)
      .Boolean(L"OleColumnDragDrop", &C::OleColumnDragDrop, &C::SetOleColumnDragDrop, false)
      .Boolean(L"OleColumnReorder", &C::OleColumnReorder, &C::SetOleColumnReorder, false)
      .Boolean(L"OleColumnsOnly", &C::OleColumnsOnly, &C::SetOleColumnsOnly, false)
      .Boolean(L"OleCopyAlways", &C::OleCopyAlways, &C::SetOleCopyAlways, false)
      .Boolean(L"OleDropTarget", &C::OleDropTarget, &C::SetOleDropTarget, false)
      .Boolean(L"OleDropSource", &C::OleDropSource, &C::SetOleDropSource, false)
      .Boolean(L"OleEntireRows", &C::OleEntireRows, &C::SetOleEntireRows, false)
      .Boolean(L"OleInsertRows", &C::OleInsertRows, &C::SetOleInsertRows, false)
      .Boolean(L"OleRemoveRows", &C::OleRemoveRows, &C::SetOleRemoveRows, false)
      .Boolean(L"OleDropRTF", &C::OleDropRTF, &C::SetOleDropRTF, false);
}

JORV_PUBLISH(TDragScrollDelays, TPersistent) {
  Class.Integer(L"InitialDelay", &TDragScrollDelays::InitialDelay, &TDragScrollDelays::SetInitialDelay, 1000)
      .Integer(L"RepeatDelay", &TDragScrollDelays::RepeatDelay, &TDragScrollDelays::SetRepeatDelay, 250);
}

JORV_PUBLISH(TDragScrollMargins, TPersistent) {
  using C = TDragScrollMargins;
  Class.Integer(L"TopMargin", &C::TopMargin, &C::SetTopMargin, 50)
      .Integer(L"BottomMargin", &C::BottomMargin, &C::SetBottomMargin, 50)
      .Integer(L"LeftMargin", &C::LeftMargin, &C::SetLeftMargin, 50)
      .Integer(L"RightMargin", &C::RightMargin, &C::SetRightMargin, 50);
}

JORV_PUBLISH(TDragScrollOptions, TPersistent) {
  Class.Boolean(L"Active", &TDragScrollOptions::Active, &TDragScrollOptions::SetActive, false)
      .Object(L"Delays", &TDragScrollOptions::Delays)
      .Object(L"Margins", &TDragScrollOptions::Margins);
}

JORV_PUBLISH(TShowModified, TPersistent) {
  Class.Boolean(L"Enabled", &TShowModified::Enabled, &TShowModified::SetEnabled, false)
      .Color(L"Color", &TShowModified::Color, &TShowModified::SetColor, clYellow);
}

JORV_PUBLISH(TSizeWhileTyping, TPersistent) {
  Class.Boolean(L"Height", &TSizeWhileTyping::Height, &TSizeWhileTyping::SetHeight, false)
      .Boolean(L"Width", &TSizeWhileTyping::Width, &TSizeWhileTyping::SetWidth, false);
}

JORV_PUBLISH(THoverButtonsCollectionItem, TPersistent) {
  using C = THoverButtonsCollectionItem;
  Class.Text(L"Caption", &C::Caption, &C::SetCaption)
      .Boolean(L"Enabled", &C::Enabled, &C::SetEnabled, true)
      .Boolean(L"Flat", &C::Flat, &C::SetFlat, false)
      .Text(L"Hint", &C::Hint, &C::SetHint)
      .Integer(L"ImageIndex", &C::ImageIndex, &C::SetImageIndex, -1)
      .Object(L"Picture", &C::Picture)
      .Integer(L"Tag", &C::Tag, &C::SetTag, 0)
      .Integer(L"Width", &C::Width, &C::SetWidth, 0);
}

JORV_PUBLISH(THoverButtons, TPersistent) {
  using C = THoverButtons;
  Class.Boolean(L"Enabled", &C::Enabled, &C::SetEnabled, false)
      .Object(L"Buttons", &C::Buttons)
      .Integer(L"Column", &C::Column, &C::SetColumn, 0)
      .Enum(L"Position", &C::Position, &C::SetPosition, HoverButtonPositionNames, Is(hbRightFromColumnRight))
      .Enum(L"Rows", &C::Rows, &C::SetRows, HoverRowsNames, Is(hrNormal));
}

JORV_PUBLISH(TRezIvevirAvod, TControl) {
  for (const wchar_t* Name : {L"Align", L"Anchors", L"BorderWidth", L"Color", L"Constraints", L"Ctl3D",
                              L"DoubleBuffered", L"Enabled", L"Font", L"Hint", L"ParentColor", L"ParentCtl3D",
                              L"ParentFont", L"ParentShowHint", L"ShowHint", L"TabOrder", L"TabStop",
                              L"Visible"})
    Class.Add(ControlProperty(Name));
  Class.Set(L"Options", &R::Options, &R::SetOptions, GridOptionNames,
            std::optional<TGridOptions>(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                                                     goRangeSelect}))
      .Integer(L"DefaultColWidth", &R::DefaultColWidth, &R::SetDefaultColWidth, 64)
      .Integer(L"GridLineWidth", &R::GridLineWidth, &R::SetGridLineWidth, 1)
      .Color(L"GridLineColor", &R::GridLineColor, &R::SetGridLineColor, 0xC0C0C0)
      .Color(L"GridFixedLineColor", &R::GridFixedLineColor, &R::SetGridFixedLineColor, 0x808080)
      .Color(L"FixedColor", &R::FixedColor, &R::SetFixedColor, clBtnFace)
      .Enum(L"BorderStyle", &R::BorderStyle, &R::SetBorderStyle, BorderStyleNames, Is(bsSingle))
      .Integer(L"Cursor", &R::Cursor, &R::SetCursor)
      .Integer(L"ColCount", &R::ColCount, &R::SetColCount, 5)
      .Integer(L"DefaultRowHeight", &R::DefaultRowHeight, &R::SetDefaultRowHeight, 22)
      .Integer(L"FixedCols", &R::FixedCols, &R::SetFixedCols, 1)
      .Integer(L"RowCount", &R::RowCount, &R::SetRowCount, 10)
      .Integer(L"FixedRows", &R::FixedRows, &R::SetFixedRows, 1)
      .Enum(L"ScrollBars", &R::ScrollBars, &R::SetScrollBars, ScrollStyleNames, std::optional<TScrollStyle>())
      .Object(L"DragDropSettings", &R::DragDropSettings)
      .Object(L"OfficeHint", &R::OfficeHint)
      .Color(L"HighlightColor", &R::HighlightColor, &R::SetHighlightColor, clHighlight)
      .Color(L"HighlightTextColor", &R::HighlightTextColor, &R::SetHighlightTextColor, clHighlightText)
      .Color(L"HintColor", &R::HintColor, &R::SetHintColor, clInfoBk)
      .Boolean(L"HintShowCells", &R::HintShowCells, &R::SetHintShowCells, false)
      .Boolean(L"HintShowLargeText", &R::HintShowLargeText, &R::SetHintShowLargeText, false)
      .Enum(L"HintShowLargeTextPos", &R::HintShowLargeTextPos, &R::SetHintShowLargeTextPos,
            HintShowLargeTextPosNames, Is(hpCell))
      .Boolean(L"HintShowSizing", &R::HintShowSizing, &R::SetHintShowSizing, false)
      .Boolean(L"HTMLHint", &R::HTMLHint, &R::SetHTMLHint, false)
      .Boolean(L"OemConvert", &R::OemConvert, &R::SetOemConvert, false)
      .Boolean(L"AnchorHint", &R::AnchorHint, &R::SetAnchorHint, false)
      .Boolean(L"ActiveCellShow", &R::ActiveCellShow, &R::SetActiveCellShow, false)
      .Object(L"ActiveCellFont", &R::ActiveCellFont)
      .Color(L"ActiveCellColor", &R::ActiveCellColor, &R::SetActiveCellColor, clGray)
      .Color(L"ActiveCellColorTo", &R::ActiveCellColorTo, &R::SetActiveCellColorTo, clNone)
      .Object(L"AutoColor", &R::AutoColor)
      .Boolean(L"AutoHideSelection", &R::AutoHideSelection, &R::SetAutoHideSelection, false)
      .Boolean(L"AutoNumAlign", &R::AutoNumAlign, &R::SetAutoNumAlign, false)
      .Boolean(L"AutoSize", &R::AutoSize, &R::SetAutoSize, false)
      .Boolean(L"AutoThemeAdapt", &R::AutoThemeAdapt, &R::SetAutoThemeAdapt, false)
      .Boolean(L"AutoFilterUpdate", &R::AutoFilterUpdate, &R::SetAutoFilterUpdate, true)
      .Object(L"Balloon", &R::Balloon)
      .Object(L"Bands", &R::Bands)
      .Object(L"BackGround", &R::BackGround)
      .Color(L"BorderColor", &R::BorderColor, &R::SetBorderColor, 0xB99D7F)
      .Object(L"CellNode", &R::CellNode)
      .Reference<TRezIvevirAvodCheck>(L"CellChecker", &R::CellChecker, &R::SetCellChecker)
      .Object(L"ColumnHeaders", &R::ColumnHeaders)
      .Object(L"ColumnSize", &R::ColumnSize)
      .Object(L"ControlLook", &R::ControlLook)
      .Enum(L"DefaultAlignment", &R::DefaultAlignment, &R::SetDefaultAlignment, AlignmentNames, Is(taLeftJustify))
      .Enum(L"DefaultEditor", &R::DefaultEditor, &R::SetDefaultEditor, EditorTypeNames, Is(edNormal))
      .Color(L"DisabledFontColor", &R::DisabledFontColor, &R::SetDisabledFontColor, clSilver)
      .Object(L"DragScrollOptions", &R::DragScrollOptions)
      .Boolean(L"EditWithTags", &R::EditWithTags, &R::SetEditWithTags, false)
      .Boolean(L"EnableBlink", &R::EnableBlink, &R::SetEnableBlink, false)
      .Boolean(L"EnableHTML", &R::EnableHTML, &R::SetEnableHTML, true)
      .Boolean(L"EnableWheel", &R::EnableWheel, &R::SetEnableWheel, true)
      .Boolean(L"EnhTextSize", &R::EnhTextSize, &R::SetEnhTextSize, false)
      .Boolean(L"EnhRowColMove", &R::EnhRowColMove, &R::SetEnhRowColMove, true)
      .Boolean(L"ExcelStyleDecimalSeparator", &R::ExcelStyleDecimalSeparator, &R::SetExcelStyleDecimalSeparator,
               false)
      .Object(L"Filter", &R::Filter)
      .Boolean(L"FilterActive", &R::FilterActive, &R::SetFilterActive, false)
      .Object(L"FilterDropDown", &R::FilterDropDown)
      .Boolean(L"FilterDropDownAuto", &R::FilterDropDownAuto, &R::SetFilterDropDownAuto, false)
      .Boolean(L"FilterDropDownMultiCol", &R::FilterDropDownMultiCol, &R::SetFilterDropDownMultiCol, true)
      .Text(L"FilterDropDownClear", &R::FilterDropDownClear, &R::SetFilterDropDownClear)
      .Boolean(L"FilterDropDownCheck", &R::FilterDropDownCheck, &R::SetFilterDropDownCheck, false)
      .Text(L"FilterDropDownCheckUnCheckAll", &R::FilterDropDownCheckUnCheckAll,
            &R::SetFilterDropDownCheckUnCheckAll)
      .Enum(L"FilterDropDownColumns", &R::FilterDropDownColumns, &R::SetFilterDropDownColumns,
            FilterDropDownColumnsNames, Is(fdNormal))
      .Integer(L"FilterDropDownRow", &R::FilterDropDownRow, &R::SetFilterDropDownRow, 0)
      .Object(L"FilterEdit", &R::FilterEdit)
      .Boolean(L"FilterNormalCellsOnly", &R::FilterNormalCellsOnly, &R::SetFilterNormalCellsOnly, true)
      .Boolean(L"FixedAsButtons", &R::FixedAsButtons, &R::SetFixedAsButtons, false)
      .Integer(L"FixedFooters", &R::FixedFooters, &R::SetFixedFooters, 0)
      .Integer(L"FixedRightCols", &R::FixedRightCols, &R::SetFixedRightCols, 0)
      .Integer(L"FixedColWidth", &R::FixedColWidth, &R::SetFixedColWidth, 64)
      .Reference<TPopupMenu>(L"FixedDropDownMenu", &R::FixedDropDownMenu, &R::SetFixedDropDownMenu)
      .Integer(L"FixedRowHeight", &R::FixedRowHeight, &R::SetFixedRowHeight, 21)
      .Boolean(L"FixedRowAlways", &R::FixedRowAlways, &R::SetFixedRowAlways, false)
      .Boolean(L"FixedColAlways", &R::FixedColAlways, &R::SetFixedColAlways, false)
      .Object(L"FixedFont", &R::FixedFont)
      .Boolean(L"Flat", &R::Flat, &R::SetFlat, false)
      .Text(L"FloatFormat", &R::FloatFormat, &R::SetFloatFormat)
      .Object(L"FloatingFooter", &R::FloatingFooter)
      .Object(L"FocusHelper", &R::FocusHelper)
      .Enum(L"FormatType", &R::FormatType, &R::SetFormatType, FormatTypeNames, Is(ftVCL))
      .Reference<TCustomImageList>(L"GridImages", &R::GridImages, &R::SetGridImages)
      .Object(L"Grouping", &R::Grouping)
      .Boolean(L"HideFocusRect", &R::HideFocusRect, &R::SetHideFocusRect, false)
      .Object(L"HoverButtons", &R::HoverButtons)
      .Boolean(L"Hovering", &R::Hovering, &R::SetHovering, false)
      .Enum(L"HoverFixedCells", &R::HoverFixedCells, &R::SetHoverFixedCells, HoverFixedCellsNames, Is(hfNone))
      .Object(L"HTMLSettings", &R::HTMLSettings)
      .Boolean(L"IntegralHeight", &R::IntegralHeight, &R::SetIntegralHeight, false)
      .Enum(L"IntelliPan", &R::IntelliPan, &R::SetIntelliPan, IntelliPanNames, Is(ipVertical))
      .Boolean(L"IntelliZoom", &R::IntelliZoom, &R::SetIntelliZoom, true)
      .Text(L"InvalidEntryTitle", &R::InvalidEntryTitle, &R::SetInvalidEntryTitle)
      .Enum(L"InvalidEntryIcon", &R::InvalidEntryIcon, &R::SetInvalidEntryIcon, InvalidEntryIconNames,
            Is(ieWarning))
      .Text(L"InvalidEntryText", &R::InvalidEntryText, &R::SetInvalidEntryText)
      .Enum(L"Look", &R::Look, &R::SetLook, GridLookNames, Is(glXP))
      .Object(L"LookupItems", &R::LookupItems)
      .Boolean(L"Lookup", &R::Lookup, &R::SetLookup, false)
      .Boolean(L"LookupCaseSensitive", &R::LookupCaseSensitive, &R::SetLookupCaseSensitive, false)
      .Boolean(L"LookupHistory", &R::LookupHistory, &R::SetLookupHistory, false)
      .Integer(L"MaxEditLength", &R::MaxEditLength, &R::SetMaxEditLength, 0)
      .Integer(L"MaxComboLength", &R::MaxComboLength, &R::SetMaxComboLength, 0)
      .Object(L"MouseActions", &R::MouseActions)
      .Boolean(L"Multilinecells", &R::Multilinecells, &R::SetMultilinecells, false)
      .Object(L"Navigation", &R::Navigation)
      .Reference<TPictureContainer>(L"PictureContainer", &R::PictureContainer, &R::SetPictureContainer)
      .Object(L"PrintSettings", &R::PrintSettings)
      .Object(L"ProgressAppearance", &R::ProgressAppearance)
      .Object(L"RowHeaders", &R::RowHeaders)
      .Object(L"RowIndicator", &R::RowIndicator)
      .Enum(L"ScrollBarAlways", &R::ScrollBarAlways, &R::SetScrollBarAlways, ScrollBarAlwaysNames, Is(saNone))
      .Color(L"ScrollColor", &R::ScrollColor, &R::SetScrollColor, clNone)
      .Boolean(L"ScrollProportional", &R::ScrollProportional, &R::SetScrollProportional, false)
      .Boolean(L"ScrollSynch", &R::ScrollSynch, &R::SetScrollSynch, false)
      .Enum(L"ScrollType", &R::ScrollType, &R::SetScrollType, ScrollTypeNames, Is(ssNormal))
      .Integer(L"ScrollWidth", &R::ScrollWidth, &R::SetScrollWidth, 17)
      .Enum(L"ScrollHints", &R::ScrollHints, &R::SetScrollHints, ScrollHintTypeNames, Is(shNone))
      .Object(L"SearchFooter", &R::SearchFooter)
      .Color(L"SelectionColor", &R::SelectionColor, &R::SetSelectionColor, 0xEACAB6)
      .Color(L"SelectionColorTo", &R::SelectionColorTo, &R::SetSelectionColorTo, clNone)
      .Boolean(L"SelectionColorMixer", &R::SelectionColorMixer, &R::SetSelectionColorMixer, false)
      .Integer(L"SelectionColorMixerFactor", &R::SelectionColorMixerFactor, &R::SetSelectionColorMixerFactor, 50)
      .Color(L"SelectionMirrorColor", &R::SelectionMirrorColor, &R::SetSelectionMirrorColor, clNone)
      .Color(L"SelectionMirrorColorTo", &R::SelectionMirrorColorTo, &R::SetSelectionMirrorColorTo, clNone)
      .Boolean(L"SelectionRectangle", &R::SelectionRectangle, &R::SetSelectionRectangle, false)
      .Boolean(L"SelectionResizer", &R::SelectionResizer, &R::SetSelectionResizer, false)
      .Boolean(L"SelectionRTFKeep", &R::SelectionRTFKeep, &R::SetSelectionRTFKeep, false)
      .Color(L"SelectionTextColor", &R::SelectionTextColor, &R::SetSelectionTextColor, clBlack)
      .Boolean(L"ShowSelection", &R::ShowSelection, &R::SetShowSelection, true)
      .Object(L"ShowModified", &R::ShowModified)
      .Boolean(L"ShowDesignHelper", &R::ShowDesignHelper, &R::SetShowDesignHelper, true)
      .Object(L"SizeWhileTyping", &R::SizeWhileTyping)
      .Boolean(L"SizeWithForm", &R::SizeWithForm, &R::SetSizeWithForm, false)
      .Object(L"SortSettings", &R::SortSettings)
      .Object(L"SyncGrid", &R::SyncGrid)
      .Color(L"URLColor", &R::URLColor, &R::SetURLColor, clBlue)
      .Boolean(L"URLShow", &R::URLShow, &R::SetURLShow, false)
      .Boolean(L"URLShowInText", &R::URLShowInText, &R::SetURLShowInText, false)
      .Boolean(L"URLUnderlineOnHover", &R::URLUnderlineOnHover, &R::SetURLUnderlineOnHover, false)
      .Boolean(L"URLFull", &R::URLFull, &R::SetURLFull, false)
      .Boolean(L"URLEdit", &R::URLEdit, &R::SetURLEdit, false)
      .Boolean(L"UseInternalHintClass", &R::UseInternalHintClass, &R::SetUseInternalHintClass, true)
      .Text(L"ValidChars", &R::ValidChars, &R::SetValidChars)
      .Enum(L"VAlignment", &R::VAlignment, &R::SetVAlignment, VAlignmentNames, Is(vtaTop))
      .Text(L"Version", &R::Version, &R::SetVersion)
      .Boolean(L"WordWrap", &R::WordWrap, &R::SetWordWrap, true);
}

// The cell property object publishes these enumerations too.
const TEnumInfo& CellAlignmentNames = AlignmentNames;
const TEnumInfo& CellVAlignmentNames = VAlignmentNames;
const TEnumInfo& CellEditorTypeNames = EditorTypeNames;

}  // namespace jorv::grid

JORV_PUBLISHED_UNIT(grid_core)
