#pragma once
// Shared by the shell tests: the program's windows with the palette shown (so the rack and its
// designer are live), and mouse input sent the way the window system sends it.

#include <gtest/gtest.h>

#include "app/catalogueclasses.h"
#include "app/palette.h"
#include "app/rack.h"
#include "app/rackcommands.h"
#include "app/shell.h"
#include "designer/formdesigner.h"
#include "propsheets/propertysheet.h"
#include "propsheets/rackpropsdialog.h"
#include "support/testwindows.h"

namespace mox::test {

struct ShellFixture : ::testing::Test {
    TShell Shell{CatalogueClasses()};
    TfrmPalette& Palette = Shell.Palette();
    TfrmRack& Rack = Shell.Rack();
    TFormDesigner& Designer = *Rack.Designer();

    ShellFixture() {
        Palette.Show();
        QWidget* w = Rack.Handle();
        QApplication::setActiveWindow(w);
        static_cast<void>(QTest::qWaitForWindowExposed(w));
        Pump();
    }
    ~ShellFixture() override {
        TApplication::Instance().FreeCursor();
        TApplication::Instance().ReleaseCapture();
    }

    static void Pump() { TApplication::Instance().ProcessMessages(); }

    void Choose(const char* caption) {
        for (int kind = 0; kind < 22; ++kind)
            if (TToolButton* b = Palette.ControlButton(kind);
                b && b->Caption() == QLatin1String(caption)) {
                b->Click();
                return;
            }
        FAIL() << "no button " << caption;
    }
    void ClickOn(TWinControl* control, TPoint p) {
        Press(control, p);
        Pump();
        Release(control, p);
        Pump();
    }
    // Chooses the kind with this caption on the palette and clicks on the rack at `p`.
    TControl* Place(const char* caption, TPoint p) {
        const int before = Rack.ComponentCount();
        Choose(caption);
        ClickOn(&Rack, p);
        return Rack.ComponentCount() > before
                   ? dynamic_cast<TControl*>(Rack.Components(Rack.ComponentCount() - 1))
                   : nullptr;
    }
    TControl* Placed(const char* name) const {
        return dynamic_cast<TControl*>(Rack.FindComponent(QString::fromLatin1(name)));
    }
    int CheckedButtons() const {
        int n = 0;
        for (int kind = 0; kind < 22; ++kind)
            if (Palette.ControlButton(kind)->Down()) ++n;
        return n;
    }
};

}  // namespace mox::test
