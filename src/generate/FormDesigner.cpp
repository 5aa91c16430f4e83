#include "generate/FormDesigner.h"

#include "generate/ClassInfo.h"

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
  void WriteHeader();
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
  WriteHeader();
  for (const TRowPlace& row : plan_.rows) row.isKey ? WriteKeyRow(row) : WriteRow(row);
  WriteFormProperties();
  WriteFields();
  return w_.Take();
}

void TDesignerWriter::WriteHeader() {
  w_.Line("namespace LoginFrame");
  w_.Line("{");
  w_.Line("    partial class $form$$C$");
  w_.Line("    {");
  w_.Line("        /// <summary>");
  w_.Line("        /// Required designer variable.");
  w_.Line("        /// </summary>");
  w_.Line("        private System.ComponentModel.IContainer components = null;");
  w_.Blank();
  w_.Line("        /// <summary>");
  w_.Line("        /// Clean up any resources being used.");
  w_.Line("        /// </summary>");
  w_.Line(
      "        /// <param name=\"disposing\">true if managed resources should be disposed; "
      "otherwise, false.</param>");
  w_.Line("        protected override void Dispose(bool disposing)");
  w_.Line("        {");
  w_.Line("            if (disposing && (components != null))");
  w_.Line("            {");
  w_.Line("                components.Dispose();");
  w_.Line("            }");
  w_.Line("            base.Dispose(disposing);");
  w_.Line("        }");
  w_.Blank();
  w_.Line("        #region Windows Form Designer generated code");
  w_.Line("        /// <summary>");
  w_.Line("        /// Required method for Designer support - do not modify");
  w_.Line("        /// the contents of this method with the code editor.");
  w_.Line("        /// </summary>");
  w_.Line("        private void InitializeComponent()");
  w_.Line("        {");
  w_.Line(
      "            System.ComponentModel.ComponentResourceManager resources = new "
      "System.ComponentModel.ComponentResourceManager(typeof(FrmAdd$C$));");
  w_.Line("            this.$btn$ = new System.Windows.Forms.Button();");
}

void TDesignerWriter::WriteKeyRow(const TRowPlace& row) {
  const TCodeWriter::TVars v = {{"m", row.member->memberName}, {"c", row.member->memberComment}};
  w_.Line("            this.label1 = new System.Windows.Forms.Label();");
  w_.Line("            this.txt_$m$ = new System.Windows.Forms.TextBox();", v);
  w_.Line("            this.Controls.Add(this.label1);");
  w_.Line("            this.Controls.Add(this.txt_$m$);", v);
  w_.Line("            // ");
  w_.Line("            // label1");
  w_.Line("            // ");
  w_.Line("            this.label1.AutoSize = true;");
  w_.Line("            this.label1.Location = new System.Drawing.Point(95, 47);");
  w_.Line("            this.label1.Name = \"label1\";");
  w_.Line("            this.label1.Size = new System.Drawing.Size(77, 12);");
  w_.Line("            this.label1.TabIndex = 0;");
  w_.Line("            this.label1.Text = \"$c$：\";", v);
  w_.Line("            // ");
  w_.Line("            // txt_$m$", v);
  w_.Line("            // ");
  w_.Line("            this.txt_$m$.Location = new System.Drawing.Point(194, 44);", v);
  w_.Line("            this.txt_$m$.Name = \"txt_$m$\";", v);
  w_.Line("            this.txt_$m$.Size = new System.Drawing.Size(199, 21);", v);
  w_.Line("            this.txt_$m$.TabIndex = 1;", v);
}

void TDesignerWriter::WriteLabel(const TRowPlace& row) {
  const std::string n = std::to_string(row.label), y = std::to_string(row.y),
                    t = std::to_string(row.tab);
  const TCodeWriter::TVars v = {{"n", n}, {"y", y}, {"t", t}, {"c", row.member->memberComment}};
  w_.Line("            this.label$n$.AutoSize = true;", v);
  w_.Line("            this.label$n$.Location = new System.Drawing.Point(95, $y$);", v);
  w_.Line("            this.label$n$.Name = \"label$n$\";", v);
  w_.Line("            this.label$n$.Size = new System.Drawing.Size(65, 12);", v);
  w_.Line("            this.label$n$.TabIndex = $t$;", v);
  w_.Line("            this.label$n$.Text = \"$c$：\";", v);
}

// The rows made of a label and one control. Their comment separators
// differ: some end in a space ("// "), some do not ("//").
struct TSingleControl {
  std::string_view prefix;      // of the control's name
  std::string_view type;        // System.Windows.Forms type
  std::string_view labelEnd;    // the separator line closing the label's comment
  std::string_view controlEnd;  // the one closing the control's comment
};

