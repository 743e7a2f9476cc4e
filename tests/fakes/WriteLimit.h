#pragma once

#include <sys/resource.h>

#include <csignal>

// While it lives, no file of this process grows past `bytes`: the disk is
// full as a writer sees it, its write failing instead of the signal ending
// the process.
class WriteLimit {
 public:
  explicit WriteLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~WriteLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
  WriteLimit(const WriteLimit&) = delete;
  WriteLimit& operator=(const WriteLimit&) = delete;

 private:
  rlimit saved_{};
};
