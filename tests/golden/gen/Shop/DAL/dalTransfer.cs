using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;
using System.Data.SqlClient;
using System.Data;

using Model;

namespace DAL
{
    /*调拨单业务逻辑层实现*/
    public class dalTransfer
    {
        /*待执行的sql语句*/
        public static string sql = "";

        /*添加调拨单实现*/
        public static bool AddTransfer(Transfer transfer)
        {
            string sql = "insert into Transfer(fromCategory,toCategory,catName,amount,tag,unit,made) values(@fromCategory,@toCategory,@catName,@amount,@tag,@unit,@made)";
            /*构建sql参数*/
            SqlParameter[] parm = new SqlParameter[] {
             new SqlParameter("@fromCategory",SqlDbType.VarChar),
             new SqlParameter("@toCategory",SqlDbType.VarChar),
             new SqlParameter("@catName",SqlDbType.VarChar),
             new SqlParameter("@amount",SqlDbType.Float),
             new SqlParameter("@tag",SqlDbType.Int),
             new SqlParameter("@unit",SqlDbType.VarChar),
             new SqlParameter("@made",SqlDbType.DateTime)
            };
            /*给参数赋值*/
            parm[0].Value = transfer.fromCategory; //调出分类
            parm[1].Value = transfer.toCategory; //调入分类(目标)
            parm[2].Value = transfer.catName; //备注名称
            parm[3].Value = transfer.amount; //数量
            parm[4].Value = transfer.tag; //标签
            parm[5].Value = transfer.unit; //单位
            parm[6].Value = transfer.made; //

            /*执行sql进行添加*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }

        /*根据transferId获取某条调拨单记录*/
        public static Transfer getSomeTransfer(int transferId)
        {
            /*构建查询sql*/
            string sql = "select * from Transfer where transferId=" + transferId;
            SqlDataReader DataRead = DBHelp.ExecuteReader(sql, null);
            Transfer transfer = new Transfer();
            /*如果查询存在记录，就包装到对象中返回*/
            if (DataRead.Read())
            {
                transfer.transferId = Convert.ToInt32(DataRead["transferId"]);
                transfer.fromCategory = DataRead["fromCategory"].ToString();
                transfer.toCategory = DataRead["toCategory"].ToString();
                transfer.catName = DataRead["catName"].ToString();
                transfer.amount = float.Parse(DataRead["amount"].ToString());
                transfer.tag = Convert.ToInt32(DataRead["tag"]);
                transfer.unit = DataRead["unit"].ToString();
                if (!(DataRead["made"] is DBNull)) transfer.made = Convert.ToDateTime(DataRead["made"].ToString());
            }
            DataRead.Close();
            return transfer;
        }

        /*更新调拨单实现*/
        public static bool EditTransfer(Transfer transfer)
        {
            string sql = "update Transfer set fromCategory=@fromCategory,toCategory=@toCategory,catName=@catName,amount=@amount,tag=@tag,unit=@unit,made=@made where transferId=@transferId";
            /*构建sql参数信息*/
            SqlParameter[] parm = new SqlParameter[] {
             new SqlParameter("@fromCategory",SqlDbType.VarChar),
             new SqlParameter("@toCategory",SqlDbType.VarChar),
             new SqlParameter("@catName",SqlDbType.VarChar),
             new SqlParameter("@amount",SqlDbType.Float),
             new SqlParameter("@tag",SqlDbType.Int),
             new SqlParameter("@unit",SqlDbType.VarChar),
             new SqlParameter("@made",SqlDbType.DateTime),
             new SqlParameter("@transferId",SqlDbType.Int)
            };
            /*为参数赋值*/
            parm[0].Value = transfer.fromCategory;
            parm[1].Value = transfer.toCategory;
            parm[2].Value = transfer.catName;
            parm[3].Value = transfer.amount;
            parm[4].Value = transfer.tag;
            parm[5].Value = transfer.unit;
            parm[6].Value = transfer.made;
            parm[7].Value = transfer.transferId;
            /*执行更新*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }


        /*删除调拨单*/
        public static bool DelTransfer(string p)
        {
            p = string.Join(",", Array.ConvertAll(p.Split(','), int.Parse));
            string sql = "delete from Transfer where transferId in (" + p + ") ";
            return ((DBHelp.ExecuteNonQuery(sql, null)) > 0) ? true : false;
        }

        /*按主键列表删除调拨单：每个主键各是一个参数，按原样比较*/
        public static bool DelTransfer(List<string> keys)
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
            string sql = "delete from Transfer where transferId in (" + string.Join(",", names) + ")";
            return ((DBHelp.ExecuteNonQuery(sql, parm)) > 0) ? true : false;
        }


        /*查询调拨单*/
        public static System.Data.DataTable GetTransfer(int PageIndex, int PageSize, out int PageCount, out int RecordCount, string strWhere)
        {
            try
            {
                string strSql = " select Transfer.*,Category.catName as fromCategory_catName,toCategory.catName as toCategory_catName,Tag.tagId,Unit.unitCode from Transfer,Category,Category toCategory,Tag,Unit where 1=1 and  Transfer.fromCategory=Category.catCode and  Transfer.toCategory=toCategory.catCode and  Transfer.tag=Tag.tagId and  Transfer.unit=Unit.unitCode";
                string strShow = "transferId as 调拨单号,fromCategory_catName as 调出分类,toCategory_catName as [调入分类(目标)],amount as 数量,unitCode as 单位,convert(char(11),made,20) as made";
                return DAL.DBHelp.ExecutePager(PageIndex, PageSize, "transferId", strShow, strSql, strWhere, " transferId asc ", out PageCount, out RecordCount);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


        public static DataSet getAllTransfer()
        {
            try
            {
                string strSql = "select * from Transfer";
                return DBHelp.ExecuteDataSet(strSql, null);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


    }
}
