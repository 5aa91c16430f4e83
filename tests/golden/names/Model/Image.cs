using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;

namespace Model
{
    /// <summary>
    ///Image 的摘要说明：图片实体
    /// </summary>

    public class Image
    {
        /*键*/
        private int _key;
        public int key
        {
            get { return _key; }
            set { _key = value; }
        }

        /*默认*/
        private string _default;
        public string @default
        {
            get { return _default; }
            set { _default = value; }
        }

        /*订单*/
        private string _owner;
        public string owner
        {
            get { return _owner; }
            set { _owner = value; }
        }

        /*事件*/
        private int _happening;
        public int happening
        {
            get { return _happening; }
            set { _happening = value; }
        }

    }
}
