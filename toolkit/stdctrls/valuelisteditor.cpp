#include "toolkit/stdctrls/valuelisteditor.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>

#include "toolkit/core/classbuilder.h"
#include "toolkit/dialogs/dialogs.h"

namespace mox {

namespace {

// The property on each value editor naming the row it edits.
constexpr char kRowId[] = "moxRowId";

std::pair<QString, QString> SplitLine(const QString& line) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) return {line, QString()};
    return {line.left(eq), line.mid(eq + 1)};
}

}  // namespace

// The grid's rows seen as "key=value" lines; every change goes straight to the grid.
class TValueListStrings : public TStrings {
public:
    explicit TValueListStrings(TValueListEditor& editor) : FEditor(editor) {}

    int Count() const override { return FEditor.RowCount(); }
    QString Strings(int index) const override {
        CheckIndex(index, Count());
        const auto& row = FEditor.FRows[static_cast<std::size_t>(index)];
        return row.Key + u'=' + row.Value;
    }
    // Keeps the row's editing settings.
    void Put(int index, const QString& s) override {
        CheckIndex(index, Count());
        auto& row = FEditor.FRows[static_cast<std::size_t>(index)];
        std::tie(row.Key, row.Value) = SplitLine(s);
        FEditor.RowChanged(index);
    }
    void Insert(int index, const QString& s) override {
        CheckIndex(index, Count() + 1);
        auto [key, value] = SplitLine(s);
        FEditor.FRows.insert(FEditor.FRows.begin() + index,
                             {FEditor.FNextId++, std::move(key), std::move(value), nullptr});
        FEditor.RowInserted(index);
    }
    void Delete(int index) override {
        CheckIndex(index, Count());
        FEditor.FRows.erase(FEditor.FRows.begin() + index);
        FEditor.RowDeleted(index);
    }
    void Clear() override {
        FEditor.FRows.clear();
        FEditor.RowsCleared();
    }

private:
    TValueListEditor& FEditor;
};

// ---- TItemProp

TItemProp::TItemProp(TValueListEditor& editor)
    : FEditor(editor), FPickList(std::make_unique<TStringList>()) {
    FPickList->OnChange = [this](TObject*) { Changed(); };
}

TItemProp::~TItemProp() = default;

void TItemProp::SetEditStyle(TEditStyle value) {
    if (value == FEditStyle) return;
    FEditStyle = value;
    Changed();
}

void TItemProp::SetReadOnly(bool value) {
    if (value == FReadOnly) return;
    FReadOnly = value;
    Changed();
}

void TItemProp::Changed() {
    FEditor.ItemPropChanged(this);
}

// ---- TValueListEditor: rows

const TClassInfo& TValueListEditor::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TValueListEditor>("TValueListEditor", TWinControl::StaticClass())
            .Creatable()
            .Build();
    return info;
}

TValueListEditor::TValueListEditor(TComponent* owner)
    : TWinControl(owner), FStrings(std::make_unique<TValueListStrings>(*this)) {
    // The table and its editors take the mouse themselves; the grid has no caption.
    SetControlStyle(ControlStyle() - TControlStyle{TControlStyleFlag::csCaptureMouse,
                                                   TControlStyleFlag::csSetCaption});
    SetTabStop(true);
    SetParentColor(false);
    StoreBounds(0, 0, 211, 303);
}

TValueListEditor::~TValueListEditor() {
    // The widget outlives the rows (the base class deletes it): nothing it does while it goes
    // may reach them.
    if (HandleAllocated()) {
        QObject::disconnect(qApp, nullptr, Table(), nullptr);
        Table()->blockSignals(true);
        for (QWidget* child : Table()->findChildren<QWidget*>())
            child->blockSignals(true);
    }
}

TStrings* TValueListEditor::Strings() const {
    return FStrings.get();
}

void TValueListEditor::SetStrings(const TStrings* value) {
    FStrings->Assign(value);
}

void TValueListEditor::CheckRow(int row) const {
    if (row < 0 || row >= RowCount())
        throw EListError(QStringLiteral("Grid index out of range (%1)").arg(row));
}

int TValueListEditor::RowOfId(int id) const {
    for (std::size_t i = 0; i < FRows.size(); ++i)
        if (FRows[i].Id == id) return static_cast<int>(i);
    return -1;
}

void TValueListEditor::SetRow(int value) {
    CheckRow(value);
    FRow = value;
    if (HandleAllocated()) Table()->setCurrentCell(value, 0);
}

QString TValueListEditor::Keys(int row) const {
    CheckRow(row);
    return FRows[static_cast<std::size_t>(row)].Key;
}

void TValueListEditor::SetKeys(int row, const QString& key) {
    CheckRow(row);
    FRows[static_cast<std::size_t>(row)].Key = key;
    RowChanged(row);
}

QString TValueListEditor::Value(int row) const {
    CheckRow(row);
    return FRows[static_cast<std::size_t>(row)].Value;
}

