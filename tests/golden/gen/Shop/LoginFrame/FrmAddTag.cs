using System;
using System.Collections.Generic;
using System.ComponentModel;
using System.Data;
using System.Drawing;
using System.Linq;
using System.Text;
using System.Windows.Forms;
using System.IO;

using Model;

namespace LoginFrame
{
    public partial class FrmAddTag : Form
    {
        public FrmAddTag()
        {
            InitializeComponent();
        }

        private Tag tag = new Tag();
        private void Btn_Add_Click(object sender, EventArgs e)
        {
            try
            {
                if (BLL.bllTag.AddTag(tag))
                    MessageBox.Show("标签添加成功!");
                else
                    MessageBox.Show("标签添加失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("标签添加失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmAddTag_Load(object sender, EventArgs e)
        {
        }
    }
}
