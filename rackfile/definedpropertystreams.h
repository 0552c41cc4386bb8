#pragma once
// The reader and writer that classes with custom-streamed properties (a string list's
// "Strings", a form's "PixelsPerInch") talk to, working on stream values.

#include <vector>

#include "rackfile/streamtree.h"
#include "toolkit/core/definedproperties.h"

namespace mox::rack {

// Collects what a class writes into stream values.
class TValueWriter : public TWriter {
public:
    void WriteInteger(std::int64_t value) override { Add(TStreamValue::Int(value)); }
    void WriteBoolean(bool value) override { Add(TStreamValue::Bool(value)); }
    void WriteFloat(long double value) override { Add(TStreamValue::Ext(value)); }
    void WriteString(const QString& value) override { Add(TStreamValue::Str(value)); }
    void WriteIdent(const QString& value) override { Add(TStreamValue::Ident(value)); }
    void WriteListBegin() override;
    void WriteListEnd() override;

    // The one value written (a list counts as one); EWriteError when there is not exactly one.
    TStreamValue Result() const;

private:
    void Add(TStreamValue v);
    std::vector<TStreamValue> FValues;
    std::vector<std::vector<TStreamValue>> FOpenLists;
};

// Reads stream values back in the order they were written.
class TValueReader : public TReader {
public:
    explicit TValueReader(const TStreamValue& value);
    std::int64_t ReadInteger() override;
    bool ReadBoolean() override;
    long double ReadFloat() override;
    QString ReadString() override;
    QString ReadIdent() override;
    void ReadListBegin() override;
    bool EndOfList() override;
    void ReadListEnd() override;

private:
    const TStreamValue& Next();
    struct Level {
        const std::vector<TStreamValue>* Values;
        std::size_t Index;
    };
    std::vector<TStreamValue> FTop;
    std::vector<Level> FLevels;
};

// Writes every custom property a class defines, under `prefix`, into `out`.
class TTreeWriteFiler : public TFiler {
public:
    TTreeWriteFiler(QString prefix, std::vector<TStreamProperty>& out)
        : FPrefix(std::move(prefix)), FOut(out) {}
    void DefineProperty(const QString& name, std::function<void(TReader&)> read,
                        std::function<void(TWriter&)> write, bool hasData) override;
    void DefineBinaryProperty(const QString& name, std::function<void(const QByteArray&)> read,
                              std::function<void(QByteArray&)> write, bool hasData) override;

private:
    QString FPrefix;
    std::vector<TStreamProperty>& FOut;
};

// Hands one stored value to the class's reader of the custom property named `name`.
class TTreeReadFiler : public TFiler {
public:
    TTreeReadFiler(QString name, const TStreamValue& value)
        : FName(std::move(name)), FValue(value) {}
    void DefineProperty(const QString& name, std::function<void(TReader&)> read,
                        std::function<void(TWriter&)> write, bool hasData) override;
    void DefineBinaryProperty(const QString& name, std::function<void(const QByteArray&)> read,
                              std::function<void(QByteArray&)> write, bool hasData) override;
    bool Handled() const { return FHandled; }

private:
    QString FName;
    const TStreamValue& FValue;
    bool FHandled = false;
};

}  // namespace mox::rack
