// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The product page that ships with the program: what the two calculators do and how they
// compute, worked examples, the keyboard, and the whole activity catalogue. It is rendered at
// build time from the program's own table, and its examples and shortcuts from sessions with the
// program's windows, so the page can never state other factors, results or keys than the program
// has. The page is one self-contained HTML file: inline style, pictures as data addresses, no
// script, no outside resource.

#include <string>
#include <string_view>
#include <vector>

namespace movesta {

// SVG texts embedded in the page; an empty one is left out.
struct ProductPagePictures {
    std::string_view icon;       // the program's icon, in the page header
    std::string_view planner;    // beside the planner's description
    std::string_view timeToBurn; // beside the time-to-burn calculator's description
};

// The whole page. `version` is shown in its header and footer. Throws SessionError when a
// worked example or a menu command cannot be read from the windows.
std::string RenderProductPage(std::string_view version, const ProductPagePictures& pictures);

// A page of its own beside the product page for each window's part, which sends the browser on to
// that part ("help-planner.html" to "index.html#planner"). F1 opens these: desktops hand a browser
// a local file by its path, which loses what follows a '#'.
struct HelpPage {
    std::string file; // its name, beside index.html
    std::string html;
};
std::vector<HelpPage> RenderHelpPages();

} // namespace movesta
