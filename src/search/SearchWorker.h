#pragma once

#include <QThread>
#include <atomic>

#include "search/SearchJob.h"

// Runs the search on a thread of its own, so the window stays responsive.
// Progress arrives as queued signals; destroying the worker stops the search
// and waits for it.
class SearchWorker : public QThread {
  Q_OBJECT

 public:
  explicit SearchWorker(SearchJob job, QObject* parent = nullptr);
  ~SearchWorker() override;

  // Ends the search soon, with the best found so far.
  void Stop() { interrupt_ = true; }
  const SearchJob& Job() const { return job_; }
  // Valid once the thread has finished.
  const SolveResult& Result() const { return result_; }

 signals:
  void progressed(qint64 best, qint64 bound, double seconds);

 protected:
  void run() override;

 private:
  const SearchJob job_;
  std::atomic<bool> interrupt_{false};
  SolveResult result_;
};
