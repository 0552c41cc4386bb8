#include "rackfile/textreader.h"

#include <locale.h>
#include <stdlib.h>

#include <cctype>
#include <charconv>
#include <cmath>
#include <deque>
#include <limits>
#include <string>

#include "rackfile/binaryreader.h"
#include "rackfile/codepage.h"
#include "toolkit/core/exceptions.h"

namespace mox::rack {

namespace {

constexpr char16_t kMaxCharCode = 0xFFFF;
constexpr std::uint64_t kCurrencyScale = 10000;
constexpr int kCurrencyDecimals = 4;

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool IsIdentStart(QChar c) {
    return c == u'_' || c.isLetter();
}
bool IsIdentChar(QChar c) {
    return IsIdentStart(c) || IsDigit(c) || c == u'.';
}
bool IsHexDigit(QChar c) {
    return IsDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

[[noreturn]] void FailAt(int line, const QString& what) {
    throw EReadError(QStringLiteral("Line %1: %2").arg(line).arg(what));
}

// Numbers are read in the "C" locale whatever the process has set.
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

enum class TTokenKind { Ident, Number, String, Binary, Symbol, End };

struct TToken {
    TTokenKind Kind = TTokenKind::End;
    int Line = 0;
    QString Text;      // the identifier, the number as written, the string, or the symbol
    QByteArray Bytes;  // a binary value
};

class TLexer {
public:
    explicit TLexer(const QString& text) : FText(text) {}

    TToken Next() {
        SkipSpace();
        TToken token;
        token.Line = FLine;
        if (FPos >= FText.size()) return token;
        const QChar c = FText[FPos];
        if (IsIdentStart(c)) {
            token.Kind = TTokenKind::Ident;
            token.Text = ScanIdentifier();
        } else if (IsDigit(c) || (c == u'-' && IsDigit(At(FPos + 1)))) {
            token.Kind = TTokenKind::Number;
            token.Text = ScanNumber();
        } else if (c == u'\'' || c == u'#') {
            token.Kind = TTokenKind::String;
            token.Text = ScanString();
        } else if (c == u'{') {
            token.Kind = TTokenKind::Binary;
            token.Bytes = ScanBinary();
        } else if (QStringView(u"=:[](),<>+").contains(c)) {
            token.Kind = TTokenKind::Symbol;
            token.Text = c;
            ++FPos;
        } else {
            Fail(QStringLiteral("Invalid character #%1").arg(c.unicode()));
        }
        return token;
    }

private:
    [[noreturn]] void Fail(const QString& what) const { FailAt(FLine, what); }

    QChar At(qsizetype i) const { return i < FText.size() ? FText[i] : QChar(); }

    void SkipSpace() {
        for (; FPos < FText.size(); ++FPos) {
            const QChar c = FText[FPos];
            if (c == u'\n')
                ++FLine;
            else if (c != u' ' && c != u'\t' && c != u'\r')
                return;
        }
    }

    void SkipDigits() {
        while (IsDigit(At(FPos)))
            ++FPos;
    }

    QString ScanIdentifier() {
        const qsizetype start = FPos;
        while (FPos < FText.size() && IsIdentChar(FText[FPos]))
            ++FPos;
        const QString name = FText.sliced(start, FPos - start);
        if (!IsTextIdentifier(name)) Fail(QStringLiteral("Invalid name '%1'").arg(name));
        return name;
    }

    QString ScanNumber() {
        const qsizetype start = FPos;
        if (At(FPos) == u'-') ++FPos;
        SkipDigits();
        if (At(FPos) == u'.') {
            ++FPos;
            if (!IsDigit(At(FPos))) Fail(QStringLiteral("Invalid number"));
            SkipDigits();
        }
        if (At(FPos) == u'e' || At(FPos) == u'E') {
            ++FPos;
            if (At(FPos) == u'+' || At(FPos) == u'-') ++FPos;
            if (!IsDigit(At(FPos))) Fail(QStringLiteral("Invalid number"));
            SkipDigits();
        }
        if (QStringView(u"sScCdD").contains(At(FPos))) ++FPos;
        if (IsIdentChar(At(FPos))) Fail(QStringLiteral("Invalid number"));
        return FText.sliced(start, FPos - start);
    }

    // Quoted runs and #codes written without space between them form one string.
    QString ScanString() {
        QString text;
        for (;;) {
            if (At(FPos) == u'\'') {
                for (++FPos;; ++FPos) {
                    const QChar c = At(FPos);
                    if (FPos >= FText.size() || c == u'\r' || c == u'\n')
                        Fail(QStringLiteral("Unterminated string"));
                    if (c == u'\'') {
                        if (At(FPos + 1) != u'\'') break;
                        ++FPos;  // a doubled quote stands for one
                    }
                    text += c;
                }
                ++FPos;
            } else if (At(FPos) == u'#') {
                ++FPos;
                if (!IsDigit(At(FPos))) Fail(QStringLiteral("Invalid character code"));
                std::uint32_t code = 0;
                for (; IsDigit(At(FPos)); ++FPos) {
                    code = code * 10 + (At(FPos).unicode() - u'0');
                    if (code > kMaxCharCode) Fail(QStringLiteral("Character code out of range"));
                }
                text += QChar(static_cast<char16_t>(code));
            } else {
                return text;
            }
        }
    }

    QByteArray ScanBinary() {
        QByteArray hex;
        for (++FPos;; ++FPos) {
            if (FPos >= FText.size()) Fail(QStringLiteral("Unterminated binary value"));
            const QChar c = FText[FPos];
            if (c == u'}') break;
            if (c == u'\n')
                ++FLine;
            else if (IsHexDigit(c))
                hex += static_cast<char>(c.unicode());
            else if (c != u' ' && c != u'\t' && c != u'\r')
                Fail(QStringLiteral("Invalid hexadecimal digit"));
        }
        ++FPos;
        if (hex.size() % 2 != 0) Fail(QStringLiteral("Odd number of hexadecimal digits"));
        return QByteArray::fromHex(hex);
    }

    const QString& FText;
    qsizetype FPos = 0;
    int FLine = 1;
};

std::optional<std::int64_t> ParseCurrency(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.find_first_of("eE") != std::string_view::npos) return std::nullopt;
    const std::size_t point = text.find('.');
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (fraction.size() > kCurrencyDecimals) return std::nullopt;
    std::uint64_t magnitude = 0;
    for (char c : text.substr(0, point)) {
        if (__builtin_mul_overflow(magnitude, 10, &magnitude) ||
            __builtin_add_overflow(magnitude, static_cast<std::uint64_t>(c - '0'), &magnitude))
            return std::nullopt;
    }
    std::uint64_t scaled = 0;
    for (int i = 0; i < kCurrencyDecimals; ++i)
        scaled = scaled * 10 + (i < static_cast<int>(fraction.size()) ? fraction[i] - '0' : 0);
    if (__builtin_mul_overflow(magnitude, kCurrencyScale, &magnitude) ||
        __builtin_add_overflow(magnitude, scaled, &magnitude))
        return std::nullopt;
    const std::uint64_t limit = std::uint64_t{std::numeric_limits<std::int64_t>::max()} + negative;
    if (magnitude > limit) return std::nullopt;
    return negative ? static_cast<std::int64_t>(0 - magnitude)
                    : static_cast<std::int64_t>(magnitude);
}

class TParser {
public:
    explicit TParser(const QString& text) : FLexer(text) {}

