#include "rackfile/textwriter.h"

#include <charconv>
#include <cmath>

#include "rackfile/binaryreader.h"
#include "rackfile/textreader.h"
#include "toolkit/core/exceptions.h"

namespace mox::rack {

namespace {

constexpr qsizetype kStringPiece = 64;  // characters per quoted piece
constexpr qsizetype kBinaryLine = 32;   // bytes per line of hex
constexpr int kExtendedDigits = 15;
constexpr std::int64_t kCurrencyScale = 10000;

// "1e+20" -> "1E20", "1.5e-07" -> "1.5E-7": the classic look of exponents.
QString ClassicFloat(const char* first, const char* last) {
    const std::string_view text(first, static_cast<std::size_t>(last - first));
    const std::size_t e = text.find('e');
    if (e == std::string_view::npos)
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    std::string_view exponent = text.substr(e + 1);
    const bool negative = exponent.front() == '-';
    exponent.remove_prefix(1);
    while (exponent.size() > 1 && exponent.front() == '0')
        exponent.remove_prefix(1);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(e)) + (negative ? "E-" : "E") +
           QString::fromLatin1(exponent.data(), static_cast<qsizetype>(exponent.size()));
}

// to_chars is locale-independent, so "." is the separator whatever LC_NUMERIC says.
// Extended values and dates: the shortest general form with at most 15 significant digits.
QString FormatFifteenDigits(long double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, kExtendedDigits);
    return ClassicFloat(buffer, result.ptr);
}

QString FormatExtended(long double value) {
    QString text = FormatFifteenDigits(value);
    if (!text.contains(u'.') && !text.contains(u'E')) text += QStringLiteral(".0");
    return text;
}

// Singles: the shortest form that reads back to the same bits (never more than 9 digits).
QString FormatSingle(float value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general);
    return ClassicFloat(buffer, result.ptr);
}

QString FormatCurrency(std::int64_t value) {
    // Through unsigned so that the most negative value has a magnitude.
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    QString text =
        (value < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude / kCurrencyScale);
    const std::uint64_t fraction = magnitude % kCurrencyScale;
    if (fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QChar(u'0'));
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += u'.' + digits;
    }
    return text + u'c';
}

// 8-bit strings keep their characters as they are; in wide and UTF-8 strings everything beyond
// ASCII is a #code, which keeps the text plain ASCII and the code units exact.
bool IsLiteral(char16_t c, bool eightBit) {
    if (c == u'\'') return false;
    if (c >= 32 && c < 127) return true;
    return eightBit && c >= 0xA0 && c < 0xD800;
}

QString QuotePiece(QStringView piece, bool eightBit) {
    QString out;
    bool open = false;
    for (QChar c : piece) {
        const bool literal = IsLiteral(c.unicode(), eightBit);
        if (literal != open) {
            out += u'\'';
            open = literal;
        }
        if (literal)
            out += c;
        else
            out += u'#' + QString::number(c.unicode());
    }
    if (open) out += u'\'';
    return out.isEmpty() ? QStringLiteral("''") : out;
}

class TTextWriter {
public:
    QByteArray Write(const TObjectRecord& root) {
        WriteObject(root, 0, 1);
        return FOut.toUtf8();
    }

private:
    [[noreturn]] static void Fail(const QString& what) { throw EWriteError(what); }

    static void CheckDepth(int depth) {
        if (depth > kMaxNestingDepth)
            Fail(QStringLiteral("Nesting deeper than %1 levels").arg(kMaxNestingDepth));
    }

    static const QString& Identifier(const QString& name) {
        if (!IsTextIdentifier(name))
            Fail(QStringLiteral("'%1' cannot be written as a name in text").arg(name));
        return name;
    }

    void StartLine(int indent) { FOut += QString(indent, u' '); }
    void EndLine() { FOut += QStringLiteral("\r\n"); }

    void WriteObject(const TObjectRecord& record, int indent, int depth) {
        CheckDepth(depth);
        const bool inheritedInline = (record.Flags & ffInherited) && (record.Flags & ffInline);
        if ((record.Flags & ~(ffInherited | ffChildPos | ffInline)) != 0 || inheritedInline)
            Fail(QStringLiteral("Invalid flags of object %1").arg(record.Name));
        StartLine(indent);
        FOut += (record.Flags & ffInherited) ? QStringLiteral("inherited ")
                : (record.Flags & ffInline)  ? QStringLiteral("inline ")
                                             : QStringLiteral("object ");
        if (!record.Name.isEmpty()) FOut += Identifier(record.Name) + QStringLiteral(": ");
        FOut += Identifier(record.ClassName);
        if (record.Flags & ffChildPos) FOut += QStringLiteral(" [%1]").arg(record.Position);
        EndLine();
        WriteProperties(record.Properties, indent + 2, depth);
        for (const TObjectRecord& child : record.Children)
            WriteObject(child, indent + 2, depth + 1);
        StartLine(indent);
        FOut += QStringLiteral("end");
        EndLine();
    }

