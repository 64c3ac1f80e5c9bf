#include "CLamp.h"
#include "CLed.h"
#include "CPort.h"
#include "PanelFixture.h"
#include "PanelLimits.h"
#include "PictureCache.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <climits>
#include <functional>
#include <set>

namespace {

class LoaderTest : public PanelFixture {};

QStringList ChildClasses(const VirtualDev& element)
{
    QStringList classes;
    for (int i = 0; i < element.ChildCount(); ++i)
        classes << element.GetChild(i)->ClassName();
    return classes;
}

int CountElements(const VirtualDev& element)
{
    int count = 1;
    for (int i = 0; i < element.ChildCount(); ++i)
        count += CountElements(*element.GetChild(i));
    return count;
}

int Depth(const VirtualDev& element)
{
    int deepest = 0;
    for (int i = 0; i < element.ChildCount(); ++i)
        deepest = std::max(deepest, 1 + Depth(*element.GetChild(i)));
    return deepest;
}

CLamp* LampOf(const VirtualDev* element)
{
    return element ? dynamic_cast<CLamp*>(element->GetChild(0)) : nullptr;
}

TEST_F(LoaderTest, NestsThroughAttributesInDocumentOrderAndAttachesLampsOnlyToPortsAndComs)
{
    const QByteArray lamp = "<LAMPS><LAMP>" + Values("L", 1, 1, 6, 4) + "<TYPE>LINK</TYPE></LAMP></LAMPS>";
    ASSERT_TRUE(Load("<FRONT>"
                     "<DEVICEPANEL a='../FIRST' b='../SECOND' c='../FIRST'>"
                     + Values("Front", 10, 20, 300, 100) + "<BMP>art/back.bmp</BMP></DEVICEPANEL>"
                     "<FIRST><PANEL lamps='LAMPS'>" + Values("BACK", 0, 0, 300, 100) + lamp + "</PANEL></FIRST>"
                     "<SECOND>"
                     "<PORT lamps='LAMPS'>" + Values("P1", 50, 10, 30, 24) + lamp + "</PORT>"
                     "<CONSOLE lamps='LAMPS'>" + Values("CON", 90, 10, 30, 24) + lamp + "</CONSOLE>"
                     "<POWER lamps='LAMPS'>" + Values("PWR", 5, 5, 10, 10) + lamp + "</POWER>"
                     "<SLOT>" + Values("S", 0, 0, 1, 1) + "</SLOT><LED>" + Values("D", 0, 0, 1, 1) + "</LED>"
                     "<FAN>" + Values("F", 0, 0, 1, 1) + "</FAN><MASTER>" + Values("M", 0, 0, 1, 1) + "</MASTER>"
                     "<RPS>" + Values("R", 0, 0, 1, 1) + "</RPS>"
                     "</SECOND></FRONT>"));

    EXPECT_EQ(m_root.GetId(), "Front");
    EXPECT_EQ(m_root.GetRect(), QRect(10, 20, 300, 100));
    EXPECT_EQ(m_root.GetBitmapFile(), m_dir.filePath("art/back.bmp"));
    // FIRST is selected twice and read twice; POWER keeps its base's runtime class name.
    EXPECT_EQ(ChildClasses(m_root), (QStringList{"CPanel", "CPort", "CCom", "VirtualDev", "CSlot", "CLed",
                                                 "CCom", "CCom", "CCom", "CPanel"}));
    EXPECT_EQ(m_root.FindChildByClass("CCom", 1)->GetId(), "F");
    EXPECT_EQ(m_root.FindChildByClass("CPort", 1), nullptr);

    for (int i : {1, 2}) {
        VirtualDev* owner = m_root.GetChild(i);
        ASSERT_NE(LampOf(owner), nullptr);
        EXPECT_EQ(LampOf(owner)->ObservedSubject(), owner->Subject()) << i;
        EXPECT_EQ(owner->Subject()->Observers().size(), 1u) << i;
    }
    for (int i : {0, 3}) {
        ASSERT_NE(LampOf(m_root.GetChild(i)), nullptr);
        EXPECT_EQ(LampOf(m_root.GetChild(i))->ObservedSubject(), nullptr) << i;
    }
}

TEST_F(LoaderTest, ModulesGoToTheModuleListWithTheirPorts)
{
    ASSERT_TRUE(Load("<FRONT>"
                     "<DEVICEMODULE m='MODULES'><MODULES>"
                     "<MODULE ports='PORTS'>" + Values("M1", 0, 0, 100, 50)
                     + "<PORTS><PORT>" + Values("P1", 0, 0, 9, 9) + "</PORT><PORT>" + Values("P2", 10, 0, 9, 9)
                     + "</PORT></PORTS></MODULE>"
                     "<PORT>" + Values("LOOSE", 0, 0, 9, 9) + "</PORT>"
                     "</MODULES></DEVICEMODULE>"
                     "<DEVICEPANEL x='../MORE'>" + Values("Front", 0, 0, 200, 100) + "</DEVICEPANEL>"
                     "<MORE><MODULE>" + Values("M2", 0, 0, 9, 9) + "</MODULE><PORT>" + Values("P3", 0, 0, 9, 9)
                     + "</PORT></MORE>"
                     "</FRONT>"));

    // Every DEVICEPANEL is read before any DEVICEMODULE; a port without a parent makes nothing.
    ASSERT_EQ(m_modules.size(), 2u);
    EXPECT_EQ(m_modules[0]->GetId(), "M2");
    EXPECT_EQ(m_modules[1]->GetId(), "M1");
    EXPECT_EQ(ChildClasses(*m_modules[1]), (QStringList{"CPort", "CPort"}));
    EXPECT_EQ(m_modules[1]->GetChild(1)->GetId(), "P2");
    ASSERT_EQ(m_root.ChildCount(), 1);
    EXPECT_EQ(m_root.GetChild(0)->GetId(), "P3");
}

TEST_F(LoaderTest, ReadsValuesAndKeywordsExactly)
{
    WriteBmp("empty.bmp", 4, 3, Qt::red);
    ASSERT_TRUE(Load("<FRONT><DEVICEPANEL p='../P'>" + Values("Front", 0, 0, 200, 100) + "</DEVICEPANEL><P>"
                     "<LAMP><ID>0</ID><LEFT> -12px</LEFT><TOP>abc</TOP><WIDTH>+7</WIDTH>"
                     "<HEIGHT>99999999999</HEIGHT><STATUS>LAMP1G</STATUS><TYPE>S100M</TYPE></LAMP>"
                     "<LAMP>" + Values("Lamp 2", 0, 0, 1, 1) + "<STATUS>lampon</STATUS><TYPE>FIBRE</TYPE>"
                     "<NAME>Front lamp</NAME></LAMP>"
                     "<PORT>" + Values("P1", 0, 0, 4, 3) + "<STATUS>PORTEMPTY</STATUS><BMPEMPTY>empty.bmp</BMPEMPTY>"
                     "<BMPENABLE></BMPENABLE></PORT>"
                     "<PORT>" + Values("P2", 0, 0, 4, 3) + "<STATUS>PORTLINK</STATUS></PORT>"
                     "<WIDGET>" + Values("W", 0, 0, 1, 1) + "</WIDGET>text<!-- comment -->"
                     "</P></FRONT>"));

    ASSERT_EQ(m_root.ChildCount(), 4);
    auto* first = dynamic_cast<CLamp*>(m_root.GetChild(0));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetId(), "");
    EXPECT_EQ(first->GetRect(), QRect(-12, 0, 7, kMaxPanelCoordinate));
    EXPECT_EQ(first->GetState(), CLamp::On1G);
    EXPECT_EQ(first->GetType(), CLamp::S100M);
    EXPECT_EQ(first->GetName(), "Lamp");

