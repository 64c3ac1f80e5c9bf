// The front-panel description reader: any file is either refused or read into a panel no
// deeper and no larger than the reader's limits, which then paints and answers the pointer
// without fault. The description lies beside copies of the shipped pictures, so that the
// pictures it names are found and decoded as in the device window.

#include "CDevModule.h"
#include "FuzzTarget.h"
#include "PanelDescriptionReader.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace {

QTemporaryDir* g_folder = nullptr;

int countElements(const VirtualDev& element, int depth, int& deepest)
{
    deepest = std::max(deepest, depth);
    int count = 1;
    for (int i = 0; i < element.ChildCount(); ++i)
        count += countElements(*element.GetChild(i), depth + 1, deepest);
    return count;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    static QTemporaryDir folder;
    g_folder = &folder;
    const QDir shipped(QStringLiteral(SORVEX_RES_DIR "/panel"));
    QDir(folder.path()).mkdir(QStringLiteral("panel"));
    for (const QString& name : shipped.entryList({QStringLiteral("*.bmp")}, QDir::Files))
        QFile::copy(shipped.filePath(name), folder.filePath(QStringLiteral("panel/") + name));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = g_folder->filePath(QStringLiteral("description.xml"));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    }
    CDevModule root;
    ModuleList modules;
    QString refusal;
    if (!LoadPanelDescription(path, root, modules, &refusal))
        return 0;
    FUZZ_CHECK(refusal.isEmpty());

    int deepest = 0;
    const int elements = countElements(root, 0, deepest);
    FUZZ_CHECK(elements <= PanelDescriptionReader::kMaxNodes + 1);
    FUZZ_CHECK(deepest <= PanelDescriptionReader::kMaxDepth + 1);

    QImage window(320, 80, QImage::Format_RGB32);
    QPainter painter(&window);
    root.Refresh();
    root.PaintChildren(painter, nullptr);
    for (int x = 0; x < 320; x += 40)
        root.UpdateCursor(x, 30);
    return 0;
}
