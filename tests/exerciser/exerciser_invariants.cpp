// The exerciser's invariants: what must hold of the program's windows after every action.

#include "exerciser.h"
#include "exerciserdetail.h"

#include "support/testsupport.h"

#include "shared/lotto.h"
#include "shared/picture.h"
#include "ui/browser/browserclient.h"
#include "ui/browser/browserloader.h"
#include "ui/luck/luckwords.h"
#include "ui/main/catalogue.h"
#include "ui/main/mainwindow.h"
#include "ui/main/windowhooks.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMutex>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <QWindow>

#include <csignal>
#include <cstdio>
#include <cstdlib>

using namespace ExerciserDetail;

void Exerciser::check(const QString &when)
{
    ++m_checks;
    QStringList faults;
    for (const QString &m : takeMessageFaults())
        faults << QStringLiteral("Qt message: ") + m;
    if (!m_main) {
        faults << QStringLiteral("the main window is gone");
    } else {
        if (!m_main->isVisible())
            faults << QStringLiteral("the main window is not visible");
        checkPanels(faults);
        checkRunState(faults);
        checkNumbers(faults);
    }
    checkLuckText(faults);
    checkSingleWindows(faults);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (isUserWindow(w))
            m_windowsSeen << (w->objectName().isEmpty()
                                  ? QString::fromLatin1(w->metaObject()->className())
                                  : w->objectName());
    if (!faults.isEmpty())
        fail(when + QStringLiteral(": ") + faults.join(QStringLiteral("; ")));
}

void Exerciser::checkPanels(QStringList &faults)
{
    int visible = 0;
    QStringList shown;
    for (int p = 0; p < Panel::Count; ++p) {
        auto *panel = m_main->findChild<QWidget *>(QStringLiteral("fraMenu_%1").arg(p));
        if (!panel) {
            faults << QStringLiteral("fraMenu_%1 missing").arg(p);
            continue;
        }
        if (panel->isHidden())
            continue;
        shown << panel->objectName();
        if (p == Panel::Custom)
            faults << QStringLiteral("fraMenu_6 is visible");
        else
            ++visible;
    }
    // Back hides every panel (yielding between them) before it shows the selection screen,
    // so while it is in progress no panel may be visible; never two.
    const bool backMayBeRunning = m_backDepth > 0 || m_keyToMainDepth > 0;
    if (visible > 1 || (visible == 0 && !backMayBeRunning))
        faults << QStringLiteral("visible panels: [%1]").arg(shown.join(QLatin1Char(',')));
}

void Exerciser::checkRunState(QStringList &faults)
{
    auto *picstatus = m_main->findChild<QWidget *>(QStringLiteral("picstatus"));
    auto *timer1 = m_main->findChild<QTimer *>(QStringLiteral("Timer1"));
    const bool fileEnabled =
        m_main->mnuFile()->menuAction()->isEnabled() && m_main->mnuFile()->isEnabled();
    const bool aboutEnabled =
        m_main->mnuAbout()->menuAction()->isEnabled() && m_main->mnuAbout()->isEnabled();
    if (m_runs.isEmpty()) {
        if (Lotto.Generating != 0)
            faults
                << QStringLiteral("Generating is %1 with no run in progress").arg(Lotto.Generating);
        if (picstatus && !picstatus->isHidden())
            faults << QStringLiteral("picstatus visible with no run in progress");
        if (timer1 && timer1->isActive())
            faults << QStringLiteral("Timer1 running with no run in progress");
        const QWidget *central = m_main->centralWidget();
        if (m_main->cursor().shape() != Qt::ArrowCursor ||
            (central && central->cursor().shape() != Qt::ArrowCursor) ||
            QGuiApplication::overrideCursor())
            faults << QStringLiteral("frmmain does not show the normal pointer");
        if (!fileEnabled || !aboutEnabled)
            faults << QStringLiteral("a menu is disabled with no run in progress");
    } else {
        const int p = m_runs.last();
        if (Lotto.Generating != 1)
            faults << QStringLiteral("Generating is %1 during a run on panel %2")
                          .arg(Lotto.Generating)
                          .arg(p);
        if (fileEnabled || aboutEnabled)
            faults << QStringLiteral("a menu is enabled during a run on panel %1").arg(p);
        auto *rules = m_main->findChild<QWidget *>(QStringLiteral("cmdrules_%1").arg(p));
        if (rules && rules->isEnabled())
            faults << QStringLiteral("cmdrules_%1 enabled during its run").arg(p);
    }
}

