#pragma once
// Window messages as the controls see them: the raw TMessage, typed views of
// it for the common messages, the framework's own CM_* messages and the
// CN_* reflections of notifications sent to a parent.
#include <cstddef>
#include "platform/rtl/WinApi.h"
#include "platform/rtl/Types.h"

namespace jorv {

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;

  Word WParamLo() const { return LOWORD(WParam); }
  Word WParamHi() const { return HIWORD(WParam); }
  Word LParamLo() const { return LOWORD(LParam); }
  Word LParamHi() const { return HIWORD(LParam); }
};

// Typed views share TMessage's layout on both architectures, so a handler
// reads the message it got through the record of its kind with MsgAs<T>().
// Records that split WParam or LParam into two 16-bit halves carry fillers on
// 64-bit: the halves sit in the low 32 bits of their slot, and UINT Msg is
// followed by 4 bytes of padding before WParam.
#define JORV_MSG_RECORD struct __attribute__((__may_alias__))
#ifdef _WIN64
#define JORV_MSG_FILL(name) DWORD name;
#else
#define JORV_MSG_FILL(name)
#endif

JORV_MSG_RECORD TWMNoParams {
  UINT Msg;
  WPARAM Unused0;
  LPARAM Unused1;
  LRESULT Result;
};

JORV_MSG_RECORD TWMMouse {
  UINT Msg;
  WPARAM Keys;
  SmallInt XPos;
  SmallInt YPos;
  JORV_MSG_FILL(LParamFiller)
  LRESULT Result;
  TPoint Pos() const { return {XPos, YPos}; }
};
using TWMLButtonDown = TWMMouse;
using TWMLButtonUp = TWMMouse;
using TWMLButtonDblClk = TWMMouse;
using TWMRButtonDown = TWMMouse;
using TWMRButtonUp = TWMMouse;
using TWMMButtonDown = TWMMouse;
using TWMMButtonUp = TWMMouse;
using TWMMouseMove = TWMMouse;

JORV_MSG_RECORD TWMMouseWheel {
  UINT Msg;
  JORV_MSG_FILL(MsgFiller)
  Word Keys;
  SmallInt WheelDelta;
  JORV_MSG_FILL(WParamFiller)
  SmallInt XPos;  // screen coordinates
  SmallInt YPos;
  JORV_MSG_FILL(LParamFiller)
  LRESULT Result;
};

// CM_MOUSEWHEEL carries WM_MOUSEWHEEL's parameters.
using TCMMouseWheel = TWMMouseWheel;

JORV_MSG_RECORD TWMKey {
  UINT Msg;
  JORV_MSG_FILL(MsgFiller)
  Word CharCode;
  Word Unused;
  JORV_MSG_FILL(WParamFiller)
  LPARAM KeyData;
  LRESULT Result;
};
using TWMKeyDown = TWMKey;
using TWMKeyUp = TWMKey;
using TWMChar = TWMKey;
using TWMSysKeyDown = TWMKey;
using TWMSysKeyUp = TWMKey;
using TCMWantSpecialKey = TWMKey;
using TCMDialogKey = TWMKey;
using TCMDialogChar = TWMKey;

JORV_MSG_RECORD TWMPaint {
  UINT Msg;
  HDC DC;
  LPARAM Unused;
  LRESULT Result;
};

JORV_MSG_RECORD TWMEraseBkgnd {
  UINT Msg;
  HDC DC;
  LPARAM Unused;
  LRESULT Result;
};

JORV_MSG_RECORD TWMSize {
  UINT Msg;
  WPARAM SizeType;
  Word Width;
  Word Height;
  JORV_MSG_FILL(LParamFiller)
  LRESULT Result;
};

JORV_MSG_RECORD TWMMove {
  UINT Msg;
  WPARAM Unused;
  SmallInt XPos;
  SmallInt YPos;
  JORV_MSG_FILL(LParamFiller)
  LRESULT Result;
};

JORV_MSG_RECORD TWMNCHitTest {
  UINT Msg;
  WPARAM Unused;
  SmallInt XPos;  // screen coordinates
  SmallInt YPos;
  JORV_MSG_FILL(LParamFiller)
  LRESULT Result;
};

JORV_MSG_RECORD TWMSetCursor {
  UINT Msg;
  HWND CursorWnd;
  Word HitTest;
  Word MouseMsg;
  JORV_MSG_FILL(LParamFiller)
  LRESULT Result;
};

