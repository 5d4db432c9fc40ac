#pragma once

#include <optional>
#include <string>

class QIODevice;

// Reads a text file the way fgets with a 499-byte buffer reads a stream opened in text mode: "\r\n" arrives
// as
// "\n", and each line comes as at most 498 characters ending after its line feed, so a longer line comes in
// pieces, each of which the reader's user takes for a line. The last line arrives also without a line end.
class TextLineReader {
public:
    static constexpr std::size_t kMaxPiece = 498;

    explicit TextLineReader(QIODevice& device) : m_device(device) {}

    // The next line or piece; nothing at the end of the file.
    std::optional<std::string> Next();

private:
    bool ReadChar(char& c);

    QIODevice& m_device;
};
