#pragma once
// The base of the device window: a dialog with a menu bar above the front-panel view. It loads
// the front-panel description, sizes the view to the panel, paints the background picture and
// the panel elements, and passes pointer events to the panel's root element.

#include "CDevModule.h"
#include "DibImage.h"
#include "PanelDescriptionReader.h"

#include <QDialog>

class PanelView;
class QMenuBar;

class CDeviceDlgBase : public QDialog {
    Q_OBJECT
public:
    // How the background picture fills the view: stretched over it once the panel is loaded.
    enum DrawMode { NoPicture = 0, Stretched = 1 };
    static constexpr QSize kDefaultPanelSize{850, 120};

    explicit CDeviceDlgBase(QWidget* parent = nullptr);
    ~CDeviceDlgBase() override;

    CDevModule& Root() { return m_root; }
    ModuleList& Modules() { return m_modules; }
    PanelView* View() const { return m_view; }
    QMenuBar* MenuBar() const { return m_menuBar; }

protected:
    // Reads the description and its background picture and sizes the view to the panel
    // (DEVICEPANEL's width and height, else the picture's size). False when the file could not
    // be read; the panel then stays empty.
    bool LoadPanel(const QString& path);
    // Why LoadPanel refused its description, for the operator; empty when it did not.
    const QString& PanelRefusal() const { return m_panelRefusal; }
    // Painted over the panel elements.
    virtual void PaintOverPanel(QPainter& painter, const QRect& dirty);

private:
    void PaintPanel(QPainter& painter, const QRect& dirty);
    void DrawBackground(QPainter& painter);

    CDevModule m_root;
    ModuleList m_modules;
    DibImage m_background;
    DrawMode m_drawMode = NoPicture;
    QString m_panelRefusal;
    QMenuBar* m_menuBar;
    PanelView* m_view;
};
