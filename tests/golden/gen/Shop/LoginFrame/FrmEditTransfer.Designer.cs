namespace LoginFrame
{
    partial class FrmEditTransfer
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
            System.ComponentModel.ComponentResourceManager resources = new System.ComponentModel.ComponentResourceManager(typeof(FrmAddTransfer));
            this.Btn_Update = new System.Windows.Forms.Button();
            this.label1 = new System.Windows.Forms.Label();
            this.txt_transferId = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label1);
            this.Controls.Add(this.txt_transferId);
            // 
            // label1
            // 
            this.label1.AutoSize = true;
            this.label1.Location = new System.Drawing.Point(95, 47);
            this.label1.Name = "label1";
            this.label1.Size = new System.Drawing.Size(77, 12);
            this.label1.TabIndex = 0;
            this.label1.Text = "调拨单号：";
            // 
            // txt_transferId
            // 
            this.txt_transferId.Location = new System.Drawing.Point(194, 44);
            this.txt_transferId.Name = "txt_transferId";
            this.txt_transferId.Size = new System.Drawing.Size(199, 21);
            this.txt_transferId.TabIndex = 1;
            this.label2 = new System.Windows.Forms.Label();
            this.cb_fromCategory = new System.Windows.Forms.ComboBox();
            this.Controls.Add(this.label2);
            this.Controls.Add(this.cb_fromCategory);
            // 
            // label2
            // 
            this.label2.AutoSize = true;
            this.label2.Location = new System.Drawing.Point(95, 82);
            this.label2.Name = "label2";
            this.label2.Size = new System.Drawing.Size(65, 12);
            this.label2.TabIndex = 2;
            this.label2.Text = "调出分类：";
            // 
            // cb_fromCategory
            // 
            this.cb_fromCategory.FormattingEnabled = true;
            this.cb_fromCategory.Location = new System.Drawing.Point(194, 79);
            this.cb_fromCategory.Name = "cb_fromCategory";
            this.cb_fromCategory.Size = new System.Drawing.Size(199, 20);
            this.cb_fromCategory.TabIndex = 3;
            this.label3 = new System.Windows.Forms.Label();
            this.cb_toCategory = new System.Windows.Forms.ComboBox();
            this.Controls.Add(this.label3);
            this.Controls.Add(this.cb_toCategory);
            // 
            // label3
            // 
            this.label3.AutoSize = true;
            this.label3.Location = new System.Drawing.Point(95, 117);
            this.label3.Name = "label3";
            this.label3.Size = new System.Drawing.Size(65, 12);
            this.label3.TabIndex = 4;
            this.label3.Text = "调入分类(目标)：";
            // 
            // cb_toCategory
            // 
            this.cb_toCategory.FormattingEnabled = true;
            this.cb_toCategory.Location = new System.Drawing.Point(194, 114);
            this.cb_toCategory.Name = "cb_toCategory";
            this.cb_toCategory.Size = new System.Drawing.Size(199, 20);
            this.cb_toCategory.TabIndex = 5;
            this.label4 = new System.Windows.Forms.Label();
            this.txt_catName = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label4);
            this.Controls.Add(this.txt_catName);
            // 
            // label4
            //
            this.label4.AutoSize = true;
            this.label4.Location = new System.Drawing.Point(95, 152);
            this.label4.Name = "label4";
            this.label4.Size = new System.Drawing.Size(65, 12);
            this.label4.TabIndex = 6;
            this.label4.Text = "备注名称：";
            // 
            // txt_catName
            // 
            this.txt_catName.Location = new System.Drawing.Point(194, 149);
            this.txt_catName.Name = "txt_catName";
            this.txt_catName.Size = new System.Drawing.Size(199, 20);
            this.txt_catName.TabIndex = 7;
            this.label5 = new System.Windows.Forms.Label();
            this.txt_amount = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label5);
            this.Controls.Add(this.txt_amount);
            // 
            // label5
            //
            this.label5.AutoSize = true;
            this.label5.Location = new System.Drawing.Point(95, 187);
            this.label5.Name = "label5";
            this.label5.Size = new System.Drawing.Size(65, 12);
            this.label5.TabIndex = 8;
            this.label5.Text = "数量：";
            // 
            // txt_amount
            // 
            this.txt_amount.Location = new System.Drawing.Point(194, 184);
            this.txt_amount.Name = "txt_amount";
            this.txt_amount.Size = new System.Drawing.Size(199, 21);
            this.txt_amount.TabIndex = 9;
            this.label6 = new System.Windows.Forms.Label();
            this.cb_tag = new System.Windows.Forms.ComboBox();
            this.Controls.Add(this.label6);
            this.Controls.Add(this.cb_tag);
            // 
            // label6
            // 
            this.label6.AutoSize = true;
            this.label6.Location = new System.Drawing.Point(95, 222);
            this.label6.Name = "label6";
            this.label6.Size = new System.Drawing.Size(65, 12);
            this.label6.TabIndex = 10;
            this.label6.Text = "标签：";
            // 
            // cb_tag
            // 
            this.cb_tag.FormattingEnabled = true;
            this.cb_tag.Location = new System.Drawing.Point(194, 219);
            this.cb_tag.Name = "cb_tag";
            this.cb_tag.Size = new System.Drawing.Size(199, 20);
            this.cb_tag.TabIndex = 11;
            this.label7 = new System.Windows.Forms.Label();
            this.cb_unit = new System.Windows.Forms.ComboBox();
            this.Controls.Add(this.label7);
            this.Controls.Add(this.cb_unit);
            // 
            // label7
            // 
            this.label7.AutoSize = true;
            this.label7.Location = new System.Drawing.Point(95, 257);
            this.label7.Name = "label7";
            this.label7.Size = new System.Drawing.Size(65, 12);
            this.label7.TabIndex = 12;
            this.label7.Text = "单位：";
            // 
            // cb_unit
            // 
            this.cb_unit.FormattingEnabled = true;
            this.cb_unit.Location = new System.Drawing.Point(194, 254);
            this.cb_unit.Name = "cb_unit";
            this.cb_unit.Size = new System.Drawing.Size(199, 20);
            this.cb_unit.TabIndex = 13;
            this.label8 = new System.Windows.Forms.Label();
            this.dtp_made = new System.Windows.Forms.DateTimePicker();
            this.Controls.Add(this.label8);
            this.Controls.Add(this.dtp_made);
            // 
            // label8
            //
            this.label8.AutoSize = true;
            this.label8.Location = new System.Drawing.Point(95, 292);
            this.label8.Name = "label8";
            this.label8.Size = new System.Drawing.Size(65, 12);
            this.label8.TabIndex = 14;
            this.label8.Text = "：";
            // 
            // dtp_made
            //
            this.dtp_made.Location = new System.Drawing.Point(194, 289);
            this.dtp_made.Name = "dtp_made";
            this.dtp_made.Size = new System.Drawing.Size(208, 21);
            this.dtp_made.TabIndex = 15;
            // 
            // Btn_Update
            // 
            this.Btn_Update.Location = new System.Drawing.Point(208, 327);
            this.Btn_Update.Name = "Btn_Update";
            this.Btn_Update.Size = new System.Drawing.Size(142, 25);
            this.Btn_Update.TabIndex = 16;
            this.Btn_Update.Text = "更新调拨单";
            this.Btn_Update.UseVisualStyleBackColor = true;
            this.Btn_Update.Click += new System.EventHandler(this.Btn_Update_Click);
            this.SuspendLayout();
            // 
            // FrmUpdateTransfer
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
            this.Name = "FrmUpdateTransfer";
            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;
            this.Text = "调拨单编辑界面";
            this.Load += new System.EventHandler(this.FrmEditTransfer_Load);
            this.ResumeLayout(false);
            this.PerformLayout();
        }
        #endregion
        private System.Windows.Forms.Label label1;
        private System.Windows.Forms.TextBox txt_transferId;
        private System.Windows.Forms.Label label2;
        private System.Windows.Forms.ComboBox cb_fromCategory;
        private System.Windows.Forms.Label label3;
        private System.Windows.Forms.ComboBox cb_toCategory;
        private System.Windows.Forms.Label label4;
        private System.Windows.Forms.TextBox txt_catName;
        private System.Windows.Forms.Label label5;
        private System.Windows.Forms.TextBox txt_amount;
        private System.Windows.Forms.Label label6;
        private System.Windows.Forms.ComboBox cb_tag;
        private System.Windows.Forms.Label label7;
        private System.Windows.Forms.ComboBox cb_unit;
        private System.Windows.Forms.Label label8;
        private System.Windows.Forms.DateTimePicker dtp_made;
        private System.Windows.Forms.Button Btn_Update;
    }
}
