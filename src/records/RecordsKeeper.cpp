#include "records/RecordsKeeper.h"

#include <future>
#include <utility>

#include "records/RecordsFile.h"

RecordsKeeper::RecordsKeeper(std::string folder, std::string today)
    : folder_(std::move(folder)), today_(std::move(today)) {}

RecordsKeeper::~RecordsKeeper() {
  if (!Started()) return;
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void RecordsKeeper::Write(std::function<void(Records&)> change) {
  Enqueue([change = std::move(change)](Records* records) {
    if (records) change(*records);
  });
}

void RecordsKeeper::SayFailedOnce() {
  if (std::exchange(failureSaid_, true)) return;
  Say(u"記録を残せませんでした。ディスクの空きや書き込みの権限を確かめてください。");
}

void RecordsKeeper::Say(std::u16string_view text) {
  if (text.empty()) return;
  std::lock_guard lock(mutex_);
  if (!notice_.empty()) notice_ += u"\n";
  notice_ += text;
}

void RecordsKeeper::Reply(std::function<void()> answer) {
  std::lock_guard lock(mutex_);
  answers_.push_back(std::move(answer));
}

void RecordsKeeper::DeliverAnswers() {
  std::deque<std::function<void()>> ready;
  {
    std::lock_guard lock(mutex_);
    ready.swap(answers_);
  }
  for (auto& answer : ready) answer();
}

void RecordsKeeper::Flush() {
  if (!Started()) return;
  std::promise<void> done;
  Enqueue([&done](Records*) { done.set_value(); });
  done.get_future().wait();
}

std::u16string RecordsKeeper::TakeNotice() {
  std::lock_guard lock(mutex_);
  return std::exchange(notice_, u"");
}

void RecordsKeeper::Enqueue(Job job) {
  if (!Started()) thread_ = std::thread([this] { Run(folder_, today_); });
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
  }
  wake_.notify_one();
}

void RecordsKeeper::Run(std::string folder, std::string today) {
  // Nothing thrown on this thread may end the game: a failure is said, and
  // the game plays on, with or without its records.
  OpenedRecords opened;
  try {
    opened = OpenRecordsFile(folder, today);
  } catch (...) {
    SayFailedOnce();
  }
  std::optional<Records> records;
  if (opened.db) records.emplace(*opened.db);
  Say(opened.notice);
  // Queued work is finished before the thread ends, so that nothing the
  // player did is dropped on the way out.
  for (;;) {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
    if (jobs_.empty()) return;
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    lock.unlock();
    try {
      job(records ? &*records : nullptr);
    } catch (...) {
      SayFailedOnce();
    }
  }
}
