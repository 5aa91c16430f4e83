using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;
using System.Data.SqlClient;
using System.Data;

using Model;

namespace DAL
{
    /*图片业务逻辑层实现*/
    public class dalImage
    {
        /*待执行的sql语句*/
        public static string sql = "";

        /*添加图片实现*/
        public static bool AddImage(Model.Image image)
        {
            string sql = "insert into Image([default],owner,happening) values(@default,@owner,@happening)";
            /*构建sql参数*/
            SqlParameter[] parm = new SqlParameter[] {
             new SqlParameter("@default",SqlDbType.VarChar),
             new SqlParameter("@owner",SqlDbType.VarChar),
             new SqlParameter("@happening",SqlDbType.Int)
            };
            /*给参数赋值*/
            parm[0].Value = image.@default; //默认
            parm[1].Value = image.owner; //订单
            parm[2].Value = image.happening; //事件

            /*执行sql进行添加*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }

        /*根据key获取某条图片记录*/
        public static Model.Image getSomeImage(int key)
        {
            /*构建查询sql*/
            string sql = "select * from Image where [key]=" + key;
            SqlDataReader DataRead = DBHelp.ExecuteReader(sql, null);
            Model.Image image = new Model.Image();
            /*如果查询存在记录，就包装到对象中返回*/
            if (DataRead.Read())
            {
                image.key = Convert.ToInt32(DataRead["key"]);
                image.@default = DataRead["default"].ToString();
                image.owner = DataRead["owner"].ToString();
                image.happening = Convert.ToInt32(DataRead["happening"]);
            }
            DataRead.Close();
            return image;
        }

        /*更新图片实现*/
        public static bool EditImage(Model.Image image)
        {
            string sql = "update Image set [default]=@default,owner=@owner,happening=@happening where [key]=@key";
            /*构建sql参数信息*/
            SqlParameter[] parm = new SqlParameter[] {
             new SqlParameter("@default",SqlDbType.VarChar),
             new SqlParameter("@owner",SqlDbType.VarChar),
             new SqlParameter("@happening",SqlDbType.Int),
             new SqlParameter("@key",SqlDbType.Int)
            };
            /*为参数赋值*/
            parm[0].Value = image.@default;
            parm[1].Value = image.owner;
            parm[2].Value = image.happening;
            parm[3].Value = image.key;
            /*执行更新*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }


        /*删除图片*/
        public static bool DelImage(string p)
        {
            p = string.Join(",", Array.ConvertAll(p.Split(','), int.Parse));
            string sql = "delete from Image where [key] in (" + p + ") ";
            return ((DBHelp.ExecuteNonQuery(sql, null)) > 0) ? true : false;
        }

        /*按主键列表删除图片：每个主键各是一个参数，按原样比较*/
        public static bool DelImage(List<string> keys)
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
            string sql = "delete from Image where [key] in (" + string.Join(",", names) + ")";
            return ((DBHelp.ExecuteNonQuery(sql, parm)) > 0) ? true : false;
        }


        /*查询图片*/
        public static System.Data.DataTable GetImage(int PageIndex, int PageSize, out int PageCount, out int RecordCount, string strWhere)
        {
            try
            {
                string strSql = " select Image.*,[Order].event,Event.title from Image,[Order],Event where 1=1 and  Image.owner=[Order].[order] and  Image.happening=Event.eventId";
                string strShow = "[key] as 键,[default] as 默认,event as 订单,title as 事件";
                return DAL.DBHelp.ExecutePager(PageIndex, PageSize, "[key]", strShow, strSql, strWhere, " [key] asc ", out PageCount, out RecordCount);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


        public static DataSet getAllImage()
        {
            try
            {
                string strSql = "select * from Image";
                return DBHelp.ExecuteDataSet(strSql, null);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


    }
}
