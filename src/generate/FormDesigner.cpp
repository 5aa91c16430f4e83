#include "generate/FormDesigner.h"

#include "generate/CSharpBoilerplate.h"
#include "generate/ClassFiles.h"
#include "vocabulary/Naming.h"

namespace {

// Where the edit form's designer differs from the add form's. The edit
// form reads its icon from the add form's resources and carries the name
// FrmUpdate<Class>, as forms of this kind always have.
struct TVariantText {
  std::string_view formClass;  // FrmAdd / FrmEdit
  std::string_view button;     // Btn_Add / Btn_Update
  std::string_view action;     // the button's caption before the friendly name
  std::string_view formName;   // the Name property and its comment
  std::string_view title;      // after the friendly name in the window title
};

constexpr TVariantText kAdd = {"FrmAdd", "Btn_Add", "添加", "FrmAdd", "添加界面"};
constexpr TVariantText kEdit = {"FrmEdit", "Btn_Update", "更新", "FrmUpdate", "编辑界面"};

// The name of one of a row's controls: its prefix and the member's name.
std::string ControlName(const TFormControl& control, const TMember& m) {
  return std::string(control.prefix) + m.memberName;
}

class TDesignerWriter {
public:
  TDesignerWriter(const TDesignClass& cls, TFormVariant variant)
      : cls_(cls),
        text_(variant == TFormVariant::Edit ? kEdit : kAdd),
        plan_(PlanForm(cls, variant)),
        w_(ClassWriter(cls)) {
    w_.Set("form", std::string(text_.formClass));
    w_.Set("btn", std::string(text_.button));
  }

  std::string Build();

private:
  void WriteKeyRow(const TRowPlace& row);
  void WriteRow(const TRowPlace& row);
  void WriteLabel(const TRowPlace& row);
  void WriteFormProperties();
  void WriteFields();

  const TDesignClass& cls_;
  const TVariantText& text_;
  const TFormPlan plan_;
  TCodeWriter w_;
};

std::string TDesignerWriter::Build() {
  WriteDesignerHeader(w_, std::string(text_.formClass) + cls_.className, "FrmAdd" + cls_.className,
                      false);
  w_.Line("            this.$btn$ = new System.Windows.Forms.Button();");
  for (const TRowPlace& row : plan_.rows) row.isKey ? WriteKeyRow(row) : WriteRow(row);
  WriteFormProperties();
  WriteFields();
  return w_.Take();
}

void TDesignerWriter::WriteKeyRow(const TRowPlace& row) {
  w_.Lines(R"(
            this.label1 = new System.Windows.Forms.Label();
            this.txt_$m$ = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label1);
            this.Controls.Add(this.txt_$m$);
            // 
            // label1
            // 
            this.label1.AutoSize = true;
            this.label1.Location = new System.Drawing.Point(95, 47);
            this.label1.Name = "label1";
            this.label1.Size = new System.Drawing.Size(77, 12);
            this.label1.TabIndex = 0;
            this.label1.Text = "$c$：";
            // 
            // txt_$m$
            // 
            this.txt_$m$.Location = new System.Drawing.Point(194, 44);
            this.txt_$m$.Name = "txt_$m$";
            this.txt_$m$.Size = new System.Drawing.Size(199, 21);
            this.txt_$m$.TabIndex = 1;
)",
           {{"m", row.member->memberName}, {"c", row.member->memberComment}});
}

void TDesignerWriter::WriteLabel(const TRowPlace& row) {
  w_.Lines(R"(
            this.label$n$.AutoSize = true;
            this.label$n$.Location = new System.Drawing.Point(95, $y$);
            this.label$n$.Name = "label$n$";
            this.label$n$.Size = new System.Drawing.Size(65, 12);
            this.label$n$.TabIndex = $t$;
            this.label$n$.Text = "$c$：";
)",
           {{"n", std::to_string(row.label)},
            {"y", std::to_string(row.y)},
            {"t", std::to_string(row.tab)},
            {"c", row.member->memberComment}});
}

