#include "solver/SatEncoding.h"

#include <algorithm>
#include <map>

namespace {

// Adding a literal costs about as much as a step of the other searches.
constexpr std::uint64_t kStepsPerLiteral = 4;

// The first cells a word of `length` characters can start from along a line
// of n cells: its characters on the board, its end markers on the ring at
// most. A word without characters puts its second marker on its first cell.
int Starts(int n, int length) {
  return n - std::max(length, 1) + 1;
}

}  // namespace

SatEncoding::SatEncoding(const SolverPuzzle& puzzle, SatSolver& sat)
    : puzzle_(puzzle),
      sat_(sat),
      n_(puzzle.size),
      placeVariable_(puzzle.words.size() * 2 * static_cast<std::size_t>(n_ * n_), 0),
      used_(puzzle.words.size(), 0),
      characters_(static_cast<std::size_t>((n_ + 2) * (n_ + 2))),
      markersAt_(characters_.size()),
      letter_(characters_.size(), 0),
      marker_(characters_.size(), 0) {
  for (bool down : {false, true}) {
    coverers_[down].resize(characters_.size());
    covered_[down].assign(characters_.size(), 0);
  }
}

std::uint64_t SatEncoding::LiteralsFor(const SolverPuzzle& puzzle) {
  const auto n = static_cast<std::uint64_t>(puzzle.size);
  std::uint64_t literals = 12 * (n + 2) * (n + 2);
  for (const SolverWord& word : puzzle.words) {
    const auto length = static_cast<std::uint64_t>(word.text.size());
    literals += 2 * n * static_cast<std::uint64_t>(Starts(puzzle.size, static_cast<int>(length))) *
                (2 * length + 8);
  }
  return literals;
}

bool SatEncoding::Build(Budget& budget) {
  std::uint64_t charged = 0;
  auto spend = [&] {
    const std::uint64_t added = sat_.Literals() - charged;
    charged += added;
    return budget.Spend(added * kStepsPerLiteral);
  };
  AddPlaces();
  // The places come word by word.
  auto first = places_.begin();
  for (int word = 0; word < static_cast<int>(puzzle_.words.size()); ++word) {
    std::vector<int> places;
    for (; first != places_.end() && first->placement.word == word; ++first)
      places.push_back(first->variable);
    AddOncePerWord(word, places);
    if (!spend()) return false;
  }
  for (int y = -1; y <= n_; ++y) {
    for (int x = -1; x <= n_; ++x) AddCell(Cell(x, y));
    if (!spend()) return false;
  }
  AddClosedRuns();
  AddWholeWordRuns();
  AddOneStartPerTextAndPlace();
  AddSymmetryBreaking();
  return spend();
}

void SatEncoding::AddPlaces() {
  for (int word = 0; word < static_cast<int>(puzzle_.words.size()); ++word) {
    const std::u16string& text = puzzle_.words[static_cast<std::size_t>(word)].text;
    const int length = static_cast<int>(text.size()), starts = Starts(n_, length);
    for (bool down : {false, true}) {
      const int dx = down ? 0 : 1, dy = down ? 1 : 0;
      for (int along = 0; along < starts; ++along) {
        for (int across = 0; across < n_; ++across) {
          const Placement p =
              down ? Placement{word, across, along, true} : Placement{word, along, across, false};
          const int variable = sat_.NewVariable();
          places_.push_back({p, variable});
          placeVariable_[PlaceIndex(p)] = variable;
          for (int i = 0; i < length; ++i) {
            const std::size_t cell = Cell(p.x + dx * i, p.y + dy * i);
            characters_[cell].push_back({text[static_cast<std::size_t>(i)], variable});
            coverers_[down][cell].push_back(variable);
          }
          markersAt_[Cell(p.x - dx, p.y - dy)].push_back(variable);
          markersAt_[Cell(p.x + dx * length, p.y + dy * length)].push_back(variable);
        }
      }
    }
  }
}

