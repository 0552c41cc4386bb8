#pragma once
// Errors raised by the library layers. Each carries the exact message the user or the calling
// command sees; the class tells the caller what kind of failure it was.

#include <QString>
#include <exception>
#include <string>

namespace mox {

class Exception : public std::exception {
public:
    explicit Exception(QString message)
        : FMessage(std::move(message)), FUtf8(FMessage.toStdString()) {}
    const QString& Message() const { return FMessage; }
    const char* what() const noexcept override { return FUtf8.c_str(); }

private:
    QString FMessage;
    std::string FUtf8;
};

// Declares an exception class that only differs from its base by name.
#define MOX_EXCEPTION(Name, Base) \
    class Name : public Base {    \
    public:                       \
        using Base::Base;         \
    }

MOX_EXCEPTION(EConvertError, Exception);
MOX_EXCEPTION(EComponentError, Exception);
MOX_EXCEPTION(EInvalidOperation, Exception);
MOX_EXCEPTION(EOutOfResources, Exception);
MOX_EXCEPTION(EListError, Exception);
MOX_EXCEPTION(EStringListError, EListError);
MOX_EXCEPTION(EInvalidGraphic, Exception);
MOX_EXCEPTION(EFilerError, Exception);
MOX_EXCEPTION(EReadError, EFilerError);
MOX_EXCEPTION(EWriteError, EFilerError);
MOX_EXCEPTION(EClassNotFound, EFilerError);
MOX_EXCEPTION(EPropertyError, Exception);
MOX_EXCEPTION(EInvalidCast, Exception);

}  // namespace mox
