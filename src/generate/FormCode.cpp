#include "generate/FormCode.h"

#include <set>

#include "generate/ClassInfo.h"
#include "vocabulary/Naming.h"
#include "vocabulary/SqlDialect.h"

namespace {

class TFormCodeWriter {
public:
  TFormCodeWriter(const TDesign& design, const TDesignClass& cls, TFormVariant variant)
      : design_(design),
        cls_(cls),
        key_(KeyMember(cls)),
        edit_(variant == TFormVariant::Edit),
        w_(ClassWriter(cls)) {}

  std::string Build();

private:
  void WriteHeader();
  void WriteUploadHandler(const TDesignMember& m);
  void WriteEmptyCheck(std::string_view control, const TMember& m);
  void WriteEntries();
  void WriteButtonHandler();
  void WriteLoadHandler();
  void WriteReferenceBindings();

  const TDesign& design_;
  const TDesignClass& cls_;
  const TDesignMember& key_;
  const bool edit_;
  TCodeWriter w_;
};

std::string TFormCodeWriter::Build() {
  WriteHeader();
  if (edit_) {
    WriteButtonHandler();
    for (const TDesignMember& m : cls_.members)
      if (m.kind == TFieldKind::Image) WriteUploadHandler(m);
  } else {
    for (const TDesignMember& m : cls_.members)
      if (m.kind == TFieldKind::Image) WriteUploadHandler(m);
    WriteButtonHandler();
  }
  WriteLoadHandler();
  w_.Line("        }");
  w_.Line("    }");
  w_.Line("}");
  return w_.Take();
}

void TFormCodeWriter::WriteHeader() {
  w_.Line("using System;");
  w_.Line("using System.Collections.Generic;");
  w_.Line("using System.ComponentModel;");
  w_.Line("using System.Data;");
  w_.Line("using System.Drawing;");
  w_.Line("using System.Linq;");
  w_.Line("using System.Text;");
  w_.Line("using System.Windows.Forms;");
  if (edit_) w_.Blank();
  w_.Line("using System.IO;");
  if (!edit_) w_.Blank();
  w_.Line("using Model;");
  w_.Append(TypeAliasLines(design_, TImportingFile::FormCode));
  w_.Blank();
  w_.Line("namespace LoginFrame");
  w_.Line("{");
  if (!edit_) {
    w_.Line("    public partial class FrmAdd$C$ : Form");
    w_.Line("    {");
    w_.Line("        public FrmAdd$C$()");
    w_.Line("        {");
    w_.Line("            InitializeComponent();");
    w_.Line("        }");
    w_.Blank();
    w_.Line("        private $CT$ $inst$ = new $CT$();");
    return;
  }
  // The key's type as the edit form's constructor and field spell it.
  w_.Set("ktype", key_.IsInteger() ? "int" : "String");
  w_.Line("    public partial class FrmEdit$C$ : Form");
  w_.Line("    {");
  w_.Line("        public FrmEdit$C$($ktype$ $ki$,FrmQuery$C$ frmQuery$C$)");
  w_.Line("        {");
  w_.Line("            InitializeComponent();");
  w_.Line("            this.$ki$ = $ki$;");
  w_.Line("            this.frmQuery$C$ = frmQuery$C$;");
  w_.Line("        }");
  w_.Line("        private $CT$ $inst$;");
  w_.Line("        private $ktype$ $ki$;");
  w_.Line("        private FrmQuery$C$ frmQuery$C$;");
}

void TFormCodeWriter::WriteUploadHandler(const TDesignMember& m) {
  const TCodeWriter::TVars v = {{"m", m.memberName}, {"mi", CSharpName(m.memberName)}};
  w_.Line("        private void btn_$m$_Click(object sender, EventArgs e)", v);
  w_.Line("        {");
  w_.Line("            OpenFileDialog openFileDialog1 = new OpenFileDialog();");
  w_.Line("            try");
  w_.Line("            {");
  w_.Line(
      "                openFileDialog1.InitialDirectory = "
      "Environment.GetFolderPath(Environment.SpecialFolder.MyComputer);");
  w_.Line(
      "                openFileDialog1.Filter = "
      "\"图片（*.jpg;*.bmp;*.gif,*.png）|*.jpg;*.bmp;*.gif;*.png\";");
  w_.Line("                if (openFileDialog1.ShowDialog() == DialogResult.OK)");
  w_.Line("                {");
  w_.Line("                    this.txt_$m$.Text = openFileDialog1.FileName;", v);
  w_.Line("                    pictureBox_$m$.Image = Image.FromFile(txt_$m$.Text);", v);
  w_.Line("                    pictureBox_$m$.SizeMode = PictureBoxSizeMode.StretchImage;", v);
  w_.Line(
      "                    FileStream fs = new FileStream(openFileDialog1.FileName, "
      "FileMode.Open, FileAccess.Read);");
  w_.Line("                    BinaryReader bw = new BinaryReader(fs);");
  w_.Line("                    $inst$.$mi$ = bw.ReadBytes((int)fs.Length);", v);
  // Closing the reader closes the file, which would otherwise stay locked.
  w_.Line("                    bw.Close();");
  w_.Line("                }");
  w_.Line("            }");
  w_.Line("            catch");
  w_.Line("            {");
  w_.Line(
      "                MessageBox.Show(\"请选择正确的图片格式\", \"提示\", MessageBoxButtons.OK, "
      "MessageBoxIcon.Asterisk);");
  w_.Line("            }");
  w_.Line("        }");
  w_.Blank();
}

void TFormCodeWriter::WriteEmptyCheck(std::string_view control, const TMember& m) {
  const TCodeWriter::TVars v = {{"ctl", control}, {"m", m.memberName}, {"c", m.memberComment}};
  if (control == "txt_")
    w_.Line("            if (this.txt_$m$.Text == \"\")", v);
  else  // a drop-down over an empty table has nothing selected
    w_.Line("            if (this.$ctl$$m$.SelectedValue == null)", v);
  w_.Line("            {");
  w_.Line("                MessageBox.Show(\"$c$输入不能为空!\");", v);
  w_.Line("                this.$ctl$$m$.Focus();", v);
  w_.Line("                return;");
  w_.Line("            }");
}

void TFormCodeWriter::WriteEntries() {
  for (const TDesignMember& m : cls_.members) {
    if (m.IsKey()) continue;
    const TKindInfo& kind = KindInfo(m.kind);
    const std::string value =
        Fill(kind.formValue, {{"m", m.memberName}, {"mi", CSharpName(m.memberName)}});
    const TCodeWriter::TVars v = {{"m", m.memberName},
                                  {"mi", CSharpName(m.memberName)},
                                  {"c", m.memberComment},
                                  {"value", value}};
    switch (kind.row) {
      case TRowKind::Text:
        if (m.IsMust()) {
          WriteEmptyCheck("txt_", m);
          w_.Line("            $inst$.$mi$ = $value$; //$c$", v);
        } else {
          w_.Line("            $inst$.$mi$ = $value$;  //$c$", v);
        }
        break;
      case TRowKind::Number:
        w_.Line("            try");
        w_.Line("            {");
        w_.Line("                $inst$.$mi$ = $value$;  $fixed$",
                {{"m", m.memberName},
                 {"mi", CSharpName(m.memberName)},
                 {"value", value},
                 {"fixed", kind.numberComment}});
        w_.Line("            }");
        w_.Line("            catch");
        w_.Line("            {");
        w_.Line("                MessageBox.Show(\"$c$请输入正确的格式!\");", v);
        w_.Line("                this.txt_$m$.SelectAll();", v);
        w_.Line("                this.txt_$m$.Focus();", v);
        w_.Line("                return;");
        w_.Line("            }");
        break;
      case TRowKind::Date: w_.Line("            $inst$.$mi$ = $value$;", v); break;
      case TRowKind::Image: break;
      case TRowKind::Reference:
        WriteEmptyCheck("cb_", m);
        w_.Line("            $inst$.$mi$ = $value$; //$c$", v);
        break;
    }
  }
}

void TFormCodeWriter::WriteButtonHandler() {
  if (edit_) {
    w_.Line("        private void Btn_Update_Click(object sender, EventArgs e)");
    w_.Line("        { ");
  } else {
    w_.Line("        private void Btn_Add_Click(object sender, EventArgs e)");
    w_.Line("        {");
    // A string key is typed by the user and must not be empty.
    if (!key_.IsInteger()) {
      WriteEmptyCheck("txt_", key_);
      w_.Line("            $inst$.$ki$ = this.txt_$k$.Text;  //$c$", {{"c", key_.memberComment}});
    }
  }
  WriteEntries();
  const TCodeWriter::TVars v = {{"op", edit_ ? "Edit" : "Add"}, {"done", edit_ ? "更新" : "添加"}};
  w_.Line("            if (BLL.bll$C$.$op$$C$($inst$))", v);
  w_.Line("                MessageBox.Show(\"$F$$done$成功!\");", v);
  w_.Line("            else");
  w_.Line("                MessageBox.Show(\"$F$$done$失败!\");", v);
  w_.Line("            this.Close(); ");
  w_.Line("        }");
  w_.Blank();
}

void TFormCodeWriter::WriteReferenceBindings() {
  // Each drop-down gets a table of its own: a class named by a second
  // reference member is fetched again into the same variable.
  std::set<std::string> fetched;
  for (const TDesignMember& m : cls_.members) {
    if (!m.IsReference()) continue;
    const TReferenced target = Referenced(design_, cls_, m);
    const std::string& r = m.memberType;
    const TCodeWriter::TVars v = {{"m", m.memberName},
                                  {"mi", CSharpName(m.memberName)},
                                  {"R", r},
                                  {"r", InstanceName(r)},
                                  {"rf", target.cls.friendName},
                                  {"rd", target.display.memberName},
                                  {"rk", target.key.memberName},
                                  {"decl", fetched.insert(r).second ? "DataSet " : ""}};
    w_.Line("            //查询所有的$rf$", v);
    w_.Line("            $decl$$r$Ds = BLL.bll$R$.getAll$R$();", v);
    w_.Line("            this.cb_$m$.DataSource = $r$Ds.Tables[0];", v);
    w_.Line("            this.cb_$m$.DisplayMember = \"$rd$\";", v);
    w_.Line("            this.cb_$m$.ValueMember = \"$rk$\";", v);
    if (edit_) w_.Line(DialectOf(design_).ReferenceSelection(), v);
  }
}

void TFormCodeWriter::WriteLoadHandler() {
  if (!edit_) {
    w_.Line("        private void FrmAdd$C$_Load(object sender, EventArgs e)");
    w_.Line("        {");
    WriteReferenceBindings();
    for (const TDesignMember& m : cls_.members) {
      if (m.kind != TFieldKind::Image) continue;
      const TCodeWriter::TVars v = {{"m", m.memberName}, {"mi", CSharpName(m.memberName)}};
      w_.Line("            pictureBox_$m$.Image = Image.FromFile(\"pic/NoImage.jpg\");", v);
      w_.Line("            pictureBox_$m$.SizeMode = PictureBoxSizeMode.StretchImage;", v);
      w_.Line(
          "            FileStream $m$_fs = new FileStream(\"pic/NoImage.jpg\", FileMode.Open, "
          "FileAccess.Read);",
          v);
      w_.Line("            BinaryReader $m$_bw = new BinaryReader($m$_fs);", v);
      w_.Line("            $inst$.$mi$ = $m$_bw.ReadBytes((int)$m$_fs.Length);", v);
      w_.Line("            $m$_bw.Close();", v);
    }
    return;
  }
  w_.Line("        private void FrmEdit$C$_Load(object sender, EventArgs e)");
  w_.Line("        {");
  w_.Line("            $inst$ = BLL.bll$C$.getSome$C$($ki$);");
  WriteReferenceBindings();
  w_.Line("            this.txt_$k$.ReadOnly = true;");
  for (const TDesignMember& m : cls_.members) {
    const TCodeWriter::TVars v = {{"m", m.memberName}, {"mi", CSharpName(m.memberName)}};
    if (m.kind == TFieldKind::Image) {
      // A record without a picture shows none.
      w_.Line("            byte[] $mi$ = (byte[])($inst$.$mi$);", v);
      w_.Line("            if ($mi$ != null)", v);
      w_.Line("            {");
      w_.Line("                MemoryStream ms_$m$ = new MemoryStream($mi$);", v);
      w_.Line("                pictureBox_$m$.Image = Image.FromStream(ms_$m$);", v);
      w_.Line("            }");
    } else if (!KindInfo(m.kind).showOnForm.empty()) {
      w_.Line(std::string("            ") + std::string(KindInfo(m.kind).showOnForm), v);
    }
  }
}

}  // namespace

std::string BuildFormCode(const TDesign& design, const TDesignClass& cls, TFormVariant variant) {
  return TFormCodeWriter(design, cls, variant).Build();
}
