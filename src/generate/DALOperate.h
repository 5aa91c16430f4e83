// Writes the DAL project: its project file and one data-access class per class.
#pragma once

#include <string>

#include "generate/ClassInfo.h"
#include "generate/GeneratorContext.h"
#include "store/NameList.h"

// One static data-access class dal<Class> per designed class, in namespace
// DAL, over SQL Server through the solution's DBHelp class: insert, fetch
// one by key, update, delete a list of keys, paged query and fetch all.
// Table and column names are the class and member names. The object holds
// the class being written while its method texts are built.
class TDALOperate {
public:
  void Generate(TGeneratorContext& ctx, const TNameList& classes);

private:
  std::string BuildClass();
  // Each returns one method's text, ending with "        }" and a blank line.
  std::string BuildAdd();
  std::string BuildGetSome();
  std::string BuildEdit();
  std::string BuildDel();
  std::string BuildGet();
  std::string BuildGetAll();

  TDesignReader reader_{0};
  TClassInfo class_;
  TMember key_;
};
