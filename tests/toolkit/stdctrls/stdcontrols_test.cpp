// The standard controls on their Qt widgets: the label's caption and size, the edit's typing
// rules, memo lines and combo box items kept in step with the widgets, input inside a combo box
// reaching the pre-dispatch hook, and the image's picture data.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtEndian>

#include "support/testwindows.h"
#include "toolkit/stdctrls/combobox.h"
#include "toolkit/stdctrls/edit.h"
#include "toolkit/stdctrls/image.h"
#include "toolkit/stdctrls/label.h"
#include "toolkit/stdctrls/memo.h"

using namespace mox;
using namespace mox::test;

namespace {

struct StdControlsTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = ShowForm(&Owner, 300, 240);

    template <class T>
    T* Add(int left, int top) {
        auto* c = new T(&Owner);
        c->SetParent(Form);
        c->SetLeft(left);
        c->SetTop(top);
        return c;
    }
    QRgb PixelAt(int x, int y) { return Form->Handle()->grab().toImage().pixel(x, y) & 0xFFFFFF; }
};

// A widget point in the window coordinates of the widget's top-level window.
QPoint InTopLevel(QWidget* w, QPoint p) {
    return w->mapTo(w->window(), p);
}

QLineEdit* EditorOf(TEdit* edit) {
    return static_cast<QLineEdit*>(edit->Handle());
}
QPlainTextEdit* EditorOf(TMemo* memo) {
    return static_cast<QPlainTextEdit*>(memo->Handle());
}
QComboBox* WidgetOf(TComboBox* combo) {
    return static_cast<QComboBox*>(combo->Handle());
}

// Stands in for the rack file: keeps what Picture.Data writes and hands it back for reading.
class TDataFiler : public TFiler {
public:
    explicit TDataFiler(QByteArray data = {}) : Data(std::move(data)), Reading(!Data.isNull()) {}
    void DefineProperty(const QString&, std::function<void(TReader&)>,
                        std::function<void(TWriter&)>, bool) override {}
    void DefineBinaryProperty(const QString& name, std::function<void(const QByteArray&)> read,
                              std::function<void(QByteArray&)> write, bool hasData) override {
        ASSERT_EQ(name, QStringLiteral("Data"));
        if (Reading) {
            read(Data);
        } else if (hasData) {
            Data = QByteArray("");
            write(Data);
        }
    }
    QByteArray Data;
    bool Reading;
};

QByteArray WritePicture(TPicture& picture) {
    TDataFiler filer;
    picture.DefineProperties(filer);
    return filer.Data;
}

void ReadPicture(TPicture& picture, const QByteArray& data) {
    TDataFiler filer(data);
    picture.DefineProperties(filer);
}

std::unique_ptr<TBitmap> Checkers(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap->SetPixels(x, y, (x + y) % 2 ? clRed : RGB(x, y, 90));
    return bitmap;
}

QStringList LinesOf(const TStrings& strings) {
    QStringList lines;
    for (int i = 0; i < strings.Count(); ++i)
        lines << strings.Strings(i);
    return lines;
}

}  // namespace

// ---- Combo box input and the pre-dispatch hook

TEST_F(StdControlsTest, PressOnTheComboEditorReachesTheHookAsTheCombosMessage) {
    auto* combo = Add<TComboBox>(10, 10);
    QLineEdit* editor = WidgetOf(combo)->lineEdit();
    ASSERT_NE(editor, nullptr);
    HookRecorder hook([](const TMsg& m) { return IsMouseMessage(m.message); });
    const QPoint at = InTopLevel(editor, QPoint(4, 4));
    QTest::mousePress(WindowOf(Form), Qt::LeftButton, {}, at);
    QTest::mouseRelease(WindowOf(Form), Qt::LeftButton, {}, at);

    const auto downs = hook.Of(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].hwnd, combo->Handle());
    const QPoint inCombo = editor->mapTo(combo->Handle(), QPoint(4, 4));
    EXPECT_EQ(PointFromLParam(downs[0].lParam), (TPoint{inCombo.x(), inCombo.y()}));
    EXPECT_FALSE(editor->hasFocus());
}

