#include "cli/solve_commands.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <thread>

#include "play/dealt_state.h"
#include "rules/catalogue.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "solver/solution_replay.h"
#include "solver/solver.h"

namespace dravicor {

namespace {

constexpr std::int64_t kDefaultPositions = 20'000'000;

struct SolveArguments {
    std::vector<std::string> plain;
    SolveOptions options;
    bool moves = false;
    bool deals = false;
    int jobs = 1;
};

template <typename T>
std::optional<T> NumberOf(const std::string& text) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Reads the options; the message says what is wrong, empty when nothing is.
std::string ReadArguments(const std::vector<std::string>& args, SolveArguments& read, double defaultSeconds) {
    read.options.budget.positions = kDefaultPositions;
    double seconds = defaultSeconds;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool valued =
            a == "--budget" || a == "--seconds" || a == "--cpu-seconds" || a == "--jobs" || a == "--memory";
        if (valued && i + 1 >= args.size()) return a + " needs a value";
        if (a == "--budget") {
            const auto n = NumberOf<std::int64_t>(args[++i]);
            if (!n || *n < 1) return "--budget takes a number of positions, 1 or more";
            read.options.budget.positions = *n;
        } else if (a == "--seconds") {
            const auto s = NumberOf<double>(args[++i]);
            if (!s || *s < 0) return "--seconds takes a number of seconds, 0 for no limit";
            seconds = *s;
        } else if (a == "--cpu-seconds") {
            const auto s = NumberOf<double>(args[++i]);
            if (!s || *s < 0) return "--cpu-seconds takes a number of seconds, 0 for no limit";
            read.options.budget.processorTime = std::chrono::milliseconds(static_cast<std::int64_t>(*s * 1000));
        } else if (a == "--memory") {
            const auto m = NumberOf<int>(args[++i]);
            if (!m || *m < 1) return "--memory takes a number of MiB, 1 or more";
            read.options.budget.memoryBytes = static_cast<std::size_t>(*m) << 20;
        } else if (a == "--jobs") {
            const auto j = NumberOf<int>(args[++i]);
            if (!j || *j < 1 || *j > 64) return "--jobs takes a number from 1 to 64";
            read.jobs = *j;
        } else if (a == "--moves") {
            read.moves = true;
        } else if (a == "--deals") {
            read.deals = true;
        } else if (a.starts_with("--")) {
            return "unknown option " + a;
        } else {
            read.plain.push_back(a);
        }
    }
    read.options.budget.time = std::chrono::milliseconds(static_cast<std::int64_t>(seconds * 1000));
    return {};
}

std::string Mebibytes(std::size_t bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / (1 << 20));
    return text;
}

std::string Fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::optional<GameRules> RulesOf(Program& program, const std::string& codeText, std::ostream& err, int& code) {
    const auto parsed = NumberOf<int>(codeText);
    if (!parsed || GameNameOf(program.gameList(), *parsed, program.customGames()).empty()) {
        err << "dravicor-cli: no game has the code " << codeText << '\n';
        return std::nullopt;
    }
    code = *parsed;
    try {
        return LoadGameRules(program.cataloguePath(), code, program.customGames());
    } catch (const CatalogueError& error) {
        err << "dravicor-cli: " << error.what() << '\n';
        return std::nullopt;
    }
}

// The 95% interval of a proportion (Wilson's score interval), in percent.
std::pair<double, double> Interval(int hits, int total) {
    if (total == 0) return {0, 0};
    const double z = 1.96;
    const double n = total;
    const double p = hits / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    return {100 * std::max(0.0, centre - half), 100 * std::min(1.0, centre + half)};
}

}  // namespace

int SolveCommand(Program& program, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    SolveArguments read;
    if (const std::string problem = ReadArguments(args, read, 0); !problem.empty() || read.plain.size() != 2) {
        err << "dravicor-cli: "
            << (problem.empty() ? "solve CODE NUMBER [--budget N] [--seconds S] [--cpu-seconds S] [--memory MIB] [--moves]"
                                : problem)
            << '\n';
        return 2;
    }
    int code = 0;
    if (!RulesOf(program, read.plain[0], err, code) || !program.selectGame(code)) return 1;
    // The deal as `play CODE NUMBER` makes it, so that the line replays there.
    Engine& engine = program.engine();
    engine.SetAutoplay(AutoplayPreference(program.settings()));
    program.settings().put(Field::CurrentGameNumber, read.plain[1]);
    if (!engine.StartGame(true, true, 0, false)) return 1;
    engine.SetAutoplay(false);

    const SolveResult result = Solve(SearchStartOf(engine), read.options);
    std::ostream& report = read.moves ? err : out;
    report << "verdict " << VerdictText(result.verdict) << '\n'
           << "ended " << SearchEndName(result.end) << '\n'
           << "positions " << result.positions << '\n'
           << "time " << Fixed(result.seconds, 3) << " s (processor " << Fixed(result.processorSeconds, 3) << " s)\n"
           << "peak memory " << Mebibytes(result.peakMemory) << '\n';
    if (result.verdict == Verdict::Won) report << "moves " << result.solution.size() << '\n';
    if (read.moves && result.verdict == Verdict::Won) {
        out << "autoplay off\n";
        for (const std::string& line : SolutionCommands(result.solution)) out << line << '\n';
    }
    return 0;
}

