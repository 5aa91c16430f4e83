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
// The lower pane of a master's form: a tab per class that refers to it.
constexpr int kDetailHeight = 220;
constexpr int kTabPageWidth = kFormWidth - 24 - 8;
constexpr int kTabPageHeight = kDetailHeight - 26;

// The label of a search input and of a member's tab: the member's comment, its name when the
// comment is empty.
std::string Caption(const TMember& m) {
  return m.memberComment.empty() ? m.memberName : m.memberComment;
}

// A class that refers to the form's class by one of its members: a tab of
// the lower pane. The controls' names end in _<class>_<member>.
struct TDetail {
  const TDesignClass* cls = nullptr;
  const TDesignMember* member = nullptr;
  std::string suffix;
  std::string caption;
};

// Every member of the design that refers to cls, class by class in class
// order; the tab says which member when a class refers to cls by more
// than one.
std::vector<TDetail> DetailsOf(const TDesign& design, const TDesignClass& cls) {
  std::vector<TDetail> details;
  for (const TDesignClass& other : design.classes) {
    std::vector<const TDesignMember*> refs;
    for (const TDesignMember& m : other.members)
      if (m.IsReference() && Referenced(design, other, m).cls.className == cls.className)
        refs.push_back(&m);
    for (const TDesignMember* m : refs) {
      std::string caption = other.friendName.empty() ? other.className : other.friendName;
      if (refs.size() > 1) caption += "(" + Caption(*m) + ")";
      details.push_back({&other, m, "_" + other.className + "_" + m->memberName, caption});
    }
  }
  return details;
}

class TQueryCodeWriter {
public:
  TQueryCodeWriter(const TDesign& design, const TDesignClass& cls)
      : design_(design),
        cls_(cls),
        key_(KeyMember(cls)),
        layout_(PlanQueryForm(cls)),
        details_(DetailsOf(design, cls)),
        w_(ClassWriter(cls)) {}

  std::string Build();

private:
  void WriteHelpers();
  void WriteBuildWhere();
  void WritePaging();
  void WriteLoad();
  void WriteButtons();
  void WriteEditAndDelete();
  void WriteExport();
  void WritePrint();
  void WriteDetails();

  const TDesign& design_;
  const TDesignClass& cls_;
  const TDesignMember& key_;
  const TQueryLayout layout_;
  const std::vector<TDetail> details_;
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
        /*导出和打印逐页取出全部记录时的每页行数*/
        private const int ReadAllPageSize = 500;
        /*打印的记录、下一条记录和已打印的页数*/
        private DataTable printTable = new DataTable();
        private int printRow = 0;
        private int printPage = 0;

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
  WriteExport();
  WritePrint();
  WriteDetails();
  w_.Lines(R"(
    }
}
)");
  return w_.Take();
}

