#include "platform/ui/RichEdit.h"
#include <richedit.h>
#include <algorithm>
#include "platform/gfx/DCScope.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Streams.h"

namespace jorv {

namespace {

// The window class lives in its own library, loaded once for the process.
void LoadRichEditLibrary() {
  static HMODULE Lib = LoadLibraryW(L"riched20.dll");
  if (!Lib) throw EOutOfResources(L"The rich edit library cannot be loaded");
}

struct TStreamCookie {
  const std::string* In = nullptr;
  size_t Pos = 0;
  std::string* Out = nullptr;
};

DWORD CALLBACK StreamInCallback(DWORD_PTR Cookie, LPBYTE Buf, LONG Cb, LONG* Pcb) {
  auto* C = reinterpret_cast<TStreamCookie*>(Cookie);
  size_t N = std::min<size_t>(static_cast<size_t>(Cb), C->In->size() - C->Pos);
  memcpy(Buf, C->In->data() + C->Pos, N);
  C->Pos += N;
  *Pcb = static_cast<LONG>(N);
  return 0;
}

DWORD CALLBACK StreamOutCallback(DWORD_PTR Cookie, LPBYTE Buf, LONG Cb, LONG* Pcb) {
  auto* C = reinterpret_cast<TStreamCookie*>(Cookie);
  C->Out->append(reinterpret_cast<const char*>(Buf), static_cast<size_t>(Cb));
  *Pcb = Cb;
  return 0;
}

bool IsRtf(const String& S) { return S.compare(0, 5, L"{\\rtf") == 0; }

// RTF is 7-bit text: characters beyond it become \uN? escapes.
std::string RtfBytes(const String& S) {
  std::string R;
  R.reserve(S.size());
  for (Char Ch : S) {
    if (Ch < 0x80) {
      R += static_cast<char>(Ch);
    } else {
      R += "\\u" + std::to_string(static_cast<int16_t>(Ch)) + "?";
    }
  }
  return R;
}

constexpr Integer TwipsPerPoint = 20;

}  // namespace

// Reads and writes the window's character and paragraph formats.
struct TRichFormat {
  static void Get(const TTextAttributes* A, CHARFORMAT2W& F) {
    F = CHARFORMAT2W{};
    F.cbSize = sizeof(F);
    HWND H = A->FRichEdit->Handle();
    SendMessageW(H, EM_GETCHARFORMAT, A->FType == atSelected ? SCF_SELECTION : SCF_DEFAULT,
                 reinterpret_cast<LPARAM>(&F));
  }
  static void Set(TTextAttributes* A, CHARFORMAT2W& F) {
    F.cbSize = sizeof(F);
    HWND H = A->FRichEdit->Handle();
    SendMessageW(H, EM_SETCHARFORMAT, A->FType == atSelected ? SCF_SELECTION : SCF_DEFAULT,
                 reinterpret_cast<LPARAM>(&F));
  }
  static void Get(const TParaAttributes* A, PARAFORMAT2& F) {
    F = PARAFORMAT2{};
    F.cbSize = sizeof(F);
    SendMessageW(A->FRichEdit->Handle(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&F));
  }
  static void Set(TParaAttributes* A, PARAFORMAT2& F) {
    F.cbSize = sizeof(F);
    SendMessageW(A->FRichEdit->Handle(), EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&F));
  }
  static Integer PixelsPerInch() {
    HDC DC = GetDC(nullptr);
    Integer P = GetDeviceCaps(DC, LOGPIXELSX);
    ReleaseDC(nullptr, DC);
    return P;
  }
  static Integer ToPixels(LONG Twips) { return MulDiv(Twips, PixelsPerInch(), 1440); }
  static LONG ToTwips(Integer Pixels) { return MulDiv(Pixels, 1440, PixelsPerInch()); }
};

// --- character attributes -------------------------------------------------------

TColor TTextAttributes::Color() const {
  CHARFORMAT2W F;
  TRichFormat::Get(this, F);
  return (F.dwEffects & CFE_AUTOCOLOR) ? clWindowText : static_cast<TColor>(F.crTextColor);
}

void TTextAttributes::SetColor(TColor Value) {
  CHARFORMAT2W F{};
  F.dwMask = CFM_COLOR;
  if (Value == clWindowText)
    F.dwEffects = CFE_AUTOCOLOR;
  else
    F.crTextColor = ColorToRGB(Value);
  TRichFormat::Set(this, F);
}

