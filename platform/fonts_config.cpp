#include "platform/fonts_config.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <utility>

#include "platform/device.h"
#include "platform/face_file.h"

namespace orvelle {
namespace {

std::string CannotRead(int error) {
  return "cannot be read (" + std::string(std::strerror(error)) + ")";
}

// What a path is, for a line, when it is neither a regular file nor a folder.
std::string KindOf(mode_t mode) {
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a file";
}

// Why `path` cannot be reached, from the error that looking at it gave.
std::string Unreachable(const std::string& path, int error) {
  struct stat link;
  if (error == ENOENT || error == ENOTDIR) {
    // Only where nothing is there is it missing; a link to nothing is a link.
    if (lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
      return "is a link to a missing file";
    }
    return "is missing";
  }
  return CannotRead(error);
}

// The names the programs select. The project's configuration gives each a face of its own.
constexpr const char* kNames[] = {kStartFont, kGothicFont, kLetterFont, kEllFont};

// The family a configuration gives for a name first.
std::string FamilyFor(FcConfig* config, const char* name) {
  FcPattern* p = FcPatternCreate();
  FcPatternAddString(p, FC_FAMILY, reinterpret_cast<const FcChar8*>(name));
  FcConfigSubstitute(config, p, FcMatchPattern);
  FcChar8* family = nullptr;
  std::string result;
  if (FcPatternGetString(p, FC_FAMILY, 0, &family) == FcResultMatch && family) {
    result = reinterpret_cast<const char*>(family);
  }
  FcPatternDestroy(p);
  return result;
}

bool FindsFonts(FcConfig* config) {
  const FcFontSet* fonts = FcConfigGetFonts(config, FcSetSystem);
  return fonts && fonts->nfont > 0;
}

// What is wrong with a configuration loaded, or "": fonts found, and the lessons' names mapped.
std::string Unmapped(FcConfig* config) {
  if (!FindsFonts(config)) return "finds no fonts";
  std::vector<std::string> unmapped;
  for (const char* name : kNames) {
    if (FamilyFor(config, name) == name) unmapped.push_back("\"" + std::string(name) + "\"");
  }
  if (unmapped.empty()) return "";
  std::string names = unmapped[0];
  for (size_t i = 1; i < unmapped.size(); ++i) {
    names += (i + 1 == unmapped.size() ? " and " : ", ") + unmapped[i];
  }
  return "loads but leaves the lessons' font name" + std::string(unmapped.size() > 1 ? "s " : " ") +
         names + " unmapped";
}

// Parses the configuration into `config`. Complaining, so that a file that does not parse is
// known: a faulty file loads its part before the fault and says nothing of it otherwise.
bool Parses(FcConfig* config, const std::string& path) {
  return FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(path.c_str()), FcTrue);
}

std::string GetString(FcPattern* p, const char* object) {
  FcChar8* s = nullptr;
  if (FcPatternGetString(p, object, 0, &s) != FcResultMatch || !s) return "";
  return reinterpret_cast<const char*>(s);
}

// The child's side. Its notes go to the parent as a kind, a text and '\0' each: 'C' a folder
// fontconfig may write caches in, 'F' the face it is loading ("" when done), 'V' its verdict.
int gNotes = -1;

void Note(char kind, const std::string& text) {
  if (gNotes < 0) return;
  const std::string note = kind + text + '\0';
  (void)!write(gNotes, note.data(), note.size());
}

void TellCacheDirs(FcConfig* config) {
  const FcChar8* root = FcConfigGetSysRoot(config);
  const std::string sysroot = root ? reinterpret_cast<const char*>(root) : "";
  std::vector<std::string> dirs;
  FcStrList* list = FcConfigGetCacheDirs(config);
  while (const FcChar8* dir = list ? FcStrListNext(list) : nullptr) {
    const std::string d = reinterpret_cast<const char*>(dir);
    dirs.push_back(d);
    if (!sysroot.empty() && !d.starts_with(sysroot)) dirs.push_back(sysroot + d);
  }
  if (list) FcStrListDone(list);
  TrialCacheDirs(dirs);
}

// What is wrong with the face of `family` in `file`, loaded as the program loads it, or "".
std::string FaceProblem(const std::string& family, const std::string& file, int index) {
  const std::string gives = "gives " + FamilyAndPackage(family) + ", whose file " + Shown(file);
  struct stat info;
  if (stat(file.c_str(), &info) != 0) {
    return gives + " " + (errno == ENOENT || errno == ENOTDIR ? "is missing" : CannotRead(errno));
  }
  if (!S_ISREG(info.st_mode)) return gives + " is " + KindOf(info.st_mode) + ", not a font";
  if (access(file.c_str(), R_OK) != 0) return gives + " " + CannotRead(errno);
  Note('F', "loading the file " + Shown(file) + " of " + FamilyAndPackage(family));
  cairo_font_face_t* face = FaceOfFile(file, index);
  cairo_scaled_font_t* unit = UnitFont(face);
  const bool loads = cairo_scaled_font_status(unit) == CAIRO_STATUS_SUCCESS;
  for (const char32_t c : {U'1', U'の', U'終'}) LookUp(unit, c);  // those the start-up check asks
  cairo_scaled_font_destroy(unit);
  cairo_font_face_destroy(face);
  Note('F', "");
  return loads ? "" : gives + " is not a font";
}

// A figure of /proc/self/status in KiB; -1 where it cannot be read.
long StatusKiB(const char* key) {
  FILE* status = std::fopen("/proc/self/status", "r");
  long kib = -1;
  char line[256];
  while (status && std::fgets(line, sizeof line, status)) {
    if (std::strncmp(line, key, std::strlen(key)) == 0) kib = std::atol(line + std::strlen(key));
  }
  if (status) std::fclose(status);
  return kib;
}

// Lowers a limit to `soft` and `hard`, never raising what this process was given (ulimit).
void Limit(int resource, rlim_t soft, rlim_t hard) {
  rlimit limit{};
  getrlimit(resource, &limit);
  limit.rlim_max = std::min(limit.rlim_max, hard);
  limit.rlim_cur = std::min({limit.rlim_cur, soft, limit.rlim_max});
  setrlimit(resource, &limit);
}

constexpr int kEnding[] = {SIGTERM, SIGINT, SIGHUP};

[[noreturn]] void RunChild(const std::function<std::string()>& work, const TrialLimits& limits,
                           int notes) {
  gNotes = notes;
  // The parent watches the processor's time where it can read it, and gives more to reading font
  // files; the limit is then only the cap. Elsewhere it is the limit itself.
  const bool watched = access("/proc/self/stat", R_OK) == 0;
  const double cpu = watched ? limits.capSeconds + 1 : limits.cpuSeconds;
  // SIGXCPU at the soft limit; at the hard one the kernel sends SIGKILL, which says nothing.
  const auto seconds = static_cast<rlim_t>(std::ceil(cpu));
  Limit(RLIMIT_CPU, seconds, seconds + 1);
  if (const long kib = StatusKiB("VmSize:"); kib > 0) {
    const auto bytes = static_cast<rlim_t>(kib + limits.mib * 1024) * 1024;
    Limit(RLIMIT_AS, bytes, bytes);
  }
  Limit(RLIMIT_CORE, 0, 0);  // a crash leaves no core file behind
  // A crash ends it by its own signal, whatever handlers (a sanitizer's) it inherited.
  for (const int number :
       {SIGSEGV, SIGBUS, SIGABRT, SIGILL, SIGFPE, SIGXCPU, SIGTERM, SIGINT, SIGHUP, SIGPIPE}) {
    signal(number, SIG_DFL);
  }
  sigset_t all;
  sigfillset(&all);
  sigprocmask(SIG_UNBLOCK, &all, nullptr);
  Note('V', work());
  _exit(0);
}

// The parent's side: while trials are alive, SIGCHLD has its default disposition (a launcher
// may leave it ignored, and then the children are reaped before they can be judged), and the
// termination signals end them first, their locks cleared, then the program as they would have.
std::vector<Trial*> gLive;
struct sigaction gChildWas, gEndingWas[std::size(kEnding)];
bool gEndingOurs[std::size(kEnding)];
volatile sig_atomic_t gCaught = 0;
int gWake[2] = {-1, -1};

void OnEnding(int number) {
  gCaught = number;
  const int saved = errno;
  (void)!write(gWake[1], "", 1);
  errno = saved;
}

void Watch() {
  struct sigaction plain {};
  plain.sa_handler = SIG_DFL;
  sigaction(SIGCHLD, &plain, &gChildWas);
  if (pipe2(gWake, O_CLOEXEC | O_NONBLOCK) != 0) gWake[0] = gWake[1] = -1;
  struct sigaction ending {};
  ending.sa_handler = OnEnding;
  for (size_t i = 0; i < std::size(kEnding); ++i) {
    sigaction(kEnding[i], nullptr, &gEndingWas[i]);
    // One that is ignored stays ignored; one the program handles, it handles.
    gEndingOurs[i] = gWake[1] >= 0 && gEndingWas[i].sa_handler == SIG_DFL;
    if (gEndingOurs[i]) sigaction(kEnding[i], &ending, nullptr);
  }
}

void Unwatch() {
  for (size_t i = 0; i < std::size(kEnding); ++i) {
    if (gEndingOurs[i]) sigaction(kEnding[i], &gEndingWas[i], nullptr);
  }
  sigaction(SIGCHLD, &gChildWas, nullptr);
  for (int& fd : gWake) {
    if (fd >= 0) close(std::exchange(fd, -1));
  }
  if (gCaught) raise(gCaught);
}

using Clock = std::chrono::steady_clock;

Clock::duration Span(double seconds) {
  return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

std::string Figure(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", seconds);
  return text;
}

// A child's processor time, page faults and resident memory of its own (not a file's), in
// pages, from /proc.
struct Usage {
  double cpu = 0;
  long faults = 0;
  long pages = 0;
};

// The text of /proc/PID/NAME, or false.
bool ReadProc(pid_t pid, const char* name, char (&text)[1024]) {
  char path[64];
  std::snprintf(path, sizeof path, "/proc/%d/%s", static_cast<int>(pid), name);
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  const ssize_t n = fd < 0 ? -1 : read(fd, text, sizeof text - 1);
  if (fd >= 0) close(fd);
  text[std::max<ssize_t>(n, 0)] = '\0';
  return n > 0;
}

bool ReadUsage(pid_t pid, Usage& usage) {
  char text[1024];
  if (!ReadProc(pid, "statm", text)) return false;
  long size = 0, resident = 0, shared = 0;  // shared: the pages of files
  if (std::sscanf(text, "%ld %ld %ld", &size, &resident, &shared) != 3) return false;
  usage.pages = resident - shared;
  if (!ReadProc(pid, "stat", text)) return false;
  const char* at = std::strrchr(text, ')');  // after the name, which may hold anything
  long field[13] = {};
  for (int i = 0; at && i < 13; ++i) {
    at = std::strchr(at + 1, ' ');
    if (at) field[i] = std::atol(at + 1);
  }
  if (!at) return false;
  // From the state on: minflt is the 8th, majflt the 10th, utime and stime the 12th and 13th.
  usage.faults = field[7] + field[9];
  usage.cpu =
      static_cast<double>(field[11] + field[12]) / static_cast<double>(sysconf(_SC_CLK_TCK));
  return true;
}

// Reading font files faults their pages in, mapped and let go again: a few faults each, about
// ten times the threshold below for the processor's time it takes, the memory of its own growing
// by less than half the pages faulted (the cache being built). A glob
// backtracking faults none; a pipe waited on faults none and takes no time; a file read without
// end (a device) into memory faults in every page its memory grows by, up to its limit. So a
// stretch counts as reading fonts where its faults are many for the processor's time it took,
// and its memory grew by half of them at most.
constexpr long kFewestFaults = 4;
constexpr double kFaultsPerCpuSecond = 1000;

bool ReadingFonts(const Usage& from, const Usage& to) {
  const long faults = to.faults - from.faults;
  return faults >= kFewestFaults &&
         static_cast<double>(faults) >= kFaultsPerCpuSecond * (to.cpu - from.cpu) &&
         (to.pages - from.pages) * 2 <= faults;
}

constexpr size_t kHalf = 2048;  // of fontconfig's lines kept at the start, and at the end

// Waits for `pid` to end, ending it at `deadline`; never more than a second past it (a child
// stuck in the kernel, which even SIGKILL does not end, is left behind). Its status, or -1.
int Reap(pid_t pid, Clock::time_point deadline) {
  bool killed = false;
  int status = 0;
  for (pid_t reaped; (reaped = waitpid(pid, &status, WNOHANG)) != pid;) {
    if (reaped < 0 && errno != EINTR) return -1;
    if (Clock::now() >= deadline) {
      if (killed) return -1;
      kill(pid, SIGKILL);
      killed = true;
      deadline = Clock::now() + std::chrono::seconds(1);
    }
    usleep(100);  // the pipes close as the child ends, a moment before it can be reaped
  }
  return status;
}

// The threads of this process, or 1 where /proc cannot tell.
int Threads() {
  DIR* tasks = opendir("/proc/self/task");
  int n = 0;
  while (const dirent* e = tasks ? readdir(tasks) : nullptr) n += e->d_name[0] != '.';
  if (tasks) closedir(tasks);
  return std::max(n, 1);
}

void AnnounceCaches() {
  static bool said = false;
  if (!std::exchange(said, true)) std::fputs("fonts: building the font caches\n", stderr);
}

}  // namespace

std::string Shown(const std::string& text, bool lines) {
  std::string shown;
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u != 0x7F) {
      shown += c;
    } else if (c == '\n') {
      shown += lines ? "\n" : "\\n";
    } else if (c == '\t') {
      shown += "\\t";
    } else if (c == '\r') {
      shown += "\\r";
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", u);
      shown += hex;
    }
  }
  return shown;
}

