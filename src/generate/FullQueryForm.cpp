#include "generate/FullQueryForm.h"

#include <algorithm>

#include "generate/ClassInfo.h"
#include "vocabulary/MemberKinds.h"
#include "vocabulary/Naming.h"
#include "vocabulary/SqlDialect.h"

namespace {

// The search row: three places a line, each a label and an input.
constexpr int kPlacesPerLine = 3;
constexpr int kPlaceWidth = 245;
constexpr int kLeft = 12;
constexpr int kLineHeight = 30;
constexpr int kFormWidth = 758;
constexpr int kFormHeight = 500;  // grown only when the grid would get too low
constexpr int kMinGridHeight = 250;

// The label of a search input: the member's comment, its name when the
// comment is empty.
std::string Caption(const TMember& m) {
  return m.memberComment.empty() ? m.memberName : m.memberComment;
}

class TQueryCodeWriter {
public:
  TQueryCodeWriter(const TDesign& design, const TDesignClass& cls)
      : design_(design),
        cls_(cls),
        key_(KeyMember(cls)),
        layout_(PlanQueryForm(cls)),
        w_(ClassWriter(cls)) {}

  std::string Build();

private:
  void WriteHelpers();
  void WriteBuildWhere();
  void WriteCondition(const TDesignMember& m);
  void WritePaging();
  void WriteLoad();
  void WriteButtons();
  void WriteEditAndDelete();

