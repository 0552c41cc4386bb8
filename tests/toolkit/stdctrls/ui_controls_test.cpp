// Panels, push buttons, speed buttons, tool bars and the context menu, driven through their
// windows the way the window system drives them.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include "support/testwindows.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/stdctrls/button.h"
#include "toolkit/stdctrls/menus.h"
#include "toolkit/stdctrls/panel.h"
#include "toolkit/stdctrls/speedbutton.h"
#include "toolkit/stdctrls/toolbar.h"

using namespace mox;
using namespace mox::test;

namespace {

// A real click in the middle of a Qt widget, through its top-level window.
void ClickWidget(QWidget* widget) {
    const QPoint p = widget->mapTo(widget->window(), widget->rect().center());
    QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {}, p);
}

QRgb Rgb(TColor color) {
    return ToQColor(color).rgb() & 0xFFFFFF;
}

struct UiTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = ShowForm(&Owner, 400, 300);

    QRgb PixelAt(int x, int y) { return Form->Handle()->grab().toImage().pixel(x, y) & 0xFFFFFF; }
    // Owned by the form, so the form's children go with it through their parent.
    template <class T>
    T* Add(int l, int t, int w, int h) {
        auto* c = new T(Form);
        c->SetParent(Form);
        c->SetBounds(l, t, w, h);
        return c;
    }
};

// ---- panel

TEST_F(UiTest, PanelBevelsFrameTheFace) {
    auto* panel = Add<TPanel>(10, 10, 50, 30);
    panel->SetCaption(QString());
    panel->SetBevelOuter(TBevelCut::bvLowered);
    EXPECT_EQ(PixelAt(10, 10), Rgb(clBtnShadow));
    EXPECT_EQ(PixelAt(59, 39), Rgb(clBtnHighlight));
    EXPECT_EQ(PixelAt(35, 25), Rgb(clBtnFace));
    panel->SetBevelOuter(TBevelCut::bvRaised);
    EXPECT_EQ(PixelAt(10, 10), Rgb(clBtnHighlight));
    EXPECT_EQ(PixelAt(59, 39), Rgb(clBtnShadow));
    // Outer ring, a face-coloured border, then the inner ring.
    panel->SetBorderWidth(2);
    panel->SetBevelInner(TBevelCut::bvLowered);
    EXPECT_EQ(PixelAt(11, 11), Rgb(clBtnFace));
    EXPECT_EQ(PixelAt(13, 13), Rgb(clBtnShadow));
    EXPECT_EQ(PixelAt(56, 36), Rgb(clBtnHighlight));
}

TEST_F(UiTest, PanelLaysChildrenOutInsideBevelsAndBorder) {
    auto* panel = Add<TPanel>(0, 0, 100, 80);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(3);
    panel->SetBevelInner(TBevelCut::bvLowered);  // 2 + 3 + 2 on each side
    auto* inner = new TPanel(Form);
    inner->SetParent(panel);
    inner->SetAlign(TAlign::alClient);
    EXPECT_EQ(inner->BoundsRect(), Rect(7, 7, 93, 73));
    EXPECT_EQ(panel->InnerRect(), Rect(7, 7, 93, 73));
    panel->SetBevelInner(TBevelCut::bvNone);
    EXPECT_EQ(inner->BoundsRect(), Rect(5, 5, 95, 75));
}

TEST_F(UiTest, PanelCaptionIsCentredAndFollowsTheName) {
    auto* panel = Add<TPanel>(0, 0, 120, 40);
    panel->SetName(QStringLiteral("pnlMain"));
    EXPECT_EQ(panel->Caption(), QStringLiteral("pnlMain"));
    panel->SetCaption(QStringLiteral("MMMM"));
    panel->Font()->SetColor(clBlack);
    const QImage image = Form->Handle()->grab().toImage();
    int left = 120, right = -1;
    for (int x = 0; x < 120; ++x)
        for (int y = 2; y < 38; ++y)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GT(right, left);
    EXPECT_NEAR((left + right) / 2.0, 60, 3);
}

