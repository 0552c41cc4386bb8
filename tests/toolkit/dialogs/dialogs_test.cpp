// The standard dialogs and message boxes: every one answered through the dialog seam, cancels
// included, the error report of the message loop reaching it, and the real Qt dialogs the program
// shows by default answered the way a person would.
#include "toolkit/dialogs/dialogs.h"

#include <gtest/gtest.h>

#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "support/testwindows.h"
#include "toolkit/stdctrls/button.h"

using namespace mox;
using namespace mox::test;

namespace {

using B = TMsgDlgBtn;

struct DialogsTest : ::testing::Test {
    TComponent Owner{nullptr};
    TScriptedDialogs Dialogs;
    QTemporaryDir Dir;

    QString PathOf(const char* name) { return Dir.filePath(QString::fromLatin1(name)); }
    void Touch(const char* name) {
        QFile f(PathOf(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
};

TEST_F(DialogsTest, OpenDialogAsksWithItsSettingsAndAddsTheDefaultExtension) {
    TOpenDialog dialog(&Owner);
    dialog.SetFilter(QStringLiteral("Rack files|*.res"));
    dialog.SetDefaultExt(QStringLiteral("res"));
    dialog.SetInitialDir(Dir.path());
    dialog.SetOptions({TOpenOption::ofEnableSizing});
    Dialogs.AnswerFile(PathOf("panel")).CancelFile().AnswerFile(PathOf("panel.bmp"));
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), PathOf("panel.res"));
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), PathOf("panel.res"));  // a cancel keeps the last choice
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), PathOf("panel.bmp"));  // an extension of its own stays

    ASSERT_EQ(Dialogs.FileRequests().size(), 3u);
    const TFileRequest& asked = Dialogs.FileRequests()[1];
    EXPECT_FALSE(asked.Save);
    EXPECT_EQ(asked.Filter, QStringLiteral("Rack files|*.res"));
    EXPECT_EQ(asked.DefaultExt, QStringLiteral("res"));
    EXPECT_EQ(asked.InitialDir, Dir.path());
    EXPECT_EQ(asked.FileName, PathOf("panel.res"));
    EXPECT_TRUE(asked.Options.Contains(TOpenOption::ofEnableSizing));
    EXPECT_TRUE(Dialogs.Messages().empty());
}

TEST_F(DialogsTest, SaveDialogAsksBeforeReplacingTheFileTheExtensionLeadsTo) {
    Touch("rack.res");
    TSaveDialog dialog(&Owner);
    dialog.SetDefaultExt(QStringLiteral("res"));
    dialog.SetOptions({TOpenOption::ofOverwritePrompt});
    // "rack" becomes rack.res, which exists: No goes back to the dialog, which then gets "new".
    Dialogs.AnswerFile(PathOf("rack")).AnswerMessage(B::mbNo).AnswerFile(PathOf("new"));
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), PathOf("new.res"));
    ASSERT_EQ(Dialogs.Messages().size(), 1u);
    EXPECT_TRUE(Dialogs.Messages()[0].Text.startsWith(QStringLiteral("rack.res already exists.")));
    EXPECT_EQ(Dialogs.Messages()[0].Buttons, (TMsgDlgButtons{B::mbYes, B::mbNo}));
    ASSERT_EQ(Dialogs.FileRequests().size(), 2u);
    EXPECT_TRUE(Dialogs.FileRequests()[1].Save);
    EXPECT_EQ(Dialogs.FileRequests()[1].FileName, PathOf("rack.res"));

    Dialogs.AnswerFile(PathOf("rack.res")).AnswerMessage(B::mbYes);
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), PathOf("rack.res"));
    // Without the option nobody is asked.
    dialog.SetOptions({});
    Dialogs.AnswerFile(PathOf("rack.res"));
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(Dialogs.Messages().size(), 2u);
    // Closing the question says No: the dialog comes back, and cancelling it chooses nothing.
    dialog.SetOptions({TOpenOption::ofOverwritePrompt});
    Dialogs.AnswerFile(PathOf("rack.res"));
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(Dialogs.Messages().size(), 3u);
}

TEST_F(DialogsTest, ColorDialogTakesTheChoiceOnlyOnOk) {
    TColorDialog dialog(&Owner);
    dialog.SetColor(clNavy);
    Dialogs.CancelColor().AnswerColor(clLime);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), clNavy);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), clLime);
    EXPECT_EQ(Dialogs.ColorRequests(), (std::vector<TColor>{clNavy, clNavy}));
}

