// Writes the Model project (entity classes): its project file and one file per class.
#pragma once

#include "generate/GeneratorContext.h"
#include "store/NameList.h"

class TEntityOperate {
public:
  static void Generate(TGeneratorContext& ctx, const TNameList& classes);
};
