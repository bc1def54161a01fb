#pragma once

#include "ui/browser/linktable.h"
#include "ui/main/windowprinter.h"

#include <QString>

#include <functional>
#include <optional>

// The main window's one test seam: what a test or a measurement may steer in its Generate
// runs, its Print command and its link commands. Whoever wants it passes one to MainWindow's
// constructor and keeps it for the window's life; the program itself passes none, and a
// default-constructed one steers nothing.
struct WindowHooks
{
    // Where a run reads the luck-word text; empty: the editor's text (LuckWords::text).
    std::function<QString()> luckTextSource;
    // Runs make this many exchanges instead of the drawn count (the count is still drawn);
    // 0: the drawn count.
    int forcedExchanges = 0;
    // Called just before (Before) and just after (After) every yield of a run: its entry,
    // every step, its exit. Empty: nothing is called.
    enum class Yield { Before, After };
    std::function<void(Yield)> yieldObserver;

    // Where Print gets its printer; empty: the system's default printer.
    WindowPrinter::PrinterSource printerSource;

    // The sites the link commands open, a server of the test's own; empty: the built-in
    // sites (LinkTable::builtInSites).
    std::optional<SiteAddresses> linkSites;
};
