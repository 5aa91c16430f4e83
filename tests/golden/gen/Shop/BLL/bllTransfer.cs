using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;

namespace BLL
{
    /*调拨单业务逻辑层*/
    public class bllTransfer{
        /*添加调拨单*/
        public static bool AddTransfer(Model.Transfer transfer)
        {
            return DAL.dalTransfer.AddTransfer(transfer);
        }

        /*根据transferId获取某条调拨单记录*/
        public static Model.Transfer getSomeTransfer(int transferId)
        {
            return DAL.dalTransfer.getSomeTransfer(transferId);
        }

        /*更新调拨单*/
        public static bool EditTransfer(Model.Transfer transfer)
        {
            return DAL.dalTransfer.EditTransfer(transfer);
        }

        /*删除调拨单*/
        public static bool DelTransfer(string p)
        {
            return DAL.dalTransfer.DelTransfer(p);
        }

        /*按主键列表删除调拨单*/
        public static bool DelTransfer(List<string> keys)
        {
            return DAL.dalTransfer.DelTransfer(keys);
        }

        /*根据条件分页查询调拨单*/
        public static System.Data.DataTable GetTransfer(int NowPage, int PageSize, out int AllPage, out int DataCount, string p)
        {
            return DAL.dalTransfer.GetTransfer(NowPage, PageSize, out AllPage, out DataCount, p);
        }
        /*查询所有的调拨单*/
        public static System.Data.DataSet getAllTransfer()
        {
            return DAL.dalTransfer.getAllTransfer();
        }
    }
}
