#include "generate/EntityOperate.h"

#include "generate/OutputFiles.h"

void TEntityOperate::Generate(TGeneratorContext& ctx, const TNameList& classes) {
  std::string compileList;
  for (const TNamedId& entry : classes)
    compileList += "    <Compile Include=\"" + entry.name + ".cs\" />\r\n";
  WriteTemplateFile(ctx, "Model/Model.csproj", {{"$CompileString", compileList}});

  TDesignReader reader(ctx.ProjectId());
  for (const TNamedId& entry : classes) {
    const TClassInfo cls = reader.ReadClass(entry);
    WriteClassFile(ctx, OutputPath(ctx, "Model", cls.className + ".cs"), BuildClass(reader, cls));
  }
}

std::string TEntityOperate::BuildClass(TDesignReader& reader, const TClassInfo& cls) {
  const std::string& className = cls.className;
  std::string s;
  s += "using System;\r\n";
  s += "using System.Collections.Generic;\r\n";
  s += "using System.Linq;\r\n";
  s += "using System.Text;\r\n\r\n";
  s += "namespace Model\r\n";
  s += "{\r\n";
  s += "    /// <summary>\r\n";
  s += "    ///" + className + " 的摘要说明：" + cls.friendName + "实体\r\n";
  s += "    /// </summary>\r\n\r\n";
  s += "    public class " + className + "\r\n";
  s += "    {\r\n";
  for (const TMember& m : reader.Members(cls.classId)) {
    const std::string type(CSharpType(reader.FieldKind(m)));
    const std::string& name = m.memberName;
    s += "        /*" + m.memberComment + "*/\r\n";
    s += "        private " + type + " _" + name + ";\r\n";
    s += "        public " + type + " " + name + "\r\n";
    s += "        {\r\n";
    s += "            get { return _" + name + "; }\r\n";
    s += "            set { _" + name + " = value; }\r\n";
    s += "        }\r\n\r\n";
  }
  s += "    }\r\n";
  s += "}\r\n";
  return s;
}
