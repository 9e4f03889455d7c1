// VyxOutput.cpp: safe output files and careful input files for the tool.
#include "tools/VyxOutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXPrintable.h"

namespace fs = std::filesystem;

namespace {

// The temporary file the signal handler removes. A program-wide slot is
// right here: the tool writes one output at a time, and a handler can reach
// nothing else. It holds a copy, so the handler never touches the heap.
char gPendingTemp[4096];
volatile std::sig_atomic_t gHavePending = 0;

extern "C" void RemovePendingTemp(int sig)
{
    if (gHavePending)
        ::unlink(gPendingTemp);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

void Guard(const std::string& temp)
{
    if (temp.size() >= sizeof gPendingTemp)
        return;
    std::memcpy(gPendingTemp, temp.c_str(), temp.size() + 1);
    gHavePending = 1;
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        std::signal(sig, RemovePendingTemp);
}

void Unguard()
{
    gHavePending = 0;
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        std::signal(sig, SIG_DFL);
}

std::string Quoted(const std::string& path) { return "\"" + VYXPrintable(path) + "\""; }

const char* KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a directory";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "not a regular file";
}

// `text` with every occurrence of `from` replaced by `to`.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to)
{
    if (from.empty())
        return text;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

TVyxOutputFile::TVyxOutputFile(std::string target, const std::vector<std::string>& inputs)
    : FTarget(std::move(target))
{
    if (FTarget.empty())
        throw VYXException("The output file name is empty");
    FResolved = FTarget;
    struct stat st {};
    if (::stat(FTarget.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            throw VYXException("Refusing to write to " + Quoted(FTarget) + ": it is " + KindOf(st.st_mode) +
                               ", not a regular file");
        FMode = static_cast<int>(st.st_mode & 07777);
        std::error_code ec;
        const fs::path real = fs::canonical(FTarget, ec);
        if (!ec)
            FResolved = real.string();
        for (const auto& input : inputs) {
            if (fs::equivalent(FTarget, input, ec))
                throw VYXException("Refusing to overwrite the input file " + Quoted(input));
        }
    }
    const fs::path targetPath(FResolved);
    FTemp = (targetPath.parent_path() / ("." + targetPath.filename().string() + ".vyx-" + std::to_string(getpid()) +
                                         ".tmp"))
                .string();
    Guard(FTemp);
}

TVyxOutputFile::~TVyxOutputFile()
{
    if (!FCommitted)
        std::remove(FTemp.c_str());
    Unguard();
}

void TVyxOutputFile::Write(const std::function<void(const std::string& tempName)>& write)
{
    try {
        write(FTemp);
    } catch (const VYXException& e) {
        throw VYXException(ReplaceAll(e.what(), FTemp, FTarget));
    }
}

void TVyxOutputFile::Commit()
{
    if (FMode >= 0)
        ::chmod(FTemp.c_str(), static_cast<mode_t>(FMode));
    // The target may have changed kind while we wrote: check again right before replacing it.
    struct stat st {};
    if (::lstat(FResolved.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        throw VYXException("Refusing to write to " + Quoted(FTarget) + ": it is " + KindOf(st.st_mode) +
                           ", not a regular file");
    std::error_code ec;
    fs::rename(FTemp, FResolved, ec);
    if (ec)
        throw VYXException("Cannot write file " + Quoted(FTarget) + ": " + ec.message());
    FCommitted = true;
    Unguard();
}

void VyxWriteOutput(const std::string& target, std::string_view bytes, const std::vector<std::string>& inputs)
{
    TVyxOutputFile out(target, inputs);
    out.Write([&](const std::string& temp) { VYXWriteFile(temp, bytes); });
    out.Commit();
}

std::unique_ptr<TVYXStream> VyxOpenInput(const std::string& path, std::uint64_t maxStreamBytes)
{
    const std::uint64_t maxBytes = maxStreamBytes;
    if (path.empty())
        throw VYXException("The input file name is empty");
    const bool stdinAlias = path == "-";
    struct stat st {};
    if (stdinAlias ? ::fstat(0, &st) != 0 : ::stat(path.c_str(), &st) != 0)
        throw VYXException("Cannot open file " + Quoted(path) + ": " + std::strerror(errno));
    if (S_ISREG(st.st_mode) && !stdinAlias)
        return std::make_unique<TVYXFileStream>(path, vyfmRead);
    if (!S_ISREG(st.st_mode) && !S_ISFIFO(st.st_mode) && !S_ISSOCK(st.st_mode)) {
        if (S_ISCHR(st.st_mode) && (stdinAlias ? ::isatty(0) : false))
            throw VYXException("Standard input is a terminal: pipe a file into it or name one");
        throw VYXException("Cannot read " + Quoted(path) + ": it is " + KindOf(st.st_mode) + ", not a file");
    }
    // A stream: opened without blocking (a FIFO nobody writes to would wait
    // forever), then read to its end.
    const int fd = stdinAlias ? ::dup(0) : ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw VYXException("Cannot open file " + Quoted(path) + ": " + std::strerror(errno));
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    std::string data;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            throw VYXException("Cannot read " + Quoted(path) + ": " + std::strerror(err));
        }
        if (n == 0)
            break;
        if (data.size() + static_cast<std::size_t>(n) > maxBytes) {
            ::close(fd);
            throw VYXException("The input " + Quoted(path) + " is larger than " + std::to_string(maxBytes) + " bytes");
        }
        data.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return std::make_unique<TVYXMemoryStream>(std::move(data));
}
