// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The report as a table: the clipboard's HTML flavour, and the files of Save Report...

#include <cstdint>
#include <map>
#include <regex>

#include "planner_session.h"

namespace movesta::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;

std::string unescape(std::string text)
{
    const std::pair<const char*, const char*> references[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}};
    for (const auto& [reference, character] : references)
        for (std::size_t at; (at = text.find(reference)) != std::string::npos;)
            text.replace(at, std::string(reference).size(), character);
    return text;
}

// The texts of the rows and cells of markup: `row` and `cell` are patterns with the text as
// their group.
Table cellsOf(const std::string& markup, const std::string& row, const std::string& cell)
{
    Table table;
    const std::regex rowPattern(row), cellPattern(cell);
    for (std::sregex_iterator r(markup.begin(), markup.end(), rowPattern), end; r != end; ++r) {
        const std::string inside = (*r)[1];
        table.emplace_back();
        for (std::sregex_iterator c(inside.begin(), inside.end(), cellPattern); c != end; ++c)
            table.back().push_back(unescape((*c)[1]));
    }
    return table;
}

Table csvRecords(const std::string& csv)
{
    Table records(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        const char c = csv[i];
        if (quoted && c == '"' && i + 1 < csv.size() && csv[i + 1] == '"')
            records.back().back() += csv[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            records.back().emplace_back();
        else if (!quoted && c == '\r' && csv.compare(i, 2, "\r\n") == 0 && ++i)
            records.emplace_back(1);
        else
            records.back().back() += c;
    }
    EXPECT_EQ(records.back(), std::vector<std::string>(1)) << "every record ends in CR LF";
    records.pop_back();
    return records;
}

// The entries of a zip archive of stored entries, in their order, each checked against its
// CRC-32 (computed bit by bit here).
std::vector<std::pair<std::string, std::string>> unzip(const std::string& zip)
{
    const auto number = [&](std::size_t at, int bytes) {
        std::uint32_t value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = (value << 8) | static_cast<std::uint8_t>(zip.at(at + static_cast<std::size_t>(i)));
        return value;
    };
    std::vector<std::pair<std::string, std::string>> entries;
    std::size_t at = 0;
    while (number(at, 4) == 0x04034b50) {
        EXPECT_EQ(number(at + 8, 2), 0u) << "stored";
        const std::uint32_t size = number(at + 18, 4);
        const std::size_t nameLength = number(at + 26, 2), extra = number(at + 28, 2);
        const std::string name = zip.substr(at + 30, nameLength);
        const std::string contents = zip.substr(at + 30 + nameLength + extra, size);
        std::uint32_t crc = 0xFFFFFFFF;
        for (const char c : contents) {
            crc ^= static_cast<std::uint8_t>(c);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
        }
        EXPECT_EQ(number(at + 14, 4), crc ^ 0xFFFFFFFF) << name;
        entries.emplace_back(name, contents);
        at += 30 + nameLength + extra + size;
    }
    // The central directory names as many entries, and the end record closes the archive.
    EXPECT_EQ(number(zip.size() - 22, 4), 0x06054b50u);
    EXPECT_EQ(number(zip.size() - 12, 2), entries.size());
    EXPECT_EQ(number(zip.size() - 6, 4), at);
    return entries;
}

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
        Type(p.Combo1, std::string(p.Combo1.text().size(), '\b') + kTypedName + "  ");
        p.Image5.click();
        return p;
    }
    static Table expectedTable(const Form7& p)
    {
        Table table{{"Physical activity", "h", "min", "kJ", "kcal"}};
        for (const Row& row : rowsOf(p))
            table.push_back(
                {row[0].substr(0, row[0].find_last_not_of(' ') + 1), row[1], row[2], row[3], row[4]});
        const Totals totals = totalsOf(p);
        table.push_back({"Total", totals[0], totals[1], totals[2], totals[3]});
        return table;
    }
    static std::vector<std::string> totalLines(const Form7& p)
    {
        return {"Total duration of physical activities = " + p.Label24.caption() +
                    "h:" + p.Label16.caption() + "min",
                "Total energy expenditure of selected physical activities = " + p.Label21.caption() +
                    " kcal"};
    }
    // The report read back from a saved file as a table and the lines after it.
    static std::pair<Table, std::vector<std::string>> readBack(const std::string& file,
                                                               const std::string& kind)
    {
        if (kind == "html") {
            Table lines = cellsOf(file, "<p>([^<]*)</p>", "(.+)");
            std::vector<std::string> texts;
            for (const auto& line : lines)
                texts.push_back(line.at(0));
            return {cellsOf(file, "<tr>(.*?)</tr>", "<t[hd][^>]*>(.*?)</t[hd]>"), texts};
        }
        if (kind == "csv") {
            Table records = csvRecords(file);
            std::vector<std::string> texts;
            while (records.size() > 1 && records.back()[2].empty()) {
                texts.insert(texts.begin(), records.back()[0] + " = " + records.back()[1]);
                records.pop_back();
            }
            return {records, texts};
        }
        const auto entries = unzip(file);
        EXPECT_EQ(entries.at(0), (std::pair<std::string, std::string>{
                                     "mimetype", "application/vnd.oasis.opendocument.text"}));
        std::map<std::string, std::string> parts(entries.begin(), entries.end());
        EXPECT_NE(parts["META-INF/manifest.xml"].find("manifest:full-path=\"content.xml\""),
                  std::string::npos);
        const std::string& content = parts["content.xml"];
        EXPECT_NE(content.find("<text:h text:outline-level=\"1\">Physical activities</text:h>"),
                  std::string::npos);
        std::vector<std::string> texts;
        for (const auto& line : cellsOf(content, "\n<text:p>(.*?)</text:p>", "^(.*)$"))
            texts.push_back(line.at(0));
        return {cellsOf(content, "<table:table-row>(.*?)</table:table-row>", "<text:p[^>]*>(.*?)</text:p>"),
                texts};
    }
};

