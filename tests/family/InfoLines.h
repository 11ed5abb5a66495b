#pragma once
// Reading info-list lines back from their text alone: which kind of line a text is, its
// dates, and the names it carries. Shared by the family tests.

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fg::family::test {

// Characters, not bytes: the texts are UTF-8.
inline std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

inline std::vector<std::string_view> split(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at; (at = text.find(separator)) != std::string_view::npos;) {
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
    parts.push_back(text);
    return parts;
}

inline std::optional<std::string_view> after(std::string_view text, std::string_view prefix) {
    if (!text.starts_with(prefix))
        return std::nullopt;
    return text.substr(prefix.size());
}

// A decimal number without sign and without leading zero, of 1 to maxDigits digits.
inline std::optional<int> number(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits || text[0] == '0')
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Members in the order in which dates compare.
struct Date {
    int year = 0;
    int month = 0;
    int day = 0; // 0: month and year only
    friend auto operator<=>(const Date&, const Date&) = default;
};

// "12.6.1950", or with monthAndYear "3.1981". Days and months without leading zero, a
// four-digit year of the family's records.
inline std::optional<Date> parseDate(std::string_view text, bool monthAndYear = false) {
    const auto parts = split(text, ".");
    if (parts.size() != (monthAndYear ? 2u : 3u))
        return std::nullopt;
    Date date;
    const auto year = parts.back().size() == 4 ? number(parts.back(), 4) : std::nullopt;
    const auto month = number(parts[parts.size() - 2], 2);
    if (!year || !month || *year < 1800 || *year > 2000 || *month > 12)
        return std::nullopt;
    date.year = *year;
    date.month = *month;
    if (!monthAndYear) {
        constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const auto day = number(parts[0], 2);
        if (!day || *day > kDays[*month - 1])
            return std::nullopt;
        date.day = *day;
    }
    return date;
}

// Words separated by single blanks, at least minWords of them, none holding a mark that
// belongs to a line prefix.
inline bool isWords(std::string_view text, std::size_t minWords = 1) {
    const auto words = split(text, " ");
    if (words.size() < minWords)
        return false;
    for (const auto word : words)
        if (word.empty() || word.find_first_of("*+:,") != std::string_view::npos ||
            (word[0] >= '0' && word[0] <= '9'))
            return false;
    return true;
}

inline bool isDisplayName(std::string_view text) {
    return isWords(text, 2);
}

// The kind of a line by its text alone, in the labels of the hover sequences ("name", "geb,
// date only", "verh. + 4 blanks", "cont. 12", "2 Kinder und", ...); "invalid" for a text of no
// kind.
inline std::string classify(std::string_view line) {
    const std::string invalid = "invalid";
    const auto birth = [&](std::string kind, std::string_view rest) {
        const auto at = rest.find(" in ");
        if (at == std::string_view::npos)
            return parseDate(rest) ? kind + ", date only" : invalid;
        return parseDate(rest.substr(0, at)) && isWords(rest.substr(at + 4)) ? kind : invalid;
    };
    const auto marriage = [&](std::string kind, std::string_view spouse) {
        return isDisplayName(spouse) ? kind : invalid;
    };

    if (line.empty())
        return "empty";
    if (line == "* ")
        return "bare birth";
    if (const auto rest = after(line, "* "))
        return birth("birth", *rest);
    if (const auto rest = after(line, "geb: "))
        return birth("geb", *rest);
    if (const auto rest = after(line, "+ in "))
        return isWords(*rest) ? "death, no date" : invalid;
    if (const auto rest = after(line, "+ ")) {
        const auto at = rest->find(" in ");
        if (at == std::string_view::npos || !isWords(rest->substr(at + 4)))
            return invalid;
        if (parseDate(rest->substr(0, at)))
            return "death";
        return parseDate(rest->substr(0, at), true) ? "death, month and year" : invalid;
    }
    if (const auto rest = after(line, "verh.    "))
        return marriage("verh. + 4 blanks", *rest);
    if (const auto rest = after(line, "verh. "))
        return marriage("verh.", *rest);
    if (const auto rest = after(line, "ver. "))
        return marriage("ver.", *rest);
    if (const auto rest = after(line, "verh: ")) {
        if (rest->ends_with(", gesch."))
            return marriage("verh: divorced", rest->substr(0, rest->size() - 8));
        return marriage("verh:", *rest);
    }
    if (const auto rest = after(line, "1 Kind: "))
        return isDisplayName(*rest) ? "1 Kind" : invalid;
    if (const auto at = line.find(" Kinder: "); at != std::string_view::npos) {
        const auto count = number(line.substr(0, at), 1);
        const auto names = line.substr(at + 9);
        if (!count || *count < 2 || !isWords(names, 3))
            return invalid;
        const auto joiner = names.find(" und ") != std::string_view::npos  ? " und"
                            : names.find(" u. ") != std::string_view::npos ? " u."
                                                                           : "";
        return *joiner ? std::to_string(*count) + " Kinder" + joiner : invalid;
    }
    if (line[0] == ' ') {
        const auto blanks = line.find_first_not_of(' ');
        if (blanks == std::string_view::npos || !isWords(line.substr(blanks)))
            return invalid;
        return "cont. " + std::to_string(blanks);
    }
    return isDisplayName(line) ? "name" : invalid;
}

// The name part of a marriage or continuation line: the spouse, child or family name it
// carries, without prefix, leading blanks or the note of divorce.
inline std::string_view carriedName(std::string_view line) {
    for (const std::string_view prefix : {"verh.    ", "verh. ", "ver. ", "verh: "})
        if (line.starts_with(prefix)) {
            line.remove_prefix(prefix.size());
            if (line.ends_with(", gesch."))
                line.remove_suffix(8);
            return line;
        }
    return line.substr(std::min(line.find_first_not_of(' '), line.size()));
}

// A display name's parts: the given names and the family name, leaving off a title at the end
// ("Dr.", "Dipl.-Ing."), which is the only kind of word with a full stop.
struct NameParts {
    std::string given;
    std::string_view family;
};

inline NameParts nameParts(std::string_view name) {
    auto words = split(name, " ");
    while (!words.empty() && words.back().find('.') != std::string_view::npos)
        words.pop_back();
    NameParts parts;
    if (words.empty())
        return parts;
    parts.family = words.back();
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
        parts.given += (i ? " " : "") + std::string(words[i]);
    return parts;
}

} // namespace fg::family::test
