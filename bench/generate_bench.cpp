// Measures what generation costs beyond the disk: generates a synthetic
// design into an empty directory, then writes the very same files with the
// same bytes by plain writes into a fresh directory of the same file
// system, and compares. Then it generates again over the unchanged output,
// and once more after one class was renamed, counting the files each run
// actually wrote (a new inode or modification time). With --scale it
// instead generates N and 10 N classes, each in a process of its own, and
// compares their time, the time in the program's own code (user) and peak
// resident memory, with plain writes of each one's files beside them (slow:
// about 20 s a run for 10,000 classes, so use few runs).
//
//   generate_bench [--classes N] [--members N] [--runs N] [--dir DIR] [--scale]
//   generate_bench --scale --runs 3
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "commands/DesignCommands.h"
#include "commands/DesignRules.h"
#include "generate/AutoCode.h"
#include "generate/DesignCheck.h"
#include "generate/GeneratorContext.h"
#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/DesignReader.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"
#include "vocabulary/BaseDirectory.h"
#include "vocabulary/FileOperate.h"

namespace fs = std::filesystem;
using TClock = std::chrono::steady_clock;

namespace {

struct TOptions {
  int classes = 1000;
  int members = 20;
  int runs = 5;
  fs::path dir;
  bool scale = false;
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

// The name of class c of a design of classCount classes, and its friendly
// name.
int NumberWidth(int classCount) {
  return std::max(4, static_cast<int>(std::to_string(classCount).size()));
}
std::string ClassName(int c, int classCount) {
  return Numbered("Item", c, NumberWidth(classCount));
}

void AddMember(int projectId, int classId, const TMemberEntry& entry) {
  TMember m;
  if (auto refused = BuildMember(entry, projectId, classId, m))
    throw std::runtime_error(refused->message);
  TMemberDAO().AddMember(m);
}

// Every class has an integer key and a string display member; the other
// members walk through all base types, and from the second class on two
// members refer to earlier classes (the previous one and the first), so
// that no class refers to the last one.
int MakeDesign(const std::string& projectName, int classCount, int memberCount) {
  int projectId = 0;
  TDbHelper().Transaction([&] {
    projectId = TProjectDAO().AddProject(projectName);
    TClassDAO classes;
    const std::string_view types[] = {kTypeString, kTypeInteger, kTypeFloat, kTypeDate, kTypeImage};
    for (int c = 1; c <= classCount; ++c) {
      const int classId = classes.AddClass(projectId, ClassName(c, classCount),
                                           Numbered("物品", c, NumberWidth(classCount)), 1);
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
      for (int i = 3; i <= memberCount; ++i) {
        TMemberEntry e;
        e.memberName = Numbered("field", i, 2);
        e.memberComment = Numbered("字段", i, 2);
        const bool reference = c > 1 && (i == 3 || i == 4);
        e.memberType = reference ? ClassName(i == 3 ? c - 1 : 1, classCount)
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
    files.push_back({entry.path().lexically_relative(root),
                     std::string(std::istreambuf_iterator<char>(in), {})});
  }
  return files;
}

// Which file was written: its inode and modification time, by path.
using TStamps = std::map<std::string, std::pair<ino_t, std::pair<time_t, long>>>;

TStamps Stamps(const fs::path& root) {
  TStamps stamps;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    struct stat st {};
    if (::lstat(entry.path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    stamps[entry.path().lexically_relative(root).string()] = {
        st.st_ino, {st.st_mtim.tv_sec, st.st_mtim.tv_nsec}};
  }
  return stamps;
}

// The files of after that are new or carry another inode or time.
std::set<std::string> Written(const TStamps& before, const TStamps& after) {
  std::set<std::string> written;
  for (const auto& [path, stamp] : after) {
    const auto old = before.find(path);
    if (old == before.end() || old->second != stamp) written.insert(path);
  }
  return written;
}

// The files of after whose bytes are new or differ from before.
std::set<std::string> Differing(const std::vector<TFile>& before, const std::vector<TFile>& after) {
  std::map<std::string, const std::string*> old;
  for (const auto& f : before) old[f.relative.string()] = &f.bytes;
  std::set<std::string> differing;
  for (const auto& f : after) {
    const auto it = old.find(f.relative.string());
    if (it == old.end() || *it->second != f.bytes) differing.insert(f.relative.string());
  }
  return differing;
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

// Processor time in the program's own code (user), in seconds: without
// the kernel's work for it, which the file system's state can swell.
double UserSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec) * 1e-6;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Elapsed and processor seconds of one call.
struct TTimes {
  double elapsed = 0, processor = 0, user = 0;
};

TTimes Time(const std::function<void()>& body) {
  const double c0 = ProcessorSeconds(), u0 = UserSeconds();
  const auto t0 = TClock::now();
  body();
  const auto t1 = TClock::now();
  return {std::chrono::duration<double>(t1 - t0).count(), ProcessorSeconds() - c0,
          UserSeconds() - u0};
}

void Generate(int projectId, const std::string& projectName, const fs::path& baseDir) {
  TGenerationRequest request{projectId, projectName, baseDir, ResourceDirectory()};
  TBenchHost host;
  TAutoCode(request, host).Execute();
  if (!host.done) throw std::runtime_error("generation failed: " + host.error);
}

// What a run does before it touches a file, into memory: the design read,
// its check, and every generator. Templates come from the skeleton.
void GenerateIntoMemory(int projectId, const std::string& projectName) {
  TMemoryContext ctx(projectName);
  const fs::path resources = ResourceDirectory();
  for (const auto& entry : fs::recursive_directory_iterator(resources / "template"))
    if (entry.is_regular_file())
      ctx.templates[entry.path().lexically_relative(resources).generic_string()] =
          TFileOperate::ReadUtf8File(entry.path());
  const TDesign design = ReadDesign(projectId);
  if (!CheckDesign(design).empty()) throw std::runtime_error("the design check failed");
  GenerateSolution(ctx, design);
}

std::string LoadAverage() {
  std::ifstream in("/proc/loadavg");
  std::string one, five, fifteen;
  in >> one >> five >> fifteen;
  return one + " " + five + " " + fifteen;
}

// The peak resident memory of this process since it started, in KiB.
long PeakResidentKiB() {
  std::ifstream in("/proc/self/status");
  for (std::string line; std::getline(in, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  return -1;
}

TOptions ParseOptions(int argc, char** argv) {
  TOptions opt;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "--scale") {
      opt.scale = true;
      continue;
    }
    if (i + 1 >= argc) throw std::runtime_error("option " + name + " needs a value");
    const char* value = argv[++i];
    if (name == "--classes")
      opt.classes = std::atoi(value);
    else if (name == "--members")
      opt.members = std::atoi(value);
    else if (name == "--runs")
      opt.runs = std::atoi(value);
    else if (name == "--dir")
      opt.dir = value;
    else
      throw std::runtime_error("unknown option " + name);
  }
  if (opt.classes < 1 || opt.members < 4 || opt.runs < 1) throw std::runtime_error("bad figures");
  return opt;
}

fs::path MakeBase(const TOptions& opt) {
  std::string pattern =
      ((opt.dir.empty() ? fs::temp_directory_path() : opt.dir) / "corvane-bench-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make " + pattern);
  return pattern;
}

// First run into an empty directory against plain writes of its files,
// a second run over the unchanged output, and a run after the last class
// (which no other refers to) was renamed; each repeated runs times.
void CompareWithPlainWrites(const TOptions& opt, const fs::path& base) {
  const int projectId = MakeDesign("Bench", opt.classes, opt.members);
  const std::string lastName = ClassName(opt.classes, opt.classes);
  const int lastClass = TClassDAO().GetClassId(projectId, lastName);
  const std::string loadBefore = LoadAverage();
  std::vector<double> first[2], plain[2], second[2], changed[2], alone[2];
  auto note = [](std::vector<double>* figures, const TTimes& t) {
    figures[0].push_back(t.elapsed);
    figures[1].push_back(t.processor);
  };
  std::size_t fileCount = 0, byteCount = 0, firstWritten = 0, secondWritten = 0;
  std::set<std::string> changedWritten, changedDiffering;
  std::string renamedTo;
  // Every run writes into directories of its own and nothing is deleted
  // until the end: file creation right after mass deletion is slower on
  // some file systems and would blur the comparison.
  for (int run = 0; run < opt.runs; ++run) {
    const fs::path runDir = base / ("run" + std::to_string(run));
    const fs::path out = runDir / "generated";
    // What a run writes: the solution and the record of what it wrote.
    const fs::path project = out / "projects" / "Bench";
    note(first, Time([&] { Generate(projectId, "Bench", out); }));
    const std::vector<TFile> files = ReadTree(project);
    note(plain, Time([&] { PlainWrite(runDir / "plain", files); }));
    fileCount = files.size();
    byteCount = 0;
    for (const auto& f : files) byteCount += f.bytes.size();

    note(alone, Time([&] { GenerateIntoMemory(projectId, "Bench"); }));

    const TStamps afterFirst = Stamps(project);
    firstWritten = afterFirst.size();
    note(second, Time([&] { Generate(projectId, "Bench", out); }));
    const TStamps afterSecond = Stamps(project);
    secondWritten = std::max(secondWritten, Written(afterFirst, afterSecond).size());

    renamedTo = lastName + "R" + std::to_string(run);
    const TCommandResult renamed =
        commands::UpdateClass(projectId, lastClass, {renamedTo, "改名的物品", true});
    if (!renamed) throw std::runtime_error("rename refused: " + renamed.message);
    note(changed, Time([&] { Generate(projectId, "Bench", out); }));
    changedWritten = Written(afterSecond, Stamps(project));
    changedDiffering = Differing(files, ReadTree(project));
  }
  const std::string loadAfter = LoadAverage();
  TDbHelper::Close();

  std::size_t ofClass = 0;
  for (const std::string& path : changedWritten)
    if (path.find(renamedTo) != std::string::npos) ++ofClass;
  std::string projectWide;
  for (const std::string& path : changedWritten)
    if (path.find(renamedTo) == std::string::npos)
      projectWide += (projectWide.empty() ? "" : ", ") + fs::path(path).filename().string();

  std::printf("classes          %d (x %d members)\n", opt.classes, opt.members);
  std::printf("files            %zu\n", fileCount);
  std::printf("bytes            %zu\n", byteCount);
  std::printf("directory        %s\n", base.parent_path().c_str());
  std::printf("load average     %s before, %s after\n", loadBefore.c_str(), loadAfter.c_str());
  std::printf("                    elapsed   processor  files written   (medians of %d)\n",
              opt.runs);
  auto row = [&](const char* what, std::vector<double>* t, const std::string& written) {
    std::printf("%-16s %8.3f s %8.3f s  %s\n", what, Median(t[0]), Median(t[1]), written.c_str());
  };
  auto ratio = [&](std::vector<double>* t) {
    std::printf("  / plain writes %8.2f   %8.2f\n", Median(t[0]) / Median(plain[0]),
                Median(t[1]) / Median(plain[1]));
  };
  row("first run", first, std::to_string(firstWritten));
  row("plain writes", plain, std::to_string(fileCount));
  ratio(first);
  row("generators", alone, "none: into memory (the design read and checked, every generator)");
  ratio(alone);
  row("second run", second, std::to_string(secondWritten) + " (unchanged design)");
  ratio(second);
  row("one class", changed,
      std::to_string(changedWritten.size()) + " (" + std::to_string(ofClass) +
          " of the renamed class; " + projectWide + ")");
  ratio(changed);
  std::printf("                 bytes differ in %zu files, %s those written\n",
              changedDiffering.size(), changedDiffering == changedWritten ? "exactly" : "NOT");
}

// One run into an empty directory and one over its output, in this
// process, then plain writes of its files: prints elapsed, processor and
// user seconds of the first, elapsed and processor of the second, the peak
// resident memory of the runs in KiB, and the plain writes' elapsed
// seconds.
int OneRun(const std::string& database, int projectId, const std::string& projectName,
           const fs::path& out) {
  TDbHelper::SetDatabaseFile(database);
  const TTimes first = Time([&] { Generate(projectId, projectName, out); });
  const TTimes second = Time([&] { Generate(projectId, projectName, out); });
  const long peakKiB = PeakResidentKiB();
  const std::vector<TFile> files = ReadTree(out / "projects" / projectName);
  const TTimes plain = Time([&] { PlainWrite(out / "plain", files); });
  std::printf("%f %f %f %f %f %ld %f\n", first.elapsed, first.processor, first.user,
              second.elapsed, second.processor, peakKiB, plain.elapsed);
  return 0;
}

struct TScaleFigures {
  TTimes first, second, plain;
  long peakKiB = 0;
};

// Runs OneRun in a fresh process, so that its peak memory is the run's own.
TScaleFigures RunApart(const fs::path& database, int projectId, const std::string& projectName,
                       const fs::path& out) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) throw std::runtime_error("pipe failed");
  const std::string id = std::to_string(projectId);
  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    ::dup2(pipeFds[1], STDOUT_FILENO);
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    ::execl("/proc/self/exe", "generate_bench", "--one-run", database.c_str(), id.c_str(),
            projectName.c_str(), out.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(pipeFds[1]);
  std::string text;
  char buffer[256];
  for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
    text.append(buffer, static_cast<std::size_t>(n));
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  TScaleFigures f;
  std::istringstream in(text);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      !(in >> f.first.elapsed >> f.first.processor >> f.first.user >> f.second.elapsed >>
        f.second.processor >> f.peakKiB >> f.plain.elapsed))
    throw std::runtime_error("the run in its own process failed: " + text);
  return f;
}

// N and 10 N classes, each run in a process of its own into a directory
// of its own, which is removed once measured.
void CompareScales(const TOptions& opt, const fs::path& base) {
  const int small = MakeDesign("Small", opt.classes, opt.members);
  const int large = MakeDesign("Large", opt.classes * 10, opt.members);
  TDbHelper::Close();
  const fs::path database = base / "projects.mdb";
  const std::string loadBefore = LoadAverage();
  std::vector<TScaleFigures> figures[2];
  for (int run = 0; run < opt.runs; ++run) {
    for (int size = 0; size < 2; ++size) {
      const fs::path out = base / ("run" + std::to_string(run) + "-" + std::to_string(size));
      figures[size].push_back(size == 0 ? RunApart(database, small, "Small", out)
                                        : RunApart(database, large, "Large", out));
      fs::remove_all(out);
    }
  }
  const std::string loadAfter = LoadAverage();
  // Medians of each figure.
  TScaleFigures median[2];
  for (int size = 0; size < 2; ++size) {
    auto of = [&](const std::function<double(const TScaleFigures&)>& figure) {
      std::vector<double> values;
      for (const TScaleFigures& f : figures[size]) values.push_back(figure(f));
      return Median(values);
    };
    median[size].first = {of([](const auto& f) { return f.first.elapsed; }),
                          of([](const auto& f) { return f.first.processor; }),
                          of([](const auto& f) { return f.first.user; })};
    median[size].plain.elapsed = of([](const auto& f) { return f.plain.elapsed; });
    median[size].second = {of([](const auto& f) { return f.second.elapsed; }),
                           of([](const auto& f) { return f.second.processor; })};
    median[size].peakKiB =
        static_cast<long>(of([](const auto& f) { return static_cast<double>(f.peakKiB); }));
  }
  const TScaleFigures& s = median[0];
  const TScaleFigures& l = median[1];
  std::printf("members          %d per class\n", opt.members);
  std::printf("directory        %s\n", base.parent_path().c_str());
  std::printf("load average     %s before, %s after\n", loadBefore.c_str(), loadAfter.c_str());
  // The first run's user time is the program's own work; its elapsed time
  // also holds the file system's, shown by plain writes of the same files.
  std::printf(
      "                 first run: elapsed processor    user   second run: elapsed processor"
      "   peak resident   plain writes   (medians of %d)\n",
      opt.runs);
  auto row = [](int classes, const TScaleFigures& f) {
    std::printf("%6d classes   %13.3f s %7.3f s %7.3f s %19.3f s %7.3f s %12.1f MiB %12.3f s\n",
                classes, f.first.elapsed, f.first.processor, f.first.user, f.second.elapsed,
                f.second.processor, static_cast<double>(f.peakKiB) / 1024, f.plain.elapsed);
  };
  row(opt.classes, s);
  row(opt.classes * 10, l);
  std::printf("ratio          %15.2f %9.2f %9.2f %21.2f %9.2f %16.2f %14.2f\n",
              l.first.elapsed / s.first.elapsed, l.first.processor / s.first.processor,
              l.first.user / s.first.user, l.second.elapsed / s.second.elapsed,
              l.second.processor / s.second.processor,
              static_cast<double>(l.peakKiB) / static_cast<double>(s.peakKiB),
              l.plain.elapsed / s.plain.elapsed);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 6 && std::string(argv[1]) == "--one-run")
      return OneRun(argv[2], std::atoi(argv[3]), argv[4], argv[5]);
    const TOptions opt = ParseOptions(argc, argv);
    const fs::path base = MakeBase(opt);
    try {
      TDbHelper::SetDatabaseFile((base / "projects.mdb").string());
      if (opt.scale)
        CompareScales(opt, base);
      else
        CompareWithPlainWrites(opt, base);
    } catch (...) {
      TDbHelper::Close();
      std::error_code ec;
      fs::remove_all(base, ec);
      throw;
    }
    fs::remove_all(base);
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "generate_bench: " << e.what() << '\n';
    return 1;
  }
}