TEST_F(StdControlsTest, PressOnThePopUpListReachesTheHookAndCanBeSwallowed) {
    auto* combo = Add<TComboBox>(10, 10);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->Items()->SetCommaText(QStringLiteral("red,green,blue"));
    combo->SetDroppedDown(true);
    ASSERT_TRUE(combo->DroppedDown());
    QAbstractItemView* list = WidgetOf(combo)->view();
    const QPoint item = list->visualRect(list->model()->index(2, 0)).center();
    QWidget* viewport = list->viewport();
    HookRecorder hook([](const TMsg& m) { return IsMouseMessage(m.message); });
    QTest::mouseClick(viewport->window()->windowHandle(), Qt::LeftButton, {},
                      InTopLevel(viewport, item));

    const auto downs = hook.Of(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].hwnd, combo->Handle());
    EXPECT_EQ(hook.Of(WM_LBUTTONUP).size(), 1u);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), QString());
}

TEST_F(StdControlsTest, ClickOnThePopUpListChoosesTheItemWhenLetThrough) {
    auto* combo = Add<TComboBox>(10, 10);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->Items()->SetCommaText(QStringLiteral("red,green,blue"));
    int selected = 0;
    combo->OnSelect = [&](TObject*) { ++selected; };
    combo->SetDroppedDown(true);
    QAbstractItemView* list = WidgetOf(combo)->view();
    const QPoint item = list->visualRect(list->model()->index(1, 0)).center();
    HookRecorder hook;
    QTest::mouseClick(list->viewport()->window()->windowHandle(), Qt::LeftButton, {},
                      InTopLevel(list->viewport(), item));
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), QStringLiteral("green"));
    EXPECT_EQ(selected, 1);
    EXPECT_FALSE(hook.Of(WM_LBUTTONDOWN).empty());
}

TEST_F(StdControlsTest, KeysInThePopUpListReachTheHookAsTheCombosMessages) {
    auto* combo = Add<TComboBox>(10, 10);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->Items()->SetCommaText(QStringLiteral("red,green,blue"));
    combo->SetDroppedDown(true);
    QAbstractItemView* list = WidgetOf(combo)->view();
    HookRecorder hook([](const TMsg& m) { return IsKeyMessage(m.message); });
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    const auto downs = hook.Of(WM_KEYDOWN);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].hwnd, combo->Handle());
    EXPECT_EQ(downs[0].wParam, VK_DOWN);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_TRUE(combo->DroppedDown());
}

TEST_F(StdControlsTest, TheListIsMadeWhenItFirstDropsAndWearsTheBoxsFont) {
    for (TComboBoxStyle style : {TComboBoxStyle::csDropDown, TComboBoxStyle::csDropDownList}) {
        auto* combo = new TComboBox(Form);
        combo->SetStyle(style);
        combo->SetParent(Form);
        combo->Items()->SetCommaText(QStringLiteral("red,green,blue"));
        combo->Font()->SetSize(17);
        EXPECT_EQ(WidgetOf(combo)->findChild<QAbstractItemView*>(), nullptr);
        EXPECT_FALSE(combo->DroppedDown());
        combo->SetDroppedDown(true);
        EXPECT_TRUE(combo->DroppedDown());
        const QFont large = WidgetOf(combo)->font();
        EXPECT_EQ(WidgetOf(combo)->view()->font(), large);
        combo->SetDroppedDown(false);
        combo->Font()->SetSize(9);  // a made list follows every change
        EXPECT_NE(WidgetOf(combo)->font(), large);
        EXPECT_EQ(WidgetOf(combo)->view()->font(), WidgetOf(combo)->font());
        delete combo;
    }
}

