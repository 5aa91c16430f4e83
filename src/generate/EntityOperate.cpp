#include "generate/EntityOperate.h"

#include "generate/CSharpBoilerplate.h"
#include "generate/ClassFiles.h"
#include "vocabulary/MemberKinds.h"
#include "vocabulary/Naming.h"

void TEntityOperate::Generate(TGeneratorContext& ctx, const TDesign& design) {
  WriteTier(ctx, design, "Model", "",
            [&](const TDesignClass& cls) { return BuildClass(design, cls); });
}

std::string TEntityOperate::BuildClass(const TDesign& design, const TDesignClass& cls) {
  TCodeWriter w = ClassWriter(cls);
  WriteUsings(w, TUsings::Tier);
  w.Lines(R"(

namespace Model
{
    /// <summary>
    ///$C$ 的摘要说明：$F$实体
    /// </summary>

    public class $C$
    {
)");
  for (const TDesignMember& m : cls.members) {
    // In namespace Model a designed class named like a type of System
    // (DateTime) would stand for the framework's type.
    const std::string_view systemName = m.Kind().systemName;
    const bool hidden = !systemName.empty() && design.FindClass(std::string(systemName)) >= 0;
    const std::string type =
        hidden ? "System." + std::string(systemName) : std::string(m.Kind().csType);
    w.Lines(R"(
        /*$c$*/
        private $type$ _$m$;
        public $type$ $mi$
        {
            get { return _$m$; }
            set { _$m$ = value; }
        }

)",
            {{"m", m.memberName},
             {"mi", CSharpName(m.memberName)},
             {"c", m.memberComment},
             {"type", type}});
  }
  w.Lines(R"(
    }
}
)");
  return w.Take();
}
