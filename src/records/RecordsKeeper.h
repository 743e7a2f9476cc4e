#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "records/Records.h"

// Owns the records database on a thread of its own, so that no write waits
// on the window's thread: writes are queued and done in order, each one short
// transaction; reads wait for the writes queued before them. The thread
// starts, and opens the file, with the first change or question: a game that
// never needs its records never touches them.
class RecordsKeeper {
 public:
  // `today` names a damaged file moved aside.
  RecordsKeeper(std::string folder, std::string today);
  ~RecordsKeeper();
  RecordsKeeper(const RecordsKeeper&) = delete;
  RecordsKeeper& operator=(const RecordsKeeper&) = delete;

  // Queues a change. One that fails is dropped, and the player told once:
  // records are never worth stopping play for. Later changes are tried as
  // usual, so writing resumes once the disk has room again.
  void Write(std::function<void(Records&)> change);

  // Runs `query` after every queued change and returns its result, or
  // `fallback` when there are no records or the query fails.
  template <typename Result>
  Result Read(std::function<Result(Records&)> query, Result fallback) {
    auto answer = std::make_shared<std::promise<Result>>();
    std::future<Result> result = answer->get_future();
    Enqueue([answer, query, fallback](Records* records) {
      try {
        answer->set_value(records ? query(*records) : fallback);
      } catch (...) {
        answer->set_value(fallback);
        throw;
      }
    });
    return result.get();
  }

  // Waits until every queued change is done.
  void Flush();
  bool Started() const { return thread_.joinable(); }
  // What the player should hear about the records, once: "" when nothing.
  std::u16string TakeNotice();

 private:
  using Job = std::function<void(Records*)>;
  void Enqueue(Job job);
  void Run(std::string folder, std::string today);
  // Adds to what the player will be told.
  void Say(std::u16string_view text);
  void SayFailedOnce();

  const std::string folder_, today_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Job> jobs_;
  bool stopping_ = false;
  std::u16string notice_;
  bool failureSaid_ = false;  // only on the records' thread
  std::thread thread_;
};
