// The dialog that adds a class to the current project.
#pragma once

#include "ui/ClassFormBase.h"

class TAddClassForm : public TClassFormBase {
  Q_OBJECT
public:
  TAddClassForm(QWidget* owner, TSubmit submit);
};
