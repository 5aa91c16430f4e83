using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;

namespace BLL
{
    /*标签业务逻辑层*/
    public class bllTag{
        /*添加标签*/
        public static bool AddTag(Model.Tag tag)
        {
            return DAL.dalTag.AddTag(tag);
        }

        /*根据tagId获取某条标签记录*/
        public static Model.Tag getSomeTag(int tagId)
        {
            return DAL.dalTag.getSomeTag(tagId);
        }

        /*更新标签*/
        public static bool EditTag(Model.Tag tag)
        {
            return DAL.dalTag.EditTag(tag);
        }

        /*删除标签*/
        public static bool DelTag(string p)
        {
            return DAL.dalTag.DelTag(p);
        }

        /*按主键列表删除标签*/
        public static bool DelTag(List<string> keys)
        {
            return DAL.dalTag.DelTag(keys);
        }

        /*根据条件分页查询标签*/
        public static System.Data.DataTable GetTag(int NowPage, int PageSize, out int AllPage, out int DataCount, string p)
        {
            return DAL.dalTag.GetTag(NowPage, PageSize, out AllPage, out DataCount, p);
        }
        /*查询所有的标签*/
        public static System.Data.DataSet getAllTag()
        {
            return DAL.dalTag.getAllTag();
        }
    }
}
