#include "platform/include/CrashDumpHandler.h"

#include "platform/include/InputHookSource.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <cxxabi.h>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int kHandledSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
constexpr size_t kPathCapacity = 4096;
constexpr int kMaxNoticeArguments = 8;
constexpr int kMaxFrames = 64;

// Two buffers so a new folder can be published while a crash reads the other.
char g_dumpDirs[2][kPathCapacity];
std::atomic<int> g_activeDumpDir{0};
std::atomic<long> g_utcOffsetSeconds{0};
char g_program[kPathCapacity];
// The program, its arguments, the dump's path and the closing null.
char* g_noticeArgv[kMaxNoticeArguments + 3];
int g_noticeArgc = 0;
char g_dumpPath[kPathCapacity];
volatile sig_atomic_t g_handling = 0;
// Large enough for the unwinder and the sanitizers' own use of the stack.
alignas(16) char g_alternateStack[256 * 1024];

// A fixed buffer with append operations that neither allocate nor lock.
struct Line
{
    char text[512];
    size_t length = 0;

    void add(const char* s)
    {
        while (*s && length < sizeof text - 1)
            text[length++] = *s++;
    }
    void addDecimal(unsigned long value, int minDigits = 1)
    {
        char digits[24];
        int n = 0;
        do {
            digits[n++] = char('0' + value % 10);
            value /= 10;
        } while (value && n < 24);
        while (n < minDigits && n < 24)
            digits[n++] = '0';
        while (n > 0 && length < sizeof text - 1)
            text[length++] = digits[--n];
    }
    void addHex(uintptr_t value)
    {
        add("0x");
        for (int shift = int(sizeof value * 8) - 4; shift >= 0; shift -= 4)
            if (length < sizeof text - 1)
                text[length++] = "0123456789abcdef"[(value >> shift) & 0xf];
    }
    void writeTo(int fd) const
    {
        size_t done = 0;
        while (done < length) {
            const ssize_t n = ::write(fd, text + done, length - done);
            if (n <= 0)
                return;
            done += size_t(n);
        }
    }
};

const char* signalName(int signal)
{
    switch (signal) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGILL:
        return "SIGILL";
    case SIGFPE:
        return "SIGFPE";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "signal";
    }
}

long currentUtcOffset()
{
    const time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    return local.tm_gmtoff;
}

