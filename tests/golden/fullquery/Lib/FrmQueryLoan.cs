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
    public partial class FrmQueryLoan : Form
    {
        /*每页行数*/
        private const int PageSize = 20;
        /*当前页码、总页数、总记录数和当前的查询条件*/
        private int nowPage = 1;
        private int pageCount = 0;
        private int recordCount = 0;
        private string strWhere = "";

        public FrmQueryLoan()
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

        /*由查询条件拼出 strWhere；输入的格式不对时提示并返回 false*/
        private bool BuildWhere(out string where)
        {
            where = "";
            List<string> conditions = new List<string>();
            if (this.txt_reader.Text.Trim() != "")
                conditions.Add("Loan.reader like " + SqlContains(this.txt_reader.Text.Trim()));
            if (this.dtpFrom_lentOn.Checked)
                conditions.Add("Loan.lentOn>=" + SqlDate(this.dtpFrom_lentOn.Value.Date));
            if (this.dtpTo_lentOn.Checked)
                conditions.Add("Loan.lentOn<" + SqlDate(this.dtpTo_lentOn.Value.Date.AddDays(1)));
            if (this.cb_shelf.SelectedIndex > 0 && this.cb_shelf.SelectedValue != null)
                conditions.Add("Loan.shelf=" + SqlText(this.cb_shelf.SelectedValue.ToString()));
            where = string.Join(" and ", conditions.ToArray());
            return true;
        }

        /*按当前页码和查询条件取出一页记录*/
        private void LoadPage()
        {
            try
            {
                DataTable table = BLL.bllLoan.GetLoan(nowPage, PageSize, out pageCount, out recordCount, strWhere);
                if (pageCount > 0 && nowPage > pageCount)
                {
                    nowPage = pageCount;
                    table = BLL.bllLoan.GetLoan(nowPage, PageSize, out pageCount, out recordCount, strWhere);
                }
                this.dgvList.DataSource = table;
            }
            catch (Exception ex)
            {
                MessageBox.Show("查询借阅失败: " + ex.Message);
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

        private void FrmQueryLoan_Load(object sender, EventArgs e)
        {
            try
            {
                DataTable table;
                //查询所有的书架
                table = BLL.bllShelf.getAllShelf().Tables[0];
                table.Rows.InsertAt(table.NewRow(), 0);
                this.cb_shelf.DataSource = table;
                this.cb_shelf.DisplayMember = "shelfName";
                this.cb_shelf.ValueMember = "shelfCode";
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
            this.txt_reader.Text = "";
            this.dtpFrom_lentOn.Checked = false;
            this.dtpTo_lentOn.Checked = false;
            if (this.cb_shelf.Items.Count > 0) this.cb_shelf.SelectedIndex = 0;
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
                FrmAddLoan frmAddLoan = new FrmAddLoan();
                frmAddLoan.ShowDialog();
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
                FrmEditLoan frmEditLoan = new FrmEditLoan(Convert.ToString(row.Cells[0].Value), this);
                frmEditLoan.ShowDialog();
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
                if (!BLL.bllLoan.DelLoan(keys))
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
    }
}
