<1>
            this.toolStripMenuItem_8 = new System.Windows.Forms.ToolStripMenuItem();
            this.DeptAdd_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
            this.DeptManage_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
            this.toolStripMenuItem_9 = new System.Windows.Forms.ToolStripMenuItem();
            this.EmployeeAdd_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
            this.EmployeeManage_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
<2>
            this.toolStripMenuItem_8,
            this.toolStripMenuItem_9,
<3>
            //
            // toolStripMenuItem_8
            // 
            this.toolStripMenuItem_8.DropDownItems.AddRange(new System.Windows.Forms.ToolStripItem[] {
            this.DeptAdd_ToolStripMenuItem,
            this.DeptManage_ToolStripMenuItem});
            this.toolStripMenuItem_8.Name = "toolStripMenuItem8";
            this.toolStripMenuItem_8.Size = new System.Drawing.Size(108, 21);
            this.toolStripMenuItem_8.Text = "部门管理";
            // 
            // DeptAdd_ToolStripMenuItem
            // 
            this.DeptAdd_ToolStripMenuItem.Name = "DeptAdd_ToolStripMenuItem";
            this.DeptAdd_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.DeptAdd_ToolStripMenuItem.Text = "添加部门";
            this.DeptAdd_ToolStripMenuItem.Click += new System.EventHandler(this.DeptAdd_ToolStripMenuItem_Click);
            // 
            // DeptManage_ToolStripMenuItem
            // 
            this.DeptManage_ToolStripMenuItem.Name = "DeptManage_ToolStripMenuItem";
            this.DeptManage_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.DeptManage_ToolStripMenuItem.Text = "部门查询";
            this.DeptManage_ToolStripMenuItem.Click += new System.EventHandler(this.DeptManage_ToolStripMenuItem_Click);
            //
            // toolStripMenuItem_9
            // 
            this.toolStripMenuItem_9.DropDownItems.AddRange(new System.Windows.Forms.ToolStripItem[] {
            this.EmployeeAdd_ToolStripMenuItem,
            this.EmployeeManage_ToolStripMenuItem});
            this.toolStripMenuItem_9.Name = "toolStripMenuItem9";
            this.toolStripMenuItem_9.Size = new System.Drawing.Size(108, 21);
            this.toolStripMenuItem_9.Text = "员工管理";
            // 
            // EmployeeAdd_ToolStripMenuItem
            // 
            this.EmployeeAdd_ToolStripMenuItem.Name = "EmployeeAdd_ToolStripMenuItem";
            this.EmployeeAdd_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.EmployeeAdd_ToolStripMenuItem.Text = "添加员工";
            this.EmployeeAdd_ToolStripMenuItem.Click += new System.EventHandler(this.EmployeeAdd_ToolStripMenuItem_Click);
            // 
            // EmployeeManage_ToolStripMenuItem
            // 
            this.EmployeeManage_ToolStripMenuItem.Name = "EmployeeManage_ToolStripMenuItem";
            this.EmployeeManage_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.EmployeeManage_ToolStripMenuItem.Text = "员工查询";
            this.EmployeeManage_ToolStripMenuItem.Click += new System.EventHandler(this.EmployeeManage_ToolStripMenuItem_Click);
<4>
        private System.Windows.Forms.ToolStripMenuItem toolStripMenuItem_8;
        private System.Windows.Forms.ToolStripMenuItem DeptAdd_ToolStripMenuItem;
        private System.Windows.Forms.ToolStripMenuItem DeptManage_ToolStripMenuItem;
        private System.Windows.Forms.ToolStripMenuItem toolStripMenuItem_9;
        private System.Windows.Forms.ToolStripMenuItem EmployeeAdd_ToolStripMenuItem;
        private System.Windows.Forms.ToolStripMenuItem EmployeeManage_ToolStripMenuItem;
</4>
