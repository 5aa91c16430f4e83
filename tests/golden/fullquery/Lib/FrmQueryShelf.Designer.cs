namespace LoginFrame
{
    partial class FrmQueryShelf
    {
        /// <summary>
        /// Required designer variable.
        /// </summary>
        private System.ComponentModel.IContainer components = null;

        /// <summary>
        /// Clean up any resources being used.
        /// </summary>
        /// <param name="disposing">true if managed resources should be disposed; otherwise, false.</param>
        protected override void Dispose(bool disposing)
        {
            if (disposing && (components != null))
            {
                components.Dispose();
            }
            base.Dispose(disposing);
        }

        #region Windows Form Designer generated code

        /// <summary>
        /// Required method for Designer support - do not modify
        /// the contents of this method with the code editor.
        /// </summary>
        private void InitializeComponent()
        {
            System.ComponentModel.ComponentResourceManager resources = new System.ComponentModel.ComponentResourceManager(typeof(FrmQueryShelf));
            this.btnQuery = new System.Windows.Forms.Button();
            this.btnReset = new System.Windows.Forms.Button();
            this.btnAdd = new System.Windows.Forms.Button();
            this.btnEdit = new System.Windows.Forms.Button();
            this.btnDel = new System.Windows.Forms.Button();
            this.btnExport = new System.Windows.Forms.Button();
            this.btnPrint = new System.Windows.Forms.Button();
            this.dgvList = new System.Windows.Forms.DataGridView();
            this.btnFirst = new System.Windows.Forms.Button();
            this.btnPrev = new System.Windows.Forms.Button();
            this.btnNext = new System.Windows.Forms.Button();
            this.btnLast = new System.Windows.Forms.Button();
            this.lblPager = new System.Windows.Forms.Label();
            this.tabDetails = new System.Windows.Forms.TabControl();
            this.tab_Loan_shelf = new System.Windows.Forms.TabPage();
            this.btnAdd_Loan_shelf = new System.Windows.Forms.Button();
            this.dgv_Loan_shelf = new System.Windows.Forms.DataGridView();
            this.tab_Move_fromShelf = new System.Windows.Forms.TabPage();
            this.btnAdd_Move_fromShelf = new System.Windows.Forms.Button();
            this.dgv_Move_fromShelf = new System.Windows.Forms.DataGridView();
            this.tab_Move_toShelf = new System.Windows.Forms.TabPage();
            this.btnAdd_Move_toShelf = new System.Windows.Forms.Button();
            this.dgv_Move_toShelf = new System.Windows.Forms.DataGridView();
            this.printDocument = new System.Drawing.Printing.PrintDocument();
            this.printPreviewDialog = new System.Windows.Forms.PrintPreviewDialog();
            this.tabDetails.SuspendLayout();
            this.tab_Loan_shelf.SuspendLayout();
            this.tab_Move_fromShelf.SuspendLayout();
            this.tab_Move_toShelf.SuspendLayout();
            ((System.ComponentModel.ISupportInitialize)(this.dgvList)).BeginInit();
            ((System.ComponentModel.ISupportInitialize)(this.dgv_Loan_shelf)).BeginInit();
            ((System.ComponentModel.ISupportInitialize)(this.dgv_Move_fromShelf)).BeginInit();
            ((System.ComponentModel.ISupportInitialize)(this.dgv_Move_toShelf)).BeginInit();
            this.SuspendLayout();
            // 
            // btnQuery
            // 
            this.btnQuery.Location = new System.Drawing.Point(12, 12);
            this.btnQuery.Name = "btnQuery";
            this.btnQuery.Size = new System.Drawing.Size(75, 23);
            this.btnQuery.TabIndex = 0;
            this.btnQuery.Text = "查询";
            this.btnQuery.UseVisualStyleBackColor = true;
            this.btnQuery.Click += new System.EventHandler(this.btnQuery_Click);
            // 
            // btnReset
            // 
            this.btnReset.Location = new System.Drawing.Point(93, 12);
            this.btnReset.Name = "btnReset";
            this.btnReset.Size = new System.Drawing.Size(75, 23);
            this.btnReset.TabIndex = 1;
            this.btnReset.Text = "重置";
            this.btnReset.UseVisualStyleBackColor = true;
            this.btnReset.Click += new System.EventHandler(this.btnReset_Click);
            // 
            // btnAdd
            // 
            this.btnAdd.Location = new System.Drawing.Point(199, 12);
            this.btnAdd.Name = "btnAdd";
            this.btnAdd.Size = new System.Drawing.Size(75, 23);
            this.btnAdd.TabIndex = 2;
            this.btnAdd.Text = "添加";
            this.btnAdd.UseVisualStyleBackColor = true;
            this.btnAdd.Click += new System.EventHandler(this.btnAdd_Click);
            // 
            // btnEdit
            // 
            this.btnEdit.Location = new System.Drawing.Point(280, 12);
            this.btnEdit.Name = "btnEdit";
            this.btnEdit.Size = new System.Drawing.Size(75, 23);
            this.btnEdit.TabIndex = 3;
            this.btnEdit.Text = "修改";
            this.btnEdit.UseVisualStyleBackColor = true;
            this.btnEdit.Click += new System.EventHandler(this.btnEdit_Click);
            // 
            // btnDel
            // 
            this.btnDel.Location = new System.Drawing.Point(361, 12);
            this.btnDel.Name = "btnDel";
            this.btnDel.Size = new System.Drawing.Size(75, 23);
            this.btnDel.TabIndex = 4;
            this.btnDel.Text = "删除";
            this.btnDel.UseVisualStyleBackColor = true;
            this.btnDel.Click += new System.EventHandler(this.btnDel_Click);
            // 
            // btnExport
            // 
            this.btnExport.Location = new System.Drawing.Point(467, 12);
            this.btnExport.Name = "btnExport";
            this.btnExport.Size = new System.Drawing.Size(75, 23);
            this.btnExport.TabIndex = 5;
            this.btnExport.Text = "导出";
            this.btnExport.UseVisualStyleBackColor = true;
            this.btnExport.Click += new System.EventHandler(this.btnExport_Click);
            // 
            // btnPrint
            // 
            this.btnPrint.Location = new System.Drawing.Point(548, 12);
            this.btnPrint.Name = "btnPrint";
            this.btnPrint.Size = new System.Drawing.Size(75, 23);
            this.btnPrint.TabIndex = 6;
            this.btnPrint.Text = "打印";
            this.btnPrint.UseVisualStyleBackColor = true;
            this.btnPrint.Click += new System.EventHandler(this.btnPrint_Click);
            // 
            // dgvList
            // 
            this.dgvList.AllowUserToAddRows = false;
            this.dgvList.AllowUserToDeleteRows = false;
            this.dgvList.Anchor = ((System.Windows.Forms.AnchorStyles)((((System.Windows.Forms.AnchorStyles.Top | System.Windows.Forms.AnchorStyles.Bottom) | System.Windows.Forms.AnchorStyles.Left) | System.Windows.Forms.AnchorStyles.Right)));
            this.dgvList.AutoSizeColumnsMode = System.Windows.Forms.DataGridViewAutoSizeColumnsMode.Fill;
            this.dgvList.ColumnHeadersHeightSizeMode = System.Windows.Forms.DataGridViewColumnHeadersHeightSizeMode.AutoSize;
            this.dgvList.Location = new System.Drawing.Point(12, 45);
            this.dgvList.MultiSelect = true;
            this.dgvList.Name = "dgvList";
            this.dgvList.ReadOnly = true;
            this.dgvList.RowTemplate.Height = 23;
            this.dgvList.SelectionMode = System.Windows.Forms.DataGridViewSelectionMode.FullRowSelect;
            this.dgvList.Size = new System.Drawing.Size(734, 414);
            this.dgvList.TabIndex = 7;
            this.dgvList.CellDoubleClick += new System.Windows.Forms.DataGridViewCellEventHandler(this.dgvList_CellDoubleClick);
            this.dgvList.DataError += new System.Windows.Forms.DataGridViewDataErrorEventHandler(this.dgvList_DataError);
            this.dgvList.SelectionChanged += new System.EventHandler(this.dgvList_SelectionChanged);
            // 
            // btnFirst
            // 
            this.btnFirst.Anchor = ((System.Windows.Forms.AnchorStyles)((System.Windows.Forms.AnchorStyles.Bottom | System.Windows.Forms.AnchorStyles.Left)));
            this.btnFirst.Location = new System.Drawing.Point(12, 468);
            this.btnFirst.Name = "btnFirst";
            this.btnFirst.Size = new System.Drawing.Size(75, 23);
            this.btnFirst.TabIndex = 8;
            this.btnFirst.Text = "首页";
            this.btnFirst.UseVisualStyleBackColor = true;
            this.btnFirst.Click += new System.EventHandler(this.btnFirst_Click);
            // 
            // btnPrev
            // 
            this.btnPrev.Anchor = ((System.Windows.Forms.AnchorStyles)((System.Windows.Forms.AnchorStyles.Bottom | System.Windows.Forms.AnchorStyles.Left)));
            this.btnPrev.Location = new System.Drawing.Point(93, 468);
            this.btnPrev.Name = "btnPrev";
            this.btnPrev.Size = new System.Drawing.Size(75, 23);
            this.btnPrev.TabIndex = 9;
            this.btnPrev.Text = "上一页";
            this.btnPrev.UseVisualStyleBackColor = true;
            this.btnPrev.Click += new System.EventHandler(this.btnPrev_Click);
            // 
            // btnNext
            // 
            this.btnNext.Anchor = ((System.Windows.Forms.AnchorStyles)((System.Windows.Forms.AnchorStyles.Bottom | System.Windows.Forms.AnchorStyles.Left)));
            this.btnNext.Location = new System.Drawing.Point(174, 468);
            this.btnNext.Name = "btnNext";
            this.btnNext.Size = new System.Drawing.Size(75, 23);
            this.btnNext.TabIndex = 10;
            this.btnNext.Text = "下一页";
            this.btnNext.UseVisualStyleBackColor = true;
            this.btnNext.Click += new System.EventHandler(this.btnNext_Click);
            // 
            // btnLast
            // 
            this.btnLast.Anchor = ((System.Windows.Forms.AnchorStyles)((System.Windows.Forms.AnchorStyles.Bottom | System.Windows.Forms.AnchorStyles.Left)));
            this.btnLast.Location = new System.Drawing.Point(255, 468);
            this.btnLast.Name = "btnLast";
            this.btnLast.Size = new System.Drawing.Size(75, 23);
            this.btnLast.TabIndex = 11;
            this.btnLast.Text = "末页";
            this.btnLast.UseVisualStyleBackColor = true;
            this.btnLast.Click += new System.EventHandler(this.btnLast_Click);
            // 
            // lblPager
            // 
            this.lblPager.Anchor = ((System.Windows.Forms.AnchorStyles)((System.Windows.Forms.AnchorStyles.Bottom | System.Windows.Forms.AnchorStyles.Left)));
            this.lblPager.AutoSize = true;
            this.lblPager.Location = new System.Drawing.Point(345, 473);
            this.lblPager.Name = "lblPager";
            this.lblPager.Size = new System.Drawing.Size(120, 12);
            this.lblPager.TabIndex = 12;
            this.lblPager.Text = "";
            // 
            // tabDetails
            // 
            this.tabDetails.Anchor = ((System.Windows.Forms.AnchorStyles)(((System.Windows.Forms.AnchorStyles.Bottom | System.Windows.Forms.AnchorStyles.Left) | System.Windows.Forms.AnchorStyles.Right)));
            this.tabDetails.Controls.Add(this.tab_Loan_shelf);
            this.tabDetails.Controls.Add(this.tab_Move_fromShelf);
            this.tabDetails.Controls.Add(this.tab_Move_toShelf);
            this.tabDetails.Location = new System.Drawing.Point(12, 500);
            this.tabDetails.Name = "tabDetails";
            this.tabDetails.SelectedIndex = 0;
            this.tabDetails.Size = new System.Drawing.Size(734, 220);
            this.tabDetails.TabIndex = 13;
            // 
            // tab_Loan_shelf
            // 
            this.tab_Loan_shelf.Controls.Add(this.btnAdd_Loan_shelf);
            this.tab_Loan_shelf.Controls.Add(this.dgv_Loan_shelf);
            this.tab_Loan_shelf.Location = new System.Drawing.Point(4, 22);
            this.tab_Loan_shelf.Name = "tab_Loan_shelf";
            this.tab_Loan_shelf.Padding = new System.Windows.Forms.Padding(3);
            this.tab_Loan_shelf.Size = new System.Drawing.Size(726, 194);
            this.tab_Loan_shelf.TabIndex = 0;
            this.tab_Loan_shelf.Text = "借阅";
            this.tab_Loan_shelf.UseVisualStyleBackColor = true;
            // 
            // btnAdd_Loan_shelf
            // 
            this.btnAdd_Loan_shelf.Location = new System.Drawing.Point(6, 6);
            this.btnAdd_Loan_shelf.Name = "btnAdd_Loan_shelf";
            this.btnAdd_Loan_shelf.Size = new System.Drawing.Size(75, 23);
            this.btnAdd_Loan_shelf.TabIndex = 0;
            this.btnAdd_Loan_shelf.Text = "添加";
            this.btnAdd_Loan_shelf.UseVisualStyleBackColor = true;
            this.btnAdd_Loan_shelf.Click += new System.EventHandler(this.btnAdd_Loan_shelf_Click);
            // 
            // dgv_Loan_shelf
            // 
            this.dgv_Loan_shelf.AllowUserToAddRows = false;
            this.dgv_Loan_shelf.AllowUserToDeleteRows = false;
            this.dgv_Loan_shelf.Anchor = ((System.Windows.Forms.AnchorStyles)((((System.Windows.Forms.AnchorStyles.Top | System.Windows.Forms.AnchorStyles.Bottom) | System.Windows.Forms.AnchorStyles.Left) | System.Windows.Forms.AnchorStyles.Right)));
            this.dgv_Loan_shelf.AutoSizeColumnsMode = System.Windows.Forms.DataGridViewAutoSizeColumnsMode.Fill;
            this.dgv_Loan_shelf.ColumnHeadersHeightSizeMode = System.Windows.Forms.DataGridViewColumnHeadersHeightSizeMode.AutoSize;
            this.dgv_Loan_shelf.Location = new System.Drawing.Point(6, 35);
            this.dgv_Loan_shelf.MultiSelect = false;
            this.dgv_Loan_shelf.Name = "dgv_Loan_shelf";
            this.dgv_Loan_shelf.ReadOnly = true;
            this.dgv_Loan_shelf.RowTemplate.Height = 23;
            this.dgv_Loan_shelf.SelectionMode = System.Windows.Forms.DataGridViewSelectionMode.FullRowSelect;
            this.dgv_Loan_shelf.Size = new System.Drawing.Size(714, 153);
            this.dgv_Loan_shelf.TabIndex = 1;
            this.dgv_Loan_shelf.CellDoubleClick += new System.Windows.Forms.DataGridViewCellEventHandler(this.dgv_Loan_shelf_CellDoubleClick);
            this.dgv_Loan_shelf.DataError += new System.Windows.Forms.DataGridViewDataErrorEventHandler(this.dgvList_DataError);
            // 
            // tab_Move_fromShelf
            // 
            this.tab_Move_fromShelf.Controls.Add(this.btnAdd_Move_fromShelf);
            this.tab_Move_fromShelf.Controls.Add(this.dgv_Move_fromShelf);
            this.tab_Move_fromShelf.Location = new System.Drawing.Point(4, 22);
            this.tab_Move_fromShelf.Name = "tab_Move_fromShelf";
            this.tab_Move_fromShelf.Padding = new System.Windows.Forms.Padding(3);
            this.tab_Move_fromShelf.Size = new System.Drawing.Size(726, 194);
            this.tab_Move_fromShelf.TabIndex = 1;
            this.tab_Move_fromShelf.Text = "调架(原书架)";
            this.tab_Move_fromShelf.UseVisualStyleBackColor = true;
            // 
            // btnAdd_Move_fromShelf
            // 
            this.btnAdd_Move_fromShelf.Location = new System.Drawing.Point(6, 6);
            this.btnAdd_Move_fromShelf.Name = "btnAdd_Move_fromShelf";
            this.btnAdd_Move_fromShelf.Size = new System.Drawing.Size(75, 23);
            this.btnAdd_Move_fromShelf.TabIndex = 0;
            this.btnAdd_Move_fromShelf.Text = "添加";
            this.btnAdd_Move_fromShelf.UseVisualStyleBackColor = true;
            this.btnAdd_Move_fromShelf.Click += new System.EventHandler(this.btnAdd_Move_fromShelf_Click);
            // 
            // dgv_Move_fromShelf
            // 
            this.dgv_Move_fromShelf.AllowUserToAddRows = false;
            this.dgv_Move_fromShelf.AllowUserToDeleteRows = false;
            this.dgv_Move_fromShelf.Anchor = ((System.Windows.Forms.AnchorStyles)((((System.Windows.Forms.AnchorStyles.Top | System.Windows.Forms.AnchorStyles.Bottom) | System.Windows.Forms.AnchorStyles.Left) | System.Windows.Forms.AnchorStyles.Right)));
            this.dgv_Move_fromShelf.AutoSizeColumnsMode = System.Windows.Forms.DataGridViewAutoSizeColumnsMode.Fill;
            this.dgv_Move_fromShelf.ColumnHeadersHeightSizeMode = System.Windows.Forms.DataGridViewColumnHeadersHeightSizeMode.AutoSize;
            this.dgv_Move_fromShelf.Location = new System.Drawing.Point(6, 35);
            this.dgv_Move_fromShelf.MultiSelect = false;
            this.dgv_Move_fromShelf.Name = "dgv_Move_fromShelf";
            this.dgv_Move_fromShelf.ReadOnly = true;
            this.dgv_Move_fromShelf.RowTemplate.Height = 23;
            this.dgv_Move_fromShelf.SelectionMode = System.Windows.Forms.DataGridViewSelectionMode.FullRowSelect;
            this.dgv_Move_fromShelf.Size = new System.Drawing.Size(714, 153);
            this.dgv_Move_fromShelf.TabIndex = 1;
            this.dgv_Move_fromShelf.CellDoubleClick += new System.Windows.Forms.DataGridViewCellEventHandler(this.dgv_Move_fromShelf_CellDoubleClick);
            this.dgv_Move_fromShelf.DataError += new System.Windows.Forms.DataGridViewDataErrorEventHandler(this.dgvList_DataError);
            // 
            // tab_Move_toShelf
            // 
            this.tab_Move_toShelf.Controls.Add(this.btnAdd_Move_toShelf);
            this.tab_Move_toShelf.Controls.Add(this.dgv_Move_toShelf);
            this.tab_Move_toShelf.Location = new System.Drawing.Point(4, 22);
            this.tab_Move_toShelf.Name = "tab_Move_toShelf";
            this.tab_Move_toShelf.Padding = new System.Windows.Forms.Padding(3);
            this.tab_Move_toShelf.Size = new System.Drawing.Size(726, 194);
            this.tab_Move_toShelf.TabIndex = 2;
            this.tab_Move_toShelf.Text = "调架(新书架)";
            this.tab_Move_toShelf.UseVisualStyleBackColor = true;
            // 
            // btnAdd_Move_toShelf
            // 
            this.btnAdd_Move_toShelf.Location = new System.Drawing.Point(6, 6);
            this.btnAdd_Move_toShelf.Name = "btnAdd_Move_toShelf";
            this.btnAdd_Move_toShelf.Size = new System.Drawing.Size(75, 23);
            this.btnAdd_Move_toShelf.TabIndex = 0;
            this.btnAdd_Move_toShelf.Text = "添加";
            this.btnAdd_Move_toShelf.UseVisualStyleBackColor = true;
            this.btnAdd_Move_toShelf.Click += new System.EventHandler(this.btnAdd_Move_toShelf_Click);
            // 
            // dgv_Move_toShelf
            // 
            this.dgv_Move_toShelf.AllowUserToAddRows = false;
            this.dgv_Move_toShelf.AllowUserToDeleteRows = false;
            this.dgv_Move_toShelf.Anchor = ((System.Windows.Forms.AnchorStyles)((((System.Windows.Forms.AnchorStyles.Top | System.Windows.Forms.AnchorStyles.Bottom) | System.Windows.Forms.AnchorStyles.Left) | System.Windows.Forms.AnchorStyles.Right)));
            this.dgv_Move_toShelf.AutoSizeColumnsMode = System.Windows.Forms.DataGridViewAutoSizeColumnsMode.Fill;
            this.dgv_Move_toShelf.ColumnHeadersHeightSizeMode = System.Windows.Forms.DataGridViewColumnHeadersHeightSizeMode.AutoSize;
            this.dgv_Move_toShelf.Location = new System.Drawing.Point(6, 35);
            this.dgv_Move_toShelf.MultiSelect = false;
            this.dgv_Move_toShelf.Name = "dgv_Move_toShelf";
            this.dgv_Move_toShelf.ReadOnly = true;
            this.dgv_Move_toShelf.RowTemplate.Height = 23;
            this.dgv_Move_toShelf.SelectionMode = System.Windows.Forms.DataGridViewSelectionMode.FullRowSelect;
            this.dgv_Move_toShelf.Size = new System.Drawing.Size(714, 153);
            this.dgv_Move_toShelf.TabIndex = 1;
            this.dgv_Move_toShelf.CellDoubleClick += new System.Windows.Forms.DataGridViewCellEventHandler(this.dgv_Move_toShelf_CellDoubleClick);
            this.dgv_Move_toShelf.DataError += new System.Windows.Forms.DataGridViewDataErrorEventHandler(this.dgvList_DataError);
            // 
            // printDocument
            // 
            this.printDocument.DocumentName = "书架信息";
            this.printDocument.BeginPrint += new System.Drawing.Printing.PrintEventHandler(this.printDocument_BeginPrint);
            this.printDocument.PrintPage += new System.Drawing.Printing.PrintPageEventHandler(this.printDocument_PrintPage);
            // 
            // printPreviewDialog
            // 
            this.printPreviewDialog.ClientSize = new System.Drawing.Size(800, 600);
            this.printPreviewDialog.Document = this.printDocument;
            this.printPreviewDialog.Name = "printPreviewDialog";
            this.printPreviewDialog.Text = "书架信息打印预览";
            this.printPreviewDialog.Visible = false;
            // 
            // FrmQueryShelf
            // 
            this.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F);
            this.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font;
            this.ClientSize = new System.Drawing.Size(758, 732);
            this.Controls.Add(this.btnQuery);
            this.Controls.Add(this.btnReset);
            this.Controls.Add(this.btnAdd);
            this.Controls.Add(this.btnEdit);
            this.Controls.Add(this.btnDel);
            this.Controls.Add(this.btnExport);
            this.Controls.Add(this.btnPrint);
            this.Controls.Add(this.dgvList);
            this.Controls.Add(this.btnFirst);
            this.Controls.Add(this.btnPrev);
            this.Controls.Add(this.btnNext);
            this.Controls.Add(this.btnLast);
            this.Controls.Add(this.lblPager);
            this.Controls.Add(this.tabDetails);
            this.Icon = ((System.Drawing.Icon)(resources.GetObject("$this.Icon")));
            this.MinimizeBox = false;
            this.MinimumSize = new System.Drawing.Size(774, 771);
            this.Name = "FrmQueryShelf";
            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;
            this.Text = "书架信息查询";
            this.Load += new System.EventHandler(this.FrmQueryShelf_Load);
            ((System.ComponentModel.ISupportInitialize)(this.dgvList)).EndInit();
            ((System.ComponentModel.ISupportInitialize)(this.dgv_Loan_shelf)).EndInit();
            ((System.ComponentModel.ISupportInitialize)(this.dgv_Move_fromShelf)).EndInit();
            ((System.ComponentModel.ISupportInitialize)(this.dgv_Move_toShelf)).EndInit();
            this.tab_Loan_shelf.ResumeLayout(false);
            this.tab_Move_fromShelf.ResumeLayout(false);
            this.tab_Move_toShelf.ResumeLayout(false);
            this.tabDetails.ResumeLayout(false);
            this.ResumeLayout(false);
            this.PerformLayout();
        }
        #endregion

        private System.Windows.Forms.Button btnQuery;
        private System.Windows.Forms.Button btnReset;
        private System.Windows.Forms.Button btnAdd;
        private System.Windows.Forms.Button btnEdit;
        private System.Windows.Forms.Button btnDel;
        private System.Windows.Forms.Button btnExport;
        private System.Windows.Forms.Button btnPrint;
        private System.Windows.Forms.DataGridView dgvList;
        private System.Windows.Forms.Button btnFirst;
        private System.Windows.Forms.Button btnPrev;
        private System.Windows.Forms.Button btnNext;
        private System.Windows.Forms.Button btnLast;
        private System.Windows.Forms.Label lblPager;
        private System.Windows.Forms.TabControl tabDetails;
        private System.Windows.Forms.TabPage tab_Loan_shelf;
        private System.Windows.Forms.Button btnAdd_Loan_shelf;
        private System.Windows.Forms.DataGridView dgv_Loan_shelf;
        private System.Windows.Forms.TabPage tab_Move_fromShelf;
        private System.Windows.Forms.Button btnAdd_Move_fromShelf;
        private System.Windows.Forms.DataGridView dgv_Move_fromShelf;
        private System.Windows.Forms.TabPage tab_Move_toShelf;
        private System.Windows.Forms.Button btnAdd_Move_toShelf;
        private System.Windows.Forms.DataGridView dgv_Move_toShelf;
        private System.Drawing.Printing.PrintDocument printDocument;
        private System.Windows.Forms.PrintPreviewDialog printPreviewDialog;
    }
}