String TTextAttributes::Name() const {
  CHARFORMAT2W F;
  TRichFormat::Get(this, F);
  return F.szFaceName;
}

void TTextAttributes::SetName(const String& Value) {
  CHARFORMAT2W F{};
  F.dwMask = CFM_FACE;
  wcsncpy(F.szFaceName, Value.c_str(), LF_FACESIZE - 1);
  TRichFormat::Set(this, F);
}

Integer TTextAttributes::Size() const {
  CHARFORMAT2W F;
  TRichFormat::Get(this, F);
  return F.yHeight / TwipsPerPoint;
}

void TTextAttributes::SetSize(Integer Value) {
  if (Value <= 0) throw ERangeError(L"Font size must be positive");
  CHARFORMAT2W F{};
  F.dwMask = CFM_SIZE;
  F.yHeight = Value * TwipsPerPoint;
  TRichFormat::Set(this, F);
}

TFontStyles TTextAttributes::Style() const {
  CHARFORMAT2W F;
  TRichFormat::Get(this, F);
  TFontStyles S;
  if (F.dwEffects & CFE_BOLD) S += fsBold;
  if (F.dwEffects & CFE_ITALIC) S += fsItalic;
  if (F.dwEffects & CFE_UNDERLINE) S += fsUnderline;
  if (F.dwEffects & CFE_STRIKEOUT) S += fsStrikeOut;
  return S;
}

void TTextAttributes::SetStyle(TFontStyles Value) {
  CHARFORMAT2W F{};
  F.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
  if (Value.Contains(fsBold)) F.dwEffects |= CFE_BOLD;
  if (Value.Contains(fsItalic)) F.dwEffects |= CFE_ITALIC;
  if (Value.Contains(fsUnderline)) F.dwEffects |= CFE_UNDERLINE;
  if (Value.Contains(fsStrikeOut)) F.dwEffects |= CFE_STRIKEOUT;
  TRichFormat::Set(this, F);
}

Integer TTextAttributes::Offset() const {
  CHARFORMAT2W F;
  TRichFormat::Get(this, F);
  return F.yOffset;
}

void TTextAttributes::SetOffset(Integer Value) {
  CHARFORMAT2W F{};
  F.dwMask = CFM_OFFSET;
  F.yOffset = Value;
  TRichFormat::Set(this, F);
}

TFontCharset TTextAttributes::Charset() const {
  CHARFORMAT2W F;
  TRichFormat::Get(this, F);
  return F.bCharSet;
}

void TTextAttributes::SetCharset(TFontCharset Value) {
  CHARFORMAT2W F{};
  F.dwMask = CFM_CHARSET;
  F.bCharSet = Value;
  TRichFormat::Set(this, F);
}

void TTextAttributes::Assign(TPersistent* Source) {
  if (auto* A = dynamic_cast<TTextAttributes*>(Source)) {
    CHARFORMAT2W F;
    TRichFormat::Get(A, F);
    F.dwMask = CFM_COLOR | CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT |
               CFM_OFFSET | CFM_CHARSET;
    TRichFormat::Set(this, F);
    return;
  }
  if (auto* Fo = dynamic_cast<TFont*>(Source)) {
    CHARFORMAT2W F{};
    F.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_CHARSET;
    wcsncpy(F.szFaceName, Fo->Name().c_str(), LF_FACESIZE - 1);
    F.yHeight = Fo->Size() * TwipsPerPoint;
    TFontStyles S = Fo->Style();
    if (S.Contains(fsBold)) F.dwEffects |= CFE_BOLD;
    if (S.Contains(fsItalic)) F.dwEffects |= CFE_ITALIC;
    if (S.Contains(fsUnderline)) F.dwEffects |= CFE_UNDERLINE;
    if (S.Contains(fsStrikeOut)) F.dwEffects |= CFE_STRIKEOUT;
    F.bCharSet = Fo->Charset();
    TRichFormat::Set(this, F);
    SetColor(Fo->Color());
    return;
  }
  TPersistent::Assign(Source);
}

// --- paragraph attributes -------------------------------------------------------

TAlignment TParaAttributes::Alignment() const {
  PARAFORMAT2 F;
  TRichFormat::Get(this, F);
  if (F.wAlignment == PFA_RIGHT) return taRightJustify;
  if (F.wAlignment == PFA_CENTER) return taCenter;
  return taLeftJustify;
}

void TParaAttributes::SetAlignment(TAlignment Value) {
  static const WORD A[] = {PFA_LEFT, PFA_RIGHT, PFA_CENTER};
  PARAFORMAT2 F{};
  F.dwMask = PFM_ALIGNMENT;
  F.wAlignment = A[Value];
  TRichFormat::Set(this, F);
}

