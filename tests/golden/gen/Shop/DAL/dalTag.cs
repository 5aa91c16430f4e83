using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;
using System.Data.SqlClient;
using System.Data;

using Model;

namespace DAL
{
    /*标签业务逻辑层实现*/
    public class dalTag
    {
        /*待执行的sql语句*/
        public static string sql = "";

        /*添加标签实现*/
        public static bool AddTag(Tag tag)
        {
            string sql = "insert into Tag default values";
            /*构建sql参数*/
            SqlParameter[] parm = new SqlParameter[] {
            };
            /*给参数赋值*/

            /*执行sql进行添加*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }

        /*根据tagId获取某条标签记录*/
        public static Tag getSomeTag(int tagId)
        {
            /*构建查询sql*/
            string sql = "select * from Tag where tagId=" + tagId;
            SqlDataReader DataRead = DBHelp.ExecuteReader(sql, null);
            Tag tag = new Tag();
            /*如果查询存在记录，就包装到对象中返回*/
            if (DataRead.Read())
            {
                tag.tagId = Convert.ToInt32(DataRead["tagId"]);
            }
            DataRead.Close();
            return tag;
        }

        /*更新标签实现*/
        public static bool EditTag(Tag tag)
        {
            string sql = "update Tag set @tagId=@tagId where tagId=@tagId";
            /*构建sql参数信息*/
            SqlParameter[] parm = new SqlParameter[] {
             new SqlParameter("@tagId",SqlDbType.Int)
            };
            /*为参数赋值*/
            parm[0].Value = tag.tagId;
            /*执行更新*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }


        /*删除标签*/
        public static bool DelTag(string p)
        {
            p = string.Join(",", Array.ConvertAll(p.Split(','), int.Parse));
            string sql = "delete from Tag where tagId in (" + p + ") ";
            return ((DBHelp.ExecuteNonQuery(sql, null)) > 0) ? true : false;
        }

        /*按主键列表删除标签：每个主键各是一个参数，按原样比较*/
        public static bool DelTag(List<string> keys)
        {
            if (keys == null || keys.Count == 0)
                return false;
            SqlParameter[] parm = new SqlParameter[keys.Count];
            string[] names = new string[keys.Count];
            for (int i = 0; i < keys.Count; i++)
            {
                names[i] = "@key" + i;
                parm[i] = new SqlParameter(names[i],SqlDbType.Int);
                parm[i].Value = int.Parse(keys[i]);
            }
            string sql = "delete from Tag where tagId in (" + string.Join(",", names) + ")";
            return ((DBHelp.ExecuteNonQuery(sql, parm)) > 0) ? true : false;
        }


        /*查询标签*/
        public static System.Data.DataTable GetTag(int PageIndex, int PageSize, out int PageCount, out int RecordCount, string strWhere)
        {
            try
            {
                string strSql = " select Tag.* from Tag where 1=1";
                string strShow = "tagId as 标签编号";
                return DAL.DBHelp.ExecutePager(PageIndex, PageSize, "tagId", strShow, strSql, strWhere, " tagId asc ", out PageCount, out RecordCount);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


        public static DataSet getAllTag()
        {
            try
            {
                string strSql = "select * from Tag";
                return DBHelp.ExecuteDataSet(strSql, null);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


    }
}
