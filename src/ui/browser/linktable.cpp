#include "ui/browser/linktable.h"

#include <QCoreApplication>
#include <cstring>

namespace {
// One row a link, laid out as a table: kept out of the formatter.
// clang-format off
constexpr LinkRow kRows[] = {
    {.handler = "imglotto649_Click", .control = "imglotto649",
     .text = QT_TRANSLATE_NOOP("LinkTable", "Click here to see the latest lotto results for LOTTO 649"),
     .place = LinkPlace::ResultsPicture, .site = Site::Results, .path = "/lotto649.html"},
    {.handler = "imgpick3_Click", .control = "imgpick3",
     .text = QT_TRANSLATE_NOOP("LinkTable", "Click here to see the latest lotto results for PICK 3"),
     .place = LinkPlace::ResultsPicture, .site = Site::Results, .path = "/ontpick3.html"},
    {.handler = "imgontario49_Click", .control = "imgontario49",
     .text = QT_TRANSLATE_NOOP("LinkTable", "Click here to see the latest lotto results for ONTARIO 49"),
     .place = LinkPlace::ResultsPicture, .site = Site::Results, .path = "/ontario49.html"},
    {.handler = "imgsuper7_Click", .control = "imgsuper7",
     .text = QT_TRANSLATE_NOOP("LinkTable", "Click here to see the latest lotto results for LOTTO SUPER 7"),
     .place = LinkPlace::ResultsPicture, .site = Site::Results, .path = "/super7.html"},
    {.handler = "imglottario_Click", .control = "imglottario",
     .text = QT_TRANSLATE_NOOP("LinkTable", "Click here to see the latest lotto results for LOTTARIO"),
     .place = LinkPlace::ResultsPicture, .site = Site::Results, .path = "/lottario.html"},
    {.handler = "mnuInternetResult_Click", .control = "mnuInternetResult",
     .text = QT_TRANSLATE_NOOP("LinkTable", "Lotto Result's Site."),
     .place = LinkPlace::InternetMenu, .site = Site::Results, .path = ""},
    {.handler = "mnuFileInternetEverWon_Click", .control = "mnuFileInternetEverWon",
     .text = QT_TRANSLATE_NOOP("LinkTable", "Check if your lotto numbers have ever won!"),
     .place = LinkPlace::InternetMenu, .site = Site::Statistics, .path = "/everwon.html-ssi"},
    {.handler = "mnuFileInternetAnalysis_Click", .control = "mnuFileInternetAnalysis",
     .text = QT_TRANSLATE_NOOP("LinkTable", "Perform Advanced Analysis On Past Results!"),
     .place = LinkPlace::InternetMenu, .site = Site::Statistics, .path = "/stat_analysis.html-ssi"},
    {.handler = "mnuFileInternetZodiac_Click", .control = "mnuFileInternetZodiac",
     .text = QT_TRANSLATE_NOOP("LinkTable", "Zodiac Lottery Picker!"),
     .place = LinkPlace::InternetMenu, .site = Site::Zodiac, .path = "/zodiac.htm"},
    {.handler = "mnuFileCndInfo_Click", .control = "mnuFileCndInfo",
     .text = QT_TRANSLATE_NOOP("LinkTable", "Canadian Lottery Information!"),
     .place = LinkPlace::InternetMenu, .site = Site::Portal, .path = ""},
};
// clang-format on

// The sites' base addresses.
constexpr const char *kResultsSite = "https://www.ontario-lotto-results.example.com";
constexpr const char *kStatisticsSite = "https://www.lotto-statistics.example.com";
constexpr const char *kZodiacSite = "https://www.zodiac-lucky-numbers.example.com";
constexpr const char *kPortalSite = "https://www.canadian-lotteries.example.com";
// The browser's search page.
constexpr const char *kSearchPage = "https://duckduckgo.com/";
} // namespace

std::span<const LinkRow> LinkTable::rows()
{
    return kRows;
}

const LinkRow *LinkTable::find(const char *control)
{
    for (const LinkRow &row : kRows)
        if (std::strcmp(row.control, control) == 0)
            return &row;
    return nullptr;
}

const LinkRow *LinkTable::byHandler(const char *handler)
{
    for (const LinkRow &row : kRows)
        if (std::strcmp(row.handler, handler) == 0)
            return &row;
    return nullptr;
}

QString LinkTable::caption(const LinkRow &row)
{
    return QCoreApplication::translate("LinkTable", row.text);
}

SiteAddresses LinkTable::builtInSites()
{
    return {QLatin1String(kResultsSite), QLatin1String(kStatisticsSite), QLatin1String(kZodiacSite),
            QLatin1String(kPortalSite), QLatin1String(kSearchPage)};
}

QString LinkTable::baseAddress(const SiteAddresses &sites, Site site)
{
    switch (site) {
    case Site::Results:
        return sites.results;
    case Site::Statistics:
        return sites.statistics;
    case Site::Zodiac:
        return sites.zodiac;
    case Site::Portal:
        return sites.portal;
    }
    return {};
}

QString LinkTable::address(const SiteAddresses &sites, const LinkRow &row)
{
    return baseAddress(sites, row.site) + QLatin1String(row.path);
}

QString LinkTable::homePage(const SiteAddresses &sites)
{
    return baseAddress(sites, Site::Results);
}

QString LinkTable::searchPage(const SiteAddresses &sites)
{
    return sites.search;
}
