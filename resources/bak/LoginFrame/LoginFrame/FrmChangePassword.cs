using System;
using System.Windows.Forms;

namespace LoginFrame
{
    /*修改密码窗体：核对当前用户的原密码后，把新密码的摘要写入 U_UserInfo*/
    public partial class FrmChangePassword : Form
    {
        private readonly string userName;

        public FrmChangePassword(string userName)
        {
            InitializeComponent();
            this.userName = userName;
        }

        private void btn_OK_Click(object sender, EventArgs e)
        {
            if (this.txt_OldPassword.Text == "")
            {
                MessageBox.Show("请输入原密码!", "提示", MessageBoxButtons.OK, MessageBoxIcon.Information);
                this.txt_OldPassword.Focus();
                return;
            }
            if (this.txt_NewPassword.Text == "")
            {
                MessageBox.Show("请输入新密码!", "提示", MessageBoxButtons.OK, MessageBoxIcon.Information);
                this.txt_NewPassword.Focus();
                return;
            }
            if (this.txt_Repeat.Text != this.txt_NewPassword.Text)
            {
                MessageBox.Show("两次输入的新密码不一致!", "提示", MessageBoxButtons.OK, MessageBoxIcon.Information);
                this.txt_Repeat.SelectAll();
                this.txt_Repeat.Focus();
                return;
            }

            bool changed;
            this.Cursor = Cursors.WaitCursor;
            try
            {
                changed = FrmLogin.ChangePassword(this.userName, FrmLogin.HashPassword(this.txt_OldPassword.Text),
                    FrmLogin.HashPassword(this.txt_NewPassword.Text));
            }
            catch (Exception ex)
            {
                this.Cursor = Cursors.Default;
                MessageBox.Show("密码修改失败: " + ex.Message, "错误", MessageBoxButtons.OK, MessageBoxIcon.Error);
                return;
            }
            this.Cursor = Cursors.Default;

            if (!changed)
            {
                MessageBox.Show("原密码错误!", "提示", MessageBoxButtons.OK, MessageBoxIcon.Warning);
                this.txt_OldPassword.SelectAll();
                this.txt_OldPassword.Focus();
                return;
            }
            MessageBox.Show("密码已修改，下次登录请使用新密码!", "提示", MessageBoxButtons.OK, MessageBoxIcon.Information);
            this.DialogResult = DialogResult.OK;
        }

        private void btn_Cancel_Click(object sender, EventArgs e)
        {
            this.DialogResult = DialogResult.Cancel;
        }
    }
}