Integer TParaAttributes::FirstIndent() const {
  PARAFORMAT2 F;
  TRichFormat::Get(this, F);
  return TRichFormat::ToPixels(F.dxStartIndent);
}

void TParaAttributes::SetFirstIndent(Integer Value) {
  PARAFORMAT2 F{};
  F.dwMask = PFM_STARTINDENT;
  F.dxStartIndent = TRichFormat::ToTwips(Value);
  TRichFormat::Set(this, F);
}

Integer TParaAttributes::LeftIndent() const {
  PARAFORMAT2 F;
  TRichFormat::Get(this, F);
  return TRichFormat::ToPixels(F.dxOffset);
}

void TParaAttributes::SetLeftIndent(Integer Value) {
  PARAFORMAT2 F{};
  F.dwMask = PFM_OFFSET;
  F.dxOffset = TRichFormat::ToTwips(Value);
  TRichFormat::Set(this, F);
}

Integer TParaAttributes::RightIndent() const {
  PARAFORMAT2 F;
  TRichFormat::Get(this, F);
  return TRichFormat::ToPixels(F.dxRightIndent);
}

void TParaAttributes::SetRightIndent(Integer Value) {
  PARAFORMAT2 F{};
  F.dwMask = PFM_RIGHTINDENT;
  F.dxRightIndent = TRichFormat::ToTwips(Value);
  TRichFormat::Set(this, F);
}

TNumberingStyle TParaAttributes::Numbering() const {
  PARAFORMAT2 F;
  TRichFormat::Get(this, F);
  return F.wNumbering == PFN_BULLET ? nsBullet : nsNone;
}

void TParaAttributes::SetNumbering(TNumberingStyle Value) {
  PARAFORMAT2 F{};
  F.dwMask = PFM_NUMBERING;
  F.wNumbering = Value == nsBullet ? PFN_BULLET : 0;
  TRichFormat::Set(this, F);
}

void TParaAttributes::Assign(TPersistent* Source) {
  if (auto* A = dynamic_cast<TParaAttributes*>(Source)) {
    PARAFORMAT2 F;
    TRichFormat::Get(A, F);
    F.dwMask = PFM_ALIGNMENT | PFM_STARTINDENT | PFM_OFFSET | PFM_RIGHTINDENT | PFM_NUMBERING;
    TRichFormat::Set(this, F);
    return;
  }
  TPersistent::Assign(Source);
}

// --- lines ----------------------------------------------------------------------

TRichEditStrings::TRichEditStrings(TCustomRichEdit* RichEdit) : TMemoStrings(RichEdit), FRichEdit(RichEdit) {}

void TRichEditStrings::LoadFromStream(TStream* Stream, TEncoding* Encoding) {
  Int64 Size = Stream->Size() - Stream->Position();
  TBytes Buf(Size > 0 ? static_cast<size_t>(Size) : 0, 0);
  if (!Buf.empty()) Stream->ReadBuffer(Buf.data(), static_cast<Integer>(Buf.size()));
  TEncoding* Detected = Encoding;
  Integer Skip = TEncoding::GetBufferEncoding(Buf.data(), Buf.size(), Detected, nullptr);
  // A string stream's UTF-16 carries no mark: its first character shows it.
  if (!Encoding && Skip == 0 && Buf.size() >= 2 && Buf[0] != 0 && Buf[1] == 0) Detected = TEncoding::Unicode();
  String Text = Detected->GetString(Buf.data() + Skip, Buf.size() - Skip);
  // The kind is the content's, whatever PlainText says.
  if (IsRtf(Text))
    FRichEdit->SetRtfText(RtfBytes(Text));
  else
    FRichEdit->SetText(Text);
}

void TRichEditStrings::SaveToStream(TStream* Stream, TEncoding* Encoding) {
  if (FRichEdit->PlainText()) {
    TMemoStrings::SaveToStream(Stream, Encoding);
    return;
  }
  std::string Rtf = FRichEdit->RtfText();
  if (!Encoding) {
    // RTF is 7-bit: its bytes are the same in every single-byte encoding.
    if (!Rtf.empty()) Stream->WriteBuffer(Rtf.data(), static_cast<Integer>(Rtf.size()));
    return;
  }
  if (WriteBOM()) {
    TBytes Bom = Encoding->GetPreamble();
    if (!Bom.empty()) Stream->WriteBuffer(Bom.data(), static_cast<Integer>(Bom.size()));
  }
  TBytes Bytes = Encoding->GetBytes(String(Rtf.begin(), Rtf.end()));
  if (!Bytes.empty()) Stream->WriteBuffer(Bytes.data(), static_cast<Integer>(Bytes.size()));
}

