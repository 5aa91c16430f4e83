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
    public partial class FrmEditOrder : Form
    {
        public FrmEditOrder(String order,FrmQueryOrder frmQueryOrder)
        {
            InitializeComponent();
            this.order = order;
            this.frmQueryOrder = frmQueryOrder;
        }
        private Order order_;
        private String order;
        private FrmQueryOrder frmQueryOrder;
        private void Btn_Update_Click(object sender, EventArgs e)
        { 
            if (this.txt_event.Text == "")
            {
                MessageBox.Show("事件名输入不能为空!");
                this.txt_event.Focus();
                return;
            }
            order_.@event = this.txt_event.Text; //事件名
            order_.end = this.dtp_end.Value;
            try
            {
                if (BLL.bllOrder.EditOrder(order_))
                    MessageBox.Show("订单更新成功!");
                else
                    MessageBox.Show("订单更新失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("订单更新失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmEditOrder_Load(object sender, EventArgs e)
        {
            order_ = BLL.bllOrder.getSomeOrder(order);
            this.txt_order.ReadOnly = true;
            this.txt_order.Text = order_.order;
            this.txt_event.Text = order_.@event;
            if (order_.end != DateTime.MinValue) this.dtp_end.Value = order_.end;
        }
    }
}
