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
    public partial class FrmEditBookType : Form
    {
        public FrmEditBookType(int typeId,FrmQueryBookType frmQueryBookType)
        {
            InitializeComponent();
            this.typeId = typeId;
            this.frmQueryBookType = frmQueryBookType;
        }
        private BookType bookType;
        private int typeId;
        private FrmQueryBookType frmQueryBookType;
        private void Btn_Update_Click(object sender, EventArgs e)
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
                if (BLL.bllBookType.EditBookType(bookType))
                    MessageBox.Show("图书类型更新成功!");
                else
                    MessageBox.Show("图书类型更新失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("图书类型更新失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmEditBookType_Load(object sender, EventArgs e)
        {
            bookType = BLL.bllBookType.getSomeBookType(typeId);
            this.txt_typeId.ReadOnly = true;
            this.txt_typeId.Text = bookType.typeId.ToString();
            this.txt_typeName.Text = bookType.typeName;
        }
    }
}
