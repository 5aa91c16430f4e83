// Writes the Model project (entity classes): its project file and one file per class.
#pragma once

#include <string>

#include "generate/ClassInfo.h"
#include "generate/GeneratorContext.h"
#include "store/NameList.h"

// One entity class per designed class: a private field and a public
// property per member, in member order, in namespace Model. The project
// file comes first, then the classes in list order.
class TEntityOperate {
public:
  static void Generate(TGeneratorContext& ctx, const TNameList& classes);

private:
  static std::string BuildClass(TDesignReader& reader, const TClassInfo& cls);
};
