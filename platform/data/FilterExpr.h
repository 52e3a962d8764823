#pragma once
// Filter texts of data sets: comparisons of a field with a constant
// ("Datum >= '01.01.2016'", "Tagestext = 'Ostern*'"), joined by AND, OR and
// NOT with parentheses. A trailing * in a text constant matches any rest
// unless partial comparison is switched off.
#include <memory>
#include "platform/data/DataTypes.h"

namespace jorv {

class TDataSet;
class TField;

enum TFilterOp : uint8_t { fopAnd, fopOr, fopNot, fopEq, fopNe, fopLt, fopLe, fopGt, fopGe };

// A parsed filter: a logical node with operands, or a comparison of a field
// with a constant (or a test for null).
struct TFilterExpr {
  TFilterOp Op = fopEq;
  std::unique_ptr<TFilterExpr> Left, Right;
  TField* Field = nullptr;
  TFieldValue Constant;
  bool IsNullTest = false;
};

// Raises EDatabaseError for a text that is no such expression or names a
// field the data set does not have.
std::unique_ptr<TFilterExpr> ParseFilter(const String& Text, TDataSet* DataSet);
// Evaluates against the data set's active record.
bool EvaluateFilter(const TFilterExpr& Expr, TFilterOptions Options);

// Orders two values: null first, numbers by value, texts by character
// (optionally without regard to case).
Integer CompareFilterValues(const TFieldValue& A, const TFieldValue& B, bool CaseInsensitive);
Integer CompareFilterText(const String& A, const String& B, bool CaseInsensitive);

}  // namespace jorv
