#pragma once
// Matching of cell texts against the filter conditions a user types: clauses
// joined by and/or with parenthesised groups, comparisons of numbers, dates
// and texts, wildcards and negation. Works on plain strings only.
#include <vector>
#include "platform/rtl/Types.h"

namespace jorv::foundation {

using TCharSet = std::vector<Char>;

// Both compare in upper case unless CaseSensitive.
bool MatchFilterExpression(const String& Expression, const String& Value,
                           bool CaseSensitive);
bool MatchFilterClause(const String& Clause, const String& Value,
                       bool CaseSensitive);
// Comparison operators first, then the wildcard match; exact case.
bool MatchFilterPattern(const String& Pattern, const String& Value);

// True when Text is a date in the locale's short date order, optionally
// followed by a time; Date then holds it.
bool ParseFilterValue(const String& Text, TDateTime& Date);

String RemoveUnquotedSpaces(const String& Text);
// 1-based position of the ")" closing the first parenthesis level, 0 if none.
Integer ClosingParenPos(const String& Text);
// First character of Set outside double quotes with its 1-based Position;
// character 0 and Position -1 when there is none.
Char FindUnquotedChar(const TCharSet& Set, const String& Text, Integer& Position);
// Thousand separators dropped, the decimal separator turned into ".".
String PlainNumberText(const String& Text);

}  // namespace jorv::foundation
