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
    public partial class FrmEditTag : Form
    {
        public FrmEditTag(int tagId,FrmQueryTag frmQueryTag)
        {
            InitializeComponent();
            this.tagId = tagId;
            this.frmQueryTag = frmQueryTag;
        }
        private Tag tag;
        private int tagId;
        private FrmQueryTag frmQueryTag;
        private void Btn_Update_Click(object sender, EventArgs e)
        { 
            try
            {
                if (BLL.bllTag.EditTag(tag))
                    MessageBox.Show("标签更新成功!");
                else
                    MessageBox.Show("标签更新失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("标签更新失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmEditTag_Load(object sender, EventArgs e)
        {
            tag = BLL.bllTag.getSomeTag(tagId);
            this.txt_tagId.ReadOnly = true;
            this.txt_tagId.Text = tag.tagId.ToString();
        }
    }
}