std::string FirstLook(FcConfig* config, const std::string& path) {
  const FcChar8* root = FcConfigGetSysRoot(config);
  const std::string sysroot = root ? reinterpret_cast<const char*>(root) : "";
  const std::string found = path.starts_with(sysroot) ? path : sysroot + path;
  const std::string where = found == path ? "" : "(" + Shown(found) + " under FONTCONFIG_SYSROOT) ";
  struct stat info;
  if (stat(found.c_str(), &info) != 0) return where + Unreachable(found, errno);
  if (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
    return where + "is " + KindOf(info.st_mode) + ", not a file or folder";
  }
  if (access(found.c_str(), R_OK) != 0) return where + CannotRead(errno);
  return "";
}

std::string LoadConfig(FcConfig* config, const std::string& path) {
  if (!Parses(config, path)) return "cannot be parsed";
  return FcConfigBuildFonts(config) ? Unmapped(config) : "cannot be used";
}

FcPattern* LessonPattern(FcConfig* config, const std::string& name, bool bold, bool italic) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  // The Gothic face draws every Japanese text: whatever stands in for it must have Japanese.
  if (name == kGothicFont || name == kStartFont) {
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
  }
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  return pattern;
}

std::string FamilyAndPackage(const std::string& family) {
  if (family == "IPAGothic") return family + " (Debian package fonts-ipafont-gothic)";
  if (family == "Liberation Serif") return family + " (Debian package fonts-liberation2)";
  return family;
}

