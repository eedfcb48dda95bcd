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
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <regex>

#include "core/catalogue.h"
#include "core/text.h"
#include "e2e_support.h"
#include "planner/form7.h"
#include "platform/qt/qt_desktop_services.h"
#include "platform/qt/report_document.h"
#include "support/files.h"
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
    QString printedFile; // the print dialog's choice: printing to this PDF file
    std::vector<std::string> prompts;
    std::string printReport(const PlannerReport& report) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printedFile);
        return PrintReport(printer, report);
    }
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

void writeText(const QString& path, const char* text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// The real program with the services above and the planner opened at 70 kg, holding `rows` rows
// spread over the catalogue, with durations of 0 to 2 hours.
struct ProgramWithRows {
    RealFilesDesktop desktop;
    testing::TemporaryDiary diary;
    WindowManager windows;
    Form7* planner = nullptr;
    explicit ProgramWithRows(int rows)
    {
        RegisterWindows(windows, desktop, diary.store);
        auto& main = *windows.show<Form1>();
        main.Text1.setText("70");
        main.Image1.click();
        planner = windows.find<Form7>();
        for (int row = 0; row < rows; ++row) {
            planner->Combo1.choose(row * 37 % static_cast<int>(kCatalogue.size()));
            planner->Combo4.setText(std::to_string(row % 3));
            planner->Image5.click();
        }
    }
};

TEST(QtDesktopServicesFiles, SaveReportWritesWholeFilesOrLeavesTheOldOneAndNamesTheReason)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ProgramWithRows program(40);
    RealFilesDesktop& desktop = program.desktop;
    Form7& planner = *program.planner;
    planner.kopi.click();
    const std::string report = QGuiApplication::clipboard()->text().toStdString();
    ASSERT_EQ(report, planner.Text2.text());
    ASSERT_GT(report.size(), 2000u);

    // A new file, then the same file replaced.
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    desktop.answer = {path.toStdString(), 3};
    planner.spr.click();
    EXPECT_EQ(testing::FileContents(path.toStdString()), report);
    writeText(path, "old");
    planner.spr.click();
    EXPECT_EQ(testing::FileContents(path.toStdString()), report);

    // A write that fails half-way leaves the old file whole, and no half-written file beside it.
    writeText(path, "old");
    {
        const testing::FileSizeLimit limit(1000);
        planner.spr.click();
    }
    EXPECT_EQ(testing::FileContents(path.toStdString()), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("report.txt")});
    // A folder that cannot exist: the file under a file.
    desktop.answer = {(path + QStringLiteral("/report.csv")).toStdString(), 1};
    planner.spr.click();
    EXPECT_EQ(testing::FileContents(path.toStdString()), "old");
    ASSERT_EQ(desktop.prompts.size(), 2u);
    for (const std::string& prompt : desktop.prompts) {
        EXPECT_EQ(prompt.rfind("The report could not be saved to\r\n" + path.toStdString(), 0), 0u) << prompt;
        EXPECT_GT(prompt.size(), prompt.rfind("\r\n") + 2) << "a reason follows: " << prompt;
    }
}

// What Debian's own tools read of a file: pdftotext's text of a PDF (pages end in a form feed),
// unzip's of a part of an OpenDocument file.
std::string readWith(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": "
                                     << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput().toStdString();
}

// Blanks and line breaks as single blanks (a long name wraps in its cell), and the ligatures
// that a PDF's text gives for "ff", "fi" and "fl" as their letters.
std::string joined(std::string text)
{
    for (const auto& [ligature, letters] : {std::pair{"\uFB00", "ff"},
                                            {"\uFB01", "fi"},
                                            {"\uFB02", "fl"},
                                            {"\uFB03", "ffi"},
                                            {"\uFB04", "ffl"}})
        for (std::size_t at; (at = text.find(ligature)) != std::string::npos;)
            text.replace(at, std::string_view(ligature).size(), letters);
    std::string out;
    for (const char c : text)
        if (c != ' ' && c != '\n' && c != '\r')
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    return out;
}

