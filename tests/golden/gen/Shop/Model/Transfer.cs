using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;

namespace Model
{
    /// <summary>
    ///Transfer 的摘要说明：调拨单实体
    /// </summary>

    public class Transfer
    {
        /*调拨单号*/
        private int _transferId;
        public int transferId
        {
            get { return _transferId; }
            set { _transferId = value; }
        }

        /*调出分类*/
        private string _fromCategory;
        public string fromCategory
        {
            get { return _fromCategory; }
            set { _fromCategory = value; }
        }

        /*调入分类(目标)*/
        private string _toCategory;
        public string toCategory
        {
            get { return _toCategory; }
            set { _toCategory = value; }
        }

        /*备注名称*/
        private string _catName;
        public string catName
        {
            get { return _catName; }
            set { _catName = value; }
        }

        /*数量*/
        private float _amount;
        public float amount
        {
            get { return _amount; }
            set { _amount = value; }
        }

        /*标签*/
        private int _tag;
        public int tag
        {
            get { return _tag; }
            set { _tag = value; }
        }

        /*单位*/
        private string _unit;
        public string unit
        {
            get { return _unit; }
            set { _unit = value; }
        }

        /**/
        private DateTime _made;
        public DateTime made
        {
            get { return _made; }
            set { _made = value; }
        }

    }
}
