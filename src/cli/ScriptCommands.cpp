#include "cli/CliSupport.h"

namespace cli {
void RegisterScriptCommands(CLI::App&, TContext&) {}
}  // namespace cli
