#pragma once

#include <QUrl>
#include <functional>

// Hands a web page or a folder to the desktop (browser, file manager); false when nothing could be started.
bool OpenUrl(const QUrl& url);

// Replaces the desktop by another opener (tests must not start a browser); an empty function restores it.
using UrlOpener = std::function<bool(const QUrl& url)>;
void SetUrlOpener(UrlOpener opener);
