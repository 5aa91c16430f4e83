// Writes the BLL project: its project file and one file per class.
#pragma once

#include <string>

#include "generate/GeneratorContext.h"
#include "vocabulary/Design.h"

// One business class bll<Class> per designed class, in namespace BLL, whose
// six static methods forward to the same-named methods of DAL.dal<Class>.
// It needs only the DAL's names, not its files.
class TBLLOperate {
public:
  static void Generate(TGeneratorContext& ctx, const TDesign& design);
  static std::string BuildClass(const TDesignClass& cls);
};
