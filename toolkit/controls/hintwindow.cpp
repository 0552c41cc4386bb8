#include "toolkit/controls/hintwindow.h"

#include <QWidget>

#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/drawtext.h"

namespace mox {

namespace {
constexpr int kMargin = 2;  // text inset from the border
constexpr int kTextFlags = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;

class THintWidget : public QWidget {
public:
    THintWidget() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }
};
}  // namespace

const TClassInfo& THintWindow::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<THintWindow>("THintWindow", TCustomControl::StaticClass()).Build();
    return info;
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    SetColor(clInfoBk);
    Font()->SetColor(clInfoText);
    TControl::SetVisible(false);
}

QWidget* THintWindow::CreateWidget(QWidget*) {
    return new THintWidget();
}

TRect THintWindow::CalcHintRect(int maxWidth, const QString& hint) {
    TRect r = Rect(0, 0, maxWidth, 0);
    Canvas()->SetFont(Font());
    Canvas()->DrawText(hint, r, kTextFlags | DT_CALCRECT);
    r.Right += 2 * (kMargin + 1);
    r.Bottom += 2 * (kMargin + 1);
    return r;
}

void THintWindow::ActivateHint(const TRect& screenRect, const QString& hint) {
    SetCaption(hint);
    SetBounds(screenRect.Left, screenRect.Top, screenRect.Width(), screenRect.Height());
    QWidget* w = Handle();
    w->setGeometry(screenRect.ToQRect());
    TControl::SetVisible(true);
    w->show();
    w->raise();
    Repaint();
}

void THintWindow::ReleaseHandle() {
    TControl::SetVisible(false);
    if (HandleAllocated()) WindowHandle()->hide();
}

void THintWindow::Paint() {
    TCanvas* c = Canvas();
    const TRect client = ClientRect();
    c->Brush()->SetColor(Color());
    c->Pen()->SetColor(clBlack);
    c->Rectangle(client);
    TRect text = Rect(client.Left + kMargin + 1, client.Top + kMargin + 1,
                      client.Right - kMargin - 1, client.Bottom - kMargin - 1);
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    c->DrawText(Caption(), text, kTextFlags);
}

}  // namespace mox
