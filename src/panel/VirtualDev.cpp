#include "VirtualDev.h"

#include "PanelResources.h"
#include "PictureCache.h"

#include <QCursor>
#include <QPainter>

VirtualDev::VirtualDev()
    : m_name(QStringLiteral("VirtualDev"))
{
}

VirtualDev::~VirtualDev() = default;

QString VirtualDev::ClassName() const
{
    return QStringLiteral("VirtualDev");
}

StateSubject* VirtualDev::Subject()
{
    return nullptr;
}

VirtualDev* VirtualDev::AddChild(std::unique_ptr<VirtualDev> child)
{
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

VirtualDev* VirtualDev::GetChild(int i) const
{
    if (i < 0 || i >= ChildCount())
        return nullptr;
    return m_children[size_t(i)].get();
}

VirtualDev* VirtualDev::FindChildByClass(const QString& className, int n) const
{
    for (const auto& child : m_children) {
        if (child->ClassName() == className && n-- == 0)
            return child.get();
    }
    return nullptr;
}

void VirtualDev::AttachWindow(QWidget* window)
{
    m_window = window;
    m_referenceWidth = window ? window->width() : 0;
    m_referenceHeight = window ? window->height() : 0;
    for (const auto& child : m_children)
        child->AttachWindow(window);
}

void VirtualDev::SetDrawContext(QPainter* painter)
{
    m_drawContext = painter;
    for (const auto& child : m_children)
        child->SetDrawContext(painter);
}

void VirtualDev::SetClickSink(PanelClickSink* sink)
{
    m_clickSink = sink;
    for (const auto& child : m_children)
        child->SetClickSink(sink);
}

void VirtualDev::DrawChildren()
{
    for (const auto& child : m_children) {
        child->Draw();
        child->m_dirty = false;
    }
    m_dirty = false;
}

void VirtualDev::SetRect(int left, int top, int width, int height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
}

QRect VirtualDev::GetRect() const
{
    return QRect(m_left, m_top, m_width, m_height);
}

void VirtualDev::SetState(int value)
{
    if (value != m_state)
        m_dirty = true;
    m_state = value;
}

bool VirtualDev::HitTest(int x, int y) const
{
    if (!m_window || m_referenceWidth <= 0 || m_referenceHeight <= 0)
        return false;
    const qint64 clientWidth = m_window->width();
    const qint64 clientHeight = m_window->height();
    const qint64 x0 = m_left * clientWidth / m_referenceWidth;
    const qint64 y0 = m_top * clientHeight / m_referenceHeight;
    const qint64 x1 = x0 + m_width * clientWidth / m_referenceWidth;
    const qint64 y1 = y0 + m_height * clientHeight / m_referenceHeight;
    return x0 + 2 < x && x < x1 - 2 && y0 + 2 < y && y < y1 - 2;
}

void VirtualDev::UpdateCursor(int x, int y)
{
    if (!HitTest(x, y))
        return;
    if (IsClickable())
        ShowHandCursor();
    else
        ShowArrowCursor();
}

bool VirtualDev::IsClickable() const
{
    return false;
}

void VirtualDev::SetType(int)
{
}

bool VirtualDev::Refresh()
{
    return LoadPicture(m_bitmapFile);
}

void VirtualDev::Draw()
{
    if (m_drawContext && !m_picture.IsNull())
        m_picture.Draw(*m_drawContext, m_left, m_top, m_width, m_height);
}

void VirtualDev::OnClick(int, int)
{
}

bool VirtualDev::LoadPicture(const QString& path)
{
    if (!m_pictureCache)
        return m_picture.LoadFromFile(path);
    m_picture = m_pictureCache->Load(path);
    return !m_picture.IsNull();
}

// Mouse moves come often: the window's cursor is only replaced when it changes.
void VirtualDev::ShowArrowCursor() const
{
    if (m_window && m_window->cursor().shape() != Qt::ArrowCursor)
        m_window->setCursor(Qt::ArrowCursor);
}

void VirtualDev::ShowHandCursor() const
{
    if (!m_window)
        return;
    const Qt::CursorShape shape = m_window->cursor().shape();
    if (shape != Qt::BitmapCursor && shape != Qt::PointingHandCursor)
        m_window->setCursor(PanelResources::HandCursor());
}
