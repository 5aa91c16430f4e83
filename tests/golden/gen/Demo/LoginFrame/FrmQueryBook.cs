using System;
using System.Collections.Generic;
using System.ComponentModel;
using System.Data;
using System.Drawing;
using System.Linq;
using System.Text;
using System.Windows.Forms;

namespace LoginFrame
{
    public partial class FrmQueryBook : Form
    {
        public FrmQueryBook()
        {
            InitializeComponent();
        }
    }
}
