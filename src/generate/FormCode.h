// The code halves of the add and edit forms, FrmAdd<Class>.cs and
// FrmEdit<Class>.cs: constructor, entity object, picture upload handlers,
// the button handler that checks, converts and saves the entries, and the
// load handler that binds drop-downs (and, editing, shows the record).
#pragma once

#include <string>

#include "generate/FormPlan.h"
#include "vocabulary/Design.h"

std::string BuildFormCode(const TDesign& design, const TDesignClass& cls, TFormVariant variant);
