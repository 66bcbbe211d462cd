#pragma once

#include "play_script.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace galloria::sim {

using Run = std::function<void(PlayRunner&)>;
using Words = std::vector<std::string>;

template <typename Value, std::size_t N>
std::optional<Value> Lookup(const std::array<std::pair<std::string_view, Value>, N>& table,
                            std::string_view name)
{
    for (const auto& [key, value] : table) {
        if (key == name)
            return value;
    }
    return std::nullopt;
}

// The words of one script line, read with its number for the errors.
class LineParser {
public:
    LineParser(int number, Words words) : number_(number), words_(std::move(words)) {}

    [[noreturn]] void Fail(const std::string& expected) const
    {
        throw ScriptError(number_, "expected " + expected);
    }

    void Arguments(std::size_t low, std::size_t high, const std::string& expected) const
    {
        const std::size_t given = words_.size() - 1;
        if (given < low || given > high)
            Fail(expected);
    }
    const std::string& Word(std::size_t index) const { return words_.at(index); }
    std::size_t Count() const { return words_.size(); }

    long long Integer(std::size_t index, long long low, long long high, const std::string& what) const
    {
        const std::string& text = words_.at(index);
        long long value = 0;
        const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || stop != text.data() + text.size() || value < low ||
            value > high)
            Fail(what + " (a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                 "), not \"" + text + "\"");
        return value;
    }

    std::vector<int> IntegerList(std::size_t index, int low, int high, const std::string& what) const
    {
        std::vector<int> values;
        const std::string& text = words_.at(index);
        std::size_t start = 0;
        for (;;) {
            const std::size_t comma = text.find(',', start);
            LineParser item(number_,
                            {"", text.substr(start, comma == std::string::npos ? comma : comma - start)});
            values.push_back(static_cast<int>(item.Integer(1, low, high, what)));
            if (comma == std::string::npos)
                return values;
            start = comma + 1;
        }
    }

    template <typename Value, std::size_t N>
    Value Choice(std::size_t index, const std::array<std::pair<std::string_view, Value>, N>& table,
                 const std::string& what) const
    {
        if (const auto value = Lookup(table, words_.at(index)))
            return *value;
        std::string names;
        for (const auto& [key, entry] : table)
            names += (names.empty() ? "" : ", ") + std::string(key);
        Fail(what + " (" + names + "), not \"" + words_.at(index) + "\"");
    }

private:
    int number_;
    Words words_;
};

// A text in quotes as the transcript shows it.
std::string Quoted(const std::string& text);

// An expectation: what `got` reads from the game now, compared with `expected`.
Run Compare(std::string expected, std::function<std::string(PlayRunner&)> got);

// The expectations of what the game shows beyond the basic ones (see
// play_expect_shown.cpp); empty when `line` is none of them.
Run ParseShownExpect(const LineParser& line);

} // namespace galloria::sim