// ---- push button

TEST_F(UiTest, ButtonClickRaisesOnClickOnceAndPassesTheHook) {
    auto* button = Add<TButton>(10, 10, 75, 25);
    button->SetCaption(QStringLiteral("Apply"));
    int clicks = 0;
    button->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, button);
        ++clicks;
    };
    HookRecorder hook;
    Press(button, {10, 10});
    Release(button, {10, 10});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(hook.Of(WM_LBUTTONDOWN).size(), 1u);
    button->Click();
    EXPECT_EQ(clicks, 2);
}

TEST_F(UiTest, ButtonAcceleratorClicksAndNameLeavesTheAmpersandOut) {
    auto* button = Add<TButton>(10, 10, 75, 25);
    button->SetCaption(QStringLiteral("&Apply"));
    auto* widget = static_cast<QPushButton*>(button->Handle());
    EXPECT_EQ(widget->text(), QStringLiteral("&Apply"));
    EXPECT_EQ(widget->accessibleName(), QStringLiteral("Apply"));
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    QTest::keyClick(WindowOf(Form), Qt::Key_A, Qt::AltModifier);
    // Qt shows the press for a moment before it clicks.
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicks == 1; }));
}

TEST_F(UiTest, DefaultAndCancelButtonsAnswerEnterAndEscape) {
    auto* ok = Add<TButton>(10, 10, 75, 25);
    auto* cancel = Add<TButton>(100, 10, 75, 25);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    std::vector<TObject*> clicked;
    ok->OnClick = cancel->OnClick = [&](TObject* s) { clicked.push_back(s); };
    QTest::keyClick(WindowOf(Form), Qt::Key_Return);
    QTest::keyClick(WindowOf(Form), Qt::Key_Escape);
    EXPECT_EQ(clicked, (std::vector<TObject*>{ok, cancel}));
    EXPECT_EQ(cancel->ModalResult(), mrCancel);
    ok->SetEnabled(false);
    QTest::keyClick(WindowOf(Form), Qt::Key_Return);
    EXPECT_EQ(clicked.size(), 2u);
}

// ---- speed button

TEST_F(UiTest, SpeedButtonsOfAGroupStayDownOneAtATime) {
    std::vector<TSpeedButton*> buttons;
    int clicks = 0;
    for (int i = 0; i < 3; ++i) {
        auto* b = Add<TSpeedButton>(10 + 30 * i, 10, 30, 30);
        b->SetGroupIndex(1);
        b->OnClick = [&](TObject*) { ++clicks; };
        buttons.push_back(b);
    }
    auto checked = [](TSpeedButton* b) {
        return static_cast<QToolButton*>(b->Handle())->isChecked();
    };
    ClickWidget(buttons[0]->Handle());
    ClickWidget(buttons[1]->Handle());
    EXPECT_FALSE(buttons[0]->Down());
    EXPECT_TRUE(buttons[1]->Down());
    EXPECT_FALSE(checked(buttons[0]));
    // The one down stays down when clicked again: the group never gets all up.
    ClickWidget(buttons[1]->Handle());
    EXPECT_TRUE(buttons[1]->Down());
    EXPECT_TRUE(checked(buttons[1]));
    buttons[1]->SetDown(false);
    EXPECT_TRUE(buttons[1]->Down());
    EXPECT_EQ(clicks, 3);

    buttons[0]->SetAllowAllUp(true);  // for the whole group
    EXPECT_TRUE(buttons[2]->AllowAllUp());
    ClickWidget(buttons[1]->Handle());
    EXPECT_FALSE(buttons[1]->Down());
    EXPECT_FALSE(checked(buttons[1]));
    buttons[2]->SetDown(true);
    EXPECT_TRUE(checked(buttons[2]));
}

