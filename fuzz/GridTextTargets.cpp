// The grid's text files as another program or a damaged disk hands them
// over: its own line format as a file and as a stream, delimited text under
// the reader's options, and fixed-width text.
#include <algorithm>

#include "fuzz/Fuzz.h"
#include "grid/base/IntList.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/CustomGrid.h"

namespace jorv::fuzz {

namespace {

using grid::TRezIvevirAvod;

// A grid whose cells a reader may overwrite, one fixed row and column.
void ShapeGrid(TRezIvevirAvod& Grid) {
  Grid.SetColCount(4);
  Grid.SetRowCount(3);
  for (Integer r = 0; r < 3; ++r)
    for (Integer c = 0; c < 4; ++c) Grid.SetCells(c, r, IntToStr(c) + L":" + IntToStr(r));
}

// Counts that large are what the input asks for, not a fault: a grid of
// them takes more memory than the run has. Such inputs are passed over.
bool AsksForHugeGrid(const String& Header) {
  Integer Digits = 0;
  for (Char Ch : Header) {
    if (Ch == L'\r' || Ch == L'\n') break;
    Digits = Ch >= L'0' && Ch <= L'9' ? Digits + 1 : 0;
    if (Digits > 4) return true;
  }
  return false;
}

TInput Units(const std::wstring& Text) {
  TInput Bytes;
  for (wchar_t Unit : Text) Bytes += char(Unit & 0xFF), Bytes += char(Unit >> 8);
  return Bytes;
}

std::vector<TInput> NativeStreamSeeds() {
  return {Units(L"3,2\r\ncw 0,64\r\ncw 1,20\r\ncw 2,30\r\n0,0,a\r\n1,1,x\t\by\r\n2,1,b,c\r\ntrailer\r\n"),
          Units(L"1,1\r\ncw 0,10\r\n")};
}

bool CorruptFile(const Exception& Error) { return dynamic_cast<const grid::DAvoDeveDeviz*>(&Error) != nullptr; }

bool StrictNumbers(const Exception& Error) {
  return dynamic_cast<const EConvertError*>(&Error) || dynamic_cast<const EInvalidGridOperation*>(&Error);
}

bool EmptyText(const Exception& Error) {
  return typeid(Error) == typeid(Exception) && Error.Message() == L"File is empty";
}

void RunNativeFile(const TInput& Input) {
  if (AsksForHugeGrid(InputText(Input))) return;
  TScratchFile File(Input, L".txt");
  TRezIvevirAvod Grid(nullptr);
  ShapeGrid(Grid);
  Grid.SetMultilinecells(InputHash(Input) & 1);
  Grid.SetSaveFixedCells(InputHash(Input) & 2);
  Grid.LoadFromFile(File.Path());
}

void RunNativeStream(const TInput& Input) {
  std::wstring Header;
  for (size_t i = 0; i + 1 < Input.size() && i < 64; i += 2)
    Header += wchar_t(Byte(Input[i]) | (Byte(Input[i + 1]) << 8));
  if (AsksForHugeGrid(Header)) return;
  TRezIvevirAvod Grid(nullptr);
  ShapeGrid(Grid);
  Grid.SetSaveFixedCells(InputHash(Input) & 2);
  const jorv::TBytes Bytes(Input.begin(), Input.end());
  TBytesStream Stream(Bytes);
  Grid.LoadFromStream(&Stream);
}

void RunCSV(const TInput& Input) {
  const uint64_t Hash = InputHash(Input);
  TRezIvevirAvod Grid(nullptr);
  ShapeGrid(Grid);
  Grid.SetJavaCSV(Hash & 1);
  Grid.SetLoadFirstRow(Hash & 2);
  if (Hash & 4) Grid.SetDelimiter(L";,\t|"[(Hash >> 3) & 3]);
  if (Hash & 32) Grid.FloatingFooter()->SetVisible(true);
  const jorv::TBytes Bytes(Input.begin(), Input.end());
  TBytesStream Stream(Bytes);
  if (Hash & 64) {
    Grid.LoadFromCSVStream(&Stream, Integer((Hash >> 8) & 7));
  } else {
    // Appending reads the file name's way.
    TScratchFile File(Input, L".csv");
    Grid.InsertFromCSV(File.Path());
  }
}

void RunFixed(const TInput& Input) {
  TScratchFile File(Input, L".txt");
  TRezIvevirAvod Grid(nullptr);
  ShapeGrid(Grid);
  grid::TIntList Positions;
  for (Integer Position : {7, 1, 4, 12}) Positions.Add(Position);
  Grid.LoadFromFixed(File.Path(), &Positions, InputHash(Input) & 1, Integer(InputHash(Input) % 5) - 1);
}

}  // namespace

void AddGridTextTargets(std::vector<TFuzzTarget>& List) {
  TFuzzTarget NativeFile{"grid-text-file", "grid-text-file", RunNativeFile,
                         {"cw ", ",", "\r\n", "\n", "\r", "\t", "\b", "\x01", "-", "\xFF\xFE", "\xEF\xBB\xBF"}};
  NativeFile.Documented = CorruptFile;
  List.push_back(NativeFile);

  TFuzzTarget NativeStream{"grid-text-stream", "grid-text-stream", RunNativeStream,
                           {std::string("c\0w\0 \0", 6), std::string(",\0", 2), std::string("\r\0\n\0", 4),
                            std::string("\b\0", 2), std::string("-\0", 2)}};
  NativeStream.Documented = StrictNumbers;
  NativeStream.MakeSeeds = NativeStreamSeeds;
  List.push_back(NativeStream);

  TFuzzTarget CSV{"grid-csv", "grid-csv", RunCSV,
                  {",", ";", "\"", "\"\"", "\r\n", "\n", "\v", "~", "^", "\t", "|", " ", "\xEF\xBB\xBF", "\xFF\xFE"}};
  CSV.Documented = EmptyText;
  List.push_back(CSV);

  TFuzzTarget Fixed{"grid-fixed", "grid-fixed", RunFixed, {"\r\n", " ", "\t", "\n"}};
  Fixed.Documented = [](const Exception&) { return false; };
  List.push_back(Fixed);
}

}  // namespace jorv::fuzz