std::string LessonFontsTrial(const std::string& path) {
  // fontconfig's rules run as it matches, and crash there: every name and style is matched, and
  // each face that answers loaded, before the verdict on the names.
  FcConfig* config = path.empty() ? FcInitLoadConfig() : FcConfigCreate();
  if (!config) return "cannot be used";
  if (!path.empty() && !Parses(config, path)) return "cannot be parsed";
  TellCacheDirs(config);
  if (!FcConfigBuildFonts(config)) return "cannot be used";
  if (!FindsFonts(config)) return "finds no fonts";
  std::set<std::pair<std::string, int>> loaded;
  for (const char* name : kNames) {
    for (const int style : {0, 1, 2, 3}) {
      FcPattern* pattern = LessonPattern(config, name, style & 1, style & 2);
      FcResult result;
      FcPattern* font = FcFontMatch(config, pattern, &result);
      FcPatternDestroy(pattern);
      if (!font) continue;
      const std::string file = GetString(font, FC_FILE);
      int index = 0;
      FcPatternGetInteger(font, FC_INDEX, 0, &index);
      const std::string family = GetString(font, FC_FAMILY);
      FcPatternDestroy(font);
      if (!loaded.emplace(file, index).second) continue;
      if (std::string problem = FaceProblem(family, file, index); !problem.empty()) return problem;
    }
  }
  return path.empty() ? "" : Unmapped(config);
}

