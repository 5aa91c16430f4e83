// Measures what generation costs beyond the disk: generates a synthetic
// design, then writes the very same files with the same bytes by plain
// writes into a fresh directory of the same file system, and compares.
//
//   generate_bench [--classes N] [--members N] [--runs N] [--dir DIR]
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "commands/DesignRules.h"
#include "generate/AutoCode.h"
#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"
#include "vocabulary/BaseDirectory.h"

namespace fs = std::filesystem;
using TClock = std::chrono::steady_clock;

namespace {

struct TOptions {
  int classes = 1000;
  int members = 20;
  int runs = 5;
  fs::path dir;
};

class TBenchHost : public TGenerationHost {
public:
  void Progress(const std::string&) override { ++lines; }
  void PreCheckFailed(const std::string& message) override { error = message; }
  void Completed(const fs::path&) override { done = true; }
  void Failed(const std::string& message) override { error = message; }
  int lines = 0;
  bool done = false;
  std::string error;
};

std::string Numbered(const char* prefix, int n, int width) {
  std::string digits = std::to_string(n);
  return prefix +
         std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(digits.size()))),
                     '0') +
         digits;
}

void AddMember(int projectId, int classId, const TMemberEntry& entry) {
  TMember m;
  if (auto refused = BuildMember(entry, projectId, classId, m))
    throw std::runtime_error(refused->message);
  TMemberDAO().AddMember(m);
}

// Every class has an integer key and a string display member; the other
// members walk through all base types, and from the second class on two
// members refer to earlier classes (the previous one and the first).
int MakeDesign(const TOptions& opt) {
  int projectId = 0;
  TDbHelper().Transaction([&] {
    projectId = TProjectDAO().AddProject("Bench");
    TClassDAO classes;
    const std::string_view types[] = {kTypeString, kTypeInteger, kTypeFloat, kTypeDate, kTypeImage};
    for (int c = 1; c <= opt.classes; ++c) {
      const std::string name = Numbered("Item", c, 4);
      const int classId = classes.AddClass(projectId, name, Numbered("物品", c, 4), 1);
      TMemberEntry key;
      key.memberName = "itemId";
      key.memberType = kTypeInteger;
      key.memberComment = "编号";
      key.isPri = key.isMust = true;
      AddMember(projectId, classId, key);
      TMemberEntry shown;
      shown.memberName = "itemName";
      shown.memberType = kTypeString;
      shown.lengthText = "50";
      shown.memberComment = "名称";
      shown.isDisplay = shown.isMust = shown.queryFlag = true;
      AddMember(projectId, classId, shown);
      for (int i = 3; i <= opt.members; ++i) {
        TMemberEntry e;
        e.memberName = Numbered("field", i, 2);
        e.memberComment = Numbered("字段", i, 2);
        const bool reference = c > 1 && (i == 3 || i == 4);
        e.memberType = reference ? Numbered("Item", i == 3 ? c - 1 : 1, 4)
                                 : std::string(types[static_cast<std::size_t>(i) % 5]);
        e.lengthText = "40";
        e.queryFlag = i % 4 == 0 && e.memberType != kTypeImage;
        e.queryDisplay = e.memberType != kTypeImage;
        AddMember(projectId, classId, e);
      }
    }
  });
  return projectId;
}

struct TFile {
  fs::path relative;
  std::string bytes;
};

std::vector<TFile> ReadTree(const fs::path& root) {
  std::vector<TFile> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    files.push_back(
        {fs::relative(entry.path(), root), std::string(std::istreambuf_iterator<char>(in), {})});
  }
  return files;
}

// The reference: the same directories made once each, the same bytes
// written with one open/write/close per file.
void PlainWrite(const fs::path& root, const std::vector<TFile>& files) {
  std::set<fs::path> made;
  for (const auto& f : files) {
    const fs::path target = root / f.relative;
    if (made.insert(target.parent_path()).second) fs::create_directories(target.parent_path());
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0 ||
        ::write(fd, f.bytes.data(), f.bytes.size()) != static_cast<ssize_t>(f.bytes.size()) ||
        ::close(fd) != 0)
      throw std::runtime_error("plain write failed: " + target.string());
  }
}

// Processor time of the whole process (user and system), in seconds.
double ProcessorSeconds() {
  timespec t{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double Seconds(TClock::duration d) {
  return std::chrono::duration<double>(d).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

TOptions ParseOptions(int argc, char** argv) {
  TOptions opt;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    if (name == "--classes")
      opt.classes = std::atoi(argv[i + 1]);
    else if (name == "--members")
      opt.members = std::atoi(argv[i + 1]);
    else if (name == "--runs")
      opt.runs = std::atoi(argv[i + 1]);
    else if (name == "--dir")
      opt.dir = argv[i + 1];
    else
      throw std::runtime_error("unknown option " + name);
  }
  if (opt.classes < 1 || opt.members < 2 || opt.runs < 1) throw std::runtime_error("bad figures");
  return opt;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    TOptions opt = ParseOptions(argc, argv);
    std::string pattern =
        ((opt.dir.empty() ? fs::temp_directory_path() : opt.dir) / "corvane-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make " + pattern);
    const fs::path base = pattern;

    TDbHelper::SetDatabaseFile((base / "projects.mdb").string());
    const int projectId = MakeDesign(opt);
    // Every run writes into directories of its own and nothing is deleted
    // until the end: file creation right after mass deletion is slower on
    // some file systems and would blur the comparison.
    std::vector<double> generated, plain, generatedCpu, plainCpu;
    std::size_t fileCount = 0, byteCount = 0;
    for (int run = 0; run < opt.runs; ++run) {
      const fs::path runDir = base / ("run" + std::to_string(run));
      TGenerationRequest request{projectId, "Bench", runDir / "generated", ResourceDirectory()};
      TBenchHost host;
      const double c0 = ProcessorSeconds();
      const auto t0 = TClock::now();
      TAutoCode(request, host).Execute();
      const auto t1 = TClock::now();
      const double c1 = ProcessorSeconds();
      if (!host.done) throw std::runtime_error("generation failed: " + host.error);

      const std::vector<TFile> files = ReadTree(runDir / "generated");
      const double c2 = ProcessorSeconds();
      const auto t2 = TClock::now();
      PlainWrite(runDir / "plain", files);
      const auto t3 = TClock::now();
      const double c3 = ProcessorSeconds();
      generatedCpu.push_back(c1 - c0);
      plainCpu.push_back(c3 - c2);

      generated.push_back(Seconds(t1 - t0));
      plain.push_back(Seconds(t3 - t2));
      fileCount = files.size();
      byteCount = 0;
      for (const auto& f : files) byteCount += f.bytes.size();
    }
    TDbHelper::Close();
    fs::remove_all(base);

    const double g = Median(generated), p = Median(plain);
    std::printf("classes        %d (x %d members)\n", opt.classes, opt.members);
    std::printf("files          %zu\n", fileCount);
    std::printf("bytes          %zu\n", byteCount);
    const double gc = Median(generatedCpu), pc = Median(plainCpu);
    std::printf("directory      %s\n", base.parent_path().c_str());
    std::printf("               elapsed   processor (medians of %d)\n", opt.runs);
    std::printf("generate       %7.3f s %7.3f s\n", g, gc);
    std::printf("plain writes   %7.3f s %7.3f s\n", p, pc);
    std::printf("ratio          %7.2f   %7.2f\n", g / p, gc / pc);
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "generate_bench: " << e.what() << '\n';
    return 1;
  }
}