    auto* second = dynamic_cast<CLamp*>(m_root.GetChild(1));
    EXPECT_EQ(second->GetId(), "Lamp 2");
    EXPECT_EQ(second->GetState(), CLamp::On);
    EXPECT_EQ(second->GetType(), CLamp::NoType);
    EXPECT_EQ(second->GetName(), "Front lamp");

    auto* empty = dynamic_cast<CPort*>(m_root.GetChild(2));
    EXPECT_EQ(empty->GetState(), CPort::Empty);
    EXPECT_EQ(empty->Picture().Width(), 4);
    EXPECT_EQ(empty->GetStatePicture(CPort::Enabled), "");
    EXPECT_EQ(m_root.GetChild(3)->GetState(), 0);
    EXPECT_EQ(m_root.GetChild(3)->GetName(), "VirtualDev");
}

// Positions and sizes at the ends of int once overflowed in the rectangle a picture is drawn
// into; they are cut to a bound at which any sum of two still fits.
TEST_F(LoaderTest, ExtremePositionsAndSizesAreCutAndPaint)
{
    WriteBmp("part.bmp", 4, 3, Qt::red);
    const QByteArray extremes[] = {"2147483647", "-2147483648", "99999999999999", "-99999999999999"};
    QByteArray parts;
    for (const QByteArray& a : extremes) {
        for (const QByteArray& b : extremes) {
            parts += "<PANEL><ID>x</ID><LEFT>" + a + "</LEFT><TOP>" + b + "</TOP><WIDTH>" + b + "</WIDTH><HEIGHT>" + a
                     + "</HEIGHT><BMP>part.bmp</BMP></PANEL>";
        }
    }
    ASSERT_TRUE(Load("<FRONT><DEVICEPANEL p='../P'>" + Values("Front", 0, 0, 200, 100) + "</DEVICEPANEL><P>" + parts
                     + "</P></FRONT>"));
    ASSERT_EQ(m_root.ChildCount(), 16);
    for (int i = 0; i < m_root.ChildCount(); ++i) {
        const QRect r = m_root.GetChild(i)->GetRect();
        for (int v : {r.left(), r.top(), r.width(), r.height()})
            EXPECT_LE(std::abs(v), kMaxPanelCoordinate + 1);
    }
    QImage window(200, 100, QImage::Format_RGB32);
    QPainter painter(&window);
    m_root.PaintChildren(painter, nullptr);
}

