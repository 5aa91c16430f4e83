<cs>
        //添加图书类型
        private void BookTypeAdd_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmAddBookType frmAddBookType = new FrmAddBookType();
            frmAddBookType.ShowDialog();
        }
        //图书类型管理
        private void BookTypeManage_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmQueryBookType frmQueryBookType = new FrmQueryBookType();
            frmQueryBookType.ShowDialog();
        }

        //添加图书
        private void BookAdd_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmAddBook frmAddBook = new FrmAddBook();
            frmAddBook.ShowDialog();
        }
        //图书管理
        private void BookManage_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmQueryBook frmQueryBook = new FrmQueryBook();
            frmQueryBook.ShowDialog();
        }

</cs>