TEST_F(StdControlsTest, EnterInThePopUpListChoosesWhenLetThrough) {
    auto* combo = Add<TComboBox>(10, 10);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->Items()->SetCommaText(QStringLiteral("red,green,blue"));
    combo->SetItemIndex(0);
    combo->SetDroppedDown(true);
    QAbstractItemView* list = WidgetOf(combo)->view();
    HookRecorder hook;
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(hook.Of(WM_KEYDOWN).size(), 2u);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_FALSE(combo->DroppedDown());
}

// ---- Combo box items, index and text

TEST_F(StdControlsTest, ComboListStylesShowTheSelectedItemAsText) {
    auto* combo = Add<TComboBox>(10, 10);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->Items()->SetCommaText(QStringLiteral("red,green,blue"));
    EXPECT_EQ(combo->ItemIndex(), -1);  // adding items selects none, whatever Qt does
    EXPECT_EQ(WidgetOf(combo)->currentIndex(), -1);
    combo->SetText(QStringLiteral("BLUE"));
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), QStringLiteral("blue"));
    combo->SetText(QStringLiteral("purple"));  // not an item: nothing selected
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetItemIndex(7);
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetItemIndex(1);
    EXPECT_EQ(WidgetOf(combo)->currentText(), QStringLiteral("green"));
}

TEST_F(StdControlsTest, ComboSelectionFollowsItsItemWhenItemsChange) {
    auto* combo = Add<TComboBox>(10, 10);
    combo->Items()->SetCommaText(QStringLiteral("red,green,blue"));
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), QStringLiteral("green"));  // an editable box shows the item too
    combo->Items()->Insert(0, QStringLiteral("black"));
    EXPECT_EQ(combo->ItemIndex(), 2);
    combo->SetSorted(true);
    EXPECT_EQ(combo->ItemIndex(), combo->Items()->IndexOf(QStringLiteral("green")));
    combo->Items()->Delete(combo->ItemIndex());
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(WidgetOf(combo)->count(), 3);
}

TEST_F(StdControlsTest, ComboItemIndexReadBeforeItsItemsIsKeptUntilLoaded) {
    // A rack file holds ItemIndex, then Text, before Items.Strings.
    auto* combo = new TComboBox(&Owner);
    combo->BeginLoading();
    combo->SetParent(Form);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->SetItemIndex(2);
    combo->SetText(QStringLiteral("blue"));
    combo->Items()->SetCommaText(QStringLiteral("red,green,blue"));
    combo->Loaded();
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), QStringLiteral("blue"));
    EXPECT_EQ(WidgetOf(combo)->currentIndex(), 2);

    // A list's text alone chooses its item once the items are there.
    auto* byText = new TComboBox(&Owner);
    byText->BeginLoading();
    byText->SetParent(Form);
    byText->SetStyle(TComboBoxStyle::csDropDownList);
    byText->SetText(QStringLiteral("green"));
    byText->Items()->SetCommaText(QStringLiteral("red,green,blue"));
    byText->Loaded();
    EXPECT_EQ(byText->ItemIndex(), 1);
}

TEST_F(StdControlsTest, ComboKeepsItsStateWhenItsWidgetIsMadeAgain) {
    auto* other = ShowForm(&Owner, 200, 100);
    auto* combo = Add<TComboBox>(10, 10);
    combo->Items()->SetCommaText(QStringLiteral("red,green,blue"));
    combo->SetItemIndex(0);
    QTest::keyClicks(WidgetOf(combo)->lineEdit(), QStringLiteral("dish"));
    ASSERT_EQ(combo->Text(), QStringLiteral("reddish"));
    const QPointer<QWidget> before = combo->Handle();
    combo->SetParent(other);
    EXPECT_TRUE(before.isNull());  // the widget was made again
    EXPECT_EQ(WidgetOf(combo)->count(), 3);
    EXPECT_EQ(WidgetOf(combo)->currentIndex(), 0);
    EXPECT_EQ(WidgetOf(combo)->currentText(), QStringLiteral("reddish"));
    EXPECT_EQ(combo->Text(), QStringLiteral("reddish"));

    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->SetItemIndex(2);
    combo->SetParent(Form);
    EXPECT_EQ(WidgetOf(combo)->currentIndex(), 2);
    EXPECT_EQ(combo->Text(), QStringLiteral("blue"));
}

