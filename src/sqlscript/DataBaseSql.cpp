// The table script of a stored project: its design read at once, then
// built by the dialect's writer (vocabulary/TableScript.h).
#include "sqlscript/DataBaseSql.h"

#include "store/DesignReader.h"
#include "vocabulary/Design.h"

TTableScript BuildTableScript(int projectId) {
  return BuildTableScript(ReadDesign(projectId));
}