    TObjectRecord ParseRoot() {
        TObjectRecord root = ParseObject(1);
        if (Peek().Kind != TTokenKind::End)
            FailAt(Peek().Line, QStringLiteral("End of text expected"));
        return root;
    }

private:
    const TToken& Peek(std::size_t ahead = 0) {
        while (FAhead.size() <= ahead)
            FAhead.push_back(FLexer.Next());
        return FAhead[ahead];
    }

    TToken Next() {
        Peek();
        TToken token = std::move(FAhead.front());
        FAhead.pop_front();
        return token;
    }

    static bool IsSymbol(const TToken& token, char16_t symbol) {
        return token.Kind == TTokenKind::Symbol && token.Text.front() == symbol;
    }

    static bool IsKeyword(const TToken& token, QLatin1StringView word) {
        return token.Kind == TTokenKind::Ident &&
               token.Text.compare(word, Qt::CaseInsensitive) == 0;
    }

    // A keyword followed by '=' is a property that happens to bear the keyword's name.
    bool AtKeyword(QLatin1StringView word) {
        return IsKeyword(Peek(), word) && !IsSymbol(Peek(1), u'=');
    }

    void Expect(char16_t symbol) {
        const TToken token = Next();
        if (!IsSymbol(token, symbol))
            FailAt(token.Line, QStringLiteral("'%1' expected").arg(symbol));
    }

    QString ExpectIdent(const QString& what) {
        TToken token = Next();
        if (token.Kind != TTokenKind::Ident) FailAt(token.Line, what + QStringLiteral(" expected"));
        return std::move(token.Text);
    }

