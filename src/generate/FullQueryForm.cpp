#include "generate/FullQueryForm.h"

#include <algorithm>

#include "generate/CSharpBoilerplate.h"
#include "generate/ClassFiles.h"
#include "vocabulary/MemberKinds.h"
#include "vocabulary/Naming.h"
#include "vocabulary/SqlDialect.h"

namespace {

// The search lines: three places a line, each a label and an input (the
// controls a member's kind gives it).
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
  WriteUsings(w_, TUsings::QueryForm);
  w_.Lines(R"(

namespace LoginFrame
{
    public partial class FrmQuery$C$ : Form
    {
        /*每页行数*/
        private const int PageSize = 20;
        /*当前页码、总页数、总记录数和当前的查询条件*/
        private int nowPage = 1;
        private int pageCount = 0;
        private int recordCount = 0;
        private string strWhere = "";

        public FrmQuery$C$()
        {
            InitializeComponent();
        }

)");
  WriteHelpers();
  WriteBuildWhere();
  WritePaging();
  WriteLoad();
  WriteButtons();
  WriteEditAndDelete();
  w_.Lines(R"(
    }
}
)");
  return w_.Take();
}

void TQueryCodeWriter::WriteHelpers() {
  w_.Append(DialectOf(design_).QueryLiteralMethods());
}

void TQueryCodeWriter::WriteBuildWhere() {
  w_.Lines(R"(
        /*由查询条件拼出 strWhere；输入的格式不对时提示并返回 false*/
        private bool BuildWhere(out string where)
        {
            where = "";
            List<string> conditions = new List<string>();
)");
  // Every column is named with its table: the paged query joins tables.
  for (const TSearchInput& input : layout_.inputs) {
    const TDesignMember& m = *input.member;
    w_.Lines(m.Kind().searchCondition,
             {{"m", m.memberName}, {"col", DialectOf(design_).Column(cls_.className, m.memberName)}});
  }
  w_.Lines(R"(
            where = string.Join(" and ", conditions.ToArray());
            return true;
        }

)");
}

void TQueryCodeWriter::WritePaging() {
  w_.Lines(R"(
        /*按当前页码和查询条件取出一页记录*/
        private void LoadPage()
        {
            try
            {
                DataTable table = BLL.bll$C$.Get$C$(nowPage, PageSize, out pageCount, out recordCount, strWhere);
                if (pageCount > 0 && nowPage > pageCount)
                {
                    nowPage = pageCount;
                    table = BLL.bll$C$.Get$C$(nowPage, PageSize, out pageCount, out recordCount, strWhere);
                }
                this.dgvList.DataSource = table;
            }
            catch (Exception ex)
            {
                MessageBox.Show("查询$F$失败: " + ex.Message);
            }
            ShowPager();
        }

        /*页码标签和翻页按钮*/
        private void ShowPager()
        {
            this.lblPager.Text = "第 " + nowPage + " / " + Math.Max(pageCount, 1) + " 页，共 " + recordCount + " 条";
            this.btnFirst.Enabled = nowPage > 1;
            this.btnPrev.Enabled = nowPage > 1;
            this.btnNext.Enabled = nowPage < pageCount;
            this.btnLast.Enabled = nowPage < pageCount;
        }

)");
}

void TQueryCodeWriter::WriteLoad() {
  w_.Line("        private void FrmQuery$C$_Load(object sender, EventArgs e)");
  w_.Line("        {");
  const bool anyDropDown =
      std::any_of(layout_.inputs.begin(), layout_.inputs.end(),
                  [](const TSearchInput& i) { return i.member->IsReference(); });
  if (anyDropDown) {
    w_.Lines(R"(
            try
            {
                DataTable table;
)");
    for (const TSearchInput& input : layout_.inputs) {
      const TDesignMember& m = *input.member;
      if (!m.IsReference()) continue;
      const TReferenced target = Referenced(design_, cls_, m);
      // Each drop-down gets its own table: two sharing one would move
      // together. The empty first row means "any".
      w_.Lines(R"(
                //查询所有的$RF$
                table = BLL.bll$R$.getAll$R$().Tables[0];
                table.Rows.InsertAt(table.NewRow(), 0);
                this.cb_$m$.DataSource = table;
                this.cb_$m$.DisplayMember = "$disp$";
                this.cb_$m$.ValueMember = "$key$";
)",
               {{"m", m.memberName},
                {"R", target.cls.className},
                {"RF", target.cls.friendName},
                {"disp", target.display.memberName},
                {"key", target.key.memberName}});
    }
    w_.Lines(R"(
            }
            catch (Exception ex)
            {
                MessageBox.Show("读取查询条件的选项失败: " + ex.Message);
            }
)");
  }
  w_.Lines(R"(
            LoadPage();
        }

)");
}

