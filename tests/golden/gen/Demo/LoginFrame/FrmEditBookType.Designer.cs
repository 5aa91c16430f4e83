namespace LoginFrame
{
    partial class FrmEditBookType
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
            System.ComponentModel.ComponentResourceManager resources = new System.ComponentModel.ComponentResourceManager(typeof(FrmAddBookType));
            this.Btn_Update = new System.Windows.Forms.Button();
            this.label1 = new System.Windows.Forms.Label();
            this.txt_typeId = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label1);
            this.Controls.Add(this.txt_typeId);
            // 
            // label1
            // 
            this.label1.AutoSize = true;
            this.label1.Location = new System.Drawing.Point(95, 47);
            this.label1.Name = "label1";
            this.label1.Size = new System.Drawing.Size(77, 12);
            this.label1.TabIndex = 0;
            this.label1.Text = "类型编号：";
            // 
            // txt_typeId
            // 
            this.txt_typeId.Location = new System.Drawing.Point(194, 44);
            this.txt_typeId.Name = "txt_typeId";
            this.txt_typeId.Size = new System.Drawing.Size(199, 21);
            this.txt_typeId.TabIndex = 1;
            this.label2 = new System.Windows.Forms.Label();
            this.txt_typeName = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label2);
            this.Controls.Add(this.txt_typeName);
            // 
            // label2
            //
            this.label2.AutoSize = true;
            this.label2.Location = new System.Drawing.Point(95, 82);
            this.label2.Name = "label2";
            this.label2.Size = new System.Drawing.Size(65, 12);
            this.label2.TabIndex = 2;
            this.label2.Text = "类型名称：";
            // 
            // txt_typeName
            // 
            this.txt_typeName.Location = new System.Drawing.Point(194, 79);
            this.txt_typeName.Name = "txt_typeName";
            this.txt_typeName.Size = new System.Drawing.Size(199, 50);
            this.txt_typeName.TabIndex = 3;
            // 
            // Btn_Update
            // 
            this.Btn_Update.Location = new System.Drawing.Point(208, 117);
            this.Btn_Update.Name = "Btn_Update";
            this.Btn_Update.Size = new System.Drawing.Size(142, 25);
            this.Btn_Update.TabIndex = 4;
            this.Btn_Update.Text = "更新图书类型";
            this.Btn_Update.UseVisualStyleBackColor = true;
            this.Btn_Update.Click += new System.EventHandler(this.Btn_Update_Click);
            this.SuspendLayout();
            // 
            // FrmUpdateBookType
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
            this.Name = "FrmUpdateBookType";
            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;
            this.Text = "图书类型编辑界面";
            this.Load += new System.EventHandler(this.FrmEditBookType_Load);
            this.ResumeLayout(false);
            this.PerformLayout();
        }
        #endregion
        private System.Windows.Forms.Label label1;
        private System.Windows.Forms.TextBox txt_typeId;
        private System.Windows.Forms.Label label2;
        private System.Windows.Forms.TextBox txt_typeName;
        private System.Windows.Forms.Button Btn_Update;
    }
}
