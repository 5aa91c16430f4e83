using System;
using System.Collections.Generic;
using System.ComponentModel;
using System.Data;
using System.Drawing;
using System.Linq;
using System.Text;
using System.Windows.Forms;

namespace LoginFrame
{
    /*主界面：系统菜单、每个数据类的“管理”菜单（添加、查询）和帮助菜单*/
    public partial class Frm主面 : Form
    {
        public Frm主面()
        {
            InitializeComponent();
        }

        private void Frm主面_Load(object sender, EventArgs e)
        {
            this.toolStripStatusLabel_User.Text = "当前用户：" + Program.UserName;
            this.toolStripStatusLabel_Time.Text = "登录时间：" + DateTime.Now.ToString("yyyy-MM-dd HH:mm");
        }

        //修改当前用户的密码
        private void ChangePasswordMenuItem_Click(object sender, EventArgs e)
        {
            using (FrmChangePassword frmChangePassword = new FrmChangePassword(Program.UserName))
            {
                frmChangePassword.ShowDialog(this);
            }
        }

        //退出系统
        private void ExitMenuItem_Click(object sender, EventArgs e)
        {
            this.Close();
        }

        //关于
        private void AboutMenuItem_Click(object sender, EventArgs e)
        {
            MessageBox.Show("信息管理系统\r\n\r\n请从菜单中选择要管理的数据。", "关于", MessageBoxButtons.OK, MessageBoxIcon.Information);
        }

        //主界面关闭时结束整个程序，仍然打开的窗体一并关闭
        private void Frm主面_FormClosed(object sender, FormClosedEventArgs e)
        {
            Application.Exit();
        }

$csString    }
}
