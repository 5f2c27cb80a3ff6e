// tolvarin-cli: the units and formats of the window from a terminal. It runs
// without a QCoreApplication: nothing it does needs an event loop, and not
// creating one keeps a one-shot conversion fast.
#include "clirun.h"

#include <QByteArray>
#include <QLocale>
#include <QStringList>

#include <malloc.h>

#include <cstdio>

namespace {

void write(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

int main(int argc, char* argv[])
{
    // The data file's text and its decoded copy are a few hundred kilobytes
    // each. Taken from the heap rather than from fresh mappings, their memory
    // is used again by what is read next instead of being unmapped and
    // faulted in anew; at this program's size that is a tenth of its run.
    constexpr int kLargeBlock = 16 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, kLargeBlock);
    mallopt(M_TRIM_THRESHOLD, kLargeBlock);

    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    tolvarin::cli::CliOutput output;
    const int status = tolvarin::cli::runCli(arguments, QLocale::system(), output);
    write(stderr, output.err);
    write(stdout, output.out);
    return status;
}
