#pragma once

#include <QString>

#include <functional>
#include <memory>

class QImage;
class QPrinter;

// Prints a picture of a window on a printer: the picture scaled to fit the page, keeping
// its proportions, centred at the top of the page.
namespace WindowPrinter {

enum class Outcome {
    Printed,     // the job went to the printer
    NoPrinter,   // no printer is set up as the default printer
    CannotStart, // the printer could not be opened
    Failed,      // the job was started but did not reach the printer
};

// The printer the Print command uses: the system's default printer, or nothing when none
// is set up.
std::unique_ptr<QPrinter> defaultPrinter();

// Where print() gets its printer from; an empty one gives the default printer.
using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;

struct Result
{
    Outcome outcome = Outcome::NoPrinter;
    QString printerName; // the printer used, empty when there was none
};

// Prints `image` as one page on the printer from `source`.
Result print(const QImage &image, const QString &documentName, const PrinterSource &source = {});
// Prints `image` as one page on `printer`.
Outcome printOn(QPrinter &printer, const QImage &image, const QString &documentName);

// What to tell the user when a print did not happen (empty for Printed): a title and a
// body whose lines are joined by carriage returns.
QString failureTitle();
QString failureText(Outcome outcome, const QString &printerName);

} // namespace WindowPrinter
