#pragma once

#include "DibImage.h"

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

class PanelClickSink;
class PictureCache;
class QPainter;
class StateSubject;

// One element of the front-panel picture: a rectangle in panel coordinates (pixels of the
// device window's client area), a state, a picture, and the nested elements it owns.
// The model is used from the GUI thread only.
class VirtualDev {
public:
    VirtualDev();
    virtual ~VirtualDev();
    VirtualDev(const VirtualDev&) = delete;
    VirtualDev& operator=(const VirtualDev&) = delete;

    // Runtime class name, compared by FindChildByClass.
    virtual QString ClassName() const;
    // The subject lamps attach to; none for elements without one.
    virtual StateSubject* Subject();

    VirtualDev* AddChild(std::unique_ptr<VirtualDev> child);
    VirtualDev* GetChild(int i) const;
    int ChildCount() const { return int(m_children.size()); }
    // The n-th (0-based) direct child whose ClassName() is className.
    VirtualDev* FindChildByClass(const QString& className, int n) const;

    // These three apply to this element and all its descendants. AttachWindow records the
    // window's current client size as the reference size of the hit test.
    void AttachWindow(QWidget* window);
    void SetDrawContext(QPainter* painter);
    void SetClickSink(PanelClickSink* sink);

    // Draws the direct children and clears their dirty flags.
    void DrawChildren();

    void SetRect(int left, int top, int width, int height);
    // (left, top) with the description's width and height.
    QRect GetRect() const;
    void SetState(int value);
    int GetState() const { return m_state; }
    bool IsDirty() const { return m_dirty; }
    void SetId(const QString& id) { m_id = id; }
    const QString& GetId() const { return m_id; }
    void SetName(const QString& name) { m_name = name; }
    const QString& GetName() const { return m_name; }
    void SetBitmapFile(const QString& path) { m_bitmapFile = path; }
    const QString& GetBitmapFile() const { return m_bitmapFile; }
    const DibImage& Picture() const { return m_picture; }
    // The panel's pictures, shared by its elements; without one each load decodes its file.
    void SetPictureCache(std::shared_ptr<PictureCache> cache) { m_pictureCache = std::move(cache); }

    // The rectangle scaled to the window's current client size, less a 2-pixel margin on
    // every side. False while no window with a known size is attached.
    bool HitTest(int x, int y) const;

    // Inside the hit area: the hand cursor over clickable elements, else the arrow.
    virtual void UpdateCursor(int x, int y);
    virtual bool IsClickable() const;
    virtual void SetType(int code);
    virtual bool Refresh();
    virtual void Draw();
    virtual void OnClick(int x, int y);

protected:
    bool LoadPicture(const QString& path);
    void ShowArrowCursor() const;
    void ShowHandCursor() const;
    QWidget* Window() const { return m_window; }
    PanelClickSink* ClickSink() const { return m_clickSink; }

private:
    std::vector<std::unique_ptr<VirtualDev>> m_children;
    QString m_id;
    QString m_name;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    int m_referenceWidth = 0;
    int m_referenceHeight = 0;
    int m_state = 0;
    bool m_dirty = true;
    QPainter* m_drawContext = nullptr;
    QPointer<QWidget> m_window;
    PanelClickSink* m_clickSink = nullptr;
    QString m_bitmapFile;
    DibImage m_picture;
    std::shared_ptr<PictureCache> m_pictureCache;
};
