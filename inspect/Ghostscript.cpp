#include "inspect/Ghostscript.h"

#include "inspect/Interrupt.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <ctime>
#include <unistd.h>

namespace orvane::inspect {

bool GhostscriptFound() {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    for (std::size_t at = 0; at <= dirs.size();) {
        std::size_t end = dirs.find(':', at);
        if (end == std::string::npos) end = dirs.size();
        const std::string file = (end == at ? std::string(".") : dirs.substr(at, end - at)) + "/gs";
        struct stat st {};
        if (stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(file.c_str(), X_OK) == 0) return true;
        at = end + 1;
    }
    return false;
}

Ghostscript::Ghostscript(const std::vector<std::string>& args, const std::string& tmp, const std::string& errors,
                         bool pipeOutput) {
    std::vector<std::string> all = {"gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);

    int pipeFds[2] = {-1, -1};
    if (pipeOutput && pipe2(pipeFds, O_CLOEXEC) != 0) return;
    // A job of thousands of pages sends megabytes of events: a larger pipe lets Ghostscript
    // run on instead of waiting for each 64 KB to be read. Where the system refuses, the
    // default does.
    if (pipeOutput) fcntl(pipeFds[1], F_SETPIPE_SZ, 1 << 20);
    const int err = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int null = open("/dev/null", O_RDWR | O_CLOEXEC);
    pid_ = err < 0 || null < 0 ? -1 : fork();
    if (pid_ == 0) {
        // No file it writes grows past 2 GB: a page of absurd size ends the run, not the disk.
        const rlimit size{2048ull << 20, 2048ull << 20};
        setrlimit(RLIMIT_FSIZE, &size);
        setenv("TMPDIR", tmp.c_str(), 1);
        setenv("TEMP", tmp.c_str(), 1);
        setenv("TMP", tmp.c_str(), 1);
        setenv("LC_ALL", "C", 1);
        dup2(null, 0);
        dup2(pipeOutput ? pipeFds[1] : null, 1);
        dup2(err, 2);
        execvp("gs", argv.data());
        _exit(127);
    }
    if (pid_ > 0) ForwardInterruptsTo(pid_);
    if (err >= 0) close(err);
    if (null >= 0) close(null);
    if (pipeOutput) {
        close(pipeFds[1]);
        output_.fd = pipeFds[0];
    }
}

Ghostscript::~Ghostscript() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        Wait();
    }
}

int Ghostscript::Wait() {
    if (pid_ <= 0) return -1;
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    ForwardInterruptsTo(0);
    if (output_.fd >= 0) {
        close(output_.fd);
        output_.fd = -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

Ghostscript::PipeBuf::~PipeBuf() {
    if (fd >= 0) close(fd);
}

Ghostscript::PipeBuf::int_type Ghostscript::PipeBuf::underflow() {
    if (fd < 0) return traits_type::eof();
    // Ghostscript writes its standard output 128 bytes at a time: after a short read, let
    // the pipe fill a little instead of waking for every write.
    if (lastRead_ > 0 && lastRead_ < 16384) {
        const timespec pause{0, 2'000'000};
        nanosleep(&pause, nullptr);
    }
    ssize_t n;
    while ((n = read(fd, buffer_.data(), buffer_.size())) < 0 && errno == EINTR) {
    }
    lastRead_ = n;
    if (n <= 0) return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + n);
    return traits_type::to_int_type(buffer_[0]);
}

}  // namespace orvane::inspect
