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
    public partial class FrmAddBookType : Form
    {
        public FrmAddBookType()
        {
            InitializeComponent();
        }

        private BookType bookType = new BookType();
        private void Btn_Add_Click(object sender, EventArgs e)
        {
            if (this.txt_typeName.Text == "")
            {
                MessageBox.Show("类型名称输入不能为空!");
                this.txt_typeName.Focus();
                return;
            }
            bookType.typeName = this.txt_typeName.Text; //类型名称
            try
            {
                if (BLL.bllBookType.AddBookType(bookType))
                    MessageBox.Show("图书类型添加成功!");
                else
                    MessageBox.Show("图书类型添加失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("图书类型添加失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmAddBookType_Load(object sender, EventArgs e)
        {
        }
    }
}