int SurveyCommand(Program& program, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    SolveArguments read;
    if (const std::string problem = ReadArguments(args, read, 2.0); !problem.empty() || read.plain.size() != 3) {
        err << "dravicor-cli: "
            << (problem.empty() ? "survey CODE FROM TO [--budget N] [--seconds S] [--cpu-seconds S] [--memory MIB] [--jobs N] [--deals]"
                              : problem) << '\n';
        return 2;
    }
    int code = 0;
    const auto rules = RulesOf(program, read.plain[0], err, code);
    if (!rules) return 1;
    const auto from = NumberOf<int>(read.plain[1]);
    const auto to = NumberOf<int>(read.plain[2]);
    if (!from || !to || *from < 1 || *to < *from) {
        err << "dravicor-cli: FROM and TO are deal numbers, 1 or more, FROM not above TO\n";
        return 2;
    }
    const int count = *to - *from + 1;
    std::vector<SolveResult> results(static_cast<size_t>(count));
    std::vector<bool> dealt(static_cast<size_t>(count), false);
    std::mutex progressMutex;
    int finished = 0;
    int next = 0;
    const auto progress = [&]() {
        constexpr int kWidth = 40;
        const int filled = finished * kWidth / count;
        err << "\r[" << std::string(static_cast<size_t>(filled), '#') << std::string(static_cast<size_t>(kWidth - filled), '.')
            << "] " << finished << '/' << count << std::flush;
    };
    const auto work = [&]() {
        for (;;) {
            int index = 0;
            {
                const std::lock_guard lock(progressMutex);
                if (next == count) return;
                index = next++;
            }
            const auto state = DealtPlayState(*rules, std::to_string(*from + index));
            SolveResult result;
            if (state) {
                PlayState start = *state;
                start.options.autoFaceUp = true;
                result = Solve(start, read.options);
            }
            const std::lock_guard lock(progressMutex);
            results[static_cast<size_t>(index)] = std::move(result);
            dealt[static_cast<size_t>(index)] = state.has_value();
            ++finished;
            progress();
        }
    };
    std::vector<std::thread> workers;
    for (int j = 1; j < std::min(read.jobs, count); ++j) workers.emplace_back(work);
    work();
    for (std::thread& worker : workers) worker.join();
    err << '\n';

    int won = 0;
    int lost = 0;
    int unknown = 0;
    std::vector<double> times;
    std::size_t peak = 0;
    double total = 0;
    double processor = 0;
    for (int i = 0; i < count; ++i) {
        const SolveResult& r = results[static_cast<size_t>(i)];
        if (!dealt[static_cast<size_t>(i)]) {
            err << "dravicor-cli: deal " << *from + i << " cannot be dealt\n";
            return 1;
        }
        (r.verdict == Verdict::Won ? won : r.verdict == Verdict::Lost ? lost : unknown) += 1;
        times.push_back(r.seconds);
        total += r.seconds;
        processor += r.processorSeconds;
        peak = std::max(peak, r.peakMemory);
        if (read.deals) {
            out << "deal " << *from + i << ' ' << VerdictName(r.verdict) << ' ' << r.positions << ' '
                << Fixed(r.seconds, 4) << ' ' << r.peakMemory << ' ' << SearchEndName(r.end) << ' '
                << Fixed(r.processorSeconds, 4) << '\n';
        }
    }
    std::sort(times.begin(), times.end());
    const double median = count % 2 == 1 ? times[static_cast<size_t>(count / 2)]
                                         : (times[static_cast<size_t>(count / 2 - 1)] + times[static_cast<size_t>(count / 2)]) / 2;
    out << "game " << code << ' ' << GameNameOf(program.gameList(), code, program.customGames()) << ", deals " << *from
        << " to " << *to << " (thoughtful: verdicts for the deal with every card known)\n";
    const auto line = [&](const char* name, int n) {
        const auto [low, high] = Interval(n, count);
        out << name << ' ' << n << " (" << Fixed(100.0 * n / count, 1) << "%, 95% interval " << Fixed(low, 1) << "% to "
            << Fixed(high, 1) << "%)\n";
    };
    line("won", won);
    line("lost", lost);
    line("unknown", unknown);
    out << "time per deal: mean " << Fixed(total / count, 4) << " s, median " << Fixed(median, 4)
        << " s; processor time: mean " << Fixed(processor / count, 4) << " s\n"
        << "peak memory " << Mebibytes(peak) << '\n';
    return 0;
}

}  // namespace dravicor