void SatEncoding::AddOncePerWord(int word, const std::vector<int>& places) {
  // A word that fits nowhere is never placed.
  const int used = places.empty() ? sat_.NewVariable() : sat_.AnyOf(places);
  if (places.empty()) sat_.Add({-used});
  sat_.AtMostOne(places);
  sat_.Freeze(used);
  used_[static_cast<std::size_t>(word)] = used;
}

void SatEncoding::AddCell(std::size_t cell) {
  std::map<char16_t, std::vector<int>> byCharacter;
  for (const auto& [character, place] : characters_[cell]) byCharacter[character].push_back(place);
  std::vector<int> characters;
  for (const auto& [character, places] : byCharacter) characters.push_back(sat_.AnyOf(places));
  sat_.AtMostOne(characters);
  if (!characters.empty()) {
    letter_[cell] = sat_.AnyOf(characters);
    sat_.Freeze(letter_[cell]);
    std::vector<int> either{-letter_[cell]};
    for (bool down : {false, true}) {
      const std::vector<int>& coverers = coverers_[down][cell];
      if (coverers.empty()) continue;
      const int covered = sat_.AnyOf(coverers);
      covered_[down][cell] = covered;
      sat_.Add({-covered, letter_[cell]});
      either.push_back(covered);
    }
    sat_.Add(either);
  }
  if (!markersAt_[cell].empty()) marker_[cell] = sat_.AnyOf(markersAt_[cell]);
  if (letter_[cell] != 0 && marker_[cell] != 0) sat_.Add({-letter_[cell], -marker_[cell]});
}

// A word's neighbour along its direction is its end marker, never a letter:
// a letter beside a letter of a word across is that word's too.
void SatEncoding::AddWholeWordRuns() {
  for (bool down : {false, true}) {
    const int dx = down ? 0 : 1, dy = down ? 1 : 0;
    for (int y = 0; y < n_; ++y) {
      for (int x = 0; x < n_; ++x) {
        const int covered = covered_[down][Cell(x, y)];
        if (covered == 0) continue;
        for (int side : {-1, 1}) {
          const int bx = x + side * dx, by = y + side * dy;
          if (bx < 0 || by < 0 || bx >= n_ || by >= n_ || Letter(bx, by) == 0) continue;
          const int beside = covered_[down][Cell(bx, by)];
          if (beside != 0) {
            sat_.Add({-covered, -Letter(bx, by), beside});
          } else {
            sat_.Add({-covered, -Letter(bx, by)});
          }
        }
      }
    }
  }
}

// Two letters side by side need a letter or an end marker beyond each of them.
void SatEncoding::AddClosedRuns() {
  for (bool down : {false, true}) {
    const int dx = down ? 0 : 1, dy = down ? 1 : 0;
    for (int across = 0; across < n_; ++across) {
      for (int along = 0; along + 1 < n_; ++along) {
        const int x = down ? across : along, y = down ? along : across;
        const int first = Letter(x, y), second = Letter(x + dx, y + dy);
        if (first == 0 || second == 0) continue;
        for (const std::size_t beyond : {Cell(x - dx, y - dy), Cell(x + 2 * dx, y + 2 * dy)}) {
          std::vector<int> closed{-first, -second};
          if (letter_[beyond] != 0) closed.push_back(letter_[beyond]);
          if (marker_[beyond] != 0) closed.push_back(marker_[beyond]);
          sat_.Add(closed);
        }
      }
    }
  }
}

// Words of the same text are interchangeable: two of them never start in the
// same cell the same way (nothing else keeps them apart), and a copy is
// placed only when every copy of more points is, so that the solver does not
// try the same board once per copy.
void SatEncoding::AddOneStartPerTextAndPlace() {
  std::map<std::u16string, std::vector<int>> copies;
  for (int word = 0; word < static_cast<int>(puzzle_.words.size()); ++word)
    copies[puzzle_.words[static_cast<std::size_t>(word)].text].push_back(word);
  for (const auto& [text, words] : copies) {
    for (std::size_t c = 1; c < words.size(); ++c) sat_.Add({-Used(words[c]), Used(words[c - 1])});
    if (words.size() < 2) continue;
    for (const Place& place : places_) {
      if (place.placement.word != words.front()) continue;
      std::vector<int> same;
      for (int word : words) {
        Placement copy = place.placement;
        copy.word = word;
        same.push_back(placeVariable_[PlaceIndex(copy)]);
      }
      sat_.AtMostOne(same);
    }
  }
}

