#pragma once

#include <QUrl>
#include <functional>

// Hands a web page or a folder to the desktop (browser, file manager).
void OpenUrl(const QUrl& url);

// Replaces the desktop by another opener (tests must not start a browser); an empty function restores it.
using UrlOpener = std::function<void(const QUrl& url)>;
void SetUrlOpener(UrlOpener opener);
