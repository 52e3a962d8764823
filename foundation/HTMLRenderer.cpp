#include "foundation/HTMLRenderer.h"

#include <algorithm>
#include <memory>
#include "foundation/HTMLPicture.h"
#include "foundation/HTMLSubset.h"
#include "foundation/HTMLUtils.h"
#include "foundation/XPTheme.h"
#include <vssym32.h>
#include <shellapi.h>
#include <commctrl.h>
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Pen.h"
#include "platform/gfx/Graphic.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::foundation {

namespace {

bool IsXPOrLater() {
  static const bool Value = [] {
    OSVERSIONINFOW vi{};
    vi.dwOSVersionInfoSize = sizeof(vi);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&vi)) return false;
#pragma GCC diagnostic pop
    return vi.dwMajorVersion > 5 || (vi.dwMajorVersion == 5 && vi.dwMinorVersion != 0);
  }();
  return Value;
}

bool MiddleEasternLocale() {
  switch (PRIMARYLANGID(GetSystemDefaultLangID())) {
    case LANG_ARABIC: case LANG_HEBREW: case LANG_FARSI: case LANG_URDU:
      return true;
    default:
      return false;
  }
}

constexpr UINT BaseFlags = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING;

// Copies the parts of a font the tags change.
void CopyFont(TFont* Dst, TFont* Src) { Dst->Assign(Src); }

// A bitmap selected into a memory device context for one drawing.
class TScratchBitmap {
 public:
  TScratchBitmap(HDC Like, Integer Width, Integer Height, bool Monochrome)
      : FDC(CreateCompatibleDC(Like)),
        FBitmap(Monochrome ? CreateBitmap(Width, Height, 1, 1, nullptr)
                           : CreateCompatibleBitmap(Like, Width, Height)),
        FOld(SelectObject(FDC, FBitmap)) {}
  ~TScratchBitmap() {
    SelectObject(FDC, FOld);
    DeleteObject(FBitmap);
    DeleteDC(FDC);
  }
  TScratchBitmap(const TScratchBitmap&) = delete;
  TScratchBitmap& operator=(const TScratchBitmap&) = delete;
  HDC DC() const { return FDC; }

 private:
  HDC FDC = nullptr;
  HBITMAP FBitmap = nullptr;
  HGDIOBJ FOld = nullptr;
};

