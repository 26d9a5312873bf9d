#include "regress/enumeration.h"

#include <algorithm>
#include <map>

namespace rv {

namespace {

using Kinds = std::array<std::uint8_t, 4>;

constexpr int kA = 1, kB = 2, kC = 4, kD = 8;

std::vector<VariableBlock> MakeEngineBlocks(int engine) {
  std::vector<VariableBlock> blocks;
  switch (engine) {
    case 1:
      blocks.push_back({1, std::uint8_t(kA), true});
      for (int m = 2; m <= 12; ++m) blocks.push_back({m, std::uint8_t(kA), false});
      break;
    case 2:
      blocks.push_back({1, std::uint8_t(kA | kB), true});
      blocks.push_back({2, std::uint8_t(kA), false});
      blocks.push_back({2, std::uint8_t(kA | kB), false});
      for (int m = 3; m <= 8; ++m)
        for (int last : {kA, kB, kA | kB}) blocks.push_back({m, std::uint8_t(last), false});
      break;
    case 3:
      blocks.push_back({1, std::uint8_t(kA | kB | kC), false});
      for (int m = 2; m <= 7; ++m)
        for (int last : {kA, kB, kC, kA | kB, kA | kC, kB | kC, kA | kB | kC})
          blocks.push_back({m, static_cast<std::uint8_t>(last), false});
      break;
    case 4: {
      blocks.push_back({1, std::uint8_t(kA | kB | kC | kD), true});
      const int lasts[] = {kA,           kB,           kC,           kD,           kA | kB,
                           kA | kC,      kA | kD,      kB | kC,      kB | kD,      kC | kD,
                           kA | kB | kC, kA | kB | kD, kA | kC | kD, kB | kC | kD, kA | kB | kC | kD};
      for (int m = 2; m <= 4; ++m)
        for (int last : lasts) blocks.push_back({m, static_cast<std::uint8_t>(last), false});
      for (int last : {kA, kB, kC, kD}) blocks.push_back({5, static_cast<std::uint8_t>(last), false});
      break;
    }
  }
  return blocks;
}

const std::vector<VariableBlock>& EngineBlocks(int engine) {
  static const std::array<std::vector<VariableBlock>, 5> blocks = {
      std::vector<VariableBlock>{}, MakeEngineBlocks(1), MakeEngineBlocks(2), MakeEngineBlocks(3), MakeEngineBlocks(4)};
  return blocks[static_cast<size_t>(engine)];
}

// Maximum Terms a block needs: one more than its number of terms, except for
// the fifteen-term block m = 4, last = ABC of four kinds, which needs 18.
int RequiredMaxTerms(int engine, const VariableBlock& block) {
  if (block.ungated) return 0;
  if (engine == 4 && block.m == 4 && block.last == (kA | kB | kC)) return 18;
  return engine * (block.m - 1) + KindCount(block.last) + 1;
}

bool BlockRuns(const SearchShape& shape, int engine, const VariableBlock& block) {
  return shape.variables >= block.m && shape.maxTerms >= RequiredMaxTerms(engine, block);
}

void AddTriples(std::vector<Kinds>& passes, int highestKind) {
  for (int i = 1; i <= highestKind; ++i)
    for (int j = i + 1; j <= highestKind; ++j)
      for (int k = j + 1; k <= highestKind; ++k)
        passes.push_back({std::uint8_t(i), std::uint8_t(j), std::uint8_t(k), 0});
}

std::vector<Kinds> MakePasses(EquationSet set, int engine) {
  std::vector<Kinds> passes;
  constexpr int kinds = kOrdinaryKindCount;
  if (engine == 1) {
    for (int i = 1; i <= kinds; ++i) passes.push_back({std::uint8_t(i), 0, 0, 0});
  } else if (engine == 2) {
    for (int i = 1; i <= kinds; ++i)
      for (int j = i + 1; j <= kinds; ++j) passes.push_back({std::uint8_t(i), std::uint8_t(j), 0, 0});
  } else if (engine == 3) {
    if (set == EquationSet::Y || set == EquationSet::Reciprocal) {
      AddTriples(passes, kinds);
    } else if (set == EquationSet::Square || set == EquationSet::Cube) {
      for (int run = 0; run < 16; ++run)
        for (int c = 3; c <= kinds; ++c) passes.push_back({1, 2, std::uint8_t(c), 0});
    } else {
      AddTriples(passes, 10);
    }
  } else if (set == EquationSet::Y) {
    // The run D = i+3 ... 16 with A, B, C = i, i+1, i+2, made 16 - i times in a row.
    for (int i = 1; i <= kinds; ++i)
      for (int run = 0; run < kinds - i; ++run)
        for (int d = i + 3; d <= kinds; ++d)
          passes.push_back({std::uint8_t(i), std::uint8_t(i + 1), std::uint8_t(i + 2), std::uint8_t(d)});
  } else if (set == EquationSet::Reciprocal) {
    // Every triple with D = C, each pass made 16 - k times back to back.
    std::vector<Kinds> triples;
    AddTriples(triples, kinds);
    for (const Kinds& t : triples)
      for (int run = 0; run < kinds - t[2]; ++run) passes.push_back({t[0], t[1], t[2], t[2]});
  } else {
    for (int i = 1; i <= kinds; ++i)
      for (int j = i + 1; j <= kinds; ++j)
        for (int k = j + 1; k <= kinds; ++k)
          for (int l = k + 1; l <= kinds; ++l)
            passes.push_back({std::uint8_t(i), std::uint8_t(j), std::uint8_t(k), std::uint8_t(l)});
  }
  return passes;
}

const std::vector<Kinds>& Passes(EquationSet set, int engine) {
  static const auto table = [] {
    PerEquationSet<std::array<std::vector<Kinds>, 5>> t;
    for (EquationSet s : kEquationSets)
      for (int e = 1; e <= 4; ++e) t[s][static_cast<size_t>(e)] = MakePasses(s, e);
    return t;
  }();
  return table[set][static_cast<size_t>(engine)];
}

// For each pass of a set and engine, how many passes earlier the same kinds
// were first made (0 for a first pass).
const std::vector<std::size_t>& PassesSinceFirstCopy(EquationSet set, int engine) {
  static const auto table = [] {
    PerEquationSet<std::array<std::vector<std::size_t>, 5>> t;
    for (EquationSet s : kEquationSets)
      for (int e = 1; e <= 4; ++e) {
        const std::vector<Kinds>& passes = Passes(s, e);
        std::map<Kinds, std::size_t> first;
        std::vector<std::size_t>& since = t[s][static_cast<size_t>(e)];
        for (std::size_t p = 0; p < passes.size(); ++p) since.push_back(p - first.emplace(passes[p], p).first->second);
      }
    return t;
  }();
  return table[set][static_cast<size_t>(engine)];
}

bool HasRationalCandidates(EquationSet set) {
  return set == EquationSet::Y || set == EquationSet::Log || set == EquationSet::Exp;
}

std::int64_t RationalCount(EquationSet set, int variables) {
  return HasRationalCandidates(set) ? std::int64_t{variables} * (variables + 1) : 0;
}

KindPass MakeKindPass(EquationSet set, int engine, const Kinds& kinds) {
  KindPass pass;
  pass.set = set;
  pass.engine = engine;
  pass.kinds = kinds;
  return pass;
}

void ClipInto(std::vector<Segment>& out, Segment segment, std::int64_t first, std::int64_t last) {
  const std::int64_t begin = std::max(first, segment.firstOrdinal);
  const std::int64_t end = std::min(last + 1, segment.firstOrdinal + segment.count);
  if (begin >= end) return;
  segment.firstRank += begin - segment.firstOrdinal;
  segment.firstOrdinal = begin;
  segment.count = end - begin;
  out.push_back(segment);
}

}  // namespace

WalkExtent WalkExtentOf(const SearchShape& shape) {
  WalkExtent extent;
  for (int engine = 1; engine <= 4; ++engine)
    for (const VariableBlock& block : EngineBlocks(engine)) {
      if (!BlockRuns(shape, engine, block)) continue;
      extent.termColumns = std::max(extent.termColumns, engine * (block.m - 1) + KindCount(block.last));
      if (block.m < 2) continue;
      extent.nodeKinds = std::max(extent.nodeKinds, engine);
      extent.nodeDepths = std::max(extent.nodeDepths, block.m - 1);
      if (engine >= 2 && block.m >= 3) extent.pairDepths = std::max(extent.pairDepths, block.m - 1);
    }
  return extent;
}

SearchShape MakeSearchShape(const SearchData& data, const DocumentOptions& options) {
  SearchShape shape;
  shape.variables = data.variableCount();
  shape.maxTerms = options.maxTerms;
  shape.sets = options.setEnabled;
  return shape;
}

Segment ExaminedPart(const Segment& segment, std::int64_t rangeFirst) {
  if (segment.repeatShift == 0) return segment;
  Segment part = segment;
  // The first copy of ordinal o is o - repeatShift; those before rangeFirst
  // were not examined.
  part.count = std::clamp<std::int64_t>(rangeFirst + segment.repeatShift - segment.firstOrdinal, 0, segment.count);
  return part;
}

std::int64_t Binomial(int n, int k) {
  if (k < 0 || n < 0 || k > n) return 0;
  std::int64_t result = 1;
  for (int i = 1; i <= k; ++i) result = result * (n - k + i) / i;
  return result;
}

CandidateSequence::CandidateSequence(const SearchShape& shape) : shape_(shape) {
  for (int engine = 1; engine <= 4; ++engine) {
    const auto e = static_cast<size_t>(engine);
    for (const VariableBlock& block : EngineBlocks(engine)) {
      if (!BlockRuns(shape, engine, block)) continue;
      blocks_[e].push_back({block, Binomial(shape.variables, block.m)});
      perPass_[e] += blocks_[e].back().count;
    }
  }
  std::int64_t next = 1;
  for (EquationSet set : kEquationSets) {
    if (!shape.sets[set]) continue;
    ranges_[set] = {next, setCount(set)};
    next += ranges_[set].count;
  }
  total_ = next - 1;
}

std::int64_t CandidateSequence::setCount(EquationSet set) const {
  std::int64_t count = RationalCount(set, shape_.variables);
  for (int engine = 1; engine <= 4; ++engine)
    count += static_cast<std::int64_t>(Passes(set, engine).size()) * perPass_[static_cast<size_t>(engine)];
  return count;
}

std::int64_t CountSetCandidates(const SearchShape& shape, EquationSet set) {
  return CandidateSequence(shape).setCount(set);
}

std::int64_t CountCandidates(const SearchShape& shape) { return CandidateSequence(shape).count(); }

Candidate CandidateAt(const SearchShape& shape, std::int64_t ordinal) {
  return CandidateSequence(shape).candidateAt(ordinal);
}

void UnrankSubset(int n, int m, std::int64_t rank, std::uint8_t* subset) {
  int x = 1;
  for (int r = 0; r < m; ++r) {
    for (;; ++x) {
      const std::int64_t starting = Binomial(n - x, m - r - 1);
      if (rank < starting) break;
      rank -= starting;
    }
    subset[r] = static_cast<std::uint8_t>(x++);
  }
}

bool NextSubset(int n, int m, std::uint8_t* subset) {
  int i = m - 1;
  while (i >= 0 && subset[i] == n - (m - 1 - i)) --i;
  if (i < 0) return false;
  ++subset[i];
  for (int j = i + 1; j < m; ++j) subset[j] = static_cast<std::uint8_t>(subset[j - 1] + 1);
  return true;
}

Candidate BlockCandidate(const KindPass& pass, const VariableBlock& block, const std::uint8_t* subset) {
  Candidate candidate;
  candidate.set = pass.set;
  for (int r = 0; r + 1 < block.m; ++r)
    for (int k = 0; k < pass.engine; ++k) candidate.add({pass.kinds[static_cast<size_t>(k)], subset[r], subset[r + 1]});
  for (int k = 0; k < pass.engine; ++k)
    if (block.last & (1u << k)) candidate.add({pass.kinds[static_cast<size_t>(k)], subset[block.m - 1], 0});
  return candidate;
}

Candidate RationalCandidate(EquationSet set, int variables, std::int64_t rank) {
  const std::int64_t n = variables;
  const std::int64_t pairs = Binomial(variables, 2);
  std::uint8_t v = 0, w = 0;
  std::uint8_t numerator = kRationalLinear;
  if (rank < n) {  // R1
    v = w = static_cast<std::uint8_t>(rank + 1);
  } else if (rank < 2 * n) {  // R2
    numerator = kRationalSquare;
    v = w = static_cast<std::uint8_t>(rank - n + 1);
  } else {
    // R3 (square, v < w) and R4 (linear, v < w): R3 first in order 1, R4 first in order 2.
    std::int64_t pairRank = rank - 2 * n;
    const bool firstLoop = pairRank < pairs;
    if (!firstLoop) pairRank -= pairs;
    const bool squareLoop = (set == EquationSet::Y) == firstLoop;
    numerator = squareLoop ? kRationalSquare : kRationalLinear;
    std::uint8_t pair[2];
    UnrankSubset(variables, 2, pairRank, pair);
    v = pair[0];
    w = pair[1];
  }
  Candidate candidate;
  candidate.set = set;
  candidate.rational = true;
  candidate.add({numerator, v, w});
  candidate.add({kRationalDenominator, w, 0});
  return candidate;
}

Candidate CandidateSequence::candidateAt(std::int64_t ordinal) const {
  const SearchShape& shape = shape_;
  for (EquationSet set : kEquationSets) {
    const SetRange& range = ranges_[set];
    if (range.count == 0 || ordinal < range.first || ordinal >= range.first + range.count) continue;
    std::int64_t offset = ordinal - range.first;
    const std::int64_t rationals = RationalCount(set, shape.variables);
    if (offset < rationals) return RationalCandidate(set, shape.variables, offset);
    offset -= rationals;
    for (int engine = 1; engine <= 4; ++engine) {
      const std::int64_t perPass = perPass_[static_cast<size_t>(engine)];
      const auto& passes = Passes(set, engine);
      const std::int64_t regionSize = perPass * static_cast<std::int64_t>(passes.size());
      if (offset >= regionSize) {
        offset -= regionSize;
        continue;
      }
      const Kinds& kinds = passes[static_cast<size_t>(offset / perPass)];
      std::int64_t rank = offset % perPass;
      for (const RunningBlock& running : blocks_[static_cast<size_t>(engine)]) {
        if (rank >= running.count) {
          rank -= running.count;
          continue;
        }
        std::uint8_t subset[kMaxSearchVariables];
        UnrankSubset(shape.variables, running.block.m, rank, subset);
        return BlockCandidate(MakeKindPass(set, engine, kinds), running.block, subset);
      }
    }
  }
  return Candidate{};
}

std::vector<Segment> CandidateSequence::segmentsBetween(std::int64_t first, std::int64_t last) const {
  const SearchShape& shape = shape_;
  std::vector<Segment> segments;
  for (EquationSet set : kEquationSets) {
    const SetRange& range = ranges_[set];
    if (range.count == 0 || last < range.first || first >= range.first + range.count) continue;
    std::int64_t ordinal = range.first;
    const std::int64_t rationals = RationalCount(set, shape.variables);
    if (rationals > 0) {
      Segment segment;
      segment.set = set;
      segment.rational = true;
      segment.firstOrdinal = ordinal;
      segment.count = rationals;
      ClipInto(segments, segment, first, last);
      ordinal += rationals;
    }
    for (int engine = 1; engine <= 4; ++engine) {
      const std::int64_t perPass = perPass_[static_cast<size_t>(engine)];
      const auto& passes = Passes(set, engine);
      if (perPass == 0) continue;
      const std::int64_t regionEnd = ordinal + perPass * static_cast<std::int64_t>(passes.size());
      if (last < ordinal || first >= regionEnd) {
        ordinal = regionEnd;
        continue;
      }
      const std::int64_t firstPass = first > ordinal ? (first - ordinal) / perPass : 0;
      for (size_t pass = static_cast<size_t>(firstPass); pass < passes.size(); ++pass) {
        std::int64_t blockStart = ordinal + static_cast<std::int64_t>(pass) * perPass;
        if (blockStart > last) break;
        for (const RunningBlock& running : blocks_[static_cast<size_t>(engine)]) {
          Segment segment;
          segment.set = set;
          segment.pass = MakeKindPass(set, engine, passes[pass]);
          segment.block = running.block;
          segment.firstOrdinal = blockStart;
          segment.count = running.count;
          segment.repeatShift = static_cast<std::int64_t>(PassesSinceFirstCopy(set, engine)[pass]) * perPass;
          ClipInto(segments, segment, first, last);
          blockStart += segment.count;
        }
      }
      ordinal = regionEnd;
    }
  }
  return segments;
}

}  // namespace rv
