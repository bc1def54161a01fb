#pragma once

#include <cstdio>
#include <optional>

// Options that only print something and end the program: --help and --version. They are
// read from the raw arguments before the application object exists, so they work on a
// machine without a display.
namespace CommandLine {

// The text --version prints, e.g. "lottoworla 1.0.0".
const char *versionText();

// When the arguments ask for help or the version, prints it to `out` and returns the exit
// code (0). Otherwise returns nothing and the program starts as usual. The first of these
// options on the command line wins; arguments after "--" are not options.
std::optional<int> handleInfoOptions(int argc, char **argv, std::FILE *out = stdout);

} // namespace CommandLine
