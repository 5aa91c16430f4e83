using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;
using System.Data.SqlClient;
using System.Data;

using Model;

namespace DAL
{
    /*商品分类业务逻辑层实现*/
    public class dalCategory
    {
        /*待执行的sql语句*/
        public static string sql = "";

        /*添加商品分类实现*/
        public static bool AddCategory(Category category)
        {
            string sql = "insert into Category(catName,catCode,remark) values(@catName,@catCode,@remark)";
            /*构建sql参数*/
            SqlParameter[] parm = new SqlParameter[] {
             new SqlParameter("@catName",SqlDbType.VarChar),
             new SqlParameter("@catCode",SqlDbType.VarChar),
             new SqlParameter("@remark",SqlDbType.VarChar)
            };
            /*给参数赋值*/
            parm[0].Value = category.catName; //分类名称
            parm[1].Value = category.catCode; //分类代码
            parm[2].Value = category.remark; //

            /*执行sql进行添加*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }

        /*根据catCode获取某条商品分类记录*/
        public static Category getSomeCategory(string catCode)
        {
            /*构建查询sql*/
            string sql = "select * from Category where catCode='" + catCode.Replace("'", "''") + "'"; 
            SqlDataReader DataRead = DBHelp.ExecuteReader(sql, null);
            Category category = new Category();
            /*如果查询存在记录，就包装到对象中返回*/
            if (DataRead.Read())
            {
                category.catName = DataRead["catName"].ToString();
                category.catCode = DataRead["catCode"].ToString();
                category.remark = DataRead["remark"].ToString();
            }
            DataRead.Close();
            return category;
        }

        /*更新商品分类实现*/
        public static bool EditCategory(Category category)
        {
            string sql = "update Category set catName=@catName,remark=@remark where catCode=@catCode";
            /*构建sql参数信息*/
            SqlParameter[] parm = new SqlParameter[] {
             new SqlParameter("@catName",SqlDbType.VarChar),
             new SqlParameter("@remark",SqlDbType.VarChar),
             new SqlParameter("@catCode",SqlDbType.VarChar)
            };
            /*为参数赋值*/
            parm[0].Value = category.catName;
            parm[1].Value = category.remark;
            parm[2].Value = category.catCode;
            /*执行更新*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }


        /*删除商品分类*/
        public static bool DelCategory(string p)
        {
            string sql = "";
            string[] ids = p.Split(',');
            for(int i=0;i<ids.Length;i++)
            {
                if(i != ids.Length-1)
                  sql += "'" + ids[i].Replace("'", "''") + "',";
                else
                  sql += "'" + ids[i].Replace("'", "''") + "'";
            }
            sql = "delete from Category where catCode in (" + sql + ")";
            return ((DBHelp.ExecuteNonQuery(sql, null)) > 0) ? true : false;
        }

        /*按主键列表删除商品分类：每个主键各是一个参数，按原样比较*/
        public static bool DelCategory(List<string> keys)
        {
            if (keys == null || keys.Count == 0)
                return false;
            SqlParameter[] parm = new SqlParameter[keys.Count];
            string[] names = new string[keys.Count];
            for (int i = 0; i < keys.Count; i++)
            {
                names[i] = "@key" + i;
                parm[i] = new SqlParameter(names[i],SqlDbType.VarChar);
                parm[i].Value = keys[i];
            }
            string sql = "delete from Category where catCode in (" + string.Join(",", names) + ")";
            return ((DBHelp.ExecuteNonQuery(sql, parm)) > 0) ? true : false;
        }


        /*查询商品分类*/
        public static System.Data.DataTable GetCategory(int PageIndex, int PageSize, out int PageCount, out int RecordCount, string strWhere)
        {
            try
            {
                string strSql = " select Category.* from Category where 1=1";
                string strShow = "catCode as 分类代码,catName as 分类名称,remark as remark";
                return DAL.DBHelp.ExecutePagerWhenPrimaryIsString(PageIndex, PageSize, "catCode", strShow, strSql, strWhere, " catCode asc ", out PageCount, out RecordCount);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


        public static DataSet getAllCategory()
        {
            try
            {
                string strSql = "select * from Category";
                return DBHelp.ExecuteDataSet(strSql, null);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


    }
}
