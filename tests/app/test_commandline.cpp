// --help and --version are answered from the raw arguments, before any application object.

#include "app/commandline.h"
#include "support/testsupport.h"

#include <QTest>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Outcome
{
    std::optional<int> code;
    std::string printed;
};

Outcome run(std::vector<std::string> args)
{
    args.insert(args.begin(), "lottoworla");
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    std::FILE *out = std::tmpfile();
    Outcome o;
    o.code = CommandLine::handleInfoOptions(int(args.size()), argv.data(), out);
    std::rewind(out);
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, out)) > 0)
        o.printed.append(buf, n);
    std::fclose(out);
    return o;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void infoOptions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expect"); // "help", "version" or "" (start as usual)

        QTest::newRow("long help") << QStringList{"--help"} << "help";
        QTest::newRow("short help") << QStringList{"-h"} << "help";
        QTest::newRow("question help") << QStringList{"-?"} << "help";
        QTest::newRow("long version") << QStringList{"--version"} << "version";
        QTest::newRow("short version") << QStringList{"-v"} << "version";
        QTest::newRow("after Qt options")
            << QStringList{"-platform", "xcb", "--version"} << "version";
        QTest::newRow("first wins: version") << QStringList{"--version", "--help"} << "version";
        QTest::newRow("first wins: help") << QStringList{"-h", "-v"} << "help";
        QTest::newRow("no arguments") << QStringList{} << "";
        QTest::newRow("Qt option only") << QStringList{"-platform", "offscreen"} << "";
        QTest::newRow("lookalike") << QStringList{"--versions", "-help", "--helpme"} << "";
        QTest::newRow("after double dash") << QStringList{"--", "--version"} << "";
    }

    void infoOptions()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, expect);
        std::vector<std::string> raw;
        for (const QString &a : args)
            raw.push_back(a.toStdString());

        const Outcome o = run(raw);
        if (expect.isEmpty()) {
            QVERIFY(!o.code.has_value());
            QCOMPARE(QString::fromStdString(o.printed), QString());
        } else if (expect == "version") {
            QCOMPARE(o.code, std::optional<int>(0));
            QCOMPARE(QString::fromStdString(o.printed),
                     QStringLiteral("lottoworla " LOTTO_VERSION "\n"));
        } else {
            QCOMPARE(o.code, std::optional<int>(0));
            const QString text = QString::fromStdString(o.printed);
            QVERIFY2(text.startsWith("Usage: lottoworla"), qPrintable(text));
            QVERIFY(text.contains("--help"));
            QVERIFY(text.contains("--version"));
            QVERIFY(text.endsWith('\n'));
        }
    }
};

LOTTO_TEST_MAIN(TestCommandLine)
#include "test_commandline.moc"
