// Stands in for the solution's DBHelp: records every statement the
// generated data-access code would send, without a database. Paged
// queries are built exactly as the solution's DBHelp builds them.
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
            return new DataSet();
        }

        public static DataTable ExecutePager(int PageIndex, int PageSize, string key, string strShow, string strSql, string strWhere, string strOrder, out int PageCount, out int RecordCount)
        {
            return Pager(PageIndex, PageSize, key, strShow, strSql, strWhere, strOrder, out PageCount, out RecordCount);
        }

        public static DataTable ExecutePagerWhenPrimaryIsString(int PageIndex, int PageSize, string key, string strShow, string strSql, string strWhere, string strOrder, out int PageCount, out int RecordCount)
        {
            return Pager(PageIndex, PageSize, key, strShow, strSql, strWhere, strOrder, out PageCount, out RecordCount);
        }

        private static DataTable Pager(int PageIndex, int PageSize, string key, string strShow, string strSql, string strWhere, string strOrder, out int PageCount, out int RecordCount)
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
                + " where PagerRowNumber between 1 and " + PageSize
                + " order by PagerRowNumber");
            PageCount = 0;
            RecordCount = 0;
            return new DataTable();
        }
    }
}
