// Profile-store reads on the GUI thread: one full download's key lookups
// (2 layer files x 132 keys, each with its current profile) and one hover
// lookup (one key), each as the median of several runs. The baseline is the
// same store reading the file again on every call, as a library without an
// in-memory copy does, measured in the same run on the same files.
//
// Also reported: one key-function save, as the pages make it (one batch,
// one write) beside two writes, the cost of writing through, and the profile
// operations that make many changes at once: a new profile with
// its default lights and schemes, and a reset to those defaults. Those write
// each file once at the end of their batch; the baseline is the same
// operation with every change written through.
//
// And deleting a macro that keys of every profile of every layer file play:
// the keys go back to their default function and the profiles' copies go
// with the macro, each file written once; the baseline writes every change
// through.
//
// Usage: bench_profileStore [runs]   (default 15)

#include "app/resourceInit.h"
#include "profiles/DBoundMacroRefresh.h"
#include "profiles/DMacroBindings.h"
#include "profiles/DMacroFile.h"
#include "profiles/DProfileLightDefaults.h"
#include "profiles/DProfileOperations.h"
#include "sdk/include/StoreWriteBatch.h"
#include "sdk/include/orvanesdk_xml.h"
#include "sdk/store/KeyFunctionStore.h"
#include "sdk/store/ProfileStore.h"
#include "sdk/store/StoreFileCache.h"
#include "sdk/store/XmlStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kKeys = 132;
constexpr int kProfiles = 5;
constexpr int kFirstUsage = 4;

// A layer file as a well-used keyboard has it: five profiles, every key
// bound, the default lights and five schemes, two of them painted.
void fillLayerFile(const char* path)
{
    COrvaneXML_CreateXMLFile(path);
    for (int p = 1; p <= kProfiles; ++p) {
        const QByteArray index = QByteArray::number(p);
        COrvaneXML_CreateProFileXmlParentNode(path, index, "Profile" + index, 0);
        for (int k = 0; k < kKeys; ++k) {
            const QByteArray usage = QByteArray::number(kFirstUsage + k);
            COrvaneXML_AddProFileMacroWithKeyInfoItem(path, index, usage, "Key" + usage, "0", "1", "1",
                                                      QByteArray::number(kFirstUsage + (k + 1) % kKeys));
        }
        for (int part = 0; part <= 2; ++part)
            COrvaneXML_AddProFileLightInfoItem(path, index,
                                               colorInfoData{part, 2, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0});
        for (int s = 0; s < 5; ++s) {
            const QByteArray scheme = QByteArray::number(s);
            COrvaneXML_AddProFileCustomLightNode(path, index, scheme, "Custom " + scheme, s < 2 ? "Using" : "UnUsing",
                                                 s < 2 ? s : -1);
            for (int cell = 0; s < 2 && cell < 60; ++cell) {
                customLightDataItem item;
                std::memset(&item, 0, sizeof item);
                std::snprintf(item.keyCode, sizeof item.keyCode, "%d", kFirstUsage + cell);
                std::snprintf(item.keyLabel, sizeof item.keyLabel, "K%d", cell);
                item.row = cell / 22;
                item.column = cell % 22;
                item.red = 255;
                item.fourthValue = 128;
                COrvaneXML_AddProFileCustomLightDataInfo(path, index, scheme, item);
            }
        }
    }
    COrvaneXML_ModifyXMLFileProfileIndex(path, 1);
}

// What the download reads from the store for the key maps of both layers.
int download(ProfileStore& profiles, KeyFunctionStore& keys, const std::vector<QByteArray>& layers)
{
    int found = 0;
    for (const QByteArray& layer : layers) {
        const QByteArray index = QByteArray::number(profiles.currentProfile(layer));
        keyOperateInfo info;
        for (int k = 0; k < kKeys; ++k) {
            std::strcpy(info.type, "-1");
            found += keys.select(layer, index, QByteArray::number(kFirstUsage + k), &info);
        }
    }
    return found;
}

double medianMicroseconds(std::vector<qint64> nanoseconds)
{
    std::sort(nanoseconds.begin(), nanoseconds.end());
    return nanoseconds[nanoseconds.size() / 2] / 1000.0;
}

template<typename Work>
double measure(int runs, Work work)
{
    std::vector<qint64> samples;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        timer.start();
        work();
        samples.push_back(timer.nsecsElapsed());
    }
    return medianMicroseconds(samples);
}

