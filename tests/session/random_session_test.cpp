// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "core/number_rules.h"
#include "support/headless_program.h"

namespace movesta {
namespace {

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

// A long random session over the three windows: typing and pasting anything anywhere,
// choosing, adding, selecting, deleting, answering at random, closing and reopening.
class Session {
public:
    explicit Session(unsigned seed)
        : m_random(seed)
    {
        m_program.desktop.answerAll([this](const testing::MessageCall& call) {
            m_lastAnswer = kAnswerOk;
            if (call.buttons == MessageButtons::YesNo)
                m_lastAnswer = pick(2) == 0 ? kAnswerYes : kAnswerNo;
            return m_lastAnswer;
        });
    }

    void step()
    {
        switch (pick(4)) {
        case 0:
            mainWindowAction();
            break;
        case 1:
        case 2:
            if (auto* planner = findPlanner())
                plannerAction(*planner);
            else
                main().Image1.click();
            break;
        default:
            if (auto* burn = findTimeToBurn())
                timeToBurnAction(*burn);
            else
                main().Image3.click();
            break;
        }
        m_program.windows.destroyUnloaded();
        check();
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    Form1& main() { return m_program.main; }
    Form7* findPlanner() { return m_program.planner(); }
    Form4* findTimeToBurn() { return m_program.timeToBurn(); }

    // What a user can get into a box: typed digits, pasted junk of every kind.
    std::string anyText()
    {
        static const std::vector<std::string> tricky{"",
                                                     "-",
                                                     ",",
                                                     ".",
                                                     "1e308",
                                                     "999999999999999999999",
                                                     "70,",
                                                     ",5",
                                                     "-0",
                                                     "0",
                                                     "800",
                                                     "801",
                                                     "90",
                                                     "12345",
                                                     "9999",
                                                     "7 0",
                                                     "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9",
                                                     "\x01\x02\x7F",
                                                     "NaN",
                                                     "inf",
                                                     "0,5",
                                                     "-15",
                                                     "1.5",
                                                     "  60  ",
                                                     std::string(400, '9')};
        switch (pick(6)) {
        case 0:
            return tricky[static_cast<std::size_t>(pick(static_cast<int>(tricky.size())))];
        case 1: {
            std::string bytes(static_cast<std::size_t>(pick(12)), ' ');
            for (char& c : bytes)
                c = static_cast<char>(pick(256));
            return bytes;
        }
        case 2:
            if (pick(400) == 0) // rarely: a pasted megabyte
                return std::string(1 << 20, static_cast<char>('0' + pick(10)));
            [[fallthrough]];
        default:
            return std::to_string(pick(pick(2) ? 1000 : 100));
        }
    }

    // What a user puts into a box: pasted whole, or typed key by key (short: pasting brings the
    // long texts).
    void enter(TextBox& box)
    {
        if (pick(2) == 0)
            box.setText(anyText());
        else
            testing::Type(box, anyText().substr(0, 40));
    }

    void mainWindowAction()
    {
        Form1& f = main();
        switch (pick(5)) {
        case 0:
        case 1:
            enter(f.Text1);
            break;
        case 2:
            (pick(2) ? f.Option1 : f.Option2).select();
            break;
        case 3:
            f.Image2.click();
            break;
        default:
            (pick(2) ? f.Image1 : f.Image3).click();
            break;
        }
    }

    void plannerAction(Form7& f)
    {
        ListBox* lists[] = {&f.List1, &f.List2, &f.List3, &f.List4, &f.List5};
        switch (pick(16)) {
        case 0:
        case 1:
            enter(f.Text1);
            break;
        case 2:
        case 3:
            f.Combo1.choose(pick(static_cast<int>(kCatalogueRows)));
            break;
        case 4:
            f.Combo1.setText(anyText());
            break;
        case 5:
            f.Combo4.choose(pick(13));
            break;
        case 6:
            f.Combo5.choose(pick(12));
            break;
        case 7:
            (pick(2) ? f.Combo4 : f.Combo5).setText(anyText());
            break;
        case 8:
        case 9:
        case 10: {
            // Fractional durations are rounded in the row but not in the totals.
            static const std::regex plain(" *[0-9]{1,4} *");
            const bool whole =
                std::regex_match(f.Combo4.text(), plain) && std::regex_match(f.Combo5.text(), plain);
            const int before = f.List1.listCount();
            f.Image5.click();
            if (f.List1.listCount() > before) {
                m_durationsExact = m_durationsExact && whole;
                // Each add rounds its running sum to a tenth, at 15 significant digits.
                for (int i : {0, 1}) {
                    const Label& total = i == 0 ? f.Label18 : f.Label21;
                    m_energySlack[i] += 0.05 + 1e-14 * std::fabs(ReadDecimalNumber(total.caption()));
                }
            }
            break;
        }
        case 11:
            if (f.List1.listCount() > 0)
                lists[pick(5)]->setListIndex(pick(f.List1.listCount()));
            break;
        case 12:
            pick(2) ? f.br_p.click() : f.Image3.click();
            break;
        case 13:
            if (pick(8) == 0) {
                pick(2) ? f.br_s.click() : f.Image2.click();
                // Answered Yes, Delete All sets every total to 0; answered No, it changes nothing,
                // and what the totals held beyond the rows stays.
                if (m_lastAnswer == kAnswerYes)
                    resetTotalsModel();
            }
            break;
        case 14:
            pick(2) ? f.kopi.click() : f.Image7.click();
            break;
        default:
            if (pick(10) == 0) {
                pick(2) ? f.izl.click() : f.Image4.click();
                resetTotalsModel(); // the next opening starts afresh
            }
            break;
        }
    }

    void timeToBurnAction(Form4& f)
    {
        switch (pick(6)) {
        case 0:
            enter(f.Text1);
            break;
        case 1:
        case 2:
            enter(f.Text2);
            break;
        case 3:
        case 4:
            f.List1.setListIndex(pick(static_cast<int>(kCatalogueRows)));
            break;
        default:
            if (pick(6) == 0)
                f.Image2.click();
            break;
        }
    }

    // The number notation: an optional minus, digits, and a comma with digits.
    static bool isNumberText(std::string_view text)
    {
        if (!text.empty() && text.front() == '-')
            text.remove_prefix(1);
        const auto comma = text.find(',');
        const auto digits = [](std::string_view part) {
            return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
        };
        return digits(text.substr(0, comma)) &&
               (comma == std::string_view::npos || digits(text.substr(comma + 1)));
    }

    void check()
    {
        ++m_steps;
        ASSERT_TRUE(isNumberText(main().Text2.text())) << main().Text2.text().substr(0, 40);
        if (Form4* f = findTimeToBurn()) {
            ASSERT_LE(CharacterCount(f->Text1.text()), 3u);
        }
        Form7* f = findPlanner();
        if (!f)
            return;
        const int rows = f->List1.listCount();
        for (const ListBox* list : {&f->List2, &f->List3, &f->List4, &f->List5}) {
            ASSERT_EQ(list->listCount(), rows);
        }
        ASSERT_LE(CharacterCount(f->Text1.text()), 3u);
        for (const Label* total : {&f->Label24, &f->Label16, &f->Label18, &f->Label21})
            ASSERT_TRUE(isNumberText(total->caption())) << total->name() << " " << total->caption();
        const double minutes = ReadDecimalNumber(f->Label16.caption());
        ASSERT_TRUE(minutes >= 0 && minutes < 60) << f->Label16.caption();
        // The whole table is checked now and then, the newest row always.
        if (m_steps % 64 != 0 && rows > 0) {
            for (const ListBox* list : {&f->List2, &f->List5, &f->List3, &f->List4})
                ASSERT_TRUE(isNumberText(list->item(rows - 1))) << list->name();
            return;
        }
        double rowMinutes = 0;
        double rowEnergy[2] = {0, 0};
        for (int i = 0; i < rows; ++i) {
            for (const ListBox* list : {&f->List2, &f->List5, &f->List3, &f->List4})
                ASSERT_TRUE(isNumberText(list->item(i))) << list->name() << " " << list->item(i);
            rowMinutes += 60 * ReadDecimalNumber(f->List2.item(i)) + ReadDecimalNumber(f->List5.item(i));
            rowEnergy[0] += ReadDecimalNumber(f->List3.item(i));
            rowEnergy[1] += ReadDecimalNumber(f->List4.item(i));
        }
        // Rows added with whole durations sum exactly to the duration totals. The energy totals
        // are running sums rounded at every add, and a deletion takes the row's rounded value
        // off: they stay within a twentieth per add of the rows' sum.
        if (m_durationsExact) {
            ASSERT_EQ(60 * ReadDecimalNumber(f->Label24.caption()) + minutes, rowMinutes);
        }
        const Label* energyTotals[] = {&f->Label18, &f->Label21};
        for (int i : {0, 1}) {
            const double total = ReadDecimalNumber(energyTotals[i]->caption());
            ASSERT_LE(std::fabs(total - rowEnergy[i]), m_energySlack[i] + 1e-9 * std::fabs(rowEnergy[i]))
                << energyTotals[i]->name() << " " << energyTotals[i]->caption() << " rows " << rowEnergy[i];
        }
    }

    void resetTotalsModel()
    {
        m_durationsExact = true;
        m_energySlack[0] = m_energySlack[1] = 0;
    }

    std::mt19937 m_random;
    testing::HeadlessProgram m_program;
    int m_lastAnswer = kAnswerOk;
    // What the totals may hold beyond the sum of the rows since they last started from 0.
    bool m_durationsExact = true;
    double m_energySlack[2] = {0, 0};

public:
    long m_steps = 0;
};

// Seeds and length come from MOVESTA_SESSION_SEEDS ("1-100" or "3,7,9") and
// MOVESTA_SESSION_ACTIONS, so that a long run is one command; by default a handful of seeds.
std::vector<unsigned> sessionSeeds()
{
    const char* text = std::getenv("MOVESTA_SESSION_SEEDS");
    std::vector<unsigned> seeds;
    for (std::string part : text ? split(text, ',') : std::vector<std::string>{"1-4"}) {
        const auto dash = part.find('-');
        const unsigned first = static_cast<unsigned>(std::stoul(part.substr(0, dash)));
        const unsigned last =
            dash == std::string::npos ? first : static_cast<unsigned>(std::stoul(part.substr(dash + 1)));
        for (unsigned seed = first; seed <= last; ++seed)
            seeds.push_back(seed);
    }
    return seeds;
}

TEST(RandomSession, ThreeWindowsSurviveAnythingAndKeepTheirInvariants)
{
    const char* actionsText = std::getenv("MOVESTA_SESSION_ACTIONS");
    const long actions = actionsText ? std::stol(actionsText) : 8000;
    const std::vector<unsigned> seeds = sessionSeeds();
    const auto start = std::chrono::steady_clock::now();
    long steps = 0;
    for (unsigned seed : seeds) {
        Session session(seed);
        for (long i = 0; i < actions && !::testing::Test::HasFatalFailure(); ++i)
            session.step();
        steps += session.m_steps;
        ASSERT_FALSE(::testing::Test::HasFatalFailure()) << "seed " << seed << ", action " << session.m_steps;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("random session: %ld user actions over %zu seeds (%u to %u), %.1f s\n", steps, seeds.size(),
                seeds.front(), seeds.back(), seconds);
}

} // namespace
} // namespace movesta
