#include "generate/EntityOperate.h"

#include "generate/ClassInfo.h"
#include "vocabulary/MemberKinds.h"
#include "vocabulary/Naming.h"

void TEntityOperate::Generate(TGeneratorContext& ctx, const TDesign& design) {
  WriteTier(ctx, design, "Model", "",
            [&](const TDesignClass& cls) { return BuildClass(design, cls); });
}

std::string TEntityOperate::BuildClass(const TDesign& design, const TDesignClass& cls) {
  TCodeWriter w = ClassWriter(cls);
  // In namespace Model a designed class named DateTime would stand for
  // the framework's type.
  const bool dateShadowed = design.FindClass("DateTime") >= 0;
  w.Line("using System;");
  w.Line("using System.Collections.Generic;");
  w.Line("using System.Linq;");
  w.Line("using System.Text;");
  w.Blank();
  w.Line("namespace Model");
  w.Line("{");
  w.Line("    /// <summary>");
  w.Line("    ///$C$ 的摘要说明：$F$实体");
  w.Line("    /// </summary>");
  w.Blank();
  w.Line("    public class $C$");
  w.Line("    {");
  for (const TDesignMember& m : cls.members) {
    const TCodeWriter::TVars vars = {
        {"m", m.memberName},
        {"mi", CSharpName(m.memberName)},
        {"c", m.memberComment},
        {"type",
         dateShadowed && m.kind == TFieldKind::Date ? "System.DateTime" : KindInfo(m.kind).csType}};
    w.Line("        /*$c$*/", vars);
    w.Line("        private $type$ _$m$;", vars);
    w.Line("        public $type$ $mi$", vars);
    w.Line("        {");
    w.Line("            get { return _$m$; }", vars);
    w.Line("            set { _$m$ = value; }", vars);
    w.Line("        }");
    w.Blank();
  }
  w.Line("    }");
  w.Line("}");
  return w.Take();
}
