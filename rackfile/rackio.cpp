#include "rackfile/rackio.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "rackfile/binaryreader.h"
#include "rackfile/binarywriter.h"
#include "rackfile/componentwriter.h"
#include "rackfile/resourceheader.h"
#include "rackfile/streamconvert.h"
#include "toolkit/core/exceptions.h"

namespace mox::rack {

namespace {

// Far more than any rack needs; a larger file is refused before it is read into memory.
constexpr qint64 kMaxRackFileSize = 64 * 1024 * 1024;

// Makes the rename of the finished file durable: the folder entry is flushed too.
void SyncFolder(const QString& fileName) {
    const QByteArray folder = QFile::encodeName(QFileInfo(fileName).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

QByteArray RackFileBytes(TComponent& root, int format) {
    const QByteArray binary = WriteObjectStream(WriteComponentTree(root));
    if (format == kTextFormat) return ObjectBinaryToText(binary);
    return ObjectBinaryToRackFile(binary);
}

void SaveRackFile(TComponent& root, const QString& fileName, int format) {
    const QByteArray bytes = RackFileBytes(root, format);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EWriteError(
            QStringLiteral("Cannot create file \"%1\": %2").arg(fileName, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw EWriteError(QStringLiteral("Cannot write file \"%1\": %2").arg(fileName, reason));
    }
    // commit() alone tells whether the file was replaced; errorString() may not say why.
    if (!file.commit())
        throw EWriteError(
            QStringLiteral("Cannot write file \"%1\": %2").arg(fileName, file.errorString()));
    SyncFolder(fileName);
}

TObjectRecord ReadRackTree(const QByteArray& file) {
    const TResourceHeader header = ReadResourceHeader(file);
    return ReadObjectStream(file, header.StreamOffset);
}

TReadResult LoadRackBytes(const QByteArray& file, TComponent& root,
                          const TClassRegistry& registry) {
    return ReadComponentTree(ReadRackTree(file), root, registry);
}

TReadResult LoadRackFile(const QString& fileName, TComponent& root,
                         const TClassRegistry& registry) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EReadError(
            QStringLiteral("Cannot open file \"%1\": %2").arg(fileName, file.errorString()));
    if (file.size() > kMaxRackFileSize)
        throw EReadError(QStringLiteral("File \"%1\" is too large for a rack").arg(fileName));
    return LoadRackBytes(file.readAll(), root, registry);
}

}  // namespace mox::rack
