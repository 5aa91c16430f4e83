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
                //查询所有的部门
                table = BLL.bllDept.getAllDept().Tables[0];
                table.Rows.InsertAt(table.NewRow(), 0);
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
                if (!BLL.bllDept.DelDept(string.Join(",", keys.ToArray())))
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