std::string squeezed(std::string text)
{
    std::erase(text, ' ');
    return text;
}

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// A saved PDF, a printed one and an OpenDocument text of 3 rows and of 300 (over several pages,
// the column headings on each) hold every row and total; a document that cannot be written names
// its file. MOVESTA_KEEP_DOCUMENTS=DIR keeps the files there (the README's pictures).
TEST(QtDesktopServicesFiles, PdfPrintAndOpenDocumentHoldEveryRowAndTotal)
{
    QTemporaryDir temporary;
    const QString kept = qEnvironmentVariable("MOVESTA_KEEP_DOCUMENTS");
    const QDir dir(kept.isEmpty() ? temporary.path() : kept);
    for (const int rows : {3, 300}) {
        SCOPED_TRACE(rows);
        ProgramWithRows program(rows);
        RealFilesDesktop& desktop = program.desktop;
        Form7& planner = *program.planner;
        const QString name = QStringLiteral("report_%1_rows").arg(rows);
        for (const char* extension : {".pdf", ".odt"}) {
            desktop.answer = {dir.filePath(name + QLatin1String(extension)).toStdString(), 0};
            planner.spr.click();
        }
        desktop.printedFile = dir.filePath(name + QStringLiteral("_printed.pdf"));
        planner.isp.click();
        ASSERT_TRUE(desktop.prompts.empty()) << desktop.prompts.front();

        const std::string content = readWith(
            QStringLiteral("unzip"), {QStringLiteral("-p"), dir.filePath(name + QStringLiteral(".odt")),
                                      QStringLiteral("content.xml")});
        const std::vector<std::string> lines{
            "Total duration of physical activities = " + planner.Label24.caption() +
                "h:" + planner.Label16.caption() + "min",
            "Total energy expenditure of selected physical activities = " + planner.Label21.caption() +
                " kcal"};
        for (int row = 0; row < rows; ++row)
            EXPECT_NE(content.find(Markup(WithoutTrailingBlanks(planner.List1.item(row)))),
                      std::string::npos);
        for (const std::string& line : lines)
            EXPECT_NE(content.find(Markup(line)), std::string::npos) << line;
        for (const QString& pdf : {dir.filePath(name + QStringLiteral(".pdf")), desktop.printedFile}) {
            SCOPED_TRACE(pdf.toStdString());
            const std::string text =
                readWith(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
            const std::size_t pages = occurrences(text, "\f");
            EXPECT_EQ(pages > 1, rows == 300) << pages;
            EXPECT_EQ(occurrences(text, "Physical activity\nh\nmin\nkJ\nkcal\n") +
                          occurrences(text, "Physical activity h min kJ kcal\n"),
                      pages);
            // Without the page numbers, the headings repeated and the blanks (a name wraps at a blank or
            // a slash): a row that a page break cut reads as its name's first lines, its numbers, the rest.
            const std::string all = squeezed(std::regex_replace(
                joined(text), std::regex(" [0-9]+ \f(Physical activity h min kJ kcal)?"), ""));
            for (int row = 0; row < rows; ++row) {
                const std::string activity =
                    squeezed(std::string(WithoutTrailingBlanks(planner.List1.item(row))));
                const std::string numbers = planner.List2.item(row) + planner.List5.item(row) +
                                            planner.List3.item(row) + planner.List4.item(row);
                bool found = all.find(activity + numbers) != std::string::npos;
                for (std::size_t cut = 1; !found && cut < activity.size(); ++cut)
                    found = all.find(activity.substr(0, cut) + numbers + activity.substr(cut)) !=
                            std::string::npos;
                EXPECT_TRUE(found) << activity;
            }
            EXPECT_NE(all.find("Total" + planner.Label24.caption() + planner.Label16.caption() +
                               planner.Label18.caption() + planner.Label21.caption()),
                      std::string::npos);
            for (const std::string& line : lines)
                EXPECT_NE(all.find(squeezed(line)), std::string::npos) << line;
        }
        if (rows == 3) {
            // Written where no folder can be, neither document is written, and each failure says where.
            const QString nowhere = dir.filePath(QStringLiteral("report_3_rows.pdf/report"));
            desktop.answer = {(nowhere + QStringLiteral(".odt")).toStdString(), 0};
            planner.spr.click();
            desktop.printedFile = nowhere + QStringLiteral(".pdf");
            planner.isp.click();
            ASSERT_EQ(desktop.prompts.size(), 2u);
            EXPECT_EQ(desktop.prompts[0].rfind(
                          "The report could not be saved to\r\n" + nowhere.toStdString() + ".odt\r\n", 0),
                      0u)
                << desktop.prompts[0];
            EXPECT_EQ(desktop.prompts[1],
                      "The report could not be printed on the file " + nowhere.toStdString() + ".pdf.");
        }
    }
}

// The one real print dialog: cancelled, nothing printed and nothing to report.
TEST(QtDesktopServicesFiles, ThePrintDialogOpensAndCancelsQuietly)
{
    QtDesktopServices desktop;
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            poll.stop();
            seen = true;
            dialog->reject();
        }
    });
    poll.start(20);
    PlannerReport report;
    report.heading = "Physical activities";
    EXPECT_EQ(desktop.printReport(report), "");
    EXPECT_TRUE(seen);
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
