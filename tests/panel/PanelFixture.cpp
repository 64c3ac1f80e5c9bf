#include "PanelFixture.h"

#include <QFile>
#include <QImage>

QString PanelFixture::Write(const QString& name, const QByteArray& content) const
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    return path;
}

QString PanelFixture::WriteBmp(const QString& name, int w, int h, const QColor& colour) const
{
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(colour);
    const QString path = m_dir.filePath(name);
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
}

bool PanelFixture::Load(const QByteArray& xml)
{
    return LoadPanelDescription(Write(QStringLiteral("panel.xml"), xml), m_root, m_modules);
}

QByteArray Values(const char* id, int left, int top, int width, int height)
{
    return QStringLiteral("<ID>%1</ID><LEFT>%2</LEFT><TOP>%3</TOP><WIDTH>%4</WIDTH><HEIGHT>%5</HEIGHT>")
        .arg(QLatin1String(id))
        .arg(left)
        .arg(top)
        .arg(width)
        .arg(height)
        .toUtf8();
}
