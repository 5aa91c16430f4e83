using System;
using System.Threading;
using System.Windows.Forms;

namespace LoginFrame
{
    static class Program
    {
        /*登录成功的用户名，主界面在状态栏中显示*/
        public static string UserName = "";

        /// <summary>
        /// 应用程序的主入口点：先登录，登录成功后打开主界面。
        /// </summary>
        [STAThread]
        static void Main()
        {
            Application.EnableVisualStyles();
            Application.SetCompatibleTextRenderingDefault(false);
            /*数据库操作失败(违反约束、数据库文件被锁、找不到数据提供程序)时提示原因，程序继续运行*/
            Application.SetUnhandledExceptionMode(UnhandledExceptionMode.CatchException);
            Application.ThreadException += delegate(object sender, ThreadExceptionEventArgs e)
            {
                MessageBox.Show("操作失败: " + e.Exception.Message, "错误", MessageBoxButtons.OK, MessageBoxIcon.Error);
            };
            using (FrmLogin frmLogin = new FrmLogin())
            {
                if (frmLogin.ShowDialog() != DialogResult.OK)
                    return;
            }
            Application.Run(new Frm主面());
        }
    }
}
