// Shared pieces of the command line: how a command reaches its project,
// class and member, and how it reports a refusal.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include <CLI/CLI.hpp>

#include "commands/DesignReads.h"

struct TGenerationRequest;

namespace cli {

// A command's outcome other than success: the message goes to stderr.
struct TRefused : std::runtime_error {
  explicit TRefused(const std::string& message, int code = 1)
      : std::runtime_error(message), exitCode(code) {}
  int exitCode;
};

// Filled by the parser; the chosen command sets `run`, which main calls
// after the design database is open.
struct TContext {
  std::optional<std::string> dir;
  // The command only reads: neither the base directory nor the design
  // database is made or changed (a mistyped --dir stays a mistake).
  bool readOnly = false;
  std::function<int()> run;
};

// Selects a project by name; a name several projects share needs the id.
struct TProjectRef {
  std::string name;
  std::optional<int> id;
  void AddTo(CLI::App* command);
  // The project, or a class of it and members of that class, as the design
  // commands take them.
  commands::TDesignRef Ref(std::optional<std::string> className = {},
                           std::vector<std::string> memberNames = {}) const {
    return {name, id, std::move(className), std::move(memberNames)};
  }
  int Resolve() const;
};

// What the reference names; a lookup that fails is refused.
commands::TTarget Resolve(const commands::TDesignRef& ref);

void RegisterDesignCommands(CLI::App& app, TContext& ctx);
void RegisterScriptCommands(CLI::App& app, TContext& ctx);
void RegisterGenerateCommands(CLI::App& app, TContext& ctx);
void RegisterTextCommands(CLI::App& app, TContext& ctx);

// generate --dry-run: lists each file the run would write with its status.
int DryRunGeneration(TGenerationRequest request);

}  // namespace cli