void TQueryCodeWriter::WriteHelpers() {
  w_.Append(DialectOf(design_).QueryLiteralMethods());
  w_.Lines(R"(
        /*一个类的分页查询*/
        private delegate DataTable PageQuery(int nowPage, int pageSize, out int pageCount, out int recordCount, string where);

        /*按条件逐页取出全部记录，不只是当前页*/
        private static DataTable ReadAll(PageQuery query, string where)
        {
            int pages, records;
            DataTable all = query(1, ReadAllPageSize, out pages, out records, where);
            for (int page = 2; page <= pages; page++)
                foreach (DataRow row in query(page, ReadAllPageSize, out pages, out records, where).Rows)
                    all.ImportRow(row);
            return all;
        }

        /*一格的文字；空值和图片没有文字*/
        private static string CellText(object value)
        {
            if (value == null || value is DBNull || value is byte[]) return "";
            return Convert.ToString(value, CultureInfo.InvariantCulture);
        }

)");
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
                DataRow any;
)");
    for (const TSearchInput& input : layout_.inputs) {
      const TDesignMember& m = *input.member;
      if (!m.IsReference()) continue;
      const TReferenced target = Referenced(design_, cls_, m);
      // Each drop-down gets its own table: two sharing one would move
      // together. The first row means "any".
      w_.Lines(R"(
                //查询所有的$RF$，第一项是“全部”
                table = BLL.bll$R$.getAll$R$().Tables[0];
                any = table.NewRow();
                if (table.Columns["$disp$"].DataType == typeof(string)) any["$disp$"] = "全部";
                table.Rows.InsertAt(any, 0);
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
                if (!BLL.bll$C$.Del$C$(keys))
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

void TQueryCodeWriter::WriteExport() {
  w_.Lines(R"(

        /*导出当前查询条件下的全部记录*/
        private void btnExport_Click(object sender, EventArgs e)
        {
            using (SaveFileDialog dialog = new SaveFileDialog())
            {
                dialog.Filter = "CSV 文件 (*.csv)|*.csv|所有文件 (*.*)|*.*";
                dialog.DefaultExt = "csv";
                if (dialog.ShowDialog(this) == DialogResult.OK)
                    Export(dialog.FileName);
            }
        }

        /*CSV 文件: 第一行是列标题；含逗号、引号或换行的值加引号，其中的引号写两遍；UTF-8 带 BOM*/
        private void Export(string fileName)
        {
            try
            {
                DataTable table = ReadAll(BLL.bll$C$.Get$C$, strWhere);
                StringBuilder csv = new StringBuilder();
                List<string> cells = new List<string>();
                foreach (DataColumn column in table.Columns)
                    cells.Add(CsvCell(column.ColumnName));
                csv.Append(string.Join(",", cells.ToArray())).Append("\r\n");
                foreach (DataRow row in table.Rows)
                {
                    cells.Clear();
                    foreach (object value in row.ItemArray)
                        cells.Add(CsvCell(CellText(value)));
                    csv.Append(string.Join(",", cells.ToArray())).Append("\r\n");
                }
                System.IO.File.WriteAllText(fileName, csv.ToString(), new UTF8Encoding(true));
                MessageBox.Show("已导出 " + table.Rows.Count + " 条记录到 " + fileName);
            }
            catch (Exception ex)
            {
                MessageBox.Show("导出失败: " + ex.Message);
            }
        }

        private static string CsvCell(string text)
        {
            if (text.IndexOfAny(new char[] { ',', '"', '\r', '\n' }) < 0) return text;
            return "\"" + text.Replace("\"", "\"\"") + "\"";
        }
)");
}

void TQueryCodeWriter::WritePrint() {
  w_.Lines(R"(

        /*打印预览当前查询条件下的全部记录，可从预览中打印*/
        private void btnPrint_Click(object sender, EventArgs e)
        {
            if (!this.printDocument.PrinterSettings.IsValid)
            {
                MessageBox.Show("没有可用的打印机，无法打印预览!");
                return;
            }
            try
            {
                printTable = ReadAll(BLL.bll$C$.Get$C$, strWhere);
            }
            catch (Exception ex)
            {
                MessageBox.Show("查询$F$失败: " + ex.Message);
                return;
            }
            this.printPreviewDialog.ShowDialog(this);
        }

        private void printDocument_BeginPrint(object sender, System.Drawing.Printing.PrintEventArgs e)
        {
            printRow = 0;
            printPage = 0;
        }

        /*一页: 标题行(名称和日期)、列标题和记录，页脚是页码；各列平分版心的宽度*/
        private void printDocument_PrintPage(object sender, System.Drawing.Printing.PrintPageEventArgs e)
        {
            Graphics g = e.Graphics;
            Rectangle area = e.MarginBounds;
            using (System.Drawing.Font font = new System.Drawing.Font(this.Font.FontFamily, 9F))
            using (System.Drawing.Font titleFont = new System.Drawing.Font(this.Font.FontFamily, 14F, FontStyle.Bold))
            using (StringFormat cell = new StringFormat(StringFormatFlags.NoWrap))
            {
                cell.Trimming = StringTrimming.EllipsisCharacter;
                float lineHeight = font.GetHeight(g) + 6;
                float titleHeight = titleFont.GetHeight(g) + 10;
                int columns = printTable.Columns.Count;
                float width = (float)area.Width / Math.Max(columns, 1);
                /*列标题和页脚各占一行*/
                int rowsPerPage = Math.Max(1, (int)((area.Height - titleHeight - 2 * lineHeight) / lineHeight));
                int pages = Math.Max(1, (printTable.Rows.Count + rowsPerPage - 1) / rowsPerPage);
                printPage++;
                float y = area.Top;
                g.DrawString("$F$信息    " + DateTime.Now.ToString("yyyy-MM-dd"), titleFont, Brushes.Black, area.Left, y);
                y += titleHeight;
                for (int i = 0; i < columns; i++)
                    g.DrawString(printTable.Columns[i].ColumnName, font, Brushes.Black, new RectangleF(area.Left + i * width, y, width, lineHeight), cell);
                y += lineHeight;
                g.DrawLine(Pens.Black, area.Left, y - 3, area.Right, y - 3);
                for (int n = 0; n < rowsPerPage && printRow < printTable.Rows.Count; n++, printRow++)
                {
                    DataRow row = printTable.Rows[printRow];
                    for (int i = 0; i < columns; i++)
                        g.DrawString(CellText(row[i]), font, Brushes.Black, new RectangleF(area.Left + i * width, y, width, lineHeight), cell);
                    y += lineHeight;
                }
                string footer = "第 " + printPage + " / " + pages + " 页";
                SizeF size = g.MeasureString(footer, font);
                g.DrawString(footer, font, Brushes.Black, area.Left + (area.Width - size.Width) / 2, area.Bottom - lineHeight);
                e.HasMorePages = printRow < printTable.Rows.Count;
            }
        }
)");
}

// The lower pane: per referring member, a tab whose grid shows the
// records that refer to the selected record, read through that class's
// paged query; its rows open their edit form, its button the add form.
void TQueryCodeWriter::WriteDetails() {
  if (details_.empty()) return;
  w_.Lines(R"(

        /*所选记录的主键；没有选中时为 null*/
        private object SelectedKey()
        {
            DataGridViewRow row = this.dgvList.CurrentRow;
            if (row == null || row.Cells.Count == 0 || row.Cells[0].Value is DBNull) return null;
            return row.Cells[0].Value;
        }

        /*下方各页签: 引用所选记录的记录*/
        private void LoadDetails()
        {
            object key = SelectedKey();
)");
  for (const TDetail& d : details_) w_.Line("            LoadDetail$s$(key);", {{"s", d.suffix}});
  w_.Lines(R"(
        }

        private void dgvList_SelectionChanged(object sender, EventArgs e)
        {
            LoadDetails();
        }
)");
  for (const TDetail& d : details_) {
    const TDesignMember& refKey = KeyMember(*d.cls);
    TCodeWriter condition;
    condition.Text(d.member->Kind().detailCondition,
                   {{"col", DialectOf(design_).Column(d.cls->className, d.member->memberName)},
                    {"key", "key"}});
    w_.Lines(R"(

        private void LoadDetail$s$(object key)
        {
            if (key == null)
            {
                this.dgv$s$.DataSource = null;
                return;
            }
            try
            {
                this.dgv$s$.DataSource = ReadAll(BLL.bll$D$.Get$D$, $condition$);
            }
            catch (Exception ex)
            {
                this.dgv$s$.DataSource = null;
                MessageBox.Show("查询$DF$失败: " + ex.Message);
            }
        }

        /*修改明细记录，关闭后刷新*/
        private void dgv$s$_CellDoubleClick(object sender, DataGridViewCellEventArgs e)
        {
            if (e.RowIndex < 0) return;
            DataGridViewRow row = this.dgv$s$.Rows[e.RowIndex];
            if (row.Cells.Count == 0 || row.Cells[0].Value == null || row.Cells[0].Value is DBNull) return;
            try
            {
                FrmEdit$D$ frmEdit$D$ = new FrmEdit$D$($keyValue$, null);
                frmEdit$D$.ShowDialog();
            }
            catch (Exception ex)
            {
                MessageBox.Show(ex.Message);
            }
            LoadDetails();
        }

        /*添加明细记录，关闭后刷新*/
        private void btnAdd$s$_Click(object sender, EventArgs e)
        {
            try
            {
                FrmAdd$D$ frmAdd$D$ = new FrmAdd$D$();
                frmAdd$D$.ShowDialog();
            }
            catch (Exception ex)
            {
                MessageBox.Show(ex.Message);
            }
            LoadDetails();
        }
)",
             {{"s", d.suffix},
              {"D", d.cls->className},
              {"DF", d.cls->friendName},
              {"condition", condition.Take()},
              {"keyValue", KindInfo(KeyKind(refKey)).keyFromCell}});
  }
}

// The designer: controls in creation order, each with its property block;
// the same list gives the field declarations.
constexpr std::string_view kAnchorAll =
    "((System.Windows.Forms.AnchorStyles)((((System.Windows.Forms.AnchorStyles.Top | "
    "System.Windows.Forms.AnchorStyles.Bottom) | System.Windows.Forms.AnchorStyles.Left) | "
    "System.Windows.Forms.AnchorStyles.Right)))";
constexpr std::string_view kAnchorBottomLeft =
    "((System.Windows.Forms.AnchorStyles)((System.Windows.Forms.AnchorStyles.Bottom | "
    "System.Windows.Forms.AnchorStyles.Left)))";
constexpr std::string_view kAnchorBottomWide =
    "((System.Windows.Forms.AnchorStyles)(((System.Windows.Forms.AnchorStyles.Bottom | "
    "System.Windows.Forms.AnchorStyles.Left) | System.Windows.Forms.AnchorStyles.Right)))";

class TQueryDesignerWriter {
public:
  TQueryDesignerWriter(const TDesign& design, const TDesignClass& cls)
      : cls_(cls),
        layout_(PlanQueryForm(cls)),
        details_(DetailsOf(design, cls)),
        w_(ClassWriter(cls)) {
    ListControls();
  }

  std::string Build();

private:
  struct TControl {
    std::string type;  // with its namespace
    std::string name;
    bool onForm = true;  // else on a tab page, or a component
  };

  void ListControls();
  void Header(const std::string& name);
  void Point(const std::string& name, int x, int y);
  void Size(const std::string& name, int w, int h);
  void Anchor(const std::string& name, std::string_view anchor);
  void Common(const std::string& name, int x, int y, int w, int h);
  void SearchLabel(const std::string& name, int x, int y, const std::string& text);
  void Button(const std::string& name, int x, int y, const std::string& text,
              std::string_view anchor = {});
  void Grid(const std::string& name, int x, int y, int width, int height);
  void WriteCreation();
  void WriteSearchLines();
  void WriteButtons();
  void WriteGrid();
  void WritePager();
  void WriteDetails();
  void WritePrinting();
  void WriteFormProperties();
  void WriteFields();
  int Height() const { return layout_.height + (details_.empty() ? 0 : kDetailHeight + 12); }

  const TDesignClass& cls_;
  const TQueryLayout layout_;
  const std::vector<TDetail> details_;
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
  WriteDetails();
  WritePrinting();
  WriteFormProperties();
  WriteFields();
  return w_.Take();
}

// The controls in creation order: each search input's label and controls,
// the buttons, the grid, the pager, the lower pane's tabs with their
// controls, and the printing components.
void TQueryDesignerWriter::ListControls() {
  const std::string forms = "System.Windows.Forms.";
  for (const TSearchInput& input : layout_.inputs) {
    const std::string& m = input.member->memberName;
    controls_.push_back({forms + "Label", "lbl_" + m});
    for (const TSearchControl& c : input.member->Kind().searchControls)
      controls_.push_back({forms + std::string(c.type), std::string(c.prefix) + m});
  }
  for (const char* b :
       {"btnQuery", "btnReset", "btnAdd", "btnEdit", "btnDel", "btnExport", "btnPrint"})
    controls_.push_back({forms + "Button", b});
  controls_.push_back({forms + "DataGridView", "dgvList"});
  for (const char* b : {"btnFirst", "btnPrev", "btnNext", "btnLast"})
    controls_.push_back({forms + "Button", b});
  controls_.push_back({forms + "Label", "lblPager"});
  if (!details_.empty()) {
    controls_.push_back({forms + "TabControl", "tabDetails"});
    for (const TDetail& d : details_) {
      controls_.push_back({forms + "TabPage", "tab" + d.suffix, false});
      controls_.push_back({forms + "Button", "btnAdd" + d.suffix, false});
      controls_.push_back({forms + "DataGridView", "dgv" + d.suffix, false});
    }
  }
  controls_.push_back({"System.Drawing.Printing.PrintDocument", "printDocument", false});
  controls_.push_back({forms + "PrintPreviewDialog", "printPreviewDialog", false});
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

void TQueryDesignerWriter::Anchor(const std::string& name, std::string_view anchor) {
  if (!anchor.empty()) w_.Line("            this.$n$.Anchor = $a$;", {{"n", name}, {"a", anchor}});
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

void TQueryDesignerWriter::Button(const std::string& name, int x, int y, const std::string& text,
                                  std::string_view anchor) {
  Header(name);
  Anchor(name, anchor);
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
    w_.Line("            this.$n$ = new $t$();", {{"n", c.name}, {"t", c.type}});
  if (!details_.empty()) w_.Line("            this.tabDetails.SuspendLayout();");
  for (const TDetail& d : details_)
    w_.Line("            this.tab$s$.SuspendLayout();", {{"s", d.suffix}});
  w_.Line("            ((System.ComponentModel.ISupportInitialize)(this.dgvList)).BeginInit();");
  for (const TDetail& d : details_)
    w_.Line("            ((System.ComponentModel.ISupportInitialize)(this.dgv$s$)).BeginInit();",
            {{"s", d.suffix}});
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
  Button("btnExport", 467, y, "导出");
  Button("btnPrint", 548, y, "打印");
}

// A read-only grid of whole rows whose columns share its width; it grows
// with the form. Images it cannot show raise no error.
void TQueryDesignerWriter::Grid(const std::string& name, int x, int y, int width, int height) {
  Header(name);
  w_.Lines(R"(
            this.$n$.AllowUserToAddRows = false;
            this.$n$.AllowUserToDeleteRows = false;
            this.$n$.Anchor = $a$;
            this.$n$.AutoSizeColumnsMode = System.Windows.Forms.DataGridViewAutoSizeColumnsMode.Fill;
            this.$n$.ColumnHeadersHeightSizeMode = System.Windows.Forms.DataGridViewColumnHeadersHeightSizeMode.AutoSize;
)",
           {{"n", name}, {"a", kAnchorAll}});
  Point(name, x, y);
  w_.Lines(R"(
            this.$n$.MultiSelect = $multi$;
            this.$n$.Name = "$n$";
            this.$n$.ReadOnly = true;
            this.$n$.RowTemplate.Height = 23;
            this.$n$.SelectionMode = System.Windows.Forms.DataGridViewSelectionMode.FullRowSelect;
)",
           {{"n", name}, {"multi", name == "dgvList" ? "true" : "false"}});
  Size(name, width, height);
  w_.Lines(R"(
            this.$n$.TabIndex = $t$;
            this.$n$.CellDoubleClick += new System.Windows.Forms.DataGridViewCellEventHandler(this.$n$_CellDoubleClick);
            this.$n$.DataError += new System.Windows.Forms.DataGridViewDataErrorEventHandler(this.dgvList_DataError);
)",
           {{"n", name}, {"t", std::to_string(tab_++)}});
}

