#include "support/testsupport.h"

#include "app/program.h"
#include "app/windowwiring.h"
#include "shared/lotto.h"
#include "ui/main/catalogue.h"
#include "ui/main/mainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <cstdlib>

void TestSupport::prepareEnvironment()
{
    static QTemporaryDir runtime(QDir::tempPath() + QStringLiteral("/lotto-test-XXXXXX"));
    if (runtime.isValid()) {
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Program::installFontSubstitutes();
}

QString TestSupport::shown(const QString &body)
{
    QString s = body;
    s.replace(QChar(13), QChar(10));
    return s;
}

TestSupport::BoxAnswerer::BoxAnswerer(QList<QMessageBox::StandardButton> script, int expected)
    : m_script(std::move(script)), m_expected(expected)
{
    m_timer = startTimer(5);
}

TestSupport::BoxAnswerer::~BoxAnswerer()
{
    if (m_timer)
        killTimer(m_timer);
}

bool TestSupport::BoxAnswerer::waitFor(int count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return m_seen.size() >= count; }, timeoutMs);
}

void TestSupport::BoxAnswerer::timerEvent(QTimerEvent *)
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box == m_last)
        return;
    m_last = box;
    m_seen.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
    QMessageBox::StandardButton answer =
        m_script.isEmpty() ? QMessageBox::Ok : m_script.takeFirst();
    switch (m_dismiss) {
    case Dismiss::Escape:
        QTest::keyClick(box, Qt::Key_Escape);
        break;
    case Dismiss::CloseBox:
        box->close();
        break;
    case Dismiss::Button:
        if (QAbstractButton *b = box->button(answer))
            b->click();
        else
            box->close();
        break;
    }
    if (m_expected >= 0 && m_seen.size() >= m_expected) {
        killTimer(m_timer);
        m_timer = 0;
    }
}

void TestSupport::hover(QWidget *w, QPoint at)
{
    if (at.isNull())
        at = w->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

QWidget *TestSupport::topLevel(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

std::unique_ptr<MainWindow> TestSupport::shownMainWindow(bool active, const WindowHooks *hooks)
{
    Lotto = LottoModule{};
    auto w = std::make_unique<MainWindow>(hooks);
    WindowWiring::connectMainWindow(w.get());
    w->show();
    if (active) {
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w.get())) {
            qWarning("the main window did not become active");
            return nullptr;
        }
    } else if (!QTest::qWaitForWindowExposed(w.get())) {
        qWarning("the main window was not exposed");
        return nullptr;
    }
    return w;
}

QStringList TestSupport::visiblePanels(const MainWindow &main)
{
    QStringList names;
    for (int p = 0; p < Panel::Count; ++p)
        if (!main.fraMenu(p)->isHidden())
            names << main.fraMenu(p)->objectName();
    return names;
}
