#include "PanelDescriptionReader.h"

#include "CCom.h"
#include "CDevModule.h"
#include "CLamp.h"
#include "CLed.h"
#include "CModule.h"
#include "CPanel.h"
#include "CPort.h"
#include "CPower.h"
#include "CSlot.h"
#include "PanelLimits.h"
#include "PictureCache.h"

#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>
#include <string_view>
#include <pugixml.hpp>

namespace {

bool TagIs(const pugi::xml_node& node, const char* tag)
{
    return std::strcmp(node.name(), tag) == 0;
}

// Tags whose elements carry values; each needs ID, LEFT, TOP, WIDTH and HEIGHT.
bool CarriesValues(const pugi::xml_node& node)
{
    static const char* const kTags[] = {"DEVICEPANEL", "PANEL", "PORT", "LAMP", "SLOT", "CONSOLE",
                                        "POWER", "MASTER", "RPS", "FAN", "LED", "MODULE"};
    if (node.type() != pugi::node_element)
        return false;
    for (const char* tag : kTags) {
        if (TagIs(node, tag))
            return true;
    }
    return false;
}

bool HasRequiredValues(const pugi::xml_node& node)
{
    for (const char* name : {"ID", "LEFT", "TOP", "WIDTH", "HEIGHT"}) {
        if (!node.child(name))
            return false;
    }
    return true;
}

// The text of value element name, without surrounding white space; empty when absent.
QString ValueText(const pugi::xml_node& node, const char* name)
{
    QString text;
    for (const pugi::xml_node& part : node.child(name).children()) {
        if (part.type() == pugi::node_pcdata || part.type() == pugi::node_cdata)
            text += QString::fromUtf8(part.value());
    }
    return text.trimmed();
}

// Leading blanks and a sign allowed, stops at the first non-digit, no digits gives 0;
// saturates instead of overflowing.
int ParseLeadingInt(const QString& text)
{
    int i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

int LampStateCode(const QString& keyword, int current)
{
    if (keyword == QLatin1String("LAMPON"))
        return CLamp::On;
    if (keyword == QLatin1String("LAMP1G"))
        return CLamp::On1G;
    if (keyword == QLatin1String("LAMPOFF"))
        return CLamp::Off;
    return current;
}

int PortStateCode(const QString& keyword, int current)
{
    static const char* const kKeywords[CPort::kStateCount] = {
        "PORTLINK100", "PORTLINK10", "PORTDISABLED", "PORTENABLE", "PORTEMPTY"};
    for (int state = 0; state < CPort::kStateCount; ++state) {
        if (keyword == QLatin1String(kKeywords[state]))
            return state;
    }
    return current;
}

int LampTypeCode(const QString& keyword, int current)
{
    static const char* const kKeywords[] = {"LINK", "S100M", "POWER", "CONSOLE"};
    for (int type = 0; type < 4; ++type) {
        if (keyword == QLatin1String(kKeywords[type]))
            return type;
    }
    return current;
}

std::unique_ptr<VirtualDev> NewElement(const pugi::xml_node& node)
{
    if (TagIs(node, "PANEL"))
        return std::make_unique<CPanel>();
    if (TagIs(node, "PORT"))
        return std::make_unique<CPort>();
    if (TagIs(node, "LAMP"))
        return std::make_unique<CLamp>();
    if (TagIs(node, "SLOT"))
        return std::make_unique<CSlot>();
    if (TagIs(node, "CONSOLE") || TagIs(node, "MASTER") || TagIs(node, "RPS") || TagIs(node, "FAN"))
        return std::make_unique<CCom>();
    if (TagIs(node, "POWER"))
        return std::make_unique<CPower>();
    if (TagIs(node, "LED"))
        return std::make_unique<CLed>();
    return nullptr;
}

} // namespace

bool LoadPanelDescription(const QString& path, CDevModule& root, ModuleList& modules, QString* refusal)
{
    PanelDescriptionReader reader(root, modules);
    const bool read = reader.Read(path);
    if (refusal)
        *refusal = reader.Refusal();
    return read;
}

PanelDescriptionReader::PanelDescriptionReader(CDevModule& root, ModuleList& modules)
    : m_root(root)
    , m_modules(modules)
{
}

PanelDescriptionReader::~PanelDescriptionReader() = default;

bool PanelDescriptionReader::Read(const QString& path)
{
    m_refusal.clear();
    if (path.isEmpty())
        return false;
    const QFileInfo file(path);
    if (file.exists() && (!file.isFile() || file.size() > kMaxFileBytes)) {
        m_refusal = QStringLiteral("Cannot use the front-panel description %1: it is no file of at most %2 bytes !")
                        .arg(file.fileName())
                        .arg(kMaxFileBytes);
        return false;
    }
    pugi::xml_document document;
    const QByteArray nativePath = QFile::encodeName(path);
    if (!document.load_file(nativePath.constData()))
        return false;
    if (RefuseCostlyPaths(document, file.fileName()))
        return false;
    m_pictureDir = file.absoluteDir();
    m_pictures = std::make_shared<PictureCache>();
    m_nodesRead = 0;

    for (const char* tag : {"//DEVICEPANEL", "//DEVICEMODULE"}) {
        pugi::xpath_node_set found = document.select_nodes(tag);
        found.sort();
        for (const pugi::xpath_node& each : found)
            ReadNode(each.node(), &m_root, 0);
    }
    return true;
}

bool PanelDescriptionReader::IsSimplePath(const char* expression)
{
    const std::string_view path(expression);
    if (path.empty())
        return false;
    size_t start = 0;
    for (;;) {
        const size_t slash = std::min(path.find('/', start), path.size());
        const std::string_view step = path.substr(start, slash - start);
        if (step != "." && step != "..") {
            const auto nameStart = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; };
            const auto nameChar = [&](char c) {
                return nameStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '.';
            };
            if (step.empty() || !nameStart(step[0]) || !std::all_of(step.begin(), step.end(), nameChar))
                return false;
        }
        if (slash == path.size())
            return true;
        start = slash + 1;
    }
}

