using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;
using System.Data.SqlClient;
using System.Data;

using Model;

namespace DAL
{
    /*订单业务逻辑层实现*/
    public class dalOrder
    {
        /*待执行的sql语句*/
        public static string sql = "";

        /*添加订单实现*/
        public static bool AddOrder(Order order_)
        {
            string sql = "insert into [Order]([order],event,[end]) values(@order,@event,@end)";
            /*构建sql参数*/
            SqlParameter[] parm = new SqlParameter[] {
             new SqlParameter("@order",SqlDbType.VarChar),
             new SqlParameter("@event",SqlDbType.VarChar),
             new SqlParameter("@end",SqlDbType.DateTime)
            };
            /*给参数赋值*/
            parm[0].Value = order_.order; //单号
            parm[1].Value = order_.@event; //事件名
            parm[2].Value = order_.end; //结束

            /*执行sql进行添加*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }

        /*根据order获取某条订单记录*/
        public static Order getSomeOrder(string order)
        {
            /*构建查询sql*/
            string sql = "select * from [Order] where [order]='" + order.Replace("'", "''") + "'"; 
            SqlDataReader DataRead = DBHelp.ExecuteReader(sql, null);
            Order order_ = new Order();
            /*如果查询存在记录，就包装到对象中返回*/
            if (DataRead.Read())
            {
                order_.order = DataRead["order"].ToString();
                order_.@event = DataRead["event"].ToString();
                if (!(DataRead["end"] is DBNull)) order_.end = Convert.ToDateTime(DataRead["end"].ToString());
            }
            DataRead.Close();
            return order_;
        }

        /*更新订单实现*/
        public static bool EditOrder(Order order_)
        {
            string sql = "update [Order] set event=@event,[end]=@end where [order]=@order";
            /*构建sql参数信息*/
            SqlParameter[] parm = new SqlParameter[] {
             new SqlParameter("@event",SqlDbType.VarChar),
             new SqlParameter("@end",SqlDbType.DateTime),
             new SqlParameter("@order",SqlDbType.VarChar)
            };
            /*为参数赋值*/
            parm[0].Value = order_.@event;
            parm[1].Value = order_.end;
            parm[2].Value = order_.order;
            /*执行更新*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }


        /*删除订单*/
        public static bool DelOrder(string p)
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
            sql = "delete from [Order] where [order] in (" + sql + ")";
            return ((DBHelp.ExecuteNonQuery(sql, null)) > 0) ? true : false;
        }

        /*按主键列表删除订单：每个主键各是一个参数，按原样比较*/
        public static bool DelOrder(List<string> keys)
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
            string sql = "delete from [Order] where [order] in (" + string.Join(",", names) + ")";
            return ((DBHelp.ExecuteNonQuery(sql, parm)) > 0) ? true : false;
        }


        /*查询订单*/
        public static System.Data.DataTable GetOrder(int PageIndex, int PageSize, out int PageCount, out int RecordCount, string strWhere)
        {
            try
            {
                string strSql = " select [Order].* from [Order] where 1=1";
                string strShow = "[order] as 单号,event as 事件名,convert(char(11),[end],20) as 结束";
                return DAL.DBHelp.ExecutePagerWhenPrimaryIsString(PageIndex, PageSize, "[order]", strShow, strSql, strWhere, " [order] asc ", out PageCount, out RecordCount);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


        public static DataSet getAllOrder()
        {
            try
            {
                string strSql = "select * from [Order]";
                return DBHelp.ExecuteDataSet(strSql, null);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


    }
}
