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
    public partial class FrmAddBook : Form
    {
        public FrmAddBook()
        {
            InitializeComponent();
        }

        private Book book = new Book();
        private void btn_cover_Click(object sender, EventArgs e)
        {
            OpenFileDialog openFileDialog1 = new OpenFileDialog();
            try
            {
                openFileDialog1.InitialDirectory = Environment.GetFolderPath(Environment.SpecialFolder.MyComputer);
                openFileDialog1.Filter = "图片（*.jpg;*.bmp;*.gif,*.png）|*.jpg;*.bmp;*.gif;*.png";
                if (openFileDialog1.ShowDialog() == DialogResult.OK)
                {
                    this.txt_cover.Text = openFileDialog1.FileName;
                    pictureBox_cover.Image = Image.FromFile(txt_cover.Text);
                    pictureBox_cover.SizeMode = PictureBoxSizeMode.StretchImage;
                    FileStream fs = new FileStream(openFileDialog1.FileName, FileMode.Open, FileAccess.Read);
                    BinaryReader bw = new BinaryReader(fs);
                    book.cover = bw.ReadBytes((int)fs.Length);
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
                MessageBox.Show("书名输入不能为空!");
                this.txt_title.Focus();
                return;
            }
            book.title = this.txt_title.Text; //书名
            try
            {
                book.price = Convert.ToSingle(this.txt_price.Text);  //图书价格
            }
            catch
            {
                MessageBox.Show("价格请输入正确的格式!");
                this.txt_price.SelectAll();
                this.txt_price.Focus();
                return;
            }
            try
            {
                book.stock = Convert.ToInt32(this.txt_stock.Text);  //图书库存
            }
            catch
            {
                MessageBox.Show("库存请输入正确的格式!");
                this.txt_stock.SelectAll();
                this.txt_stock.Focus();
                return;
            }
            book.publishDate = this.dtp_publishDate.Value;
            if (this.cb_bookType.SelectedValue == null)
            {
                MessageBox.Show("图书类型输入不能为空!");
                this.cb_bookType.Focus();
                return;
            }
            book.bookType = Int32.Parse(this.cb_bookType.SelectedValue.ToString()); //图书类型
            try
            {
                if (BLL.bllBook.AddBook(book))
                    MessageBox.Show("图书添加成功!");
                else
                    MessageBox.Show("图书添加失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("图书添加失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

        private void FrmAddBook_Load(object sender, EventArgs e)
        {
            //查询所有的图书类型
            DataSet bookTypeDs = BLL.bllBookType.getAllBookType();
            this.cb_bookType.DataSource = bookTypeDs.Tables[0];
            this.cb_bookType.DisplayMember = "typeName";
            this.cb_bookType.ValueMember = "typeId";
            pictureBox_cover.Image = Image.FromFile("pic/NoImage.jpg");
            pictureBox_cover.SizeMode = PictureBoxSizeMode.StretchImage;
            FileStream cover_fs = new FileStream("pic/NoImage.jpg", FileMode.Open, FileAccess.Read);
            BinaryReader cover_bw = new BinaryReader(cover_fs);
            book.cover = cover_bw.ReadBytes((int)cover_fs.Length);
            cover_bw.Close();
        }
    }
}
