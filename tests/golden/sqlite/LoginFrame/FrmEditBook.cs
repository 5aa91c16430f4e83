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
    public partial class FrmEditBook : Form
    {
        public FrmEditBook(int bookId,FrmQueryBook frmQueryBook)
        {
            InitializeComponent();
            this.bookId = bookId;
            this.frmQueryBook = frmQueryBook;
        }
        private Book book;
        private int bookId;
        private FrmQueryBook frmQueryBook;
        private void Btn_Update_Click(object sender, EventArgs e)
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
                if (BLL.bllBook.EditBook(book))
                    MessageBox.Show("图书更新成功!");
                else
                    MessageBox.Show("图书更新失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("图书更新失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

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

        private void FrmEditBook_Load(object sender, EventArgs e)
        {
            book = BLL.bllBook.getSomeBook(bookId);
            //查询所有的图书类型
            DataSet bookTypeDs = BLL.bllBookType.getAllBookType();
            this.cb_bookType.DataSource = bookTypeDs.Tables[0];
            this.cb_bookType.DisplayMember = "typeName";
            this.cb_bookType.ValueMember = "typeId";
            this.cb_bookType.SelectedValue = Convert.ChangeType(book.bookType, bookTypeDs.Tables[0].Columns["typeId"].DataType);
            this.txt_bookId.ReadOnly = true;
            this.txt_bookId.Text = book.bookId.ToString();
            this.txt_title.Text = book.title;
            this.txt_price.Text = book.price.ToString();
            this.txt_stock.Text = book.stock.ToString();
            if (book.publishDate != DateTime.MinValue) this.dtp_publishDate.Value = book.publishDate;
            byte[] cover = (byte[])(book.cover);
            if (cover != null)
            {
                MemoryStream ms_cover = new MemoryStream(cover);
                pictureBox_cover.Image = Image.FromStream(ms_cover);
            }
        }
    }
}
