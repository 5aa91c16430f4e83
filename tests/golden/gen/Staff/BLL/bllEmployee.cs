using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;

namespace BLL
{
    /*员工业务逻辑层*/
    public class bllEmployee{
        /*添加员工*/
        public static bool AddEmployee(Model.Employee employee)
        {
            return DAL.dalEmployee.AddEmployee(employee);
        }

        /*根据empNo获取某条员工记录*/
        public static Model.Employee getSomeEmployee(string empNo)
        {
            return DAL.dalEmployee.getSomeEmployee(empNo);
        }

        /*更新员工*/
        public static bool EditEmployee(Model.Employee employee)
        {
            return DAL.dalEmployee.EditEmployee(employee);
        }

        /*删除员工*/
        public static bool DelEmployee(string p)
        {
            return DAL.dalEmployee.DelEmployee(p);
        }

        /*按主键列表删除员工*/
        public static bool DelEmployee(List<string> keys)
        {
            return DAL.dalEmployee.DelEmployee(keys);
        }

        /*根据条件分页查询员工*/
        public static System.Data.DataTable GetEmployee(int NowPage, int PageSize, out int AllPage, out int DataCount, string p)
        {
            return DAL.dalEmployee.GetEmployee(NowPage, PageSize, out AllPage, out DataCount, p);
        }
        /*查询所有的员工*/
        public static System.Data.DataSet getAllEmployee()
        {
            return DAL.dalEmployee.getAllEmployee();
        }
        /*是否已有员工的身份证号是这个值(不算主键为 exceptKey 的记录；exceptKey 为 null 时不除外)*/
        public static bool Exists_idCard(string value, object exceptKey)
        {
            return DAL.dalEmployee.Exists_idCard(value, exceptKey);
        }
    }
}
