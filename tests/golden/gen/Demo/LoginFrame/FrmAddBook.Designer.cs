namespace LoginFrame
{
    partial class FrmAddBook
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
            System.ComponentModel.ComponentResourceManager resources = new System.ComponentModel.ComponentResourceManager(typeof(FrmAddBook));
            this.Btn_Add = new System.Windows.Forms.Button();
            this.label1 = new System.Windows.Forms.Label();
            this.txt_title = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label1);
            this.Controls.Add(this.txt_title);
            // 
            // label1
            //
            this.label1.AutoSize = true;
            this.label1.Location = new System.Drawing.Point(95, 47);
            this.label1.Name = "label1";
            this.label1.Size = new System.Drawing.Size(65, 12);
            this.label1.TabIndex = 0;
            this.label1.Text = "书名：";
            // 
            // txt_title
            // 
            this.txt_title.Location = new System.Drawing.Point(194, 44);
            this.txt_title.Name = "txt_title";
            this.txt_title.Size = new System.Drawing.Size(199, 100);
            this.txt_title.TabIndex = 1;
            this.label2 = new System.Windows.Forms.Label();
            this.txt_price = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label2);
            this.Controls.Add(this.txt_price);
            // 
            // label2
            //
            this.label2.AutoSize = true;
            this.label2.Location = new System.Drawing.Point(95, 82);
            this.label2.Name = "label2";
            this.label2.Size = new System.Drawing.Size(65, 12);
            this.label2.TabIndex = 2;
            this.label2.Text = "价格：";
            // 
            // txt_price
            // 
            this.txt_price.Location = new System.Drawing.Point(194, 79);
            this.txt_price.Name = "txt_price";
            this.txt_price.Size = new System.Drawing.Size(199, 21);
            this.txt_price.TabIndex = 3;
            this.label3 = new System.Windows.Forms.Label();
            this.txt_stock = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label3);
            this.Controls.Add(this.txt_stock);
            // 
            // label3
            //
            this.label3.AutoSize = true;
            this.label3.Location = new System.Drawing.Point(95, 117);
            this.label3.Name = "label3";
            this.label3.Size = new System.Drawing.Size(65, 12);
            this.label3.TabIndex = 4;
            this.label3.Text = "库存：";
            // 
            // txt_stock
            // 
            this.txt_stock.Location = new System.Drawing.Point(194, 114);
            this.txt_stock.Name = "txt_stock";
            this.txt_stock.Size = new System.Drawing.Size(199, 21);
            this.txt_stock.TabIndex = 5;
            this.label4 = new System.Windows.Forms.Label();
            this.dtp_publishDate = new System.Windows.Forms.DateTimePicker();
            this.Controls.Add(this.label4);
            this.Controls.Add(this.dtp_publishDate);
            // 
            // label4
            //
            this.label4.AutoSize = true;
            this.label4.Location = new System.Drawing.Point(95, 152);
            this.label4.Name = "label4";
            this.label4.Size = new System.Drawing.Size(65, 12);
            this.label4.TabIndex = 6;
            this.label4.Text = "出版日期：";
            // 
            // dtp_publishDate
            //
            this.dtp_publishDate.Location = new System.Drawing.Point(194, 149);
            this.dtp_publishDate.Name = "dtp_publishDate";
            this.dtp_publishDate.Size = new System.Drawing.Size(208, 21);
            this.dtp_publishDate.TabIndex = 7;
            this.label5 = new System.Windows.Forms.Label();
            this.pictureBox_cover = new System.Windows.Forms.PictureBox();
            ((System.ComponentModel.ISupportInitialize)(this.pictureBox_cover)).BeginInit();
            ((System.ComponentModel.ISupportInitialize)(this.pictureBox_cover)).EndInit();
            this.txt_cover = new System.Windows.Forms.TextBox();
            this.btn_cover = new System.Windows.Forms.Button();
            this.Controls.Add(this.label5);
            this.Controls.Add(this.pictureBox_cover);
            this.Controls.Add(this.txt_cover);
            this.Controls.Add(this.btn_cover);
            // 
            // label5
            // 
            this.label5.AutoSize = true;
            this.label5.Location = new System.Drawing.Point(95, 187);
            this.label5.Name = "label5";
            this.label5.Size = new System.Drawing.Size(65, 12);
            this.label5.TabIndex = 8;
            this.label5.Text = "封面：";
            //
            // pictureBox_cover
            // 
            this.pictureBox_cover.BackgroundImageLayout = System.Windows.Forms.ImageLayout.Stretch;
            this.pictureBox_cover.Location = new System.Drawing.Point(194, 184);
            this.pictureBox_cover.Name = "pictureBox_cover";
            this.pictureBox_cover.Size = new System.Drawing.Size(156, 140);
            this.pictureBox_cover.SizeMode = System.Windows.Forms.PictureBoxSizeMode.StretchImage;
            this.pictureBox_cover.TabIndex = 9;
            this.pictureBox_cover.TabStop = false;
            // 
            // txt_cover
            // 
            this.txt_cover.Location = new System.Drawing.Point(194, 333);
            this.txt_cover.Name = "txt_cover";
            this.txt_cover.ReadOnly = true;
            this.txt_cover.Size = new System.Drawing.Size(300, 21);
            this.txt_cover.TabIndex = 10;
            // 
            // btn_cover
            // 
            this.btn_cover.Location = new System.Drawing.Point(365, 301);
            this.btn_cover.Name = "btn_cover";
            this.btn_cover.Size = new System.Drawing.Size(60, 26);
            this.btn_cover.TabIndex = 11;
            this.btn_cover.Text = "上 传";
            this.btn_cover.UseVisualStyleBackColor = true;
            this.btn_cover.Click += new System.EventHandler(this.btn_cover_Click);
            this.label6 = new System.Windows.Forms.Label();
            this.cb_bookType = new System.Windows.Forms.ComboBox();
            this.Controls.Add(this.label6);
            this.Controls.Add(this.cb_bookType);
            // 
            // label6
            // 
            this.label6.AutoSize = true;
            this.label6.Location = new System.Drawing.Point(95, 365);
            this.label6.Name = "label6";
            this.label6.Size = new System.Drawing.Size(65, 12);
            this.label6.TabIndex = 12;
            this.label6.Text = "图书类型：";
            // 
            // cb_bookType
            // 
            this.cb_bookType.FormattingEnabled = true;
            this.cb_bookType.Location = new System.Drawing.Point(194, 362);
            this.cb_bookType.Name = "cb_bookType";
            this.cb_bookType.Size = new System.Drawing.Size(199, 20);
            this.cb_bookType.TabIndex = 13;
            // 
            // Btn_Add
            // 
            this.Btn_Add.Location = new System.Drawing.Point(208, 400);
            this.Btn_Add.Name = "Btn_Add";
            this.Btn_Add.Size = new System.Drawing.Size(142, 25);
            this.Btn_Add.TabIndex = 14;
            this.Btn_Add.Text = "添加图书";
            this.Btn_Add.UseVisualStyleBackColor = true;
            this.Btn_Add.Click += new System.EventHandler(this.Btn_Add_Click);
            this.SuspendLayout();
            // 
            // FrmAddBook
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
            this.Name = "FrmAddBook";
            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;
            this.Text = "图书添加界面";
            this.Load += new System.EventHandler(this.FrmAddBook_Load);
            this.ResumeLayout(false);
            this.PerformLayout();
        }
        #endregion
        private System.Windows.Forms.Label label1;
        private System.Windows.Forms.TextBox txt_title;
        private System.Windows.Forms.Label label2;
        private System.Windows.Forms.TextBox txt_price;
        private System.Windows.Forms.Label label3;
        private System.Windows.Forms.TextBox txt_stock;
        private System.Windows.Forms.Label label4;
        private System.Windows.Forms.DateTimePicker dtp_publishDate;
        private System.Windows.Forms.Label label5;
        private System.Windows.Forms.PictureBox pictureBox_cover;
        private System.Windows.Forms.TextBox txt_cover;
        private System.Windows.Forms.Button btn_cover;
        private System.Windows.Forms.Label label6;
        private System.Windows.Forms.ComboBox cb_bookType;
        private System.Windows.Forms.Button Btn_Add;
    }
}
