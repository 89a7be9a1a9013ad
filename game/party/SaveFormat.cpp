#include "game/party/SaveFormat.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "game/core/TextCodec.h"
#include "game/party/SaveRanges.h"

namespace zanbora {

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr int kMapHeaderValue = 99;

// The numeric fields of lines 1..24, in file order (line 25 is the job).
std::vector<double Player::*> const& NumberLines() {
    static const std::vector<double Player::*> lines = {
        &Player::Level,  &Player::MaxHp,      &Player::Hp,          &Player::Attack,    &Player::Defence,
        &Player::Speed,  &Player::Exp,        &Player::Wins,        &Player::SaveCount, &Player::Spare,
        &Player::Mp,     &Player::MaxMp,      &Player::Days,        &Player::Money,     &Player::Skill,
        &Player::HeroX,  &Player::HeroY,      &Player::Bone,        &Player::GrowHp,    &Player::GrowMp,
        &Player::GrowAttack, &Player::GrowDefence, &Player::GrowSpeed, &Player::BoneRate};
    return lines;
}

int MapIndex(int x, int y) { return y * kEventColumns + x; }

// Strict number reading: the whole token must be a finite decimal number;
// ".3", "0.3", "-.3" and "1E+15" are all fine.
bool ParseNumber(std::string_view token, double& out) {
    if (token.empty()) return false;
    double value = 0;
    auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size() || !std::isfinite(value)) return false;
    out = value;
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool IsWholeIn(double value, double low, double high) {
    return value == std::floor(value) && value >= low && value <= high;
}

// A text item as the writer puts it: CP932, and no line end inside.
bool TextItem(const std::string& utf8, std::string& out) {
    if (utf8.find_first_of("\r\n") != std::string::npos) return false;
    return Utf8ToCp932(utf8, out);
}

// Splits the file at line ends (CR LF, or a bare LF from a hand edit).
std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

// The numbers from line 48 on, split at blanks and line ends.
class NumberStream {
public:
    explicit NumberStream(std::string_view rest) : rest_(rest) {}
    // 0: read; 1: nothing left; 2: a token that is not a number.
    int next(double& out) {
        size_t start = rest_.find_first_not_of(" \t\r\n");
        if (start == std::string_view::npos) return 1;
        rest_.remove_prefix(start);
        size_t end = rest_.find_first_of(" \t\r\n");
        std::string_view token = rest_.substr(0, end);
        rest_.remove_prefix(token.size());
        return ParseNumber(token, out) ? 0 : 2;
    }

private:
    std::string_view rest_;
};

const char* StreamProblem(int status) {
    return status == 1 ? "途中で終わっています" : "読めない数値があります";
}

}  // namespace

std::string SaveNumberText(double value) {
    if (value == 0) return " 0 ";  // also -0
    char digits[400];
    const double size = std::fabs(value);
    const auto format = (size >= 1e-5 && size < 1e15) ? std::chars_format::fixed : std::chars_format::scientific;
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, format);
    std::string text(digits, error == std::errc() ? end : digits);
    for (char& c : text)
        if (c == 'e') c = 'E';
    // Fractions below 1 go without their leading zero: 0.3 as .3.
    const size_t zero = value < 0 ? 1 : 0;
    if (text.compare(zero, 2, "0.") == 0) text.erase(zero, 1);
    return value < 0 ? text + " " : " " + text + " ";
}

double SaveCheckValue(const Player& h) {
    double sum = h.Level;
    sum += h.MaxHp / 9;
    sum += h.Hp / 10;
    sum += h.MaxMp / 3;
    sum += h.Mp / 2;
    sum += h.Attack / 4;
    sum += h.Defence / 9;
    sum += h.Speed / 10;
    sum += h.Bone / 3;
    sum += h.Exp / 10;
    sum += h.Money / 4;
    sum += h.GrowHp / 3;
    sum += h.GrowMp / 4;
    sum += h.GrowAttack / 6;
    sum += h.GrowDefence / 5;
    sum += h.GrowSpeed / 3;
    sum += h.BoneRate / 2;
    return std::floor(sum);
}