TEST_F(StdControlsTest, ComboTypingFollowsCharCaseAndMaxLengthAndNeverAddsItems) {
    auto* combo = Add<TComboBox>(10, 10);
    combo->SetCharCase(TEditCharCase::ecUpperCase);
    combo->SetMaxLength(4);
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    QLineEdit* editor = WidgetOf(combo)->lineEdit();
    QTest::keyClicks(editor, QStringLiteral("abcdef"));
    EXPECT_EQ(combo->Text(), QStringLiteral("ABCD"));
    EXPECT_EQ(changes, 4);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(combo->Items()->Count(), 0);
    EXPECT_EQ(WidgetOf(combo)->count(), 0);
    combo->SetText(QStringLiteral("longer text"));  // the program's text is not cut
    EXPECT_EQ(combo->Text(), QStringLiteral("LONGER TEXT"));
}

TEST_F(StdControlsTest, ComboHeightFollowsItsFont) {
    auto* combo = Add<TComboBox>(10, 10);
    EXPECT_EQ(combo->Height(), 21);
    EXPECT_EQ(combo->Width(), 145);
    EXPECT_EQ(combo->ItemHeight(), 13);
    combo->SetHeight(40);
    EXPECT_EQ(combo->Height(), 21);
    combo->SetItemHeight(20);  // only the owner-draw styles have a height of their own
    EXPECT_EQ(combo->ItemHeight(), 13);
    combo->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    EXPECT_EQ(combo->ItemHeight(), 20);
    EXPECT_FALSE(combo->Editable());
}

// ---- Label

TEST_F(StdControlsTest, NewLabelShowsItsNameAndFollowsRenamesWhileItDoes) {
    auto* label = Add<TLabel>(10, 10);
    label->SetName(QStringLiteral("label1"));
    EXPECT_EQ(label->Caption(), QStringLiteral("label1"));
    label->SetName(QStringLiteral("label2"));
    EXPECT_EQ(label->Caption(), QStringLiteral("label2"));
    label->SetCaption(QStringLiteral("Volume"));
    label->SetName(QStringLiteral("label3"));
    EXPECT_EQ(label->Caption(), QStringLiteral("Volume"));
    EXPECT_TRUE(label->ControlStyle().Contains(TControlStyleFlag::csReplicatable));
}

TEST_F(StdControlsTest, LabelSizeFollowsItsText) {
    auto* label = Add<TLabel>(10, 10);
    label->SetCaption(QStringLiteral("Hi"));
    const int shortWidth = label->Width();
    EXPECT_EQ(label->Height(), 13);
    label->SetCaption(QStringLiteral("Hi there, a longer caption"));
    EXPECT_GT(label->Width(), shortWidth);
    label->SetCaption(QStringLiteral("two\r\nlines"));
    EXPECT_EQ(label->Height(), 26);
    label->SetCaption(QString());
    EXPECT_EQ(label->Height(), 13);  // an empty label keeps one line
    EXPECT_GT(label->Width(), 0);

    label->Font()->SetHeight(-20);
    EXPECT_GT(label->Height(), 13);

    label->SetAutoSize(false);
    label->SetBounds(10, 10, 50, 50);
    label->SetCaption(QStringLiteral("Does not change the size"));
    EXPECT_EQ(label->Width(), 50);
    EXPECT_EQ(label->Height(), 50);
}

