// Writes the DAL project: its project file and one data-access class per class.
#pragma once

#include <string>

#include "generate/GeneratorContext.h"
#include "vocabulary/Design.h"

// One static data-access class dal<Class> per designed class, in namespace
// DAL, in the project's SQL dialect through the solution's DBHelp class:
// insert, fetch one by key, update, delete a list of keys, paged query and
// fetch all. Table and column names are the class and member names.
class TDALOperate {
public:
  static void Generate(TGeneratorContext& ctx, const TDesign& design);
  static std::string BuildClass(const TDesign& design, const TDesignClass& cls);
};
