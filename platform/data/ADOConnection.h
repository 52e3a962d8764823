#pragma once
// The connection to a database file named by a connection string
// ("...;Data Source=<file>;..."). The file is reached through ODBC: the
// Access driver where it is installed, else the SQLite3 driver on the same
// file (its path turned into the host's path under Wine). A missing file,
// a missing driver or a file the driver cannot read raise EDatabaseError
// naming the file; nothing is ever created or written on opening.
#include <memory>
#include "platform/data/DataTypes.h"
#include "platform/rtl/Component.h"

namespace jorv {

struct TOdbcHandles;

class TADOConnection : public TComponent {
 public:
  explicit TADOConnection(TComponent* AOwner = nullptr);
  ~TADOConnection() override;

  const String& ConnectionString() const { return FConnectionString; }
  void SetConnectionString(const String& Value);
  // Never prompts: there is no login on these files.
  bool LoginPrompt() const { return FLoginPrompt; }
  void SetLoginPrompt(bool Value) { FLoginPrompt = Value; }
  bool Connected() const { return FHandles != nullptr; }
  void SetConnected(bool Value);
  void Open() { SetConnected(true); }
  void Close() { SetConnected(false); }
  // The database file of the connection string.
  String FileName() const;
  // Whether the file is an SQLite file (no Access driver here).
  bool IsSQLite() const { return FSQLite; }

  // --- used by the tables ---
  TOdbcHandles& Handles();

 private:
  String FConnectionString;
  bool FLoginPrompt = true;
  bool FSQLite = false;
  std::unique_ptr<TOdbcHandles> FHandles;
};

// The value of Key in a "Key=Value;Key=Value" string (without regard to
// case), empty when absent.
String ConnectionStringValue(const String& ConnectionString, const String& Key);

}  // namespace jorv
