#include "toolkit/controls/screen.h"

#include <QApplication>
#include <QScreen>
#include <algorithm>

#include "toolkit/controls/form.h"
#include "toolkit/graphics/font.h"

namespace mox {

TScreen& TScreen::Instance() {
    static TScreen screen;
    return screen;
}

void TScreen::SetCursor(TCursor value) {
    if (value == FCursor) return;
    FCursor = value;
    if (value == crDefault) {
        if (FOverridden) QApplication::restoreOverrideCursor();
        FOverridden = false;
    } else if (FOverridden) {
        QApplication::changeOverrideCursor(CursorShape(value));
    } else {
        QApplication::setOverrideCursor(CursorShape(value));
        FOverridden = true;
    }
}

QCursor TScreen::CursorShape(TCursor cursor) const {
    if (auto it = FCustomCursors.find(cursor); it != FCustomCursors.end()) return it->second;
    switch (cursor) {
        case crNone:
            return Qt::BlankCursor;
        case crCross:
            return Qt::CrossCursor;
        case crIBeam:
            return Qt::IBeamCursor;
        case crSizeNESW:
            return Qt::SizeBDiagCursor;
        case crSizeNS:
            return Qt::SizeVerCursor;
        case crSizeNWSE:
            return Qt::SizeFDiagCursor;
        case crSizeWE:
            return Qt::SizeHorCursor;
        case crUpArrow:
            return Qt::UpArrowCursor;
        case crHourGlass:
        case crSQLWait:
            return Qt::WaitCursor;
        case crDrag:
        case crMultiDrag:
            return Qt::DragCopyCursor;
        case crNoDrop:
        case crNo:
            return Qt::ForbiddenCursor;
        case crHSplit:
            return Qt::SplitHCursor;
        case crVSplit:
            return Qt::SplitVCursor;
        case crAppStart:
            return Qt::BusyCursor;
        case crHelp:
            return Qt::WhatsThisCursor;
        case crHandPoint:
            return Qt::PointingHandCursor;
        case crSizeAll:
            return Qt::SizeAllCursor;
        default:
            return Qt::ArrowCursor;
    }
}

void TScreen::SetCursorShape(TCursor cursor, const QCursor& shape) {
    FCustomCursors[cursor] = shape;
}

TCustomForm* TScreen::ActiveForm() const {
    QWidget* active = QApplication::activeWindow();
    for (TCustomForm* f : FForms)
        if (f->WindowHandle() && f->WindowHandle() == active) return f;
    return nullptr;
}

int TScreen::PixelsPerInch() const {
    return ScreenPixelsPerInch;
}

int TScreen::Width() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 0;
}

int TScreen::Height() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() : 0;
}

void TScreen::AddForm(TCustomForm* form) {
    FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    std::erase(FForms, form);
}

}  // namespace mox