    void WriteProperties(const std::vector<TStreamProperty>& properties, int indent, int depth) {
        for (const TStreamProperty& property : properties) {
            StartLine(indent);
            FOut += Identifier(property.Name) + QStringLiteral(" = ");
            WriteValue(property.Value, indent, depth);
            EndLine();
        }
    }

    // Writes from the current position; a value that spans lines indents its continuation by
    // two spaces more than `indent`, the indent of the line it starts on.
    void WriteValue(const TStreamValue& v, int indent, int depth) {
        switch (v.Type) {
            case TValueType::vaNull:
                Fail(QStringLiteral("A null value cannot be written"));
            case TValueType::vaList:
                CheckDepth(depth + 1);
                FOut += u'(';
                for (const TStreamValue& item : v.List) {
                    EndLine();
                    StartLine(indent + 2);
                    WriteValue(item, indent + 2, depth + 1);
                }
                FOut += u')';
                break;
            case TValueType::vaInt8:
            case TValueType::vaInt16:
            case TValueType::vaInt32:
            case TValueType::vaInt64:
                FOut += QString::number(v.Integer);
                break;
            case TValueType::vaExtended:
                if (!std::isfinite(v.Extended)) Fail(QStringLiteral("Value is not finite"));
                FOut += FormatExtended(v.Extended);
                break;
            case TValueType::vaSingle:
                if (!std::isfinite(v.Single)) Fail(QStringLiteral("Value is not finite"));
                FOut += FormatSingle(v.Single) + u's';
                break;
            case TValueType::vaDate:
                if (!std::isfinite(v.Date)) Fail(QStringLiteral("Value is not finite"));
                FOut += FormatFifteenDigits(v.Date) + u'd';
                break;
            case TValueType::vaCurrency:
                FOut += FormatCurrency(v.Integer);
                break;
            case TValueType::vaString:
            case TValueType::vaLString:
                WriteString(v.Text, true, indent);
                break;
            case TValueType::vaWString:
            case TValueType::vaUTF8String:
                WriteString(v.Text, false, indent);
                break;
            case TValueType::vaIdent:
                FOut += Identifier(v.Text);
                break;
            case TValueType::vaFalse:
                FOut += QStringLiteral("False");
                break;
            case TValueType::vaTrue:
                FOut += QStringLiteral("True");
                break;
            case TValueType::vaNil:
                FOut += QStringLiteral("nil");
                break;
            case TValueType::vaBinary:
                WriteBinary(v.Bytes, indent);
                break;
            case TValueType::vaSet: {
                QStringList members;
                for (const QString& member : v.SetMembers)
                    members += Identifier(member);
                FOut += u'[' + members.join(QStringLiteral(", ")) + u']';
                break;
            }
            case TValueType::vaCollection:
                CheckDepth(depth + 1);
                FOut += u'<';
                for (const TStreamItem& item : v.Items)
                    WriteItem(item, indent + 2, depth + 1);
                FOut += u'>';
                break;
        }
    }

    void WriteString(const QString& text, bool eightBit, int indent) {
        for (qsizetype at = 0; at == 0 || at < text.size(); at += kStringPiece) {
            if (at > 0) {
                FOut += QStringLiteral(" +");
                EndLine();
                StartLine(indent + 2);
            }
            FOut += QuotePiece(QStringView(text).mid(at, kStringPiece), eightBit);
        }
    }

    void WriteBinary(const QByteArray& bytes, int indent) {
        FOut += u'{';
        for (qsizetype at = 0; at < bytes.size(); at += kBinaryLine) {
            EndLine();
            StartLine(indent + 2);
            FOut += QString::fromLatin1(bytes.mid(at, kBinaryLine).toHex().toUpper());
        }
        FOut += u'}';
    }

    void WriteItem(const TStreamItem& item, int indent, int depth) {
        EndLine();
        StartLine(indent);
        FOut += QStringLiteral("item");
        if (item.Index.size() > 1 || (item.Index.size() == 1 && !item.Index.front().IsInteger()))
            Fail(QStringLiteral("Invalid collection item index"));
        if (!item.Index.empty()) FOut += QStringLiteral(" [%1]").arg(item.Index.front().Integer);
        EndLine();
        WriteProperties(item.Properties, indent + 2, depth);
        StartLine(indent);
        FOut += QStringLiteral("end");
    }

    QString FOut;
};

}  // namespace

QByteArray WriteObjectText(const TObjectRecord& root) {
    return TTextWriter().Write(root);
}

}  // namespace mox::rack
