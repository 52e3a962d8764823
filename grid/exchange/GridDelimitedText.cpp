// Delimited text: one line per row, fields quoted where the text needs it,
// multi-line texts kept by a vertical tab or a line break inside quotes (or
// by "~" in the single-line mode), and the delimiter found from the first
// lines when the grid has none.
#include <algorithm>
#include <climits>
#include <vector>

#include "foundation/TextUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

namespace {

using foundation::CountChar;

constexpr Char DelimiterCandidates[] = {L',', L';', L'#', L'\t', L'|', L'@', L'*', L'-', L'+', L'&'};

bool HasLineBreak(const String& Text) { return Text.find_first_of(L"\r\n") != String::npos; }

bool OddQuotes(const String& Line) { return CountChar(L'"', Line) % 2 == 1; }

// A quoted field broken over lines comes back whole, with CR LF where the
// file broke it: a line that opens a quote takes the following lines until
// its quotes pair up again, so a field of three or more lines joins too.
std::vector<String> JoinBrokenFields(const TStringList& Lines) {
  std::vector<String> Joined;
  Joined.reserve(size_t(Lines.Count()));
  bool Open = false;
  for (Integer i = 0; i < Lines.Count(); ++i) {
    const String Line = Lines.Strings(i);
    if (Open) Joined.back() += L"\r\n" + Line;
    else Joined.push_back(Line);
    if (OddQuotes(Line)) Open = !Open;
  }
  return Joined;
}

// The candidate whose count agrees on the first two lines and is highest;
// ties keep the earlier candidate. #0 when none occurs.
Char DetectDelimiter(const String& First, const String& Second) {
  Char Found = 0;
  Integer Best = 0;
  for (Char Candidate : DelimiterCandidates) {
    const Integer A = foundation::CountOddRuns(Candidate, First), B = foundation::CountOddRuns(Candidate, Second);
    if (A == B && A > Best) Found = Candidate, Best = A;
  }
  if (Found) return Found;
  for (Char Candidate : DelimiterCandidates) {
    const Integer A = CountChar(Candidate, First), B = CountChar(Candidate, Second);
    if (A == B && A > Best) Found = Candidate, Best = A;
  }
  if (Found) return Found;
  for (Char Candidate : DelimiterCandidates) {
    const Integer A = CountChar(Candidate, First), B = CountChar(Candidate, Second);
    if (A > Best || B > Best) Found = Candidate, Best = std::max(A, B);
  }
  return Found;
}

// Leading blanks go while at least two characters remain.
void DropLeadingBlanks(String& Text) {
  size_t Blanks = 0;
  while (Blanks < Text.size() && Text[Blanks] == L' ' && Text.size() - Blanks >= 2) ++Blanks;
  Text.erase(0, Blanks);
}

// A quoted field at the start of Rest, which starts after its opening quote:
// its text up to the closing quote, or empty when none closes it. Rest loses
// everything through the delimiter after the field.
String TakeQuotedField(String& Rest, Char Delim) {
  Integer Close = 0;
  foundation::OddRunEndPos(L'"', Rest, Close);
  String Field;
  if (Close > 0) {
    Field = foundation::RemoveDoubledChar(L'"', Rest.substr(0, size_t(Close - 1)));
    Rest.erase(0, size_t(Close));
  }
  const size_t Next = Rest.find(Delim);
  Rest.erase(0, Next == String::npos ? Rest.size() : Next + 1);
  return Field;
}

}  // namespace

// --- writing --------------------------------------------------------------------------------

String TRezIvevirAvod::CSVField(Integer ACol, Integer ARow, Char Delim) {
  String Text;
  SaveCell(ACol, ARow, Text);
  if (FOemConvert) foundation::ConvertToOem(Text);
  Text = foundation::DoubleQuoteChars(Text);
  bool Quoted = false;
  if (FAlwaysQuotes || (Text.find(Delim) == String::npos && Text.find(L'"') != String::npos)) {
    Text = L"\"" + Text + L"\"";
    Quoted = true;
  }
  if (Text.empty()) {
    if (FJavaCSV) Text = L"^";
    else if (FQuoteEmptyCells) Text = L"\"\"";
  }
  // Any line break counts, a lone CR or LF too: written bare it would end
  // the file's line in the middle of the field.
  if (Text.find(Delim) == String::npos && !HasLineBreak(Text)) return Text;
  if (FJavaCSV) {
    foundation::LineBreaksToTilde(Text);
    // Bare, a delimiter inside the text would split the field in two.
    if (!Quoted && Text.find(Delim) != String::npos) Text = L"\"" + Text + L"\"";
  } else if (Quoted) {
    foundation::RemoveCRBeforeLF(Text);
  } else {
    foundation::QuoteWithVTabBreaks(Text);
  }
  return Text;
}

void TRezIvevirAvod::WriteCSVFile(const String& FileName, bool Append, bool Unicode) {
  TStringList Lines;
  if (Append && FileExists(FileName)) Lines.LoadFromFile(FileName);
  const Char Delim = FDelimiter ? FDelimiter : L',';
  const Integer Hidden = FSaveHiddenCells ? FNumHidden : 0;
  ExportNotification(esExportStart, SaveStartRow());
  Integer LastProgress = INT_MIN;
  for (Integer r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    String Line;
    for (Integer c = SaveStartCol(); c <= SaveEndCol() + Hidden; ++c) {
      if (c > SaveStartCol()) Line += Delim;
      Line += CSVField(FSaveHiddenCells ? c : DisplToRealCol(c), r, Delim);
    }
    Lines.Add(Line);
    if (OnFileProgress) FireFileProgress(Integer(Round(r * 100.0 / std::max(1, RowCount() - 1))), LastProgress);
  }
  ExportNotification(esExportDone, -1);
  Lines.SaveToFile(FileName, Unicode ? FEncoding : TEncoding::Default());
}

