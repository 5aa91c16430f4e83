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
    public partial class FrmEditTransfer : Form
    {
        public FrmEditTransfer(int transferId,FrmQueryTransfer frmQueryTransfer)
        {
            InitializeComponent();
            this.transferId = transferId;
            this.frmQueryTransfer = frmQueryTransfer;
        }
        private Transfer transfer;
        private int transferId;
        private FrmQueryTransfer frmQueryTransfer;
        private void Btn_Update_Click(object sender, EventArgs e)
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
                if (BLL.bllTransfer.EditTransfer(transfer))
                    MessageBox.Show("调拨单更新成功!");
                else
                    MessageBox.Show("调拨单更新失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("调拨单更新失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmEditTransfer_Load(object sender, EventArgs e)
        {
            transfer = BLL.bllTransfer.getSomeTransfer(transferId);
            //查询所有的商品分类
            DataSet categoryDs = BLL.bllCategory.getAllCategory();
            this.cb_fromCategory.DataSource = categoryDs.Tables[0];
            this.cb_fromCategory.DisplayMember = "catName";
            this.cb_fromCategory.ValueMember = "catCode";
            this.cb_fromCategory.SelectedValue = transfer.fromCategory.ToString();
            //查询所有的商品分类
            categoryDs = BLL.bllCategory.getAllCategory();
            this.cb_toCategory.DataSource = categoryDs.Tables[0];
            this.cb_toCategory.DisplayMember = "catName";
            this.cb_toCategory.ValueMember = "catCode";
            this.cb_toCategory.SelectedValue = transfer.toCategory.ToString();
            //查询所有的标签
            DataSet tagDs = BLL.bllTag.getAllTag();
            this.cb_tag.DataSource = tagDs.Tables[0];
            this.cb_tag.DisplayMember = "tagId";
            this.cb_tag.ValueMember = "tagId";
            this.cb_tag.SelectedValue = transfer.tag.ToString();
            //查询所有的计量单位
            DataSet unitDs = BLL.bllUnit.getAllUnit();
            this.cb_unit.DataSource = unitDs.Tables[0];
            this.cb_unit.DisplayMember = "unitCode";
            this.cb_unit.ValueMember = "unitCode";
            this.cb_unit.SelectedValue = transfer.unit.ToString();
            this.txt_transferId.ReadOnly = true;
            this.txt_transferId.Text = transfer.transferId.ToString();
            this.txt_catName.Text = transfer.catName;
            this.txt_amount.Text = transfer.amount.ToString();
            if (transfer.made != DateTime.MinValue) this.dtp_made.Value = transfer.made;
        }
    }
}
