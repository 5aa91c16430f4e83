using System;
using System.Configuration;
using System.Data;
using System.Data.Common;
using System.Globalization;
using System.IO;

namespace DAL
{
    /*数据库访问帮助类(SQLite)：数据库是程序旁的一个文件，文件不存在时按建库脚本建立；
      数据提供程序在运行时按固定名称查找，因此编译时不需要引用它*/
    public static class DBHelp
    {
        /*依次尝试的数据提供程序：App.config 中连接字符串的 providerName，
          System.Data.SQLite(Windows，NuGet 包 System.Data.SQLite.Core)，Mono.Data.Sqlite(Mono 自带)*/
        private static readonly string[] Providers = { "System.Data.SQLite", "Mono.Data.Sqlite" };

        /*建库脚本，与程序在同一目录*/
        private const string SchemaFile = "Database.sqlite.sql";

        /*日期一律写成这种文字：按文字排序和比较即按日期排序和比较*/
        private const string DateFormat = "yyyy-MM-dd HH:mm:ss.fff";

        private static readonly object creating = new object();
        private static DbProviderFactory factory;
        private static string connectionString;

        /*连接字符串：读取配置文件中名为 ConnectionString 的连接，默认是程序旁的 LoginFrame.db；也可在运行时直接赋值。
          Data Source 为相对路径时相对于程序所在目录*/
        public static string ConnectionString
        {
            get
            {
                if (connectionString == null)
                {
                    ConnectionStringSettings setting = ConfigurationManager.ConnectionStrings["ConnectionString"];
                    connectionString = (setting != null) ? setting.ConnectionString : "Data Source=LoginFrame.db";
                }
                return connectionString;
            }
            set { connectionString = value; }
        }

        /*数据提供程序：第一个能加载的；都不能加载时抛出异常，说明要安装什么*/
        public static DbProviderFactory Factory
        {
            get
            {
                if (factory != null)
                    return factory;
                ConnectionStringSettings setting = ConfigurationManager.ConnectionStrings["ConnectionString"];
                string preferred = (setting != null) ? setting.ProviderName : null;
                string tried = "";
                foreach (string name in new string[] { preferred, Providers[0], Providers[1] })
                {
                    if (string.IsNullOrEmpty(name))
                        continue;
                    try
                    {
                        factory = DbProviderFactories.GetFactory(name);
                        return factory;
                    }
                    catch (Exception ex)
                    {
                        tried += "\r\n" + name + ": " + ex.Message;
                    }
                }
                throw new InvalidOperationException("找不到 SQLite 数据提供程序。Windows 上请安装 NuGet 包 System.Data.SQLite.Core，"
                    + "Linux 上请安装 Mono 的 libmono-sqlite4.0-cil。" + tried);
            }
        }

        /*参数：名称和类型；值由调用者赋给 Value*/
        public static DbParameter NewParameter(string name, DbType type)
        {
            DbParameter p = Factory.CreateParameter();
            p.ParameterName = name;
            p.DbType = type;
            return p;
        }

        /*数据库文件的完整路径*/
        private static string DataSource(DbConnectionStringBuilder builder)
        {
            object value;
            if (!builder.TryGetValue("Data Source", out value) || value == null || value.ToString() == "")
                throw new InvalidOperationException("App.config 的连接字符串中没有 Data Source(数据库文件)");
            string path = value.ToString();
            if (path == ":memory:" || Path.IsPathRooted(path))
                return path;
            return Path.Combine(AppDomain.CurrentDomain.BaseDirectory, path);
        }

        private static DbConnection NewConnection(string file, DbConnectionStringBuilder builder)
        {
            builder["Data Source"] = file;
            DbConnection conn = Factory.CreateConnection();
            conn.ConnectionString = builder.ConnectionString;
            return conn;
        }

        private static void Execute(DbConnection conn, string sql)
        {
            using (DbCommand cmd = conn.CreateCommand())
            {
                cmd.CommandText = sql;
                cmd.ExecuteNonQuery();
            }
        }

        /*数据库文件不存在时按建库脚本建立：先建在临时文件中，建好后改名为数据库文件，
          所以别的程序只会看到建好的数据库；同时建库的另一个程序先改名时，用它建的*/
        private static void CreateDatabase(string file, DbConnectionStringBuilder builder)
        {
            string schema = Path.Combine(AppDomain.CurrentDomain.BaseDirectory, SchemaFile);
            if (!File.Exists(schema))
                throw new FileNotFoundException("数据库文件 " + file + " 不存在，建库脚本 " + schema + " 也不存在", schema);
            string script = File.ReadAllText(schema);
            string temporary = file + "." + Guid.NewGuid().ToString("N") + ".tmp";
            try
            {
                using (DbConnection conn = NewConnection(temporary, builder))
                {
                    conn.Open();
                    using (DbTransaction tx = conn.BeginTransaction())
                    {
                        using (DbCommand cmd = conn.CreateCommand())
                        {
                            cmd.Transaction = tx;
                            cmd.CommandText = script;
                            cmd.ExecuteNonQuery();
                        }
                        tx.Commit();
                    }
                }
                lock (creating)
                {
                    if (!File.Exists(file))
                        File.Move(temporary, file);
                }
            }
            catch (IOException)
            {
                if (!File.Exists(file))
                    throw;
            }
            finally
            {
                if (File.Exists(temporary))
                    File.Delete(temporary);
            }
        }

