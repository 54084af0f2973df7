#include "solver/solver.h"

#include <algorithm>
#include <ctime>

#include "play/move_core.h"
#include "solver/best_first.h"
#include "solver/move_order.h"
#include "solver/position_key.h"
#include "solver/safe_moves.h"
#include "solver/search_key.h"
#include "solver/visited_table.h"

namespace dravicor {

std::string_view VerdictName(Verdict verdict) {
    switch (verdict) {
        case Verdict::Won: return "won";
        case Verdict::Lost: return "lost";
        case Verdict::Unknown: return "unknown";
    }
    return "unknown";
}

std::string VerdictText(Verdict verdict) {
    switch (verdict) {
        case Verdict::Won: return "won (thoughtful: with every card known, a line of moves wins)";
        case Verdict::Lost: return "lost (thoughtful: even with every card known, no line of moves wins)";
        case Verdict::Unknown: return "unknown (thoughtful: the search ran out of budget before it knew)";
    }
    return "unknown";
}

std::string_view SearchEndName(SearchEnd end) {
    switch (end) {
        case SearchEnd::Done: return "done";
        case SearchEnd::Positions: return "positions";
        case SearchEnd::Memory: return "memory";
        case SearchEnd::Time: return "time";
        case SearchEnd::Depth: return "depth";
        case SearchEnd::Cancelled: return "cancelled";
    }
    return "done";
}

std::chrono::nanoseconds ThreadProcessorTime() {
#ifdef CLOCK_THREAD_CPUTIME_ID
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
#else
    return std::chrono::nanoseconds(static_cast<std::int64_t>(std::clock()) * (1'000'000'000 / CLOCKS_PER_SEC));
#endif
}

namespace {

constexpr int kCancelCheckEvery = 256;
constexpr int kClockCheckEvery = 1024;

struct Scored {
    int score;
    int index;
};

}  // namespace

class Solver::Search {
public:
    // One pass: `spent` positions made by the passes before, `passLimit`
    // more at most (0: no bound but the budget's), the order varied by `pass`.
    Search(Solver& owner, const std::atomic<bool>* cancel, std::chrono::steady_clock::time_point begun,
           std::chrono::nanoseconds processorBegun, int pass, std::int64_t spent, std::int64_t passLimit,
           SearchKey::Strictness strictness = SearchKey::Strictness::Exact)
        : begun_(begun),
          processorBegun_(processorBegun),
          pass_(pass),
          spent_(spent),
          passLimit_(passLimit),
          owner_(owner),
          options_(owner.options_),
          cancel_(cancel),
          state_(owner.start_),
          key_(state_, strictness),
          visited_(options_.budget.memoryBytes, options_.shortest),
          safe_(state_),
          order_(state_) {
        state_.options.autoplay = false;
        positions_ = spent;
        key_.reset(state_);
        arena_.reserve(4096);
        path_.reserve(512);
        frames_.reserve(512);
    }

    // The pass ran out of its own limit (and nothing else ended it).
    bool cutByPass() const { return passCut_ && result_.verdict != Verdict::Won; }
    // A loose key's whole space was searched with no win: that proves nothing.
    bool exhaustedLoosely() const { return key_.merges() && end_ == SearchEnd::Done && result_.verdict != Verdict::Won; }

    SolveResult run() {
        if (IsWon(state_)) {
            result_.verdict = Verdict::Won;
        } else if (!WinTestHolds(state_) && enter(journal_.mark(), 0)) {
            loop();
        }
        if (result_.verdict != Verdict::Won) {
            result_.verdict = end_ == SearchEnd::Done && !depthCut_ && !key_.merges() ? Verdict::Lost : Verdict::Unknown;
            if (end_ == SearchEnd::Done && depthCut_) end_ = SearchEnd::Depth;
        }
        result_.end = result_.verdict == Verdict::Won && !options_.shortest ? SearchEnd::Done : end_;
        result_.positions = positions_ - spent_;
        noteMemory();
        result_.peakMemory = peakMemory_;
        result_.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun_).count();
        result_.processorSeconds = std::chrono::duration<double>(ThreadProcessorTime() - processorBegun_).count();
        return result_;
    }

private:
    struct Frame {
        UndoMark mark;           // the journal before the move into this position
        std::uint32_t keyUpdates;  // key updates since then (the move and the safe moves)
        std::uint32_t pathSize;    // the path before the move
        std::uint32_t first;       // this position's moves in the arena
        std::uint32_t next;
        std::uint32_t end;
    };

    // Counts a move made; false once a budget or the cancel flag ends the search.
    bool count() {
        ++positions_;
        if (options_.budget.positions > 0 && positions_ >= options_.budget.positions) return stop(SearchEnd::Positions);
        if (passLimit_ > 0 && positions_ - spent_ >= passLimit_) {
            passCut_ = true;
            return stop(SearchEnd::Positions);
        }
        if (cancel_ != nullptr && positions_ % kCancelCheckEvery == 0 && cancel_->load(std::memory_order_relaxed)) {
            return stop(SearchEnd::Cancelled);
        }
        if (positions_ % kClockCheckEvery == 0) {
            noteMemory();
            if ((options_.budget.time.count() > 0 && std::chrono::steady_clock::now() - begun_ >= options_.budget.time) ||
                (options_.budget.processorTime.count() > 0 &&
                 ThreadProcessorTime() - processorBegun_ >= options_.budget.processorTime)) {
                return stop(SearchEnd::Time);
            }
        }
        return true;
    }
    bool stop(SearchEnd why) {
        if (end_ == SearchEnd::Done) end_ = why;
        return false;
    }

    void noteMemory() {
        const std::size_t bytes = visited_.bytes() + arena_.capacity() * sizeof(Move) + path_.capacity() * sizeof(Move) +
                                  frames_.capacity() * sizeof(Frame) + journal_.size() * 8 + sizeof(PlayState);
        peakMemory_ = std::max(peakMemory_, bytes);
    }

    // Makes a move with what follows it; false when the move was not made
    // or ended the game without a win. `won` tells of a win.
    bool make(const Move& move, bool& won) {
        won = false;
        const UndoMark mark = journal_.mark();
        if (!ApplyMove(state_, move, journal_).applied) return false;
        if (!WinTestHolds(state_)) ApplyFollowUps(state_, journal_);
        if (WinTestHolds(state_)) {
            won = IsWon(state_);
            if (!won) {
                UndoMove(state_, journal_, mark);
                return false;
            }
        }
        key_.update(state_, journal_, mark);
        path_.push_back(move);
        return true;
    }

    void backTo(UndoMark mark, std::uint32_t keyUpdates, std::uint32_t pathSize) {
        UndoMove(state_, journal_, mark);
        for (std::uint32_t i = 0; i < keyUpdates; ++i) key_.takeBack();
        path_.resize(pathSize);
    }

    void foundWin() {
        if (result_.verdict != Verdict::Won || path_.size() < result_.solution.size()) {
            result_.verdict = Verdict::Won;
            result_.solution = path_;
            const std::lock_guard lock(owner_.lineMutex_);
            owner_.bestLine_ = path_;
        }
    }

    bool searchOver() const { return end_ != SearchEnd::Done || (result_.verdict == Verdict::Won && !options_.shortest); }
    // In the search for the shortest line: could a line through a position this deep still be shorter?
    bool tooDeep(std::size_t depth) const {
        return result_.verdict == Verdict::Won && depth + 1 >= result_.solution.size();
    }

    // How promising a position is, for the best line: cards gone to the
    // foundations and the discard pile, less the cards still face down.
    int promise() const {
        const PileLists& piles = state_.position.piles;
        int value = piles.stock[2].size();
        for (int f = 0; f < state_.shape().foundations; ++f) value += piles.foundations[static_cast<size_t>(f)].size();
        for (int t = 0; t < state_.shape().tableau; ++t) {
            for (const CardNumber card : piles.tableau[static_cast<size_t>(t)].groups()) {
                if (card != kNoCard && state_.position.cardTable.IsFaceDown(card)) --value;
            }
        }
        return value;
    }

    // The position just reached (by the move recorded after `mark`, with
    // `keyUpdates` key updates): makes its safe moves, and, when it is new,
    // lists its moves as a frame. False when there is nothing to search
    // here; the caller takes the position back then.
    bool enter(UndoMark mark, std::uint32_t keyUpdates) {
        const auto pathSize = static_cast<std::uint32_t>(path_.size() - (keyUpdates > 0 ? 1 : 0));
        const auto give = [&]() {
            backTo(mark, keyUpdates, pathSize);
            return false;
        };
        const std::uint32_t entered = keyUpdates;
        if (!isNew()) return give();
        for (;;) {
            if (tooDeep(path_.size())) return give();
            GenerateMoves(state_, moves_);
            const Move* safe = nullptr;
            for (const Move& m : moves_) {
                if (safe_.isSafe(state_, m)) {
                    safe = &m;
                    break;
                }
            }
            if (safe == nullptr) break;
            const Move move = *safe;
            bool won = false;
            if (!count() || !make(move, won)) return give();
            ++keyUpdates;
            if (won) {
                foundWin();
                return give();
            }
        }
        if (keyUpdates > entered && !isNew()) return give();
        if (static_cast<int>(path_.size()) >= options_.maxDepth) {
            depthCut_ = true;
            return give();
        }
        if (options_.trackBestLine && result_.verdict != Verdict::Won) {
            const int value = promise();
            if (value > bestPromise_) {
                bestPromise_ = value;
                const std::lock_guard lock(owner_.lineMutex_);
                owner_.bestLine_ = path_;
            }
        }
        // Each move is made once here to judge where it leads: to a win (taken
        // at once), to a position met before (left out), or to a position
        // valued for the order.
        scored_.clear();
        const std::uint32_t here = static_cast<std::uint32_t>(path_.size());
        for (int i = 0; i < moves_.size(); ++i) {
            const Move& move = moves_[i];
            if (order_.pointless(state_, move)) continue;
            const UndoMark before = journal_.mark();
            bool won = false;
            if (!count()) return give();
            if (!make(move, won)) continue;
            if (won) {
                foundWin();
                backTo(before, 1, here);
                if (searchOver()) return give();
                continue;
            }
            const bool seen = visited_.contains(key_.value());
            const int value = seen ? 0 : order_.value(state_, key_);
            backTo(before, 1, here);
            if (!seen) scored_.push_back({(value + noise(i)) * 16 + std::clamp(order_.score(state_, move) / 64, -15, 15), i});
        }
        std::stable_sort(scored_.begin(), scored_.end(), [](const Scored& a, const Scored& b) { return a.score > b.score; });
        const auto first = static_cast<std::uint32_t>(arena_.size());
        for (const Scored& s : scored_) arena_.push_back(moves_[s.index]);
        frames_.push_back({mark, keyUpdates, pathSize, first, first, static_cast<std::uint32_t>(arena_.size())});
        return true;
    }

    // Passes after the first shake the order a little, each its own way,
    // the same way every time.
    int noise(int index) const {
        if (pass_ == 0) return 0;
        const int amplitude = std::min(10 + 10 * pass_, 60);
        std::uint64_t x = key_.value() ^ (static_cast<std::uint64_t>(pass_) << 40) ^ static_cast<std::uint64_t>(index);
        x = (x ^ (x >> 31)) * 0x7FB5D329728EA185ULL;
        x ^= x >> 27;
        return static_cast<int>(x % static_cast<std::uint64_t>(2 * amplitude + 1)) - amplitude;
    }

    bool isNew() {
        switch (visited_.insert(key_.value(), static_cast<int>(path_.size()))) {
            case VisitedTable::Outcome::New: return true;
            case VisitedTable::Outcome::Seen: return false;
            case VisitedTable::Outcome::Full: stop(SearchEnd::Memory); return false;
        }
        return false;
    }

    void loop() {
        while (!frames_.empty()) {
            Frame& frame = frames_.back();
            if (frame.next == frame.end || searchOver() || tooDeep(path_.size())) {
                const Frame done = frame;
                frames_.pop_back();
                arena_.resize(done.first);
                backTo(done.mark, done.keyUpdates, done.pathSize);
                continue;
            }
            const Move move = arena_[frame.next++];
            const UndoMark mark = journal_.mark();
            bool won = false;
            if (!count()) continue;
            if (!make(move, won)) continue;
            if (won) {
                foundWin();
                backTo(mark, 1, static_cast<std::uint32_t>(path_.size() - 1));
                continue;
            }
            enter(mark, 1);
        }
    }

    std::chrono::steady_clock::time_point begun_;
    std::chrono::nanoseconds processorBegun_;
    int pass_;
    std::int64_t spent_;
    std::int64_t passLimit_;
    Solver& owner_;
    const SolveOptions& options_;
    const std::atomic<bool>* cancel_;
    PlayState state_;
    Journal journal_;
    SearchKey key_;
    VisitedTable visited_;
    SafeMoves safe_;
    MoveOrder order_;

    MoveList moves_;
    std::vector<Scored> scored_;
    std::vector<Move> arena_;
    std::vector<Move> path_;
    std::vector<Frame> frames_;

    SolveResult result_;
    SearchEnd end_ = SearchEnd::Done;
    bool depthCut_ = false;
    std::int64_t positions_ = 0;
    bool passCut_ = false;
    std::size_t peakMemory_ = 0;
    int bestPromise_ = -1000;
};

Solver::Solver(const PlayState& start, const SolveOptions& options) : start_(start), options_(options) {}

Solver::~Solver() = default;

// Depth-first search can wander deep into a part of the space with no win
// while a win lies one early move aside. So the search runs in passes: each
// with twice the positions of the one before and its own shake of the
// order, until one ends by itself (won, or the whole space searched: lost)
// or the budget ends. The search for the shortest line runs once.
SolveResult Solver::run(const std::atomic<bool>* cancel) {
    {
        const std::lock_guard lock(lineMutex_);
        bestLine_.clear();
    }
    const auto begun = std::chrono::steady_clock::now();
    const auto processorBegun = ThreadProcessorTime();
    constexpr std::int64_t kFirstPass = 20000;
    constexpr std::int64_t kFirstBestFirstPass = 100000;
    // The FreeCell family: most deals are won best first in a few thousand
    // positions, and a deal that cannot be won rarely has a small space;
    // a pass that loses its way costs less when the passes start small.
    constexpr std::int64_t kFirstCellsPass = 300;
    constexpr std::int64_t kFirstCellsBestFirstPass = 4000;
    std::int64_t spent = 0;
    std::size_t peak = 0;
    // A pass's result, once counted, carries the totals of every pass so far.
    const auto count = [&](SolveResult& result) {
        spent += result.positions;
        peak = std::max(peak, result.peakMemory);
        result.positions = spent;
        result.peakMemory = peak;
    };
    int pass = 0;
    const bool cells = IsFreeCellFamily(start_);
    const bool thieves = !cells && IsFortyThievesFamily(start_);
    // The stock deals onto some piles: a loose key takes them for one.
    const bool dealsOntoPiles = PositionKeys(start_.rules()).dealtTo() != 0;
    if (!options_.shortest && (cells || thieves || SearchesBestFirst(start_))) {
        // A short depth-first pass settles the small spaces (a proof of
        // lost needs the whole space) and the easy deals; then the best-first
        // search takes the rest of the budget in passes of growing size,
        // each shaken its own way. When its share of the memory runs out,
        // or it has opened everything but left moves out, the passes go on
        // depth first. The FreeCell family's best-first search leaves no
        // move out and, with no stock, its key takes no two positions for
        // one: its whole space searched is a proof, so it needs no
        // depth-first pass before it.
        SolveResult result;
        if (!cells || dealsOntoPiles) {
            Search search(*this, cancel, begun, processorBegun, pass++, spent, cells ? kFirstCellsPass : kFirstPass);
            result = search.run();
            count(result);
            if (!search.cutByPass()) return result;
        }
        BestFirstSearch best(start_, options_, begun, processorBegun, [this](const std::vector<Move>& line) {
            const std::lock_guard lock(lineMutex_);
            bestLine_ = line;
        });
        constexpr std::int64_t kMostPass = std::int64_t{1} << 50;
        std::int64_t passSize = cells ? kFirstCellsBestFirstPass : kFirstBestFirstPass;
        for (int shake = 0;; ++shake) {
            const BestFirstPass slice{spent, passSize, shake};
            // The FreeCell family's passes grow by less, as its deals are
            // won mostly in the first passes or not at all in any.
            passSize = cells ? std::min(passSize + passSize * 3 / 10, kMostPass) : std::min(passSize * 2, kMostPass);
            result = best.run(cancel, slice);
            count(result);
            if (best.cutByPass() && thieves) {
                // In the Forty Thieves family a depth-first pass of the same
                // size follows each: it proves the small spaces lost.
                Search deep(*this, cancel, begun, processorBegun, pass++, spent, slice.limit);
                result = deep.run();
                count(result);
                if (!deep.cutByPass()) return result;
                continue;
            }
            if (best.cutByPass()) continue;
            if (result.verdict != Verdict::Unknown ||
                (result.end != SearchEnd::Memory && result.end != SearchEnd::Done)) {
                return result;
            }
            break;
        }
    }
    // Where the stock deals onto the piles, the passes take piles that trade
    // places for one until a pass has searched all that this loose key
    // lets it see without a win; only the exact key's passes after that
    // can prove a deal lost.
    auto strictness = dealsOntoPiles ? SearchKey::Strictness::Loose : SearchKey::Strictness::Exact;
    for (;; ++pass) {
        std::int64_t limit = kFirstPass;
        for (int p = 0; p < pass && limit < (std::int64_t{1} << 50); ++p) limit *= 2;
        if (options_.shortest) limit = 0;
        Search search(*this, cancel, begun, processorBegun, pass, spent, limit, strictness);
        SolveResult result = search.run();
        count(result);
        if (search.exhaustedLoosely()) {
            strictness = SearchKey::Strictness::Exact;
            continue;
        }
        if (!search.cutByPass()) return result;
    }
}

std::vector<Move> Solver::bestLine() const {
    const std::lock_guard lock(lineMutex_);
    return bestLine_;
}

SolveResult Solve(const PlayState& start, const SolveOptions& options) { return Solver(start, options).run(); }

}  // namespace dravicor
