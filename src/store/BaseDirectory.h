// Moved to the command layer; this name stays until every includer uses
// commands/BaseDirectory.h.
#pragma once

#include "commands/BaseDirectory.h"
