#include "rackfile/definedpropertystreams.h"

#include "toolkit/core/exceptions.h"

namespace mox::rack {

void TValueWriter::Add(TStreamValue v) {
    if (FOpenLists.empty())
        FValues.push_back(std::move(v));
    else
        FOpenLists.back().push_back(std::move(v));
}

void TValueWriter::WriteListBegin() {
    FOpenLists.emplace_back();
}

void TValueWriter::WriteListEnd() {
    if (FOpenLists.empty()) throw EWriteError(QStringLiteral("List end without a list"));
    std::vector<TStreamValue> items = std::move(FOpenLists.back());
    FOpenLists.pop_back();
    Add(TStreamValue::ListOf(std::move(items)));
}

TStreamValue TValueWriter::Result() const {
    if (!FOpenLists.empty() || FValues.size() != 1)
        throw EWriteError(QStringLiteral("A custom property must write exactly one value"));
    return FValues.front();
}

TValueReader::TValueReader(const TStreamValue& value) : FTop{value} {
    FLevels.push_back({&FTop, 0});
}

const TStreamValue& TValueReader::Next() {
    Level& level = FLevels.back();
    if (level.Index >= level.Values->size())
        throw EReadError(QStringLiteral("Invalid property value: more values expected"));
    return (*level.Values)[level.Index++];
}

std::int64_t TValueReader::ReadInteger() {
    const TStreamValue& v = Next();
    if (!v.IsInteger())
        throw EReadError(QStringLiteral("Invalid property value: integer expected"));
    return v.Integer;
}

bool TValueReader::ReadBoolean() {
    const TStreamValue& v = Next();
    if (v.Type == TValueType::vaTrue) return true;
    if (v.Type == TValueType::vaFalse) return false;
    throw EReadError(QStringLiteral("Invalid property value: Boolean expected"));
}

long double TValueReader::ReadFloat() {
    const TStreamValue& v = Next();
    if (v.Type == TValueType::vaExtended) return v.Extended;
    if (v.IsInteger()) return static_cast<long double>(v.Integer);
    throw EReadError(QStringLiteral("Invalid property value: number expected"));
}

QString TValueReader::ReadString() {
    const TStreamValue& v = Next();
    if (!v.IsString()) throw EReadError(QStringLiteral("Invalid property value: string expected"));
    return v.Text;
}

QString TValueReader::ReadIdent() {
    const TStreamValue& v = Next();
    if (v.Type != TValueType::vaIdent)
        throw EReadError(QStringLiteral("Invalid property value: identifier expected"));
    return v.Text;
}

void TValueReader::ReadListBegin() {
    const TStreamValue& v = Next();
    if (v.Type != TValueType::vaList)
        throw EReadError(QStringLiteral("Invalid property value: list expected"));
    FLevels.push_back({&v.List, 0});
}

bool TValueReader::EndOfList() {
    const Level& level = FLevels.back();
    return FLevels.size() > 1 && level.Index >= level.Values->size();
}

void TValueReader::ReadListEnd() {
    if (FLevels.size() <= 1 || !EndOfList())
        throw EReadError(QStringLiteral("Invalid property value: end of list expected"));
    FLevels.pop_back();
}

void TTreeWriteFiler::DefineProperty(const QString& name, std::function<void(TReader&)>,
                                     std::function<void(TWriter&)> write, bool hasData) {
    if (!hasData || !write) return;
    TValueWriter writer;
    write(writer);
    FOut.push_back({FPrefix + name, writer.Result(), 0});
}

void TTreeWriteFiler::DefineBinaryProperty(const QString& name,
                                           std::function<void(const QByteArray&)>,
                                           std::function<void(QByteArray&)> write, bool hasData) {
    if (!hasData || !write) return;
    QByteArray bytes;
    write(bytes);
    FOut.push_back({FPrefix + name, TStreamValue::Binary(bytes), 0});
}

void TTreeReadFiler::DefineProperty(const QString& name, std::function<void(TReader&)> read,
                                    std::function<void(TWriter&)>, bool) {
    if (FHandled || !read || name.compare(FName, Qt::CaseInsensitive) != 0) return;
    TValueReader reader(FValue);
    read(reader);
    FHandled = true;
}

void TTreeReadFiler::DefineBinaryProperty(const QString& name,
                                          std::function<void(const QByteArray&)> read,
                                          std::function<void(QByteArray&)>, bool) {
    if (FHandled || !read || name.compare(FName, Qt::CaseInsensitive) != 0) return;
    if (FValue.Type != TValueType::vaBinary)
        throw EReadError(QStringLiteral("Invalid property value: binary data expected"));
    read(FValue.Bytes);
    FHandled = true;
}

}  // namespace mox::rack
