using System;
using System.Collections.Generic;
using System.ComponentModel;
using System.Data;
using System.Drawing;
using System.Globalization;
using System.Linq;
using System.Text;
using System.Windows.Forms;

namespace LoginFrame
{
    public partial class FrmQueryDept : Form
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

        public FrmQueryDept()
        {
            InitializeComponent();
        }

        /*SQL 文本常量：两边加单引号，其中的单引号加倍*/
        private static string SqlText(string value)
        {
            return "N'" + value.Replace("'", "''") + "'";
        }

        /*like 的包含模式：[、% 和 _ 放进方括号，按输入的字面匹配*/
        private static string SqlContains(string value)
        {
            return SqlText("%" + value.Replace("[", "[[]").Replace("%", "[%]").Replace("_", "[_]") + "%");
        }

        /*日期常量，写成与语言设置无关的 yyyyMMdd*/
        private static string SqlDate(DateTime value)
        {
            return "'" + value.ToString("yyyyMMdd", CultureInfo.InvariantCulture) + "'";
        }

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

        /*由查询条件拼出 strWhere；输入的格式不对时提示并返回 false*/
        private bool BuildWhere(out string where)
        {
            where = "";
            List<string> conditions = new List<string>();
            if (this.txt_deptName.Text.Trim() != "")
                conditions.Add("Dept.deptName like " + SqlContains(this.txt_deptName.Text.Trim()));
            if (this.cb_parent.SelectedIndex > 0 && this.cb_parent.SelectedValue != null)
                conditions.Add("Dept.parent=" + Convert.ToInt32(this.cb_parent.SelectedValue).ToString(CultureInfo.InvariantCulture));
            where = string.Join(" and ", conditions.ToArray());
            return true;
        }

        /*按当前页码和查询条件取出一页记录*/
        private void LoadPage()
        {
            try
            {
                DataTable table = BLL.bllDept.GetDept(nowPage, PageSize, out pageCount, out recordCount, strWhere);
                if (pageCount > 0 && nowPage > pageCount)
                {
                    nowPage = pageCount;
                    table = BLL.bllDept.GetDept(nowPage, PageSize, out pageCount, out recordCount, strWhere);
                }
                this.dgvList.DataSource = table;
            }
            catch (Exception ex)
            {
                MessageBox.Show("查询部门失败: " + ex.Message);
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

        private void FrmQueryDept_Load(object sender, EventArgs e)
        {
            try
            {
                DataTable table;
                DataRow any;
                //查询所有的部门，第一项是“全部”
                table = BLL.bllDept.getAllDept().Tables[0];
                any = table.NewRow();
                if (table.Columns["deptName"].DataType == typeof(string)) any["deptName"] = "全部";
                table.Rows.InsertAt(any, 0);
                this.cb_parent.DataSource = table;
                this.cb_parent.DisplayMember = "deptName";
                this.cb_parent.ValueMember = "deptId";
            }
            catch (Exception ex)
            {
                MessageBox.Show("读取查询条件的选项失败: " + ex.Message);
            }
            LoadPage();
        }

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
            this.txt_deptName.Text = "";
            if (this.cb_parent.Items.Count > 0) this.cb_parent.SelectedIndex = 0;
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
                FrmAddDept frmAddDept = new FrmAddDept();
                frmAddDept.ShowDialog();
            }
            catch (Exception ex)
            {
                MessageBox.Show(ex.Message);
            }
            LoadPage();
        }

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
                FrmEditDept frmEditDept = new FrmEditDept(Convert.ToInt32(row.Cells[0].Value), this);
                frmEditDept.ShowDialog();
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
                if (!BLL.bllDept.DelDept(keys))
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
                DataTable table = ReadAll(BLL.bllDept.GetDept, strWhere);
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
                printTable = ReadAll(BLL.bllDept.GetDept, strWhere);
            }
            catch (Exception ex)
            {
                MessageBox.Show("查询部门失败: " + ex.Message);
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
                g.DrawString("部门信息    " + DateTime.Now.ToString("yyyy-MM-dd"), titleFont, Brushes.Black, area.Left, y);
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
            LoadDetail_Dept_parent(key);
            LoadDetail_Employee_dept(key);
        }

        private void dgvList_SelectionChanged(object sender, EventArgs e)
        {
            LoadDetails();
        }

        private void LoadDetail_Dept_parent(object key)
        {
            if (key == null)
            {
                this.dgv_Dept_parent.DataSource = null;
                return;
            }
            try
            {
                this.dgv_Dept_parent.DataSource = ReadAll(BLL.bllDept.GetDept, );
            }
            catch (Exception ex)
            {
                this.dgv_Dept_parent.DataSource = null;
                MessageBox.Show("查询部门失败: " + ex.Message);
            }
        }

        /*修改明细记录，关闭后刷新*/
        private void dgv_Dept_parent_CellDoubleClick(object sender, DataGridViewCellEventArgs e)
        {
            if (e.RowIndex < 0) return;
            DataGridViewRow row = this.dgv_Dept_parent.Rows[e.RowIndex];
            if (row.Cells.Count == 0 || row.Cells[0].Value == null || row.Cells[0].Value is DBNull) return;
            try
            {
                FrmEditDept frmEditDept = new FrmEditDept(Convert.ToInt32(row.Cells[0].Value), null);
                frmEditDept.ShowDialog();
            }
            catch (Exception ex)
            {
                MessageBox.Show(ex.Message);
            }
            LoadDetails();
        }

        /*添加明细记录，关闭后刷新*/
        private void btnAdd_Dept_parent_Click(object sender, EventArgs e)
        {
            try
            {
                FrmAddDept frmAddDept = new FrmAddDept();
                frmAddDept.ShowDialog();
            }
            catch (Exception ex)
            {
                MessageBox.Show(ex.Message);
            }
            LoadDetails();
        }

        private void LoadDetail_Employee_dept(object key)
        {
            if (key == null)
            {
                this.dgv_Employee_dept.DataSource = null;
                return;
            }
            try
            {
                this.dgv_Employee_dept.DataSource = ReadAll(BLL.bllEmployee.GetEmployee, "Employee.dept=" + Convert.ToInt32(key).ToString(CultureInfo.InvariantCulture));
            }
            catch (Exception ex)
            {
                this.dgv_Employee_dept.DataSource = null;
                MessageBox.Show("查询员工失败: " + ex.Message);
            }
        }

        /*修改明细记录，关闭后刷新*/
        private void dgv_Employee_dept_CellDoubleClick(object sender, DataGridViewCellEventArgs e)
        {
            if (e.RowIndex < 0) return;
            DataGridViewRow row = this.dgv_Employee_dept.Rows[e.RowIndex];
            if (row.Cells.Count == 0 || row.Cells[0].Value == null || row.Cells[0].Value is DBNull) return;
            try
            {
                FrmEditEmployee frmEditEmployee = new FrmEditEmployee(Convert.ToString(row.Cells[0].Value), null);
                frmEditEmployee.ShowDialog();
            }
            catch (Exception ex)
            {
                MessageBox.Show(ex.Message);
            }
            LoadDetails();
        }

        /*添加明细记录，关闭后刷新*/
        private void btnAdd_Employee_dept_Click(object sender, EventArgs e)
        {
            try
            {
                FrmAddEmployee frmAddEmployee = new FrmAddEmployee();
                frmAddEmployee.ShowDialog();
            }
            catch (Exception ex)
            {
                MessageBox.Show(ex.Message);
            }
            LoadDetails();
        }
    }
}
