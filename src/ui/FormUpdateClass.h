// The dialog that renames the current class and changes its friendly name
// and front-show flag; references to the class follow the new name.
#pragma once

#include "ui/ClassFormBase.h"

class TUpdateClassForm : public TClassFormBase {
  Q_OBJECT
public:
  // Shows the class as it is: its name as listed, its stored friendly
  // name and flag.
  TUpdateClassForm(QWidget* owner, const TClassEntry& current, TSubmit submit);
};
