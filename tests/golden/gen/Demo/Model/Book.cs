using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;

namespace Model
{
    /// <summary>
    ///Book 的摘要说明：图书实体
    /// </summary>

    public class Book
    {
        /*图书编号*/
        private int _bookId;
        public int bookId
        {
            get { return _bookId; }
            set { _bookId = value; }
        }

        /*书名*/
        private string _title;
        public string title
        {
            get { return _title; }
            set { _title = value; }
        }

        /*价格*/
        private float _price;
        public float price
        {
            get { return _price; }
            set { _price = value; }
        }

        /*库存*/
        private int _stock;
        public int stock
        {
            get { return _stock; }
            set { _stock = value; }
        }

        /*出版日期*/
        private DateTime _publishDate;
        public DateTime publishDate
        {
            get { return _publishDate; }
            set { _publishDate = value; }
        }

        /*封面*/
        private byte[] _cover;
        public byte[] cover
        {
            get { return _cover; }
            set { _cover = value; }
        }

        /*图书类型*/
        private int _bookType;
        public int bookType
        {
            get { return _bookType; }
            set { _bookType = value; }
        }

    }
}
