using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;
using System.Data.SqlClient;
using System.Data;

using Model;

namespace DAL
{
    /*计量单位业务逻辑层实现*/
    public class dalUnit
    {
        /*待执行的sql语句*/
        public static string sql = "";

        /*添加计量单位实现*/
        public static bool AddUnit(Unit unit)
        {
            string sql = "insert into Unit(unitCode) values(@unitCode)";
            /*构建sql参数*/
            SqlParameter[] parm = new SqlParameter[] {
             new SqlParameter("@unitCode",SqlDbType.VarChar)
            };
            /*给参数赋值*/
            parm[0].Value = unit.unitCode; //

            /*执行sql进行添加*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }

        /*根据unitCode获取某条计量单位记录*/
        public static Unit getSomeUnit(string unitCode)
        {
            /*构建查询sql*/
            string sql = "select * from Unit where unitCode='" + unitCode.Replace("'", "''") + "'"; 
            SqlDataReader DataRead = DBHelp.ExecuteReader(sql, null);
            Unit unit = new Unit();
            /*如果查询存在记录，就包装到对象中返回*/
            if (DataRead.Read())
            {
                unit.unitCode = DataRead["unitCode"].ToString();
            }
            DataRead.Close();
            return unit;
        }

        /*更新计量单位实现*/
        public static bool EditUnit(Unit unit)
        {
            string sql = "update Unit set @unitCode=@unitCode where unitCode=@unitCode";
            /*构建sql参数信息*/
            SqlParameter[] parm = new SqlParameter[] {
             new SqlParameter("@unitCode",SqlDbType.VarChar)
            };
            /*为参数赋值*/
            parm[0].Value = unit.unitCode;
            /*执行更新*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }


        /*删除计量单位*/
        public static bool DelUnit(string p)
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
            sql = "delete from Unit where unitCode in (" + sql + ")";
            return ((DBHelp.ExecuteNonQuery(sql, null)) > 0) ? true : false;
        }

        /*按主键列表删除计量单位：每个主键各是一个参数，按原样比较*/
        public static bool DelUnit(List<string> keys)
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
            string sql = "delete from Unit where unitCode in (" + string.Join(",", names) + ")";
            return ((DBHelp.ExecuteNonQuery(sql, parm)) > 0) ? true : false;
        }


        /*查询计量单位*/
        public static System.Data.DataTable GetUnit(int PageIndex, int PageSize, out int PageCount, out int RecordCount, string strWhere)
        {
            try
            {
                string strSql = " select Unit.* from Unit where 1=1";
                string strShow = "unitCode as unitCode";
                return DAL.DBHelp.ExecutePagerWhenPrimaryIsString(PageIndex, PageSize, "unitCode", strShow, strSql, strWhere, " unitCode asc ", out PageCount, out RecordCount);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


        public static DataSet getAllUnit()
        {
            try
            {
                string strSql = "select * from Unit";
                return DBHelp.ExecuteDataSet(strSql, null);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


    }
}
