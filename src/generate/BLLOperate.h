// Writes the BLL project: its project file and one file per class.
#pragma once

#include "generate/GeneratorContext.h"
#include "store/NameList.h"

class TBLLOperate {
public:
  static void Generate(TGeneratorContext& ctx, const TNameList& classes);
};
