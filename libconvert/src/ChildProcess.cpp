#include "ChildProcess.h"

#include <algorithm>
#include <mutex>
#include <thread>

#include "CommandLine.h"
#include "UniqueHandle.h"

namespace {
constexpr size_t kReadChunk = 4096;
constexpr size_t kLongestLine = 64 * 1024;

// A pipe whose child end is inherited and whose parent end is not.
struct Pipe {
    UniqueHandle read;
    UniqueHandle write;

    bool Create(bool childReads) {
        SECURITY_ATTRIBUTES security{sizeof(security), nullptr, TRUE};
        HANDLE readEnd = nullptr, writeEnd = nullptr;
        if (!CreatePipe(&readEnd, &writeEnd, &security, 0)) return false;
        read.Reset(readEnd);
        write.Reset(writeEnd);
        return SetHandleInformation(childReads ? writeEnd : readEnd, HANDLE_FLAG_INHERIT, 0) != 0;
    }
};

// Keeps the head and the tail of a long text; the middle goes.
class BoundedText {
public:
    void Append(const char* data, size_t size) {
        size_t toHead = std::min(size, kPart - std::min(kPart, head_.size()));
        head_.append(data, toHead);
        tail_.append(data + toHead, size - toHead);
        if (tail_.size() > 2 * kPart) tail_.erase(0, tail_.size() - kPart);
    }
    std::string Text() const { return head_ + tail_; }

private:
    static constexpr size_t kPart = 64 * 1024;
    std::string head_;
    std::string tail_;
};

// Lines the child writes, passed from the reading thread to the waiting one.
class LineQueue {
public:
    LineQueue() : ready_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
    bool Valid() const { return ready_.Valid(); }
    HANDLE Ready() const { return ready_.Get(); }

    void Push(std::string line) {
        std::lock_guard<std::mutex> lock(mutex_);
        lines_.push_back(std::move(line));
        SetEvent(ready_.Get());
    }
    std::vector<std::string> Take() {
        std::lock_guard<std::mutex> lock(mutex_);
        return std::exchange(lines_, {});
    }

private:
    UniqueHandle ready_;
    std::mutex mutex_;
    std::vector<std::string> lines_;
};

void ReadLines(HANDLE pipe, LineQueue& queue) {
    std::string pending;
    char buffer[kReadChunk];
    DWORD count = 0;
    while (ReadFile(pipe, buffer, sizeof(buffer), &count, nullptr) && count > 0) {
        pending.append(buffer, count);
        size_t end;
        while ((end = pending.find('\n')) != std::string::npos) {
            std::string line = pending.substr(0, end);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            queue.Push(std::move(line));
            pending.erase(0, end + 1);
        }
        if (pending.size() > kLongestLine) pending.clear();
    }
    if (!pending.empty()) queue.Push(std::move(pending));
}

void ReadText(HANDLE pipe, BoundedText& text) {
    char buffer[kReadChunk];
    DWORD count = 0;
    while (ReadFile(pipe, buffer, sizeof(buffer), &count, nullptr) && count > 0)
        text.Append(buffer, count);
}

// A job object that ends its processes when its last handle is closed, which
// happens at the latest when this process ends.
UniqueHandle KillOnCloseJob() {
    UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job && !SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits,
                                        sizeof(limits)))
        job.Reset();
    return job;
}

