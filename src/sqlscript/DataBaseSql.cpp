#include "sqlscript/DataBaseSql.h"

TTableScript BuildTableScript(int) { return {}; }
