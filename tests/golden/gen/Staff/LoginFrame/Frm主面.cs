<cs>
        //添加部门
        private void DeptAdd_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmAddDept frmAddDept = new FrmAddDept();
            frmAddDept.ShowDialog();
        }
        //部门管理
        private void DeptManage_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmQueryDept frmQueryDept = new FrmQueryDept();
            frmQueryDept.ShowDialog();
        }

        //添加员工
        private void EmployeeAdd_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmAddEmployee frmAddEmployee = new FrmAddEmployee();
            frmAddEmployee.ShowDialog();
        }
        //员工管理
        private void EmployeeManage_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmQueryEmployee frmQueryEmployee = new FrmQueryEmployee();
            frmQueryEmployee.ShowDialog();
        }

</cs>
