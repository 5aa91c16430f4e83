using System;
using System.Collections.Generic;
using System.ComponentModel;
using System.Data;
using System.Drawing;
using System.Linq;
using System.Text;
using System.Windows.Forms;

using System.IO;
using Model;

namespace LoginFrame
{
    public partial class FrmEditDept : Form
    {
        public FrmEditDept(int deptId,FrmQueryDept frmQueryDept)
        {
            InitializeComponent();
            this.deptId = deptId;
            this.frmQueryDept = frmQueryDept;
        }
        private Dept dept;
        private int deptId;
        private FrmQueryDept frmQueryDept;
        private void Btn_Update_Click(object sender, EventArgs e)
        { 
            if (this.txt_deptName.Text == "")
            {
                MessageBox.Show("部门名称输入不能为空!");
                this.txt_deptName.Focus();
                return;
            }
            dept.deptName = this.txt_deptName.Text; //部门名称
            if (BLL.bllDept.Exists_deptName(dept.deptName, dept.deptId))
            {
                MessageBox.Show("部门名称已存在!");
                this.txt_deptName.Focus();
                return;
            }
            dept.parent = this.cb_parent.SelectedValue == null || this.cb_parent.SelectedValue is DBNull ? (int?)null : Convert.ToInt32(this.cb_parent.SelectedValue); //上级部门
            try
            {
                if (BLL.bllDept.EditDept(dept))
                    MessageBox.Show("部门更新成功!");
                else
                    MessageBox.Show("部门更新失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("部门更新失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmEditDept_Load(object sender, EventArgs e)
        {
            dept = BLL.bllDept.getSomeDept(deptId);
            //查询所有的部门
            DataSet deptDs = BLL.bllDept.getAllDept();
            deptDs.Tables[0].Rows.InsertAt(deptDs.Tables[0].NewRow(), 0);
            this.cb_parent.DataSource = deptDs.Tables[0];
            this.cb_parent.DisplayMember = "deptName";
            this.cb_parent.ValueMember = "deptId";
            if (dept.parent != null)
                this.cb_parent.SelectedValue = dept.parent.ToString();
            this.txt_deptId.ReadOnly = true;
            this.txt_deptId.Text = dept.deptId.ToString();
            this.txt_deptName.Text = dept.deptName;
        }
    }
}
