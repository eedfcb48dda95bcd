// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding an activity in the real planner window, the list's own letter search in the
// time-to-burn window, and the Qt desktop services that put the report on the clipboard and
// into files.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

#include "core/catalogue.h"
#include "e2e_support.h"
#include "planner/form7.h"
#include "platform/qt/qt_desktop_services.h"
#include "time_to_burn/form4.h"

namespace movesta {
namespace {

using testing::press;
using testing::report;

struct PlannerWindow {
    testing::App app;
    Form7* planner = nullptr;
    QComboBox* activity = nullptr;
    QListView* found = nullptr;

    PlannerWindow()
    {
        app.form1->Text1.setText("70");
        app.form1->Image1.click();
        planner = app.windows->find<Form7>();
        app.activate(*planner);
        activity = app.widget<QComboBox>(*planner, planner->Combo1);
        found = app.view(*planner)->findChild<QListView*>(QStringLiteral("findPopup"));
    }
    // The names the popup shows.
    std::vector<std::string> shown() const
    {
        std::vector<std::string> names;
        for (int i = 0; i < found->model()->rowCount(); ++i)
            names.push_back(found->model()->index(i, 0).data().toString().toStdString());
        return names;
    }
    std::vector<std::string> foundNames() const
    {
        std::vector<std::string> names;
        for (const int row : planner->FoundActivities())
            names.emplace_back(kCatalogue[static_cast<std::size_t>(row)].name);
        return names;
    }
    void retype(const char* text) const
    {
        activity->setFocus();
        activity->lineEdit()->selectAll();
        QTest::keyClick(activity, Qt::Key_Backspace);
        QTest::keyClicks(activity, text);
    }
};

TEST(FindPopupE2E, TypedWordsShowTheRowsFoundAndArrowsReturnOrAClickChooseOne)
{
    PlannerWindow w;
    ASSERT_TRUE(w.planner && w.activity && w.found);
    EXPECT_TRUE(w.activity->hasFocus());
    EXPECT_FALSE(w.found->isVisible());

    QTest::keyClicks(w.activity, "swim lap");
    ASSERT_TRUE(w.found->isVisible());
    EXPECT_GT(w.shown().size(), 1u);
    EXPECT_EQ(w.shown(), w.foundNames());
    EXPECT_TRUE(w.activity->hasFocus());
    EXPECT_EQ(w.planner->Label19.caption(), "");
    EXPECT_EQ(w.planner->Label2.caption(), "");

    // Down twice, Return: the second row found is chosen as from the list.
    const int second = w.planner->FoundActivities()[1];
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    EXPECT_FALSE(w.found->isVisible());
    EXPECT_EQ(w.planner->Combo1.listIndex(), second);
    EXPECT_EQ(w.planner->Combo2.listIndex(), second);
    EXPECT_EQ(w.planner->Label19.caption(), std::string(kCatalogue[static_cast<std::size_t>(second)].name));
    EXPECT_EQ(w.activity->currentIndex(), second);
    EXPECT_EQ(w.activity->currentText().toStdString(), w.planner->Label19.caption());
    EXPECT_NE(w.planner->Label14.caption(), "");

    // Escape closes the list and keeps the text.
    w.retype("cycl");
    ASSERT_TRUE(w.found->isVisible());
    press(Qt::Key_Escape);
    EXPECT_FALSE(w.found->isVisible());
    EXPECT_EQ(w.activity->currentText().toStdString(), "cycl");
    EXPECT_EQ(w.planner->Combo1.text(), "cycl");
    EXPECT_EQ(w.planner->Combo1.listIndex(), second);

    // A click chooses the row under the pointer.
    QTest::keyClicks(w.activity, "i");
    ASSERT_TRUE(w.found->isVisible());
    const int first = w.planner->FoundActivities()[0];
    QTest::mouseClick(w.found->viewport(), Qt::LeftButton, {},
                      w.found->visualRect(w.found->model()->index(0, 0)).center());
    EXPECT_FALSE(w.found->isVisible());
    EXPECT_EQ(w.planner->Combo1.listIndex(), first);
    EXPECT_EQ(w.planner->Label19.caption(), std::string(kCatalogue[static_cast<std::size_t>(first)].name));

    // While the list shows, the menu's shortcuts still win over the box, and leaving the box closes it.
    w.retype("swim");
    ASSERT_TRUE(w.found->isVisible());
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(w.app.desktop.clipboardLog.size(), 2u);
    EXPECT_EQ(w.activity->currentText().toStdString(), "swim");
    press(Qt::Key_Tab);
    EXPECT_FALSE(w.found->isVisible());
    EXPECT_TRUE(w.planner->FoundActivities().empty());
}

TEST(FindPopupE2E, CtrlSInABoxSavesTheReport)
{
    PlannerWindow w;
    w.app.desktop.expectSaveDialog("/saved/report.csv", 1);
    w.activity->setFocus();
    press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(w.app.desktop.files.count("/saved/report.csv"), 1u);
    EXPECT_EQ(w.app.desktop.files["/saved/report.csv"].rfind("Physical activity,h,min,kJ,kcal\r\n", 0), 0u);
}

TEST(TimeToBurnE2E, LettersTypedInTheActivityListMoveToTheNextNameThatBeginsWithThem)
{
    testing::App app;
    app.form1->Text1.setText("70");
    app.form1->Image3.click();
    auto* form = app.windows->find<Form4>();
    ASSERT_TRUE(form && app.activate(*form));
    auto* list = app.widget<QAbstractItemView>(*form, form->List1);
    ASSERT_NE(list, nullptr);
    list->setFocus();
    const auto startingWith = [](std::string_view prefix, std::size_t from) {
        for (std::size_t i = from; i < kCatalogue.size(); ++i)
            if (QString::fromUtf8(kCatalogue[i].name.data(),
                                  static_cast<qsizetype>(kCatalogue[i].name.size()))
                    .startsWith(QString::fromUtf8(prefix.data(), static_cast<qsizetype>(prefix.size())),
                                Qt::CaseInsensitive))
                return static_cast<int>(i);
        return -1;
    };
    QTest::keyClicks(list, "swim");
    const int swim = startingWith("swim", 0);
    EXPECT_EQ(form->List1.listIndex(), swim);
    EXPECT_EQ(form->Label6.caption(), std::string(kCatalogue[static_cast<std::size_t>(swim)].name));
    // After a pause, a letter starts a new search from the next row.
    QTest::qWait(QApplication::keyboardInputInterval() + 100);
    QTest::keyClicks(list, "s");
    const int next = startingWith("s", static_cast<std::size_t>(swim) + 1);
    EXPECT_EQ(form->List1.listIndex(), next);
    EXPECT_EQ(form->Label6.caption(), std::string(kCatalogue[static_cast<std::size_t>(next)].name));
}

// The Qt services with real files; the save dialog and message boxes answered here.
struct RealFilesDesktop : QtDesktopServices {
    ChosenFile answer;
    std::vector<std::string> prompts;
    int messageBox(const std::string& prompt, MessageButtons, MessageIcon, const std::string&) override
    {
        prompts.push_back(prompt);
        return kAnswerOk;
    }
    ChosenFile chooseFileToSave(const std::string&, const std::string&, const std::vector<FileType>&) override
    {
        return answer;
    }
};

std::string contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<unreadable>";
}

void writeText(const QString& path, const char* text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// While alive, no file of this process may grow beyond `bytes`: writes past it fail, as on a full
// disk. Unlike permissions, this holds for root too.
struct FileSizeLimit {
    rlimit before{};
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit limited = before;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &before); }
};

