// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include "e2e_support.h"
#include "platform/qt/pictures.h"
#include "platform/qt/twips.h"

namespace movesta {
namespace {

TEST(MainWindowE2E, TypedKeysGoThroughTheModel)
{
    testing::App app;
    auto* weight = app.widget<QLineEdit>(*app.form1, app.form1->Text1);
    ASSERT_NE(weight, nullptr);
    EXPECT_EQ(app.view(*app.form1)->windowTitle(), "Movesta");
    EXPECT_EQ(app.view(*app.form1)->client()->size(), QSize(482, 379));
    EXPECT_TRUE(weight->hasFocus());
    QTest::keyClicks(weight, "70.5");
    EXPECT_EQ(app.form1->Text1.text(), "70.5");
    EXPECT_EQ(app.form1->Text2.text(), "70,5");

    auto* english = app.widget<QRadioButton>(*app.form1, app.form1->Option2);
    QTest::mouseClick(english, Qt::LeftButton);
    EXPECT_TRUE(app.form1->Option2.value());
    EXPECT_EQ(weight->text(), "");
    EXPECT_EQ(app.widget<QLabel>(*app.form1, app.form1->Label2)->text(), "Weight (Pounds)");
    QTest::keyClicks(weight, "150");
    EXPECT_EQ(app.form1->Text2.text(), "68");
}

// A window with a menu whose shortcuts must win over the focused box.
class ShortcutWindow : public Window {
public:
    explicit ShortcutWindow(DesktopServices& desktop)
        : Window(desktop, "Shortcuts")
    {
        Combo1.setItems({"one", "two"});
        Del.onClick = [this] { ++deletes; };
        Copy.onClick = [this] { ++copies; };
    }
    TextBox Text1{*this, "Text1"};
    ComboBox Combo1{*this, "Combo1"};
    MenuItem Del{*this, "del", "Delete Selected", "Del"};
    MenuItem Copy{*this, "copy", "Copy to Clipboard", "Ctrl+C"};
    int deletes = 0;
    int copies = 0;
};

TEST(MainWindowE2E, WindowMenuShortcutsWinOverLineEditsAndEditableCombos)
{
    testing::FakeDesktop desktop;
    QtWindowManager windows;
    windows.registerForm("S", [&] { return std::make_unique<ShortcutWindow>(desktop); });
    windows.registerView("S", [](Window& model, QtWindowManager& manager) -> FormView* {
        auto& w = static_cast<ShortcutWindow&>(model);
        auto* view = new FormView(model, manager, 3000, 1500);
        auto* bar = new QMenuBar(view);
        QMenu* menu = bar->addMenu("Menu");
        view->bindMenuItem(w.Del, menu);
        view->bindMenuItem(w.Copy, menu);
        auto* layout = new QVBoxLayout(view);
        layout->setMenuBar(bar);
        layout->addWidget(view->client());
        view->bindTextBox(w.Text1, twipsRect(100, 100, 1500, 300));
        view->bindCombo(w.Combo1, twipsRect(100, 600, 1500, 300));
        return view;
    });
    auto& w = static_cast<ShortcutWindow&>(*windows.show("S"));
    FormView* view = windows.viewOf(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    QGuiApplication::clipboard()->setText("before");

    auto* edit = qobject_cast<QLineEdit*>(view->widgetOf(w.Text1));
    auto* combo = qobject_cast<QComboBox*>(view->widgetOf(w.Combo1));
    w.Text1.setText("abc");
    w.Combo1.setText("xyz");
    for (QWidget* box : {static_cast<QWidget*>(edit), static_cast<QWidget*>(combo)}) {
        box->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(box->hasFocus());
        if (box == edit)
            edit->setCursorPosition(1);
        else
            combo->lineEdit()->setCursorPosition(1);
        if (box == edit)
            edit->selectAll();
        else
            combo->lineEdit()->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    }
    EXPECT_EQ(w.deletes, 2);
    EXPECT_EQ(w.copies, 2);
    EXPECT_EQ(w.Text1.text(), "abc");
    EXPECT_EQ(edit->text(), "abc");
    EXPECT_EQ(w.Combo1.text(), "xyz");
    EXPECT_EQ(combo->currentText(), "xyz");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");

    // Other keys still reach the box.
    edit->setFocus();
    edit->setCursorPosition(3);
    QTest::keyClick(edit, Qt::Key_D);
    EXPECT_EQ(w.Text1.text(), "abcd");
}

// A combo shows its control's items as they are now, and goes with its window.
TEST(MainWindowE2E, ACombosItemsAreItsControlsItems)
{
    testing::FakeDesktop desktop;
    QtWindowManager windows;
    windows.registerForm("S", [&] { return std::make_unique<ShortcutWindow>(desktop); });
    windows.registerView("S", [](Window& model, QtWindowManager& manager) -> FormView* {
        auto* view = new FormView(model, manager, 3000, 1500);
        view->bindCombo(static_cast<ShortcutWindow&>(model).Combo1, twipsRect(100, 600, 1500, 300));
        return view;
    });
    auto& w = static_cast<ShortcutWindow&>(*windows.show("S"));
    FormView* view = windows.viewOf(w);
    auto* combo = qobject_cast<QComboBox*>(view->widgetOf(w.Combo1));
    ASSERT_NE(combo, nullptr);
    const auto shown = [combo] {
        std::vector<std::string> items;
        for (int i = 0; i < combo->count(); ++i)
            items.push_back(combo->itemText(i).toStdString());
        return items;
    };
    EXPECT_EQ(shown(), (std::vector<std::string>{"one", "two"}));
    const QAbstractItemModelTester tester(combo->model(),
                                          QAbstractItemModelTester::FailureReportingMode::Fatal);

    w.Combo1.setItems({"ä", "b", "c"});
    w.Combo1.setListIndex(2);
    EXPECT_EQ(shown(), (std::vector<std::string>{"ä", "b", "c"}));
    EXPECT_EQ(combo->currentText().toStdString(), "c");
    combo->setCurrentIndex(0);
    EXPECT_EQ(combo->currentText().toStdString(), "ä");

    const QPointer<QComboBox> shownCombo(combo);
    w.unload();
    windows.destroyUnloaded();
    EXPECT_TRUE(shownCombo.isNull());
}

TEST(MainWindowE2E, PicturesOpenTheProductPageThroughTheServices)
{
    testing::App app;
    auto* banner = app.view(*app.form1)->widgetOf(app.form1->Image2);
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->toolTip().toStdString(), app.desktop.productPageAddress());
    EXPECT_EQ(banner->size(), QSize(385, 41));
    QTest::mouseClick(banner, Qt::LeftButton);
    ASSERT_EQ(app.desktop.opened.size(), 1u);
}

} // namespace
} // namespace movesta

