namespace LoginFrame
{
    partial class FrmEditDept
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
            System.ComponentModel.ComponentResourceManager resources = new System.ComponentModel.ComponentResourceManager(typeof(FrmAddDept));
            this.Btn_Update = new System.Windows.Forms.Button();
            this.label1 = new System.Windows.Forms.Label();
            this.txt_deptId = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label1);
            this.Controls.Add(this.txt_deptId);
            // 
            // label1
            // 
            this.label1.AutoSize = true;
            this.label1.Location = new System.Drawing.Point(95, 47);
            this.label1.Name = "label1";
            this.label1.Size = new System.Drawing.Size(77, 12);
            this.label1.TabIndex = 0;
            this.label1.Text = "部门编号：";
            // 
            // txt_deptId
            // 
            this.txt_deptId.Location = new System.Drawing.Point(194, 44);
            this.txt_deptId.Name = "txt_deptId";
            this.txt_deptId.Size = new System.Drawing.Size(199, 21);
            this.txt_deptId.TabIndex = 1;
            this.label2 = new System.Windows.Forms.Label();
            this.txt_deptName = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label2);
            this.Controls.Add(this.txt_deptName);
            // 
            // label2
            //
            this.label2.AutoSize = true;
            this.label2.Location = new System.Drawing.Point(95, 82);
            this.label2.Name = "label2";
            this.label2.Size = new System.Drawing.Size(65, 12);
            this.label2.TabIndex = 2;
            this.label2.Text = "部门名称：";
            // 
            // txt_deptName
            // 
            this.txt_deptName.Location = new System.Drawing.Point(194, 79);
            this.txt_deptName.Name = "txt_deptName";
            this.txt_deptName.Size = new System.Drawing.Size(199, 20);
            this.txt_deptName.TabIndex = 3;
            this.label3 = new System.Windows.Forms.Label();
            this.cb_parent = new System.Windows.Forms.ComboBox();
            this.Controls.Add(this.label3);
            this.Controls.Add(this.cb_parent);
            // 
            // label3
            // 
            this.label3.AutoSize = true;
            this.label3.Location = new System.Drawing.Point(95, 117);
            this.label3.Name = "label3";
            this.label3.Size = new System.Drawing.Size(65, 12);
            this.label3.TabIndex = 4;
            this.label3.Text = "上级部门：";
            // 
            // cb_parent
            // 
            this.cb_parent.FormattingEnabled = true;
            this.cb_parent.Location = new System.Drawing.Point(194, 114);
            this.cb_parent.Name = "cb_parent";
            this.cb_parent.Size = new System.Drawing.Size(199, 20);
            this.cb_parent.TabIndex = 5;
            // 
            // Btn_Update
            // 
            this.Btn_Update.Location = new System.Drawing.Point(208, 152);
            this.Btn_Update.Name = "Btn_Update";
            this.Btn_Update.Size = new System.Drawing.Size(142, 25);
            this.Btn_Update.TabIndex = 6;
            this.Btn_Update.Text = "更新部门";
            this.Btn_Update.UseVisualStyleBackColor = true;
            this.Btn_Update.Click += new System.EventHandler(this.Btn_Update_Click);
            this.SuspendLayout();
            // 
            // FrmUpdateDept
            // 
            this.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F);
            this.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font;
            this.AutoScroll = true;
            this.ClientSize = new System.Drawing.Size(601, 513);
            this.Controls.Add(this.Btn_Update);
            this.FormBorderStyle = System.Windows.Forms.FormBorderStyle.Fixed3D;
            this.Icon = ((System.Drawing.Icon)(resources.GetObject("$this.Icon")));
            this.MaximizeBox = false;
            this.MinimizeBox = false;
            this.Name = "FrmUpdateDept";
            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;
            this.Text = "部门编辑界面";
            this.Load += new System.EventHandler(this.FrmEditDept_Load);
            this.ResumeLayout(false);
            this.PerformLayout();
        }
        #endregion
        private System.Windows.Forms.Label label1;
        private System.Windows.Forms.TextBox txt_deptId;
        private System.Windows.Forms.Label label2;
        private System.Windows.Forms.TextBox txt_deptName;
        private System.Windows.Forms.Label label3;
        private System.Windows.Forms.ComboBox cb_parent;
        private System.Windows.Forms.Button Btn_Update;
    }
}