TEST_F(StdControlsTest, RightAlignedLabelKeepsItsRightEdge) {
    auto* label = Add<TLabel>(100, 10);
    label->SetAlignment(TAlignment::taRightJustify);
    label->SetCaption(QStringLiteral("x"));
    const int right = label->Left() + label->Width();
    label->SetCaption(QStringLiteral("a much longer text"));
    EXPECT_EQ(label->Left() + label->Width(), right);
    EXPECT_LT(label->Left(), 100);
}

TEST_F(StdControlsTest, WordWrappedLabelKeepsItsWidthAndGrowsDown) {
    auto* label = Add<TLabel>(10, 10);
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 60, 13);
    label->SetWordWrap(true);
    label->SetAutoSize(true);
    label->SetCaption(QStringLiteral("several words that cannot fit on one line"));
    EXPECT_LE(label->Width(), 60);
    EXPECT_GT(label->Height(), 13);
}

TEST_F(StdControlsTest, OpaqueLabelFillsWithItsColourTransparentOneDoesNot) {
    Form->SetColor(clBlue);
    auto* label = Add<TLabel>(10, 10);
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 60, 30);
    label->SetCaption(QStringLiteral("x"));
    label->SetColor(clRed);
    EXPECT_EQ(PixelAt(60, 35), 0xFF0000u);
    label->SetTransparent(true);
    EXPECT_EQ(PixelAt(60, 35), 0x0000FFu);
    EXPECT_FALSE(label->ControlStyle().Contains(TControlStyleFlag::csOpaque));
}

TEST_F(StdControlsTest, LabelAcceleratorPrefixIsDrawnNotMeasured) {
    auto* label = Add<TLabel>(10, 10);
    label->SetCaption(QStringLiteral("Save"));
    const int plain = label->Width();
    label->SetCaption(QStringLiteral("&Save"));
    EXPECT_EQ(label->Width(), plain);
    label->SetShowAccelChar(false);
    EXPECT_GT(label->Width(), plain);
    label->SetShowAccelChar(true);
    label->SetCaption(QStringLiteral("R&&D"));
    TLabel reference(nullptr);
    reference.SetCaption(QStringLiteral("R&D"));
    reference.SetShowAccelChar(false);
    EXPECT_EQ(label->Width(), reference.Width());
}

TEST_F(StdControlsTest, LabelFocusControlIsClearedWhenItGoes) {
    auto* label = Add<TLabel>(10, 10);
    auto* edit = Add<TEdit>(10, 40);
    label->SetFocusControl(edit);
    EXPECT_EQ(label->FocusControl(), edit);
    delete edit;
    EXPECT_EQ(label->FocusControl(), nullptr);
}

// ---- Edit

TEST_F(StdControlsTest, EditCharCaseConvertsTheTextAndWhatIsTyped) {
    auto* edit = Add<TEdit>(10, 10);
    edit->SetText(QStringLiteral("Mixed"));
    edit->SetCharCase(TEditCharCase::ecUpperCase);
    EXPECT_EQ(edit->Text(), QStringLiteral("MIXED"));
    EXPECT_EQ(EditorOf(edit)->text(), QStringLiteral("MIXED"));
    edit->SetText(QString());
    QTest::keyClicks(EditorOf(edit), QStringLiteral("abC"));
    EXPECT_EQ(edit->Text(), QStringLiteral("ABC"));
    edit->SetCharCase(TEditCharCase::ecLowerCase);
    EXPECT_EQ(edit->Text(), QStringLiteral("abc"));
    edit->SetText(QStringLiteral("XY"));
    EXPECT_EQ(edit->Text(), QStringLiteral("xy"));
}

TEST_F(StdControlsTest, EditMaxLengthStopsTypingButNeverCutsTheText) {
    auto* edit = Add<TEdit>(10, 10);
    edit->SetMaxLength(3);
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    QTest::keyClicks(EditorOf(edit), QStringLiteral("abcdef"));
    EXPECT_EQ(edit->Text(), QStringLiteral("abc"));
    EXPECT_EQ(changes, 3);
    edit->SetText(QStringLiteral("loaded from a rack"));
    EXPECT_EQ(edit->Text(), QStringLiteral("loaded from a rack"));
    EXPECT_EQ(EditorOf(edit)->text(), QStringLiteral("loaded from a rack"));
    EXPECT_EQ(changes, 4);
    edit->SetMaxLength(0);
    EditorOf(edit)->end(false);
    QTest::keyClicks(EditorOf(edit), QStringLiteral("!"));
    EXPECT_EQ(edit->Text(), QStringLiteral("loaded from a rack!"));
}

