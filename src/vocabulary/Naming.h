// Naming rules shared by the generators and the checks before generation:
// how design names become identifiers of the generated C# code.
#pragma once

#include <string>

#include "vocabulary/Design.h"

// The class name with its first character lowered when it is an ASCII
// capital ("Book" -> "book").
std::string InstanceName(const std::string& className);

// A C# identifier: a letter or '_' first, then letters, digits or '_'
// (ASCII, or any non-ASCII character, which C# accepts as a letter).
bool IsCSharpIdentifier(const std::string& name);

// A reserved C# keyword ("class", "int", ...), which cannot name a type or
// member without '@'.
bool IsCSharpKeyword(const std::string& name);

// A design name where it stands as a C# identifier on its own: "@default"
// for a keyword, the name itself otherwise. Inside longer identifiers
// (txt_default) and in SQL the plain name is used.
std::string CSharpName(const std::string& name);

// The variable of the entity type in generated code (parameter, local and
// field): the instance name, followed by '_' when it would meet a name of
// the same scope (the key, a member whose kind names locals after it, a
// fixed name of the generated code), or with '@' when it is a keyword
// ("event" -> "@event").
std::string EntityVariable(const TDesignClass& cls);

// A public type of a namespace that generated files import (Image, Form,
// Region, ...), which a class of the same name would make ambiguous.
bool IsImportedTypeName(const std::string& name);

// The files that import Model, whose own fixed text names framework types.
enum class TImportingFile { DataAccess, FormCode };

// Using-alias lines ("using Form = System.Windows.Forms.Form;") for every
// framework type the file names that a class of the design also names:
// with Model imported, the bare name would be ambiguous. Empty for designs
// without such classes.
std::string TypeAliasLines(const TDesign& design, TImportingFile file);

// Every name the generators look for among the design's class names: an
// imported type, a framework type some fixed text names, a kind's own
// framework type. A class so named changes the files of other classes.
bool IsFrameworkTypeName(const std::string& name);

// The entity type as the data-access and form code name it: Model.<Class>
// when the class is named like an imported type, <Class> otherwise.
std::string EntityType(const std::string& className);

// A C# string literal holding the text ('"' and '\\' escaped).
std::string CSharpString(const std::string& text);

// The member's choices as the lines of an Items.AddRange list on a form
// ("            \"男\",", one a line; the last without comma or line end).
std::string ChoiceItems(const TMember& member);

// The value as a C# literal for a control of the kind: yes/no as true or
// false, any other value as the text the control shows.
std::string CSharpValue(TValueForm form, const std::string& value);
