// The table-creation script of a project as the design store holds it now.
#pragma once

#include "vocabulary/TableScript.h"

// Reads the project's design in one transaction and builds its script;
// database errors propagate as TDbError.
TTableScript BuildTableScript(int projectId);
