#include "generate/OutputFiles.h"

std::string OutputPath(const TGeneratorContext& ctx, const std::string& projectDir,
                       const std::string& fileName) {
  return "projects/" + ctx.ProjectName() + "/LoginFrame/" + projectDir + "/" + fileName;
}

std::string ReplaceAll(const std::string& text, const std::string& placeholder,
                       const std::string& value) {
  if (placeholder.empty()) return text;
  std::string out;
  std::size_t from = 0;
  for (std::size_t at = text.find(placeholder); at != std::string::npos;
       at = text.find(placeholder, from)) {
    out.append(text, from, at - from);
    out += value;
    from = at + placeholder.size();
  }
  out.append(text, from, std::string::npos);
  return out;
}

void WriteTemplateFile(TGeneratorContext& ctx, const std::string& relativePath,
                       const std::function<TTemplateFills()>& fills) {
  const std::string path = "projects/" + ctx.ProjectName() + "/LoginFrame/" + relativePath;
  if (!ctx.Unchanged(path, nullptr)) {
    const TTemplateFills values = fills();
    std::string text = ctx.ReadTemplate("template/LoginFrame/" + relativePath);
    for (const auto& [placeholder, value] : values) text = ReplaceAll(text, placeholder, value);
    ctx.WriteUtf8File(path, text);
  }
  ctx.Progress(path + "生成完成!");
}

void WriteClassFile(TGeneratorContext& ctx, const std::string& path, const std::string& text) {
  ctx.WriteAnsiFile(path, text);
  ReportClassFile(ctx, path);
}

void ReportClassFile(TGeneratorContext& ctx, const std::string& path) {
  ctx.Progress(path + "生成完毕!");
}