void TValueListEditor::SetValue(int row, const QString& value) {
    CheckRow(row);
    FRows[static_cast<std::size_t>(row)].Value = value;
    RowChanged(row);
}

QString TValueListEditor::Cells(int col, int row) const {
    if (col == 0) return Keys(row);
    if (col == 1) return Value(row);
    throw EListError(QStringLiteral("Grid index out of range (%1)").arg(col));
}

void TValueListEditor::SetCells(int col, int row, const QString& text) {
    if (col == 0)
        SetKeys(row, text);
    else if (col == 1)
        SetValue(row, text);
    else
        throw EListError(QStringLiteral("Grid index out of range (%1)").arg(col));
}

bool TValueListEditor::FindRow(const QString& key, int& row) const {
    for (std::size_t i = 0; i < FRows.size(); ++i)
        if (FRows[i].Key.compare(key, Qt::CaseInsensitive) == 0) {
            row = static_cast<int>(i);
            return true;
        }
    return false;
}

QString TValueListEditor::Values(const QString& key) const {
    int row = 0;
    return FindRow(key, row) ? Value(row) : QString();
}

void TValueListEditor::SetValues(const QString& key, const QString& value) {
    // Unlike a plain string list, an empty value keeps its row.
    int row = 0;
    if (FindRow(key, row))
        SetValue(row, value);
    else
        InsertRow(key, value, true);
}

int TValueListEditor::InsertRow(const QString& key, const QString& value, bool append) {
    const int row = append ? RowCount() : std::max(FRow, 0);
    FRows.insert(FRows.begin() + row, {FNextId++, key, value, nullptr});
    RowInserted(row);
    return row;
}

void TValueListEditor::DeleteRow(int row) {
    FStrings->Delete(row);
}

TItemProp* TValueListEditor::ItemProps(int row) {
    CheckRow(row);
    auto& props = FRows[static_cast<std::size_t>(row)].Props;
    if (!props) props = std::make_unique<TItemProp>(*this);
    return props.get();
}

int TValueListEditor::ColWidths(int col) const {
    if (col != 0 && col != 1)
        throw EListError(QStringLiteral("Grid index out of range (%1)").arg(col));
    return FColWidths[col];
}

void TValueListEditor::SetColWidths(int col, int width) {
    ColWidths(col);  // checks the column
    FColWidths[col] = std::max(width, 0);
    ApplyLayout();
}

void TValueListEditor::SetDefaultRowHeight(int value) {
    FDefaultRowHeight = std::max(value, 1);
    ApplyLayout();
}

void TValueListEditor::SetTitleCaptions(const QStringList& value) {
    FTitleCaptions = value;
    ApplyLayout();
}

void TValueListEditor::RowInserted(int row) {
    if (HandleAllocated()) {
        Table()->insertRow(row);
        Table()->setRowHeight(row, FDefaultRowHeight);
        ShowRow(row);
    }
    KeepRowInRange();
}

void TValueListEditor::RowDeleted(int row) {
    if (HandleAllocated()) Table()->removeRow(row);
    KeepRowInRange();
}

void TValueListEditor::RowChanged(int row) {
    if (HandleAllocated()) ShowRow(row);
}

void TValueListEditor::RowsCleared() {
    if (HandleAllocated()) Table()->setRowCount(0);
    FRow = -1;
}

void TValueListEditor::ItemPropChanged(const TItemProp* props) {
    for (std::size_t i = 0; i < FRows.size(); ++i)
        if (FRows[i].Props.get() == props) RowChanged(static_cast<int>(i));
}

void TValueListEditor::KeepRowInRange() {
    // The current row keeps its number while rows come and go around it.
    FRow = FRows.empty() ? -1 : std::clamp(FRow, 0, RowCount() - 1);
    if (HandleAllocated() && FRow >= 0) Table()->setCurrentCell(FRow, 0);
}

// ---- the table

QWidget* TValueListEditor::CreateWidget(QWidget* parentWidget) {
    auto* table = new QTableWidget(parentWidget);
    table->setColumnCount(2);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->verticalHeader()->hide();
    table->verticalHeader()->setMinimumSectionSize(1);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setStretchLastSection(false);
    QObject::connect(table, &QTableWidget::currentCellChanged, table,
                     [this](int row) { CurrentRowChanged(row); });
    // Entering a value editor makes its row the current one.
    QObject::connect(qApp, &QApplication::focusChanged, table, [this](QWidget*, QWidget* now) {
        for (QWidget* w = now; w && w != WindowHandle(); w = w->parentWidget())
            if (const QVariant id = w->property(kRowId); id.isValid()) {
                if (const int row = RowOfId(id.toInt()); row >= 0) SetRow(row);
                return;
            }
    });
    return table;
}

void TValueListEditor::InitWidget(QWidget* widget) {
    TWinControl::InitWidget(widget);
    ApplyLook();
    Table()->setRowCount(RowCount());
    for (int row = 0; row < RowCount(); ++row)
        ShowRow(row);
    ApplyLayout();
    KeepRowInRange();
}