TEST_F(UiTest, SpeedButtonWithoutGroupClicksButNeverStaysDown) {
    auto* b = Add<TSpeedButton>(10, 10, 30, 30);
    b->SetHint(QStringLiteral("Align left edges"));
    b->SetFlat(true);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    b->SetDown(true);
    EXPECT_FALSE(b->Down());
    ClickWidget(b->Handle());
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b->Down());
    auto* widget = static_cast<QToolButton*>(b->Handle());
    EXPECT_TRUE(widget->autoRaise());
    EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
    // Without a caption the hint names the button for accessibility tools.
    EXPECT_EQ(widget->accessibleName(), QStringLiteral("Align left edges"));
}

TEST_F(UiTest, SpeedButtonGlyphShowsItsStateImages) {
    auto* b = Add<TSpeedButton>(10, 10, 30, 30);
    TBitmap glyph;
    glyph.SetSize(24, 8);  // red up image, blue disabled image, white see-through corner
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect(Rect(0, 0, 12, 8));
    glyph.Canvas()->Brush()->SetColor(clBlue);
    glyph.Canvas()->FillRect(Rect(12, 0, 24, 8));
    glyph.Canvas()->Brush()->SetColor(clWhite);
    glyph.Canvas()->FillRect(Rect(0, 7, 1, 8));
    b->SetGlyph(&glyph);
    auto* widget = static_cast<QToolButton*>(b->Handle());
    auto countOf = [&](auto match) {
        const QImage image = widget->grab().toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (match(QColor(image.pixel(x, y)))) ++n;
        return n;
    };
    auto red = [](QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; };
    auto blue = [](QColor c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; };
    auto white = [](QColor c) { return c == Qt::white; };
    EXPECT_EQ(widget->iconSize(), QSize(24, 8));  // one image so far: the whole glyph
    b->SetNumGlyphs(2);
    EXPECT_EQ(widget->iconSize(), QSize(12, 8));
    EXPECT_GT(countOf(red), 40);
    EXPECT_EQ(countOf(white), 0);  // the corner colour is see-through
    b->SetEnabled(false);
    EXPECT_EQ(countOf(red), 0);
    EXPECT_GT(countOf(blue), 40);
    // Without an image of its own the disabled glyph is greyed.
    b->SetNumGlyphs(1);
    EXPECT_EQ(countOf(red), 0);
    EXPECT_EQ(countOf(blue), 0);
}

// ---- tool bars

struct UiToolBarTest : UiTest {
    TToolBarDock* Dock = nullptr;
    TToolBar* Commands = nullptr;
    TToolBar* Output = nullptr;
    TToolBar* Input = nullptr;

    void SetUp() override {
        Form->SetShowHint(true);
        Dock = new TToolBarDock(Form);
        Dock->SetParent(Form);
        Commands = AddBar(QStringLiteral("Properties"));
        Output = AddBar(QStringLiteral("Output Controls"));
        Input = AddBar(QStringLiteral("Input controls"));
        AddButton(Commands, "sbtProperties", "Properties", TToolButtonStyle::tbsButton);
        AddButton(Commands, "", "", TToolButtonStyle::tbsSeparator);
        AddButton(Commands, "sbtSelectAll", "Select &All", TToolButtonStyle::tbsButton);
        AddButton(Output, "sbtLed", "Led", TToolButtonStyle::tbsCheck)->SetTag(6);
        AddButton(Output, "sbtScope", "Scope", TToolButtonStyle::tbsCheck)->SetTag(10);
        AddButton(Input, "sbtSlider", "Slider", TToolButtonStyle::tbsCheck)->SetTag(14);
    }
    TToolBar* AddBar(const QString& caption) {
        auto* bar = new TToolBar(Form);
        bar->SetParent(Dock);
        bar->SetCaption(caption);
        return bar;
    }
    TToolButton* AddButton(TToolBar* bar, const char* name, const char* caption,
                           TToolButtonStyle style) {
        auto* b = new TToolButton(Form);
        b->SetName(QString::fromLatin1(name));
        b->SetCaption(QString::fromLatin1(caption));
        b->SetStyle(style);
        b->SetToolBar(bar);
        return b;
    }
    TToolButton* Find(const char* name) {
        return static_cast<TToolButton*>(Form->FindComponent(QString::fromLatin1(name)));
    }
    // The Qt button showing `b`: its action is at the button's place on the bar.
    static QToolButton* WidgetOf(TToolButton* b) {
        auto* bar = static_cast<QToolBar*>(b->ToolBar()->Handle());
        for (int i = 0; i < b->ToolBar()->ButtonCount(); ++i)
            if (b->ToolBar()->Buttons(i) == b)
                return static_cast<QToolButton*>(bar->widgetForAction(bar->actions().at(i)));
        return nullptr;
    }
};

