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
    public partial class FrmAddEvent : Form
    {
        public FrmAddEvent()
        {
            InitializeComponent();
        }

        private Event @event = new Event();
        private void btn_photo_Click(object sender, EventArgs e)
        {
            OpenFileDialog openFileDialog1 = new OpenFileDialog();
            try
            {
                openFileDialog1.InitialDirectory = Environment.GetFolderPath(Environment.SpecialFolder.MyComputer);
                openFileDialog1.Filter = "图片（*.jpg;*.bmp;*.gif,*.png）|*.jpg;*.bmp;*.gif;*.png";
                if (openFileDialog1.ShowDialog() == DialogResult.OK)
                {
                    this.txt_photo.Text = openFileDialog1.FileName;
                    pictureBox_photo.Image = Image.FromFile(txt_photo.Text);
                    pictureBox_photo.SizeMode = PictureBoxSizeMode.StretchImage;
                    FileStream fs = new FileStream(openFileDialog1.FileName, FileMode.Open, FileAccess.Read);
                    BinaryReader bw = new BinaryReader(fs);
                    @event.photo = bw.ReadBytes((int)fs.Length);
                    bw.Close();
                }
            }
            catch
            {
                MessageBox.Show("请选择正确的图片格式", "提示", MessageBoxButtons.OK, MessageBoxIcon.Asterisk);
            }
        }

        private void Btn_Add_Click(object sender, EventArgs e)
        {
            if (this.txt_title.Text == "")
            {
                MessageBox.Show("标题输入不能为空!");
                this.txt_title.Focus();
                return;
            }
            @event.title = this.txt_title.Text; //标题
            try
            {
                if (BLL.bllEvent.AddEvent(@event))
                    MessageBox.Show("事件添加成功!");
                else
                    MessageBox.Show("事件添加失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("事件添加失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmAddEvent_Load(object sender, EventArgs e)
        {
            pictureBox_photo.Image = Image.FromFile("pic/NoImage.jpg");
            pictureBox_photo.SizeMode = PictureBoxSizeMode.StretchImage;
            FileStream photo_fs = new FileStream("pic/NoImage.jpg", FileMode.Open, FileAccess.Read);
            BinaryReader photo_bw = new BinaryReader(photo_fs);
            @event.photo = photo_bw.ReadBytes((int)photo_fs.Length);
            photo_bw.Close();
        }
    }
}
