#pragma once
// Shared by the tests of the palette's commands and the property sheets: the shell with every
// dialog answered through the scripted provider, a scratch folder and a bitmap file to load.

#include <QFile>
#include <QTemporaryDir>

#include "support/shelltesting.h"
#include "toolkit/dialogs/dialogprovider.h"
#include "toolkit/graphics/bitmap.h"

namespace mox::test {

struct CommandsFixture : ShellFixture {
    TScriptedDialogs Dialogs;
    QTemporaryDir Folder;
    TRackCommands& Commands = Shell.Commands();

    QString PathOf(const char* name) const { return Folder.filePath(QString::fromLatin1(name)); }
    QStringList MessagesShown() const {
        QStringList texts;
        for (const TMessageRequest& m : Dialogs.Messages())
            texts << m.Text;
        return texts;
    }
    // A small bitmap file for image controls.
    QString WriteBitmap(const char* name) const {
        TBitmap bmp;
        bmp.SetSize(4, 3);
        bmp.Canvas()->Brush()->SetColor(clRed);
        bmp.Canvas()->FillRect({0, 0, 4, 3});
        QFile file(PathOf(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bmp.SaveToBmpData());
        return file.fileName();
    }
    TPropertySheet* VisibleSheet() const {
        for (TPropertySheet* sheet : Shell.SheetTable())
            if (sheet->Visible()) return sheet;
        return nullptr;
    }
};

}  // namespace mox::test