TEST_F(LoaderTest, AnUnreadableDescriptionGivesAnEmptyPanel)
{
    for (const QByteArray& text : {QByteArray("<FRONT><DEVICEPANEL>" + Values("F", 0, 0, 9, 9)),
                                   QByteArray("not xml at all"), QByteArray()}) {
        CDevModule root;
        ModuleList modules;
        EXPECT_FALSE(LoadPanelDescription(Write("bad.xml", text), root, modules)) << text.constData();
        EXPECT_EQ(root.ChildCount(), 0);
        EXPECT_TRUE(modules.empty());
    }
    for (const QString& path : {m_dir.filePath("missing.xml"), QString()})
        EXPECT_FALSE(LoadPanelDescription(path, m_root, m_modules));
    EXPECT_EQ(m_root.ChildCount(), 0);
}

TEST_F(LoaderTest, SkipsElementsWithAMissingValueOrAnUnusablePath)
{
    const QByteArray valid = Values("P", 0, 0, 9, 9);
    const QByteArray lamp = "<L><LAMP>" + Values("L", 0, 0, 1, 1) + "</LAMP></L>";
    struct Case {
        const char* name;
        QByteArray port;
    } const cases[] = {
        {"no ID", "<PORT l='L'><LEFT>0</LEFT><TOP>0</TOP><WIDTH>9</WIDTH><HEIGHT>9</HEIGHT>" + lamp + "</PORT>"},
        {"no LEFT", "<PORT l='L'><ID>P</ID><TOP>0</TOP><WIDTH>9</WIDTH><HEIGHT>9</HEIGHT>" + lamp + "</PORT>"},
        {"no TOP", "<PORT l='L'><ID>P</ID><LEFT>0</LEFT><WIDTH>9</WIDTH><HEIGHT>9</HEIGHT>" + lamp + "</PORT>"},
        {"no WIDTH", "<PORT l='L'><ID>P</ID><LEFT>0</LEFT><TOP>0</TOP><HEIGHT>9</HEIGHT>" + lamp + "</PORT>"},
        {"no HEIGHT", "<PORT l='L'><ID>P</ID><LEFT>0</LEFT><TOP>0</TOP><WIDTH>9</WIDTH>" + lamp + "</PORT>"},
        {"syntax error", "<PORT l='L' bad='[['>" + valid + lamp + "</PORT>"},
        {"not a node set", "<PORT l='L' n='1+1'>" + valid + lamp + "</PORT>"},
        {"empty path", "<PORT l='L' e=''>" + valid + lamp + "</PORT>"},
    };
    for (const Case& c : cases) {
        CDevModule root;
        ModuleList modules;
        const QByteArray xml = "<FRONT><DEVICEPANEL p='../P'>" + Values("F", 0, 0, 99, 99) + "</DEVICEPANEL><P>"
                               + c.port + "<PORT>" + Values("OK", 0, 0, 9, 9) + "</PORT></P></FRONT>";
        ASSERT_TRUE(LoadPanelDescription(Write("case.xml", xml), root, modules)) << c.name;
        ASSERT_EQ(root.ChildCount(), 1) << c.name;
        EXPECT_EQ(root.GetChild(0)->GetId(), "OK") << c.name;
    }
}

