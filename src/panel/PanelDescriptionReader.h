#pragma once

#include "CModule.h"

#include <QDir>
#include <QString>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace pugi {
class xml_node;
class xpath_query;
} // namespace pugi

class CDevModule;
class PictureCache;
class VirtualDev;

using ModuleList = std::vector<std::unique_ptr<CModule>>;

// Builds the panel model from a front-panel description: the DEVICEPANEL values go into root,
// the elements nested in it become root's children, MODULE elements go to modules. A file
// that cannot be read or parsed leaves the panel without elements. Returns whether the file
// was parsed. Relative picture paths are taken relative to the description's folder. A file that
// is refused (see PanelDescriptionReader) sets `refusal` to a message for the operator.
bool LoadPanelDescription(const QString& path, CDevModule& root, ModuleList& modules, QString* refusal = nullptr);

// Reads one description. Nesting is by reference (each attribute of an element is an XPath
// location path whose first match holds nested elements), so a description can refer to
// itself: depth and the number of nodes read are bounded.
//
// A path is evaluated once per element read, so its cost must stay small: only relative paths of
// element names, "." and ".." joined by "/" are evaluated (all our descriptions use). A file
// with any other node-set expression, such as a predicate or "//" that scans the whole document
// per element, is refused whole, as is a file larger than kMaxFileBytes or no regular file.
// Texts that are no node-set expression at all leave their element out, as before.
class PanelDescriptionReader {
public:
    static constexpr int kMaxDepth = 16;
    static constexpr int kMaxNodes = 20000;
    static constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

    PanelDescriptionReader(CDevModule& root, ModuleList& modules);
    ~PanelDescriptionReader();

    bool Read(const QString& path);
    // Why the last Read refused its file; empty when it did not.
    const QString& Refusal() const { return m_refusal; }

    // "LAMPS", "../PORTS", ".": the paths the reader evaluates.
    static bool IsSimplePath(const char* expression);

private:
    bool RefuseCostlyPaths(const pugi::xml_node& document, const QString& fileName);
    void ReadNode(const pugi::xml_node& node, VirtualDev* parent, int depth);
    bool HasUsablePaths(const pugi::xml_node& node);
    const pugi::xpath_query* Query(const char* expression);
    VirtualDev* CreateElement(const pugi::xml_node& node, VirtualDev* parent);
    void ReadValues(const pugi::xml_node& node, VirtualDev& element) const;
    QString PicturePath(const QString& text) const;

    CDevModule& m_root;
    ModuleList& m_modules;
    QDir m_pictureDir;
    std::shared_ptr<PictureCache> m_pictures;
    int m_nodesRead = 0;
    QString m_refusal;
    // Compiled paths by text; null for a text that is no node-set expression.
    std::map<std::string, std::unique_ptr<pugi::xpath_query>> m_queries;
};
