using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;
using System.Data.Common;
using System.Data;

using Model;

namespace DAL
{
    /*图书业务逻辑层实现*/
    public class dalBook
    {
        /*待执行的sql语句*/
        public static string sql = "";

        /*添加图书实现*/
        public static bool AddBook(Book book)
        {
            string sql = "insert into Book(title,price,stock,publishDate,cover,bookType) values(@title,@price,@stock,@publishDate,@cover,@bookType)";
            /*构建sql参数*/
            DbParameter[] parm = new DbParameter[] {
             DBHelp.NewParameter("@title",DbType.String),
             DBHelp.NewParameter("@price",DbType.Double),
             DBHelp.NewParameter("@stock",DbType.Int32),
             DBHelp.NewParameter("@publishDate",DbType.DateTime),
             DBHelp.NewParameter("@cover",DbType.Binary),
             DBHelp.NewParameter("@bookType",DbType.Int32)
            };
            /*给参数赋值*/
            parm[0].Value = book.title; //书名
            parm[1].Value = book.price; //价格
            parm[2].Value = book.stock; //库存
            parm[3].Value = book.publishDate; //出版日期
            parm[4].Value = book.cover; //封面
            parm[5].Value = book.bookType; //图书类型

            /*执行sql进行添加*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }

        /*根据bookId获取某条图书记录*/
        public static Book getSomeBook(int bookId)
        {
            /*构建查询sql*/
            string sql = "select * from Book where bookId=" + bookId;
            DbDataReader DataRead = DBHelp.ExecuteReader(sql, null);
            Book book = new Book();
            /*如果查询存在记录，就包装到对象中返回*/
            if (DataRead.Read())
            {
                book.bookId = Convert.ToInt32(DataRead["bookId"]);
                book.title = DataRead["title"].ToString();
                book.price = float.Parse(DataRead["price"].ToString());
                book.stock = Convert.ToInt32(DataRead["stock"]);
                if (!(DataRead["publishDate"] is DBNull)) book.publishDate = Convert.ToDateTime(DataRead["publishDate"].ToString());
                if (!(DataRead["cover"] is DBNull)) book.cover = (byte[])DataRead["cover"];
                book.bookType = Convert.ToInt32(DataRead["bookType"]);
            }
            DataRead.Close();
            return book;
        }

        /*更新图书实现*/
        public static bool EditBook(Book book)
        {
            string sql = "update Book set title=@title,price=@price,stock=@stock,publishDate=@publishDate,cover=@cover,bookType=@bookType where bookId=@bookId";
            /*构建sql参数信息*/
            DbParameter[] parm = new DbParameter[] {
             DBHelp.NewParameter("@title",DbType.String),
             DBHelp.NewParameter("@price",DbType.Double),
             DBHelp.NewParameter("@stock",DbType.Int32),
             DBHelp.NewParameter("@publishDate",DbType.DateTime),
             DBHelp.NewParameter("@cover",DbType.Binary),
             DBHelp.NewParameter("@bookType",DbType.Int32),
             DBHelp.NewParameter("@bookId",DbType.Int32)
            };
            /*为参数赋值*/
            parm[0].Value = book.title;
            parm[1].Value = book.price;
            parm[2].Value = book.stock;
            parm[3].Value = book.publishDate;
            parm[4].Value = book.cover;
            parm[5].Value = book.bookType;
            parm[6].Value = book.bookId;
            /*执行更新*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }


        /*删除图书*/
        public static bool DelBook(string p)
        {
            p = string.Join(",", Array.ConvertAll(p.Split(','), int.Parse));
            string sql = "delete from Book where bookId in (" + p + ") ";
            return ((DBHelp.ExecuteNonQuery(sql, null)) > 0) ? true : false;
        }

        /*按主键列表删除图书：每个主键各是一个参数，按原样比较*/
        public static bool DelBook(List<string> keys)
        {
            if (keys == null || keys.Count == 0)
                return false;
            DbParameter[] parm = new DbParameter[keys.Count];
            string[] names = new string[keys.Count];
            for (int i = 0; i < keys.Count; i++)
            {
                names[i] = "@key" + i;
                parm[i] = DBHelp.NewParameter(names[i],DbType.Int32);
                parm[i].Value = int.Parse(keys[i]);
            }
            string sql = "delete from Book where bookId in (" + string.Join(",", names) + ")";
            return ((DBHelp.ExecuteNonQuery(sql, parm)) > 0) ? true : false;
        }


        /*查询图书*/
        public static System.Data.DataTable GetBook(int PageIndex, int PageSize, out int PageCount, out int RecordCount, string strWhere)
        {
            try
            {
                string strSql = " select Book.*,BookType.typeName from Book,BookType where 1=1 and  Book.bookType=BookType.typeId";
                string strShow = "bookId as 图书编号,title as 书名,price as 价格,stock as 库存,substr(publishDate,1,10) as 出版日期,typeName as 图书类型";
                return DAL.DBHelp.ExecutePager(PageIndex, PageSize, "bookId", strShow, strSql, strWhere, " bookId asc ", out PageCount, out RecordCount);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


        public static DataSet getAllBook()
        {
            try
            {
                string strSql = "select * from Book";
                return DBHelp.ExecuteDataSet(strSql, null);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


    }
}