void TrialCacheDirs(const std::vector<std::string>& dirs) {
  for (const std::string& dir : dirs) Note('C', dir);
}

Trial::Trial(const std::function<std::string()>& work, const TrialLimits& limits)
    : limits_(limits) {
  if (Threads() > 1) {
    // The child of a process with threads may make no call but the few safe ones.
    cannot_ = "cannot be tried (this process has threads)";
    return;
  }
  int fds[4] = {-1, -1, -1, -1};  // the notes' pipe and fontconfig's lines'
  const bool piped = pipe2(fds, O_CLOEXEC) == 0 && pipe2(fds + 2, O_CLOEXEC) == 0;
  const pid_t parent = getpid();
  if (piped) {
    if (gLive.empty()) Watch();
    gLive.push_back(this);
    pid_ = fork();
  }
  if (!piped || pid_ < 0) {
    cannot_ = "cannot be tried (" + std::string(std::strerror(errno)) + ")";
    pid_ = -1;
    for (const int fd : fds) {
      if (fd >= 0) close(fd);
    }
    return;  // the destructor lets the watch go
  }
  if (pid_ == 0) {
    // With its parent, whenever that ends; one already gone (before the call) is seen at once.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(0);
    for (const Trial* other : gLive) {
      for (const int fd : {other->verdict_, other->said_}) {
        if (fd >= 0) close(fd);
      }
    }
    for (const int fd : {fds[0], fds[2], gWake[0], gWake[1]}) {
      if (fd >= 0) close(fd);
    }
    if (dup2(fds[3], STDERR_FILENO) < 0) _exit(127);
    close(fds[3]);
    RunChild(work, limits, fds[1]);
  }
  close(fds[1]);
  close(fds[3]);
  verdict_ = fds[0];
  said_ = fds[2];
  start_ = Clock::now();
}

