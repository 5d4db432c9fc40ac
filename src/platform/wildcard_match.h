#pragma once

#include <QtGlobal>

// Whether `name` matches `pattern`, where '*' stands for any run of characters and '?' for any one, and
// `same` tells whether a pattern character matches a name character. Written once for every kind of text the
// program searches: folder entries and archive members.
template <typename Text, typename Same> bool MatchWildcard(const Text& pattern, const Text& name, Same same) {
    qsizetype p = 0, n = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || same(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}