// One started child with its pipes and reading threads. Its destructor ends
// the child if it still runs and only then waits for the readers, which end
// when the child's pipe ends close.
class ChildRun {
public:
    ~ChildRun() {
        if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) Terminate();
        JoinReaders();
    }

    bool Start(const std::wstring& program, const std::vector<std::wstring>& arguments,
               DWORD& error) {
        if (!lines_.Valid() || !input_.Create(true) || !output_.Create(false) ||
            !errors_.Create(false)) {
            error = GetLastError();
            return false;
        }
        std::wstring line = BuildCommandLine(program, arguments);
        std::vector<wchar_t> commandLine(line.begin(), line.end());
        commandLine.push_back(L'\0');
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = input_.read.Get();
        startup.hStdOutput = output_.write.Get();
        startup.hStdError = errors_.write.Get();
        PROCESS_INFORMATION info{};
        // Suspended until it is in the job, so it cannot start a process
        // that escapes the job.
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                            CREATE_NO_WINDOW | CREATE_SUSPENDED, nullptr, nullptr, &startup,
                            &info)) {
            error = GetLastError();
            return false;
        }
        process_.Reset(info.hProcess);
        UniqueHandle thread(info.hThread);
        job_ = KillOnCloseJob();
        // A host already in a job that allows no nesting still converts.
        if (job_ && !AssignProcessToJobObject(job_.Get(), process_.Get())) job_.Reset();
        // The child holds its own copies now; ours would keep the readers
        // from ever seeing the end of the pipes.
        input_.read.Reset();
        output_.write.Reset();
        errors_.write.Reset();
        outputReader_ = std::thread(ReadLines, output_.read.Get(), std::ref(lines_));
        errorReader_ = std::thread(ReadText, errors_.read.Get(), std::ref(errorText_));
        ResumeThread(thread.Get());
        return true;
    }

    // Waits for the child's end, passing its output lines on; true when it
    // was stopped through stopEvent.
    bool Wait(HANDLE stopEvent, DWORD graceMilliseconds, const OutputLineSink& onOutputLine) {
        HANDLE waits[3];
        DWORD count = 0;
        if (stopEvent) waits[count++] = stopEvent;
        waits[count++] = process_.Get();
        waits[count++] = lines_.Ready();
        for (;;) {
            DWORD which = WaitForMultipleObjects(count, waits, FALSE, INFINITE);
            HANDLE signalled =
                which - WAIT_OBJECT_0 < count ? waits[which - WAIT_OBJECT_0] : nullptr;
            if (signalled == lines_.Ready()) {
                Deliver(onOutputLine);
            } else if (signalled && signalled == stopEvent) {
                Quit(graceMilliseconds);
                return true;
            } else {
                break;
            }
        }
        WaitForSingleObject(process_.Get(), INFINITE);
        JoinReaders();
        Deliver(onOutputLine);
        return false;
    }

    DWORD ExitCode() const {
        DWORD code = 0;
        GetExitCodeProcess(process_.Get(), &code);
        return code;
    }

    std::string ErrorOutput() {
        JoinReaders();
        return errorText_.Text();
    }

private:
    void Deliver(const OutputLineSink& onOutputLine) {
        for (const std::string& line : lines_.Take()) {
            if (onOutputLine) onOutputLine(line);
        }
    }

    // ffmpeg.exe ends cleanly on "q", with a playable file.
    void Quit(DWORD graceMilliseconds) {
        DWORD written = 0;
        WriteFile(input_.write.Get(), "q", 1, &written, nullptr);
        if (WaitForSingleObject(process_.Get(), graceMilliseconds) == WAIT_TIMEOUT) Terminate();
    }

    void Terminate() {
        TerminateProcess(process_.Get(), ERROR_OPERATION_ABORTED);
        WaitForSingleObject(process_.Get(), INFINITE);
    }

    void JoinReaders() {
        if (outputReader_.joinable()) outputReader_.join();
        if (errorReader_.joinable()) errorReader_.join();
    }

    Pipe input_;
    Pipe output_;
    Pipe errors_;
    LineQueue lines_;
    BoundedText errorText_;
    UniqueHandle process_;
    UniqueHandle job_;
    std::thread outputReader_;
    std::thread errorReader_;
};
}  // namespace

ChildOutcome RunChild(const std::wstring& program, const std::vector<std::wstring>& arguments,
                      HANDLE stopEvent, DWORD graceMilliseconds,
                      const OutputLineSink& onOutputLine) {
    ChildOutcome outcome;
    ChildRun child;
    outcome.started = child.Start(program, arguments, outcome.startError);
    if (!outcome.started) return outcome;
    outcome.stopped = child.Wait(stopEvent, graceMilliseconds, onOutputLine);
    outcome.exitCode = child.ExitCode();
    outcome.errorOutput = child.ErrorOutput();
    return outcome;
}