Trial::~Trial() {
  End();
  const auto self = std::find(gLive.begin(), gLive.end(), this);
  if (self == gLive.end()) return;
  gLive.erase(self);
  if (gLive.empty()) Unwatch();
}

void Trial::End() {
  if (pid_ >= 0) {
    kill(pid_, SIGKILL);
    Reap(pid_, Clock::now() + std::chrono::seconds(1));
    Drain();
    ClearLocks();
    pid_ = -1;
  }
  for (int* fd : {&verdict_, &said_}) {
    if (*fd >= 0) close(std::exchange(*fd, -1));
  }
}

void Trial::Interrupted() {
  for (Trial* t : gLive) t->End();
  std::vector<Trial*>().swap(gLive);
  const int caught = gCaught;
  Unwatch();  // the signal caught, its handling given back, ends the program
  _exit(128 + caught);
}

void Trial::ClearLocks() const {
  // fontconfig writes a folder's cache as NAME.NEW under a lock NAME.LCK that holds the writer's
  // process number, made through NAME.TMP-XXXXXX: a child ended as it wrote leaves them.
  const std::string mine = std::to_string(pid_) + "\n";
  for (const std::string& dir : cacheDirs_) {
    DIR* folder = opendir(dir.c_str());
    while (const dirent* e = folder ? readdir(folder) : nullptr) {
      const std::string name = e->d_name;
      const bool lock = name.ends_with(".LCK");
      if (!lock && name.find(".TMP-") == std::string::npos) continue;
      const std::string file = dir + "/" + name;
      char text[32] = {};
      const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
      const ssize_t n = fd < 0 ? -1 : read(fd, text, sizeof text - 1);
      if (fd >= 0) close(fd);
      if (n <= 0 || std::string(text, static_cast<size_t>(n)) != mine) continue;
      unlink(file.c_str());
      if (lock) unlink((file.substr(0, file.size() - 4) + ".NEW").c_str());
    }
    if (folder) closedir(folder);
  }
}

void Trial::Drain() {
  for (int* fd : {&verdict_, &said_}) {
    if (*fd >= 0) fcntl(*fd, F_SETFL, O_NONBLOCK);  // a child left behind still holds its end
    while (*fd >= 0 && Read(*fd)) {
    }
  }
}

bool Trial::Read(int& fd) {
  char buffer[4096];
  const ssize_t n = read(fd, buffer, sizeof buffer);
  if (n < 0 && errno == EINTR) return true;
  if (n < 0 && errno == EAGAIN) return false;
  if (n <= 0) {
    close(std::exchange(fd, -1));
    return false;
  }
  const std::string_view got(buffer, static_cast<size_t>(n));
  if (&fd == &said_) {
    lines_ += static_cast<size_t>(std::count(got.begin(), got.end(), '\n'));
    const size_t room = kHalf - std::min(kHalf, head_.size());
    head_.append(got.substr(0, room));
    if (got.size() > room) tail_.append(got.substr(room));
    if (tail_.size() > 2 * kHalf) {
      tail_.erase(0, tail_.size() - kHalf);
      cut_ = true;
    }
    return true;
  }
  messages_.append(got);
  for (size_t end; (end = messages_.find('\0')) != std::string::npos; messages_.erase(0, end + 1)) {
    const std::string text = messages_.substr(1, end - 1);
    if (messages_[0] == 'V') answered_ = true, answer_ = text;
    if (messages_[0] == 'F') face_ = text;
    if (messages_[0] == 'C') cacheDirs_.push_back(text);
  }
  return true;
}

