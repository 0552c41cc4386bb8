// Moxbench entry point. The palette and rack windows arrive with the shell; until then the
// program shows its empty main window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Moxbench"));
    QWidget palette;
    palette.setWindowTitle(QStringLiteral("Moxbench - untitled.res"));
    palette.setFixedSize(792, 106);
    palette.move(3, 3);
    palette.show();
    return QApplication::exec();
}
