// The Canadian French translation: complete, in step with the sources, keeping the access
// keys and placeholders of the English; the windows speak French when the language is
// French, and the original English everywhere else.

#include "support/testsupport.h"

#include "app/aboutwindow.h"
#include "app/helpwindow.h"
#include "shared/lotto.h"
#include "shared/messagebox.h"
#include "shared/picture.h"
#include "shared/translation.h"
#include "ui/luck/vorlawindow.h"
#include "ui/main/catalogue.h"
#include "ui/main/gamepanel.h"
#include "ui/main/mainwindow.h"
#include "ui/main/rules.h"
#include "ui/main/selectionpanel.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace TestSupport;

namespace {
const QString TsFile = QStringLiteral(LOTTO_SOURCE_DIR "/translations/lottoworla_fr_CA.ts");

struct Message
{
    QString context, source, comment, translation, type;
};

QList<Message> readTs(const QString &path)
{
    QList<Message> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&f);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            m = Message{context, {}, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            m.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            m.translation = xml.readElementText();
            out.append(m);
        }
    }
    return out;
}

QSet<QString> keys(const QList<Message> &messages)
{
    QSet<QString> k;
    for (const Message &m : messages)
        k.insert(m.context + QChar(0) + m.source + QChar(0) + m.comment);
    return k;
}

// The access key of a caption: the letter after a single '&' (lower case), or nothing.
QChar accessKey(const QString &text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text.at(i + 1).toLower();
    }
    return {};
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("%L?\\d+"));
    QStringList found;
    for (auto it = re.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// Every text a window shows or tells: captions, tooltips, titles, menu items.
QStringList shownTexts(QWidget *w)
{
    QStringList texts{w->windowTitle()};
    for (QWidget *child : w->findChildren<QWidget *>()) {
        if (!child->toolTip().isEmpty())
            texts << child->toolTip();
        if (auto *l = qobject_cast<QLabel *>(child))
            texts << l->text();
        else if (auto *b = qobject_cast<QAbstractButton *>(child))
            texts << b->text();
        else if (auto *g = qobject_cast<QGroupBox *>(child))
            texts << g->title();
        if (!child->accessibleName().isEmpty())
            texts << child->accessibleName();
    }
    for (QAction *a : w->findChildren<QAction *>())
        if (!a->text().isEmpty())
            texts << a->text();
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}
} // namespace

class TestTranslation : public QObject
{
    Q_OBJECT

    QList<Message> ts;

    // What the English `source` of `context` reads in French.
    QString french(const char *context, const char *source) const
    {
        for (const Message &m : ts)
            if (m.context == QLatin1String(context) && m.source == QLatin1String(source))
                return m.translation;
        return {};
    }

private Q_SLOTS:
    void initTestCase()
    {
        ts = readTs(TsFile);
        QVERIFY2(!ts.isEmpty(), qPrintable(TsFile));
    }
    void cleanup() { Translation::remove(); }

    void everyEntryIsTranslatedAndCurrent()
    {
        QStringList problems;
        for (const Message &m : ts) {
            const QString where = m.context + QStringLiteral(": ") + m.source.left(60);
            if (!m.type.isEmpty())
                problems << QStringLiteral("%1 [%2]").arg(where, m.type);
            else if (m.translation.trimmed().isEmpty())
                problems << QStringLiteral("%1 [empty]").arg(where);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void catalogueMatchesTheSources()
    {
        // lupdate run over today's sources must find exactly the texts the catalogue has.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString copy = dir.filePath(QStringLiteral("check.ts"));
        QVERIFY(QFile::copy(TsFile, copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(LOTTO_LUPDATE),
                      {QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-no-obsolete"), QStringLiteral("-silent"),
                       QStringLiteral(LOTTO_SOURCE_DIR "/src"), QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());

        const QSet<QString> stored = keys(ts);
        const QSet<QString> current = keys(readTs(copy));
        QStringList missing, stale;
        for (const QString &k : current - stored)
            missing << QString(k).replace(QChar(0), QLatin1String(" | "));
        for (const QString &k : stored - current)
            stale << QString(k).replace(QChar(0), QLatin1String(" | "));
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not in the catalogue:\n") +
                                               missing.join(QLatin1Char('\n'))));
        QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("no longer in the sources:\n") +
                                             stale.join(QLatin1Char('\n'))));
    }