bool PanelDescriptionReader::RefuseCostlyPaths(const pugi::xml_node& document, const QString& fileName)
{
    constexpr int kShownLength = 40;
    for (const pugi::xpath_node& each : document.select_nodes("//@*")) {
        const pugi::xml_attribute attribute = each.attribute();
        if (IsSimplePath(attribute.value()) || !Query(attribute.value()))
            continue;
        QString shown = QString::fromUtf8(attribute.value());
        if (shown.size() > kShownLength)
            shown = shown.left(kShownLength) + QStringLiteral("...");
        m_refusal = QStringLiteral("Cannot use the front-panel description %1: the attribute %2=\"%3\" is no path of "
                                   "element names, \".\" and \"..\" !")
                        .arg(fileName, QString::fromUtf8(attribute.name()), shown);
        return true;
    }
    return false;
}

void PanelDescriptionReader::ReadNode(const pugi::xml_node& node, VirtualDev* parent, int depth)
{
    if (depth > kMaxDepth || ++m_nodesRead > kMaxNodes)
        return;
    if (!HasUsablePaths(node) || (CarriesValues(node) && !HasRequiredValues(node)))
        return;

    VirtualDev* created = CreateElement(node, parent);
    for (const pugi::xml_attribute& attribute : node.attributes()) {
        const pugi::xpath_query* query = Query(attribute.value());
        const pugi::xml_node container = query->evaluate_node(node).node();
        if (!container)
            continue;
        for (const pugi::xml_node& child : container.children())
            ReadNode(child, created, depth + 1);
    }
}

bool PanelDescriptionReader::HasUsablePaths(const pugi::xml_node& node)
{
    for (const pugi::xml_attribute& attribute : node.attributes()) {
        if (!Query(attribute.value()))
            return false;
    }
    return true;
}

