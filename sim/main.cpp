// tarnova-sim: plays one whole game headless from a strategy file and writes the daily trace as CSV.

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "Lake.h"
#include "Strategy.h"

using namespace tarnova;

namespace {

const char* const Usage =
    "usage: tarnova-sim [STRATEGY | -]\n"
    "\n"
    "Plays one whole game of Tarnova without a window and writes one CSV row per simulated day\n"
    "to standard output. The strategy is read from the file STRATEGY, or from standard input\n"
    "when it is '-' or not given.\n"
    "\n"
    "Each line that is not blank and does not start with '#' holds the five decisions entered\n"
    "before one cycle:\n"
    "    PumpOut PumpIn AerationZone2 AerationZone3 CycleLength\n"
    "    (0..5000 m3, 0..5000 m3, 0..10 mg/l, 0..10 mg/l, 3..10 days)\n"
    "Cycle n uses line n; once the lines run out the last one repeats. An empty strategy plays\n"
    "0 0 0 0 3. The grade and the penalty points go to standard error at the end.\n"
    "\n"
    "Exit status: 0 when the game was played, 2 for a bad strategy or a file that cannot be read.\n";

// Keeps a snapshot of the finished game when the grade is shown,
// since the model puts a new game in place right after it.
class TraceHost : public SilentHost {
public:
    explicit TraceHost(const GameState& g) : game(g) {}
    void ShowGrade() override { finished = game; }

    const GameState& game;
    GameState finished;
};

void PutFloat(std::string& out, float value) {
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
}

void PutInt(std::string& out, int value) { out += std::to_string(value); }

void WriteRow(std::string& out, int day, int decade, const GameState& g, const DayOutcome& o) {
    PutInt(out, day);
    out += ',';
    PutInt(out, decade);
    out += ',';
    PutInt(out, g.MoneyGrn);
    out += ',';
    PutInt(out, g.MoneyKop);
    out += ',';
    PutFloat(out, g.WaterLevel);
    for (const ZoneQuality& z : g.Zones) {
        for (float v : {z.Oxygen, z.Organic, z.Inorganic}) {
            out += ',';
            PutFloat(out, v);
        }
    }
    out += ',';
    PutInt(out, g.PenaltyPoints);
    out += ',';
    std::string events;
    auto add = [&](const char* word) {
        if (!events.empty()) events += ' ';
        events += word;
    };
    if (o.moneyRanOut) add("nomoney");
    if (o.cycleEnded) add("endcycle");
    if (o.gameOver) add("gameover");
    out += events;
    out += '\n';
}

}  // namespace

int main(int argc, char** argv) {
    std::string path = "-";
    if (argc > 2) {
        std::fprintf(stderr, "tarnova-sim: too many arguments\n%s", Usage);
        return 2;
    }
    if (argc == 2) {
        path = argv[1];
        if (path == "--help" || path == "-h") {
            std::fputs(Usage, stdout);
            return 0;
        }
    }

    Strategy strategy;
    if (path == "-") {
        strategy = ReadStrategy(std::cin);
    } else {
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "tarnova-sim: cannot open strategy file '%s'\n", path.c_str());
            return 2;
        }
        strategy = ReadStrategy(file);
        if (file.bad()) {
            std::fprintf(stderr, "tarnova-sim: cannot read strategy file '%s'\n", path.c_str());
            return 2;
        }
    }
    if (!strategy.error.empty()) {
        std::fprintf(stderr, "tarnova-sim: %s: %s\n", path == "-" ? "<stdin>" : path.c_str(),
                     strategy.error.c_str());
        return 2;
    }

    GameState g;
    TraceHost host(g);
    NewGame(g, host);

    std::string out =
        "day,decade,money_grn,money_kop,level,oxygen1,organic1,inorganic1,oxygen2,organic2,"
        "inorganic2,oxygen3,organic3,inorganic3,penalty,events\n";
    std::size_t cycle = 0;
    for (bool over = false; !over; ++cycle) {
        if (!strategy.cycles.empty())
            ApplyDecisions(g, strategy.cycles[std::min(cycle, strategy.cycles.size() - 1)]);
        StartCycle(g);
        for (;;) {
            const int day = g.DayNo;
            const int decade = g.Decade;
            const DayOutcome o = DayStep(g, host);
            WriteRow(out, day, decade, o.gameOver ? host.finished : g, o);
            if (o.gameOver) over = true;
            if (o.gameOver || o.cycleEnded) break;
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (std::fflush(stdout) != 0) {
        std::perror("tarnova-sim: writing the trace");
        return 1;
    }
    std::fprintf(stderr, "grade %d, penalty points %d\n", GradeFor(host.finished.PenaltyPoints),
                 host.finished.PenaltyPoints);
    return 0;
}
