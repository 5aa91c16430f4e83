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
    public partial class FrmAddUnit : Form
    {
        public FrmAddUnit()
        {
            InitializeComponent();
        }

        private Unit unit = new Unit();
        private void Btn_Add_Click(object sender, EventArgs e)
        {
            if (this.txt_unitCode.Text == "")
            {
                MessageBox.Show("输入不能为空!");
                this.txt_unitCode.Focus();
                return;
            }
            unit.unitCode = this.txt_unitCode.Text;  //
            try
            {
                if (BLL.bllUnit.AddUnit(unit))
                    MessageBox.Show("计量单位添加成功!");
                else
                    MessageBox.Show("计量单位添加失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("计量单位添加失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmAddUnit_Load(object sender, EventArgs e)
        {
        }
    }
}
