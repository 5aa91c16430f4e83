using System;
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
            using (FrmLogin frmLogin = new FrmLogin())
            {
                if (frmLogin.ShowDialog() != DialogResult.OK)
                    return;
            }
            Application.Run(new Frm主面());
        }
    }
}
