// The check a design must pass before any file is written, after the key
// and display-member checks: everything else that would make the written
// solution fail to build or the run fail half way (an unsafe project
// directory name, a key type the generators cannot handle, names C# does
// not accept, unknown referenced classes, texts GBK cannot hold, comments
// that would break out of a comment or a string literal, names and texts
// longer than the entry rules allow or than a file name may be, string
// lengths outside 1 to 8000 or stored out of range).
#pragma once

#include <string>
#include <vector>

#include "vocabulary/Design.h"

// Every problem found, one message each, in project / class / member
// order; each names its class and member. Empty when the design passes.
std::vector<std::string> CheckDesign(const TDesign& design);

// The text shown for a failed check: a heading line, then one problem a line.
std::string DesignCheckMessage(const std::vector<std::string>& problems);