        /*打开的连接：数据库文件不存在时先建库；每个连接都打开外键检查*/
        public static DbConnection OpenConnection()
        {
            DbConnectionStringBuilder builder = new DbConnectionStringBuilder();
            builder.ConnectionString = ConnectionString;
            string file = DataSource(builder);
            if (file != ":memory:" && !File.Exists(file))
                CreateDatabase(file, builder);
            DbConnection conn = NewConnection(file, builder);
            conn.Open();
            try
            {
                Execute(conn, "PRAGMA foreign_keys = ON");
            }
            catch
            {
                conn.Close();
                throw;
            }
            return conn;
        }

        private static DbCommand CreateCommand(DbConnection conn, string sql, DbParameter[] parm)
        {
            DbCommand cmd = conn.CreateCommand();
            cmd.CommandText = sql;
            if (parm != null)
            {
                foreach (DbParameter p in parm)
                {
                    /*未赋值的参数按数据库空值处理*/
                    if (p.Value == null)
                        p.Value = DBNull.Value;
                    /*日期写成固定格式的文字*/
                    if (p.Value is DateTime)
                    {
                        p.Value = ((DateTime)p.Value).ToString(DateFormat, CultureInfo.InvariantCulture);
                        p.DbType = DbType.String;
                    }
                    /*单精度数按它显示的十进制数存，59.8 存为 59.8 而不是 59.7999992370605*/
                    if (p.Value is float)
                        p.Value = double.Parse(((float)p.Value).ToString("R", CultureInfo.InvariantCulture), CultureInfo.InvariantCulture);
                    cmd.Parameters.Add(p);
                }
            }
            return cmd;
        }

        /*执行增、删、改语句，返回受影响的行数*/
        public static int ExecuteNonQuery(string sql, DbParameter[] parm)
        {
            using (DbConnection conn = OpenConnection())
            using (DbCommand cmd = CreateCommand(conn, sql, parm))
            {
                int rows = cmd.ExecuteNonQuery();
                cmd.Parameters.Clear();
                return rows;
            }
        }

        /*执行查询，返回位于第一行之前的读取器；调用者关闭读取器时连接随之关闭*/
        public static DbDataReader ExecuteReader(string sql, DbParameter[] parm)
        {
            DbConnection conn = OpenConnection();
            try
            {
                DbCommand cmd = CreateCommand(conn, sql, parm);
                DbDataReader reader = cmd.ExecuteReader(CommandBehavior.CloseConnection);
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
        public static DataSet ExecuteDataSet(string sql, DbParameter[] parm)
        {
            using (DbConnection conn = OpenConnection())
            using (DbCommand cmd = CreateCommand(conn, sql, parm))
            using (DbDataAdapter adapter = Factory.CreateDataAdapter())
            {
                adapter.SelectCommand = cmd;
                DataSet ds = new DataSet();
                adapter.Fill(ds);
                cmd.Parameters.Clear();
                return ds;
            }
        }

        /*整型主键的分页查询
          PageIndex：页码，从 1 开始；PageSize：每页行数；key：主键列名
          strShow：显示的列(可带别名)；strSql：以 "where 1=1" 结尾的查询语句，可带关联条件
          strWhere：附加条件(不带 and)，空表示没有；strOrder：排序子句(不带 order by)，空时按主键升序
          PageCount、RecordCount：总页数和总记录数*/
        public static DataTable ExecutePager(int PageIndex, int PageSize, string key, string strShow, string strSql, string strWhere, string strOrder, out int PageCount, out int RecordCount)
        {
            return Pager(PageIndex, PageSize, key, strShow, strSql, strWhere, strOrder, out PageCount, out RecordCount);
        }

        /*字符串主键的分页查询，参数同 ExecutePager*/
        public static DataTable ExecutePagerWhenPrimaryIsString(int PageIndex, int PageSize, string key, string strShow, string strSql, string strWhere, string strOrder, out int PageCount, out int RecordCount)
        {
            return Pager(PageIndex, PageSize, key, strShow, strSql, strWhere, strOrder, out PageCount, out RecordCount);
        }

        /*用 limit 和 offset 取出要的一页；页数和记录数的算法与 SQL Server 版相同*/
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

            long offset = (long)(PageIndex - 1) * PageSize;
            string pageSql = "select " + strShow + " from (" + query + ") as PagerSource"
                + " order by " + order
                + " limit " + PageSize + " offset " + offset;

            DataSet ds = ExecuteDataSet(pageSql, null);
            return ds.Tables.Count > 0 ? ds.Tables[0] : new DataTable();
        }

        private static object ExecuteScalar(string sql)
        {
            using (DbConnection conn = OpenConnection())
            using (DbCommand cmd = CreateCommand(conn, sql, null))
            {
                return cmd.ExecuteScalar();
            }
        }
    }
}
