// Writes the Model project (entity classes): its project file and one file per class.
#pragma once

#include <string>

#include "generate/GeneratorContext.h"
#include "vocabulary/Design.h"

// One entity class per designed class: a private field and a public
// property per member, in member order, in namespace Model. The project
// file comes first, then the classes in class order.
class TEntityOperate {
public:
  static void Generate(TGeneratorContext& ctx, const TDesign& design);
  static std::string BuildClass(const TDesign& design, const TDesignClass& cls);
};
