namespace LoginFrame
{
    partial class FrmChangePassword
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
            this.label_OldPassword = new System.Windows.Forms.Label();
            this.txt_OldPassword = new System.Windows.Forms.TextBox();
            this.label_NewPassword = new System.Windows.Forms.Label();
            this.txt_NewPassword = new System.Windows.Forms.TextBox();
            this.label_Repeat = new System.Windows.Forms.Label();
            this.txt_Repeat = new System.Windows.Forms.TextBox();
            this.btn_OK = new System.Windows.Forms.Button();
            this.btn_Cancel = new System.Windows.Forms.Button();
            this.SuspendLayout();
            // 
            // label_OldPassword
            // 
            this.label_OldPassword.Location = new System.Drawing.Point(20, 20);
            this.label_OldPassword.Name = "label_OldPassword";
            this.label_OldPassword.Size = new System.Drawing.Size(90, 21);
            this.label_OldPassword.TabIndex = 5;
            this.label_OldPassword.Text = "原密码：";
            this.label_OldPassword.TextAlign = System.Drawing.ContentAlignment.MiddleRight;
            // 
            // txt_OldPassword
            // 
            this.txt_OldPassword.Location = new System.Drawing.Point(116, 20);
            this.txt_OldPassword.MaxLength = 50;
            this.txt_OldPassword.Name = "txt_OldPassword";
            this.txt_OldPassword.PasswordChar = '*';
            this.txt_OldPassword.Size = new System.Drawing.Size(170, 21);
            this.txt_OldPassword.TabIndex = 0;
            // 
            // label_NewPassword
            // 
            this.label_NewPassword.Location = new System.Drawing.Point(20, 56);
            this.label_NewPassword.Name = "label_NewPassword";
            this.label_NewPassword.Size = new System.Drawing.Size(90, 21);
            this.label_NewPassword.TabIndex = 6;
            this.label_NewPassword.Text = "新密码：";
            this.label_NewPassword.TextAlign = System.Drawing.ContentAlignment.MiddleRight;
            // 
            // txt_NewPassword
            // 
            this.txt_NewPassword.Location = new System.Drawing.Point(116, 56);
            this.txt_NewPassword.MaxLength = 50;
            this.txt_NewPassword.Name = "txt_NewPassword";
            this.txt_NewPassword.PasswordChar = '*';
            this.txt_NewPassword.Size = new System.Drawing.Size(170, 21);
            this.txt_NewPassword.TabIndex = 1;
            // 
            // label_Repeat
            // 
            this.label_Repeat.Location = new System.Drawing.Point(20, 92);
            this.label_Repeat.Name = "label_Repeat";
            this.label_Repeat.Size = new System.Drawing.Size(90, 21);
            this.label_Repeat.TabIndex = 7;
            this.label_Repeat.Text = "确认新密码：";
            this.label_Repeat.TextAlign = System.Drawing.ContentAlignment.MiddleRight;
            // 
            // txt_Repeat
            // 
            this.txt_Repeat.Location = new System.Drawing.Point(116, 92);
            this.txt_Repeat.MaxLength = 50;
            this.txt_Repeat.Name = "txt_Repeat";
            this.txt_Repeat.PasswordChar = '*';
            this.txt_Repeat.Size = new System.Drawing.Size(170, 21);
            this.txt_Repeat.TabIndex = 2;
            // 
            // btn_OK
            // 
            this.btn_OK.Location = new System.Drawing.Point(80, 136);
            this.btn_OK.Name = "btn_OK";
            this.btn_OK.Size = new System.Drawing.Size(80, 27);
            this.btn_OK.TabIndex = 3;
            this.btn_OK.Text = "确定";
            this.btn_OK.UseVisualStyleBackColor = true;
            this.btn_OK.Click += new System.EventHandler(this.btn_OK_Click);
            // 
            // btn_Cancel
            // 
            this.btn_Cancel.DialogResult = System.Windows.Forms.DialogResult.Cancel;
            this.btn_Cancel.Location = new System.Drawing.Point(184, 136);
            this.btn_Cancel.Name = "btn_Cancel";
            this.btn_Cancel.Size = new System.Drawing.Size(80, 27);
            this.btn_Cancel.TabIndex = 4;
            this.btn_Cancel.Text = "取消";
            this.btn_Cancel.UseVisualStyleBackColor = true;
            this.btn_Cancel.Click += new System.EventHandler(this.btn_Cancel_Click);
            // 
            // FrmChangePassword
            // 
            this.AcceptButton = this.btn_OK;
            this.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F);
            this.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font;
            this.CancelButton = this.btn_Cancel;
            this.ClientSize = new System.Drawing.Size(340, 184);
            this.Controls.Add(this.btn_Cancel);
            this.Controls.Add(this.btn_OK);
            this.Controls.Add(this.txt_Repeat);
            this.Controls.Add(this.label_Repeat);
            this.Controls.Add(this.txt_NewPassword);
            this.Controls.Add(this.label_NewPassword);
            this.Controls.Add(this.txt_OldPassword);
            this.Controls.Add(this.label_OldPassword);
            this.FormBorderStyle = System.Windows.Forms.FormBorderStyle.FixedDialog;
            this.MaximizeBox = false;
            this.MinimizeBox = false;
            this.Name = "FrmChangePassword";
            this.ShowIcon = false;
            this.ShowInTaskbar = false;
            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;
            this.Text = "修改密码";
            this.ResumeLayout(false);
            this.PerformLayout();

        }

        #endregion

        private System.Windows.Forms.Label label_OldPassword;
        private System.Windows.Forms.TextBox txt_OldPassword;
        private System.Windows.Forms.Label label_NewPassword;
        private System.Windows.Forms.TextBox txt_NewPassword;
        private System.Windows.Forms.Label label_Repeat;
        private System.Windows.Forms.TextBox txt_Repeat;
        private System.Windows.Forms.Button btn_OK;
        private System.Windows.Forms.Button btn_Cancel;
    }
}
