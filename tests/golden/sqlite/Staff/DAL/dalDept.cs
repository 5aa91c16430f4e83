using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;
using System.Data.Common;
using System.Data;

using Model;

namespace DAL
{
    /*部门业务逻辑层实现*/
    public class dalDept
    {
        /*待执行的sql语句*/
        public static string sql = "";

        /*添加部门实现*/
        public static bool AddDept(Dept dept)
        {
            string sql = "insert into Dept(deptName,parent) values(@deptName,@parent)";
            /*构建sql参数*/
            DbParameter[] parm = new DbParameter[] {
             DBHelp.NewParameter("@deptName",DbType.String),
             DBHelp.NewParameter("@parent",DbType.Int32)
            };
            /*给参数赋值*/
            parm[0].Value = dept.deptName; //部门名称
            parm[1].Value = (object)dept.parent ?? DBNull.Value; //上级部门

            /*执行sql进行添加*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }

        /*根据deptId获取某条部门记录*/
        public static Dept getSomeDept(int deptId)
        {
            /*构建查询sql*/
            string sql = "select * from Dept where deptId=" + deptId;
            DbDataReader DataRead = DBHelp.ExecuteReader(sql, null);
            Dept dept = new Dept();
            /*如果查询存在记录，就包装到对象中返回*/
            if (DataRead.Read())
            {
                dept.deptId = Convert.ToInt32(DataRead["deptId"]);
                dept.deptName = DataRead["deptName"].ToString();
                if (!(DataRead["parent"] is DBNull)) dept.parent = Convert.ToInt32(DataRead["parent"]);
            }
            DataRead.Close();
            return dept;
        }

        /*更新部门实现*/
        public static bool EditDept(Dept dept)
        {
            string sql = "update Dept set deptName=@deptName,parent=@parent where deptId=@deptId";
            /*构建sql参数信息*/
            DbParameter[] parm = new DbParameter[] {
             DBHelp.NewParameter("@deptName",DbType.String),
             DBHelp.NewParameter("@parent",DbType.Int32),
             DBHelp.NewParameter("@deptId",DbType.Int32)
            };
            /*为参数赋值*/
            parm[0].Value = dept.deptName;
            parm[1].Value = (object)dept.parent ?? DBNull.Value;
            parm[2].Value = dept.deptId;
            /*执行更新*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }


        /*删除部门*/
        public static bool DelDept(string p)
        {
            p = string.Join(",", Array.ConvertAll(p.Split(','), int.Parse));
            string sql = "delete from Dept where deptId in (" + p + ") ";
            return ((DBHelp.ExecuteNonQuery(sql, null)) > 0) ? true : false;
        }

        /*按主键列表删除部门：每个主键各是一个参数，按原样比较*/
        public static bool DelDept(List<string> keys)
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
            string sql = "delete from Dept where deptId in (" + string.Join(",", names) + ")";
            return ((DBHelp.ExecuteNonQuery(sql, parm)) > 0) ? true : false;
        }


        /*查询部门*/
        public static System.Data.DataTable GetDept(int PageIndex, int PageSize, out int PageCount, out int RecordCount, string strWhere)
        {
            try
            {
                string strSql = " select Dept.*,parent.deptName as parent_deptName from Dept left join Dept parent on Dept.parent=parent.deptId where 1=1";
                string strShow = "deptId as 部门编号,deptName as 部门名称,parent_deptName as 上级部门";
                return DAL.DBHelp.ExecutePager(PageIndex, PageSize, "deptId", strShow, strSql, strWhere, " deptId asc ", out PageCount, out RecordCount);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


        public static DataSet getAllDept()
        {
            try
            {
                string strSql = "select * from Dept";
                return DBHelp.ExecuteDataSet(strSql, null);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


        /*是否已有部门的部门名称是这个值(不算主键为 exceptKey 的记录；exceptKey 为 null 时不除外)*/
        public static bool Exists_deptName(string value, object exceptKey)
        {
            string sql = "select deptId from Dept where deptName=@value and (@exceptKey is null or deptId<>@exceptKey)";
            DbParameter[] parm = new DbParameter[] {
             DBHelp.NewParameter("@value",DbType.String),
             DBHelp.NewParameter("@exceptKey",DbType.Int32)
            };
            parm[0].Value = value;
            parm[1].Value = exceptKey == null ? (object)DBNull.Value : exceptKey;
            return DBHelp.ExecuteDataSet(sql, parm).Tables[0].Rows.Count > 0;
        }

    }
}
