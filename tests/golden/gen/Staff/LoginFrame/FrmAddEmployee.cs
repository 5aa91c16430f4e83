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
    public partial class FrmAddEmployee : Form
    {
        public FrmAddEmployee()
        {
            InitializeComponent();
        }

        private Employee employee = new Employee();
        private void Btn_Add_Click(object sender, EventArgs e)
        {
            if (this.txt_empNo.Text == "")
            {
                MessageBox.Show("工号输入不能为空!");
                this.txt_empNo.Focus();
                return;
            }
            employee.empNo = this.txt_empNo.Text;  //工号
            if (this.txt_name.Text == "")
            {
                MessageBox.Show("姓名输入不能为空!");
                this.txt_name.Focus();
                return;
            }
            employee.name = this.txt_name.Text; //姓名
            if (this.cb_gender.SelectedIndex < 0)
            {
                MessageBox.Show("性别输入不能为空!");
                this.cb_gender.Focus();
                return;
            }
            employee.gender = this.cb_gender.SelectedIndex < 0 ? "" : this.cb_gender.SelectedItem.ToString(); //性别
            employee.active = this.chk_active.Checked; //在职
            employee.retired = this.chk_retired.Checked; //退休
            try
            {
                employee.age = Convert.ToInt32(this.txt_age.Text);  //图书库存
            }
            catch
            {
                MessageBox.Show("年龄请输入正确的格式!");
                this.txt_age.SelectAll();
                this.txt_age.Focus();
                return;
            }
            if (employee.age < 16 || employee.age > 70)
            {
                MessageBox.Show("年龄应在 16 到 70 之间!");
                this.txt_age.Focus();
                return;
            }
            try
            {
                employee.salary = Convert.ToSingle(this.txt_salary.Text);  //图书价格
            }
            catch
            {
                MessageBox.Show("工资请输入正确的格式!");
                this.txt_salary.SelectAll();
                this.txt_salary.Focus();
                return;
            }
            if (employee.salary < 0)
            {
                MessageBox.Show("工资不能小于 0!");
                this.txt_salary.Focus();
                return;
            }
            try
            {
                employee.bonus = Convert.ToSingle(this.txt_bonus.Text);  //图书价格
            }
            catch
            {
                MessageBox.Show("奖金请输入正确的格式!");
                this.txt_bonus.SelectAll();
                this.txt_bonus.Focus();
                return;
            }
            if (employee.bonus > 99999.5)
            {
                MessageBox.Show("奖金不能大于 99999.5!");
                this.txt_bonus.Focus();
                return;
            }
            employee.status = this.cb_status.SelectedIndex < 0 ? "" : this.cb_status.SelectedItem.ToString();  //状态
            if (this.txt_idCard.Text == "")
            {
                MessageBox.Show("身份证号输入不能为空!");
                this.txt_idCard.Focus();
                return;
            }
            employee.idCard = this.txt_idCard.Text; //身份证号
            if (BLL.bllEmployee.Exists_idCard(employee.idCard, null))
            {
                MessageBox.Show("身份证号已存在!");
                this.txt_idCard.Focus();
                return;
            }
            employee.manager = this.cb_manager.SelectedValue == null || this.cb_manager.SelectedValue is DBNull ? null : this.cb_manager.SelectedValue.ToString(); //上级
            if (this.cb_dept.SelectedValue == null)
            {
                MessageBox.Show("部门输入不能为空!");
                this.cb_dept.Focus();
                return;
            }
            employee.dept = Int32.Parse(this.cb_dept.SelectedValue.ToString()); //部门
            try
            {
                if (BLL.bllEmployee.AddEmployee(employee))
                    MessageBox.Show("员工添加成功!");
                else
                    MessageBox.Show("员工添加失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("员工添加失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmAddEmployee_Load(object sender, EventArgs e)
        {
            //查询所有的员工
            DataSet employeeDs = BLL.bllEmployee.getAllEmployee();
            employeeDs.Tables[0].Rows.InsertAt(employeeDs.Tables[0].NewRow(), 0);
            this.cb_manager.DataSource = employeeDs.Tables[0];
            this.cb_manager.DisplayMember = "name";
            this.cb_manager.ValueMember = "empNo";
            //查询所有的部门
            DataSet deptDs = BLL.bllDept.getAllDept();
            this.cb_dept.DataSource = deptDs.Tables[0];
            this.cb_dept.DisplayMember = "deptName";
            this.cb_dept.ValueMember = "deptId";
            this.cb_gender.SelectedItem = "男";
            this.chk_active.Checked = true;
            this.txt_age.Text = "18";
        }
    }
}
