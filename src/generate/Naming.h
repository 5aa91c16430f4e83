// Naming rules shared by the generators and the checks before generation.
#pragma once

#include <string>

// The class name with its first character lowered when it is an ASCII
// capital ("Book" -> "book"); used for locals and fields of the entity type.
std::string InstanceName(const std::string& className);

// A C# identifier: a letter or '_' first, then letters, digits or '_'
// (ASCII, or any non-ASCII character, which C# accepts as a letter).
bool IsCSharpIdentifier(const std::string& name);

// A reserved C# keyword ("class", "int", ...), which cannot name a type or
// member without '@'.
bool IsCSharpKeyword(const std::string& name);
