#include "generate/ClassFiles.h"

#include "generate/OutputFiles.h"
#include "vocabulary/Naming.h"

const TDesignMember& KeyMember(const TDesignClass& cls) {
  const TDesignMember* key = cls.Key();
  if (!key) throw TGenerationError("类 " + cls.className + " 没有主键成员!");
  return *key;
}

TReferenced Referenced(const TDesign& design, const TDesignClass& owner, const TDesignMember& m) {
  // A class that is missing has no key member either.
  const char* missing = !m.targetKey ? "主键成员" : !m.targetDisplay ? "显示成员" : nullptr;
  if (missing)
    throw TGenerationError("类 " + owner.className + " 的成员 " + m.memberName + " 引用的类 " +
                           m.memberType + " 不存在或没有" + missing + "!");
  return {design.classes[static_cast<std::size_t>(m.target)], *m.targetKey, *m.targetDisplay};
}

TCodeWriter ClassWriter(const TDesignClass& cls) {
  TCodeWriter w;
  w.Set("C", cls.className);
  w.Set("CT", EntityType(cls.className));
  w.Set("inst", EntityVariable(cls));
  w.Set("F", cls.friendName);
  if (const TDesignMember* key = cls.Key()) {
    w.Set("k", key->memberName);
    w.Set("ki", CSharpName(key->memberName));
  }
  return w;
}

void WriteClassFiles(TGeneratorContext& ctx, const TDesign& design, std::string_view projectDir,
                     std::string_view prefix, std::string_view suffix, const TClassBuilder& build,
                     const TClassStep& after) {
  for (const TDesignClass& cls : design.classes) {
    const std::string file = std::string(prefix) + cls.className + std::string(suffix);
    const std::string path = OutputPath(ctx, std::string(projectDir), file);
    if (ctx.Unchanged(path, &cls))
      ReportClassFile(ctx, path);
    else
      WriteClassFile(ctx, path, build(cls));
    if (after) after(cls);
  }
}

void WriteTier(TGeneratorContext& ctx, const TDesign& design, std::string_view projectDir,
               std::string_view prefix, const TClassBuilder& build) {
  const std::string dir(projectDir);
  WriteTemplateFile(ctx, dir + "/" + dir + ".csproj", [&]() -> TTemplateFills {
    TCodeWriter compile;
    for (const TDesignClass& cls : design.classes)
      compile.Line("    <Compile Include=\"$p$$C$.cs\" />", {{"p", prefix}, {"C", cls.className}});
    TTemplateFills items;
    items.emplace_back("$CompileString", compile.Take());
    return items;
  });
  WriteClassFiles(ctx, design, projectDir, prefix, ".cs", build);
}

std::vector<const TDesignMember*> UniqueMembers(const TDesignClass& cls) {
  std::vector<const TDesignMember*> list;
  for (const TDesignMember& m : cls.members)
    if (m.constraints.unique && m.Kind().mayBeUnique && !m.IsKey()) list.push_back(&m);
  return list;
}
