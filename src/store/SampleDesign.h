// Moved to the command layer; this name stays until every includer uses
// commands/SampleDesign.h.
#pragma once

#include "commands/SampleDesign.h"
