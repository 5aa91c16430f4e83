using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;

namespace Model
{
    /// <summary>
    ///Unit 的摘要说明：计量单位实体
    /// </summary>

    public class Unit
    {
        /**/
        private string _unitCode;
        public string unitCode
        {
            get { return _unitCode; }
            set { _unitCode = value; }
        }

    }
}
