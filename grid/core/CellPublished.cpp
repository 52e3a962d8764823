// Published properties of what a cell holds (its property object, its
// graphic and a file picture), which the binary grid stream carries.
#include "grid/base/CellProperties.h"
#include "grid/base/FilePicture.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/GridEnumNames.h"
#include "platform/gfx/GraphicsPublished.h"
#include "platform/rtl/TypInfo.h"
#include "platform/ui/Control.h"

namespace jorv::grid {

namespace {

const TEnumInfo GradientDirectionNames{{L"GradientVertical", L"GradientHorizontal"}};
const TEnumInfo CellTypeNames{{L"ctBitmap", L"ctIcon", L"ctNone", L"ctImageList", L"ctCheckBox",
                               L"ctDataCheckBox", L"ctRotated", L"ctDataImage", L"ctNode", L"ctRadio",
                               L"ctEmpty", L"ctImages", L"ctPicture", L"ctFilePicture", L"ctValue",
                               L"ctProgress", L"ctComment", L"ctButton", L"ctBitButton", L"ctVirtCheckBox",
                               L"ctRowCheckBox", L"ctProgressPie", L"ctSummary", L"ctRangeIndicator",
                               L"ctXPProgress", L"ctInterface", L"ctScrollbar", L"ctRadioButton",
                               L"ctBalloon", L"ctShape", L"ctRating", L"ctTriStateCheckBox", L"ctExpand"}};
const TEnumInfo CellHAlignNames{{L"haLeft", L"haRight", L"haCenter", L"haBeforeText", L"haAfterText", L"haFull"}};
const TEnumInfo CellVAlignNames{{L"vaTop", L"vaBottom", L"vaCenter", L"vaUnderText", L"vaAboveText", L"vaFull"}};
const TEnumInfo CheckBoxStateNames{{L"cbUnchecked", L"cbChecked", L"cbGrayed"}};

using P = TCellProperties;
using G = TBaseCellGraphic;

// The object reference is a number: it means something only in the
// process that wrote it.
jorv::Int64 CellObjectOf(const P* Props) { return static_cast<jorv::Int64>(Props->CellObject()); }
void SetCellObjectOf(P* Props, jorv::Int64 Value) { Props->SetCellObject(static_cast<uintptr_t>(Value)); }

}  // namespace

JORV_PUBLISH(TCellProperties, TPersistent) {
  Class.Boolean(L"IsBaseCell", &P::IsBaseCell, &P::SetIsBaseCell)
      .Integer(L"CellSpanX", &P::CellSpanX, &P::SetCellSpanX)
      .Integer(L"CellSpanY", &P::CellSpanY, &P::SetCellSpanY)
      .Integer(L"OwnerCol", &P::OwnerCol, &P::SetOwnerCol)
      .StoredWhen([](const P*) { return false; })
      .Integer(L"OwnerRow", &P::OwnerRow, &P::SetOwnerRow)
      .StoredWhen([](const P*) { return false; })
      .Enum(L"Alignment", &P::Alignment, &P::SetAlignment, CellAlignmentNames, std::optional<TAlignment>())
      .Color(L"BorderColor", &P::BorderColor, &P::SetBorderColor)
      .Integer(L"BorderWidth", &P::BorderWidth, &P::SetBorderWidth)
      .Color(L"BrushColor", &P::BrushColor, &P::SetBrushColor)
      .Color(L"BrushColorTo", &P::BrushColorTo, &P::SetBrushColorTo)
      .Enum(L"BrushStyle", &P::BrushStyle, &P::SetBrushStyle, BrushStyleNames, std::optional<TBrushStyle>())
      .Int64(L"CellObject", &CellObjectOf, &SetCellObjectOf)
      .Color(L"FontColor", &P::FontColor, &P::SetFontColor)
      .Text(L"FontName", &P::FontName, &P::SetFontName)
      .Integer(L"FontSize", &P::FontSize, &P::SetFontSize)
      .Set(L"FontStyle", &P::FontStyle, &P::SetFontStyle, FontStyleNames, std::optional<TFontStyles>())
      .Enum(L"Editor", &P::Editor, &P::SetEditor, CellEditorTypeNames, std::optional<TEditorType>())
      .Enum(L"GradientDirection", &P::GradientDirection, &P::SetGradientDirection, GradientDirectionNames,
            std::optional<TCellGradientDirection>())
      .Boolean(L"ReadOnly", &P::ReadOnly, &P::SetReadOnly)
      .Enum(L"VAlignment", &P::VAlignment, &P::SetVAlignment, CellVAlignmentNames, std::optional<TVAlignment>())
      .Boolean(L"WordWrap", &P::WordWrap, &P::SetWordWrap)
      .Integer(L"NodeLevel", &P::NodeLevel, &P::SetNodeLevel)
      .Reference<TControl>(L"Control", &P::Control, &P::SetControl);
}

JORV_PUBLISH(TBaseCellGraphic, TPersistent) {
  Class.Enum(L"CellType", &G::CellType, &G::SetCellType, CellTypeNames, std::optional<TCellType>())
      .Enum(L"CellVAlign", &G::CellVAlign, &G::SetCellVAlign, CellVAlignNames, std::optional<TCellVAlign>())
      .Enum(L"CellHAlign", &G::CellHAlign, &G::SetCellHAlign, CellHAlignNames, std::optional<TCellHAlign>())
      .Integer(L"CellIndex", &G::CellIndex, &G::SetCellIndex)
      .Boolean(L"CellTransparent", &G::CellTransparent, &G::SetCellTransparent)
      .Boolean(L"CellCreated", &G::CellCreated, &G::SetCellCreated)
      .Boolean(L"CellBoolean", &G::CellBoolean, &G::SetCellBoolean)
      .Enum(L"CellCheckBoxState", &G::CellCheckBoxState, &G::SetCellCheckBoxState, CheckBoxStateNames,
            std::optional<TCheckBoxState>())
      .Integer(L"CellAngle", &G::CellAngle, &G::SetCellAngle)
      .Float(L"CellValue", &G::CellValue, &G::SetCellValue)
      .Integer(L"CellErrFrom", &G::CellErrFrom, &G::SetCellErrFrom)
      .Integer(L"CellErrLen", &G::CellErrLen, &G::SetCellErrLen)
      .Text(L"CellText", &G::CellText, &G::SetCellText);
}

JORV_PUBLISH(TFilePicture, TPersistent) {
  Class.Text(L"Filename", &TFilePicture::Filename, &TFilePicture::SetFilename)
      .Integer(L"Width", &TFilePicture::Width, &TFilePicture::SetWidth)
      .Integer(L"Height", &TFilePicture::Height, &TFilePicture::SetHeight);
}

}  // namespace jorv::grid

JORV_PUBLISHED_UNIT(grid_cells)