void Exerciser::checkNumbers(QStringList &faults)
{
    for (const GameInfo &g : Catalogue::games()) {
        auto *panel = m_main->findChild<QWidget *>(QStringLiteral("fraMenu_%1").arg(g.panel()));
        if (!panel)
            continue;
        QStringList captions;
        int stars = 0;
        for (int i = 0; i < g.draw.count; ++i) {
            auto *label = panel->findChild<QLabel *>(
                QStringLiteral("%1_%2").arg(QLatin1String(g.labelBase)).arg(i));
            if (!label) {
                faults << QStringLiteral("%1_%2 missing").arg(QLatin1String(g.labelBase)).arg(i);
                return;
            }
            const QString t = label->text();
            captions << t;
            if (t == QLatin1String("*")) {
                ++stars;
                continue;
            }
            bool ok = false;
            const int n = t.toInt(&ok);
            if (!ok || n < g.draw.poolFirst || n > g.draw.poolLast() || QString::number(n) != t)
                faults << QStringLiteral("%1_%2 shows \"%3\"")
                              .arg(QLatin1String(g.labelBase))
                              .arg(i)
                              .arg(shortText(t));
        }
        // While a run draws, captions change one by one; between runs they are a full set.
        if (m_runs.contains(g.panel()))
            continue;
        if (stars != 0 && stars != g.draw.count)
            faults << QStringLiteral("%1 shows a partly cleared board: %2")
                          .arg(QLatin1String(g.name), captions.join(QLatin1Char(' ')));
        if (g.draw.distinct && stars == 0 &&
            QSet<QString>(captions.begin(), captions.end()).size() != g.draw.count)
            faults << QStringLiteral("%1 shows a number twice: %2")
                          .arg(QLatin1String(g.name), captions.join(QLatin1Char(' ')));
    }
}

void Exerciser::checkLuckText(QStringList &faults)
{
    // Reading the text before the editor exists would create it; only look once it does.
    if (!TestSupport::topLevel("frmVorla"))
        return;
    const QString now = LuckWords::text();
    if (m_textFreeDepth > 0 || !m_textKnown) {
        m_expectedText = now;
        m_textKnown = true;
        return;
    }
    // Every way out of the editor sets the flag from the text, so whenever the editor is
    // closed the two agree.
    QWidget *editor = TestSupport::topLevel("frmVorla");
    const qint16 flag = now.isEmpty() ? LottoModule::False : LottoModule::True;
    if (editor->isHidden() && Lotto.VorlaAdded != flag)
        faults << QStringLiteral("VorlaAdded is %1 while the closed editor holds %2 characters")
                      .arg(Lotto.VorlaAdded)
                      .arg(now.size());
    if (now != m_expectedText) {
        faults << QStringLiteral("the luck-word text changed from \"%1\" to \"%2\" without "
                                 "typing or Clear")
                      .arg(escaped(m_expectedText), escaped(now));
        m_expectedText = now;
    }
}

void Exerciser::checkSingleWindows(QStringList &faults)
{
    const QWidgetList tops = QApplication::topLevelWidgets();
    for (const char *name : SingleWindows) {
        int existing = 0, visible = 0;
        for (QWidget *w : tops) {
            if (w->objectName() != QLatin1String(name))
                continue;
            ++existing;
            if (w->isVisible())
                ++visible;
        }
        // A closed dialog is deleted once its modal show has returned. Until then a new one
        // may already be open (asked for in the same pass of the event loop that closed the
        // old one): never two on the screen, and no leftover once every loop has returned.
        if (visible > 1 || (m_final && existing > 1))
            faults << QStringLiteral("%1 windows of %2 (%3 visible)")
                          .arg(existing)
                          .arg(QLatin1String(name))
                          .arg(visible);
    }
}
