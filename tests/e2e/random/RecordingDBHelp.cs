// Stands in for the solution's DBHelp: records every statement the
// generated data-access code would send, without a database. Paged
// queries are built exactly as the solution's DBHelp builds them. A test
// may give it rows: Tables answers "select * from <table>", PagerRows
// is what every paged query pages through.
using System;
using System.Collections.Generic;
using System.Data;
using System.Data.SqlClient;

namespace DAL
{
    public class NoDatabase : Exception { }

    public static class DBHelp
    {
        public static List<string> Statements = new List<string>();
        public static Dictionary<string, DataTable> Tables = new Dictionary<string, DataTable>();
        public static DataTable PagerRows = new DataTable();

        public static int ExecuteNonQuery(string sql, SqlParameter[] parm)
        {
            Statements.Add(sql);
            return 1;
        }

        public static SqlDataReader ExecuteReader(string sql, SqlParameter[] parm)
        {
            Statements.Add(sql);
            throw new NoDatabase();
        }

        public static DataSet ExecuteDataSet(string sql, SqlParameter[] parm)
        {
            Statements.Add(sql);
            DataSet ds = new DataSet();
            foreach (KeyValuePair<string, DataTable> t in Tables)
                if (sql == "select * from " + t.Key)
                    ds.Tables.Add(t.Value.Copy());
            return ds;
        }

        public static DataTable ExecutePagerWhenPrimaryIsString(int PageIndex, int PageSize, string key, string strShow, string strSql, string strWhere, string strOrder, out int PageCount, out int RecordCount)
            => ExecutePager(PageIndex, PageSize, key, strShow, strSql, strWhere, strOrder, out PageCount, out RecordCount);

        public static DataTable ExecutePager(int PageIndex, int PageSize, string key, string strShow, string strSql, string strWhere, string strOrder, out int PageCount, out int RecordCount)
        {
            string query = strSql;
            if (strWhere != null && strWhere.Trim().Length > 0)
                query += " and (" + strWhere + ")";
            string order = (strOrder != null && strOrder.Trim().Length > 0) ? strOrder : " " + key + " asc ";
            Statements.Add("select count(*) from (" + query + ") as PagerSource");
            Statements.Add("select " + strShow + " from ("
                + "select PagerSource.*, ROW_NUMBER() over (order by " + order + ") as PagerRowNumber"
                + " from (" + query + ") as PagerSource"
                + ") as PagerRows"
                + " where PagerRowNumber between " + ((PageIndex - 1) * PageSize + 1) + " and " + (PageIndex * PageSize)
                + " order by PagerRowNumber");
            RecordCount = PagerRows.Rows.Count;
            PageCount = (RecordCount + PageSize - 1) / PageSize;
            DataTable page = PagerRows.Clone();
            for (int i = (PageIndex - 1) * PageSize; i < RecordCount && i < PageIndex * PageSize; i++)
                page.ImportRow(PagerRows.Rows[i]);
            return page;
        }
    }
}
