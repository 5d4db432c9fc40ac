#pragma once

#include <QString>
#include <QtGlobal>

// Fetches one tile into the cache. The transfer runs on the one download thread, whose network manager keeps
// its connections open from tile to tile; the caller blocks until the transfer has ended, without handling
// events meanwhile.

enum class DownloadResult {
    Stored,    // a complete success answer (2xx, an empty body included) or a 404 page became the file
    NotStored, // no file: a refused answer, a broken transfer, no server, a bad URL or a cache write failure
    TimedOut,  // no file: nothing arrived for the idle time-out
};

// GETs `url` and stores the body in the file `path`. The body goes into "<path>.download" first and is
// renamed into place only when complete, so a failed transfer leaves no file.
DownloadResult DownloadTile(const QString& url, const QString& path);

// Tests shorten the limits; the program uses 30 s and 64 MiB.
void SetDownloadLimits(int idleTimeoutMs, qint64 maxBodyBytes);

// The worker status of the last DownloadTile: 0 when the file was stored; -6 when the cache file could not be
// created, -7 when writing, -8 flushing and -9 closing or renaming it failed, -10 when the response broke off
// after its body began; 1 when no body was taken (a bad URL, no connection, an answer that is not stored).
qint32 LastDownloadStatus();