const pugi::xpath_query* PanelDescriptionReader::Query(const char* expression)
{
    auto found = m_queries.find(expression);
    if (found != m_queries.end())
        return found->second.get();
    std::unique_ptr<pugi::xpath_query> query;
    try {
        query = std::make_unique<pugi::xpath_query>(expression);
        if (query->return_type() != pugi::xpath_type_node_set)
            query.reset();
    } catch (const pugi::xpath_exception&) {
        query.reset();
    }
    return m_queries.emplace(expression, std::move(query)).first->second.get();
}

VirtualDev* PanelDescriptionReader::CreateElement(const pugi::xml_node& node, VirtualDev* parent)
{
    if (node.type() != pugi::node_element || TagIs(node, "DEVICEMODULE"))
        return nullptr;
    if (TagIs(node, "DEVICEPANEL")) {
        if (parent)
            ReadValues(node, *parent);
        return parent;
    }
    if (TagIs(node, "MODULE")) {
        auto module = std::make_unique<CModule>();
        module->SetPictureCache(m_pictures);
        ReadValues(node, *module);
        module->Refresh();
        m_modules.push_back(std::move(module));
        return m_modules.back().get();
    }
    if (!parent)
        return nullptr;
    std::unique_ptr<VirtualDev> made = NewElement(node);
    if (!made)
        return nullptr;
    made->SetPictureCache(m_pictures);
    ReadValues(node, *made);
    VirtualDev* element = parent->AddChild(std::move(made));
    element->Refresh();
    auto* lamp = dynamic_cast<CLamp*>(element);
    const QString parentClass = parent->ClassName();
    if (lamp && (parentClass == QLatin1String("CPort") || parentClass == QLatin1String("CCom"))
        && parent->Subject())
        lamp->Observe(*parent->Subject());
    return element;
}

void PanelDescriptionReader::ReadValues(const pugi::xml_node& node, VirtualDev& element) const
{
    const QString id = ValueText(node, "ID");
    if (id != QLatin1String("0"))
        element.SetId(id);
    const auto coordinate = [&node](const char* name) {
        return std::clamp(ParseLeadingInt(ValueText(node, name)), -kMaxPanelCoordinate, kMaxPanelCoordinate);
    };
    element.SetRect(coordinate("LEFT"), coordinate("TOP"), coordinate("WIDTH"), coordinate("HEIGHT"));
    const QString bitmap = ValueText(node, "BMP");
    if (!bitmap.isEmpty())
        element.SetBitmapFile(PicturePath(bitmap));

    auto* lamp = dynamic_cast<CLamp*>(&element);
    auto* port = dynamic_cast<CPort*>(&element);
    if (node.child("STATUS")) {
        const QString status = ValueText(node, "STATUS");
        if (lamp)
            element.SetState(LampStateCode(status, element.GetState()));
        else if (port)
            element.SetState(PortStateCode(status, element.GetState()));
    }
    if (lamp && node.child("TYPE"))
        element.SetType(LampTypeCode(ValueText(node, "TYPE"), lamp->GetType()));
    if (node.child("NAME"))
        element.SetName(ValueText(node, "NAME"));

    if (port) {
        static const char* const kPictures[CPort::kStateCount] = {
            "BMPLINK100", "BMPLINK10", "BMPDISABLE", "BMPENABLE", "BMPEMPTY"};
        for (int state = 0; state < CPort::kStateCount; ++state) {
            const QString path = ValueText(node, kPictures[state]);
            if (!path.isEmpty())
                port->SetStatePicture(state, PicturePath(path));
        }
    }
    if (auto* led = dynamic_cast<CLed*>(&element)) {
        for (int level = 0; level < CLed::kLevelCount; ++level) {
            const QString path = ValueText(node, QStringLiteral("BMP%1").arg(level).toLatin1().constData());
            if (!path.isEmpty())
                led->SetLevelPicture(level, PicturePath(path));
        }
    }
}

QString PanelDescriptionReader::PicturePath(const QString& text) const
{
    if (QFileInfo(text).isAbsolute())
        return text;
    return m_pictureDir.filePath(text);
}
