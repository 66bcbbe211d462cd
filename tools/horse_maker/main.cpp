// galloria-horse-maker OUTDIR: draws the galloping horse of the runner
// sprites and writes OUTDIR/race/*.png. The same program always writes the
// same bytes, so the committed pictures can be checked against it.

#include "horse_figure.h"

#include <QDir>
#include <QImageWriter>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: galloria-horse-maker OUTDIR\n"
                             "  writes the horse strip and its masks to OUTDIR/race/\n");
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("race"));
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "galloria-horse-maker: cannot make the folder %s\n", qPrintable(folder));
        return 1;
    }
    for (const galloria::horse::HorseStrip& strip : galloria::horse::DrawHorseStrips()) {
        const QString path = QDir(folder).filePath(strip.fileName);
        QImageWriter writer(path, "png");
        if (!writer.write(strip.image)) {
            std::fprintf(stderr, "galloria-horse-maker: cannot write %s: %s\n", qPrintable(path),
                         qPrintable(writer.errorString()));
            return 1;
        }
    }
    return 0;
}
