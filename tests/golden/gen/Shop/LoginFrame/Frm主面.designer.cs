<1>
            this.toolStripMenuItem_8 = new System.Windows.Forms.ToolStripMenuItem();
            this.CategoryAdd_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
            this.CategoryManage_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
            this.toolStripMenuItem_9 = new System.Windows.Forms.ToolStripMenuItem();
            this.TagAdd_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
            this.TagManage_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
            this.toolStripMenuItem_10 = new System.Windows.Forms.ToolStripMenuItem();
            this.UnitAdd_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
            this.UnitManage_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
            this.toolStripMenuItem_11 = new System.Windows.Forms.ToolStripMenuItem();
            this.TransferAdd_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
            this.TransferManage_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
<2>
            this.toolStripMenuItem_8,
            this.toolStripMenuItem_9,
            this.toolStripMenuItem_10,
            this.toolStripMenuItem_11,
<3>
            //
            // toolStripMenuItem_8
            // 
            this.toolStripMenuItem_8.DropDownItems.AddRange(new System.Windows.Forms.ToolStripItem[] {
            this.CategoryAdd_ToolStripMenuItem,
            this.CategoryManage_ToolStripMenuItem});
            this.toolStripMenuItem_8.Name = "toolStripMenuItem8";
            this.toolStripMenuItem_8.Size = new System.Drawing.Size(108, 21);
            this.toolStripMenuItem_8.Text = "商品分类管理";
            // 
            // CategoryAdd_ToolStripMenuItem
            // 
            this.CategoryAdd_ToolStripMenuItem.Name = "CategoryAdd_ToolStripMenuItem";
            this.CategoryAdd_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.CategoryAdd_ToolStripMenuItem.Text = "添加商品分类";
            this.CategoryAdd_ToolStripMenuItem.Click += new System.EventHandler(this.CategoryAdd_ToolStripMenuItem_Click);
            // 
            // CategoryManage_ToolStripMenuItem
            // 
            this.CategoryManage_ToolStripMenuItem.Name = "CategoryManage_ToolStripMenuItem";
            this.CategoryManage_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.CategoryManage_ToolStripMenuItem.Text = "商品分类查询";
            this.CategoryManage_ToolStripMenuItem.Click += new System.EventHandler(this.CategoryManage_ToolStripMenuItem_Click);
            //
            // toolStripMenuItem_9
            // 
            this.toolStripMenuItem_9.DropDownItems.AddRange(new System.Windows.Forms.ToolStripItem[] {
            this.TagAdd_ToolStripMenuItem,
            this.TagManage_ToolStripMenuItem});
            this.toolStripMenuItem_9.Name = "toolStripMenuItem9";
            this.toolStripMenuItem_9.Size = new System.Drawing.Size(108, 21);
            this.toolStripMenuItem_9.Text = "标签管理";
            // 
            // TagAdd_ToolStripMenuItem
            // 
            this.TagAdd_ToolStripMenuItem.Name = "TagAdd_ToolStripMenuItem";
            this.TagAdd_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.TagAdd_ToolStripMenuItem.Text = "添加标签";
            this.TagAdd_ToolStripMenuItem.Click += new System.EventHandler(this.TagAdd_ToolStripMenuItem_Click);
            // 
            // TagManage_ToolStripMenuItem
            // 
            this.TagManage_ToolStripMenuItem.Name = "TagManage_ToolStripMenuItem";
            this.TagManage_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.TagManage_ToolStripMenuItem.Text = "标签查询";
            this.TagManage_ToolStripMenuItem.Click += new System.EventHandler(this.TagManage_ToolStripMenuItem_Click);
            //
            // toolStripMenuItem_10
            // 
            this.toolStripMenuItem_10.DropDownItems.AddRange(new System.Windows.Forms.ToolStripItem[] {
            this.UnitAdd_ToolStripMenuItem,
            this.UnitManage_ToolStripMenuItem});
            this.toolStripMenuItem_10.Name = "toolStripMenuItem10";
            this.toolStripMenuItem_10.Size = new System.Drawing.Size(108, 21);
            this.toolStripMenuItem_10.Text = "计量单位管理";
            // 
            // UnitAdd_ToolStripMenuItem
            // 
            this.UnitAdd_ToolStripMenuItem.Name = "UnitAdd_ToolStripMenuItem";
            this.UnitAdd_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.UnitAdd_ToolStripMenuItem.Text = "添加计量单位";
            this.UnitAdd_ToolStripMenuItem.Click += new System.EventHandler(this.UnitAdd_ToolStripMenuItem_Click);
            // 
            // UnitManage_ToolStripMenuItem
            // 
            this.UnitManage_ToolStripMenuItem.Name = "UnitManage_ToolStripMenuItem";
            this.UnitManage_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.UnitManage_ToolStripMenuItem.Text = "计量单位查询";
            this.UnitManage_ToolStripMenuItem.Click += new System.EventHandler(this.UnitManage_ToolStripMenuItem_Click);
            //
            // toolStripMenuItem_11
            // 
            this.toolStripMenuItem_11.DropDownItems.AddRange(new System.Windows.Forms.ToolStripItem[] {
            this.TransferAdd_ToolStripMenuItem,
            this.TransferManage_ToolStripMenuItem});
            this.toolStripMenuItem_11.Name = "toolStripMenuItem11";
            this.toolStripMenuItem_11.Size = new System.Drawing.Size(108, 21);
            this.toolStripMenuItem_11.Text = "调拨单管理";
            // 
            // TransferAdd_ToolStripMenuItem
            // 
            this.TransferAdd_ToolStripMenuItem.Name = "TransferAdd_ToolStripMenuItem";
            this.TransferAdd_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.TransferAdd_ToolStripMenuItem.Text = "添加调拨单";
            this.TransferAdd_ToolStripMenuItem.Click += new System.EventHandler(this.TransferAdd_ToolStripMenuItem_Click);
            // 
            // TransferManage_ToolStripMenuItem
            // 
            this.TransferManage_ToolStripMenuItem.Name = "TransferManage_ToolStripMenuItem";
            this.TransferManage_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.TransferManage_ToolStripMenuItem.Text = "调拨单查询";
            this.TransferManage_ToolStripMenuItem.Click += new System.EventHandler(this.TransferManage_ToolStripMenuItem_Click);
<4>
        private System.Windows.Forms.ToolStripMenuItem toolStripMenuItem_8;
        private System.Windows.Forms.ToolStripMenuItem CategoryAdd_ToolStripMenuItem;
        private System.Windows.Forms.ToolStripMenuItem CategoryManage_ToolStripMenuItem;
        private System.Windows.Forms.ToolStripMenuItem toolStripMenuItem_9;
        private System.Windows.Forms.ToolStripMenuItem TagAdd_ToolStripMenuItem;
        private System.Windows.Forms.ToolStripMenuItem TagManage_ToolStripMenuItem;
        private System.Windows.Forms.ToolStripMenuItem toolStripMenuItem_10;
        private System.Windows.Forms.ToolStripMenuItem UnitAdd_ToolStripMenuItem;
        private System.Windows.Forms.ToolStripMenuItem UnitManage_ToolStripMenuItem;
        private System.Windows.Forms.ToolStripMenuItem toolStripMenuItem_11;
        private System.Windows.Forms.ToolStripMenuItem TransferAdd_ToolStripMenuItem;
        private System.Windows.Forms.ToolStripMenuItem TransferManage_ToolStripMenuItem;
</4>