JORV_MSG_RECORD TWMSetFocus {
  UINT Msg;
  HWND FocusedWnd;
  LPARAM Unused;
  LRESULT Result;
};

JORV_MSG_RECORD TWMKillFocus {
  UINT Msg;
  HWND FocusedWnd;
  LPARAM Unused;
  LRESULT Result;
};

JORV_MSG_RECORD TWMCommand {
  UINT Msg;
  JORV_MSG_FILL(MsgFiller)
  Word ItemID;
  Word NotifyCode;
  JORV_MSG_FILL(WParamFiller)
  HWND Ctl;
  LRESULT Result;
};

JORV_MSG_RECORD TWMNotify {
  UINT Msg;
  WPARAM IDCtrl;
  NMHDR* NMHdr;
  LRESULT Result;
};

JORV_MSG_RECORD TWMTimer {
  UINT Msg;
  WPARAM TimerID;
  TIMERPROC TimerProc;
  LRESULT Result;
};

JORV_MSG_RECORD TWMScroll {
  UINT Msg;
  JORV_MSG_FILL(MsgFiller)
  Word ScrollCode;
  SmallInt Pos;
  JORV_MSG_FILL(WParamFiller)
  HWND ScrollBar;
  LRESULT Result;
};
using TWMHScroll = TWMScroll;
using TWMVScroll = TWMScroll;

JORV_MSG_RECORD TWMActivate {
  UINT Msg;
  JORV_MSG_FILL(MsgFiller)
  Word Active;  // WA_INACTIVE, WA_ACTIVE, WA_CLICKACTIVE
  Word Minimized;
  JORV_MSG_FILL(WParamFiller)
  HWND ActiveWindow;
  LRESULT Result;
};

JORV_MSG_RECORD TWMWindowPosMsg {
  UINT Msg;
  WPARAM Unused;
  WINDOWPOS* WindowPos;
  LRESULT Result;
};
using TWMWindowPosChanging = TWMWindowPosMsg;
using TWMWindowPosChanged = TWMWindowPosMsg;

JORV_MSG_RECORD TWMGetDlgCode {
  UINT Msg;
  WPARAM Unused;
  MSG* KeyMsg;
  LRESULT Result;
};

JORV_MSG_RECORD TWMCtlColor {
  UINT Msg;
  HDC ChildDC;
  HWND ChildWnd;
  LRESULT Result;
};
using TWMCtlColorEdit = TWMCtlColor;
using TWMCtlColorStatic = TWMCtlColor;
using TWMCtlColorBtn = TWMCtlColor;
using TWMCtlColorListBox = TWMCtlColor;

JORV_MSG_RECORD TWMContextMenu {
  UINT Msg;
  HWND hWnd;
  SmallInt XPos;
  SmallInt YPos;
  JORV_MSG_FILL(LParamFiller)
  LRESULT Result;
};

JORV_MSG_RECORD TWMPrint {
  UINT Msg;
  HDC DC;
  LPARAM Flags;  // PRF_*
  LRESULT Result;
};
using TWMPrintClient = TWMPrint;

JORV_MSG_RECORD TWMDrawItem {
  UINT Msg;
  WPARAM Ctl;
  DRAWITEMSTRUCT* DrawItemStruct;
  LRESULT Result;
};

JORV_MSG_RECORD TWMMeasureItem {
  UINT Msg;
  WPARAM IDCtl;
  MEASUREITEMSTRUCT* MeasureItemStruct;
  LRESULT Result;
};

JORV_MSG_RECORD TWMGetMinMaxInfo {
  UINT Msg;
  WPARAM Unused;
  MINMAXINFO* MinMaxInfo;
  LRESULT Result;
};

JORV_MSG_RECORD TWMGetText {
  UINT Msg;
  WPARAM TextMax;  // room in Text, the terminating zero included
  Char* Text;
  LRESULT Result;
};

JORV_MSG_RECORD TWMSetText {
  UINT Msg;
  WPARAM Unused;
  const Char* Text;
  LRESULT Result;
};

// WM_NEXTDLGCTL: with Handle set, CtlFocus is the window to focus;
// otherwise CtlFocus 0 means the next control, anything else the previous.
JORV_MSG_RECORD TWMNextDlgCtl {
  UINT Msg;
  WPARAM CtlFocus;
  Word Handle;
  Word Unused;
  JORV_MSG_FILL(Filler)
  LRESULT Result;
};