TEST_F(SaveReport, TheClipboardHoldsTheTextAndAnHtmlTableOfTheSameRowsAndTotals)
{
    Form7& p = withRows();
    p.kopi.click();
    EXPECT_EQ(desktop.clipboardLog, (std::vector<std::string>{"clear", "set:" + p.Text2.text()}));
    EXPECT_NE(p.Text2.text().find("- Farming, balling hay, cleaning barn, poultry work   - (0h:45min"),
              std::string::npos);
    const auto [table, lines] = readBack(desktop.clipboardHtml, "html");
    EXPECT_EQ(table, expectedTable(p));
    EXPECT_EQ(lines, totalLines(p));
}

TEST_F(SaveReport, EachTypeIsWrittenByTheChosenTypeOrTheTypedExtensionAndReadsBack)
{
    Form7& p = withRows();
    p.kopi.click();
    const std::string text = desktop.clipboard;
    const struct {
        const char* chosen;
        int type; // odt, csv, html, txt
        const char* written;
        const char* kind;
    } cases[] = {
        {"/r/report.odt", 0, "/r/report.odt", "odt"},  {"/r/report", 1, "/r/report.csv", "csv"},
        {"/r/report.HTM", 0, "/r/report.HTM", "html"}, {"/r/v1.2/report", 2, "/r/v1.2/report.html", "html"},
        {"/r/report.txt", 0, "/r/report.txt", "txt"},  {"/r/report.data", 3, "/r/report.data", "txt"},
        {"/r/.odt", 1, "/r/.odt.csv", "csv"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        desktop.files.clear();
        desktop.expectSaveDialog(c.chosen, c.type);
        p.spr.click();
        ASSERT_EQ(desktop.files.size(), 1u);
        const std::string& file = desktop.files[c.written];
        if (std::string(c.kind) == "txt") {
            EXPECT_EQ(file, text);
            continue;
        }
        const auto [table, lines] = readBack(file, c.kind);
        EXPECT_EQ(table, expectedTable(p));
        EXPECT_EQ(lines, totalLines(p));
    }
    // The dialog offered the four types, the document first, under the report's name.
    ASSERT_EQ(desktop.saveDialogs.size(), std::size(cases));
    EXPECT_EQ(desktop.saveDialogs[0].title, "Save Report");
    EXPECT_EQ(desktop.saveDialogs[0].suggestedName, "Physical activities");
    std::vector<std::string> extensions;
    for (const auto& type : desktop.saveDialogs[0].types)
        extensions.push_back(type.extension);
    EXPECT_EQ(extensions, (std::vector<std::string>{"odt", "csv", "html", "txt"}));
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
