// How an active designer sees the application's messages: through the application's
// replaceable handler (mpEvent, chained to the handler it replaced) or through one message hook
// shared by every designer that asked for it (mpHook).
#include <algorithm>

#include "designer/formdesigner.h"

namespace mox {

namespace {

std::vector<TCustomFormDesigner*>& ActiveList() {
    static std::vector<TCustomFormDesigner*> list;
    return list;
}

int gHookId = 0;

bool AnyHookDesigner() {
    const auto& list = ActiveList();
    return std::any_of(list.begin(), list.end(), [](const TCustomFormDesigner* d) {
        return d->MessageProcessor() == TMessageProcessor::mpHook;
    });
}

void HookProcedure(TMsg& msg) {
    // A designer may be switched off or destroyed by what another one does with the message.
    const std::vector<TCustomFormDesigner*> designers = ActiveList();
    for (TCustomFormDesigner* d : designers) {
        const auto& now = ActiveList();
        if (std::find(now.begin(), now.end(), d) == now.end()) continue;
        // Designers on the application's handler see the message there; twice would post
        // every deferred copy twice.
        if (d->MessageProcessor() == TMessageProcessor::mpHook) d->ProcessMessage(msg);
    }
}

}  // namespace

const std::vector<TCustomFormDesigner*>& ActiveDesigners() {
    return ActiveList();
}

void TCustomFormDesigner::InstallProcessor() {
    auto& list = ActiveList();
    if (std::find(list.begin(), list.end(), this) == list.end()) list.push_back(this);
    TApplication& app = TApplication::Instance();
    if (FMessageProcessor == TMessageProcessor::mpEvent) {
        FSavedOnMessage = app.OnMessage;
        app.OnMessage = [this](TMsg& msg, bool& handled) {
            ProcessMessage(msg);
            if (FSavedOnMessage) FSavedOnMessage(msg, handled);
        };
    } else if (gHookId == 0) {
        gHookId = app.AddMessageHook(HookProcedure);
    }
}

void TCustomFormDesigner::RemoveProcessor() {
    TApplication& app = TApplication::Instance();
    if (FMessageProcessor == TMessageProcessor::mpEvent) {
        app.OnMessage = FSavedOnMessage;
        FSavedOnMessage = nullptr;
    }
    std::erase(ActiveList(), this);
    if (gHookId != 0 && !AnyHookDesigner()) {
        app.RemoveMessageHook(gHookId);
        gHookId = 0;
    }
}

}  // namespace mox
