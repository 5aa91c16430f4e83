using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;

namespace BLL
{
    /*部门业务逻辑层*/
    public class bllDept{
        /*添加部门*/
        public static bool AddDept(Model.Dept dept)
        {
            return DAL.dalDept.AddDept(dept);
        }

        /*根据deptId获取某条部门记录*/
        public static Model.Dept getSomeDept(int deptId)
        {
            return DAL.dalDept.getSomeDept(deptId);
        }

        /*更新部门*/
        public static bool EditDept(Model.Dept dept)
        {
            return DAL.dalDept.EditDept(dept);
        }

        /*删除部门*/
        public static bool DelDept(string p)
        {
            return DAL.dalDept.DelDept(p);
        }

        /*按主键列表删除部门*/
        public static bool DelDept(List<string> keys)
        {
            return DAL.dalDept.DelDept(keys);
        }

        /*根据条件分页查询部门*/
        public static System.Data.DataTable GetDept(int NowPage, int PageSize, out int AllPage, out int DataCount, string p)
        {
            return DAL.dalDept.GetDept(NowPage, PageSize, out AllPage, out DataCount, p);
        }
        /*查询所有的部门*/
        public static System.Data.DataSet getAllDept()
        {
            return DAL.dalDept.getAllDept();
        }
        /*是否已有部门的部门名称是这个值(不算主键为 exceptKey 的记录；exceptKey 为 null 时不除外)*/
        public static bool Exists_deptName(string value, object exceptKey)
        {
            return DAL.dalDept.Exists_deptName(value, exceptKey);
        }
    }
}
