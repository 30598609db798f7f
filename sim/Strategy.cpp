// Reading a strategy file.

#include "Strategy.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

namespace tarnova {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// A whole token of an optional sign and decimal digits that fits a 32-bit integer.
bool ParseInt(const std::string& token, long& value) {
    if (token.empty()) return false;
    std::size_t i = (token[0] == '+' || token[0] == '-') ? 1 : 0;
    if (i == token.size()) return false;
    for (std::size_t j = i; j < token.size(); ++j)
        if (token[j] < '0' || token[j] > '9') return false;
    errno = 0;
    value = std::strtol(token.c_str(), nullptr, 10);
    return errno == 0 && value >= INT32_MIN && value <= INT32_MAX;
}

std::string FieldName(std::size_t field) {
    return "field " + std::to_string(field + 1) + " (" + DecisionRanges[field].name + ")";
}

}  // namespace

Strategy ReadStrategy(std::istream& in) {
    Strategy result;
    std::string line;
    for (int lineNo = 1; std::getline(in, line); ++lineNo) {
        std::size_t first = 0;
        while (first < line.size() && IsBlank(line[first])) ++first;
        if (first == line.size() || line[first] == '#') continue;

        std::vector<std::string> tokens;
        std::string token;
        for (std::size_t i = first; i <= line.size(); ++i) {
            if (i == line.size() || IsBlank(line[i])) {
                if (!token.empty()) tokens.push_back(token);
                token.clear();
            } else {
                token += line[i];
            }
        }

        auto fail = [&](const std::string& what) {
            result.error = "line " + std::to_string(lineNo) + ": " + what;
            result.cycles.clear();
            return result;
        };
        Decisions d{};
        for (std::size_t f = 0; f < d.size(); ++f) {
            if (f >= tokens.size())
                return fail(FieldName(f) + " is missing; a line holds five integers");
            long value = 0;
            if (!ParseInt(tokens[f], value))
                return fail(FieldName(f) + ": '" + tokens[f] + "' is not an integer");
            const DecisionRange& r = DecisionRanges[f];
            if (value < r.min || value > r.max)
                return fail(FieldName(f) + ": " + tokens[f] + " is outside " +
                            std::to_string(r.min) + ".." + std::to_string(r.max));
            d[f] = static_cast<std::int32_t>(value);
        }
        if (tokens.size() > d.size())
            return fail("field " + std::to_string(d.size() + 1) + ": '" + tokens[d.size()] +
                        "' is one value too many; a line holds five integers");
        result.cycles.push_back(d);
    }
    return result;
}

}  // namespace tarnova