    void translationsKeepAccessKeysPlaceholdersAndLines()
    {
        QStringList problems;
        for (const Message &m : ts) {
            const QString where = m.context + QStringLiteral(": ") + m.source.left(60);
            if (accessKey(m.source).isNull() != accessKey(m.translation).isNull())
                problems << where + QStringLiteral(" [access key]");
            if (placeholders(m.source) != placeholders(m.translation))
                problems << where + QStringLiteral(" [placeholders]");
            if (m.source.count(QLatin1Char('\n')) != m.translation.count(QLatin1Char('\n')))
                problems << where + QStringLiteral(" [line breaks]");
            if (m.source.startsWith(QLatin1Char(' ')) !=
                    m.translation.startsWith(QLatin1Char(' ')) ||
                m.source.endsWith(QLatin1Char(' ')) != m.translation.endsWith(QLatin1Char(' ')))
                problems << where + QStringLiteral(" [surrounding spaces]");
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void englishIsTheOriginalInTheCLocale()
    {
        QCOMPARE(QLocale::system().language(), QLocale::C);
        QVERIFY(!Translation::install(QLocale::system()));
        MainWindow w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Orvek's Lotto Worla Generator"));
        QCOMPARE(w.mnuFile()->title(), QStringLiteral("&File"));
        QCOMPARE(w.gamePanel(1)->generate->text(), QStringLiteral("&Generate"));
        QCOMPARE(w.gamePanel(1)->frame->title(),
                 QStringLiteral("The generated numbers will appear in here: 6 numbers from 1-49"));
        QCOMPARE(
            w.selection()->pictures.at(5)->toolTip(),
            QStringLiteral(
                "Select this to generate numbers for another lotto system not included here."));

        // Every text the window shows is an English source text as written (or a number
        // label's "*", a game's name, an icon text).
        QSet<QString> sources;
        for (const Message &m : ts)
            sources.insert(m.source);
        for (const GameInfo &g : Catalogue::games())
            sources.insert(QLatin1String(g.name));
        sources.insert(QStringLiteral("*"));
        QStringList foreign;
        for (const QString &text : shownTexts(&w))
            if (!sources.contains(text) && !text.contains(QLatin1String(" results")))
                foreign << text;
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));

        // The About and Help windows and the rules say exactly what they always said.
        AboutWindow about(&w);
        QStringList texts = shownTexts(&about);
        HelpWindow *help = HelpWindow::showHelp();
        texts += shownTexts(help);
        help->close();
        for (int p = Panel::FirstGame; p <= Panel::LastGame; ++p)
            for (const Rules::Message &m : Catalogue::rules(p)) {
                texts << m.title;
                texts += m.body.split(QChar(13), Qt::SkipEmptyParts);
            }
        foreign.clear();
        for (const QString &text : texts)
            if (!sources.contains(text) && !text.contains(QLatin1Char('@')))
                foreign << text;
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));
    }

    void frenchSpeakersGetTheFrenchWindow()
    {
        QVERIFY(Translation::available(QLocale(QLocale::French, QLocale::Canada)));
        QVERIFY(Translation::available(QLocale(QLocale::French, QLocale::France)));
        QVERIFY(!Translation::available(QLocale(QLocale::English, QLocale::Canada)));
        QVERIFY(Translation::install(QLocale(QLocale::French, QLocale::Canada)));

        MainWindow w;
        QCOMPARE(w.windowTitle(), french("MainWindow", "Orvek's Lotto Worla Generator"));
        QCOMPARE(w.mnuFile()->title(), QStringLiteral("&Fichier"));
        QCOMPARE(w.gamePanel(1)->generate->text(), QStringLiteral("&Générer"));
        QCOMPARE(w.selection()->title->text(),
                 french("SelectionPanel", "Choose a lotto system from below!"));
        QVERIFY(w.gamePanel(1)->frame->title().startsWith(QStringLiteral("Les numéros générés")));
        QCOMPARE(w.selection()->pictures.at(0)->accessibleName(), QStringLiteral("Lotto 649"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.gamePanel(1)->numbers.at(2))
                     ->text(QAccessible::Name),
                 QString::fromUtf8("Numéro 3 sur 6\u00a0: vide"));

        // Nothing the window shows is left in English.
        QSet<QString> english;
        for (const Message &m : ts)
            if (m.source != m.translation)
                english.insert(m.source);
        QStringList untranslated;
        for (const QString &text : shownTexts(&w))
            if (english.contains(text))
                untranslated << text;
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));

        // The toolkit's own buttons speak French too, where the system has Qt's French.
        const QString qtbase =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm");
        if (QFile::exists(qtbase)) {
            std::unique_ptr<QMessageBox> box(
                MsgBox::create(&w, QStringLiteral("?"), QStringLiteral("* QUESTION *"),
                               MsgBox::Icon::Question, MsgBox::Buttons::YesNo));
            QCOMPARE(box->button(QMessageBox::Yes)->text(), QStringLiteral("&Oui"));
        }

        // So do the other windows and the rules.
        AboutWindow about(&w);
        QStringList texts = shownTexts(&about);
        HelpWindow *help = HelpWindow::showHelp();
        texts += shownTexts(help);
        help->close();
        texts += shownTexts(VorlaWindow::instance());
        for (int p = Panel::FirstGame; p <= Panel::LastGame; ++p)
            for (const Rules::Message &m : Catalogue::rules(p)) {
                texts << m.title;
                texts += m.body.split(QChar(13), Qt::SkipEmptyParts);
            }
        QVERIFY(texts.contains(french("Rules", "HOW TO PLAY LOTTARIO:")));
        for (const QString &text : texts)
            if (english.contains(text))
                untranslated << text;
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));

        // The longer French captions still fit their labels and buttons.
        QStringList cut;
        for (QWidget *child : w.findChildren<QWidget *>()) {
            QString text;
            int room = child->width();
            if (auto *l = qobject_cast<QLabel *>(child); l && !l->wordWrap()) {
                text = l->text();
            } else if (auto *b = qobject_cast<QPushButton *>(child)) {
                text = b->text();
                text.remove(QLatin1Char('&'));
                room -= 8; // the button's frame and margins
            }
            if (text.isEmpty() || text.contains(QLatin1Char('\n')))
                continue;
            const int needed = QFontMetrics(child->font()).horizontalAdvance(text);
            if (needed > room)
                cut << QStringLiteral("%1 \"%2\": %3 px in %4")
                           .arg(child->objectName(), text)
                           .arg(needed)
                           .arg(room);
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));

        // Back to English: a window built now is the original again.
        Translation::remove();
        MainWindow english2;
        QCOMPARE(english2.mnuFile()->title(), QStringLiteral("&File"));
    }

    void accessKeysAreUniqueInEveryFrenchMenuAndPanel()
    {
        QVERIFY(Translation::install(QLocale(QLocale::French, QLocale::Canada)));
        MainWindow w;
        auto clash = [](const QStringList &captions) {
            QMap<QChar, QString> used;
            QStringList clashes;
            for (const QString &c : captions) {
                const QChar k = accessKey(c);
                if (k.isNull())
                    continue;
                if (used.contains(k))
                    clashes << used.value(k) + QStringLiteral(" / ") + c;
                used.insert(k, c);
            }
            return clashes.join(QStringLiteral(", "));
        };
        QStringList bar;
        for (QAction *a : w.menuBar()->actions())
            bar << a->text();
        for (QMenu *menu : w.menuBar()->findChildren<QMenu *>()) {
            QStringList items;
            for (QAction *a : menu->actions())
                items << a->text();
            QVERIFY2(clash(items).isEmpty(), qPrintable(clash(items)));
        }
        // A game panel and the menu bar share the window: their keys must not collide.
        for (int p = Panel::FirstGame; p <= Panel::Custom; ++p) {
            QStringList captions = bar;
            for (QAbstractButton *b : w.gamePanel(p)->buttons())
                captions << b->text();
            QVERIFY2(clash(captions).isEmpty(), qPrintable(clash(captions)));
        }
    }
};

LOTTO_TEST_MAIN(TestTranslation)
#include "test_translation.moc"