void TQueryDesignerWriter::WriteGrid() {
  Grid("dgvList", 12, layout_.gridY, kFormWidth - 24, layout_.gridHeight);
  if (!details_.empty())
    w_.Line(
        "            this.dgvList.SelectionChanged += new "
        "System.EventHandler(this.dgvList_SelectionChanged);");
}

void TQueryDesignerWriter::WritePager() {
  const int y = layout_.pagerY;
  Button("btnFirst", 12, y, "首页", kAnchorBottomLeft);
  Button("btnPrev", 93, y, "上一页", kAnchorBottomLeft);
  Button("btnNext", 174, y, "下一页", kAnchorBottomLeft);
  Button("btnLast", 255, y, "末页", kAnchorBottomLeft);
  Header("lblPager");
  Anchor("lblPager", kAnchorBottomLeft);
  w_.Line("            this.lblPager.AutoSize = true;");
  Common("lblPager", 345, y + 5, 120, 12);
  w_.Line("            this.lblPager.Text = \"\";");
}

// The lower pane keeps its height and follows the form's bottom edge; in
// each tab the 添加 button and the grid, which fills the tab.
void TQueryDesignerWriter::WriteDetails() {
  if (details_.empty()) return;
  Header("tabDetails");
  Anchor("tabDetails", kAnchorBottomWide);
  for (const TDetail& d : details_)
    w_.Line("            this.tabDetails.Controls.Add(this.tab$s$);", {{"s", d.suffix}});
  Point("tabDetails", 12, layout_.height);
  w_.Line("            this.tabDetails.Name = \"tabDetails\";");
  w_.Line("            this.tabDetails.SelectedIndex = 0;");
  Size("tabDetails", kFormWidth - 24, kDetailHeight);
  w_.Line("            this.tabDetails.TabIndex = $t$;", {{"t", std::to_string(tab_++)}});
  const int formTabs = tab_;
  int page = 0;
  for (const TDetail& d : details_) {
    const std::string tab = "tab" + d.suffix;
    Header(tab);
    w_.Lines(R"(
            this.$n$.Controls.Add(this.btnAdd$s$);
            this.$n$.Controls.Add(this.dgv$s$);
            this.$n$.Location = new System.Drawing.Point(4, 22);
            this.$n$.Name = "$n$";
            this.$n$.Padding = new System.Windows.Forms.Padding(3);
)",
             {{"n", tab}, {"s", d.suffix}});
    Size(tab, kTabPageWidth, kTabPageHeight);
    w_.Lines(R"(
            this.$n$.TabIndex = $t$;
            this.$n$.Text = "$text$";
            this.$n$.UseVisualStyleBackColor = true;
)",
             {{"n", tab}, {"t", std::to_string(page++)}, {"text", d.caption}});
    tab_ = 0;
    Button("btnAdd" + d.suffix, 6, 6, "添加");
    Grid("dgv" + d.suffix, 6, 35, kTabPageWidth - 12, kTabPageHeight - 41);
  }
  tab_ = formTabs;
}