  const TDesign& design_;
  const TDesignClass& cls_;
  const TDesignMember& key_;
  const TQueryLayout layout_;
  TCodeWriter w_;
};

std::string TQueryCodeWriter::Build() {
  w_.Line("using System;");
  w_.Line("using System.Collections.Generic;");
  w_.Line("using System.ComponentModel;");
  w_.Line("using System.Data;");
  w_.Line("using System.Drawing;");
  w_.Line("using System.Globalization;");
  w_.Line("using System.Linq;");
  w_.Line("using System.Text;");
  w_.Line("using System.Windows.Forms;");
  w_.Blank();
  w_.Line("namespace LoginFrame");
  w_.Line("{");
  w_.Line("    public partial class FrmQuery$C$ : Form");
  w_.Line("    {");
  w_.Line("        /*每页行数*/");
  w_.Line("        private const int PageSize = 20;");
  w_.Line("        /*当前页码、总页数、总记录数和当前的查询条件*/");
  w_.Line("        private int nowPage = 1;");
  w_.Line("        private int pageCount = 0;");
  w_.Line("        private int recordCount = 0;");
  w_.Line("        private string strWhere = \"\";");
  w_.Blank();
  w_.Line("        public FrmQuery$C$()");
  w_.Line("        {");
  w_.Line("            InitializeComponent();");
  w_.Line("        }");
  w_.Blank();
  WriteHelpers();
  WriteBuildWhere();
  WritePaging();
  WriteLoad();
  WriteButtons();
  WriteEditAndDelete();
  w_.Line("    }");
  w_.Line("}");
  return w_.Take();
}

void TQueryCodeWriter::WriteHelpers() {
  w_.Append(DialectOf(design_).QueryLiteralMethods());
}

void TQueryCodeWriter::WriteBuildWhere() {
  w_.Line("        /*由查询条件拼出 strWhere；输入的格式不对时提示并返回 false*/");
  w_.Line("        private bool BuildWhere(out string where)");
  w_.Line("        {");
  w_.Line("            where = \"\";");
  w_.Line("            List<string> conditions = new List<string>();");
  for (const TSearchInput& input : layout_.inputs) WriteCondition(*input.member);
  w_.Line("            where = string.Join(\" and \", conditions.ToArray());");
  w_.Line("            return true;");
  w_.Line("        }");
  w_.Blank();
}

void TQueryCodeWriter::WriteCondition(const TDesignMember& m) {
  // Every column is named with its table: the paged query joins tables.
  const TCodeWriter::TVars v = {{"m", m.memberName},
                                {"col", DialectOf(design_).Column(cls_.className, m.memberName)},
                                {"c", Caption(m)}};
  switch (m.kind) {
    case TFieldKind::String:
      w_.Line("            if (this.txt_$m$.Text.Trim() != \"\")", v);
      w_.Line(
          "                conditions.Add(\"$col$ like \" + "
          "SqlContains(this.txt_$m$.Text.Trim()));",
          v);
      break;
    case TFieldKind::Integer:
    case TFieldKind::Float: {
      const bool integer = m.kind == TFieldKind::Integer;
      w_.Line("            if (this.txt_$m$.Text.Trim() != \"\")", v);
      w_.Line("            {");
      w_.Line(integer ? "                int number;" : "                double number;");
      if (integer)
        w_.Line(
            "                if (!int.TryParse(this.txt_$m$.Text.Trim(), NumberStyles.Integer, "
            "CultureInfo.InvariantCulture, out number))",
            v);
      else  // NaN and infinity parse but are no SQL numbers
        w_.Line(
            "                if (!double.TryParse(this.txt_$m$.Text.Trim(), NumberStyles.Float, "
            "CultureInfo.InvariantCulture, out number) || double.IsNaN(number) || "
            "double.IsInfinity(number))",
            v);
      w_.Line("                {");
      w_.Line("                    MessageBox.Show(\"$c$请输入正确的格式!\");", v);
      w_.Line("                    this.txt_$m$.SelectAll();", v);
      w_.Line("                    this.txt_$m$.Focus();", v);
      w_.Line("                    return false;");
      w_.Line("                }");
      w_.Line(integer ? "                conditions.Add(\"$col$=\" + "
                        "number.ToString(CultureInfo.InvariantCulture));"
                      : "                conditions.Add(\"$col$=\" + number.ToString(\"R\", "
                        "CultureInfo.InvariantCulture));",
              v);
      w_.Line("            }");
      break;
    }
    case TFieldKind::Date:
      w_.Line("            if (this.dtpFrom_$m$.Checked)", v);
      w_.Line("                conditions.Add(\"$col$>=\" + SqlDate(this.dtpFrom_$m$.Value.Date));",
              v);
      w_.Line("            if (this.dtpTo_$m$.Checked)", v);
      w_.Line(
          "                conditions.Add(\"$col$<\" + "
          "SqlDate(this.dtpTo_$m$.Value.Date.AddDays(1)));",
          v);
      break;
    case TFieldKind::IntegerReference:
      w_.Line("            if (this.cb_$m$.SelectedIndex > 0 && this.cb_$m$.SelectedValue != null)",
              v);
      w_.Line(
          "                conditions.Add(\"$col$=\" + "
          "Convert.ToInt32(this.cb_$m$.SelectedValue).ToString(CultureInfo.InvariantCulture));",
          v);
      break;
    case TFieldKind::StringReference:
      w_.Line("            if (this.cb_$m$.SelectedIndex > 0 && this.cb_$m$.SelectedValue != null)",
              v);
      w_.Line(
          "                conditions.Add(\"$col$=\" + "
          "SqlText(this.cb_$m$.SelectedValue.ToString()));",
          v);
      break;
    case TFieldKind::Image: break;
  }
}

void TQueryCodeWriter::WritePaging() {
  w_.Line("        /*按当前页码和查询条件取出一页记录*/");
  w_.Line("        private void LoadPage()");
  w_.Line("        {");
  w_.Line("            try");
  w_.Line("            {");
  w_.Line(
      "                DataTable table = BLL.bll$C$.Get$C$(nowPage, PageSize, out pageCount, out "
      "recordCount, strWhere);");
  w_.Line("                if (pageCount > 0 && nowPage > pageCount)");
  w_.Line("                {");
  w_.Line("                    nowPage = pageCount;");
  w_.Line(
      "                    table = BLL.bll$C$.Get$C$(nowPage, PageSize, out pageCount, out "
      "recordCount, strWhere);");
  w_.Line("                }");
  w_.Line("                this.dgvList.DataSource = table;");
  w_.Line("            }");
  w_.Line("            catch (Exception ex)");
  w_.Line("            {");
  w_.Line("                MessageBox.Show(\"查询$F$失败: \" + ex.Message);");
  w_.Line("            }");
  w_.Line("            ShowPager();");
  w_.Line("        }");
  w_.Blank();
  w_.Line("        /*页码标签和翻页按钮*/");
  w_.Line("        private void ShowPager()");
  w_.Line("        {");
  w_.Line(
      "            this.lblPager.Text = \"第 \" + nowPage + \" / \" + Math.Max(pageCount, 1) + "
      "\" 页，共 \" + recordCount + \" 条\";");
  w_.Line("            this.btnFirst.Enabled = nowPage > 1;");
  w_.Line("            this.btnPrev.Enabled = nowPage > 1;");
  w_.Line("            this.btnNext.Enabled = nowPage < pageCount;");
  w_.Line("            this.btnLast.Enabled = nowPage < pageCount;");
  w_.Line("        }");
  w_.Blank();
}

void TQueryCodeWriter::WriteLoad() {
  w_.Line("        private void FrmQuery$C$_Load(object sender, EventArgs e)");
  w_.Line("        {");
  bool any = false;
  for (const TSearchInput& input : layout_.inputs) any = any || input.member->IsReference();
  if (any) {
    w_.Line("            try");
    w_.Line("            {");
    w_.Line("                DataTable table;");
    for (const TSearchInput& input : layout_.inputs) {
      const TDesignMember& m = *input.member;
      if (!m.IsReference()) continue;
      const TReferenced target = Referenced(design_, cls_, m);
      // Each drop-down gets its own table: two sharing one would move
      // together. The empty first row means "any".
      const TCodeWriter::TVars v = {{"m", m.memberName},
                                    {"R", target.cls.className},
                                    {"RF", target.cls.friendName},
                                    {"disp", target.display.memberName},
                                    {"key", target.key.memberName}};
      w_.Line("                //查询所有的$RF$", v);
      w_.Line("                table = BLL.bll$R$.getAll$R$().Tables[0];", v);
      w_.Line("                table.Rows.InsertAt(table.NewRow(), 0);");
      w_.Line("                this.cb_$m$.DataSource = table;", v);
      w_.Line("                this.cb_$m$.DisplayMember = \"$disp$\";", v);
      w_.Line("                this.cb_$m$.ValueMember = \"$key$\";", v);
    }
    w_.Line("            }");
    w_.Line("            catch (Exception ex)");
    w_.Line("            {");
    w_.Line("                MessageBox.Show(\"读取查询条件的选项失败: \" + ex.Message);");
    w_.Line("            }");
  }
  w_.Line("            LoadPage();");
  w_.Line("        }");
  w_.Blank();
}

void TQueryCodeWriter::WriteButtons() {
  w_.Line("        private void btnQuery_Click(object sender, EventArgs e)");
  w_.Line("        {");
  w_.Line("            string where;");
  w_.Line("            if (!BuildWhere(out where)) return;");
  w_.Line("            strWhere = where;");
  w_.Line("            nowPage = 1;");
  w_.Line("            LoadPage();");
  w_.Line("        }");
  w_.Blank();
  w_.Line("        private void btnReset_Click(object sender, EventArgs e)");
  w_.Line("        {");
  for (const TSearchInput& input : layout_.inputs) {
    const TCodeWriter::TVars v = {{"m", input.member->memberName}};
    switch (KindInfo(input.member->kind).row) {
      case TRowKind::Date:
        w_.Line("            this.dtpFrom_$m$.Checked = false;", v);
        w_.Line("            this.dtpTo_$m$.Checked = false;", v);
        break;
      case TRowKind::Reference:
        w_.Line("            if (this.cb_$m$.Items.Count > 0) this.cb_$m$.SelectedIndex = 0;", v);
        break;
      default: w_.Line("            this.txt_$m$.Text = \"\";", v); break;
    }
  }
  w_.Line("            strWhere = \"\";");
  w_.Line("            nowPage = 1;");
  w_.Line("            LoadPage();");
  w_.Line("        }");
  w_.Blank();
  w_.Line("        private void btnFirst_Click(object sender, EventArgs e)");
  w_.Line("        {");
  w_.Line("            nowPage = 1;");
  w_.Line("            LoadPage();");
  w_.Line("        }");
  w_.Blank();
  w_.Line("        private void btnPrev_Click(object sender, EventArgs e)");
  w_.Line("        {");
  w_.Line("            if (nowPage > 1) nowPage--;");
  w_.Line("            LoadPage();");
  w_.Line("        }");
  w_.Blank();
  w_.Line("        private void btnNext_Click(object sender, EventArgs e)");
  w_.Line("        {");
  w_.Line("            if (nowPage < pageCount) nowPage++;");
  w_.Line("            LoadPage();");
  w_.Line("        }");
  w_.Blank();
  w_.Line("        private void btnLast_Click(object sender, EventArgs e)");
  w_.Line("        {");
  w_.Line("            nowPage = Math.Max(pageCount, 1);");
  w_.Line("            LoadPage();");
  w_.Line("        }");
  w_.Blank();
  w_.Line("        private void btnAdd_Click(object sender, EventArgs e)");
  w_.Line("        {");
  w_.Line("            try");
  w_.Line("            {");
  w_.Line("                FrmAdd$C$ frmAdd$C$ = new FrmAdd$C$();");
  w_.Line("                frmAdd$C$.ShowDialog();");
  w_.Line("            }");
  w_.Line("            catch (Exception ex)");
  w_.Line("            {");
  w_.Line("                MessageBox.Show(ex.Message);");
  w_.Line("            }");
  w_.Line("            LoadPage();");
  w_.Line("        }");
  w_.Blank();
}

void TQueryCodeWriter::WriteEditAndDelete() {
  // The key is the show list's first column.
  w_.Line("        /*打开所选记录的修改窗体，关闭后刷新*/");
  w_.Line("        private void EditRow(DataGridViewRow row)");
  w_.Line("        {");
  w_.Line(
      "            if (row == null || row.Cells.Count == 0 || row.Cells[0].Value == null || "
      "row.Cells[0].Value is DBNull)");
  w_.Line("            {");
  w_.Line("                MessageBox.Show(\"请先选择要修改的记录!\");");
  w_.Line("                return;");
  w_.Line("            }");
  w_.Line("            try");
  w_.Line("            {");
  w_.Line("                FrmEdit$C$ frmEdit$C$ = new FrmEdit$C$($keyValue$, this);",
          {{"keyValue", key_.IsInteger() ? "Convert.ToInt32(row.Cells[0].Value)"
                                         : "Convert.ToString(row.Cells[0].Value)"}});
  w_.Line("                frmEdit$C$.ShowDialog();");
  w_.Line("            }");
  w_.Line("            catch (Exception ex)");
  w_.Line("            {");
  w_.Line("                MessageBox.Show(ex.Message);");
  w_.Line("            }");
  w_.Line("            LoadPage();");
  w_.Line("        }");
  w_.Blank();
  w_.Line("        private void btnEdit_Click(object sender, EventArgs e)");
  w_.Line("        {");
  w_.Line("            EditRow(this.dgvList.CurrentRow);");
  w_.Line("        }");
  w_.Blank();
  w_.Line(
      "        private void dgvList_CellDoubleClick(object sender, DataGridViewCellEventArgs e)");
  w_.Line("        {");
  w_.Line("            if (e.RowIndex >= 0) EditRow(this.dgvList.Rows[e.RowIndex]);");
  w_.Line("        }");
  w_.Blank();
  w_.Line("        private void btnDel_Click(object sender, EventArgs e)");
  w_.Line("        {");
  w_.Line("            int n = this.dgvList.SelectedRows.Count;");
  w_.Line("            if (n == 0)");
  w_.Line("            {");
  w_.Line("                MessageBox.Show(\"请先选择要删除的记录!\");");
  w_.Line("                return;");
  w_.Line("            }");
  w_.Line(
      "            if (MessageBox.Show(\"确定删除选中的 \" + n + \" 条记录吗?\", \"提示\", "
      "MessageBoxButtons.OKCancel, MessageBoxIcon.Question) != DialogResult.OK)");
  w_.Line("                return;");
  w_.Line("            List<string> keys = new List<string>();");
  w_.Line("            foreach (DataGridViewRow row in this.dgvList.SelectedRows)");
  w_.Line(
      "                keys.Add(Convert.ToString(row.Cells[0].Value, "
      "CultureInfo.InvariantCulture));");
  w_.Line("            try");
  w_.Line("            {");
  w_.Line("                if (!BLL.bll$C$.Del$C$(string.Join(\",\", keys.ToArray())))");
  w_.Line("                    MessageBox.Show(\"删除失败!\");");
  w_.Line("            }");
  w_.Line("            catch (Exception ex)");
  w_.Line("            {");
  w_.Line("                MessageBox.Show(\"删除失败: \" + ex.Message);");
  w_.Line("            }");
  w_.Line("            LoadPage();");
  w_.Line("        }");
  w_.Blank();
  w_.Line("        /*图片等无法显示的值不弹出错误*/");
  w_.Line(
      "        private void dgvList_DataError(object sender, DataGridViewDataErrorEventArgs e)");
  w_.Line("        {");
  w_.Line("            e.ThrowException = false;");
  w_.Line("        }");
}

// The designer: controls in creation order, each with its property block;
// the same list gives the field declarations.
class TQueryDesignerWriter {
public:
  explicit TQueryDesignerWriter(const TDesignClass& cls)
      : cls_(cls), layout_(PlanQueryForm(cls)), w_(ClassWriter(cls)) {}

