#include "app/commandline.h"

#include <QCoreApplication>
#include <QString>

#include <cstring>

namespace CommandLine {

const char *versionText()
{
    return "lottoworla " LOTTO_VERSION;
}

static QString helpText()
{
    // No translator is installed yet this early; the text still goes through translate()
    // so that it is collected with the program's other texts.
    return QCoreApplication::translate(
        "CommandLine",
        "Usage: lottoworla [options]\n"
        "Orvek's Lotto Worla Generator suggests numbers for five Ontario lottery games.\n"
        "\n"
        "Options:\n"
        "  -h, --help     Show this help and exit.\n"
        "  -v, --version  Show the version and exit.\n"
        "\n"
        "Qt's own options (for example -platform or -style) are accepted as well.\n");
}

std::optional<int> handleInfoOptions(int argc, char **argv, std::FILE *out)
{
    for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "--") == 0)
            break;
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0 ||
            std::strcmp(arg, "-?") == 0) {
            std::fputs(helpText().toLocal8Bit().constData(), out);
            std::fflush(out);
            return 0;
        }
        if (std::strcmp(arg, "--version") == 0 || std::strcmp(arg, "-v") == 0) {
            std::fprintf(out, "%s\n", versionText());
            std::fflush(out);
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace CommandLine
