// Targets that read markup and expressions typed by users or programs: the
// HTML subset (drawn, measured and hit-tested into a bitmap), the panel's
// variant, the markup utilities, filter conditions of cells and of data
// sets, range lists and edit masks.
#include "edit/RangeList.h"
#include "foundation/FilterMatch.h"
#include "foundation/HTMLPanelRenderer.h"
#include "foundation/HTMLRenderer.h"
#include "foundation/HTMLUtils.h"
#include "fuzz/Fuzz.h"
#include "platform/data/DataSet.h"
#include "platform/data/Field.h"
#include "platform/data/MemoryDataSet.h"
#include "platform/gfx/Bitmap.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/DateUtils.h"
#include "platform/ui/MaskEdit.h"

namespace jorv::fuzz {

namespace {

using namespace jorv::foundation;

TCanvas* DrawingCanvas() {
  static TBitmap* Bitmap = [] {
    auto* B = new TBitmap;
    B->SetPixelFormat(pf24bit);
    B->SetSize(320, 200);
    return B;
  }();
  return Bitmap->Canvas();
}

const std::vector<std::string> HtmlTokens = {
    "<B>", "</B>", "<I>", "<U>", "</U>", "<S>", "<BR>", "<HR>", "<P align=\"right\">", "</P>",
    "<FONT face=\"Arial\" size=\"12\" color=\"#FF0000\" bgcolor=\"clYellow\">", "</FONT>",
    "<A href=\"x\" title=\"t\">", "</A>", "<IMG src=\"idx:1\" width=\"20\" height=\"9999\" align=\"middle\">",
    "<IMG src=\"ssys:c:\\\">", "<UL>", "<OL>", "<LI>", "</UL>", "<IND x=\"-5\">", "<SUB>", "<SUP>", "</SUB>",
    "<SHAD>", "<HI>", "</HI>", "<E>", "<BODY bgcolor=\"#00FF00\" background=\"p\">", "<R a=\"90\">",
    "<CONTROL type=\"edit\" id=\"e\" value=\"v\" width=\"80\">", "<Z>", "</Z>", "&amp;", "&nbsp;",
    "&lt;", "&gt;", "&eacute;", "&euro;", "&#", "<", ">", "\"", " ", "\r\n"};

struct THTMLCall {
  String URL, Plain, Focus, Title, ControlID, ControlType, ControlValue;
  Integer Width = 0, Height = 0, Anchors = 0, AnchorUnder = 0;
  TRect AnchorRect{}, ControlRect{};
};

void RunHTML(const TInput& Input) {
  const String Text = InputText(Input);
  const uint64_t H = InputHash(Input);
  const TRect Box = Rect(2, 2, 2 + 40 + Integer(H % 280), 2 + 10 + Integer((H >> 9) % 190));
  for (int Pass = 0; Pass < 3; ++Pass) {
    THTMLCall C;
    DrawHTMLText(DrawingCanvas(), Text, Box, nullptr, Integer((H >> 17) % 320), Integer((H >> 26) % 200),
                 Integer((H >> 3) % 4) - 1, Integer((H >> 5) % 4) - 1, Integer((H >> 7) % 3), Pass == 2, Pass == 1,
                 H & 1, (H >> 1) & 1, (H >> 2) & 1, (H >> 4) & 1, (H >> 6) & 1, (H >> 8) & 1, L"e", 1.0 + double(H % 3),
                 clBlue, clRed, clWhite, clGray, C.URL, C.Plain, C.Focus, C.Title, C.Width, C.Height, C.Anchors,
                 C.AnchorUnder, C.AnchorRect, C.ControlRect, C.ControlID, C.ControlType, C.ControlValue, nullptr,
                 nullptr, nullptr, Integer(H >> 40) % 2);
  }
}

void RunHTMLPanel(const TInput& Input) {
  const String Text = InputText(Input);
  const uint64_t H = InputHash(Input);
  const TRect Box = Rect(0, 0, 30 + Integer(H % 290), 5 + Integer((H >> 9) % 195));
  for (int Pass = 0; Pass < 2; ++Pass) {
    THTMLCall C;
    DrawHTMLText(DrawingCanvas(), Text, Box, nullptr, Integer((H >> 17) % 320), Integer((H >> 26) % 200),
                 Integer((H >> 3) % 4) - 1, -1, 1, false, Pass == 1, H & 1, (H >> 1) & 1, (H >> 2) & 1,
                 (H >> 4) & 1, (H >> 6) & 1, 1.0, clBlue, clRed, clWhite, clGray, C.URL, C.Plain, C.Focus,
                 C.Width, C.Height, C.Anchors, C.AnchorUnder, C.AnchorRect, nullptr, nullptr,
                 Integer((H >> 12) % 7) - 2, 0);
  }
  HTMLToPlainText(Text, (H >> 30) & 1);
}

// The markup as text: plain text, highlights, entities and inline controls.
void RunHTMLText(const TInput& Input) {
  String Search, HTML;
  SplitInput(Input, Search, HTML);
  const uint64_t H = InputHash(Input);
  HTMLToPlainText(HTML);
  StripTags(HTML);
  StripTemplateMarkers(HTML);
  DecodeHTMLEntities(HTML, H & 1);
  EncodeHTMLEntities(HTML, H & 2);
  String Result;
  const String Wrapped = WrapMatchesInTag(HTML, Search, L"HI", Result, H & 4, H & 8);
  RemoveTagPairs(Wrapped, L"HI");
  String Value;
  GetControlValue(HTML, Search, Value);
  GetControlProp(HTML, Search);
  GetControlMaxLen(HTML, Search);
  String Edited = HTML;
  SetControlValue(Edited, NextEditControlID(HTML, Search), Search);
  ClearRadioControls(HTML);
}

void RunFilterMatch(const TInput& Input) {
  String Expression, Value;
  SplitInput(Input, Expression, Value);
  MatchFilterExpression(Expression, Value, InputHash(Input) & 1);
  TDateTime Date;
  ParseFilterValue(Value, Date);
}

TMemoryDataSet& FilterTable() {
  static TMemoryDataSet* Table = [] {
    auto* T = new TMemoryDataSet;
    T->FieldDefs().Add(L"Datum", ftDateTime);
    T->FieldDefs().Add(L"Tagestext", ftWideString, 30);
    T->FieldDefs().Add(L"Anzahl", ftInteger);
    T->FieldDefs().Add(L"Betrag", ftFloat);
    T->CreateDataSet();
    const wchar_t* Texts[] = {L"Neujahr", L"", L"Ostern*", L"Tag der Arbeit"};
    for (int K = 0; K < 4; ++K) {
      T->Append();
      if (K != 1) T->FieldByName(L"Datum")->SetAsDateTime(EncodeDate(2016, 1 + K, 1 + K));
      T->FieldByName(L"Tagestext")->SetAsString(Texts[K]);
      T->FieldByName(L"Anzahl")->SetAsInteger(K * 7 - 3);
      T->FieldByName(L"Betrag")->SetAsFloat(K * 0.5);
      T->Post();
    }
    return T;
  }();
  return *Table;
}

void RunDataFilter(const TInput& Input) {
  TMemoryDataSet& Table = FilterTable();
  const uint64_t H = InputHash(Input);
  TFilterOptions Options;
  if (H & 1) Options.Include(foCaseInsensitive);
  if (H & 2) Options.Include(foNoPartialCompare);
  Table.SetFiltered(false);
  Table.SetFilterOptions(Options);
  // A refused filter leaves the shared table unfiltered for the next input.
  auto Unfilter = ScopeExit([&] {
    Table.SetFiltered(false);
    Table.SetFilter(String());
  });
  Table.SetFilter(InputText(Input));
  Table.SetFiltered(true);
  for (Table.First(); !Table.Eof(); Table.Next()) Table.FieldByName(L"Tagestext")->AsString();
  Unfilter.Dismiss();
}

bool DatabaseError(const Exception& Error) { return dynamic_cast<const EDatabaseError*>(&Error) != nullptr; }

void RunRangeList(const TInput& Input) {
  edit::TRangeList List;
  List.StrToList(InputText(Input));
  const String Compact = List.ToRangeStr();
  edit::TRangeList Again;
  Again.StrToList(Compact);
  for (Integer K = -2; K < 40; ++K) List.InList(K);
}

void RunMask(const TInput& Input) {
  String Mask, Text;
  SplitInput(Input, Mask, Text);
  FormatMaskText(Mask, Text);
  TMaskEdit Edit(nullptr);
  Edit.SetEditMask(Mask);
  Edit.SetEditText(Text);
  Integer Position = 0;
  Edit.Validate(Edit.EditText(), Position);
  Edit.SetEditMask(Text);  // a second mask takes over what the first held
  Edit.Validate(Text, Position);
  Edit.EditText();
}

}  // namespace

void AddTextTargets(std::vector<TFuzzTarget>& List) {
  List.push_back({"html", "html", RunHTML, HtmlTokens});
  List.push_back({"html-panel", "html", RunHTMLPanel, HtmlTokens});
  List.push_back({"html-text", "html-text", RunHTMLText, HtmlTokens});
  List.push_back({"filter-match", "filter-match", RunFilterMatch,
                  {"&", "|", "!", "(", ")", "<", ">", "<=", ">=", "=", "<>", "*", "?", "\"", "#", ".", ",", " "}});
  List.push_back({"data-filter", "data-filter", RunDataFilter,
                  {" AND ", " OR ", "NOT ", "(", ")", "=", "<>", "<=", ">=", "'", "''", "*", "Datum", "Tagestext",
                   "Anzahl", "Betrag", " IS NULL", " NULL"},
                  DatabaseError});
  List.push_back({"range-list", "range-list", RunRangeList, {"-", ",", ";", "2147483647", "-2147483648", " "}});
  List.push_back({"mask", "mask", RunMask,
                  {"!", ">", "<", "<>", "\\", "L", "l", "A", "a", "C", "c", "0", "9", "#", ":", "/", ";0;", ";1;_",
                   ";", "_"}});
}

}  // namespace jorv::fuzz
