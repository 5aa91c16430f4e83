using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;

namespace Model
{
    /// <summary>
    ///Category 的摘要说明：商品分类实体
    /// </summary>

    public class Category
    {
        /*分类名称*/
        private string _catName;
        public string catName
        {
            get { return _catName; }
            set { _catName = value; }
        }

        /*分类代码*/
        private string _catCode;
        public string catCode
        {
            get { return _catCode; }
            set { _catCode = value; }
        }

        /**/
        private string _remark;
        public string remark
        {
            get { return _remark; }
            set { _remark = value; }
        }

    }
}