// An arrangement shifted keeps its score and stays complete, so the search
// asks only for those with a letter in the first row and the first column.
// A word without characters could pin an arrangement where it is, and then
// every shift counts.
void SatEncoding::AddSymmetryBreaking() {
  AddFirstWordAcross();
  for (const SolverWord& word : puzzle_.words)
    if (word.text.empty()) return;
  shifts_ = true;
  std::vector<int> firstRow, firstColumn;
  for (int i = 0; i < n_; ++i) {
    if (Letter(i, 0) != 0) firstRow.push_back(Letter(i, 0));
    if (Letter(0, i) != 0) firstColumn.push_back(Letter(0, i));
  }
  sat_.Add(firstRow);
  sat_.Add(firstColumn);
}

// An arrangement turned over its diagonal (every word across lying down and
// the other way round) is as complete and scores the same, so the search
// asks only for those whose first word on the board, in the order of the
// words, lies across.
void SatEncoding::AddFirstWordAcross() {
  int before = 0;  // some earlier word is on the board
  auto place = places_.begin();
  for (int word = 0; word < static_cast<int>(puzzle_.words.size()); ++word) {
    for (; place != places_.end() && place->placement.word == word; ++place) {
      if (place->placement.down)
        sat_.Add(before != 0 ? std::vector<int>{-place->variable, before}
                             : std::vector<int>{-place->variable});
    }
    const int next = sat_.NewVariable();
    sat_.Add(before != 0 ? std::vector<int>{-next, before, Used(word)}
                         : std::vector<int>{-next, Used(word)});
    before = next;
  }
}

Arrangement SatEncoding::ArrangementOf(const SatSolver& sat) const {
  Arrangement arrangement;
  for (const Place& place : places_)
    if (sat.Value(place.variable)) arrangement.push_back(place.placement);
  return arrangement;
}

Arrangement SatEncoding::Canonical(const Arrangement& arrangement) const {
  Arrangement canonical = arrangement;
  // Each text's placed copies become its first ones, in the order of the words.
  std::map<std::u16string, std::vector<int>> copies;
  for (int word = 0; word < static_cast<int>(puzzle_.words.size()); ++word)
    copies[puzzle_.words[static_cast<std::size_t>(word)].text].push_back(word);
  std::map<std::u16string, std::size_t> taken;
  std::sort(canonical.begin(), canonical.end(),
            [](const Placement& a, const Placement& b) { return a.word < b.word; });
  for (Placement& p : canonical) {
    const std::u16string& text = puzzle_.words[static_cast<std::size_t>(p.word)].text;
    p.word = copies[text][taken[text]++];
  }
  std::sort(canonical.begin(), canonical.end(),
            [](const Placement& a, const Placement& b) { return a.word < b.word; });
  if (!canonical.empty() && canonical.front().down) {
    for (Placement& p : canonical) p = {p.word, p.y, p.x, !p.down};
  }
  if (!shifts_) return canonical;
  int left = n_, top = n_;
  for (const Placement& p : canonical) {
    left = std::min(left, p.x);
    top = std::min(top, p.y);
  }
  for (Placement& p : canonical) {
    p.x -= left;
    p.y -= top;
  }
  return canonical;
}

std::vector<int> SatEncoding::VariablesOf(const Arrangement& arrangement) const {
  std::vector<int> variables;
  for (const Placement& p : arrangement) {
    const bool inside = p.x >= 0 && p.y >= 0 && p.x < n_ && p.y < n_;
    variables.push_back(inside ? placeVariable_[PlaceIndex(p)] : 0);
  }
  return variables;
}
