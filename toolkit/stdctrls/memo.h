#pragma once
// TMemo: a multi-line text box on a QPlainTextEdit. Its text is the list of lines in Lines; a
// change on either side shows on the other at once.

#include <memory>

#include "toolkit/core/strings.h"
#include "toolkit/stdctrls/edit.h"

class QPlainTextEdit;

namespace mox {

class TMemo : public TCustomEdit {
    MOX_CLASS
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TStrings* Lines() const { return FLines.get(); }
    void SetLines(const TStrings* value) { FLines->Assign(value); }
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    // Whether Enter types a line break (otherwise it goes to the form; Ctrl+Enter still types
    // one) and whether Tab types a tab (otherwise it moves the focus).
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value);
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void ApplySettings(QWidget* widget) override;
    // The text is the lines joined by line breaks.
    QString GetText() const override;
    void SetTextValue(const QString& value) override;

private:
    QPlainTextEdit* Editor() const;
    void LinesChanged();
    void EditorTextChanged();

    std::unique_ptr<TStringList> FLines;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    TScrollStyle FScrollBars = TScrollStyle::ssNone;
    bool FWantReturns = true;
    bool FWantTabs = false;
    bool FWordWrap = true;
    bool FWritingEditor = false;  // the lines are being copied into the editor
    bool FReadingEditor = false;  // the editor's text is being copied into the lines
};

}  // namespace mox
