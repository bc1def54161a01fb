#pragma once

#include <QString>

#include <span>

// The fixed pages the link commands open, one row each, and the four sites they live on.
// The main window builds its results pictures' hints and its Internet submenu from these
// rows, in table order.

enum class Site { Results, Statistics, Zodiac, Portal };

// Where a link's control sits: a game panel's results picture, or an entry of File, Internet.
enum class LinkPlace { ResultsPicture, InternetMenu };

struct LinkRow
{
    const char *handler; // the main window's handler that opens it
    const char *control; // the picture or menu entry it belongs to
    const char *text;    // the picture's hover hint or the menu entry's caption (translated)
    LinkPlace place;
    Site site;
    const char *path; // appended to the site's base address; empty for its home page
};

// Base addresses: scheme and host, no trailing slash.
struct SiteAddresses
{
    QString results;
    QString statistics;
    QString zodiac;
    QString portal;
    // The browser's Search button (its Home button opens the results site's home page).
    QString search;
};

namespace LinkTable {
// Every row: the results pictures in game order, then File, Internet from top to bottom.
std::span<const LinkRow> rows();

// The row of a control ("imglotto649", "mnuFileInternetZodiac"), or nullptr.
const LinkRow *find(const char *control);
// The row a handler ("imglotto649_Click") opens, or nullptr.
const LinkRow *byHandler(const char *handler);

// The row's text in the user's language.
QString caption(const LinkRow &row);

// The sites as the program ships them. The main window uses them unless it is given others
// (WindowHooks::linkSites).
SiteAddresses builtInSites();
QString baseAddress(const SiteAddresses &sites, Site site);

// The full address of a row on `sites`: base address and path, the base alone when there is
// no path.
QString address(const SiteAddresses &sites, const LinkRow &row);

// The browser's Home and Search pages on `sites`.
QString homePage(const SiteAddresses &sites);
QString searchPage(const SiteAddresses &sites);
} // namespace LinkTable
