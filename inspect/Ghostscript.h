// Ghostscript as the inspector runs it: -dSAFER, its temporary files and the files a
// job may write kept in one folder, no file it writes past 2 GB, and the C locale.
#pragma once
#include <streambuf>
#include <string>
#include <sys/types.h>
#include <vector>

namespace orvane::inspect {

// True when `gs` is a program on the PATH.
bool GhostscriptFound();

// A Ghostscript process: its standard output into a pipe (Output()) or thrown away, its
// standard error into a file. A run not waited for is ended when this goes.
class Ghostscript {
public:
    // args: what follows "gs -q -dSAFER -dBATCH -dNOPAUSE"; tmp: its own temporary folder.
    Ghostscript(const std::vector<std::string>& args, const std::string& tmp, const std::string& errors, bool pipeOutput);
    ~Ghostscript();
    Ghostscript(const Ghostscript&) = delete;
    Ghostscript& operator=(const Ghostscript&) = delete;

    // Its standard output, when piped; ends with the process.
    std::streambuf& Output() { return output_; }
    // Its exit status (128 + the signal that ended it); -1 when it could not start.
    int Wait();

private:
    class PipeBuf : public std::streambuf {
    public:
        int fd = -1;
        ~PipeBuf() override;
    protected:
        int_type underflow() override;
    private:
        std::vector<char> buffer_ = std::vector<char>(1 << 20);
        ssize_t lastRead_ = 0;
    };
    pid_t pid_ = -1;
    PipeBuf output_;
};

}  // namespace orvane::inspect