const TSingleControl& SingleControl(TRowKind kind) {
  static constexpr TSingleControl kText = {"txt_", "TextBox", "//", "// "};
  static constexpr TSingleControl kDate = {"dtp_", "DateTimePicker", "//", "//"};
  static constexpr TSingleControl kReference = {"cb_", "ComboBox", "// ", "// "};
  return kind == TRowKind::Date ? kDate : kind == TRowKind::Reference ? kReference : kText;
}

void TDesignerWriter::WriteRow(const TRowPlace& row) {
  const TDesignMember& m = *row.member;
  const std::string n = std::to_string(row.label);
  const std::string top = std::to_string(row.y - 3);
  const std::string t1 = std::to_string(row.tab + 1), t2 = std::to_string(row.tab + 2),
                    t3 = std::to_string(row.tab + 3);
  // A string row's text box takes the member's length as its height.
  const std::string size = row.kind == TRowKind::Text     ? "199, " + std::to_string(m.memberLength)
                           : row.kind == TRowKind::Number ? "199, 21"
                           : row.kind == TRowKind::Date   ? "208, 21"
                                                          : "199, 20";
  if (row.kind != TRowKind::Image) {
    const TSingleControl& c = SingleControl(row.kind);
    const TCodeWriter::TVars v = {{"n", n},         {"m", m.memberName},  {"top", top},
                                  {"t1", t1},       {"size", size},       {"ctl", c.prefix},
                                  {"type", c.type}, {"end1", c.labelEnd}, {"end2", c.controlEnd}};
    w_.Line("            this.label$n$ = new System.Windows.Forms.Label();", v);
    w_.Line("            this.$ctl$$m$ = new System.Windows.Forms.$type$();", v);
    w_.Line("            this.Controls.Add(this.label$n$);", v);
    w_.Line("            this.Controls.Add(this.$ctl$$m$);", v);
    w_.Line("            // ");
    w_.Line("            // label$n$", v);
    w_.Line("            $end1$", v);
    WriteLabel(row);
    w_.Line("            // ");
    w_.Line("            // $ctl$$m$", v);
    w_.Line("            $end2$", v);
    if (row.kind == TRowKind::Reference)
      w_.Line("            this.cb_$m$.FormattingEnabled = true;", v);
    w_.Line("            this.$ctl$$m$.Location = new System.Drawing.Point(194, $top$);", v);
    w_.Line("            this.$ctl$$m$.Name = \"$ctl$$m$\";", v);
    w_.Line("            this.$ctl$$m$.Size = new System.Drawing.Size($size$);", v);
    w_.Line("            this.$ctl$$m$.TabIndex = $t1$;", v);
    return;
  }
  const TCodeWriter::TVars v = {{"n", n},
                                {"m", m.memberName},
                                {"top", top},
                                {"t1", t1},
                                {"t2", t2},
                                {"t3", t3},
                                {"below", std::to_string(row.y + 146)},
                                {"btnY", std::to_string(row.y + 114)}};
  w_.Line("            this.label$n$ = new System.Windows.Forms.Label();", v);
  w_.Line("            this.pictureBox_$m$ = new System.Windows.Forms.PictureBox();", v);
  w_.Line(
      "            "
      "((System.ComponentModel.ISupportInitialize)(this.pictureBox_$m$)).BeginInit();",
      v);
  w_.Line(
      "            "
      "((System.ComponentModel.ISupportInitialize)(this.pictureBox_$m$)).EndInit();",
      v);
  w_.Line("            this.txt_$m$ = new System.Windows.Forms.TextBox();", v);
  w_.Line("            this.btn_$m$ = new System.Windows.Forms.Button();", v);
  w_.Line("            this.Controls.Add(this.label$n$);", v);
  w_.Line("            this.Controls.Add(this.pictureBox_$m$);", v);
  w_.Line("            this.Controls.Add(this.txt_$m$);", v);
  w_.Line("            this.Controls.Add(this.btn_$m$);", v);
  w_.Line("            // ");
  w_.Line("            // label$n$", v);
  w_.Line("            // ");
  WriteLabel(row);
  w_.Line("            //");
  w_.Line("            // pictureBox_$m$", v);
  w_.Line("            // ");
  w_.Line(
      "            this.pictureBox_$m$.BackgroundImageLayout = "
      "System.Windows.Forms.ImageLayout.Stretch;",
      v);
  w_.Line("            this.pictureBox_$m$.Location = new System.Drawing.Point(194, $top$);", v);
  w_.Line("            this.pictureBox_$m$.Name = \"pictureBox_$m$\";", v);
  w_.Line("            this.pictureBox_$m$.Size = new System.Drawing.Size(156, 140);", v);
  w_.Line(
      "            this.pictureBox_$m$.SizeMode = "
      "System.Windows.Forms.PictureBoxSizeMode.StretchImage;",
      v);
  w_.Line("            this.pictureBox_$m$.TabIndex = $t1$;", v);
  w_.Line("            this.pictureBox_$m$.TabStop = false;", v);
  w_.Line("            // ");
  w_.Line("            // txt_$m$", v);
  w_.Line("            // ");
  w_.Line("            this.txt_$m$.Location = new System.Drawing.Point(194, $below$);", v);
  w_.Line("            this.txt_$m$.Name = \"txt_$m$\";", v);
  w_.Line("            this.txt_$m$.ReadOnly = true;", v);
  w_.Line("            this.txt_$m$.Size = new System.Drawing.Size(300, 21);", v);
  w_.Line("            this.txt_$m$.TabIndex = $t2$;", v);
  w_.Line("            // ");
  w_.Line("            // btn_$m$", v);
  w_.Line("            // ");
  w_.Line("            this.btn_$m$.Location = new System.Drawing.Point(365, $btnY$);", v);
  w_.Line("            this.btn_$m$.Name = \"btn_$m$\";", v);
  w_.Line("            this.btn_$m$.Size = new System.Drawing.Size(60, 26);", v);
  w_.Line("            this.btn_$m$.TabIndex = $t3$;", v);
  w_.Line("            this.btn_$m$.Text = \"上 传\";", v);
  w_.Line("            this.btn_$m$.UseVisualStyleBackColor = true;", v);
  w_.Line("            this.btn_$m$.Click += new System.EventHandler(this.btn_$m$_Click);", v);
}