// --- the control ----------------------------------------------------------------

TCustomRichEdit::TCustomRichEdit(TComponent* AOwner)
    : TCustomMemo(AOwner),
      FSelAttributes(std::make_unique<TTextAttributes>(this, atSelected)),
      FDefAttributes(std::make_unique<TTextAttributes>(this, atDefaultText)),
      FParagraph(std::make_unique<TParaAttributes>(this)) {
  FLines.reset(new TRichEditStrings(this));
}

TCustomRichEdit::~TCustomRichEdit() { DestroyHandle(); }

void TCustomRichEdit::CreateParams(TCreateParams& P) {
  LoadRichEditLibrary();
  TCustomMemo::CreateParams(P);
  CreateSubClass(P, RICHEDIT_CLASSW);
  // Without a parent the control still works as a converter, unseen.
  if (!P.WndParent && !FParent) P.WndParent = HWND_MESSAGE;
  P.Style &= ~ES_WANTRETURN;
  if (FWordWrap) P.Style &= ~WS_HSCROLL;
}

void TCustomRichEdit::CreateWnd() {
  TCustomMemo::CreateWnd();
  // The character format's text limit is separate from EM_LIMITTEXT's.
  SendMessageW(FHandle, EM_EXLIMITTEXT, 0, FMaxLength > 0 ? FMaxLength : 0x7FFFFFF0);
  SendMessageW(FHandle, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE | ENM_REQUESTRESIZE);
  if (FHasSavedRtf) {
    SetRtfText(FSavedRtf);
    FSavedRtf.clear();
    FHasSavedRtf = false;
  }
}

void TCustomRichEdit::DestroyWnd() {
  // The formatting goes with the window unless kept as RTF.
  if (!FComponentState.Contains(csDestroying)) {
    FSavedRtf = RtfText();
    FHasSavedRtf = true;
  }
  TCustomMemo::DestroyWnd();
}

std::string TCustomRichEdit::RtfText() {
  std::string Out;
  TStreamCookie C;
  C.Out = &Out;
  EDITSTREAM ES{reinterpret_cast<DWORD_PTR>(&C), 0, StreamOutCallback};
  SendMessageW(Handle(), EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&ES));
  // The control ends the document with a zero byte, which is no part of
  // it: kept, it would end up inside cell texts and files.
  while (!Out.empty() && Out.back() == '\0') Out.pop_back();
  return Out;
}

void TCustomRichEdit::SetRtfText(const std::string& Rtf) {
  TStreamCookie C;
  C.In = &Rtf;
  EDITSTREAM ES{reinterpret_cast<DWORD_PTR>(&C), 0, StreamInCallback};
  SendMessageW(Handle(), EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&ES));
  if (ES.dwError != 0) throw EReadError(L"The rich text could not be read");
}

void TCustomRichEdit::RequestSize() {
  SendMessageW(Handle(), EM_REQUESTRESIZE, 0, 0);
}

Integer TCustomRichEdit::FormatRange(HDC DC, const TRect& Rect, Integer FirstChar, Integer LastChar, bool Render) {
  HWND H = Handle();
  FORMATRANGE FR{};
  FR.hdc = DC;
  FR.hdcTarget = DC;
  // The measures are twips of the target device.
  Integer PX = GetDeviceCaps(DC, LOGPIXELSX), PY = GetDeviceCaps(DC, LOGPIXELSY);
  FR.rc = RECT{MulDiv(Rect.Left, 1440, PX), MulDiv(Rect.Top, 1440, PY), MulDiv(Rect.Right, 1440, PX),
               MulDiv(Rect.Bottom, 1440, PY)};
  FR.rcPage = FR.rc;
  FR.chrg.cpMin = FirstChar;
  FR.chrg.cpMax = LastChar;
  LRESULT Next = SendMessageW(H, EM_FORMATRANGE, Render, reinterpret_cast<LPARAM>(&FR));
  // The control keeps layout data for the device until told to let go.
  SendMessageW(H, EM_FORMATRANGE, FALSE, 0);
  Integer Len = GetWindowTextLengthW(H);
  if (Next <= FirstChar && FirstChar < Len && !Rect.IsEmpty()) return PrintRange(DC, Rect, FirstChar, Render);
  return static_cast<Integer>(Next);
}

