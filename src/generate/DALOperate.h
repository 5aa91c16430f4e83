// Writes the DAL project: its project file and one data-access class per class.
#pragma once

#include "generate/GeneratorContext.h"
#include "store/NameList.h"

class TDALOperate {
public:
  void Generate(TGeneratorContext& ctx, const TNameList& classes);
};
