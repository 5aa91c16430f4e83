<cs>
        //添加商品分类
        private void CategoryAdd_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmAddCategory frmAddCategory = new FrmAddCategory();
            frmAddCategory.ShowDialog();
        }
        //商品分类管理
        private void CategoryManage_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmQueryCategory frmQueryCategory = new FrmQueryCategory();
            frmQueryCategory.ShowDialog();
        }

        //添加标签
        private void TagAdd_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmAddTag frmAddTag = new FrmAddTag();
            frmAddTag.ShowDialog();
        }
        //标签管理
        private void TagManage_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmQueryTag frmQueryTag = new FrmQueryTag();
            frmQueryTag.ShowDialog();
        }

        //添加计量单位
        private void UnitAdd_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmAddUnit frmAddUnit = new FrmAddUnit();
            frmAddUnit.ShowDialog();
        }
        //计量单位管理
        private void UnitManage_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmQueryUnit frmQueryUnit = new FrmQueryUnit();
            frmQueryUnit.ShowDialog();
        }

        //添加调拨单
        private void TransferAdd_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmAddTransfer frmAddTransfer = new FrmAddTransfer();
            frmAddTransfer.ShowDialog();
        }
        //调拨单管理
        private void TransferManage_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmQueryTransfer frmQueryTransfer = new FrmQueryTransfer();
            frmQueryTransfer.ShowDialog();
        }

</cs>