  std::string Build();

private:
  struct TControl {
    std::string type;  // System.Windows.Forms.<type>
    std::string name;
  };

  void Add(std::string type, std::string name) { controls_.push_back({type, name}); }
  void Header(const std::string& name);
  void Point(const std::string& name, int x, int y);
  void Size(const std::string& name, int w, int h);
  void Common(const std::string& name, int x, int y, int w, int h);
  void SearchLabel(const std::string& name, int x, int y, const std::string& text);
  void Button(const std::string& name, int x, int y, const std::string& text);

  const TDesignClass& cls_;
  const TQueryLayout layout_;
  TCodeWriter w_;
  std::vector<TControl> controls_;
  int tab_ = 0;
};

void TQueryDesignerWriter::Header(const std::string& name) {
  w_.Line("            // ");
  w_.Line("            // $n$", {{"n", name}});
  w_.Line("            // ");
}

void TQueryDesignerWriter::Point(const std::string& name, int x, int y) {
  w_.Line("            this.$n$.Location = new System.Drawing.Point($x$, $y$);",
          {{"n", name}, {"x", std::to_string(x)}, {"y", std::to_string(y)}});
}

void TQueryDesignerWriter::Size(const std::string& name, int width, int height) {
  w_.Line("            this.$n$.Size = new System.Drawing.Size($w$, $h$);",
          {{"n", name}, {"w", std::to_string(width)}, {"h", std::to_string(height)}});
}

// Location, Name, Size and TabIndex, in the designer's order.
void TQueryDesignerWriter::Common(const std::string& name, int x, int y, int width, int height) {
  Point(name, x, y);
  w_.Line("            this.$n$.Name = \"$n$\";", {{"n", name}});
  Size(name, width, height);
  w_.Line("            this.$n$.TabIndex = $t$;", {{"n", name}, {"t", std::to_string(tab_++)}});
}

void TQueryDesignerWriter::SearchLabel(const std::string& name, int x, int y,
                                       const std::string& text) {
  Header(name);
  Common(name, x, y, 80, 21);
  w_.Line("            this.$n$.Text = \"$t$\";", {{"n", name}, {"t", text}});
  w_.Line("            this.$n$.TextAlign = System.Drawing.ContentAlignment.MiddleRight;",
          {{"n", name}});
}

void TQueryDesignerWriter::Button(const std::string& name, int x, int y, const std::string& text) {
  Header(name);
  Common(name, x, y, 75, 23);
  w_.Line("            this.$n$.Text = \"$t$\";", {{"n", name}, {"t", text}});
  w_.Line("            this.$n$.UseVisualStyleBackColor = true;", {{"n", name}});
  w_.Line("            this.$n$.Click += new System.EventHandler(this.$n$_Click);", {{"n", name}});
}

std::string TQueryDesignerWriter::Build() {
  // The controls in creation order.
  for (const TSearchInput& input : layout_.inputs) {
    const std::string& m = input.member->memberName;
    Add("Label", "lbl_" + m);
    switch (KindInfo(input.member->kind).row) {
      case TRowKind::Date:
        Add("DateTimePicker", "dtpFrom_" + m);
        Add("Label", "lblTo_" + m);
        Add("DateTimePicker", "dtpTo_" + m);
        break;
      case TRowKind::Reference: Add("ComboBox", "cb_" + m); break;
      default: Add("TextBox", "txt_" + m); break;
    }
  }
  for (const char* b : {"btnQuery", "btnReset", "btnAdd", "btnEdit", "btnDel"}) Add("Button", b);
  Add("DataGridView", "dgvList");
  for (const char* b : {"btnFirst", "btnPrev", "btnNext", "btnLast"}) Add("Button", b);
  Add("Label", "lblPager");

  w_.Line("namespace LoginFrame");
  w_.Line("{");
  w_.Line("    partial class FrmQuery$C$");
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
  w_.Blank();
  w_.Line("        /// <summary>");
  w_.Line("        /// Required method for Designer support - do not modify");
  w_.Line("        /// the contents of this method with the code editor.");
  w_.Line("        /// </summary>");
  w_.Line("        private void InitializeComponent()");
  w_.Line("        {");
  w_.Line(
      "            System.ComponentModel.ComponentResourceManager resources = new "
      "System.ComponentModel.ComponentResourceManager(typeof(FrmQuery$C$));");
  for (const TControl& c : controls_)
    w_.Line("            this.$n$ = new System.Windows.Forms.$t$();",
            {{"n", c.name}, {"t", c.type}});
  w_.Line("            ((System.ComponentModel.ISupportInitialize)(this.dgvList)).BeginInit();");
  w_.Line("            this.SuspendLayout();");

  for (const TSearchInput& input : layout_.inputs) {
    const TDesignMember& m = *input.member;
    const std::string& name = m.memberName;
    const int x = kLeft + input.place * kPlaceWidth;
    const int y = 12 + input.line * kLineHeight;
    SearchLabel("lbl_" + name, x, y, Caption(m) + "：");
    switch (KindInfo(m.kind).row) {
      case TRowKind::Date:
        for (const bool from : {true, false}) {
          const std::string picker = (from ? "dtpFrom_" : "dtpTo_") + name;
          if (!from) SearchLabel("lblTo_" + name, x + kPlaceWidth, y, "至");
          Header(picker);
          w_.Line("            this.$n$.Checked = false;", {{"n", picker}});
          w_.Line("            this.$n$.Format = System.Windows.Forms.DateTimePickerFormat.Short;",
                  {{"n", picker}});
          Common(picker, x + 85 + (from ? 0 : kPlaceWidth), y, 150, 21);
          w_.Line("            this.$n$.ShowCheckBox = true;", {{"n", picker}});
        }
        break;
      case TRowKind::Reference:
        Header("cb_" + name);
        w_.Line(
            "            this.cb_$m$.DropDownStyle = "
            "System.Windows.Forms.ComboBoxStyle.DropDownList;",
            {{"m", name}});
        w_.Line("            this.cb_$m$.FormattingEnabled = true;", {{"m", name}});
        Common("cb_" + name, x + 85, y, 150, 20);
        break;
      default:
        Header("txt_" + name);
        Common("txt_" + name, x + 85, y, 150, 21);
        break;
    }
  }
  const int by = layout_.buttonY;
  Button("btnQuery", 12, by, "查询");
  Button("btnReset", 93, by, "重置");
  Button("btnAdd", 199, by, "添加");
  Button("btnEdit", 280, by, "修改");
  Button("btnDel", 361, by, "删除");

  Header("dgvList");
  w_.Line("            this.dgvList.AllowUserToAddRows = false;");
  w_.Line("            this.dgvList.AllowUserToDeleteRows = false;");
  w_.Line(
      "            this.dgvList.ColumnHeadersHeightSizeMode = "
      "System.Windows.Forms.DataGridViewColumnHeadersHeightSizeMode.AutoSize;");
  Point("dgvList", 12, layout_.gridY);
  w_.Line("            this.dgvList.MultiSelect = true;");
  w_.Line("            this.dgvList.Name = \"dgvList\";");
  w_.Line("            this.dgvList.ReadOnly = true;");
  w_.Line("            this.dgvList.RowTemplate.Height = 23;");
  w_.Line(
      "            this.dgvList.SelectionMode = "
      "System.Windows.Forms.DataGridViewSelectionMode.FullRowSelect;");
  Size("dgvList", kFormWidth - 24, layout_.gridHeight);
  w_.Line("            this.dgvList.TabIndex = $t$;", {{"t", std::to_string(tab_++)}});
  w_.Line(
      "            this.dgvList.CellDoubleClick += new "
      "System.Windows.Forms.DataGridViewCellEventHandler(this.dgvList_CellDoubleClick);");
  w_.Line(
      "            this.dgvList.DataError += new "
      "System.Windows.Forms.DataGridViewDataErrorEventHandler(this.dgvList_DataError);");

  const int py = layout_.pagerY;
  Button("btnFirst", 12, py, "首页");
  Button("btnPrev", 93, py, "上一页");
  Button("btnNext", 174, py, "下一页");
  Button("btnLast", 255, py, "末页");
  Header("lblPager");
  w_.Line("            this.lblPager.AutoSize = true;");
  Common("lblPager", 345, py + 5, 120, 12);
  w_.Line("            this.lblPager.Text = \"\";");

  w_.Line("            // ");
  w_.Line("            // FrmQuery$C$");
  w_.Line("            // ");
  w_.Line("            this.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F);");
  w_.Line("            this.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font;");
  w_.Line("            this.AutoScroll = true;");
  w_.Line("            this.ClientSize = new System.Drawing.Size($w$, $h$);",
          {{"w", std::to_string(kFormWidth)}, {"h", std::to_string(layout_.height)}});
  for (const TControl& c : controls_)
    w_.Line("            this.Controls.Add(this.$n$);", {{"n", c.name}});
  w_.Line("            this.FormBorderStyle = System.Windows.Forms.FormBorderStyle.FixedSingle;");
  w_.Line("            this.Icon = ((System.Drawing.Icon)(resources.GetObject(\"$this.Icon\")));");
  w_.Line("            this.MaximizeBox = false;");
  w_.Line("            this.MinimizeBox = false;");
  w_.Line("            this.Name = \"FrmQuery$C$\";");
  w_.Line("            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;");
  w_.Line("            this.Text = \"$F$信息查询\";");
  w_.Line("            this.Load += new System.EventHandler(this.FrmQuery$C$_Load);");
  w_.Line("            ((System.ComponentModel.ISupportInitialize)(this.dgvList)).EndInit();");
  w_.Line("            this.ResumeLayout(false);");
  w_.Line("            this.PerformLayout();");
  w_.Line("        }");
  w_.Line("        #endregion");
  w_.Blank();
  for (const TControl& c : controls_)
    w_.Line("        private System.Windows.Forms.$t$ $n$;", {{"n", c.name}, {"t", c.type}});
  w_.Line("    }");
  w_.Line("}");
  return w_.Take();
}

}  // namespace

TQueryLayout PlanQueryForm(const TDesignClass& cls) {
  TQueryLayout layout;
  int line = 0, place = 0;
  for (const TDesignMember& m : cls.members) {
    if (!m.IsQueried() || m.kind == TFieldKind::Image) continue;
    const int width = m.kind == TFieldKind::Date ? 2 : 1;
    if (place + width > kPlacesPerLine) {
      ++line;
      place = 0;
    }
    layout.inputs.push_back({&m, line, place});
    place += width;
  }
  layout.lines = layout.inputs.empty() ? 0 : line + 1;
  layout.buttonY = 12 + layout.lines * kLineHeight;
  layout.gridY = layout.buttonY + 33;
  layout.gridHeight = std::max(kMinGridHeight, kFormHeight - 41 - layout.gridY);
  layout.pagerY = layout.gridY + layout.gridHeight + 9;
  layout.height = layout.pagerY + 32;
  return layout;
}

std::string BuildFullQueryCode(const TDesign& design, const TDesignClass& cls) {
  return TQueryCodeWriter(design, cls).Build();
}

std::string BuildFullQueryDesigner(const TDesignClass& cls) {
  return TQueryDesignerWriter(cls).Build();
}
