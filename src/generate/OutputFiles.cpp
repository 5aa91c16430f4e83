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

namespace {

// The template with its placeholders filled in one pass: only the
// template's own text is searched, never a value put in (which may hold
// the user's text); where placeholders meet at the same place, the first
// fill wins.
std::string FillTemplate(const std::string& text, const TTemplateFills& fills) {
  std::size_t size = text.size();
  for (const auto& fill : fills) size += fill.second.size();
  std::string out;
  out.reserve(size);
  std::size_t from = 0;
  for (;;) {
    std::size_t at = std::string::npos;
    const std::pair<std::string, std::string>* found = nullptr;
    for (const auto& fill : fills) {
      if (fill.first.empty()) continue;
      const std::size_t next = text.find(fill.first, from);
      if (next < at) {
        at = next;
        found = &fill;
      }
    }
    if (!found) break;
    out.append(text, from, at - from);
    out += found->second;
    from = at + found->first.size();
  }
  out.append(text, from, std::string::npos);
  return out;
}

}  // namespace

void WriteTemplateFile(TGeneratorContext& ctx, const std::string& relativePath,
                       const std::function<TTemplateFills()>& fills) {
  const std::string path = "projects/" + ctx.ProjectName() + "/LoginFrame/" + relativePath;
  if (!ctx.Unchanged(path, nullptr))
    ctx.WriteUtf8File(path, FillTemplate(ctx.ReadTemplate("template/LoginFrame/" + relativePath),
                                         fills()));
  ctx.Progress(path + "生成完成!");
}

void WriteClassFile(TGeneratorContext& ctx, const std::string& path, const std::string& text) {
  ctx.WriteAnsiFile(path, text);
  ReportClassFile(ctx, path);
}

void ReportClassFile(TGeneratorContext& ctx, const std::string& path) {
  ctx.Progress(path + "生成完毕!");
}
