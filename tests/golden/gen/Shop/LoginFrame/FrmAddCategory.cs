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
    public partial class FrmAddCategory : Form
    {
        public FrmAddCategory()
        {
            InitializeComponent();
        }

        private Category category = new Category();
        private void Btn_Add_Click(object sender, EventArgs e)
        {
            if (this.txt_catCode.Text == "")
            {
                MessageBox.Show("分类代码输入不能为空!");
                this.txt_catCode.Focus();
                return;
            }
            category.catCode = this.txt_catCode.Text;  //分类代码
            if (this.txt_catName.Text == "")
            {
                MessageBox.Show("分类名称输入不能为空!");
                this.txt_catName.Focus();
                return;
            }
            category.catName = this.txt_catName.Text; //分类名称
            if (this.txt_remark.Text == "")
            {
                MessageBox.Show("输入不能为空!");
                this.txt_remark.Focus();
                return;
            }
            category.remark = this.txt_remark.Text; //
            try
            {
                if (BLL.bllCategory.AddCategory(category))
                    MessageBox.Show("商品分类添加成功!");
                else
                    MessageBox.Show("商品分类添加失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("商品分类添加失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmAddCategory_Load(object sender, EventArgs e)
        {
        }
    }
}
