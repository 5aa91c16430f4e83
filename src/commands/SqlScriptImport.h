// A design from a SQL Server table script: a new project made from the
// script's tables, or an existing project brought up to date with a changed
// script while the designer's own choices stay. Both store through the same
// entry rules, with the same messages, as the dialogs and the design-text
// import (DesignText.h), in one transaction: a refusal leaves the design
// database as it was. How tables, columns and types become classes and
// members is in the README's table; the script is read by SqlScriptReader.
#pragma once

#include <string>
#include <vector>

enum class TScriptEncoding { Utf8, Gbk, Automatic };

// The script's text as UTF-8. A byte-order mark (UTF-8, UTF-16) decides the
// encoding whatever is asked; otherwise the bytes are read as asked, and
// Automatic reads them as UTF-8 when they are, else as GBK. Bytes that are
// no text of the encoding are a TDesignTextError naming line and column.
std::string DecodeScript(const std::string& bytes, TScriptEncoding encoding);

struct TSqlImport {
  int projectId = 0;
  // For the user: statements and columns skipped, names changed, keys
  // chosen or added, references not made.
  std::vector<std::string> warnings;
};

// Makes the project projectName from the script (UTF-8). A refusal is a
// TDesignTextError: its place is the line and column in the script with
// the table and column concerned, or empty for a refused project name.
TSqlImport ImportSqlScript(const std::string& text, const std::string& projectName);

struct TReimportOptions {
  bool prune = false;   // remove the classes and members the script lacks
  bool dryRun = false;  // check and list everything, write nothing
};

struct TReimport {
  // One line per change and per class or member the script lacks, in the
  // order of the script, then of the design.
  std::vector<std::string> lines;
  int changes = 0;  // lines that change the design (or would, in a dry run)
  std::vector<std::string> warnings;
};

// Brings project projectId up to date with the script in a transaction of
// its own (not to be called inside another). New tables and columns are
// added; types, lengths, required flags, the key and references follow the
// script, and so do friendly names and comments the script states;
// everything else the designer chose is kept, as is the order of existing
// members. Refusals as for ImportSqlScript; a project that is gone is a
// std::runtime_error.
TReimport ReimportSqlScript(const std::string& text, int projectId,
                            const TReimportOptions& options);
