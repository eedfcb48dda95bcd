// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "diary/my_activities.h"

#include <algorithm>

#include "core/activity_search.h"
#include "core/catalogue.h"
#include "core/number_rules.h"
#include "planner/form7.h"
#include "platform/desktop_services.h"
#include "platform/window_manager.h"
#include "time_to_burn/form4.h"

namespace movesta {

namespace {

constexpr std::size_t kLongestName = 120;
constexpr double kHighestKilocalories = 30;
constexpr double kHighestKilojoules = 125;
constexpr double kKilojoulesPerKilocalorie = 4.184;
constexpr const char* kTitle = "My Activities";

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Names compared as the search compares them: case and accents ignored, blanks around them too.
bool sameName(std::string_view a, std::string_view b)
{
    return FoldForSearch(trimmed(a)) == FoldForSearch(trimmed(b));
}

} // namespace

ListedActivities::ListedActivities(DiaryStore& store)
{
    std::vector<OwnActivity> own;
    try {
        own = store.ownActivities();
    } catch (const DiaryError&) {
        // Saving to the diary says what is wrong with it; the lists stay the catalogue's.
    }
    const std::size_t rows = kCatalogue.size() + own.size();
    names.reserve(rows);
    kilojoules.reserve(rows);
    kilocalories.reserve(rows);
    for (const CatalogueRow& row : kCatalogue) {
        names.emplace_back(row.name);
        kilojoules.emplace_back(row.kj);
        kilocalories.emplace_back(row.kcal);
    }
    for (OwnActivity& activity : own) {
        names.push_back(std::move(activity.name));
        kilojoules.push_back(std::move(activity.kilojoules));
        kilocalories.push_back(std::move(activity.kilocalories));
        ownIds.push_back(activity.id);
    }
    mark = {.first = static_cast<int>(kCatalogue.size()), .text = kOwnActivityMark};
}

ListedActivities::Kept ListedActivities::keep(int chosen, const std::string& chosenName,
                                              const std::vector<std::int64_t>& before) const
{
    const int own = chosen - static_cast<int>(kCatalogue.size());
    if (own < 0)
        return {.row = chosen, .renamed = false};
    const auto at = own < static_cast<int>(before.size())
                        ? std::find(ownIds.begin(), ownIds.end(), before[static_cast<std::size_t>(own)])
                        : ownIds.end();
    if (at == ownIds.end())
        return {.row = -1, .renamed = false};
    const auto row = kCatalogue.size() + static_cast<std::size_t>(at - ownIds.begin());
    return {.row = static_cast<int>(row), .renamed = names[row] != chosenName};
}

std::string CheckOwnActivityName(const std::string& name, const std::vector<OwnActivity>& others)
{
    const std::string_view shown = trimmed(name);
    if (shown.empty())
        return "Give the activity a name.";
    if (CharacterCount(shown) > kLongestName)
        return "A name can have at most 120 characters.";
    if (std::any_of(shown.begin(), shown.end(), [](char c) { return (c >= 0 && c < 0x20) || c == 0x7F; }))
        return "A name cannot hold line breaks, tabs or other control characters.";
    for (const CatalogueRow& row : kCatalogue)
        if (sameName(row.name, shown))
            return "\"" + std::string(trimmed(row.name)) +
                   "\" is an activity of the catalogue already; give yours another name.";
    for (const OwnActivity& other : others)
        if (sameName(other.name, shown))
            return "\"" + other.name + "\" is one of your activities already; give this one another name.";
    return {};
}

OwnActivityFactors ReadOwnActivityFactor(const std::string& typed, bool inKilocalories)
{
    const auto refused = [](std::string why) {
        return OwnActivityFactors{.kilojoules = {}, .kilocalories = {}, .refusal = std::move(why)};
    };
    const std::string_view text = trimmed(typed);
    if (text.empty())
        return refused("Give the energy factor, in kcal or kJ per kilogram and hour.");
    const std::size_t comma = text.find(',');
    const bool digitsOnly =
        std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == ','; });
    if (!digitsOnly || std::count(text.begin(), text.end(), ',') > 1 || comma == 0 ||
        comma == text.size() - 1)
        return refused("The energy factor can hold only digits and at most one decimal comma, as in 6,5.");
    const double value = ReadDecimalNumber(text);
    if (value <= 0)
        return refused("The energy factor must be greater than 0.");
    if (value > (inKilocalories ? kHighestKilocalories : kHighestKilojoules))
        return refused("The energy factor can be at most 30 kcal or 125 kJ per kilogram and hour.");
    const std::string own = NumberToText(value);
    const std::string other = FormatWithMask(
        inKilocalories ? value * kKilojoulesPerKilocalorie : value / kKilojoulesPerKilocalorie, "0.0");
    // A factor whose other unit rounds to nothing would compute no energy in that unit.
    if (ReadDecimalNumber(other) == 0)
        return refused(std::string("The energy factor is too small: in ") + (inKilocalories ? "kJ" : "kcal") +
                       " it would be 0,0 per kilogram and hour.");
    return inKilocalories ? OwnActivityFactors{.kilojoules = other, .kilocalories = own, .refusal = {}}
                          : OwnActivityFactors{.kilojoules = own, .kilocalories = other, .refusal = {}};
}

