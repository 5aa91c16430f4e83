#include "cli/CliSupport.h"

namespace cli {
void RegisterGenerateCommands(CLI::App&, TContext&) {}
}  // namespace cli
