// The key/value grid of the property sheets: reading and writing rows, the three kinds of value
// cell typed into and clicked through the window, and the table following every change.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>

#include "support/testwindows.h"
#include "toolkit/stdctrls/valuelisteditor.h"

using namespace mox;
using namespace mox::test;

namespace {

struct GridTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = ShowForm(&Owner, 260, 340);
    TValueListEditor* Grid = nullptr;

    void SetUp() override {
        Grid = new TValueListEditor(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(2, 2, 211, 303);
    }
    QTableWidget* Table() { return static_cast<QTableWidget*>(Grid->Handle()); }
    template <class W>
    W* Cell(int row) {
        QApplication::processEvents();  // lets the table place its cell widgets
        return qobject_cast<W*>(Table()->cellWidget(row, 1));
    }
    // The rows a sheet fills: text, a read-only pick list and two dialog rows.
    void FillLikeASheet() {
        Grid->InsertRow(QStringLiteral("Name"), QStringLiteral("led1"), true);
        Grid->InsertRow(QStringLiteral("Width"), QStringLiteral("10"), true);
        Grid->InsertRow(QStringLiteral("Visible"), QStringLiteral("Click to change"), true);
        TItemProp* pick = Grid->ItemProps(2);
        pick->SetEditStyle(TEditStyle::esPickList);
        pick->SetReadOnly(true);
        pick->PickList()->Add(QStringLiteral("Yes"));
        pick->PickList()->Add(QStringLiteral("No"));
        for (const char* key : {"Font", "Color"}) {
            const int row =
                Grid->InsertRow(QString::fromLatin1(key), QStringLiteral("Click to change"), true);
            Grid->ItemProps(row)->SetEditStyle(TEditStyle::esEllipsis);
        }
    }
    QStringList TableKeys() {
        QStringList keys;
        for (int r = 0; r < Table()->rowCount(); ++r)
            keys << Table()->item(r, 0)->text();
        return keys;
    }
};

void ClickWidget(QWidget* widget) {
    const QPoint p = widget->mapTo(widget->window(), widget->rect().center());
    QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {}, p);
}

TEST_F(GridTest, RowsAreReadAndWrittenByRowKeyAndCell) {
    FillLikeASheet();
    EXPECT_EQ(Grid->RowCount(), 5);
    EXPECT_EQ(Grid->Keys(1), QStringLiteral("Width"));
    EXPECT_EQ(Grid->Value(1), QStringLiteral("10"));
    EXPECT_EQ(Grid->Cells(0, 4), QStringLiteral("Color"));
    EXPECT_EQ(Grid->Values(QStringLiteral("width")), QStringLiteral("10"));  // any case
    EXPECT_EQ(Grid->Values(QStringLiteral("Height")), QString());
    Grid->SetValues(QStringLiteral("Width"), QString());  // an empty value keeps its row
    EXPECT_EQ(Grid->RowCount(), 5);
    Grid->SetCells(1, 1, QStringLiteral("25"));
    EXPECT_EQ(Cell<QLineEdit>(1)->text(), QStringLiteral("25"));
    Grid->SetValues(QStringLiteral("Height"), QStringLiteral("7"));  // a new key appends
    EXPECT_EQ(Grid->Keys(5), QStringLiteral("Height"));
    EXPECT_EQ(Grid->Strings()->Strings(0), QStringLiteral("Name=led1"));
    EXPECT_EQ(Grid->Strings()->Count(), 6);
    EXPECT_THROW(Grid->Keys(6), EListError);
    EXPECT_THROW(Grid->Cells(2, 0), EListError);
    EXPECT_THROW(Grid->SetRow(-1), EListError);
    EXPECT_THROW(Grid->ItemProps(9), EListError);
}

TEST_F(GridTest, RowsKeepTheirInsertOrderAndInsertGoesBeforeTheCurrentRow) {
    for (const char* key : {"A", "B", "C"})
        Grid->InsertRow(QString::fromLatin1(key), QString(), true);
    EXPECT_EQ(Grid->Row(), 0);
    Grid->SetRow(1);
    EXPECT_EQ(Grid->InsertRow(QStringLiteral("X"), QStringLiteral("x"), false), 1);
    EXPECT_EQ(Grid->Strings()->Text(), QStringLiteral("A=\r\nX=x\r\nB=\r\nC=\r\n"));
    EXPECT_EQ(TableKeys(), (QStringList{"A", "X", "B", "C"}));
    EXPECT_EQ(Grid->Row(), 1);
    Grid->DeleteRow(0);
    EXPECT_EQ(TableKeys(), (QStringList{"X", "B", "C"}));
    Grid->SetRow(2);
    Grid->DeleteRow(2);  // the current row goes: the one above becomes current
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Table()->currentRow(), 1);
}

