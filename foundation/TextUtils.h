#pragma once
// Free string routines shared by the grid and the drop-down editors:
// natural-order comparison, searching and counting, splitting and quoting,
// and the encodings that keep multi-line texts on one line.
// Positions are 1-based; CR and LF are the characters 13 and 10.
#include "platform/rtl/Types.h"

namespace jorv {
class TStrings;
class TCanvas;
}
namespace jorv::foundation {


// Natural order (digit runs by value, case ignored) when the process had
// shlwapi loaded at start-up; otherwise plain code-unit order.
Integer CompareNatural(const Char* S1, const Char* S2);
String FoldAccents(const String& Text);
// Sub is expected in upper case already.
Integer PosInUpperCase(const String& Sub, const String& Text);
Integer FindSubStr(const String& Sub, const String& Text, Integer& Pos);
// Pos is written only when Ch is found.
Integer FindCharPos(Char Ch, const String& Text, Integer& Pos);
Integer CharPos(Char Ch, const String& Text);
Integer PosWide(const String& Sub, const String& Text);
Integer CountChar(Char Ch, const String& Text);
Integer CountCharDelim(Char Ch, Char Delimiter, const String& Text);
// Position ending the first odd run of Ch (a doubled quote is an even run
// and so no field boundary), or the length when a run reaches the end.
Integer OddRunEndPos(Char Ch, const String& Text, Integer& Pos);
Integer CountOddRuns(Char Ch, const String& Text);
bool IsURLText(const String& Text);
void StripURLProtocol(String& Text);
template <typename TGridRectLike>
bool CellInGridRect(const TGridRectLike& Rect, Integer Col, Integer Row) {
  return Col >= Rect.Left && Col <= Rect.Right && Row >= Rect.Top &&
         Row <= Rect.Bottom;
}
inline Integer IntMax(Integer A, Integer B) { return A > B ? A : B; }
inline Integer IntMin(Integer A, Integer B) { return A < B ? A : B; }
// A limit of 0 or less is no limit; equal limits leave the value alone.
Integer LimitValue(Integer Value, Integer Min, Integer Max);

void SplitText(Char Separator, const String& Text, TStrings* List);
String ExtractToken(String& Text, Char Separator);
String ConcatStrings(const TStrings* List);
String DoubleQuoteChars(const String& Text);
String RemoveDoubledChar(Char Ch, const String& Text);
void FillWithChar(String& Text, Char Ch);
// Prefix in upper case, such as "HTTP://"; Dest is untouched when false.
bool InsertHyperlinkAnchor(const String& Text, const String& Prefix, String& Dest);

String LineBreaksToCtrlChars(const String& Text);
String CtrlCharsToLineBreaks(const String& Text, bool MultiLine);
void LineBreaksToTilde(String& Text);
void TildeToLineBreaks(String& Text);
void QuoteWithVTabBreaks(String& Text);
void VTabToLineBreaks(String& Text);
void RemoveCRBeforeLF(String& Text);
String RemoveCR(const String& Text);
String CRToLF(const String& Text);
String CRToBRTag(const String& Text);
String EscapedNewlineToCR(const String& Text);
String CRToEscapedNewline(const String& Text);
// Line gets the text before the first CR; Text loses it, the CR and one LF
// after it, and is cleared altogether unless Keep.
void TakeFirstLine(String& Text, bool Keep, String& Line);
Integer CountTextLines(const String& Text, bool MultiLine);
// The widest line on the canvas up to the first empty one.
String LongestLine(TCanvas* Canvas, const String& Text);
// Hooks of the OEM text option; they leave the text as it is.
void ConvertToOem(String& Text);
void ConvertFromOem(String& Text);

}  // namespace jorv::foundation
