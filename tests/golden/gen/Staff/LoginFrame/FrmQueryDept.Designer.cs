namespace LoginFrame
{
    partial class FrmQueryDept
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
            System.ComponentModel.ComponentResourceManager resources = new System.ComponentModel.ComponentResourceManager(typeof(FrmQueryDept));
            this.lbl_deptName = new System.Windows.Forms.Label();
            this.txt_deptName = new System.Windows.Forms.TextBox();
            this.lbl_parent = new System.Windows.Forms.Label();
            this.cb_parent = new System.Windows.Forms.ComboBox();
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
            this.tab_Dept_parent = new System.Windows.Forms.TabPage();
            this.btnAdd_Dept_parent = new System.Windows.Forms.Button();
            this.dgv_Dept_parent = new System.Windows.Forms.DataGridView();
            this.tab_Employee_dept = new System.Windows.Forms.TabPage();
            this.btnAdd_Employee_dept = new System.Windows.Forms.Button();
            this.dgv_Employee_dept = new System.Windows.Forms.DataGridView();
            this.printDocument = new System.Drawing.Printing.PrintDocument();
            this.printPreviewDialog = new System.Windows.Forms.PrintPreviewDialog();
            this.tabDetails.SuspendLayout();
            this.tab_Dept_parent.SuspendLayout();
            this.tab_Employee_dept.SuspendLayout();
            ((System.ComponentModel.ISupportInitialize)(this.dgvList)).BeginInit();
            ((System.ComponentModel.ISupportInitialize)(this.dgv_Dept_parent)).BeginInit();
            ((System.ComponentModel.ISupportInitialize)(this.dgv_Employee_dept)).BeginInit();
            this.SuspendLayout();
            // 
            // lbl_deptName
            // 
            this.lbl_deptName.Location = new System.Drawing.Point(12, 12);
            this.lbl_deptName.Name = "lbl_deptName";
            this.lbl_deptName.Size = new System.Drawing.Size(80, 21);
            this.lbl_deptName.TabIndex = 0;
            this.lbl_deptName.Text = "部门名称：";
            this.lbl_deptName.TextAlign = System.Drawing.ContentAlignment.MiddleRight;
            // 
            // txt_deptName
            // 
            this.txt_deptName.Location = new System.Drawing.Point(97, 12);
            this.txt_deptName.Name = "txt_deptName";
            this.txt_deptName.Size = new System.Drawing.Size(150, 21);
            this.txt_deptName.TabIndex = 1;
            // 
            // lbl_parent
            // 
            this.lbl_parent.Location = new System.Drawing.Point(257, 12);
            this.lbl_parent.Name = "lbl_parent";
            this.lbl_parent.Size = new System.Drawing.Size(80, 21);
            this.lbl_parent.TabIndex = 2;
            this.lbl_parent.Text = "上级部门：";
            this.lbl_parent.TextAlign = System.Drawing.ContentAlignment.MiddleRight;
            // 
            // cb_parent
            // 
            this.cb_parent.DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList;
            this.cb_parent.FormattingEnabled = true;
            this.cb_parent.Location = new System.Drawing.Point(342, 12);
            this.cb_parent.Name = "cb_parent";
            this.cb_parent.Size = new System.Drawing.Size(150, 20);
            this.cb_parent.TabIndex = 3;
            // 
            // btnQuery
            // 
            this.btnQuery.Location = new System.Drawing.Point(12, 42);
            this.btnQuery.Name = "btnQuery";
            this.btnQuery.Size = new System.Drawing.Size(75, 23);
            this.btnQuery.TabIndex = 4;
            this.btnQuery.Text = "查询";
            this.btnQuery.UseVisualStyleBackColor = true;
            this.btnQuery.Click += new System.EventHandler(this.btnQuery_Click);
            // 
            // btnReset
            // 
            this.btnReset.Location = new System.Drawing.Point(93, 42);
            this.btnReset.Name = "btnReset";
            this.btnReset.Size = new System.Drawing.Size(75, 23);
            this.btnReset.TabIndex = 5;
            this.btnReset.Text = "重置";
            this.btnReset.UseVisualStyleBackColor = true;
            this.btnReset.Click += new System.EventHandler(this.btnReset_Click);
            // 
            // btnAdd
            // 
            this.btnAdd.Location = new System.Drawing.Point(199, 42);
            this.btnAdd.Name = "btnAdd";
            this.btnAdd.Size = new System.Drawing.Size(75, 23);
            this.btnAdd.TabIndex = 6;
            this.btnAdd.Text = "添加";
            this.btnAdd.UseVisualStyleBackColor = true;
            this.btnAdd.Click += new System.EventHandler(this.btnAdd_Click);
            // 
            // btnEdit
            // 
            this.btnEdit.Location = new System.Drawing.Point(280, 42);
            this.btnEdit.Name = "btnEdit";
            this.btnEdit.Size = new System.Drawing.Size(75, 23);
            this.btnEdit.TabIndex = 7;
            this.btnEdit.Text = "修改";
            this.btnEdit.UseVisualStyleBackColor = true;
            this.btnEdit.Click += new System.EventHandler(this.btnEdit_Click);
            // 
            // btnDel
            // 
            this.btnDel.Location = new System.Drawing.Point(361, 42);
            this.btnDel.Name = "btnDel";
            this.btnDel.Size = new System.Drawing.Size(75, 23);
            this.btnDel.TabIndex = 8;
            this.btnDel.Text = "删除";
            this.btnDel.UseVisualStyleBackColor = true;
            this.btnDel.Click += new System.EventHandler(this.btnDel_Click);
            // 
            // btnExport
            // 
            this.btnExport.Location = new System.Drawing.Point(467, 42);
            this.btnExport.Name = "btnExport";
            this.btnExport.Size = new System.Drawing.Size(75, 23);
            this.btnExport.TabIndex = 9;
            this.btnExport.Text = "导出";
            this.btnExport.UseVisualStyleBackColor = true;
            this.btnExport.Click += new System.EventHandler(this.btnExport_Click);
            // 
            // btnPrint
            // 
            this.btnPrint.Location = new System.Drawing.Point(548, 42);
            this.btnPrint.Name = "btnPrint";
            this.btnPrint.Size = new System.Drawing.Size(75, 23);
            this.btnPrint.TabIndex = 10;
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
            this.dgvList.Location = new System.Drawing.Point(12, 75);
            this.dgvList.MultiSelect = true;
            this.dgvList.Name = "dgvList";
            this.dgvList.ReadOnly = true;
            this.dgvList.RowTemplate.Height = 23;
            this.dgvList.SelectionMode = System.Windows.Forms.DataGridViewSelectionMode.FullRowSelect;
            this.dgvList.Size = new System.Drawing.Size(734, 384);
            this.dgvList.TabIndex = 11;
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
            this.btnFirst.TabIndex = 12;
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
            this.btnPrev.TabIndex = 13;
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
            this.btnNext.TabIndex = 14;
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
            this.btnLast.TabIndex = 15;
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
            this.lblPager.TabIndex = 16;
            this.lblPager.Text = "";
            // 
            // tabDetails
            // 
            this.tabDetails.Anchor = ((System.Windows.Forms.AnchorStyles)(((System.Windows.Forms.AnchorStyles.Bottom | System.Windows.Forms.AnchorStyles.Left) | System.Windows.Forms.AnchorStyles.Right)));
            this.tabDetails.Controls.Add(this.tab_Dept_parent);
            this.tabDetails.Controls.Add(this.tab_Employee_dept);
            this.tabDetails.Location = new System.Drawing.Point(12, 500);
            this.tabDetails.Name = "tabDetails";
            this.tabDetails.SelectedIndex = 0;
            this.tabDetails.Size = new System.Drawing.Size(734, 220);
            this.tabDetails.TabIndex = 17;
            // 
            // tab_Dept_parent
            // 
            this.tab_Dept_parent.Controls.Add(this.btnAdd_Dept_parent);
            this.tab_Dept_parent.Controls.Add(this.dgv_Dept_parent);
            this.tab_Dept_parent.Location = new System.Drawing.Point(4, 22);
            this.tab_Dept_parent.Name = "tab_Dept_parent";
            this.tab_Dept_parent.Padding = new System.Windows.Forms.Padding(3);
            this.tab_Dept_parent.Size = new System.Drawing.Size(726, 194);
            this.tab_Dept_parent.TabIndex = 0;
            this.tab_Dept_parent.Text = "部门";
            this.tab_Dept_parent.UseVisualStyleBackColor = true;
            // 
            // btnAdd_Dept_parent
            // 
            this.btnAdd_Dept_parent.Location = new System.Drawing.Point(6, 6);
            this.btnAdd_Dept_parent.Name = "btnAdd_Dept_parent";
            this.btnAdd_Dept_parent.Size = new System.Drawing.Size(75, 23);
            this.btnAdd_Dept_parent.TabIndex = 0;
            this.btnAdd_Dept_parent.Text = "添加";
            this.btnAdd_Dept_parent.UseVisualStyleBackColor = true;
            this.btnAdd_Dept_parent.Click += new System.EventHandler(this.btnAdd_Dept_parent_Click);
            // 
            // dgv_Dept_parent
            // 
            this.dgv_Dept_parent.AllowUserToAddRows = false;
            this.dgv_Dept_parent.AllowUserToDeleteRows = false;
            this.dgv_Dept_parent.Anchor = ((System.Windows.Forms.AnchorStyles)((((System.Windows.Forms.AnchorStyles.Top | System.Windows.Forms.AnchorStyles.Bottom) | System.Windows.Forms.AnchorStyles.Left) | System.Windows.Forms.AnchorStyles.Right)));
            this.dgv_Dept_parent.AutoSizeColumnsMode = System.Windows.Forms.DataGridViewAutoSizeColumnsMode.Fill;
            this.dgv_Dept_parent.ColumnHeadersHeightSizeMode = System.Windows.Forms.DataGridViewColumnHeadersHeightSizeMode.AutoSize;
            this.dgv_Dept_parent.Location = new System.Drawing.Point(6, 35);
            this.dgv_Dept_parent.MultiSelect = false;
            this.dgv_Dept_parent.Name = "dgv_Dept_parent";
            this.dgv_Dept_parent.ReadOnly = true;
            this.dgv_Dept_parent.RowTemplate.Height = 23;
            this.dgv_Dept_parent.SelectionMode = System.Windows.Forms.DataGridViewSelectionMode.FullRowSelect;
            this.dgv_Dept_parent.Size = new System.Drawing.Size(714, 153);
            this.dgv_Dept_parent.TabIndex = 1;
            this.dgv_Dept_parent.CellDoubleClick += new System.Windows.Forms.DataGridViewCellEventHandler(this.dgv_Dept_parent_CellDoubleClick);
            this.dgv_Dept_parent.DataError += new System.Windows.Forms.DataGridViewDataErrorEventHandler(this.dgvList_DataError);
            // 
            // tab_Employee_dept
            // 
            this.tab_Employee_dept.Controls.Add(this.btnAdd_Employee_dept);
            this.tab_Employee_dept.Controls.Add(this.dgv_Employee_dept);
            this.tab_Employee_dept.Location = new System.Drawing.Point(4, 22);
            this.tab_Employee_dept.Name = "tab_Employee_dept";
            this.tab_Employee_dept.Padding = new System.Windows.Forms.Padding(3);
            this.tab_Employee_dept.Size = new System.Drawing.Size(726, 194);
            this.tab_Employee_dept.TabIndex = 1;
            this.tab_Employee_dept.Text = "员工";
            this.tab_Employee_dept.UseVisualStyleBackColor = true;
            // 
            // btnAdd_Employee_dept
            // 
            this.btnAdd_Employee_dept.Location = new System.Drawing.Point(6, 6);
            this.btnAdd_Employee_dept.Name = "btnAdd_Employee_dept";
            this.btnAdd_Employee_dept.Size = new System.Drawing.Size(75, 23);
            this.btnAdd_Employee_dept.TabIndex = 0;
            this.btnAdd_Employee_dept.Text = "添加";
            this.btnAdd_Employee_dept.UseVisualStyleBackColor = true;
            this.btnAdd_Employee_dept.Click += new System.EventHandler(this.btnAdd_Employee_dept_Click);
            // 
            // dgv_Employee_dept
            // 
            this.dgv_Employee_dept.AllowUserToAddRows = false;
            this.dgv_Employee_dept.AllowUserToDeleteRows = false;
            this.dgv_Employee_dept.Anchor = ((System.Windows.Forms.AnchorStyles)((((System.Windows.Forms.AnchorStyles.Top | System.Windows.Forms.AnchorStyles.Bottom) | System.Windows.Forms.AnchorStyles.Left) | System.Windows.Forms.AnchorStyles.Right)));
            this.dgv_Employee_dept.AutoSizeColumnsMode = System.Windows.Forms.DataGridViewAutoSizeColumnsMode.Fill;
            this.dgv_Employee_dept.ColumnHeadersHeightSizeMode = System.Windows.Forms.DataGridViewColumnHeadersHeightSizeMode.AutoSize;
            this.dgv_Employee_dept.Location = new System.Drawing.Point(6, 35);
            this.dgv_Employee_dept.MultiSelect = false;
            this.dgv_Employee_dept.Name = "dgv_Employee_dept";
            this.dgv_Employee_dept.ReadOnly = true;
            this.dgv_Employee_dept.RowTemplate.Height = 23;
            this.dgv_Employee_dept.SelectionMode = System.Windows.Forms.DataGridViewSelectionMode.FullRowSelect;
            this.dgv_Employee_dept.Size = new System.Drawing.Size(714, 153);
            this.dgv_Employee_dept.TabIndex = 1;
            this.dgv_Employee_dept.CellDoubleClick += new System.Windows.Forms.DataGridViewCellEventHandler(this.dgv_Employee_dept_CellDoubleClick);
            this.dgv_Employee_dept.DataError += new System.Windows.Forms.DataGridViewDataErrorEventHandler(this.dgvList_DataError);
            // 
            // printDocument
            // 
            this.printDocument.DocumentName = "部门信息";
            this.printDocument.BeginPrint += new System.Drawing.Printing.PrintEventHandler(this.printDocument_BeginPrint);
            this.printDocument.PrintPage += new System.Drawing.Printing.PrintPageEventHandler(this.printDocument_PrintPage);
            // 
            // printPreviewDialog
            // 
            this.printPreviewDialog.ClientSize = new System.Drawing.Size(800, 600);
            this.printPreviewDialog.Document = this.printDocument;
            this.printPreviewDialog.Name = "printPreviewDialog";
            this.printPreviewDialog.Text = "部门信息打印预览";
            this.printPreviewDialog.Visible = false;
            // 
            // FrmQueryDept
            // 
            this.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F);
            this.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font;
            this.ClientSize = new System.Drawing.Size(758, 732);
            this.Controls.Add(this.lbl_deptName);
            this.Controls.Add(this.txt_deptName);
            this.Controls.Add(this.lbl_parent);
            this.Controls.Add(this.cb_parent);
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
            this.Name = "FrmQueryDept";
            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;
            this.Text = "部门信息查询";
            this.Load += new System.EventHandler(this.FrmQueryDept_Load);
            ((System.ComponentModel.ISupportInitialize)(this.dgvList)).EndInit();
            ((System.ComponentModel.ISupportInitialize)(this.dgv_Dept_parent)).EndInit();
            ((System.ComponentModel.ISupportInitialize)(this.dgv_Employee_dept)).EndInit();
            this.tab_Dept_parent.ResumeLayout(false);
            this.tab_Employee_dept.ResumeLayout(false);
            this.tabDetails.ResumeLayout(false);
            this.ResumeLayout(false);
            this.PerformLayout();
        }
        #endregion

        private System.Windows.Forms.Label lbl_deptName;
        private System.Windows.Forms.TextBox txt_deptName;
        private System.Windows.Forms.Label lbl_parent;
        private System.Windows.Forms.ComboBox cb_parent;
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
        private System.Windows.Forms.TabPage tab_Dept_parent;
        private System.Windows.Forms.Button btnAdd_Dept_parent;
        private System.Windows.Forms.DataGridView dgv_Dept_parent;
        private System.Windows.Forms.TabPage tab_Employee_dept;
        private System.Windows.Forms.Button btnAdd_Employee_dept;
        private System.Windows.Forms.DataGridView dgv_Employee_dept;
        private System.Drawing.Printing.PrintDocument printDocument;
        private System.Windows.Forms.PrintPreviewDialog printPreviewDialog;
    }
}
