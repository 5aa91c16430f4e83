#include "generate/BLLOperate.h"

#include "generate/CSharpBoilerplate.h"
#include "generate/ClassFiles.h"
#include "vocabulary/MemberKinds.h"

void TBLLOperate::Generate(TGeneratorContext& ctx, const TDesign& design) {
  WriteTier(ctx, design, "BLL", "bll", BuildClass);
}

std::string TBLLOperate::BuildClass(const TDesignClass& cls) {
  TCodeWriter w = ClassWriter(cls);
  w.Set("ktype", std::string(KindInfo(KeyKind(KeyMember(cls))).csType));
  WriteUsings(w, TUsings::Tier);
  w.Lines(R"(

namespace BLL
{
    /*$F$业务逻辑层*/
    public class bll$C${
        /*添加$F$*/
        public static bool Add$C$(Model.$C$ $inst$)
        {
            return DAL.dal$C$.Add$C$($inst$);
        }

        /*根据$k$获取某条$F$记录*/
        public static Model.$C$ getSome$C$($ktype$ $ki$)
        {
            return DAL.dal$C$.getSome$C$($ki$);
        }

        /*更新$F$*/
        public static bool Edit$C$(Model.$C$ $inst$)
        {
            return DAL.dal$C$.Edit$C$($inst$);
        }

        /*删除$F$*/
        public static bool Del$C$(string p)
        {
            return DAL.dal$C$.Del$C$(p);
        }

        /*按主键列表删除$F$*/
        public static bool Del$C$(List<string> keys)
        {
            return DAL.dal$C$.Del$C$(keys);
        }

        /*根据条件分页查询$F$*/
        public static System.Data.DataTable Get$C$(int NowPage, int PageSize, out int AllPage, out int DataCount, string p)
        {
            return DAL.dal$C$.Get$C$(NowPage, PageSize, out AllPage, out DataCount, p);
        }
        /*查询所有的$F$*/
        public static System.Data.DataSet getAll$C$()
        {
            return DAL.dal$C$.getAll$C$();
        }
)");
  for (const TDesignMember* m : UniqueMembers(cls))
    w.Lines(R"(
        /*是否已有$F$的$c$是这个值(不算主键为 exceptKey 的记录；exceptKey 为 null 时不除外)*/
        public static bool Exists_$m$($type$ value, object exceptKey)
        {
            return DAL.dal$C$.Exists_$m$(value, exceptKey);
        }
)",
            {{"m", m->memberName}, {"c", m->memberComment}, {"type", m->Kind().csType}});
  w.Lines(R"(
    }
}
)");
  return w.Take();
}
