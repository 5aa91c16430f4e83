// The sample design "Demo": a small library that shows every member type.
#pragma once

#include "commands/DesignRules.h"

inline constexpr const char* kSampleProjectName = "Demo";

// Adds the sample project through the same rules a user meets; answers the
// refusing message (the name is taken) or nothing. projectId gets the new
// project's identifier.
TRuleResult CreateSampleDesign(int& projectId);
