// Reads a whole project of the design store at once.
#pragma once

#include <string>

#include "vocabulary/Design.h"

// Reads the project, its name, settings, classes and members in one read
// transaction, so a project renamed meanwhile is read under the name it has
// now. A project that no longer exists is a TDbError with the message
// msg::kProjectGone; other errors of the store propagate as TDbError.
TDesign ReadDesign(int projectId);
