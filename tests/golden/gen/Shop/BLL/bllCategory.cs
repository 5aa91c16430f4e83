using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;

namespace BLL
{
    /*商品分类业务逻辑层*/
    public class bllCategory{
        /*添加商品分类*/
        public static bool AddCategory(Model.Category category)
        {
            return DAL.dalCategory.AddCategory(category);
        }

        /*根据catCode获取某条商品分类记录*/
        public static Model.Category getSomeCategory(string catCode)
        {
            return DAL.dalCategory.getSomeCategory(catCode);
        }

        /*更新商品分类*/
        public static bool EditCategory(Model.Category category)
        {
            return DAL.dalCategory.EditCategory(category);
        }

        /*删除商品分类*/
        public static bool DelCategory(string p)
        {
            return DAL.dalCategory.DelCategory(p);
        }

        /*按主键列表删除商品分类*/
        public static bool DelCategory(List<string> keys)
        {
            return DAL.dalCategory.DelCategory(keys);
        }

        /*根据条件分页查询商品分类*/
        public static System.Data.DataTable GetCategory(int NowPage, int PageSize, out int AllPage, out int DataCount, string p)
        {
            return DAL.dalCategory.GetCategory(NowPage, PageSize, out AllPage, out DataCount, p);
        }
        /*查询所有的商品分类*/
        public static System.Data.DataSet getAllCategory()
        {
            return DAL.dalCategory.getAllCategory();
        }
    }
}
