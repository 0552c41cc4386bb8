#pragma once
// Shared by the designer tests: a shown, active form with a designer on it, controls of both
// kinds to design, and mouse input sent the way the window system sends it.

#include <gtest/gtest.h>

#include "designer/formdesigner.h"
#include "designer/grabhandles.h"
#include "support/testwindows.h"

namespace mox::test {

// A windowed control that paints itself, like an instrument panel.
class TBox : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};

// A control without a window, painted on its parent, like a meter.
class TGlyph : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
};

// A windowed control that takes child controls, like a panel.
class TContainer : public TCustomControl {
public:
    explicit TContainer(TComponent* owner) : TCustomControl(owner) {
        SetControlStyle(ControlStyle() + TControlStyle{TControlStyleFlag::csAcceptsControls});
    }
};

inline void Pump() {
    TApplication::Instance().ProcessMessages();
}

struct DesignerTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = ShowForm(&Owner, 400, 300);
    TFormDesigner* Designer = new TFormDesigner(Form);

    ~DesignerTest() override {
        TApplication::Instance().FreeCursor();
        TApplication::Instance().ReleaseCapture();
    }

    template <class T = TBox>
    T* Add(const QString& name, int left, int top, int width, int height,
           TWinControl* parent = nullptr) {
        auto* c = new T(Form);
        c->SetName(name);
        c->SetParent(parent ? parent : Form);
        c->SetBounds(left, top, width, height);
        return c;
    }

    // The names of the controls OnMoveSizeControl reported, in order.
    std::vector<QString> Moved;
    void RecordMoves() {
        Designer->OnMoveSizeControl = [this](TObject*, TControl* c) { Moved.push_back(c->Name()); };
    }

    void Activate() {
        Designer->SetActive(true);
        Pump();
    }

    // Mouse input on the form at form client coordinates; the designer's work runs on the
    // deferred copies, so each step lets the queue run.
    void PressAt(TPoint p, Qt::KeyboardModifiers mods = {}) {
        Press(Form, p, mods);
        Pump();
    }
    void MoveTo(TPoint p) {
        Move(Form, p);
        Pump();
    }
    void ReleaseAt(TPoint p, Qt::KeyboardModifiers mods = {}) {
        Release(Form, p, mods);
        Pump();
    }
    void Click(TPoint p, Qt::KeyboardModifiers mods = {}) {
        PressAt(p, mods);
        ReleaseAt(p, mods);
    }
    void Drag(TPoint from, TPoint to, Qt::KeyboardModifiers mods = {}) {
        PressAt(from, mods);
        MoveTo(to);
        ReleaseAt(to, mods);
    }
};

}  // namespace mox::test