MyActivities::MyActivities(DesktopServices& desktop, WindowManager& windows, DiaryStore& store)
    : Window(desktop, kTitle)
    , m_windows(windows)
    , m_store(store)
{
    ListCaption.setCaption("My activities:");
    KilojoulesCaption.setCaption("kJ");
    KilocaloriesCaption.setCaption("kcal");
    NameCaption.setCaption("Name:");
    FactorCaption.setCaption("Energy factor per kilogram and hour:");
    InKilocalories.joinGroup({&InKilocalories, &InKilojoules});
    InKilojoules.joinGroup({&InKilocalories, &InKilojoules});
    InKilocalories.select();

    Names.onClick = [this] { Names_Click(); };
    for (ListBox* column : {&Kilojoules, &Kilocalories})
        column->onClick = [this, column] { Names.setListIndex(column->listIndex()); };
    Add.onClick = [this] { Add_Click(); };
    Rename.onClick = [this] { Rename_Click(); };
    Delete.onClick = [this] { Delete_Click(); };
}

void MyActivities::Form_Load()
{
    change({});
}

void MyActivities::ShowActivities()
{
    std::vector<std::string> names, kj, kcal;
    for (const OwnActivity& activity : m_activities) {
        names.push_back(activity.name);
        kj.push_back(activity.kilojoules);
        kcal.push_back(activity.kilocalories);
    }
    Names.setItems(std::move(names));
    Kilojoules.setItems(std::move(kj));
    Kilocalories.setItems(std::move(kcal));
}

bool MyActivities::change(const std::function<void()>& step)
{
    try {
        if (step)
            step();
        m_activities = m_store.ownActivities();
    } catch (const DiaryError& error) {
        desktop().messageBox(error.what(), MessageButtons::Ok, MessageIcon::Critical, kTitle);
        return false;
    }
    ShowActivities();
    if (step) {
        if (Form7* planner = m_windows.find<Form7>())
            planner->ShowOwnActivities();
        if (Form4* timeToBurn = m_windows.find<Form4>())
            timeToBurn->ShowOwnActivities();
    }
    return true;
}

void MyActivities::refuse(const std::string& message)
{
    desktop().messageBox(message, MessageButtons::Ok, MessageIcon::None, kTitle);
}

void MyActivities::Names_Click()
{
    const int row = Names.listIndex();
    Kilojoules.setListIndex(row);
    Kilocalories.setListIndex(row);
    if (row >= 0)
        Name.setText(Names.item(row));
}

void MyActivities::Add_Click()
{
    if (const std::string refusal = CheckOwnActivityName(Name.text(), m_activities); !refusal.empty())
        return refuse(refusal);
    const OwnActivityFactors factors = ReadOwnActivityFactor(Factor.text(), InKilocalories.value());
    if (!factors.refusal.empty())
        return refuse(factors.refusal);
    const OwnActivity added{.id = 0,
                            .name = std::string(trimmed(Name.text())),
                            .kilojoules = factors.kilojoules,
                            .kilocalories = factors.kilocalories};
    if (change([&] { m_store.addOwnActivity(added); })) {
        Name.setText("");
        Factor.setText("");
    }
}

void MyActivities::Rename_Click()
{
    const int row = Names.listIndex();
    if (row < 0)
        return refuse("Choose the activity to rename first.");
    const OwnActivity& chosen = m_activities[static_cast<std::size_t>(row)];
    std::vector<OwnActivity> others = m_activities;
    others.erase(others.begin() + row);
    if (const std::string refusal = CheckOwnActivityName(Name.text(), others); !refusal.empty())
        return refuse(refusal);
    const std::int64_t id = chosen.id;
    const std::string name(trimmed(Name.text()));
    change([&] { m_store.renameOwnActivity(id, name); });
}

void MyActivities::Delete_Click()
{
    const int row = Names.listIndex();
    if (row < 0)
        return refuse("Choose the activity to delete first.");
    const OwnActivity chosen = m_activities[static_cast<std::size_t>(row)];
    if (desktop().messageBox("Delete your activity \"" + chosen.name +
                                 "\"? Diary entries that used it keep their texts.",
                             MessageButtons::YesNo, MessageIcon::None, kTitle) != kAnswerYes)
        return;
    if (change([&] { m_store.deleteOwnActivity(chosen.id); }))
        Name.setText("");
}

} // namespace movesta
