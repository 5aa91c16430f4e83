#include "generate/BLLOperate.h"

#include "generate/OutputFiles.h"

void TBLLOperate::Generate(TGeneratorContext& ctx, const TNameList& classes) {
  std::string compileList;
  for (const TNamedId& entry : classes)
    compileList += "    <Compile Include=\"bll" + entry.name + ".cs\" />\r\n";
  WriteTemplateFile(ctx, "BLL/BLL.csproj", {{"$CompileString", compileList}});

  TDesignReader reader(ctx.ProjectId());
  for (const TNamedId& entry : classes) {
    const TClassInfo cls = reader.ReadClass(entry);
    WriteClassFile(ctx, OutputPath(ctx, "BLL", "bll" + cls.className + ".cs"),
                   BuildClass(cls, reader.KeyMember(cls)));
  }
}

std::string TBLLOperate::BuildClass(const TClassInfo& cls, const TMember& key) {
  const std::string& className = cls.className;
  const std::string& instance = cls.instanceName;
  const std::string& friendName = cls.friendName;
  const std::string& keyName = key.memberName;
  std::string s;
  s += "using System;\r\n";
  s += "using System.Collections.Generic;\r\n";
  s += "using System.Linq;\r\n";
  s += "using System.Text;\r\n\r\n";
  s += "namespace BLL\r\n";
  s += "{\r\n";
  s += "    /*" + friendName + "业务逻辑层*/\r\n";
  s += "    public class bll" + className + "{\r\n";

  s += "        /*添加" + friendName + "*/\r\n";
  s += "        public static bool Add" + className + "(Model." + className + " " + instance +
       ")\r\n";
  s += "        {\r\n";
  s += "            return DAL.dal" + className + ".Add" + className + "(" + instance + ");\r\n";
  s += "        }\r\n\r\n";

  s += "        /*根据" + keyName + "获取某条" + friendName + "记录*/\r\n";
  s += "        public static Model." + className + " getSome" + className +
       (key.memberIsInteger != 0 ? "(int " : "(string ") + keyName + ")\r\n";
  s += "        {\r\n";
  s += "            return DAL.dal" + className + ".getSome" + className + "(" + keyName + ");\r\n";
  s += "        }\r\n\r\n";

  s += "        /*更新" + friendName + "*/\r\n";
  s += "        public static bool Edit" + className + "(Model." + className + " " + instance +
       ")\r\n";
  s += "        {\r\n";
  s += "            return DAL.dal" + className + ".Edit" + className + "(" + instance + ");\r\n";
  s += "        }\r\n\r\n";

  s += "        /*删除" + friendName + "*/\r\n";
  s += "        public static bool Del" + className + "(string p)\r\n";
  s += "        {\r\n";
  s += "            return DAL.dal" + className + ".Del" + className + "(p);\r\n";
  s += "        }\r\n\r\n";

  s += "        /*根据条件分页查询" + friendName + "*/\r\n";
  s += "        public static System.Data.DataTable Get" + className +
       "(int NowPage, int PageSize, out int AllPage, out int DataCount, string p)\r\n";
  s += "        {\r\n";
  s += "            return DAL.dal" + className + ".Get" + className +
       "(NowPage, PageSize, out AllPage, out DataCount, p);\r\n";
  s += "        }\r\n";

  s += "        /*查询所有的" + friendName + "*/\r\n";
  s += "        public static System.Data.DataSet getAll" + className + "()\r\n";
  s += "        {\r\n";
  s += "            return DAL.dal" + className + ".getAll" + className + "();\r\n";
  s += "        }\r\n";
  s += "    }\r\n";
  s += "}\r\n";
  return s;
}
