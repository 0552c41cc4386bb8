#pragma once
// TValueListEditor: a two-column grid of keys and values on a QTableWidget. Keys are read-only;
// every value cell holds an open editor, so the user types at once. Each row's value cell is of
// one kind (TItemProp::EditStyle): plain text, a drop-down pick list, or read-only text with an
// ellipsis button that raises OnEditButtonClick.
//
// Rows are numbered from 0, whether or not titles are shown above them. Strings() is the same
// content as "key=value" lines.

#include <QStringList>
#include <memory>
#include <vector>

#include "toolkit/controls/wincontrol.h"
#include "toolkit/core/strings.h"

class QTableWidget;

namespace mox {

class TValueListEditor;

MOX_ENUM(TEditStyle, esSimple, esEllipsis, esPickList)

// How one row's value is edited.
class TItemProp {
public:
    explicit TItemProp(TValueListEditor& editor);
    ~TItemProp();
    TItemProp(const TItemProp&) = delete;
    TItemProp& operator=(const TItemProp&) = delete;

    TEditStyle EditStyle() const { return FEditStyle; }
    void SetEditStyle(TEditStyle value);
    // The entries of a pick list, offered in this order.
    TStrings* PickList() const { return FPickList.get(); }
    // A read-only text cannot be typed into; a read-only pick list offers only its entries.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);

private:
    void Changed();

    TValueListEditor& FEditor;
    TEditStyle FEditStyle = TEditStyle::esSimple;
    std::unique_ptr<TStringList> FPickList;
    bool FReadOnly = false;
};

using TEditButtonClickEvent = TEvent<TObject*, int>;

class TValueListEditor : public TWinControl {
    MOX_CLASS
public:
    explicit TValueListEditor(TComponent* owner);
    ~TValueListEditor() override;

    // The rows as "key=value" lines; a line without '=' is a key with an empty value.
    TStrings* Strings() const;
    void SetStrings(const TStrings* value);

    int RowCount() const { return static_cast<int>(FRows.size()); }
    // The current row; -1 while there are none.
    int Row() const { return FRow; }
    void SetRow(int value);  // EListError out of range

    // Reading and writing by row; EListError out of range.
    QString Keys(int row) const;
    void SetKeys(int row, const QString& key);
    QString Value(int row) const;
    void SetValue(int row, const QString& value);
    // Column 0 is the key, column 1 the value.
    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    // By key, compared case-insensitively: the first row with that key. Reading an absent key
    // gives ""; writing one appends a row for it.
    QString Values(const QString& key) const;
    void SetValues(const QString& key, const QString& value);
    bool FindRow(const QString& key, int& row) const;

    // Adds a row at the end (append) or before the current row; returns its number.
    int InsertRow(const QString& key, const QString& value, bool append);
    void DeleteRow(int row);
    // The editing settings of a row, made on first use; EListError out of range.
    TItemProp* ItemProps(int row);

    int ColWidths(int col) const;  // EListError unless col is 0 or 1
    void SetColWidths(int col, int width);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int value);
    // Captions of the key and value columns; none: no title row.
    QStringList TitleCaptions() const { return FTitleCaptions; }
    void SetTitleCaptions(const QStringList& value);

    // The ellipsis button of a row was pressed; Row is that row by then.
    TEditButtonClickEvent OnEditButtonClick;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void InitWidget(QWidget* widget) override;
    bool NativeWidget() const override { return true; }
    void WndProc(TMessage& message) override;

private:
    friend class TItemProp;
    friend class TValueListStrings;

    struct TRowData {
        int Id;  // stable while rows come and go, so an editor finds its row
        QString Key;
        QString Value;
        std::unique_ptr<TItemProp> Props;
    };

    void CheckRow(int row) const;
    int RowOfId(int id) const;
    // The rows changed; the table follows.
    void RowInserted(int row);
    void RowDeleted(int row);
    void RowChanged(int row);
    void RowsCleared();
    void ItemPropChanged(const TItemProp* props);
    void KeepRowInRange();

    QTableWidget* Table() const;
    void ApplyLook();
    void ApplyLayout();
    void ShowRow(int row);
    QWidget* MakeEditor(int row);
    QWidget* MakeTextEditor(const TRowData& data);
    QWidget* MakePickEditor(const TRowData& data);
    QWidget* MakeEllipsisEditor(const TRowData& data);
    // The user changed the value of the row with this id.
    void ValueEdited(int id, const QString& value);
    void EditButtonClicked(int id);
    void CurrentRowChanged(int row);

    std::vector<TRowData> FRows;
    std::unique_ptr<TStrings> FStrings;
    int FNextId = 0;
    int FRow = -1;
    int FColWidths[2] = {94, 111};
    int FDefaultRowHeight = 16;
    QStringList FTitleCaptions;
};

}  // namespace mox
