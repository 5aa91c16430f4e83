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
using Image = System.Drawing.Image;

namespace LoginFrame
{
    public partial class FrmAddImage : Form
    {
        public FrmAddImage()
        {
            InitializeComponent();
        }

        private Model.Image image = new Model.Image();
        private void Btn_Add_Click(object sender, EventArgs e)
        {
            if (this.txt_default.Text == "")
            {
                MessageBox.Show("默认输入不能为空!");
                this.txt_default.Focus();
                return;
            }
            image.@default = this.txt_default.Text; //默认
            if (this.cb_owner.SelectedValue == null)
            {
                MessageBox.Show("订单输入不能为空!");
                this.cb_owner.Focus();
                return;
            }
            image.owner = this.cb_owner.SelectedValue.ToString(); //订单
            if (this.cb_happening.SelectedValue == null)
            {
                MessageBox.Show("事件输入不能为空!");
                this.cb_happening.Focus();
                return;
            }
            image.happening = Int32.Parse(this.cb_happening.SelectedValue.ToString()); //事件
            try
            {
                if (BLL.bllImage.AddImage(image))
                    MessageBox.Show("图片添加成功!");
                else
                    MessageBox.Show("图片添加失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("图片添加失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmAddImage_Load(object sender, EventArgs e)
        {
            //查询所有的订单
            DataSet orderDs = BLL.bllOrder.getAllOrder();
            this.cb_owner.DataSource = orderDs.Tables[0];
            this.cb_owner.DisplayMember = "event";
            this.cb_owner.ValueMember = "order";
            //查询所有的事件
            DataSet eventDs = BLL.bllEvent.getAllEvent();
            this.cb_happening.DataSource = eventDs.Tables[0];
            this.cb_happening.DisplayMember = "title";
            this.cb_happening.ValueMember = "eventId";
        }
    }
}
