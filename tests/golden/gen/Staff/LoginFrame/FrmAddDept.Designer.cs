namespace LoginFrame
{
    partial class FrmAddDept
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
            this.Btn_Add = new System.Windows.Forms.Button();
            this.label1 = new System.Windows.Forms.Label();
            this.txt_deptName = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label1);
            this.Controls.Add(this.txt_deptName);
            // 
            // label1
            //
            this.label1.AutoSize = true;
            this.label1.Location = new System.Drawing.Point(95, 47);
            this.label1.Name = "label1";
            this.label1.Size = new System.Drawing.Size(65, 12);
            this.label1.TabIndex = 0;
            this.label1.Text = "部门名称：";
            // 
            // txt_deptName
            // 
            this.txt_deptName.Location = new System.Drawing.Point(194, 44);
            this.txt_deptName.Name = "txt_deptName";
            this.txt_deptName.Size = new System.Drawing.Size(199, 20);
            this.txt_deptName.TabIndex = 1;
            this.label2 = new System.Windows.Forms.Label();
            this.cb_parent = new System.Windows.Forms.ComboBox();
            this.Controls.Add(this.label2);
            this.Controls.Add(this.cb_parent);
            // 
            // label2
            // 
            this.label2.AutoSize = true;
            this.label2.Location = new System.Drawing.Point(95, 82);
            this.label2.Name = "label2";
            this.label2.Size = new System.Drawing.Size(65, 12);
            this.label2.TabIndex = 2;
            this.label2.Text = "上级部门：";
            // 
            // cb_parent
            // 
            this.cb_parent.FormattingEnabled = true;
            this.cb_parent.Location = new System.Drawing.Point(194, 79);
            this.cb_parent.Name = "cb_parent";
            this.cb_parent.Size = new System.Drawing.Size(199, 20);
            this.cb_parent.TabIndex = 3;
            // 
            // Btn_Add
            // 
            this.Btn_Add.Location = new System.Drawing.Point(208, 117);
            this.Btn_Add.Name = "Btn_Add";
            this.Btn_Add.Size = new System.Drawing.Size(142, 25);
            this.Btn_Add.TabIndex = 4;
            this.Btn_Add.Text = "添加部门";
            this.Btn_Add.UseVisualStyleBackColor = true;
            this.Btn_Add.Click += new System.EventHandler(this.Btn_Add_Click);
            this.SuspendLayout();
            // 
            // FrmAddDept
            // 
            this.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F);
            this.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font;
            this.AutoScroll = true;
            this.ClientSize = new System.Drawing.Size(601, 513);
            this.Controls.Add(this.Btn_Add);
            this.FormBorderStyle = System.Windows.Forms.FormBorderStyle.Fixed3D;
            this.Icon = ((System.Drawing.Icon)(resources.GetObject("$this.Icon")));
            this.MaximizeBox = false;
            this.MinimizeBox = false;
            this.Name = "FrmAddDept";
            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;
            this.Text = "部门添加界面";
            this.Load += new System.EventHandler(this.FrmAddDept_Load);
            this.ResumeLayout(false);
            this.PerformLayout();
        }
        #endregion
        private System.Windows.Forms.Label label1;
        private System.Windows.Forms.TextBox txt_deptName;
        private System.Windows.Forms.Label label2;
        private System.Windows.Forms.ComboBox cb_parent;
        private System.Windows.Forms.Button Btn_Add;
    }
}
