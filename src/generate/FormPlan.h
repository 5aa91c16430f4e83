// The layout of an add or edit form, computed before any text is written.
// Rows stand one under the other: a label at x 95 and the member's input
// controls at x 194, then the form's button. InitializeComponent and the
// field declarations both replay one plan, so the labelN numbering and
// the positions can never disagree between them. A row's height and its
// controls are its member kind's.
#pragma once

#include <vector>

#include "vocabulary/Design.h"

enum class TFormVariant { Add, Edit };

struct TRowPlace {
  const TDesignMember* member = nullptr;
  bool isKey = false;  // the key's own row, first on the form: a text box
  int label = 0;       // N of labelN
  int y = 0;           // top of the row's label
  int tab = 0;         // TabIndex of the label; the controls follow it
};

struct TFormPlan {
  std::vector<TRowPlace> rows;
  int buttonY = 0;
  int buttonTab = 0;
};

// The add form shows the key only when the user types it (a key the
// database does not give); the edit form always shows it. Then every
// non-key member in member order.
TFormPlan PlanForm(const TDesignClass& cls, TFormVariant variant);
