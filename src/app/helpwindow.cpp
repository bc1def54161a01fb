#include "app/helpwindow.h"

#include "app/contact.h"
#include "shared/placement.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
QPointer<HelpWindow> g_help;
} // namespace

HelpWindow *HelpWindow::instance()
{
    return g_help;
}

HelpWindow *HelpWindow::showHelp()
{
    if (!g_help)
        g_help = new HelpWindow;
    g_help->showMaximized();
    g_help->raise();
    g_help->activateWindow();
    return g_help;
}

QStringList HelpWindow::texts()
{
    return {
        tr("Welcome to the Orveks Lotto Worla Generator. This program will not only generate "
           "lottery numbers at random, it will use past statistics of lottery results, and of "
           "course Worla."),
        tr("What is Worla you ask? Our world is composed of numbers. We do not understand "
           "probability, and chance fully yet but we are getting closer daily. However a link "
           "lurks between words, people, objects and the generation of numbers. In a recent case "
           "in the USA a citizen used the Bible to generate lotto numbers which surprisingly won "
           "him $30 MILLION. This program offers a unique feature which allows you to add text "
           "of names, numbers, words, etc... and this programt will use the text to specially "
           "generate your lotto numbers. So go through the bible and find words, add your kids "
           "names, and birthdays, add anything you think will give you good luck and it just "
           "might improve your odds of winning."),
        tr("This program includes the following features:"),
        tr("-- Worla Generator (Explained above)"),
        tr("-- If no Worla is added, program automatically generates numbers using old lotto "
           "results and makes an educated guess rather than purley random."),
        tr("-- Internet Link: Check the results on-line, check if your numbers have ever won on "
           "a lottery system, get your zodiac numbers (numbers special to your zodiac sign eg: "
           "cancer, leo, scorpio, etc...) for any lottery system, perform an advanced analysis "
           "on past lottery results (eg: most frequent number, pattern etc...),  the Canadian "
           "Lottery Information link contains special information about all lottery systems in "
           "Canada."),
        tr("What to expect in version 2.0"),
        tr("-- Generate lottery numbers to any custom lottery you want."),
        tr("-- Save/Open a detailed record of your lottery numbers and the results."),
        tr("-- Please send your comments, questions, ideas, concerns to:") + QStringLiteral("   ") +
            Contact::address(),
    };
}

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Help"));
    // Fixed single border: a minimise button and a close box, no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/assets/lottoworla.svg")));
    resize(800, 600);
    // Maximised and fixed: it fills the screen and cannot be resized.
    Placement::fillScreenFixed(this);

    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("frmHelpPage"));
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(24, 16, 24, 16);
    column->setSpacing(14);

    const QStringList paragraphs = texts();
    for (int i = 0; i < paragraphs.size(); ++i) {
        auto *l = new QLabel(paragraphs.at(i), page);
        l->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(true);
        l->setTextInteractionFlags(Qt::NoTextInteraction);
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(12);
        f.setBold(i + 1 == 7);
        l->setFont(f);
        column->addWidget(l);
        m_labels.append(l);
    }
    column->addStretch(1);

    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("frmHelpScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

void HelpWindow::keyPressEvent(QKeyEvent *event)
{
    Form_KeyDown(event->key(), event->modifiers());
    QWidget::keyPressEvent(event);
}

void HelpWindow::Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift)
{
    Q_UNUSED(shift);
    if (keyCode == Qt::Key_Escape)
        close(); // unload
}
