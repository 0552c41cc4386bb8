#include "designer/selectionmarks.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "toolkit/controls/wincontrol.h"

namespace mox {

namespace {
const QColor kMarkColor(0x80, 0x80, 0x80);

// A see-through layer over the control's area that shows the four corner squares.
class TMarkLayer : public QWidget {
public:
    TMarkLayer(QWidget* surface, int size) : QWidget(surface), FSize(size) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

    int Size() const { return FSize; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int right = width() - FSize;
        const int bottom = height() - FSize;
        for (const QPoint& p :
             {QPoint(0, 0), QPoint(0, bottom), QPoint(right, 0), QPoint(right, bottom)})
            painter.fillRect(QRect(p, QSize(FSize, FSize)), kMarkColor);
    }

private:
    int FSize;
};
}  // namespace

TSelectionMarks::~TSelectionMarks() {
    Clear();
}

void TSelectionMarks::Paint(TControl* control, int size) {
    TWinControl* parent = control->Parent();
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (!windowed && !parent) return;
    // A windowed control shows them on its own window; any other on its parent's surface,
    // beneath the parent's child windows.
    QWidget* surface = windowed ? windowed->Handle() : parent->Handle();
    QRect area = control->ClientRect().ToQRect();
    if (!windowed) area.translate(control->Left(), control->Top());
    auto it = std::find_if(FMarked.begin(), FMarked.end(),
                           [control](const TMarked& m) { return m.Control == control; });
    // Marks already in place stay untouched: replacing them repaints the form, and a repaint
    // of the form asks for the marks again.
    if (it != FMarked.end() && it->Layer && it->Layer->parentWidget() == surface &&
        it->Layer->geometry() == area && static_cast<TMarkLayer*>(it->Layer.data())->Size() == size)
        return;
    Erase(control);
    auto* layer = new TMarkLayer(surface, size);
    layer->setGeometry(area);
    if (windowed)
        layer->raise();
    else
        layer->lower();
    layer->show();
    FMarked.push_back({control, layer});
}

void TSelectionMarks::Erase(const TControl* control) {
    auto it = std::find_if(FMarked.begin(), FMarked.end(),
                           [control](const TMarked& m) { return m.Control == control; });
    if (it == FMarked.end()) return;
    delete it->Layer.data();
    FMarked.erase(it);
}

void TSelectionMarks::Clear() {
    for (TMarked& m : FMarked)
        delete m.Layer.data();
    FMarked.clear();
}

bool TSelectionMarks::Marked(const TControl* control) const {
    return std::any_of(FMarked.begin(), FMarked.end(),
                       [control](const TMarked& m) { return m.Control == control && m.Layer; });
}

}  // namespace mox
