#include "ui/chart_maker.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QPluginLoader>

// Where an installation keeps the module, seen from its bin folder.
#ifndef DRAVICOR_MODULES_DIR
#define DRAVICOR_MODULES_DIR "../lib/dravicor/modules"
#endif

namespace dravicor {

namespace {

constexpr int kSwatchSide = 10;
const QString kModuleFile = QStringLiteral("dravicor-charts.so");

ChartMaker* MakerOf(QObject* instance) { return qobject_cast<ChartMaker*>(instance); }

}  // namespace

ChartMaker* LoadChartMaker() {
    for (QObject* instance : QPluginLoader::staticInstances()) {
        if (ChartMaker* maker = MakerOf(instance)) return maker;
    }
    // Qt keeps a loaded module, and its one instance, to the end of the
    // program; the loaders themselves may go.
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& folder : {QStringLiteral("."), QStringLiteral(DRAVICOR_MODULES_DIR)}) {
        QPluginLoader loader(QDir::cleanPath(programFolder.filePath(folder + QLatin1Char('/') + kModuleFile)));
        if (ChartMaker* maker = MakerOf(loader.instance())) return maker;
    }
    return nullptr;
}

QLabel* NewChartSwatch(size_t index, QWidget* parent) {
    QPixmap square(kSwatchSide, kSwatchSide);
    square.fill(ChartColour(index));
    auto* swatch = new QLabel(parent);
    swatch->setPixmap(square);
    swatch->setFixedSize(square.size());
    return swatch;
}

}  // namespace dravicor
