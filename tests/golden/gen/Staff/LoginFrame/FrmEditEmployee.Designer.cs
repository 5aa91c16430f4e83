namespace LoginFrame
{
    partial class FrmEditEmployee
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
            System.ComponentModel.ComponentResourceManager resources = new System.ComponentModel.ComponentResourceManager(typeof(FrmAddEmployee));
            this.Btn_Update = new System.Windows.Forms.Button();
            this.label1 = new System.Windows.Forms.Label();
            this.txt_empNo = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label1);
            this.Controls.Add(this.txt_empNo);
            // 
            // label1
            // 
            this.label1.AutoSize = true;
            this.label1.Location = new System.Drawing.Point(95, 47);
            this.label1.Name = "label1";
            this.label1.Size = new System.Drawing.Size(77, 12);
            this.label1.TabIndex = 0;
            this.label1.Text = "工号：";
            // 
            // txt_empNo
            // 
            this.txt_empNo.Location = new System.Drawing.Point(194, 44);
            this.txt_empNo.Name = "txt_empNo";
            this.txt_empNo.Size = new System.Drawing.Size(199, 21);
            this.txt_empNo.TabIndex = 1;
            this.label2 = new System.Windows.Forms.Label();
            this.txt_name = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label2);
            this.Controls.Add(this.txt_name);
            // 
            // label2
            //
            this.label2.AutoSize = true;
            this.label2.Location = new System.Drawing.Point(95, 82);
            this.label2.Name = "label2";
            this.label2.Size = new System.Drawing.Size(65, 12);
            this.label2.TabIndex = 2;
            this.label2.Text = "姓名：";
            // 
            // txt_name
            // 
            this.txt_name.Location = new System.Drawing.Point(194, 79);
            this.txt_name.Name = "txt_name";
            this.txt_name.Size = new System.Drawing.Size(199, 20);
            this.txt_name.TabIndex = 3;
            this.label3 = new System.Windows.Forms.Label();
            this.cb_gender = new System.Windows.Forms.ComboBox();
            this.Controls.Add(this.label3);
            this.Controls.Add(this.cb_gender);
            // 
            // label3
            // 
            this.label3.AutoSize = true;
            this.label3.Location = new System.Drawing.Point(95, 117);
            this.label3.Name = "label3";
            this.label3.Size = new System.Drawing.Size(65, 12);
            this.label3.TabIndex = 4;
            this.label3.Text = "性别：";
            // 
            // cb_gender
            // 
            this.cb_gender.DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList;
            this.cb_gender.FormattingEnabled = true;
            this.cb_gender.Items.AddRange(new object[] {
            "男",
            "女"});
            this.cb_gender.Location = new System.Drawing.Point(194, 114);
            this.cb_gender.Name = "cb_gender";
            this.cb_gender.Size = new System.Drawing.Size(199, 20);
            this.cb_gender.TabIndex = 5;
            this.label4 = new System.Windows.Forms.Label();
            this.chk_active = new System.Windows.Forms.CheckBox();
            this.Controls.Add(this.label4);
            this.Controls.Add(this.chk_active);
            // 
            // label4
            //
            this.label4.AutoSize = true;
            this.label4.Location = new System.Drawing.Point(95, 152);
            this.label4.Name = "label4";
            this.label4.Size = new System.Drawing.Size(65, 12);
            this.label4.TabIndex = 6;
            this.label4.Text = "在职：";
            // 
            // chk_active
            // 
            this.chk_active.Location = new System.Drawing.Point(194, 148);
            this.chk_active.Name = "chk_active";
            this.chk_active.Size = new System.Drawing.Size(199, 21);
            this.chk_active.TabIndex = 7;
            this.chk_active.Text = "在职";
            this.chk_active.UseVisualStyleBackColor = true;
            this.label5 = new System.Windows.Forms.Label();
            this.chk_retired = new System.Windows.Forms.CheckBox();
            this.Controls.Add(this.label5);
            this.Controls.Add(this.chk_retired);
            // 
            // label5
            //
            this.label5.AutoSize = true;
            this.label5.Location = new System.Drawing.Point(95, 187);
            this.label5.Name = "label5";
            this.label5.Size = new System.Drawing.Size(65, 12);
            this.label5.TabIndex = 8;
            this.label5.Text = "退休：";
            // 
            // chk_retired
            // 
            this.chk_retired.Location = new System.Drawing.Point(194, 183);
            this.chk_retired.Name = "chk_retired";
            this.chk_retired.Size = new System.Drawing.Size(199, 21);
            this.chk_retired.TabIndex = 9;
            this.chk_retired.Text = "退休";
            this.chk_retired.UseVisualStyleBackColor = true;
            this.label6 = new System.Windows.Forms.Label();
            this.txt_age = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label6);
            this.Controls.Add(this.txt_age);
            // 
            // label6
            //
            this.label6.AutoSize = true;
            this.label6.Location = new System.Drawing.Point(95, 222);
            this.label6.Name = "label6";
            this.label6.Size = new System.Drawing.Size(65, 12);
            this.label6.TabIndex = 10;
            this.label6.Text = "年龄：";
            // 
            // txt_age
            // 
            this.txt_age.Location = new System.Drawing.Point(194, 219);
            this.txt_age.Name = "txt_age";
            this.txt_age.Size = new System.Drawing.Size(199, 21);
            this.txt_age.TabIndex = 11;
            this.label7 = new System.Windows.Forms.Label();
            this.txt_salary = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label7);
            this.Controls.Add(this.txt_salary);
            // 
            // label7
            //
            this.label7.AutoSize = true;
            this.label7.Location = new System.Drawing.Point(95, 257);
            this.label7.Name = "label7";
            this.label7.Size = new System.Drawing.Size(65, 12);
            this.label7.TabIndex = 12;
            this.label7.Text = "工资：";
            // 
            // txt_salary
            // 
            this.txt_salary.Location = new System.Drawing.Point(194, 254);
            this.txt_salary.Name = "txt_salary";
            this.txt_salary.Size = new System.Drawing.Size(199, 21);
            this.txt_salary.TabIndex = 13;
            this.label8 = new System.Windows.Forms.Label();
            this.txt_bonus = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label8);
            this.Controls.Add(this.txt_bonus);
            // 
            // label8
            //
            this.label8.AutoSize = true;
            this.label8.Location = new System.Drawing.Point(95, 292);
            this.label8.Name = "label8";
            this.label8.Size = new System.Drawing.Size(65, 12);
            this.label8.TabIndex = 14;
            this.label8.Text = "奖金：";
            // 
            // txt_bonus
            // 
            this.txt_bonus.Location = new System.Drawing.Point(194, 289);
            this.txt_bonus.Name = "txt_bonus";
            this.txt_bonus.Size = new System.Drawing.Size(199, 21);
            this.txt_bonus.TabIndex = 15;
            this.label9 = new System.Windows.Forms.Label();
            this.cb_status = new System.Windows.Forms.ComboBox();
            this.Controls.Add(this.label9);
            this.Controls.Add(this.cb_status);
            // 
            // label9
            // 
            this.label9.AutoSize = true;
            this.label9.Location = new System.Drawing.Point(95, 327);
            this.label9.Name = "label9";
            this.label9.Size = new System.Drawing.Size(65, 12);
            this.label9.TabIndex = 16;
            this.label9.Text = "状态：";
            // 
            // cb_status
            // 
            this.cb_status.DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList;
            this.cb_status.FormattingEnabled = true;
            this.cb_status.Items.AddRange(new object[] {
            "草稿",
            "已审核",
            "已作废"});
            this.cb_status.Location = new System.Drawing.Point(194, 324);
            this.cb_status.Name = "cb_status";
            this.cb_status.Size = new System.Drawing.Size(199, 20);
            this.cb_status.TabIndex = 17;
            this.label10 = new System.Windows.Forms.Label();
            this.txt_idCard = new System.Windows.Forms.TextBox();
            this.Controls.Add(this.label10);
            this.Controls.Add(this.txt_idCard);
            // 
            // label10
            //
            this.label10.AutoSize = true;
            this.label10.Location = new System.Drawing.Point(95, 362);
            this.label10.Name = "label10";
            this.label10.Size = new System.Drawing.Size(65, 12);
            this.label10.TabIndex = 18;
            this.label10.Text = "身份证号：";
            // 
            // txt_idCard
            // 
            this.txt_idCard.Location = new System.Drawing.Point(194, 359);
            this.txt_idCard.Name = "txt_idCard";
            this.txt_idCard.Size = new System.Drawing.Size(199, 18);
            this.txt_idCard.TabIndex = 19;
            this.label11 = new System.Windows.Forms.Label();
            this.cb_manager = new System.Windows.Forms.ComboBox();
            this.Controls.Add(this.label11);
            this.Controls.Add(this.cb_manager);
            // 
            // label11
            // 
            this.label11.AutoSize = true;
            this.label11.Location = new System.Drawing.Point(95, 397);
            this.label11.Name = "label11";
            this.label11.Size = new System.Drawing.Size(65, 12);
            this.label11.TabIndex = 20;
            this.label11.Text = "上级：";
            // 
            // cb_manager
            // 
            this.cb_manager.FormattingEnabled = true;
            this.cb_manager.Location = new System.Drawing.Point(194, 394);
            this.cb_manager.Name = "cb_manager";
            this.cb_manager.Size = new System.Drawing.Size(199, 20);
            this.cb_manager.TabIndex = 21;
            this.label12 = new System.Windows.Forms.Label();
            this.cb_dept = new System.Windows.Forms.ComboBox();
            this.Controls.Add(this.label12);
            this.Controls.Add(this.cb_dept);
            // 
            // label12
            // 
            this.label12.AutoSize = true;
            this.label12.Location = new System.Drawing.Point(95, 432);
            this.label12.Name = "label12";
            this.label12.Size = new System.Drawing.Size(65, 12);
            this.label12.TabIndex = 22;
            this.label12.Text = "部门：";
            // 
            // cb_dept
            // 
            this.cb_dept.FormattingEnabled = true;
            this.cb_dept.Location = new System.Drawing.Point(194, 429);
            this.cb_dept.Name = "cb_dept";
            this.cb_dept.Size = new System.Drawing.Size(199, 20);
            this.cb_dept.TabIndex = 23;
            // 
            // Btn_Update
            // 
            this.Btn_Update.Location = new System.Drawing.Point(208, 467);
            this.Btn_Update.Name = "Btn_Update";
            this.Btn_Update.Size = new System.Drawing.Size(142, 25);
            this.Btn_Update.TabIndex = 24;
            this.Btn_Update.Text = "更新员工";
            this.Btn_Update.UseVisualStyleBackColor = true;
            this.Btn_Update.Click += new System.EventHandler(this.Btn_Update_Click);
            this.SuspendLayout();
            // 
            // FrmUpdateEmployee
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
            this.Name = "FrmUpdateEmployee";
            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;
            this.Text = "员工编辑界面";
            this.Load += new System.EventHandler(this.FrmEditEmployee_Load);
            this.ResumeLayout(false);
            this.PerformLayout();
        }
        #endregion
        private System.Windows.Forms.Label label1;
        private System.Windows.Forms.TextBox txt_empNo;
        private System.Windows.Forms.Label label2;
        private System.Windows.Forms.TextBox txt_name;
        private System.Windows.Forms.Label label3;
        private System.Windows.Forms.ComboBox cb_gender;
        private System.Windows.Forms.Label label4;
        private System.Windows.Forms.CheckBox chk_active;
        private System.Windows.Forms.Label label5;
        private System.Windows.Forms.CheckBox chk_retired;
        private System.Windows.Forms.Label label6;
        private System.Windows.Forms.TextBox txt_age;
        private System.Windows.Forms.Label label7;
        private System.Windows.Forms.TextBox txt_salary;
        private System.Windows.Forms.Label label8;
        private System.Windows.Forms.TextBox txt_bonus;
        private System.Windows.Forms.Label label9;
        private System.Windows.Forms.ComboBox cb_status;
        private System.Windows.Forms.Label label10;
        private System.Windows.Forms.TextBox txt_idCard;
        private System.Windows.Forms.Label label11;
        private System.Windows.Forms.ComboBox cb_manager;
        private System.Windows.Forms.Label label12;
        private System.Windows.Forms.ComboBox cb_dept;
        private System.Windows.Forms.Button Btn_Update;
    }
}
