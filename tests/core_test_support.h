#pragma once
// What the window-free tests (and the fuzz checks) share: nine inputs written out, and an INI
// file in memory that reads back as the profile functions would.
#include "rating/lkz.h"
#include "settings/settings.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

inline LkzInputs inputs(int league, int teams, int matches, int w1, int l1, int w2 = 0, int l2 = 0, int w3 = 0,
                        int l3 = 0)
{
    LkzInputs in;
    const int values[InputKindCount] = {league, teams, matches, w1, l1, w2, l2, w3, l3};
    for (int kind = 0; kind < InputKindCount; ++kind)
        in[kind] = values[kind];
    return in;
}

// An INI file in memory that logs every access in order.
struct FakeIni {
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> reads;  // "section/key"
    std::vector<std::string> writes; // "section/key=value"

    void set(const std::string& section, const std::string& key, const std::string& value)
    {
        values[{section, key}] = value;
    }
    std::string get(const std::string& section, const std::string& key) const
    {
        auto it = values.find({section, key});
        return it == values.end() ? "<absent>" : it->second;
    }
    // Every write so far, one a line.
    std::string writtenText() const
    {
        std::string text;
        for (const std::string& write : writes)
            text += write + "\n";
        return text;
    }
    IniStore store()
    {
        return {[this](const std::string& s, const std::string& k, const std::string& fallback) {
                    reads.push_back(s + "/" + k);
                    auto it = values.find({s, k});
                    return it == values.end() ? fallback : profileReadBack(it->second);
                },
                [this](const std::string& s, const std::string& k, const std::string& v) {
                    writes.push_back(s + "/" + k + "=" + v);
                    values[{s, k}] = v;
                }};
    }
};