    // Child positions and collection indexes are 32-bit integers in the binary form.
    std::int64_t ExpectSmallInteger() {
        const TToken token = Next();
        const TStreamValue value =
            token.Kind == TTokenKind::Number ? NumberValue(token) : TStreamValue();
        if (value.Type != TValueType::vaInt8 && value.Type != TValueType::vaInt16 &&
            value.Type != TValueType::vaInt32)
            FailAt(token.Line, QStringLiteral("32-bit integer expected"));
        return value.Integer;
    }

    static void CheckDepth(int depth, int line) {
        if (depth > kMaxNestingDepth)
            FailAt(line, QStringLiteral("Nesting deeper than %1 levels").arg(kMaxNestingDepth));
    }

    TObjectRecord ParseObject(int depth) {
        TObjectRecord record;
        const TToken head = Next();
        CheckDepth(depth, head.Line);
        if (IsKeyword(head, QLatin1StringView("inherited")))
            record.Flags = ffInherited;
        else if (IsKeyword(head, QLatin1StringView("inline")))
            record.Flags = ffInline;
        else if (!IsKeyword(head, QLatin1StringView("object")))
            FailAt(head.Line, QStringLiteral("'object' expected"));
        const QString first = ExpectIdent(QStringLiteral("Class name"));
        if (IsSymbol(Peek(), u':')) {
            Next();
            record.Name = first;
            record.ClassName = ExpectIdent(QStringLiteral("Class name"));
        } else {
            record.ClassName = first;
        }
        if (IsSymbol(Peek(), u'[')) {
            Next();
            record.Flags |= ffChildPos;
            record.Position = ExpectSmallInteger();
            Expect(u']');
        }
        for (;;) {
            if (Peek().Kind == TTokenKind::End)
                FailAt(Peek().Line, QStringLiteral("'end' expected"));
            if (AtKeyword(QLatin1StringView("end"))) break;
            if (AtKeyword(QLatin1StringView("object")) ||
                AtKeyword(QLatin1StringView("inherited")) || AtKeyword(QLatin1StringView("inline")))
                record.Children.push_back(ParseObject(depth + 1));
            else
                record.Properties.push_back(ParseProperty(depth));
        }
        Next();
        return record;
    }

    TStreamProperty ParseProperty(int depth) {
        TStreamProperty property;
        property.Name = ExpectIdent(QStringLiteral("Property name"));
        Expect(u'=');
        property.Value = ParseValue(depth);
        return property;
    }

    TStreamValue ParseValue(int depth) {
        TToken token = Next();
        switch (token.Kind) {
            case TTokenKind::Number:
                return NumberValue(token);
            case TTokenKind::String:
                return StringValue(token);
            case TTokenKind::Binary:
                return TStreamValue::Binary(token.Bytes);
            case TTokenKind::Ident:
                if (token.Text == QLatin1StringView("True")) return TStreamValue::Bool(true);
                if (token.Text == QLatin1StringView("False")) return TStreamValue::Bool(false);
                if (token.Text == QLatin1StringView("nil")) return TStreamValue::Nil();
                return TStreamValue::Ident(token.Text);
            case TTokenKind::Symbol:
                if (IsSymbol(token, u'[')) return SetValue();
                if (IsSymbol(token, u'(')) return ListValue(depth + 1, token.Line);
                if (IsSymbol(token, u'<')) return CollectionValue(depth + 1, token.Line);
                break;
            case TTokenKind::End:
                break;
        }
        FailAt(token.Line, QStringLiteral("Invalid property value"));
    }

    // Pieces joined by '+' form one string; its tag follows the encoding rule, except that a
    // string with an unpaired surrogate has no UTF-8 form and stays wide.
    TStreamValue StringValue(const TToken& first) {
        QString text = first.Text;
        while (IsSymbol(Peek(), u'+')) {
            Next();
            const TToken piece = Next();
            if (piece.Kind != TTokenKind::String)
                FailAt(piece.Line, QStringLiteral("String expected"));
            text += piece.Text;
        }
        if (!HasUnpairedSurrogate(text)) return TStreamValue::Str(text);
        TStreamValue value;
        value.Type = TValueType::vaWString;
        value.Text = text;
        return value;
    }

