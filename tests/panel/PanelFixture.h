#pragma once

#include "CDevModule.h"
#include "CModule.h"
#include "PanelDescriptionReader.h"

#include <QColor>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A temporary folder for descriptions and pictures, and a panel loaded from it.
class PanelFixture : public testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& content) const;
    // A 24-bit picture filled with colour, written with the 40-byte info header.
    QString WriteBmp(const QString& name, int w, int h, const QColor& colour) const;
    // Loads description text (written as panel.xml) into root and modules.
    bool Load(const QByteArray& xml);

    QTemporaryDir m_dir;
    CDevModule m_root;
    ModuleList m_modules;
};

// <ID>, <LEFT>, <TOP>, <WIDTH>, <HEIGHT> value elements.
QByteArray Values(const char* id, int left, int top, int width, int height);
