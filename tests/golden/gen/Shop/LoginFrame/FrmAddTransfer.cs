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
    public partial class FrmAddTransfer : Form
    {
        public FrmAddTransfer()
        {
            InitializeComponent();
        }

        private Transfer transfer = new Transfer();
        private void Btn_Add_Click(object sender, EventArgs e)
        {
            if (this.cb_fromCategory.SelectedValue == null)
            {
                MessageBox.Show("调出分类输入不能为空!");
                this.cb_fromCategory.Focus();
                return;
            }
            transfer.fromCategory = this.cb_fromCategory.SelectedValue.ToString(); //调出分类
            if (this.cb_toCategory.SelectedValue == null)
            {
                MessageBox.Show("调入分类(目标)输入不能为空!");
                this.cb_toCategory.Focus();
                return;
            }
            transfer.toCategory = this.cb_toCategory.SelectedValue.ToString(); //调入分类(目标)
            if (this.txt_catName.Text == "")
            {
                MessageBox.Show("备注名称输入不能为空!");
                this.txt_catName.Focus();
                return;
            }
            transfer.catName = this.txt_catName.Text; //备注名称
            try
            {
                transfer.amount = Convert.ToSingle(this.txt_amount.Text);  //图书价格
            }
            catch
            {
                MessageBox.Show("数量请输入正确的格式!");
                this.txt_amount.SelectAll();
                this.txt_amount.Focus();
                return;
            }
            if (this.cb_tag.SelectedValue == null)
            {
                MessageBox.Show("标签输入不能为空!");
                this.cb_tag.Focus();
                return;
            }
            transfer.tag = Int32.Parse(this.cb_tag.SelectedValue.ToString()); //标签
            if (this.cb_unit.SelectedValue == null)
            {
                MessageBox.Show("单位输入不能为空!");
                this.cb_unit.Focus();
                return;
            }
            transfer.unit = this.cb_unit.SelectedValue.ToString(); //单位
            transfer.made = this.dtp_made.Value;
            try
            {
                if (BLL.bllTransfer.AddTransfer(transfer))
                    MessageBox.Show("调拨单添加成功!");
                else
                    MessageBox.Show("调拨单添加失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("调拨单添加失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmAddTransfer_Load(object sender, EventArgs e)
        {
            //查询所有的商品分类
            DataSet categoryDs = BLL.bllCategory.getAllCategory();
            this.cb_fromCategory.DataSource = categoryDs.Tables[0];
            this.cb_fromCategory.DisplayMember = "catName";
            this.cb_fromCategory.ValueMember = "catCode";
            //查询所有的商品分类
            categoryDs = BLL.bllCategory.getAllCategory();
            this.cb_toCategory.DataSource = categoryDs.Tables[0];
            this.cb_toCategory.DisplayMember = "catName";
            this.cb_toCategory.ValueMember = "catCode";
            //查询所有的标签
            DataSet tagDs = BLL.bllTag.getAllTag();
            this.cb_tag.DataSource = tagDs.Tables[0];
            this.cb_tag.DisplayMember = "tagId";
            this.cb_tag.ValueMember = "tagId";
            //查询所有的计量单位
            DataSet unitDs = BLL.bllUnit.getAllUnit();
            this.cb_unit.DataSource = unitDs.Tables[0];
            this.cb_unit.DisplayMember = "unitCode";
            this.cb_unit.ValueMember = "unitCode";
        }
    }
}
