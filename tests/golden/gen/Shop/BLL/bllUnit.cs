using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;

namespace BLL
{
    /*计量单位业务逻辑层*/
    public class bllUnit{
        /*添加计量单位*/
        public static bool AddUnit(Model.Unit unit)
        {
            return DAL.dalUnit.AddUnit(unit);
        }

        /*根据unitCode获取某条计量单位记录*/
        public static Model.Unit getSomeUnit(string unitCode)
        {
            return DAL.dalUnit.getSomeUnit(unitCode);
        }

        /*更新计量单位*/
        public static bool EditUnit(Model.Unit unit)
        {
            return DAL.dalUnit.EditUnit(unit);
        }

        /*删除计量单位*/
        public static bool DelUnit(string p)
        {
            return DAL.dalUnit.DelUnit(p);
        }

        /*按主键列表删除计量单位*/
        public static bool DelUnit(List<string> keys)
        {
            return DAL.dalUnit.DelUnit(keys);
        }

        /*根据条件分页查询计量单位*/
        public static System.Data.DataTable GetUnit(int NowPage, int PageSize, out int AllPage, out int DataCount, string p)
        {
            return DAL.dalUnit.GetUnit(NowPage, PageSize, out AllPage, out DataCount, p);
        }
        /*查询所有的计量单位*/
        public static System.Data.DataSet getAllUnit()
        {
            return DAL.dalUnit.getAllUnit();
        }
    }
}