TEST_F(DialogsTest, FontDialogTakesTheChoiceOnlyOnOk) {
    TFontDialog dialog(&Owner);
    dialog.Font()->SetName(QStringLiteral("Arial"));
    dialog.Font()->SetSize(10);
    int changes = 0;
    dialog.Font()->OnChange = [&](TObject*) { ++changes; };
    Dialogs.CancelFont().AnswerFont([](TFont& f) {
        f.SetSize(14);
        f.SetStyle({TFontStyle::fsBold});
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Font()->Size(), 14);
    EXPECT_EQ(dialog.Font()->Name(), QStringLiteral("Arial"));
    EXPECT_TRUE(dialog.Font()->Style().Contains(TFontStyle::fsBold));
    EXPECT_EQ(changes, 1);  // one change, not one per attribute
    ASSERT_EQ(Dialogs.FontRequests().size(), 2u);
    EXPECT_EQ(Dialogs.FontRequests()[1]->Size(), 10);
}

TEST_F(DialogsTest, MessageBoxesAnswerWithTheButtonPressed) {
    TApplication::Instance().SetTitle(QStringLiteral("Moxbench"));
    Dialogs.AnswerMessage(B::mbYes).AnswerMessage(B::mbNo);
    EXPECT_EQ(MessageBox(QStringLiteral("Rack contains control(s).  Exit now?"),
                         QStringLiteral("Moxbench"), MB_YESNO | MB_ICONQUESTION),
              IDYES);
    EXPECT_EQ(MessageDlg(QStringLiteral("This will clear existing rack.  Continue?"),
                         TMsgDlgType::mtConfirmation, {B::mbYes, B::mbNo}),
              mrNo);
    // Unanswered, or answered with a button the box lacks: closed, as Escape closes it.
    EXPECT_EQ(MessageBox(QStringLiteral("?"), QString(), MB_YESNO), IDNO);
    Dialogs.AnswerMessage(B::mbYes);
    EXPECT_EQ(MessageBox(QStringLiteral("?"), QString(), MB_OKCANCEL), IDCANCEL);
    ShowMessage(QStringLiteral("Invalid image file."));

    const auto& asked = Dialogs.Messages();
    ASSERT_EQ(asked.size(), 5u);
    EXPECT_EQ(asked[0].Caption, QStringLiteral("Moxbench"));
    EXPECT_EQ(asked[0].Type, TMsgDlgType::mtConfirmation);
    EXPECT_EQ(asked[1].Caption, QStringLiteral("Confirm"));
    EXPECT_EQ(asked[1].Text, QStringLiteral("This will clear existing rack.  Continue?"));
    EXPECT_EQ(asked[4].Caption, QStringLiteral("Moxbench"));
    EXPECT_EQ(asked[4].Buttons, (TMsgDlgButtons{B::mbOK}));
}

TEST_F(DialogsTest, EscapeAnswersCancelThenNoThenOk) {
    EXPECT_EQ(EscapeButton({B::mbYes, B::mbNo, B::mbCancel}), B::mbCancel);
    EXPECT_EQ(EscapeButton({B::mbYes, B::mbNo}), B::mbNo);
    EXPECT_EQ(EscapeButton({B::mbOK}), B::mbOK);
    EXPECT_EQ(EscapeButton({B::mbAbort, B::mbRetry, B::mbIgnore}), B::mbAbort);
    EXPECT_EQ(EscapeButton({}), B::mbOK);
}

TEST_F(DialogsTest, ErrorsOfHandlersReachTheSeamAsAnErrorBox) {
    TApplication::Instance().SetTitle(QStringLiteral("Moxbench"));
    TForm* form = ShowForm(&Owner);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->OnClick = [](TObject*) {
        throw EConvertError(QStringLiteral("'abc' is not a valid integer value"));
    };
    Press(button, {5, 5});
    Release(button, {5, 5});
    TApplication::Instance().HandleException(std::runtime_error("disk full"));
    ASSERT_EQ(Dialogs.Messages().size(), 2u);
    EXPECT_EQ(Dialogs.Messages()[0].Text, QStringLiteral("'abc' is not a valid integer value"));
    EXPECT_EQ(Dialogs.Messages()[0].Caption, QStringLiteral("Moxbench"));
    EXPECT_EQ(Dialogs.Messages()[0].Type, TMsgDlgType::mtError);
    EXPECT_EQ(Dialogs.Messages()[0].Buttons, (TMsgDlgButtons{B::mbOK}));
    EXPECT_EQ(Dialogs.Messages()[1].Text, QStringLiteral("disk full"));
}

TEST_F(DialogsTest, ClassicFiltersBecomeQtNameFilters) {
    EXPECT_EQ(QtNameFilters(QStringLiteral("Rack files|*.res")),
              (QStringList{"Rack files (*.res)"}));
    EXPECT_EQ(QtNameFilters(QStringLiteral("Images|*.bmp;*.dib|All files|*.*")),
              (QStringList{"Images (*.bmp *.dib)", "All files (*.*)"}));
    EXPECT_EQ(QtNameFilters(QStringLiteral("Broken|")), QStringList());
    EXPECT_EQ(QtNameFilters(QString()), QStringList());
}

TEST_F(DialogsTest, ScriptedProviderIsInForceOnlyWhileItExists) {
    EXPECT_EQ(&DialogProvider(), &Dialogs);
    {
        TScriptedDialogs inner;
        EXPECT_EQ(&DialogProvider(), &inner);
    }
    EXPECT_EQ(&DialogProvider(), &Dialogs);
}

// ---- the real dialogs, answered as a person would

// Runs `act` on the modal dialog of type W as soon as it shows.
template <class W>
void WhenShown(std::function<void(W*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<W*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
}

struct DialogsQtTest : ::testing::Test {
    TComponent Owner{nullptr};
    TDialogProvider* Saved = SetDialogProvider(nullptr);
    ~DialogsQtTest() override { SetDialogProvider(Saved); }
};

TEST_F(DialogsQtTest, MessageBoxAnswersTheButtonClickedOrEscape) {
    QString caption;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
        caption = box->windowTitle();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(MessageBox(QStringLiteral("Exit now?"), QStringLiteral("Moxbench"), MB_YESNO), IDNO);
    EXPECT_EQ(caption, QStringLiteral("Moxbench"));
    WhenShown<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(MessageDlg(QStringLiteral("?"), TMsgDlgType::mtConfirmation, {B::mbYes, B::mbNo}),
              mrYes);
    WhenShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(MessageBox(QStringLiteral("?"), QString(), MB_YESNOCANCEL), IDCANCEL);
}

TEST_F(DialogsQtTest, FileDialogsAnswerTheFileChosen) {
    QTemporaryDir dir;
    TSaveDialog save(&Owner);
    save.SetFilter(QStringLiteral("Rack files|*.res"));
    save.SetDefaultExt(QStringLiteral("res"));
    save.SetInitialDir(dir.path());
    QStringList filters;
    WhenShown<QFileDialog>([&](QFileDialog* d) {
        filters = d->nameFilters();
        d->selectFile(dir.filePath(QStringLiteral("bench")));
        static_cast<QDialog*>(d)->accept();  // the OK button's own check of the name
    });
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), dir.filePath(QStringLiteral("bench.res")));
    EXPECT_EQ(filters, QStringList{QStringLiteral("Rack files (*.res)")});
    TOpenDialog open(&Owner);
    WhenShown<QFileDialog>([](QFileDialog* d) { d->reject(); });
    EXPECT_FALSE(open.Execute());
}

TEST_F(DialogsQtTest, ColorAndFontDialogsAnswerTheChoice) {
    TColorDialog color(&Owner);
    color.SetColor(clRed);
    QColor initial;
    WhenShown<QColorDialog>([&](QColorDialog* d) {
        initial = d->currentColor();
        d->setCurrentColor(QColor(0, 0, 128));
        d->accept();
    });
    ASSERT_TRUE(color.Execute());
    EXPECT_EQ(initial, QColor(255, 0, 0));
    EXPECT_EQ(color.Color(), clNavy);

    TFontDialog font(&Owner);
    font.Font()->SetName(QStringLiteral("Arial"));
    WhenShown<QFontDialog>([](QFontDialog* d) {
        QFont f = d->currentFont();
        f.setPixelSize(20);
        f.setStyleName(QStringLiteral("Italic"));  // as picked in the dialog's style list
        d->setCurrentFont(f);
        d->accept();
    });
    ASSERT_TRUE(font.Execute());
    EXPECT_EQ(font.Font()->Name(), QStringLiteral("Arial"));  // the same family keeps its name
    EXPECT_EQ(font.Font()->Height(), -20);
    EXPECT_TRUE(font.Font()->Style().Contains(TFontStyle::fsItalic));
}

}  // namespace