TEST_F(UiToolBarTest, ControlButtonsCheckOneKindAtATime) {
    // The palette's handler: let every button of both control bars up, check the one clicked.
    std::vector<int> kinds;
    for (const char* name : {"sbtLed", "sbtScope", "sbtSlider"})
        Find(name)->OnClick = [&](TObject* sender) {
            Output->UncheckAll();
            Input->UncheckAll();
            auto* b = static_cast<TToolButton*>(sender);
            b->SetDown(true);
            kinds.push_back(b->Tag() & 0xFF);
        };
    ClickWidget(WidgetOf(Find("sbtLed")));
    ClickWidget(WidgetOf(Find("sbtScope")));
    EXPECT_EQ(kinds, (std::vector<int>{6, 10}));
    EXPECT_FALSE(Find("sbtLed")->Checked());
    EXPECT_TRUE(Find("sbtScope")->Checked());
    EXPECT_FALSE(WidgetOf(Find("sbtLed"))->isChecked());
    EXPECT_TRUE(WidgetOf(Find("sbtScope"))->isChecked());
    // Clicking the checked one again leaves it checked, through the same handler.
    ClickWidget(WidgetOf(Find("sbtScope")));
    EXPECT_TRUE(Find("sbtScope")->Down());
    ClickWidget(WidgetOf(Find("sbtSlider")));
    EXPECT_FALSE(Find("sbtScope")->Down());
    EXPECT_EQ(kinds.size(), 4u);
}

TEST_F(UiToolBarTest, CheckButtonTogglesOnItsOwnAndPlainButtonsNeverStayDown) {
    TToolButton* led = Find("sbtLed");
    int clicks = 0;
    led->OnClick = [&](TObject*) { ++clicks; };
    ClickWidget(WidgetOf(led));
    EXPECT_TRUE(led->Down());
    ClickWidget(WidgetOf(led));
    EXPECT_FALSE(led->Down());
    led->Click();
    EXPECT_TRUE(led->Down());
    EXPECT_TRUE(WidgetOf(led)->isChecked());
    EXPECT_EQ(clicks, 3);
    Find("sbtProperties")->SetDown(true);
    EXPECT_FALSE(Find("sbtProperties")->Down());
}

TEST_F(UiToolBarTest, DisabledButtonIgnoresClicks) {
    TToolButton* properties = Find("sbtProperties");
    int clicks = 0;
    properties->OnClick = [&](TObject*) { ++clicks; };
    properties->SetEnabled(false);
    ClickWidget(WidgetOf(properties));
    EXPECT_EQ(clicks, 0);
    properties->SetEnabled(true);
    ClickWidget(WidgetOf(properties));
    EXPECT_EQ(clicks, 1);
}

TEST_F(UiToolBarTest, ButtonsAreNamedForAccessibilityAndSeparatorsShowAsLines) {
    EXPECT_EQ(WidgetOf(Find("sbtSelectAll"))->accessibleName(), QStringLiteral("Select All"));
    EXPECT_EQ(WidgetOf(Find("sbtLed"))->accessibleName(), QStringLiteral("Led"));
    Find("sbtLed")->SetCaption(QStringLiteral("LED"));
    EXPECT_EQ(WidgetOf(Find("sbtLed"))->accessibleName(), QStringLiteral("LED"));
    auto* bar = static_cast<QToolBar*>(Commands->Handle());
    ASSERT_EQ(bar->actions().size(), 3);
    EXPECT_TRUE(bar->actions()[1]->isSeparator());
    EXPECT_EQ(bar->accessibleName(), QStringLiteral("Properties"));
    EXPECT_FALSE(bar->isMovable());
    EXPECT_FALSE(bar->isFloatable());
}

