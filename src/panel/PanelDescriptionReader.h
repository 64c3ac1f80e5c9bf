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
class VirtualDev;

using ModuleList = std::vector<std::unique_ptr<CModule>>;

// Builds the panel model from a front-panel description: the DEVICEPANEL values go into root,
// the elements nested in it become root's children, MODULE elements go to modules. A file
// that cannot be read or parsed leaves the panel without elements. Returns whether the file
// was parsed. Relative picture paths are taken relative to the description's folder.
bool LoadPanelDescription(const QString& path, CDevModule& root, ModuleList& modules);

// Reads one description. Nesting is by reference (each attribute of an element is an XPath
// location path whose first match holds nested elements), so a description can refer to
// itself: depth and the number of nodes read are bounded.
class PanelDescriptionReader {
public:
    static constexpr int kMaxDepth = 16;
    static constexpr int kMaxNodes = 20000;

    PanelDescriptionReader(CDevModule& root, ModuleList& modules);
    ~PanelDescriptionReader();

    bool Read(const QString& path);

private:
    void ReadNode(const pugi::xml_node& node, VirtualDev* parent, int depth);
    bool HasUsablePaths(const pugi::xml_node& node);
    const pugi::xpath_query* Query(const char* expression);
    VirtualDev* CreateElement(const pugi::xml_node& node, VirtualDev* parent);
    void ReadValues(const pugi::xml_node& node, VirtualDev& element) const;
    QString PicturePath(const QString& text) const;

    CDevModule& m_root;
    ModuleList& m_modules;
    QDir m_pictureDir;
    int m_nodesRead = 0;
    // Compiled paths by text; null for a text that is no node-set expression.
    std::map<std::string, std::unique_ptr<pugi::xpath_query>> m_queries;
};