TEST_F(StdControlsTest, EditPasswordCharShowsThatCharacterForEachOne) {
    auto* edit = Add<TEdit>(10, 10);
    edit->SetText(QStringLiteral("secret"));
    EXPECT_EQ(EditorOf(edit)->displayText(), QStringLiteral("secret"));
    edit->SetPasswordChar(u'*');
    EXPECT_EQ(EditorOf(edit)->displayText(), QStringLiteral("******"));
    edit->SetPasswordChar(u'#');
    EXPECT_EQ(EditorOf(edit)->displayText(), QStringLiteral("######"));
    EXPECT_EQ(edit->Text(), QStringLiteral("secret"));
    edit->SetPasswordChar(QChar());
    EXPECT_EQ(EditorOf(edit)->displayText(), QStringLiteral("secret"));
}

TEST_F(StdControlsTest, EditKeepsTypedTextWhenItsWidgetIsMadeAgain) {
    auto* edit = Add<TEdit>(10, 10);
    QTest::keyClicks(EditorOf(edit), QStringLiteral("typed"));
    edit->SetReadOnly(true);
    auto* other = ShowForm(&Owner, 200, 100);
    edit->SetParent(other);
    EXPECT_EQ(EditorOf(edit)->text(), QStringLiteral("typed"));
    EXPECT_TRUE(EditorOf(edit)->isReadOnly());
    edit->SetParent(nullptr);
    EXPECT_FALSE(edit->HandleAllocated());
    EXPECT_EQ(edit->Text(), QStringLiteral("typed"));
}

TEST_F(StdControlsTest, EditHeightFollowsFontAndFrame) {
    auto* edit = Add<TEdit>(10, 10);
    EXPECT_EQ(edit->Width(), 121);
    EXPECT_EQ(edit->Height(), 21);
    edit->SetParentCtl3D(false);
    edit->SetCtl3D(false);
    EXPECT_EQ(edit->Height(), 19);  // a flat frame is thinner
    edit->SetAutoSize(false);
    edit->SetHeight(30);
    edit->Font()->SetHeight(-20);
    EXPECT_EQ(edit->Height(), 30);
}

TEST_F(StdControlsTest, EditSwallowedPressNeitherFocusesNorMovesTheCaret) {
    auto* edit = Add<TEdit>(10, 10);
    edit->SetText(QStringLiteral("text"));
    HookRecorder hook([](const TMsg& m) { return IsMouseMessage(m.message); });
    Press(edit, {3, 5});
    Release(edit, {3, 5});
    ASSERT_EQ(hook.Of(WM_LBUTTONDOWN).size(), 1u);
    EXPECT_EQ(hook.Of(WM_LBUTTONDOWN)[0].hwnd, edit->Handle());
    EXPECT_FALSE(EditorOf(edit)->hasFocus());
}

// ---- Memo

