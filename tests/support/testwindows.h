#pragma once
// Shared by the control and message tests: a form on the offscreen platform, input sent the way
// the window system sends it (through the window, so grabs and child widgets are honoured).

#include <QTest>
#include <QWindow>

#include "toolkit/controls/application.h"
#include "toolkit/controls/form.h"
#include "toolkit/controls/graphiccontrol.h"
#include "toolkit/controls/screen.h"
#include "toolkit/core/exceptions.h"

namespace mox::test {

// A form that is shown and active, so input reaches it as it would on a desktop.
inline TForm* ShowForm(TComponent* owner, int width = 200, int height = 150) {
    auto* form = new TForm(owner);
    form->SetBounds(10, 10, width, height);
    form->Show();
    QWidget* w = form->Handle();
    QApplication::setActiveWindow(w);
    static_cast<void>(QTest::qWaitForWindowExposed(w));
    return form;
}

inline QWindow* WindowOf(TWinControl* control) {
    return control->Handle()->window()->windowHandle();
}

// A point in `control`'s client area, in its window's coordinates.
inline QPoint InWindow(TWinControl* control, TPoint p) {
    QWidget* w = control->Handle();
    return w->mapTo(w->window(), QPoint(p.X, p.Y));
}

inline void Press(TWinControl* control, TPoint p, Qt::KeyboardModifiers mods = {},
                  Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(WindowOf(control), button, mods, InWindow(control, p));
}
inline void Release(TWinControl* control, TPoint p, Qt::KeyboardModifiers mods = {},
                    Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(WindowOf(control), button, mods, InWindow(control, p));
}
inline void Move(TWinControl* control, TPoint p) {
    QTest::mouseMove(WindowOf(control), InWindow(control, p));
}

// Records every message the pre-dispatch hook sees, optionally swallowing some.
class HookRecorder {
public:
    explicit HookRecorder(std::function<bool(const TMsg&)> swallow = {})
        : FSwallow(std::move(swallow)) {
        FId = TApplication::Instance().AddMessageHook([this](TMsg& m) {
            Seen.push_back(m);
            if (FSwallow && FSwallow(m)) m.message = WM_NULL;
        });
    }
    ~HookRecorder() { TApplication::Instance().RemoveMessageHook(FId); }
    HookRecorder(const HookRecorder&) = delete;
    HookRecorder& operator=(const HookRecorder&) = delete;

    std::vector<TMsg> Of(UINT number) const {
        std::vector<TMsg> out;
        for (const TMsg& m : Seen)
            if (m.message == number) out.push_back(m);
        return out;
    }
    std::vector<TMsg> Seen;

private:
    std::function<bool(const TMsg&)> FSwallow;
    int FId = 0;
};

}  // namespace mox::test
