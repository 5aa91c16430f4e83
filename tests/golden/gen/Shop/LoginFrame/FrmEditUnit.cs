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
    public partial class FrmEditUnit : Form
    {
        public FrmEditUnit(String unitCode,FrmQueryUnit frmQueryUnit)
        {
            InitializeComponent();
            this.unitCode = unitCode;
            this.frmQueryUnit = frmQueryUnit;
        }
        private Unit unit;
        private String unitCode;
        private FrmQueryUnit frmQueryUnit;
        private void Btn_Update_Click(object sender, EventArgs e)
        { 
            try
            {
                if (BLL.bllUnit.EditUnit(unit))
                    MessageBox.Show("计量单位更新成功!");
                else
                    MessageBox.Show("计量单位更新失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("计量单位更新失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmEditUnit_Load(object sender, EventArgs e)
        {
            unit = BLL.bllUnit.getSomeUnit(unitCode);
            this.txt_unitCode.ReadOnly = true;
            this.txt_unitCode.Text = unit.unitCode;
        }
    }
}