TEST_F(StdControlsTest, MemoLinesAndWidgetFollowEachOther) {
    auto* memo = Add<TMemo>(10, 10);
    EXPECT_EQ(memo->Width(), 185);
    EXPECT_EQ(memo->Height(), 89);
    int changes = 0;
    memo->OnChange = [&](TObject*) { ++changes; };
    memo->Lines()->Add(QStringLiteral("first"));
    memo->Lines()->Add(QString());
    memo->Lines()->Add(QStringLiteral("third"));
    EXPECT_EQ(EditorOf(memo)->toPlainText(), QStringLiteral("first\n\nthird"));
    EXPECT_EQ(memo->Text(), QStringLiteral("first\r\n\r\nthird"));
    EXPECT_EQ(changes, 3);

    QPlainTextEdit* editor = EditorOf(memo);
    editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor, QStringLiteral("!"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, QStringLiteral("fourth"));
    EXPECT_EQ(LinesOf(*memo->Lines()), QStringList({"first", "", "third!", "fourth"}));

    memo->SetText(QStringLiteral("a\r\nb"));
    EXPECT_EQ(EditorOf(memo)->toPlainText(), QStringLiteral("a\nb"));
    memo->Lines()->Clear();
    EXPECT_EQ(EditorOf(memo)->toPlainText(), QString());
}

TEST_F(StdControlsTest, MemoKeepsItsLinesWhenItsWidgetIsMadeAgain) {
    auto* memo = Add<TMemo>(10, 10);
    QTest::keyClicks(EditorOf(memo), QStringLiteral("typed"));
    auto* other = ShowForm(&Owner, 200, 100);
    memo->SetParent(other);
    EXPECT_EQ(EditorOf(memo)->toPlainText(), QStringLiteral("typed"));
    EXPECT_EQ(LinesOf(*memo->Lines()), QStringList({"typed"}));
}

