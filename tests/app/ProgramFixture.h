#pragma once
// The program's forms made as the main block makes them, in a fresh working
// folder with a holiday database of the test's own.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "app/DaysOffForm.h"
#include "app/MainForm.h"
#include "platform/data/Odbc.h"
#include "tests/support/TempDir.h"

namespace jorv::test {

// A connection of its own to an SQLite holiday file, beside the program's.
class THolidayFile {
 public:
  explicit THolidayFile(const String& File);
  void Run(const String& Sql, std::vector<TFieldValue> Params = {}, std::vector<TFieldType> Types = {});
  // The rows as "yyyy-mm-dd text" in date order.
  std::vector<String> Rows();

 private:
  TOdbcHandles FH;
};

// Makes "Tarvok.mdb" in Dir with the given rows (an empty date is NULL).
void MakeHolidayFile(const String& Dir, const std::vector<std::pair<TDateTime, String>>& Rows);

// Switches to a fresh working folder for the test's lifetime.
class TWorkingFolder {
 public:
  TWorkingFolder();
  ~TWorkingFolder();
  const String& Dir() const { return FTemp.Dir(); }
  String Path(const String& Name) const { return FTemp.Path(Name); }

 private:
  TTempDir FTemp;
  String FOld;
};

// Creates the main window and the dialog as the main block does, and frees
// them at the end.
class TProgramForms {
 public:
  TProgramForms();
  ~TProgramForms();
  app::TFRM_Main* Main() const { return app::FRM_Main; }
  app::TFRM_DaysOff* Dialog() const { return app::FRM_DaysOff; }
};

}  // namespace jorv::test
