#include "toolkit/graphics/drawtext.h"

namespace mox {

namespace {

constexpr QChar kPrefix = u'&';

bool IsLineBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}

// Greedy word wrap of one paragraph; spaces where a line breaks are dropped.
void BreakParagraph(QStringView paragraph, int maxWidth,
                    const std::function<int(QStringView)>& measure, QStringList& lines) {
    QString line;
    qsizetype pos = 0;
    while (pos < paragraph.size()) {
        // The next piece: the spaces before a word, then the word.
        const qsizetype start = pos;
        while (pos < paragraph.size() && paragraph[pos] == u' ')
            ++pos;
        while (pos < paragraph.size() && paragraph[pos] != u' ')
            ++pos;
        const QStringView piece = paragraph.sliced(start, pos - start);
        QString candidate = line;
        candidate.append(piece);
        if (line.isEmpty() || measure(candidate) <= maxWidth) {
            line = candidate;
        } else if (!piece.trimmed().isEmpty()) {
            lines.append(line);
            line = piece.trimmed().toString();
        }
    }
    lines.append(line);
}

}  // namespace

TPrefixedText ResolvePrefixes(QStringView text) {
    TPrefixedText result;
    result.Text.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != kPrefix) {
            result.Text.append(text[i]);
            continue;
        }
        if (++i == text.size()) break;  // a trailing prefix shows nothing
        if (text[i] != kPrefix && result.Underlined < 0)
            result.Underlined = static_cast<int>(result.Text.size());
        result.Text.append(text[i]);
    }
    return result;
}

QStringList BreakTextLines(QStringView text, int flags, int maxWidth,
                           const std::function<int(QStringView)>& measure) {
    QStringList lines;
    if (text.isEmpty()) return lines;
    if (flags & DT_SINGLELINE) {
        QString line = text.toString();
        for (QChar& c : line)
            if (IsLineBreak(c)) c = u' ';
        lines.append(line);
        return lines;
    }
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !IsLineBreak(text[i])) continue;
        const QStringView paragraph = text.sliced(start, i - start);
        if (flags & DT_WORDBREAK)
            BreakParagraph(paragraph, maxWidth, measure, lines);
        else
            lines.append(paragraph.toString());
        // CR LF is one line break.
        if (i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    return lines;
}

}  // namespace mox
