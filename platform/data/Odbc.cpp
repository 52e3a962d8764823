#include "platform/data/Odbc.h"
#include <cmath>
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Math.h"

namespace jorv {

TOdbcHandles::~TOdbcHandles() {
  if (Dbc) {
    SQLEndTran(SQL_HANDLE_DBC, Dbc, SQL_ROLLBACK);
    SQLDisconnect(Dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, Dbc);
  }
  if (Env) SQLFreeHandle(SQL_HANDLE_ENV, Env);
}

String OdbcDiagnostic(SQLSMALLINT HandleType, SQLHANDLE Handle) {
  String r;
  SQLWCHAR state[6], msg[1024];
  SQLINTEGER native;
  SQLSMALLINT len;
  for (SQLSMALLINT i = 1;
       SQLGetDiagRecW(HandleType, Handle, i, state, &native, msg, 1024, &len) == SQL_SUCCESS; ++i) {
    if (!r.empty()) r += L" ";
    r += reinterpret_cast<const wchar_t*>(msg);
  }
  return r;
}

TOdbcStatement::TOdbcStatement(TOdbcHandles& Conn) : FConn(Conn) {
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, Conn.Dbc, &FStmt)))
    throw EDatabaseError(L"Cannot use database '" + Conn.FileName + L"': " +
                         OdbcDiagnostic(SQL_HANDLE_DBC, Conn.Dbc));
}

TOdbcStatement::~TOdbcStatement() {
  if (FStmt) SQLFreeHandle(SQL_HANDLE_STMT, FStmt);
}

void TOdbcStatement::Fail(const String& Context) {
  String diag = OdbcDiagnostic(SQL_HANDLE_STMT, FStmt);
  throw EDatabaseError(Context + (diag.empty() ? String() : L": " + diag));
}

namespace {

// Storage for one bound parameter; it must live until the statement ran.
struct TParam {
  SQL_TIMESTAMP_STRUCT Stamp{};
  String Text;
  Int64 Number = 0;
  double Real = 0;
  unsigned char Bit = 0;
  TBytes Bytes;
  SQLLEN Ind = 0;
};

}  // namespace

void TOdbcStatement::Execute(const String& Sql, const std::vector<TFieldValue>& Params,
                             const std::vector<TFieldType>& Types, const String& Context) {
  SQLFreeStmt(FStmt, SQL_CLOSE);
  SQLFreeStmt(FStmt, SQL_RESET_PARAMS);
  if (!SQL_SUCCEEDED(SQLPrepareW(FStmt, (SQLWCHAR*)Sql.c_str(), SQL_NTS))) Fail(Context);
  std::vector<TParam> store(Params.size());
  for (size_t i = 0; i < Params.size(); ++i) {
    TParam& p = store[i];
    const TFieldValue& v = Params[i];
    TFieldType t = Types[i];
    SQLUSMALLINT n = static_cast<SQLUSMALLINT>(i + 1);
    SQLRETURN r;
    bool null = IsNullValue(v);
    p.Ind = null ? SQL_NULL_DATA : 0;
    if (t == ftDate || t == ftTime || t == ftDateTime || t == ftTimeStamp) {
      if (!null) {
        Word y, mo, d, h, mi, s, ms;
        DecodeDateTime(std::get<double>(v), y, mo, d, h, mi, s, ms);
        p.Stamp = {static_cast<SQLSMALLINT>(y), mo, d, h, mi, s, static_cast<SQLUINTEGER>(ms) * 1000000u};
        p.Ind = sizeof p.Stamp;
      }
      r = SQLBindParameter(FStmt, n, SQL_PARAM_INPUT, SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP, 23, 3,
                           &p.Stamp, 0, &p.Ind);
    } else if (auto* s = std::get_if<String>(&v)) {
      p.Text = *s;
      p.Ind = static_cast<SQLLEN>(p.Text.size() * sizeof(wchar_t));
      r = SQLBindParameter(FStmt, n, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR,
                           std::max<SQLULEN>(p.Text.size(), 1), 0, (SQLPOINTER)p.Text.c_str(), 0, &p.Ind);
    } else if (auto* i64 = std::get_if<Int64>(&v)) {
      p.Number = *i64;
      r = SQLBindParameter(FStmt, n, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0, &p.Number, 0, &p.Ind);
    } else if (auto* dbl = std::get_if<double>(&v)) {
      p.Real = *dbl;
      r = SQLBindParameter(FStmt, n, SQL_PARAM_INPUT, SQL_C_DOUBLE, SQL_DOUBLE, 0, 0, &p.Real, 0, &p.Ind);
    } else if (auto* b = std::get_if<bool>(&v)) {
      p.Bit = *b ? 1 : 0;
      r = SQLBindParameter(FStmt, n, SQL_PARAM_INPUT, SQL_C_BIT, SQL_BIT, 0, 0, &p.Bit, 0, &p.Ind);
    } else if (auto* y = std::get_if<TBytes>(&v)) {
      p.Bytes = *y;
      p.Ind = static_cast<SQLLEN>(p.Bytes.size());
      r = SQLBindParameter(FStmt, n, SQL_PARAM_INPUT, SQL_C_BINARY, SQL_LONGVARBINARY,
                           std::max<SQLULEN>(p.Bytes.size(), 1), 0, (SQLPOINTER)p.Bytes.data(), 0, &p.Ind);
    } else {
      // A null of a text or number column.
      r = SQLBindParameter(FStmt, n, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR, 1, 0, nullptr, 0, &p.Ind);
    }
    if (!SQL_SUCCEEDED(r)) Fail(Context);
  }
  SQLRETURN r = SQLExecute(FStmt);
  if (!SQL_SUCCEEDED(r) && r != SQL_NO_DATA) Fail(Context);
}

