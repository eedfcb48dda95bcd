// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The list of names found while the user types into an editable combo box, shown just under it.
// The focus and the typing stay in the box: while the list shows, Up, Down, Page Up and Page
// Down walk it, Return chooses the entry walked to, Escape closes it; a click chooses an entry.
// Every other key, the window's menu shortcuts among them, goes where it went before.

#include <QListView>

#include <functional>
#include <string>

class QComboBox;
class QLabel;

namespace movesta {

class FindPopup : public QListView {
public:
    // What the window model offers: how many entries, the text of each, and what choosing one
    // and closing the list do there.
    struct Source {
        std::function<int()> count;
        std::function<std::string(int)> text;
        std::function<void(int)> choose;
        std::function<void()> close;
        std::function<std::string()> heading; // over the entries when not empty, for all to read
    };

    // Placed on `surface` (an ancestor of `box`), over the controls below the box.
    FindPopup(QComboBox* box, QWidget* surface, Source source);

    // The entries changed: shows them from the first, or hides the list when there are none.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void walkTo(int row);

    QComboBox* m_box;
    Source m_source;
    class Entries;
    Entries* m_entries;
    QLabel* m_heading;
    double m_scale; // the application font's, for the widths below
};

} // namespace movesta
