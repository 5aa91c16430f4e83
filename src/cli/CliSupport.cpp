#include "cli/CliSupport.h"

namespace cli {

void TProjectRef::AddTo(CLI::App* command) {
  command->add_option("project", name, "工程名称")->required();
  command->add_option("--project-id", id, "工程编号(多个工程同名时用它区分)");
}

int TProjectRef::Resolve() const {
  return cli::Resolve(Ref()).projectId;
}

commands::TTarget Resolve(const commands::TDesignRef& ref) {
  const commands::TLookup lookup = commands::Find(ref);
  if (!lookup) throw TRefused(lookup.refusal);
  return lookup.target;
}

}  // namespace cli
