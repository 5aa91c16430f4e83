// Reads a whole project of the design store at once.
#pragma once

#include <string>

#include "vocabulary/Design.h"

// Reads the project's classes and members in one transaction. The project
// name is the caller's (the run's output directory is named by it).
// Errors of the store propagate as TDbError.
TDesign ReadDesign(int projectId, const std::string& projectName = {});
