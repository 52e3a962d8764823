#pragma once
// The markup worked on as text: plain text, search highlights, escaping,
// and the inline form controls (CONTROL tags) that the grid turns into real
// edits, combos, check boxes, radio buttons and buttons. None keeps state or
// raises for malformed markup.
#include "platform/rtl/Types.h"

namespace jorv::foundation {

// "<BR>" and "<HR>" (any case) become CR LF, then every tag goes, from its
// "<" to the first ">" after it; from a "<" with no ">" after it the rest
// stays. Entities stay as written.
String HTMLToPlainText(const String& HTML);
// Tags removed from the start on; stops at the first "<" without a ">"
// after it or whose first ">" stands before it, keeping the rest.
String StripTags(const String& Text);
// "<#NAME>" shows as "#NAME": the "<" and the first ">" after it go.
String StripTemplateMarkers(const String& Text);
// CR becomes "<BR>" (or goes, without Breaks); LF goes.
String LineBreaksToBR(const String& Text, bool Breaks);
// The first Search in Text, ASCII case ignored, becomes Replacement;
// 1 when replaced, 0 when there was none.
Integer ReplaceFirstNoCase(const String& Search, const String& Replacement,
                           String& Text);
String PasswordMask(const String& Text);
bool IsDirectoryPath(const String& Path);

// "&", double quote, "<" and ">" as "&amp;", "&quot;", "&lt;", "&gt;";
// with Letters also the letters of the letter-entity table by name.
String EncodeHTMLEntities(const String& Text, bool Letters);
// "&lt;", "&gt;", "&amp;", "&quot;" in this order, then with Letters the
// letter entities; every name with its exact case.
String DecodeHTMLEntities(const String& Text, bool Letters);
String SpacesToNbsp(const String& Text);

// Every match of Search in the visible text of HTML wrapped in the tag
// (written in upper case), after that tag's pairs were removed. Tags and
// entities are skipped while matching; a match across a closing FONT tag
// has the highlight closed and reopened after it. WholeOnly wraps only a
// visible text equal to Search; without MatchCase both sides are upper-cased
// by the locale.
String WrapMatchesInTag(const String& HTML, const String& Search,
                        const String& TagName, String& Result, bool WholeOnly,
                        bool MatchCase);
// Every "<TAG>" and "</TAG>" removed (name any case). When that took away the
// last closing tag, "&lt;", "&gt;", "&amp;" and "&quot;" are decoded, so a
// plain text that WrapMatchesInTag escaped comes back as it was.
String RemoveTagPairs(const String& HTML, const String& TagName);

// Inline controls: <CONTROL TYPE="EDIT" ID="x" VALUE="..." WIDTH="80"
// HEIGHT="25" PROP="..." MAXLEN="10">. All seven outputs are cleared, then
// each is the text between the first two double quotes after "NAME=";
// Type is upper-cased, Value and Prop are decoded with the letter table.
void ParseControlTag(const String& Tag, String& Type, String& ID, String& Value,
                     String& Width, String& Height, String& Prop,
                     String& MaxLen);
bool HasControlTag(const String& HTML);
// 1 and the first matching control's VALUE; 0 leaving Value as it was.
Integer GetControlValue(const String& HTML, const String& ID, String& Value);
String GetControlProp(const String& HTML, const String& ID);
// 0 when absent, not a number, or no such control.
Integer GetControlMaxLen(const String& HTML, const String& ID);
// The first text control (not BUTTON, CHECK or RADIO) after the one with
// AfterID, or the first of all for an empty AfterID; empty when none.
String NextEditControlID(const String& HTML, const String& AfterID);
// Rewrites the first control with that ID with the new value, keeping its
// WIDTH, TYPE and, when it had them, HEIGHT, PROP and MAXLEN; 1 when found,
// else 0 with HTML unchanged.
Integer SetControlValue(String& HTML, const String& ID, const String& Value);
// Every RADIO control's VALUE becomes "FALSE".
String ClearRadioControls(const String& HTML);

}  // namespace jorv::foundation
