using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;

namespace BLL
{
    /*事件业务逻辑层*/
    public class bllEvent{
        /*添加事件*/
        public static bool AddEvent(Model.Event @event)
        {
            return DAL.dalEvent.AddEvent(@event);
        }

        /*根据eventId获取某条事件记录*/
        public static Model.Event getSomeEvent(int eventId)
        {
            return DAL.dalEvent.getSomeEvent(eventId);
        }

        /*更新事件*/
        public static bool EditEvent(Model.Event @event)
        {
            return DAL.dalEvent.EditEvent(@event);
        }

        /*删除事件*/
        public static bool DelEvent(string p)
        {
            return DAL.dalEvent.DelEvent(p);
        }

        /*按主键列表删除事件*/
        public static bool DelEvent(List<string> keys)
        {
            return DAL.dalEvent.DelEvent(keys);
        }

        /*根据条件分页查询事件*/
        public static System.Data.DataTable GetEvent(int NowPage, int PageSize, out int AllPage, out int DataCount, string p)
        {
            return DAL.dalEvent.GetEvent(NowPage, PageSize, out AllPage, out DataCount, p);
        }
        /*查询所有的事件*/
        public static System.Data.DataSet getAllEvent()
        {
            return DAL.dalEvent.getAllEvent();
        }
    }
}
