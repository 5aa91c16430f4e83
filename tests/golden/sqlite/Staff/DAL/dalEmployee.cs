using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;
using System.Data.Common;
using System.Data;

using Model;

namespace DAL
{
    /*员工业务逻辑层实现*/
    public class dalEmployee
    {
        /*待执行的sql语句*/
        public static string sql = "";

        /*添加员工实现*/
        public static bool AddEmployee(Employee employee)
        {
            string sql = "insert into Employee(empNo,name,gender,active,retired,age,salary,bonus,status,idCard,manager,dept) values(@empNo,@name,@gender,@active,@retired,@age,@salary,@bonus,@status,@idCard,@manager,@dept)";
            /*构建sql参数*/
            DbParameter[] parm = new DbParameter[] {
             DBHelp.NewParameter("@empNo",DbType.String),
             DBHelp.NewParameter("@name",DbType.String),
             DBHelp.NewParameter("@gender",DbType.String),
             DBHelp.NewParameter("@active",DbType.Boolean),
             DBHelp.NewParameter("@retired",DbType.Boolean),
             DBHelp.NewParameter("@age",DbType.Int32),
             DBHelp.NewParameter("@salary",DbType.Double),
             DBHelp.NewParameter("@bonus",DbType.Double),
             DBHelp.NewParameter("@status",DbType.String),
             DBHelp.NewParameter("@idCard",DbType.String),
             DBHelp.NewParameter("@manager",DbType.String),
             DBHelp.NewParameter("@dept",DbType.Int32)
            };
            /*给参数赋值*/
            parm[0].Value = employee.empNo; //工号
            parm[1].Value = employee.name; //姓名
            parm[2].Value = employee.gender; //性别
            parm[3].Value = employee.active; //在职
            parm[4].Value = employee.retired; //退休
            parm[5].Value = employee.age; //年龄
            parm[6].Value = employee.salary; //工资
            parm[7].Value = employee.bonus; //奖金
            parm[8].Value = employee.status; //状态
            parm[9].Value = employee.idCard; //身份证号
            parm[10].Value = (object)employee.manager ?? DBNull.Value; //上级
            parm[11].Value = employee.dept; //部门

            /*执行sql进行添加*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }

        /*根据empNo获取某条员工记录*/
        public static Employee getSomeEmployee(string empNo)
        {
            /*构建查询sql*/
            string sql = "select * from Employee where empNo='" + empNo.Replace("'", "''") + "'"; 
            DbDataReader DataRead = DBHelp.ExecuteReader(sql, null);
            Employee employee = new Employee();
            /*如果查询存在记录，就包装到对象中返回*/
            if (DataRead.Read())
            {
                employee.empNo = DataRead["empNo"].ToString();
                employee.name = DataRead["name"].ToString();
                employee.gender = DataRead["gender"].ToString();
                employee.active = Convert.ToBoolean(DataRead["active"]);
                employee.retired = Convert.ToBoolean(DataRead["retired"]);
                employee.age = Convert.ToInt32(DataRead["age"]);
                employee.salary = float.Parse(DataRead["salary"].ToString());
                employee.bonus = float.Parse(DataRead["bonus"].ToString());
                employee.status = DataRead["status"].ToString();
                employee.idCard = DataRead["idCard"].ToString();
                if (!(DataRead["manager"] is DBNull)) employee.manager = DataRead["manager"].ToString();
                employee.dept = Convert.ToInt32(DataRead["dept"]);
            }
            DataRead.Close();
            return employee;
        }

        /*更新员工实现*/
        public static bool EditEmployee(Employee employee)
        {
            string sql = "update Employee set name=@name,gender=@gender,active=@active,retired=@retired,age=@age,salary=@salary,bonus=@bonus,status=@status,idCard=@idCard,manager=@manager,dept=@dept where empNo=@empNo";
            /*构建sql参数信息*/
            DbParameter[] parm = new DbParameter[] {
             DBHelp.NewParameter("@name",DbType.String),
             DBHelp.NewParameter("@gender",DbType.String),
             DBHelp.NewParameter("@active",DbType.Boolean),
             DBHelp.NewParameter("@retired",DbType.Boolean),
             DBHelp.NewParameter("@age",DbType.Int32),
             DBHelp.NewParameter("@salary",DbType.Double),
             DBHelp.NewParameter("@bonus",DbType.Double),
             DBHelp.NewParameter("@status",DbType.String),
             DBHelp.NewParameter("@idCard",DbType.String),
             DBHelp.NewParameter("@manager",DbType.String),
             DBHelp.NewParameter("@dept",DbType.Int32),
             DBHelp.NewParameter("@empNo",DbType.String)
            };
            /*为参数赋值*/
            parm[0].Value = employee.name;
            parm[1].Value = employee.gender;
            parm[2].Value = employee.active;
            parm[3].Value = employee.retired;
            parm[4].Value = employee.age;
            parm[5].Value = employee.salary;
            parm[6].Value = employee.bonus;
            parm[7].Value = employee.status;
            parm[8].Value = employee.idCard;
            parm[9].Value = (object)employee.manager ?? DBNull.Value;
            parm[10].Value = employee.dept;
            parm[11].Value = employee.empNo;
            /*执行更新*/
            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;
        }


        /*删除员工*/
        public static bool DelEmployee(string p)
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
            sql = "delete from Employee where empNo in (" + sql + ")";
            return ((DBHelp.ExecuteNonQuery(sql, null)) > 0) ? true : false;
        }

