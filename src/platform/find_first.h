#pragma once

#include <QString>
#include <optional>

// The name of the first entry of `folder` whose name matches `pattern`, in the order the directory lists its
// entries. Files and folders alike; '*' and '?' wildcards; letters match case-insensitively. Nothing when no
// entry matches or the folder cannot be read.
std::optional<QString> FindFirst(const QString& folder, const QString& pattern);

// Whether `name` matches the wildcard `pattern` under the rules of FindFirst.
bool WildcardMatch(const QString& pattern, const QString& name);