Integer TCustomRichEdit::PrintRange(HDC DC, const TRect& Rect, Integer FirstChar, bool Render) {
  HWND H = Handle();
  RECT WR, CR;
  GetWindowRect(H, &WR);
  GetClientRect(H, &CR);
  Integer OldW = WR.right - WR.left, OldH = WR.bottom - WR.top;
  Integer FrameW = OldW - CR.right, FrameH = OldH - CR.bottom;
  Integer OldTop = static_cast<Integer>(SendMessageW(H, EM_GETFIRSTVISIBLELINE, 0, 0));
  DWORD SelS = 0, SelE = 0;
  SendMessageW(H, EM_GETSEL, reinterpret_cast<WPARAM>(&SelS), reinterpret_cast<LPARAM>(&SelE));
  const UINT Flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
  Integer Next = FirstChar;
  FControlState += csPaintCopy;
  auto Restore = ScopeExit([&] { FControlState -= csPaintCopy; });
  SetWindowPos(H, nullptr, 0, 0, Rect.Width() + FrameW, Rect.Height() + FrameH, Flags);
  Integer Line = static_cast<Integer>(SendMessageW(H, EM_LINEFROMCHAR, FirstChar, 0));
  Integer Top = static_cast<Integer>(SendMessageW(H, EM_GETFIRSTVISIBLELINE, 0, 0));
  SendMessageW(H, EM_LINESCROLL, 0, Line - Top);
  if (Render) {
    TSavedDC Saved(DC);
    OffsetViewportOrgEx(DC, Rect.Left, Rect.Top, nullptr);
    IntersectClipRect(DC, 0, 0, Rect.Width(), Rect.Height());
    SendMessageW(H, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(DC), PRF_CLIENT);
  }
  // The first line that is not whole inside the rectangle comes next.
  Integer Count = static_cast<Integer>(SendMessageW(H, EM_GETLINECOUNT, 0, 0));
  auto LineTop = [H](Integer L) {
    POINTL P{};
    SendMessageW(H, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&P), SendMessageW(H, EM_LINEINDEX, L, 0));
    return static_cast<Integer>(P.y);
  };
  Next = GetWindowTextLengthW(H);
  Integer PrevTop = LineTop(Line);
  Integer LineH = 0;
  for (Integer L = Line; L < Count; ++L) {
    Integer T = LineTop(L);
    Integer Bottom;
    if (L + 1 < Count) {
      Bottom = LineTop(L + 1);
      LineH = Bottom - T;
    } else {
      Bottom = T + (LineH > 0 ? LineH : T - PrevTop);
    }
    PrevTop = T;
    if (Bottom > Rect.Height()) {
      Next = L == Line ? FirstChar : static_cast<Integer>(SendMessageW(H, EM_LINEINDEX, L, 0));
      break;
    }
  }
  SetWindowPos(H, nullptr, 0, 0, OldW, OldH, Flags);
  Integer NowTop = static_cast<Integer>(SendMessageW(H, EM_GETFIRSTVISIBLELINE, 0, 0));
  SendMessageW(H, EM_LINESCROLL, 0, OldTop - NowTop);
  SendMessageW(H, EM_SETSEL, SelS, SelE);
  return Next;
}

void TCustomRichEdit::PaintWindow(HDC DC) {
  // The system's rich edit paints a given DC only when asked to print.
  CallWindowProcW(FDefWndProc, FHandle, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(DC), PRF_CLIENT);
}

void TCustomRichEdit::Dispatch(TMessage& M) {
  if (M.Msg == CN_NOTIFY) {
    NMHDR* N = MsgAs<TWMNotify>(M).NMHdr;
    if (N->code == EN_REQUESTRESIZE) {
      auto* R = reinterpret_cast<REQRESIZE*>(N);
      TRect Rc = jorv::Rect(R->rc.left, R->rc.top, R->rc.right, R->rc.bottom);
      RequestSizeChanged(Rc);
      return;
    }
    if (N->code == EN_SELCHANGE) {
      SelectionChange();
      return;
    }
  }
  TCustomMemo::Dispatch(M);
}

void TCustomRichEdit::RequestSizeChanged(TRect& Rect) {
  if (OnResizeRequest) OnResizeRequest(this, Rect);
}

void TCustomRichEdit::SelectionChange() {
  if (OnSelectionChange) OnSelectionChange(this);
}

}  // namespace jorv