TEST_F(LoaderTest, BoundsNestingThatRefersBackToItself)
{
    const QByteArray v = Values("X", 0, 0, 9, 9);
    struct Case {
        const char* name;
        QByteArray xml;
    } const cases[] = {
        {"parent path", "<FRONT><DEVICEPANEL p='../PORTS'>" + v + "</DEVICEPANEL><PORTS><PORT again='..'>" + v
                            + "</PORT></PORTS></FRONT>"},
        {"panel by itself", "<FRONT><DEVICEPANEL self='.'>" + v + "<PANEL again='..'>" + v
                                + "</PANEL></DEVICEPANEL></FRONT>"},
        {"two ways back", "<FRONT><DEVICEPANEL p='../PORTS'>" + v + "</DEVICEPANEL><PORTS><PORT a='..' b='..'>" + v
                              + "</PORT><PORT a='..' b='..'>" + v + "</PORT></PORTS></FRONT>"},
    };
    for (const Case& c : cases) {
        CDevModule root;
        ModuleList modules;
        QElapsedTimer timer;
        timer.start();
        ASSERT_TRUE(LoadPanelDescription(Write("loop.xml", c.xml), root, modules)) << c.name;
        EXPECT_LT(timer.elapsed(), 5000) << c.name;
        EXPECT_GT(root.ChildCount(), 0) << c.name;
        EXPECT_LE(Depth(root), PanelDescriptionReader::kMaxDepth) << c.name;
        EXPECT_LE(CountElements(root), PanelDescriptionReader::kMaxNodes) << c.name;
    }
}

TEST(PanelPaths, OnlyRelativePathsOfNamesAreEvaluated)
{
    for (const char* path : {".", "..", "LAMPS", "../PORTS", "A/./B", "../../a-b.c_d"})
        EXPECT_TRUE(PanelDescriptionReader::IsSimplePath(path)) << path;
    for (const char* path : {"", "/", "A/", "/A", "A//B", "//A", "*", "A[1]", "9A", "A B", "A|B", "child::A", "@id"})
        EXPECT_FALSE(PanelDescriptionReader::IsSimplePath(path)) << path;
}

TEST_F(LoaderTest, RefusesACostlyPathOrAnOversizedFileWithAMessage)
{
    const QByteArray v = Values("X", 0, 0, 9, 9);
    QByteArray manyX;
    for (int i = 0; i < 3000; ++i)
        manyX += "<X/>";
    struct Case {
        const char* name;
        QByteArray path;
        QByteArray extra;
    } const cases[] = {
        {"nested counts over the whole document", "//*[count(//*[count(//X) &lt; 0]) &lt; 0]", manyX},
        {"descendants", "//P", ""},
        {"a predicate", "../P[1]", ""},
        {"an absolute path", "/FRONT/P", ""},
        {"a union", "../P | ../P", ""},
    };
    for (const Case& c : cases) {
        CDevModule root;
        ModuleList modules;
        QString refusal;
        QElapsedTimer timer;
        timer.start();
        const QByteArray xml = "<FRONT><DEVICEPANEL p='" + c.path + "'>" + v + "</DEVICEPANEL><P><PORT>" + v
                               + "</PORT></P>" + c.extra + "</FRONT>";
        EXPECT_FALSE(LoadPanelDescription(Write("costly.xml", xml), root, modules, &refusal)) << c.name;
        EXPECT_LT(timer.elapsed(), 2000) << c.name;
        EXPECT_TRUE(refusal.startsWith("Cannot use the front-panel description costly.xml: the attribute p=\""))
            << c.name << ": " << refusal.toStdString();
        EXPECT_EQ(root.ChildCount(), 0) << c.name;
        EXPECT_EQ(root.GetRect(), QRect()) << c.name;
    }

    QString refusal;
    const QByteArray big = "<FRONT>" + QByteArray(int(PanelDescriptionReader::kMaxFileBytes), ' ') + "</FRONT>";
    EXPECT_FALSE(LoadPanelDescription(Write("big.xml", big), m_root, m_modules, &refusal));
    EXPECT_EQ(refusal, QStringLiteral("Cannot use the front-panel description big.xml: it is no file of at most "
                                      "4194304 bytes !"));
    EXPECT_FALSE(LoadPanelDescription(m_dir.path(), m_root, m_modules, &refusal));
    EXPECT_TRUE(refusal.contains("it is no file")) << refusal.toStdString();
    // An unreadable file is no refusal: the operator is told nothing new.
    EXPECT_FALSE(LoadPanelDescription(m_dir.filePath("missing.xml"), m_root, m_modules, &refusal));
    EXPECT_EQ(refusal, QString());
}