TEST_F(StdControlsTest, MemoEnterAndTabFollowWantReturnsAndWantTabs) {
    auto* memo = Add<TMemo>(10, 10);
    QPlainTextEdit* editor = EditorOf(memo);
    memo->SetWantReturns(false);
    QTest::keyClicks(editor, QStringLiteral("a"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(memo->Lines()->Count(), 1);
    QTest::keyClick(editor, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_TRUE(editor->tabChangesFocus());
    memo->SetWantTabs(true);
    EXPECT_FALSE(editor->tabChangesFocus());
}

TEST_F(StdControlsTest, MemoMaxLengthAndScrollBars) {
    auto* memo = Add<TMemo>(10, 10);
    memo->SetMaxLength(5);
    QTest::keyClicks(EditorOf(memo), QStringLiteral("abcdefgh"));
    EXPECT_EQ(memo->Text(), QStringLiteral("abcde"));
    memo->Lines()->Add(QStringLiteral("the program may add more"));
    EXPECT_EQ(memo->Lines()->Count(), 2);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    EXPECT_EQ(EditorOf(memo)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(EditorOf(memo)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    memo->SetWordWrap(false);
    EXPECT_EQ(EditorOf(memo)->lineWrapMode(), QPlainTextEdit::NoWrap);
}

// ---- Image and picture

TEST(StdPicture, DataRoundTripKeepsEveryPixel) {
    TPicture picture;
    const auto source = Checkers(5, 3);
    picture.SetGraphic(source.get());
    const QByteArray data = WritePicture(picture);
    ASSERT_GE(data.size(), 12);
    EXPECT_EQ(data.left(8), QByteArray("\x07TBitmap"));
    const auto length = qFromLittleEndian<quint32>(data.constData() + 8);
    EXPECT_EQ(static_cast<qsizetype>(length), data.size() - 12);
    EXPECT_EQ(data.mid(12, 2), QByteArray("BM"));  // the whole BMP file, header included

    TPicture copy;
    ReadPicture(copy, data);
    ASSERT_NE(copy.Graphic(), nullptr);
    ASSERT_EQ(copy.Width(), 5);
    ASSERT_EQ(copy.Height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(copy.Graphic()->Pixels(x, y), source->Pixels(x, y));
}

TEST(StdPicture, EmptyPictureWritesNothing) {
    TPicture picture;
    EXPECT_TRUE(WritePicture(picture).isNull());
    picture.Bitmap();  // an empty bitmap has no file either
    EXPECT_TRUE(WritePicture(picture).isNull());
}

TEST(StdPicture, DamagedDataFailsCleanlyAndKeepsThePicture) {
    TPicture source;
    source.SetGraphic(Checkers(4, 3).get());
    const QByteArray data = WritePicture(source);
    const QByteArray bmp = data.mid(12);

    TPicture picture;
    picture.SetGraphic(Checkers(2, 2).get());
    auto expectRefused = [&](const QByteArray& damaged) {
        try {
            ReadPicture(picture, damaged);
            ADD_FAILURE() << "accepted " << damaged.size() << " bytes";
        } catch (const EReadError&) {
        } catch (const EInvalidGraphic&) {
        }
        EXPECT_EQ(picture.Width(), 2);
        EXPECT_EQ(picture.Graphic()->Pixels(1, 0), clRed);
    };
    for (qsizetype n = 0; n < data.size(); ++n) {
        SCOPED_TRACE(n);
        expectRefused(data.left(n));  // cut anywhere
    }
    for (qsizetype n = 1; n < bmp.size(); ++n) {
        SCOPED_TRACE(n);
        // A length that agrees with a BMP file cut short.
        QByteArray block = data.left(8);
        char length[4];
        qToLittleEndian<quint32>(static_cast<quint32>(n), length);
        block.append(length, 4).append(bmp.left(n));
        expectRefused(block);
    }
    expectRefused(data + QByteArray(1, '\0'));  // more than the length says
    QByteArray huge = data;
    qToLittleEndian<quint32>(0xFFFFFFFFu, huge.data() + 8);
    expectRefused(huge);
    QByteArray otherClass = data;
    otherClass.replace(1, 7, "TMyIcon");
    EXPECT_THROW(ReadPicture(picture, otherClass), EInvalidGraphic);
}

TEST_F(StdControlsTest, ImagePlacesItsPicture) {
    auto* image = Add<TImage>(10, 10);
    EXPECT_EQ(image->Width(), 105);
    EXPECT_EQ(image->Height(), 105);
    image->SetBounds(10, 10, 100, 50);
    image->Picture()->SetGraphic(Checkers(40, 20).get());
    EXPECT_EQ(image->DestRect(), Rect(0, 0, 40, 20));
    image->SetCenter(true);
    EXPECT_EQ(image->DestRect(), Rect(30, 15, 70, 35));
    image->SetStretch(true);
    EXPECT_EQ(image->DestRect(), Rect(0, 0, 100, 50));
    image->SetProportional(true);
    image->SetBounds(10, 10, 100, 100);
    EXPECT_EQ(image->DestRect(), Rect(0, 25, 100, 75));
    image->SetStretch(false);  // proportional alone only shrinks what does not fit
    EXPECT_EQ(image->DestRect(), Rect(30, 40, 70, 60));
}

TEST_F(StdControlsTest, ImageSizeFollowsThePictureWhenAutoSized) {
    auto* image = Add<TImage>(10, 10);
    image->SetAutoSize(true);
    image->Picture()->SetGraphic(Checkers(30, 12).get());
    EXPECT_EQ(image->Width(), 30);
    EXPECT_EQ(image->Height(), 12);
    image->Picture()->Bitmap()->SetSize(8, 9);
    EXPECT_EQ(image->Width(), 8);
    image->Picture()->Assign(nullptr);
    EXPECT_EQ(image->Width(), 8);  // nothing to follow
}

TEST_F(StdControlsTest, ImageDrawsItsPictureStretched) {
    auto* image = Add<TImage>(20, 20);
    image->SetStretch(true);
    image->SetBounds(20, 20, 40, 40);
    auto red = std::make_unique<TBitmap>();
    red->SetSize(2, 2);
    red->Canvas()->Brush()->SetColor(clRed);
    red->Canvas()->FillRect(Rect(0, 0, 2, 2));
    image->Picture()->SetGraphic(red.get());
    EXPECT_EQ(PixelAt(21, 21), 0xFF0000u);
    EXPECT_EQ(PixelAt(58, 58), 0xFF0000u);
    EXPECT_NE(PixelAt(61, 61), 0xFF0000u);
}