// Days since 1970-01-01 to a civil date (proleptic Gregorian), as in
// Howard Hinnant's date algorithms.
void civilFromDays(long days, long& year, unsigned& month, unsigned& day)
{
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = unsigned(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned mp = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = long(yearOfEra) + era * 400 + (month <= 2);
}

void addLocalTimestamp(Line& line)
{
    const long seconds = long(time(nullptr)) + g_utcOffsetSeconds.load();
    long days = seconds / 86400;
    long rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    long year;
    unsigned month, day;
    civilFromDays(days, year, month, day);
    line.addDecimal(unsigned(year), 4);
    line.add("_");
    line.addDecimal(month, 2);
    line.add("_");
    line.addDecimal(day, 2);
    line.add("_");
    line.addDecimal(unsigned(rest / 3600), 2);
    line.add("_");
    line.addDecimal(unsigned(rest / 60 % 60), 2);
    line.add("_");
    line.addDecimal(unsigned(rest % 60), 2);
}

void makePath(const char* path)
{
    char partial[kPathCapacity];
    size_t i = 0;
    for (; path[i] && i < kPathCapacity - 1; ++i) {
        if (path[i] == '/' && i > 0) {
            partial[i] = '\0';
            ::mkdir(partial, 0700);
        }
        partial[i] = path[i];
    }
    partial[i] = '\0';
    ::mkdir(partial, 0700);
}

void copyFileTo(const char* source, int fd)
{
    const int in = ::open(source, O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return;
    char block[4096];
    ssize_t n;
    while ((n = ::read(in, block, sizeof block)) > 0) {
        ssize_t done = 0;
        while (done < n) {
            const ssize_t written = ::write(fd, block + done, size_t(n - done));
            if (written <= 0)
                break;
            done += written;
        }
    }
    ::close(in);
}

// Named by the local time to the second; another dump of the same second (a
// second instance, a crash right after the restart) is never overwritten:
// it gets the process id, then a counter, beside the name.
int createDumpFile(const char* dir)
{
    Line stem;
    stem.add(dir);
    stem.add("/");
    addLocalTimestamp(stem);
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        Line path = stem;
        if (attempt > 0) {
            path.add("_");
            path.addDecimal(unsigned(::getpid()));
        }
        if (attempt > 1) {
            path.add("_");
            path.addDecimal(attempt - 1);
        }
        path.add(".dmp");
        path.text[path.length] = '\0';
        const int fd = ::open(path.text, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0)
            std::memcpy(g_dumpPath, path.text, path.length + 1);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void writeDump(int signal, const siginfo_t* info)
{
    const char* dir = g_dumpDirs[g_activeDumpDir.load()];
    makePath(dir);

    const int fd = createDumpFile(dir);
    if (fd < 0)
        return;

    const long tid = ::syscall(SYS_gettid);
    Line head;
    head.add("Crash dump\nsignal: ");
    head.addDecimal(unsigned(signal));
    head.add(" (");
    head.add(signalName(signal));
    head.add(")\ncode: ");
    if (info && info->si_code < 0) {
        head.add("-");
        head.addDecimal(unsigned(-info->si_code));
    } else {
        head.addDecimal(info ? unsigned(info->si_code) : 0);
    }
    if (info && info->si_code > 0) {
        head.add("\naddress: ");
        head.addHex(reinterpret_cast<uintptr_t>(info->si_addr));
    } else if (info) {
        // Sent, not raised by a fault: the address field holds the sender.
        head.add("\naddress: none\nsent by process: ");
        head.addDecimal(unsigned(info->si_pid));
    }
    head.add("\nprocess: ");
    head.addDecimal(unsigned(::getpid()));
    head.add("\nthread: ");
    head.addDecimal(unsigned(tid));
    head.writeTo(fd);

    Line commPath;
    commPath.add("/proc/self/task/");
    commPath.addDecimal(unsigned(tid));
    commPath.add("/comm");
    commPath.text[commPath.length] = '\0';
    Line rest;
    rest.add(" (");
    const int comm = ::open(commPath.text, O_RDONLY | O_CLOEXEC);
    if (comm >= 0) {
        char threadName[32];
        const ssize_t n = ::read(comm, threadName, sizeof threadName - 1);
        ::close(comm);
        threadName[n > 0 ? n : 0] = '\0';
        if (n > 0 && threadName[n - 1] == '\n')
            threadName[n - 1] = '\0';
        rest.add(threadName);
    }
    rest.add(")\nprogram: ");
    rest.add(g_program);
    rest.add("\n\nbacktrace:\n");
    rest.writeTo(fd);

    void* frames[kMaxFrames];
    const int count = backtrace(frames, kMaxFrames);
    backtrace_symbols_fd(frames, count, fd);

    Line maps;
    maps.add("\nmemory map:\n");
    maps.writeTo(fd);
    copyFileTo("/proc/self/maps", fd);
    ::close(fd);
}

void startNotice()
{
    if (!g_program[0])
        return;
    const pid_t pid = _Fork();
    if (pid == 0) {
        // The handled signal is blocked here and a blocked mask survives exec.
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        // The notice run gives the dump's frames their readable names.
        if (g_dumpPath[0]) {
            g_noticeArgv[g_noticeArgc] = g_dumpPath;
            g_noticeArgv[g_noticeArgc + 1] = nullptr;
        }
        ::execve(g_program, g_noticeArgv, environ);
        _exit(127);
    }
}

void onFatalSignal(int signal, siginfo_t* info, void*)
{
    if (!g_handling) {
        g_handling = 1;
        // Give the keyboard back first: writing the dump may take a while,
        // and a key capture must not outlive the program that ran it.
        InputHookSource::releaseGrabsForCrash();
        writeDump(signal, info);
        startNotice();
    }
    // Default action from here on. The signal stays blocked until the
    // handler returns, then the pending one ends the process; a fault
    // re-executes the faulting instruction the same way.
    struct sigaction defaultAction;
    std::memset(&defaultAction, 0, sizeof defaultAction);
    defaultAction.sa_handler = SIG_DFL;
    sigemptyset(&defaultAction.sa_mask);
    sigaction(signal, &defaultAction, nullptr);
    raise(signal);
}

void storeDumpDirectory(const QString& dumpDir)
{
    const QByteArray encoded = QFile::encodeName(dumpDir);
    const int next = 1 - g_activeDumpDir.load();
    const size_t length = std::min(size_t(encoded.size()), kPathCapacity - 1);
    std::memcpy(g_dumpDirs[next], encoded.constData(), length);
    g_dumpDirs[next][length] = '\0';
    g_activeDumpDir.store(next);
    g_utcOffsetSeconds.store(currentUtcOffset());
}

} // namespace

bool CrashDumpHandler::install(const QString& dumpDir, const QString& noticeProgram, const QStringList& noticeArguments)
{
    storeDumpDirectory(dumpDir);

    const QByteArray program = QFile::encodeName(noticeProgram);
    const size_t programLength = std::min(size_t(program.size()), kPathCapacity - 1);
    std::memcpy(g_program, program.constData(), programLength);
    g_program[programLength] = '\0';
    g_noticeArgv[0] = ::strdup(g_program);
    int argc = 1;
    for (const QString& argument : noticeArguments) {
        if (argc > kMaxNoticeArguments)
            break;
        g_noticeArgv[argc++] = ::strdup(argument.toLocal8Bit().constData());
    }
    g_noticeArgv[argc] = nullptr;
    g_noticeArgc = argc;

    // The first backtrace() loads the unwinder, which must not happen inside
    // the handler.
    void* warmUp[2];
    backtrace(warmUp, 2);

    stack_t stack;
    std::memset(&stack, 0, sizeof stack);
    stack.ss_sp = g_alternateStack;
    stack.ss_size = sizeof g_alternateStack;
    bool ok = sigaltstack(&stack, nullptr) == 0;

    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signal : kHandledSignals)
        ok = sigaction(signal, &action, nullptr) == 0 && ok;
    return ok;
}

void CrashDumpHandler::setDumpDirectory(const QString& dumpDir)
{
    storeDumpDirectory(dumpDir);
}

QString CrashDumpHandler::dumpDirectory()
{
    return QFile::decodeName(g_dumpDirs[g_activeDumpDir.load()]);
}

bool CrashDumpHandler::nameFrames(const QString& dumpPath)
{
    constexpr qint64 kMaxDumpBytes = 16 * 1024 * 1024;
    if (!dumpPath.endsWith(QLatin1String(".dmp")))
        return false;
    QFile in(dumpPath);
    if (!in.open(QIODevice::ReadOnly) || in.size() > kMaxDumpBytes)
        return false;
    const QByteArray text = in.readAll();
    in.close();
    const int start = text.indexOf("\nbacktrace:\n");
    const int end = text.indexOf("\nmemory map:\n", start);
    if (!text.startsWith("Crash dump\n") || start < 0 || end < 0)
        return false;

    // "<object>(<symbol>+<offset>)[<address>]", as backtrace_symbols_fd writes a frame.
    static const QRegularExpression frame(QStringLiteral("^(.*\\()(_Z[^()+]+)(\\+0x[0-9a-f]+\\)\\[0x[0-9a-f]+\\])$"));
    QList<QByteArray> lines = text.mid(start, end - start).split('\n');
    bool changed = false;
    for (QByteArray& line : lines) {
        const QRegularExpressionMatch match = frame.match(QString::fromLocal8Bit(line));
        if (!match.hasMatch())
            continue;
        int status = -1;
        char* name = abi::__cxa_demangle(match.captured(2).toLatin1().constData(), nullptr, nullptr, &status);
        if (status == 0 && name) {
            line = match.captured(1).toLocal8Bit() + name + match.captured(3).toLocal8Bit();
            changed = true;
        }
        std::free(name);
    }
    if (!changed)
        return true;

    QSaveFile out(dumpPath);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(text.left(start));
    out.write(lines.join('\n'));
    out.write(text.mid(end));
    return out.commit();
}
