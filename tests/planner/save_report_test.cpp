// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The report as a table: the clipboard's HTML flavour, and the files of Save Report...

#include "planner_session.h"
#include "support/snapshot.h"

namespace movesta::testing {
namespace {

const std::string kTypedName = "Dance \"Kolo\", with <friends> & me"; // typed into Combo1, then added

class SaveReport : public PlannerSession {
protected:
    // Three catalogue rows, one typed name; the table forms show names without trailing blanks.
    Form7& withRows()
    {
        Form7& p = open("70");
        add(p, kJogging, "1", "30");
        add(p, kFarmingWithBlank, "0", "45");
        p.Combo1.choose(kBowling);
        addTyped(p, kTypedName + "  ");
        return p;
    }
    // Names typed into the activity box and added with the last activity's factors.
    void addTyped(Form7& p, const std::string& name)
    {
        Type(p.Combo1, std::string(p.Combo1.text().size(), '\b') + name);
        p.Image5.click();
    }
};

TEST_F(SaveReport, TheClipboardHoldsTheTextAndAnHtmlTableOfTheSameRowsAndTotals)
{
    Form7& p = withRows();
    p.kopi.click();
    EXPECT_EQ(desktop.clipboardLog, (std::vector<std::string>{"clear", "set:" + p.Text2.text()}));
    EXPECT_EQ(p.Text2.text(), CommittedFile("report.txt", p.Text2.text()));
    EXPECT_EQ(desktop.clipboardHtml, CommittedFile("report.html", desktop.clipboardHtml));
}

TEST_F(SaveReport, EachTypeIsWrittenByTheChosenTypeOrTheTypedExtensionAndReadsBack)
{
    Form7& p = withRows();
    p.kopi.click();
    const std::string text = desktop.clipboard;
    const std::string html = desktop.clipboardHtml;
    using Format = DesktopServices::DocumentFormat;
    const struct {
        const char* chosen;
        int type; // odt, csv, html, txt, pdf
        const char* written;
        const char* kind;
    } cases[] = {
        {"/r/report.odt", 0, "/r/report.odt", "odt"},  {"/r/report", 1, "/r/report.csv", "csv"},
        {"/r/report.HTM", 0, "/r/report.HTM", "html"}, {"/r/v1.2/report", 2, "/r/v1.2/report.html", "html"},
        {"/r/report.txt", 0, "/r/report.txt", "txt"},  {"/r/report.data", 3, "/r/report.data.txt", "txt"},
        {"/r/.odt", 1, "/r/.odt.csv", "csv"},          {"/r/report.pdf", 0, "/r/report.pdf", "pdf"},
        {"/r/report", 4, "/r/report.pdf", "pdf"},      {"/r/report.v2", 0, "/r/report.v2.odt", "odt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        desktop.files.clear();
        desktop.documents.clear();
        desktop.expectSaveDialog(c.chosen, c.type);
        p.spr.click();
        ASSERT_EQ(desktop.files.size(), 1u);
        const std::string kind = c.kind;
        if (kind == "odt" || kind == "pdf") {
            ASSERT_EQ(desktop.documents.count(c.written), 1u);
            EXPECT_EQ(desktop.documents[c.written].format,
                      kind == "pdf" ? Format::Pdf : Format::OpenDocument);
            EXPECT_EQ(desktop.documents[c.written].text, text); // the same report, laid out on pages
            continue;
        }
        const std::string& file = desktop.files[c.written];
        EXPECT_EQ(file, kind == "txt" ? text : kind == "html" ? html : CommittedFile("report.csv", file));
    }
    // The dialog offered the five types, the document first, under the report's name.
    ASSERT_EQ(desktop.saveDialogs.size(), std::size(cases));
    EXPECT_EQ(desktop.saveDialogs[0].title, "Save Report");
    EXPECT_EQ(desktop.saveDialogs[0].suggestedName, "Physical activities");
    std::vector<std::string> extensions;
    for (const auto& type : desktop.saveDialogs[0].types)
        extensions.push_back(type.extension);
    EXPECT_EQ(extensions, (std::vector<std::string>{"odt", "csv", "html", "txt", "pdf"}));
    // CSV quotes the fields that hold commas or quotes, and only those.
    const std::string csv = desktop.files.empty() ? "" : desktop.files.begin()->second;
    desktop.expectSaveDialog("/r/quoted.csv");
    p.spr.click();
    EXPECT_NE(desktop.files["/r/quoted.csv"].find(
                  "\r\n\"Dance \"\"Kolo\"\", with <friends> & me\",0,45,\"682,5\",\"162,8\"\r\n"),
              std::string::npos);
    EXPECT_NE(desktop.files["/r/quoted.csv"].find("\r\nTotal,3,0,\"5460,0\",\"1176,1\"\r\n"),
              std::string::npos);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SaveReport, CancellingWritesNothingAndAFailureNamesTheFileAndTheReason)
{
    Form7& p = withRows();
    desktop.expectSaveDialog("");
    p.spr.click();
    EXPECT_TRUE(desktop.files.empty());
    EXPECT_TRUE(desktop.messages.empty());

    desktop.writeFailure = "Permission denied";
    desktop.expectSaveDialog("/read-only/report.odt");
    desktop.expectMessage(kAnswerOk);
    p.spr.click();
    EXPECT_TRUE(desktop.files.empty());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].prompt,
              "The report could not be saved to\r\n/read-only/report.odt\r\nPermission denied");
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(desktop.messages[0].buttons, MessageButtons::Ok);
}

TEST_F(SaveReport, ANameWhoseExtensionWasAddedIsReplacedOnlyWhenThePersonSaysSo)
{
    Form7& p = withRows();
    desktop.files["/r/report.data.txt"] = "kept";
    for (const int answer : {kAnswerNo, kAnswerYes}) {
        desktop.expectSaveDialog("/r/report.data", 3);
        desktop.expectMessage(answer);
        p.spr.click();
    }
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0].prompt, "/r/report.data.txt already exists.\r\nDo you want to replace it?");
    EXPECT_EQ(desktop.messages[0].buttons, MessageButtons::YesNo);
    p.kopi.click();
    EXPECT_EQ(desktop.files["/r/report.data.txt"], desktop.clipboard); // kept after No, replaced after Yes
}

