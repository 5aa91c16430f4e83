// The designer halves of the add and edit forms, FrmAdd<Class>.Designer.cs
// and FrmEdit<Class>.Designer.cs: every control the code half names,
// created and laid out from the form's plan, then the form's properties
// and the field declarations.
#pragma once

#include <string>

#include "generate/FormPlan.h"
#include "vocabulary/Design.h"

std::string BuildFormDesigner(const TDesignClass& cls, TFormVariant variant);
