// Moved to the command layer; this name stays until every includer uses
// commands/DesignText.h.
#pragma once

#include "commands/DesignText.h"