TEST_F(UiToolBarTest, PicturesAloneKeepTheCaptionAsNameAndSeeThroughPixelsClear) {
    TBitmap glyph;
    glyph.SetSize(4, 4);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect({0, 0, 4, 4});
    glyph.SetPixels(1, 1, clNavy);
    Find("sbtLed")->SetGlyph(&glyph);
    Output->SetShowCaptions(false);
    QToolButton* button = WidgetOf(Find("sbtLed"));
    EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_EQ(button->accessibleName(), QStringLiteral("Led"));
    const QImage shown = button->icon().pixmap(4, 4).toImage();
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(shown.pixel(1, 1) & 0xFFFFFF, 0x000080u);
    // Without a picture a button shows its caption.
    EXPECT_EQ(WidgetOf(Find("sbtSelectAll"))->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    EXPECT_TRUE(WidgetOf(Find("sbtSelectAll"))->icon().isNull());
}

TEST_F(UiToolBarTest, DockStacksBarsInRowsAndFitsItsHeight) {
    EXPECT_EQ(Commands->Top(), 0);
    EXPECT_EQ(Output->Top(), Commands->Height());
    EXPECT_EQ(Input->Top(), Commands->Height() + Output->Height());
    EXPECT_GT(Output->Height(), 10);
    EXPECT_EQ(Dock->Height(), Input->Top() + Input->Height());
    EXPECT_EQ(Dock->Width(), Form->ClientWidth());
    EXPECT_EQ(Output->Width(), Form->ClientWidth());
    Output->SetVisible(false);
    EXPECT_EQ(Input->Top(), Commands->Height());
    EXPECT_EQ(Dock->Height(), Commands->Height() + Input->Height());
}

TEST_F(UiToolBarTest, ButtonsLeaveTheirBarWhenDestroyedAndOutliveIt) {
    TToolButton* scope = Find("sbtScope");
    delete Find("sbtLed");
    ASSERT_EQ(Output->ButtonCount(), 1);
    EXPECT_EQ(static_cast<QToolBar*>(Output->Handle())->actions().size(), 1);
    Output->SetParent(nullptr);
    delete Output;
    EXPECT_EQ(scope->ToolBar(), nullptr);
    scope->SetToolBar(Input);
    EXPECT_EQ(Input->Buttons(1), scope);
    EXPECT_THROW(Input->Buttons(2), EListError);
}

TEST_F(UiToolBarTest, HintsShowOnlyWhileTheBarShowsThem) {
    TToolButton* properties = Find("sbtProperties");
    properties->SetHint(QStringLiteral("Properties of the control"));
    QToolButton* widget = WidgetOf(properties);
    auto hover = [&] {
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
        QHelpEvent e(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(widget, &e);
        return QToolTip::text();
    };
    EXPECT_EQ(hover(), QStringLiteral("Properties of the control"));
    Form->SetShowHint(false);
    hover();
    EXPECT_FALSE(QToolTip::isVisible());
    QToolTip::hideText();
}

// ---- context menu

struct MenuTest : UiTest {
    TPopupMenu* Menu = new TPopupMenu(Form);
    std::vector<QString> Events;

    TMenuItem* Item(const char* name, const char* caption) {
        auto* item = new TMenuItem(Form);
        if (*name) item->SetName(QString::fromLatin1(name));
        item->SetCaption(QString::fromLatin1(caption));
        item->OnClick = [this](TObject* s) {
            Events.push_back(QStringLiteral("click ") + static_cast<TMenuItem*>(s)->Name());
        };
        Menu->Add(item);
        return item;
    }
    void SetUp() override {
        Item("Properties1", "Properties");
        Item("", "-");
        Item("mniDelete", "Delete");
        Item("", "-");
        Item("mniAlignToGrid", "Align to &Grid");
        Item("mniSendToBack", "Send To Back");
    }
    // Runs `act` on the menu once it shows, then pops it up.
    void PopupAnd(const std::function<void(QMenu*)>& act) {
        QTimer::singleShot(0, [act] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            act(menu);
        });
        Menu->Popup(Form->Left() + 20, Form->Top() + 20);
    }
};

TEST_F(MenuTest, AcceleratorChoosesItsItemAfterOnPopupPreparedTheMenu) {
    Menu->OnPopup = [this](TObject* sender) {
        EXPECT_EQ(sender, Menu);
        Events.push_back(QStringLiteral("popup"));
        static_cast<TMenuItem*>(Form->FindComponent(u"mniSendToBack"))->SetChecked(true);
        static_cast<TMenuItem*>(Form->FindComponent(u"mniDelete"))->SetEnabled(false);
    };
    QStringList texts, names;
    std::vector<bool> separators, checked, enabled;
    PopupAnd([&](QMenu* menu) {
        Events.push_back(QStringLiteral("shown"));
        for (QAction* a : menu->actions()) {
            texts << a->text();
            separators.push_back(a->isSeparator());
            checked.push_back(a->isChecked());
            enabled.push_back(a->isEnabled());
        }
        QAccessibleInterface* acc = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; acc && i < acc->childCount(); ++i)
            names << acc->child(i)->text(QAccessible::Name);
        QTest::keyClick(menu, Qt::Key_G);
    });
    EXPECT_EQ(Events, (std::vector<QString>{QStringLiteral("popup"), QStringLiteral("shown"),
                                            QStringLiteral("click mniAlignToGrid")}));
    EXPECT_EQ(texts,
              (QStringList{"Properties", "", "Delete", "", "Align to &Grid", "Send To Back"}));
    EXPECT_EQ(separators, (std::vector<bool>{false, true, false, true, false, false}));
    EXPECT_EQ(checked, (std::vector<bool>{false, false, false, false, false, true}));
    EXPECT_EQ(enabled[2], false);
    EXPECT_TRUE(names.contains(QStringLiteral("Align to Grid")));
}

