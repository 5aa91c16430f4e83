// A project's design as a JSON text, for review, diffs and version control,
// and the way back: a new project made from such a text under the same
// entry rules, with the same messages, as the dialogs apply.
//
// The text: an object with "formatVersion" (1), "projectName", the
// project's settings when not the default ("fullQueryForms": true,
// "database": "sqlite") and "classes", each class with "className", "friendName", "frontShowFlag"
// and "members", each member with the eleven fields of the member record
// from "memberName" to "memberQueryDisplay" (flags as true/false). Keys
// always in that order, two-space indentation, UTF-8, a final newline: two
// exports of the same design are the same bytes.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

inline constexpr int kDesignFormatVersion = 1;

// A design text was refused. Place() names where: a path into the text
// ("classes[2].members[0].memberType"), a line and column for text that is
// not JSON, or nothing for a project name given by the caller. A table
// script (SqlScriptImport.h) is refused with it too, at a line and column
// of the script.
class TDesignTextError : public std::runtime_error {
public:
  TDesignTextError(std::string place, std::string message);
  const std::string& Place() const { return place_; }
  const std::string& Message() const { return message_; }

private:
  std::string place_;
  std::string message_;
};

// The project's design as text. Throws TDbError from the store and
// std::runtime_error when a stored text is not valid UTF-8 or a stored
// length is no 32-bit whole number.
std::string ExportDesign(int projectId);

// Makes a new project from a design text, named projectName when given,
// else as the text says, in one transaction: the first refused entry
// throws TDesignTextError and the design database stays as it was.
// Answers the new project's identifier.
int ImportDesign(const std::string& text, const std::optional<std::string>& projectName = {});