// Printing: the preview dialog shows the document, whose handlers draw
// the pages.
void TQueryDesignerWriter::WritePrinting() {
  w_.Lines(R"(
            // 
            // printDocument
            // 
            this.printDocument.DocumentName = "$F$信息";
            this.printDocument.BeginPrint += new System.Drawing.Printing.PrintEventHandler(this.printDocument_BeginPrint);
            this.printDocument.PrintPage += new System.Drawing.Printing.PrintPageEventHandler(this.printDocument_PrintPage);
            // 
            // printPreviewDialog
            // 
            this.printPreviewDialog.ClientSize = new System.Drawing.Size(800, 600);
            this.printPreviewDialog.Document = this.printDocument;
            this.printPreviewDialog.Name = "printPreviewDialog";
            this.printPreviewDialog.Text = "$F$信息打印预览";
            this.printPreviewDialog.Visible = false;
)");
}

void TQueryDesignerWriter::WriteFormProperties() {
  w_.Lines(R"(
            // 
            // FrmQuery$C$
            // 
            this.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F);
            this.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font;
            this.ClientSize = new System.Drawing.Size($w$, $h$);
)",
           {{"w", std::to_string(kFormWidth)}, {"h", std::to_string(Height())}});
  for (const TControl& c : controls_)
    if (c.onForm) w_.Line("            this.Controls.Add(this.$n$);", {{"n", c.name}});
  // The smallest size is the one it opens with (the window's frame added).
  w_.Lines(R"(
            this.Icon = ((System.Drawing.Icon)(resources.GetObject("$this.Icon")));
            this.MinimizeBox = false;
            this.MinimumSize = new System.Drawing.Size($w$, $h$);
            this.Name = "FrmQuery$C$";
            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;
            this.Text = "$F$信息查询";
            this.Load += new System.EventHandler(this.FrmQuery$C$_Load);
            ((System.ComponentModel.ISupportInitialize)(this.dgvList)).EndInit();
)",
           {{"w", std::to_string(kFormWidth + 16)}, {"h", std::to_string(Height() + 39)}});
  for (const TDetail& d : details_)
    w_.Line("            ((System.ComponentModel.ISupportInitialize)(this.dgv$s$)).EndInit();",
            {{"s", d.suffix}});
  for (const TDetail& d : details_)
    w_.Line("            this.tab$s$.ResumeLayout(false);", {{"s", d.suffix}});
  if (!details_.empty()) w_.Line("            this.tabDetails.ResumeLayout(false);");
  w_.Lines(R"(
            this.ResumeLayout(false);
            this.PerformLayout();
        }
        #endregion

)");
}

void TQueryDesignerWriter::WriteFields() {
  for (const TControl& c : controls_)
    w_.Line("        private $t$ $n$;", {{"n", c.name}, {"t", c.type}});
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

std::string BuildFullQueryDesigner(const TDesign& design, const TDesignClass& cls) {
  return TQueryDesignerWriter(design, cls).Build();
}
