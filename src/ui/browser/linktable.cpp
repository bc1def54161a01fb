#include "ui/browser/linktable.h"

namespace {
// clang-format off
constexpr std::array<LinkRow, LinkTable::Count> kRows{{
    {"imglotto649_Click", "imglotto649",
     "Click here to see the latest lotto results for LOTTO 649", Site::Results, "/lotto649.html"},
    {"imgpick3_Click", "imgpick3",
     "Click here to see the latest lotto results for PICK 3", Site::Results, "/ontpick3.html"},
    {"imgontario49_Click", "imgontario49",
     "Click here to see the latest lotto results for ONTARIO 49", Site::Results, "/ontario49.html"},
    {"imgsuper7_Click", "imgsuper7",
     "Click here to see the latest lotto results for LOTTO SUPER 7", Site::Results, "/super7.html"},
    {"imglottario_Click", "imglottario",
     "Click here to see the latest lotto results for LOTTARIO", Site::Results, "/lottario.html"},
    {"mnuInternetResult_Click", "mnuInternetResult",
     "Lotto Result's Site.", Site::Results, ""},
    {"mnuFileInternetEverWon_Click", "mnuFileInternetEverWon",
     "Check if your lotto numbers have ever won!", Site::Statistics, "/everwon.html-ssi"},
    {"mnuFileInternetAnalysis_Click", "mnuFileInternetAnalysis",
     "Perform Advanced Analysis On Past Results!", Site::Statistics, "/stat_analysis.html-ssi"},
    {"mnuFileInternetZodiac_Click", "mnuFileInternetZodiac",
     "Zodiac Lottery Picker!", Site::Zodiac, "/zodiac.htm"},
    {"mnuFileCndInfo_Click", "mnuFileCndInfo",
     "Canadian Lottery Information!", Site::Portal, ""},
}};
// clang-format on

// The sites' base addresses.
constexpr const char *kResultsSite = "https://www.ontario-lotto-results.example.com";
constexpr const char *kStatisticsSite = "https://www.lotto-statistics.example.com";
constexpr const char *kZodiacSite = "https://www.zodiac-lucky-numbers.example.com";
constexpr const char *kPortalSite = "https://www.canadian-lotteries.example.com";
// The browser's search page.
constexpr const char *kSearchPage = "https://duckduckgo.com/";

SiteAddresses &testSites()
{
    static SiteAddresses sites;
    return sites;
}
bool g_testSites = false;
} // namespace

const std::array<LinkRow, LinkTable::Count> &LinkTable::rows()
{
    return kRows;
}

SiteAddresses LinkTable::builtInSites()
{
    return {QLatin1String(kResultsSite), QLatin1String(kStatisticsSite), QLatin1String(kZodiacSite),
            QLatin1String(kPortalSite), QLatin1String(kSearchPage)};
}

SiteAddresses LinkTable::sites()
{
    return g_testSites ? testSites() : builtInSites();
}

QString LinkTable::baseAddress(Site site)
{
    const SiteAddresses s = sites();
    switch (site) {
    case Site::Results:
        return s.results;
    case Site::Statistics:
        return s.statistics;
    case Site::Zodiac:
        return s.zodiac;
    case Site::Portal:
        return s.portal;
    }
    return {};
}

QString LinkTable::address(int row)
{
    const LinkRow &r = kRows.at(static_cast<std::size_t>(row));
    return baseAddress(r.site) + QLatin1String(r.path);
}

QString LinkTable::homePage()
{
    return baseAddress(Site::Results);
}

QString LinkTable::searchPage()
{
    return sites().search;
}

void LinkTable::setSitesForTesting(const SiteAddresses &sites)
{
    testSites() = sites;
    g_testSites = true;
}

void LinkTable::resetSitesForTesting()
{
    testSites() = {};
    g_testSites = false;
}