TEST(QtDesktopServicesFiles, SaveReportWritesWholeFilesOrLeavesTheOldOneAndNamesTheReason)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    RealFilesDesktop desktop;
    WindowManager windows;
    RegisterWindows(windows, desktop);
    auto& main = *windows.show<Form1>();
    main.Text1.setText("70");
    main.Image1.click();
    auto& planner = *windows.find<Form7>();
    for (int row = 0; row < 40; ++row) {
        planner.Combo1.choose(row);
        planner.Image5.click();
    }
    planner.kopi.click();
    const std::string report = QGuiApplication::clipboard()->text().toStdString();
    ASSERT_EQ(report, planner.Text2.text());
    ASSERT_GT(report.size(), 2000u);

    // A new file, then the same file replaced.
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    desktop.answer = {path.toStdString(), 3};
    planner.spr.click();
    EXPECT_EQ(contentsOf(path), report);
    writeText(path, "old");
    planner.spr.click();
    EXPECT_EQ(contentsOf(path), report);

    // A write that fails half-way leaves the old file whole, and no half-written file beside it.
    writeText(path, "old");
    {
        const FileSizeLimit limit(1000);
        planner.spr.click();
    }
    EXPECT_EQ(contentsOf(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("report.txt")});
    // A folder that cannot exist: the file under a file.
    desktop.answer = {(path + QStringLiteral("/report.csv")).toStdString(), 1};
    planner.spr.click();
    EXPECT_EQ(contentsOf(path), "old");
    ASSERT_EQ(desktop.prompts.size(), 2u);
    for (const std::string& prompt : desktop.prompts) {
        EXPECT_EQ(prompt.rfind("The report could not be saved to\r\n" + path.toStdString(), 0), 0u) << prompt;
        EXPECT_GT(prompt.size(), prompt.rfind("\r\n") + 2) << "a reason follows: " << prompt;
    }
}

// The one real save dialog: a name typed without an extension gets the chosen type's.
TEST(QtDesktopServicesFiles, TheSaveDialogAddsTheChosenTypesExtension)
{
    QtDesktopServices desktop;
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        seen = true;
        dialog->selectNameFilter(dialog->nameFilters().value(1));
        emit dialog->filterSelected(dialog->nameFilters().value(1));
        // Typed into the name box: selectFile leaves a box that holds the focus as it is.
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(QStringLiteral("smoke"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    poll.start(20);
    const auto chosen =
        desktop.chooseFileToSave("Save Report", "Physical activities",
                                 {{"OpenDocument text", "odt"}, {"CSV, for spreadsheets", "csv"}});
    EXPECT_TRUE(seen);
    EXPECT_EQ(chosen.type, 1);
    EXPECT_TRUE(QString::fromStdString(chosen.path).endsWith(QStringLiteral("/smoke.csv"))) << chosen.path;
}

} // namespace
} // namespace movesta