TEST_F(GridTest, ClearingTheStringsEmptiesGridAndTable) {
    FillLikeASheet();
    Grid->SetRow(3);
    Grid->Strings()->Clear();
    EXPECT_EQ(Grid->RowCount(), 0);
    EXPECT_EQ(Grid->Row(), -1);
    EXPECT_EQ(Table()->rowCount(), 0);
    // Refilled rows start as plain text again.
    EXPECT_EQ(Grid->InsertRow(QStringLiteral("Font"), QStringLiteral("x"), false), 0);
    EXPECT_EQ(Grid->ItemProps(0)->EditStyle(), TEditStyle::esSimple);
    EXPECT_NE(Cell<QLineEdit>(0), nullptr);
    EXPECT_EQ(Grid->Row(), 0);
}

TEST_F(GridTest, StringsEditsReachTheTableAndKeepTheRowKind) {
    Grid->Strings()->SetText(QStringLiteral("Caption=Rack\r\nNoValue\r\nFormula=a=b"));
    EXPECT_EQ(Grid->Keys(1), QStringLiteral("NoValue"));
    EXPECT_EQ(Grid->Value(1), QString());
    EXPECT_EQ(Grid->Value(2), QStringLiteral("a=b"));
    Grid->ItemProps(0)->SetEditStyle(TEditStyle::esEllipsis);
    Grid->Strings()->Put(0, QStringLiteral("Background color=Click to change"));
    EXPECT_EQ(Grid->ItemProps(0)->EditStyle(), TEditStyle::esEllipsis);
    EXPECT_EQ(Table()->item(0, 0)->text(), QStringLiteral("Background color"));
    auto* box = Cell<QWidget>(0);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->findChild<QLineEdit*>()->text(), QStringLiteral("Click to change"));
    TStringList copy;
    copy.Assign(Grid->Strings());
    EXPECT_EQ(copy.Strings(0), QStringLiteral("Background color=Click to change"));
    Grid->SetStrings(&copy);
    EXPECT_EQ(Grid->RowCount(), 3);
}

TEST_F(GridTest, TypingIntoATextCellChangesTheValueAndTheCurrentRow) {
    FillLikeASheet();
    QLineEdit* width = Cell<QLineEdit>(1);
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(width->accessibleName(), QStringLiteral("Width"));
    ClickWidget(width);
    EXPECT_TRUE(width->hasFocus());
    EXPECT_EQ(Grid->Row(), 1);
    QTest::keyClick(width, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(width, QStringLiteral("42"));
    EXPECT_EQ(Grid->Values(QStringLiteral("Width")), QStringLiteral("42"));
    EXPECT_EQ(Grid->Strings()->Strings(1), QStringLiteral("Width=42"));
}

TEST_F(GridTest, ReadOnlyPickCellOffersOnlyItsEntries) {
    FillLikeASheet();
    auto* pick = Cell<QComboBox>(2);
    ASSERT_NE(pick, nullptr);
    EXPECT_FALSE(pick->isEditable());
    EXPECT_EQ(pick->count(), 2);
    EXPECT_EQ(pick->itemText(1), QStringLiteral("No"));
    // A value that is no entry shows, but cannot be picked again.
    EXPECT_EQ(pick->currentIndex(), -1);
    EXPECT_EQ(pick->placeholderText(), QStringLiteral("Click to change"));
    EXPECT_EQ(pick->accessibleName(), QStringLiteral("Visible"));
    pick->setFocus();
    QTest::keyClick(pick, Qt::Key_Down);
    EXPECT_EQ(Grid->Value(2), QStringLiteral("Yes"));
    QTest::keyClick(pick, Qt::Key_Down);
    EXPECT_EQ(Grid->Value(2), QStringLiteral("No"));
    // A value that is an entry is the one picked when the cell is made.
    Grid->SetValue(2, QStringLiteral("Yes"));
    EXPECT_EQ(Cell<QComboBox>(2)->currentText(), QStringLiteral("Yes"));
}

TEST_F(GridTest, EditablePickCellTakesTypedText) {
    Grid->InsertRow(QStringLiteral("Style"), QStringLiteral("bold"), true);
    TItemProp* props = Grid->ItemProps(0);
    props->PickList()->SetText(QStringLiteral("plain\r\nbold"));
    props->SetEditStyle(TEditStyle::esPickList);
    auto* pick = Cell<QComboBox>(0);
    ASSERT_NE(pick, nullptr);
    ASSERT_TRUE(pick->isEditable());
    EXPECT_EQ(pick->currentText(), QStringLiteral("bold"));
    ClickWidget(pick->lineEdit());
    QTest::keyClick(pick->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(pick->lineEdit(), QStringLiteral("italic"));
    EXPECT_EQ(Grid->Value(0), QStringLiteral("italic"));
}

TEST_F(GridTest, EllipsisCellIsReadOnlyAndItsButtonReportsItsRow) {
    FillLikeASheet();
    std::vector<std::pair<int, int>> clicks;  // row given, current row then
    Grid->OnEditButtonClick = [&](TObject* sender, int row) {
        EXPECT_EQ(sender, Grid);
        clicks.emplace_back(row, Grid->Row());
    };
    QWidget* color = Cell<QWidget>(4);
    ASSERT_NE(color, nullptr);
    auto* text = color->findChild<QLineEdit*>();
    auto* button = color->findChild<QToolButton*>();
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->accessibleName(), QStringLiteral("Color"));
    EXPECT_EQ(button->accessibleName(), QStringLiteral("Color..."));
    ClickWidget(button);
    // Enter in the text of another dialog row does what its button does.
    ClickWidget(Cell<QWidget>(3)->findChild<QLineEdit*>());
    QTest::keyClick(Cell<QWidget>(3)->findChild<QLineEdit*>(), Qt::Key_Return);
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{4, 4}, {3, 3}}));
    QTest::keyClicks(text, QStringLiteral("typed"));
    EXPECT_EQ(Grid->Value(4), QStringLiteral("Click to change"));
}