TEST_F(MenuTest, HiddenAndDisabledItemsCannotBeChosenAndEscapeChoosesNothing) {
    auto* del = static_cast<TMenuItem*>(Form->FindComponent(u"mniDelete"));
    auto* align = static_cast<TMenuItem*>(Form->FindComponent(u"mniAlignToGrid"));
    del->SetCaption(QStringLiteral("&Delete"));
    del->SetEnabled(false);
    align->SetVisible(false);
    int shown = 0;
    PopupAnd([&](QMenu* menu) {
        shown = static_cast<int>(menu->actions().size());
        QTest::keyClick(menu, Qt::Key_D);
        QTest::keyClick(menu, Qt::Key_G);
        if (menu->isVisible()) QTest::keyClick(menu, Qt::Key_Escape);
    });
    EXPECT_EQ(shown, 5);
    EXPECT_TRUE(Events.empty());
}

TEST_F(MenuTest, ItemsLeaveTheMenuWhenDestroyedAndAnEmptyMenuDoesNotShow) {
    ASSERT_EQ(Menu->Count(), 6);
    delete Menu->Items(0);
    EXPECT_EQ(Menu->Count(), 5);
    EXPECT_EQ(Menu->Items(1)->Name(), QStringLiteral("mniDelete"));
    auto* other = new TPopupMenu(Form);
    other->Add(Menu->Items(1));
    EXPECT_EQ(Menu->Count(), 4);
    EXPECT_EQ(other->Items(0)->Menu(), other);
    TMenuItem* kept = Menu->Items(0);
    delete Menu;
    EXPECT_EQ(kept->Menu(), nullptr);

    auto* empty = new TPopupMenu(Form);
    int popups = 0;
    empty->OnPopup = [&](TObject*) { ++popups; };
    empty->Popup(0, 0);  // returns at once: there is nothing to show
    EXPECT_EQ(popups, 1);
    EXPECT_THROW(empty->Items(0), EListError);
}

}  // namespace