SQLLEN TOdbcStatement::RowCount() {
  SQLLEN n = -1;
  SQLRowCount(FStmt, &n);
  return n;
}

bool TOdbcStatement::Fetch(const String& Context) {
  SQLRETURN r = SQLFetch(FStmt);
  if (r == SQL_NO_DATA) return false;
  if (!SQL_SUCCEEDED(r)) Fail(Context);
  return true;
}

TFieldValue TOdbcStatement::Get(SQLUSMALLINT Col, TFieldType Type, const String& Context) {
  SQLLEN ind = 0;
  SQLRETURN r;
  switch (Type) {
    case ftDate: case ftTime: case ftDateTime: case ftTimeStamp: {
      SQL_TIMESTAMP_STRUCT ts{};
      r = SQLGetData(FStmt, Col, SQL_C_TYPE_TIMESTAMP, &ts, sizeof ts, &ind);
      if (!SQL_SUCCEEDED(r)) Fail(Context);
      if (ind == SQL_NULL_DATA) return {};
      TDateTime dt;
      if (!TryEncodeDateTime(ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second,
                             static_cast<Word>(ts.fraction / 1000000u), dt))
        return {};
      return dt;
    }
    case ftSmallint: case ftInteger: case ftWord: case ftAutoInc: case ftLargeint: {
      Int64 v = 0;
      r = SQLGetData(FStmt, Col, SQL_C_SBIGINT, &v, sizeof v, &ind);
      if (!SQL_SUCCEEDED(r)) Fail(Context);
      return ind == SQL_NULL_DATA ? TFieldValue() : TFieldValue(v);
    }
    case ftFloat: case ftCurrency: case ftBCD: case ftFMTBcd: {
      double v = 0;
      r = SQLGetData(FStmt, Col, SQL_C_DOUBLE, &v, sizeof v, &ind);
      if (!SQL_SUCCEEDED(r)) Fail(Context);
      return ind == SQL_NULL_DATA ? TFieldValue() : TFieldValue(v);
    }
    case ftBoolean: {
      unsigned char v = 0;
      r = SQLGetData(FStmt, Col, SQL_C_BIT, &v, sizeof v, &ind);
      if (!SQL_SUCCEEDED(r)) Fail(Context);
      return ind == SQL_NULL_DATA ? TFieldValue() : TFieldValue(v != 0);
    }
    case ftBlob: case ftGraphic: case ftBytes: case ftVarBytes: case ftTypedBinary: {
      TBytes all;
      Byte buf[4096];
      for (;;) {
        r = SQLGetData(FStmt, Col, SQL_C_BINARY, buf, sizeof buf, &ind);
        if (r == SQL_NO_DATA) break;
        if (!SQL_SUCCEEDED(r)) Fail(Context);
        if (ind == SQL_NULL_DATA) return {};
        size_t got = (ind == SQL_NO_TOTAL || ind > static_cast<SQLLEN>(sizeof buf)) ? sizeof buf : ind;
        all.append(buf, got);
        if (r == SQL_SUCCESS) break;
      }
      return all;
    }
    default: {
      String all;
      wchar_t buf[1024];
      for (;;) {
        r = SQLGetData(FStmt, Col, SQL_C_WCHAR, buf, sizeof buf, &ind);
        if (r == SQL_NO_DATA) break;
        if (!SQL_SUCCEEDED(r)) Fail(Context);
        if (ind == SQL_NULL_DATA) return {};
        size_t cap = sizeof buf / sizeof(wchar_t) - 1;
        size_t got = (ind == SQL_NO_TOTAL || ind / static_cast<SQLLEN>(sizeof(wchar_t)) > static_cast<SQLLEN>(cap))
                         ? cap : ind / sizeof(wchar_t);
        all.append(buf, got);
        if (r == SQL_SUCCESS) break;
      }
      return all;
    }
  }
}

}  // namespace jorv
