#pragma once
// The client area of the device window that shows the front panel. It paints and takes the
// mouse through its owner's handlers, so panel coordinates are this widget's coordinates.

#include <QWidget>

#include <functional>

class PanelView : public QWidget {
    Q_OBJECT
public:
    struct Handlers {
        std::function<void(QPainter&, const QRect& dirty)> paint;
        std::function<void(QPoint)> press;
        std::function<void(QPoint)> move;
    };

    explicit PanelView(QWidget* parent = nullptr);
    void SetHandlers(Handlers handlers) { m_handlers = std::move(handlers); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Handlers m_handlers;
};