// A label, then the member kind's controls: created, added, then each with
// its comment and properties.
void TDesignerWriter::WriteRow(const TRowPlace& row) {
  const TDesignMember& m = *row.member;
  const TKindInfo& kind = m.Kind();
  const std::string n = std::to_string(row.label);
  w_.Line("            this.label$n$ = new System.Windows.Forms.Label();", {{"n", n}});
  for (const TFormControl& c : kind.controls) {
    const std::string name = ControlName(c, m);
    w_.Line("            this.$ctl$ = new System.Windows.Forms.$type$();",
            {{"ctl", name}, {"type", c.type}});
    w_.Lines(c.created, {{"ctl", name}});
  }
  w_.Line("            this.Controls.Add(this.label$n$);", {{"n", n}});
  for (const TFormControl& c : kind.controls)
    w_.Line("            this.Controls.Add(this.$ctl$);", {{"ctl", ControlName(c, m)}});
  w_.Line("            // ");
  w_.Line("            // label$n$", {{"n", n}});
  w_.Line("            $end$", {{"end", kind.labelCommentClose}});
  WriteLabel(row);
  int tab = row.tab;
  for (const TFormControl& c : kind.controls) {
    const std::string name = ControlName(c, m);
    w_.Line("            $open$", {{"open", c.commentOpen}});
    w_.Line("            // $ctl$", {{"ctl", name}});
    w_.Line("            $close$", {{"close", c.commentClose}});
    w_.Lines(c.properties, {{"ctl", name},
                            {"y", std::to_string(row.y + c.dy)},
                            {"t", std::to_string(++tab)},
                            {"len", std::to_string(m.memberLength)},
                            {"c", m.memberComment},
                            {"items", ChoiceItems(m)}});
  }
}

void TDesignerWriter::WriteFormProperties() {
  w_.Lines(R"(
            // 
            // $btn$
            // 
            this.$btn$.Location = new System.Drawing.Point(208, $y$);
            this.$btn$.Name = "$btn$";
            this.$btn$.Size = new System.Drawing.Size(142, 25);
            this.$btn$.TabIndex = $t$;
            this.$btn$.Text = "$action$$F$";
            this.$btn$.UseVisualStyleBackColor = true;
            this.$btn$.Click += new System.EventHandler(this.$btn$_Click);
            this.SuspendLayout();
            // 
            // $name$$C$
            // 
            this.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F);
            this.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font;
            this.AutoScroll = true;
            this.ClientSize = new System.Drawing.Size(601, 513);
            this.Controls.Add(this.$btn$);
            this.FormBorderStyle = System.Windows.Forms.FormBorderStyle.Fixed3D;
            this.Icon = ((System.Drawing.Icon)(resources.GetObject("$this.Icon")));
            this.MaximizeBox = false;
            this.MinimizeBox = false;
            this.Name = "$name$$C$";
            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;
            this.Text = "$F$$title$";
            this.Load += new System.EventHandler(this.$form$$C$_Load);
            this.ResumeLayout(false);
            this.PerformLayout();
        }
        #endregion
)",
           {{"y", std::to_string(plan_.buttonY)},
            {"t", std::to_string(plan_.buttonTab)},
            {"action", text_.action},
            {"name", text_.formName},
            {"title", text_.title}});
}

void TDesignerWriter::WriteFields() {
  for (const TRowPlace& row : plan_.rows) {
    const TDesignMember& m = *row.member;
    w_.Line("        private System.Windows.Forms.Label label$n$;",
            {{"n", std::to_string(row.label)}});
    if (row.isKey) {
      w_.Line("        private System.Windows.Forms.TextBox txt_$m$;", {{"m", m.memberName}});
      continue;
    }
    for (const TFormControl& c : m.Kind().controls)
      w_.Line("        private System.Windows.Forms.$type$ $ctl$;",
              {{"type", c.type}, {"ctl", ControlName(c, m)}});
  }
  w_.Lines(R"(
        private System.Windows.Forms.Button $btn$;
    }
}
)");
}

}  // namespace

std::string BuildFormDesigner(const TDesignClass& cls, TFormVariant variant) {
  return TDesignerWriter(cls, variant).Build();
}