void TRezIvevirAvod::SaveToCSV(const String& FileName, bool Unicode) { WriteCSVFile(FileName, false, Unicode); }

void TRezIvevirAvod::AppendToCSV(const String& FileName, bool Unicode) { WriteCSVFile(FileName, true, Unicode); }

// --- reading --------------------------------------------------------------------------------

void TRezIvevirAvod::LoadFromCSV(const String& FileName, Integer MaxRows) { OpenCSVFile(FileName, false, MaxRows); }

void TRezIvevirAvod::InsertFromCSV(const String& FileName, Integer MaxRows) { OpenCSVFile(FileName, true, MaxRows); }

void TRezIvevirAvod::LoadFromCSV(const String& FileName, TEncoding* AEncoding, Integer MaxRows) {
  TStringList Lines;
  Lines.LoadFromFile(FileName, AEncoding);
  TMemoryStream Stream;
  Lines.SaveToStream(&Stream, AEncoding);
  Stream.SetPosition(0);
  LoadFromCSVStream(&Stream, MaxRows);
}

void TRezIvevirAvod::LoadFromCSVStream(TStream* AStream, Integer MaxRows) { ReadCSVFile(AStream, false, MaxRows); }

// Others may go on reading and writing the file meanwhile.
void TRezIvevirAvod::OpenCSVFile(const String& FileName, bool Append, Integer MaxRows) {
  TFileStream File(FileName, fmOpenRead | fmShareDenyNone);
  if (File.Size() > 0) ReadCSVFile(&File, Append, MaxRows);
}

void TRezIvevirAvod::ReadCSVLine(String Line, Char Delim, Integer TargetRow) {
  const Integer Hidden = FSaveHiddenCells ? FNumHidden : 0;
  Integer c = SaveStartCol();
  // The column grows before the field is stored, so that no field falls
  // beyond the grid's last column.
  auto Store = [&](String Field) {
    if (FJavaCSV) foundation::TildeToLineBreaks(Field);
    else foundation::VTabToLineBreaks(Field);
    if (c + 1 > Hidden + ColCount()) SetColCount(c + 1 - Hidden);
    LoadCell(c, TargetRow, Field);
  };
  while (Delim && Line.find(Delim) != String::npos) {
    DropLeadingBlanks(Line);
    String Field;
    if (!Line.empty() && Line[0] == L'"') {
      Line.erase(0, 1);
      Field = TakeQuotedField(Line, Delim);
    } else {
      const size_t Next = Line.find(Delim);
      Field = Line.substr(0, Next);
      Line.erase(0, Next + 1);
    }
    Store(Field);
    ++c;
  }
  if (Line.empty()) return;
  DropLeadingBlanks(Line);
  if (Line[0] == L'"') {
    Line.erase(0, 1);
    if (!Line.empty() && Line.back() == L'"') Line.pop_back();
    Line = foundation::RemoveDoubledChar(L'"', Line);
  }
  Store(Line);
}

void TRezIvevirAvod::ReadCSVFile(TStream* Stream, bool Append, Integer MaxRows) {
  TStringList Lines;
  Lines.LoadFromStream(Stream);
  if (Lines.Count() == 0) throw Exception(L"File is empty");
  if (FOemConvert)
    for (Integer i = 0; i < Lines.Count(); ++i) {
      String Line = Lines.Strings(i);
      foundation::ConvertFromOem(Line);
      Lines.SetStrings(i, Line);
    }
  const std::vector<String> Joined = JoinBrokenFields(Lines);
  const Integer Count = Integer(Joined.size());
  BeginUpdate();
  auto Repaint = ScopeExit([this] { EndUpdate(); });
  const bool Footer = FFloatingFooter->Visible();
  Integer Target = SaveStartRow();
  std::vector<String> FooterTexts;
  if (Append) {
    Target = Footer ? RowCount() - 1 : RowCount();
    if (Footer) {
      for (Integer c = 0; c < AllColCount(); ++c) FooterTexts.push_back(GetGridCell(c, Target));
      EmptyRow(Target);
    }
  }
  const Char Delim = FDelimiter ? FDelimiter : DetectDelimiter(Joined[0], Count > 1 ? Joined[1] : String());
  const Integer First = FLoadFirstRow ? 0 : 1;
  const Integer Total = Count - First;
  if (OnFileProgress) SetRowCount(Append ? RowCount() + Count : SaveStartRow() + Count + FFixedFooters);
  Integer LastProgress = INT_MIN;
  for (Integer i = First; i < Count && (MaxRows <= 0 || i - First < MaxRows); ++i) {
    if (Target >= RowCount() - FFixedFooters) SetRowCount(Target + 1000);
    ReadCSVLine(Joined[size_t(i)], Delim, Target);
    ++Target;
    if (OnFileProgress && Total >= 1) FireFileProgress(Integer(Round((i - First + 1) * 100.0 / Total)), LastProgress);
  }
  // A footer row that no fixed footer counts is one more row after the
  // data, so that the footer never takes the place of the last line read.
  SetRowCount(Target + FFixedFooters + (Footer && FFixedFooters == 0 ? 1 : 0));
  FMaxRowCount = RowCount();
  if (Footer) {
    EmptyRow(RowCount() - 1);
    for (Integer c = 0; c < Integer(FooterTexts.size()) && c < AllColCount(); ++c)
      SetGridCell(c, RowCount() - 1, FooterTexts[size_t(c)]);
  }
  NotifyCellsChanged(TRect(0, 0, ColCount(), RowCount()));
  DoCellsLoaded();
}

}  // namespace jorv::grid