// One profile operation on a fresh copy of a layer file per run; the copy
// is made and read outside the timing.
template<typename Operation>
double onCopies(int runs, const QTemporaryDir& dir, const QByteArray& source, const QString& name, Operation operation)
{
    std::vector<qint64> samples;
    QElapsedTimer timer;
    const DProfileLightDefaults defaults(104, QStringLiteral("OV104"), true);
    for (int run = 0; run < runs; ++run) {
        const QString copy = dir.filePath(QStringLiteral("%1-%2.xml").arg(name).arg(run));
        if (!QFile::copy(QFile::decodeName(source), copy))
            return -1;
        DProfileOperations operations(QFile::encodeName(copy), defaults);
        // The device page has read its file before the user asks for more.
        operations.profiles();
        timer.start();
        if (!operation(operations))
            return -1;
        samples.push_back(timer.nsecsElapsed());
    }
    return medianMicroseconds(samples);
}

constexpr int kBoundProfiles = 10;

// A user configuration folder whose one keyboard plays macro 3 from key A
// in all ten profiles of its three layer files, each profile keeping its
// copy; outside the timing.
QString boundConfig(const QTemporaryDir& dir, const QString& name, std::vector<QString>* files)
{
    const QString config = dir.filePath(name);
    const QString keyboard = config + QStringLiteral("/OV68M/SERIAL");
    QDir().mkpath(keyboard);
    files->clear();
    const QByteArray macros = QFile::encodeName(config + QStringLiteral("/appMacro.xml"));
    COrvaneXML_CreateXMLFile(macros);
    std::list<macroEventItem> events;
    for (int m = 1; m <= 3; ++m) {
        const QByteArray index = QByteArray::number(m);
        COrvaneXML_CreateMacroXmlParentNode(macros, index, "Macro" + index);
    }
    files->push_back(QFile::decodeName(macros));
    for (const char* layer : {"/appProfile_Default.xml", "/appProfile_FN.xml", "/appProfile_Magnetic.xml"}) {
        const QByteArray path = QFile::encodeName(keyboard + QLatin1String(layer));
        COrvaneXML_CreateXMLFile(path);
        for (int p = 1; p <= kBoundProfiles; ++p) {
            const QByteArray index = QByteArray::number(p);
            COrvaneXML_CreateProFileXmlParentNode(path, index, "Profile" + index, 0);
            COrvaneXML_AddProFileMacroWithKeyInfoItem(path, index, "4", "A", "1", "1", "1", "3");
            COrvaneXML_AddProFileBindMacroItem(path, index, events, "3", DBoundMacroRefresh::tagOf("3"));
        }
        files->push_back(QFile::decodeName(path));
    }
    return config;
}

