#include "app/DaysOffForm.h"

#include "app/AppPictures.h"
#include "app/MainForm.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace jorv::app {

namespace {

void SetTahoma(TFont* Font, Integer Height, TFontStyles Style = {}) {
  Font->SetName(L"Tahoma");
  Font->SetHeight(Height);
  Font->SetStyle(Style);
}

// The picker's button glyph: a small calendar leaf.
void DrawPickerGlyph(TBitmap* Glyph) {
  Glyph->SetSize(10, 10);
  TCanvas* C = Glyph->Canvas();
  C->Brush()->SetColor(clFuchsia);
  C->FillRect(TRect(0, 0, 10, 10));
  C->Pen()->SetColor(0x404040);
  C->Brush()->SetColor(clWhite);
  C->Rectangle(0, 1, 10, 10);
  C->Brush()->SetColor(0x2020C0);
  C->FillRect(TRect(1, 2, 9, 4));
  C->SetPixels(3, 6, clBlack);
  C->SetPixels(6, 6, clBlack);
  C->SetPixels(3, 8, clBlack);
}

}  // namespace

TFRM_DaysOff::TFRM_DaysOff(TComponent* AOwner) : TForm(AOwner) {
  SetName(L"FRM_DaysOff");
  SetCaption(L"Feiertage bearbeiten");
  SetBorderStyle(bsToolWindow);
  SetPosition(poOwnerFormCenter);
  SetClientWidth(409);
  SetClientHeight(370);
  SetScaled(false);
  SetColor(clBtnFace);
  SetTahoma(Font(), -11);
  TIcon Icon;
  MakeProgramIcon(&Icon);
  SetIcon(&Icon);
  TDataSource* Source = FRM_Main ? FRM_Main->DS_Tarvok : nullptr;
  MakeList(Source);
  MakeDatePicker(Source);
  DBExEdit1 = new TDBExEdit(this);
  DBExEdit1->SetName(L"DBExEdit1");
  DBExEdit1->SetParent(this);
  DBExEdit1->SetBounds(151, 284, 242, 21);
  DBExEdit1->SetDataSource(Source);
  DBExEdit1->SetDataField(L"Tagestext");
  DBExEdit1->SetColor(clWindow);
  DBExEdit1->SetTabOrder(1);
  DBAgendaDatePicker1->SetTabOrder(2);
  MakeNavigator(Source);
  MakeFooter();
}

void TFRM_DaysOff::MakeList(TDataSource* Source) {
  tdb = new TExPanel(this);
  tdb->SetName(L"tdb");
  tdb->SetParent(this);
  tdb->SetBounds(8, 8, 393, 337);
  tdb->SetBevelInner(bvRaised);
  tdb->SetBevelOuter(bvLowered);
  tdb->Caption()->SetColor(clHighlight);
  tdb->Caption()->SetColorTo(clNone);
  TFont CaptionFont;
  SetTahoma(&CaptionFont, -11);
  CaptionFont.SetColor(clHighlightText);
  tdb->Caption()->SetFont(&CaptionFont);
  tdb->SetText(String());
  tdb->SetFullHeight(0);
  tdb->SetTabOrder(0);
  DBGrid1 = new TDBGrid(this);
  DBGrid1->SetName(L"DBGrid1");
  DBGrid1->SetParent(tdb);
  DBGrid1->SetBounds(8, 8, 377, 262);
  DBGrid1->SetOptions(TDBGridOptions{dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines,
                                     dgTabs, dgConfirmDelete, dgCancelOnExit});
  DBGrid1->Columns()->Add()->SetFieldName(L"Datum");
  TColumn* Text = DBGrid1->Columns()->Add();
  Text->SetFieldName(L"Tagestext");
  Text->SetWidth(229);
  DBGrid1->SetDataSource(Source);
}

void TFRM_DaysOff::MakeDatePicker(TDataSource* Source) {
  DBAgendaDatePicker1 = new TDBAgendaDatePicker(this);
  TDBAgendaDatePicker* P = DBAgendaDatePicker1;
  P->SetName(L"DBAgendaDatePicker1");
  P->SetParent(this);
  P->SetBounds(16, 284, 129, 21);
  P->SetDataField(L"Datum");
  P->SetDataSource(Source);
  P->SetReadOnly(false);
  P->SetButtonStyle(bsButton);
  P->SetButtonWidth(16);
  TBitmap Glyph;
  DrawPickerGlyph(&Glyph);
  P->SetGlyph(&Glyph);
  P->SetFlat(false);
  P->SetEtched(false);
  P->SetHideCalendarAfterSelection(true);
  SetDropDownLooks(P->Calendar());
  // As with a calendar read from a form file: Enter picks the shown date,
  // Escape closes the drop-down.
  P->Calendar()->OnKeyPress = [P](TObject* Sender, Char& Key) { P->CalendarKeyPress(Sender, Key); };
}

