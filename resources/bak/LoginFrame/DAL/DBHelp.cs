using System;
using System.Configuration;
using System.Data;
using System.Data.SqlClient;

namespace DAL
{
    /*数据库访问帮助类：生成的数据访问层通过它执行 SQL 语句和分页查询*/
    public static class DBHelp
    {
        /*连接字符串：优先取配置文件中名为 ConnectionString 的连接，否则连接本机的 LoginFrame 数据库；程序也可在启动时直接赋值*/
        private static string connectionString;

        public static string ConnectionString
        {
            get
            {
                if (connectionString == null)
                {
                    ConnectionStringSettings setting = ConfigurationManager.ConnectionStrings["ConnectionString"];
                    connectionString = (setting != null)
                        ? setting.ConnectionString
                        : "Data Source=.;Initial Catalog=LoginFrame;Integrated Security=True";
                }
                return connectionString;
            }
            set { connectionString = value; }
        }

        private static SqlCommand CreateCommand(SqlConnection conn, string sql, SqlParameter[] parm)
        {
            SqlCommand cmd = new SqlCommand(sql, conn);
            if (parm != null)
            {
                foreach (SqlParameter p in parm)
                {
                    /*未赋值的参数按数据库空值传递*/
                    if (p.Value == null)
                        p.Value = DBNull.Value;
                    cmd.Parameters.Add(p);
                }
            }
            return cmd;
        }

        /*执行增、删、改语句，返回受影响的行数*/
        public static int ExecuteNonQuery(string sql, SqlParameter[] parm)
        {
            using (SqlConnection conn = new SqlConnection(ConnectionString))
            {
                conn.Open();
                using (SqlCommand cmd = CreateCommand(conn, sql, parm))
                {
                    int rows = cmd.ExecuteNonQuery();
                    cmd.Parameters.Clear();
                    return rows;
                }
            }
        }

        /*执行查询，返回位于第一行之前的读取器；调用者关闭读取器时连接随之关闭*/
        public static SqlDataReader ExecuteReader(string sql, SqlParameter[] parm)
        {
            SqlConnection conn = new SqlConnection(ConnectionString);
            try
            {
                conn.Open();
                SqlCommand cmd = CreateCommand(conn, sql, parm);
                SqlDataReader reader = cmd.ExecuteReader(CommandBehavior.CloseConnection);
                cmd.Parameters.Clear();
                return reader;
            }
            catch
            {
                conn.Close();
                throw;
            }
        }

        /*执行查询，返回装有结果的数据集*/
        public static DataSet ExecuteDataSet(string sql, SqlParameter[] parm)
        {
            using (SqlConnection conn = new SqlConnection(ConnectionString))
            using (SqlCommand cmd = CreateCommand(conn, sql, parm))
            using (SqlDataAdapter adapter = new SqlDataAdapter(cmd))
            {
                DataSet ds = new DataSet();
                adapter.Fill(ds);
                cmd.Parameters.Clear();
                return ds;
            }
        }

        /*整型主键的分页查询
          PageIndex：页码，从 1 开始；PageSize：每页行数；key：主键列名；
          strShow：显示的列(可带别名)；strSql：以 "where 1=1" 结尾的查询语句，可带连接条件；
          strWhere：附加条件(不带 and)，空表示没有；strOrder：排序子句(不带 order by)，空时按主键升序；
          PageCount、RecordCount：总页数和总记录数*/
        public static DataTable ExecutePager(int PageIndex, int PageSize, string key, string strShow, string strSql, string strWhere, string strOrder, out int PageCount, out int RecordCount)
        {
            return Pager(PageIndex, PageSize, key, strShow, strSql, strWhere, strOrder, out PageCount, out RecordCount);
        }

        /*字符串主键的分页查询，参数同 ExecutePager。
          按行号分页不依赖主键的类型，所以两种主键共用同一种分页语句*/
        public static DataTable ExecutePagerWhenPrimaryIsString(int PageIndex, int PageSize, string key, string strShow, string strSql, string strWhere, string strOrder, out int PageCount, out int RecordCount)
        {
            return Pager(PageIndex, PageSize, key, strShow, strSql, strWhere, strOrder, out PageCount, out RecordCount);
        }

        /*SQL Server 2005 及以上：用 ROW_NUMBER() 按排序子句编号，再取出所要的一页*/
        private static DataTable Pager(int PageIndex, int PageSize, string key, string strShow, string strSql, string strWhere, string strOrder, out int PageCount, out int RecordCount)
        {
            if (PageSize <= 0)
                throw new ArgumentOutOfRangeException("PageSize", "每页行数必须大于 0");
            if (PageIndex < 1)
                PageIndex = 1;

            string query = strSql;
            if (strWhere != null && strWhere.Trim().Length > 0)
                query += " and (" + strWhere + ")";
            string order = (strOrder != null && strOrder.Trim().Length > 0) ? strOrder : " " + key + " asc ";

            RecordCount = Convert.ToInt32(ExecuteScalar("select count(*) from (" + query + ") as PagerSource"));
            PageCount = (RecordCount + PageSize - 1) / PageSize;

            long first = (long)(PageIndex - 1) * PageSize + 1;
            long last = first + PageSize - 1;
            string pageSql = "select " + strShow + " from ("
                + "select PagerSource.*, ROW_NUMBER() over (order by " + order + ") as PagerRowNumber"
                + " from (" + query + ") as PagerSource"
                + ") as PagerRows"
                + " where PagerRowNumber between " + first + " and " + last
                + " order by PagerRowNumber";

            DataSet ds = ExecuteDataSet(pageSql, null);
            return ds.Tables.Count > 0 ? ds.Tables[0] : new DataTable();
        }

        private static object ExecuteScalar(string sql)
        {
            using (SqlConnection conn = new SqlConnection(ConnectionString))
            using (SqlCommand cmd = new SqlCommand(sql, conn))
            {
                conn.Open();
                return cmd.ExecuteScalar();
            }
        }
    }
}
