// moxrack: converts rack files between the binary component stream and its text form, and
// checks that a rack file loads or renders it to a picture, without ever opening a window. Each
// verb is one entry of kVerbs.
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

#include "app/catalogueclasses.h"
#include "app/rack.h"
#include "app/rackcommands.h"
#include "app/shell.h"
#include "designer/formdesigner.h"
#include "rackfile/binaryreader.h"
#include "rackfile/binarywriter.h"
#include "rackfile/rackio.h"
#include "rackfile/resourceheader.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "toolkit/controls/form.h"
#include "toolkit/core/exceptions.h"

namespace {

using namespace mox;
using namespace mox::rack;

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFilerError(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EFilerError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return bytes;
}

// All or nothing: an existing file is replaced only once the new one is complete.
void WriteFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EFilerError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}

void WriteStdout(const QByteArray& bytes) {
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) !=
            static_cast<std::size_t>(bytes.size()) ||
        std::fflush(stdout) != 0)
        throw EFilerError(QStringLiteral("Cannot write to standard output"));
}

// A rack file, or a bare component stream as the designer keeps it in memory.
int ToText(const QStringList& args) {
    const QByteArray file = ReadFile(args[0]);
    const qsizetype start = file.startsWith("TPF0") ? 0 : ReadResourceHeader(file).StreamOffset;
    const QByteArray text = WriteObjectText(ReadObjectStream(file, start));
    if (args.size() > 1)
        WriteFile(args[1], text);
    else
        WriteStdout(text);
    return 0;
}

int ToBinary(const QStringList& args) {
    const TObjectRecord root = ReadObjectText(ReadFile(args[0]));
    WriteFile(args[1], WrapInResourceHeader(WriteObjectStream(root), root.ClassName));
    return 0;
}

// Loads the file into a rack form exactly as the program would (same reader, same classes).
int Check(const QStringList& args) {
    TForm rack(nullptr);
    rack.SetName(QStringLiteral("frmRack"));
    const TReadResult result = LoadRackFile(args[0], rack, CatalogueClasses());
    std::printf("ok: %d objects\n", result.ObjectCount);
    return 0;
}

// Loads the file into the program's own rack, with the fix-ups of a load, and writes a PNG of
// the rack's client area as it shows on screen, without the designer's grid and handles.
int Render(const QStringList& args) {
    TShell shell(CatalogueClasses());
    shell.Commands().ReadRack(args[0]);
    TfrmRack& rack = shell.Rack();
    rack.Show();
    rack.Designer()->SetActive(false);
    TApplication::Instance().ProcessMessages();
    const QImage picture = rack.Handle()->grab().toImage();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (picture.isNull() || !picture.save(&buffer, "PNG"))
        throw EFilerError(QStringLiteral("Cannot render the rack"));
    WriteFile(args[1], png);
    std::printf("rendered %dx%d\n", picture.width(), picture.height());
    return 0;
}

struct TVerb {
    const char* Name;
    const char* Arguments;
    const char* Summary;
    qsizetype MinArgs;
    qsizetype MaxArgs;
    int (*Run)(const QStringList& args);
};

constexpr TVerb kVerbs[] = {
    {"totext", "FILE.res [OUT.txt]", "write the text form (to standard output without OUT)", 1, 2,
     ToText},
    {"tobinary", "FILE.txt OUT.res", "write a rack file from the text form", 2, 2, ToBinary},
    {"check", "FILE.res", "load the rack file as the program would and report the result", 1, 1,
     Check},
    {"render", "FILE.res OUT.png", "draw the loaded rack's client area into a PNG picture", 2, 2,
     Render},
};

int Usage() {
    std::fputs("usage:\n", stderr);
    for (const TVerb& verb : kVerbs)
        std::fprintf(stderr, "  moxrack %s %s\n      %s\n", verb.Name, verb.Arguments,
                     verb.Summary);
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    // Controls need a widget application, but nothing is ever shown: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The off-screen platform remarks on every window operation it has no use for; the tool
    // reports its own errors.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "moxrack: %s\n", qPrintable(message));
    });
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) return Usage();
    for (const TVerb& verb : kVerbs) {
        if (args[0] != QLatin1StringView(verb.Name)) continue;
        const QStringList verbArgs = args.mid(1);
        if (verbArgs.size() < verb.MinArgs || verbArgs.size() > verb.MaxArgs) return Usage();
        try {
            return verb.Run(verbArgs);
        } catch (const mox::Exception& e) {
            std::fprintf(stderr, "moxrack: %s\n", qPrintable(e.Message()));
            return kExitFailure;
        }
    }
    return Usage();
}