namespace movesta {
namespace {

// Every picture a window names is shipped, at 1x and 2x, at the size its widget shows it.
TEST(PicturesE2E, EveryNamedPictureLoadsAtBothScales)
{
    testing::App app;
    app.form1->Image1.click();
    app.form1->Image3.click();
    int pictures = 0;
    for (const char* id : {kMainWindowId, kPlannerId, kTimeToBurnId}) {
        Window* window = app.windows->find(id);
        ASSERT_NE(window, nullptr) << id;
        for (const Control* control : window->controls()) {
            const auto* picture = dynamic_cast<const Picture*>(control);
            if (!picture)
                continue;
            ++pictures;
            for (qreal ratio : {1.0, 2.0}) {
                const QPixmap pixmap = picturePixmap(QString::fromStdString(picture->picture()), ratio);
                EXPECT_FALSE(pixmap.isNull()) << id << " " << picture->name() << " at " << ratio;
                EXPECT_EQ(pixmap.devicePixelRatio(), ratio) << picture->name();
            }
        }
    }
    EXPECT_EQ(pictures, 3 + 7 + 2); // main window, planner, time to burn
    EXPECT_FALSE(picturePixmap(QStringLiteral("hand.svg"), 2.0).isNull());
    EXPECT_FALSE(applicationIcon().isNull());
}

} // namespace
} // namespace movesta