TEST_F(LoaderTest, DecodesEachPictureFileOnceUnderEveryName)
{
    WriteBmp("port.bmp", 30, 24, Qt::green);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("sub"));
    ASSERT_TRUE(QFile::link(m_dir.filePath("port.bmp"), m_dir.filePath("link.bmp")));
    QByteArray ports;
    int n = 0;
    for (const char* name : {"port.bmp", "./port.bmp", "sub/../port.bmp", "link.bmp"})
        ports += "<PORT>" + Values(QByteArray::number(++n).constData(), 0, 0, 30, 24) + "<STATUS>PORTENABLE</STATUS>"
                 + "<BMPENABLE>" + name + "</BMPENABLE></PORT>";
    ASSERT_TRUE(Load("<FRONT><DEVICEPANEL p='../P'>" + Values("F", 0, 0, 200, 100) + "</DEVICEPANEL><P>" + ports
                     + "</P></FRONT>"));
    ASSERT_EQ(m_root.ChildCount(), 4);
    const qint64 shared = m_root.GetChild(0)->Picture().Image().cacheKey();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(m_root.GetChild(i)->Picture().Width(), 30) << i;
        EXPECT_EQ(m_root.GetChild(i)->Picture().Image().cacheKey(), shared) << i;
    }

    // A description that refers back to itself up to the node cap still holds one decoded picture.
    CDevModule root;
    ModuleList modules;
    const QByteArray port = "<PORT a='..' b='..'>" + Values("X", 0, 0, 9, 9)
                            + "<STATUS>PORTENABLE</STATUS><BMPENABLE>port.bmp</BMPENABLE></PORT>";
    ASSERT_TRUE(LoadPanelDescription(Write("loop.xml", "<FRONT><DEVICEPANEL p='../PORTS'>" + Values("F", 0, 0, 9, 9)
                                                          + "</DEVICEPANEL><PORTS>" + port + port + "</PORTS></FRONT>"),
                                     root, modules));
    std::set<qint64> pictures;
    std::function<void(const VirtualDev&)> collect = [&](const VirtualDev& element) {
        for (int i = 0; i < element.ChildCount(); ++i) {
            EXPECT_FALSE(element.GetChild(i)->Picture().IsNull());
            pictures.insert(element.GetChild(i)->Picture().Image().cacheKey());
            collect(*element.GetChild(i));
        }
    };
    collect(root);
    EXPECT_GT(CountElements(root), 1000);
    EXPECT_EQ(pictures.size(), 1u);
}

TEST_F(LoaderTest, PicturesStopAtTheDecodingBudget)
{
    // 100 x 100 pixels decode to 40,000 bytes: two fit in 100,000, the third does not.
    PictureCache cache(100000);
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"})
        WriteBmp(name, 100, 100, Qt::blue);
    EXPECT_FALSE(cache.Load(m_dir.filePath("a.bmp")).IsNull());
    EXPECT_FALSE(cache.Load(m_dir.filePath("b.bmp")).IsNull());
    EXPECT_TRUE(cache.Load(m_dir.filePath("c.bmp")).IsNull());
    EXPECT_FALSE(cache.Load(m_dir.filePath("a.bmp")).IsNull());
    EXPECT_TRUE(cache.Load(m_dir.filePath("missing.bmp")).IsNull());
    EXPECT_EQ(cache.DecodedCount(), 3);
}

} // namespace
