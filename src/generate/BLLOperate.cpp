#include "generate/BLLOperate.h"

#include "generate/ClassInfo.h"
#include "vocabulary/MemberKinds.h"

void TBLLOperate::Generate(TGeneratorContext& ctx, const TDesign& design) {
  WriteTier(ctx, design, "BLL", "bll", BuildClass);
}

std::string TBLLOperate::BuildClass(const TDesignClass& cls) {
  TCodeWriter w = ClassWriter(cls);
  w.Set("ktype", std::string(KindInfo(KeyKind(KeyMember(cls))).csType));
  w.Line("using System;");
  w.Line("using System.Collections.Generic;");
  w.Line("using System.Linq;");
  w.Line("using System.Text;");
  w.Blank();
  w.Line("namespace BLL");
  w.Line("{");
  w.Line("    /*$F$业务逻辑层*/");
  w.Line("    public class bll$C${");

  w.Line("        /*添加$F$*/");
  w.Line("        public static bool Add$C$(Model.$C$ $inst$)");
  w.Line("        {");
  w.Line("            return DAL.dal$C$.Add$C$($inst$);");
  w.Line("        }");
  w.Blank();

  w.Line("        /*根据$k$获取某条$F$记录*/");
  w.Line("        public static Model.$C$ getSome$C$($ktype$ $ki$)");
  w.Line("        {");
  w.Line("            return DAL.dal$C$.getSome$C$($ki$);");
  w.Line("        }");
  w.Blank();

  w.Line("        /*更新$F$*/");
  w.Line("        public static bool Edit$C$(Model.$C$ $inst$)");
  w.Line("        {");
  w.Line("            return DAL.dal$C$.Edit$C$($inst$);");
  w.Line("        }");
  w.Blank();

  w.Line("        /*删除$F$*/");
  w.Line("        public static bool Del$C$(string p)");
  w.Line("        {");
  w.Line("            return DAL.dal$C$.Del$C$(p);");
  w.Line("        }");
  w.Blank();

  w.Line("        /*根据条件分页查询$F$*/");
  w.Line(
      "        public static System.Data.DataTable Get$C$(int NowPage, int PageSize, out int "
      "AllPage, out int DataCount, string p)");
  w.Line("        {");
  w.Line("            return DAL.dal$C$.Get$C$(NowPage, PageSize, out AllPage, out DataCount, p);");
  w.Line("        }");

  w.Line("        /*查询所有的$F$*/");
  w.Line("        public static System.Data.DataSet getAll$C$()");
  w.Line("        {");
  w.Line("            return DAL.dal$C$.getAll$C$();");
  w.Line("        }");
  w.Line("    }");
  w.Line("}");
  return w.Take();
}
