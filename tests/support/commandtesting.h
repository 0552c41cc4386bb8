#pragma once
// Shared by the tests of the palette's commands and the property sheets: the shell with every
// dialog answered through the scripted provider, a scratch folder and a bitmap file to load.

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <utility>
#include <vector>

#include "instruments/base/vrpalette.h"
#include "propsheets/propertysheet.h"
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
    // The palette's colour rows at grid rows `lowRow` and `lowRow + 1`: a cancelled dialog changes
    // nothing, OK sets the colour chosen, and the dialog opens on the current colour.
    // `afterEach` checks what the new colour shows.
    void ExpectPaletteRowsSetOnOkOnly(
        TPropertySheet& sheet, const TVrPalette& palette, int lowRow,
        const std::function<void()>& afterEach = [] {}) {
        for (const bool high : {false, true}) {
            SCOPED_TRACE(high ? "High color" : "Low color");
            const auto color = [&] { return high ? palette.High() : palette.Low(); };
            const TColor before = color();
            sheet.Grid()->SetRow(lowRow + (high ? 1 : 0));
            Dialogs.CancelColor();
            sheet.EditCurrentRow();
            EXPECT_EQ(color(), before);
            Dialogs.AnswerColor(clOlive);
            sheet.EditCurrentRow();
            EXPECT_EQ(color(), clOlive);
            EXPECT_EQ(Dialogs.ColorRequests().back(), before);
            afterEach();
        }
        EXPECT_TRUE(Dialogs.Messages().empty());
    }
    // The rows of `sheet` as "key=value".
    static QStringList SheetRows(const TPropertySheet& sheet) {
        QStringList rows;
        for (int row = 0; row < sheet.Grid()->RowCount(); ++row)
            rows << sheet.Grid()->Keys(row) + "=" + sheet.Grid()->Value(row);
        return rows;
    }
    // Applies `sheet`; returns the messages Apply showed.
    QStringList ApplyShowing(TPropertySheet& sheet) {
        const auto before = static_cast<qsizetype>(Dialogs.Messages().size());
        sheet.Apply();
        return MessagesShown().mid(before);
    }
    // Types each text into the row with its key, then applies `sheet`; returns the messages
    // Apply showed.
    QStringList ApplyCells(TPropertySheet& sheet,
                           const std::vector<std::pair<const char*, const char*>>& cells) {
        for (const auto& [key, text] : cells)
            for (int row = 0; row < sheet.Grid()->RowCount(); ++row)
                if (sheet.Grid()->Keys(row) == QLatin1String(key))
                    sheet.Grid()->SetValue(row, QString::fromLatin1(text));
        return ApplyShowing(sheet);
    }
    TPropertySheet* VisibleSheet() const {
        for (TPropertySheet* sheet : Shell.SheetTable())
            if (sheet->Visible()) return sheet;
        return nullptr;
    }
};

}  // namespace mox::test