void TQueryCodeWriter::WriteButtons() {
  w_.Lines(R"(
        private void btnQuery_Click(object sender, EventArgs e)
        {
            string where;
            if (!BuildWhere(out where)) return;
            strWhere = where;
            nowPage = 1;
            LoadPage();
        }

        private void btnReset_Click(object sender, EventArgs e)
        {
)");
  for (const TSearchInput& input : layout_.inputs)
    w_.Lines(input.member->Kind().searchReset, {{"m", input.member->memberName}});
  w_.Lines(R"(
            strWhere = "";
            nowPage = 1;
            LoadPage();
        }

        private void btnFirst_Click(object sender, EventArgs e)
        {
            nowPage = 1;
            LoadPage();
        }

        private void btnPrev_Click(object sender, EventArgs e)
        {
            if (nowPage > 1) nowPage--;
            LoadPage();
        }

        private void btnNext_Click(object sender, EventArgs e)
        {
            if (nowPage < pageCount) nowPage++;
            LoadPage();
        }

        private void btnLast_Click(object sender, EventArgs e)
        {
            nowPage = Math.Max(pageCount, 1);
            LoadPage();
        }

        private void btnAdd_Click(object sender, EventArgs e)
        {
            try
            {
                FrmAdd$C$ frmAdd$C$ = new FrmAdd$C$();
                frmAdd$C$.ShowDialog();
            }
            catch (Exception ex)
            {
                MessageBox.Show(ex.Message);
            }
            LoadPage();
        }

)");
}

void TQueryCodeWriter::WriteEditAndDelete() {
  // The key is the show list's first column.
  w_.Lines(R"(
        /*打开所选记录的修改窗体，关闭后刷新*/
        private void EditRow(DataGridViewRow row)
        {
            if (row == null || row.Cells.Count == 0 || row.Cells[0].Value == null || row.Cells[0].Value is DBNull)
            {
                MessageBox.Show("请先选择要修改的记录!");
                return;
            }
            try
            {
                FrmEdit$C$ frmEdit$C$ = new FrmEdit$C$($keyValue$, this);
                frmEdit$C$.ShowDialog();
            }
            catch (Exception ex)
            {
                MessageBox.Show(ex.Message);
            }
            LoadPage();
        }

        private void btnEdit_Click(object sender, EventArgs e)
        {
            EditRow(this.dgvList.CurrentRow);
        }

        private void dgvList_CellDoubleClick(object sender, DataGridViewCellEventArgs e)
        {
            if (e.RowIndex >= 0) EditRow(this.dgvList.Rows[e.RowIndex]);
        }

        private void btnDel_Click(object sender, EventArgs e)
        {
            int n = this.dgvList.SelectedRows.Count;
            if (n == 0)
            {
                MessageBox.Show("请先选择要删除的记录!");
                return;
            }
            if (MessageBox.Show("确定删除选中的 " + n + " 条记录吗?", "提示", MessageBoxButtons.OKCancel, MessageBoxIcon.Question) != DialogResult.OK)
                return;
            List<string> keys = new List<string>();
            foreach (DataGridViewRow row in this.dgvList.SelectedRows)
                keys.Add(Convert.ToString(row.Cells[0].Value, CultureInfo.InvariantCulture));
            try
            {
                if (!BLL.bll$C$.Del$C$(string.Join(",", keys.ToArray())))
                    MessageBox.Show("删除失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("删除失败: " + ex.Message);
            }
            LoadPage();
        }

        /*图片等无法显示的值不弹出错误*/
        private void dgvList_DataError(object sender, DataGridViewDataErrorEventArgs e)
        {
            e.ThrowException = false;
        }
)",
           {{"keyValue", KindInfo(KeyKind(key_)).keyFromCell}});
}

