#include "atlas/text_line_reader.h"

#include <QIODevice>

bool TextLineReader::ReadChar(char& c) {
    if (!m_device.getChar(&c))
        return false;
    char next = 0;
    if (c == '\r' && m_device.peek(&next, 1) == 1 && next == '\n') {
        m_device.getChar(&next);
        c = '\n';
    }
    return true;
}

std::optional<std::string> TextLineReader::Next() {
    std::string piece;
    char c = 0;
    while (piece.size() < kMaxPiece && ReadChar(c)) {
        piece.push_back(c);
        if (c == '\n')
            break;
    }
    if (piece.empty())
        return std::nullopt;
    return piece;
}
