// The C# that generated files of one sort all open with, written in one
// place: the using lines, and a designer file's header with its Dispose.
#pragma once

#include <string_view>

#include "vocabulary/CodeWriter.h"

// The using lines of a file: a tier's class (entity, business logic), a
// data-access class, a form, and the complete query form, which also
// formats invariantly. provider: the data-access class's provider
// namespace (the dialect's).
enum class TUsings { Tier, DataAccess, Form, QueryForm };
void WriteUsings(TCodeWriter& w, TUsings usings, std::string_view provider = {});

// A designer file from its first line to the resource manager in
// InitializeComponent: the partial class formClass, its components and
// Dispose, and the designer region. resourceForm is the form whose
// resources hold the icon (the edit form reads the add form's). The add
// and edit forms have no blank line after the region's start.
void WriteDesignerHeader(TCodeWriter& w, std::string_view formClass, std::string_view resourceForm,
                         bool blankAfterRegion);
