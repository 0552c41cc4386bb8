#pragma once
// Event properties (OnClick, OnChange...): a handler plus the name of the published method it is
// bound to, so that a rack file can store and restore the binding by name.

#include <QString>
#include <any>
#include <functional>

namespace mox {

class TObject;

// A method a class publishes so that events can be bound to it by name.
struct TPublishedMethod {
    QString Name;
    std::any Invoker;  // std::function<void(TObject* self, Args...)>
};

// What an event property holds as a value: the object the method belongs to and its name.
// An unbound event has an empty name.
struct TMethod {
    TObject* Data = nullptr;
    QString Name;
    bool operator==(const TMethod&) const = default;
};

class TEventBase {
public:
    virtual ~TEventBase() = default;
    TMethod Method() const { return FMethod; }
    // Binds to a method that `data`'s class publishes; false when the signatures differ.
    virtual bool BindPublished(TObject* data, const TPublishedMethod& method) = 0;
    virtual void Clear() = 0;

protected:
    TMethod FMethod;
};

template <class... Args>
class TEvent : public TEventBase {
public:
    using Handler = std::function<void(Args...)>;

    TEvent() = default;
    TEvent(Handler h) : FHandler(std::move(h)) {}  // NOLINT: assignable from a lambda
    TEvent& operator=(Handler h) {
        FHandler = std::move(h);
        FMethod = {};
        return *this;
    }

    explicit operator bool() const { return static_cast<bool>(FHandler); }
    void operator()(Args... args) const {
        if (FHandler) FHandler(args...);
    }

    bool BindPublished(TObject* data, const TPublishedMethod& method) override {
        auto* invoker = std::any_cast<std::function<void(TObject*, Args...)>>(&method.Invoker);
        if (!invoker) return false;
        FHandler = [data, f = *invoker](Args... args) { f(data, args...); };
        FMethod = {data, method.Name};
        return true;
    }
    void Clear() override {
        FHandler = nullptr;
        FMethod = {};
    }

private:
    Handler FHandler;
};

using TNotifyEvent = TEvent<TObject*>;

}  // namespace mox
