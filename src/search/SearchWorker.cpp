#include "search/SearchWorker.h"

SearchWorker::SearchWorker(SearchJob job, QObject* parent)
    : QThread(parent), job_(std::move(job)) {}

SearchWorker::~SearchWorker() {
  Stop();
  wait();
}

void SearchWorker::run() {
  result_ = Solve(job_.puzzle, job_.options, interrupt_,
                  [this](const SolveProgress& p) { emit progressed(p.best, p.bound, p.elapsed); });
}