bool SaveFileBytes(const Player& hero, const MapLayers& map, std::string& bytes, std::string& problem) {
    std::string out;
    bool finite = true;
    auto number = [&](double value) {
        finite = finite && std::isfinite(value);
        out += SaveNumberText(value);
    };
    for (double Player::*field : NumberLines()) {
        number(hero.*field);
        out += kLineEnd;
    }
    std::string text;
    if (!TextItem(hero.Job, text)) {
        problem = "職業の名前が書けません";
        return false;
    }
    out += text + kLineEnd;
    number(SaveCheckValue(hero));
    out += kLineEnd;
    for (const ProgressSlot& slot : hero.Progress) {
        if (!slot.isText) {
            number(slot.number);
        } else if (TextItem(slot.text, text)) {
            out += text;
        } else {
            problem = "進行状況の文字が書けません";
            return false;
        }
        out += kLineEnd;
    }
    number(kMapHeaderValue);
    number(0);
    int current = map.eventAt(kSaveMapLeft, kSaveMapTop);
    long count = 0;
    for (int x = kSaveMapLeft; x <= kSaveMapRight; ++x) {
        for (int y = kSaveMapTop; y <= kSaveMapBottom; ++y) {
            const int cell = map.eventAt(x, y);
            if (cell != current) {
                number(current);
                number(double(count));
                current = cell;
                count = 0;
            }
            ++count;
        }
    }
    number(current);
    number(double(count));
    long long mascots = 0;
    for (size_t i = 0; i < hero.MascotOwned.size(); ++i) {
        number(hero.MascotOwned[i]);
        out += kLineEnd;
        mascots += hero.MascotOwned[i];
    }
    number(double(mascots));
    out += kLineEnd;
    if (!finite) {
        problem = "数値が壊れています";
        return false;
    }
    bytes = std::move(out);
    return true;
}

bool ParseSave(std::string_view bytes, Player& hero, MapLayers& map, std::string& problem) {
    constexpr size_t kJobLine = 24, kCheckLine = 25, kFirstProgressLine = 26, kMapLine = 47;
    const std::vector<std::string_view> lines = SplitLines(bytes);
    if (lines.size() <= kMapLine) {
        problem = "途中で終わっています";
        return false;
    }
    Player read = hero;
    auto numberLine = [&](size_t index, double& out) {
        if (ParseNumber(TrimBlanks(lines[index]), out)) return true;
        problem = std::to_string(index + 1) + "行目の数値が読めません";
        return false;
    };
    for (size_t i = 0; i < NumberLines().size(); ++i)
        if (!numberLine(i, read.*NumberLines()[i])) return false;
    // A text that is not CP932 (the file re-encoded by an editor, a broken
    // byte) could never be written again: every later save would fail.
    auto textLine = [&](size_t index, std::string& out) {
        std::string decoded = Cp932ToUtf8(std::string(lines[index])), again;
        if (TextItem(decoded, again)) {
            out = std::move(decoded);
            return true;
        }
        problem = std::to_string(index + 1) + "行目の文字が読めません";
        return false;
    };
    if (!textLine(kJobLine, read.Job)) return false;
    double check = 0;
    if (!numberLine(kCheckLine, check)) return false;
    if (check != SaveCheckValue(read)) {
        problem = "チェック値が合いません";
        return false;
    }
    for (size_t slot = 0; slot < read.Progress.size(); ++slot) {
        const std::string_view line = lines[kFirstProgressLine + slot];
        double value = 0;
        std::string text;
        if (ParseNumber(TrimBlanks(line), value))
            read.Progress[slot] = value;
        else if (textLine(kFirstProgressLine + slot, text))
            read.Progress[slot] = text;
        else
            return false;
    }

    // Everything from the map line on is one stream of numbers.
    const size_t mapStart = size_t(lines[kMapLine].data() - bytes.data());
    NumberStream numbers(bytes.substr(mapStart));
    double header = 0, headerCount = 0;
    int status = numbers.next(header);
    if (status == 0) status = numbers.next(headerCount);
    std::vector<int16_t> region(static_cast<size_t>(kSaveMapCells));
    double value = 0, left = 0;
    for (size_t cell = 0; status == 0 && cell < region.size(); ++cell) {
        if (left <= 0) {
            status = numbers.next(value);
            if (status == 0) status = numbers.next(left);
            if (status == 0 && (!IsWholeIn(value, INT16_MIN, INT16_MAX) || !IsWholeIn(left, 1, kSaveMapCells)))
                status = 2;
        }
        if (status == 0) region[cell] = int16_t(value);
        left -= 1;
    }
    double sum = 0;
    for (size_t i = 0; status == 0 && i < read.MascotOwned.size(); ++i) {
        double owned = 0;
        status = numbers.next(owned);
        if (status == 0 && !IsWholeIn(owned, INT32_MIN, INT32_MAX)) status = 2;
        if (status != 0) break;
        read.MascotOwned[i] = int(owned);
        sum += owned;
    }
    double storedSum = 0;
    if (status == 0) status = numbers.next(storedSum);
    if (status != 0) {
        problem = StreamProblem(status);
        return false;
    }
    if (storedSum != sum) {
        problem = "マスコットの合計が合いません";
        return false;
    }
    if (!SaveValuesInRange(read, problem)) return false;

    hero = read;
    size_t cell = 0;
    for (int x = kSaveMapLeft; x <= kSaveMapRight; ++x)
        for (int y = kSaveMapTop; y <= kSaveMapBottom; ++y) map.events[size_t(MapIndex(x, y))] = region[cell++];
    return true;
}

}  // namespace zanbora