TEST_F(SaveReport, ACsvNameThatASpreadsheetWouldRunIsWrittenAsTextWhileTheNumbersStayNumbers)
{
    Form7& p = open("70");
    add(p, kJogging, "1", "30");
    for (const char* name : {"=HYPERLINK(\"x\")", "+1+1", "-2", "@SUM(1)"})
        addTyped(p, name);
    desktop.expectSaveDialog("/r/formulas.csv");
    p.spr.click();
    const std::string& csv = desktop.files["/r/formulas.csv"];
    EXPECT_EQ(csv, CommittedFile("report_formulas.csv", csv));
}

TEST_F(SaveReport, PrintingPrintsTheSameReportAndAFailureSaysWhy)
{
    Form7& p = withRows();
    p.kopi.click();
    p.isp.click();
    EXPECT_EQ(desktop.printed, std::vector<std::string>{desktop.clipboard});
    desktop.writeFailure = "The report could not be printed on the printer \"Office\".";
    desktop.expectMessage(kAnswerOk);
    p.isp.click();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].prompt, desktop.writeFailure);
    EXPECT_EQ(desktop.messages[0].title, "Print");
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Critical);
}

TEST_F(SaveReport, AnEmptyListGivesTheReportOfAnEmptyList)
{
    Form7& p = open("70");
    for (const char* path : {"/r/empty.csv", "/r/empty.txt"}) {
        desktop.expectSaveDialog(path);
        p.spr.click();
    }
    EXPECT_EQ(desktop.files["/r/empty.csv"],
              "Physical activity,h,min,kJ,kcal\r\nTotal,0,0,0,0\r\n"
              "Total duration of physical activities,0h:0min,,,\r\n"
              "Total energy expenditure of selected physical activities,0 kcal,,,\r\n");
    p.kopi.click();
    EXPECT_EQ(desktop.files["/r/empty.txt"], desktop.clipboard);
}

} // namespace
} // namespace movesta::testing