    static TStreamValue NumberValue(const TToken& token) {
        std::string text = token.Text.toStdString();
        const char suffix =
            static_cast<char>(std::tolower(static_cast<unsigned char>(text.back())));
        const bool hasSuffix = suffix == 's' || suffix == 'c' || suffix == 'd';
        if (hasSuffix) text.pop_back();
        if (!hasSuffix && text.find_first_of(".eE") == std::string::npos) {
            std::int64_t n = 0;
            const auto result = std::from_chars(text.data(), text.data() + text.size(), n);
            if (result.ec != std::errc() || result.ptr != text.data() + text.size())
                FailAt(token.Line, QStringLiteral("Integer out of range"));
            return TStreamValue::Int(n);
        }
        TStreamValue v;
        bool finite = true;
        switch (hasSuffix ? suffix : 0) {
            case 's':
                v.Type = TValueType::vaSingle;
                v.Single = strtof_l(text.c_str(), nullptr, CLocale());
                finite = std::isfinite(v.Single);
                break;
            case 'd':
                v.Type = TValueType::vaDate;
                v.Date = strtod_l(text.c_str(), nullptr, CLocale());
                finite = std::isfinite(v.Date);
                break;
            case 'c': {
                const std::optional<std::int64_t> currency = ParseCurrency(text);
                if (!currency) FailAt(token.Line, QStringLiteral("Invalid currency value"));
                v.Type = TValueType::vaCurrency;
                v.Integer = *currency;
                break;
            }
            default:
                v = TStreamValue::Ext(strtold_l(text.c_str(), nullptr, CLocale()));
                finite = std::isfinite(v.Extended);
                break;
        }
        if (!finite) FailAt(token.Line, QStringLiteral("Floating point value out of range"));
        return v;
    }

    TStreamValue SetValue() {
        QStringList members;
        if (IsSymbol(Peek(), u']')) {
            Next();
            return TStreamValue::Set(members);
        }
        for (;;) {
            members += ExpectIdent(QStringLiteral("Set member"));
            const TToken token = Next();
            if (IsSymbol(token, u']')) return TStreamValue::Set(members);
            if (!IsSymbol(token, u',')) FailAt(token.Line, QStringLiteral("',' or ']' expected"));
        }
    }

    TStreamValue ListValue(int depth, int line) {
        CheckDepth(depth, line);
        std::vector<TStreamValue> items;
        while (!IsSymbol(Peek(), u')'))
            items.push_back(ParseValue(depth));
        Next();
        return TStreamValue::ListOf(std::move(items));
    }

    TStreamValue CollectionValue(int depth, int line) {
        CheckDepth(depth, line);
        TStreamValue v;
        v.Type = TValueType::vaCollection;
        while (!IsSymbol(Peek(), u'>')) {
            const TToken head = Next();
            if (!IsKeyword(head, QLatin1StringView("item")))
                FailAt(head.Line, QStringLiteral("'item' expected"));
            TStreamItem item;
            if (IsSymbol(Peek(), u'[')) {
                Next();
                item.Index.push_back(TStreamValue::Int(ExpectSmallInteger()));
                Expect(u']');
            }
            while (!AtKeyword(QLatin1StringView("end"))) {
                if (Peek().Kind == TTokenKind::End)
                    FailAt(Peek().Line, QStringLiteral("'end' expected"));
                item.Properties.push_back(ParseProperty(depth));
            }
            Next();
            v.Items.push_back(std::move(item));
        }
        Next();
        return v;
    }

    TLexer FLexer;
    std::deque<TToken> FAhead;
};

[[noreturn]] void FailUtf8(QByteArrayView bytes) {
    int line = 1;
    for (qsizetype start = 0;; ++line) {
        const qsizetype end = bytes.indexOf('\n', start);
        const qsizetype stop = end < 0 ? bytes.size() : end;
        if (!FromUtf8Strict(bytes.sliced(start, stop - start)) || end < 0) break;
        start = end + 1;
    }
    FailAt(line, QStringLiteral("Invalid UTF-8"));
}

}  // namespace

bool IsTextIdentifier(const QString& name) {
    if (name.isEmpty()) return false;
    for (QStringView part : QStringView(name).split(u'.')) {
        if (part.isEmpty() || !IsIdentStart(part.front())) return false;
        for (QChar c : part)
            if (!IsIdentStart(c) && !IsDigit(c)) return false;
    }
    return true;
}

TObjectRecord ReadObjectText(const QByteArray& text) {
    QByteArrayView bytes(text);
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    const std::optional<QString> decoded = FromUtf8Strict(bytes);
    if (!decoded) FailUtf8(bytes);
    return TParser(*decoded).ParseRoot();
}

}  // namespace mox::rack