JORV_MSG_RECORD TWMCaptureChanged {
  UINT Msg;
  WPARAM Unused;
  HWND NewCapture;
  LRESULT Result;
};

JORV_MSG_RECORD TWMSizingRect {
  UINT Msg;
  WPARAM Edge;  // WMSZ_*
  RECT* DragRect;
  LRESULT Result;
};
using TWMSizing = TWMSizingRect;

JORV_MSG_RECORD TWMNCCalcSize {
  UINT Msg;
  WPARAM CalcValidRects;
  // Its first rectangle is the window's, to become the client's; without
  // CalcValidRects the parameter is that rectangle alone.
  NCCALCSIZE_PARAMS* CalcSizeParams;
  LRESULT Result;
};

class TControl;
class TFont;
struct THintInfo;

// CM_MOUSEENTER, CM_MOUSELEAVE: Control is the child the mouse went to or
// came from, nullptr for the control itself.
JORV_MSG_RECORD TCMMouseNotice {
  UINT Msg;
  WPARAM Unused;
  TControl* Control;
  LRESULT Result;
};
using TCMMouseEnter = TCMMouseNotice;
using TCMMouseLeave = TCMMouseNotice;

// CM_BUTTONPRESSED: a button of GroupIndex went down.
JORV_MSG_RECORD TCMButtonPressed {
  UINT Msg;
  WPARAM GroupIndex;
  TControl* Control;
  LRESULT Result;
};

// CM_PARENTFONTCHANGED: Font when Given, else the parent's.
JORV_MSG_RECORD TCMParentFontChanged {
  UINT Msg;
  WPARAM Given;
  TFont* Font;
  LRESULT Result;
};

// CM_PARENTCOLORCHANGED: Color when Given, else the parent's.
JORV_MSG_RECORD TCMParentColorChanged {
  UINT Msg;
  WPARAM Given;
  LPARAM Color;
  LRESULT Result;
};

JORV_MSG_RECORD TCMHintShow {
  UINT Msg;
  WPARAM Reserved;
  THintInfo* HintInfo;
  LRESULT Result;
};