void TDesignerWriter::WriteFormProperties() {
  const TCodeWriter::TVars v = {{"y", std::to_string(plan_.buttonY)},
                                {"t", std::to_string(plan_.buttonTab)},
                                {"action", text_.action},
                                {"name", text_.formName},
                                {"title", text_.title}};
  w_.Line("            // ");
  w_.Line("            // $btn$");
  w_.Line("            // ");
  w_.Line("            this.$btn$.Location = new System.Drawing.Point(208, $y$);", v);
  w_.Line("            this.$btn$.Name = \"$btn$\";");
  w_.Line("            this.$btn$.Size = new System.Drawing.Size(142, 25);");
  w_.Line("            this.$btn$.TabIndex = $t$;", v);
  w_.Line("            this.$btn$.Text = \"$action$$F$\";", v);
  w_.Line("            this.$btn$.UseVisualStyleBackColor = true;");
  w_.Line("            this.$btn$.Click += new System.EventHandler(this.$btn$_Click);");
  w_.Line("            this.SuspendLayout();");
  w_.Line("            // ");
  w_.Line("            // $name$$C$", v);
  w_.Line("            // ");
  w_.Line("            this.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F);");
  w_.Line("            this.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font;");
  w_.Line("            this.AutoScroll = true;");
  w_.Line("            this.ClientSize = new System.Drawing.Size(601, 513);");
  w_.Line("            this.Controls.Add(this.$btn$);");
  w_.Line("            this.FormBorderStyle = System.Windows.Forms.FormBorderStyle.Fixed3D;");
  w_.Line("            this.Icon = ((System.Drawing.Icon)(resources.GetObject(\"$this.Icon\")));");
  w_.Line("            this.MaximizeBox = false;");
  w_.Line("            this.MinimizeBox = false;");
  w_.Line("            this.Name = \"$name$$C$\";", v);
  w_.Line("            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;");
  w_.Line("            this.Text = \"$F$$title$\";", v);
  w_.Line("            this.Load += new System.EventHandler(this.$form$$C$_Load);");
  w_.Line("            this.ResumeLayout(false);");
  w_.Line("            this.PerformLayout();");
  w_.Line("        }");
  w_.Line("        #endregion");
}

void TDesignerWriter::WriteFields() {
  for (const TRowPlace& row : plan_.rows) {
    const TCodeWriter::TVars v = {{"n", std::to_string(row.label)}, {"m", row.member->memberName}};
    w_.Line("        private System.Windows.Forms.Label label$n$;", v);
    if (row.kind == TRowKind::Image) {
      w_.Line("        private System.Windows.Forms.PictureBox pictureBox_$m$;", v);
      w_.Line("        private System.Windows.Forms.TextBox txt_$m$;", v);
      w_.Line("        private System.Windows.Forms.Button btn_$m$;", v);
    } else {
      const TSingleControl& c = SingleControl(row.kind);
      w_.Line("        private System.Windows.Forms.$type$ $ctl$$m$;",
              {{"type", c.type}, {"ctl", c.prefix}, {"m", row.member->memberName}});
    }
  }
  w_.Line("        private System.Windows.Forms.Button $btn$;");
  w_.Line("    }");
  w_.Line("}");
}

}  // namespace

std::string BuildFormDesigner(const TDesignClass& cls, TFormVariant variant) {
  return TDesignerWriter(cls, variant).Build();
}