        /*按主键列表删除员工：每个主键各是一个参数，按原样比较*/
        public static bool DelEmployee(List<string> keys)
        {
            if (keys == null || keys.Count == 0)
                return false;
            DbParameter[] parm = new DbParameter[keys.Count];
            string[] names = new string[keys.Count];
            for (int i = 0; i < keys.Count; i++)
            {
                names[i] = "@key" + i;
                parm[i] = DBHelp.NewParameter(names[i],DbType.String);
                parm[i].Value = keys[i];
            }
            string sql = "delete from Employee where empNo in (" + string.Join(",", names) + ")";
            return ((DBHelp.ExecuteNonQuery(sql, parm)) > 0) ? true : false;
        }


        /*查询员工*/
        public static System.Data.DataTable GetEmployee(int PageIndex, int PageSize, out int PageCount, out int RecordCount, string strWhere)
        {
            try
            {
                string strSql = " select Employee.*,manager.name as manager_name,Dept.deptName from Employee left join Employee manager on Employee.manager=manager.empNo,Dept where 1=1 and  Employee.dept=Dept.deptId";
                string strShow = "empNo as 工号,name as 姓名,gender as 性别,case when active=1 then '是' else '否' end as 在职,age as 年龄,salary as 工资,bonus as 奖金,status as 状态,idCard as 身份证号,manager_name as 上级,deptName as 部门";
                return DAL.DBHelp.ExecutePagerWhenPrimaryIsString(PageIndex, PageSize, "empNo", strShow, strSql, strWhere, " empNo asc ", out PageCount, out RecordCount);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


        public static DataSet getAllEmployee()
        {
            try
            {
                string strSql = "select * from Employee";
                return DBHelp.ExecuteDataSet(strSql, null);
            }
            catch (Exception ex)
            {
                throw ex;
            }
        }


        /*是否已有员工的身份证号是这个值(不算主键为 exceptKey 的记录；exceptKey 为 null 时不除外)*/
        public static bool Exists_idCard(string value, object exceptKey)
        {
            string sql = "select empNo from Employee where idCard=@value and (@exceptKey is null or empNo<>@exceptKey)";
            DbParameter[] parm = new DbParameter[] {
             DBHelp.NewParameter("@value",DbType.String),
             DBHelp.NewParameter("@exceptKey",DbType.String)
            };
            parm[0].Value = value;
            parm[1].Value = exceptKey == null ? (object)DBNull.Value : exceptKey;
            return DBHelp.ExecuteDataSet(sql, parm).Tables[0].Rows.Count > 0;
        }

    }
}
