<1>
            this.toolStripMenuItem_8 = new System.Windows.Forms.ToolStripMenuItem();
            this.BookTypeAdd_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
            this.BookTypeManage_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
            this.toolStripMenuItem_9 = new System.Windows.Forms.ToolStripMenuItem();
            this.BookAdd_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
            this.BookManage_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
<2>
            this.toolStripMenuItem_8,
            this.toolStripMenuItem_9,
<3>
            //
            // toolStripMenuItem_8
            // 
            this.toolStripMenuItem_8.DropDownItems.AddRange(new System.Windows.Forms.ToolStripItem[] {
            this.BookTypeAdd_ToolStripMenuItem,
            this.BookTypeManage_ToolStripMenuItem});
            this.toolStripMenuItem_8.Name = "toolStripMenuItem8";
            this.toolStripMenuItem_8.Size = new System.Drawing.Size(108, 21);
            this.toolStripMenuItem_8.Text = "图书类型管理";
            // 
            // BookTypeAdd_ToolStripMenuItem
            // 
            this.BookTypeAdd_ToolStripMenuItem.Name = "BookTypeAdd_ToolStripMenuItem";
            this.BookTypeAdd_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.BookTypeAdd_ToolStripMenuItem.Text = "添加图书类型";
            this.BookTypeAdd_ToolStripMenuItem.Click += new System.EventHandler(this.BookTypeAdd_ToolStripMenuItem_Click);
            // 
            // BookTypeManage_ToolStripMenuItem
            // 
            this.BookTypeManage_ToolStripMenuItem.Name = "BookTypeManage_ToolStripMenuItem";
            this.BookTypeManage_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.BookTypeManage_ToolStripMenuItem.Text = "图书类型查询";
            this.BookTypeManage_ToolStripMenuItem.Click += new System.EventHandler(this.BookTypeManage_ToolStripMenuItem_Click);
            //
            // toolStripMenuItem_9
            // 
            this.toolStripMenuItem_9.DropDownItems.AddRange(new System.Windows.Forms.ToolStripItem[] {
            this.BookAdd_ToolStripMenuItem,
            this.BookManage_ToolStripMenuItem});
            this.toolStripMenuItem_9.Name = "toolStripMenuItem9";
            this.toolStripMenuItem_9.Size = new System.Drawing.Size(108, 21);
            this.toolStripMenuItem_9.Text = "图书管理";
            // 
            // BookAdd_ToolStripMenuItem
            // 
            this.BookAdd_ToolStripMenuItem.Name = "BookAdd_ToolStripMenuItem";
            this.BookAdd_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.BookAdd_ToolStripMenuItem.Text = "添加图书";
            this.BookAdd_ToolStripMenuItem.Click += new System.EventHandler(this.BookAdd_ToolStripMenuItem_Click);
            // 
            // BookManage_ToolStripMenuItem
            // 
            this.BookManage_ToolStripMenuItem.Name = "BookManage_ToolStripMenuItem";
            this.BookManage_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.BookManage_ToolStripMenuItem.Text = "图书查询";
            this.BookManage_ToolStripMenuItem.Click += new System.EventHandler(this.BookManage_ToolStripMenuItem_Click);
<4>
        private System.Windows.Forms.ToolStripMenuItem toolStripMenuItem_8;
        private System.Windows.Forms.ToolStripMenuItem BookTypeAdd_ToolStripMenuItem;
        private System.Windows.Forms.ToolStripMenuItem BookTypeManage_ToolStripMenuItem;
        private System.Windows.Forms.ToolStripMenuItem toolStripMenuItem_9;
        private System.Windows.Forms.ToolStripMenuItem BookAdd_ToolStripMenuItem;
        private System.Windows.Forms.ToolStripMenuItem BookManage_ToolStripMenuItem;
</4>
