#pragma once
// The interfaces a class uses to stream properties of its own beyond the published ones (a string
// list's "Strings", a form's "PixelsPerInch", a bitmap collection's "Bitmaps"). The rack file
// implements them; classes only describe what they store through DefineProperties.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

namespace mox {

class TReader {
public:
    virtual ~TReader() = default;
    virtual std::int64_t ReadInteger() = 0;
    virtual bool ReadBoolean() = 0;
    virtual long double ReadFloat() = 0;
    virtual QString ReadString() = 0;
    virtual QString ReadIdent() = 0;
    virtual void ReadListBegin() = 0;
    virtual bool EndOfList() = 0;
    virtual void ReadListEnd() = 0;
};

class TWriter {
public:
    virtual ~TWriter() = default;
    virtual void WriteInteger(std::int64_t value) = 0;
    virtual void WriteBoolean(bool value) = 0;
    virtual void WriteFloat(long double value) = 0;
    virtual void WriteString(const QString& value) = 0;
    virtual void WriteIdent(const QString& value) = 0;
    virtual void WriteListBegin() = 0;
    virtual void WriteListEnd() = 0;
};

class TFiler {
public:
    virtual ~TFiler() = default;
    // A property streamed as ordinary values; written only when hasData is true.
    virtual void DefineProperty(const QString& name, std::function<void(TReader&)> read,
                                std::function<void(TWriter&)> write, bool hasData) = 0;
    // A property streamed as one binary value. The reader gets the bytes and returns nothing;
    // the writer appends the bytes to store.
    virtual void DefineBinaryProperty(const QString& name,
                                      std::function<void(const QByteArray&)> read,
                                      std::function<void(QByteArray&)> write, bool hasData) = 0;
};

}  // namespace mox
