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
    public partial class FrmAddDept : Form
    {
        public FrmAddDept()
        {
            InitializeComponent();
        }

        private Dept dept = new Dept();
        private void Btn_Add_Click(object sender, EventArgs e)
        {
            if (this.txt_deptName.Text == "")
            {
                MessageBox.Show("部门名称输入不能为空!");
                this.txt_deptName.Focus();
                return;
            }
            dept.deptName = this.txt_deptName.Text; //部门名称
            if (BLL.bllDept.Exists_deptName(dept.deptName, null))
            {
                MessageBox.Show("部门名称已存在!");
                this.txt_deptName.Focus();
                return;
            }
            dept.parent = this.cb_parent.SelectedValue == null || this.cb_parent.SelectedValue is DBNull ? (int?)null : Convert.ToInt32(this.cb_parent.SelectedValue); //上级部门
            try
            {
                if (BLL.bllDept.AddDept(dept))
                    MessageBox.Show("部门添加成功!");
                else
                    MessageBox.Show("部门添加失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("部门添加失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmAddDept_Load(object sender, EventArgs e)
        {
            //查询所有的部门
            DataSet deptDs = BLL.bllDept.getAllDept();
            deptDs.Tables[0].Rows.InsertAt(deptDs.Tables[0].NewRow(), 0);
            this.cb_parent.DataSource = deptDs.Tables[0];
            this.cb_parent.DisplayMember = "deptName";
            this.cb_parent.ValueMember = "deptId";
        }
    }
}
