namespace LoginFrame
{
    partial class FrmEditCategory
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
            System.ComponentModel.ComponentResourceManager resources = new System.ComponentModel.ComponentResourceManager(typeof(FrmAddCategory));
            this.Btn_Update = new System.Windows.Forms.Button();
            this.label1 = new System.Windows.Forms.Label();
            this.txt_catCode = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label1);
            this.Controls.Add(this.txt_catCode);
            // 
            // label1
            // 
            this.label1.AutoSize = true;
            this.label1.Location = new System.Drawing.Point(95, 47);
            this.label1.Name = "label1";
            this.label1.Size = new System.Drawing.Size(77, 12);
            this.label1.TabIndex = 0;
            this.label1.Text = "分类代码：";
            // 
            // txt_catCode
            // 
            this.txt_catCode.Location = new System.Drawing.Point(194, 44);
            this.txt_catCode.Name = "txt_catCode";
            this.txt_catCode.Size = new System.Drawing.Size(199, 21);
            this.txt_catCode.TabIndex = 1;
            this.label2 = new System.Windows.Forms.Label();
            this.txt_catName = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label2);
            this.Controls.Add(this.txt_catName);
            // 
            // label2
            //
            this.label2.AutoSize = true;
            this.label2.Location = new System.Drawing.Point(95, 82);
            this.label2.Name = "label2";
            this.label2.Size = new System.Drawing.Size(65, 12);
            this.label2.TabIndex = 2;
            this.label2.Text = "分类名称：";
            // 
            // txt_catName
            // 
            this.txt_catName.Location = new System.Drawing.Point(194, 79);
            this.txt_catName.Name = "txt_catName";
            this.txt_catName.Size = new System.Drawing.Size(199, 30);
            this.txt_catName.TabIndex = 3;
            this.label3 = new System.Windows.Forms.Label();
            this.txt_remark = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label3);
            this.Controls.Add(this.txt_remark);
            // 
            // label3
            //
            this.label3.AutoSize = true;
            this.label3.Location = new System.Drawing.Point(95, 117);
            this.label3.Name = "label3";
            this.label3.Size = new System.Drawing.Size(65, 12);
            this.label3.TabIndex = 4;
            this.label3.Text = "：";
            // 
            // txt_remark
            // 
            this.txt_remark.Location = new System.Drawing.Point(194, 114);
            this.txt_remark.Name = "txt_remark";
            this.txt_remark.Size = new System.Drawing.Size(199, 200);
            this.txt_remark.TabIndex = 5;
            // 
            // Btn_Update
            // 
            this.Btn_Update.Location = new System.Drawing.Point(208, 152);
            this.Btn_Update.Name = "Btn_Update";
            this.Btn_Update.Size = new System.Drawing.Size(142, 25);
            this.Btn_Update.TabIndex = 6;
            this.Btn_Update.Text = "更新商品分类";
            this.Btn_Update.UseVisualStyleBackColor = true;
            this.Btn_Update.Click += new System.EventHandler(this.Btn_Update_Click);
            this.SuspendLayout();
            // 
            // FrmUpdateCategory
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
            this.Name = "FrmUpdateCategory";
            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;
            this.Text = "商品分类编辑界面";
            this.Load += new System.EventHandler(this.FrmEditCategory_Load);
            this.ResumeLayout(false);
            this.PerformLayout();
        }
        #endregion
        private System.Windows.Forms.Label label1;
        private System.Windows.Forms.TextBox txt_catCode;
        private System.Windows.Forms.Label label2;
        private System.Windows.Forms.TextBox txt_catName;
        private System.Windows.Forms.Label label3;
        private System.Windows.Forms.TextBox txt_remark;
        private System.Windows.Forms.Button Btn_Update;
    }
}
