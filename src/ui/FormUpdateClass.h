// The dialog that renames the current class and changes its friendly name
// and front-show flag; references to the class follow the new name.
#pragma once

#include "ui/ClassFormBase.h"

class TUpdateClassForm : public TClassFormBase {
  Q_OBJECT
public:
  TUpdateClassForm(TFormMain& owner, int classId);

protected:
  void Confirm() override;

private:
  int classId_;
};
