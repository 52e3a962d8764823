#include "platform/data/ADOConnection.h"
#include "platform/data/DBConsts.h"
#include "platform/data/Odbc.h"
#include "platform/rtl/SysUtils.h"

namespace jorv {

namespace {

const wchar_t* const AccessDriver = L"Microsoft Access Driver (*.mdb)";
const wchar_t* const SQLiteDriver = L"SQLite3";

bool DriverInstalled(SQLHENV Env, const String& Name) {
  SQLWCHAR desc[256], attr[1024];
  SQLSMALLINT dl, al;
  SQLUSMALLINT dir = SQL_FETCH_FIRST;
  while (SQL_SUCCEEDED(SQLDriversW(Env, dir, desc, 256, &dl, attr, 1024, &al))) {
    if (AnsiSameText(reinterpret_cast<const wchar_t*>(desc), Name)) return true;
    dir = SQL_FETCH_NEXT;
  }
  return false;
}

// The host's path of a file under Wine; the path itself on Windows.
String HostPath(const String& FileName) {
  using TUnixName = char*(__cdecl*)(const wchar_t*);
  auto f = reinterpret_cast<TUnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!f) return FileName;
  char* unixName = f(FileName.c_str());
  if (!unixName) return FileName;
  String r = UTF8Decode(unixName);
  HeapFree(GetProcessHeap(), 0, unixName);
  return r;
}

}  // namespace

String ConnectionStringValue(const String& ConnectionString, const String& Key) {
  size_t start = 0;
  while (start <= ConnectionString.size()) {
    size_t end = ConnectionString.find(L';', start);
    if (end == String::npos) end = ConnectionString.size();
    String part = ConnectionString.substr(start, end - start);
    size_t eq = part.find(L'=');
    if (eq != String::npos && AnsiSameText(Trim(part.substr(0, eq)), Key)) {
      String v = Trim(part.substr(eq + 1));
      if (v.size() >= 2 && (v.front() == L'"' || v.front() == L'\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
      return v;
    }
    start = end + 1;
  }
  return {};
}

TADOConnection::TADOConnection(TComponent* AOwner) : TComponent(AOwner) {}

TADOConnection::~TADOConnection() = default;

void TADOConnection::SetConnectionString(const String& Value) {
  if (FConnectionString == Value) return;
  Close();
  FConnectionString = Value;
}

String TADOConnection::FileName() const {
  String f = ConnectionStringValue(FConnectionString, L"Data Source");
  if (f.empty()) f = ConnectionStringValue(FConnectionString, L"DBQ");
  return f;
}

TOdbcHandles& TADOConnection::Handles() {
  Open();
  return *FHandles;
}

void TADOConnection::SetConnected(bool Value) {
  if (Connected() == Value) return;
  if (!Value) {
    FHandles.reset();
    return;
  }
  String file = FileName();
  if (file.empty()) DatabaseError(SNoConnection, this);
  // The driver would make a new empty database for a missing file.
  if (!FileExists(file)) throw EDatabaseError(L"Could not find file '" + file + L"'.");
  auto h = std::make_unique<TOdbcHandles>();
  h->FileName = file;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &h->Env)))
    throw EDatabaseError(L"ODBC is not available to open '" + file + L"'.");
  SQLSetEnvAttr(h->Env, SQL_ATTR_ODBC_VERSION, (SQLPOINTER)SQL_OV_ODBC3, 0);
  String cs;
  if (DriverInstalled(h->Env, AccessDriver)) {
    FSQLite = false;
    cs = String(L"DRIVER={") + AccessDriver + L"};DBQ=" + file;
  } else if (DriverInstalled(h->Env, SQLiteDriver)) {
    FSQLite = true;
    cs = String(L"DRIVER={") + SQLiteDriver + L"};Database=" + HostPath(file) + L";NoCreat=1;Timeout=1000";
  } else {
    throw EDatabaseError(L"No database driver is installed to open '" + file + L"'.");
  }
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, h->Env, &h->Dbc)))
    throw EDatabaseError(L"Cannot open database '" + file + L"'.");
  SQLRETURN r = SQLDriverConnectW(h->Dbc, nullptr, (SQLWCHAR*)cs.c_str(), SQL_NTS, nullptr, 0, nullptr,
                                  SQL_DRIVER_NOPROMPT);
  if (!SQL_SUCCEEDED(r)) {
    String diag = OdbcDiagnostic(SQL_HANDLE_DBC, h->Dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, h->Dbc);
    h->Dbc = nullptr;
    throw EDatabaseError(L"Cannot open database '" + file + L"'" + (diag.empty() ? String() : L": " + diag));
  }
  // Writes are committed one by one after checking what they touched.
  SQLSetConnectAttrW(h->Dbc, SQL_ATTR_AUTOCOMMIT, (SQLPOINTER)SQL_AUTOCOMMIT_OFF, 0);
  if (FSQLite) {
    // The driver opens any file lazily; read its catalogue now so that a
    // file of another kind is reported here.
    TOdbcStatement st(*h);
    st.Execute(L"SELECT count(*) FROM sqlite_master", {}, {},
               L"'" + file + L"' is not a database that can be read");
    st.Fetch(L"'" + file + L"' is not a database that can be read");
  }
  FHandles = std::move(h);
}

}  // namespace jorv