// The designer: controls in creation order, each with its property block;
// the same list gives the field declarations.
class TQueryDesignerWriter {
public:
  explicit TQueryDesignerWriter(const TDesignClass& cls)
      : cls_(cls), layout_(PlanQueryForm(cls)), w_(ClassWriter(cls)) {
    ListControls();
  }

  std::string Build();

private:
  struct TControl {
    std::string type;  // System.Windows.Forms.<type>
    std::string name;
  };

  void ListControls();
  void Header(const std::string& name);
  void Point(const std::string& name, int x, int y);
  void Size(const std::string& name, int w, int h);
  void Common(const std::string& name, int x, int y, int w, int h);
  void SearchLabel(const std::string& name, int x, int y, const std::string& text);
  void Button(const std::string& name, int x, int y, const std::string& text);
  void WriteCreation();
  void WriteSearchLines();
  void WriteButtons();
  void WriteGrid();
  void WritePager();
  void WriteFormProperties();
  void WriteFields();

  const TDesignClass& cls_;
  const TQueryLayout layout_;
  TCodeWriter w_;
  std::vector<TControl> controls_;
  int tab_ = 0;
};

std::string TQueryDesignerWriter::Build() {
  const std::string form = "FrmQuery" + cls_.className;
  WriteDesignerHeader(w_, form, form, true);
  WriteCreation();
  WriteSearchLines();
  WriteButtons();
  WriteGrid();
  WritePager();
  WriteFormProperties();
  WriteFields();
  return w_.Take();
}

// The controls in creation order: each search input's label and controls,
// the buttons, the grid and the pager.
void TQueryDesignerWriter::ListControls() {
  for (const TSearchInput& input : layout_.inputs) {
    const std::string& m = input.member->memberName;
    controls_.push_back({"Label", "lbl_" + m});
    for (const TSearchControl& c : input.member->Kind().searchControls)
      controls_.push_back({std::string(c.type), std::string(c.prefix) + m});
  }
  for (const char* b : {"btnQuery", "btnReset", "btnAdd", "btnEdit", "btnDel"})
    controls_.push_back({"Button", b});
  controls_.push_back({"DataGridView", "dgvList"});
  for (const char* b : {"btnFirst", "btnPrev", "btnNext", "btnLast"})
    controls_.push_back({"Button", b});
  controls_.push_back({"Label", "lblPager"});
}

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
  w_.Lines(R"(
            this.$n$.Text = "$t$";
            this.$n$.TextAlign = System.Drawing.ContentAlignment.MiddleRight;
)",
           {{"n", name}, {"t", text}});
}

void TQueryDesignerWriter::Button(const std::string& name, int x, int y, const std::string& text) {
  Header(name);
  Common(name, x, y, 75, 23);
  w_.Lines(R"(
            this.$n$.Text = "$t$";
            this.$n$.UseVisualStyleBackColor = true;
            this.$n$.Click += new System.EventHandler(this.$n$_Click);
)",
           {{"n", name}, {"t", text}});
}

void TQueryDesignerWriter::WriteCreation() {
  for (const TControl& c : controls_)
    w_.Line("            this.$n$ = new System.Windows.Forms.$t$();",
            {{"n", c.name}, {"t", c.type}});
  w_.Line("            ((System.ComponentModel.ISupportInitialize)(this.dgvList)).BeginInit();");
  w_.Line("            this.SuspendLayout();");
}

void TQueryDesignerWriter::WriteSearchLines() {
  for (const TSearchInput& input : layout_.inputs) {
    const TDesignMember& m = *input.member;
    const int x = kLeft + input.place * kPlaceWidth;
    const int y = 12 + input.line * kLineHeight;
    SearchLabel("lbl_" + m.memberName, x, y, Caption(m) + "：");
    for (const TSearchControl& c : m.Kind().searchControls) {
      const std::string name = std::string(c.prefix) + m.memberName;
      Header(name);
      w_.Lines(c.before, {{"ctl", name}, {"items", ChoiceItems(m)}});
      Common(name, x + c.dx, y, c.width, c.height);
      w_.Lines(c.after, {{"ctl", name}});
    }
  }
}

