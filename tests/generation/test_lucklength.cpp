// The luck-word text's length as it seeds a run: line breaks count as CR LF.

#include "generation/lucklength.h"
#include <QTest>

class TestLuckLength : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void counts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("one space") << QStringLiteral(" ") << 1;
        QTest::newRow("word") << QStringLiteral("Sarah") << 5;
        QTest::newRow("two lines of one letter") << QStringLiteral("a\nb") << 4;
        QTest::newRow("already CR LF") << QStringLiteral("a\r\nb") << 4;
        QTest::newRow("lone CR") << QStringLiteral("a\rb") << 4;
        QTest::newRow("LF CR is two breaks") << QStringLiteral("a\n\rb") << 6;
        QTest::newRow("only a break") << QStringLiteral("\n") << 2;
        QTest::newRow("trailing CR") << QStringLiteral("x\r") << 3;
        QTest::newRow("empty lines") << QStringLiteral("\n\n\n") << 6;
        QTest::newRow("line separator") << QStringLiteral("a\u2028b") << 4;
        QTest::newRow("paragraph separator") << QStringLiteral("a\u2029b") << 4;
        QTest::newRow("no-break space") << QStringLiteral("a\u00a0b") << 3;
        QTest::newRow("tab") << QStringLiteral("a\tb") << 3;
        QTest::newRow("outside the BMP") << QStringLiteral("\U0001F340") << 2; // four-leaf clover
        QTest::newRow("composed e acute") << QStringLiteral("\u00e9") << 1;
        QTest::newRow("decomposed e acute") << QStringLiteral("e\u0301") << 2;
    }
    void counts()
    {
        QFETCH(QString, text);
        QFETCH(int, length);
        QCOMPARE(LuckLength::of(text), length);
    }

    void autobiography()
    {
        // 5 MB of text in lines of 79 characters: every line adds one for its CR.
        const QString line = QString(79, QLatin1Char('w')) + QLatin1Char('\n');
        const int lines = 5 * 1024 * 1024 / 80;
        const QString text = line.repeated(lines);
        QCOMPARE(LuckLength::of(text), qint32(lines) * 81);
    }
};

QTEST_GUILESS_MAIN(TestLuckLength)
#include "test_lucklength.moc"
