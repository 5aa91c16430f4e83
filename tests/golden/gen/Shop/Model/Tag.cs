using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;

namespace Model
{
    /// <summary>
    ///Tag 的摘要说明：标签实体
    /// </summary>

    public class Tag
    {
        /*标签编号*/
        private int _tagId;
        public int tagId
        {
            get { return _tagId; }
            set { _tagId = value; }
        }

    }
}
