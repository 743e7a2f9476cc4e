#include "solver/SatSolver.h"

#include <cadical.hpp>

namespace {

// Work is counted by the solver's conflicts, each about as costly as a step
// for every five literals it watches (propagation visits more of them the
// more there are), and by its checks, about every ten decisions.
constexpr std::uint64_t kLiteralsPerStep = 5;
constexpr std::uint64_t kStepsPerCheck = 1'000;

// CaDiCaL reports each clause it learns, one per conflict, and asks now and
// then, between its steps, whether to stop.
class BudgetTerminator : public CaDiCaL::Terminator, public CaDiCaL::Learner {
 public:
  BudgetTerminator(Budget& budget, std::uint64_t stepsPerConflict,
                   const std::function<bool()>& pointless)
      : budget_(budget), stepsPerConflict_(stepsPerConflict), pointless_(pointless) {}
  bool terminate() override {
    const std::uint64_t steps = owed_ + kStepsPerCheck;
    owed_ = 0;
    return !budget_.Spend(steps) || pointless_();
  }
  bool learning(int) override {
    owed_ += stepsPerConflict_;
    return false;  // the clause itself is not wanted
  }
  void learn(int) override {}

 private:
  Budget& budget_;
  const std::uint64_t stepsPerConflict_;
  const std::function<bool()>& pointless_;
  std::uint64_t owed_ = 0;
};

}  // namespace

SatSolver::SatSolver() : solver_(std::make_unique<CaDiCaL::Solver>()) {
  // Tuned for satisfiable problems: the search mostly asks for a better
  // board that exists. On the samples it finds one several times sooner.
  solver_->configure("sat");
  // Most variables are placements, and most placements stay off the board.
  solver_->set("phase", 0);
  solver_->set("quiet", 1);
}

SatSolver::~SatSolver() = default;

void SatSolver::Add(std::initializer_list<int> clause) {
  Add(std::vector<int>(clause));
}

void SatSolver::Add(const std::vector<int>& clause) {
  for (int literal : clause) solver_->add(literal);
  solver_->add(0);
  literals_ += clause.size();
}

int SatSolver::AnyOf(const std::vector<int>& literals) {
  if (literals.size() == 1) return literals.front();
  const int any = NewVariable();
  std::vector<int> some{-any};
  for (int literal : literals) {
    Add({-literal, any});
    some.push_back(literal);
  }
  Add(some);
  return any;
}

void SatSolver::AtMostOne(const std::vector<int>& literals, int unless) {
  auto notBoth = [&](int a, int b) {
    if (unless != 0) {
      Add({-a, -b, unless});
    } else {
      Add({-a, -b});
    }
  };
  if (literals.size() <= 6) {
    for (std::size_t i = 0; i < literals.size(); ++i)
      for (std::size_t j = i + 1; j < literals.size(); ++j) notBoth(literals[i], literals[j]);
    return;
  }
  // A ladder: step i is true once one of the first i literals is.
  int step = 0;
  for (int literal : literals) {
    if (step != 0) notBoth(step, literal);
    const int next = NewVariable();
    Add({-literal, next});
    if (step != 0) Add({-step, next});
    step = next;
  }
}

void SatSolver::Freeze(int variable) {
  solver_->freeze(variable);
}

void SatSolver::Prefer(int literal) {
  solver_->phase(literal);
}

void SatSolver::ClearPreference(int variable) {
  solver_->unphase(variable);
}

SatSolver::Answer SatSolver::Solve(const std::vector<int>& assumptions, Budget& budget,
                                   const std::function<bool()>& pointless) {
  if (!budget.Spend() || pointless()) return Answer::Stopped;
  solver_->reserve(variables_);  // every variable has a value, named in a clause or not
  BudgetTerminator terminator(budget, 1 + literals_ / kLiteralsPerStep, pointless);
  solver_->connect_terminator(&terminator);
  solver_->connect_learner(&terminator);
  for (int literal : assumptions) solver_->assume(literal);
  const int answer = solver_->solve();
  solver_->disconnect_terminator();
  solver_->disconnect_learner();
  if (answer == 10) return Answer::Satisfiable;
  if (answer == 20) return Answer::Unsatisfiable;
  return Answer::Stopped;
}

bool SatSolver::Value(int literal) const {
  return solver_->val(literal) > 0;
}

bool SatSolver::Failed(int literal) const {
  return solver_->failed(literal);
}