// Picture Index of List (Width x Height) stretched into Dest at X, Y by
// Scale, keeping the list's transparency: the mask clears the picture's
// shape, then the picture drawn on black is ORed into it.
void StretchListPicture(HDC Dest, Integer X, Integer Y, HIMAGELIST List, Integer Index,
                        Integer Width, Integer Height, double Scale) {
  if (Width <= 0 || Height <= 0) return;
  TScratchBitmap Mask(Dest, Width, Height, true), Image(Dest, Width, Height, false);
  PatBlt(Mask.DC(), 0, 0, Width, Height, WHITENESS);
  ImageList_DrawEx(List, Index, Mask.DC(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_MASK);
  PatBlt(Image.DC(), 0, 0, Width, Height, BLACKNESS);
  ImageList_DrawEx(List, Index, Image.DC(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
  Integer W = Integer(Round(Width * Scale)), H = Integer(Round(Height * Scale));
  int OldMode = SetStretchBltMode(Dest, COLORONCOLOR);
  COLORREF OldText = SetTextColor(Dest, RGB(0, 0, 0));
  COLORREF OldBack = SetBkColor(Dest, RGB(255, 255, 255));
  StretchBlt(Dest, X, Y, W, H, Mask.DC(), 0, 0, Width, Height, SRCAND);
  StretchBlt(Dest, X, Y, W, H, Image.DC(), 0, 0, Width, Height, SRCPAINT);
  SetBkColor(Dest, OldBack);
  SetTextColor(Dest, OldText);
  SetStretchBltMode(Dest, OldMode);
}

// The system image list's icon for a file, folder or extension, or for an
// icon index given as a number. Returns the list's icon size; draws only
// when asked.
TSize DrawSystemIcon(TCanvas* Canvas, Integer X, Integer Y, double Scale, bool Stretched,
                     bool Draw, bool Large, const String& Name) {
  SHFILEINFOW Info{};
  UINT Size = Large ? SHGFI_LARGEICON : SHGFI_SMALLICON;
  Integer Index = 0;
  HIMAGELIST List = nullptr;
  if (TryStrToInt(Name, Index)) {
    List = HIMAGELIST(SHGetFileInfoW(L"C:\\", 0, &Info, sizeof(Info), SHGFI_SYSICONINDEX | Size));
  } else {
    DWORD_PTR r = 0;
    if (GetFileAttributesW(Name.c_str()) != INVALID_FILE_ATTRIBUTES)
      r = SHGetFileInfoW(Name.c_str(), 0, &Info, sizeof(Info), SHGFI_SYSICONINDEX | Size);
    if (!r)
      r = SHGetFileInfoW(Name.c_str(), FILE_ATTRIBUTE_NORMAL, &Info, sizeof(Info),
                         SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES | Size);
    List = HIMAGELIST(r);
    Index = Info.iIcon;
  }
  if (!List) return {0, 0};
  int W = 0, H = 0;
  ImageList_GetIconSize(List, &W, &H);
  if (Draw) {
    if (Stretched)
      StretchListPicture(Canvas->Handle(), X, Y, List, Index, W, H, Scale);
    else
      ImageList_Draw(List, Index, Canvas->Handle(), X, Y, ILD_TRANSPARENT);
  }
  return {W, H};
}

// The panel's runs know no letter entities.
String PanelRunEntities(String Run) {
  auto All = [&](const wchar_t* From, const wchar_t* To) {
    size_t n = wcslen(From);
    for (size_t i = Run.find(From); i != String::npos; i = Run.find(From, i + 1))
      Run.replace(i, n, To);
  };
  All(L"&nbsp;", L" ");
  All(L"&lt;", L"<");
  All(L"&gt;", L">");
  return Run;
}

bool IsTrimmed(Char c) { return c <= L' '; }

// Everything one pass carries from tag to tag.
struct TPassState {
  bool InAnchor = false;
  String AnchorURL, AnchorTitle;
  bool Hidden = false, Shadow = false, ErrorLine = false, Sub = false, Sup = false;
  bool ParaBackground = false;
  Integer ListLevel = 0;
  Integer AnchorNo = 0;
  Integer ImageNo = 0;
  TColor SavedFontBrush = clNone, SavedParaBrush = clNone, SavedHiBrush = clNone,
         SavedHiText = clNone, SavedHoverBrush = clNone, SavedHoverText = clNone;
  // Rotation: the rotated font selected into the DC and the one it replaced.
  HFONT RotFont = nullptr, RotOld = nullptr;
  // The panel's line offset and numbered lists.
  Integer LineOffset = 0;
  bool Numbered = false;
  Integer NextNumber = 1;
};

struct TLineMetrics {
  Integer Height = 0, SubExtra = 0, SupExtra = 0, Raise = 0;
  Integer Width = 0;
  bool Full = false, Ends = false;
  bool DropRest = false;
  bool ListItem = false;
  // The unplaced line's width: alignment and indent move a line without
  // narrowing it, so both passes fit runs against the same width.
  Integer Avail = 0;
  bool TextAnchorHit = false;
};

class TRenderer {
 public:
  TCanvas* C;
  TRect Area;
  TCustomImageList* Images;
  Integer TestX, TestY, FocusAnchor, HoverAnchor, ShadowOffset;
  bool TestOnly, MeasureOnly, ScaleList, KeepColors, Blink, HoverMode, WordWrap;
  bool Pressed;
  String PressedID;
  double Scale;
  TColor URLColor, HoverColor, HoverTextColor, ShadowColor;
  THTMLPictureCache* Cache;
  IHTMLPictureContainer* Container;
  HWND Wnd;
  // The panel's variant: see THTMLPanelVariant.
  bool PV = false;
  Integer LineSpacing = 0;
  UINT Flags = BaseFlags;
  bool Themed = false;
  TColor EntryBackground = clNone;

  // outputs
  String URLUnderPoint, PlainText, FocusedURL, TitleUnderPoint;
  Integer MaxWidth = 0, AnchorUnderPoint = -1;
  TRect AnchorRect{}, ControlRect{};
  String ControlID, ControlType, ControlValue;
  bool ControlOrImageHit = false;
  Integer ImageUnderPoint = -1;
  bool AnchorMarked = false;

  TAlignment Align = taLeftJustify;
  Integer Indent = 0;
  std::unique_ptr<TFont> BaseFont = std::make_unique<TFont>();

  // Per line, per pass.
  Integer CurX = 0;
  Integer AnchorStartX = -1, AnchorStartY = 0;
  bool AnchorStartedOnLine = false;
  Integer FocusStartX = -1;
  bool FirstPass = true;

  Integer GH() { return C->TextHeight(L"gh"); }

  bool Hovered(const TPassState& S) const {
    return !HoverMode || S.AnchorNo == HoverAnchor;
  }
  TColor BrushColor() const {
    return C->Brush()->Style() == bsClear ? clNone : C->Brush()->Color();
  }
  void SetBrushColor(TColor Color) {
    if (Color == clNone) {
      C->Brush()->SetStyle(bsClear);
    } else {
      C->Brush()->SetColor(Color);
      C->Brush()->SetStyle(bsSolid);
    }
  }

  // Sets up the DC so that DrawText uses the canvas font, colour and brush.
  HDC PrepareDC() {
    C->TextExtent(String());  // selects the font
    HDC dc = C->Handle();
    SetTextColor(dc, ColorToRGB(C->Font()->Color()));
    TColor b = BrushColor();
    if (b == clNone) {
      SetBkMode(dc, TRANSPARENT);
    } else {
      SetBkMode(dc, OPAQUE);
      SetBkColor(dc, ColorToRGB(b));
    }
    return dc;
  }

  Integer RunWidth(const String& Run, const TRect& R) {
    HDC dc = PrepareDC();
    RECT r{R.Left, R.Top, R.Right, R.Bottom};
    // Without the ellipsis: it would clip the measure to the rectangle and
    // hide that a run does not fit.
    DrawTextW(dc, Run.c_str(), int(Run.size()), &r, (Flags & ~DT_END_ELLIPSIS) | DT_CALCRECT);
    return r.right - r.left;
  }

  void DrawRun(const String& Run, const TRect& R) {
    HDC dc = PrepareDC();
    RECT r{R.Left, R.Top, R.Right, R.Bottom};
    DrawTextW(dc, Run.c_str(), int(Run.size()), &r, Flags);
  }

  TGraphic* FindPicture(const String& Src) {
    String Name;
    Integer Index = 0;
    THTMLImageKind Kind = HTMLImageKind(Src, Name, Index);
    if (Kind == hikContainer && Container) return HTMLContainerPicture(Container, Src);
    if (Kind == hikURL && Cache) {
      TGraphic* G = Cache->FindPicture(Src);
      if (!G) {
        THTMLPicture* P = Cache->AddPicture();
        P->SetAsynch(false);
        P->LoadFromURL(Src);
        G = Cache->FindPicture(Src);
      }
      return G;
    }
    return nullptr;
  }

  // Lays out (and draws) one line of Text from position From on; From
  // moves to where the next line starts.
  bool Pass(TPassState& S, const String& Text, Integer& From, const TRect& R, bool Measuring, bool Drawing,
            TLineMetrics& M, String* Source);
  void ApplyTag(TPassState& S, const String& Tag, const TRect& R, bool Drawing, TLineMetrics& M);
  void InlineBox(TPassState& S, Integer W, Integer H, TLineMetrics& M,
                 bool& Fits);
  void DoImage(TPassState& S, const String& Tag, const TRect& R, bool Drawing, TLineMetrics& M);
  void DoControl(TPassState& S, const String& Tag, const TRect& R, bool Drawing,
                 TLineMetrics& M);
  bool PanelOTag(TPassState& S, const String& Tag, TLineMetrics& M);
  void PanelBody(TPassState& S, const String& Tag, const TRect& R);
  void PanelListItem(TPassState& S, const String& Tag, const TRect& R, bool Drawing,
                     TLineMetrics& M);
  // An image-list picture or a system icon at its own size, or stretched by
  // the picture scale with its transparency kept.
  void DrawListOrIcon(THTMLImageKind Kind, Integer Index, const String& Name, Integer X, Integer Y);
  void DrawListPicture(const String& Src, Integer X, Integer Y);
};

void SelectRotatedFont(TCanvas* Canvas, Integer Angle, TPassState& S) {
  HDC dc = Canvas->Handle();
  Canvas->TextExtent(String());
  LOGFONTW lf{};
  GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(lf), &lf);
  lf.lfEscapement = Angle * 10;
  lf.lfOrientation = Angle * 10;
  HFONT f = CreateFontIndirectW(&lf);
  HFONT old = HFONT(SelectObject(dc, f));
  if (S.RotFont) {  // a second R replaces the first rotation; keep the original font
    DeleteObject(S.RotFont);
  } else {
    S.RotOld = old;
  }
  S.RotFont = f;
}

void RestoreRotatedFont(TCanvas* Canvas, TPassState& S) {
  if (!S.RotFont) return;
  SelectObject(Canvas->Handle(), S.RotOld);
  DeleteObject(S.RotFont);
  S.RotFont = nullptr;
  S.RotOld = nullptr;
}

void TRenderer::InlineBox(TPassState& S, Integer W, Integer H, TLineMetrics& M,
                          bool& Fits) {
  Integer Avail = M.Avail - (PV ? S.LineOffset : 0);
  Fits = !(W > Avail - M.Width && W < Avail && M.Width > 0);
  if (!Fits) {
    M.Full = true;
    return;
  }
  M.Width += W;
  if (H > M.Height) M.Height = H;
}

void TRenderer::DoImage(TPassState& S, const String& Tag, const TRect& R, bool Drawing,
                        TLineMetrics& M) {
  S.ImageNo++;
  THTMLImageAttrs A = ReadHTMLImage(Tag);
  String Src = A.Src;
  if (PV)
    Src = HTMLTagAttr(Tag, L"SRC");  // the panel keeps the source's case
  else if (!A.Alt.empty() && S.ImageNo == ImageUnderPoint)
    Src = A.Alt;
  String Name;
  Integer Index = 0;
  THTMLImageKind Kind = HTMLImageKind(Src, Name, Index);
  HDC dc = C->Handle();
  Integer px = GetDeviceCaps(dc, LOGPIXELSX), py = GetDeviceCaps(dc, LOGPIXELSY);
  Integer W = 0, H = 0;
  TGraphic* G = nullptr;
  bool ListPic = false;
  if (Kind == hikImageList) {
    if (!Images || Index < 0 || Index >= Images->Count()) return;
    ListPic = true;
    W = Images->Width();
    H = Images->Height();
  } else if (Kind == hikContainer || Kind == hikURL) {
    G = FindPicture(Src);
    if (!G || G->Empty()) return;
    if (A.Width > 0 || A.Height > 0) {
      W = A.Width > 0 ? A.Width : Integer(Round(double(A.Height) * G->Width() / std::max(1, G->Height())));
      H = A.Height > 0 ? A.Height : Integer(Round(double(A.Width) * G->Height() / std::max(1, G->Width())));
    } else if (auto* HP = dynamic_cast<THTMLPicture*>(G)) {
      W = HP->GetMaxWidth();
      H = HP->GetMaxHeight();
    } else {
      W = G->Width();
      H = G->Height();
    }
  } else if (Kind == hikSmallSysIcon || Kind == hikLargeSysIcon) {
    TSize Sz = DrawSystemIcon(C, 0, 0, Scale, false, false, Kind == hikLargeSysIcon, Name);
    if (Sz.cx <= 0) return;
    W = Sz.cx;
    H = Sz.cy;
  } else {
    return;
  }
  bool SysIcon = Kind == hikSmallSysIcon || Kind == hikLargeSysIcon;
  // The picture scale stretches list pictures and icons where they are
  // drawn; the line makes room for their own size.
  Integer LW = MulDiv(W, px, 96), LH = MulDiv(H, py, 96);
  bool Fits = true;
  Integer Left = CurX;
  InlineBox(S, LW, LH, M, Fits);
  if (!Fits) {
    S.ImageNo--;  // counted again when the tag is applied on the next line
    return;
  }
  if (Drawing) {
    if (ListPic || SysIcon) {
      DrawListOrIcon(Kind, Index, Name, Left, R.Top);
    } else {
      auto* HP = dynamic_cast<THTMLPicture*>(G);
      if (A.Width > 0 || A.Height > 0) {
        if (HP) HP->SetStretch(true);
        C->StretchDraw(TRect{Left, R.Top, Left + W, R.Top + H}, G);
      } else if (HP && HP->FrameCount() > 1) {
        // Frames may be smaller than the picture: clear the largest first.
        TColor OldPen = C->Pen()->Color(), OldBrush = BrushColor();
        C->Pen()->SetColor(EntryBackground);
        SetBrushColor(EntryBackground);
        C->Rectangle(TRect{Left, R.Top, Left + W, R.Top + H});
        C->Pen()->SetColor(OldPen);
        SetBrushColor(OldBrush);
        C->Draw(Left + HP->FrameXPos(), R.Top + HP->FrameYPos(), G);
      } else {
        C->Draw(Left, R.Top, G);
      }
    }
  }
  // Only a linked picture counts as a hit.
  if (S.InAnchor && TestX >= Left && TestX < Left + LW && TestY >= R.Top &&
      TestY < R.Top + LH) {
    ControlOrImageHit = true;
    URLUnderPoint = S.AnchorURL;
    TitleUnderPoint = S.AnchorTitle;
    ImageUnderPoint = S.ImageNo;
  }
  CurX += LW;
  Integer TH = C->TextHeight(L"gh");
  String U = UpperCase(Tag);
  if (Pos(L"\"TOP", U) > 0) {
    M.Raise = std::max(0, M.Height - TH);
  } else if (Pos(L"\"MIDDLE", U) > 0) {
    M.Raise = std::max(0, (M.Height - TH) / 2);
  }
  if (PV && Pos(L"WRAP", U) > 0) {
    // The picture floats: its line keeps the height of the text.
    M.Height = TH;
    M.Raise = 0;
  }
}

void TRenderer::DoControl(TPassState& S, const String& Tag, const TRect& R, bool Drawing,
                          TLineMetrics& M) {
  String Type, ID, Value, WidthS, HeightS, Prop, MaxLen;
  ParseControlTag(Tag, Type, ID, Value, WidthS, HeightS, Prop, MaxLen);
  Integer W = 0;
  if (!TryStrToInt(WidthS, W) || W <= 0) return;
  Integer H = 25;
  Integer Hv = 0;
  if (TryStrToInt(HeightS, Hv) && Hv > 0) H = Hv;
  Integer LineH = (Type == L"CHECK" || Type == L"RADIO") ? 16 : 23;
  if (H > 25) LineH = H - 2;
  Integer HitW = W, HitH = C->TextHeight(L"gh") + 10;
  if (Type == L"BUTTON" || Type == L"COMBO") HitH = 25;
  Integer CheckSize = Integer(Round(16 * Scale));
  if (Type == L"CHECK" || Type == L"RADIO") {
    HitW = CheckSize;
    HitH = 16;
  }
  bool Fits = true;
  Integer Left = CurX;
  InlineBox(S, W, LineH, M, Fits);
  if (!Fits) return;
  if (Drawing) {
    HDC dc = C->Handle();
    Integer Bottom = R.Bottom;
    TColor Outline = Themed ? TColor(0xB99D7F) : TColor(0x808080);
    bool Hot = TestX > Left && TestX < Left + HitW && TestY > R.Top && TestY < R.Top + HitH;
    if (Type == L"EDIT" || Type == L"PASSWORD" || Type == L"MASK" || Type == L"COMBO") {
      TRect Box{Left, Bottom - M.Height + 4, Left + W, Bottom + 2};
      C->Pen()->SetColor(Outline);
      C->Pen()->SetWidth(1);
      C->Brush()->SetStyle(bsSolid);
      C->Brush()->SetColor(clWhite);
      C->Rectangle(Box);
      String V = Type == L"PASSWORD" ? PasswordMask(Value) : Value;
      RECT tr{Box.Left + (Type == L"COMBO" ? 4 : 2), Box.Top, Box.Right - (Type == L"COMBO" ? 18 : 0),
              Box.Bottom};
      PrepareDC();
      SetBkMode(dc, TRANSPARENT);
      DrawTextW(dc, V.c_str(), int(V.size()), &tr, DT_SINGLELINE | DT_VCENTER);
      if (Type == L"COMBO") {
        RECT br{Box.Right - 17, Bottom - M.Height + 5, Box.Right - 1, Bottom + 1};
        HTHEME th = Themed ? OpenThemeData(Wnd, L"combobox") : nullptr;
        if (th) {
          DrawThemeBackground(th, dc, CP_DROPDOWNBUTTON, Hot ? CBXS_HOT : CBXS_NORMAL, &br, nullptr);
          CloseThemeData(th);
        } else {
          DrawFrameControl(dc, &br, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
        }
      }
    } else if (Type == L"CHECK" || Type == L"RADIO") {
      bool Ticked = UpperCase(Value) == L"TRUE";
      bool Check = Type == L"CHECK";
      Integer Size = Check ? CheckSize : 16;
      RECT br = Check ? RECT{Left + 2, Bottom - Size + 1, Left + Size - 1, Bottom}
                      : RECT{Left + 2, Bottom - 14, Left + 14, Bottom};
      HTHEME th = Themed ? OpenThemeData(Wnd, L"button") : nullptr;
      if (th) {
        int State = Check ? int(Ticked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL)
                          : int(Ticked ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL);
        DrawThemeBackground(th, dc, Check ? BP_CHECKBOX : BP_RADIOBUTTON, State, &br, nullptr);
        CloseThemeData(th);
      } else {
        DrawFrameControl(dc, &br, DFC_BUTTON,
                         (Check ? DFCS_BUTTONCHECK : DFCS_BUTTONRADIO) | DFCS_FLAT |
                             (Ticked ? DFCS_CHECKED : 0));
      }
    } else if (Type == L"BUTTON") {
      RECT br{Left + 2, Bottom - H, Left + W - 2, Bottom};
      bool Down = Pressed && PressedID == ID;
      HTHEME th = Themed ? OpenThemeData(Wnd, L"button") : nullptr;
      if (th) {
        DrawThemeBackground(th, dc, BP_PUSHBUTTON, Down ? PBS_PRESSED : Hot ? PBS_HOT : PBS_NORMAL,
                            &br, nullptr);
        CloseThemeData(th);
      } else {
        DrawFrameControl(dc, &br, DFC_BUTTON, DFCS_BUTTONPUSH | (Hot && Down ? DFCS_PUSHED : 0));
      }
      RECT tr{br.left + 2, br.top + 2, br.right - 2, br.bottom - 2};
      PrepareDC();
      SetBkMode(dc, TRANSPARENT);
      DrawTextW(dc, Value.c_str(), int(Value.size()), &tr, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
  }
  bool Inside = TestX > Left && TestX < Left + HitW && TestY > R.Top &&
                TestY < R.Top + HitH;
  if (Inside || (TestOnly && !ID.empty() && ID == ControlID)) {
    ControlOrImageHit = true;
    URLUnderPoint = L"ctrl";
    ImageUnderPoint = S.ImageNo;
    ControlRect = TRect{Left, R.Top, Left + HitW, R.Top + HitH};
    ControlID = ID;
    ControlType = Type;
    ControlValue = Value;
  }
  CurX += W;
}

bool TRenderer::PanelOTag(TPassState& S, const String& Tag, TLineMetrics& M) {
  if (Tag.size() < 3) return false;
  bool Closing = Tag[1] == L'/' && Tag.size() >= 4;
  Char L = towupper(Tag[Closing ? 2 : 1]);
  if (L != L'O') return false;
  if (Closing) {
    if (Tag[3] == L'>') {
      S.LineOffset = 0;
    } else if (S.ListLevel >= 1) {
      S.ListLevel--;
      S.Numbered = false;
    } else {
      S.LineOffset = 0;
    }
    return true;
  }
  if (towupper(Tag[2]) == L'F') {
    Integer X = 0;
    if (ReadHTMLIndent(Tag, X)) {
      S.LineOffset = X;
      if (Area.Left + X > CurX) M.Width += Area.Left + X - CurX;
      CurX = Area.Left + X;
    }
    return true;
  }
  S.ListLevel++;
  M.Ends = true;
  S.Numbered = true;
  S.NextNumber = 1;
  return true;
}

void TRenderer::DrawListOrIcon(THTMLImageKind Kind, Integer Index, const String& Name, Integer X,
                               Integer Y) {
  if (Kind != hikImageList)
    DrawSystemIcon(C, X, Y, Scale, ScaleList, true, Kind == hikLargeSysIcon, Name);
  else if (ScaleList)
    StretchListPicture(C->Handle(), X, Y, Images->Handle(), Index, Images->Width(),
                       Images->Height(), Scale);
  else
    Images->Draw(C, X, Y, Index);
}

void TRenderer::DrawListPicture(const String& Src, Integer X, Integer Y) {
  String Name;
  Integer Index = 0;
  THTMLImageKind Kind = HTMLImageKind(Src, Name, Index);
  bool ListPic = Kind == hikImageList;
  if (ListPic && (!Images || Index < 0 || Index >= Images->Count())) return;
  if (ListPic || Kind == hikSmallSysIcon || Kind == hikLargeSysIcon) {
    DrawListOrIcon(Kind, Index, Name, X, Y);
  } else if (TGraphic* G = FindPicture(Src); G && !G->Empty() && G->Width() > 0 &&
                                             G->Height() > 0) {
    HDC dc = C->Handle();
    HRGN rgn = CreateRectRgn(Area.Left, Area.Top, Area.Right, Area.Bottom);
    SelectClipRgn(dc, rgn);
    for (Integer y = Area.Top; y < Area.Bottom; y += G->Height())
      for (Integer x = Area.Left; x < Area.Right; x += G->Width()) C->Draw(x, y, G);
    SelectClipRgn(dc, nullptr);
    DeleteObject(rgn);
  }
}

void TRenderer::PanelBody(TPassState& S, const String& Tag, const TRect& R) {
  if (KeepColors) return;
  String Bg = HTMLTagAttr(Tag, L"BACKGROUND");
  if (!Bg.empty()) DrawListPicture(Bg, CurX, R.Top);
  String TL = HTMLTagAttr(Tag, L"BGTOPLEFT");
  if (!TL.empty()) DrawListPicture(TL, CurX, R.Top);
  String TR = HTMLTagAttr(Tag, L"BGTOPRIGHT");
  if (!TR.empty()) DrawListPicture(TR, R.Right - (Images ? Images->Width() : 0), R.Top);
  TColor From = HTMLColorValue(HTMLTagAttr(Tag, L"BGCOLOR="));
  TColor To = HTMLColorValue(HTMLTagAttr(Tag, L"BGCOLORTO"));
  if (From == clNone) return;
  if (To == clNone) {
    S.SavedFontBrush = From;
    SetBrushColor(From);
    TColor Old = C->Pen()->Color();
    C->Pen()->SetColor(From);
    C->Rectangle(TRect{Area.Left - 2, Area.Top, Area.Right, Area.Bottom});
    C->Pen()->SetColor(Old);
    return;
  }
  String Dir = UpperCase(HTMLTagAttr(Tag, L"DIR"));
  DrawBodyGradient(C, From, To, Dir.empty() || Dir == L"H", Area, 64, clNone);
  SetBrushColor(clNone);
}

void TRenderer::PanelListItem(TPassState& S, const String& Tag, const TRect& R, bool Drawing,
                              TLineMetrics& M) {
  String Type = UpperCase(HTMLTagAttr(Tag, L"TYPE"));
  TColor Color = HTMLColorValue(HTMLTagAttr(Tag, L"COLOR"));
  TFont* F = C->Font();
  Integer Adv = S.ListLevel * 12;
  if (Type.empty() && S.Numbered) {
    TFontName OldName = F->Name();
    TColor OldColor = F->Color();
    F->SetName(L"Symbol");
    if (Color != clNone) F->SetColor(Color);
    String Number = IntToStr(S.NextNumber++) + L". ";
    Integer X = CurX + Adv - 12;
    Integer NW = C->TextWidth(Number);
    if (Drawing && !S.Hidden) DrawRun(Number, TRect{X, R.Top, R.Right, R.Bottom});
    F->SetName(OldName);
    F->SetColor(OldColor);
    Adv = Adv - 12 + NW;
  } else if (Drawing && !S.Hidden) {
    Integer X = CurX + Adv - 12;
    if (Type == L"SQUARE" || Type == L"CIRCLE") {
      TColor OldBrush = BrushColor(), OldPen = C->Pen()->Color();
      TColor Fill = Color == clNone ? clBlack : Color;
      C->Pen()->SetColor(Fill);
      SetBrushColor(Fill);
      TRect Box{X, R.Top + 2, X + 8, R.Top + 10};
      if (Type == L"SQUARE") C->Rectangle(Box); else C->Ellipse(Box);
      SetBrushColor(OldBrush);
      C->Pen()->SetColor(OldPen);
    } else if (Type.empty()) {
      TFontName OldName = F->Name();
      TColor OldColor = F->Color();
      F->SetName(L"Symbol");
      if (Color != clNone) F->SetColor(Color);
      DrawRun(String(1, HTMLBulletChar(S.ListLevel)), TRect{X, R.Top, R.Right, R.Bottom});
      F->SetName(OldName);
      F->SetColor(OldColor);
    }
  }
  CurX += Adv;
  M.Width += Adv;
}

void TRenderer::ApplyTag(TPassState& S, const String& Tag, const TRect& R, bool Drawing,
                         TLineMetrics& M) {
  if (PV && PanelOTag(S, Tag, M)) return;
  bool Closing = false;
  THTMLTag Kind = ClassifyHTMLTag(Tag, S.ListLevel, Closing);
  TFont* F = C->Font();
  auto Style = [&](TFontStyle St, bool On) {
    TFontStyles s = F->Style();
    if (On) s.Include(St); else s.Exclude(St);
    F->SetStyle(s);
  };
  if (!Closing) {
    switch (Kind) {
      case htAnchor: {
        if (PV) BaseFont->SetColor(F->Color());
        S.AnchorNo++;
        if (Drawing && S.AnchorNo - 1 == FocusAnchor) FocusStartX = CurX;
        THTMLAnchorAttrs A = ReadHTMLAnchor(Tag);
        if (!A.HRef.empty()) {
          S.InAnchor = true;
          S.AnchorURL = A.HRef;
        }
        S.AnchorTitle = A.Title;
        AnchorStartX = CurX;
        AnchorStartY = R.Top;
        AnchorStartedOnLine = true;
        bool Hov = HoverMode && S.AnchorNo == HoverAnchor;
        if (Drawing && Hovered(S)) {
          Style(fsUnderline, true);
          if (HoverColor != clNone) {
            S.SavedHoverBrush = BrushColor();
            SetBrushColor(HoverColor);
          }
          if (HoverTextColor != clNone) {
            S.SavedHoverText = F->Color();
            F->SetColor(HoverTextColor);
          }
        }
        if (!KeepColors && !(HoverTextColor != clNone && Hov)) F->SetColor(URLColor);
        break;
      }
      case htBold: Style(fsBold, true); break;
      case htItalic: Style(fsItalic, true); break;
      case htUnderline: Style(fsUnderline, true); break;
      case htStrikeout: Style(fsStrikeOut, true); break;
      case htLineBreak:
        if (FirstPass) PlainText += L'\r';
        M.Ends = true;
        break;
      case htBlink:
        if (!Blink) F->SetColor(EntryBackground);
        break;
      case htBody:
        if (Drawing && PV) {
          PanelBody(S, Tag, R);
        } else if (Drawing) {
          THTMLBodyAttrs A = ReadHTMLBody(Tag);
          if (!A.Background.empty()) {
            if (TGraphic* G = FindPicture(A.Background); G && !G->Empty() && G->Width() > 0 &&
                                                        G->Height() > 0) {
              HDC dc = C->Handle();
              HRGN rgn = CreateRectRgn(Area.Left, Area.Top, Area.Right, Area.Bottom);
              SelectClipRgn(dc, rgn);
              for (Integer y = Area.Top; y < Area.Bottom; y += G->Height())
                for (Integer x = Area.Left; x < Area.Right; x += G->Width()) C->Draw(x, y, G);
              SelectClipRgn(dc, nullptr);
              DeleteObject(rgn);
            }
          }
          if (A.BgColor != clNone) {
            SetBrushColor(A.BgColor);
            S.SavedFontBrush = A.BgColor;
            C->Pen()->SetColor(A.BgColor);
            C->Rectangle(Area);
          }
        }
        break;
      case htControl:
        if (!PV) DoControl(S, Tag, R, Drawing, M);
        break;
      case htError:
        if (Drawing) S.ErrorLine = true;
        break;
      case htFont: {
        THTMLFontAttrs A = ReadHTMLFont(Tag);
        if (PV) {
          S.SavedFontBrush = BrushColor();
          if (A.Color != clNone) BaseFont->SetColor(F->Color());
        }
        if (!A.Face.empty()) F->SetName(A.Face);
        if (A.Color != clNone && !KeepColors) F->SetColor(A.Color);
        if (A.HasBgColor && Drawing && !KeepColors) {
          S.SavedFontBrush = BrushColor();
          if (A.BgColor != clNone) SetBrushColor(A.BgColor);
        }
        if (A.Size > 0) F->SetSize(A.Size);
        break;
      }
      case htHighlight:
        if (Drawing) {
          S.SavedHiText = F->Color();
          S.SavedHiBrush = BrushColor();
          SetBrushColor(PV ? clHighlight : HTMLHilightColor());
          F->SetColor(PV ? clHighlightText : HTMLHilightTextColor());
        }
        break;
      case htRule:
        if (Drawing) {
          TColor Old = C->Pen()->Color();
          TColor Line = clBlack;
          if (PV) {
            TColor Given = HTMLColorValue(HTMLTagAttr(Tag, L"COLOR"));
            if (Given != clNone) Line = Given;
          }
          C->Pen()->SetColor(Line);
          C->Pen()->SetWidth(1);
          C->MoveTo(R.Left, R.Bottom + 1);
          C->LineTo(R.Right, R.Bottom + 1);
          if (!PV) C->Pen()->SetColor(Old);
        }
        M.Ends = true;
        break;
      case htIndent: {
        Integer X = 0;
        if (ReadHTMLIndent(Tag, X) && CurX - Area.Left < X) {
          M.Width += Area.Left + X - CurX;
          CurX = Area.Left + X;
        }
        break;
      }
      case htImage: DoImage(S, Tag, R, Drawing, M); break;
      case htListItem: {
        if (M.ListItem) {
          // A second item on one line starts the next line.
          M.Full = true;
          break;
        }
        M.ListItem = true;
        if (PV) {
          PanelListItem(S, Tag, R, Drawing, M);
          break;
        }
        Integer Adv = S.ListLevel * 12;
        if (Drawing) {
          TFontName Old = F->Name();
          F->SetName(L"Symbol");
          String Bullet(1, HTMLBulletChar(S.ListLevel));
          DrawRun(Bullet, TRect{CurX + Adv - 12, R.Top, R.Right, R.Bottom});
          F->SetName(Old);
        }
        CurX += Adv;
        M.Width += Adv;
        break;
      }
      case htParagraph: {
        THTMLParagraphAttrs A = ReadHTMLParagraph(Tag);
        if (A.HasAlign) Align = A.Align;
        if (A.HasIndent) Indent = A.Indent;
        TColor To = PV ? HTMLColorValue(UpperCase(HTMLTagAttr(Tag, L"BGCOLORTO"))) : clNone;
        if (PV && KeepColors) {
        } else if (To != clNone && A.HasBgColor && A.BgColor != clNone && Drawing) {
          S.ParaBackground = true;
          S.SavedParaBrush = BrushColor();
          DrawBodyGradient(C, A.BgColor, To, true,
                           TRect{Area.Left, R.Top, Area.Right, R.Bottom + 2}, 64, clNone);
          SetBrushColor(clNone);
        } else if (A.HasBgColor && A.BgColor != clNone && Drawing) {
          S.ParaBackground = true;
          S.SavedParaBrush = BrushColor();
          SetBrushColor(A.BgColor);
          C->Pen()->SetColor(A.BgColor);
          C->Rectangle(TRect{Area.Left, R.Top, Area.Right, R.Top + M.Height});
        }
        break;
      }
      case htRotation: SelectRotatedFont(C, ReadHTMLRotation(Tag), S); break;
      case htShadow: S.Shadow = true; break;
      case htSubscript: S.Sub = true; break;
      case htSuperscript: S.Sup = true; break;
      case htList:
        S.ListLevel++;
        M.Ends = true;
        S.Numbered = false;
        break;
      case htHidden: S.Hidden = true; break;
      default: break;
    }
    return;
  }
  switch (Kind) {
    case htAnchor:
      if (Drawing && Hovered(S)) {
        Style(fsUnderline, false);
        if (HoverColor != clNone) SetBrushColor(S.SavedHoverBrush);
        if (HoverTextColor != clNone) F->SetColor(S.SavedHoverText);
      }
      if (!KeepColors) F->SetColor(BaseFont->Color());
      S.InAnchor = false;
      if (AnchorMarked) {
        AnchorRect = TRect{AnchorStartedOnLine ? AnchorStartX : R.Left,
                           AnchorStartedOnLine ? AnchorStartY : R.Top, CurX, R.Bottom};
        AnchorUnderPoint = S.AnchorNo;
        AnchorMarked = false;
      }
      if (Drawing && FocusStartX >= 0 && S.AnchorNo - 1 == FocusAnchor) {
        C->Brush()->SetStyle(bsClear);
        RECT fr{FocusStartX - 1, R.Bottom - C->TextHeight(L"gh"), CurX + 1, R.Bottom};
        DrawFocusRect(C->Handle(), &fr);
        FocusStartX = -1;
      }
      break;
    case htBold: Style(fsBold, false); break;
    case htBlink: case htBody: F->SetColor(BaseFont->Color()); break;
    case htError:
      if (Drawing) S.ErrorLine = false;
      break;
    case htFont:
      F->SetName(BaseFont->Name());
      F->SetSize(BaseFont->Size());
      if (Drawing && !KeepColors) {
        F->SetColor(BaseFont->Color());
        SetBrushColor(S.SavedFontBrush);
      }
      break;
    case htHighlight:
      if (Drawing) {
        F->SetColor(S.SavedHiText);
        SetBrushColor(S.SavedHiBrush);
      }
      break;
    case htItalic: Style(fsItalic, false); break;
    case htListItem: M.Ends = true; break;
    case htParagraph:
      M.Ends = true;
      if (Drawing) {
        SetBrushColor(S.SavedParaBrush);
        S.ParaBackground = false;
      }
      break;
    case htRotation: RestoreRotatedFont(C, S); break;
    case htSubscript: S.Sub = S.Sup = false; break;
    case htShadow: S.Shadow = false; break;
    case htStrikeout: Style(fsStrikeOut, false); break;
    case htUnderline: Style(fsUnderline, false); break;
    case htList: S.ListLevel--; break;
    case htHidden: S.Hidden = false; break;
    default: break;
  }
}

bool TRenderer::Pass(TPassState& S, const String& Text, Integer& From, const TRect& R, bool Measuring,
                     bool Drawing, TLineMetrics& M, String* Source) {
  M.Width = 0;
  M.Full = M.Ends = false;
  CurX = R.Left + (PV && Drawing ? S.LineOffset : 0);
  AnchorStartedOnLine = false;
  // A focused anchor left open by the previous line goes on from this one's left.
  if (Drawing && FocusStartX >= 0) FocusStartX = R.Left + 1;
  M.ListItem = false;
  if (Drawing && S.ParaBackground && BrushColor() != clNone) {
    TColor Old = C->Pen()->Color();
    C->Pen()->SetColor(BrushColor());
    C->Rectangle(TRect{Area.Left, R.Top, Area.Right, R.Top + M.Height});
    C->Pen()->SetColor(Old);
  }
  Integer Avail = M.Avail - (PV ? S.LineOffset : 0);
  Integer TrailingSpace = 0;
  String Visible;
  bool FirstRun = true;
  Integer Pos1 = From;
  while (Pos1 <= Integer(Text.size()) && !M.Ends && !M.Full) {
    String Token;
    Integer Start = Pos1;
    THTMLTokenKind K = NextHTMLToken(Text, Pos1, WordWrap, Token);
    if (K == htkEnd) {
      Pos1 = Integer(Text.size()) + 1;
      break;
    }
    if (K == htkTag) {
      Integer Before = M.Width;
      ApplyTag(S, Token, R, Drawing, M);
      if (M.Full) {
        M.Width = std::min(M.Width, Before);
        Pos1 = Start;
        break;
      }
      if (Source) *Source += Token;
      continue;
    }
    String Run = PV ? PanelRunEntities(Token) : DecodeHTMLRunEntities(Token);
    if (Run.empty()) {
      if (Source) *Source += Token;
      continue;
    }
    Integer TH = C->TextHeight(Run);
    if (TH > M.Height) M.Height = TH;
    if (S.Sub) M.SubExtra = std::max(M.SubExtra, TH / 4);
    if (S.Sup) M.SupExtra = std::max(M.SupExtra, TH / 4);
    if (FirstPass) PlainText += Run;
    if (S.Hidden) {
      if (Source) *Source += Token;
      continue;
    }
    Integer W = RunWidth(Run, R);
    Integer RunLeft = CurX;
    // Fitting decides before drawing so that a wrapped word is not drawn twice.
    bool EndsInSpace = !Visible.empty() && Visible.back() == L' ';
    bool Taken = M.Width + W < Avail || W >= Avail || !EndsInSpace || !WordWrap;
    if (!Taken) {
      Pos1 = Start;
      M.Ends = true;
      break;
    }
    if (!WordWrap && FirstRun && Measuring && W >= Avail) M.DropRest = true;
    FirstRun = false;
    if (Measuring) {
      Integer RelX = TestX - R.Left;
      if (RelX >= RunLeft - R.Left && RelX < RunLeft - R.Left + W && S.InAnchor) {
        M.TextAnchorHit = true;
        if (R.Top < TestY) {
          URLUnderPoint = S.AnchorURL;
          TitleUnderPoint = S.AnchorTitle;
          AnchorMarked = true;
        }
      }
    }
    if (Drawing) {
      Integer B = R.Bottom - M.Raise;
      if (S.Sub) B += M.SubExtra;
      if (S.Sup) B -= M.SupExtra;
      B -= M.SubExtra;
      UINT Keep = Flags;
      if (PV) Flags &= ~DT_EXTERNALLEADING;
      Integer Right = R.Right + (PV && C->Font()->Style().Contains(fsItalic) ? 2 : 0);
      bool Skip = PV && !WordWrap && CurX >= R.Right - C->TextWidth(L"l");
      if (S.Shadow && !Skip) {
        TColor Old = C->Font()->Color();
        C->Font()->SetColor(ShadowColor);
        DrawRun(Run, TRect{CurX + ShadowOffset, R.Top + ShadowOffset, Right + ShadowOffset,
                           B + ShadowOffset});
        C->Font()->SetColor(Old);
      }
      if (!Skip) DrawRun(Run, TRect{CurX, R.Top, Right, B});
      Flags = Keep;
      if (S.InAnchor && S.AnchorNo - 1 == FocusAnchor) FocusedURL = S.AnchorURL;
      if (S.ErrorLine) {
        HDC dc = C->Handle();
        HPEN Pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
        HPEN Old = HPEN(SelectObject(dc, Pen));
        Integer X = (CurX / 2) * 2;
        Integer Phase = X % 4 == 0 ? 2 : 0;
        Integer Y = R.Bottom - 1;
        MoveToEx(dc, X, Y + Phase, nullptr);
        while (X < CurX + W) {
          X += 2;
          Phase = Phase == 0 ? 2 : 0;
          LineTo(dc, X, Y + Phase);
        }
        SelectObject(dc, Old);
        DeleteObject(Pen);
      }
    }
    CurX += W;
    M.Width += W;
    Visible += Run;
    TrailingSpace = Run.back() == L' ' ? C->TextWidth(L" ") : 0;
    if (Source) *Source += Token;
  }
  From = Pos1;
  if (M.Width - TrailingSpace + (PV ? 2 : 0) > MaxWidth)
    MaxWidth = M.Width - TrailingSpace + (PV ? 2 : 0);
  if (Drawing && S.InAnchor && FocusStartX >= 0 && S.AnchorNo - 1 == FocusAnchor) {
    RECT fr{FocusStartX - 1, R.Bottom - C->TextHeight(L"gh"), CurX + 1, R.Bottom};
    DrawFocusRect(C->Handle(), &fr);
  }
  return true;
}

}  // namespace

UINT ApplyRTLFlags(UINT Flags, Integer BiDiMode) {
  if (!MiddleEasternLocale()) return Flags;
  if (BiDiMode == 1) {
    if (Flags & DT_RIGHT)
      Flags &= ~DT_RIGHT;
    else if (!(Flags & DT_CENTER))
      Flags |= DT_RIGHT;
  }
  if (BiDiMode != 0) Flags |= DT_RTLREADING;
  return Flags;
}

bool DrawHTMLText(TCanvas* Canvas, const String& Text, const TRect& Rect,
                  TCustomImageList* Images, Integer TestX, Integer TestY, Integer FocusAnchor,
                  Integer HoverAnchor, Integer ShadowOffset, bool TestOnly, bool MeasureOnly,
                  bool ScaleListPictures, bool KeepColors, bool BlinkPhase, bool HoverMode,
                  bool WordWrap, bool ControlPressed, const String& PressedID,
                  double PictureScale, TColor URLColor, TColor HoverColor, TColor HoverTextColor,
                  TColor ShadowColor, String& URLUnderPoint, String& PlainText,
                  String& FocusedURL, String& TitleUnderPoint, Integer& Width, Integer& Height,
                  Integer& AnchorCount, Integer& AnchorUnderPoint, TRect& AnchorRect,
                  TRect& ControlRect, String& ControlID, String& ControlType,
                  String& ControlValue, THTMLPictureCache* PictureCache,
                  IHTMLPictureContainer* PictureContainer, HWND WindowHandle, Integer BiDiMode,
                  const THTMLPanelVariant* Panel) {
  TRenderer E;
  E.C = Canvas;
  E.Area = Rect;
  E.Images = Images;
  E.TestX = TestX;
  E.TestY = TestY;
  E.FocusAnchor = FocusAnchor;
  E.HoverAnchor = HoverAnchor;
  E.ShadowOffset = ShadowOffset;
  E.TestOnly = TestOnly;
  E.MeasureOnly = MeasureOnly;
  E.ScaleList = ScaleListPictures;
  E.KeepColors = KeepColors;
  E.Blink = BlinkPhase;
  E.HoverMode = HoverMode;
  E.WordWrap = WordWrap;
  E.Pressed = ControlPressed;
  E.PressedID = PressedID;
  E.Scale = PictureScale < 1.0 ? 1.0 : PictureScale;
  E.URLColor = URLColor;
  E.HoverColor = HoverColor;
  E.HoverTextColor = HoverTextColor;
  E.ShadowColor = ShadowColor;
  E.Cache = PictureCache;
  E.Container = PictureContainer;
  E.Wnd = WindowHandle;
  E.ControlID = TestOnly ? ControlID : String();
  if (Panel) {
    E.PV = true;
    E.LineSpacing = Panel->LineSpacing;
  }

  // 1. Save what the call changes.
  TColor OldPenColor = Canvas->Pen()->Color();
  Integer OldPenWidth = Canvas->Pen()->Width();
  TColor OldBrushColor = Canvas->Brush()->Color();
  TBrushStyle OldBrushStyle = Canvas->Brush()->Style();
  E.EntryBackground = OldBrushColor;
  CopyFont(E.BaseFont.get(), Canvas->Font());
  auto Font1 = std::make_unique<TFont>();  // canvas font for the next measuring pass
  auto Font2 = std::make_unique<TFont>();  // canvas font for the next drawing pass
  CopyFont(Font1.get(), Canvas->Font());
  CopyFont(Font2.get(), Canvas->Font());
  E.SetBrushColor(clNone);
  if (IsXPOrLater() && IsThemeActive && OpenThemeData && DrawThemeBackground && CloseThemeData)
    E.Themed = IsThemeActive();

  // 2. Outputs.
  ControlRect = TRect{0, 0, 0, 0};
  Width = Height = AnchorCount = 0;
  AnchorUnderPoint = -1;
  SetBkMode(Canvas->Handle(), TRANSPARENT);
  E.Flags = BaseFlags | (WordWrap ? 0 : DT_END_ELLIPSIS);
  // A free-standing ampersand in a panel text is meant literally.
  if (E.PV && Text.find(L" & ") != String::npos) E.Flags |= DT_NOPREFIX;
  E.Flags = ApplyRTLFlags(E.Flags, BiDiMode);

  // 3. First-stage decoding.
  String S = LineBreaksToBR(StripTemplateMarkers(DecodeHTMLSpecialChars(Text)), true);

  TPassState P1, P2;
  TRect Line = Rect;
  Line.Left += 1;
  bool Result = false;
  Integer TotalH = 0;
  // Lines are read on from a position rather than cut off the front of the
  // text, so a text of many lines costs its length, not length times lines.
  Integer From = 1;
  while (true) {
    if (E.PV) {
      while (From <= Integer(S.size()) && IsTrimmed(S[size_t(From - 1)])) ++From;
      size_t b = S.size();
      while (b >= size_t(From) && b > 0 && IsTrimmed(S[b - 1])) --b;
      S.resize(b);
    }
    if (From > Integer(S.size())) break;
    // 4.1
    Canvas->Font()->Assign(Font1.get());
    TPassState Saved = P1;
    TLineMetrics M;
    M.Height = Canvas->TextHeight(L"gh");
    M.Avail = Line.Right - Line.Left;
    Integer GH = M.Height;
    Integer ImageNo = P1.ImageNo;
    // 4.2 measuring pass
    String Source;
    E.FirstPass = true;
    E.Pass(P1, S, From, Line, true, false, M, &Source);
    Font1->Assign(Canvas->Font());
    P1.InAnchor = Saved.InAnchor;
    P1.AnchorURL = Saved.AnchorURL;
    P1.AnchorTitle = Saved.AnchorTitle;
    P1.Hidden = Saved.Hidden;
    P1.Shadow = Saved.Shadow;
    if (M.DropRest) S.clear();
    M.Height += E.LineSpacing;
    // 4.3 place
    TRect Placed = Line;
    Integer LineW = M.Width;
    Integer Avail = Line.Right - Line.Left;
    if (E.Align == taRightJustify && Line.Right - LineW > Placed.Left)
      Placed.Left = Line.Right - LineW;
    else if (E.Align == taCenter && Avail - LineW > 0)
      Placed.Left = Line.Left + (Avail - LineW) / 2;
    Placed.Left += E.Indent;
    Placed.Bottom = Line.Top + M.Height + M.SubExtra + M.SupExtra;
    // 4.4 second pass
    if (!MeasureOnly) {
      Canvas->Font()->Assign(Font2.get());
      P2.ImageNo = ImageNo;
      E.FirstPass = false;
      E.ControlOrImageHit = false;
      TLineMetrics M2 = M;
      M2.TextAnchorHit = false;
      M2.DropRest = false;
      M2.Raise = 0;  // the raise applies from the aligned picture on
      Integer SourceFrom = 1;
      Integer Keep = E.MaxWidth;
      E.Pass(P2, Source, SourceFrom, Placed, TestOnly, !TestOnly, M2, nullptr);
      E.MaxWidth = Keep;
      Font2->Assign(Canvas->Font());
      if (E.ControlOrImageHit) Result = true;
      Integer B = Placed.Bottom - M.Raise;
      if (M2.TextAnchorHit && TestY > B - GH && TestY < B) Result = true;
    }
    // 4.5
    Integer Step = M.Height + M.SubExtra + M.SupExtra;
    Line.Top += Step;
    TotalH += Step;
    // 4.6
    if (!MeasureOnly && Line.Top + GH > Rect.Bottom) break;
  }
  RestoreRotatedFont(Canvas, P1);
  RestoreRotatedFont(Canvas, P2);
  AnchorCount = std::max(P1.AnchorNo, P2.AnchorNo);
  Canvas->Font()->Assign(E.BaseFont.get());
  Width = E.MaxWidth;
  Height = TotalH == 0 ? Canvas->TextHeight(L"gh") : TotalH;
  if (!E.PV) {  // the panel leaves the pen as the last tag set it
    Canvas->Pen()->SetColor(OldPenColor);
    Canvas->Pen()->SetWidth(OldPenWidth);
  }
  Canvas->Brush()->SetColor(OldBrushColor);
  Canvas->Brush()->SetStyle(OldBrushStyle);
  PlainText = E.PlainText;
  FocusedURL = E.FocusedURL;
  TitleUnderPoint = E.TitleUnderPoint;
  if (!E.URLUnderPoint.empty()) URLUnderPoint = E.URLUnderPoint;
  if (E.AnchorUnderPoint >= 0) {
    AnchorUnderPoint = E.AnchorUnderPoint;
    AnchorRect = E.AnchorRect;
  }
  ControlRect = E.ControlRect;
  ControlID = E.ControlID;
  ControlType = E.ControlType;
  ControlValue = E.ControlValue;
  return MeasureOnly ? false : Result;
}

void DrawBodyGradient(TCanvas* Canvas, TColor StartColor, TColor EndColor, bool Horizontal,
                      const TRect& Rect, Integer Steps, TColor Border) {
  if (Steps <= 0) Steps = 1;
  TColor A = ColorToRGB(StartColor), B = ColorToRGB(EndColor);
  auto Ch = [](TColor C, int Shift) { return Integer((C >> Shift) & 0xFF); };
  Integer Extent = Horizontal ? Rect.Right - Rect.Left : Rect.Bottom - Rect.Top;
  Integer Band = Extent / Steps + 1;
  for (Integer i = 0; i < Steps; ++i) {
    Integer Rgb[3];
    for (int k = 0; k < 3; ++k)
      Rgb[k] = Integer(Round(Ch(A, 8 * k) + double(i) * (Ch(B, 8 * k) - Ch(A, 8 * k)) / Steps));
    TColor Color = TColor(Rgb[0] | (Rgb[1] << 8) | (Rgb[2] << 16));
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetColor(Color);
    Canvas->Brush()->SetStyle(bsSolid);
    Integer Start = Integer(Round(double(i) * Extent / Steps));
    TRect R = Rect;
    if (Horizontal) {
      R.Left = Rect.Left + Start;
      R.Right = std::min(Rect.Right, R.Left + Band);
    } else {
      R.Top = Rect.Top + Start;
      R.Bottom = std::min(Rect.Bottom, R.Top + Band);
    }
    Canvas->FillRect(R);
  }
  if (Border != clNone) {
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetColor(Border);
    Canvas->Rectangle(Rect);
  }
}

}  // namespace jorv::foundation