// Every field of every record sits where Windows puts it inside the slot it
// overlays: a shifted field reads garbage only on the other architecture.
#define JORV_MSG_CHECK(T)                                                        \
  static_assert(sizeof(T) == sizeof(TMessage) && offsetof(T, Msg) == 0 &&        \
                    offsetof(T, Result) == offsetof(TMessage, Result),           \
                #T " must share TMessage's layout")
#define JORV_MSG_AT(T, Field, Slot, Byte)                                        \
  static_assert(offsetof(T, Field) == offsetof(TMessage, Slot) + (Byte),         \
                #T "::" #Field " must overlay " #Slot)
JORV_MSG_CHECK(TWMNoParams);
JORV_MSG_AT(TWMNoParams, Unused0, WParam, 0);
JORV_MSG_AT(TWMNoParams, Unused1, LParam, 0);
JORV_MSG_CHECK(TWMMouse);
JORV_MSG_AT(TWMMouse, Keys, WParam, 0);
JORV_MSG_AT(TWMMouse, XPos, LParam, 0);
JORV_MSG_AT(TWMMouse, YPos, LParam, 2);
JORV_MSG_CHECK(TWMMouseWheel);
JORV_MSG_AT(TWMMouseWheel, Keys, WParam, 0);
JORV_MSG_AT(TWMMouseWheel, WheelDelta, WParam, 2);
JORV_MSG_AT(TWMMouseWheel, XPos, LParam, 0);
JORV_MSG_AT(TWMMouseWheel, YPos, LParam, 2);
JORV_MSG_CHECK(TWMKey);
JORV_MSG_AT(TWMKey, CharCode, WParam, 0);
JORV_MSG_AT(TWMKey, Unused, WParam, 2);
JORV_MSG_AT(TWMKey, KeyData, LParam, 0);
JORV_MSG_CHECK(TWMPaint);
JORV_MSG_AT(TWMPaint, DC, WParam, 0);
JORV_MSG_AT(TWMPaint, Unused, LParam, 0);
JORV_MSG_CHECK(TWMEraseBkgnd);
JORV_MSG_AT(TWMEraseBkgnd, DC, WParam, 0);
JORV_MSG_AT(TWMEraseBkgnd, Unused, LParam, 0);
JORV_MSG_CHECK(TWMSize);
JORV_MSG_AT(TWMSize, SizeType, WParam, 0);
JORV_MSG_AT(TWMSize, Width, LParam, 0);
JORV_MSG_AT(TWMSize, Height, LParam, 2);
JORV_MSG_CHECK(TWMMove);
JORV_MSG_AT(TWMMove, Unused, WParam, 0);
JORV_MSG_AT(TWMMove, XPos, LParam, 0);
JORV_MSG_AT(TWMMove, YPos, LParam, 2);
JORV_MSG_CHECK(TWMNCHitTest);
JORV_MSG_AT(TWMNCHitTest, Unused, WParam, 0);
JORV_MSG_AT(TWMNCHitTest, XPos, LParam, 0);
JORV_MSG_AT(TWMNCHitTest, YPos, LParam, 2);
JORV_MSG_CHECK(TWMSetCursor);
JORV_MSG_AT(TWMSetCursor, CursorWnd, WParam, 0);
JORV_MSG_AT(TWMSetCursor, HitTest, LParam, 0);
JORV_MSG_AT(TWMSetCursor, MouseMsg, LParam, 2);
JORV_MSG_CHECK(TWMSetFocus);
JORV_MSG_AT(TWMSetFocus, FocusedWnd, WParam, 0);
JORV_MSG_AT(TWMSetFocus, Unused, LParam, 0);
JORV_MSG_CHECK(TWMKillFocus);
JORV_MSG_AT(TWMKillFocus, FocusedWnd, WParam, 0);
JORV_MSG_AT(TWMKillFocus, Unused, LParam, 0);
JORV_MSG_CHECK(TWMCommand);
JORV_MSG_AT(TWMCommand, ItemID, WParam, 0);
JORV_MSG_AT(TWMCommand, NotifyCode, WParam, 2);
JORV_MSG_AT(TWMCommand, Ctl, LParam, 0);
JORV_MSG_CHECK(TWMNotify);
JORV_MSG_AT(TWMNotify, IDCtrl, WParam, 0);
JORV_MSG_AT(TWMNotify, NMHdr, LParam, 0);
JORV_MSG_CHECK(TWMTimer);
JORV_MSG_AT(TWMTimer, TimerID, WParam, 0);
JORV_MSG_AT(TWMTimer, TimerProc, LParam, 0);
JORV_MSG_CHECK(TWMScroll);
JORV_MSG_AT(TWMScroll, ScrollCode, WParam, 0);
JORV_MSG_AT(TWMScroll, Pos, WParam, 2);
JORV_MSG_AT(TWMScroll, ScrollBar, LParam, 0);
JORV_MSG_CHECK(TWMActivate);
JORV_MSG_AT(TWMActivate, Active, WParam, 0);
JORV_MSG_AT(TWMActivate, Minimized, WParam, 2);
JORV_MSG_AT(TWMActivate, ActiveWindow, LParam, 0);
JORV_MSG_CHECK(TWMWindowPosMsg);
JORV_MSG_AT(TWMWindowPosMsg, Unused, WParam, 0);
JORV_MSG_AT(TWMWindowPosMsg, WindowPos, LParam, 0);
JORV_MSG_CHECK(TWMGetDlgCode);
JORV_MSG_AT(TWMGetDlgCode, Unused, WParam, 0);
JORV_MSG_AT(TWMGetDlgCode, KeyMsg, LParam, 0);
JORV_MSG_CHECK(TWMCtlColor);
JORV_MSG_AT(TWMCtlColor, ChildDC, WParam, 0);
JORV_MSG_AT(TWMCtlColor, ChildWnd, LParam, 0);
JORV_MSG_CHECK(TWMContextMenu);
JORV_MSG_AT(TWMContextMenu, hWnd, WParam, 0);
JORV_MSG_AT(TWMContextMenu, XPos, LParam, 0);
JORV_MSG_AT(TWMContextMenu, YPos, LParam, 2);
JORV_MSG_CHECK(TWMPrint);
JORV_MSG_AT(TWMPrint, DC, WParam, 0);
JORV_MSG_AT(TWMPrint, Flags, LParam, 0);
JORV_MSG_CHECK(TWMDrawItem);
JORV_MSG_AT(TWMDrawItem, Ctl, WParam, 0);
JORV_MSG_AT(TWMDrawItem, DrawItemStruct, LParam, 0);
JORV_MSG_CHECK(TWMMeasureItem);
JORV_MSG_AT(TWMMeasureItem, IDCtl, WParam, 0);
JORV_MSG_AT(TWMMeasureItem, MeasureItemStruct, LParam, 0);
JORV_MSG_CHECK(TWMGetMinMaxInfo);
JORV_MSG_AT(TWMGetMinMaxInfo, MinMaxInfo, LParam, 0);
JORV_MSG_CHECK(TWMGetText);
JORV_MSG_AT(TWMGetText, TextMax, WParam, 0);
JORV_MSG_AT(TWMGetText, Text, LParam, 0);
JORV_MSG_CHECK(TWMSetText);
JORV_MSG_AT(TWMSetText, Text, LParam, 0);
JORV_MSG_CHECK(TWMNextDlgCtl);
JORV_MSG_AT(TWMNextDlgCtl, CtlFocus, WParam, 0);
JORV_MSG_AT(TWMNextDlgCtl, Handle, LParam, 0);
JORV_MSG_CHECK(TWMCaptureChanged);
JORV_MSG_AT(TWMCaptureChanged, NewCapture, LParam, 0);
JORV_MSG_CHECK(TWMSizingRect);
JORV_MSG_AT(TWMSizingRect, Edge, WParam, 0);
JORV_MSG_AT(TWMSizingRect, DragRect, LParam, 0);
JORV_MSG_CHECK(TWMNCCalcSize);
JORV_MSG_AT(TWMNCCalcSize, CalcValidRects, WParam, 0);
JORV_MSG_AT(TWMNCCalcSize, CalcSizeParams, LParam, 0);
JORV_MSG_CHECK(TCMMouseNotice);
JORV_MSG_AT(TCMMouseNotice, Control, LParam, 0);
JORV_MSG_CHECK(TCMButtonPressed);
JORV_MSG_AT(TCMButtonPressed, GroupIndex, WParam, 0);
JORV_MSG_AT(TCMButtonPressed, Control, LParam, 0);
JORV_MSG_CHECK(TCMParentFontChanged);
JORV_MSG_AT(TCMParentFontChanged, Given, WParam, 0);
JORV_MSG_AT(TCMParentFontChanged, Font, LParam, 0);
JORV_MSG_CHECK(TCMParentColorChanged);
JORV_MSG_AT(TCMParentColorChanged, Given, WParam, 0);
JORV_MSG_AT(TCMParentColorChanged, Color, LParam, 0);
JORV_MSG_CHECK(TCMHintShow);
JORV_MSG_AT(TCMHintShow, HintInfo, LParam, 0);
#undef JORV_MSG_AT
#undef JORV_MSG_CHECK

template <class T>
inline T& MsgAs(TMessage& M) {
  static_assert(sizeof(T) == sizeof(TMessage) && offsetof(T, Result) == offsetof(TMessage, Result),
                "a message record must share TMessage's layout");
  return reinterpret_cast<T&>(M);
}

// The raw message behind a typed record, for handing it on unchanged (to
// DefaultHandler, to a child).
template <class T>
inline TMessage& MsgBase(T& Record) {
  static_assert(sizeof(T) == sizeof(TMessage) && offsetof(T, Result) == offsetof(TMessage, Result),
                "a message record must share TMessage's layout");
  return *static_cast<TMessage*>(static_cast<void*>(&Record));
}

// Framework messages.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_GOTFOCUS = CM_BASE + 2;
constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;
constexpr UINT CM_CANCELMODE = CM_BASE + 4;
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_HITTEST = CM_BASE + 10;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 16;
constexpr UINT CM_PARENTCTL3DCHANGED = CM_BASE + 17;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;
constexpr UINT CM_APPKEYDOWN = CM_BASE + 22;
constexpr UINT CM_APPSYSCOMMAND = CM_BASE + 23;
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
constexpr UINT CM_DESIGNHITTEST = CM_BASE + 28;
constexpr UINT CM_ICONCHANGED = CM_BASE + 29;
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr UINT CM_INVOKEHELP = CM_BASE + 31;
constexpr UINT CM_WINDOWHOOK = CM_BASE + 32;
constexpr UINT CM_RELEASE = CM_BASE + 33;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr UINT CM_WININICHANGE = CM_BASE + 37;
constexpr UINT CM_FONTCHANGE = CM_BASE + 38;
constexpr UINT CM_TIMECHANGE = CM_BASE + 39;
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr UINT CM_UIACTIVATE = CM_BASE + 41;
constexpr UINT CM_UIDEACTIVATE = CM_BASE + 42;
constexpr UINT CM_DOCWINDOWACTIVATE = CM_BASE + 43;
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr UINT CM_GETDATALINK = CM_BASE + 45;
constexpr UINT CM_CHILDKEY = CM_BASE + 46;
constexpr UINT CM_DRAG = CM_BASE + 47;
constexpr UINT CM_HINTSHOW = CM_BASE + 48;
constexpr UINT CM_DIALOGHANDLE = CM_BASE + 49;
constexpr UINT CM_ISTOOLCONTROL = CM_BASE + 50;
constexpr UINT CM_RECREATEWND = CM_BASE + 51;
constexpr UINT CM_INVALIDATE = CM_BASE + 52;
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 53;
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 54;
constexpr UINT CM_CHANGED = CM_BASE + 55;
constexpr UINT CM_DOCKCLIENT = CM_BASE + 56;
constexpr UINT CM_UNDOCKCLIENT = CM_BASE + 57;
constexpr UINT CM_FLOAT = CM_BASE + 58;
constexpr UINT CM_BORDERCHANGED = CM_BASE + 59;
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 60;
constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 61;
constexpr UINT CM_ALLCHILDRENFLIPPED = CM_BASE + 62;
constexpr UINT CM_ACTIONUPDATE = CM_BASE + 63;
constexpr UINT CM_ACTIONEXECUTE = CM_BASE + 64;
constexpr UINT CM_HINTSHOWPAUSE = CM_BASE + 65;
constexpr UINT CM_DOCKNOTIFICATION = CM_BASE + 66;
constexpr UINT CM_MOUSEWHEEL = CM_BASE + 67;
constexpr UINT CM_ISSHORTCUT = CM_BASE + 68;
constexpr UINT CM_INVALIDATEDOCKHOST = CM_BASE + 69;
constexpr UINT CM_SETACTIVECONTROL = CM_BASE + 70;
constexpr UINT CM_POPUPHWNDDESTROY = CM_BASE + 71;
constexpr UINT CM_CREATEPOPUP = CM_BASE + 72;
constexpr UINT CM_DESTROYHANDLE = CM_BASE + 73;
constexpr UINT CM_MOUSEACTIVATE = CM_BASE + 74;
constexpr UINT CM_CONTROLLISTCHANGING = CM_BASE + 75;
constexpr UINT CM_BUFFEREDPRINTCLIENT = CM_BASE + 76;
constexpr UINT CM_UNTHEMECONTROL = CM_BASE + 77;
constexpr UINT CM_DOUBLEBUFFEREDCHANGED = CM_BASE + 78;
constexpr UINT CM_PARENTDOUBLEBUFFEREDCHANGED = CM_BASE + 79;
constexpr UINT CM_STYLECHANGED = CM_BASE + 80;
constexpr UINT CM_THEMECHANGED = CM_BASE + 81;
constexpr UINT CM_GESTURE = CM_BASE + 82;
constexpr UINT CM_CUSTOMGESTURESCHANGED = CM_BASE + 83;
constexpr UINT CM_GESTUREMANAGERCHANGED = CM_BASE + 84;
constexpr UINT CM_STANDARDGESTURESCHANGED = CM_BASE + 85;
constexpr UINT CM_INPUTLANGCHANGE = CM_BASE + 86;
constexpr UINT CM_TABLETOPTIONSCHANGED = CM_BASE + 87;
constexpr UINT CM_PARENTTABLETOPTIONSCHANGED = CM_BASE + 88;
constexpr UINT CM_TEXTCHANGING = CM_BASE + 89;

// Notifications a parent reflects back to the child that sent them.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_CHARTOITEM = CN_BASE + WM_CHARTOITEM;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_COMPAREITEM = CN_BASE + WM_COMPAREITEM;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_PARENTNOTIFY = CN_BASE + WM_PARENTNOTIFY;
constexpr UINT CN_VKEYTOITEM = CN_BASE + WM_VKEYTOITEM;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;

static_assert(CM_BASE > WM_APP && CN_NOTIFY < 0xC000, "framework messages live above WM_APP");

}  // namespace jorv
