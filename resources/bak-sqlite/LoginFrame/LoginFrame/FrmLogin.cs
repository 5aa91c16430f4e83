using System;
using System.Data;
using System.Data.Common;
using System.Security.Cryptography;
using System.Text;
using System.Windows.Forms;

namespace LoginFrame
{
    /*登录窗体：按用户表 U_UserInfo 核对用户名和密码，成功时以 DialogResult.OK 关闭*/
    public partial class FrmLogin : Form
    {
        public FrmLogin()
        {
            InitializeComponent();
        }

        /*密码按 UTF-8 取字节后做 MD5，结果写成 32 位大写十六进制，与 U_PassWord 中保存的形式相同*/
        public static string HashPassword(string password)
        {
            using (MD5 md5 = MD5.Create())
            {
                byte[] digest = md5.ComputeHash(Encoding.UTF8.GetBytes(password));
                StringBuilder hex = new StringBuilder(32);
                foreach (byte b in digest)
                    hex.Append(b.ToString("X2"));
                return hex.ToString();
            }
        }

        /*用户名存在且其中一条记录的密码摘要相符时返回 true；连接或查询失败时抛出异常*/
        private static bool CheckUser(string userName, string passwordHash)
        {
            DbParameter[] parm = { DAL.DBHelp.NewParameter("@U_Name", DbType.String) };
            parm[0].Value = userName;
            using (DbDataReader reader = DAL.DBHelp.ExecuteReader("select U_PassWord from U_UserInfo where U_Name=@U_Name", parm))
            {
                while (reader.Read())
                {
                    if (reader.IsDBNull(0))
                        continue;
                    if (reader.GetString(0).Trim().ToUpperInvariant() == passwordHash)
                        return true;
                }
            }
            return false;
        }

        /*把用户 userName 的密码摘要由 oldHash 改为 newHash：原密码的摘要相符时改写并返回 true，
          不符时什么也不改并返回 false；连接或语句失败时抛出异常*/
        public static bool ChangePassword(string userName, string oldHash, string newHash)
        {
            DbParameter[] parm = {
                DAL.DBHelp.NewParameter("@NewPassWord", DbType.String),
                DAL.DBHelp.NewParameter("@U_Name", DbType.String),
                DAL.DBHelp.NewParameter("@OldPassWord", DbType.String) };
            parm[0].Value = newHash;
            parm[1].Value = userName;
            parm[2].Value = oldHash;
            return DAL.DBHelp.ExecuteNonQuery("update U_UserInfo set U_PassWord=@NewPassWord " +
                "where U_Name=@U_Name and upper(ltrim(rtrim(U_PassWord)))=@OldPassWord", parm) > 0;
        }

        private void btn_Login_Click(object sender, EventArgs e)
        {
            string userName = this.txt_UserName.Text.Trim();
            if (userName == "")
            {
                MessageBox.Show("请输入用户名!", "提示", MessageBoxButtons.OK, MessageBoxIcon.Information);
                this.txt_UserName.Focus();
                return;
            }
            if (this.txt_PassWord.Text == "")
            {
                MessageBox.Show("请输入密码!", "提示", MessageBoxButtons.OK, MessageBoxIcon.Information);
                this.txt_PassWord.Focus();
                return;
            }

            bool passed;
            this.Cursor = Cursors.WaitCursor;
            try
            {
                passed = CheckUser(userName, HashPassword(this.txt_PassWord.Text));
            }
            catch (Exception ex)
            {
                this.Cursor = Cursors.Default;
                MessageBox.Show("无法打开数据库，请检查 App.config 中的连接字符串(数据库文件)，并确认已安装 SQLite 数据提供程序。\r\n\r\n" + ex.Message,
                    "数据库连接失败", MessageBoxButtons.OK, MessageBoxIcon.Error);
                return;
            }
            this.Cursor = Cursors.Default;

            if (!passed)
            {
                MessageBox.Show("用户名或密码错误!", "登录失败", MessageBoxButtons.OK, MessageBoxIcon.Warning);
                this.txt_PassWord.SelectAll();
                this.txt_PassWord.Focus();
                return;
            }
            Program.UserName = userName;
            this.DialogResult = DialogResult.OK;
        }

        private void btn_Exit_Click(object sender, EventArgs e)
        {
            this.DialogResult = DialogResult.Cancel;
        }
    }
}
