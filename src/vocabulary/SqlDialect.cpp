// The choice of a project's dialect.
#include "vocabulary/SqlDialect.h"

#include "vocabulary/Design.h"

const TSqlDialect& DialectOf(const TDesign&) {
  return SqlServerDialect();
}