QTableWidget* TValueListEditor::Table() const {
    return static_cast<QTableWidget*>(WindowHandle());
}

void TValueListEditor::ApplyLook() {
    if (!HandleAllocated()) return;
    // The editors inside take the table's font and colours.
    QTableWidget* table = Table();
    table->setFont(Font()->ToQFont());
    QPalette palette = table->palette();
    palette.setColor(QPalette::Text, ToQColor(Font()->Color()));
    palette.setColor(QPalette::Base, ToQColor(Color()));
    table->setPalette(palette);
}

void TValueListEditor::ApplyLayout() {
    if (!HandleAllocated()) return;
    QTableWidget* table = Table();
    table->setColumnWidth(0, FColWidths[0]);
    table->setColumnWidth(1, FColWidths[1]);
    table->verticalHeader()->setDefaultSectionSize(FDefaultRowHeight);
    for (int row = 0; row < RowCount(); ++row)
        table->setRowHeight(row, FDefaultRowHeight);
    table->horizontalHeader()->setVisible(!FTitleCaptions.isEmpty());
    if (!FTitleCaptions.isEmpty()) table->setHorizontalHeaderLabels(FTitleCaptions);
}

void TValueListEditor::ShowRow(int row) {
    auto* key = new QTableWidgetItem(Keys(row));
    key->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    Table()->setItem(row, 0, key);
    Table()->setCellWidget(row, 1, MakeEditor(row));
}

QWidget* TValueListEditor::MakeEditor(int row) {
    const TRowData& data = FRows[static_cast<std::size_t>(row)];
    const TItemProp* props = data.Props.get();
    QWidget* editor = nullptr;
    switch (props ? props->EditStyle() : TEditStyle::esSimple) {
        case TEditStyle::esSimple:
            editor = MakeTextEditor(data);
            break;
        case TEditStyle::esPickList:
            editor = MakePickEditor(data);
            break;
        case TEditStyle::esEllipsis:
            editor = MakeEllipsisEditor(data);
            break;
    }
    editor->setProperty(kRowId, data.Id);
    return editor;
}

QWidget* TValueListEditor::MakeTextEditor(const TRowData& data) {
    auto* edit = new QLineEdit(data.Value);
    edit->setFrame(false);
    edit->setReadOnly(data.Props && data.Props->ReadOnly());
    edit->setAccessibleName(data.Key);
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [this, id = data.Id](const QString& text) { ValueEdited(id, text); });
    return edit;
}

QWidget* TValueListEditor::MakePickEditor(const TRowData& data) {
    auto* combo = new QComboBox;
    combo->setFrame(false);
    combo->setAccessibleName(data.Key);
    for (int i = 0; i < data.Props->PickList()->Count(); ++i)
        combo->addItem(data.Props->PickList()->Strings(i));
    const int id = data.Id;
    if (!data.Props->ReadOnly()) {
        combo->setEditable(true);
        combo->setEditText(data.Value);
        QObject::connect(combo, &QComboBox::editTextChanged, combo,
                         [this, id](const QString& text) { ValueEdited(id, text); });
        return combo;
    }
    // A value that is none of the entries (say "Click to change") shows until one is picked.
    combo->setCurrentIndex(combo->findText(data.Value));
    if (combo->currentIndex() < 0) combo->setPlaceholderText(data.Value);
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [this, id, combo](int index) {
        if (index >= 0) ValueEdited(id, combo->itemText(index));
    });
    return combo;
}

QWidget* TValueListEditor::MakeEllipsisEditor(const TRowData& data) {
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* edit = new QLineEdit(data.Value, box);
    edit->setFrame(false);
    edit->setReadOnly(true);
    edit->setAccessibleName(data.Key);
    auto* button = new QToolButton(box);
    button->setText(QStringLiteral("..."));
    button->setAccessibleName(data.Key + QStringLiteral("..."));
    button->setFixedWidth(FDefaultRowHeight + 2);
    layout->addWidget(edit, 1);
    layout->addWidget(button);
    const int id = data.Id;
    QObject::connect(button, &QToolButton::clicked, button, [this, id] { EditButtonClicked(id); });
    // Enter in the text does what the button does, for the keyboard.
    QObject::connect(edit, &QLineEdit::returnPressed, edit, [this, id] { EditButtonClicked(id); });
    return box;
}

void TValueListEditor::ValueEdited(int id, const QString& value) {
    if (const int row = RowOfId(id); row >= 0) FRows[static_cast<std::size_t>(row)].Value = value;
}

void TValueListEditor::EditButtonClicked(int id) {
    const int row = RowOfId(id);
    if (row < 0) return;
    SetRow(row);
    RunReportingErrors([this, row] { OnEditButtonClick(this, row); });
}

void TValueListEditor::CurrentRowChanged(int row) {
    if (row >= 0) FRow = row;
}

void TValueListEditor::WndProc(TMessage& message) {
    TWinControl::WndProc(message);
    if (message.Msg == CM_FONTCHANGED || message.Msg == CM_COLORCHANGED) ApplyLook();
}

}  // namespace mox
