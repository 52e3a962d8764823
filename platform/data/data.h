#pragma once
// Umbrella header of the data-access layer.
#include "platform/data/DataTypes.h"
#include "platform/data/DBConsts.h"
#include "platform/data/Field.h"
#include "platform/data/Fields.h"
#include "platform/data/FieldDefs.h"
#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"
#include "platform/data/DataLink.h"
#include "platform/data/MemoryDataSet.h"
#include "platform/data/ADOConnection.h"
#include "platform/data/ADOTable.h"
#include "platform/data/DBGrid.h"