void TFRM_DaysOff::SetDropDownLooks(TDBAgendaCalendar* C) {
  C->SetActive(false);
  C->SetAutoUpdate(true);
  C->SetLook(lookFlat);
  C->SetBorderWidth(1);
  C->SetBevelOuter(bvNone);
  C->SetBackgroundPosition(bpTiled);
  C->SetLineColor(clGray);
  C->SetLine3D(true);
  C->SetGradientDirection(gdVertical);
  C->SetGradientStartColor(clWhite);
  C->SetGradientEndColor(clBtnFace);
  C->SetMonthGradientDirection(gdHorizontal);
  C->SetMonthGradientStartColor(clNone);
  C->SetMonthGradientEndColor(clNone);
  C->SetCaptionColor(clNone);
  C->SetCaptionTextColor(clBlack);
  C->SetTextColor(clBlack);
  C->SetSelectColor(clTeal);
  C->SetSelectFontColor(clWhite);
  C->SetInActiveColor(clGray);
  C->SetHeaderColor(clNone);
  C->SetFocusColor(clHighlight);
  C->SetInversColor(clTeal);
  C->SetWeekendColor(clRed);
  C->SetDateDownColor(clNone);
  C->SetDateHoverColor(clNone);
  C->SetEventMarkerShape(evsCircle);
  C->SetEventMarkerColor(clYellow);
  C->SetEventDayColor(clBlack);
  TFont EventFont;
  SetTahoma(&EventFont, -11, TFontStyles{fsBold});
  C->SetEventFont(&EventFont);
  C->SetStartDay(1);
  C->SetShowWeeks(true);
  C->SetWeekName(L"kw");
  C->YearStartAt()->SetISOWeekNumber(true);
  C->SetShowToday(true);
  C->SetShowGotoToday(true);
  C->SetTodayFormat(L"\"Heute \" DDD/mm, YYYY");
  SetGermanNames(C->NameOfDays(), C->NameOfMonths());
  C->SetHintPrevYear(L"Previous Year");
  C->SetHintPrevMonth(L"Previous Month");
  C->SetHintNextMonth(L"Next Month");
  C->SetHintNextYear(L"Next Year");
  TFont Plain;
  SetTahoma(&Plain, -11);
  C->Font()->Assign(&Plain);
  C->SetDayFont(&Plain);
  C->SetWeekFont(&Plain);
  C->SetDate(7, 8, 2007);
}

void TFRM_DaysOff::MakeNavigator(TDataSource* Source) {
  DBExNavigator1 = new TDBExNavigator(this);
  TDBExNavigator* N = DBExNavigator1;
  N->SetName(L"DBExNavigator1");
  N->SetParent(this);
  N->SetBounds(92, 311, 224, 26);
  N->SetDataSource(Source);
  N->SetVisibleButtons(
      TButtonSet{nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbPost, nbCancel});
  N->SetOrientation(noHorizontal);
  N->SetGlyphSize(gsSmall);
  N->SetFlat(false);
  N->SetColor(clBtnFace);
  N->SetColorTo(clNone);
  N->SetColorDown(14210002);
  N->SetColorDownTo(clNone);
  N->SetColorHot(13289415);
  N->SetColorHotTo(clNone);
  N->SetInsertDisabled(false);
  N->SetDeleteDisabled(false);
  N->SetAutoThemeAdapt(false);
  N->SetTabOrder(3);
}

void TFRM_DaysOff::MakeFooter() {
  Label1 = new TLabel(this);
  Label1->SetName(L"Label1");
  Label1->SetParent(this);
  Label1->SetAlign(alBottom);
  Label1->SetAlignWithMargins(true);
  Label1->Margins()->SetBounds(0, 0, 0, 4);
  Label1->SetHeight(19);
  Label1->SetAutoSize(false);
  Label1->SetAlignment(taCenter);
  Label1->SetCursor(crHandPoint);
  SetTahoma(Label1->Font(), -11, TFontStyles{fsUnderline});
  Label1->Font()->SetColor(clBlue);
  Label1->SetGlowSize(3);
  Label1->SetCaption(L"Jorvensaal ist Freeware \u2013 jorvensaal.example.org \u2013 "
                     L"\u00A9 2010-2016 das Jorvensaal-Team");
  Label1->OnClick = [this](TObject* Sender) { Label1Click(Sender); };
}

void TFRM_DaysOff::Label1Click(TObject*) { ShellOpen(L"open", HomePageAddress); }

}  // namespace jorv::app
