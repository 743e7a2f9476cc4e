#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "records/Records.h"

// Owns the records database on a thread of its own, so that the window's
// thread never waits on the disk or on another game: changes are queued and
// done in order, each one short transaction; a question is queued behind them
// and its answer handed back when the owner collects it. The thread starts,
// and opens the file, with the first change or question: a game that never
// needs its records never touches them.
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

  // Queues `query` behind every queued change; its result, or `fallback`
  // when there are no records or the query fails, goes to `answer` on the
  // thread that calls DeliverAnswers.
  template <typename Result>
  void Ask(std::function<Result(Records&)> query, Result fallback,
           std::function<void(Result)> answer) {
    Enqueue([this, query = std::move(query), fallback = std::move(fallback),
             answer = std::move(answer)](Records* records) {
      try {
        Reply([answer, result = records ? query(*records) : fallback] { answer(result); });
      } catch (...) {
        Reply([answer, fallback] { answer(fallback); });
        throw;
      }
    });
  }
  // Hands out the answers ready so far: the owner calls it often, on its own
  // thread.
  void DeliverAnswers();

  // Waits until every queued change is done: for the way out.
  void Flush();
  bool Started() const { return thread_.joinable(); }
  // What the player should hear about the records, once: "" when nothing.
  std::u16string TakeNotice();

 private:
  using Job = std::function<void(Records*)>;
  void Enqueue(Job job);
  void Reply(std::function<void()> answer);
  void Run(std::string folder, std::string today);
  // Adds to what the player will be told.
  void Say(std::u16string_view text);
  void SayFailedOnce();

  const std::string folder_, today_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Job> jobs_;
  std::deque<std::function<void()>> answers_;
  bool stopping_ = false;
  std::u16string notice_;
  bool failureSaid_ = false;  // only on the records' thread
  std::thread thread_;
};