TEST_F(GridTest, RefillingTheGridFromItsOwnButtonIsSafe) {
    FillLikeASheet();
    int refills = 0;
    Grid->OnEditButtonClick = [&](TObject*, int) {
        ++refills;
        Grid->Strings()->Clear();
        FillLikeASheet();
    };
    ClickWidget(Cell<QWidget>(3)->findChild<QToolButton*>());
    ClickWidget(Cell<QWidget>(3)->findChild<QToolButton*>());
    EXPECT_EQ(refills, 2);
    EXPECT_EQ(TableKeys(), (QStringList{"Name", "Width", "Visible", "Font", "Color"}));
}

TEST_F(GridTest, RowsMadeBeforeTheWindowShowWhenItIsMade) {
    auto* form = new TForm(&Owner);
    auto* grid = new TValueListEditor(form);
    grid->SetParent(form);
    grid->InsertRow(QStringLiteral("Caption"), QStringLiteral("Rack"), true);
    grid->InsertRow(QStringLiteral("Grid color"), QString(), true);
    grid->ItemProps(1)->SetEditStyle(TEditStyle::esEllipsis);
    grid->SetRow(1);
    form->Show();
    auto* table = static_cast<QTableWidget*>(grid->Handle());
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(1, 0)->text(), QStringLiteral("Grid color"));
    EXPECT_NE(table->cellWidget(1, 1)->findChild<QToolButton*>(), nullptr);
    EXPECT_EQ(table->currentRow(), 1);
}

TEST_F(GridTest, ColumnsRowsTitlesAndColoursFollowTheSettings) {
    FillLikeASheet();
    EXPECT_EQ(Table()->columnWidth(0), 94);
    EXPECT_EQ(Table()->columnWidth(1), 111);
    EXPECT_EQ(Table()->rowHeight(3), 16);
    EXPECT_FALSE(Table()->horizontalHeader()->isVisible());
    Grid->SetColWidths(0, 80);
    Grid->SetDefaultRowHeight(20);
    EXPECT_EQ(Table()->columnWidth(0), 80);
    EXPECT_EQ(Table()->rowHeight(3), 20);
    EXPECT_THROW(Grid->SetColWidths(2, 10), EListError);
    Grid->SetTitleCaptions({QStringLiteral("Property"), QStringLiteral("Value")});
    EXPECT_TRUE(Table()->horizontalHeader()->isVisible());
    EXPECT_EQ(Table()->horizontalHeaderItem(1)->text(), QStringLiteral("Value"));
    EXPECT_EQ(Grid->Keys(0), QStringLiteral("Name"));  // titles do not count as a row
    Grid->Font()->SetColor(clNavy);
    EXPECT_EQ(Cell<QLineEdit>(0)->palette().color(QPalette::Text), ToQColor(clNavy));
}

}  // namespace
