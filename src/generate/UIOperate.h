// Writes the user-interface project LoginFrame: its project file, then per
// class the add, edit and query forms (code, designer and resource file),
// then the main form's menus. Each file kind is written for every class
// before the next kind starts.
#pragma once

#include <string>

#include "generate/GeneratorContext.h"
#include "generate/OutputFiles.h"
#include "vocabulary/Design.h"

class TUIOperate {
public:
  static void Generate(TGeneratorContext& ctx, const TDesign& design);

  // The texts that fill the UI project file's two placeholders.
  static std::string CompileItems(const TDesign& design);
  static std::string ResourceItems(const TDesign& design);
  static std::string BuildQueryCode(const TDesignClass& cls);
  static std::string BuildQueryDesigner(const TDesignClass& cls);
  // Writes Frm主面.cs and Frm主面.designer.cs with a menu per class.
  static void WriteMainForm(TGeneratorContext& ctx, const TDesign& design);
  // Their placeholders and fills: the code file's first, then the
  // designer file's four.
  static TTemplateFills MainFormParts(const TDesign& design);
};
