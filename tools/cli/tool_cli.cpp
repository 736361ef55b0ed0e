#include "tools/cli/tool_cli.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace toolcli {
namespace {

// An argument that reads as an option: a dash and at least one more character.
bool LooksLikeOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

Parsed Refuse(const Tool& tool, const std::string& why) {
    std::fprintf(stderr, "%s: %s\n%s", tool.name, why.c_str(), tool.usage);
    return {std::nullopt, 2};
}

bool Fail(const Tool& tool, const std::string& path, const std::string& what, int error) {
    std::fprintf(stderr, "%s: %s: %s (%s)\n", tool.name, path.c_str(), what.c_str(),
                 std::strerror(error));
    return false;
}

// Writes every byte to fd, retrying short writes and interrupted calls.
bool WriteAll(int fd, const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return true;
}

const char* g_toolName = "";
QtMessageHandler g_qtHandler = nullptr;

void EndOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s: Qt cannot start: %s\n", g_toolName,
                     message.toLocal8Bit().constData());
        std::_Exit(1);
    }
    if (g_qtHandler) g_qtHandler(type, context, message);
}

}  // namespace

Parsed ParseArgs(const Tool& tool, int argc, char** argv) {
    Args args;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnded || !LooksLikeOption(arg)) {
            args.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            std::fputs(tool.usage, stdout);
            return {std::nullopt, FinishOutput(tool, 0)};
        }
        const std::size_t equals = arg.compare(0, 2, "--") == 0 ? arg.find('=') : std::string::npos;
        const std::string name = arg.substr(0, equals);
        const Option* option = nullptr;
        for (const Option& o : tool.options)
            if (name == o.name) option = &o;
        if (!option) return Refuse(tool, "unknown option " + name);
        if (args.Has(name)) return Refuse(tool, name + " given twice");
        std::string value;
        if (!option->value) {
            if (equals != std::string::npos) return Refuse(tool, name + " takes no value");
        } else if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < argc && !LooksLikeOption(argv[i + 1])) {
            value = argv[++i];
        } else {
            return Refuse(tool, name + " needs a value: " + name + " " + option->value);
        }
        if (option->value && value.empty()) return Refuse(tool, name + " needs a value");
        args.options[name] = value;
    }
    const int count = int(args.operands.size());
    if (count < tool.minOperands) return Refuse(tool, "too few arguments");
    if (tool.maxOperands >= 0 && count > tool.maxOperands)
        return Refuse(tool, "unexpected argument " + args.operands[std::size_t(tool.maxOperands)]);
    return {std::move(args), 0};
}

std::optional<int> WholeNumber(const Tool& tool, const std::string& what, const std::string& text,
                               int min, int max) {
    char* end = nullptr;
    errno = 0;
    const long n = text.empty() ? 0 : std::strtol(text.c_str(), &end, 10);
    if (!text.empty() && *end == '\0' && errno == 0 && n >= min && n <= max) return int(n);
    Refuse(tool, what + " takes a whole number from " + std::to_string(min) + " to " +
                     std::to_string(max) + ": " + text);
    return std::nullopt;
}

void StartWithoutDisplay(const Tool& tool) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    g_toolName = tool.name;
    g_qtHandler = qInstallMessageHandler(EndOnFatal);
}

std::optional<std::string> ReadInput(const Tool& tool, const std::string& path, std::size_t cap) {
    const bool standardInput = path == "-";
    const int fd = standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Fail(tool, path, "cannot be read", errno), std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return Fail(tool, path, "cannot be read", EISDIR), std::nullopt;
    }
    std::string text;
    char buffer[65536];
    int error = 0;
    while (text.size() <= cap) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = errno;
        if (n <= 0) break;
        text.append(buffer, std::size_t(n));
    }
    if (!standardInput) ::close(fd);
    if (error) return Fail(tool, path, "cannot be read", error), std::nullopt;
    if (text.size() > cap) {
        std::fprintf(stderr, "%s: %s: longer than %zu bytes\n", tool.name, path.c_str(), cap);
        return std::nullopt;
    }
    return text;
}

bool WriteOutput(const Tool& tool, const std::string& path, const std::string& bytes) {
    if (path == "-") {
        std::cout.flush();
        return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() ||
               Fail(tool, "standard output", "cannot be written", errno);
    }
    struct stat info {};
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode)) {
        // A device or a pipe: written in place, as there is nothing to replace.
        const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0) return Fail(tool, path, "cannot be written", errno);
        const bool written = WriteAll(fd, bytes);
        const int error = errno;
        if (::close(fd) != 0 || !written) return Fail(tool, path, "cannot be written", error);
        return true;
    }
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(&temporary[0]);
    if (fd < 0) return Fail(tool, path, "cannot be written", errno);
    mode_t mode = info.st_mode & 07777;
    if (!exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool written = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && written) written = false, error = errno;
    if (written && ::rename(temporary.c_str(), path.c_str()) == 0) return true;
    if (written) error = errno;
    ::unlink(temporary.c_str());
    return Fail(tool, path, "cannot be written", error);
}

bool WritePng(const Tool& tool, const std::string& path, const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        std::fprintf(stderr, "%s: %s: the image cannot be encoded\n", tool.name, path.c_str());
        return false;
    }
    return WriteOutput(tool, path, png.toStdString());
}

int FinishOutput(const Tool& tool, int status) {
    std::cout.flush();
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    int error = errno;
    bool lost = !std::cout || !flushed || std::ferror(stdout);
    if (std::fclose(stdout) != 0 && !lost) lost = true, error = errno;
    if (!lost) return status;
    // A write that failed before the last flush left no reason behind.
    if (error) {
        Fail(tool, "standard output", "cannot be written", error);
    } else {
        std::fprintf(stderr, "%s: standard output: cannot be written\n", tool.name);
    }
    return status == 0 ? 1 : status;
}

}  // namespace toolcli
