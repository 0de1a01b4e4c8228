#pragma once
// While it lives, a write that would make a file larger than `bytes` fails, the way a full
// disk fails it part-way (works as root too, unlike a read-only folder).
#include <csignal>
#include <sys/resource.h>

struct FileSizeLimit {
    rlimit old{};
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead of ending the process
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limited = old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
};
