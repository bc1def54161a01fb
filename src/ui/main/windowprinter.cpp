#include "ui/main/windowprinter.h"

#include "shared/messagebox.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

struct PrinterText
{
    Q_DECLARE_TR_FUNCTIONS(WindowPrinter)
};

} // namespace

std::unique_ptr<QPrinter> WindowPrinter::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

WindowPrinter::Result WindowPrinter::print(const QImage &image, const QString &documentName,
                                           const PrinterSource &source)
{
    std::unique_ptr<QPrinter> printer = source ? source() : defaultPrinter();
    if (!printer)
        return {Outcome::NoPrinter, QString()};
    return {printOn(*printer, image, documentName), printer->printerName()};
}

WindowPrinter::Outcome WindowPrinter::printOn(QPrinter &printer, const QImage &image,
                                              const QString &documentName)
{
    printer.setDocName(documentName);
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
        return Outcome::CannotStart;

    // Scale the picture to the printable width (or height, whichever is tighter).
    const QRect page = painter.viewport();
    QSize target = image.size();
    target.scale(page.size(), Qt::KeepAspectRatio);
    const QRect where(page.left() + (page.width() - target.width()) / 2, page.top(), target.width(),
                      target.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(where, image);

    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error ||
        printer.printerState() == QPrinter::Aborted)
        return Outcome::Failed;
    return Outcome::Printed;
}

QString WindowPrinter::failureTitle()
{
    return PrinterText::tr("Printing Failed.");
}

QString WindowPrinter::failureText(Outcome outcome, const QString &printerName)
{
    switch (outcome) {
    case Outcome::Printed:
        return {};
    case Outcome::NoPrinter:
        return MsgBox::lines({
            PrinterText::tr("The window was not printed: no default printer is set up."),
            QString(),
            PrinterText::tr(
                "Install a printer, or choose one as the default printer in the system's "
                "printer settings, then try again."),
        });
    case Outcome::CannotStart:
        return MsgBox::lines({
            PrinterText::tr("The window was not printed: the printer \"%1\" could not be opened.")
                .arg(printerName),
            QString(),
            PrinterText::tr(
                "Check that the printer is connected and switched on and that the "
                "printing service is running, or choose another default printer, then try "
                "again."),
        });
    case Outcome::Failed:
        return MsgBox::lines({
            PrinterText::tr("The window was not printed: the print job for \"%1\" failed.")
                .arg(printerName),
            QString(),
            PrinterText::tr(
                "Check the printer and its queue in the system's printer settings, then try "
                "again."),
        });
    }
    return {};
}
