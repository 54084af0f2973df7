// dravicor-art: draws the pictures of the program's Images folder. Usage:
//   dravicor-art --output IMAGES_FOLDER [--decks DECKS_FOLDER] [--contact-sheet FILE.png]
// Card faces come from the card decks of Debian's kdegames-card-data-kf5
// (DECKS_FOLDER, /usr/share/carddecks unless named); backs, backgrounds, the
// smallest faces and the large-index face sets are drawn here. Writes every picture as NAME.bmp, and
// last the stamp file ".generated" naming them. With --contact-sheet, also
// one PNG showing them all. Exits 1, saying why, when a deck is missing or a
// file cannot be written; 2 on a wrong command line.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "art_writer.h"
#include "contact_sheet.h"

namespace {

using namespace dravicor::art;

struct Options {
    QString output;
    QString decks = QStringLiteral("/usr/share/carddecks");
    QString contactSheet;
};

bool ParseOptions(const QStringList& args, Options* options) {
    for (int i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return false;
        const QString& value = args[i + 1];
        if (args[i] == QStringLiteral("--output")) {
            options->output = value;
        } else if (args[i] == QStringLiteral("--decks")) {
            options->decks = value;
        } else if (args[i] == QStringLiteral("--contact-sheet")) {
            options->contactSheet = value;
        } else {
            return false;
        }
    }
    return !options->output.isEmpty();
}

int Fail(const QString& message) {
    std::fprintf(stderr, "dravicor-art: %s\n", qPrintable(message));
    return 1;
}

bool WriteStamp(const ImageFolder& out) {
    QFile stamp(QDir(out.path()).filePath(QStringLiteral(".generated")));
    if (!stamp.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
    QTextStream text(&stamp);
    for (const QString& name : out.written()) text << name << '\n';
    return text.status() == QTextStream::Ok;
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Options options;
    if (!ParseOptions(app.arguments(), &options)) {
        std::fprintf(stderr,
                     "usage: dravicor-art --output IMAGES_FOLDER [--decks DECKS_FOLDER] "
                     "[--contact-sheet FILE.png]\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    if (!QDir().mkpath(options.output)) return Fail(QStringLiteral("cannot create ") + options.output);

    ImageFolder out(options.output);
    QString error;
    if (!WriteCardFaces(options.decks, out, &error) || !WriteCardBacks(out, &error) ||
        !WriteBackgrounds(out, &error)) {
        return Fail(error);
    }
    if (!WriteStamp(out)) return Fail(QStringLiteral("cannot write the stamp file in ") + options.output);
    if (!options.contactSheet.isEmpty() && !MakeContactSheet(options.output).save(options.contactSheet, "PNG")) {
        return Fail(QStringLiteral("cannot write ") + options.contactSheet);
    }
    std::printf("dravicor-art: %lld pictures in %s (%.1f s)\n", static_cast<long long>(out.written().size()),
                qPrintable(options.output), clock.elapsed() / 1000.0);
    return 0;
}
