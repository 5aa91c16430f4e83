using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;

namespace Model
{
    /// <summary>
    ///Dept 的摘要说明：部门实体
    /// </summary>

    public class Dept
    {
        /*部门编号*/
        private int _deptId;
        public int deptId
        {
            get { return _deptId; }
            set { _deptId = value; }
        }

        /*部门名称*/
        private string _deptName;
        public string deptName
        {
            get { return _deptName; }
            set { _deptName = value; }
        }

        /*上级部门*/
        private int? _parent;
        public int? parent
        {
            get { return _parent; }
            set { _parent = value; }
        }

    }
}
