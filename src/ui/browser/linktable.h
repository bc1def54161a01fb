#pragma once

#include <QString>

#include <array>

// The ten fixed pages the link commands open, and the four sites they live on.

enum class Site { Results, Statistics, Zodiac, Portal };

struct LinkRow
{
    const char *handler; // the main window's handler that opens it
    const char *control; // the picture or menu entry it belongs to
    const char *text;    // the picture's hover hint or the menu entry's caption
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
constexpr int Count = 10;

// In the order of the controls: the five results pictures by panel, then File, Internet
// from top to bottom.
const std::array<LinkRow, Count> &rows();

// The sites as the program ships them.
SiteAddresses builtInSites();
// The sites in use: the built-in ones unless a test put others in place.
SiteAddresses sites();
QString baseAddress(Site site);

// The full address of a row: base address and path, the base alone when there is no path.
QString address(int row);

// The browser's Home and Search pages.
QString homePage();
QString searchPage();

// Tests point the links at a server of their own; resetSitesForTesting() restores the
// built-in ones.
void setSitesForTesting(const SiteAddresses &sites);
void resetSitesForTesting();
} // namespace LinkTable
