using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;

namespace Model
{
    /// <summary>
    ///Employee 的摘要说明：员工实体
    /// </summary>

    public class Employee
    {
        /*工号*/
        private string _empNo;
        public string empNo
        {
            get { return _empNo; }
            set { _empNo = value; }
        }

        /*姓名*/
        private string _name;
        public string name
        {
            get { return _name; }
            set { _name = value; }
        }

        /*性别*/
        private string _gender;
        public string gender
        {
            get { return _gender; }
            set { _gender = value; }
        }

        /*在职*/
        private bool _active;
        public bool active
        {
            get { return _active; }
            set { _active = value; }
        }

        /*退休*/
        private bool _retired;
        public bool retired
        {
            get { return _retired; }
            set { _retired = value; }
        }

        /*年龄*/
        private int _age;
        public int age
        {
            get { return _age; }
            set { _age = value; }
        }

        /*工资*/
        private float _salary;
        public float salary
        {
            get { return _salary; }
            set { _salary = value; }
        }

        /*奖金*/
        private float _bonus;
        public float bonus
        {
            get { return _bonus; }
            set { _bonus = value; }
        }

        /*状态*/
        private string _status;
        public string status
        {
            get { return _status; }
            set { _status = value; }
        }

        /*身份证号*/
        private string _idCard;
        public string idCard
        {
            get { return _idCard; }
            set { _idCard = value; }
        }

        /*上级*/
        private string _manager;
        public string manager
        {
            get { return _manager; }
            set { _manager = value; }
        }

        /*部门*/
        private int _dept;
        public int dept
        {
            get { return _dept; }
            set { _dept = value; }
        }

    }
}
