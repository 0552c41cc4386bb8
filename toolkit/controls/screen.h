#pragma once
// TScreen: the desktop as the program sees it: the cursor table, the application-wide cursor
// override, the forms and which of them is active.

#include <QCursor>
#include <map>
#include <vector>

#include "toolkit/controls/cursors.h"
#include "toolkit/core/types.h"

namespace mox {

class TCustomForm;

class TScreen {
public:
    static TScreen& Instance();

    // The application-wide cursor override; crDefault lets every control show its own.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);

    // The cursor shown for a cursor number: the standard shapes, or one registered with
    // SetCursorShape (instruments register a hand cursor as number 99).
    QCursor CursorShape(TCursor cursor) const;
    void SetCursorShape(TCursor cursor, const QCursor& shape);

    TCustomForm* ActiveForm() const;
    const std::vector<TCustomForm*>& Forms() const { return FForms; }
    int PixelsPerInch() const;
    int Width() const;
    int Height() const;

    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);

private:
    TScreen() = default;
    TCursor FCursor = crDefault;
    bool FOverridden = false;
    std::map<TCursor, QCursor> FCustomCursors;
    std::vector<TCustomForm*> FForms;
};

}  // namespace mox