void TQueryDesignerWriter::WriteButtons() {
  const int y = layout_.buttonY;
  Button("btnQuery", 12, y, "查询");
  Button("btnReset", 93, y, "重置");
  Button("btnAdd", 199, y, "添加");
  Button("btnEdit", 280, y, "修改");
  Button("btnDel", 361, y, "删除");
}

void TQueryDesignerWriter::WriteGrid() {
  Header("dgvList");
  w_.Lines(R"(
            this.dgvList.AllowUserToAddRows = false;
            this.dgvList.AllowUserToDeleteRows = false;
            this.dgvList.ColumnHeadersHeightSizeMode = System.Windows.Forms.DataGridViewColumnHeadersHeightSizeMode.AutoSize;
)");
  Point("dgvList", 12, layout_.gridY);
  w_.Lines(R"(
            this.dgvList.MultiSelect = true;
            this.dgvList.Name = "dgvList";
            this.dgvList.ReadOnly = true;
            this.dgvList.RowTemplate.Height = 23;
            this.dgvList.SelectionMode = System.Windows.Forms.DataGridViewSelectionMode.FullRowSelect;
)");
  Size("dgvList", kFormWidth - 24, layout_.gridHeight);
  w_.Lines(R"(
            this.dgvList.TabIndex = $t$;
            this.dgvList.CellDoubleClick += new System.Windows.Forms.DataGridViewCellEventHandler(this.dgvList_CellDoubleClick);
            this.dgvList.DataError += new System.Windows.Forms.DataGridViewDataErrorEventHandler(this.dgvList_DataError);
)",
           {{"t", std::to_string(tab_++)}});
}

void TQueryDesignerWriter::WritePager() {
  const int y = layout_.pagerY;
  Button("btnFirst", 12, y, "首页");
  Button("btnPrev", 93, y, "上一页");
  Button("btnNext", 174, y, "下一页");
  Button("btnLast", 255, y, "末页");
  Header("lblPager");
  w_.Line("            this.lblPager.AutoSize = true;");
  Common("lblPager", 345, y + 5, 120, 12);
  w_.Line("            this.lblPager.Text = \"\";");
}

void TQueryDesignerWriter::WriteFormProperties() {
  w_.Lines(R"(
            // 
            // FrmQuery$C$
            // 
            this.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F);
            this.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font;
            this.AutoScroll = true;
            this.ClientSize = new System.Drawing.Size($w$, $h$);
)",
           {{"w", std::to_string(kFormWidth)}, {"h", std::to_string(layout_.height)}});
  for (const TControl& c : controls_)
    w_.Line("            this.Controls.Add(this.$n$);", {{"n", c.name}});
  w_.Lines(R"(
            this.FormBorderStyle = System.Windows.Forms.FormBorderStyle.FixedSingle;
            this.Icon = ((System.Drawing.Icon)(resources.GetObject("$this.Icon")));
            this.MaximizeBox = false;
            this.MinimizeBox = false;
            this.Name = "FrmQuery$C$";
            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;
            this.Text = "$F$信息查询";
            this.Load += new System.EventHandler(this.FrmQuery$C$_Load);
            ((System.ComponentModel.ISupportInitialize)(this.dgvList)).EndInit();
            this.ResumeLayout(false);
            this.PerformLayout();
        }
        #endregion

)");
}

void TQueryDesignerWriter::WriteFields() {
  for (const TControl& c : controls_)
    w_.Line("        private System.Windows.Forms.$t$ $n$;", {{"n", c.name}, {"t", c.type}});
  w_.Lines(R"(
    }
}
)");
}

}  // namespace

TQueryLayout PlanQueryForm(const TDesignClass& cls) {
  TQueryLayout layout;
  int line = 0, place = 0;
  for (const TDesignMember& m : cls.members) {
    // A flag the entry rules would refuse (in a design file made by other
    // means) asks for nothing.
    if (!m.IsQueried() || !m.Kind().MayBeSearched()) continue;
    const int width = m.Kind().searchPlaces;
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