// Median time to delete macro 3 with its bindings, and how many files were
// replaced by the last run; -1 when a delete failed.
double deleteBoundMacro(int runs, const QTemporaryDir& dir, const QString& name, int* filesWritten)
{
    std::vector<qint64> samples;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        std::vector<QString> files;
        const QString config = boundConfig(dir, QStringLiteral("%1-%2").arg(name).arg(run), &files);
        DMacroFile macros(QFile::encodeName(config + QStringLiteral("/appMacro.xml")));
        QList<DMacroFile::Macro> listed;
        macros.macros(&listed);
        std::vector<QDateTime> before;
        for (const QString& file : files)
            before.push_back(QFileInfo(file).lastModified());
        QThread::msleep(20);
        timer.start();
        if (!DMacroBindings::removeMacro(macros, config, 3))
            return -1;
        samples.push_back(timer.nsecsElapsed());
        *filesWritten = 0;
        for (std::size_t f = 0; f < files.size(); ++f)
            *filesWritten += QFileInfo(files[f]).lastModified() != before[f] ? 1 : 0;
    }
    return medianMicroseconds(samples);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    initOrvaneResources();
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    QTemporaryDir dir;
    const std::vector<QByteArray> layers{QFile::encodeName(dir.filePath(QStringLiteral("appProfile_Default.xml"))),
                                         QFile::encodeName(dir.filePath(QStringLiteral("appProfile_FN.xml")))};
    COrvaneXML_Init();
    for (const QByteArray& layer : layers)
        fillLayerFile(layer);

    StoreFileCache cached;
    ProfileStore cachedProfiles(cached);
    KeyFunctionStore cachedKeys(cached);
    StoreFileCache reparsing;
    reparsing.setReparseEveryCall(true);
    ProfileStore reparsingProfiles(reparsing);
    KeyFunctionStore reparsingKeys(reparsing);

    if (download(cachedProfiles, cachedKeys, layers) != 2 * kKeys
        || download(reparsingProfiles, reparsingKeys, layers) != 2 * kKeys) {
        std::fprintf(stderr, "the download did not find every key\n");
        return 1;
    }

    const double downloadCached = measure(runs, [&] { download(cachedProfiles, cachedKeys, layers); });
    const double downloadReparsing = measure(runs, [&] { download(reparsingProfiles, reparsingKeys, layers); });
    const int hoverRuns = runs * 20;
    keyOperateInfo info;
    const double hoverCached = measure(hoverRuns, [&] { cachedKeys.select(layers[0], "1", "41", &info); });
    const double hoverReparsing = measure(hoverRuns, [&] { reparsingKeys.select(layers[0], "1", "41", &info); });

    // One key-function save as the pages make it: delete, then add (two writes).
    int flip = 0;
    const double save = measure(runs, [&] {
        const QByteArray value = QByteArray::number(4 + (flip++ % 2));
        COrvaneXML_DeleteProFileMacroWithKeyInfoItem(layers[0], "1", "41", "Esc");
        COrvaneXML_AddProFileMacroWithKeyInfoItem(layers[0], "1", "41", "Esc", "0", "1", "1", value);
    });

    // The same save as one batch: one write of the file.
    const double batchedSave = measure(runs, [&] {
        const QByteArray value = QByteArray::number(4 + (flip++ % 2));
        StoreWriteBatch batch;
        COrvaneXML_DeleteProFileMacroWithKeyInfoItem(layers[0], "1", "41", "Esc");
        COrvaneXML_AddProFileMacroWithKeyInfoItem(layers[0], "1", "41", "Esc", "0", "1", "1", value);
        batch.commit();
    });

    const int bulkRuns = std::max(3, runs / 3);
    const auto create
        = [](DProfileOperations& operations) { return operations.create() == DProfileOperations::Result::Created; };
    const auto reset
        = [](DProfileOperations& operations) { return operations.reset(3) == DProfileOperations::Result::ResetDone; };
    const double createBatched = onCopies(bulkRuns, dir, layers[0], QStringLiteral("create"), create);
    const double resetBatched = onCopies(bulkRuns, dir, layers[0], QStringLiteral("reset"), reset);
    XmlStore::instance().cache.setWriteThrough(true);
    const double createThrough = onCopies(bulkRuns, dir, layers[0], QStringLiteral("createThrough"), create);
    const double resetThrough = onCopies(bulkRuns, dir, layers[0], QStringLiteral("resetThrough"), reset);
    int filesThrough = 0;
    const double unbindThrough = deleteBoundMacro(bulkRuns, dir, QStringLiteral("unbindThrough"), &filesThrough);
    XmlStore::instance().cache.setWriteThrough(false);
    int filesBatched = 0;
    const double unbindBatched = deleteBoundMacro(bulkRuns, dir, QStringLiteral("unbind"), &filesBatched);
    if (unbindBatched < 0 || unbindThrough < 0) {
        std::fprintf(stderr, "deleting a bound macro failed\n");
        return 1;
    }
    if (createBatched < 0 || resetBatched < 0 || createThrough < 0 || resetThrough < 0) {
        std::fprintf(stderr, "a profile operation failed\n");
        return 1;
    }

    std::printf("layer file: %lld bytes, %d profiles x %d keys\n", QFileInfo(QFile::decodeName(layers[0])).size(),
                kProfiles, kKeys);
    std::printf("download (2 x %d key reads), median of %d: cached %.1f us, re-parsing %.1f us, ratio %.0fx\n", kKeys,
                runs, downloadCached, downloadReparsing, downloadReparsing / downloadCached);
    std::printf("hover (1 key read), median of %d: cached %.2f us, re-parsing %.1f us, ratio %.0fx\n", hoverRuns,
                hoverCached, hoverReparsing, hoverReparsing / hoverCached);
    std::printf("key-function save (delete + add), median of %d: one batch %.0f us, two writes %.0f us, ratio %.1fx\n",
                runs, batchedSave, save, save / batchedSave);
    std::printf("new profile with defaults, median of %d: batched %.0f us, written through %.0f us, ratio %.0fx\n",
                bulkRuns, createBatched, createThrough, createThrough / createBatched);
    std::printf("reset to defaults, median of %d: batched %.0f us, written through %.0f us, ratio %.0fx\n", bulkRuns,
                resetBatched, resetThrough, resetThrough / resetBatched);
    std::printf("delete a macro bound in %d profiles of 3 layer files, median of %d: batched %.0f us (%d files "
                "written), written through %.0f us, ratio %.1fx\n",
                kBoundProfiles, bulkRuns, unbindBatched, filesBatched, unbindThrough, unbindThrough / unbindBatched);
    return 0;
}
