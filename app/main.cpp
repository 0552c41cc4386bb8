// Moxbench: compose instrument panels on a rack, arrange them with the run-time designer, and
// save them as rack files.
#include <QApplication>

#include "app/catalogueclasses.h"
#include "app/shell.h"
#include "toolkit/controls/application.h"

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    // The registry is filled before any window exists: loading a rack creates controls by name.
    const mox::TClassRegistry& registry = mox::CatalogueClasses();
    mox::TApplication& app = mox::TApplication::Instance();
    app.SetTitle(QStringLiteral("Moxbench"));
    mox::TShell shell(registry);
    app.Run();
    return 0;
}
