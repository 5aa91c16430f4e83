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
    public partial class FrmEditCategory : Form
    {
        public FrmEditCategory(String catCode,FrmQueryCategory frmQueryCategory)
        {
            InitializeComponent();
            this.catCode = catCode;
            this.frmQueryCategory = frmQueryCategory;
        }
        private Category category;
        private String catCode;
        private FrmQueryCategory frmQueryCategory;
        private void Btn_Update_Click(object sender, EventArgs e)
        { 
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
                if (BLL.bllCategory.EditCategory(category))
                    MessageBox.Show("商品分类更新成功!");
                else
                    MessageBox.Show("商品分类更新失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("商品分类更新失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmEditCategory_Load(object sender, EventArgs e)
        {
            category = BLL.bllCategory.getSomeCategory(catCode);
            this.txt_catCode.ReadOnly = true;
            this.txt_catName.Text = category.catName;
            this.txt_catCode.Text = category.catCode;
            this.txt_remark.Text = category.remark;
        }
    }
}
