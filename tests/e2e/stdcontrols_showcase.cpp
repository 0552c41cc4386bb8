// One window with every standard control the program's windows and racks use: a tool bar with
// check buttons, label, edit box, memo, drop-down list, image, panel, push button, speed button
// and the key/value grid with its three kinds of value cell. The end-to-end test clicks it with
// the real pointer; the program prints where its targets are and what it saw happen.
#include <QApplication>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cstdio>

#include "toolkit/controls/application.h"
#include "toolkit/controls/form.h"
#include "toolkit/stdctrls/button.h"
#include "toolkit/stdctrls/combobox.h"
#include "toolkit/stdctrls/edit.h"
#include "toolkit/stdctrls/image.h"
#include "toolkit/stdctrls/label.h"
#include "toolkit/stdctrls/memo.h"
#include "toolkit/stdctrls/panel.h"
#include "toolkit/stdctrls/speedbutton.h"
#include "toolkit/stdctrls/toolbar.h"
#include "toolkit/stdctrls/valuelisteditor.h"

using namespace mox;

namespace {

void Say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Tells the test where a widget's centre is, in client coordinates of its top-level window.
void SayWhere(const char* what, QWidget* widget) {
    const QPoint centre = widget->mapTo(widget->window(), widget->rect().center());
    Say(QStringLiteral("where %1 %2 %3").arg(QLatin1String(what)).arg(centre.x()).arg(centre.y()));
}

std::unique_ptr<TBitmap> Sunset(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap->SetPixels(x, y, RGB(255 - y * 3, 80 + x * 2, y * 4));
    bitmap->Canvas()->Brush()->SetColor(clYellow);
    bitmap->Canvas()->Pen()->SetColor(clMaroon);
    bitmap->Canvas()->Ellipse(24, 12, 56, 44);
    return bitmap;
}

// Two images side by side, the up and the disabled look, as the speed buttons' glyphs are drawn.
std::unique_ptr<TBitmap> ArrowGlyph() {
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetSize(32, 16);
    TCanvas* c = glyph->Canvas();
    c->Brush()->SetColor(clOlive);  // the bottom-left pixel's colour is see-through
    c->FillRect(Rect(0, 0, 32, 16));
    c->Pen()->SetColor(clNavy);
    c->Brush()->SetColor(clNavy);
    const TPoint up[] = {{8, 2}, {14, 12}, {2, 12}};
    c->Polygon(up);
    c->Pen()->SetColor(clGray);
    c->Brush()->SetColor(clGray);
    const TPoint grey[] = {{24, 2}, {30, 12}, {18, 12}};
    c->Polygon(grey);
    return glyph;
}

TToolButton* AddToolButton(TForm* form, TToolBar* bar, const char* name, const char* caption,
                           TToolButtonStyle style) {
    auto* b = new TToolButton(form);
    b->SetName(QString::fromLatin1(name));
    b->SetCaption(QString::fromLatin1(caption));
    b->SetStyle(style);
    b->SetToolBar(bar);
    return b;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    TApplication& app = TApplication::Instance();
    app.SetTitle(QStringLiteral("Standard controls"));

    auto* form = new TForm(nullptr);
    form->SetCaption(QStringLiteral("Moxbench standard controls"));
    form->SetBounds(20, 20, 600, 440);
    form->SetShowHint(true);

    auto* dock = new TToolBarDock(form);
    dock->SetParent(form);
    auto* bar = new TToolBar(form);
    bar->SetParent(dock);
    bar->SetCaption(QStringLiteral("Output Controls"));
    TToolButton* led = AddToolButton(form, bar, "sbtLed", "Led", TToolButtonStyle::tbsCheck);
    TToolButton* meter = AddToolButton(form, bar, "sbtMeter", "Meter", TToolButtonStyle::tbsCheck);
    AddToolButton(form, bar, "", "", TToolButtonStyle::tbsSeparator);
    AddToolButton(form, bar, "sbtProperties", "Properties", TToolButtonStyle::tbsButton);
    meter->SetDown(true);
    for (TToolButton* b : {led, meter})
        b->OnClick = [led, meter](TObject* sender) {
            auto* clicked = static_cast<TToolButton*>(sender);
            for (TToolButton* other : {led, meter})
                if (other != clicked) other->SetDown(false);
            Say(QStringLiteral("checked %1 %2")
                    .arg(clicked->Caption(),
                         clicked->Down() ? QStringLiteral("down") : QStringLiteral("up")));
        };

    const int top = 40;
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(12, top + 4, 0, 0);
    label->SetCaption(QStringLiteral("&Channel name:"));

    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(104, top, 121, 21);
    edit->SetText(QStringLiteral("Boiler \u00b0C"));
    label->SetFocusControl(edit);

    auto* combo = new TComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(240, top, 145, 21);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->Items()->SetCommaText(QStringLiteral("Linear,Logarithmic,Stepped"));
    combo->SetItemIndex(1);

    auto* memo = new TMemo(form);
    memo->SetParent(form);
    memo->SetBounds(12, top + 32, 185, 89);
    memo->Lines()->SetText(
        QStringLiteral("Channel A: 20 \u00b0C\r\n\r\nChannel B: 35 \u00b0C\r\nA line long enough "
                       "to wrap inside the memo"));
    memo->SetScrollBars(TScrollStyle::ssVertical);

    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(212, top + 32, 80, 56);
    image->Picture()->SetGraphic(Sunset(80, 56).get());

    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(304, top + 32, 160, 89);
    panel->SetBevelOuter(TBevelCut::bvLowered);
    panel->SetCaption(QStringLiteral("Lowered panel"));

    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(476, top + 32, 100, 25);
    button->SetCaption(QStringLiteral("&Press"));
    button->OnClick = [](TObject*) { Say(QStringLiteral("clicked Press")); };

    auto* speed = new TSpeedButton(form);
    speed->SetParent(form);
    speed->SetBounds(476, top + 68, 25, 25);
    speed->SetGlyph(ArrowGlyph().get());
    speed->SetNumGlyphs(2);
    speed->SetHint(QStringLiteral("Bring to front"));
    speed->OnClick = [](TObject*) { Say(QStringLiteral("clicked speed button")); };

    auto* flat = new TSpeedButton(form);
    flat->SetParent(form);
    flat->SetBounds(506, top + 68, 25, 25);
    flat->SetGlyph(ArrowGlyph().get());
    flat->SetNumGlyphs(2);
    flat->SetFlat(true);
    flat->SetEnabled(false);
    flat->SetHint(QStringLiteral("Disabled flat button"));

    auto* grid = new TValueListEditor(form);
    grid->SetParent(form);
    grid->SetBounds(12, top + 136, 211, 120);
    grid->SetTitleCaptions({QStringLiteral("Property"), QStringLiteral("Value")});
    grid->InsertRow(QStringLiteral("Caption"), QStringLiteral("Boiler"), true);
    const int pickRow = grid->InsertRow(QStringLiteral("Visible"), QStringLiteral("Yes"), true);
    TItemProp* pick = grid->ItemProps(pickRow);
    pick->PickList()->SetCommaText(QStringLiteral("Yes,No"));
    pick->SetEditStyle(TEditStyle::esPickList);
    pick->SetReadOnly(true);
    const int fontRow =
        grid->InsertRow(QStringLiteral("Font"), QStringLiteral("Click to change"), true);
    grid->ItemProps(fontRow)->SetEditStyle(TEditStyle::esEllipsis);
    grid->OnEditButtonClick = [grid](TObject*, int row) {
        Say(QStringLiteral("ellipsis %1").arg(grid->Keys(row)));
    };

    form->Show();
    // Once the window is laid out, say where the test should click.
    QTimer::singleShot(200, [=] {
        SayWhere("button", button->Handle());
        auto* qbar = static_cast<QToolBar*>(bar->Handle());
        SayWhere("led", qbar->widgetForAction(qbar->actions().at(0)));
        auto* table = static_cast<QTableWidget*>(grid->Handle());
        if (QWidget* cell = table->cellWidget(fontRow, 1))
            if (auto* dots = cell->findChild<QToolButton*>()) SayWhere("ellipsis", dots);
    });

    app.Run();
    delete form;
    return 0;
}
