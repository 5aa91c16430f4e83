// Where the generators put their files and how each file is announced:
// files derived from a template end their progress line in "生成完成!",
// per-class files in "生成完毕!".
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "generate/GeneratorContext.h"

// "projects/<project name>/LoginFrame/<projectDir>/<fileName>", as the file
// is named in its progress line. projectDir is Model, DAL, BLL or LoginFrame.
std::string OutputPath(const TGeneratorContext& ctx, const std::string& projectDir,
                       const std::string& fileName);

// text with every occurrence of placeholder replaced by value; the inserted
// value is not searched again.
std::string ReplaceAll(const std::string& text, const std::string& placeholder,
                       const std::string& value);

using TTemplateFills = std::vector<std::pair<std::string, std::string>>;

// Reads "template/LoginFrame/<relativePath>", fills each placeholder of
// the template with what fills gives (a value put in is not searched for
// placeholders), writes the result to the same relative path in
// the output tree (UTF-8 with byte-order mark) and reports it. A file the
// design as a whole leaves unchanged (TGeneratorContext::Unchanged) is
// only reported: fills is not called.
void WriteTemplateFile(TGeneratorContext& ctx, const std::string& relativePath,
                       const std::function<TTemplateFills()>& fills);

// Writes one per-class file (ANSI code page, no byte-order mark) and
// reports it.
void WriteClassFile(TGeneratorContext& ctx, const std::string& path, const std::string& text);
// The progress line of a per-class file.
void ReportClassFile(TGeneratorContext& ctx, const std::string& path);