Verdict Trial::Wait() {
  Verdict v;
  if (pid_ < 0) {
    v.tried = false;
    v.problem = cannot_.empty() ? "cannot be tried (it was tried already)" : cannot_;
    return v;
  }
  Clock::time_point deadline = start_ + Span(limits_.seconds);
  const Clock::time_point cap = start_ + Span(limits_.capSeconds);
  const Clock::duration interval = Span(std::min(0.1, limits_.seconds / 4));
  double cpuAllowed = limits_.cpuSeconds;
  const std::string processor =
      "is not done within " + Figure(limits_.cpuSeconds) + " s of processor time";
  Usage last;
  const bool watched = ReadUsage(pid_, last);
  Clock::time_point lastAt = Clock::now(), next = lastAt + interval;
  Clock::duration reading{};  // the time it spent reading font files
  std::string ended;          // why the child was ended
  while (verdict_ >= 0 || said_ >= 0) {
    const Clock::time_point now = Clock::now();
    Usage usage;
    if (watched && now >= next && ReadUsage(pid_, usage)) {
      if (ReadingFonts(last, usage)) {
        deadline += now - lastAt;
        cpuAllowed += usage.cpu - last.cpu;
        reading += now - lastAt;
      }
      if (usage.cpu > cpuAllowed) ended = processor;
      last = usage;
      lastAt = now;
      next = now + interval;
      // Not at the first faults of a child's start, which reads its program's pages as well.
      if (reading > std::chrono::seconds(1)) AnnounceCaches();
    }
    if (ended.empty() && now >= deadline) {
      ended = "is not done within " + Figure(limits_.seconds) + " s";
    } else if (ended.empty() && now >= cap) {
      ended = "is still reading fonts after " + Figure(limits_.capSeconds) + " s";
    }
    if (!ended.empty()) break;
    const Clock::time_point until = std::min({deadline, cap, watched ? next : deadline});
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - now);
    pollfd fds[3] = {{verdict_, POLLIN, 0}, {said_, POLLIN, 0}, {gWake[0], POLLIN, 0}};
    const int ready = poll(fds, 3, static_cast<int>(left.count()));
    if (gCaught) Interrupted();
    if (ready <= 0) continue;
    if (fds[0].revents) Read(verdict_);
    if (fds[1].revents) Read(said_);
  }
  if (!ended.empty()) kill(pid_, SIGKILL);
  const int status = Reap(pid_, Clock::now() + std::chrono::seconds(1));
  Drain();
  const std::string loading = face_.empty() ? "" : ", " + face_;
  if (!ended.empty()) {
    v.problem = ended + loading;
  } else if (answered_) {
    v.problem = answer_;
  } else if (status >= 0 && WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU) {
    v.problem = processor + loading;
  } else if (status >= 0 && WIFSIGNALED(status)) {
    const std::string signal = "(signal " + std::to_string(WTERMSIG(status)) + ")";
    v.problem = face_.empty() ? "crashed fontconfig " + signal : "crashed " + signal + " " + face_;
  } else {
    v.problem = "ended fontconfig's trial with status " +
                (status >= 0 ? std::to_string(WEXITSTATUS(status)) : std::string("unknown"));
  }
  if (!answered_) ClearLocks();
  pid_ = -1;
  End();  // its pipes
  v.said = Said();
  return v;
}

std::string Trial::Said() const {
  const std::string all = head_ + tail_;
  if (!cut_ && all.size() <= 2 * kHalf) return all.substr(0, all.rfind('\n') + 1);  // npos + 1: ""
  // Whole lines: the first and the last.
  const std::string first = head_.substr(0, head_.rfind('\n') + 1);
  std::string rest = tail_.substr(tail_.size() > kHalf ? tail_.size() - kHalf : 0);
  rest = rest.substr(rest.find('\n') + 1);
  rest = rest.substr(0, rest.rfind('\n') + 1);
  const auto count = [](const std::string& s) {
    return static_cast<size_t>(std::count(s.begin(), s.end(), '\n'));
  };
  const size_t left = lines_ - count(first) - count(rest);
  return first + "(" + std::to_string(left) + " lines of fontconfig's left out)\n" + rest;
}

Verdict TryInChild(const std::function<std::string()>& work, const TrialLimits& limits) {
  return Trial(work, limits).Wait();
}

Verdict TryConfig(const std::string& path, const TrialLimits& limits) {
  return TryInChild([&] { return LessonFontsTrial(path); }, limits);
}

}  // namespace orvelle
