using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;
using System.Data.Common;
using System.Data;

using Model;

namespace DAL
{
    /*图书类型业务逻辑层实现*/
    public class dalBookType
    {
        /*待执行的sql语句*/
        public static string sql = "";

        /*添加图书类型实现*/
        public static bool AddBookType(BookType bookType)
        {
            string sql = "insert into BookType(typeName) values(@typeName)";
            /*构建sql参数*/
            DbParameter[] parm = new DbParameter[] {
             DBHelp.NewParameter("@typeName",DbType.String)
            };
            /*给参数赋值*/
            parm[0].Value = bookType.typeName; //类型名称

            /*执行sql进行添加*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }

        /*根据typeId获取某条图书类型记录*/
        public static BookType getSomeBookType(int typeId)
        {
            /*构建查询sql*/
            string sql = "select * from BookType where typeId=" + typeId;
            DbDataReader DataRead = DBHelp.ExecuteReader(sql, null);
            BookType bookType = new BookType();
            /*如果查询存在记录，就包装到对象中返回*/
            if (DataRead.Read())
            {
                bookType.typeId = Convert.ToInt32(DataRead["typeId"]);
                bookType.typeName = DataRead["typeName"].ToString();
            }
            DataRead.Close();
            return bookType;
        }

        /*更新图书类型实现*/
        public static bool EditBookType(BookType bookType)
        {
            string sql = "update BookType set typeName=@typeName where typeId=@typeId";
            /*构建sql参数信息*/
            DbParameter[] parm = new DbParameter[] {
             DBHelp.NewParameter("@typeName",DbType.String),
             DBHelp.NewParameter("@typeId",DbType.Int32)
            };
            /*为参数赋值*/
            parm[0].Value = bookType.typeName;
            parm[1].Value = bookType.typeId;
            /*执行更新*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }


        /*删除图书类型*/
        public static bool DelBookType(string p)
        {
            p = string.Join(",", Array.ConvertAll(p.Split(','), int.Parse));
            string sql = "delete from BookType where typeId in (" + p + ") ";
            return ((DBHelp.ExecuteNonQuery(sql, null)) > 0) ? true : false;
        }

        /*按主键列表删除图书类型：每个主键各是一个参数，按原样比较*/
        public static bool DelBookType(List<string> keys)
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
            string sql = "delete from BookType where typeId in (" + string.Join(",", names) + ")";
            return ((DBHelp.ExecuteNonQuery(sql, parm)) > 0) ? true : false;
        }


        /*查询图书类型*/
        public static System.Data.DataTable GetBookType(int PageIndex, int PageSize, out int PageCount, out int RecordCount, string strWhere)
        {
            try
            {
                string strSql = " select BookType.* from BookType where 1=1";
                string strShow = "typeId as 类型编号,typeName as 类型名称";
                return DAL.DBHelp.ExecutePager(PageIndex, PageSize, "typeId", strShow, strSql, strWhere, " typeId asc ", out PageCount, out RecordCount);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


        public static DataSet getAllBookType()
        {
            try
            {
                string strSql = "select * from BookType";
                return DBHelp.ExecuteDataSet(strSql, null);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


    }
}
