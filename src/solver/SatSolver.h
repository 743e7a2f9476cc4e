#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "solver/SearchControl.h"

namespace CaDiCaL {
class Solver;
}

// A conflict-driven SAT solver (CaDiCaL) behind the few calls the exact
// search makes: variables, clauses, a solve under assumptions that spends a
// budget, and the model. Clauses and what the solver learnt stay between
// solves, so a search that adds to them asks again cheaply.
class SatSolver {
 public:
  SatSolver();
  ~SatSolver();
  SatSolver(const SatSolver&) = delete;
  SatSolver& operator=(const SatSolver&) = delete;

  int NewVariable() { return ++variables_; }
  void Add(std::initializer_list<int> clause);
  void Add(const std::vector<int>& clause);
  std::uint64_t Literals() const { return literals_; }
  // A variable true exactly when one of the literals is (the literal itself
  // when there is only one).
  int AnyOf(const std::vector<int>& literals);
  // At most one of the literals true, unless `unless` is.
  void AtMostOne(const std::vector<int>& literals, int unless = 0);
  // Keeps a variable that later clauses or assumptions name from being
  // eliminated while the solver simplifies.
  void Freeze(int variable);
  // Tries the literal's value first whenever the solver decides on its
  // variable, until the preference is cleared.
  void Prefer(int literal);
  void ClearPreference(int variable);

  enum class Answer { Satisfiable, Unsatisfiable, Stopped };
  // Solves under the assumptions until an answer, the budget is spent, or
  // `pointless` says the answer is no longer wanted. The solver's conflicts
  // cost the budget more steps the more literals its clauses hold.
  Answer Solve(const std::vector<int>& assumptions, Budget& budget,
               const std::function<bool()>& pointless);
  // The value of the literal in the last model.
  bool Value(int literal) const;
  // After an unsatisfiable solve: whether the assumption was among those
  // that made it so.
  bool Failed(int literal) const;

 private:
  std::unique_ptr<CaDiCaL::Solver> solver_;
  int variables_ = 0;
  std::uint64_t literals_ = 0;
};
