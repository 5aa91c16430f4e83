// Moved to the command layer; this name stays until every includer uses
// commands/DesignRules.h.
#pragma once

#include "commands/DesignRules.h"
